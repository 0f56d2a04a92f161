// The play rating pane of the Doppelkopf table: its counters from the Doppelkopf option record,
// rated with the four-seat formula (damping 10, no solo factor), cleared through the table's
// controller.
#pragma once

#include "views/win32/PlayRatingPane.h"

struct DoppelkopfOptions;

// The drawn variant of the base draws these counters and this rating.
class DoppelkopfRatingPane : public PlayRatingPane {
  public:
    void HandleCommand(int command) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
    float ComputeRating() override;
    int GetValueCount() override;
    int GetPictureId() override;
    std::vector<RatingItem> GetItems() override;
    int GetRatingItem() override;

    DoppelkopfOptions* statistics = nullptr; // not owned
};

class DoppelkopfRatingPaneWin : public DoppelkopfRatingPane {
  public:
    void Draw(const RECT* rect) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
};

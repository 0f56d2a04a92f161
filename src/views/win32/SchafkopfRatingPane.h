// The play rating pane of the Schafkopf table: its counters from the Schafkopf option record,
// rated with the four-seat formula (damping 8, the solo factor and the balance in tariff
// units), cleared through the table's controller.
#pragma once

#include "views/win32/PlayRatingPane.h"

struct SchafkopfOptions;

// The drawn variant of the base draws these counters and this rating.
class SchafkopfRatingPane : public PlayRatingPane {
  public:
    void HandleCommand(int command) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
    float ComputeRating() override;
    int GetValueCount() override;
    int GetPictureId() override;
    std::vector<RatingItem> GetItems() override;
    int GetRatingItem() override;

    SchafkopfOptions* statistics = nullptr; // not owned
};

class SchafkopfRatingPaneWin : public SchafkopfRatingPane {
  public:
    void Draw(const RECT* rect) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
};

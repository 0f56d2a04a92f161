// The play rating panes of the four-seat tables: the counters kept in the game's option record
// (Doppelkopf: damping 10, no solo factor; Schafkopf: damping 8, the solo factor and the balance
// in tariff units), rated with the four-seat formula and cleared through the table's controller.
// The two differ only in their record, so one template serves both.
#pragma once

#include "views/win32/PlayRatingPane.h"

struct DoppelkopfOptions;
struct SchafkopfOptions;

// The drawn variant of the base draws these counters and this rating.
template <typename Options> class FourSeatRatingPane : public PlayRatingPane {
  public:
    void HandleCommand(int command) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
    float ComputeRating() override;
    int GetValueCount() override;
    int GetPictureId() override;
    std::vector<RatingItem> GetItems() override;
    int GetRatingItem() override;

    Options* statistics = nullptr; // not owned
};

template <typename Options> class FourSeatRatingPaneWin : public FourSeatRatingPane<Options> {
  public:
    void Draw(const RECT* rect) override;
    void InitSide(GameController* controller, Settings* settings, void* record,
                  HWND window) override;
};

using DoppelkopfRatingPane = FourSeatRatingPane<DoppelkopfOptions>;
using SchafkopfRatingPane = FourSeatRatingPane<SchafkopfOptions>;
using DoppelkopfRatingPaneWin = FourSeatRatingPaneWin<DoppelkopfOptions>;
using SchafkopfRatingPaneWin = FourSeatRatingPaneWin<SchafkopfOptions>;

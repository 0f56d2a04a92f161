#include "views/win32/FourSeatRatingPane.h"

#include "games/fourplayer/DoppelkopfController.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kFourSeatValueCount = 32;
constexpr int kFourSeatPicture = 3103;

float Rate(const DoppelkopfOptions& options) {
    return ComputeDoppelkopfRating(options);
}
float Rate(const SchafkopfOptions& options) {
    return ComputeSchafkopfRating(options);
}
int KindOf(const DoppelkopfOptions*) {
    return kRatingKindDoppelkopf;
}
int KindOf(const SchafkopfOptions*) {
    return kRatingKindSchafkopf;
}

} // namespace

template <typename Options>
void FourSeatRatingPane<Options>::InitSide(GameController* gameController, Settings* paneSettings,
                                           void* record, HWND paneWindow) {
    PlayRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    statistics = static_cast<Options*>(record);
}

// The counters belong to the controller's rules, so the controller clears them.
template <typename Options> void FourSeatRatingPane<Options>::HandleCommand(int command) {
    if (command != kPlayRatingClear) {
        PlayRatingPane::HandleCommand(command);
        return;
    }
    if (!AskToClear())
        return;
    if (auto* four = dynamic_cast<DoppelkopfController*>(controller))
        four->ClearStatistics();
    ShowCleared();
}

template <typename Options> float FourSeatRatingPane<Options>::ComputeRating() {
    if (recalculate && statistics) {
        recalculate = 0;
        rating = Rate(*statistics);
    }
    return rating;
}

template <typename Options> int FourSeatRatingPane<Options>::GetValueCount() {
    return kFourSeatValueCount;
}

template <typename Options> int FourSeatRatingPane<Options>::GetPictureId() {
    return kFourSeatPicture;
}

template <typename Options> std::vector<RatingItem> FourSeatRatingPane<Options>::GetItems() {
    if (!statistics)
        return {};
    return RatingItemsOf(*statistics);
}

template <typename Options> int FourSeatRatingPane<Options>::GetRatingItem() {
    return RatingItemOf(KindOf(statistics));
}

template <typename Options> void FourSeatRatingPaneWin<Options>::Draw(const RECT*) {
    this->FillItems();
}

template <typename Options>
void FourSeatRatingPaneWin<Options>::InitSide(GameController* gameController,
                                              Settings* paneSettings, void* record,
                                              HWND paneWindow) {
    FourSeatRatingPane<Options>::InitSide(gameController, paneSettings, record, paneWindow);
    Draw(nullptr);
}

template class FourSeatRatingPane<DoppelkopfOptions>;
template class FourSeatRatingPane<SchafkopfOptions>;
template class FourSeatRatingPaneWin<DoppelkopfOptions>;
template class FourSeatRatingPaneWin<SchafkopfOptions>;

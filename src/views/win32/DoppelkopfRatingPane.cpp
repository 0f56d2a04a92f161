#include "views/win32/DoppelkopfRatingPane.h"

#include "games/fourplayer/DoppelkopfController.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kFourSeatValueCount = 32;
constexpr int kFourSeatPicture = 3103;

} // namespace

void DoppelkopfRatingPane::InitSide(GameController* gameController, Settings* paneSettings,
                                    void* record, HWND paneWindow) {
    PlayRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    statistics = static_cast<DoppelkopfOptions*>(record);
}

// The counters belong to the controller's rules, so the controller clears them.
void DoppelkopfRatingPane::HandleCommand(int command) {
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

float DoppelkopfRatingPane::ComputeRating() {
    if (recalculate && statistics) {
        recalculate = 0;
        rating = ComputeDoppelkopfRating(*statistics);
    }
    return rating;
}

int DoppelkopfRatingPane::GetValueCount() {
    return kFourSeatValueCount;
}

int DoppelkopfRatingPane::GetPictureId() {
    return kFourSeatPicture;
}

std::vector<RatingItem> DoppelkopfRatingPane::GetItems() {
    if (!statistics)
        return {};
    return RatingItemsOf(*statistics);
}

int DoppelkopfRatingPane::GetRatingItem() {
    return RatingItemOf(kRatingKindDoppelkopf);
}

void DoppelkopfRatingPaneWin::Draw(const RECT*) {
    FillItems();
}

void DoppelkopfRatingPaneWin::InitSide(GameController* gameController, Settings* paneSettings,
                                       void* record, HWND paneWindow) {
    DoppelkopfRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    Draw(nullptr);
}

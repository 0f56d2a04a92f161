#include "views/win32/SchafkopfRatingPane.h"

#include "games/fourplayer/DoppelkopfController.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kFourSeatValueCount = 32;
constexpr int kFourSeatPicture = 3103;

} // namespace

void SchafkopfRatingPane::InitSide(GameController* gameController, Settings* paneSettings,
                                   void* record, HWND paneWindow) {
    PlayRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    statistics = static_cast<SchafkopfOptions*>(record);
}

// The counters belong to the controller's rules, so the controller clears them.
void SchafkopfRatingPane::HandleCommand(int command) {
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

float SchafkopfRatingPane::ComputeRating() {
    if (recalculate && statistics) {
        recalculate = 0;
        rating = ComputeSchafkopfRating(*statistics);
    }
    return rating;
}

int SchafkopfRatingPane::GetValueCount() {
    return kFourSeatValueCount;
}

int SchafkopfRatingPane::GetPictureId() {
    return kFourSeatPicture;
}

std::vector<RatingItem> SchafkopfRatingPane::GetItems() {
    if (!statistics)
        return {};
    return RatingItemsOf(*statistics);
}

int SchafkopfRatingPane::GetRatingItem() {
    return RatingItemOf(kRatingKindSchafkopf);
}

void SchafkopfRatingPaneWin::Draw(const RECT*) {
    FillItems();
}

void SchafkopfRatingPaneWin::InitSide(GameController* gameController, Settings* paneSettings,
                                      void* record, HWND paneWindow) {
    SchafkopfRatingPane::InitSide(gameController, paneSettings, record, paneWindow);
    Draw(nullptr);
}

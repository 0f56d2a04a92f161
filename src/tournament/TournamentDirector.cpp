#include "tournament/TournamentDirector.h"

#include "games/fourplayer/SeriesEnd.h"
#include "records/OptionRecordLayouts.h"
#include "views/win32/TablePane.h"

TournamentDirector* gDirector = nullptr;

void TournamentDirector::ClearNameList() {}
void TournamentDirector::StartSeries() {}
void TournamentDirector::EndSeriesCall() {}
void TournamentDirector::ResetSeats() {}
void TournamentDirector::SetSeriesParameters(std::int32_t value, std::int32_t) {
    seriesValue = value;
}
void TournamentDirector::BeginPlay(int) {}
void TournamentDirector::IdleTick() {}

TournamentDirector* CreateDirector(SkatDocumentController*, Settings*, DoppelkopfOptions* optionsA,
                                   SchafkopfOptions* optionsB) {
    if (!gDirector)
        gDirector = new TournamentDirector;
    gDirector->optionsA = optionsA;
    gDirector->optionsB = optionsB;
    return gDirector;
}

void SetLocalTable(TournamentDirector* director, TablePane* pane, int) {
    if (director)
        director->localTable = pane;
}

void FetchGameSetup(TournamentDirector*, Handle*) {}

namespace {
TableCommandObserver sTableCommandObserver;
} // namespace

void SendTableCommand(TournamentDirector*, int subKind, int value) {
    if (sTableCommandObserver)
        sTableCommandObserver(subKind, value);
}

void SetTableCommandObserver(TableCommandObserver observer) {
    sTableCommandObserver = std::move(observer);
}

bool IsSeriesOverByOptions(TournamentDirector* director, Handle gameList, int gameCode) {
    if (!director || gameCode == 0)
        return false;
    SeriesEndRule rule;
    if (gameCode == 1 && director->optionsA)
        rule = {director->optionsA->seriesEnd, director->optionsA->seriesGameCount,
                director->optionsA->seriesTarget};
    else if (gameCode != 1 && director->optionsB)
        rule = {director->optionsB->seriesEnd, director->optionsB->seriesGameCount,
                director->optionsB->seriesTarget};
    return IsSeriesOverByOptions(gameList, rule, director->series.seriesMode);
}

ClaimValue DecodeClaimValue(std::int32_t value) {
    return {(value & 7) == 1 ? 1 : 0, value >> 8};
}

void ReceiveClaim(TournamentDirector* director, std::int32_t value) {
    if (!director || !director->localTable)
        return;
    const ClaimValue claim = DecodeClaimValue(value);
    director->localTable->ApplyClaim(claim.flag, claim.seat);
}

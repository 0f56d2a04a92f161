#include "tournament/TournamentDirector.h"

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

TournamentDirector* CreateDirector(SkatDocumentController*, Settings*, DoppelkopfOptions*,
                                   SchafkopfOptions*) {
    if (!gDirector)
        gDirector = new TournamentDirector;
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

bool IsSeriesOverByOptions(TournamentDirector*, Handle, int) {
    return false;
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

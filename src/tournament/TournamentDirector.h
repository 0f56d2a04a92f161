// The tournament director as the shell sees it: series, leagues and tournaments, the hosted
// tables and the timed save. Until tournaments are built the director runs no series: every
// operation leaves things as they are.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Handles.h"
#include "platform/RootObject.h"
#include "records/DirectorLists.h"
#include "records/SeriesBlock.h"

class Settings;
class SkatDocumentController;
class TablePane;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class TournamentDirector : public RootObject {
  public:
    virtual void ClearNameList();
    virtual void StartSeries();
    virtual void EndSeriesCall();
    virtual void ResetSeats();
    virtual void SetSeriesParameters(std::int32_t value, std::int32_t count);
    virtual void BeginPlay(int flag);
    virtual void IdleTick(); // every timer tick

    // The series state a saved game keeps: the series block (series mode 1 a single table,
    // 2 a league, 8 a tournament, 16 hosting; started; the schedule) and the five lists.
    SeriesBlock series = FreshSeriesBlock();
    DirectorLists lists;
    std::uint8_t qualification = 0; // the tournament is in its qualification
    std::int32_t seriesValue = 0;
    void* serverWindow = nullptr; // the director's own server window; none
    TablePane* localTable = nullptr;
    // The option records whose end rules end a plain series (A Doppelkopf, B Schafkopf).
    DoppelkopfOptions* optionsA = nullptr;
    SchafkopfOptions* optionsB = nullptr;
};

extern TournamentDirector* gDirector;

TournamentDirector* CreateDirector(SkatDocumentController* skat, Settings* settings,
                                   DoppelkopfOptions* optionsA, SchafkopfOptions* optionsB);
// Attaches the local table to the director, or detaches it (null).
void SetLocalTable(TournamentDirector* director, TablePane* pane, int zero);
// Whether the series a table plays (its game list and game code: 1 Doppelkopf, 2 Schafkopf) is
// over by the end rule of its option record: only a plain series (series mode 1) ends so; the
// Skat table (code 0) has no such rule until tournaments are built.
bool IsSeriesOverByOptions(TournamentDirector* director, Handle gameList, int gameCode);
// A table command of the own seat: 3 a new pairing now (value 1) or wait (value 0), 4 change
// the game day. Until network tables are built no table hears it; tests can watch it.
void SendTableCommand(TournamentDirector* director, int subKind, int value);
using TableCommandObserver = std::function<void(int subKind, int value)>;
void SetTableCommandObserver(TableCommandObserver observer); // empty to stop
// A claim of the remaining tricks that arrives from another table as a table command's data
// word: the claim flag is set when its low three bits are 1, the seat is the word shifted right
// by 8. ReceiveClaim hands it to the local table's claim operation.
struct ClaimValue {
    int flag;
    int seat;
};
ClaimValue DecodeClaimValue(std::int32_t value);
void ReceiveClaim(TournamentDirector* director, std::int32_t value);
// Fills *setup with the director's game-setup block; without a series it stays empty.
void FetchGameSetup(TournamentDirector* director, Handle* setup);

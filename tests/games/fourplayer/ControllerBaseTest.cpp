#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "games/fourplayer/ControllerFixtures.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
#include "records/ProgramFlags.h"
#include "support/AlertRecorder.h"

namespace {

struct NamedTable {
    SettingsBody settings{};
    GameController controller;
    NamedTable() {
        controller.Init(&settings);
        for (int seat = 0; seat < 6; ++seat)
            std::snprintf(settings.playerNames[seat], 256, "Name%d", seat);
    }
};

std::string CName(GameController& c, int seat) {
    char name[256];
    std::memset(name, 'Z', sizeof name);
    name[255] = '\0';
    c.GetPlayerNameC(name, seat);
    return name;
}

} // namespace

// Seats 2 and 3 swap their names only while no four-player table is open (the Skat table
// counts its seats the other way round).
TEST(ControllerBase, PlayerNamesAndTheSkatSeatSwap) {
    NamedTable t;
    for (int seat = 0; seat < 6; ++seat)
        EXPECT_EQ(CName(t.controller, seat), "Name" + std::to_string(seat));
    gFourPlayerTableOpen = 0;
    const std::string skatNames[6] = {"Name0", "Name1", "Name3", "Name2", "Name4", "Name5"};
    for (int seat = 0; seat < 6; ++seat)
        EXPECT_EQ(CName(t.controller, seat), skatNames[seat]);
    std::uint8_t pascal[256] = {};
    t.controller.GetPlayerName(pascal, 2);
    gFourPlayerTableOpen = 1;
    EXPECT_EQ(pascal[0], 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(pascal + 1), 5), "Name3");
}

// A seat outside 0 to 5 is a programming error: one box, and no name read or written.
TEST(ControllerBase, NameSeatsOutsideTheSixSlotsAreRefused) {
    NamedTable t;
    const SettingsBody before = t.settings;
    for (int seat : {-1, 6, 200}) {
        ResetAlertRecorder();
        EXPECT_EQ(CName(t.controller, seat), std::string(255, 'Z')) << seat;
        std::uint8_t pascal[256];
        std::memset(pascal, 0xee, sizeof pascal);
        t.controller.GetPlayerName(pascal, seat);
        EXPECT_EQ(pascal[0], 0xee);
        t.controller.SetPlayerNameC("Xaver", seat);
        const std::uint8_t xaver[] = {5, 'X', 'a', 'v', 'e', 'r'};
        t.controller.SetPlayerName(xaver, seat);
        EXPECT_EQ(RecordedAlerts().size(), 4u) << seat;
        for (const AlertBox& box : RecordedAlerts()) {
            if (!box.text.empty()) { // natively texts are empty
                EXPECT_NE(box.text.find("Play 1"), std::string::npos);
            }
        }
    }
    EXPECT_EQ(std::memcmp(&before, &t.settings, sizeof before), 0);
    ResetAlertRecorder();
}

// Names are stored with at most 255 characters; both forms write the seat's own slot.
TEST(ControllerBase, SetNamesAreBoundedAndRoundTrip) {
    NamedTable t;
    const std::string longName(400, 'q');
    t.controller.SetPlayerNameC(longName.c_str(), 4);
    EXPECT_EQ(CName(t.controller, 4), std::string(255, 'q'));
    EXPECT_EQ(std::string(t.settings.playerNames[5]), "Name5");
    std::uint8_t pascal[256];
    pascal[0] = 255;
    std::memset(pascal + 1, 'w', 255);
    t.controller.SetPlayerName(pascal, 1);
    EXPECT_EQ(CName(t.controller, 1), std::string(255, 'w'));
    const std::uint8_t sepp[] = {4, 'S', 'e', 'p', 'p', 'X'};
    t.controller.SetPlayerName(sepp, 3);
    EXPECT_EQ(CName(t.controller, 3), "Sepp");
    gFourPlayerTableOpen = 0;
    t.controller.SetPlayerNameC("Vroni", 2);
    gFourPlayerTableOpen = 1;
    EXPECT_EQ(std::string(t.settings.playerNames[2]), "Vroni");
}

// The stopwatch counts whole seconds of the millisecond clock between readings.
TEST(ControllerBase, StopwatchAddsWholeSecondsSinceTheLastReading) {
    std::uint32_t now = 5500;
    SetMillisecondClock([&now] { return now; });
    GameController c;
    StartStopwatch(&c);
    EXPECT_EQ(c.stopwatchSeconds, 5u);
    std::int32_t clock = 100;
    now = 17900;
    AddElapsedSeconds(&c, &clock);
    EXPECT_EQ(clock, 112);
    now = 18100;
    AddElapsedSeconds(&c, &clock);
    EXPECT_EQ(clock, 113);
    SetMillisecondClock({});
    SettingsBody settings{};
    c.Init(&settings);
    EXPECT_EQ(c.stopwatchSeconds, 0u);
}

TEST(ControllerBase, RemoteWhileANetworkTableOrTheDirectorRuns) {
    NamedTable t;
    EXPECT_FALSE(t.controller.IsRemoteTable(0));
    gNetworkTableActive = 1;
    EXPECT_TRUE(t.controller.IsRemoteTable(0));
    gNetworkTableActive = 0;
    gDirectorRunsTables = 1;
    EXPECT_TRUE(t.controller.IsRemoteTable(0));
    gDirectorRunsTables = 0;
    t.settings.networkGame = 1;
    EXPECT_TRUE(t.controller.IsRemoteTable(0));
}

// An open series has no end rule of its own and is no league or tournament game.
TEST(ControllerBase, OpenSeriesByEndRuleAndTableMode) {
    struct Case {
        int settingsEnd, rulesEnd, tableMode;
        bool baseOpen, doppelkopfOpen;
    };
    const Case cases[] = {
        {1, 1, 1, true, true},   {8, 1, 1, false, true},  {1, 4, 1, true, false},
        {1, 1, 2, false, false}, {1, 1, 8, false, false}, {1, 1, 4, true, true},
    };
    for (const Case& c : cases) {
        TableFixture f;
        f.settings.seriesEnd = c.settingsEnd;
        f.settings.tableMode = static_cast<std::int16_t>(c.tableMode);
        f.rules.seriesEnd = c.rulesEnd;
        EXPECT_EQ(f.table->GameController::IsOpenSeries(), c.baseOpen);
        EXPECT_EQ(f.table->IsOpenSeries(), c.doppelkopfOpen);
    }
}

// The answers callers rely on where a game leaves an operation to the base.
TEST(ControllerBase, BaseAnswers) {
    GameController c;
    char text[256] = "x";
    c.GetDescriptor(text);
    EXPECT_STREQ(text, "...");
    EXPECT_EQ(c.GetOwnGameKind(), 255);
    EXPECT_EQ(c.GetTrickNumber(), -1);
    EXPECT_EQ(c.GetLastGameValue(), -1);
    EXPECT_EQ(c.ProposeCard(), -1);
    EXPECT_EQ(c.GetBidValue(), -1);
    bool moved = true;
    EXPECT_TRUE(c.PlayComputerTurns(&moved));
    EXPECT_FALSE(moved);
    TableFixture f;
    EXPECT_EQ(f.table->GetOwnGameKind(), 1);
    EXPECT_TRUE(f.table->IsDoppelkopf());
    EXPECT_EQ(f.table->HasTakenTrick(7), -1);
}

TEST(ControllerBase, RemoveHandCardTakesOnePlaceOfTheTrickCard) {
    TableFixture f;
    ScriptedController& table = *f.table;
    std::memset(table.hands, 0, sizeof table.hands);
    table.hands[12 + 2] = 9;
    table.hands[12 + 7] = 9; // the second copy of a two-copy deck
    table.player->trickCards[1] = 9;
    EXPECT_EQ(table.RemoveHandCard(1), 9);
    EXPECT_EQ(table.hands[12 + 2], 0);
    EXPECT_EQ(table.hands[12 + 7], 9);
    table.player->trickCards[2] = 0;
    EXPECT_EQ(table.RemoveHandCard(2), 0);
}

// --- Doppelkopf level ------------------------------------------------------------------------

namespace {

class NoMemoryController : public DoppelkopfController {
  protected:
    ComputerPlayer* CreatePlayer() override { return nullptr; }
};

} // namespace

TEST(DoppelkopfLevel, APlayerThatCannotBeMadeIsReportedAndQuits) {
    gQuitRequested = 0;
    ResetAlertRecorder();
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    NoMemoryController table;
    EXPECT_FALSE(table.Init(&settings, &rules, false, true));
    EXPECT_EQ(table.player, nullptr);
    EXPECT_TRUE(QuitRequested());
    EXPECT_EQ(RecordedAlerts().size(), 1u);
    gQuitRequested = 0;
    ResetAlertRecorder();

    TableFixture made;
    EXPECT_NE(made.table->player, nullptr);
    EXPECT_EQ(gDoppelkopfComputerPlayer, made.table->player);
    EXPECT_EQ(made.table->stakeState, -1);
    EXPECT_EQ(made.table->player->rules, &made.rules);
}

// The seats' profiles come from the rules record (the human's suggestion style first) unless
// the computer plays every seat; a series counted in games tells the player its length.
TEST(DoppelkopfLevel, PassDealInfoHandsTheSeriesAndTheProfilesToThePlayer) {
    TableFixture f;
    f.rules.suggestionStyle = 0x0107; // only the low byte is the profile
    f.rules.opponentStyles[0] = 6;
    f.rules.opponentStyles[1] = 12;
    f.rules.opponentStyles[2] = 18;
    f.rules.seriesEnd = kSeriesEndGames;
    f.rules.seriesGameCount = 24;
    f.table->gamesDealt = 5;
    f.table->diamondAcesSeat = 2;
    f.table->PassDealInfo();
    ComputerPlayer& p = *f.table->player;
    EXPECT_EQ(p.gamesPlayed, 5);
    EXPECT_EQ(p.seriesLength, 24);
    EXPECT_EQ(p.diamondAcesSeat, 2);
    const int profiles[4] = {7, 6, 12, 18};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(p.seats[seat].profile, profiles[seat]);
        EXPECT_EQ(f.table->seatProfiles[seat], profiles[seat]);
    }
    f.rules.seriesEnd = kSeriesEndTarget;
    const std::uint8_t allComputer[4] = {1, 1, 1, 1};
    f.table->SetSeatKinds(allComputer);
    f.rules.opponentStyles[0] = 11;
    f.table->PassDealInfo();
    EXPECT_EQ(p.seriesLength, -1);
    EXPECT_EQ(p.seats[1].profile, 6);
}

TEST(DoppelkopfLevel, SetBidRecordsTheAnswerAndItsPhase) {
    TableFixture f;
    ComputerPlayer& p = *f.table->player;
    f.table->biddingPhase = 4;
    for (int seat = 0; seat < 4; ++seat)
        p.seats[seat].lineFlag = 0;
    f.table->SetBid(0, 2);
    f.table->SetBid(1, 3);
    f.table->SetBid(2, 0);
    f.table->SetBid(3, 1);
    const int bids[4] = {2, 3, 0, 1};
    const int phases[4] = {4, 0, 0, 4};
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(f.table->bids[seat], bids[seat]);
        EXPECT_EQ(p.reservationMarks[seat], bids[seat]);
        EXPECT_EQ(p.seatBidPhase[seat], phases[seat]) << seat;
        EXPECT_EQ(p.seats[seat].lineFlag, seat == 0 ? 0 : 1)
            << seat; // the human's answer marks nothing
    }
}

// The statistics of the rules record go; the rules and the play times stay.
TEST(DoppelkopfLevel, ClearStatisticsClearsOnlyTheCounters) {
    TableFixture f;
    DoppelkopfOptions& r = f.rules;
    std::memset(&r, 0x11, sizeof r);
    const DoppelkopfOptions before = r;
    f.table->ClearStatistics();
    const auto* now = reinterpret_cast<const std::uint8_t*>(&r);
    const auto* was = reinterpret_cast<const std::uint8_t*>(&before);
    for (int offset = 0; offset < static_cast<int>(sizeof r); ++offset) {
        const bool counter = (offset >= 104 && offset < 408) || (offset >= 608 && offset < 612);
        ASSERT_EQ(now[offset], counter ? 0 : was[offset]) << offset;
    }
}

TEST(DoppelkopfLevel, TrickAccessorsReadTheGameObject) {
    TableFixture f;
    ScriptedController& table = *f.table;
    ComputerPlayer& p = *table.player;
    table.SetTrickLeader(3);
    EXPECT_EQ(p.leader, 3);
    EXPECT_EQ(table.GetTrickLeader(), 3);
    p.trickNumber = 3;
    EXPECT_EQ(table.GetCurrentTrickNumber(), 3);
    p.trickCards[2] = 17;
    EXPECT_EQ(table.GetTrickCard(2), 17);
    p.tricksWon[1] = 2;
    EXPECT_EQ(table.HasTakenTrick(1), 2);
    p.partyLists[0] = 1;
    p.partyLists[1] = 3;
    std::int16_t party[2] = {};
    table.GetPartyLists(party);
    EXPECT_EQ(party[0], 1);
    EXPECT_EQ(party[1], 3);
    for (int seat = 0; seat < 4; ++seat)
        p.tricks[1].cards[seat] = static_cast<std::int16_t>(20 + seat);
    int previous[4] = {9, 9, 9, 9};
    table.GetPreviousTrick(previous);
    for (int card : previous)
        EXPECT_EQ(card, 0); // play has not started
    table.playStarted = 1;
    table.GetPreviousTrick(previous);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(previous[seat], 20 + seat);
    table.ClearTrick();
    for (std::int16_t card : p.trickCards)
        EXPECT_EQ(card, 0);
}

// The trick winner leads the next trick, and the trick waits to be cleared.
TEST(DoppelkopfLevel, SetTrickWinnerMakesTheWinnerLead) {
    TableFixture f;
    f.table->trickComplete = 0;
    f.table->SetTrickWinner(2);
    EXPECT_EQ(f.table->trickComplete, 1);
    EXPECT_EQ(f.table->GetTrickLeader(), 2);
    EXPECT_EQ(f.table->nextLeader, 2);
}

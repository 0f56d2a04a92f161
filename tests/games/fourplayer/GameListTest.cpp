#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "games/fourplayer/ControllerFixtures.h"
#include "platform/Random.h"

namespace {

GameBill MakeBill(int value, std::initializer_list<int> listed, int perOpponent,
                  std::initializer_list<BillItem> items = {}) {
    GameBill bill{};
    int i = 0;
    for (auto& seat : bill.listedSeats)
        seat = -1;
    for (int seat : listed)
        bill.listedSeats[i++] = static_cast<std::int16_t>(seat);
    bill.perOpponent = static_cast<std::int16_t>(perOpponent);
    bill.value = static_cast<std::int16_t>(value);
    bill.potSeat = -1;
    for (const BillItem& item : items)
        bill.items[bill.itemCount++] = item;
    return bill;
}

// A controller that scores and books as the Schafkopf table does: all-passed games item by item
// with their pot fields in the record, and the pot booked after the record.
class SchafkopfLikeController : public ScriptedController {
  public:
    void BuildListRecord(GameRecord* record, GameBill* gameBill) override {
        BuildCommonRecord(record, *gameBill);
        record->potBooked = gameBill->potBooked;
        record->potSeat = gameBill->potSeat;
        record->potAmount = gameBill->potAmount;
    }
    void ScoreListRecord(GameBill* gameBill) override {
        if (player->gameType.word & 0x8000)
            ScoreByItems(*GameListHead(gameListHandle), *ScoredRecord(), *gameBill);
        else
            DoppelkopfController::ScoreListRecord(gameBill);
    }
    void EndGame(int, int) override {
        AddGameToList(&bill);
        BookRecordPot(*GameListHead(gameListHandle), *ScoredRecord());
    }
};

struct SchafkopfLikeTable {
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfLikeController table;
    SchafkopfLikeTable() { table.Init(&settings, &rules, false, true); }

    // Plays out a bill as the game of this word with this declarer.
    void Book(const GameBill& bill, GameTypeWord word, int declarer) {
        table.player->gameType = {0, word};
        table.player->declarer = declarer;
        table.bill = bill;
        table.EndGame(0, 0);
    }
    GameListHeader& Header() { return *GameListHead(table.gameListHandle); }
};

struct BillCase {
    const char* name;
    GameBill bill;
    GameTypeWord word;
    int declarer;
    int values[4];
};

// A bill whose unused item places still hold an item of an earlier game.
GameBill WithStaleItem(GameBill bill, BillItem stale) {
    bill.items[bill.itemCount] = stale;
    return bill;
}

} // namespace

// The tariff outcomes of the published rules: a party game moves the value between the two
// sides; a solo pays or collects it from each of three opponents; Ramsch and Leaster settle item
// by item against the first listed seat. Every game's values sum to zero.
TEST(GameList, BillsTurnIntoValuesThatSumToZero) {
    const BillCase cases[] = {
        {"call game won", MakeBill(20, {1, 3}, 1), 1, 1, {-20, 20, -20, 20}},
        {"call game lost", MakeBill(30, {0, 2}, 1), 1, 1, {30, -30, 30, -30}},
        {"solo won", MakeBill(50, {2}, 1), 4, 2, {-50, -50, 150, -50}},
        {"solo lost", MakeBill(60, {0, 1, 3}, 1), 4, 2, {60, 60, -180, 60}},
        {"ramsch loser alone", MakeBill(-60, {3}, 0, {{12, -60}}), 0x8001, -1, {20, 20, 20, -60}},
        {"ramsch one seat without a trick",
         MakeBill(-100, {3, 1}, 0, {{12, -60}, {11, -40}}),
         0x8001,
         -1,
         {20, 60, 20, -100}},
        {"ramsch two seats without a trick",
         MakeBill(-140, {3, 0, 2}, 0, {{12, -60}, {11, -40}, {11, -40}}),
         0x8001,
         -1,
         {60, 20, 60, -140}},
        {"leaster", MakeBill(60, {1}, 0, {{13, 60}}), 0x8001, -1, {-20, 60, -20, -20}},
        {"shoot the moon", MakeBill(70, {0}, 1, {{10, 70}}), 0x8001, -1, {210, -70, -70, -70}},
        {"bock ramsch",
         MakeBill(-60, {2}, 0, {{12, -60}, {17, 0}}),
         0x8001,
         -1,
         {40, 40, -120, 40}},
        {"items past the count are not read",
         WithStaleItem(MakeBill(-100, {3, 1}, 0, {{12, -60}, {11, -40}}), {11, -40}),
         0x8001,
         -1,
         {20, 60, 20, -100}},
    };
    for (const BillCase& c : cases) {
        SchafkopfLikeTable t;
        t.Book(c.bill, c.word, c.declarer);
        const GameRecord* last = LastGameRecord(t.table.gameListHandle);
        ASSERT_NE(last, nullptr) << c.name;
        int sum = 0;
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_EQ(last->values[seat], c.values[seat]) << c.name << " seat " << seat;
            EXPECT_EQ(t.Header().totals[seat], c.values[seat]) << c.name << " seat " << seat;
            sum += last->values[seat];
        }
        EXPECT_EQ(sum, 0) << c.name;
    }
}

// Leaster without shoot the moon: the winner's 20 are a third against each other seat,
// truncated, as stored lists have always had it.
TEST(GameList, LeasterThirdIsTruncated) {
    SchafkopfLikeTable t;
    t.Book(MakeBill(20, {2}, 0, {{13, 20}}), 0x8001, -1);
    const int expected[4] = {-6, -6, 20, -6};
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(LastGameRecord(t.table.gameListHandle)->values[seat], expected[seat]);
}

// The pot is a fifth account: what the seats pay in is what it holds, and the game's item for
// the pot is not booked again by the item-by-item scoring.
TEST(GameList, PotBookingsBalanceWithThePotAccount) {
    SchafkopfLikeTable t;
    GameBill stock = MakeBill(-60, {3}, 0, {{12, -60}, {9 + 512 * 3, -10}});
    stock.potBooked = 1;
    stock.potSeat = 3;
    stock.potAmount = -10;
    t.Book(stock, 0x8001, -1);
    GameBill everyone = MakeBill(20, {0, 2}, 1);
    everyone.potBooked = 1;
    everyone.potSeat = -1;
    everyone.potAmount = -5;
    t.Book(everyone, 1, 0);
    const int pot = 10 + 4 * 5;
    const int expected[4] = {20 + 20 - 5, 20 - 20 - 5, 20 + 20 - 5, -60 - 10 - 20 - 5};
    int sum = 0;
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(t.Header().totals[seat], expected[seat]) << seat;
        sum += t.Header().totals[seat];
    }
    EXPECT_EQ(sum + pot, 0);
}

// Won and lost counts follow the listed seats of party games; all-passed games leave them.
TEST(GameList, WonAndLostCountsFollowTheListedSeats) {
    SchafkopfLikeTable t;
    t.Book(MakeBill(20, {1, 3}, 1), 1, 1);
    t.Book(MakeBill(-60, {3}, 0, {{12, -60}}), 0x8001, -1);
    const GameListHeader& h = t.Header();
    EXPECT_EQ(h.count, 2);
    for (int seat = 0; seat < 4; ++seat) {
        EXPECT_EQ(h.won[seat], seat % 2 == 1 ? 1 : 0);
        EXPECT_EQ(h.lost[seat], seat % 2 == 0 ? 1 : 0);
    }
    EXPECT_TRUE(IsGameListSound(t.table.gameListHandle));
    EXPECT_EQ(GetHandleSize(t.table.gameListHandle), 36 + 188 * 3);
}

// Dealing a finished game again takes it out of the header byte for byte, pot booking and
// item-scored games included.
TEST(GameList, UndoLastGameRestoresTheHeaderByteForByte) {
    SchafkopfLikeTable t;
    std::vector<GameListHeader> headers;
    GameBill potGame = MakeBill(50, {2}, 1);
    potGame.potBooked = 1;
    potGame.potSeat = 2;
    potGame.potAmount = 40;
    const struct {
        GameBill bill;
        GameTypeWord word;
        int declarer;
    } games[] = {
        {MakeBill(20, {1, 3}, 1), 1, 1},
        {potGame, 4, 2},
        {MakeBill(-100, {3, 1}, 0, {{12, -60}, {11, -40}, {17, 0}}), 0x8001, -1},
        {MakeBill(60, {0, 1, 3}, 1), 4, 2},
    };
    for (const auto& g : games) {
        headers.push_back(t.Header());
        t.Book(g.bill, g.word, g.declarer);
    }
    for (auto it = headers.rbegin(); it != headers.rend(); ++it) {
        t.table.UndoLastGame();
        EXPECT_EQ(std::memcmp(&t.Header(), &*it, sizeof(GameListHeader)), 0);
        EXPECT_TRUE(IsGameListSound(t.table.gameListHandle));
    }
    EXPECT_EQ(GetHandleSize(t.table.gameListHandle), 224);
    t.table.UndoLastGame(); // nothing left to undo
    EXPECT_EQ(t.Header().count, 0);
}

TEST(GameList, EmptyListIs224BytesAndAnswersNoGame) {
    TableFixture fixture;
    ScriptedController& table = *fixture.table;
    ASSERT_NE(table.gameListHandle, nullptr);
    EXPECT_EQ(GetHandleSize(table.gameListHandle), 224);
    EXPECT_EQ(GameListHead(table.gameListHandle)->count, 0);
    EXPECT_FALSE(table.DidHumanWinLastGame());
    EXPECT_EQ(table.GetLastGameValue(), 0);
}

TEST(GameList, LastGameAnswersReadTheLastRecord) {
    SchafkopfLikeTable t;
    t.Book(MakeBill(20, {0, 2}, 1), 1, 0);
    EXPECT_TRUE(t.table.DidHumanWinLastGame());
    EXPECT_EQ(t.table.GetLastGameValue(), 20);
    t.Book(MakeBill(50, {3}, 1), 4, 3);
    EXPECT_FALSE(t.table.DidHumanWinLastGame());
    EXPECT_EQ(t.table.GetLastGameValue(), -50);
}

// The record carries what the score sheet shows: game type, profiles, dealer, card points,
// captures, the bill's figures and items.
TEST(GameList, RecordCarriesTheGameAsPlayed) {
    SchafkopfLikeTable t;
    t.table.dealer = 2;
    t.table.bockGamesLeft = 1;
    for (int seat = 0; seat < 4; ++seat)
        t.table.seatProfiles[seat] = static_cast<std::int16_t>(0x100 + 6 + seat);
    const std::int16_t points[4] = {40, 21, 35, 24};
    std::memcpy(t.table.player->cardPoints, points, sizeof points);
    t.table.player->bonusCount = 1;
    t.table.player->bonuses[0] = {3, 2};
    GameBill bill = MakeBill(20, {0, 2}, 1, {{0, 10}, {4, 10}});
    bill.cardPoints = 75;
    t.table.player->gameType = {2, 1};
    t.table.player->declarer = 0;
    t.table.bill = bill;
    t.table.EndGame(0, 0);
    const GameRecord& r = *LastGameRecord(t.table.gameListHandle);
    EXPECT_EQ(r.suit, 2);
    EXPECT_EQ(r.word, 1);
    EXPECT_EQ(r.dealer, 2);
    EXPECT_EQ(r.bock, 1);
    EXPECT_EQ(r.cardPoints, 75);
    EXPECT_EQ(r.profiles[3], 9);
    EXPECT_EQ(r.seatPoints[2], 35);
    EXPECT_EQ(r.captureCount, 1);
    EXPECT_EQ(r.captures[0].seat, 3);
    EXPECT_EQ(r.itemCount, 2);
    EXPECT_EQ(r.items[1].kind, 4);
    EXPECT_EQ(r.listedSeats[1], 2);
    EXPECT_EQ(r.listedSeats[2], -1);
}

// The director's tables list no games: the totals are booked all the same.
TEST(GameList, GamesNotListedAreStillBooked) {
    SchafkopfLikeTable t;
    t.table.listGames = 0;
    t.Book(MakeBill(20, {1, 3}, 1), 1, 1);
    EXPECT_EQ(t.Header().count, 0);
    EXPECT_EQ(GetHandleSize(t.table.gameListHandle), 224);
    EXPECT_EQ(t.Header().totals[1], 20);
    EXPECT_EQ(t.Header().totals[0], -20);
    EXPECT_EQ(t.Header().won[3], 1);
}

// Running out of memory never leaves a list whose size disagrees with its count.
TEST(GameList, FailedAllocationsLeaveAUsableList) {
    SchafkopfLikeTable t;
    t.Book(MakeBill(20, {1, 3}, 1), 1, 1);
    FailNextAllocations(1);
    t.Book(MakeBill(30, {0, 2}, 1), 1, 1);
    EXPECT_TRUE(IsGameListSound(t.table.gameListHandle));
    EXPECT_EQ(t.Header().count, 1);
    EXPECT_EQ(t.Header().totals[0], -20 + 30);

    const GameListHeader before = t.Header();
    FailNextAllocations(1);
    t.table.UndoLastGame();
    EXPECT_EQ(std::memcmp(&t.Header(), &before, sizeof before), 0);
    EXPECT_TRUE(IsGameListSound(t.table.gameListHandle));
    t.Book(MakeBill(10, {0}, 1), 4, 0);
    EXPECT_EQ(t.Header().count, 2);
}

TEST(GameList, NewGameListWithoutMemoryAsksToQuit) {
    gQuitRequested = 0;
    FourSeatController table;
    FailNextAllocations(1);
    table.NewGameList();
    EXPECT_EQ(table.gameListHandle, nullptr);
    EXPECT_TRUE(QuitRequested());
    gQuitRequested = 0;
    table.NewGameList();
    ASSERT_NE(table.gameListHandle, nullptr);
    EXPECT_EQ(GetHandleSize(table.gameListHandle), 224);
}

TEST(GameList, ReplaceGameListRefusesAListWhoseSizeDisagreesWithItsCount) {
    SchafkopfLikeTable t;
    t.Book(MakeBill(20, {1, 3}, 1), 1, 1);
    Handle kept = t.table.gameListHandle;
    Handle tooShort = NewHandle(20);
    EXPECT_FALSE(t.table.ReplaceGameList(tooShort));
    DisposeHandle(tooShort);
    EXPECT_FALSE(IsGameListSound(nullptr));
    for (std::int32_t count : {0, 2, -1, 1 << 30}) {
        Handle loaded = NewHandle(GameListSize(1));
        GameListHead(loaded)->count = count;
        EXPECT_FALSE(t.table.ReplaceGameList(loaded)) << count;
        EXPECT_EQ(t.table.gameListHandle, kept);
        DisposeHandle(loaded);
    }
    Handle loaded = NewHandle(GameListSize(1));
    GameListHead(loaded)->count = 1;
    EXPECT_TRUE(t.table.ReplaceGameList(loaded));
    EXPECT_EQ(t.table.gameListHandle, loaded);
}

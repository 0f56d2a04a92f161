// Saved Schafkopf games as whole files: a game saved at any moment reads into a second table
// and writes the same bytes again, plays on the same way, survives the other byte order and the
// older versions, and a damaged file is refused without touching the running game.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "SchafkopfSeries.h"
#include "document/SavedGameFile.h"
#include "platform/Handles.h"
#include "platform/Random.h"
#include "records/RecordTransfers.h"
#include "support/AlertRecorder.h"

namespace {

// A table with its records, as the program holds them.
struct Table {
    explicit Table(std::uint32_t seed, series::Options options = {}) : series(options, seed) {
        header = FreshDocumentHeader();
        header.phase = 4;
        header.gameKind = kGameKindSchafkopf;
        series.replayEvery = 0;
        block.seriesMode = 1;
        block.participantCount = 3;
        series.options.changedMark = 1; // as reading a saved game leaves them
        series.settings.grandOuvertValue = 36;
        series.settings.version = kSettingsVersion;
    }
    SavedGameSet Set() {
        return {&header, series.table.get(), &series.options, &series.rules,
                &block,  &series.settings,   &lists};
    }
    ByteImage Save() { return WriteGameFile(Set()); }

    series::Series series;
    DocumentHeader header{};
    SeriesBlock block{};
    DirectorLists lists;
};

// A list handle of the size, its bytes from the pattern, its 16-bit counts set.
Handle MakeList(int size, int seed, std::initializer_list<std::int16_t> counts) {
    Handle list = NewHandle(size);
    auto* bytes = static_cast<std::uint8_t*>(list);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(seed * 31 + i * 7);
    int at = 0;
    for (std::int16_t count : counts) {
        std::memcpy(bytes + at, &count, 2);
        at += 2;
    }
    return list;
}

// The lists of a league under way: two pairings (the first done, with a result), three
// participants of whom two joined by name, their standings, 300 qualified, one kept pairing.
void FillLists(DirectorLists& lists, int seed) {
    lists.List(kPairingList) = MakeList(2 + 2 * kPairingRowSize, seed, {2});
    lists.List(kParticipantList) = MakeList(4 + 3 * kParticipantRowSize, seed + 1, {2, 3});
    lists.List(kStandingsList) = MakeList(2 + 3 * kStandingsRowSize, seed + 2, {3});
    lists.List(kQualifiedList) = MakeList(2 + 2 * 300, seed + 3, {300}); // a count above 255
    lists.List(kKeptPairingList) = MakeList(2 + kPairingRowSize, seed + 4, {1});
    lists.Results(kPairingList) = {MakeList(62, seed + 5, {1}), nullptr};
    lists.Results(kKeptPairingList) = {MakeList(40, seed + 6, {0})};
}

// The moments a player may save at.
enum class Moment { kBeforeDeal, kBidding, kMidTrick, kGameOver };

void Reach(Table& t, Moment moment) {
    series::Series& s = t.series;
    for (int deal = 0; deal < 3; ++deal)
        s.PlayDeal();
    if (moment == Moment::kBeforeDeal || moment == Moment::kGameOver)
        return;
    s.table->NewDeal(false);
    s.table->bids[0] = 0;
    for (int n = 0; n < (moment == Moment::kBidding ? 2 : 4); ++n) {
        int suit = 0;
        s.table->GetSeatBidType((s.table->dealer + 1 + n) % 4, &suit);
    }
    if (moment == Moment::kBidding)
        return;
    s.table->StepBidding(0);
    CopyGameType(&s.table->humanGameType, &s.Game().seats[0].bid);
    ASSERT_TRUE(s.table->StartPlay());
    s.table->BeginTrick(true);
    bool ledCalled = false;
    const int leader = s.Game().leader;
    for (int n = 0; n < 2; ++n)
        ASSERT_TRUE(s.PlayCard((leader + n) % 4, leader, false, false, &ledCalled));
}

// The first offset where two images differ (their common size when one is a prefix).
std::size_t FirstDifference(const ByteImage& a, const ByteImage& b) {
    const auto [at, other] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(at - a.begin());
}

ByteImage ReadInto(const ByteImage& file, Table& target, bool shift = true) {
    StagedGame staged;
    EXPECT_EQ(ReadGameFile(file, target.Set(), &staged), ReadOutcome::kRead);
    if (staged.table)
        CommitGameFile(staged, target.Set(), shift);
    return target.Save();
}

constexpr Moment kMoments[] = {Moment::kBeforeDeal, Moment::kBidding, Moment::kMidTrick,
                               Moment::kGameOver};

TEST(SavedGameFileTest, AGameReadIntoASecondTableWritesTheSameBytes) {
    for (Moment moment : kMoments) {
        SCOPED_TRACE(static_cast<int>(moment));
        Table first(11);
        Reach(first, moment);
        const ByteImage saved = first.Save();
        Table second(97);
        const ByteImage again = ReadInto(saved, second);
        EXPECT_EQ(again, saved) << FirstDifference(again, saved);
        EXPECT_EQ(
            std::memcmp(&second.series.options, &first.series.options, sizeof first.series.options),
            0);
    }
}

TEST(SavedGameFileTest, BothTablesPlayOnToTheSameBill) {
    Table first(23);
    Reach(first, Moment::kGameOver);
    Table second(5);
    ReadInto(first.Save(), second);
    // The harness's own choices (seat profiles by deal number, its clock) follow the first.
    second.series.deals = first.series.deals;
    second.series.clockMs = first.series.clockMs;
    for (Table* t : {&first, &second}) {
        SeedRandom(4242);
        for (int deal = 0; deal < 3; ++deal)
            t->series.PlayDeal();
    }
    EXPECT_EQ(first.series.deals, 6);
    EXPECT_EQ(first.Save(), second.Save());
    EXPECT_EQ(first.series.table->gameListHandle
                  ? GameListHead(first.series.table->gameListHandle)->count
                  : -1,
              6);
    for (const std::string& failure : first.series.failures)
        ADD_FAILURE() << failure;
}

// Plays the running trick from its card number first on and the rest of the deal, then books
// the game.
void PlayOnFromMidTrick(series::Series& s, int first = 2) {
    SchafkopfComputerPlayer& g = s.Game();
    bool ledCalled = false;
    int leader = g.leader;
    for (int n = first; n < 4; ++n)
        ASSERT_TRUE(s.PlayCard((leader + n) % 4, leader, false, false, &ledCalled));
    bool changed = false;
    s.table->DoppelkopfController::EndTrick(&changed);
    while (!s.table->IsGameDecided()) {
        s.table->BeginTrick(true);
        leader = g.leader;
        for (int n = 0; n < 4; ++n)
            ASSERT_TRUE(s.PlayCard((leader + n) % 4, leader, false, false, &ledCalled));
        s.table->DoppelkopfController::EndTrick(&changed);
    }
    s.table->EndGame(0, 1);
}

TEST(SavedGameFileTest, ASaveMidTrickPlaysOnToTheSameBill) {
    Table first(29);
    Reach(first, Moment::kMidTrick);
    Table second(7);
    ReadInto(first.Save(), second);
    second.series.clockMs = first.series.clockMs;
    // The players' timing records live in the Doppelkopf rules, which a Schafkopf file does not
    // carry: the program has one such record for both tables.
    second.series.rules = first.series.rules;
    for (Table* t : {&first, &second}) {
        SeedRandom(777);
        PlayOnFromMidTrick(t->series);
    }
    EXPECT_EQ(GameListHead(first.series.table->gameListHandle)->count, 4);
    const ByteImage a = first.Save();
    const ByteImage b = second.Save();
    EXPECT_EQ(a, b) << FirstDifference(a, b);
}

// Asks the last two seats for their bids, starts play and plays the deal out.
void PlayOnFromBidding(series::Series& s) {
    for (int n = 2; n < 4; ++n) {
        int suit = 0;
        s.table->GetSeatBidType((s.table->dealer + 1 + n) % 4, &suit);
    }
    s.table->StepBidding(0);
    CopyGameType(&s.table->humanGameType, &s.Game().seats[0].bid);
    ASSERT_TRUE(s.table->StartPlay());
    s.table->BeginTrick(true);
    PlayOnFromMidTrick(s, 0);
}

TEST(SavedGameFileTest, ASaveMidBiddingPlaysOnToTheSameBill) {
    Table first(37);
    Reach(first, Moment::kBidding);
    Table second(13);
    ReadInto(first.Save(), second);
    second.series.clockMs = first.series.clockMs;
    // One record of the players' times for both tables, as the program has (see above).
    second.series.rules = first.series.rules;
    for (Table* t : {&first, &second}) {
        SeedRandom(991);
        PlayOnFromBidding(t->series);
    }
    EXPECT_EQ(GameListHead(first.series.table->gameListHandle)->count, 4);
    EXPECT_NE(first.series.Game().trickNumber, 0);
    const ByteImage a = first.Save();
    const ByteImage b = second.Save();
    EXPECT_EQ(a, b) << FirstDifference(a, b);
}

TEST(SavedGameFileTest, TheOtherByteOrderReadsTheSameAndTurnsBack) {
    for (Moment moment : kMoments) {
        SCOPED_TRACE(static_cast<int>(moment));
        Table first(31);
        Reach(first, moment);
        const ByteImage saved = first.Save();
        ByteImage other = saved;
        ASSERT_TRUE(SwapGameFile(other, false));
        EXPECT_NE(other, saved);
        EXPECT_EQ(other[3], kSavedGameVersion); // the version word reads backwards
        Table second(3);
        // Shift held takes the whole settings apart from the window rectangles, which the
        // other order never gives; those are the same in both tables here.
        EXPECT_EQ(ReadInto(other, second), saved);
        ByteImage back = other;
        ASSERT_TRUE(SwapGameFile(back, true));
        EXPECT_EQ(back, saved);
    }
}

// The image with another version word and, for 112, only the end of the series block.
ByteImage AsVersion(const ByteImage& saved, int version, bool otherOrder) {
    ByteImage file = saved;
    file[0] = static_cast<std::uint8_t>(version);
    const std::size_t series = file.size() - kSettingsBodySize - 5 * 4 - kSeriesBlockSize;
    if (version == 112)
        file.erase(file.begin() + static_cast<std::ptrdiff_t>(series),
                   file.begin() + static_cast<std::ptrdiff_t>(series + kSeriesBlockSize -
                                                              kShortSeriesBlockSize));
    if (otherOrder) {
        EXPECT_TRUE(SwapGameFile(file, false));
    }
    return file;
}

TEST(SavedGameFileTest, OlderVersionsReadInBothOrders) {
    Table first(41);
    Reach(first, Moment::kMidTrick);
    first.block.gameKind = 7;
    first.block.reserved[3] = 99;
    const ByteImage saved = first.Save();
    for (bool otherOrder : {false, true})
        for (int version : {112, 113}) {
            SCOPED_TRACE(version + (otherOrder ? 1000 : 0));
            Table second(3);
            second.block.gameKind = 2;
            second.block.reserved[3] = 5;
            ByteImage again = ReadInto(AsVersion(saved, version, otherOrder), second);
            // Version 112 keeps only the series block's end: its first values stay.
            if (version == 112) {
                EXPECT_EQ(second.block.gameKind, 2);
                EXPECT_EQ(second.block.reserved[3], 5);
                second.block.gameKind = 7;
                second.block.reserved[3] = 99;
                again = second.Save();
            }
            EXPECT_EQ(again, saved);
        }
}

TEST(SavedGameFileTest, VersionsItCannotReadAreRefusedByName) {
    Table first(43);
    const ByteImage saved = first.Save();
    struct Case {
        std::uint32_t word;
        ReadOutcome outcome;
    } cases[] = {{110, ReadOutcome::kOldFormat},
                 {0x6e000000u, ReadOutcome::kOtherPlatform},
                 {111, ReadOutcome::kUnknownVersion},
                 {115, ReadOutcome::kUnknownVersion},
                 {0x73000000u, ReadOutcome::kUnknownVersion}};
    for (const Case& c : cases) {
        ByteImage file = saved;
        for (int i = 0; i < 4; ++i)
            file[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(c.word >> (8 * i));
        StagedGame staged;
        EXPECT_EQ(ReadGameFile(file, first.Set(), &staged), c.outcome) << c.word;
        // The word alone says as much.
        file.resize(4);
        EXPECT_EQ(ReadGameFile(file, first.Set(), &staged), c.outcome) << c.word;
    }
    ByteImage skat = saved;
    skat[4 + kDocumentHeaderSize] = '1';
    StagedGame staged;
    EXPECT_EQ(ReadGameFile(skat, first.Set(), &staged), ReadOutcome::kSkatGame);
}

TEST(SavedGameFileTest, SettingsTakeTheirKeptRangesOnlyWithShift) {
    Table first(47);
    first.series.settings.statistics[2] = 1234;
    first.series.settings.grandOuvertValue = 0;
    first.series.options.statistics[5] = 77;
    first.series.settings.cardDelay = 9;
    const ByteImage saved = first.Save();
    Table second(3);
    second.series.settings.statistics[2] = 5;
    second.series.options.statistics[5] = 6;
    ReadInto(saved, second, false);
    EXPECT_EQ(second.series.settings.statistics[2], 5);
    EXPECT_EQ(second.series.options.statistics[5], 6);
    EXPECT_EQ(second.series.settings.cardDelay, 9);
    EXPECT_EQ(second.series.settings.grandOuvertValue, 36);
    EXPECT_EQ(second.series.options.changedMark, 1);
    ReadInto(saved, second, true);
    EXPECT_EQ(second.series.settings.statistics[2], 1234);
    EXPECT_EQ(second.series.options.statistics[5], 77);
    // A file of the other order never gives the window places, Shift or not.
    first.series.settings.windowRects[0] = {1, 2, 3, 4};
    ByteImage other = first.Save();
    ASSERT_TRUE(SwapGameFile(other, false));
    const WindowRect own = {50, 60, 70, 80};
    second.series.settings.windowRects[0] = own;
    second.series.settings.statistics[2] = 5;
    ReadInto(other, second, true);
    EXPECT_EQ(std::memcmp(&second.series.settings.windowRects[0], &own, sizeof own), 0);
    EXPECT_EQ(second.series.settings.statistics[2], 1234);
}

// Refused with the live table untouched, or read whole and playable.
void ExpectRefusedOrPlayable(const ByteImage& file, Table& live, const ByteImage& liveImage) {
    StagedGame staged;
    const ReadOutcome outcome = ReadGameFile(file, live.Set(), &staged);
    ASSERT_EQ(live.Save(), liveImage);
    if (outcome != ReadOutcome::kRead)
        return;
    Table scratch(1);
    CommitGameFile(staged, scratch.Set(), true);
    scratch.series.PlayDeal();
}

TEST(SavedGameFileTest, EveryTruncationIsRefusedAndChangesNothing) {
    Table first(53);
    Reach(first, Moment::kMidTrick);
    FillLists(first.lists, 1);
    const ByteImage saved = first.Save();
    const ByteImage live = first.Save();
    for (bool otherOrder : {false, true}) {
        ByteImage file = saved;
        if (otherOrder) {
            ASSERT_TRUE(SwapGameFile(file, false));
        }
        for (std::size_t size = 0; size < file.size(); ++size) {
            const ByteImage prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
            StagedGame staged;
            ASSERT_NE(ReadGameFile(prefix, first.Set(), &staged), ReadOutcome::kRead) << size;
            ByteImage turned = prefix;
            ASSERT_FALSE(SwapGameFile(turned, otherOrder)) << size;
        }
        ASSERT_EQ(first.Save(), live);
        EXPECT_EQ(gSchafkopfComputerPlayer, first.series.table->Game());
    }
}

TEST(SavedGameFileTest, DamagedBytesAreRefusedOrPlayable) {
    Table first(59);
    Reach(first, Moment::kMidTrick);
    FillLists(first.lists, 1);
    const ByteImage saved = first.Save();
    std::mt19937 random(7);
    for (bool otherOrder : {false, true}) {
        ByteImage file = saved;
        if (otherOrder) {
            ASSERT_TRUE(SwapGameFile(file, false));
        }
        for (int round = 0; round < 60; ++round) {
            ByteImage damaged = file;
            const int flips = 1 + static_cast<int>(random() % 4);
            for (int i = 0; i < flips; ++i)
                damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
            ExpectRefusedOrPlayable(damaged, first, saved);
        }
        // Lengths and counts: the game list's length and count, a play log's length.
        const std::size_t list = 4 + kDocumentHeaderSize + 8;
        for (std::size_t at : {list, list + 1, list + 3, list + 4, list + 7}) {
            for (std::uint8_t value : {0x00, 0x01, 0x7f, 0xff}) {
                ByteImage damaged = file;
                damaged[at] = value;
                ExpectRefusedOrPlayable(damaged, first, saved);
            }
        }
    }
    std::mt19937 bytes(11);
    for (int round = 0; round < 40; ++round) {
        ByteImage noise(bytes() % 12000);
        for (auto& b : noise)
            b = static_cast<std::uint8_t>(bytes());
        if (noise.size() >= 4 && round % 2 == 0)
            noise[0] = 114, noise[1] = noise[2] = noise[3] = 0;
        ExpectRefusedOrPlayable(noise, first, saved);
    }
}

TEST(SavedGameFileTest, HandsThatDisagreeOrShareACardAreRefused) {
    Table first(67);
    Reach(first, Moment::kBidding);
    const ByteImage saved = first.Save();
    const std::size_t list = 4 + kDocumentHeaderSize + 8;
    const std::size_t tableHands = list + 4 + saved[list] + (saved[list + 1] << 8) + 48;
    const std::size_t gameHands = tableHands - 48 + kFirstRunSize + kSecondRunSize + 780;
    // The table's seat 0 and the game object's seat 0 hold the same card in a first place.
    ASSERT_NE(saved[tableHands], 0);
    std::size_t gamePlace = gameHands;
    while (saved[gamePlace] != saved[tableHands])
        ++gamePlace;
    ASSERT_LT(gamePlace, gameHands + 12);
    ByteImage differing = saved;
    differing[tableHands] = saved[tableHands + 12]; // seat 1's card, in the table only
    ByteImage shared = differing;
    shared[gamePlace] = saved[tableHands + 12]; // and in the game object too
    for (const ByteImage* file : {&differing, &shared}) {
        StagedGame staged;
        EXPECT_EQ(ReadGameFile(*file, first.Set(), &staged), ReadOutcome::kDamaged);
    }
}

// The hands and the tricks played so far hold each card of the deck once.
TEST(SavedGameFileTest, ACardPlayedAndHeldOrLostIsRefused) {
    struct Case {
        const char* name;
        Moment moment;
        void (*damage)(SchafkopfComputerPlayer& g);
    } cases[] = {
        {"played and still held", Moment::kMidTrick,
         [](SchafkopfComputerPlayer& g) {
             g.tricks[g.trickNumber - 1].cards[g.leader] = g.seats[(g.leader + 2) % 4].hand[0];
         }},
        {"played card lost", Moment::kMidTrick,
         [](SchafkopfComputerPlayer& g) { g.tricks[g.trickNumber - 1].cards[g.leader] = 0; }},
        {"two tricks share a card", Moment::kGameOver,
         [](SchafkopfComputerPlayer& g) { g.tricks[3].cards[1] = g.tricks[0].cards[2]; }},
        {"a card beyond the deck", Moment::kGameOver,
         [](SchafkopfComputerPlayer& g) {
             g.tricks[0].cards[0] = static_cast<std::int16_t>(g.tricks[0].cards[0] + 0x100);
         }},
        {"a dealt hand short of a card", Moment::kBidding,
         [](SchafkopfComputerPlayer& g) { g.tricks[5].cards[0] = g.seats[1].hand[0]; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table first(71);
        Reach(first, c.moment);
        ASSERT_EQ(ReadInto(first.Save(), first), first.Save()); // sound before the damage
        c.damage(first.series.Game());
        const ByteImage damaged = first.Save();
        Table live(3);
        Reach(live, Moment::kBidding);
        const ByteImage before = live.Save();
        StagedGame staged;
        EXPECT_EQ(ReadGameFile(damaged, live.Set(), &staged), ReadOutcome::kDamaged);
        EXPECT_EQ(live.Save(), before);
    }
}

// Reading fails at each of its allocations in turn (the scratch table, its game object, the
// lists and logs): each failure is refused quietly and leaves the running game as it was, or
// the read copes and is whole.
TEST(SavedGameFileTest, EachAllocationFailedInTurnIsRefusedAndChangesNothing) {
    for (bool otherOrder : {false, true}) {
        SCOPED_TRACE(otherOrder);
        Table first(73);
        Reach(first, Moment::kMidTrick);
        FillLists(first.lists, 1);
        const ByteImage saved = first.Save();
        ByteImage file = saved;
        if (otherOrder) {
            ASSERT_TRUE(SwapGameFile(file, false));
        }
        Table live(5);
        Reach(live, Moment::kBidding);
        const ByteImage before = live.Save();
        gQuitRequested = 0;
        ResetAlertRecorder();
        int refused = 0;
        for (int n = 1;; ++n) {
            ASSERT_LT(n, 100);
            StagedGame staged;
            FailAllocationNumber(n);
            const ReadOutcome outcome = ReadGameFile(file, live.Set(), &staged);
            const bool allDone = AllocationFailurePending();
            FailAllocationNumber(0);
            ASSERT_EQ(live.Save(), before) << n;
            EXPECT_EQ(gSchafkopfComputerPlayer, live.series.table->Game());
            if (outcome == ReadOutcome::kRead) {
                {
                    Table scratch(9);
                    CommitGameFile(staged, scratch.Set(), true);
                    EXPECT_EQ(scratch.Save(), saved) << n;
                }
                // The second table took the program's game object with it.
                gSchafkopfComputerPlayer = live.series.table->Game();
            } else {
                EXPECT_EQ(outcome, ReadOutcome::kNoMemory) << n;
                ++refused;
            }
            if (allDone) {
                EXPECT_EQ(outcome, ReadOutcome::kRead);
                break;
            }
        }
        // The table, its game object, its game list and the file's game list at least.
        EXPECT_GE(refused, 4);
        EXPECT_TRUE(RecordedAlerts().empty());
        EXPECT_FALSE(QuitRequested());
    }
}

TEST(SavedGameFileTest, TheDirectorsListsGoThroughAFileAndBack) {
    for (bool otherOrder : {false, true}) {
        SCOPED_TRACE(otherOrder);
        Table first(79);
        Reach(first, Moment::kMidTrick);
        FillLists(first.lists, 1);
        const ByteImage saved = first.Save();
        ASSERT_GT(saved.size(), Table(3).Save().size() + 300);
        // A row's result place is written 0 whatever it holds.
        for (int list : {kPairingList, kKeptPairingList}) {
            auto* rows = static_cast<std::uint8_t*>(first.lists.List(list)) + 2;
            std::memset(rows + kPairingRowResult, 0, 4);
        }
        EXPECT_EQ(first.Save(), saved);
        ByteImage file = saved;
        if (otherOrder) {
            ASSERT_TRUE(SwapGameFile(file, false));
        }
        Table second(3);
        FillLists(second.lists, 9); // exchanged for the file's, then freed
        second.lists.Results(kPairingList).push_back(MakeList(8, 2, {0}));
        const ByteImage again = ReadInto(file, second);
        EXPECT_EQ(again, saved) << FirstDifference(again, saved);
        ASSERT_EQ(second.lists.Results(kPairingList).size(), 2u);
        EXPECT_EQ(second.lists.Results(kPairingList)[1], nullptr);
        EXPECT_EQ(GetHandleSize(second.lists.Results(kKeptPairingList)[0]), 40);
    }
}

// Lists whose counts disagree with their lengths, and series that are not a single table.
TEST(SavedGameFileTest, ListsOfTheWrongLengthAndLeaguesAreRefused) {
    struct Case {
        const char* name;
        void (*damage)(Table& t);
        ReadOutcome outcome;
    } cases[] = {
        {"pairings counted 3, holding 2",
         [](Table& t) { *static_cast<std::int16_t*>(t.lists.List(kPairingList)) = 3; },
         ReadOutcome::kDamaged},
        {"participants counted 4 in all, holding 3",
         [](Table& t) { static_cast<std::int16_t*>(t.lists.List(kParticipantList))[1] = 4; },
         ReadOutcome::kDamaged},
        {"qualified counted -1",
         [](Table& t) { *static_cast<std::int16_t*>(t.lists.List(kQualifiedList)) = -1; },
         ReadOutcome::kDamaged},
        {"standings one byte short",
         [](Table& t) {
             Handle& list = t.lists.List(kStandingsList);
             list = SetHandleSize(list, GetHandleSize(list) - 1);
         },
         ReadOutcome::kDamaged},
        {"a league", [](Table& t) { t.block.seriesMode = 2; }, ReadOutcome::kSeriesMode},
        {"a tournament", [](Table& t) { t.block.seriesMode = 8; }, ReadOutcome::kSeriesMode},
        {"hosted tables", [](Table& t) { t.block.seriesMode = 16; }, ReadOutcome::kSeriesMode},
    };
    Table live(5);
    Reach(live, Moment::kBidding);
    FillLists(live.lists, 4);
    const ByteImage before = live.Save();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Table first(83);
        FillLists(first.lists, 1);
        c.damage(first);
        StagedGame staged;
        EXPECT_EQ(ReadGameFile(first.Save(), live.Set(), &staged), c.outcome);
        EXPECT_EQ(live.Save(), before);
    }
}

// Without Sevens and Eights each of the 24 cards lies once in the hands and tricks.
TEST(SavedGameFileTest, AShortDeckGameReadsBack) {
    series::Options shortDeck;
    shortDeck.shortDeck = true;
    for (Moment moment : {Moment::kBidding, Moment::kMidTrick, Moment::kGameOver}) {
        SCOPED_TRACE(static_cast<int>(moment));
        Table first(89, shortDeck);
        Reach(first, moment);
        const ByteImage saved = first.Save();
        Table second(3, shortDeck);
        EXPECT_EQ(ReadInto(saved, second), saved);
    }
}

TEST(SavedGameFileTest, APhaseOutsideTheTableIsRefused) {
    const struct {
        std::int16_t phase;
        ReadOutcome outcome;
    } cases[] = {{-1, ReadOutcome::kDamaged},
                 {0, ReadOutcome::kRead},
                 {10, ReadOutcome::kRead},
                 {11, ReadOutcome::kDamaged}};
    for (const auto& c : cases) {
        Table first(97);
        first.header.phase = c.phase;
        StagedGame staged;
        EXPECT_EQ(ReadGameFile(first.Save(), first.Set(), &staged), c.outcome) << c.phase;
    }
}

TEST(SavedGameFileTest, AFileAboveSixteenMegabytesIsRefused) {
    Table first(61);
    ByteImage file = first.Save();
    file.resize(kLargestSavedGame + 1);
    StagedGame staged;
    EXPECT_EQ(ReadGameFile(file, first.Set(), &staged), ReadOutcome::kTooLarge);
}

} // namespace

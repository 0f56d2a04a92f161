// The play rating window, opened from the Windows menu of the running shell's Schafkopf table
// and read through its dialog items; "Delete" answered both ways, and the preference file
// written at quit.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "engine/CardCodes.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/win32/WindowSlots.h"
#include "shell/win32/DrivenDialogs.h"
#include "support/AlertRecorder.h"
#include "views/PlayRating.h"

namespace {

constexpr int kRatingDialog = 1554;
constexpr int kRatingMenuItem = 502;
constexpr int kDeleteButton = 232;
constexpr int kRatingItem = 211;
constexpr int kFirstCounter = 384; // the Schafkopf counters, +384 to +691 of record B
constexpr int kLastCounter = 691;

// Which counter of the Schafkopf record each item shows, by the record's byte offsets.
const std::map<int, int> kItemOffsets = {
    {200, 384}, {201, 388}, {202, 392}, {204, 396}, {203, 400}, {205, 404}, {206, 408},
    {207, 412}, {208, 416}, {209, 420}, {210, 424}, {212, 428}, {213, 432}, {214, 436},
    {215, 440}, {216, 444}, {228, 672}, {229, 676}, {230, 680}, {231, 684}};

std::int32_t& Counter(int offset) {
    auto* bytes = reinterpret_cast<unsigned char*>(SchafkopfOptionsRecord());
    return *reinterpret_cast<std::int32_t*>(bytes + offset);
}

std::string Shown(std::int32_t value, int item) {
    const std::string number = std::to_string(value);
    return item >= 228 ? "(" + number + ")" : number;
}

// One card of the seat to the trick: the computer's choice, or its lowest legal card when no
// rule chose one.
void PlayCard(SchafkopfController& table, int seat) {
    SchafkopfComputerPlayer& game = *table.Game();
    char text[kNameTextSize];
    char second[kNameTextSize];
    bool claim = false;
    table.PlayComputerTurn(seat, text, second, &claim);
    if (game.trickCards[seat] == 0) {
        game.seatToMove = static_cast<std::int16_t>(seat);
        for (int place = 0; place < kHandPlaces && game.trickCards[seat] == 0; ++place) {
            const int card = game.seats[seat].hand[place];
            if (card != 0 && game.IsLegalCard(seat, card) == 1)
                game.PlayCardIfHeld(seat, card, 9);
        }
    }
    table.RemoveHandCard(seat);
    table.NotePlayTime(seat, -1);
}

// Games of the shell's own Schafkopf table played to the end by the computer for every seat,
// with the individual statistics on; deals that every seat passes are dealt again.
void PlaySeries(SchafkopfController& table, int games) {
    const std::uint8_t kinds[4] = {1, 1, 1, 1};
    table.SetSeatKinds(kinds);
    table.listGames = 1;
    table.countsStatistics = 1;
    for (int played = 0, deals = 0; played < games && deals < 20 * games; ++deals) {
        table.NewDeal(false);
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table.GetSeatBidType((table.dealer + 1 + n) % 4, &suit);
        }
        table.StepBidding(0);
        CopyGameType(&table.humanGameType, &table.Game()->seats[0].bid);
        if (!table.StartPlay() || (table.Game()->gameType.word & kModExchange))
            continue;
        for (int trick = 0; trick < kHandPlaces && !table.IsGameDecided(); ++trick) {
            table.BeginTrick(true);
            const int leader = table.Game()->leader;
            for (int n = 0; n < 4; ++n)
                PlayCard(table, (leader + n) % 4);
            bool changed = false;
            table.DoppelkopfController::EndTrick(&changed);
        }
        table.EndGame(0, 1);
        ++played;
    }
}

class PlayRatingWindowTest : public DrivenDialogs {
  protected:
    // Opens the window from the menu; the driver reads every item and then runs what follows.
    std::map<int, std::string> OpenAndRead(const Driver& then = {}) {
        std::map<int, std::string> items;
        drivers[kRatingDialog] = [&](HWND dialog) {
            ASSERT_EQ(gWindowSlots[10], dialog);
            if (then)
                then(dialog);
            UpdateWindow(dialog);
            for (int item = 200; item <= 231; ++item)
                if (GetDlgItem(dialog, item))
                    items[item] = Text(dialog, item);
            Press(dialog, IDOK);
        };
        Command(kRatingMenuItem);
        EXPECT_EQ(gWindowSlots[10], nullptr);
        EXPECT_EQ(gPaneSlots[10], nullptr);
        return items;
    }

    void SetCounters() {
        for (int offset = kFirstCounter; offset <= kLastCounter; offset += 4)
            Counter(offset) = offset / 4 - 90;
        // A damaged file: the games won below zero, card points at the top of the range.
        Counter(388) = -17;
        Counter(424) = INT_MAX;
        Counter(684) = INT_MIN;
    }
};

} // namespace

TEST_F(PlayRatingWindowTest, EveryItemShowsItsCounterAndTheRating) {
    SetCounters();
    const std::map<int, std::string> items = OpenAndRead();
    ASSERT_EQ(presented, std::vector<int>{kRatingDialog});
    for (const auto& [item, offset] : kItemOffsets)
        EXPECT_EQ(items.at(item), Shown(Counter(offset), item)) << "item " << item;
    // The rating of damaged counters is a number the item holds.
    const std::string rating = items.at(kRatingItem);
    ASSERT_FALSE(rating.empty());
    char* end = nullptr;
    const long long value = std::strtoll(rating.c_str(), &end, 10);
    EXPECT_EQ(*end, '\0') << rating;
    EXPECT_GE(value, INT_MIN);
    EXPECT_LE(value, INT_MAX);
    EXPECT_EQ(value, ShownRating(ComputeSchafkopfRating(*SchafkopfOptionsRecord())));
}

TEST_F(PlayRatingWindowTest, AfterASeriesTheWindowShowsWhatWasCounted) {
    ASSERT_NE(gSchafkopfGame, nullptr);
    SchafkopfController& table = *gSchafkopfGame;
    gSettings->body.individualStats = 1;
    table.ClearStatistics();
    const GameListHeader start = *GameListHead(table.gameListHandle);
    PlaySeries(table, 12);
    const GameListHeader& head = *GameListHead(table.gameListHandle);
    ASSERT_EQ(head.count - start.count, 12);

    const std::map<int, std::string> items = OpenAndRead();
    EXPECT_EQ(items.at(200), std::to_string(head.count - start.count));
    EXPECT_EQ(items.at(201), std::to_string(head.won[0] - start.won[0]));
    for (const auto& [item, offset] : kItemOffsets)
        EXPECT_EQ(items.at(item), Shown(Counter(offset), item)) << "item " << item;
    // Seat 0 took tricks, and the computer's expectation for it was counted.
    EXPECT_NE(Counter(412) + Counter(416), 0);
    EXPECT_NE(Counter(672) + Counter(676), 0);
    EXPECT_EQ(items.at(kRatingItem),
              std::to_string(ShownRating(ComputeSchafkopfRating(*SchafkopfOptionsRecord()))));
}

// By hand: the soloist ratios 12/10 and 150/120 make r = 1.5 and d = 1 + 0.5 / 8; six of ten
// games won with two of four solos won make w = 1.2 x 4/3 x 10 = 16; (16 + 50) x 1.0625 + 40 =
// 110.125.
TEST_F(PlayRatingWindowTest, TheRatingIsTheFormulasTruncated) {
    for (int offset = kFirstCounter; offset <= kLastCounter; offset += 4)
        Counter(offset) = 0;
    Counter(384) = 10;
    Counter(388) = 6;
    Counter(392) = 4;
    Counter(396) = 2;
    Counter(412) = 12;
    Counter(420) = 150;
    Counter(672) = 10;
    Counter(680) = 120;
    EXPECT_EQ(OpenAndRead().at(kRatingItem), "110");
    for (int offset = kFirstCounter; offset <= kLastCounter; offset += 4)
        Counter(offset) = 0;
    EXPECT_EQ(OpenAndRead().at(kRatingItem), "100");
}

// A game booked while the window is open shows at the next paint.
TEST_F(PlayRatingWindowTest, CountersAreReadAgainAtEveryPaint) {
    SetCounters();
    const std::map<int, std::string> items = OpenAndRead([](HWND dialog) {
        Counter(384) += 1;
        InvalidateRect(dialog, nullptr, FALSE);
    });
    EXPECT_EQ(items.at(200), std::to_string(Counter(384)));
}

TEST_F(PlayRatingWindowTest, DeleteClearsOnlyAfterOk) {
    SetCounters();
    WritePreferences();
    before = ReadFile();
    std::map<int, std::string> shownBefore = OpenAndRead();

    ResetAlertRecorder();
    ScriptAlertAnswers({kAnswerCancel});
    std::map<int, std::string> items =
        OpenAndRead([](HWND dialog) { Press(dialog, kDeleteButton); });
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].text, "Really clear your rating?");
    EXPECT_EQ(items, shownBefore);
    WritePreferences();
    EXPECT_TRUE(ChangedOffsets().empty());

    ResetAlertRecorder();
    ScriptAlertAnswers({kAnswerOk});
    items = OpenAndRead([](HWND dialog) { Press(dialog, kDeleteButton); });
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    for (const auto& [item, offset] : kItemOffsets)
        EXPECT_EQ(items.at(item), Shown(0, item)) << "item " << item;
    EXPECT_EQ(items.at(kRatingItem), "100");
    // Reopened, the window shows the same.
    EXPECT_EQ(OpenAndRead(), items);

    // Quitting writes the preference file: the whole block of counters is zero there, and
    // nothing else of the Schafkopf record changed.
    ConfirmClose(gMainWindow);
    const Bytes file = ReadFile();
    ASSERT_GT(file.size(), static_cast<size_t>(kRecordB + kLastCounter));
    for (int offset = kFirstCounter; offset <= kLastCounter; ++offset)
        EXPECT_EQ(file[kRecordB + offset], 0) << "+" << offset;
    for (int offset : ChangedOffsets()) {
        const int inRecord = offset - kRecordB;
        if (inRecord >= 0 && inRecord < static_cast<int>(sizeof(SchafkopfOptions))) {
            EXPECT_TRUE(inRecord >= kFirstCounter && inRecord <= kLastCounter) << "+" << inRecord;
        }
    }
}

// The side windows in real windows on the running shell: opening, raising, placing, sizing,
// scrolling, keys and closing, with a table pane of the test in slot 0 (the game kind and the
// keys it gets) and a small score sheet of the test; the Last Trick panes drawn into surfaces
// and read back.
#include "views/win32/SideWindows.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/CardCodes.h"
#include "games/fourplayer/FourSeatController.h"
#include "games/skat/SkatController.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/WindowHelpers.h"
#include "views/win32/LastTrickPane.h"
#include "views/win32/ScoreSheetPane.h"
#include "views/win32/TableFixture.h"

namespace {

class TrickDouble : public FourSeatController {
  public:
    void GetPreviousTrick(int* cards) override { std::memcpy(cards, previous, sizeof previous); }
    int previous[4] = {0, 0, 0, 0};
};

// The table in slot 0: its kind chooses the side panes; it records the keys it gets.
class KindTable : public TablePane {
  public:
    int GetGameKind() override { return kind; }
    int GetGameCode() override { return 2; }
    void HandleKey(std::int8_t key) override { keys.push_back(key); }
    int kind = 2;
    std::vector<int> keys;
};

// A score sheet of the test: its content width and lines are set by the test; it counts its
// drawings, range settings and deletion.
struct SheetLog {
    int draws = 0;
    int ranges = 0;
    int deleted = 0;
    ControlRef vertical = 0, horizontal = 0;
    TablePane* table = nullptr;
};

class TestSheet : public ScoreSheetPane {
  public:
    explicit TestSheet(SheetLog* log) : log_(log) {}
    ~TestSheet() override { ++log_->deleted; }
    void InitSide(GameController* c, HWND w, Settings* s, ControlRef v, ControlRef h,
                  TablePane* t) override {
        ScoreSheetPane::InitSide(c, w, s, v, h, t);
        log_->vertical = v;
        log_->horizontal = h;
        log_->table = t;
    }
    int GetContentWidth() override { return 400; }
    int GetLineCount() override { return lines; }
    void SetScrollRange(int n) override {
        ++log_->ranges;
        ScoreSheetPane::SetScrollRange(n);
    }
    void Draw(const RECT*) override { ++log_->draws; }
    int lines = 40;

  private:
    SheetLog* log_;
};

class SideWindowsTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        savedTable_ = gPaneSlots[0];
        table_ = new KindTable;
        controller_.settings = &gSettings->body;
        table_->InitTable(nullptr, gSettings, gWindowSlots[0], nullptr);
        table_->controller = &controller_;
        gPaneSlots[0] = table_;
    }
    void TearDown() override {
        for (int slot = 1; slot < kWindowSlotCount; ++slot)
            if (gWindowSlots[slot] && slot != 16)
                SendMessageA(gWindowSlots[slot], WM_COMMAND, IDCANCEL, 0);
        SetScorePaneMaker(kScoreSlot, nullptr);
        SetOpenCardsPaneMaker(nullptr);
        gPaneSlots[0] = savedTable_;
        delete table_;
        RunningShell::TearDown();
    }
    static RECT Client(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        return client;
    }
    static RECT Frame(HWND window) {
        RECT frame;
        GetWindowRect(window, &frame);
        return frame;
    }
    TrickDouble controller_;
    KindTable* table_ = nullptr;
    Pane* savedTable_ = nullptr;
};

// ---- Last Trick: the window ------------------------------------------------------------------

TEST_F(SideWindowsTest, LastTrickOpensOnceSizedByItsPaneAndComesBackWhereItWasClosed) {
    gSettings->body.windowRects[kLastTrickSlot] = WindowRect{0, 0, 0, 0};
    OpenLastTrickWindow();
    HWND window = gWindowSlots[kLastTrickSlot];
    ASSERT_NE(window, nullptr);
    auto* pane = dynamic_cast<FourSeatLastTrickPaneWin*>(gPaneSlots[kLastTrickSlot]);
    ASSERT_NE(pane, nullptr) << "the Schafkopf kind gets the four-seat pane";
    EXPECT_EQ(pane->controller, &controller_);
    EXPECT_EQ(GetWindow(window, GW_OWNER), gWindowSlots[0]) << "owned by the table window";
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Last Trick");
    EXPECT_TRUE(IsWindowVisible(window));
    // The client area is the content: four cells of the first set's width, 5 pixels around
    // and between them, the names' strip of 30 pixels below.
    WindowRect card;
    gSettings->GetCardSetBounds0(&card);
    const RECT client = Client(window);
    EXPECT_EQ(client.right, 4 * (card.right - card.left) + 25);
    EXPECT_EQ(client.bottom, card.bottom - card.top + 30);

    // A second open raises the first: no second window, no second pane.
    OpenLastTrickWindow();
    EXPECT_EQ(gWindowSlots[kLastTrickSlot], window);
    EXPECT_EQ(gPaneSlots[kLastTrickSlot], pane);

    // The close box keeps the rectangle and empties both slots.
    SetWindowPos(window, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(IsWindow(window)) << "the window is destroyed, not only hidden";
    EXPECT_EQ(gWindowSlots[kLastTrickSlot], nullptr);
    EXPECT_EQ(gPaneSlots[kLastTrickSlot], nullptr);
    EXPECT_EQ(gSettings->body.windowRects[kLastTrickSlot].left, 300);
    EXPECT_EQ(gSettings->body.windowRects[kLastTrickSlot].top, 200);

    OpenLastTrickWindow();
    ASSERT_NE(gWindowSlots[kLastTrickSlot], nullptr);
    const RECT frame = Frame(gWindowSlots[kLastTrickSlot]);
    EXPECT_EQ(frame.left, 300);
    EXPECT_EQ(frame.top, 200);
    EXPECT_EQ(Client(gWindowSlots[kLastTrickSlot]).right, client.right);
}

// Super-small cards from the menu: the open Last Trick window keeps its width and becomes as
// high as the small card and the names' strip.
TEST_F(SideWindowsTest, SuperSmallCardsResizeTheOpenLastTrickWindow) {
    OpenLastTrickWindow();
    HWND window = gWindowSlots[kLastTrickSlot];
    ASSERT_NE(window, nullptr);
    const RECT normal = Client(window);
    gSettings->body.superSmallCards = 1;
    RebuildWindows(true, false, false);
    WindowRect small;
    gSettings->GetCardSetBounds2(&small);
    const RECT shrunk = Client(window);
    gSettings->body.superSmallCards = 0;
    RebuildWindows(true, false, false);
    EXPECT_EQ(shrunk.right, normal.right);
    EXPECT_EQ(shrunk.bottom, small.bottom - small.top + 21);
    EXPECT_EQ(Client(window).bottom, normal.bottom);
}

TEST_F(SideWindowsTest, LastTrickPaneFollowsTheTablesKindAndNeedsATable) {
    struct Case {
        int kind;
        bool fourSeats;
    };
    for (const Case c : {Case{0, false}, Case{1, true}, Case{2, true}}) {
        table_->kind = c.kind;
        OpenLastTrickWindow();
        Pane* pane = gPaneSlots[kLastTrickSlot];
        ASSERT_NE(pane, nullptr) << c.kind;
        EXPECT_EQ(dynamic_cast<FourSeatLastTrickPaneWin*>(pane) != nullptr, c.fourSeats) << c.kind;
        EXPECT_NE(dynamic_cast<LastTrickPaneWin*>(pane) != nullptr, c.fourSeats) << c.kind;
        SendMessageA(gWindowSlots[kLastTrickSlot], WM_COMMAND, IDCANCEL, 0);
    }
    gPaneSlots[0] = nullptr;
    OpenLastTrickWindow();
    EXPECT_EQ(gWindowSlots[kLastTrickSlot], nullptr) << "no table, no window";
    gPaneSlots[0] = table_;
}

// Keys typed into Last Trick reach the table; the score sheet swallows them.
TEST_F(SideWindowsTest, KeysInLastTrickActOnTheTableAndTheScoreSheetSwallowsThem) {
    OpenLastTrickWindow();
    SendMessageA(gWindowSlots[kLastTrickSlot], WM_CHAR, 'h', 0);
    ASSERT_EQ(table_->keys.size(), 1u);
    EXPECT_EQ(table_->keys[0], 'h');

    SheetLog log;
    SetScorePaneMaker(kScoreSlot, [&log](int, HWND) { return new TestSheet(&log); });
    OpenScoreWindow();
    ASSERT_NE(gWindowSlots[kScoreSlot], nullptr);
    SendMessageA(gWindowSlots[kScoreSlot], WM_CHAR, 'h', 0);
    EXPECT_EQ(table_->keys.size(), 1u);
}

// ---- The score family with a sheet of the test ----------------------------------------------

TEST_F(SideWindowsTest, ScoreWindowKeepsItsSavedHeightAtLeast60AndTakesItsWidthFromTheSheet) {
    const int width = FrameExtraWidth(true) + 400 + 2 + (gWindowsNT ? -10 : 4);
    struct Case {
        WindowRect saved;
        int height;
    };
    const Case cases[] = {{{0, 0, 0, 0}, 60},
                          {{150, 120, 500, 159}, 60},
                          {{150, 120, 500, 180}, 60},
                          {{150, 120, 500, 181}, 61},
                          {{150, 120, 500, 420}, 300}};
    for (const Case& c : cases) {
        SheetLog log;
        SetScorePaneMaker(kScoreSlot, [&log](int, HWND) { return new TestSheet(&log); });
        gSettings->body.windowRects[kScoreSlot] = c.saved;
        OpenScoreWindow();
        HWND window = gWindowSlots[kScoreSlot];
        ASSERT_NE(window, nullptr);
        const RECT frame = Frame(window);
        EXPECT_EQ(frame.bottom - frame.top, c.height) << c.saved.bottom;
        EXPECT_EQ(frame.right - frame.left, width);
        if (c.saved.top != 0) {
            EXPECT_EQ(frame.left, c.saved.left);
            EXPECT_EQ(frame.top, c.saved.top);
        }
        EXPECT_EQ(log.vertical, 0x403);
        EXPECT_EQ(log.horizontal, 0x803);
        EXPECT_EQ(log.table, table_);
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(log.deleted, 1);
        EXPECT_EQ(gWindowSlots[kScoreSlot], nullptr);
        EXPECT_EQ(gPaneSlots[kScoreSlot], nullptr);
    }
}

TEST_F(SideWindowsTest, WithoutItsSheetTheScoreWindowDoesNotOpen) {
    SetScorePaneMaker(kScoreSlot, nullptr);
    SetOpenCardsPaneMaker(nullptr);
    SetCardsPlayedPaneMaker(nullptr);
    OpenScoreWindow();
    EXPECT_EQ(gWindowSlots[kScoreSlot], nullptr);
    EXPECT_EQ(OpenOpenCardsWindow(1), -1);
    OpenCardsPlayedWindow();
    EXPECT_EQ(gWindowSlots[kCardsPlayedSlot], nullptr);
}

// The sheet opens scrolled to its end; each code moves the vertical bar and redraws only when
// the position changed.
TEST_F(SideWindowsTest, ScrollCodesMoveTheSheetAndRedrawOnlyOnAChange) {
    SheetLog log;
    SetScorePaneMaker(kScoreSlot, [&log](int, HWND) { return new TestSheet(&log); });
    gSettings->body.windowRects[kScoreSlot] = WindowRect{100, 100, 500, 400};
    OpenScoreWindow();
    HWND window = gWindowSlots[kScoreSlot];
    ASSERT_NE(window, nullptr);
    const ControlRef bar = 0x403;
    const int visible = (Client(window).bottom - 16) / 15;
    const int end = 40 + 2 - visible;
    ASSERT_GT(end, 12);
    EXPECT_EQ(GetControlValue(bar), end);
    EXPECT_EQ(GetControlMaximum(bar), end);

    struct Case {
        int code;
        int thumb;
        int position; // after the message
    };
    const Case cases[] = {{SB_PAGEDOWN, 0, end},
                          {SB_LINEDOWN, 0, end},
                          {SB_LINEUP, 0, end - 1},
                          {SB_PAGEUP, 0, end - 6},
                          {SB_LINEDOWN, 0, end - 5},
                          {SB_PAGEDOWN, 0, end},
                          {SB_THUMBPOSITION, 2, 2},
                          {SB_THUMBPOSITION, 2, 2},
                          {SB_PAGEUP, 0, 0},
                          {SB_LINEUP, 0, 0},
                          {SB_THUMBTRACK, 7, 0},
                          {SB_ENDSCROLL, 0, 0},
                          {SB_THUMBPOSITION, end + 9, end}};
    int before = GetControlValue(bar);
    for (const Case& c : cases) {
        const int draws = log.draws;
        SendMessageA(window, WM_VSCROLL, MAKEWPARAM(c.code, c.thumb), 0);
        EXPECT_EQ(GetControlValue(bar), c.position) << c.code << " " << c.thumb;
        EXPECT_EQ(log.draws - draws, c.position != before ? 1 : 0) << c.code << " " << c.thumb;
        before = c.position;
    }
    // The horizontal bar: 400 pixels of sheet in a narrower client area scroll in steps of 4.
    const ControlRef across = 0x803;
    const int steps = (400 - Client(window).right) / 4;
    EXPECT_EQ(GetControlMaximum(across), steps > 0 ? steps : 0);
    EXPECT_EQ(GetControlValue(across), 0);
    SendMessageA(window, WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(GetControlValue(across), 0);
}

TEST_F(SideWindowsTest, ScrollCodeToDeltaMovesWithinTheBarsRange) {
    SheetLog log;
    SetScorePaneMaker(kScoreSlot, [&log](int, HWND) { return new TestSheet(&log); });
    OpenScoreWindow();
    ASSERT_NE(gWindowSlots[kScoreSlot], nullptr);
    const ControlRef bar = 0x403;
    SetControlMaximum(bar, 20);
    struct Case {
        int start, code, position;
        bool changed;
    };
    const Case cases[] = {{10, 0, 9, true},   {10, 1, 11, true},  {10, 2, 5, true},
                          {10, 3, 15, true},  {0, 0, 0, false},   {2, 2, 0, true},
                          {20, 1, 20, false}, {18, 3, 20, true},  {10, 4, 10, false},
                          {10, 5, 10, false}, {10, 8, 10, false}, {10, -1, 10, false}};
    for (const Case& c : cases) {
        SetControlValue(bar, c.start);
        EXPECT_EQ(ScrollCodeToDelta(bar, c.code), c.changed) << c.start << " " << c.code;
        EXPECT_EQ(GetControlValue(bar), c.position) << c.start << " " << c.code;
    }
}

TEST_F(SideWindowsTest, ResizingTheScoreWindowRedrawsAndSetsTheRangesAgain) {
    SheetLog log;
    SetScorePaneMaker(kScoreSlot, [&log](int, HWND) { return new TestSheet(&log); });
    gSettings->body.windowRects[kScoreSlot] = WindowRect{100, 100, 500, 400};
    OpenScoreWindow();
    HWND window = gWindowSlots[kScoreSlot];
    ASSERT_NE(window, nullptr);
    const int draws = log.draws, ranges = log.ranges;
    const RECT frame = Frame(window);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(log.draws, draws);
    EXPECT_GT(log.ranges, ranges);
    const int visible = (Client(window).bottom - 16) / 15;
    EXPECT_EQ(GetControlMaximum(0x403), 40 + 2 - visible);
}

// ---- Open cards: slots by player ------------------------------------------------------------

TEST_F(SideWindowsTest, OpenCardsWindowsTakeTheSlotOfTheirPlayerAndTheSeatsName) {
    std::vector<int> players;
    SetOpenCardsPaneMaker([&players](int, HWND) {
        players.push_back(gOpenCardsPlayer);
        return new Pane;
    });
    std::strcpy(gSettings->body.playerNames[1], "Anna");
    std::strcpy(gSettings->body.playerNames[3], "Xaver");
    struct Case {
        int player, slot;
    };
    for (const Case c : {Case{1, 4}, Case{2, 5}, Case{3, 14}, Case{7, 14}}) {
        EXPECT_EQ(OpenOpenCardsWindow(c.player), c.slot) << c.player;
        HWND window = gWindowSlots[c.slot];
        ASSERT_NE(window, nullptr) << c.player;
        EXPECT_EQ(GetWindow(window, GW_OWNER), gMainWindow);
        if (c.player == 1) {
            char caption[64] = "";
            GetWindowTextA(window, caption, sizeof caption);
            EXPECT_STREQ(caption, "Anna");
        }
        // A second open raises the window of the slot.
        EXPECT_EQ(OpenOpenCardsWindow(c.player), c.slot);
        EXPECT_EQ(gWindowSlots[c.slot], window);
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(gWindowSlots[c.slot], nullptr);
    }
    EXPECT_EQ(players, (std::vector<int>{1, 2, 3, 7}));
}

// ---- Last Trick: the panes' answers and drawing ---------------------------------------------

TEST(LastTrickLabels, EachSeatsPlaceInThePlayingOrder) {
    FourSeatLastTrickPane four;
    LastTrickPane skat;
    for (int leader = 0; leader < 4; ++leader)
        for (int seat = 0; seat < 4; ++seat) {
            // The seats play from the leader on, seat + 1 after seat.
            const std::string expected = std::to_string((seat - leader + 4) % 4 + 1) + ".";
            const char* label = four.SeatLabel(seat, leader);
            EXPECT_EQ(std::string(label + 1, label[0]), expected) << seat << " " << leader;
        }
    for (int leader = 0; leader < 3; ++leader)
        for (int seat = 0; seat < 3; ++seat) {
            const std::string expected = std::to_string((seat - leader + 3) % 3 + 1) + ".";
            const char* label = skat.SeatLabel(seat, leader);
            EXPECT_EQ(std::string(label + 1, label[0]), expected) << seat << " " << leader;
        }
}

class LastTrickDrawing : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        controller_.settings = &gSettings->body;
        std::strcpy(gSettings->body.playerNames[0], "Me");
        std::strcpy(gSettings->body.playerNames[1], "Wastl");
        std::strcpy(gSettings->body.playerNames[2], "Sepp");
        std::strcpy(gSettings->body.playerNames[3], "Vroni");
        pane_.Init(&controller_, gSettings, gWindowSlots[kTableSlot], nullptr);
        gSettings->GetCardSetBounds0(&card_);
    }
    void TearDown() override {
        gSettings->body.superSmallCards = 0;
        TableTest::TearDown();
    }
    // The pane drawn on a white surface.
    void DrawOn(Surface& surface) {
        surface.Clear(RGB(255, 255, 255));
        surface.Begin();
        RECT empty = {0, 0, 0, 0};
        pane_.Draw(&empty);
        surface.End();
    }
    // The cell of the i-th card from the left.
    RECT Cell(int i) const {
        const int w = card_.right - card_.left, h = card_.bottom - card_.top;
        return RECT{5 + i * (w + 5), 5, 5 + i * (w + 5) + w, 5 + h};
    }
    TrickDouble controller_;
    FourSeatLastTrickPane pane_;
    WindowRect card_;
};

// Left to right the cells show seats 2, 1, 0, 3, each its card of the trick before as the
// deck's picture.
TEST_F(LastTrickDrawing, TheCardsOfTheTrickBeforeStandInTheSeatsCells) {
    const int trick[4] = {kHeartTen, kSchellenAce, kEichelOber, kGrasUnter};
    std::memcpy(controller_.previous, trick, sizeof trick);
    controller_.lastLeader = 2;
    controller_.nextLeader = 3;
    RECT bounds;
    pane_.GetBounds(&bounds);
    Surface surface(bounds.right, bounds.bottom);
    DrawOn(surface);
    const int seats[4] = {2, 1, 0, 3};
    for (int i = 0; i < 4; ++i) {
        const RECT cell = Cell(i);
        Surface expected(cell.right - cell.left, cell.bottom - cell.top);
        expected.Begin();
        RECT place = {0, 0, cell.right - cell.left, cell.bottom - cell.top};
        DrawPicture(static_cast<HBITMAP>(
                        gSettings->cardPictures[0][ConvertToPictureOrder(trick[seats[i]])]),
                    &place);
        expected.End();
        EXPECT_TRUE(surface.SameAs(expected, cell.left, cell.top, 0, 0, place.right, place.bottom))
            << "cell " << i << " (seat " << seats[i] << ")";
    }
}

// Before the second trick: four empty framed cells, the names under them and no labels.
TEST_F(LastTrickDrawing, BeforeTheSecondTrickTheCellsAreEmptyAndUnlabelled) {
    controller_.lastLeader = -1;
    controller_.nextLeader = -1;
    RECT bounds;
    pane_.GetBounds(&bounds);
    Surface empty(bounds.right, bounds.bottom);
    DrawOn(empty);
    const std::uint32_t white = 0xFFFFFF;
    for (int i = 0; i < 4; ++i) {
        const RECT cell = Cell(i);
        EXPECT_EQ(empty.At(cell.left + 10, cell.top + 10), white) << i;
        EXPECT_NE(empty.At(cell.left, cell.top + 10), white) << "the cell's frame " << i;
    }
    // Names: ink below every cell.
    auto inkBelow = [&](const Surface& s, int i, int fromX, int toX) {
        int ink = 0;
        const RECT cell = Cell(i);
        for (int y = cell.bottom + 2; y < bounds.bottom; ++y)
            for (int x = fromX; x < toX; ++x)
                ink += s.At(x, y) != white;
        return ink;
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_GT(inkBelow(empty, i, Cell(i).left, Cell(i).right), 0) << "name " << i;

    // The same names with a leader: the labels add ink at the cells' left edges only, and the
    // winner's underline under the winner's name only.
    controller_.lastLeader = 2;
    Surface labelled(bounds.right, bounds.bottom);
    DrawOn(labelled);
    controller_.nextLeader = 0;
    Surface won(bounds.right, bounds.bottom);
    DrawOn(won);
    for (int i = 0; i < 4; ++i) {
        const RECT cell = Cell(i);
        EXPECT_GT(inkBelow(labelled, i, cell.left, cell.left + 12),
                  inkBelow(empty, i, cell.left, cell.left + 12))
            << "label " << i;
        const int underline =
            inkBelow(won, i, cell.left, cell.right) - inkBelow(labelled, i, cell.left, cell.right);
        if (i == 2) // seat 0 stands third from the left
            EXPECT_GT(underline, 0);
        else
            EXPECT_EQ(underline, 0) << "cell " << i;
    }
}

TEST_F(LastTrickDrawing, SuperSmallCardsKeepTheWidthAndShortenTheWindow) {
    RECT normal;
    pane_.GetBounds(&normal);
    gSettings->body.superSmallCards = 1;
    RECT small;
    pane_.GetBounds(&small);
    WindowRect third;
    gSettings->GetCardSetBounds2(&third);
    EXPECT_EQ(small.right, normal.right);
    EXPECT_EQ(normal.bottom, card_.bottom - card_.top + 30);
    EXPECT_EQ(small.bottom, third.bottom - third.top + 21);
    // The Win pane adds the dialog frame.
    FourSeatLastTrickPaneWin win;
    win.Init(&controller_, gSettings, nullptr, nullptr);
    RECT whole;
    win.GetBounds(&whole);
    EXPECT_EQ(whole.right, small.right + FrameExtraWidth(false));
    EXPECT_EQ(whole.bottom, small.bottom + FrameExtraHeight(false, false));
}

// The Skat pane reads the Skat controller's last trick: three cells, seats 1, 0, 2.
TEST_F(LastTrickDrawing, TheSkatPaneShowsTheSkatControllersLastTrick) {
    SkatController skat;
    skat.settings = &gSettings->body;
    skat.lastTrickCards[0] = 8;
    skat.lastTrickCards[1] = 16;
    skat.lastTrickCards[2] = 24;
    skat.lastTrickLeader = 1;
    skat.lastTrickWinner = 2;
    LastTrickPane three;
    three.Init(&skat, gSettings, gWindowSlots[kTableSlot], nullptr);
    std::int16_t cards[3];
    three.GetTrickCards(cards);
    EXPECT_EQ(cards[0], 8);
    EXPECT_EQ(cards[2], 24);
    EXPECT_EQ(three.GetLeader(), 1);
    EXPECT_EQ(three.GetWinner(), 2);
    RECT bounds;
    three.GetBounds(&bounds);
    EXPECT_EQ(bounds.right, 3 * (card_.right - card_.left) + 20);
    Surface surface(bounds.right, bounds.bottom);
    surface.Begin();
    three.Draw(&bounds);
    surface.End();
    const int order[3] = {1, 0, 2};
    for (int i = 0; i < 3; ++i) {
        const RECT cell = Cell(i);
        Surface expected(cell.right - cell.left, cell.bottom - cell.top);
        expected.Begin();
        RECT place = {0, 0, cell.right - cell.left, cell.bottom - cell.top};
        DrawPicture(static_cast<HBITMAP>(gSettings->cardPictures[0][cards[order[i]]]), &place);
        expected.End();
        EXPECT_TRUE(surface.SameAs(expected, cell.left, cell.top, 0, 0, place.right, place.bottom))
            << i;
    }
}

} // namespace

// The open-cards, Cards Already Played, score sheet and card-selection hints windows over
// whole Schafkopf games played at a controller without a table: what the panes draw is read
// back through the text record and the pixels and compared with the test's own log of the
// cards played, the dealt hands, the game list's bytes and the play logs.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "SideGames.h"
#include "TableFixture.h"
#include "engine/CardCodes.h"
#include "engine/GameRecords.h"
#include "games/fourplayer/FourSeatController.h"
#include "platform/win32/Controls.h"
#include "platform/Handles.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/TextRecorder.h"
#include "views/SchafkopfGameTypes.h"
#include "views/win32/CardsPlayedPane.h"
#include "views/win32/HintsPane.h"
#include "views/win32/OpenCardsPane.h"
#include "views/win32/ScoreSheetPane.h"
#include "views/win32/SideWindows.h"

namespace {

// The table in slot 0: a Schafkopf table of the test's controller.
class GameTable : public TablePane {
  public:
    int GetGameKind() override { return 2; }
    int GetGameCode() override { return 2; }
};

// Text style bits as the grid uses them: bold 1, italic 2, underline 4, strike-out 8.
constexpr int kSeatFace[4] = {0, 4, 5, 8};

using Cell = std::tuple<std::string, int, int, int>; // text, x, base line, face

class SidePanesTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        savedTable_ = gPaneSlots[0];
        table_ = new GameTable;
        table_->InitTable(nullptr, gSettings, gWindowSlots[0], nullptr);
        gPaneSlots[0] = table_;
    }
    void TearDown() override {
        StopTextRecording();
        for (int slot = 1; slot < kWindowSlotCount; ++slot)
            if (gWindowSlots[slot] && slot != 16 && slot != kHintsWindowSlot)
                SendMessageA(gWindowSlots[slot], WM_COMMAND, IDCANCEL, 0);
        gPaneSlots[0] = savedTable_;
        delete table_;
        RunningShell::TearDown();
    }
    void Use(SideGames& games) { table_->controller = games.table.get(); }
    static void UseSize(int size, bool superSmall, bool fullSize) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        gSettings->body.superSmallCards = superSmall ? 1 : 0;
        gSettings->body.ownCardsFullSize = fullSize ? 1 : 0;
        gSettings->ReloadCardPictures();
    }
  public:
    static RECT SetRect(int set) {
        WindowRect b = {0, 0, 0, 0};
        switch (set) {
        case 0:
            gSettings->GetCardSetBounds0(&b);
            break;
        case 2:
            gSettings->GetCardSetBounds2(&b);
            break;
        default:
            gSettings->GetCardSetBounds3(&b);
            break;
        }
        return RECT{0, 0, b.right - b.left, b.bottom - b.top};
    }
  protected:
    static std::string ItemText(HWND dialog, int item) {
        char text[512] = "";
        GetDlgItemTextA(dialog, item, text, sizeof text);
        return text;
    }
    GameTable* table_ = nullptr;
    Pane* savedTable_ = nullptr;
};

// ---- Cards Already Played ------------------------------------------------------------------

// The grid's numbers as the test reads its own log: the trick number in the card's cell (suit
// row, rank column), in the style of the seat that played it, italic for the trick's leader.
std::vector<Cell> ExpectedGrid(const std::vector<PlayedCard>& played) {
    std::vector<Cell> cells;
    for (const PlayedCard& p : played)
        cells.emplace_back(std::to_string(p.trick), 62 + 30 * ((p.card - 1) % 8),
                           28 + 20 * ((p.card - 1) / 8),
                           kSeatFace[p.seat] | (p.seat == p.leader ? 2 : 0));
    std::sort(cells.begin(), cells.end());
    return cells;
}

// Draws the grid into a surface; answers the numbers written into the cells, and checks that
// no text crosses a grid line or leaves the window's 297 x 95.
std::vector<Cell> DrawnGrid(Pane* pane, Surface& surface) {
    RECT rect = {0, 0, kCardsPlayedClientWidth, kCardsPlayedClientHeight};
    StartTextRecording();
    surface.Begin();
    pane->Draw(&rect);
    surface.End();
    StopTextRecording();
    std::vector<Cell> numbers;
    for (const RecordedText& t : RecordedTexts()) {
        EXPECT_GE(t.cell.left, 0) << t.text;
        EXPECT_LE(t.cell.right, kCardsPlayedClientWidth) << t.text;
        EXPECT_LE(t.cell.bottom, kCardsPlayedClientHeight) << t.text;
        // The vertical lines stand at 55, 85, ... 265: a text starts and ends between two.
        if (t.x >= 55) {
            const int column = (t.x - 55) / 30;
            if (column < 7) {
                EXPECT_LT(t.cell.right, 55 + 30 * (column + 1)) << t.text << " at " << t.x;
            }
        } else {
            EXPECT_LT(t.cell.right, 55) << t.text;
        }
        if (t.baseLine >= 28 && t.x > 55)
            numbers.emplace_back(t.text, t.x, t.baseLine, t.face);
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

TEST_F(SidePanesTest, CardsPlayedShowsEveryCardWithItsTrickSeatAndLeaderLongAndShortDeck) {
    for (const bool shortDeck : {false, true}) {
        for (const std::uint32_t seed : {5u, 19u}) {
            SideGames games(shortDeck, seed, false);
            ASSERT_TRUE(games.ok);
            Use(games);
            SchafkopfCardsPlayedPane pane;
            pane.InitSide(games.table.get(), nullptr, gSettings);
            Surface surface(kCardsPlayedClientWidth, kCardsPlayedClientHeight);
            // Before play: the header only, no number.
            EXPECT_TRUE(DrawnGrid(&pane, surface).empty());
            for (int game = 0; game < 3; ++game) {
                ASSERT_TRUE(games.StartGame());
                EXPECT_TRUE(DrawnGrid(&pane, surface).empty()) << "no card played yet";
                int cards = 0;
                ASSERT_TRUE(games.PlayGame([&](const PlayedCard&) {
                    ++cards;
                    ASSERT_EQ(DrawnGrid(&pane, surface), ExpectedGrid(games.played))
                        << "deck " << shortDeck << " seed " << seed << " game " << game
                        << " card " << cards;
                }));
                EXPECT_EQ(cards, 4 * games.CardsPerHand());
            }
        }
    }
}

TEST_F(SidePanesTest, CardsPlayedHeaderNamesTheRanksAndSuitsInsideTheirCells) {
    SideGames games(false, 7, false);
    Use(games);
    SchafkopfCardsPlayedPane pane;
    pane.InitSide(games.table.get(), nullptr, gSettings);
    Surface surface(kCardsPlayedClientWidth, kCardsPlayedClientHeight);
    DrawnGrid(&pane, surface);
    std::vector<std::string> letters, rows;
    for (const RecordedText& t : RecordedTexts()) {
        if (t.baseLine == 10) {
            EXPECT_EQ(t.x, 65 + 30 * static_cast<int>(letters.size())) << t.text;
            letters.push_back(t.text);
        }
        else if (t.x == 5)
            rows.push_back(t.text);
    }
    EXPECT_EQ(letters,
              (std::vector<std::string>{" 7", " 8", " 9", " J", " Q", " K", "10", "Ace"}));
    EXPECT_EQ(rows, (std::vector<std::string>{"Diamonds", "Hearts", "Spades", "Clubs"}));
}

// ---- Open cards ------------------------------------------------------------------------------

// Draws the player's pane and compares every cell with the picture of the card CopyHand gives
// at that place, drawn by the test from the picture set the settings choose. Answers the cards
// found in the hand.
int CheckOpenCards(SideGames& games, int player, int size, bool superSmall, bool fullSize) {
    FourSeatOpenCardsPane pane;
    pane.InitSide(games.table.get(), player, gSettings, nullptr, 8);
    RECT bounds;
    pane.GetBounds(&bounds);
    const int set = superSmall ? 2 : fullSize ? 3 : size == 0 ? 2 : 0;
    const RECT card = SidePanesTest::SetRect(set);
    const int w = card.right, h = card.bottom;
    const bool overlapped = fullSize && !superSmall;
    if (overlapped) {
        EXPECT_EQ(bounds.right, 7 * (8 * w / 18) + w + 9);
        EXPECT_EQ(bounds.bottom, h + 2);
    } else {
        EXPECT_EQ(bounds.right, 4 * (w + 1) + 1);
        EXPECT_EQ(bounds.bottom, 2 * h + 3);
    }
    Surface drawn(bounds.right, bounds.bottom), expected(bounds.right, bounds.bottom);
    drawn.Begin();
    pane.Draw(&bounds);
    drawn.End();
    std::uint8_t hand[12] = {};
    games.table->CopyHand(hand, player);
    int held = 0;
    for (int place = 0, k = 0; place < 8; ++place) {
        const int c = hand[place];
        RECT cell;
        if (overlapped) {
            if (c == 0)
                continue;
            cell = {1 + k * (8 * w / 18 + 1), 1, 1 + k * (8 * w / 18 + 1) + w, 1 + h};
            ++k;
        } else {
            const int column = place % 4, row = place / 4;
            cell = {1 + column * (w + 1), 1 + row * (h + 1), 1 + column * (w + 1) + w,
                    1 + row * (h + 1) + h};
        }
        if (c == 0)
            continue;
        ++held;
        auto picture = static_cast<HBITMAP>(gSettings->cardPictures[set][ConvertToPictureOrder(c)]);
        EXPECT_NE(picture, nullptr) << "set " << set;
        expected.Begin();
        DrawPicture(picture, &cell);
        expected.End();
        // In the overlapped row only the strip up to the next card shows.
        const int visible = overlapped ? std::min(w, 8 * w / 18 + 1) : w;
        EXPECT_TRUE(drawn.SameAs(expected, cell.left, cell.top, cell.left, cell.top, visible, h))
            << "player " << player << " place " << place << " size " << size << " small "
            << superSmall << " full " << fullSize;
    }
    return held;
}

TEST_F(SidePanesTest, OpenCardsCellsShowTheHandsPicturesInEveryLayoutAndSize) {
    struct Flags {
        bool superSmall, fullSize;
    };
    for (int size = 0; size <= 2; ++size) {
        for (const Flags f : {Flags{false, false}, Flags{true, false}, Flags{false, true},
                              Flags{true, true}}) {
            UseSize(size, f.superSmall, f.fullSize);
            SideGames games(size == 1, 30 + size, false);
            Use(games);
            ASSERT_TRUE(games.StartGame());
            for (int player = 1; player <= 3; ++player)
                EXPECT_EQ(CheckOpenCards(games, player, size, f.superSmall, f.fullSize),
                          games.CardsPerHand());
            // One trick later each hand shows one card less.
            games.table->BeginTrick(true);
            for (int n = 0; n < 4; ++n)
                ASSERT_NE(games.PlayOne((games.Game().leader + n) % 4), 0);
            for (int player = 1; player <= 3; ++player)
                EXPECT_EQ(CheckOpenCards(games, player, size, f.superSmall, f.fullSize),
                          games.CardsPerHand() - 1);
        }
    }
    UseSize(1, false, false);
}

TEST_F(SidePanesTest, OpenCardsWindowNamesItsSeatAndHoldsTheHandInItsClientArea) {
    for (int size = 0; size <= 2; ++size) {
        UseSize(size, false, false);
        SideGames games(false, 40, false);
        Use(games);
        ASSERT_TRUE(games.StartGame());
        for (int player = 1; player <= 3; ++player) {
            const int slot = OpenOpenCardsWindow(player);
            ASSERT_GT(slot, 0);
            HWND window = gWindowSlots[slot];
            char caption[128] = "", name[kNameTextSize] = "";
            GetWindowTextA(window, caption, sizeof caption);
            games.table->GetPlayerNameC(name, player);
            EXPECT_STREQ(caption, name);
            auto* pane = dynamic_cast<FourSeatOpenCardsPane*>(gPaneSlots[slot]);
            ASSERT_NE(pane, nullptr);
            RECT content, client;
            pane->OpenCardsPane::GetBounds(&content);
            GetClientRect(window, &client);
            // The content with a margin of 2 pixels each way.
            EXPECT_EQ(client.right, content.right + 2) << size;
            EXPECT_EQ(client.bottom, content.bottom + 2) << size;
            SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    UseSize(1, false, false);
}

// The table's Windows commands open the side windows (and raise an open one).
TEST_F(SidePanesTest, TheTablesWindowCommandsOpenTheSideWindows) {
    SideGames games(false, 12, false);
    Use(games);
    ASSERT_TRUE(games.StartGame());
    struct Case {
        int command, slot;
    };
    for (const Case c : {Case{504, kCardsPlayedSlot}, Case{505, kScoreSlot},
                         Case{1412, kOpenCardsSlot1}, Case{1413, kOpenCardsSlot2},
                         Case{1414, kOpenCardsSlot3}}) {
        SendMessageA(gWindowSlots[0], WM_COMMAND, c.command, 0);
        HWND window = gWindowSlots[c.slot];
        ASSERT_NE(window, nullptr) << c.command;
        EXPECT_NE(gPaneSlots[c.slot], nullptr) << c.command;
        SendMessageA(gWindowSlots[0], WM_COMMAND, c.command, 0);
        EXPECT_EQ(gWindowSlots[c.slot], window) << c.command << " raises the open window";
        SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(gWindowSlots[c.slot], nullptr) << c.command;
    }
}

// ---- Score sheet ----------------------------------------------------------------------------

// One game as the list's bytes hold it.
struct ListLine {
    std::int32_t suit, word;
    std::int16_t perOpponent, bock, values[4], listed[3], points[4], potBooked, potSeat,
        potAmount;
};

std::vector<ListLine> ReadList(Handle list, std::int32_t totals[4]) {
    const auto* bytes = static_cast<const std::uint8_t*>(list);
    std::int32_t count;
    std::memcpy(&count, bytes, 4);
    std::memcpy(totals, bytes + 4, 16);
    std::vector<ListLine> lines(count);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* r = bytes + 36 + 188 * i;
        ListLine& l = lines[i];
        std::memcpy(&l.suit, r, 4);
        std::memcpy(&l.word, r + 4, 4);
        std::memcpy(&l.perOpponent, r + 14, 2);
        std::memcpy(&l.bock, r + 16, 2);
        std::memcpy(l.values, r + 18, 8);
        std::memcpy(l.listed, r + 26, 6);
        std::memcpy(l.points, r + 34, 8);
        std::memcpy(&l.potBooked, r + 100, 2);
        std::memcpy(&l.potSeat, r + 102, 2);
        std::memcpy(&l.potAmount, r + 104, 2);
    }
    return lines;
}

std::vector<RecordedText> Repaint(HWND window) {
    StartTextRecording();
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    StopTextRecording();
    std::vector<RecordedText> texts;
    for (const RecordedText& t : RecordedTexts())
        if (t.window == window)
            texts.push_back(t);
    return texts;
}

// The window's client pixels as they are on the screen.
std::vector<std::uint32_t> Capture(HWND window, const RECT& client) {
    Surface copy(client.right, client.bottom);
    HDC dc = GetDC(window);
    BitBlt(copy.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            pixels.push_back(copy.At(x, y));
    return pixels;
}

TEST_F(SidePanesTest, ScoreSheetOverFortyGamesShowsTheListScrollsAndFollowsNewGames) {
    SideGames games(false, 77, false);
    ASSERT_TRUE(games.ok);
    Use(games);
    for (int game = 0; game < 40; ++game) {
        ASSERT_TRUE(games.StartGame());
        ASSERT_TRUE(games.PlayGame());
    }
    gSettings->body.windowRects[kScoreSlot] = WindowRect{40, 40, 700, 300};
    OpenScoreWindow();
    HWND window = gWindowSlots[kScoreSlot];
    ASSERT_NE(window, nullptr);
    RECT client;
    GetClientRect(window, &client);
    std::int32_t totals[4];
    const std::vector<ListLine> list = ReadList(games.table->gameListHandle, totals);
    const int n = static_cast<int>(list.size());
    ASSERT_EQ(n, 40);
    const int footer = 16;
    const int visible = (client.bottom - footer) / 15;
    ASSERT_LT(visible, n);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), n + 2 - visible) << "opens at its end";

    // The totals are the header's, which are the column sums of values and pot bookings.
    for (int seat = 0; seat < 4; ++seat) {
        std::int32_t sum = 0;
        for (const ListLine& l : list)
            sum += l.values[seat] +
                   (l.potBooked && (l.potSeat == -1 || l.potSeat == seat) ? l.potAmount : 0);
        EXPECT_EQ(totals[seat], sum) << seat;
    }

    auto checkLines = [&](const std::vector<RecordedText>& texts, int first, int shift) {
        // The first seat column: the x of the first "(" text of a line, less 3.
        int x0 = -1;
        for (const RecordedText& t : texts)
            if (t.baseLine == 30 && !t.text.empty() && t.text[0] == '(' && (x0 < 0 || t.x < x0 + 3))
                x0 = t.x - 3;
        ASSERT_GE(x0 + shift, 140);
        int shown = 0;
        for (int k = 0; 30 + 15 * k < client.bottom - footer && first + k < n; ++k, ++shown) {
            const ListLine& l = list[first + k];
            const int base = 30 + 15 * k;
            std::vector<std::pair<std::string, int>> expected;
            expected.emplace_back(std::to_string(first + k + 1), 5 - shift);
            char game[256];
            FormatGameType(game, static_cast<GameTypeWord>(l.word), l.suit, nullptr,
                           &games.options);
            std::string gameText = game;
            if (l.bock)
                gameText += " (B)";
            expected.emplace_back(gameText, 37 - shift);
            for (int seat = 0; seat < 4; ++seat) {
                const bool listed = std::find(l.listed, l.listed + 3, seat) != l.listed + 3;
                expected.emplace_back("(" + std::string(l.perOpponent && listed ? "*, " : "") +
                                          std::to_string(l.points[seat]) + ")",
                                      x0 + 3 + 110 * seat);
                if (l.potBooked && (l.potSeat == -1 || l.potSeat == seat))
                    expected.emplace_back("(" + std::to_string(l.potAmount) + ")", -1);
            }
            std::vector<std::pair<std::string, int>> got;
            std::vector<std::string> values;
            for (const RecordedText& t : texts) {
                if (t.baseLine != base)
                    continue;
                // Values end at the column's right edge; pot amounts stand left of them.
                const int column = (t.x - x0) / 110;
                if (t.x > x0 && t.text[0] != '(' && t.cell.right == x0 + 105 + 110 * column)
                    values.push_back(t.text);
                else if (t.x > x0 && t.text[0] == '(' && (t.x - x0 - 3) % 110 != 0)
                    got.emplace_back(t.text, -1);
                else
                    got.emplace_back(t.text, t.x);
                if (t.x < x0) {
                    EXPECT_LT(t.cell.right, x0) << t.text << " runs into the first column";
                }
            }
            std::vector<std::string> expectedValues;
            for (int seat = 0; seat < 4; ++seat)
                expectedValues.push_back(std::to_string(l.values[seat]));
            std::sort(got.begin(), got.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(got, expected) << "game " << first + k + 1;
            EXPECT_EQ(values, expectedValues) << "game " << first + k + 1;
        }
        EXPECT_GT(shown, 0);
        // The totals with the currency, right-aligned in each seat's column.
        std::vector<std::string> totalTexts;
        for (const RecordedText& t : texts)
            if (t.baseLine == client.bottom - footer + 13)
                totalTexts.push_back(t.text + "@" + std::to_string(t.cell.right - x0));
        std::vector<std::string> expectedTotals;
        for (int seat = 0; seat < 4; ++seat)
            expectedTotals.push_back(std::to_string(totals[seat]) + " Cents@" +
                                     std::to_string(105 + 110 * seat));
        EXPECT_EQ(totalTexts, expectedTotals);
    };

    const int end = GetScrollPos(window, SB_VERT);
    checkLines(Repaint(window), end, 0);

    // A line up moves every line 15 pixels down.
    const auto before = Capture(window, client);
    SendMessageA(window, WM_VSCROLL, SB_LINEUP, 0);
    UpdateWindow(window);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), end - 1);
    const auto after = Capture(window, client);
    int compared = 0, differing = 0;
    for (int y = 20; y + 15 < client.bottom - footer - 15; ++y)
        for (int x = 0; x < client.right; ++x, ++compared)
            differing += before[y * client.right + x] != after[(y + 15) * client.right + x];
    EXPECT_GT(compared, 0);
    EXPECT_EQ(differing, 0);
    checkLines(Repaint(window), end - 1, 0);

    // Page up and thumb moves; page down at the end draws nothing.
    SendMessageA(window, WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), end - 6);
    checkLines(Repaint(window), end - 6, 0);
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, end), 0);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), end);
    UpdateWindow(window);
    StartTextRecording();
    SendMessageA(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(window);
    StopTextRecording();
    EXPECT_TRUE(RecordedTexts().empty()) << "nothing to move, nothing drawn";

    // A narrower window: a horizontal step moves everything 4 pixels left, and at the end of
    // the horizontal range the sheet's right edge is in view.
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left - 101, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    GetClientRect(window, &client);
    const int horizontalEnd = GetScrollPos(window, SB_HORZ) == 0
                                  ? [&] {
                                        SCROLLINFO info = {};
                                        info.cbSize = sizeof info;
                                        info.fMask = SIF_RANGE;
                                        GetScrollInfo(window, SB_HORZ, &info);
                                        return info.nMax;
                                    }()
                                  : -1;
    ASSERT_GT(horizontalEnd, 0);
    const auto unshifted = Repaint(window);
    SendMessageA(window, WM_HSCROLL, SB_LINEDOWN, 0);
    UpdateWindow(window);
    const auto shifted = Repaint(window);
    ASSERT_EQ(shifted.size(), unshifted.size());
    for (std::size_t i = 0; i < shifted.size(); ++i) {
        EXPECT_EQ(shifted[i].text, unshifted[i].text);
        EXPECT_EQ(shifted[i].x, unshifted[i].x - 4) << shifted[i].text;
    }
    SendMessageA(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, horizontalEnd), 0);
    for (const RecordedText& t : Repaint(window))
        EXPECT_LE(t.cell.right, client.right) << t.text << " out of reach";
    SendMessageA(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);

    // A game finished while the sheet is open at its end appears on its last line.
    ASSERT_TRUE(games.StartGame());
    ASSERT_TRUE(games.PlayGame());
    const std::vector<ListLine> grown = ReadList(games.table->gameListHandle, totals);
    ASSERT_EQ(static_cast<int>(grown.size()), n + 1);
    const auto texts = Repaint(window);
    bool newest = false;
    for (const RecordedText& t : texts)
        newest = newest || (t.x == 5 && t.text == std::to_string(n + 1));
    EXPECT_TRUE(newest) << "the new game is shown";
    GetClientRect(window, &client);
    EXPECT_EQ(GetScrollPos(window, SB_VERT), n + 3 - (client.bottom - footer) / 15);
}

// A list handle of the test's making on a controller whose seat names the test chooses.
class ListDouble : public FourSeatController {
  public:
    void GetPlayerNameC(char* name, int seat) override {
        std::snprintf(name, kNameTextSize, "%s", names[seat]);
    }
    const char* names[4] = {"Anna", "Maximilian Bartholomaeus von Hohenzollern-Sigmaringen",
                            "Maximiliane Huberl", "Bo"};
};

TEST_F(SidePanesTest, ScoreSheetShowsOnlyTheRecordsPresentAndKeepsNamesInTheirColumns) {
    ListDouble controller;
    // The count claims five games; the handle holds two.
    Handle list = NewHandle(GameListSize(2) - kGameRecordSize);
    std::memset(list, 0, GetHandleSize(list));
    GameListHeader head = {};
    head.count = 5;
    head.totals[0] = 12;
    std::memcpy(list, &head, sizeof head);
    GameRecord record = {};
    record.word = kWordSuitSolo;
    record.suit = 2;
    record.values[0] = 12;
    std::memcpy(static_cast<std::uint8_t*>(list) + 36, &record, sizeof record);
    record.word = 0x100000; // no game has this word
    std::memcpy(static_cast<std::uint8_t*>(list) + 36 + 188, &record, sizeof record);
    controller.gameListHandle = list;

    SchafkopfScorePane pane;
    pane.InitSide(&controller, nullptr, gSettings, kVerticalScrollRef + 9,
                  kHorizontalScrollRef + 9, nullptr);
    EXPECT_EQ(pane.GetLineCount(), 2);
    Surface surface(640, 200);
    RECT page = {0, 0, 640, 200};
    StartTextRecording();
    surface.Begin();
    EXPECT_FALSE(pane.DrawPage(&page, 1));
    surface.End();
    StopTextRecording();
    int x0 = -1;
    std::vector<std::string> numbers;
    std::vector<RecordedText> names;
    for (const RecordedText& t : RecordedTexts()) {
        if (t.baseLine == 30 && t.text[0] == '(' && x0 < 0)
            x0 = t.x - 3;
        if (t.x == 5 && t.baseLine > 13)
            numbers.push_back(t.text);
        if (t.baseLine == 13 && t.x > 37 + 20)
            names.push_back(t);
    }
    EXPECT_EQ(numbers, (std::vector<std::string>{"1", "2"}));
    ASSERT_EQ(names.size(), 4u);
    for (int seat = 0; seat < 4; ++seat) {
        const RecordedText& t = names[seat];
        EXPECT_GE(t.cell.left, x0 + 110 * seat) << t.text;
        EXPECT_LE(t.cell.right, x0 + 110 * seat + 105) << t.text;
    }
    EXPECT_EQ(names[0].text, "Anna");
    EXPECT_EQ(names[2].text, "Maximiliane Huberl") << "shrunk, not cut";
    EXPECT_LT(names[2].height, names[0].height) << "shrunk";
    EXPECT_EQ(names[1].text.substr(names[1].text.size() - 3), "...") << "cut at the smallest size";
    for (const RecordedText& t : RecordedTexts())
        if (t.baseLine == 45 && t.x == 37) {
            EXPECT_EQ(t.text, "") << "an unknown game has no name";
        }
    controller.gameListHandle = nullptr;
    DisposeHandle(list);
}

// With the director running the tables the sheet takes the director's list; a delivery of
// nothing, or a damaged list, leaves the controller's series as it was.
TEST_F(SidePanesTest, ScoreRefreshTakesOnlyASoundListFromTheDirector) {
    ListDouble controller;
    controller.gameListHandle = ResetGameList(nullptr);
    ASSERT_NE(controller.gameListHandle, nullptr);
    GameListHead(controller.gameListHandle)->totals[0] = 7;
    const Handle own = controller.gameListHandle;
    struct Case {
        const char* what;
        int count, records; // -1: nothing delivered
        bool taken;
    };
    for (const Case c : {Case{"nothing", -1, 0, false}, Case{"a damaged list", 3, 1, false},
                         Case{"a sound list", 2, 2, true}}) {
        Handle delivered = nullptr;
        if (c.count >= 0) {
            delivered = NewHandle(GameListSize(c.records));
            std::memset(delivered, 0, GetHandleSize(delivered));
            GameListHead(delivered)->count = c.count;
        }
        SetScoreSheetFetcher([&](GameController*) { return delivered; });
        SchafkopfScorePane pane;
        pane.InitSide(&controller, nullptr, gSettings, kVerticalScrollRef + 9,
                      kHorizontalScrollRef + 9, nullptr);
        pane.Refresh();
        if (c.taken) {
            EXPECT_EQ(controller.gameListHandle, delivered) << c.what;
            EXPECT_EQ(pane.GetLineCount(), 2) << c.what;
        } else {
            EXPECT_EQ(controller.gameListHandle, own) << c.what;
            EXPECT_EQ(GameListHead(own)->totals[0], 7) << c.what;
        }
    }
    SetScoreSheetFetcher({});
    DisposeHandle(controller.gameListHandle);
    controller.gameListHandle = nullptr;
}

// ---- Card selection hints -------------------------------------------------------------------

// The card item shows the card's picture of the first set, whole.
void CheckHintCard(HWND dialog, int card) {
    HWND item = GetDlgItem(dialog, kHintsCard);
    ShowWindow(dialog, SW_SHOW);
    InvalidateRect(item, nullptr, FALSE);
    UpdateWindow(item);
    const RECT picture = SidePanesTest::SetRect(0);
    RECT client;
    GetClientRect(item, &client);
    ASSERT_GE(client.right, picture.right);
    ASSERT_GE(client.bottom, picture.bottom);
    Surface shown(client.right, client.bottom), expected(client.right, client.bottom);
    HDC dc = GetDC(item);
    BitBlt(shown.dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(item, dc);
    const int top = (client.bottom - picture.bottom) / 2;
    RECT at = picture;
    OffsetRect(&at, 0, top);
    expected.Begin();
    DrawPicture(static_cast<HBITMAP>(gSettings->cardPictures[0][ConvertToPictureOrder(card)]), &at);
    expected.End();
    EXPECT_TRUE(shown.SameAs(expected, 0, top, 0, top, picture.right, picture.bottom))
        << "card " << card;
}

TEST_F(SidePanesTest, HintsShowEachSeatsLoggedCardAndReasonForEveryTrickPlayed) {
    SideGames games(false, 91, true);
    ASSERT_TRUE(games.ok);
    Use(games);
    ASSERT_TRUE(games.StartGame());
    HWND dialog = CreateDialogParamA(gAppInstance, MAKEINTRESOURCEA(kHintsTemplate), gMainWindow,
                                     HintsProc, 0);
    ASSERT_NE(dialog, nullptr);
    auto* pane = dynamic_cast<HintsPane*>(gPaneSlots[kHintsWindowSlot]);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(SendDlgItemMessageA(dialog, kHintsTrickCombo, CB_GETCOUNT, 0, 0), 0)
        << "nothing listed before the first card";
    EXPECT_EQ(ItemText(dialog, kHintsText), "");
    EXPECT_EQ(pane->hintCard, 0);

    auto select = [&](int item, int index) {
        SendDlgItemMessageA(dialog, item, CB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(item, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, item)));
    };
    int checks = 0;
    auto checkAll = [&]() {
        for (int seat = 0; seat < 4; ++seat) {
            select(kHintsPlayerCombo, seat);
            std::vector<const PlayedCard*> own;
            for (const PlayedCard& p : games.played)
                if (p.seat == seat && p.trick < games.CardsPerHand())
                    own.push_back(&p);
            ASSERT_EQ(SendDlgItemMessageA(dialog, kHintsTrickCombo, CB_GETCOUNT, 0, 0),
                      static_cast<LRESULT>(own.size()))
                << "seat " << seat << " after " << games.played.size() << " cards";
            const auto* log = static_cast<const PlayLog*>(games.Game().playLogs[seat]);
            ASSERT_NE(log, nullptr);
            for (std::size_t t = 0; t < own.size(); ++t) {
                select(kHintsTrickCombo, static_cast<int>(t));
                EXPECT_EQ(pane->hintCard, ConvertToPictureOrder(own[t]->card))
                    << "seat " << seat << " trick " << t + 1;
                if (t == 0 && own.size() == 1)
                    CheckHintCard(dialog, own[t]->card);
                const std::string text = ItemText(dialog, kHintsText);
                if (seat == 0) {
                    EXPECT_EQ(text, "The human player has played this card.");
                } else {
                    char expected[256] = "";
                    LoadStringA(gAppInstance, 3000 + log->entries[t].reason, expected,
                                sizeof expected);
                    EXPECT_EQ(PlayLogCard(log->entries[t]), own[t]->card);
                    EXPECT_EQ(text, expected) << "seat " << seat << " trick " << t + 1;
                    EXPECT_FALSE(text.empty()) << "reason " << int(log->entries[t].reason);
                }
                ++checks;
            }
        }
    };
    // Checked after the first card of every trick (one seat has played one trick more than
    // the others) and after every complete trick.
    bool kept = false;
    ASSERT_TRUE(games.PlayGame([&](const PlayedCard&) {
        const int cards = static_cast<int>(games.played.size());
        if (cards % 4 == 1 || cards % 4 == 0)
            checkAll();
        // A suggestion asked before the human's card changes no log, so no hint.
        if (cards % 4 != 0 && (games.played.back().seat + 1) % 4 == 0) {
            std::vector<std::uint8_t> before;
            for (Handle log : games.Game().playLogs)
                before.insert(before.end(), static_cast<std::uint8_t*>(log),
                              static_cast<std::uint8_t*>(log) + kPlayLogSize);
            int kind = 0;
            bool flag = true;
            games.table->SuggestCard(&kind, &flag);
            std::vector<std::uint8_t> after;
            for (Handle log : games.Game().playLogs)
                after.insert(after.end(), static_cast<std::uint8_t*>(log),
                             static_cast<std::uint8_t*>(log) + kPlayLogSize);
            EXPECT_EQ(before, after) << "the suggestion before card " << cards + 1;
        }
        if (cards == 4 * games.CardsPerHand()) {
            // The trick chosen stays when another player has played it.
            select(kHintsPlayerCombo, 1);
            select(kHintsTrickCombo, 3);
            select(kHintsPlayerCombo, 2);
            kept = SendDlgItemMessageA(dialog, kHintsTrickCombo, CB_GETCURSEL, 0, 0) == 3;
        }
    }));
    EXPECT_GT(checks, 0);
    EXPECT_TRUE(kept);

    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(gWindowSlots[kHintsWindowSlot], nullptr);
    EXPECT_EQ(gPaneSlots[kHintsWindowSlot], nullptr);
    DestroyWindow(dialog);
}

// Over 500 computer deals (a few seconds) every reason a seat logged has its text.
TEST_F(SidePanesTest, EveryReasonTheComputerLogsHasAnExplanation) {
    SideGames games(false, 123, false);
    Use(games);
    int logged = 0;
    for (int deal = 0; deal < 500; ++deal) {
        ASSERT_TRUE(games.StartGame());
        ASSERT_TRUE(games.PlayGame());
        for (int seat = 0; seat < 4; ++seat) {
            const auto* log = static_cast<const PlayLog*>(games.Game().playLogs[seat]);
            ASSERT_NE(log, nullptr);
            for (int i = 0; i < log->count && i < kPlayLogEntries; ++i, ++logged) {
                char text[256];
                HintsPane::ReasonText(log->entries[i].reason, text);
                EXPECT_STRNE(text, "") << "reason " << int(log->entries[i].reason);
            }
        }
    }
    EXPECT_GT(logged, 0);
}

} // namespace

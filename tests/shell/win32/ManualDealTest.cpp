// The Manual Deal window on the running shell with its Schafkopf table: opened from the
// table's command, driven by real pointer input (a seeded deal laid out card by card) or by its
// buttons, and the table's game read back after OK.
#include "shell/win32/ManualDealDialog.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "engine/CardCodes.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "shell/win32/SmallDialogs.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/FourPlayerTablePane.h"
#include "views/win32/SchafkopfDealPane.h"
#include "views/win32/SchafkopfTablePane.h"
#include "views/win32/TablePane.h"

namespace {

using Cards = std::vector<int>;

SchafkopfDealPane* DealPane() {
    return static_cast<SchafkopfDealPane*>(gPaneSlots[kManualDealSlot]);
}

void PumpFor(int milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            // As the dialog's own loop: Enter goes to the default button.
            HWND dialog = gWindowSlots[kManualDealSlot];
            if (dialog && IsDialogMessageA(dialog, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() < end);
}

// Pumps until the condition holds, at most the given time; answers the condition.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 1000) {
    const DWORD end = GetTickCount() + milliseconds;
    while (!condition() && GetTickCount() < end)
        PumpFor(10);
    return condition();
}

void SendButton(DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    PumpFor(40);
}

POINT ScreenCentre(HWND window, const RECT& rect) {
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

void MoveTo(POINT point) {
    SetCursorPos(point.x, point.y);
    PumpFor(20);
}

void Click(POINT point) {
    MoveTo(point);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
}

void ClickItem(HWND dialog, int item) {
    HWND control = GetDlgItem(dialog, item);
    RECT rect;
    GetClientRect(control, &rect);
    Click(ScreenCentre(control, rect));
}

void DoubleClick(POINT point) {
    Click(point);
    Click(point);
}

void Drag(POINT from, POINT to) {
    MoveTo(from);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    MoveTo(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
    MoveTo(to);
    SendButton(MOUSEEVENTF_LEFTUP);
}

// Opens the leader list by a real click on the combo and clicks the seat's line in it.
void ChooseLeader(HWND dialog, int leader) {
    HWND combo = GetDlgItem(dialog, kDealLeaderCombo);
    auto chosen = [&] {
        return SendMessageA(combo, CB_GETCURSEL, 0, 0) == leader &&
               !SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0);
    };
    for (int attempt = 0; attempt < 3 && !chosen(); ++attempt) {
        RECT rect;
        GetClientRect(combo, &rect);
        Click(ScreenCentre(combo, rect));
        COMBOBOXINFO info = {};
        info.cbSize = sizeof info;
        if (!WaitFor(
                [&] {
                    return GetComboBoxInfo(combo, &info) && info.hwndList &&
                           IsWindowVisible(info.hwndList);
                },
                500))
            continue;
        RECT line;
        if (SendMessageA(info.hwndList, LB_GETITEMRECT, leader, reinterpret_cast<LPARAM>(&line)) ==
            LB_ERR)
            continue;
        Click(ScreenCentre(info.hwndList, line));
        WaitFor(chosen, 500);
    }
    ASSERT_TRUE(chosen()) << "seat " << leader << " chosen in the list by mouse";
}

Cards Sorted(Cards cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

// A seat's cards in the controller's hands (its row, without empty places).
Cards HandOf(int seat) {
    Cards cards;
    const int width = gSchafkopfGame->handRowWidth;
    for (int p = 0; p < width; ++p) {
        const int card = gSchafkopfGame->hands[seat * width + p];
        if (card != 0 && card != kNeverDealt)
            cards.push_back(card);
    }
    return cards;
}

Cards PlacesOf(SchafkopfDealPane* pane, int seat) {
    const int perSeat = pane->PlacesPerSeat();
    return Cards(pane->placedCards + seat * perSeat, pane->placedCards + (seat + 1) * perSeat);
}

bool Overlap(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

void PressEnter() {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_RETURN;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof keys[0]);
    PumpFor(100);
}

bool IsWhite(COLORREF colour) {
    return GetRValue(colour) > 240 && GetGValue(colour) > 240 && GetBValue(colour) > 240;
}

// The pixels of a rectangle of a device context, row by row.
std::vector<DWORD> Pixels(HDC source, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP surface = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, surface);
    BitBlt(memory, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits),
                              static_cast<const DWORD*>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(surface);
    DeleteDC(memory);
    return pixels;
}

// The share of the pixels of `shown` (window coordinates) that equal the picture drawn with its
// top left at `origin`, over the part of `shown` the picture covers.
double MatchWithPicture(HDC window, RECT shown, HBITMAP picture, POINT origin) {
    BITMAP bitmap;
    if (!picture || !GetObject(picture, sizeof bitmap, &bitmap))
        return 0;
    const RECT drawn = {origin.x, origin.y, origin.x + bitmap.bmWidth, origin.y + bitmap.bmHeight};
    if (!IntersectRect(&shown, &shown, &drawn))
        return 0;
    HDC memory = CreateCompatibleDC(window);
    HGDIOBJ old = SelectObject(memory, picture);
    RECT inPicture = shown;
    OffsetRect(&inPicture, -origin.x, -origin.y);
    const std::vector<DWORD> expected = Pixels(memory, inPicture);
    SelectObject(memory, old);
    DeleteDC(memory);
    const std::vector<DWORD> seen = Pixels(window, shown);
    size_t same = 0;
    for (size_t i = 0; i < seen.size(); ++i)
        same += (seen[i] & 0xffffff) == (expected[i] & 0xffffff) ? 1 : 0;
    return seen.empty() ? 0 : static_cast<double>(same) / seen.size();
}

HBITMAP CardPicture(int set, int card) {
    return static_cast<HBITMAP>(gSettings->cardPictures[set][ConvertToPictureOrder(card)]);
}

// The share of the place's pixels that equal the small picture of the card.
double MatchWithCard(HDC window, const RECT& place, int card) {
    return MatchWithPicture(window, place, CardPicture(2, card), POINT{place.left, place.top});
}

class ManualDealTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        table_ = GetTablePane();
        ASSERT_NE(table_, nullptr);
        ASSERT_EQ(table_->GetGameKind(), 2);
        ASSERT_NE(gSchafkopfGame, nullptr);
        SetModalDialogPresenter([this](const ModalDialogRequest& request) -> INT_PTR {
            if (request.templateId != 1611)
                return IDCANCEL;
            ++opened_;
            return ShowModalDialogDriven(request, [this](HWND dialog) {
                SetForegroundWindow(dialog);
                PumpFor(100);
                drive_(dialog);
                if (IsWindow(dialog) && gWindowSlots[kManualDealSlot] == dialog) {
                    ADD_FAILURE() << "the driver left the window open";
                    SendMessageA(dialog, WM_COMMAND, kDealCancelButton, 0);
                }
            });
        });
    }

    void TearDown() override {
        SetDealPaneMaker(nullptr);
        SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return IDCANCEL; });
        RunningShell::TearDown();
    }

    void NewDeal(bool shortDeck) {
        gSchafkopfGame->schafkopfRules->shortDeck = shortDeck ? 1 : 0;
        table_->SetPhase(1, 0);
        PumpFor(50);
    }

    // The table's command, as the menu sends it.
    void OpenFromMenu(std::function<void(HWND)> drive) {
        drive_ = std::move(drive);
        SendMessageA(gWindowSlots[kTableSlot], WM_COMMAND, 1406, 0);
    }

    void LayOutSeededDeal(HWND dialog, unsigned seed, int leader);
    void ExpectHandDrawn(const Cards& placed);
    void PlayToEnd(std::vector<Cards>* played, int* firstLeader);

    TablePane* table_ = nullptr;
    int opened_ = 0;
    std::function<void(HWND)> drive_;
};

// Every card dragged from its cell to the place the seeded deal gives it, a row at a time; the
// card of seat 0's first place by double click.
void ManualDealTest::LayOutSeededDeal(HWND dialog, unsigned seed, int leader) {
    SchafkopfDealPane* pane = DealPane();
    ASSERT_NE(pane, nullptr);
    ClickItem(dialog, kDealResetButton);
    const int count = pane->cardCount, perSuit = count / 4;
    ASSERT_TRUE(std::none_of(pane->placedCards, pane->placedCards + count, [](std::uint8_t c) {
        return c != 0;
    })) << "Reset empties every place";
    Cards deck(pane->gridCards, pane->gridCards + count);
    Cards deal = deck;
    std::shuffle(deal.begin(), deal.end(), std::mt19937(seed));
    auto placeOf = [&](int card) {
        return static_cast<int>(std::find(deal.begin(), deal.end(), card) - deal.begin());
    };
    const int quick = deal[0];
    const int quickCell =
        static_cast<int>(std::find(deck.begin(), deck.end(), quick) - deck.begin());
    auto showRow = [&](int row) {
        for (int attempt = 0; attempt < 3 && pane->shownSuitRow != row; ++attempt) {
            ClickItem(dialog, kDealSuitButton + row);
            WaitFor([&] { return pane->shownSuitRow == row; }, 500);
        }
        return pane->shownSuitRow == row;
    };
    ASSERT_TRUE(showRow(quickCell / perSuit));
    DoubleClick(ScreenCentre(dialog, pane->cellRects[quickCell]));
    WaitFor([&] { return pane->placedCards[0] == quick; });
    ASSERT_EQ(pane->placedCards[0], quick) << "a double click fills the first empty place";
    for (int row = 0; row < 4; ++row) {
        ASSERT_TRUE(showRow(row)) << "row " << row;
        for (int cell = row * perSuit; cell < (row + 1) * perSuit; ++cell) {
            if (deck[cell] == quick)
                continue;
            const int place = placeOf(deck[cell]);
            for (int attempt = 0; attempt < 2 && pane->placedCards[place] != deck[cell];
                 ++attempt) {
                Drag(ScreenCentre(dialog, pane->cellRects[cell]),
                     ScreenCentre(dialog, pane->placeRects[place]));
                WaitFor([&] { return pane->placedCards[place] == deck[cell]; }, 500);
            }
            ASSERT_EQ(pane->placedCards[place], deck[cell]) << "card " << deck[cell];
            ASSERT_EQ(pane->gridCards[cell], 0);
        }
    }
    // A card dropped on a taken place stays where it was.
    const Cards before(pane->placedCards, pane->placedCards + count);
    Drag(ScreenCentre(dialog, pane->placeRects[1]), ScreenCentre(dialog, pane->placeRects[2]));
    EXPECT_EQ(Cards(pane->placedCards, pane->placedCards + count), before);
    ChooseLeader(dialog, leader);
    ClickItem(dialog, kDealOkButton);
    WaitFor([] { return gWindowSlots[kManualDealSlot] == nullptr; }, 3000);
}

// The human's hand as the table draws it: each card cell shows a card's picture (of the set the
// table chose for the cell) better than any other card of the deck does, and together the cells
// show exactly the given cards.
void ManualDealTest::ExpectHandDrawn(const Cards& placed) {
    auto* four = static_cast<FourPlayerTablePane*>(table_);
    HWND window = gWindowSlots[kTableSlot];
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpFor(100);
    RECT client;
    GetClientRect(window, &client);
    // One snapshot of the window, compared with every picture.
    HDC screen = GetDC(window);
    HDC snapshot = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(snapshot, surface);
    BitBlt(snapshot, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    Cards shown;
    for (int i = 0; i < four->cardsPerHand; ++i) {
        const RECT& cell = four->ownCardRects[i];
        if (IsRectEmpty(&cell))
            continue;
        int best = 0;
        double bestShare = 0;
        for (int set = 0; set < 4; ++set)
            for (int card = 1; card <= 32; ++card) {
                const double share =
                    MatchWithPicture(snapshot, four->ownVisibleRects[i], CardPicture(set, card),
                                     POINT{cell.left, cell.top});
                if (share > bestShare) {
                    bestShare = share;
                    best = card;
                }
            }
        if (bestShare > 0.95)
            shown.push_back(best);
    }
    SelectObject(snapshot, old);
    DeleteObject(surface);
    DeleteDC(snapshot);
    EXPECT_EQ(Sorted(shown), Sorted(placed)) << "the human's hand as drawn";
}

// Plays the game at the table to its end: the human passes by the table's buttons and plays
// the first card of its hand the table takes by the table's card click; the computer seats bid
// and play by the table's own loops; each full trick is put away by its button. Notes every
// card that lies in the trick under the seat that played it, and the first trick's leader.
void ManualDealTest::PlayToEnd(std::vector<Cards>* played, int* firstLeader) {
    auto* four = static_cast<FourPlayerTablePane*>(table_);
    HWND window = gWindowSlots[kTableSlot];
    played->assign(4, Cards());
    *firstLeader = -1;
    auto note = [&] {
        for (int seat = 0; seat < 4; ++seat) {
            const int card = gSchafkopfGame->GetTrickCard(seat);
            Cards& cards = (*played)[seat];
            if (card && std::find(cards.begin(), cards.end(), card) == cards.end())
                cards.push_back(card);
        }
    };
    for (int guard = 0; guard < 300 && table_->phase != 4; ++guard) {
        // A computer seat's claim of the rest is declined: every card is played.
        ScriptAlertAnswers({kAnswerCancel, kAnswerCancel, kAnswerCancel, kAnswerCancel});
        if (table_->phase == 1 || table_->phase == 2) {
            bool pressed = false;
            for (int item :
                 {kNoButton, kGoodButton, kAuctionNoButton, kContinueButton, kWeiterButton}) {
                if (!IsItemActive(window, item))
                    continue;
                SendMessageA(window, WM_COMMAND, item, 0);
                pressed = true;
                break;
            }
            PumpFor(pressed ? 10 : 30);
            continue;
        }
        ASSERT_EQ(table_->phase, 3) << "the game is played";
        if (*firstLeader < 0)
            *firstLeader = gSchafkopfGame->GetTrickLeader();
        note();
        if (four->trickWaiting) {
            SendMessageA(window, WM_COMMAND, kPutAwayButton, 0);
            PumpFor(10);
            continue;
        }
        auto humanHand = [] {
            std::uint8_t cards[kMaxHandCards] = {};
            gSchafkopfGame->CopyHand(cards, 0);
            return Cards(cards, cards + kMaxHandCards);
        };
        const Cards hand = humanHand();
        const auto empty = std::count(hand.begin(), hand.end(), 0);
        bool taken = false;
        for (int i = 0; i < four->cardsPerHand && !taken; ++i) {
            if (!hand[i])
                continue;
            four->PlayCardAt(0, 0, i + 1, 1);
            note();
            const Cards now = humanHand();
            taken = table_->phase != 3 || std::count(now.begin(), now.end(), 0) != empty;
        }
        if (!taken)
            PumpFor(30);
    }
    note();
    ASSERT_EQ(table_->phase, 4) << "the game came to its end";
}

class ManualDealDeckTest : public ManualDealTest, public ::testing::WithParamInterface<bool> {};

// The first deal is laid out in the bidding, the second in the first trick, with the leader's
// card already on the table.
TEST_P(ManualDealDeckTest, ASeededDealLaidOutByRealInputIsReplayed_RealInput) {
    const bool shortDeck = GetParam();
    gSettings->body.soundOn = 0;
    gSettings->body.animationOn = 0;
    gSettings->body.putAwayOn = 0;
    gSettings->body.cardDelay = 0;
    NewDeal(shortDeck);
    for (unsigned seed : {7u, 1234u}) {
        const int leader = static_cast<int>(seed % 4);
        int trickSeat = -1;
        if (seed != 7u) {
            table_->SetPhaseValue(3);
            trickSeat = (gSchafkopfGame->dealer + 1) % 4;
            const int width = gSchafkopfGame->handRowWidth;
            std::uint8_t& first = gSchafkopfGame->hands[trickSeat * width];
            gSchafkopfGame->Game()->trickCards[trickSeat] = first;
            first = 0;
        }
        std::vector<Cards> placed(4);
        OpenFromMenu([&](HWND dialog) {
            SchafkopfDealPane* pane = DealPane();
            ASSERT_NE(pane, nullptr);
            ASSERT_EQ(pane->cardCount, shortDeck ? 24 : 32);
            for (int seat = 0; seat < 4; ++seat) {
                Cards own = HandOf(seat);
                if (seat == trickSeat)
                    own.push_back(gSchafkopfGame->Game()->trickCards[seat]);
                EXPECT_EQ(Sorted(PlacesOf(pane, seat)), Sorted(own))
                    << "the window opens with the table's deal, seat " << seat;
            }
            LayOutSeededDeal(dialog, seed, leader);
            for (int seat = 0; seat < 4; ++seat)
                placed[seat] = PlacesOf(pane, seat);
        });
        ASSERT_EQ(gWindowSlots[kManualDealSlot], nullptr) << "OK closed the window";
        const int perHand = shortDeck ? 6 : 8, width = gSchafkopfGame->handRowWidth;
        for (int seat = 0; seat < 4; ++seat) {
            Cards row(gSchafkopfGame->dealtCards + seat * width,
                      gSchafkopfGame->dealtCards + (seat + 1) * width);
            Cards expected = placed[seat];
            expected.resize(width, 0);
            EXPECT_EQ(row, expected) << "seat " << seat << "'s row in order, the rest empty";
            EXPECT_EQ(Sorted(HandOf(seat)), Sorted(placed[seat])) << "seat " << seat;
            EXPECT_EQ(static_cast<int>(HandOf(seat).size()), perHand);
            // The computer player plays each seat's cards from its own block.
            const std::uint8_t* block = gSchafkopfGame->Game()->seats[seat].hand;
            EXPECT_EQ(Sorted(Cards(block, block + perHand)), Sorted(placed[seat]))
                << "seat " << seat << " plays the placed cards";
            EXPECT_EQ(block[perHand], 0);
        }
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(gSchafkopfGame->GetTrickCard(seat), 0) << "no card left on the table";
        EXPECT_EQ(gSchafkopfGame->dealer, (leader + 3) % 4);
        EXPECT_EQ(gSchafkopfGame->GetTrickLeader(), leader);
        EXPECT_EQ(table_->phase, 1) << "the table bids again";
        ExpectHandDrawn(placed[0]);
        std::vector<Cards> played;
        int firstLeader = -1;
        PlayToEnd(&played, &firstLeader);
        EXPECT_EQ(firstLeader, leader) << "the chosen leader leads the first trick";
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(Sorted(played[seat]), Sorted(placed[seat]))
                << "seat " << seat << " plays exactly its placed cards";
        // The next deal starts from the table's bidding again.
        table_->SetPhase(1, 0);
        PumpFor(50);
    }
}

INSTANTIATE_TEST_SUITE_P(Decks, ManualDealDeckTest, ::testing::Values(false, true));

// The window shows the table's deal as drawn cards and an empty grid; Enter (after a click on
// a suit-row button) is OK and hands the deal back unchanged, with the chosen leader.
TEST_F(ManualDealTest, TheDrawnDealIsTakenByEnter_RealInput) {
    NewDeal(false);
    Cards hands[4];
    for (int seat = 0; seat < 4; ++seat)
        hands[seat] = HandOf(seat);
    OpenFromMenu([&](HWND dialog) {
        SchafkopfDealPane* pane = DealPane();
        ASSERT_NE(pane, nullptr);
        ClickItem(dialog, kDealSuitButton + 1);
        WaitFor([&] { return pane->shownSuitRow == 1; });
        UpdateWindow(dialog);
        PumpFor(100);
        HDC dc = GetDC(dialog);
        for (int k = 0; k < pane->cardCount; ++k)
            EXPECT_GT(MatchWithCard(dc, pane->placeRects[k], pane->placedCards[k]), 0.95)
                << "place " << k << " shows its card";
        const RECT& cell = pane->cellRects[8];
        EXPECT_TRUE(
            IsWhite(GetPixel(dc, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2)))
            << "the grid is empty";
        ReleaseDC(dialog, dc);
        // The leader by message here: the keys need the window active, and Wine may leave no
        // window active after the drop-down list closes (the list is clicked in the deal test).
        SendDlgItemMessageA(dialog, kDealLeaderCombo, CB_SETCURSEL, 2, 0);
        // Without a window manager the window may not be active yet when the key comes: make
        // it so and press again while it stays open.
        for (int attempt = 0; attempt < 3 && gWindowSlots[kManualDealSlot]; ++attempt) {
            SetForegroundWindow(dialog);
            WaitFor([&] { return GetForegroundWindow() == dialog; }, 1000);
            PressEnter();
            WaitFor([] { return gWindowSlots[kManualDealSlot] == nullptr; }, 3000);
        }
    });
    EXPECT_EQ(gWindowSlots[kManualDealSlot], nullptr) << "Enter took the deal";
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(Sorted(HandOf(seat)), Sorted(hands[seat])) << "seat " << seat;
    EXPECT_EQ(gSchafkopfGame->dealer, 1) << "combo 207 on seat 2: the dealer is seat 1";
    EXPECT_EQ(gSchafkopfGame->GetTrickLeader(), 2);
}

TEST_F(ManualDealTest, ResetThenOkKeepsTheWindowAndCancelChangesNothing) {
    NewDeal(false);
    std::uint8_t dealt[kDeckPlaces], hands[kDeckPlaces];
    std::memcpy(dealt, gSchafkopfGame->dealtCards, sizeof dealt);
    std::memcpy(hands, gSchafkopfGame->hands, sizeof hands);
    const int dealer = gSchafkopfGame->dealer;
    RECT windowBefore = {}, windowAfter = {};
    OpenFromMenu([&](HWND dialog) {
        SchafkopfDealPane* pane = DealPane();
        ASSERT_NE(pane, nullptr);
        SendMessageA(dialog, WM_COMMAND, kDealSuitButton + 2, 0);
        SendMessageA(dialog, WM_COMMAND, kDealResetButton, 0);
        GetWindowRect(dialog, &windowBefore);
        ResetAlertRecorder();
        SendMessageA(dialog, WM_COMMAND, kDealOkButton, 0);
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_NE(RecordedAlerts()[0].text.find("must first deal all the cards"),
                  std::string::npos);
        ASSERT_TRUE(IsWindow(dialog));
        EXPECT_EQ(DealPane(), pane) << "the window stays with its pane";
        EXPECT_EQ(pane->shownSuitRow, 2);
        EXPECT_EQ(std::count(pane->gridCards, pane->gridCards + 32, 0), 0)
            << "the deck stays in the grid";
        GetWindowRect(dialog, &windowAfter);
        EXPECT_TRUE(EqualRect(&windowBefore, &windowAfter));
        SendMessageA(dialog, WM_COMMAND, kDealCancelButton, 0);
    });
    EXPECT_EQ(gWindowSlots[kManualDealSlot], nullptr);
    EXPECT_EQ(std::memcmp(dealt, gSchafkopfGame->dealtCards, sizeof dealt), 0);
    EXPECT_EQ(std::memcmp(hands, gSchafkopfGame->hands, sizeof hands), 0);
    EXPECT_EQ(gSchafkopfGame->dealer, dealer);
}

// In the first trick a seat's card on the table is still one of its cards in the window.
TEST_F(ManualDealTest, TheFirstTrickCardsStayWithTheirSeats) {
    NewDeal(false);
    const int width = gSchafkopfGame->handRowWidth;
    // Seat 2 has put its first card into the trick.
    const int card = gSchafkopfGame->hands[2 * width];
    gSchafkopfGame->hands[2 * width] = 0;
    gSchafkopfGame->Game()->trickCards[2] = static_cast<std::int16_t>(card);
    OpenFromMenu([&](HWND dialog) {
        SchafkopfDealPane* pane = DealPane();
        ASSERT_NE(pane, nullptr);
        Cards seat2 = PlacesOf(pane, 2);
        EXPECT_NE(std::find(seat2.begin(), seat2.end(), card), seat2.end());
        for (int seat = 0; seat < 4; ++seat) {
            const Cards places = PlacesOf(pane, seat);
            EXPECT_EQ(std::count(places.begin(), places.end(), 0), 0)
                << "seat " << seat << " holds a whole hand";
        }
        SendMessageA(dialog, WM_COMMAND, kDealCancelButton, 0);
    });
    gSchafkopfGame->Game()->trickCards[2] = 0;
}

// At every table size, with and without super small cards, the window shows the small cards at
// one size, lies on the screen and nothing in it overlaps.
TEST_F(ManualDealTest, TheWindowFitsTheScreenWithoutOverlapsAtEverySize) {
    NewDeal(false);
    RECT firstSize = {};
    for (int size : {0, 1, 2}) {
        for (int superSmall : {0, 1}) {
            gSettings->body.superSmallCards = static_cast<std::int16_t>(superSmall);
            gSettings->SetCardSize(static_cast<std::int16_t>(size), true);
            // A saved place near the bottom right would push the window off the screen.
            gSettings->body.windowRects[kManualDealSlot] = WindowRect{900, 700, 1000, 760};
            OpenFromMenu([&](HWND dialog) {
                SchafkopfDealPane* pane = DealPane();
                ASSERT_NE(pane, nullptr);
                ASSERT_TRUE(pane->smallCardsLoaded)
                    << "size " << size << " super small " << superSmall;
                RECT frame;
                GetWindowRect(dialog, &frame);
                EXPECT_GE(frame.left, 0);
                EXPECT_GE(frame.top, 0);
                EXPECT_LE(frame.right, 1024) << "size " << size;
                EXPECT_LE(frame.bottom, 768) << "size " << size;
                RECT client;
                GetClientRect(dialog, &client);
                if (IsRectEmpty(&firstSize))
                    firstSize = client;
                EXPECT_TRUE(EqualRect(&firstSize, &client)) << "one size at every table size";
                std::vector<std::pair<std::string, RECT>> parts;
                for (int item : {100, 200, 201, 202, 203, 204, 205, 206, 207}) {
                    RECT rect;
                    HWND control = GetDlgItem(dialog, item);
                    GetWindowRect(control, &rect);
                    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
                    if (item == 207)
                        rect.bottom = rect.top + 24; // the closed list
                    parts.push_back({"item " + std::to_string(item), rect});
                }
                for (int i = 0; i < pane->cardCount / 4; ++i)
                    parts.push_back({"cell " + std::to_string(i), pane->cellRects[i]});
                for (int k = 0; k < pane->cardCount; ++k)
                    parts.push_back({"place " + std::to_string(k), pane->placeRects[k]});
                for (int seat = 0; seat < 4; ++seat)
                    parts.push_back({"name " + std::to_string(seat), pane->NameBox(seat)});
                for (size_t a = 0; a < parts.size(); ++a) {
                    RECT inside;
                    EXPECT_TRUE(IntersectRect(&inside, &parts[a].second, &client) &&
                                EqualRect(&inside, &parts[a].second))
                        << parts[a].first << " lies in the window";
                    for (size_t b = a + 1; b < parts.size(); ++b)
                        EXPECT_FALSE(Overlap(parts[a].second, parts[b].second))
                            << parts[a].first << " and " << parts[b].first;
                }
                SendMessageA(dialog, WM_COMMAND, kDealCancelButton, 0);
            });
            // The table's own pictures are back.
            WindowRect bounds;
            gSettings->GetCardSetBounds(0, &bounds);
            EXPECT_GT(bounds.right - bounds.left, 0);
        }
    }
    gSettings->body.superSmallCards = 0;
    gSettings->SetCardSize(1, true);
}

TEST_F(ManualDealTest, ADoubleClickWithNothingFreeBeepsAndLosesNothing) {
    NewDeal(false);
    OpenFromMenu([&](HWND dialog) {
        SchafkopfDealPane* pane = DealPane();
        ASSERT_NE(pane, nullptr);
        // Every place full and one card in the grid: a double click on it finds no place.
        pane->gridCards[0] = pane->placedCards[0];
        const std::vector<std::uint8_t> grid(pane->gridCards, pane->gridCards + 48);
        const std::vector<std::uint8_t> places(pane->placedCards, pane->placedCards + 48);
        const RECT& cell = pane->cellRects[0];
        pane->HandleClick(cell.left + 5, cell.top + 5, 1);
        EXPECT_EQ(std::vector<std::uint8_t>(pane->gridCards, pane->gridCards + 48), grid);
        EXPECT_EQ(std::vector<std::uint8_t>(pane->placedCards, pane->placedCards + 48), places);
        EXPECT_EQ(pane->HitTest(pane->placeRects[3].left + 2, pane->placeRects[3].top + 2, false),
                  0)
            << "a taken place takes no card";
        pane->gridCards[0] = 0;
        SendMessageA(dialog, WM_COMMAND, kDealCancelButton, 0);
    });
}

TEST_F(ManualDealTest, WithoutAPaneTheWindowIsEmptyAndCloses) {
    NewDeal(false);
    SetDealPaneMaker([](int, HWND) -> ManualDealPane* { return nullptr; });
    for (int button : {kDealOkButton, kDealCancelButton}) {
        OpenFromMenu([&](HWND dialog) {
            EXPECT_EQ(gPaneSlots[kManualDealSlot], nullptr);
            InvalidateRect(dialog, nullptr, TRUE);
            PumpFor(30);
            SendMessageA(dialog, WM_COMMAND, kDealSuitButton, 0);
            SendMessageA(dialog, WM_COMMAND, button, 0);
        });
        EXPECT_EQ(gWindowSlots[kManualDealSlot], nullptr);
    }
    EXPECT_EQ(opened_, 2);
}

} // namespace

#include "views/win32/DoubleDeckDealPane.h"

#include <algorithm>
#include <cstring>

#include "engine/CardCodes.h"
#include "engine/ComputerPlayer.h"
#include "games/fourplayer/DoppelkopfController.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowSlots.h"
#include "views/win32/TablePane.h"

namespace {

constexpr int kSuitButtonsLeft = 5;
constexpr int kSuitButtonsWidth = 100;
constexpr int kGridTop = 27;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kButtonsRightGap = 40;

void MoveItem(HWND window, int item, int x, int y, int width, int height) {
    if (HWND control = window ? GetDlgItem(window, item) : nullptr)
        MoveWindow(control, x, y, width, height, FALSE);
}

bool IsCard(std::uint8_t card) {
    return card != 0 && card != kNeverDealt;
}

} // namespace

void DoubleDeckDealPane::InitFourSeat(GameController* game, Settings* paneSettings, HWND paneWindow,
                                      DoppelkopfController* tableController, int cards) {
    dealController = tableController;
    InitSide(game, paneSettings, paneWindow, cards, 4);
    std::uint8_t rows[kDeckPlaces] = {};
    CollectSeatCards(rows);
    LoadDeal(rows);
}

bool DoubleDeckDealPane::IsShortDeck() {
    return dealController && dealController->player && dealController->player->IsShortDeck();
}

// A card a seat has put into the first trick is still one of its dealt cards.
void DoubleDeckDealPane::CollectSeatCards(std::uint8_t* rows) {
    std::memset(rows, 0, kDeckPlaces);
    if (!dealController)
        return;
    const int width = std::clamp<int>(dealController->handRowWidth, 1, kRowPlaces);
    std::memcpy(rows, dealController->hands, kDeckPlaces);
    if (dealController->GetCurrentTrickNumber() > 1)
        return;
    for (int seat = 0; seat < kTableSeats; ++seat) {
        const int card = dealController->GetTrickCard(seat);
        if (card <= 0 || card > 32)
            continue;
        std::uint8_t* row = rows + seat * width;
        std::uint8_t* free =
            std::find_if(row, row + width, [](std::uint8_t c) { return !IsCard(c); });
        if (free != row + width)
            *free = static_cast<std::uint8_t>(card);
    }
}

void DoubleDeckDealPane::DeckOrder(std::uint8_t* cards) {
    std::memset(cards, 0, kDealCells);
    const int lowest = IsShortDeck() ? 4 : 3;
    int cell = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int step = lowest; step <= 8; ++step)
            for (int copy = 0; copy < 2 && cell < kDealCells; ++copy)
                cards[cell++] = static_cast<std::uint8_t>(suit * 8 + step);
}

void DoubleDeckDealPane::BuildDeck() {
    std::memset(placedCards, 0, sizeof placedCards);
    DeckOrder(gridCards);
}

void DoubleDeckDealPane::LoadDeal(const std::uint8_t* source) {
    ClearGrid();
    std::memset(placedCards, 0, sizeof placedCards);
    const int perSeat = PlacesPerSeat();
    const int width =
        dealController ? std::clamp<int>(dealController->handRowWidth, 1, kRowPlaces) : kRowPlaces;
    for (int seat = 0; seat < kTableSeats; ++seat) {
        int place = 0;
        for (int p = 0; p < width && place < perSeat; ++p) {
            const std::uint8_t card = source[seat * width + p];
            if (IsCard(card))
                placedCards[seat * perSeat + place++] = card;
        }
    }
    // Whatever the rows do not hold stays in the grid, so no card of the deck is lost.
    std::uint8_t deck[kDealCells];
    DeckOrder(deck);
    std::uint8_t placed[kDealCells];
    std::memcpy(placed, placedCards, sizeof placed);
    for (int i = 0; i < cardCount; ++i) {
        std::uint8_t* match = std::find(placed, placed + cardCount, deck[i]);
        if (match != placed + cardCount)
            *match = 0;
        else
            gridCards[i] = deck[i];
    }
}

void DoubleDeckDealPane::DrawCardCell(int code, const RECT* rect) {
    Pane::DrawCardCell(code >= 1 && code <= 32 ? ConvertToPictureOrder(code) : 0, rect);
}

int DoubleDeckDealPane::GridLeft() {
    return kSuitButtonsLeft + kSuitButtonsWidth + 10;
}

int DoubleDeckDealPane::CellStep() {
    return cellSize.right + 1;
}

// The client area holds the grid beside the suit-row buttons with OK, Cancel and Reset at its
// right, and the four seats' columns below.
void DoubleDeckDealPane::GetBounds(RECT* compact, RECT* full) {
    const int w = cellSize.right, h = cellSize.bottom;
    const int half = std::max(1, cardCount / 8);
    const int gridRight = GridLeft() + (half - 1) * CellStep() + w;
    const int width = std::max(8 * w + 35, gridRight + 10 + kButtonWidth + kButtonsRightGap);
    const int placesBottom = 2 * h + 48 + half * (h + 1);
    const int height = std::max(placesBottom + 5, (cardCount > 40 ? 8 : 6) * h + 46);
    SetRect(compact, 0, 0, width + FrameExtraWidth(false),
            height + FrameExtraHeight(false, false) + 9);
    SetRect(full, 0, 0, compact->right, compact->bottom + 3000);
}

void DoubleDeckDealPane::GetGridArea(RECT* area) {
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    SetRect(area, GridLeft() - 3, kGridTop - 3, client.right, kGridTop + 2 * cellSize.bottom + 5);
}

void DoubleDeckDealPane::LayoutGrid() {
    const int w = cellSize.right, h = cellSize.bottom;
    const int perSuit = std::max(2, cardCount / 4), half = perSuit / 2;
    for (int i = 0; i < kDealCells; ++i) {
        const int j = i % perSuit;
        const int left = GridLeft() + (j % half) * CellStep();
        const int top = kGridTop + (j / half) * (h + 1);
        cellRects[i] = RECT{left, top, left + w, top + h};
    }
}

// Each seat: the first half of its places going down, the second half coming back up in the
// column beside it.
void DoubleDeckDealPane::LayoutPlaces() {
    const int w = cellSize.right, h = cellSize.bottom;
    const int perSeat = std::max(2, PlacesPerSeat()), half = perSeat / 2;
    std::fill(std::begin(placeRects), std::end(placeRects), RECT{0, 0, 0, 0});
    for (int k = 0; k < cardCount; ++k) {
        const int seat = k / perSeat, p = k % perSeat;
        const int left = 5 + seat * (2 * w + 8) + (p < half ? 0 : w + 1);
        const int row = p < half ? p : perSeat - 1 - p;
        const int top = 2 * h + 48 + row * (h + 1);
        placeRects[k] = RECT{left, top, left + w, top + h};
    }
}

RECT DoubleDeckDealPane::NameBox(int seat) {
    const RECT& first = placeRects[seat * PlacesPerSeat()];
    return RECT{first.left, first.top - 17, first.left + 2 * cellSize.right + 1, first.top - 1};
}

void DoubleDeckDealPane::DrawPlaces() {
    for (int seat = 0; seat < kTableSeats && PlacesPerSeat() > 0; ++seat) {
        char name[kNameTextSize] = "";
        if (dealController)
            dealController->GetPlayerNameC(name, seat);
        DrawFittedName(name, NameBox(seat));
    }
    for (int k = 0; k < cardCount; ++k)
        DrawCardCell(placedCards[k], &placeRects[k]);
}

int DoubleDeckDealPane::FirstLeader() {
    return dealController ? (dealController->dealer + 1) % kTableSeats : 0;
}

void DoubleDeckDealPane::PlaceItems() {
    ManualDealPane::PlaceItems(); // the list of leaders and the window's size
    if (!window)
        return;
    const int h = cellSize.bottom;
    RECT client;
    GetClientRect(window, &client);
    MoveItem(window, kDealLeaderLabel, kSuitButtonsLeft, 5, kSuitButtonsWidth, 16);
    MoveItem(window, kDealLeaderCombo, kSuitButtonsLeft + kSuitButtonsWidth + 5, 2, 160, 140);
    const int rowHeight = std::max(16, (2 * h + 1) / 4);
    for (int i = 0; i < 4; ++i) {
        ShowItem(window, kDealSuitButton + i);
        MoveItem(window, kDealSuitButton + i, kSuitButtonsLeft, kGridTop + i * rowHeight,
                 kSuitButtonsWidth, rowHeight - 2);
    }
    const int left = client.right - kButtonsRightGap - kButtonWidth;
    MoveItem(window, kDealOkButton, left, kGridTop, kButtonWidth, kButtonHeight);
    MoveItem(window, kDealCancelButton, left, kGridTop + 30, kButtonWidth, kButtonHeight);
    MoveItem(window, kDealResetButton, left, kGridTop + 60, kButtonWidth, kButtonHeight);
}

// Each seat's placed cards fill the front of its row in order; the rest of the row is empty.
void DoubleDeckDealPane::TakeDeal() {
    if (!dealController)
        return;
    const int width = std::clamp<int>(dealController->handRowWidth, 1, kRowPlaces);
    const int perSeat = PlacesPerSeat();
    for (int seat = 0; seat < kTableSeats; ++seat) {
        std::uint8_t* row = dealController->dealtCards + seat * width;
        std::memset(row, 0, width);
        std::memcpy(row, placedCards + seat * perSeat, std::min(perSeat, width));
    }
    const int leader = ChosenLeader();
    dealController->SetTrickLeader(leader);
    dealController->dealer = static_cast<std::int16_t>((leader + kTableSeats - 1) % kTableSeats);
    if (auto* table = static_cast<TablePane*>(gPaneSlots[0]))
        table->ReplayGame(0);
}

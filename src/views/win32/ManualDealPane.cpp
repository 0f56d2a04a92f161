#include "views/win32/ManualDealPane.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "games/fourplayer/GameController.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"

namespace {

constexpr std::int16_t kTextList = 1503;
constexpr std::int16_t kDealNotComplete = 23; // "Sorry! You must first deal all the cards."

struct ItemText {
    int item;
    std::int16_t index;
};
constexpr ItemText kItemTexts[] = {{kDealOkButton, 6},       {kDealSuitButton, 1},
                                   {kDealSuitButton + 1, 2}, {kDealSuitButton + 2, 3},
                                   {kDealSuitButton + 3, 4}, {kDealResetButton, 22},
                                   {kDealCancelButton, 7}};

bool InRect(const RECT& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

RECT CellAt(int left, int top, int width, int height) {
    return RECT{left, top, left + width, top + height};
}

void MoveItem(HWND window, int item, int x, int y, int width, int height) {
    if (HWND control = window ? GetDlgItem(window, item) : nullptr)
        MoveWindow(control, x, y, width, height, FALSE);
}

} // namespace

void ActivateMainWindow() {
    if (gMainWindow && GetActiveWindow() != gMainWindow)
        SetActiveWindow(gMainWindow);
}

// The small pictures the window showed give way to those of the table's card size, also after
// a load that stopped halfway.
ManualDealPane::~ManualDealPane() {
    if (settings)
        settings->ReloadCardPictures();
}

void ManualDealPane::InitSide(GameController* game, Settings* paneSettings, HWND paneWindow,
                              int cards, int seats) {
    Init(game, paneSettings, paneWindow, nullptr);
    cardCount = static_cast<std::int16_t>(std::clamp(cards, 0, kDealCells));
    seatCount = static_cast<std::int16_t>(std::clamp(seats, 1, 4));
    if (window)
        for (const ItemText& text : kItemTexts)
            SetItemTextFromList(window, text.item, kTextList, text.index);
    smallCardsLoaded = settings && settings->LoadSmallCardSet(true) ? 1 : 0;
    if (settings) {
        WindowRect bounds = {0, 0, 0, 0};
        settings->GetCardSetBounds(2, &bounds);
        cellSize = RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    }
    RECT compact, full;
    GetBounds(&compact, &full);
    fullGrid = full.bottom - full.top < gScreenRect.bottom - gScreenRect.top - 30 ? 1 : 0;
    ClearGrid();
    std::memset(placedCards, 0, sizeof placedCards);
    // The Skat table keeps no deal buffer for this window yet: it starts from the whole deck.
    if (seatCount == 3)
        BuildDeck();
    shownSuitRow = 0;
    LayoutGrid();
    LayoutPlaces();
    PlaceItems();
}

void ManualDealPane::ClearGrid() {
    std::memset(gridCards, 0, sizeof gridCards);
}

void ManualDealPane::BuildDeck() {
    ClearGrid();
    std::memset(placedCards, 0, sizeof placedCards);
    for (int i = 0; i < cardCount; ++i)
        gridCards[i] = static_cast<std::uint8_t>(i + 1);
}

void ManualDealPane::LoadDeal(const std::uint8_t* source) {
    ClearGrid();
    std::memset(placedCards, 0, sizeof placedCards);
    std::memcpy(placedCards, source, cardCount);
}

void ManualDealPane::GetBounds(RECT* compact, RECT* full) {
    const int w = cellSize.right, h = cellSize.bottom;
    const int frameWidth = FrameExtraWidth(false), frameHeight = FrameExtraHeight(false, false) + 5;
    SetRect(compact, 0, 0, 10 * w + 20 + frameWidth, 4 * h + 111 + frameHeight);
    SetRect(full, 0, 0, compact->right, compact->bottom + 3 * h - 15);
}

void ManualDealPane::GetGridArea(RECT* area) {
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    const int h = cellSize.bottom;
    if (fullGrid)
        SetRect(area, 0, 23, client.right, 4 * h + 32);
    else
        SetRect(area, 0, 48, client.right, h + 51);
}

void ManualDealPane::LayoutGrid() {
    const int w = cellSize.right, h = cellSize.bottom;
    const int perSuit = std::max(1, cardCount / 4);
    for (int i = 0; i < kDealCells; ++i) {
        const int row = i / perSuit, column = i % perSuit;
        cellRects[i] = fullGrid ? CellAt(5 + column * (w + 1), 25 + row * (h + 3), w, h)
                                : CellAt(5 + column * (w + 1), 50, w, h);
    }
}

void ManualDealPane::LayoutPlaces() {
    const int w = cellSize.right, h = cellSize.bottom;
    RECT area;
    GetGridArea(&area);
    const int top = area.bottom + 27;
    for (int k = 0; k < kDealCells; ++k) {
        if (k < 30)
            placeRects[k] = CellAt(5 + (k % 10) * (w + 1), top + (k / 10) * (h + 20), w, h);
        else
            placeRects[k] = CellAt(8 * w + 15 + (k - 30) * (w + 1), top + 3 * (h + 20), w, h);
    }
}

bool ManualDealPane::IsComplete() {
    for (int k = 0; k < cardCount; ++k)
        if (placedCards[k] == 0)
            return false;
    return true;
}

void ManualDealPane::ShownCells(int* first, int* count) const {
    if (fullGrid) {
        *first = 0;
        *count = cardCount;
        return;
    }
    *count = cardCount / 4;
    *first = shownSuitRow * *count;
}

void ManualDealPane::DrawGrid() {
    int first = 0, count = 0;
    ShownCells(&first, &count);
    for (int i = first; i < first + count; ++i)
        DrawCardCell(gridCards[i], &cellRects[i]);
}

void ManualDealPane::DrawPlaces() {
    static constexpr int kNamedSeats[] = {0, 1, 3};
    const int perSeat = PlacesPerSeat();
    for (int seat = 0; seat < seatCount && seat < 3; ++seat) {
        char name[kNameTextSize] = "";
        if (controller)
            controller->GetPlayerNameC(name, kNamedSeats[seat]);
        const RECT& first = placeRects[seat * perSeat];
        DrawFittedName(name, RECT{5, first.top - 16, first.left + perSeat * (cellSize.right + 1),
                                  first.top - 2});
    }
    for (int k = 0; k < cardCount; ++k)
        DrawCardCell(placedCards[k], &placeRects[k]);
    if (cardCount > 30) {
        MoveTo(placeRects[30].left + 30, placeRects[30].top - 3);
        DrawString("Skat", false);
    }
}

void ManualDealPane::DrawFittedName(const char* name, const RECT& box) {
    const int width = box.right - box.left;
    std::string shown = name;
    int size = 10;
    TextSize(size);
    while (StringWidth(shown.c_str()) > width && size > 7)
        TextSize(--size);
    if (StringWidth(shown.c_str()) > width) {
        // Still too wide at the smallest size: the end gives way to "...".
        while (!shown.empty() && StringWidth((shown + "...").c_str()) > width)
            shown.pop_back();
        shown += "...";
    }
    MoveTo(box.left, box.bottom - 2);
    DrawString(shown.c_str(), false);
    TextSize(10);
}

void ManualDealPane::Draw(const RECT* rect) {
    Pane::Draw(rect);
    if (!smallCardsLoaded)
        return;
    PortScope port(window);
    TextFont(kFontArial);
    TextSize(10);
    DrawGrid();
    DrawPlaces();
    TextFont(kFontCourierNew);
    TextSize(12);
}

RECT ManualDealPane::RectOf(int number) const {
    if (number >= 1 && number <= kDealCells)
        return cellRects[number - 1];
    if (number >= kFirstPlaceNumber && number < kFirstPlaceNumber + kDealCells)
        return placeRects[number - kFirstPlaceNumber];
    return RECT{0, 0, 0, 0};
}

std::uint8_t* ManualDealPane::CardAt(int number) {
    if (number >= 1 && number <= kDealCells)
        return &gridCards[number - 1];
    if (number >= kFirstPlaceNumber && number < kFirstPlaceNumber + kDealCells)
        return &placedCards[number - kFirstPlaceNumber];
    return nullptr;
}

int ManualDealPane::HitTest(int x, int y, bool pickUp) {
    int first = 0, count = 0;
    ShownCells(&first, &count);
    for (int i = first; i < first + count; ++i) {
        if (InRect(cellRects[i], x, y))
            return pickUp && gridCards[i] == 0 ? 0 : i + 1;
    }
    for (int k = 0; k < cardCount; ++k) {
        if (!InRect(placeRects[k], x, y))
            continue;
        const bool filled = placedCards[k] != 0;
        return filled == pickUp ? kFirstPlaceNumber + k : 0;
    }
    return 0;
}

void ManualDealPane::InvalidateNumber(int number) {
    if (!window)
        return;
    RECT rect = RectOf(number);
    InflateRect(&rect, 3, 3);
    InvalidateRect(window, &rect, FALSE);
}

void ManualDealPane::MoveCard(int, int, int from, int to, bool quick) {
    std::uint8_t* card = CardAt(from);
    if (!card || *card == 0)
        return;
    const bool fromPlace = from >= kFirstPlaceNumber;
    if (quick) {
        to = 0;
        for (int i = 0; i < cardCount && to == 0; ++i) {
            if (fromPlace && gridCards[i] == 0)
                to = i + 1;
            if (!fromPlace && placedCards[i] == 0)
                to = kFirstPlaceNumber + i;
        }
        if (to == 0) {
            SysBeep(2);
            return;
        }
    } else if (to >= 1 && to <= cardCount) {
        if (!fromPlace)
            return; // from one cell to another: the deck keeps its order
        int free = 0;
        for (int step = 0; step < cardCount && free == 0; ++step) {
            const int i = (to - 1 + step) % cardCount;
            if (gridCards[i] == 0)
                free = i + 1;
        }
        if (free == 0)
            return;
        to = free;
    }
    std::uint8_t* target = CardAt(to);
    if (!target || *target != 0 || target == card)
        return;
    *target = *card;
    *card = 0;
    InvalidateNumber(from);
    InvalidateNumber(to);
}

// The three-seat pane moves by double click only; the windows' adapters drag.
void ManualDealPane::DragCard(int, int, int) {}
void ManualDealPane::HandleMouseEvent(int, int, int, unsigned) {}
void ManualDealPane::CancelDrag() {}

void ManualDealPane::HandleClick(int x, int y, int doubleClick) {
    const int number = HitTest(x, y, true);
    if (number == 0)
        return;
    PortScope port(window);
    if (doubleClick)
        MoveCard(x, y, number, number, true);
    else
        DragCard(x, y, number);
}

void ManualDealPane::HandleKey(std::int8_t key) {
    if (key == 3 || key == 13)
        HandleCommand(kDealOkButton);
}

void ManualDealPane::HandleCommand(int id) {
    if (id >= kDealSuitButton && id <= kDealSuitButton + 3) {
        shownSuitRow = static_cast<std::int16_t>(id - kDealSuitButton);
        if (window) {
            RECT area;
            GetGridArea(&area);
            InvalidateRect(window, &area, TRUE);
        }
        return;
    }
    if (id == kDealResetButton) {
        BuildDeck();
        InvalidateAll();
        return;
    }
    if (id != kDealOkButton)
        return;
    if (!IsComplete()) {
        StopAlert(kTextList, kDealNotComplete, "");
        return;
    }
    TakeDeal();
    dealTaken = 1;
}

// The Skat table takes the deal with its own deal buffer, which comes with the Skat game.
void ManualDealPane::TakeDeal() {}

void ManualDealPane::UpdateMenus() {}

void ManualDealPane::ReceiveValue(int command) {
    const int perSeat = PlacesPerSeat();
    if (perSeat == 0 || command < 2001 || command > 2008)
        return;
    std::uint8_t seats[4][kDealCells] = {};
    for (int seat = 0; seat < seatCount; ++seat)
        std::memcpy(seats[seat], placedCards + seat * perSeat, perSeat);
    auto place = [&](int seat, int from) {
        std::memcpy(placedCards + seat * perSeat, seats[from], perSeat);
    };
    auto swap = [&](int a, int b) {
        if (a < seatCount && b < seatCount) {
            place(a, b);
            place(b, a);
        }
    };
    switch (command) {
    case 2001:
        for (int seat = 0; seat < seatCount; ++seat)
            place(seat, (seat + seatCount - 1) % seatCount);
        break;
    case 2002:
        for (int seat = 0; seat < seatCount; ++seat)
            place(seat, (seat + 1) % seatCount);
        break;
    case 2003:
    case 2004:
    case 2005:
        swap(0, command - 2002);
        break;
    case 2006:
    case 2007:
        swap(1, command - 2004);
        break;
    default:
        swap(2, 3);
        break;
    }
    InvalidateAll();
}

int ManualDealPane::FirstLeader() {
    return 0;
}

int ManualDealPane::ChosenLeader() {
    const LRESULT chosen =
        window ? SendDlgItemMessageA(window, kDealLeaderCombo, CB_GETCURSEL, 0, 0) : CB_ERR;
    return chosen == CB_ERR ? FirstLeader() : static_cast<int>(chosen);
}

void ManualDealPane::PlaceItems() {
    if (!window)
        return;
    SendDlgItemMessageA(window, kDealLeaderCombo, CB_RESETCONTENT, 0, 0);
    for (int seat = 0; seat < seatCount; ++seat) {
        char name[kNameTextSize] = "";
        if (controller)
            controller->GetPlayerNameC(name, seat);
        SendDlgItemMessageA(window, kDealLeaderCombo, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageA(window, kDealLeaderCombo, CB_SETCURSEL, FirstLeader(), 0);
    RECT compact, full;
    GetBounds(&compact, &full);
    const RECT& size = fullGrid ? full : compact;
    SizeWindow(window, size.right, size.bottom);
    RECT client;
    GetClientRect(window, &client);
    if (fullGrid)
        for (int item = kDealSuitButton; item <= kDealSuitButton + 3; ++item)
            HideItem(window, item);
    else
        for (int item = kDealSuitButton; item <= kDealSuitButton + 3; ++item)
            MoveItem(window, item, 5 + (item - kDealSuitButton) * 70, 22, 66, 22);
    const int right = client.right - 30;
    MoveItem(window, kDealOkButton, right - 70, 35, 70, 24);
    MoveItem(window, kDealCancelButton, right - 70, 65, 70, 24);
    MoveItem(window, kDealResetButton, right - 70, 95, 70, 24);
}

// ---- The drag of the windows' adapters
// --------------------------------------------------------------

// The outline of the dragged cell or place where the pointer moved it; drawn twice it is gone.
void DealDrag::DrawOutline(ManualDealPane& pane) {
    RECT r = pane.RectOf(number);
    if (IsRectEmpty(&r))
        return;
    OffsetRect(&r, current.x - start.x, current.y - start.y);
    InvertOutline(pane.window, r);
}

void DealDrag::Step(ManualDealPane& pane, int x, int y, int dragged) {
    if (!dragging) {
        // The press: the window holds the mouse until the release.
        dragging = 1;
        start = current = {x, y};
        number = static_cast<std::int16_t>(dragged);
        if (pane.window)
            SetCapture(pane.window);
        DrawOutline(pane);
        outlineShown = true;
        return;
    }
    if (outlineShown)
        DrawOutline(pane);
    current = {x, y};
    DrawOutline(pane);
    outlineShown = true;
}

void DealDrag::End(ManualDealPane& pane, int x, int y, bool drop) {
    if (!dragging)
        return;
    if (outlineShown)
        DrawOutline(pane);
    outlineShown = false;
    dragging = 0; // before the capture goes: losing it ends no drag twice
    if (pane.window && GetCapture() == pane.window)
        ReleaseCapture();
    if (!drop)
        return;
    RECT client = {0, 0, 0, 0};
    if (pane.window)
        GetClientRect(pane.window, &client);
    const POINT at = {x, y};
    const int target = PtInRect(&client, at) ? pane.HitTest(x, y, false) : 0;
    if (target != 0)
        pane.MoveCard(x, y, number, target, false);
}

void DealDrag::HandleMouseEvent(ManualDealPane& pane, int x, int y, unsigned message) {
    if (dragging) {
        if (message == WM_LBUTTONUP)
            End(pane, x, y, true);
        else
            Step(pane, x, y, number);
        return;
    }
    if (message == WM_LBUTTONDOWN)
        pane.HandleClick(x, y, 0);
}

#include "views/win32/OpenCardsPane.h"

#include <cstring>

#include "engine/CardCodes.h"
#include "games/fourplayer/FourSeatController.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "shell/Settings.h"

namespace {

RECT SetBounds(Settings* settings, int set) {
    WindowRect bounds = {0, 0, 0, 0};
    if (settings)
        settings->GetCardSetBounds(set, &bounds);
    RECT rect = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    OffsetRect(&rect, -rect.left, -rect.top);
    return rect;
}

// The step from one card of the overlapped row to the next.
int OverlapStep(int cardWidth) {
    return 8 * cardWidth / 18 + 1;
}

void AddWindowFrame(RECT* bounds) {
    bounds->right += FrameExtraWidth(false) + 2;
    bounds->bottom += FrameExtraHeight(false, false) + 2;
}

} // namespace

void OpenCardsPane::InitSide(GameController* gameController, int seat, Settings* paneSettings,
                             TablePane* table, int perHand) {
    Init(gameController, paneSettings, nullptr, nullptr);
    player = static_cast<std::int16_t>(seat);
    tablePane = table;
    cardsPerHand = static_cast<std::int16_t>(perHand < 0 ? 0 : perHand > kMaxOpenCards ? kMaxOpenCards : perHand);
    PrepareHand();
}

// The Skat hand's display order belongs to the Skat game, which keeps no hands yet.
void OpenCardsPane::PrepareHand() {}

RECT OpenCardsPane::CardCell(int* set) {
    smallFaces = settings && settings->body.superSmallCards ? 1 : 0;
    fullSize = settings && settings->body.ownCardsFullSize ? 1 : 0;
    int chosen = 0;
    if (smallFaces)
        chosen = 2;
    else if (fullSize)
        chosen = 3;
    else if (settings && settings->body.cardSize == 0)
        chosen = 2;
    if (set)
        *set = chosen;
    return SetBounds(settings, chosen);
}

bool OpenCardsPane::OverlappedRow() const {
    return fullSize && !smallFaces;
}

void OpenCardsPane::CopyPlayerHand(std::uint8_t* cards) {
    std::uint8_t row[kRowPlaces] = {};
    if (controller)
        controller->CopyHand(row, player);
    std::memset(cards, 0, kMaxOpenCards);
    std::memcpy(cards, row, cardsPerHand);
}

void OpenCardsPane::GetBounds(RECT* bounds) {
    const RECT cell = CardCell(nullptr);
    const int w = cell.right, h = cell.bottom, n = cardsPerHand;
    if (OverlappedRow())
        SetRect(bounds, 0, 0, (n - 1) * (8 * w / 18) + w + n + 1, h + 2);
    else
        SetRect(bounds, 0, 0, (w + 1) * (n / 2) + 1, 2 * h + 3);
}

void OpenCardsPane::Draw(const RECT*) {
    PortScope port(window);
    PrepareHand();
    std::uint8_t cards[kMaxOpenCards];
    CopyPlayerHand(cards);
    RECT cell = CardCell(&cellSet_);
    const int w = cell.right, h = cell.bottom, n = cardsPerHand;
    OffsetRect(&cell, 1, 1);
    if (OverlappedRow()) {
        int right = cell.left;
        for (int place = 0; place < n; ++place) {
            if (cards[place] == 0)
                continue;
            DrawCard(cards[place], &cell);
            right = cell.right;
            OffsetRect(&cell, OverlapStep(w), 0);
        }
        // A card left over from a larger hand disappears.
        RECT rest = {right, 1, right + w, 1 + h};
        EraseRect(&rest);
        return;
    }
    for (int column = 0; column < n / 2; ++column) {
        DrawCard(cards[column], &cell);
        RECT below = cell;
        OffsetRect(&below, 0, h + 1);
        DrawCard(cards[n / 2 + column], &below);
        OffsetRect(&cell, w + 1, 0);
    }
}

// The picture comes from the set the cell was measured from, whatever the cell's shape.
void FourSeatOpenCardsPane::DrawCard(std::int16_t code, const RECT* rect) {
    const int picture = code >= 1 && code <= 32 ? ConvertToPictureOrder(code) : 0;
    if (picture < 1 || picture > 32 || !settings) {
        Pane::DrawCard(0, rect);
        return;
    }
    PortScope port(window);
    if (auto bitmap = static_cast<HBITMAP>(settings->cardPictures[cellSet_][picture]))
        DrawPicture(bitmap, rect);
    else
        EraseRect(rect);
}

void FourSeatOpenCardsPane::PrepareHand() {
    if (auto* four = dynamic_cast<FourSeatController*>(controller))
        four->SortHandRow(player);
}

void OpenCardsPaneWin::GetBounds(RECT* bounds) {
    OpenCardsPane::GetBounds(bounds);
    AddWindowFrame(bounds);
}

void FourSeatOpenCardsPaneWin::GetBounds(RECT* bounds) {
    FourSeatOpenCardsPane::GetBounds(bounds);
    AddWindowFrame(bounds);
}

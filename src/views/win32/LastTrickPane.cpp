#include "views/win32/LastTrickPane.h"

#include "engine/CardCodes.h"
#include "games/fourplayer/FourSeatController.h"
#include "games/skat/SkatController.h"
#include "platform/Geometry.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "shell/Settings.h"

namespace {

constexpr int kGap = 5;            // around and between the card cells
constexpr int kNameBelow = 16;     // the names' base line below the card cell
constexpr int kNameRoom = 30;      // the strip below normal cards
constexpr int kSmallNameRoom = 21; // the strip below super-small cards

const char* const kPlaceLabels[] = {"\x02"
                                    "1.",
                                    "\x02"
                                    "2.",
                                    "\x02"
                                    "3.",
                                    "\x02"
                                    "4."};

RECT ToRect(const WindowRect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

RECT CardBounds(Settings* settings, int set) {
    WindowRect bounds = {0, 0, 0, 0};
    if (settings) {
        if (set == 0)
            settings->GetCardSetBounds0(&bounds);
        else
            settings->GetCardSetBounds2(&bounds);
    }
    RECT rect = ToRect(bounds);
    OffsetRect(&rect, -rect.left, -rect.top);
    return rect;
}

SkatController* AsSkat(GameController* controller) {
    return dynamic_cast<SkatController*>(controller);
}

FourSeatController* AsFourSeat(GameController* controller) {
    return dynamic_cast<FourSeatController*>(controller);
}

void AddDialogFrame(RECT* bounds) {
    bounds->right += FrameExtraWidth(false);
    bounds->bottom += FrameExtraHeight(false, false);
}

} // namespace

void LastTrickPane::GetBounds(RECT* bounds) {
    const int n = GetSeatCount();
    const RECT card = CardBounds(settings, 0);
    const int width = n * card.right + kGap * (n + 1);
    int height = card.bottom + kNameRoom;
    if (settings && settings->body.superSmallCards)
        height = CardBounds(settings, 2).bottom + kSmallNameRoom;
    SetRect(bounds, 0, 0, width, height);
}

void LastTrickPane::Draw(const RECT*) {
    PortScope port(window);
    const int leader = GetLeader();
    const int winner = GetWinner();
    int order[kMaxTrickSeats] = {};
    SeatOrder(order);
    std::int16_t cards[kMaxTrickSeats] = {};
    GetTrickCards(cards);
    const bool superSmall = settings && settings->body.superSmallCards;
    smallFaces = superSmall ? 1 : 0;

    RECT cell = CardBounds(settings, 0);
    OffsetRect(&cell, kGap, kGap);
    RECT small = {0, 0, 0, 0};
    if (superSmall) {
        // The names stand below the small card: the cell ends at the small card's height.
        small = CardBounds(settings, 2);
        OffsetRect(&small, 0, kGap);
        cell.bottom = small.bottom - small.top;
    }
    TextFont(kFontArial);
    TextSize(settings && settings->body.cardSize == 0 ? 10 : 9);
    const int cellWidth = cell.right - cell.left;
    for (int i = 0; i < GetSeatCount() && i < kMaxTrickSeats; ++i) {
        const int seat = order[i];
        if (superSmall) {
            RECT place = small;
            OffsetRect(&place, cell.left + (cellWidth - (small.right - small.left)) / 2, 0);
            DrawCard(cards[seat], &place);
        } else {
            DrawCard(cards[seat], &cell);
        }
        const int baseLine = cell.bottom + kNameBelow;
        MoveTo(cell.left, baseLine);
        if (leader >= 0)
            DrawString(SeatLabel(seat, leader), true);
        char name[kNameTextSize] = "";
        if (controller)
            controller->GetPlayerNameC(name, seat);
        MoveTo(cell.left + (cellWidth - StringWidth(name)) / 2, baseLine);
        if (seat == winner)
            TextFace(kStyleUnderline);
        DrawString(name, false);
        TextFace(0);
        OffsetRect(&cell, cellWidth + kGap, 0);
    }
}

// Skat: three seats, the last trick as the Skat controller keeps it.
void LastTrickPane::GetTrickCards(std::int16_t* cards) {
    SkatController* skat = AsSkat(controller);
    for (int seat = 0; seat < kSkatSeats; ++seat)
        cards[seat] = skat ? skat->lastTrickCards[seat] : 0;
}

void LastTrickPane::SeatOrder(int* seats) {
    seats[0] = 1;
    seats[1] = 0;
    seats[2] = 2;
}

int LastTrickPane::GetSeatCount() {
    return kSkatSeats;
}

int LastTrickPane::GetLeader() {
    SkatController* skat = AsSkat(controller);
    return skat ? skat->lastTrickLeader : -1;
}

int LastTrickPane::GetWinner() {
    SkatController* skat = AsSkat(controller);
    return skat ? skat->lastTrickWinner : -1;
}

const char* LastTrickPane::SeatLabel(int seat, int leader) {
    if (seat == leader)
        return kPlaceLabels[0];
    return leader == NextSkatSeat(seat) ? kPlaceLabels[2] : kPlaceLabels[1];
}

// Four seats: the trick before the current one, by seat.
void FourSeatLastTrickPane::GetTrickCards(std::int16_t* cards) {
    int trick[kTableSeats] = {};
    if (FourSeatController* four = AsFourSeat(controller))
        four->GetPreviousTrick(trick);
    for (int seat = 0; seat < kTableSeats; ++seat)
        cards[seat] = static_cast<std::int16_t>(ConvertToPictureOrder(trick[seat]));
}

void FourSeatLastTrickPane::SeatOrder(int* seats) {
    seats[0] = 2;
    seats[1] = 1;
    seats[2] = 0;
    seats[3] = 3;
}

int FourSeatLastTrickPane::GetSeatCount() {
    return kTableSeats;
}

int FourSeatLastTrickPane::GetLeader() {
    FourSeatController* four = AsFourSeat(controller);
    return four ? four->lastLeader : -1;
}

int FourSeatLastTrickPane::GetWinner() {
    FourSeatController* four = AsFourSeat(controller);
    return four ? four->nextLeader : -1;
}

const char* FourSeatLastTrickPane::SeatLabel(int seat, int leader) {
    if (seat == leader)
        return kPlaceLabels[0];
    if (leader == (seat + 1) % kTableSeats)
        return kPlaceLabels[3];
    if (leader == (seat + kTableSeats - 1) % kTableSeats)
        return kPlaceLabels[1];
    return kPlaceLabels[2];
}

void LastTrickPaneWin::GetBounds(RECT* bounds) {
    LastTrickPane::GetBounds(bounds);
    AddDialogFrame(bounds);
}

void FourSeatLastTrickPaneWin::GetBounds(RECT* bounds) {
    FourSeatLastTrickPane::GetBounds(bounds);
    AddDialogFrame(bounds);
}

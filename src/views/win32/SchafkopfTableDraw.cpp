// What the Schafkopf table draws besides the four-player table: the game line, the bock note,
// the announcements on the plates, the player box, the result panel and the pictures beside
// the own hand.
#include "views/win32/SchafkopfTablePane.h"

void SchafkopfTablePane::Draw(const RECT* rect) {
    FourPlayerTablePane::Draw(rect);
}

void SchafkopfTablePane::DrawGameInfo(int first, int second) {
    FourPlayerTablePane::DrawGameInfo(first, second);
}

void SchafkopfTablePane::DrawBiddingStatus() {
    FourPlayerTablePane::DrawBiddingStatus();
}

void SchafkopfTablePane::ShowAnnouncements() {}

void SchafkopfTablePane::DrawPlayerBox(RECT* rect) {
    FourPlayerTablePane::DrawPlayerBox(rect);
}

void SchafkopfTablePane::DrawResult(RECT* rect) {
    FourPlayerTablePane::DrawResult(rect);
}

int SchafkopfTablePane::GetVisibleCardWidth(int cardWidth) {
    return FourPlayerTablePane::GetVisibleCardWidth(cardWidth);
}

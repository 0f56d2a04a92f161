// The Schafkopf table's play: the computer seats' moves with their claims, the human's card
// with the misplay rule, the suggestion, the announcements, giving up, the end of a series and
// the timer step.
#include "views/win32/SchafkopfTablePane.h"

void SchafkopfTablePane::GetTrickState(std::uint8_t cards[4], int* leader) {
    FourPlayerTablePane::GetTrickState(cards, leader);
}

void SchafkopfTablePane::RunComputerMoves() {
    FourPlayerTablePane::RunComputerMoves();
}

bool SchafkopfTablePane::HumanPlaysCard(int card, bool* redraw, bool secondCopy) {
    return FourPlayerTablePane::HumanPlaysCard(card, redraw, secondCopy);
}

void SchafkopfTablePane::GiveUp(int seat, int failed, int silent) {
    FourPlayerTablePane::GiveUp(seat, failed, silent);
}

void SchafkopfTablePane::Suggest() {
    FourPlayerTablePane::Suggest();
}

void ShowSuggestionBox(const char*) {}

void SchafkopfTablePane::Announce(int kind) {
    FourPlayerTablePane::Announce(kind);
}

void SchafkopfTablePane::FinishScoreList() {
    FourPlayerTablePane::FinishScoreList();
}

void SchafkopfTablePane::Idle(std::uint32_t now, int flag) {
    FourPlayerTablePane::Idle(now, flag);
}

void SchafkopfTablePane::RefreshSeats() {
    FourPlayerTablePane::RefreshSeats();
}

void SchafkopfTablePane::ResetForReplay() {
    FourPlayerTablePane::ResetForReplay();
}

void SchafkopfTablePane::UncheckPutAway() {}

int SchafkopfTablePane::GetRoom() {
    return FourPlayerTablePane::GetRoom();
}

bool SchafkopfTablePane::IsOpenSeries() {
    return FourPlayerTablePane::IsOpenSeries();
}

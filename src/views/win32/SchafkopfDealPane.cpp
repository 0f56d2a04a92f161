#include "views/win32/SchafkopfDealPane.h"

#include <cstring>

// Each card once: Seven (Nine with the short deck) to Ace per suit.
void SchafkopfDealPane::DeckOrder(std::uint8_t* cards) {
    std::memset(cards, 0, kDealCells);
    const int lowest = IsShortDeck() ? 3 : 1;
    int cell = 0;
    for (int suit = 0; suit < 4; ++suit)
        for (int step = lowest; step <= 8; ++step)
            cards[cell++] = static_cast<std::uint8_t>(suit * 8 + step);
}

void SchafkopfDealPane::BuildDeck() {
    std::memset(placedCards, 0, sizeof placedCards);
    DeckOrder(gridCards);
}

void SchafkopfDealPane::GetBounds(RECT* compact, RECT* full) {
    DoubleDeckDealPane::GetBounds(compact, full);
}

int SchafkopfDealPane::GridLeft() {
    return 115;
}

int SchafkopfDealPane::CellStep() {
    return cellSize.right + 5;
}

// Checks of the card memory against the real deal, for the random play-outs: every answer the
// memory gives as certain must hold for the cards the seats really hold.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/ReferenceRules.h"
#include "engine/TestLevel.h"

namespace card_memory {

// The cards not yet played: the deck less every card in the deal's trick records.
inline std::vector<int> UnplayedCards(TestLevel& game) {
    std::vector<int> cards = game.Deck();
    for (int t = 0; t < game.trickNumber && t < kTrickCount; ++t)
        for (int seat = 0; seat < 4; ++seat) {
            auto at = std::find(cards.begin(), cards.end(), game.tricks[t].cards[seat]);
            if (at != cards.end())
                cards.erase(at);
        }
    return cards;
}

// Called after the seat to move has played its card. Answers false when it had to skip the
// check: a game type that changed during the deal (a silent solo shown by its second Ober of
// Eichel) is no longer the reference's.
inline bool Check(TestLevel& game, const reference::Game& ref) {
    if (game.gameType.word != ref.word || game.gameType.trumpSuit != ref.trumpSuit)
        return false;
    const int mover = game.seatToMove;
    for (int seat = 0; seat < 4; ++seat) {
        const SeatEstimate& estimate = game.seatEstimates[seat];
        for (int g = 0; g < 5; ++g) {
            const int value = estimate.voidEstimate[g];
            EXPECT_TRUE(value >= 0 && value <= 100) << "seat " << seat << " group " << g;
            const bool voidBit = (estimate.voidMask & (g == 4 ? 32 : 1 << g)) != 0;
            EXPECT_EQ(voidBit, value == 100) << "seat " << seat << " group " << g;
            if (value == 100) {
                EXPECT_EQ(game.seats[seat].groupCount[g], 0)
                    << "seat " << seat << " said to be void in group " << g;
            }
        }
    }
    // What the mover cannot see, and how many unseen cards beat each of its cards.
    std::vector<int> unseen = UnplayedCards(game);
    const SeatBlock& block = game.seats[mover];
    for (int p = 0; p < 12 && block.hand[p] != 0; ++p)
        unseen.erase(std::find(unseen.begin(), unseen.end(), block.hand[p]));
    for (int g = 0; g < 5; ++g) {
        if (g < 4 && ref.suitTrumps && g == ref.trumpSuit)
            continue; // the trump suit's cards are counted with the trumps
        const auto out = std::count_if(unseen.begin(), unseen.end(),
                                       [&](int c) { return reference::Group(ref, c) == g; });
        EXPECT_EQ(game.CountGroupOut(g), out) << "group " << g;
    }
    for (int p = 0; p < 12 && block.hand[p] != 0; ++p) {
        const int card = block.hand[p];
        const auto higher = std::count_if(unseen.begin(), unseen.end(), [&](int c) {
            return reference::Group(ref, c) == reference::Group(ref, card) &&
                   reference::Above(ref, c, card);
        });
        EXPECT_EQ(game.CountHigherCardsOut(mover, card), higher) << "card " << card;
    }
    return true;
}

} // namespace card_memory

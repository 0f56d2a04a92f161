// Two small test levels beside the four-seat base level, for the rules that branch on the line:
// a single-copy four-seat level that answers as the Schafkopf line does (32 cards, 8 a hand,
// the Obers and Unters over the trump suit, no Heart Ten on top), and a three-seat level for
// the Skat line (one copy, 10 cards a hand, the Unters on top, the words read through 0x407).
// The extra-point and showing options of the base rules are off on both.
#pragma once

#include <vector>

#include "engine/TestLevel.h"

// One copy of each card: the cards of a group in a 32-card deck, and the lowest of them.
class SingleCopyLevel : public TestLevel {
  public:
    std::vector<int> Deck() override;
    bool HasTwoCopies() override { return false; }
    bool IsHeartTenTop(const GameType*) override { return false; }
    bool ClubUnterCaughtScores() override { return false; }
    bool DiamondAceCaughtScores() override { return false; }
    bool SecondHeartTenWins() override { return false; }
    bool ClubUnterLastTrickScores() override { return false; }
    bool DiamondAceLastTrickScores() override { return false; }
    bool IsShortDeck() override { return false; }
    int GetLowestRankStep() override { return 1; }
    int CountGroupInDeck(int group, int trumpSuit, GameTypeWord word) override;
    int GetLowestOfGroup(int trumpSuit, GameTypeWord word, int group) override;
    int GetLowestTrump(int trumpSuit, GameTypeWord word) override;
};

// The normal word with Herz trump is the Call Game order, with Schellen trump the Sheepshead
// order. The line answers its refusals with rule numbers (2 for a card that does not follow).
class SchafkopfLevel : public SingleCopyLevel {
  public:
    int GetHandCapacity() override { return 8; }
    int GetCardsPerHand() override { return 8; }
    int GetEndgameTrick() override { return 5; }
    int GetLineGameKind() override { return 2; }
    int ScaleCardCount(int count) override { return count / 2 + 1; }
    int GetLowTrumpLimit() override { return 9; }
    int RateCardRole(int card) override;
    int IsLegalCard(int seat, int card) override;
    // The holders of the Obers of Eichel and Gras play together (with the Herz Ober's holder
    // when one seat holds both): a two-against-two game like the called one.
    void SetUpParties(int soloist) override;
};

// Skat words: 1 a suit game, 2 Grand (trump suit 4), 4 Null.
class SkatLevel : public SingleCopyLevel {
  public:
    int GetSeatCount() override { return 3; }
    int NextSeat(int seat) override { return ((seat + 1) % 3 + 3) % 3; }
    int PreviousSeat(int seat) override { return ((seat - 1) % 3 + 3) % 3; }
    int GetHandCapacity() override { return 10; }
    int GetCardsPerHand() override { return 10; }
    int GetLineGameKind() override { return 0; }
    bool IsSoloGame() override { return true; }
    void GetTrumpRanks(GameTypeWord word, int* list, int* length) override;
    int GetTopCard(int group) override;
    int RateCardRole(int card) override;
};

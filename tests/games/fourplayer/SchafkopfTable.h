// A Schafkopf table for the tests: the game object with its options, hands given or dealt,
// cards played through the one play operation and tricks booked by the test with the
// reference's winner, as the controller does at the table.
#pragma once

#include <algorithm>
#include <random>
#include <vector>

#include "SchafkopfReference.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "records/OptionRecordLayouts.h"
#include "shell/OptionRecords.h"

class SchafkopfTable {
  public:
    SchafkopfTable() {
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2;
        options.trumpSuit = 1;
        options.calledSuitLeadBan = 0;
        game.NewGameWithOptions(&options);
    }

    skref::Game RefGame() const {
        return {game.gameType.trumpSuit, game.gameType.word, options.shortDeck != 0};
    }

    // A new deal of the game word with the given hands (seat by seat), the first trick led by
    // the leader. The declarer is listed first in the first party; a solo lists the others.
    void Start(GameTypeWord word, const std::vector<std::vector<int>>& hands, int leader,
               int declarer) {
        game.NewDeal(false);
        game.gameType = {options.trumpSuit, word};
        for (int seat = 0; seat < 4; ++seat)
            GiveHand(seat, hands[seat]);
        game.leader = static_cast<std::int16_t>(leader);
        game.seatToMove = game.leader;
        game.trickNumber = 1;
        game.declarer = declarer;
        game.calledSuit = -1; // the controller copies the declarer's call when play starts
        game.calledRank = -1;
        if (declarer >= 0) {
            game.partyLists[0] = static_cast<std::int16_t>(declarer);
            game.seats[declarer].inDeclarerParty = 1;
            if (game.IsSoloGame())
                for (int s = 0, e = 2; s < 4; ++s)
                    if (s != declarer)
                        game.partyLists[e++] = static_cast<std::int16_t>(s);
        }
    }

    // A Call Game: the called suit's Ace marks the partner.
    void Call(int suit) {
        game.calledSuit = static_cast<std::int16_t>(suit);
        game.calledRank = 8;
        for (int s = 0; s < 4; ++s)
            if (Holds(s, suit * 8 + 8))
                game.seats[s].inDeclarerParty = 1;
    }

    void Deal(std::mt19937& random, GameTypeWord word, int leader, int declarer) {
        skref::Game ref{options.trumpSuit, word, options.shortDeck != 0};
        std::vector<int> deck = ref.Deck();
        std::shuffle(deck.begin(), deck.end(), random);
        const int per = static_cast<int>(deck.size()) / 4;
        std::vector<std::vector<int>> hands(4);
        for (int s = 0; s < 4; ++s)
            hands[s].assign(deck.begin() + s * per, deck.begin() + (s + 1) * per);
        Start(word, hands, leader, declarer);
    }

    void GiveHand(int seat, const std::vector<int>& cards) {
        SeatBlock& block = game.seats[seat];
        for (int p = 0; p < kHandPlaces; ++p)
            block.hand[p] =
                static_cast<std::uint8_t>(p < static_cast<int>(cards.size()) ? cards[p] : 0);
        game.SortHand(block.hand, kHandPlaces, game.gameType.trumpSuit, game.gameType.word, true,
                      true);
        for (auto& count : block.groupCount)
            count = 0;
        for (int p = 0; p < kHandPlaces && block.hand[p] != 0; ++p)
            ++block.groupCount[game.GetSuitGroup(block.hand[p])];
        game.ComputeRankStats(block);
    }

    std::vector<int> Hand(int seat) const {
        std::vector<int> cards;
        for (int p = 0; p < kHandPlaces; ++p)
            if (game.seats[seat].hand[p] != 0)
                cards.push_back(game.seats[seat].hand[p]);
        return cards;
    }
    bool Holds(int seat, int card) const {
        const auto hand = Hand(seat);
        return std::find(hand.begin(), hand.end(), card) != hand.end();
    }

    // The seat to move plays the card through the play operation, as the human's card goes.
    void Play(int card) {
        const int seat = game.seatToMove;
        for (int p = 0; p < kHandPlaces; ++p) {
            if (game.seats[seat].hand[p] == card) {
                game.PlayCard(seat, p, kReasonHuman);
                break;
            }
        }
        if (game.NextSeat(seat) != game.leader)
            game.seatToMove = static_cast<std::int16_t>(game.NextSeat(seat));
    }

    // Books the full trick with the reference's winner; the winner leads the next trick.
    int FinishTrick() {
        int cards[4];
        for (int s = 0; s < 4; ++s)
            cards[s] = game.trickCards[s];
        const int winner =
            RefGame().TrickWinner(cards, game.leader, game.PreviousSeat(game.leader));
        game.tricks[game.trickNumber - 1].winner = static_cast<std::int16_t>(winner);
        game.InferPartiesAfterTrick(game.leader, winner);
        game.FindTrumpTrickEvidence(game.leader, winner);
        int points = 0;
        for (int s = 0; s < 4; ++s) {
            points += skref::Points(cards[s]);
            game.trickCards[s] = 0;
        }
        game.cardPoints[winner] = static_cast<std::int16_t>(game.cardPoints[winner] + points);
        ++game.tricksWon[winner];
        game.leader = static_cast<std::int16_t>(winner);
        game.seatToMove = game.leader;
        ++game.trickNumber;
        return winner;
    }

    // The cards of the seat to move that the game object answers 1 for.
    std::vector<int> LegalCards() {
        std::vector<int> legal;
        for (int card : Hand(game.seatToMove))
            if (game.IsLegalCard(game.seatToMove, card) == 1)
                legal.push_back(card);
        return legal;
    }

    SchafkopfOptions options{};
    SchafkopfComputerPlayer game;
};

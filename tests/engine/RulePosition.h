// A hand-built position for the card-play rules on any test level: the game, the hands, the
// cards gone in earlier tricks, the trick so far and the parties as the table knows them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/LineTestLevels.h"
#include "engine/TrumpRuleList.h"

template <class Level> struct RulePosition {
    Level game;

    explicit RulePosition(int trumpSuit, GameTypeWord word, int trick = 2) {
        game.NewDeal(false);
        game.gameType = {trumpSuit, word};
        game.declarer = -1;
        game.trickNumber = static_cast<std::int16_t>(trick);
        for (int seat = 0; seat < 4; ++seat)
            game.seats[seat].profile = 5;
    }
    void Hand(int seat, const std::vector<int>& cards) { game.GiveHand(seat, cards); }
    // Cards played in earlier tricks.
    void Gone(const std::vector<int>& cards) {
        for (int card : cards)
            AddToRankMask(&game.playedMasks[RankCodeOf(card)], SuitOf(card));
    }
    // The declaring party first: its seats are listed and known to every seat.
    void Parties(const std::vector<int>& declaring) {
        for (int seat = 0; seat < game.GetSeatCount(); ++seat) {
            bool in = false;
            for (int d : declaring)
                in = in || d == seat;
            game.seats[seat].inDeclarerParty = in ? 1 : 0;
        }
        for (auto& entry : game.partyLists)
            entry = -1;
        int first = 0;
        int second = 2;
        for (int seat = 0; seat < game.GetSeatCount(); ++seat) {
            if (game.seats[seat].inDeclarerParty)
                game.partyLists[first++] = static_cast<std::int16_t>(seat);
            else
                game.partyLists[second++] = static_cast<std::int16_t>(seat);
        }
    }
    // The leader and the cards played to the trick so far (each held by its seat).
    void Trick(int leader, const std::vector<int>& cards) {
        game.leader = static_cast<std::int16_t>(leader);
        int seat = leader;
        for (int card : cards) {
            game.seatToMove = static_cast<std::int16_t>(seat);
            ASSERT_TRUE(game.PlayCardIfHeld(seat, card, 9)) << card;
            seat = game.NextSeat(seat);
        }
        game.PrepareDecision(seat);
    }
    // The card the rule would play for the seat to move (0: it declines) and its reason, by a
    // dry run, so that several rules can be asked on one position.
    int Play(const std::function<bool(Level&, int)>& rule, int* reason = nullptr) {
        const int seat = game.seatToMove;
        const std::int16_t mode = game.BeginDryRun();
        game.dryRunIndex = -1;
        game.dryRunReason = -1;
        const bool played = rule(game, seat);
        const int card = played ? game.trickCards[seat] : 0;
        if (reason)
            *reason = played ? game.dryRunReason : 0;
        game.EndDryRun(seat, mode);
        return card;
    }
};

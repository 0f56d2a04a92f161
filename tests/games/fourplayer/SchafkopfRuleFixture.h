// Fixtures for the card rules of the Schafkopf computer player: the card a rule would play,
// found by a dry run, and a position built from hands, earlier tricks and the current trick.
#pragma once

#include <vector>

#include "SchafkopfTable.h"

// The card a choice turns into on its way to the table, by a dry run of the choice: the card,
// its reason, or 0 when nothing would be played.
struct Choice {
    int card = 0;
    int reason = -1;
    bool answered = false; // what the rule answered
};
template <typename Rule> Choice DryRun(SchafkopfComputerPlayer& g, int seat, Rule rule) {
    g.dryRunIndex = -1;
    g.dryRunReason = -1;
    const auto saved = g.BeginDryRun();
    const bool played = rule();
    Choice c;
    c.answered = played;
    if (played) {
        c.card = g.trickCards[seat];
        c.reason = g.dryRunReason;
    }
    g.EndDryRun(seat, saved);
    return c;
}

// One trick before the current one: its leader and the cards in playing order from him.
struct EarlierTrick {
    int leader;
    std::vector<int> cards;
};

// A position of a deal: the cards still in the hands, the tricks already played (their cards
// are dealt to the seats that play them), and the cards of the current trick from its leader.
// With settled, the party lists are filled from the party flags, as after the called suit was
// led. The seat to move is the one after the last card of the trick.
struct Position {
    GameTypeWord word = 1;
    int partnershipMode = 2;
    int calledSuit = 2; // -1 none
    int declarer = 3;
    std::vector<std::vector<int>> hands;
    std::vector<EarlierTrick> earlier;
    int leader = 0;
    std::vector<int> trick;
    bool settled = false;
    int profile = 15; // of the seat to move
    bool leadBan = false;
    int trumpSuit = 1;
};

// Builds the position on the table and answers the seat to move.
inline int Arrange(SchafkopfTable& table, const Position& p) {
    table.options.partnershipMode = static_cast<std::int16_t>(p.partnershipMode);
    table.options.calledSuitLeadBan = p.leadBan ? 1 : 0;
    table.options.trumpSuit = static_cast<std::int16_t>(p.trumpSuit);
    table.game.NewGameWithOptions(&table.options);
    std::vector<std::vector<int>> hands = p.hands;
    hands.resize(4);
    for (const EarlierTrick& t : p.earlier)
        for (size_t i = 0; i < t.cards.size(); ++i)
            hands[(t.leader + i) % 4].push_back(t.cards[i]);
    for (size_t i = 0; i < p.trick.size(); ++i)
        hands[(p.leader + i) % 4].push_back(p.trick[i]);
    const int first = p.earlier.empty() ? p.leader : p.earlier[0].leader;
    table.Start(p.word, hands, first, p.declarer);
    if (p.calledSuit >= 0)
        table.Call(p.calledSuit);
    SchafkopfComputerPlayer& g = table.game;
    for (const EarlierTrick& t : p.earlier) {
        g.leader = static_cast<std::int16_t>(t.leader);
        g.seatToMove = g.leader;
        for (int card : t.cards)
            table.Play(card);
        table.FinishTrick();
    }
    g.leader = static_cast<std::int16_t>(p.leader);
    g.seatToMove = g.leader;
    for (int card : p.trick)
        table.Play(card);
    const int mover = (p.leader + static_cast<int>(p.trick.size())) % 4;
    g.seatToMove = static_cast<std::int16_t>(mover);
    if (p.settled) {
        int first = 0;
        int second = 2;
        for (int i = 0; i < 5; ++i)
            g.partyLists[i] = -1;
        if (p.declarer >= 0)
            g.partyLists[first++] = static_cast<std::int16_t>(p.declarer);
        for (int s = 0; s < 4; ++s) {
            if (s == p.declarer)
                continue;
            if (g.seats[s].inDeclarerParty)
                g.partyLists[first++] = static_cast<std::int16_t>(s);
            else
                g.partyLists[second++] = static_cast<std::int16_t>(s);
        }
    }
    g.seats[mover].profile = static_cast<std::int16_t>(p.profile);
    g.PrepareSeatToMove(mover);
    g.AnalysePartners(mover);
    return mover;
}

// A reference of the Schafkopf rules written from the published Bavarian and Sheepshead rules,
// sharing no code with the game object: the trumps and their order per game, following suit,
// the called-Ace rules, the runners and the tariff. The program's own variants are named
// switches. Cards are written as suit (0 Schellen, 1 Herz, 2 Gras, 3 Eichel) and rank letter.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace skref {

// The card code of a suit and rank letter ('7' '8' '9' 'U' 'O' 'K' 'T' 'A').
inline int Card(int suit, char rank) {
    const std::string steps = "789UOKTA";
    return suit * 8 + static_cast<int>(steps.find(rank)) + 1;
}
inline int SuitOfCard(int card) {
    return (card - 1) / 8;
}
inline char RankOfCard(int card) {
    return "789UOKTA"[(card - 1) % 8];
}
inline int Points(int card) {
    switch (RankOfCard(card)) {
    case 'A':
        return 11;
    case 'T':
        return 10;
    case 'K':
        return 4;
    case 'O':
        return 3;
    case 'U':
        return 2;
    default:
        return 0;
    }
}

// The games by their words: 1 Call Game (Sauspiel), 2 pure Suit Solo, 4 Suit Solo, 8 Wenz,
// 16 Geier, 32 Farbwenz, 64 Farbgeier, 128 Bettel, 256 Unter-King, 512 Ober-Unter,
// 1024 Unter-Ober, 2048 King solo, 4096 Ober-Unter-King, 0x2000 1st Trick, 0x20000 You;
// 0x8000 marks the all-passed game (Ramsch and Leaster play with the Call Game's trumps) and
// 0x10000 a Tout.
struct Game {
    int trumpSuit = 1;
    std::uint32_t word = 1;
    bool shortDeck = false;

    std::uint32_t Kind() const { return word & 0x23fff; }
    bool IsBeg() const { return Kind() == 128; }
    // Rank letters that are trumps, highest first.
    std::string RankTrumps() const {
        switch (Kind()) {
        case 0:
        case 1:
        case 4:
        case 0x2000:
        case 0x20000:
        case 512:
            return "OU";
        case 8:
        case 32:
            return "U";
        case 16:
        case 64:
            return "O";
        case 256:
            return "UK";
        case 1024:
            return "UO";
        case 2048:
            return "K";
        case 4096:
            return "OUK";
        default:
            return "";
        }
    }
    bool SuitTrumps() const {
        switch (Kind()) {
        case 0:
        case 1:
        case 2:
        case 4:
        case 32:
        case 64:
        case 0x2000:
        case 0x20000:
            return true;
        default:
            return false;
        }
    }
    bool InDeck(int card) const {
        return card >= 1 && card <= 32 &&
               !(shortDeck && (RankOfCard(card) == '7' || RankOfCard(card) == '8'));
    }
    std::vector<int> Deck() const {
        std::vector<int> deck;
        for (int card = 1; card <= 32; ++card)
            if (InDeck(card))
                deck.push_back(card);
        return deck;
    }
    // Inside a suit, from the top: A 10 K O U 9 8 7; the Bettel: A K O U 10 9 8 7.
    std::string SuitOrder() const { return IsBeg() ? "AKOUT987" : "ATKOU987"; }
    bool IsTrump(int card) const {
        return RankTrumps().find(RankOfCard(card)) != std::string::npos ||
               (SuitTrumps() && SuitOfCard(card) == trumpSuit);
    }
    int Group(int card) const { return IsTrump(card) ? 4 : SuitOfCard(card); }
    // The trumps in the deck, highest first: the rank trumps by rank, then Eichel, Gras, Herz,
    // Schellen; then the trump suit's other cards.
    std::vector<int> Trumps() const {
        std::vector<int> order;
        for (char rank : RankTrumps())
            for (int suit = 3; suit >= 0; --suit)
                if (InDeck(Card(suit, rank)))
                    order.push_back(Card(suit, rank));
        if (SuitTrumps())
            for (char rank : SuitOrder())
                if (RankTrumps().find(rank) == std::string::npos && InDeck(Card(trumpSuit, rank)))
                    order.push_back(Card(trumpSuit, rank));
        return order;
    }
    // A number that orders the cards of one group: higher is stronger.
    int Strength(int card) const {
        if (IsTrump(card)) {
            const auto trumps = Trumps();
            return 100 -
                   static_cast<int>(std::find(trumps.begin(), trumps.end(), card) - trumps.begin());
        }
        return 10 - static_cast<int>(SuitOrder().find(RankOfCard(card)));
    }
    // Whether the card played later takes the trick from the best card so far.
    bool Beats(int later, int best) const {
        if (IsTrump(later) != IsTrump(best))
            return IsTrump(later);
        return Group(later) == Group(best) && Strength(later) > Strength(best);
    }
    // Winner of a trick among the cards played from the leader up to the seat; 0 = no card.
    int TrickWinner(const int cards[4], int leader, int upTo) const {
        int winner = leader;
        for (int s = (leader + 1) % 4; s != (upTo + 1) % 4 && s != leader; s = (s + 1) % 4)
            if (cards[s] != 0 && Beats(cards[s], cards[winner]))
                winner = s;
        return winner;
    }
    // Whether the card follows suit: a hand that holds the led group must play it.
    bool FollowsSuit(const std::vector<int>& hand, int led, int card) const {
        if (led == 0)
            return true;
        const bool canFollow =
            std::any_of(hand.begin(), hand.end(), [&](int c) { return Group(c) == Group(led); });
        return !canFollow || Group(card) == Group(led);
    }
};

// --- the called Ace (Sauspiel, and the Sheepshead call) ---

struct CallSwitches {
    bool germanCall = true;      // false: the Sheepshead call
    bool leadBan = false;        // the declarer may not lead the called suit before it was led
    bool noRules = false;        // the called-Ace rules are off
    bool runAwayWithFour = true; // German call: four cards of the suit free the Ace's holder
};

// One position: the seat's hand, whether it leads, the led card (0 when it leads), whether the
// called suit was led in an earlier trick, whether this is the last trick, and whether the seat
// is the declarer.
struct CallPosition {
    Game game;
    int calledSuit = 0;
    std::vector<int> hand;
    int led = 0;
    bool calledSuitLed = false;
    bool lastTrick = false;
    bool declarer = false;
};

// Whether the published call rules (with the program's switches) allow the card; following
// suit is assumed.
inline bool CallRulesAllow(const CallPosition& p, const CallSwitches& sw, int card) {
    const Game& g = p.game;
    const int ace = Card(p.calledSuit, 'A');
    const bool inSuit = g.Group(card) == p.calledSuit;
    const bool leads = p.led == 0;
    const bool suitOpen = p.calledSuitLed || p.lastTrick;
    const int held = static_cast<int>(std::count_if(
        p.hand.begin(), p.hand.end(), [&](int c) { return g.Group(c) == p.calledSuit; }));
    const bool holdsAce = std::find(p.hand.begin(), p.hand.end(), ace) != p.hand.end();
    if (sw.leadBan && p.declarer && leads && inSuit && !suitOpen)
        return false;
    if (sw.noRules || !inSuit)
        return true;
    const bool calledLedNow = !leads && g.Group(p.led) == p.calledSuit;
    // The called Ace may not be thrown off before its suit was played, except in the last trick.
    if (card == ace && !leads && !calledLedNow)
        return suitOpen;
    // Sheepshead: the caller keeps his one card of the called suit until the suit is played.
    if (!sw.germanCall && p.declarer && !leads && !calledLedNow && !suitOpen && held == 1)
        return false;
    if (!leads && !calledLedNow)
        return true;
    // Led or leading the called suit, the Ace's holder plays the Ace, unless he runs away.
    if (holdsAce && card != ace && !(sw.germanCall && sw.runAwayWithFour && held >= 4))
        return false;
    return true;
}

// --- runners ---

// The run of top trumps (over the deck in play) that the party holds ("with") or lacks
// ("without"): positive with, negative without.
inline int Runners(const Game& g, const std::vector<int>& partyCards) {
    const auto trumps = g.Trumps();
    if (trumps.empty())
        return 0;
    auto held = [&](int c) {
        return std::find(partyCards.begin(), partyCards.end(), c) != partyCards.end();
    };
    const bool with = held(trumps[0]);
    int run = 0;
    while (run < static_cast<int>(trumps.size()) && held(trumps[run]) == with)
        ++run;
    return with ? run : -run;
}

// --- the tariff ---

struct Tariff {
    int base = 10, schneider = 10, schwarz = 10, solo = 50, soloSchneider = 10, soloSchwarz = 10;
    int beg = 30, you = 50, runner = 10, ramsch = 20, noTrick = 40, shootTheMoon = 70;
    // The program's variants.
    bool withRunners = false;
    int runnersFrom = 3, soloRunnersFrom = 2;
    bool fixedPartners = false; // a 60:60 game of fixed partners is worth nothing
    bool extras = false;        // each caught fox is worth a game's base value
    bool withPot = false;
    int allPassRule = 0; // 2 Ramsch, 3 Leaster
};

// A finished game as the table saw it.
struct Finished {
    Game game;
    int declarer = -1;
    int partner = -1; // -1: a solo
    int points[4] = {};
    int tricks[4] = {};
    int firstLeader = 0;
    int runners = 0;                                // Runners() of the declaring party
    int contra = 0, re = 0, supra = 0, resupra = 0; // announcements made (0 or 1 each)
    int potUnits = 0;
    // The seats that took the fox from a seat of the other party, one entry a fox.
    std::vector<int> foxTakers;
};

struct Line {
    int kind, value;
    bool operator==(const Line& o) const { return kind == o.kind && value == o.value; }
};

struct Bill {
    std::vector<Line> lines;
    int listed[3] = {-1, -1, -1};
    int perOpponent = 1;
    int cardPoints = 0;
    int value = 0; // without the pot lines
    int potSeat = -1, potAmount = 0;
    bool potBooked = false;
    int potUnitsAfter = 0;
    // Money per seat and the pot's account; the five sum to zero.
    int money[4] = {};
    int pot = 0;
};

inline bool IsSolo(const Game& g) {
    const std::uint32_t k = g.Kind();
    return (g.word & 0x8000) || k == 0x20000 || (k > 1 && k < 0x2000);
}

inline int Sum(const Bill& b) {
    int sum = 0;
    for (const Line& l : b.lines)
        if ((l.kind & 0xff) != 9)
            sum += l.value;
    return sum;
}

inline int BaseValue(const Game& g, const Tariff& t) {
    if (g.word & 0x8000)
        return t.ramsch;
    switch (g.Kind()) {
    case 1:
        return t.base;
    case 128:
        return t.beg;
    case 0x20000:
        return t.you;
    default:
        return t.solo;
    }
}

namespace detail {

inline void Doublings(Bill& b, const Finished& f) {
    // Each doubling doubles what the game is worth so far.
    if (f.contra)
        b.lines.push_back({7, Sum(b)});
    if (f.re)
        b.lines.push_back({6, Sum(b)});
    if (f.supra)
        b.lines.push_back({14, Sum(b)});
    if (f.resupra)
        b.lines.push_back({15, Sum(b)});
}

inline void Ramsch(Bill& b, const Finished& f, const Tariff& t, bool leaster) {
    int takers = 0, taker = -1;
    for (int s = 0; s < 4; ++s)
        if (f.tricks[s] > 0) {
            ++takers;
            taker = s;
        }
    if (takers == 1) {
        // Shot the moon: the one seat takes the stake from each other seat.
        b.listed[0] = taker;
        b.lines.push_back({10, t.shootTheMoon});
        for (int s = 0; s < 4; ++s)
            b.money[s] += s == taker ? 3 * t.shootTheMoon : -t.shootTheMoon;
        return;
    }
    b.perOpponent = 0;
    // Ramsch: most points lose; Leaster: fewest points among the seats with a trick win. Ties:
    // more tricks lose the Ramsch, fewer tricks win the Leaster, then the first seat in play order.
    int chosen = -1;
    for (int n = 0; n < 4; ++n) {
        const int s = (f.firstLeader + n) % 4;
        if (leaster && f.tricks[s] == 0)
            continue;
        if (chosen == -1) {
            chosen = s;
            continue;
        }
        const int dp = f.points[s] - f.points[chosen];
        const int dt = f.tricks[s] - f.tricks[chosen];
        if (leaster ? (dp < 0 || (dp == 0 && dt < 0)) : (dp > 0 || (dp == 0 && dt > 0)))
            chosen = s;
    }
    b.listed[0] = chosen;
    const int stake = leaster ? t.ramsch : -t.ramsch;
    b.lines.push_back({leaster ? 13 : 12, 3 * stake});
    for (int s = 0; s < 4; ++s)
        b.money[s] += s == chosen ? 3 * stake : -stake;
    for (int s = 0, n = 1; s < 4; ++s) {
        if (f.tricks[s] != 0)
            continue;
        const int jungfrau = leaster ? t.noTrick : -t.noTrick;
        b.lines.push_back({11, jungfrau});
        b.listed[n++] = s;
        // Settled between the chosen seat and the seat without a trick.
        b.money[chosen] += jungfrau;
        b.money[s] -= jungfrau;
    }
}

} // namespace detail

inline Bill Settle(const Finished& f, const Tariff& t) {
    Bill b;
    b.potUnitsAfter = f.potUnits;
    const Game& g = f.game;
    const bool solo = IsSolo(g);
    if (g.word & 0x8000) {
        if (t.withPot) {
            b.potBooked = true;
            b.potAmount = -t.base;
            b.lines.push_back({9 + 512, -t.base});
            ++b.potUnitsAfter;
            for (int s = 0; s < 4; ++s)
                b.money[s] -= t.base;
            b.pot += 4 * t.base;
        }
        if (t.allPassRule == 2 || t.allPassRule == 3)
            detail::Ramsch(b, f, t, t.allPassRule == 3);
    } else {
        std::vector<int> party = {f.declarer};
        if (f.partner >= 0)
            party.push_back(f.partner);
        auto inParty = [&](int s) {
            return std::find(party.begin(), party.end(), s) != party.end();
        };
        int otherTricks = 0, partyPoints = 0;
        for (int s = 0; s < 4; ++s) {
            if (inParty(s))
                partyPoints += f.points[s];
            else
                otherTricks += f.tricks[s];
        }
        const bool tout = (g.word & 0x10000) != 0 || g.Kind() == 0x20000;
        bool won = g.IsBeg() ? f.tricks[f.declarer] == 0
                   : tout    ? otherTricks == 0
                             : partyPoints >= 61;
        // The winners: the declarer first, then his partner; the defenders in seat order.
        int n = 0;
        if (won)
            for (int s : party)
                b.listed[n++] = s;
        else
            for (int s = 0; s < 4; ++s)
                if (!inParty(s))
                    b.listed[n++] = s;
        const bool draw = !won && t.fixedPartners && partyPoints == 60 && !g.IsBeg();
        b.lines.push_back({0, draw ? 0 : BaseValue(g, t)});
        if (!g.IsBeg()) {
            const int run = std::abs(f.runners);
            if (t.withRunners &&
                (tout || (run != 0 && run >= (solo ? t.soloRunnersFrom : t.runnersFrom))))
                b.lines.push_back({8, run * t.runner});
            const int winners = won ? partyPoints : 120 - partyPoints;
            if (!tout) {
                // Schneider: the declarers with 91, or held to 30 by the defenders; Schwarz: every
                // trick.
                if (winners >= (won ? 91 : 90))
                    b.lines.push_back({4, solo ? t.soloSchneider : t.schneider});
                bool schwarz = false;
                if (won)
                    schwarz = otherTricks == 0;
                else {
                    schwarz = true;
                    for (int s : party)
                        schwarz = schwarz && f.tricks[s] == 0;
                }
                if (schwarz)
                    b.lines.push_back({5, solo ? t.soloSchwarz : t.schwarz});
            }
            b.cardPoints = winners;
        }
        detail::Doublings(b, f);
        if (g.Kind() == 1 && f.potUnits > 0) {
            // The pot: four base stakes a unit; a won Call Game takes it, a lost one doubles it.
            const int amount = f.potUnits * t.base * 4;
            b.potBooked = true;
            b.potSeat = f.declarer;
            b.potAmount = won ? amount : -amount;
            b.potUnitsAfter = won ? 0 : 2 * f.potUnits;
            b.lines.push_back({9 + 512 * f.declarer, b.potAmount});
            b.money[f.declarer] += b.potAmount;
            b.pot -= b.potAmount;
        }
        // A Tout doubles the game, You quadruples it.
        if ((g.word & 0x10000) && !g.IsBeg())
            b.lines.push_back({1, Sum(b)});
        else if (g.Kind() == 0x20000)
            b.lines.push_back({2, 3 * Sum(b)});
        if (t.extras) {
            int caught = 0;
            if (!solo)
                for (int s : f.foxTakers)
                    caught += inParty(s) == won ? 1 : -1;
            b.lines.push_back({16, BaseValue(g, t) * caught});
        }
        // A solo is paid by or to three; in a partner game each winner gets it from one loser.
        const int value = Sum(b);
        for (int s = 0; s < 4; ++s) {
            const bool winner = inParty(s) == won;
            const int share = (solo || g.IsBeg()) && s == f.declarer ? 3 * value : value;
            b.money[s] += winner ? share : -share;
        }
    }
    if ((g.word & 0x8000) && t.extras)
        b.lines.push_back({16, 0});
    b.value = Sum(b);
    return b;
}

} // namespace skref

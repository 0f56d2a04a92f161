// The special cards and the party signals on hand-built positions: the Fox (the trump suit's
// Ace) in the Call Game with catch the Fox, the Ober of Eichel that shows the Re party, and the
// showing of both Aces of Schellen. Cards by name (CardNames.h).
#include <gtest/gtest.h>

#include "engine/CardNames.h"
#include "engine/DiscardLeadRuleList.h"
#include "engine/RulePosition.h"

namespace {

using card_names::Card;
using card_names::Cards;

constexpr int kCallGame = 1;

class FoxLevel : public SchafkopfLevel {
  public:
    bool DiamondAceCaughtScores() override { return true; }
};

auto FullChain = [](auto& g, int s) {
    rule_harness::PlayByFullChain(g, s);
    return true;
};

} // namespace

// An opponent leads a low trump and another opponent plays after the seat: the Fox (Herz Ace)
// is not given, the Unter goes.
TEST(SpecialCards, TheFoxStaysOutOfATrickTheOpponentsCanOvertrump) {
    RulePosition<FoxLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("H-8 S-7 S-8"));
    p.Hand(1, Cards("H-A G-U S-9"));
    p.Hand(2, Cards("E-O G-O S-K"));
    p.Hand(3, Cards("H-9 G-8 G-9"));
    p.Parties({1, 3});
    p.Trick(0, Cards("H-8"));
    const int card = p.Play(FullChain);
    EXPECT_NE(card, Card("H-A"));
    EXPECT_EQ(card, Card("G-U"));
    // The plain low-trump play keeps the Fox too.
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlayLowOfGroup(s, kTrumpGroup); }), Card("G-U"));
}

// The partner's Ober of Eichel has the trick and nothing can beat it: the Fox goes onto it.
TEST(SpecialCards, TheFoxGoesOntoATrickThePartySurelyWins) {
    RulePosition<FoxLevel> p(kCallGame, kWordNormal);
    p.Hand(3, Cards("E-O S-7 S-8"));
    p.Hand(0, Cards("H-7 G-8 G-9"));
    p.Hand(1, Cards("H-A G-U S-9"));
    p.Hand(2, Cards("H-8 S-K S-10"));
    p.Parties({1, 3});
    p.Trick(3, Cards("E-O H-7"));
    EXPECT_EQ(p.Play(FullChain), Card("H-A"));
}

// Special-card bookkeeping: the last-trick mask names no Fox while the plain play of the
// special card still plays it; no special card in a solo.
TEST(SpecialCards, FoxMasksAndSolos) {
    RulePosition<FoxLevel> p(kCallGame, kWordNormal);
    p.Hand(0, Cards("H-A S-7"));
    p.Hand(1, Cards("S-8"));
    p.Hand(2, Cards("S-9"));
    p.Hand(3, Cards("S-K"));
    p.Parties({0, 2});
    p.Trick(0, {});
    EXPECT_EQ(p.game.GetFoxCard(2), 0);
    EXPECT_EQ(p.game.GetFoxCard(1), Card("H-A"));
    EXPECT_EQ(p.Play([](auto& g, int s) { return g.PlaySpecialCard(s, 2); }), Card("H-A"));
    p.game.gameType = {kCallGame, kWordSuitSolo};
    for (int card = 1; card <= 32; ++card)
        EXPECT_FALSE(p.game.IsSpecialCard(card)) << card;
    int mask = -1;
    EXPECT_FALSE(p.game.GetHeldSpecials(&mask));
    EXPECT_EQ(mask, 0);
}

// Doppelkopf practice: the Re party leads its Ober of Eichel early to show itself, once both
// Heart Tens are gone and nothing can beat it; not while a Heart Ten is out, and not while the
// seat holds back an announcement.
TEST(SpecialCards, TheReSeatLeadsItsOberOfEichelToShowItsParty) {
    auto lead = [](auto& g, int s) { return g.LeadClubQueenToShowParty(s); };
    RulePosition<TestLevel> p(0, kWordNormal);
    p.Hand(0, Cards("E-O S-U H-K G-9"));
    p.Hand(1, Cards("H-9 G-K S-K"));
    p.Hand(2, Cards("E-O G-10 S-10"));
    p.Hand(3, Cards("G-A E-10 E-K"));
    p.Gone(Cards("H-10"));
    p.Trick(0, {});
    EXPECT_EQ(p.Play(lead), 0);
    p.Gone(Cards("H-10"));
    int reason = 0;
    EXPECT_EQ(p.Play(lead, &reason), Card("E-O"));
    EXPECT_EQ(reason, 34);
    p.game.announceDeferred[0] = 1;
    EXPECT_EQ(p.Play(lead), 0);
}

// Both Aces of Schellen may be shown by the leader only from trick 10 on (7 with the short
// deck), whatever lies in the trick.
TEST(SpecialCards, TheLeaderShowsBothSchellenAcesOnlyLate) {
    for (int trick : {2, 9, 10}) {
        RulePosition<TestLevel> p(0, kWordNormal, trick);
        p.game.options.diamondAcesTop = 1;
        p.Hand(0, Cards("S-A S-A G-9"));
        p.Hand(1, Cards("G-K"));
        p.Hand(2, Cards("G-10"));
        p.Hand(3, Cards("G-A"));
        p.Parties({0, 2});
        p.Trick(0, {});
        EXPECT_EQ(p.game.ShouldShowDiamondAces(0), trick >= 10) << trick;
    }
}

// With no trump out the trump ratio stands above every bound (the rule reaches its ratio
// steps): last to a trick the Ober of Gras holds, the seat takes it with its Ober of Eichel
// and so shows its party; once the parties are known it keeps the Ober.
TEST(SpecialCards, ClubQueenFollowWithNoTrumpsOut) {
    auto follow = [](auto& g, int s) { return g.FollowWithClubQueen(s, g.GetBestCardSoFar()); };
    for (bool partnersTrick : {false, true}) {
        RulePosition<TestLevel> p(0, kWordNormal, 3);
        p.Hand(0, Cards("G-O G-K"));
        p.Hand(1, Cards("G-9 G-A"));
        p.Hand(2, Cards("E-K G-10"));
        p.Hand(3, Cards("E-O H-O G-K"));
        for (int card = 1; card <= 32; ++card) {
            const int step = (card - 1) % 8 + 1;
            if (step >= 3 && p.game.IsTrump(card) && card != Card("G-O") && card != Card("E-O") &&
                card != Card("H-O"))
                p.Gone({card, card});
        }
        p.Gone(Cards("G-O E-O H-O"));
        if (partnersTrick)
            p.Parties({0, 3});
        p.Trick(0, Cards("G-O G-9 E-K"));
        EXPECT_EQ(p.game.CountGroupOut(kTrumpGroup), 0);
        EXPECT_EQ(p.Play(follow), partnersTrick ? 0 : Card("E-O")) << partnersTrick;
    }
}

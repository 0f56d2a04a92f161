// The Schafkopf controller's deal and bidding: scripted answers through every partnership mode
// and every rule for a deal that all passed, and thousands of random deals bid by four computer
// seats in the order of automatic play.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "SchafkopfReference.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

namespace {

using skref::Card;

struct ControllerTable {
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions options{};
    std::unique_ptr<SchafkopfController> table = std::make_unique<SchafkopfController>();

    explicit ControllerTable(int mode, int allPassRule = 0) {
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = static_cast<std::int16_t>(mode);
        options.allPassRule = static_cast<std::int16_t>(allPassRule);
        options.trumpSuit = 1;
        options.allowedGames = 0x1FFF;
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        rules.seriesEnd = 1;
        EXPECT_TRUE(table->Init(&settings, &options, &rules, false));
    }

    SchafkopfComputerPlayer& Game() { return *table->Game(); }

    // Deals the given hands (seat by seat) with seat 3 dealing, so seat 0 answers first.
    void Deal(const std::vector<std::vector<int>>& hands) {
        table->dealer = 3;
        std::memset(table->dealtCards, 0, sizeof table->dealtCards);
        for (int seat = 0; seat < 4; ++seat)
            for (std::size_t p = 0; p < hands[seat].size(); ++p)
                table->dealtCards[seat * 12 + p] = static_cast<std::uint8_t>(hands[seat][p]);
        table->NewDeal(true);
    }

    // Hands that hold the named cards, the rest of the deck dealt in order to fill them.
    void DealWith(std::vector<std::vector<int>> hands) {
        std::vector<int> rest;
        for (int card : skref::Game{options.trumpSuit, 1, options.shortDeck != 0}.Deck()) {
            bool given = false;
            for (const auto& hand : hands)
                given = given || std::find(hand.begin(), hand.end(), card) != hand.end();
            if (!given)
                rest.push_back(card);
        }
        const std::size_t per = options.shortDeck ? 6 : 8;
        for (auto& hand : hands)
            while (hand.size() < per) {
                hand.push_back(rest.front());
                rest.erase(rest.begin());
            }
        Deal(hands);
    }

    void AllComputers() {
        const std::uint8_t kinds[4] = {1, 1, 1, 1};
        table->SetSeatKinds(kinds);
    }

    // Automatic play's order: every seat answers from the seat after the dealer, one step.
    bool AutomaticBidding() {
        table->bids[0] = 0;
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table->GetSeatBidType((table->dealer + 1 + n) % 4, &suit);
        }
        table->StepBidding(0);
        table->humanGameType = Game().seats[0].bid;
        return table->StartPlay();
    }

    void AllSay(int word) {
        for (int seat = 0; seat < 4; ++seat)
            table->SetBid(seat, word);
    }
};

const std::vector<int> kHumanCallHand = {Card(3, 'O'), Card(2, 'O'), Card(1, 'U'), Card(1, 'A'),
                                         Card(1, 'K'), Card(2, '7'), Card(3, '8'), Card(3, '9')};

TEST(SchafkopfBidding, AllPassedUnderEachRule) {
    for (int rule = 0; rule < 4; ++rule) {
        SCOPED_TRACE(rule);
        ControllerTable t(2, rule);
        t.DealWith({kHumanCallHand, {}, {}, {}});
        EXPECT_EQ(t.table->biddingPhase, kPhaseAsking);
        t.AllSay(kBidNo);
        t.table->StepBidding(0);
        SchafkopfComputerPlayer& game = t.Game();
        if (rule == 1) {
            // The Eichel-Ober holder (the human here) must call an Ace.
            EXPECT_EQ(t.table->biddingPhase, kPhaseCallAce);
            EXPECT_EQ(t.table->bids[0], kBidIPlay);
            EXPECT_EQ(game.partyLists[0], 0);
            EXPECT_EQ(t.table->humanGameType.word, kWordNormal);
            continue;
        }
        EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
        const bool plays = t.table->StartPlay();
        if (rule == 0) {
            EXPECT_FALSE(plays);
            EXPECT_EQ(game.gameType.trumpSuit, 255);
            EXPECT_EQ(game.gameType.word, 0x8000u);
        } else {
            EXPECT_TRUE(plays);
            EXPECT_EQ(game.gameType.word, 0x8001u);
            EXPECT_EQ(game.declarer, -1);
            EXPECT_EQ(game.allPassRuleOfDeal, rule);
        }
    }
}

TEST(SchafkopfBidding, ForcedGameOfAComputerSeatCallsAnAce) {
    ControllerTable t(2, 1);
    t.DealWith({{}, kHumanCallHand, {}, {}});
    t.AllSay(kBidNo);
    t.table->StepBidding(0);
    EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
    EXPECT_EQ(t.table->bids[1], kBidIPlay);
    // Seat 1 holds Gras and Eichel cards without their Aces: one of them is called.
    const int suit = t.Game().seatCalls[1].suit;
    EXPECT_TRUE(suit == 2 || suit == 3) << suit;
    ASSERT_TRUE(t.table->StartPlay());
    EXPECT_EQ(t.Game().gameType.word, kWordNormal);
    EXPECT_EQ(t.Game().gameType.trumpSuit, 1);
    EXPECT_EQ(t.Game().calledSuit, suit);
    EXPECT_EQ(t.Game().partyLists[0], 1);
}

TEST(SchafkopfBidding, HumanNamesACallGameAndCallsAnAce) {
    ControllerTable t(2);
    t.DealWith({kHumanCallHand, {Card(2, 'A')}, {Card(3, 'A')}, {}});
    t.table->SetBid(0, kBidIPlay);
    for (int seat = 1; seat < 4; ++seat)
        t.table->SetBid(seat, kBidNo);
    t.table->StepBidding(0);
    EXPECT_EQ(t.table->biddingPhase, kPhaseNamed);
    t.table->humanGameType = {1, kWordNormal};
    t.table->StepBidding(0);
    ASSERT_EQ(t.table->biddingPhase, kPhaseCallAce);
    // The human holds the Herz (trump) and no Schellen: neither can be called.
    EXPECT_FALSE(t.table->CallAce(0, {1, 1, 8, 0, {}}));
    EXPECT_FALSE(t.table->CallAce(0, {0, 1, 8, 0, {}}));
    EXPECT_EQ(t.table->Game()->seatCalls[0].suit, -1);
    EXPECT_TRUE(t.table->CallAce(0, {3, 1, 8, 0, {}}));
    t.table->StepBidding(0);
    EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
    ASSERT_TRUE(t.table->StartPlay());
    SchafkopfComputerPlayer& game = t.Game();
    EXPECT_EQ(game.calledSuit, 3);
    EXPECT_EQ(game.partyLists[0], 0);
    // The declarer and the holder of the Eichel Ace play together.
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(game.seats[seat].inDeclarerParty, seat == 0 || seat == 2 ? 1 : 0) << seat;
}

TEST(SchafkopfBidding, TwoPlayersAskForRequiredSolosOrTheGame) {
    for (int required = 0; required < 2; ++required) {
        ControllerTable t(2);
        t.options.requiredSolo = static_cast<std::int16_t>(required);
        t.DealWith({kHumanCallHand, {}, {}, {}});
        t.table->SetBid(0, kBidIPlay);
        t.table->SetBid(1, kBidNo);
        t.table->SetBid(2, kBidIPlay);
        t.table->SetBid(3, kBidNo);
        t.table->StepBidding(0);
        EXPECT_EQ(t.table->biddingPhase, required ? kPhaseRequiredSolo : kPhaseNameGame);
        if (!required)
            continue;
        // A "Yes" of a computer seat: every other seat passes, and play is due.
        t.table->SetBid(2, kBidYes);
        for (int seat : {0, 1, 3})
            EXPECT_EQ(t.table->bids[seat], kBidNo);
        t.table->StepBidding(0);
        EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
        EXPECT_EQ(t.table->FindPlayingSeat(), 2);
    }
}

// Two seats said "I play" and the human names the game: a solo starts play, a Call Game asks
// for the Ace; a computer seat before the human in the round plays without asking.
TEST(SchafkopfBidding, NamingTheGameAfterTwoPlayers) {
    struct Row {
        int dealer;
        GameTypeWord human;
        int phase;
    };
    for (Row r : {Row{3, kWordSuitSolo, kPhaseStartPlay}, Row{3, kWordNormal, kPhaseCallAce},
                  Row{0, kWordNormal, kPhaseStartPlay}}) {
        ControllerTable t(2);
        t.DealWith({kHumanCallHand, {}, {}, {}});
        t.table->dealer = static_cast<std::int16_t>(r.dealer);
        t.Game().leader = static_cast<std::int16_t>((r.dealer + 1) % 4);
        t.table->SetBid(0, kBidIPlay);
        t.table->SetBid(1, kBidNo);
        t.table->SetBid(2, kBidIPlay);
        t.table->SetBid(3, kBidNo);
        t.table->StepBidding(0);
        ASSERT_EQ(t.table->biddingPhase, kPhaseNameGame);
        t.table->humanGameType = {1, r.human};
        t.table->StepBidding(0);
        EXPECT_EQ(t.table->biddingPhase, r.phase) << r.dealer << " " << r.human;
    }
}

TEST(SchafkopfBidding, StockIsThePassOfTheDealerThatPaysIntoThePot) {
    ControllerTable t(2, 2);
    t.options.withPot = 1;
    t.DealWith({{}, {}, {}, {}});
    const std::int32_t before = GameListHead(t.table->gameListHandle)->totals[3];
    for (int seat = 0; seat < 3; ++seat)
        t.table->SetBid(seat, kBidNo);
    t.table->SetBid(3, kBidStock);
    EXPECT_EQ(t.Game().potUnits, 1);
    t.table->SetBid(3, kBidStock);
    EXPECT_EQ(t.Game().potUnits, 2);
    EXPECT_EQ(GameListHead(t.table->gameListHandle)->totals[3],
              before - 2 * 4 * t.options.baseStake);
    t.table->StepBidding(0);
    EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
    EXPECT_NE(t.table->FindPlayingSeat(), 3);
    ASSERT_TRUE(t.table->StartPlay());
    EXPECT_EQ(t.Game().gameType.word, 0x8001u); // all passed: the Ramsch
}

TEST(SchafkopfBidding, RefusedAnswersChangeNothing) {
    ControllerTable t(2);
    t.DealWith({{}, {}, {}, {}});
    for (int word : {5, 32, 64, 256, -1}) {
        t.table->SetBid(1, word);
        EXPECT_EQ(t.table->bids[1], 0) << word;
    }
    EXPECT_EQ(t.table->biddingPhase, kPhaseAsking);
    EXPECT_EQ(t.table->firstPlayerSeat, -1);
}

TEST(SchafkopfBidding, FixedPartnersAreTheEichelOberHolderAndTheSeatOpposite) {
    for (int holder = 0; holder < 4; ++holder) {
        ControllerTable t(0);
        std::vector<std::vector<int>> hands(4);
        hands[holder].push_back(Card(3, 'O'));
        t.DealWith(hands);
        EXPECT_EQ(t.table->biddingPhase, kPhaseFixedPartners);
        t.table->StepBidding(0);
        EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
        ASSERT_TRUE(t.table->StartPlay());
        SchafkopfComputerPlayer& game = t.Game();
        EXPECT_EQ(game.gameType.word, kWordNormal);
        EXPECT_EQ(game.partyLists[0], holder);
        EXPECT_EQ(game.partyLists[1], (holder + 2) % 4);
        for (int seat = 0; seat < 4; ++seat)
            EXPECT_EQ(game.seats[seat].inDeclarerParty, seat % 2 == holder % 2 ? 1 : 0);
    }
}

TEST(SchafkopfBidding, TwoCardsOneHolderWithFirstTrickPlaysTheFirstTrickGame) {
    ControllerTable t(1);
    t.options.withSuitSolo = 0;
    t.options.firstTrick = 1;
    t.AllComputers();
    t.DealWith({{}, {}, {Card(3, 'O'), Card(2, 'O')}, {}});
    EXPECT_EQ(t.table->biddingPhase, kPhasePartnerCards);
    t.table->StepBidding(0);
    EXPECT_EQ(t.table->biddingPhase, kPhaseStartPlay);
    EXPECT_EQ(t.Game().gameType.word, 0x2000u);
    EXPECT_EQ(t.Game().declarer, 2);
    ASSERT_TRUE(t.table->StartPlay());
    EXPECT_EQ(t.Game().declarer, 2);
    EXPECT_EQ(t.Game().partyLists[0], 2);
}

TEST(SchafkopfBidding, TwoCardsTwoHoldersArePartners) {
    ControllerTable t(1);
    t.options.withSuitSolo = 0;
    t.AllComputers();
    t.DealWith({{}, {Card(2, 'O')}, {}, {Card(3, 'O')}});
    t.table->StepBidding(0);
    ASSERT_TRUE(t.table->StartPlay());
    SchafkopfComputerPlayer& game = t.Game();
    EXPECT_EQ(game.gameType.word, kWordNormal);
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(game.seats[seat].inDeclarerParty, seat == 1 || seat == 3 ? 1 : 0) << seat;
    EXPECT_EQ(game.partyLists[0], 3);
    EXPECT_EQ(game.partyLists[1], 1);
}

TEST(SchafkopfBidding, ComputerSeatsAnswerInTheFirstRound) {
    ControllerTable t(2);
    t.AllComputers();
    // Seat 1 holds all Obers and Unters: the You game, and it says "I play".
    t.DealWith({{},
                {Card(3, 'O'), Card(2, 'O'), Card(1, 'O'), Card(0, 'O'), Card(3, 'U'), Card(2, 'U'),
                 Card(1, 'U'), Card(0, 'U')},
                {},
                {}});
    int suit = 0;
    EXPECT_EQ(t.table->GetSeatBidType(1, &suit) & kGameBitsMask, kWordYou);
    EXPECT_EQ(t.table->bids[1], kBidIPlay);
    EXPECT_EQ(t.table->firstPlayerSeat, 1);
    EXPECT_TRUE(t.table->HasAnswered(1));
}

TEST(SchafkopfBidding, OnlyTheDealerWithNothingToPlayMayPutIntoThePot) {
    ControllerTable t(2);
    t.options.withPot = 1;
    t.options.allowedGames = 0;
    t.AllComputers();
    t.DealWith({{},
                {},
                {},
                {Card(0, '7'), Card(0, '8'), Card(0, '9'), Card(2, '7'), Card(2, '8'), Card(2, '9'),
                 Card(3, '7'), Card(3, '8')}});
    EXPECT_TRUE(t.table->MayPutInPot(3));
    EXPECT_FALSE(t.table->MayPutInPot(2)); // not the dealer
    t.options.withPot = 0;
    EXPECT_FALSE(t.table->MayPutInPot(3));
    t.options.withPot = 1;
    t.table->SetBid(1, kBidIPlay);
    EXPECT_FALSE(t.table->MayPutInPot(3)); // somebody plays
}

TEST(SchafkopfBidding, TheHumanHasAnsweredByItsWordInTheLaterPhases) {
    ControllerTable t(2);
    t.DealWith({kHumanCallHand, {}, {}, {}});
    t.table->biddingPhase = kPhaseRequiredSolo;
    EXPECT_FALSE(t.table->HasAnswered(0));
    t.table->SetBid(0, kBidNoRequiredSolo);
    EXPECT_TRUE(t.table->HasAnswered(0));
    t.table->biddingPhase = kPhaseNameGame;
    EXPECT_FALSE(t.table->HasAnswered(0));
    t.table->SetBid(0, kBidGood);
    EXPECT_TRUE(t.table->HasAnswered(0));
    // A computer seat has answered once its hand was evaluated.
    EXPECT_FALSE(t.table->HasAnswered(2));
    int suit = 0;
    t.table->GetSeatBidType(2, &suit);
    EXPECT_TRUE(t.table->HasAnswered(2));
}

TEST(SchafkopfBidding, SuitsLeftReversesTheSortedRow) {
    ControllerTable t(2);
    t.DealWith({kHumanCallHand, {}, {}, {}});
    t.table->SortHandRow(0);
    const std::vector<std::uint8_t> right(t.table->hands, t.table->hands + 8);
    t.settings.suitsLeft = 1;
    t.table->SortHandRow(0);
    const std::vector<std::uint8_t> left(t.table->hands, t.table->hands + 8);
    EXPECT_EQ(std::vector<std::uint8_t>(right.rbegin(), right.rend()), left);
    EXPECT_EQ(t.table->hands[8], 0);
    // The sorted row holds the dealt cards.
    std::vector<int> cards(left.begin(), left.end());
    std::vector<int> dealt = kHumanCallHand;
    std::sort(cards.begin(), cards.end());
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(cards, dealt);
}

TEST(SchafkopfBidding, TheDocumentControllerKeepsTheSchafkopfPlayer) {
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions options{};
    SetSchafkopfOptionDefaults(&options);
    settings.seriesEnd = 1;
    settings.tableMode = 1;
    auto document = std::make_unique<SchafkopfDocumentController>();
    ASSERT_TRUE(document->AttachDocument(&settings, &options, &rules, nullptr));
    EXPECT_EQ(gSchafkopfComputerPlayer, document->Game());
    EXPECT_EQ(document->Game()->options, &options);
    EXPECT_EQ(document->schafkopfRules, &options);
    EXPECT_EQ(document->GetOwnGameKind(), 2);
    EXPECT_FALSE(document->IsDoppelkopf());
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(document->bids[seat], kBidNo);
    document.reset();
    EXPECT_EQ(gSchafkopfComputerPlayer, nullptr);
}

// --- random deals ---

struct DealCheck {
    const SchafkopfOptions& o;
    SchafkopfController& c;
    SchafkopfComputerPlayer& g;

    bool Holds(int seat, int card) const { return g.HoldsCard(seat, card); }
    int Holder(int card) const {
        for (int s = 0; s < 4; ++s)
            if (Holds(s, card))
                return s;
        return -1;
    }
    // The published rule: a plain suit held without its Ace.
    bool MayCall(int seat, int suit) const {
        if (suit == o.trumpSuit)
            return false;
        bool plain = false;
        for (char rank : {'7', '8', '9', 'K', 'T'})
            plain = plain || Holds(seat, Card(suit, rank));
        return plain && !Holds(seat, Card(suit, 'A'));
    }
    bool MayCallAny(int seat) const {
        for (int suit = 0; suit < 4; ++suit)
            if (MayCall(seat, suit))
                return true;
        return false;
    }
};

TEST(SchafkopfBidding, RandomDealsBidByFourComputerSeats) {
    std::mt19937 random(2112);
    int games[4] = {};
    for (int deal = 0; deal < 3000; ++deal) {
        const int mode = static_cast<int>(random() % 3);
        ControllerTable t(mode, static_cast<int>(random() % 4));
        SchafkopfOptions& o = t.options;
        o.shortDeck = static_cast<std::int16_t>(random() % 4 == 0);
        o.trumpSuit = static_cast<std::int16_t>(random() % 2);
        o.callAnyAce = static_cast<std::int16_t>(random() % 6 == 0);
        o.ruleValue54 = static_cast<std::int16_t>(random() % 3 == 0);
        o.withSuitSolo = static_cast<std::int16_t>(random() % 2);
        o.firstTrick = static_cast<std::int16_t>(random() % 2);
        o.requiredSolo = static_cast<std::int16_t>(random() % 3 == 0);
        o.toutGames = static_cast<std::int16_t>(random() % 2);
        o.allowedGames = static_cast<std::int32_t>(random() & 0x1FFF);
        t.AllComputers();
        for (int seat = 0; seat < 4; ++seat)
            t.table->SetSeatProfile(static_cast<int>(random() % 15) + 1, seat);
        SeedRandom(static_cast<std::uint32_t>(random()));
        t.table->NewDeal(false);
        const bool plays = t.AutomaticBidding();
        SchafkopfComputerPlayer& g = t.Game();
        DealCheck check{o, *t.table, g};
        SCOPED_TRACE(deal);

        // Every card dealt once, a full hand each.
        std::vector<int> dealt;
        const int per = o.shortDeck ? 6 : 8;
        for (int seat = 0; seat < 4; ++seat) {
            int held = 0;
            for (int p = 0; p < 12; ++p)
                if (g.seats[seat].hand[p] != 0) {
                    dealt.push_back(g.seats[seat].hand[p]);
                    ++held;
                }
            EXPECT_EQ(held, per);
        }
        std::sort(dealt.begin(), dealt.end());
        EXPECT_EQ(dealt, (skref::Game{o.trumpSuit, 1, o.shortDeck != 0}.Deck()));

        bool allPassed = true;
        for (int seat = 0; seat < 4; ++seat)
            allPassed =
                allPassed && (t.table->bids[seat] == kBidNo || t.table->bids[seat] == kBidStock);
        EXPECT_EQ(plays, !(mode == 2 && allPassed && o.allPassRule == 0));
        const GameTypeWord bits = g.gameType.word & kGameBitsMask;
        if (plays && !(g.gameType.word & kModExchange))
            ++games[mode];
        // A game that plays has a game word: someone declared it, or the partners play it.
        if (plays) {
            EXPECT_NE(bits, 0u) << "bids " << t.table->bids[0] << t.table->bids[1]
                                << t.table->bids[2] << t.table->bids[3] << " mode " << mode;
        }

        if (bits == kWordNormal && !(g.gameType.word & kModExchange)) {
            EXPECT_EQ(g.gameType.trumpSuit, o.trumpSuit);
        }
        if (mode == 2 && bits == kWordNormal && !(g.gameType.word & kModExchange)) {
            const int s = g.partyLists[0];
            // A forced game without a suit to call calls Schellen, or, when that Ace is the
            // declarer's own, the first suit whose Ace another seat holds.
            EXPECT_FALSE(check.Holds(s, Card(g.calledSuit, 'A')))
                << "seat " << s << " calls its own Ace";
            const bool forcedBlind = o.allPassRule == 1 && !check.MayCall(s, g.calledSuit);
            if (!o.callAnyAce && !forcedBlind) {
                if (check.MayCallAny(s)) {
                    EXPECT_TRUE(check.MayCall(s, g.calledSuit))
                        << "seat " << s << " suit " << g.calledSuit;
                } else {
                    EXPECT_TRUE(o.ruleValue54 && g.calledSuit != o.trumpSuit &&
                                !check.Holds(s, Card(g.calledSuit, 'A')));
                }
            }
        }
        if (mode == 0) {
            const int s = check.Holder(Card(3, 'O'));
            EXPECT_EQ(g.partyLists[0], s);
            EXPECT_EQ(g.partyLists[1], (s + 2) % 4);
        }
        if (mode == 1 && !g.IsSoloGame() && bits != kWordMarriage) {
            const int q = check.Holder(o.partnerCards[0]);
            const int r = check.Holder(o.partnerCards[1]);
            if (q != r) {
                EXPECT_EQ(g.seats[q].inDeclarerParty, 1);
                EXPECT_EQ(g.seats[r].inDeclarerParty, 1);
            }
        }
        // No party flag contradicts the party lists.
        if (plays && !(g.gameType.word & kModExchange) && bits != kWordMarriage) {
            for (int i = 0; i < 5; ++i) {
                const int s = g.partyLists[i];
                if (s < 0)
                    continue;
                EXPECT_EQ(g.seats[s].inDeclarerParty, i < 2 ? 1 : 0) << "list place " << i;
            }
        }
    }
    // Each mode played games: the deals reached the start of play.
    for (int mode = 0; mode < 3; ++mode)
        EXPECT_GT(games[mode], 100) << mode;
}

// The human's doublings at the table, fixed partners so the parties follow from the Eichel Ober:
// the defenders say Contra and Sup, the declaring party answers Re and Resup, each only as the
// answer to the call before it, Sup and Resup only with supResup, all before the first card.
constexpr int kContra = 0;
constexpr int kRe = 1;
constexpr int kSup = 8;
constexpr int kResup = 9;

struct DoublingTable : ControllerTable {
    DoublingTable(int eichelOberHolder, bool supResup) : ControllerTable(0) {
        options.doubleRe = 1;
        options.supResup = static_cast<std::int16_t>(supResup ? 1 : 0);
        std::vector<std::vector<int>> hands(4);
        hands[eichelOberHolder].push_back(Card(3, 'O'));
        DealWith(hands);
        table->StepBidding(0);
        EXPECT_TRUE(table->StartPlay());
    }

    void ExpectLast(int count, int kind, int seat) {
        ASSERT_EQ(Game().announcementCount, count);
        EXPECT_EQ(Game().announcements[count - 1].kind, kind);
        EXPECT_EQ(Game().announcements[count - 1].seat, seat);
    }
};

TEST(SchafkopfBidding, TheHumansDoublingReachesTheAnnouncementList) {
    {
        SCOPED_TRACE("the human defends");
        DoublingTable t(1, true);
        ASSERT_EQ(t.Game().seats[0].inDeclarerParty, 0);
        EXPECT_FALSE(t.table->Announce(kRe));
        EXPECT_FALSE(t.table->Announce(kSup)) << "Sup answers a Re";
        EXPECT_EQ(t.Game().announcementCount, 0);
        EXPECT_TRUE(t.table->Announce(kContra));
        t.ExpectLast(1, kContra, 0);
        EXPECT_FALSE(t.table->Announce(kContra)) << "one Contra a party";
        EXPECT_FALSE(t.table->Announce(kSup)) << "Sup answers a Re";
        ASSERT_TRUE(t.Game().MakeAnnouncement(3, kRe));
        EXPECT_FALSE(t.table->Announce(kResup));
        EXPECT_TRUE(t.table->Announce(kSup));
        t.ExpectLast(3, kSup, 0);
    }
    {
        SCOPED_TRACE("without supResup the human defender stops at Contra");
        DoublingTable t(1, false);
        EXPECT_TRUE(t.table->Announce(kContra));
        ASSERT_TRUE(t.Game().MakeAnnouncement(1, kRe));
        EXPECT_FALSE(t.table->Announce(kSup));
        EXPECT_EQ(t.Game().announcementCount, 2);
    }
    {
        SCOPED_TRACE("the human plays with the Eichel Ober");
        DoublingTable t(0, true);
        ASSERT_EQ(t.Game().seats[0].inDeclarerParty, 1);
        EXPECT_FALSE(t.table->Announce(kContra));
        EXPECT_FALSE(t.table->Announce(kRe)) << "Re answers a Contra";
        EXPECT_EQ(t.Game().announcementCount, 0);
        ASSERT_TRUE(t.Game().MakeAnnouncement(3, kContra));
        EXPECT_TRUE(t.table->Announce(kRe));
        t.ExpectLast(2, kRe, 0);
        EXPECT_FALSE(t.table->Announce(kResup)) << "Resup answers a Sup";
        ASSERT_TRUE(t.Game().MakeAnnouncement(1, kSup));
        EXPECT_TRUE(t.table->Announce(kResup));
        t.ExpectLast(4, kResup, 0);
    }
    {
        SCOPED_TRACE("after the human's first card");
        DoublingTable t(1, true);
        SeatBlock& human = t.Game().seats[0];
        for (int p = 0; p < kHandPlaces; ++p)
            if (IsCardCode(human.hand[p])) {
                human.hand[p] = 0;
                break;
            }
        EXPECT_FALSE(t.table->Announce(kContra));
        EXPECT_EQ(t.Game().announcementCount, 0);
    }
}

TEST(SchafkopfBidding, ThirdRunRoundTripsAndRefusesDamage) {
    ControllerTable t(2);
    t.table->firstPlayerSeat = 2;
    t.table->humanGameType = {3, kWordSuitSolo | kModThrowIn | kModSoloChoice};
    std::uint8_t bytes[kThirdRunSize] = {};
    t.table->WriteThirdRun(bytes);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[4], 3);
    EXPECT_EQ(bytes[8], 0x04);
    EXPECT_EQ(bytes[9], 0x40);
    EXPECT_EQ(bytes[10], 0x01);
    ControllerTable u(2);
    ASSERT_TRUE(u.table->ReadThirdRun(bytes));
    EXPECT_EQ(u.table->firstPlayerSeat, 2);
    EXPECT_EQ(u.table->humanGameType.trumpSuit, 3);
    EXPECT_EQ(u.table->humanGameType.word, t.table->humanGameType.word);

    struct Damage {
        int offset;
        std::uint8_t value;
    };
    for (Damage d : {Damage{0, 4}, Damage{0, 0xfe}, Damage{4, 5}, Damage{4, 254}, Damage{7, 1},
                     Damage{11, 0x80}, Damage{10, 0x04}}) {
        std::uint8_t damaged[kThirdRunSize];
        std::memcpy(damaged, bytes, sizeof damaged);
        damaged[d.offset] = d.value;
        if (d.offset == 0 && d.value == 0xfe)
            damaged[1] = damaged[2] = damaged[3] = 0xff; // seat -2
        ControllerTable v(2);
        EXPECT_FALSE(v.table->ReadThirdRun(damaged)) << d.offset;
        EXPECT_EQ(v.table->firstPlayerSeat, -1);
    }
    // The all-passed game's suit 255 is sound.
    std::uint8_t passed[kThirdRunSize] = {0xff, 0xff, 0xff, 0xff, 255, 0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_TRUE(u.table->ReadThirdRun(passed));
    EXPECT_EQ(u.table->firstPlayerSeat, -1);
    EXPECT_EQ(u.table->humanGameType.trumpSuit, 255);
}

} // namespace

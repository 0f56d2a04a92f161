// The computer's card play at the top: which routine a seat is asked by trick phase, game
// group and role, the lowest legal card when no routine plays, and the booking of a trick
// (winner, points, the called suit settling the parties, the 1st Trick's partner or Suit Solo).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "SchafkopfReference.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "records/OptionRecordLayouts.h"
#include "shell/OptionRecords.h"
#include "support/AlertRecorder.h"

namespace {

// The game object with every routine the dispatcher reaches replaced by one that notes its
// name and declines, so that the dispatcher's last resort plays.
class SpyPlayer : public SchafkopfComputerPlayer {
  public:
    std::vector<std::string> asked;

    // When set, the routines play the seat's first legal card with reason 77.
    bool routinesPlay = false;

    bool Note(const char* name) {
        asked.emplace_back(name);
        if (!routinesPlay)
            return false;
        const int seat = seatToMove;
        for (int p = 0; p < 8; ++p)
            if (IsCardCode(seats[seat].hand[p]) && IsLegalCard(seat, seats[seat].hand[p]) == 1)
                return PlayRuleCard(seat, p, 77);
        return false;
    }
    bool PlayFirstTrickOpening(int) override { return Note("FirstTrickOpening"); }
    bool LeadCallGame() override { return Note("LeadCallGame"); }
    bool LeadCallGameEndPhase() override { return Note("LeadCallGameEnd"); }
    bool FollowOpeningPhase(int, int) override { return Note("FollowOpening"); }
    bool FollowMiddlePhase(int, int) override { return Note("FollowMiddle"); }
    bool FollowEndPhase(int, int) override { return Note("FollowEnd"); }
    bool PlayVoidEndPhase(int) override { return Note("VoidEnd"); }
    bool PlayCallGameVoid(int) override { return Note("CallGameVoid"); }
    bool PlaySoloDeclarerCard() override { return Note("SoloDeclarer"); }
    bool PlaySoloDeclarerEndPhase() override { return Note("SoloDeclarerEnd"); }
    bool PlaySoloDefenderCard() override { return Note("SoloDefender"); }
    bool PlayBegDeclarerCard() override { return Note("BegDeclarer"); }
    bool PlayBegDefenderCard() override { return Note("BegDefender"); }
    bool PlayAllPassedCard() override { return Note("AllPassed"); }
    bool PlayAllPassedMiddle() override { return Note("AllPassedMiddle"); }
    bool PlayAllPassedEnd() override { return Note("AllPassedEnd"); }
    // The replacement hooks keep the reason of the card they exchange: off here, so that a
    // card with the dispatcher's reason is the dispatcher's own.
    int ReplaceCardChoice(int, int, int*, int) override { return -1; }
    int ReplaceCardChoiceNext(int, int, int) override { return -1; }

    // The reason of the seat's last logged card, -1 without one.
    int LastReason(int seat) const {
        const PlayLog* log = GetPlayLog(seat);
        return log && log->count > 0 ? log->entries[log->count - 1].reason : -1;
    }
};

class DispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetAlertRecorder();
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2;
        options.trumpSuit = 1;
        options.calledSuitLeadBan = 0;
        game.NewGameWithOptions(&options);
    }

    skref::Game Ref() const {
        return {game.gameType.trumpSuit, game.gameType.word, options.shortDeck != 0};
    }
    int CardsPerHand() const { return options.shortDeck ? 6 : 8; }

    // A new deal of the word with the given hands; the leader leads trick 1. The declarer is
    // listed first in the first party, a solo's declarer against the three others.
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
        game.calledSuit = -1;
        game.calledRank = -1;
        for (auto& entry : game.partyLists)
            entry = -1;
        for (auto& seat : game.seats)
            seat.inDeclarerParty = 0;
        if (declarer >= 0) {
            game.partyLists[0] = static_cast<std::int16_t>(declarer);
            game.seats[declarer].inDeclarerParty = 1;
            if (game.IsSoloGame())
                for (int s = 0, e = 2; s < 4; ++s)
                    if (s != declarer)
                        game.partyLists[e++] = static_cast<std::int16_t>(s);
        }
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

    // The card the reference expects of the last resort: among the cards the game object
    // answers 1 for, a plain card before a trump, then the lowest by the published order of
    // the game, the first in hand order on a tie.
    int ExpectedLowest(int seat) {
        const skref::Game ref = Ref();
        int best = 0;
        int bestKey = 0;
        for (int card : Hand(seat)) {
            if (game.IsLegalCard(seat, card) != 1)
                continue;
            const int key = (ref.IsTrump(card) ? 1000 : 0) + ref.Strength(card);
            if (best == 0 || key < bestKey) {
                best = card;
                bestKey = key;
            }
        }
        return best;
    }

    // The computer seat to move plays; answers the card it put into the trick.
    int Move(int seat, std::uint8_t* claim = nullptr) {
        game.SetSeatToAct(seat);
        std::uint8_t flag = 0;
        game.ChooseAndPlayCard(seat, claim ? claim : &flag);
        return game.trickCards[seat];
    }

    // Books the full trick as the controller does (the game object names the winner; the
    // trick's cards are cleared afterwards); answers the winner.
    int EndTrick(std::uint8_t* changed = nullptr) {
        std::uint8_t flag = 0;
        game.EndTrick(changed ? changed : &flag);
        for (auto& card : game.trickCards)
            card = 0;
        return game.leader;
    }

    // The seat plays the card as the human's cards go.
    void PlayCard(int seat, int card) {
        ASSERT_EQ(game.IsLegalCard(seat, card), 1) << "seat " << seat << " card " << card;
        game.seatToMove = static_cast<std::int16_t>(seat);
        for (int p = 0; p < kHandPlaces; ++p)
            if (game.seats[seat].hand[p] == card) {
                game.PlayCard(seat, p, kReasonHuman);
                return;
            }
        FAIL() << "seat " << seat << " lacks " << card;
    }

    // Plays one trick of computer moves from the leader; answers the routines asked per seat
    // in playing order.
    std::vector<std::string> PlayTrick() {
        std::vector<std::string> asked;
        const int first = game.leader;
        for (int i = 0; i < 4; ++i) {
            game.asked.clear();
            Move((first + i) % 4);
            asked.push_back(game.asked.empty() ? "-" : game.asked.front());
        }
        return asked;
    }

    SchafkopfOptions options{};
    SpyPlayer game;
};

// --- the phases ---

TEST_F(DispatchTest, TheTrickNumberChoosesThePhaseWithEightAndWithSixCards) {
    // The declarer of a Suit Solo leads every trick he wins; in a Ramsch the leader's routine
    // shows the phase; in a Call Game the follower's.
    struct Case {
        bool shortDeck;
        const char* phases; // per trick: O opening, M middle, E end
    };
    const Case cases[] = {{false, "OOOMMEEE"}, {true, "OOOMME"}};
    for (const Case& c : cases) {
        options.shortDeck = c.shortDeck ? 1 : 0;
        game.NewGameWithOptions(&options);
        std::mt19937 random(7);
        for (int t = 1; t <= CardsPerHand(); ++t) {
            const char phase = c.phases[t - 1];
            SCOPED_TRACE(::testing::Message() << "short " << c.shortDeck << " trick " << t);
            // Ramsch: the leader asks the all-passed entry of the phase.
            Deal(random, kModExchange | kWordNormal, 0, -1);
            game.trickNumber = static_cast<std::int16_t>(t);
            EXPECT_EQ(PlayTrick()[0], phase == 'O'   ? "AllPassed"
                                      : phase == 'M' ? "AllPassedMiddle"
                                                     : "AllPassedEnd");
            // A Suit Solo: the declarer in the lead.
            Deal(random, kWordSuitSolo, 2, 2);
            game.trickNumber = static_cast<std::int16_t>(t);
            EXPECT_EQ(PlayTrick()[0], phase == 'E' ? "SoloDeclarerEnd" : "SoloDeclarer");
            // A Call Game: the lead and a follower that holds the led suit.
            Deal(random, kWordNormal, 1, 3);
            game.trickNumber = static_cast<std::int16_t>(t);
            const std::vector<std::string> asked = PlayTrick();
            EXPECT_EQ(asked[0], phase == 'E' ? "LeadCallGameEnd" : "LeadCallGame");
            for (int i = 1; i < 4; ++i) {
                EXPECT_TRUE(asked[i] == (phase == 'O'   ? "FollowOpening"
                                         : phase == 'M' ? "FollowMiddle"
                                                        : "FollowEnd") ||
                            asked[i] == (phase == 'E' ? "VoidEnd" : "CallGameVoid"))
                    << asked[i];
            }
        }
    }
}

// --- groups and roles ---

// The fall-back cell of a spy routine's name.
SchafkopfRoutine RoutineOf(const std::string& name) {
    static const std::pair<const char*, SchafkopfRoutine> kNames[] = {
        {"LeadCallGame", SchafkopfRoutine::kLeadCallGame},
        {"LeadCallGameEnd", SchafkopfRoutine::kLeadCallGameEndPhase},
        {"SoloDeclarer", SchafkopfRoutine::kPlaySoloDeclarerCard},
        {"SoloDeclarerEnd", SchafkopfRoutine::kPlaySoloDeclarerEndPhase},
        {"SoloDefender", SchafkopfRoutine::kPlaySoloDefenderCard},
        {"BegDeclarer", SchafkopfRoutine::kPlayBegDeclarerCard},
        {"BegDefender", SchafkopfRoutine::kPlayBegDefenderCard},
        {"AllPassed", SchafkopfRoutine::kPlayAllPassedCard},
        {"AllPassedMiddle", SchafkopfRoutine::kPlayAllPassedMiddle},
        {"AllPassedEnd", SchafkopfRoutine::kPlayAllPassedEnd},
    };
    for (const auto& [text, routine] : kNames)
        if (name == text)
            return routine;
    return SchafkopfRoutine::kCount;
}

TEST_F(DispatchTest, EveryGroupAndRoleReachesItsRoutineInEveryPhase) {
    struct Case {
        GameTypeWord word;
        const char* declarer[3]; // opening, middle, end
        const char* defender[3];
    };
    const char* kSolo[3] = {"SoloDeclarer", "SoloDeclarer", "SoloDeclarerEnd"};
    const char* kDefence[3] = {"SoloDefender", "SoloDefender", "SoloDefender"};
    const std::vector<GameTypeWord> soloWords = {kWordPureSuitSolo,
                                                 kWordSuitSolo,
                                                 kWordSuitUnter,
                                                 kWordSuitOber,
                                                 kWordUnterKing,
                                                 kWordOberUnter,
                                                 kWordUnterOber,
                                                 kWordOberUnterKing,
                                                 kWordYou,
                                                 kWordUnterSolo,
                                                 kWordOberSolo,
                                                 kWordKingSolo,
                                                 kWordSuitSolo | kModThrowIn,
                                                 kWordUnterSolo | kModSoloChoice};
    std::vector<Case> cases;
    for (GameTypeWord word : soloWords)
        cases.push_back(
            {word, {kSolo[0], kSolo[1], kSolo[2]}, {kDefence[0], kDefence[1], kDefence[2]}});
    cases.push_back({kWordNoTrumps,
                     {"BegDeclarer", "BegDeclarer", "BegDeclarer"},
                     {"BegDefender", "BegDefender", "BegDefender"}});
    cases.push_back({kWordNoTrumps | kModThrowIn,
                     {"BegDeclarer", "BegDeclarer", "BegDeclarer"},
                     {"BegDefender", "BegDefender", "BegDefender"}});
    cases.push_back({kModExchange | kWordNormal,
                     {"AllPassed", "AllPassedMiddle", "AllPassedEnd"},
                     {"AllPassed", "AllPassedMiddle", "AllPassedEnd"}});
    cases.push_back({kWordNormal,
                     {"LeadCallGame", "LeadCallGame", "LeadCallGameEnd"},
                     {"LeadCallGame", "LeadCallGame", "LeadCallGameEnd"}});
    const int tricks[3] = {2, 5, 7};
    std::mt19937 random(11);
    for (const Case& c : cases) {
        for (int phase = 0; phase < 3; ++phase) {
            for (int role = 0; role < 2; ++role) {
                SCOPED_TRACE(::testing::Message()
                             << "word " << c.word << " phase " << phase << " role " << role);
                // Seat 1 leads; it declares in role 0, seat 3 declares in role 1.
                const bool allPassed = (c.word & kModExchange) != 0;
                Deal(random, c.word, 1, allPassed ? -1 : (role == 0 ? 1 : 3));
                game.trickNumber = static_cast<std::int16_t>(tricks[phase]);
                game.asked.clear();
                game.fallbackCounts.Reset();
                const int before = static_cast<int>(Hand(1).size());
                Move(1);
                ASSERT_FALSE(game.asked.empty());
                const std::string expected = role == 0 ? c.declarer[phase] : c.defender[phase];
                EXPECT_EQ(game.asked.front(), expected);
                EXPECT_EQ(static_cast<int>(Hand(1).size()), before - 1);
                // The declining routine is booked as a fall-back in its own cell.
                const SchafkopfRole seatRole = allPassed   ? SchafkopfRole::kDefender
                                               : role == 0 ? SchafkopfRole::kDeclarer
                                                           : SchafkopfRole::kDefender;
                EXPECT_EQ(game.fallbackCounts.Fallbacks(static_cast<int>(game.GetPlayGroup()),
                                                        phase, seatRole, RoutineOf(expected)),
                          1u);
                EXPECT_EQ(game.fallbackCounts.TotalFallbacks(), 1u);
                EXPECT_EQ(game.fallbackCounts.TotalCards(), 1u);
            }
        }
    }
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(DispatchTest, TheFirstTrickGameHasItsOwnOpeningUntilItsPartnerIsFound) {
    std::mt19937 random(3);
    Deal(random, kWordMarriage, 0, 0);
    game.asked.clear();
    Move(0);
    EXPECT_EQ(game.asked.front(), "FirstTrickOpening");
    game.marriageTrick = 2;
    game.asked.clear();
    Move(1);
    EXPECT_NE(game.asked.front(), "FirstTrickOpening");
}

TEST_F(DispatchTest, AGameWordOfNoGroupIsReportedAndTheLowestLegalCardPlayed) {
    std::mt19937 random(5);
    Deal(random, kWordSuitSolo, 0, 0);
    game.gameType.word = kWordNormal | kWordPureSuitSolo; // a solo word no group knows
    for (int t : {1, 4, 7}) {
        ResetAlertRecorder();
        game.trickNumber = static_cast<std::int16_t>(t);
        for (auto& card : game.trickCards)
            card = 0;
        const int seat = game.leader;
        const int expected = ExpectedLowest(seat);
        game.asked.clear();
        EXPECT_EQ(Move(seat), expected);
        EXPECT_TRUE(game.asked.empty());
        EXPECT_EQ(game.LastReason(seat), kReasonLowestCard);
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_NE(RecordedAlerts()[0].text.find("Game word"), std::string::npos);
    }
}

TEST_F(DispatchTest, ARoutineThatPlaysEndsTheMoveAndTheLastResortStaysOut) {
    std::mt19937 random(9);
    Deal(random, kWordNormal, 0, 0);
    game.routinesPlay = true;
    const int first = Hand(0)[0];
    EXPECT_EQ(Move(0), first);
    EXPECT_EQ(game.LastReason(0), 77);
    EXPECT_EQ(Hand(0).size(), 7u);
    EXPECT_EQ(game.asked.size(), 1u);
    EXPECT_EQ(game.fallbackCounts.TotalFallbacks(), 0u);
    EXPECT_EQ(game.fallbackCounts.CardsOfGroup(static_cast<int>(SchafkopfPlayGroup::kPartnerGame)),
              1u);
}

TEST_F(DispatchTest, TheFallbackReportListsEachGroupAndEachCellWithFallbacks) {
    std::mt19937 random(12);
    Deal(random, kWordNormal, 0, 0);
    Move(0); // the lead declines: a fall-back
    game.routinesPlay = true;
    Move(1);
    const std::string head = "fall-backs 1 of 2 computer cards\npartner game: 1 of 2\n"
                             "  partner game, opening, declarer, LeadCallGame: 1\n";
    char text[512];
    EXPECT_EQ(game.fallbackCounts.WriteReport(text, sizeof text), static_cast<int>(head.size()));
    EXPECT_EQ(std::string(text), head);
    // A short buffer keeps its end byte and still answers the full length.
    char shortText[10];
    EXPECT_EQ(game.fallbackCounts.WriteReport(shortText, sizeof shortText),
              static_cast<int>(head.size()));
    EXPECT_EQ(std::string(shortText), head.substr(0, 9));
    EXPECT_EQ(game.fallbackCounts.FallbacksOfRoutine(SchafkopfRoutine::kLeadCallGame), 1u);
    // Cells outside the table book nothing.
    game.fallbackCounts.CountCard(6, 0, SchafkopfRole::kDeclarer, SchafkopfRoutine::kNone, true);
    game.fallbackCounts.CountCard(0, 3, SchafkopfRole::kDeclarer, SchafkopfRoutine::kNone, true);
    game.fallbackCounts.CountCard(0, 0, SchafkopfRole::kCount, SchafkopfRoutine::kNone, true);
    game.fallbackCounts.CountCard(0, 0, SchafkopfRole::kDeclarer, SchafkopfRoutine::kCount, true);
    EXPECT_EQ(game.fallbackCounts.TotalCards(), 2u);
}

TEST_F(DispatchTest, OnlyTheSeatToActMoves) {
    std::mt19937 random(8);
    Deal(random, kWordSuitSolo, 0, 0);
    game.SetSeatToAct(0);
    std::uint8_t claim = 9;
    game.ChooseAndPlayCard(1, &claim);
    EXPECT_EQ(Hand(1).size(), 8u);
    EXPECT_EQ(game.trickCards[1], 0);
    EXPECT_EQ(claim, 0);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    game.ChooseAndPlayCard(0, &claim);
    EXPECT_EQ(Hand(0).size(), 7u);
}

TEST_F(DispatchTest, TheSeatToActSeesThePlacesOnlyWhenSkilledAndLeavesNoDryRun) {
    std::mt19937 random(4);
    Deal(random, kWordNormal, 0, 0);
    for (int profile : {0, 5, 6, 12}) {
        game.seats[2].profile = static_cast<std::int16_t>(profile);
        game.dryRun = 1;
        game.seatToMove = 0;
        game.SetSeatToAct(2);
        EXPECT_EQ(game.seatToMove, 2);
        EXPECT_EQ(game.dryRun, 0);
        EXPECT_EQ(game.watchPlaces, profile >= 6 ? 1 : 0) << profile;
    }
}

// --- the end of a trick ---

// Seat 1 declares a 1st Trick and wins the first trick with the Eichel Ober; seat 3 takes the
// second with the Schellen Ace and becomes the partner.
TEST_F(DispatchTest, TheFirstTrickTakenFromTheDeclarerMakesItsWinnerThePartner) {
    Start(kWordMarriage,
          {{3, 6, 7, 5, 13, 21, 20, 28},
           {29, 1, 25, 26, 17, 18, 9, 10},
           {2, 27, 19, 30, 22, 11, 14, 31},
           {8, 32, 24, 23, 16, 15, 4, 12}},
          1, 1);
    std::uint8_t changed = 9;
    PlayCard(1, 29);
    PlayCard(2, 11);
    PlayCard(3, 4);
    PlayCard(0, 20);
    EXPECT_EQ(EndTrick(&changed), 1);
    EXPECT_EQ(changed, 0);
    EXPECT_EQ(game.gameType.word, kWordMarriage);
    EXPECT_EQ(game.marriageTrick, 0);
    EXPECT_EQ(game.cardPoints[1], 3 + 0 + 2 + 2);
    PlayCard(1, 1);
    PlayCard(2, 2);
    PlayCard(3, 8);
    PlayCard(0, 3);
    EXPECT_EQ(EndTrick(&changed), 3);
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(game.gameType.word, kWordNormal);
    EXPECT_EQ(game.gameType.trumpSuit, 1);
    EXPECT_EQ(game.marriageTrick, 2);
    EXPECT_EQ(game.declarer, -1);
    const std::int16_t parties[5] = {1, 3, 0, 2, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], parties[i]) << i;
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(game.seats[s].inDeclarerParty, s == 1 || s == 3 ? 1 : 0) << s;
    EXPECT_EQ(game.cardPoints[3], 11);
    EXPECT_EQ(game.trickNumber, 3);
    // The partner is known: the third trick is no longer the 1st Trick's opening.
    game.asked.clear();
    Move(3);
    EXPECT_EQ(game.asked.front(), "LeadCallGame");
}

// Seat 0 declares a 1st Trick and wins the first three tricks with its Obers: the fourth is
// played as a Call Game, then the game is the declarer's Suit Solo in the same trump suit.
TEST_F(DispatchTest, AFirstTrickDeclarerWhoWinsTheFirstThreeTricksPlaysASuitSolo) {
    for (int trumpSuit : {1, 0}) {
        options.trumpSuit = static_cast<std::int16_t>(trumpSuit);
        game.NewGameWithOptions(&options);
        Start(kWordMarriage,
              {{29, 21, 13, 5, 1, 17, 25, 9},
               {2, 3, 4, 6, 7, 8, 10, 11},
               {12, 14, 15, 16, 18, 19, 20, 22},
               {23, 24, 26, 27, 28, 30, 31, 32}},
              0, 0);
        for (int card : {29, 21, 13}) {
            std::uint8_t changed = 9;
            PlayCard(0, card);
            for (int seat = 1; seat < 4; ++seat)
                Move(seat);
            EXPECT_EQ(EndTrick(&changed), 0);
            EXPECT_EQ(changed, 0);
            EXPECT_EQ(game.gameType.word, kWordMarriage);
        }
        const std::vector<std::string> asked = PlayTrick();
        EXPECT_EQ(asked[0], "LeadCallGame");
        for (int i = 1; i < 4; ++i)
            EXPECT_TRUE(asked[i] == "FollowMiddle" || asked[i] == "CallGameVoid") << asked[i];
        std::uint8_t changed = 9;
        EndTrick(&changed);
        EXPECT_EQ(changed, 1);
        EXPECT_EQ(game.gameType.word, kWordSuitSolo);
        EXPECT_EQ(game.gameType.trumpSuit, trumpSuit);
        EXPECT_EQ(game.declarer, 0);
        const std::int16_t parties[5] = {0, -1, 1, 2, 3};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(game.partyLists[i], parties[i]) << i;
        EXPECT_EQ(game.marriageTrick, 0);
        // The solo is played by the solo routines from here on.
        game.asked.clear();
        Move(game.leader);
        EXPECT_EQ(game.asked.front(), game.leader == 0 ? "SoloDeclarer" : "SoloDefender");
    }
}

// A Call Game on the Gras Ace: the declarer (seat 0) leads Gras, the Ace's holder (seat 2,
// four Gras) runs away with the Eight, seat 3 trumps; when the trick is booked every seat knows the
// parties.
TEST_F(DispatchTest, ALedCalledSuitSettlesThePartiesUnlessTheCalledAceRulesAreOff) {
    for (int rulesOff : {0, 1}) {
        SCOPED_TRACE(rulesOff);
        options.noCalledAceRules = static_cast<std::int16_t>(rulesOff);
        game.NewGameWithOptions(&options);
        Start(kWordNormal,
              {{17, 29, 21, 13, 5, 28, 20, 12},
               {23, 1, 2, 3, 6, 7, 8, 4},
               {18, 19, 22, 24, 25, 26, 27, 30},
               {31, 32, 9, 10, 11, 14, 15, 16}},
              0, 0);
        game.calledSuit = 2;
        game.calledRank = 8;
        game.seats[2].inDeclarerParty = 1;
        PlayCard(0, 17);
        PlayCard(1, 23);
        PlayCard(2, 18);
        PlayCard(3, 9);
        ASSERT_FALSE(game.ArePartiesKnown());
        EXPECT_EQ(EndTrick(), 3); // seat 3 trumps
        EXPECT_EQ(game.ArePartiesKnown(), rulesOff == 0);
        for (int s = 0; s < 4; ++s) {
            for (int o = 0; o < 4; ++o) {
                if (s == o)
                    continue;
                const bool same = (s == 0 || s == 2) == (o == 0 || o == 2);
                const int belief = game.GetPartyBelief(s, o);
                if (rulesOff == 0) {
                    EXPECT_EQ(belief, same ? 100 : -100) << s << " about " << o;
                } else if (o == 2) {
                    EXPECT_NE(belief, same ? 100 : -100) << s << " about " << o;
                }
            }
        }
    }
}

TEST_F(DispatchTest, ATrickLedWithAnotherSuitLeavesThePartiesOpen) {
    Start(kWordNormal,
          {{17, 29, 21, 13, 5, 28, 20, 12},
           {23, 1, 2, 3, 6, 7, 8, 4},
           {18, 19, 22, 24, 25, 26, 27, 30},
           {31, 32, 9, 10, 11, 14, 15, 16}},
          0, 0);
    game.calledSuit = 2;
    game.calledRank = 8;
    game.seats[2].inDeclarerParty = 1;
    PlayCard(0, 29); // the Eichel Ober
    PlayCard(1, 4);
    PlayCard(2, 25);
    PlayCard(3, 9);
    EXPECT_EQ(EndTrick(), 0);
    EXPECT_FALSE(game.ArePartiesKnown());
    EXPECT_NE(game.GetPartyBelief(1, 2), -100);
}

// --- the parties at the start and the end ---

TEST_F(DispatchTest, FixedPartnersMakeBothPartiesKnownFromTheStart) {
    options.partnershipMode = 0;
    game.NewGameWithOptions(&options);
    std::mt19937 random(12);
    Deal(random, kWordNormal, 1, -1);
    game.partyLists[0] = 3; // the partners across the table, as the bidding fixed them
    game.partyLists[1] = 1;
    game.StartPlay(-1, false, false, 3);
    const std::int16_t parties[5] = {3, 1, 0, 2, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game.partyLists[i], parties[i]) << i;
    EXPECT_TRUE(game.ArePartiesKnown());
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(game.seats[s].inDeclarerParty, s == 1 || s == 3 ? 1 : 0) << s;
}

TEST_F(DispatchTest, ALostPartnerGameListsTheWinningDefendersInSeatOrder) {
    std::mt19937 random(13);
    Deal(random, kWordNormal, 0, 0);
    // The table learnt seat 3 before seat 1 as a defender.
    const std::int16_t parties[5] = {0, 2, 3, 1, -1};
    for (int i = 0; i < 5; ++i)
        game.partyLists[i] = parties[i];
    const std::int16_t points[4] = {20, 30, 20, 50};
    for (int s = 0; s < 4; ++s) {
        game.cardPoints[s] = points[s];
        game.tricksWon[s] = 2;
    }
    GameBill bill{};
    game.SettleGame(&bill);
    EXPECT_EQ(bill.listedSeats[0], 1);
    EXPECT_EQ(bill.listedSeats[1], 3);
    EXPECT_EQ(bill.listedSeats[2], -1);
    EXPECT_EQ(bill.cardPoints, 80);
}

// --- the last resort and the booking, over whole deals ---

TEST_F(DispatchTest, WholeDealsPlayTheLowestLegalCardAndBookTheReferencesWinners) {
    const GameTypeWord words[] = {kWordNormal,    kWordSuitSolo, kWordPureSuitSolo,
                                  kWordUnterSolo, kWordOberSolo, kWordSuitUnter,
                                  kWordNoTrumps,  kWordKingSolo, kModExchange | kWordNormal,
                                  kWordYou,       kWordMarriage};
    std::mt19937 random(2024);
    int deals = 0;
    int checked = 0;
    int exchanged = 0;
    for (int shortDeck = 0; shortDeck < 2; ++shortDeck) {
        options.shortDeck = static_cast<std::int16_t>(shortDeck);
        game.NewGameWithOptions(&options);
        for (int round = 0; round < 30; ++round) {
            for (GameTypeWord word : words) {
                options.trumpSuit = static_cast<std::int16_t>(random() % 4);
                game.NewGameWithOptions(&options);
                const int leader = static_cast<int>(random() % 4);
                const int declarer = (word & kModExchange) ? -1 : static_cast<int>(random() % 4);
                Deal(random, word, leader, declarer);
                if (word == kWordNormal) {
                    // The partner holds the called Ace; the declarer calls a suit he holds.
                    const auto own = Hand(declarer);
                    for (int suit = 0; suit < 4; ++suit) {
                        const int ace = suit * 8 + 8;
                        if (Ref().IsTrump(ace) || std::count(own.begin(), own.end(), ace))
                            continue;
                        game.calledSuit = static_cast<std::int16_t>(suit);
                        game.calledRank = 8;
                        for (int s = 0; s < 4; ++s) {
                            const auto hand = Hand(s);
                            if (std::count(hand.begin(), hand.end(), ace))
                                game.seats[s].inDeclarerParty = 1;
                        }
                        break;
                    }
                }
                ++deals;
                int taken = 0;
                while (game.trickNumber <= CardsPerHand()) {
                    SCOPED_TRACE(::testing::Message()
                                 << "deal " << deals << " word " << game.gameType.word << " trick "
                                 << game.trickNumber);
                    int cards[4] = {};
                    const int first = game.leader;
                    for (int i = 0; i < 4; ++i) {
                        const int seat = (first + i) % 4;
                        const int expected = ExpectedLowest(seat);
                        ASSERT_NE(expected, 0);
                        const auto before = Hand(seat);
                        const int card = Move(seat);
                        ASSERT_EQ(Hand(seat).size(), before.size() - 1);
                        ASSERT_TRUE(std::count(before.begin(), before.end(), card));
                        // The engine's play hooks may still exchange a computer card; then
                        // the reason is theirs.
                        if (game.LastReason(seat) == kReasonLowestCard) {
                            EXPECT_EQ(card, expected);
                            ++checked;
                        } else {
                            ++exchanged;
                        }
                        cards[seat] = card;
                    }
                    const skref::Game ref = Ref();
                    const int winner = ref.TrickWinner(cards, first, (first + 3) % 4);
                    const int trick = game.trickNumber;
                    int points = 0;
                    for (int card : cards)
                        points += skref::Points(card);
                    const int before = game.cardPoints[winner];
                    EXPECT_EQ(EndTrick(), winner);
                    EXPECT_EQ(game.tricks[trick - 1].winner, winner);
                    EXPECT_EQ(game.cardPoints[winner], before + points);
                    EXPECT_EQ(game.trickNumber, trick + 1);
                    taken += points;
                }
                int sum = 0;
                for (int s = 0; s < 4; ++s)
                    sum += game.cardPoints[s];
                EXPECT_EQ(sum, 120);
                EXPECT_EQ(taken, 120);
            }
        }
    }
    EXPECT_TRUE(RecordedAlerts().empty());
    // Exchanges by the hooks are rare; nearly every card is the last resort's.
    EXPECT_GT(checked, 50 * exchanged) << exchanged;
}

} // namespace

// The Schafkopf table's play steps one by one: the human's card and what it refuses, the
// decided test, a misplay's claim, a game given up in the pub, the 1st Trick game that turns
// into a solo, and the statistics of the lists.
#include <gtest/gtest.h>

#include "SchafkopfSeries.h"
#include "records/ProgramFlags.h"
#include "support/AlertRecorder.h"

namespace {

using series::Options;
using series::Series;

// A series whose seat 0 becomes the human's once play has started: the computers bid, the test
// plays seat 0's cards.
struct HumanTable : Series {
    explicit HumanTable(const Options& o, std::uint32_t seed) : Series(o, seed) {}

    // Deals until a game is played; seat 0 is then the human's.
    void StartGame() {
        for (int tries = 0; tries < 50; ++tries) {
            table->NewDeal(false);
            table->bids[0] = 0;
            for (int n = 0; n < 4; ++n) {
                int suit = 0;
                table->GetSeatBidType((table->dealer + 1 + n) % 4, &suit);
            }
            table->StepBidding(0);
            CopyGameType(&table->humanGameType, &Game().seats[0].bid);
            if (table->StartPlay())
                break;
        }
        table->seatIsComputer[0] = 0;
    }

    // The computer seats before seat 0 play to the trick (the table's step).
    void PlayBeforeHuman() {
        char text[kNameTextSize];
        char second[kNameTextSize];
        int claimant = -1;
        while (!table->StepComputerPlay(text, second, &claimant)) {
        }
    }
    void PlayRest() {
        char text[kNameTextSize];
        char second[kNameTextSize];
        int claimant = -1;
        while (!table->PlayRestOfTrick(text, second, &claimant)) {
        }
        bool changed = false;
        table->DoppelkopfController::EndTrick(&changed);
    }
};

// Every card of seat 0's hand offered at each of its turns: the cards the reference forbids
// are refused with the game object's code (0, or 2 to 5 for the called Ace) and change nothing
// but seat 0's trick place; a legal card is played and leaves the hand and the row.
TEST(SchafkopfHumanCard, RefusesWhatTheRulesForbidAndChangesNothing) {
    int refused = 0;
    int calledAceRefusals = 0;
    for (int mode : {2, 0}) {
        Options o;
        o.partnershipMode = mode;
        HumanTable t(o, 40u + static_cast<std::uint32_t>(mode));
        for (int game = 0; game < 25; ++game) {
            t.StartGame();
            bool calledLed = false;
            for (int trick = 1; trick <= t.Game().GetCardsPerHand() && !t.table->IsGameDecided();
                 ++trick) {
                t.PlayBeforeHuman();
                SchafkopfComputerPlayer& g = t.Game();
                const int leader = g.leader;
                const auto legal =
                    t.ReferenceLegal(0, leader, calledLed, trick == g.GetCardsPerHand());
                for (int card : t.Hand(0)) {
                    if (std::find(legal.begin(), legal.end(), card) != legal.end())
                        continue;
                    const auto before = series::Fingerprint(*t.table);
                    const int code = t.table->PlayHumanCard(card, 0);
                    ASSERT_NE(code, 1) << "card " << card;
                    ASSERT_TRUE(code == 0 || (code >= 2 && code <= 5)) << code;
                    ASSERT_EQ(g.trickCards[0], 0);
                    ASSERT_EQ(series::Fingerprint(*t.table), before) << "card " << card;
                    ++refused;
                    calledAceRefusals += code >= 2 ? 1 : 0;
                }
                const int card = legal.front();
                ASSERT_EQ(t.table->PlayHumanCard(card, 0), 1);
                EXPECT_EQ(g.trickCards[0], card);
                const auto hand = t.Hand(0);
                EXPECT_EQ(std::find(hand.begin(), hand.end(), card), hand.end());
                const std::uint8_t* row = t.table->hands;
                EXPECT_EQ(std::find(row, row + t.table->handRowWidth, card),
                          row + t.table->handRowWidth);
                if (g.calledSuit >= 0 && leader == 0 && t.Ref().Group(card) == g.calledSuit)
                    calledLed = true;
                for (int s = 1; s < 4; ++s)
                    if (s == leader && g.calledSuit >= 0 &&
                        t.Ref().Group(g.trickCards[s]) == g.calledSuit)
                        calledLed = true;
                t.PlayRest();
            }
        }
    }
    EXPECT_GT(refused, 50);
    EXPECT_GT(calledAceRefusals, 0);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST(SchafkopfHumanCard, ACardNotHeldOrOutOfTurnPlaysNothing) {
    ResetAlertRecorder();
    Options o;
    o.partnershipMode = 0;
    HumanTable t(o, 5);
    t.StartGame();
    t.PlayBeforeHuman();
    SchafkopfComputerPlayer& g = t.Game();
    // A card another seat holds.
    int foreign = 0;
    for (int card : t.Hand(1))
        foreign = card;
    const auto before = series::Fingerprint(*t.table);
    EXPECT_EQ(t.table->PlayHumanCard(foreign, 0), 0);
    EXPECT_EQ(series::Fingerprint(*t.table), before);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find("Human card"), std::string::npos);
    ResetAlertRecorder();
    // A seat that is not to play: seat 0 is due, seat 1 offers a card; then seat 0 twice.
    if (g.leader != 1) {
        const int card = t.Hand(1).front();
        EXPECT_EQ(t.table->PlayHumanCard(card, 1), kHumanCardOutOfTurn);
        EXPECT_EQ(series::Fingerprint(*t.table), before);
    }
    const auto legal = t.ReferenceLegal(0, g.leader, false, false);
    ASSERT_EQ(t.table->PlayHumanCard(legal.front(), 0), 1);
    const auto afterCard = series::Fingerprint(*t.table);
    const int second = t.Hand(0).front();
    EXPECT_EQ(t.table->PlayHumanCard(second, 0), kHumanCardOutOfTurn);
    EXPECT_EQ(series::Fingerprint(*t.table), afterCard);
    EXPECT_TRUE(RecordedAlerts().empty());
}

// The published rules: a Beg is lost with the declarer's first trick, a Tout or You with the
// first trick of another seat; otherwise the game runs through every trick of the hand.
TEST(SchafkopfPlay, GameDecidedByTheKindOfGame) {
    struct Case {
        GameTypeWord word;
        bool shortDeck;
        int trickNumber;
        int trickTaker; // -1 none, else the seat marked as having taken a trick
        bool decided;
    };
    const Case cases[] = {
        {kWordNoTrumps, false, 2, 0, true},  {kWordNoTrumps, false, 2, 1, false},
        {0x10004, false, 3, 2, true},        {0x10004, false, 3, 0, false},
        {kWordYou, false, 2, 3, true},       {kWordYou, false, 5, 0, false},
        {kWordNormal, false, 8, 1, false},   {kWordNormal, false, 9, 1, true},
        {kWordNormal, true, 6, 1, false},    {kWordNormal, true, 7, 1, true},
        {kWordSuitSolo, false, 9, -1, true},
    };
    for (const Case& c : cases) {
        Options o;
        o.shortDeck = c.shortDeck;
        Series s(o, 3);
        SchafkopfComputerPlayer& g = s.Game();
        g.gameType = {1, c.word};
        g.declarer = 0;
        g.trickNumber = static_cast<std::int16_t>(c.trickNumber);
        for (auto& won : g.tricksWon)
            won = 0;
        if (c.trickTaker >= 0)
            g.tricksWon[c.trickTaker] = 1;
        EXPECT_EQ(s.table->IsGameDecided(), c.decided) << c.word << " trick " << c.trickNumber;
    }
}

// A misplay ends the game: the misplaying seat's side takes nothing more, the remaining card
// points go to the other side, which may turn the game.
TEST(SchafkopfPlay, MisplayClaimGivesTheRestToTheOtherSide) {
    Options o;
    o.partnershipMode = 0;
    HumanTable t(o, 11);
    t.StartGame();
    for (int trick = 0; trick < 2; ++trick) {
        t.PlayBeforeHuman();
        t.table->PlayHumanCard(t.ReferenceLegal(0, t.Game().leader, false, false).front(), 0);
        t.PlayRest();
    }
    SchafkopfComputerPlayer& g = t.Game();
    std::int16_t points[4];
    std::memcpy(points, g.cardPoints, sizeof points);
    const int other = t.table->FindOpponentSeat(0);
    ASSERT_GE(other, 0);
    ASSERT_TRUE(t.table->ClaimRest(0));
    EXPECT_EQ(t.table->restClaimed, 1);
    EXPECT_TRUE(t.table->IsGameDecided());
    int sum = 0;
    for (int s = 0; s < 4; ++s) {
        sum += g.cardPoints[s];
        if (s != other) {
            EXPECT_EQ(g.cardPoints[s], points[s]) << s;
        }
    }
    EXPECT_EQ(sum, 120);
    EXPECT_GT(g.tricksWon[other], 0);
    EXPECT_NE(g.seats[other].inDeclarerParty, g.seats[0].inDeclarerParty);
    int ownSide = 0;
    for (int s = 0; s < 4; ++s)
        if (g.seats[s].inDeclarerParty == g.seats[0].inDeclarerParty)
            ownSide += g.cardPoints[s];
    t.table->EndGame(0, 1);
    const GameRecord& record = *LastGameRecord(t.table->gameListHandle);
    EXPECT_EQ(IsListedSeat(record, 0), ownSide >= 61);
}

// In the pub, leaving during play gives the game up: it is settled and listed with the rest
// of the points against the player, and that game (not the one before) is paid.
TEST(SchafkopfPlay, PubChargeOfAGameGivenUp) {
    Options o;
    o.partnershipMode = 0;
    HumanTable t(o, 12);
    gStoryMode = 1;
    t.settings.roomStake = 50;
    t.settings.cashDimes = 100000;
    t.settings.cashCents = 0;
    // An earlier game in the list, which must not be paid again.
    t.StartGame();
    t.table->ClaimRest(1);
    t.table->EndGame(0, 1);
    const long long cashBefore = t.settings.cashDimes * 10LL + t.settings.cashCents;
    t.StartGame();
    t.PlayBeforeHuman();
    t.table->PlayHumanCard(t.ReferenceLegal(0, t.Game().leader, false, false).front(), 0);
    const std::int32_t count = GameListHead(t.table->gameListHandle)->count;
    EXPECT_TRUE(t.table->SettlePubEventSchafkopf(0, 2, 3, 0));
    ASSERT_EQ(GameListHead(t.table->gameListHandle)->count, count + 1);
    const GameRecord& record = *LastGameRecord(t.table->gameListHandle);
    int sum = 0;
    for (std::int16_t p : t.Game().cardPoints)
        sum += p;
    EXPECT_EQ(sum, 120);
    const long long cash = t.settings.cashDimes * 10LL + t.settings.cashCents;
    EXPECT_EQ(cash - cashBefore, record.values[0] * 50LL);
    gStoryMode = 0;
}

// A 1st Trick declarer who takes the first three tricks and the fourth plays a Suit Solo from
// then on, and it counts as the declarer's solo.
TEST(SchafkopfPlay, FirstTrickTurnedSuitSoloCountsAsASolo) {
    Options o;
    o.partnershipMode = 1;
    o.firstTrick = true;
    Series s(o, 13);
    s.table->NewDeal(false);
    SchafkopfComputerPlayer& g = s.Game();
    const int declarer = 2;
    g.gameType = {1, kWordMarriage};
    g.declarer = declarer;
    g.partyLists[0] = declarer;
    for (int i = 1; i < 5; ++i)
        g.partyLists[i] = -1;
    g.marriageTrick = 0;
    g.trickNumber = 4;
    g.leader = declarer;
    // The declarer leads the Ober of Eichel, the others follow with low trumps.
    const int cards[4] = {skref::Card(1, '7'), skref::Card(1, '8'), skref::Card(3, 'O'),
                          skref::Card(1, '9')};
    for (int seat = 0; seat < 4; ++seat)
        g.trickCards[seat] = static_cast<std::int16_t>(cards[seat]);
    const std::int16_t solosBefore = s.table->soloCounts[declarer];
    bool changed = false;
    s.table->DoppelkopfController::EndTrick(&changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(g.gameType.word & kGameBitsMask, kWordSuitSolo);
    EXPECT_EQ(s.table->soloCounts[declarer], solosBefore + 1);
    EXPECT_EQ(s.table->nextLeader, declarer);
    EXPECT_EQ(s.table->lastLeader, declarer);
}

// A 1st Trick game whose second trick another seat takes makes that seat the partner: a Call
// Game of the two, no solo counted.
TEST(SchafkopfPlay, FirstTrickPartnerFoundInTrickTwo) {
    Options o;
    o.partnershipMode = 1;
    o.firstTrick = true;
    Series s(o, 16);
    s.table->NewDeal(false);
    SchafkopfComputerPlayer& g = s.Game();
    const int declarer = 0;
    g.gameType = {1, kWordMarriage};
    g.declarer = declarer;
    g.partyLists[0] = declarer;
    for (int i = 1; i < 5; ++i)
        g.partyLists[i] = -1;
    for (int seat = 0; seat < 4; ++seat)
        g.seats[seat].inDeclarerParty = seat == declarer;
    g.marriageTrick = 0;
    g.trickNumber = 2;
    g.leader = declarer;
    // Seat 3 takes the trick with the Ober of Eichel.
    const int cards[4] = {skref::Card(1, '7'), skref::Card(1, '8'), skref::Card(1, '9'),
                          skref::Card(3, 'O')};
    for (int seat = 0; seat < 4; ++seat)
        g.trickCards[seat] = static_cast<std::int16_t>(cards[seat]);
    std::int16_t solos[4];
    std::memcpy(solos, s.table->soloCounts, sizeof solos);
    bool changed = false;
    s.table->DoppelkopfController::EndTrick(&changed);
    EXPECT_TRUE(changed);
    EXPECT_EQ(g.gameType.word & kGameBitsMask, kWordNormal);
    EXPECT_EQ(g.partyLists[0], declarer);
    EXPECT_EQ(g.partyLists[1], 3);
    EXPECT_EQ(g.seats[3].inDeclarerParty, 1);
    EXPECT_EQ(std::memcmp(solos, s.table->soloCounts, sizeof solos), 0);
    EXPECT_EQ(s.table->nextLeader, 3);
}

// The list statistics: the human's place among the four totals in the counters of the kind.
TEST(SchafkopfStatistics, ListPlacesByKindAndClearing) {
    Series s(Options{}, 14);
    const std::int32_t values[4] = {10, 30, 20, 5};
    SchafkopfOptions& r = s.options;
    s.table->ClearStatistics();
    EXPECT_EQ(s.table->CountGameStatistics(values, 20, 1, false), 2);
    EXPECT_EQ(r.statistics[11], 1);     // +428 series lists
    EXPECT_EQ(r.statistics[12 + 2], 1); // +432 + 4 x 2
    EXPECT_EQ(s.table->CountGameStatistics(values, 5, 8, false), 3);
    EXPECT_EQ(r.statistics[16], 1);     // +448 tournaments
    EXPECT_EQ(r.statistics[17 + 3], 1); // +452 + 4 x 3
    EXPECT_EQ(s.table->CountGameStatistics(values, 99, 2, false), -1);
    EXPECT_EQ(r.statistics[21], 1); // +468 leagues, no place
    EXPECT_EQ(s.table->CountGameStatistics(values, 10, 2, false), 0);
    EXPECT_EQ(r.placeStatistics[0], 1); // +472
    s.settings.individualStats = 0;
    EXPECT_EQ(s.table->CountGameStatistics(values, 10, 2, false), -1);
    EXPECT_EQ(r.placeStatistics[0], 1);
    r.expectedValues[4] = 7;
    s.table->ClearStatistics();
    for (std::int32_t c : r.statistics)
        EXPECT_EQ(c, 0);
    for (std::int32_t c : r.placeStatistics)
        EXPECT_EQ(c, 0);
    for (std::int32_t c : r.expectedValues)
        EXPECT_EQ(c, 0);
}

// The game counters after whole games: games, won games and solos agree with the list.
TEST(SchafkopfStatistics, GameCountersFollowTheList) {
    Options o;
    Series s(o, 15);
    s.table->countsStatistics = 1;
    s.table->ClearStatistics();
    for (int d = 0; d < 60; ++d)
        ASSERT_TRUE(s.PlayDeal());
    ASSERT_TRUE(s.failures.empty());
    const GameListHeader& head = *GameListHead(s.table->gameListHandle);
    const SchafkopfOptions& r = s.options;
    EXPECT_EQ(r.statistics[0], head.count);
    EXPECT_EQ(r.statistics[1], head.won[0]);
    EXPECT_EQ(r.statistics[5] + r.statistics[6], head.won[0]);
    EXPECT_EQ(r.expectedValues[4], head.totals[0]);
    EXPECT_EQ(r.statistics[2], s.solos);
    // Seat 0 took tricks as declarer or not, and the probe found some for it.
    EXPECT_GT(r.statistics[7] + r.statistics[8], 0);
    EXPECT_GT(r.expectedValues[0] + r.expectedValues[1], 0);
}

// Ramsch and Leaster list the loser or every seat that is paid or pays; seat 0 counts a game
// won only when the game brought it money. Every seat passes, so every game is one of them.
TEST(SchafkopfStatistics, AllPassedGamesCountAsWonOnlyWithAGain) {
    for (int rule : {2, 3}) {
        Options o;
        o.allPassRule = rule;
        Series s(o, 16);
        s.table->countsStatistics = 1;
        s.table->ClearStatistics();
        int wins = 0;
        int losses = 0;
        for (int d = 0; d < 24; ++d) {
            s.table->NewDeal(false);
            for (int n = 0; n < 4; ++n)
                s.table->SetBid((s.table->dealer + 1 + n) % 4, kBidNo);
            s.table->StepBidding(0);
            CopyGameType(&s.table->humanGameType, &s.Game().seats[0].bid);
            ASSERT_TRUE(s.table->StartPlay()) << "rule " << rule;
            ASSERT_TRUE(s.Game().gameType.word & kModExchange) << "rule " << rule;
            ASSERT_TRUE(s.PlayOut()) << "rule " << rule;
            const std::int16_t value = LastGameRecord(s.table->gameListHandle)->values[0];
            wins += value > 0 ? 1 : 0;
            losses += value < 0 ? 1 : 0;
        }
        ASSERT_TRUE(s.failures.empty()) << "rule " << rule << ": " << s.failures.front();
        ASSERT_GT(losses, 0) << "rule " << rule;
        const SchafkopfOptions& r = s.options;
        EXPECT_EQ(r.statistics[0], 24) << "rule " << rule;
        EXPECT_EQ(r.statistics[1], wins) << "rule " << rule;
        EXPECT_EQ(r.statistics[5] + r.statistics[6], wins) << "rule " << rule;
    }
}

} // namespace

// Whole deals of the double-deck base level with the announcements live: before every card the
// computer seats are asked to announce, the human seat 0 (style from the rules record) pauses
// on a fake clock and announces by a simple script, and the cards come from the rule chain.
// After every card the announcement list, the styles and the levels are checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include "engine/RuleHarness.h"
#include "engine/TrumpRuleList.h"
#include "platform/Ticks.h"

namespace {

using rule_harness::NamedRule;

// The tournament rules for a game without a marriage: a party call while 11 cards are held,
// each level one card later, a late party call as a reply one card after the deadline of the
// other party's highest announcement.
bool RuleAllows(int kind, int cards, int otherHighest) {
    auto deadline = [](int k) { return k <= 1 ? 11 : 12 - k; };
    if (kind == 0 || kind == 1)
        return cards >= 11 || (otherHighest >= 0 && cards >= deadline(otherHighest) - 1);
    return kind >= 2 && kind <= 5 && cards >= deadline(kind);
}

struct Snapshot {
    std::vector<std::uint8_t> hands;
    std::vector<std::int16_t> tricks;
    std::vector<std::int16_t> lists;
    std::vector<std::int16_t> entries;
    int cards[kSeatCount] = {};
    int highest[2] = {}; // first party, second party
};

Snapshot Take(TestLevel& game) {
    Snapshot s;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        s.hands.insert(s.hands.end(), game.seats[seat].hand, game.seats[seat].hand + kHandPlaces);
        s.cards[seat] = game.CountCardsInHand(seat, 12);
    }
    for (const TrickRecord& t : game.tricks)
        s.tricks.insert(s.tricks.end(),
                        {t.cards[0], t.cards[1], t.cards[2], t.cards[3], t.leader, t.winner});
    s.tricks.insert(s.tricks.end(), game.trickCards, game.trickCards + kSeatCount);
    s.lists.assign(game.partyLists, game.partyLists + 5);
    s.entries.push_back(game.announcementCount);
    for (const AnnouncementEntry& e : game.announcements)
        s.entries.insert(s.entries.end(), {e.kind, e.seat, e.beforeOwnCard, e.timing, e.trick});
    s.highest[0] = game.GetHighestAnnouncement(true);
    s.highest[1] = game.GetHighestAnnouncement(false);
    return s;
}

struct Tally {
    int announcements = 0;
    int wins = 0;
    int losses = 0;
    int silentSignals = 0;
};

void CheckStyles(TestLevel& game) {
    static const std::set<int> reCodes = {0, 1, 2, 4, 5, 8, 9, 10, 11};
    static const std::set<int> contraCodes = {0, 1, 2, 3, 4, 10, 11, 12};
    EXPECT_EQ(reCodes.count(game.reStyle), 1u) << game.reStyle;
    EXPECT_EQ(contraCodes.count(game.contraStyle), 1u) << game.contraStyle;
    EXPECT_TRUE(game.reNo90Style >= 0 && game.reNo90Style <= 3) << game.reNo90Style;
    EXPECT_TRUE(game.contraNo90Style >= 0 && game.contraNo90Style <= 4) << game.contraNo90Style;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        for (int n = 1; n <= kStyleSettingCount; ++n) {
            const int value = StyleSetting(game.seats[seat], n);
            EXPECT_TRUE(value >= 0 && value <= 5) << "seat " << seat << " setting " << n;
        }
        EXPECT_TRUE(game.seats[seat].longSuitLeadLevel >= 0 &&
                    game.seats[seat].longSuitLeadLevel <= 5);
    }
}

// Asks the computer seats before a card and checks what a decision may change.
void Collect(TestLevel& game, int skipped, Tally& tally) {
    const Snapshot before = Take(game);
    const std::int16_t contraSeat = game.contraStyleSeat;
    const bool announced = game.CollectAnnouncements(skipped);
    const Snapshot after = Take(game);
    EXPECT_TRUE(before.hands == after.hands);
    EXPECT_TRUE(before.tricks == after.tricks);
    if (!announced) {
        EXPECT_TRUE(before.lists == after.lists) << "a decision without announcement";
        EXPECT_TRUE(before.entries == after.entries) << "a decision without announcement";
        if (game.contraStyleSeat != contraSeat)
            ++tally.silentSignals;
        return;
    }
    ASSERT_EQ(game.announcementCount, before.entries[0] + 1);
    const AnnouncementEntry& e = game.announcements[game.announcementCount - 1];
    const bool first = game.seats[e.seat].inDeclarerParty != 0;
    EXPECT_TRUE(RuleAllows(e.kind, before.cards[e.seat], before.highest[first ? 1 : 0]))
        << "kind " << e.kind << " with " << before.cards[e.seat] << " cards";
    EXPECT_NE(game.seats[e.seat].usesProfileStyle, 0);
    ++tally.announcements;
}

// The human's script: its party call when the hand is worth it, at a random moment.
void HumanAnnounces(TestLevel& game, std::mt19937& random) {
    std::int16_t kind = -1;
    if (!game.GetNextAnnouncement(0, &kind) || kind > 1 || random() % 3 != 0)
        return;
    if (game.RateAnnouncementHand(0) < 70)
        return;
    const Snapshot before = Take(game);
    if (game.MakeAnnouncement(0, kind)) {
        const bool first = game.seats[0].inDeclarerParty != 0;
        EXPECT_TRUE(RuleAllows(kind, before.cards[0], before.highest[first ? 1 : 0]));
    }
}

void PlayOut(int deals, unsigned seed, bool harness, bool announcementsOn, Tally& tally) {
    std::mt19937 random(seed);
    TestLevel game;
    game.options.announcementsOn = announcementsOn ? 1 : 0;
    game.options.announceDelay = 20;
    // The human seat plays the conventions that its rules record switches on.
    for (int n : {3, 6, 8, 10, 12, 14, 20, 23})
        game.options.styleSettings[n - 1] = 1;
    std::uint32_t milliseconds = 100000;
    SetMillisecondClock([&] { return milliseconds; });
    const std::vector<NamedRule> rules = rule_harness::TrumpAndTakingRules();
    const std::vector<NamedRule> basic = rule_harness::BasicPlays();
    const std::vector<reference::Game> games = reference::AllGames();
    const reference::Game& ref = games.front();
    for (int deal = 0; deal < deals && !::testing::Test::HasFailure(); ++deal) {
        SCOPED_TRACE("deal " + std::to_string(deal));
        game.Deal(random, ref.trumpSuit, ref.word, static_cast<int>(random() % 4));
        int declaring = 0;
        for (int seat = 0; seat < kSeatCount; ++seat)
            declaring += game.seats[seat].inDeclarerParty;
        if (declaring != 2)
            continue; // a silent solo: no party game
        for (int seat = 0; seat < kSeatCount; ++seat) {
            game.seats[seat].usesProfileStyle = seat == 0 ? 0 : 1;
            game.seats[seat].profile = static_cast<std::int16_t>(1 + random() % 26);
            if (seat != 0)
                game.InitSeatStyle(seat);
        }
        if (deal == 0)
            game.InitSeatStyle(0);
        game.StartPlay();
        for (int trick = 1; trick <= game.GetCardsPerHand(); ++trick) {
            int seat = game.leader;
            for (int i = 0; i < kSeatCount; ++i, seat = game.NextSeat(seat)) {
                milliseconds += 200 + random() % 8000;
                if (seat == 0) {
                    game.seatToMove = 0;
                    game.StartWaitingClock(0);
                    milliseconds += random() % 7000;
                    if (game.trickCards[0] == 0 && !game.pauseSeen) {
                        game.TrackAnnouncementTiming(0);
                        if (game.pauseSeen)
                            Collect(game, 0, tally);
                    }
                    HumanAnnounces(game, random);
                }
                game.PrepareDecision(seat);
                Collect(game, -1, tally);
                game.PrepareDecision(seat);
                const int led = i == 0 ? -1 : game.GetSuitGroup(game.trickCards[game.leader]);
                bool played = false;
                if (harness) {
                    for (const auto& rule : rules)
                        rule_harness::CheckDryRun(game, ref, rule, led);
                    for (const auto* list : {&rules, &basic})
                        for (const auto& rule : *list)
                            if (!played && rule_harness::CheckRealRun(game, ref, rule, led))
                                played = true;
                } else {
                    for (const auto* list : {&rules, &basic})
                        for (const auto& rule : *list)
                            if (!played && rule.rule(game, seat, led))
                                played = true;
                }
                if (!played)
                    game.PlayCard(seat, rule_harness::LegalPlaces(game, ref).front(), 9);
                ASSERT_NE(game.trickCards[seat], 0) << "the deal stalled";
                if (seat != 0)
                    game.NoteComputerCard();
                CheckStyles(game);
            }
            game.FinishTrick();
        }
        if (!announcementsOn) {
            for (int i = 0; i < game.announcementCount; ++i)
                EXPECT_EQ(game.seats[game.announcements[i].seat].usesProfileStyle, 0)
                    << "a computer seat announced with announcements off";
        }
        // Who announced, and whether the party reached its win.
        int points[2] = {};
        for (int seat = 0; seat < kSeatCount; ++seat)
            points[game.seats[seat].inDeclarerParty != 0 ? 0 : 1] += game.cardPoints[seat];
        bool re = false;
        bool contra = false;
        for (int i = 0; i < game.announcementCount; ++i) {
            re = re || game.announcements[i].kind == 1;
            contra = contra || game.announcements[i].kind == 0;
        }
        if (re)
            ++(points[0] >= 121 ? tally.wins : tally.losses);
        if (contra)
            ++(points[1] >= 120 ? tally.wins : tally.losses);
    }
    SetMillisecondClock({});
}

} // namespace

TEST(AnnouncementPlayOut, DecisionsAtEveryMomentWithTheRuleChain) {
    Tally tally;
    PlayOut(25, 1501, true, true, tally);
    PlayOut(400, 1502, false, true, tally);
    std::printf("announcements %d, silent signals %d; the announcing party reached its win %d "
                "times, missed it %d times\n",
                tally.announcements, tally.silentSignals, tally.wins, tally.losses);
    EXPECT_GT(tally.announcements, 50);
    EXPECT_GT(tally.wins, tally.losses);
}

TEST(AnnouncementPlayOut, NoComputerSeatAnnouncesWithTheRuleOff) {
    Tally tally;
    PlayOut(60, 1503, false, false, tally);
    EXPECT_EQ(tally.announcements, 0);
}

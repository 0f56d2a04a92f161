// A headless Schafkopf series: four computer seats at a controller, driven in the order of the
// director's automatic play (new deal, the bids from the seat after the dealer, one bidding
// step, the start of play, per trick the seats from the leader, the end of the trick, the end
// of the game) with the table's own tests around it: the series-end tests before a deal, the
// required solo after the new deal and the decided test after every trick. Every card, trick
// and game is checked against the reference rules; a failed check is recorded with the deal.
#pragma once

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "SchafkopfReference.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "games/fourplayer/SeriesEnd.h"
#include "platform/Random.h"
#include "platform/Ticks.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

namespace series {

// Everything a dry run could change, as bytes: the controller's saved runs and the fields the
// runs leave out, the game object's saved region and tail, the kept tricks, and the play logs.
inline std::vector<std::uint8_t> Fingerprint(SchafkopfController& t) {
    std::vector<std::uint8_t> bytes;
    auto add = [&](const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
    };
    std::uint8_t run[kSavedRegionSize];
    t.WriteFirstRun(run);
    add(run, kFirstRunSize);
    t.WriteSecondRun(run);
    add(run, kSecondRunSize);
    t.WriteThirdRun(run);
    add(run, kThirdRunSize);
    add(t.seatIsComputer, sizeof t.seatIsComputer);
    add(&t.restClaimed, 1);
    add(&t.potUnitsBeforeGame, 2);
    SchafkopfComputerPlayer& g = *t.Game();
    g.WriteSavedRegion(run);
    add(run, kSavedRegionSize);
    g.WriteTail(run);
    add(run, kSchafkopfTailSize);
    add(g.previousTricks, sizeof g.previousTricks);
    add(&g.dryRun, sizeof g.dryRun);
    add(&g.keepPlayLogs, sizeof g.keepPlayLogs);
    for (Handle log : g.playLogs)
        if (log)
            add(log, GetHandleSize(log));
    if (t.gameListHandle)
        add(t.gameListHandle, GetHandleSize(t.gameListHandle));
    return bytes;
}

struct Options {
    int partnershipMode = 2;
    int allPassRule = 0;
    bool shortDeck = false;
    bool tout = false;
    bool requiredSolo = false;
    int requiredSoloCount = 1;
    bool supResup = false;
    std::int32_t bockEvents = 0;
    bool withPot = false;
    bool fox = false;
    bool runners = false;
    bool declarerLeads = false;
    bool firstTrick = false;
    int trumpSuit = 1;
    std::int32_t seriesEnd = kSeriesEndNever;
    std::int32_t seriesGameCount = 36;
    std::int32_t seriesTarget = 300;
    bool timeLimit = false;
    std::int32_t timeLimitMinutes = 100;
};

// Seat profiles the series walks through: every level of every style.
inline const int kProfiles[] = {1,  2,  3,  4,  6,  7,  8,  9,  11, 12,
                                13, 14, 16, 17, 18, 19, 21, 22, 23, 24};

class Series {
  public:
    explicit Series(const Options& o, std::uint32_t seed) : opts(o) {
        SeedRandom(seed);
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = static_cast<std::int16_t>(o.partnershipMode);
        options.allPassRule = static_cast<std::int16_t>(o.allPassRule);
        options.shortDeck = o.shortDeck;
        options.toutGames = o.tout;
        options.requiredSolo = o.requiredSolo;
        options.requiredSoloCount = static_cast<std::int16_t>(o.requiredSoloCount);
        options.supResup = o.supResup;
        options.doubleRe = 1;
        options.additionalPoints = o.bockEvents;
        options.bockGames = 3;
        options.withPot = o.withPot;
        options.catchTheFox = o.fox;
        options.withLaufende = o.runners;
        options.declarerLeads = o.declarerLeads;
        options.firstTrick = o.firstTrick;
        options.trumpSuit = static_cast<std::int16_t>(o.trumpSuit);
        options.allowedGames = 0x1FFF;
        options.seriesEnd = o.seriesEnd;
        options.seriesGameCount = o.seriesGameCount;
        options.seriesTarget = o.seriesTarget;
        options.timeLimitMode = o.timeLimit ? 2 : 1;
        options.timeLimitMinutes = o.timeLimitMinutes;
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        settings.individualStats = 1;
        settings.cardDelay = 0;
        rules.seriesEnd = 1;
        SetMillisecondClock([this] { return clockMs; });
        table = std::make_unique<SchafkopfController>();
        ok = table->Init(&settings, &options, &rules, true);
        const std::uint8_t kinds[4] = {1, 1, 1, 1};
        table->SetSeatKinds(kinds);
        table->listGames = 1;
        StartStopwatch(table.get());
    }
    ~Series() { SetMillisecondClock({}); }

    SchafkopfComputerPlayer& Game() { return *table->Game(); }

    void Fail(const std::string& what) {
        if (failures.size() < 20)
            failures.push_back("deal " + std::to_string(deals) + ": " + what);
    }

    // The tests the table makes before a deal; true when the series is over.
    bool SeriesOver() {
        const SeriesEndRule rule{options.seriesEnd, options.seriesGameCount, options.seriesTarget};
        if (IsSeriesOverByOptions(table->gameListHandle, rule, 1))
            return true;
        bool missing = false;
        if (table->IsTimeLimitReached(&missing) && !missing)
            return true;
        solosMissingAtTimeLimit = missing;
        return table->IsPointLimitReached();
    }

    // One deal from the shuffle to the booking; false when the series ended before it. Now
    // and then a finished game is taken back and its cards dealt again, as the table's keep
    // cards deal does.
    bool PlayDeal(std::uint32_t minutesPerDeal = 0) {
        clockMs += minutesPerDeal * 60000u;
        if (SeriesOver())
            return false;
        ++deals;
        for (int seat = 0; seat < 4; ++seat)
            table->SetSeatProfile(kProfiles[(deals + 7 * seat) % std::size(kProfiles)], seat);
        if (Deal(false) && replayEvery > 0 && rng() % replayEvery == 0) {
            CheckReplay();
            Deal(true);
        }
        return true;
    }

    // The state a finished game must leave behind when it is taken back.
    struct Before {
        GameListHeader head;
        std::int16_t soloCounts[4];
        std::int16_t potUnits;
        std::int16_t dealer;
    } before{};

    bool Deal(bool keepCards) {
        before.head = *GameListHead(table->gameListHandle);
        std::memcpy(before.soloCounts, table->soloCounts, sizeof before.soloCounts);
        before.potUnits = Game().potUnits;
        table->NewDeal(keepCards);
        before.dealer = table->dealer;
        int soloist = -1;
        const bool finalSolo = table->CheckFinalSoloRound(&soloist);
        if (!finalSolo)
            table->bids[0] = 0;
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table->GetSeatBidType((table->dealer + 1 + n) % 4, &suit);
        }
        table->StepBidding(0);
        CopyGameType(&table->humanGameType, &Game().seats[0].bid);
        if (!table->StartPlay()) {
            ++voidDeals;
            return false;
        }
        if (finalSolo && !Game().IsSoloGame())
            Fail("the required solo round plays no solo");
        return PlayOut();
    }

    // UndoLastGame and AdjustAfterGame put the totals, counts, dealer, solo counts and pot back.
    void CheckReplay() {
        const GameRecord record = *LastGameRecord(table->gameListHandle);
        table->UndoLastGame();
        table->AdjustAfterGame(0, true);
        ++replays;
        const GameListHeader& head = *GameListHead(table->gameListHandle);
        if (std::memcmp(&head, &before.head, sizeof head) != 0)
            Fail("the list after taking the game back");
        if (std::memcmp(table->soloCounts, before.soloCounts, sizeof before.soloCounts) != 0)
            Fail("solo counts after taking the game back");
        if (Game().potUnits != before.potUnits)
            Fail("pot after taking the game back");
        if (table->dealer != before.dealer)
            Fail("dealer after taking the game back");
        for (int s = 0; s < 4; ++s) {
            int pot = 0;
            if (record.potBooked && (record.potSeat == -1 || record.potSeat == s))
                pot = record.potAmount;
            recordSums[s] -= record.values[s] + pot;
            if (!IsItemScoredRecord(record))
                (IsListedSeat(record, s) ? won[s] : lost[s]) -= 1;
        }
    }

    bool PlayOut() {
        SchafkopfComputerPlayer& g = Game();
        const int cardsPerHand = g.GetCardsPerHand();
        std::vector<int> dealt[4];
        for (int seat = 0; seat < 4; ++seat)
            for (int p = 0; p < kHandPlaces; ++p)
                if (g.seats[seat].hand[p] != 0)
                    dealt[seat].push_back(g.seats[seat].hand[p]);
        const skref::Game startRef = Ref();
        if (startRef.Kind() == 0x2000)
            ++firstTrickGames;
        if (startRef.Kind() == 1 && g.calledSuit < 0 && options.partnershipMode == 2 &&
            !(g.gameType.word & kModExchange))
            Fail("a Call Game without a called suit");
        if (startRef.Kind() == 1 && g.calledSuit >= 0 && g.partyLists[0] >= 0 &&
            g.HoldsCard(g.partyLists[0], g.calledSuit * 8 + 8))
            Fail("the declarer called his own Ace: " + PartyText() + " bid " +
                 std::to_string(table->biddingPhase));
        bool calledLed = false;
        int tricksPlayed = 0;
        while (!table->IsGameDecided()) {
            if (g.trickNumber != tricksPlayed + 1) {
                Fail("trick number " + std::to_string(g.trickNumber));
                return false;
            }
            if (probeEvery > 0 && rng() % probeEvery == 0)
                CheckProbe();
            table->BeginTrick(true);
            const int leader = g.leader;
            bool ledCalled = false;
            for (int n = 0; n < 4; ++n) {
                const int seat = (leader + n) % 4;
                if (!PlayCard(seat, leader, calledLed, tricksPlayed + 1 == cardsPerHand,
                              &ledCalled))
                    return false;
            }
            int cards[4];
            for (int s = 0; s < 4; ++s)
                cards[s] = g.trickCards[s];
            const int expected = Ref().TrickWinner(cards, leader, (leader + 3) % 4);
            const GameTypeWord wordBefore = g.gameType.word;
            const int soloBefore = SoloCountSum();
            bool changed = false;
            table->DoppelkopfController::EndTrick(&changed);
            ++tricksPlayed;
            if (g.leader != expected)
                Fail("trick " + std::to_string(tricksPlayed) + " won by " +
                     std::to_string(g.leader) + ", not " + std::to_string(expected));
            if (changed && (g.gameType.word & kGameBitsMask) == kWordSuitSolo &&
                (wordBefore & kGameBitsMask) == 0x2000) {
                ++firstTrickSolos;
                if (SoloCountSum() != soloBefore + 1)
                    Fail("the 1st Trick turned Suit Solo is not counted as a solo");
            }
            calledLed = calledLed || ledCalled;
        }
        CheckGameEnd(dealt, tricksPlayed);
        return true;
    }

    std::string PartyText() {
        SchafkopfComputerPlayer& g = Game();
        std::string text = "word " + std::to_string(g.gameType.word) + " declarer " +
                           std::to_string(g.declarer) + " called " + std::to_string(g.calledSuit) +
                           " lists";
        for (std::int16_t s : g.partyLists)
            text += " " + std::to_string(s);
        text += " flags ";
        for (const SeatBlock& b : g.seats)
            text += std::to_string(b.inDeclarerParty);
        return text;
    }

    int SoloCountSum() const {
        int sum = 0;
        for (std::int16_t c : table->soloCounts)
            sum += c;
        return sum;
    }

    skref::Game Ref() {
        return {Game().gameType.trumpSuit, Game().gameType.word, options.shortDeck != 0};
    }

    std::vector<int> Hand(int seat) {
        std::vector<int> cards;
        for (std::uint8_t c : Game().seats[seat].hand)
            if (c != 0)
                cards.push_back(c);
        return cards;
    }

    // The legal cards by the reference: follow suit, and in a Call Game the called-Ace rules
    // (a hand with no card they allow may play any card that follows suit).
    std::vector<int> ReferenceLegal(int seat, int leader, bool calledLed, bool lastTrick) {
        SchafkopfComputerPlayer& g = Game();
        const skref::Game ref = Ref();
        const auto hand = Hand(seat);
        const int led = seat == leader ? 0 : g.trickCards[leader];
        std::vector<int> follows;
        for (int c : hand)
            if (ref.FollowsSuit(hand, led, c))
                follows.push_back(c);
        if (ref.Kind() != 1 || g.calledSuit < 0 || (g.gameType.word & kModExchange))
            return follows;
        const bool declarer = g.partyLists[0] == seat;
        const skref::CallSwitches sw{options.partnershipMode == 2, options.calledSuitLeadBan != 0,
                                     options.noCalledAceRules != 0, true};
        const skref::CallPosition pos{ref, g.calledSuit, hand, led, calledLed, lastTrick, declarer};
        std::vector<int> allowed;
        for (int c : follows)
            if (CallRulesAllow(pos, sw, c))
                allowed.push_back(c);
        return allowed.empty() ? follows : allowed;
    }

    bool PlayCard(int seat, int leader, bool calledLed, bool lastTrick, bool* ledCalled) {
        SchafkopfComputerPlayer& g = Game();
        for (int n = 0; n < 4; ++n) {
            const int s = (leader + n) % 4;
            if (s == seat)
                break;
            if (g.trickCards[s] == 0)
                Fail("seat " + std::to_string(s) + " has not played before " +
                     std::to_string(seat));
        }
        if (g.trickCards[seat] != 0) {
            Fail("seat " + std::to_string(seat) + " played twice");
            return false;
        }
        const auto before = Hand(seat);
        const auto legal = ReferenceLegal(seat, leader, calledLed, lastTrick);
        if (seat == 0 && suggestEvery > 0 && rng() % suggestEvery == 0)
            CheckSuggestion(legal);
        char text[kNameTextSize];
        char second[kNameTextSize];
        bool claim = false;
        table->PlayComputerTurn(seat, text, second, &claim);
        int card = g.trickCards[seat];
        if (card == 0) {
            // Nothing chose a card (no card routine yet): the lowest legal card stands in.
            ++standInCards;
            g.seatToMove = static_cast<std::int16_t>(seat);
            for (int c : before)
                if (g.IsLegalCard(seat, c) == 1) {
                    g.PlayCardIfHeld(seat, c, 9);
                    break;
                }
            card = g.trickCards[seat];
            if (card == 0) {
                Fail("no card for seat " + std::to_string(seat));
                return false;
            }
        }
        ++cardsPlayed;
        if (std::find(before.begin(), before.end(), card) == before.end())
            Fail("seat " + std::to_string(seat) + " played card " + std::to_string(card) +
                 " it did not hold");
        if (std::find(legal.begin(), legal.end(), card) == legal.end())
            Fail("seat " + std::to_string(seat) + " played illegal card " + std::to_string(card) +
                 " in " + std::to_string(g.gameType.word));
        if (Hand(seat).size() != before.size() - 1)
            Fail("the hand did not lose the card");
        if (seat == leader && Game().calledSuit >= 0 && Ref().Group(card) == Game().calledSuit)
            *ledCalled = true;
        table->RemoveHandCard(seat);
        table->NotePlayTime(seat, -1);
        return true;
    }

    int LogCount(int seat) {
        const auto* log = static_cast<const PlayLog*>(Game().playLogs[seat]);
        return log ? log->count : -1;
    }
    int LastReason(int seat) {
        const auto* log = static_cast<const PlayLog*>(Game().playLogs[seat]);
        return log && log->count > 0 ? log->entries[log->count - 1].reason : -1;
    }

    void CheckProbe() {
        const auto before = Fingerprint(*table);
        table->RunStatisticsProbe();
        if (Fingerprint(*table) != before)
            Fail("the statistics probe changed the table");
        ++probes;
    }

    void CheckSuggestion(const std::vector<int>& legal) {
        const auto before = Fingerprint(*table);
        const auto counters =
            std::vector<std::int32_t>(options.statistics, options.statistics + 22);
        int kind = 0;
        bool flag = true;
        const int card = table->SuggestCard(&kind, &flag);
        if (Fingerprint(*table) != before)
            Fail("the suggestion changed the table");
        if (std::vector<std::int32_t>(options.statistics, options.statistics + 22) != counters)
            Fail("the suggestion counted statistics");
        ++suggestions;
        if (card == 0) {
            ++emptySuggestions;
        } else if (std::find(legal.begin(), legal.end(), card) == legal.end()) {
            Fail("the suggestion " + std::to_string(card) + " is no legal card");
        }
    }

    // The game's result by the reference: party, points, tricks, runners, doublings, foxes.
    skref::Finished Finished(const std::vector<int>* dealt, int tricksPlayed, int potUnitsBefore) {
        SchafkopfComputerPlayer& g = Game();
        skref::Finished f;
        f.game = Ref();
        f.potUnits = potUnitsBefore;
        f.firstLeader = g.tricks[0].leader;
        for (int i = 0; i < tricksPlayed && i < kTrickCount; ++i) {
            const TrickRecord& r = g.tricks[i];
            if (r.winner < 0 || r.winner > 3)
                continue;
            f.tricks[r.winner] += 1;
            for (int card : r.cards)
                f.points[r.winner] += card ? skref::Points(card) : 0;
        }
        if (!(g.gameType.word & kModExchange)) {
            f.declarer = g.partyLists[0];
            f.partner = g.IsSoloGame() ? -1 : g.partyLists[1];
            std::vector<int> partyCards;
            for (int s : {f.declarer, f.partner})
                if (s >= 0)
                    partyCards.insert(partyCards.end(), dealt[s].begin(), dealt[s].end());
            f.runners = skref::Runners(f.game, partyCards);
            for (int i = 0; i < g.announcementCount && i < kMaxAnnouncements; ++i) {
                switch (g.announcements[i].kind) {
                case 0:
                    f.contra = 1;
                    break;
                case 1:
                    f.re = 1;
                    break;
                case 8:
                    f.supra = 1;
                    break;
                case 9:
                    f.resupra = 1;
                    break;
                default:
                    break;
                }
            }
            const int fox = skref::Card(g.gameType.trumpSuit, 'A');
            if (options.catchTheFox && f.game.IsTrump(fox))
                for (int i = 0; i < tricksPlayed && i < kTrickCount; ++i) {
                    const TrickRecord& r = g.tricks[i];
                    for (int s = 0; s < 4; ++s)
                        if (r.cards[s] == fox &&
                            g.seats[s].inDeclarerParty != g.seats[r.winner].inDeclarerParty)
                            f.foxTakers.push_back(r.winner);
                }
        }
        return f;
    }

    skref::Tariff Tariff() {
        skref::Tariff t;
        t.base = options.baseStake;
        t.schneider = options.schneiderStake;
        t.schwarz = options.schwarzStake;
        t.solo = options.soloStake;
        t.soloSchneider = options.soloSchneiderStake;
        t.soloSchwarz = options.soloSchwarzStake;
        t.beg = options.begStake;
        t.you = options.youStake;
        t.runner = options.laufendeStake;
        t.ramsch = options.ramschStake;
        t.noTrick = options.noTrickStake;
        t.shootTheMoon = options.shootTheMoonStake;
        t.withRunners = options.withLaufende != 0;
        t.runnersFrom = options.laufendeFrom;
        t.soloRunnersFrom = options.soloLaufendeFrom;
        t.fixedPartners = options.partnershipMode == 0;
        t.extras = Game().WantsExtrasItem();
        t.withPot = options.withPot != 0;
        t.allPassRule = (Game().gameType.word & kModExchange) ? options.allPassRule : 0;
        return t;
    }

    void CheckGameEnd(const std::vector<int>* dealt, int tricksPlayed) {
        SchafkopfComputerPlayer& g = Game();
        const int cardsPerHand = g.GetCardsPerHand();
        const GameTypeWord word = g.gameType.word;
        const GameTypeWord bits = word & kGameBitsMask;
        const int declarer = g.partyLists[0];
        if (tricksPlayed != cardsPerHand) {
            bool early = false;
            if (bits == kWordNoTrumps)
                early = declarer >= 0 && g.tricksWon[declarer] > 0;
            if ((word & 0x10000) || bits == kWordYou)
                for (int s = 0; s < 4; ++s)
                    early = early || (s != declarer && g.tricksWon[s] > 0);
            if (!early)
                Fail("the game ended after " + std::to_string(tricksPlayed) + " tricks");
            ++earlyEnds;
        }
        int points = 0;
        for (std::int16_t p : g.cardPoints)
            points += p;
        for (int s = 0; s < 4; ++s)
            for (int c : Hand(s))
                points += skref::Points(c);
        if (points != 120)
            Fail("points taken and in hand make " + std::to_string(points));
        for (int i = 0; i < 5; ++i) {
            const int s = g.partyLists[i];
            if (s < 0 || s > 3)
                continue;
            if ((i < 2) != (g.seats[s].inDeclarerParty != 0) && !(word & kModExchange))
                Fail("seat " + std::to_string(s) +
                     "'s party flag contradicts the party lists: " + PartyText());
        }

        GameListHeader& head = *GameListHead(table->gameListHandle);
        std::int32_t totalsBefore[4];
        std::memcpy(totalsBefore, head.totals, sizeof totalsBefore);
        const int potBefore = g.potUnits;
        const int bockBefore = table->bockGamesLeft;
        const std::int32_t countBefore = head.count;
        const skref::Bill ref = skref::Settle(Finished(dealt, tricksPlayed, potBefore), Tariff());
        table->EndGame(0, 1);
        ++games;
        GameListHeader& after = *GameListHead(table->gameListHandle);
        if (after.count != countBefore + 1)
            Fail("the game was not listed");
        const GameBill& bill = table->bill;
        std::vector<skref::Line> lines;
        for (int i = 0; i < bill.itemCount; ++i)
            lines.push_back({bill.items[i].kind, bill.items[i].value});
        std::vector<skref::Line> expected = ref.lines;
        const bool bock = bockBefore > 0;
        if (bock)
            expected.push_back({kBillBock, 0});
        if (lines != expected) {
            std::string text = "bill of word " + std::to_string(word) + ":";
            for (const auto& l : lines)
                text += " " + std::to_string(l.kind) + "/" + std::to_string(l.value);
            text += " expected";
            for (const auto& l : expected)
                text += " " + std::to_string(l.kind) + "/" + std::to_string(l.value);
            Fail(text);
        }
        // The listed seats as a set: the winners' order is the table's own.
        std::vector<int> listed(bill.listedSeats, bill.listedSeats + 3),
            refListed(ref.listed, ref.listed + 3);
        if (listed[0] != refListed[0] && ref.perOpponent == 0)
            Fail("the Ramsch's or Leaster's seat");
        std::sort(listed.begin(), listed.end());
        std::sort(refListed.begin(), refListed.end());
        if (listed != refListed)
            Fail("listed seats " + std::to_string(bill.listedSeats[0]) + "," +
                 std::to_string(bill.listedSeats[1]) + "," + std::to_string(bill.listedSeats[2]) +
                 " word " + std::to_string(word) + " declarer " + std::to_string(g.declarer) +
                 " lists " + std::to_string(g.partyLists[0]) + "," +
                 std::to_string(g.partyLists[1]) + "," + std::to_string(g.partyLists[2]) + "," +
                 std::to_string(g.partyLists[3]) + " flags " +
                 std::to_string(g.seats[0].inDeclarerParty) +
                 std::to_string(g.seats[1].inDeclarerParty) +
                 std::to_string(g.seats[2].inDeclarerParty) +
                 std::to_string(g.seats[3].inDeclarerParty));
        if (bill.value != (bock ? 2 : 1) * ref.value)
            Fail("bill value");
        if ((bill.potBooked != 0) != ref.potBooked ||
            (ref.potBooked && bill.potAmount != ref.potAmount))
            Fail("pot booking");
        if (g.potUnits != ref.potUnitsAfter)
            Fail("pot units after the game");
        // Money: the four seats and the pot sum to zero; the list moved by the values and the pot.
        const GameRecord& record = *LastGameRecord(table->gameListHandle);
        std::int64_t sum = 0;
        for (int s = 0; s < 4; ++s) {
            const std::int32_t delta = after.totals[s] - totalsBefore[s];
            sum += delta;
            int pot = 0;
            if (record.potBooked && (record.potSeat == -1 || record.potSeat == s))
                pot = record.potAmount;
            if (delta != record.values[s] + pot)
                Fail("seat " + std::to_string(s) + "'s total moved by more than its game");
            const int refPot =
                ref.potBooked && (ref.potSeat == -1 || ref.potSeat == s) ? ref.potAmount : 0;
            if (record.values[s] != (bock ? 2 : 1) * (ref.money[s] - refPot))
                Fail("seat " + std::to_string(s) + "'s value " + std::to_string(record.values[s]) +
                     " against " + std::to_string(ref.money[s] - refPot));
            recordSums[s] += record.values[s] + pot;
            if (!IsItemScoredRecord(record))
                (IsListedSeat(record, s) ? won[s] : lost[s]) += 1;
        }
        sum += static_cast<std::int64_t>(g.potUnits - potBefore) * 4 * options.baseStake;
        if (sum != 0)
            Fail("the seats and the pot do not sum to zero: " + std::to_string(sum));
        for (int s = 0; s < 4; ++s) {
            if (after.totals[s] != recordSums[s])
                Fail("list total of seat " + std::to_string(s));
            if (after.won[s] != won[s] || after.lost[s] != lost[s])
                Fail("won and lost counts");
        }
        // Bock games: an event starts bockGames afresh, never adds to them; without one they
        // run down.
        bool firstAnnounced = false, otherAnnounced = false;
        for (int i = 0; i < g.announcementCount && i < kMaxAnnouncements; ++i) {
            const int s = g.announcements[i].seat;
            if (s < 0 || s > 3)
                continue;
            (g.seats[s].inDeclarerParty ? firstAnnounced : otherAnnounced) = true;
        }
        const std::int32_t events = options.additionalPoints;
        bool schwarz = false;
        for (const auto& l : ref.lines)
            schwarz = schwarz || l.kind == kBillSchwarz;
        const bool event = ((events & 2) && schwarz) ||
                           ((events & 4) && g.IsSoloGame() && ref.listed[0] != declarer) ||
                           ((events & 8) && firstAnnounced && ref.listed[0] >= 0 &&
                            !g.seats[ref.listed[0]].inDeclarerParty) ||
                           ((events & 16) && firstAnnounced && otherAnnounced);
        const int bockExpected = event ? options.bockGames : std::max(0, bockBefore - 1);
        if (table->bockGamesLeft != bockExpected)
            Fail("bock games left " + std::to_string(table->bockGamesLeft) + ", not " +
                 std::to_string(bockExpected));
        if (event)
            ++bockEvents;
        if (bock)
            ++bockGames;
        if (g.IsSoloGame())
            ++solos;
        if (word & kModExchange)
            ++allPassed;
        for (const auto& l : ref.lines) {
            if (l.kind == 15)
                ++resupras;
            if (l.kind == 7)
                ++contras;
            if (l.kind == 8)
                ++runnerItems;
            if (l.kind == 16)
                ++extrasItems;
            if ((l.kind & 0xff) == 9)
                ++potItems;
            if (l.kind == 1)
                ++touts;
        }
    }

    Options opts;
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions options{};
    std::unique_ptr<SchafkopfController> table;
    bool ok = false;
    std::uint32_t clockMs = 0;
    std::uint32_t rngState = 12345;
    std::uint32_t rng() {
        rngState = rngState * 1103515245u + 12345u;
        return rngState >> 16;
    }
    int probeEvery = 0;   // a probe before one trick in this many, 0 never
    int suggestEvery = 0; // a suggestion before one of seat 0's cards in this many
    int replayEvery = 0;  // a finished game taken back and dealt again, one in this many
    bool solosMissingAtTimeLimit = false;
    std::vector<std::string> failures;
    long deals = 0, voidDeals = 0, games = 0, cardsPlayed = 0, standInCards = 0;
    long replays = 0, probes = 0, suggestions = 0, emptySuggestions = 0, earlyEnds = 0,
         firstTrickSolos = 0;
    long bockEvents = 0, bockGames = 0, solos = 0, allPassed = 0, resupras = 0, contras = 0,
         runnerItems = 0;
    long firstTrickGames = 0, extrasItems = 0, potItems = 0, touts = 0;
    std::int64_t recordSums[4] = {};
    int won[4] = {};
    int lost[4] = {};
};

} // namespace series

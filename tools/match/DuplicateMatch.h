// A duplicate match of Schafkopf players: every seeded deal is played four times with the same
// cards, dealer and first lead, the tested player in one seat and the opponent type in the other
// three, the tested seat moving round the table, so that the tested player plays every hand of
// the deal once. Luck of the cards cancels out; what is left is the difference in play.
//
// Opponents are the computer player at a profile, or random-legal seats: they bid, call and
// announce as the tested player does, but play a card drawn uniformly from their legal cards
// by their own generator, entered like a human's card.
#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/Random.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "shell/OptionRecords.h"

namespace duplicate {

inline constexpr int kLevelFive = 27; // PlayerProfileCode of the strongest computer player
inline constexpr int kLevelZero = 2;

struct Opponent {
    std::string name;         // "random" or "level0"
    bool random = false;      // plays uniformly drawn legal cards
    int profile = kLevelZero; // the computer's profile; random seats bid with the tested one
};

// Running mean and spread (Welford), for an interval of the mean.
struct Sample {
    long count = 0;
    double mean = 0.0;
    double squares = 0.0;
    void Add(double x) {
        ++count;
        const double delta = x - mean;
        mean += delta / static_cast<double>(count);
        squares += delta * (x - mean);
    }
    // Half the width of the 95% interval: 1.96 standard errors.
    double HalfWidth() const {
        if (count < 2)
            return 0.0;
        const double variance = squares / static_cast<double>(count - 1);
        return 1.96 * std::sqrt(variance / static_cast<double>(count));
    }
};

struct GroupFigures {
    Sample money;                // the tested player's money per game, the game as the unit
    std::map<int, long> reasons; // ReasonCode counts of the tested player's cards
};

struct Result {
    long deals = 0;
    long games = 0;
    Sample perDeal; // the tested player's money per game, averaged over a deal's replays
    std::map<std::string, GroupFigures> groups;
    long testedCards = 0;
    long fallbacks = 0; // the tested player's cards that no card routine chose
    long failures = 0;  // replays that could not be played (none expected)
    // What each replay of the last deal started from: the hands by seat, dealer and leader.
    std::vector<std::vector<int>> lastHands[4];
    int lastDealer[4] = {-1, -1, -1, -1};
    int lastLeader[4] = {-1, -1, -1, -1};
};

inline std::uint32_t DealSeed(std::uint32_t seed, long deal) {
    std::uint32_t x = seed * 2654435761u + static_cast<std::uint32_t>(deal) * 40503u + 1u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

class Match {
  public:
    Match() {
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2; // German call
        options.trumpSuit = 1;       // Herz
        options.allowedGames = 0x1FFF;
        options.allPassRule = 2; // Ramsch when all pass
        options.withPot = 0;
        options.additionalPoints = 0; // no bock games
        options.requiredSolo = 0;
        options.seriesEnd = 1;
        settings.seriesEnd = 1;
        settings.tableMode = 1;
        settings.cardDelay = 0;
        rules.seriesEnd = 1;
        ok = table.Init(&settings, &options, &rules, false);
        const std::uint8_t computers[4] = {1, 1, 1, 1};
        table.SetSeatKinds(computers);
        table.listGames = 0;
    }

    bool ok = false;

    // Plays the deals of one pairing and answers its figures.
    Result Run(const Opponent& opponent, long deals, std::uint32_t seed) {
        Result result;
        Game().fallbackCounts.Reset();
        for (long d = 0; d < deals; ++d) {
            const std::uint32_t dealSeed = DealSeed(seed, d);
            double money = 0.0;
            int games = 0;
            for (int tested = 0; tested < 4; ++tested) {
                int won = 0;
                std::vector<int> hands[4];
                if (!PlayReplay(opponent, dealSeed, static_cast<int>(d % 4), tested, &won, hands,
                                result)) {
                    ++result.failures;
                    continue;
                }
                if (d == deals - 1) {
                    for (int s = 0; s < 4; ++s)
                        result.lastHands[tested].push_back(hands[s]);
                    result.lastDealer[tested] = table.dealer;
                    result.lastLeader[tested] = firstLeader;
                }
                money += won;
                ++games;
            }
            ++result.deals;
            if (games > 0) {
                result.games += games;
                result.perDeal.Add(money / games);
            }
        }
        return result;
    }

    // The dispatcher's fall-backs of every computer seat of the pairing, by group, phase, role
    // and the routine that ended without a card.
    std::string FallbackReport() {
        char text[4096];
        Game().fallbackCounts.WriteReport(text, sizeof text);
        return text;
    }

  private:
    SettingsBody settings{};
    DoppelkopfOptions rules{};
    SchafkopfOptions options{};
    SchafkopfController table;
    int firstLeader = -1;

    SchafkopfComputerPlayer& Game() { return *table.Game(); }

    const PlayLog* Log(int seat) { return static_cast<const PlayLog*>(Game().playLogs[seat]); }
    int LogCount(int seat) {
        const PlayLog* log = Log(seat);
        return log ? log->count : 0;
    }
    int LastReason(int seat) {
        const PlayLog* log = Log(seat);
        return log && log->count > 0 ? log->entries[log->count - 1].reason : -1;
    }

    // One replay of the deal with the tested player in the seat; false when it could not be
    // played to its end.
    bool PlayReplay(const Opponent& opponent, std::uint32_t dealSeed, int dealer, int tested,
                    int* won, std::vector<int> hands[4], Result& result) {
        // The same seed gives the same shuffle and the same draws during play.
        SeedRandom(dealSeed);
        std::mt19937 cardDraws(dealSeed ^ (0x9e3779b9u * static_cast<std::uint32_t>(tested + 1)));
        for (int seat = 0; seat < 4; ++seat)
            table.SetSeatProfile(seat == tested || opponent.random ? kLevelFive : opponent.profile,
                                 seat);
        table.dealer = static_cast<std::int16_t>((dealer + 3) % 4); // the deal moves it on one
        table.NewDeal(false);
        SchafkopfComputerPlayer& g = Game();
        for (int seat = 0; seat < 4; ++seat)
            for (std::uint8_t card : g.seats[seat].hand)
                if (card != 0)
                    hands[seat].push_back(card);
        table.bids[0] = 0;
        for (int n = 0; n < 4; ++n) {
            int suit = 0;
            table.GetSeatBidType((table.dealer + 1 + n) % 4, &suit);
        }
        table.StepBidding(0);
        CopyGameType(&table.humanGameType, &g.seats[0].bid);
        if (!table.StartPlay())
            return false;
        firstLeader = g.leader;
        // The dispatcher's game groups: partner game, the two solo groups, Beg, all passed.
        const std::string group =
            SchafkopfFallbackCounts::GroupName(static_cast<int>(g.GetPlayGroup()));
        GroupFigures& figures = result.groups[group];
        char text[kNameTextSize];
        char second[kNameTextSize];
        const int cardsPerHand = g.GetCardsPerHand();
        int tricks = 0;
        while (!table.IsGameDecided()) {
            if (++tricks > cardsPerHand)
                return false;
            table.BeginTrick(true);
            int seat = g.leader;
            for (int n = 0; n < 4; ++n) {
                const bool randomSeat = opponent.random && seat != tested;
                if (randomSeat) {
                    table.CollectAnnouncements(text, -1);
                    if (!PlayRandomCard(seat, cardDraws))
                        return false;
                } else {
                    const int logCount = LogCount(seat);
                    const long fallbacksBefore = g.fallbackCounts.TotalFallbacks();
                    bool claim = false;
                    table.PlayComputerTurn(seat, text, second, &claim);
                    if (g.trickCards[seat] == 0)
                        return false;
                    table.RemoveHandCard(seat);
                    table.NotePlayTime(seat, -1);
                    if (seat == tested) {
                        ++result.testedCards;
                        result.fallbacks += g.fallbackCounts.TotalFallbacks() - fallbacksBefore;
                        if (LogCount(seat) > logCount)
                            ++figures.reasons[LastReason(seat)];
                    }
                }
                seat = (seat + 1) % 4;
            }
            bool changed = false;
            table.DoppelkopfController::EndTrick(&changed);
        }
        table.EndGame(0, 1);
        *won = table.ScoredRecord()->values[tested];
        figures.money.Add(*won);
        return true;
    }

    // A card drawn uniformly from the seat's legal cards, entered as a human's card.
    bool PlayRandomCard(int seat, std::mt19937& draws) {
        SchafkopfComputerPlayer& g = Game();
        std::vector<int> legal;
        const std::int16_t mover = g.seatToMove;
        g.seatToMove = static_cast<std::int16_t>(seat);
        for (std::uint8_t card : g.seats[seat].hand)
            if (card != 0 && g.IsLegalCard(seat, card) == 1)
                legal.push_back(card);
        g.seatToMove = mover;
        if (legal.empty())
            return false;
        const int card = legal[draws() % legal.size()];
        return table.PlayHumanCard(card, seat) == 1;
    }
};

} // namespace duplicate

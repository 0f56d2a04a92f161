#include "views/PlayRating.h"

#include <cmath>

#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

namespace {

// The game counters of the four-seat records, in their order.
enum GameCounter {
    kGames = 0,
    kGamesWon = 1,
    kSolosAtTable = 2,
    kOwnSolosWon = 3,
    kOwnSolos = 4,
    kWonOtherParty = 5, // "Contra"
    kWonFirstParty = 6, // "Re"
    kSoloistTricks = 7,
    kPlayerTricks = 8,
    kSoloistPoints = 9,
    kPlayerPoints = 10,
    kSeries = 11,
    kSeriesPlaces = 12,
    kTournaments = 16,
    kTournamentPlaces = 17,
    kLeagues = 21,
};

// The expected values: what the computer would have taken for the player.
enum Expected {
    kSoloistTricksExpected,
    kPlayerTricksExpected,
    kSoloistPointsExpected,
    kPlayerPointsExpected
};

// The Skat counters in the settings: the statistics block from +2592 and the counters from
// +2636, 32-bit each.
constexpr int kSkatGames = 1;
constexpr int kSkatGamesWon = 2;
constexpr int kSkatSeries = 0;
constexpr int kSkatTournaments = 4;
constexpr int kSkatLeagues = 8;
constexpr int kSkatExpected[4] = {59, 60, 62, 63}; // +2872, +2876, +2884, +2888

// An average Skat player wins this share of the games played.
constexpr double kSkatAverageWins = 0.3834;
constexpr double kDoppelkopfDamping = 10;
constexpr double kSchafkopfDamping = 8;

// The largest and smallest ratings a 32-bit float holds that also fit a signed 32-bit item.
constexpr double kHighestRating = 2147483520.0;
constexpr double kLowestRating = -2147483648.0;

double F(std::int32_t counter) {
    return static_cast<double>(counter);
}

double AsFloat(double value) {
    return static_cast<double>(static_cast<float>(value));
}

// A performance ratio; an expectation of 0 says nothing about the play, so the ratio counts 1
// (a damaged record must not make the rating infinite).
double Ratio(std::int32_t taken, std::int32_t expected) {
    return expected == 0 ? 1.0 : F(taken) / F(expected);
}

// The results of whole lists: series, tournaments and leagues; a kind never played adds what
// an average player earns there.
double SeriesTerm(std::int32_t count, const std::int32_t* places) {
    if (count == 0)
        return 6;
    return AsFloat((4 * F(places[0]) + 2 * F(places[1])) / (2 * F(count) / 3));
}

double TournamentTerm(std::int32_t count, const std::int32_t* places) {
    if (count == 0)
        return 14;
    return AsFloat((9.33 * F(places[0]) + 4.66 * F(places[1])) / (F(count) / 3));
}

double LeagueTerm(std::int32_t count, const std::int32_t* places) {
    if (count == 0)
        return 20;
    return AsFloat((9 * F(places[0]) + 6 * F(places[1]) + 3 * F(places[2]) + 1.5 * F(places[3]) +
                    0.5 * F(places[4])) /
                   (0.2 * F(count)));
}

float Finish(double rating) {
    if (!(rating >= kLowestRating))
        rating = kLowestRating;
    if (rating > kHighestRating)
        rating = kHighestRating;
    return static_cast<float>(rating);
}

double PerformanceRatio(const std::int32_t* games, const std::int32_t* expected) {
    const double soloistTricks = Ratio(games[kSoloistTricks], expected[kSoloistTricksExpected]);
    const double playerTricks = Ratio(games[kPlayerTricks], expected[kPlayerTricksExpected]);
    const double soloistPoints = Ratio(games[kSoloistPoints], expected[kSoloistPointsExpected]);
    const double playerPoints = Ratio(games[kPlayerPoints], expected[kPlayerPointsExpected]);
    if (expected[kPlayerTricksExpected] == 0 && expected[kPlayerPointsExpected] == 0)
        return soloistTricks * soloistPoints;
    if (expected[kSoloistTricksExpected] == 0 && expected[kSoloistPointsExpected] == 0)
        return playerTricks * playerPoints;
    return playerPoints * soloistPoints * soloistTricks * playerTricks;
}

// Winning half the games is average; at the Schafkopf table winning a quarter of the solos
// played there as soloist raises or lowers the term a third as much.
double WinTerm(const std::int32_t* games, bool schafkopf) {
    const std::int32_t played = games[kGames];
    if (played == 0)
        return 10;
    const double wins = AsFloat(F(games[kGamesWon]) / (0.5 * F(played)));
    const std::int32_t solos = games[kSolosAtTable];
    const std::int32_t solosWon = games[kOwnSolosWon];
    if (!schafkopf || solos == 0 || solosWon == 0)
        return wins * 10;
    const double share = AsFloat(F(solosWon) / (0.25 * F(solos)));
    const double factor = AsFloat(1 + (share - 1) / 3);
    return wins * factor * 10;
}

// A balance of 0 game points is average; without games (or without a tariff to measure the
// balance in) the balance says nothing and the term is average too.
double BalanceTerm(std::int32_t balance, std::int32_t played, bool schafkopf,
                   std::int32_t baseTariff) {
    if (balance == 0)
        return 50;
    std::int64_t measure = 0;
    std::int64_t points = balance;
    if (schafkopf) {
        if (baseTariff == 0)
            return 50;
        measure = static_cast<std::int64_t>(baseTariff) * played;
        points = static_cast<std::int64_t>(balance) / baseTariff;
    } else {
        measure = 2 * static_cast<std::int64_t>(played);
    }
    if (measure == 0)
        return 50;
    return 50 * static_cast<double>(points + measure) / static_cast<double>(measure);
}

} // namespace

FourSeatStatistics StatisticsOf(const DoppelkopfOptions& options) {
    return {options.statistics, options.placeStatistics, options.expectedValues,
            options.humanBalance};
}

FourSeatStatistics StatisticsOf(const SchafkopfOptions& options) {
    return {options.statistics, options.placeStatistics, options.expectedValues,
            options.expectedValues[4]};
}

float ComputeFourSeatRating(const FourSeatStatistics& statistics, bool schafkopf,
                            std::int32_t baseTariff) {
    const std::int32_t* games = statistics.games;
    const std::int32_t* expected = statistics.expected;
    if (expected[0] == 0 && expected[1] == 0 && expected[2] == 0 && expected[3] == 0)
        return 100;
    const double damping = schafkopf ? kSchafkopfDamping : kDoppelkopfDamping;
    const double ratio = 1 + (PerformanceRatio(games, expected) - 1) / damping;
    double rating = (WinTerm(games, schafkopf) +
                     BalanceTerm(statistics.balance, games[kGames], schafkopf, baseTariff)) *
                    ratio;
    rating += SeriesTerm(games[kSeries], games + kSeriesPlaces);
    rating += TournamentTerm(games[kTournaments], games + kTournamentPlaces);
    rating += LeagueTerm(games[kLeagues], statistics.leaguePlaces);
    return Finish(rating);
}

float ComputeDoppelkopfRating(const DoppelkopfOptions& options) {
    return ComputeFourSeatRating(StatisticsOf(options), false, 0);
}

float ComputeSchafkopfRating(const SchafkopfOptions& options) {
    return ComputeFourSeatRating(StatisticsOf(options), true, options.baseStake);
}

float ComputeSkatRating(const SettingsBody& settings) {
    const std::int32_t* block = settings.statistics;
    const std::int32_t* counters = settings.statisticsCounters;
    const std::int32_t played = block[kSkatGames];
    double rating = 60;
    if (played != 0)
        rating = AsFloat(F(block[kSkatGamesWon]) / (kSkatAverageWins * F(played))) * 50;
    rating += SeriesTerm(counters[kSkatSeries], counters + kSkatSeries + 1);
    rating += TournamentTerm(counters[kSkatTournaments], counters + kSkatTournaments + 1);
    rating += LeagueTerm(counters[kSkatLeagues], counters + kSkatLeagues + 1);
    return Finish(rating);
}

std::int32_t ShownRating(float rating) {
    const double value = static_cast<double>(rating);
    if (!(value >= kLowestRating))
        return static_cast<std::int32_t>(kLowestRating);
    if (value > kHighestRating)
        return static_cast<std::int32_t>(kHighestRating);
    return static_cast<std::int32_t>(std::trunc(value));
}

namespace {

std::vector<RatingItem> FourSeatItems(const FourSeatStatistics& statistics) {
    const std::int32_t* games = statistics.games;
    std::vector<RatingItem> items = {
        {200, games[kGames], false},         {201, games[kGamesWon], false},
        {202, games[kSolosAtTable], false},  {203, games[kOwnSolos], false},
        {204, games[kOwnSolosWon], false},   {205, games[kWonOtherParty], false},
        {206, games[kWonFirstParty], false}, {207, games[kSoloistTricks], false},
        {208, games[kPlayerTricks], false},  {209, games[kSoloistPoints], false},
        {210, games[kPlayerPoints], false},
    };
    // Series, tournaments and leagues: the count, then the places.
    for (int i = 0; i < 10; ++i)
        items.push_back({212 + i, games[kSeries + i], false});
    items.push_back({222, games[kLeagues], false});
    for (int i = 0; i < 5; ++i)
        items.push_back({223 + i, statistics.leaguePlaces[i], false});
    for (int i = 0; i < 4; ++i)
        items.push_back({228 + i, statistics.expected[i], true});
    return items;
}

} // namespace

std::vector<RatingItem> RatingItemsOf(const DoppelkopfOptions& options) {
    return FourSeatItems(StatisticsOf(options));
}

std::vector<RatingItem> RatingItemsOf(const SchafkopfOptions& options) {
    return FourSeatItems(StatisticsOf(options));
}

std::vector<RatingItem> RatingItemsOf(const SettingsBody& settings) {
    const std::int32_t* block = settings.statistics;
    const std::int32_t* counters = settings.statisticsCounters;
    std::vector<RatingItem> items;
    // The block's games from +2596 to +2616 and +2624, +2628 (the word at +2620 is not shown).
    for (int i = 1; i <= 6; ++i)
        items.push_back({199 + i, block[i], false});
    items.push_back({206, block[8], false});
    items.push_back({207, block[9], false});
    for (int i = 0; i <= 13; ++i)
        items.push_back({209 + i, counters[i], false});
    for (int i = 0; i < 4; ++i)
        items.push_back({223 + i, counters[kSkatExpected[i]], true});
    return items;
}

int RatingItemOf(int kind) {
    return kind == kRatingKindSkat ? 208 : 211;
}

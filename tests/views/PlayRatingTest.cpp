// The play rating over a table of counter sets, for the three game kinds. Expected values
// come from the published formulas, written out again below term by term (and, for the
// landmarks, from arithmetic by hand), not from the code under test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <map>
#include <string>

#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"
#include "views/PlayRating.h"

namespace {

struct Counters {
    const char* name;
    std::int32_t played, won, solos, ownSolosWon;
    std::int32_t tricksSoloist, tricksPlayer, pointsSoloist, pointsPlayer;
    std::int32_t expectedTricksSoloist, expectedTricksPlayer, expectedPointsSoloist,
        expectedPointsPlayer;
    std::int32_t balance;
    std::int32_t series[3];     // count, first, second
    std::int32_t tournament[3]; // count, first, second
    std::int32_t league[6];     // count, places 1 to 5
    std::int16_t baseTariff;
};

// clang-format off
const Counters kSets[] = {
    {"all empty", 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,  0, {}, {}, {}, 10},
    // Every ratio 1, half the games won, balance 0, no lists.
    {"average player", 40, 20, 0, 0,  5, 30, 300, 900,  5, 30, 300, 900,  0, {}, {}, {}, 10},
    {"soloist only", 10, 6, 4, 2,  12, 0, 150, 0,  10, 0, 120, 0,  0, {}, {}, {}, 10},
    {"player only", 10, 4, 0, 0,  0, 20, 0, 200,  0, 25, 0, 250,  30, {}, {}, {}, 10},
    {"both parties", 30, 17, 6, 3,  8, 25, 200, 700,  10, 20, 180, 650,  -120,
     {3, 1, 1}, {2, 1, 0}, {5, 1, 1, 1, 1, 1}, 20},
    // One value of an expectation pair 0: that ratio counts 1.
    {"expected player tricks 0", 12, 6, 0, 0,  3, 14, 70, 210,  2, 0, 60, 200,  0, {}, {}, {}, 10},
    {"expected soloist points 0", 12, 6, 0, 0,  3, 14, 70, 210,  2, 12, 0, 200,  0, {}, {}, {}, 10},
    // Only the last expectation set: the player is rated, not taken for average.
    {"only expected player points", 12, 3, 0, 0,  0, 0, 0, 150,  0, 0, 0, 200,  40, {}, {}, {}, 10},
    {"base tariff 0", 12, 7, 0, 0,  3, 14, 70, 210,  2, 12, 60, 200,  90, {}, {}, {}, 0},
    {"balance without games", 0, 0, 0, 0,  3, 14, 70, 210,  2, 12, 60, 200,  90, {}, {}, {}, 10},
    // 9.98 + 50 + 40: a rating just under 100.
    {"just under 100", 1000, 499, 0, 0,  1, 1, 1, 1,  1, 1, 1, 1,  0, {}, {}, {}, 10},
    // Each list kind played once without a place: the rating is the balance term alone.
    {"just under 0", 100, 0, 0, 0,  1, 1, 1, 1,  1, 1, 1, 1,  -202,
     {1, 0, 0}, {1, 0, 0}, {1, 0, 0, 0, 0, 0}, 1},
    // A damaged file: counters at the ends of their range.
    {"huge", INT32_MAX, INT32_MAX, 1, INT32_MAX,  INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX,
     1, 1, 1, 1,  INT32_MIN, {1, INT32_MAX, INT32_MAX}, {1, INT32_MAX, 0},
     {1, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX}, -1},
    {"negative", -5, -9, -2, -1,  -3, -7, -100, -200,  -1, 2, -30, 40,  -77,
     {-2, -1, 3}, {-1, 0, -4}, {-3, -1, -1, 0, 2, 0}, -3},
};
// clang-format on

float AsFloat(double value) {
    return static_cast<float>(value);
}

double Ratio(double taken, double expected) {
    return expected == 0 ? 1 : taken / expected;
}

double ListTerms(const Counters& c) {
    double terms = 0;
    const auto* s = c.series;
    const auto* t = c.tournament;
    const auto* l = c.league;
    terms += s[0] == 0 ? 6 : AsFloat((4.0 * s[1] + 2.0 * s[2]) / (2.0 * s[0] / 3));
    terms += t[0] == 0 ? 14 : AsFloat((9.33 * t[1] + 4.66 * t[2]) / (t[0] / 3.0));
    terms += l[0] == 0 ? 20
                       : AsFloat((9.0 * l[1] + 6.0 * l[2] + 3.0 * l[3] + 1.5 * l[4] + 0.5 * l[5]) /
                                 (0.2 * l[0]));
    return terms;
}

double Clamped(double rating) {
    return std::fmax(-2147483648.0, std::fmin(rating, 2147483520.0));
}

// The four-seat formula step by step.
float FourSeatReference(const Counters& c, bool schafkopf) {
    const double eTs = c.expectedTricksSoloist, eTp = c.expectedTricksPlayer;
    const double ePs = c.expectedPointsSoloist, ePp = c.expectedPointsPlayer;
    if (eTs == 0 && eTp == 0 && ePs == 0 && ePp == 0)
        return 100;
    double r = 0;
    if (eTp == 0 && ePp == 0)
        r = Ratio(c.tricksSoloist, eTs) * Ratio(c.pointsSoloist, ePs);
    else if (eTs == 0 && ePs == 0)
        r = Ratio(c.tricksPlayer, eTp) * Ratio(c.pointsPlayer, ePp);
    else
        r = Ratio(c.pointsPlayer, ePp) * Ratio(c.pointsSoloist, ePs) * Ratio(c.tricksSoloist, eTs) *
            Ratio(c.tricksPlayer, eTp);
    const double d = 1 + (r - 1) / (schafkopf ? 8 : 10);
    double w = 10;
    if (c.played != 0) {
        w = AsFloat(c.won / (0.5 * c.played)) * 10.0;
        if (schafkopf && c.solos != 0 && c.ownSolosWon != 0) {
            const float h = AsFloat(c.ownSolosWon / (0.25 * c.solos));
            const float k = AsFloat(1 + (h - 1.0) / 3);
            w = AsFloat(c.won / (0.5 * c.played)) * double(k) * 10;
        }
    }
    double b = 50;
    if (c.balance != 0) {
        const double m = schafkopf ? double(c.baseTariff) * c.played : 2.0 * c.played;
        if (m != 0) {
            const double balance =
                schafkopf ? double(std::int64_t(c.balance) / c.baseTariff) : double(c.balance);
            b = 50 * (balance + m) / m;
        }
    }
    return AsFloat(Clamped((w + b) * d + ListTerms(c)));
}

float SkatReference(const Counters& c) {
    const double w = c.played == 0 ? 60 : AsFloat(c.won / (0.3834 * c.played)) * 50.0;
    return AsFloat(Clamped(w + ListTerms(c)));
}

SchafkopfOptions SchafkopfRecord(const Counters& c) {
    SchafkopfOptions o{};
    std::int32_t* g = o.statistics;
    g[0] = c.played, g[1] = c.won, g[2] = c.solos, g[3] = c.ownSolosWon;
    g[7] = c.tricksSoloist, g[8] = c.tricksPlayer, g[9] = c.pointsSoloist, g[10] = c.pointsPlayer;
    g[11] = c.series[0], g[12] = c.series[1], g[13] = c.series[2];
    g[16] = c.tournament[0], g[17] = c.tournament[1], g[18] = c.tournament[2];
    g[21] = c.league[0];
    for (int i = 0; i < 5; ++i)
        o.placeStatistics[i] = c.league[1 + i];
    // The counter after the fifth place does not belong to the league places.
    o.placeStatistics[5] = 1000;
    o.expectedValues[0] = c.expectedTricksSoloist, o.expectedValues[1] = c.expectedTricksPlayer;
    o.expectedValues[2] = c.expectedPointsSoloist, o.expectedValues[3] = c.expectedPointsPlayer;
    o.expectedValues[4] = c.balance;
    o.baseStake = c.baseTariff;
    return o;
}

DoppelkopfOptions DoppelkopfRecord(const Counters& c) {
    const SchafkopfOptions s = SchafkopfRecord(c);
    DoppelkopfOptions o{};
    std::copy(std::begin(s.statistics), std::end(s.statistics), o.statistics);
    std::copy(std::begin(s.placeStatistics), std::end(s.placeStatistics), o.placeStatistics);
    std::copy(s.expectedValues, s.expectedValues + 4, o.expectedValues);
    o.humanBalance = c.balance;
    return o;
}

// The Skat counters lie in the settings at fixed places (offsets of the stored body).
void PutSkat(SettingsBody& body, int offset, std::int32_t value) {
    std::memcpy(reinterpret_cast<unsigned char*>(&body) + offset, &value, 4);
}

SettingsBody SkatRecord(const Counters& c) {
    SettingsBody body{};
    PutSkat(body, 2596, c.played);
    PutSkat(body, 2600, c.won);
    for (int i = 0; i < 3; ++i) {
        PutSkat(body, 2636 + 4 * i, c.series[i]);
        PutSkat(body, 2652 + 4 * i, c.tournament[i]);
    }
    for (int i = 0; i < 6; ++i)
        PutSkat(body, 2668 + 4 * i, c.league[i]);
    PutSkat(body, 2692, 1000); // after the fifth league place
    return body;
}

} // namespace

TEST(PlayRatingTest, EveryKindFollowsItsFormulaOverTheTable) {
    for (const Counters& c : kSets) {
        const float schafkopf = ComputeSchafkopfRating(SchafkopfRecord(c));
        const float doppelkopf = ComputeDoppelkopfRating(DoppelkopfRecord(c));
        const float skat = ComputeSkatRating(SkatRecord(c));
        EXPECT_FLOAT_EQ(schafkopf, FourSeatReference(c, true)) << c.name;
        EXPECT_FLOAT_EQ(doppelkopf, FourSeatReference(c, false)) << c.name;
        EXPECT_FLOAT_EQ(skat, SkatReference(c)) << c.name;
        for (float rating : {schafkopf, doppelkopf, skat})
            EXPECT_TRUE(std::isfinite(rating)) << c.name;
    }
}

// The landmarks, by hand.
TEST(PlayRatingTest, AnAveragePlayerScoresAHundred) {
    const std::map<std::string, const Counters*> sets = [] {
        std::map<std::string, const Counters*> m;
        for (const Counters& c : kSets)
            m[c.name] = &c;
        return m;
    }();
    const Counters& empty = *sets.at("all empty");
    EXPECT_EQ(ComputeSchafkopfRating(SchafkopfRecord(empty)), 100.0f);
    EXPECT_EQ(ComputeDoppelkopfRating(DoppelkopfRecord(empty)), 100.0f);
    EXPECT_EQ(ComputeSkatRating(SkatRecord(empty)), 100.0f); // 60 + 6 + 14 + 20
    const Counters& average = *sets.at("average player");
    EXPECT_EQ(ComputeSchafkopfRating(SchafkopfRecord(average)), 100.0f); // (10 + 50) + 40
    EXPECT_EQ(ComputeDoppelkopfRating(DoppelkopfRecord(average)), 100.0f);

    const Counters& under100 = *sets.at("just under 100");
    EXPECT_NEAR(ComputeSchafkopfRating(SchafkopfRecord(under100)), 99.98, 1e-4);
    EXPECT_EQ(ShownRating(ComputeSchafkopfRating(SchafkopfRecord(under100))), 99);
    const Counters& under0 = *sets.at("just under 0");
    // 50 x (-202 + 200) / 200 = -0.5
    EXPECT_EQ(ComputeDoppelkopfRating(DoppelkopfRecord(under0)), -0.5f);
    EXPECT_EQ(ShownRating(ComputeDoppelkopfRating(DoppelkopfRecord(under0))), 0);

    // Soloist only at Schafkopf: r = 12/10 x 150/120 = 1.5, d = 1.0625; w = 1.2 x k x 10 with
    // h = 2 / 1 = 2, k = 4/3; b = 50; lists 40.
    const Counters& soloist = *sets.at("soloist only");
    EXPECT_NEAR(ComputeSchafkopfRating(SchafkopfRecord(soloist)), (16 + 50) * 1.0625 + 40, 1e-3);
    // Player only at Doppelkopf: r = 0.8 x 0.8 = 0.64, d = 0.964; w = 8; b = 50 x 50 / 20.
    const Counters& player = *sets.at("player only");
    EXPECT_NEAR(ComputeDoppelkopfRating(DoppelkopfRecord(player)), (8 + 125) * 0.964 + 40, 1e-3);
}

TEST(PlayRatingTest, TheShownRatingIsTruncatedTowardZeroAndStaysInItsItem) {
    EXPECT_EQ(ShownRating(99.9f), 99);
    EXPECT_EQ(ShownRating(-0.5f), 0);
    EXPECT_EQ(ShownRating(-1.5f), -1);
    EXPECT_EQ(ShownRating(100.0f), 100);
    EXPECT_EQ(ShownRating(std::numeric_limits<float>::infinity()), 2147483520);
    EXPECT_EQ(ShownRating(-std::numeric_limits<float>::infinity()), INT32_MIN);
    EXPECT_EQ(ShownRating(std::numeric_limits<float>::quiet_NaN()), INT32_MIN);
}

// Which counter each item shows, by the records' byte offsets.
TEST(PlayRatingTest, EveryItemShowsItsCounter) {
    SchafkopfOptions schafkopf{};
    auto* bytes = reinterpret_cast<unsigned char*>(&schafkopf);
    // Each counter from +384 to +691 holds its own offset.
    for (int offset = 384; offset < 692; offset += 4) {
        const std::int32_t value = offset;
        std::memcpy(bytes + offset, &value, 4);
    }
    const std::map<int, int> schafkopfItems = {
        {200, 384}, {201, 388}, {202, 392}, {204, 396}, {203, 400}, {205, 404}, {206, 408},
        {207, 412}, {208, 416}, {209, 420}, {210, 424}, {212, 428}, {213, 432}, {214, 436},
        {215, 440}, {216, 444}, {217, 448}, {218, 452}, {219, 456}, {220, 460}, {221, 464},
        {222, 468}, {223, 472}, {224, 476}, {225, 480}, {226, 484}, {227, 488}, {228, 672},
        {229, 676}, {230, 680}, {231, 684}};
    std::map<int, int> shown;
    for (const RatingItem& item : RatingItemsOf(schafkopf)) {
        shown[item.item] = item.value;
        EXPECT_EQ(item.parenthesised, item.item >= 228) << item.item;
    }
    EXPECT_EQ(shown, schafkopfItems);
    EXPECT_EQ(RatingItemOf(kRatingKindSchafkopf), 211);

    DoppelkopfOptions doppelkopf{};
    bytes = reinterpret_cast<unsigned char*>(&doppelkopf);
    for (int offset :
         {104, 108, 112, 116, 120, 124, 128, 132, 136, 140, 144, 148, 152, 156, 160, 164,
          168, 172, 176, 180, 184, 188, 192, 196, 200, 204, 208, 392, 396, 400, 404}) {
        const std::int32_t value = offset;
        std::memcpy(bytes + offset, &value, 4);
    }
    shown.clear();
    for (const RatingItem& item : RatingItemsOf(doppelkopf))
        shown[item.item] = item.value;
    for (const auto& [item, offset] : schafkopfItems) {
        const int expected = offset >= 672 ? offset - 672 + 392 : offset - 384 + 104;
        EXPECT_EQ(shown[item], expected) << item;
    }

    SettingsBody settings{};
    bytes = reinterpret_cast<unsigned char*>(&settings);
    for (int offset = 2592; offset < 2892; offset += 4) {
        const std::int32_t value = offset;
        std::memcpy(bytes + offset, &value, 4);
    }
    const std::map<int, int> skatItems = {
        {200, 2596}, {201, 2600}, {202, 2604}, {203, 2608}, {204, 2612}, {205, 2616}, {206, 2624},
        {207, 2628}, {209, 2636}, {210, 2640}, {211, 2644}, {212, 2648}, {213, 2652}, {214, 2656},
        {215, 2660}, {216, 2664}, {217, 2668}, {218, 2672}, {219, 2676}, {220, 2680}, {221, 2684},
        {222, 2688}, {223, 2872}, {224, 2876}, {225, 2884}, {226, 2888}};
    shown.clear();
    for (const RatingItem& item : RatingItemsOf(settings)) {
        shown[item.item] = item.value;
        EXPECT_EQ(item.parenthesised, item.item >= 223) << item.item;
    }
    EXPECT_EQ(shown, skatItems);
    EXPECT_EQ(RatingItemOf(kRatingKindSkat), 208);
}

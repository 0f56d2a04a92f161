// The play rating: one number over the human player's long-run statistics of a game kind,
// scaled so that an average player scores about 100, and which counter the rating window
// shows in which dialog item. It needs no window, so the formulas are tested natively.
#pragma once

#include <cstdint>
#include <vector>

struct DoppelkopfOptions;
struct SchafkopfOptions;
struct SettingsBody;

// The game kinds of the tables: 0 Skat, 1 Doppelkopf, 2 Schafkopf.
inline constexpr int kRatingKindSkat = 0;
inline constexpr int kRatingKindDoppelkopf = 1;
inline constexpr int kRatingKindSchafkopf = 2;

// The counters of a four-seat table as the option records keep them (22 game counters, the
// league places, four expected values and the balance of game points).
struct FourSeatStatistics {
    const std::int32_t* games = nullptr;
    const std::int32_t* leaguePlaces = nullptr; // places 1 to 5
    const std::int32_t* expected = nullptr;     // tricks soloist, player; points soloist, player
    std::int32_t balance = 0;
};

FourSeatStatistics StatisticsOf(const DoppelkopfOptions& options);
FourSeatStatistics StatisticsOf(const SchafkopfOptions& options);

// The Doppelkopf and Schafkopf formula; baseTariff is the Schafkopf stake of a partner game
// (unused for Doppelkopf).
float ComputeFourSeatRating(const FourSeatStatistics& statistics, bool schafkopf,
                            std::int32_t baseTariff);
float ComputeDoppelkopfRating(const DoppelkopfOptions& options);
float ComputeSchafkopfRating(const SchafkopfOptions& options);
float ComputeSkatRating(const SettingsBody& settings);

// The rating as the window shows it: truncated toward zero.
std::int32_t ShownRating(float rating);

// One value of the rating window: the dialog item and the number it shows; the expected
// values are shown in parentheses.
struct RatingItem {
    int item;
    std::int32_t value;
    bool parenthesised;
};
// The counters of the kind's record in the order of their items; the rating is not among them.
std::vector<RatingItem> RatingItemsOf(const DoppelkopfOptions& options);
std::vector<RatingItem> RatingItemsOf(const SchafkopfOptions& options);
std::vector<RatingItem> RatingItemsOf(const SettingsBody& settings);
// The item that shows the rating.
int RatingItemOf(int kind);

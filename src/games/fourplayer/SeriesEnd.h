// Whether a series of a four-seat table is over by the end rule of its option record, as the
// four-player director decides it for a plain series (series mode 1). No table here is remote;
// the tournament director takes this decision over for leagues and tournaments.
#pragma once

#include <cstdint>

#include "platform/Handles.h"

inline constexpr std::int32_t kSeriesEndNever = 1;
inline constexpr std::int32_t kSeriesEndTarget = 4;
inline constexpr std::int32_t kSeriesEndGames = 8;

struct SeriesEndRule {
    std::int32_t rule =
        kSeriesEndNever; // 1 never, 4 a seat's total reaches target, 8 after gameCount games
    std::int32_t gameCount = 0;
    std::int32_t target = 0;
};

// seriesMode is the table mode (1 a series of the four-person table).
bool IsSeriesOverByOptions(Handle gameList, const SeriesEndRule& rule, int seriesMode);

#include "games/fourplayer/SeriesEnd.h"

#include "games/fourplayer/GameList.h"

bool IsSeriesOverByOptions(Handle gameList, const SeriesEndRule& rule, int seriesMode) {
    if (seriesMode != 1 || !gameList)
        return false;
    const GameListHeader* header = GameListHead(gameList);
    if (rule.rule == kSeriesEndGames)
        return header->count >= rule.gameCount;
    if (rule.rule != kSeriesEndTarget)
        return false;
    for (std::int32_t total : header->totals)
        if (total >= rule.target)
            return true;
    return false;
}

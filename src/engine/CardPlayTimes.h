// Card-play time statistics: per seat the last play times when following suit, kept in the
// rules record so that they last across games and program runs. Once a seat's quick (forced)
// and slow (chosen) plays are clearly apart, the time of a later play tells the card memory
// whether the seat looked forced in that group.
#pragma once

#include <cstdint>

#include "records/OptionRecordLayouts.h"

// Every seat: not reliable, every time and reference empty.
void ClearPlayerTimeStats(DoppelkopfOptions* rules);

// Play-time marks of the card memory: how a play looked, per seat and group.
inline constexpr std::int16_t kTimingNone = -1;  // nothing to tell
inline constexpr std::int16_t kTimingForced = 0; // as quick as a forced play: no card left
inline constexpr std::int16_t kTimingChoice = 1; // as slow as a choice: more cards there
inline constexpr int kTimingUnchanged = -2;      // the play leaves the mark as it is

// Books one play that followed suit (forced: the seat held no further card of the group) and
// updates the references and the reliable flag. Answers the mark the time gives, or
// kTimingUnchanged when it gives none (not reliable yet, or between the two references).
int BookPlayTime(PlayerTimeRecord& record, std::int32_t milliseconds, bool forced);

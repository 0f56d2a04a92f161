#include "engine/CardPlayTimes.h"

#include <cmath>

#include "engine/TrickGameCore.h"
#include "records/OptionRecordLayouts.h"

void ClearPlayerTimeStats(DoppelkopfOptions* rules) {
    for (PlayerTimeRecord& record : rules->playerTimes) {
        record.reliable = 0;
        for (std::int16_t& time : record.forcedTimes)
            time = -1;
        record.forcedReference = -1;
        for (std::int16_t& time : record.choiceTimes)
            time = -1;
        record.choiceReference = -1;
    }
}

namespace {

constexpr int kTimeSlots = 10;
constexpr std::int32_t kSlowLimit = 9000; // a play this slow was not thinking about cards
constexpr std::int32_t kForcedSeedLimit = 2000;
constexpr std::int32_t kChoiceSeedLimit = 1001;
constexpr std::int32_t kQuickChoice = 3500; // choice times counted in the average

bool IsFull(const std::int16_t (&times)[kTimeSlots]) {
    return times[kTimeSlots - 1] != -1;
}

// The first empty place takes the time; in a full list the oldest time drops out.
void Append(std::int16_t (&times)[kTimeSlots], std::int32_t t) {
    for (std::int16_t& place : times) {
        if (place == -1) {
            place = static_cast<std::int16_t>(t);
            return;
        }
    }
    for (int i = 0; i + 1 < kTimeSlots; ++i)
        times[i] = times[i + 1];
    times[kTimeSlots - 1] = static_cast<std::int16_t>(t);
}

// Ties go to the even neighbour.
std::int32_t RoundEven(double value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

void BookForced(PlayerTimeRecord& r, std::int32_t t) {
    if (r.forcedReference == -1 && t < kForcedSeedLimit)
        r.forcedReference = static_cast<std::int16_t>(t);
    if (t > r.forcedReference * 1.15)
        return;
    Append(r.forcedTimes, t);
    std::int32_t sum = 0;
    std::int32_t most = 0;
    for (std::int16_t place : r.forcedTimes) {
        sum += place; // an empty place counts -1
        if (place > most)
            most = place;
    }
    const std::int32_t average = RoundEven(sum * 1.15 / kTimeSlots);
    r.forcedReference =
        static_cast<std::int16_t>(IsFull(r.forcedTimes) && average <= most ? average : most);
}

// Answers false when the time is too short to seed a missing reference: nothing is booked.
bool BookChoice(PlayerTimeRecord& r, std::int32_t t) {
    if (r.choiceReference == -1) {
        if (t < kChoiceSeedLimit)
            return false;
        r.choiceReference = static_cast<std::int16_t>(t);
    }
    if (t >= kSlowLimit || (IsFull(r.choiceTimes) && t < r.choiceReference / 1.15))
        return true;
    Append(r.choiceTimes, t);
    // The least time counts its empty places too: until the list is full the reference falls
    // back to -1 after every booking, and the next long enough time seeds it again.
    std::int32_t least = kSlowLimit;
    std::int32_t sum = 0;
    int count = 0;
    for (std::int16_t place : r.choiceTimes) {
        if (place < least)
            least = place;
        if (place < kQuickChoice) {
            sum += place;
            ++count;
        }
    }
    // A seat whose every choice took 3.5 s or more has no average: its least time stands.
    const bool hasAverage = count > 0;
    const std::int32_t average = hasAverage ? RoundEven(sum / (count * 1.35)) : least;
    r.choiceReference = static_cast<std::int16_t>(
        IsFull(r.choiceTimes) && hasAverage && average >= least ? average : least);
    return true;
}

} // namespace

int BookPlayTime(PlayerTimeRecord& record, std::int32_t t, bool forced) {
    if (forced)
        BookForced(record, t);
    else if (!BookChoice(record, t))
        return kTimingUnchanged;
    if (IsFull(record.forcedTimes) && IsFull(record.choiceTimes))
        record.reliable = record.forcedReference * 1.1 <= record.choiceReference ? 1 : 0;
    if (!record.reliable)
        return kTimingUnchanged;
    if (t <= record.forcedReference)
        return kTimingForced;
    if (t >= kSlowLimit)
        return kTimingNone;
    if (t >= record.choiceReference)
        return kTimingChoice;
    return kTimingUnchanged;
}

void TrickGameCore::RecordPlayTime(int seat, std::int32_t milliseconds, int group) {
    if (seat == timingExcludedSeat)
        return; // the time went into a card suggestion, not into the seat's own thinking
    timingExcludedSeat = -1;
    // A negative time (a clock that ran backwards) would seed a false forced reference.
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount || !rules || milliseconds < 0 ||
        !IsSeat(leader) || !IsCardCode(trickCards[leader]))
        return;
    if (group != GetSuitGroup(trickCards[leader]))
        return; // only plays that follow suit tell anything
    const bool forced = seats[seat].groupCount[group] == 0;
    const int mark = BookPlayTime(rules->playerTimes[seat], milliseconds, forced);
    if (mark != kTimingUnchanged)
        evidence[seat][group] = static_cast<std::int16_t>(mark);
}

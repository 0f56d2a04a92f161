// The fall-back count of the card dispatcher and its debug report.
#include "games/fourplayer/SchafkopfFallbacks.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kGroupNames[SchafkopfFallbackCounts::kGroups] = {
    "partner game", "solo A", "solo B", "Beg", "all passed", "no group"};
const char* const kPhaseNames[SchafkopfFallbackCounts::kPhases] = {"opening", "middle", "end"};
const char* const kRoleNames[SchafkopfFallbackCounts::kRoles] = {"declarer", "partner", "defender"};
const char* const kRoutineNames[SchafkopfFallbackCounts::kRoutines] = {
    "none",
    "PlayFirstTrickOpening",
    "LeadCallGame",
    "LeadCallGameEndPhase",
    "FollowOpeningPhase",
    "FollowMiddlePhase",
    "FollowEndPhase",
    "PlayCallGameVoid",
    "PlayVoidEndPhase",
    "PlaySoloDeclarerCard",
    "PlaySoloDeclarerEndPhase",
    "LeadSoloDeclarer",
    "LeadSoloDeclarerEndPhase",
    "FollowSoloDeclarer",
    "FollowSoloDeclarerEndPhase",
    "DiscardSoloDeclarer",
    "DiscardSoloDeclarerEndPhase",
    "PlaySoloDefenderCard",
    "LeadSoloDefender",
    "FollowSoloDefender",
    "DiscardWhenVoid",
    "PlayBegDeclarerCard",
    "PlayBegDefenderCard",
    "PlayAllPassedCard",
    "PlayAllPassedMiddle",
    "PlayAllPassedEnd",
};

// Appends like snprintf at the text's current length and keeps count of the full length.
struct ReportText {
    char* text;
    int capacity;
    int length = 0;

    template <class... Args> void Add(const char* format, Args... args) {
        const int room = capacity - length;
        char* at = room > 0 ? text + length : nullptr;
        const int n =
            std::snprintf(at, room > 0 ? static_cast<std::size_t>(room) : 0, format, args...);
        if (n > 0)
            length += n;
    }
};

} // namespace

void SchafkopfFallbackCounts::Reset() {
    std::memset(fallbacks, 0, sizeof fallbacks);
    std::memset(cards, 0, sizeof cards);
}

bool SchafkopfFallbackCounts::IsCell(int group, int phase, SchafkopfRole role) {
    const int r = static_cast<int>(role);
    return group >= 0 && group < kGroups && phase >= 0 && phase < kPhases && r >= 0 && r < kRoles;
}

void SchafkopfFallbackCounts::CountCard(int group, int phase, SchafkopfRole role,
                                        SchafkopfRoutine routine, bool fellBack) {
    const int routineIndex = static_cast<int>(routine);
    if (!IsCell(group, phase, role) || routineIndex < 0 || routineIndex >= kRoutines)
        return;
    const int r = static_cast<int>(role);
    ++cards[group][phase][r];
    if (fellBack)
        ++fallbacks[group][phase][r][routineIndex];
}

std::uint32_t SchafkopfFallbackCounts::Fallbacks(int group, int phase, SchafkopfRole role,
                                                 SchafkopfRoutine routine) const {
    const int routineIndex = static_cast<int>(routine);
    if (!IsCell(group, phase, role) || routineIndex < 0 || routineIndex >= kRoutines)
        return 0;
    return fallbacks[group][phase][static_cast<int>(role)][routineIndex];
}

std::uint32_t SchafkopfFallbackCounts::FallbacksOfGroup(int group) const {
    if (group < 0 || group >= kGroups)
        return 0;
    std::uint32_t sum = 0;
    for (const auto& phase : fallbacks[group])
        for (const auto& role : phase)
            for (std::uint32_t n : role)
                sum += n;
    return sum;
}

std::uint32_t SchafkopfFallbackCounts::FallbacksOfRoutine(SchafkopfRoutine routine) const {
    const int routineIndex = static_cast<int>(routine);
    if (routineIndex < 0 || routineIndex >= kRoutines)
        return 0;
    std::uint32_t sum = 0;
    for (const auto& group : fallbacks)
        for (const auto& phase : group)
            for (const auto& role : phase)
                sum += role[routineIndex];
    return sum;
}

std::uint32_t SchafkopfFallbackCounts::CardsOfGroup(int group) const {
    if (group < 0 || group >= kGroups)
        return 0;
    std::uint32_t sum = 0;
    for (const auto& phase : cards[group])
        for (std::uint32_t n : phase)
            sum += n;
    return sum;
}

std::uint32_t SchafkopfFallbackCounts::TotalFallbacks() const {
    std::uint32_t sum = 0;
    for (int g = 0; g < kGroups; ++g)
        sum += FallbacksOfGroup(g);
    return sum;
}

std::uint32_t SchafkopfFallbackCounts::TotalCards() const {
    std::uint32_t sum = 0;
    for (int g = 0; g < kGroups; ++g)
        sum += CardsOfGroup(g);
    return sum;
}

const char* SchafkopfFallbackCounts::GroupName(int group) {
    return group >= 0 && group < kGroups ? kGroupNames[group] : "?";
}

const char* SchafkopfFallbackCounts::PhaseName(int phase) {
    return phase >= 0 && phase < kPhases ? kPhaseNames[phase] : "?";
}

const char* SchafkopfFallbackCounts::RoleName(SchafkopfRole role) {
    const int r = static_cast<int>(role);
    return r >= 0 && r < kRoles ? kRoleNames[r] : "?";
}

const char* SchafkopfFallbackCounts::RoutineName(SchafkopfRoutine routine) {
    const int r = static_cast<int>(routine);
    return r >= 0 && r < kRoutines ? kRoutineNames[r] : "?";
}

int SchafkopfFallbackCounts::WriteReport(char* text, int capacity) const {
    if (!text)
        capacity = 0;
    if (capacity > 0)
        text[0] = '\0';
    ReportText out{text, capacity};
    out.Add("fall-backs %lu of %lu computer cards\n", static_cast<unsigned long>(TotalFallbacks()),
            static_cast<unsigned long>(TotalCards()));
    for (int g = 0; g < kGroups; ++g)
        if (CardsOfGroup(g) > 0)
            out.Add("%s: %lu of %lu\n", kGroupNames[g],
                    static_cast<unsigned long>(FallbacksOfGroup(g)),
                    static_cast<unsigned long>(CardsOfGroup(g)));
    for (int g = 0; g < kGroups; ++g)
        for (int p = 0; p < kPhases; ++p)
            for (int r = 0; r < kRoles; ++r)
                for (int n = 0; n < kRoutines; ++n)
                    if (fallbacks[g][p][r][n] > 0)
                        out.Add("  %s, %s, %s, %s: %lu\n", kGroupNames[g], kPhaseNames[p],
                                kRoleNames[r], kRoutineNames[n],
                                static_cast<unsigned long>(fallbacks[g][p][r][n]));
    return out.length;
}

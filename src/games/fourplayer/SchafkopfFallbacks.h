// The count of computer cards that no card routine chose, so that the dispatcher played the
// lowest legal card instead: kept by game group, phase, role and the routine that ended
// without a card. Tests, the headless series and the debug report read it to see where the
// play still falls back.
#pragma once

#include <cstdint>

// The routines a fall-back is booked to: the one the dispatcher reached or, when a routine
// hands the seat on to a narrower one and notes it, that one.
enum class SchafkopfRoutine : std::uint8_t {
    kNone, // no routine for the game word
    // the partner games
    kFirstTrickOpening,
    kLeadCallGame,
    kLeadCallGameEndPhase,
    kFollowOpeningPhase,
    kFollowMiddlePhase,
    kFollowEndPhase,
    kPlayCallGameVoid,
    kPlayVoidEndPhase,
    // the solos
    kPlaySoloDeclarerCard,
    kPlaySoloDeclarerEndPhase,
    kLeadSoloDeclarer,
    kLeadSoloDeclarerEndPhase,
    kFollowSoloDeclarer,
    kFollowSoloDeclarerEndPhase,
    kDiscardSoloDeclarer,
    kDiscardSoloDeclarerEndPhase,
    kPlaySoloDefenderCard,
    kLeadSoloDefender,
    kFollowSoloDefender,
    kDiscardWhenVoid,
    // the Beg and the all-passed games
    kPlayBegDeclarerCard,
    kPlayBegDefenderCard,
    kPlayAllPassedCard,
    kPlayAllPassedMiddle,
    kPlayAllPassedEnd,
    kCount,
};

// The seat's role in the game: the declarer, its partner (partner games), the others.
enum class SchafkopfRole : std::uint8_t { kDeclarer, kPartner, kDefender, kCount };

class SchafkopfFallbackCounts {
  public:
    // The group and phase indices are those of SchafkopfPlayGroup and SchafkopfPlayPhase.
    static constexpr int kGroups = 6;
    static constexpr int kPhases = 3;
    static constexpr int kRoles = static_cast<int>(SchafkopfRole::kCount);
    static constexpr int kRoutines = static_cast<int>(SchafkopfRoutine::kCount);

    void Reset();
    // Books one computer card; fellBack tells that no routine chose it. Indices out of range
    // book nothing.
    void CountCard(int group, int phase, SchafkopfRole role, SchafkopfRoutine routine,
                   bool fellBack);

    std::uint32_t Fallbacks(int group, int phase, SchafkopfRole role,
                            SchafkopfRoutine routine) const;
    std::uint32_t FallbacksOfGroup(int group) const;
    std::uint32_t FallbacksOfRoutine(SchafkopfRoutine routine) const;
    std::uint32_t CardsOfGroup(int group) const;
    std::uint32_t TotalFallbacks() const;
    std::uint32_t TotalCards() const;

    // The debug report: a line per group (fall-backs of cards), then a line per cell with
    // fall-backs ("group phase role routine count"). Always ends the text within capacity;
    // answers the length the full report needs, without its end byte.
    int WriteReport(char* text, int capacity) const;

    static const char* GroupName(int group);
    static const char* PhaseName(int phase);
    static const char* RoleName(SchafkopfRole role);
    static const char* RoutineName(SchafkopfRoutine routine);

  private:
    static bool IsCell(int group, int phase, SchafkopfRole role);

    std::uint32_t fallbacks[kGroups][kPhases][kRoles][kRoutines] = {};
    std::uint32_t cards[kGroups][kPhases][kRoles] = {};
};

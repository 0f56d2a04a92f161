// The tournament director's five lists as a saved game keeps them: pairings, participants,
// standings, qualified players and kept pairings. Each list is a handle that begins with a
// 16-bit count (the participant list with two). The result of a pairing row (a score list) is
// kept apart from its row, by row: the row's own bytes 21-24 are written 0 and never read, as
// a handle does not fit there on every machine.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ByteOrderCursor.h"
#include "platform/Handles.h"

inline constexpr int kDirectorListCount = 5;
enum DirectorList : int {
    kPairingList,
    kParticipantList,
    kStandingsList,
    kQualifiedList,
    kKeptPairingList,
};
inline constexpr int kPairingRowSize = 25;
inline constexpr int kPairingRowResult = 21; // four bytes, 0
inline constexpr int kParticipantRowSize = 36;
inline constexpr int kStandingsRowSize = 16;

inline bool IsPairingList(int list) {
    return list == kPairingList || list == kKeptPairingList;
}

// Owns its handles; exchanging two sets moves handles only.
class DirectorLists {
  public:
    DirectorLists() = default;
    ~DirectorLists();
    DirectorLists(const DirectorLists&) = delete;
    DirectorLists& operator=(const DirectorLists&) = delete;

    // The list's handle (null: none); the director's own.
    Handle& List(int list) { return lists_[list]; }
    Handle List(int list) const { return lists_[list]; }
    // The results of a pairing list's rows, row by row (null: none yet).
    std::vector<Handle>& Results(int list) { return results_[list == kKeptPairingList]; }
    const std::vector<Handle>& Results(int list) const {
        return results_[list == kKeptPairingList];
    }
    // Disposes every list and result.
    void Clear();
    // Exchanges every handle with other; cannot fail.
    void Exchange(DirectorLists& other) noexcept;

  private:
    Handle lists_[kDirectorListCount] = {};
    std::vector<Handle> results_[2];
};

// The rows a list of the length holds by its count (the participant list: its second count),
// -1 when the length disagrees with the count or the count is negative. bytes is in the
// order big says.
int DirectorListRows(int list, const std::uint8_t* bytes, std::int32_t length, bool big);
// The walk over a list's counts and rows of rows' length (turning or listing its fields).
void TransferDirectorListLayout(int list, int rows, ByteOrderCursor& io);

// The knowledge level's side of the strategy libraries: loading and freeing the two library
// handles, choosing a seat's library, matching its hand against the records' patterns and the
// conditions of the byte code.
#include <cstdint>

#include "engine/EngineServices.h"
#include "engine/StrategyLibraries.h"
#include "engine/TrickGameKnowledge.h"

namespace {

// A damaged library is reported once and then taken as absent until the libraries are freed.
bool gStrategyLibraryRefused = false;
bool gMarriageStrategyLibraryRefused = false;

void LoadLibrary(Handle* library, bool* refused, std::int16_t id) {
    if (*library || *refused)
        return;
    Handle loaded = GetLibraryResource(id);
    if (!IsNoErr(ResError()) || !loaded)
        return;
    if (StrategyRecordCount(loaded) < 0) {
        DebugBox("Damaged strategy library, id", id);
        DisposeHandle(loaded);
        *refused = true;
        return;
    }
    *library = loaded;
}

void FreeLibrary(Handle* library, bool* refused) {
    if (*library)
        DisposeHandle(*library);
    *library = nullptr;
    *refused = false;
}

// The pattern places of one record, read from the library's bytes.
struct PatternPlaces {
    const std::uint8_t* cards;
    const std::uint8_t* groups;
};

} // namespace

TrickGameCore* TrickGameKnowledge::LoadStrategyLibraries() {
    LoadLibrary(&gStrategyLibrary, &gStrategyLibraryRefused, kStrategyLibraryId);
    LoadLibrary(&gMarriageStrategyLibrary, &gMarriageStrategyLibraryRefused,
                kMarriageStrategyLibraryId);
    return this;
}

TrickGameCore* TrickGameKnowledge::FreeStrategyLibraries() {
    FreeLibrary(&gMarriageStrategyLibrary, &gMarriageStrategyLibraryRefused);
    FreeLibrary(&gStrategyLibrary, &gStrategyLibraryRefused);
    return this;
}

Handle TrickGameKnowledge::GetStrategyLibrary(int seat) {
    if (!IsSeat(seat) || seats[seat].profile < 16 || IsSoloGame())
        return nullptr;
    if ((gameType.word & kWordMarriage) != 0 && marriageTrick == 0)
        return gMarriageStrategyLibrary;
    return gStrategyLibrary;
}

bool TrickGameKnowledge::HoldsPatternCard(int seat, const std::uint8_t* cards,
                                          const std::uint8_t* groups, int place) {
    const int card = cards[place];
    // The same card twice in a row must be held twice: the first copy found is skipped.
    int skip = place > 0 && groups[place - 1] == kStrategyMustHold && cards[place - 1] == card;
    const SeatBlock& block = seats[seat];
    for (int p = 0; p < GetCardsPerHand() && p < kHandPlaces; ++p) {
        if (block.hand[p] != card)
            continue;
        if (skip-- == 0)
            return true;
    }
    return false;
}

int TrickGameKnowledge::MatchPatternRun(int seat, const std::uint8_t* cards,
                                        const std::uint8_t* groups, int place) {
    const int code = groups[place];
    int length = 1;
    while (place + length < kStrategyPlaces && groups[place + length] == code)
        ++length;
    const SeatBlock& block = seats[seat];
    int group = -1;
    if (code == kStrategyTrumpRun) {
        group = kTrumpGroup;
    } else {
        for (int suit = 0; suit < 4 && group < 0; ++suit)
            if (block.groupCount[suit] == length)
                group = suit;
        if (group < 0)
            return -1;
    }
    int start = 0;
    for (int g = 0; g < group; ++g)
        start += block.groupCount[g];
    // The run reads the group from its highest card down.
    for (int f = 0; f < length; ++f) {
        const int pattern = cards[place + f];
        if (pattern == kStrategyAnyCard)
            continue;
        const int p = start + length - 1 - f;
        if (p < 0 || p >= kHandPlaces || !IsCardCode(block.hand[p]) ||
            (pattern & 7) != (block.hand[p] & 7))
            return -1;
    }
    return group;
}

bool TrickGameKnowledge::MatchStrategyRecord(int seat, Handle library, std::int16_t* recordIndex,
                                             std::int16_t* groupMap) {
    const int count = StrategyRecordCount(library);
    if (!IsSeat(seat) || count <= 0)
        return false;
    const auto* bytes = static_cast<const std::uint8_t*>(library);
    for (int j = 0; j < count; ++j) {
        const std::uint8_t* record = bytes + j * kStrategyRecordSize;
        const std::uint8_t* cards = record + kStrategyPatternOffset;
        const std::uint8_t* groups = record + kStrategyGroupOffset;
        std::int16_t map[kGroupCount] = {-1, -1, -1, -1, -1};
        int entries = 0;
        bool matched = true;
        for (int place = 0; place < kStrategyPlaces && matched; ++place) {
            if (cards[place] == 0)
                break;
            if (groups[place] == kStrategyMustHold) {
                matched = HoldsPatternCard(seat, cards, groups, place);
                continue;
            }
            const int group = MatchPatternRun(seat, cards, groups, place);
            matched = group >= 0;
            if (matched && entries < kGroupCount)
                map[entries] = static_cast<std::int16_t>(group);
            ++entries;
        }
        if (!matched)
            continue;
        if (recordIndex)
            *recordIndex = static_cast<std::int16_t>(j);
        if (groupMap)
            for (int g = 0; g < kGroupCount; ++g)
                groupMap[g] = map[g];
        return true;
    }
    return false;
}

bool TrickGameKnowledge::TestStrategyCondition(int seat, const std::uint8_t* bytes, int* length,
                                               const std::int16_t* groupMap) {
    // An optional 64 before the letter is skipped and counted in the length.
    const int at = bytes[0] == 64 ? 1 : 0;
    const int letter = bytes[at];
    if (letter == 'A') {
        *length = at + 3;
        const int step = bytes[at + 1];
        const int suit = bytes[at + 2];
        if (suit < 1 || suit > 4) {
            DebugBox(" wrong Farbe bei If :", step);
            return false;
        }
        return IsCardPlayed((suit - 1) * 8 + step, false);
    }
    if (letter == 'B') {
        *length = at + 4;
        const int groupByte = bytes[at + 1];
        const int comparison = bytes[at + 2];
        const int value = bytes[at + 3];
        if (groupByte < 1 || groupByte > 4) {
            DebugBox(" wrong Farbe bei If :", groupByte);
            return false;
        }
        const int group = groupMap ? groupMap[groupByte - 1] : -1;
        const int held =
            IsSeat(seat) && group >= 0 && group < kGroupCount ? seats[seat].groupCount[group] : -1;
        switch (comparison) {
        case 'C':
            return held >= 0 && held == value;
        case 'D':
            return held >= 0 && held != value;
        case 'E':
            return held >= 0 && held > value;
        case 'F':
            return held >= 0 && held < value;
        case 'G':
            return held >= 0 && held <= value;
        case 'H':
            return held >= 0 && held >= value;
        default:
            DebugBox(" wrong vergleich :", value);
            return false;
        }
    }
    *length = at + 1;
    DebugBox(" wrong interpretationsbedingung :", letter);
    return false;
}

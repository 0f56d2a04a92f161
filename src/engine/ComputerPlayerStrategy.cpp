// The strategy-script interpreter: a strong seat whose hand matched a library record at the
// first trick leads by the record's byte code. Byte code, one byte per instruction:
//   0, 100 end without a card; 101 stop, keeping the card chosen so far; 63 go on;
//   60 condition, then 61 (runs the rest when it holds) or 62 (when it fails);
//   1..49 a card, unless the seat played it in an earlier trick (then the next instruction);
//   50 n the seat's lowest card of group n - 1 (1..5), or with n = 6 its trump by value.
// The interpreter reads at most 24 bytes of a record's code; malformed code shows a debugging
// box and ends without a card.
#include <cstdint>

#include "engine/ComputerPlayer.h"
#include "engine/EngineServices.h"
#include "engine/StrategyLibraries.h"

namespace {

constexpr int kEndCode = 0;
constexpr int kConditionCode = 60;
constexpr int kThenMarker = 61;
constexpr int kElseMarker = 62;
constexpr int kContinueCode = 63;
constexpr int kGroupCardCode = 50;
constexpr int kTrumpByValue = 6;
constexpr int kNoCardCode = 100;
constexpr int kStopCode = 101;
constexpr int kConditionBytes = 5; // the optional 64 and the four bytes of a B condition

} // namespace

int ComputerPlayer::RunStrategyScript(int seat) {
    if (!IsSeat(seat) || seats[seat].profile < 16)
        return 0;
    SeatBlock& block = seats[seat];
    Handle library = nullptr;
    if (trickNumber == 1) {
        library = GetStrategyLibrary(seat);
        if (!library ||
            !MatchStrategyRecord(seat, library, &block.strategyIndex, block.strategyGroupMap))
            return 0;
    } else if (block.strategyIndex == -1) {
        return 0;
    }
    if (leader != seat)
        return 0;
    if (!library)
        library = GetStrategyLibrary(seat);
    if (!library)
        return 0;
    // A record index from an older library (a saved game) that this one lacks gives no card.
    std::uint8_t code[kStrategyCodeLength];
    if (!CopyStrategyCode(library, block.strategyIndex, code))
        return 0;
    HLock(library);
    int position = 0;
    int card = 0;
    RunStrategyCode(seat, &position, code, &card);
    HUnlock(library);
    return card;
}

bool ComputerPlayer::RunStrategyCode(int seat, int* position, const std::uint8_t* code, int* card) {
    auto at = [&](int pos) { return pos >= 0 && pos < kStrategyCodeLength ? code[pos] : 0; };
    for (;;) {
        const int pos = *position;
        const int op = at(pos);
        if (op == kEndCode) { // also every position outside the code
            *card = 0;
            return false;
        }
        if (op == kConditionCode)
            return RunStrategyCondition(seat, position, code, card);
        if (op == kContinueCode)
            return true;
        if (op == kNoCardCode) {
            *card = 0;
            return false;
        }
        if (op == kStopCode)
            return false;
        if (op < kGroupCardCode) {
            *card = op;
            if (!HasPlayedInEarlierTrick(seat, op))
                return false;
            *position = pos + 1;
            continue;
        }
        if (op == kGroupCardCode) {
            *card = StrategyGroupChoice(seat, at(pos + 1));
            return false;
        }
        DebugBox(" wrong interpretationscode :", op);
        *card = 0;
        return false;
    }
}

bool ComputerPlayer::RunStrategyCondition(int seat, int* position, const std::uint8_t* code,
                                          int* card) {
    auto at = [&](int pos) { return pos >= 0 && pos < kStrategyCodeLength ? code[pos] : 0; };
    std::uint8_t condition[kConditionBytes];
    for (int i = 0; i < kConditionBytes; ++i)
        condition[i] = static_cast<std::uint8_t>(at(*position + 1 + i));
    int length = 0;
    const bool holds =
        TestStrategyCondition(seat, condition, &length, seats[seat].strategyGroupMap);
    *position += 1 + length;
    const int marker = at(*position);
    if (holds && marker != kThenMarker) {
        DebugBox(" wrong then code fehlt :", marker);
        *card = 0;
        return false;
    }
    if (!holds && marker != kElseMarker) {
        DebugBox(" wrong else code fehlt :", marker);
        *card = 0;
        return false;
    }
    do
        ++*position;
    while (RunStrategyCode(seat, position, code, card));
    return false;
}

bool ComputerPlayer::HasPlayedInEarlierTrick(int seat, int card) {
    for (int t = 0; t < trickNumber - 1 && t < kTrickCount; ++t)
        if (tricks[t].cards[seat] == card)
            return true;
    return false;
}

int ComputerPlayer::StrategyGroupChoice(int seat, int groupByte) {
    if (groupByte >= 1 && groupByte <= kGroupCount)
        return StrategyGroupCard(seat, groupByte - 1);
    if (groupByte != kTrumpByValue) {
        DebugBox(" code fehlt :", kGroupCardCode);
        return 0;
    }
    // The trump rule only names its card: its dry run leaves the game as it was.
    const std::int16_t trickCard = trickCards[seat];
    const std::int16_t index = dryRunIndex;
    const std::int16_t reason = dryRunReason;
    const std::int16_t mode = BeginDryRun();
    const bool chosen = PlayTrumpSuitByValue(seat, true);
    const int card = chosen ? trickCards[seat] : StrategyGroupCard(seat, kTrumpGroup);
    EndDryRun(seat, mode);
    trickCards[seat] = trickCard;
    dryRunIndex = index;
    dryRunReason = reason;
    return card;
}

int ComputerPlayer::StrategyGroupCard(int seat, int group) {
    // The first place of a group in the sorted hand holds its lowest card.
    if (seats[seat].groupCount[group] <= 0)
        return 0;
    const int place = GetGroupStart(seat, group);
    return place >= 0 && place < kHandPlaces ? seats[seat].hand[place] : 0;
}

bool ComputerPlayer::PlayStrategyCard(int seat) {
    if (!IsSeat(seat) || seat != seatToMove)
        return false;
    const int card = RunStrategyScript(seat);
    if (card == 0 || IsLegalCard(seat, card) == 0)
        return false;
    return PlayCardIfHeld(seat, card, kReasonStrategy);
}

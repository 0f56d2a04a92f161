// Announcement decisions of the computer seats: whether to announce, which kind and when. A
// decider proposes a kind from the hand's strength, the points taken and what has been
// announced; the gate then announces it now, turns it into a lower level that is due now, or
// holds it for its last moment (marking the intention in announceDeferred).
#include <cmath>

#include "engine/ComputerPlayer.h"
#include "engine/EngineServices.h"
#include "records/OptionRecordLayouts.h"

namespace {

// What the deciders read of a seat: the trump estimate and the summed group evaluation.
struct HandFigures {
    int sure = 0, probable = 0, held = 0, rounds = 0;
    int tricks = 0, pointTricks = 0, leadTricks = 0;
};

bool IsPartyCallKind(int kind) {
    return kind == 0 || kind == 1;
}

} // namespace

int ComputerPlayer::CountHeartTensHeld(int seat) {
    return IsSeat(seat) ? CopiesInRankMask(seats[seat].tenMask, kSuitHerz) : 0;
}

int ComputerPlayer::TrumpsHeldAndPlayed(int seat) {
    return IsSeat(seat) ? seats[seat].groupCount[kTrumpGroup] + playedCounts[seat][kTrumpGroup] : 0;
}

bool ComputerPlayer::IsLastMoment(int seat, int kind) {
    std::uint8_t last = 0;
    return MayAnnounce(seat, kind, &last) && last != 0;
}

void ComputerPlayer::ClampAnnouncement(std::int16_t* kind, int next, int target) {
    *kind = static_cast<std::int16_t>(target < next ? -1 : target);
}

bool ComputerPlayer::DecideAnnouncement(int seat, std::uint8_t* wait) {
    std::uint8_t dummy = 0;
    std::uint8_t& waitOut = wait ? *wait : dummy;
    waitOut = 0;
    if (!IsSeat(seat))
        return false;
    const GameTypeWord w = GameBits(gameType.word);
    announceDeferred[seat] = -1;
    if (!rules || rules->announcementsOn == 0)
        return false;
    if (w == kWordMarriage && partyLists[1] == -1)
        return false;
    // The level planning may make its level itself at its last moment: the decision then
    // answers that an announcement was made, whatever the decider answered.
    const int countBefore = ClampedAnnouncementCount();
    auto made = [&](bool decided, int kind) {
        if (ClampedAnnouncementCount() != countBefore)
            return true;
        return decided && MakeAnnouncement(seat, kind);
    };
    std::int16_t kind = -1;
    bool decided = false;
    if (w >= 2 && w <= 0x1000) {
        decided = seat == partyLists[0] ? DecideSoloistAnnouncement(seat, &kind)
                                        : DecideSoloDefenceAnnouncement(seat, &kind);
        return made(decided, kind);
    }
    const bool conventions = UsesConventions(seat);
    const bool first = seats[seat].inDeclarerParty != 0;
    const bool toMoveEmpty = IsSeat(seatToMove) && trickCards[seatToMove] == 0;
    if (!conventions) {
        decided = first ? DecideReAnnouncement(seat, &kind) : DecideContraAnnouncement(seat, &kind);
        return made(decided, kind);
    }
    std::uint8_t style = 0;
    std::uint8_t mode = 0;
    if (first) {
        decided = DecideReWithConventions(seat, &kind, &style, &mode);
        if (decided) {
            if (kind == 1) {
                reStyle = style;
                if (style == 8 &&
                    ((toMoveEmpty && seatToMove == seat) || (!toMoveEmpty && seatToMove == leader)))
                    waitOut = 1;
                if (style == 9 && seatToMove == seat)
                    waitOut = 1;
            } else if (kind == 2) {
                reNo90Style = mode;
            }
        } else if (reStyle == 8 && seatToMove == seat && toMoveEmpty &&
                   GetAnnouncementThisTrick(1) == 1) {
            waitOut = 1;
        }
        return made(decided, kind);
    }
    decided = DecideContraWithConventions(seat, &kind, &style, &mode);
    if (!decided)
        return made(false, kind);
    if (kind == 0 && mode == 4) {
        contraNo90Style = 4;
        return MakeAnnouncement(seat, kind);
    }
    if (kind == 0) {
        contraStyle = style;
        if (style == 12 || style == 3) {
            // The silent signal: the seat waits before its card and says nothing yet.
            const bool starts = style == 12 ? toMoveEmpty && seat == leader && seat == seatToMove
                                            : seat == seatToMove;
            if (starts) {
                waitOut = 1;
                announceClock = static_cast<std::int32_t>(TickCount());
                announceClockSeat = static_cast<std::int16_t>(seat);
                contraStyleSeat = static_cast<std::int16_t>(seat);
            }
            return false;
        }
    } else if (kind == 2) {
        contraNo90Style = mode;
    }
    return MakeAnnouncement(seat, kind);
}

bool ComputerPlayer::GateAnnouncement(int seat, std::int16_t* kind, bool allowNow) {
    std::uint8_t last = 0;
    if (!MayAnnounce(seat, *kind, &last)) {
        *kind = -1;
        return false;
    }
    if (last)
        return true;
    announceDeferred[seat] = *kind;
    const bool first = seats[seat].inDeclarerParty != 0;
    const int ownCall = first ? 1 : 0;
    if (seat != declarer) {
        std::int16_t others[2];
        GetPartyOf(others, seat);
        int partnerKind = -1;
        if (IsSeat(others[0])) {
            int level = -1;
            int k = -1;
            FindAnnouncement(others[0], &k, &level);
            partnerKind = k;
        }
        int own = -1;
        int ownLevel = -1;
        FindAnnouncement(seat, &own, &ownLevel);
        if (own == -1) {
            if (*kind != -1 && partnerKind == -1) {
                if (!allowNow) {
                    *kind = -1;
                    return false;
                }
                *kind = static_cast<std::int16_t>(ownCall);
                return true;
            }
        } else if (IsPartyCallKind(own) && ownLevel == 2) {
            *kind = -1;
            return false;
        }
    }
    const bool partyAnnounced = GetHighestAnnouncement(first) != -1;
    // A level below the wish that is due now is made; otherwise the party call when it is
    // due and the party has said nothing yet.
    auto lowerOrCall = [&](int lower) {
        if (lower >= 2 && IsLastMoment(seat, lower)) {
            *kind = static_cast<std::int16_t>(lower);
            return true;
        }
        if (!partyAnnounced && IsLastMoment(seat, ownCall)) {
            *kind = static_cast<std::int16_t>(ownCall);
            return true;
        }
        *kind = -1;
        return false;
    };
    switch (*kind) {
    case 0:
    case 1:
        return allowNow;
    case 2:
        if (!partyAnnounced && IsLastMoment(seat, ownCall)) {
            *kind = static_cast<std::int16_t>(ownCall);
            return true;
        }
        return allowNow;
    case 3:
        return lowerOrCall(2);
    case 4:
        if (IsLastMoment(seat, 3)) {
            *kind = 3;
            return true;
        }
        return lowerOrCall(-1);
    case 5:
        if (IsLastMoment(seat, 4)) {
            *kind = 4;
            return true;
        }
        return lowerOrCall(-1);
    default:
        *kind = -1;
        return false;
    }
}

bool ComputerPlayer::OtherPartyRaised(int seat) {
    return IsSeat(seat) && seats[seat].profile > 5 && ArePartiesKnown() &&
           GetHighestAnnouncement(seats[seat].inDeclarerParty == 0) > 1;
}

bool ComputerPlayer::PartnerCallsForLevel(int seat, int extra, int held, bool* now) {
    *now = false;
    std::int16_t others[2];
    GetPartyOf(others, seat);
    const int partner = others[0];
    if (!IsSeat(partner) || IsPartyKnown(seat))
        return false;
    int kind = -1;
    int level = -1;
    FindAnnouncement(partner, &kind, &level);
    if (kind >= 2)
        return false;
    const int pts = GetPartyPoints(seat) + extra;
    const bool first = seats[seat].inDeclarerParty != 0;
    if (level != 2)
        return first ? pts >= 80 && held >= 6 : pts >= 70 && held >= 6;
    if (seats[partner].usesProfileStyle == 0)
        return false;
    if (!UsesConventions(partner) || kind != 1) {
        if (pts > 44 || held > 4) {
            *now = true;
            return true;
        }
        return false;
    }
    if (pts > 69 || held > 6) {
        *now = true;
        return true;
    }
    return false;
}

namespace {

HandFigures ReadFigures(ComputerPlayer& game, int seat) {
    HandFigures f;
    game.EstimateSureTrumpTricks(seat, &f.sure, &f.probable, &f.held, &f.rounds);
    game.BuildGroupEvaluation(game.seats[seat], game.gameType.trumpSuit, game.gameType.word, seat,
                              true);
    std::int16_t sum[4] = {};
    TrickGameCore::SumGroupEvaluation(sum, game.seats[seat].groupEval);
    f.tricks = sum[0];
    f.pointTricks = sum[1];
    f.leadTricks = sum[2];
    return f;
}

// The level a party aims at when it lacks at most four tricks of the whole deal: the fewer it
// lacks, the higher, one level less while its points are short. With every trick still to
// come the top level needs `allTricksPoints`; two to four tricks short it aims at `lowLevel`.
int TargetForMissingTricks(int missing, int points, int allTricksPoints, int lowLevel) {
    if (missing == 0)
        return points < allTricksPoints ? 3 : 4;
    if (missing == 1)
        return points < 68 ? 2 : 3;
    if (missing <= 3)
        return points < 46 ? lowLevel : 2;
    return lowLevel;
}

} // namespace

bool ComputerPlayer::DecideReAnnouncement(int seat, std::int16_t* kind) {
    *kind = -1;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next)) {
        *kind = -1;
        return false;
    }
    *kind = -1;
    const HandFigures f = ReadFigures(*this, seat);
    const SeatBlock& block = seats[seat];
    const int x = f.pointTricks * 10;
    // A deal that goes on after a card exchange asks more of the hand.
    bool now = true;
    int bonus = OtherPartyRaised(seat) ? 20 : 0;
    int extra = bonus != 0 ? 2 : 0;
    if (cardExchanged != 0) {
        now = false;
        bonus = 25;
        extra = 3;
    }
    const int missing = GetCardsPerHand() + 1 - trickNumber - f.tricks;
    const int deck4 = CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word) / 4;
    const int pts = GetPartyPoints(seat);
    const int ht = CountHeartTensHeld(seat);
    int target = -1;
    if (missing >= 0 && missing <= 4) {
        if (f.held >= deck4)
            target = TargetForMissingTricks(missing, pts, 86, 1);
    } else {
        bool partnerNow = false;
        if (PartnerCallsForLevel(seat, x, f.held, &partnerNow)) {
            now = partnerNow;
            target = 2;
        } else {
            const int s = pts + x;
            if (s < bonus + 70 && f.held < extra + 8) {
                target = -1;
            } else if (s >= bonus + 100 || (f.held > 9 && f.probable >= extra + 4)) {
                target = 1;
                now = true;
            } else {
                now = false;
                const int q = CountBits(block.oberMask, 0x1ff);
                if (f.held == 9) {
                    if (q > 5 && s > 69) {
                        target = 1;
                        now = true;
                    } else if (ht + q < 3 && seat != leader && s <= 21) {
                        target = -1;
                    } else {
                        target = 1;
                    }
                } else if (f.held != 8 || s > bonus + 50) {
                    target = 1;
                } else if (IsHeartTenTop(&gameType) && ht > 0) {
                    target = 1;
                } else if (block.oberCount > 3) {
                    target = 1;
                    if (IsSeatToMoveAbove15() && block.oberCount == 4 &&
                        CountFreshVoidSuits(block.groupCount, kTrumpGroup, 0, seat) == 0) {
                        const int schellenObers = CopiesInRankMask(block.oberMask, kSuitSchellen);
                        const int unters = CopiesInRankMask(block.unterMask, kSuitGras) +
                                           CopiesInRankMask(block.unterMask, kSuitEichel);
                        target = schellenObers < 2 && unters > 2 ? 1 : -1;
                    }
                }
            }
        }
    }
    if (target != -1) {
        ClampAnnouncement(kind, next, target);
        bool passes = false;
        if (*kind == 0 || *kind == 1)
            passes = now || f.probable >= f.rounds / 2 || f.held >= f.rounds - 2;
        else if (*kind == 2)
            passes = now || (f.probable >= f.rounds / 2 && f.held >= f.rounds - 1);
        else if (*kind == 3)
            passes = f.probable >= f.rounds;
        else if (*kind == 4)
            passes = f.probable > f.rounds;
        if (passes)
            return GateAnnouncement(seat, kind, now);
    }
    // A hand with the top trumps says Re at its last moment even without a target.
    const int trumps = block.groupCount[kTrumpGroup];
    if (block.profile > 5 && (trumps > 7 || block.aceCount + trumps > 8) && IsLastMoment(seat, 1) &&
        IsHeartTenTop(&gameType) && CopiesInRankMask(block.oberMask, kSuitEichel) > 0 && ht == 2) {
        ClampAnnouncement(kind, next, 1);
        return GateAnnouncement(seat, kind, false);
    }
    *kind = -1;
    return false;
}

bool ComputerPlayer::DecideContraAnnouncement(int seat, std::int16_t* kind) {
    *kind = -1;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next)) {
        *kind = -1;
        return false;
    }
    *kind = -1;
    const HandFigures f = ReadFigures(*this, seat);
    const SeatBlock& block = seats[seat];
    const int x = f.pointTricks * 10;
    bool now = true;
    const int missing = GetCardsPerHand() + 1 - trickNumber - f.tricks;
    const int deck4 = CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word) / 4;
    const int pts = GetPartyPoints(seat);
    int target = -1;
    if (missing >= 0 && missing <= 4) {
        if (f.held >= deck4)
            target = TargetForMissingTricks(missing, pts, 91, 0);
    } else {
        bool partnerNow = false;
        if (PartnerCallsForLevel(seat, x, f.held, &partnerNow)) {
            now = partnerNow;
            target = 2;
        } else {
            const int s = pts + x;
            const int hh = IsHeartTenTop(&gameType) ? CountHeartTensHeld(seat) : 0;
            const int q = CountBits(block.oberMask, 0x1ff);
            if (!(s < 80 && (f.held < 9 || hh + q < 4))) {
                now = s > 109 || (f.held > 9 && f.probable > 3) ||
                      (f.held == 9 && hh + q > 5 && s > 79);
                target = 0;
            }
        }
    }
    if (target == -1)
        return false;
    ClampAnnouncement(kind, next, target);
    bool passes = false;
    if (*kind == 0 || *kind == 1)
        passes = now || f.probable >= f.rounds / 2 || f.held >= f.rounds - 2;
    else if (*kind == 2)
        passes = now || (f.probable >= f.rounds / 2 && f.held >= f.rounds - 1);
    else if (*kind == 3 || *kind == 4)
        passes = f.probable > f.rounds;
    if (!passes) {
        *kind = -1;
        return false;
    }
    return GateAnnouncement(seat, kind, now);
}

bool ComputerPlayer::DecideSoloistAnnouncement(int seat, std::int16_t* kind) {
    *kind = -1;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next)) {
        *kind = -1;
        return false;
    }
    *kind = -1;
    const HandFigures f = ReadFigures(*this, seat);
    const SeatBlock& block = seats[seat];
    const int t = seat == leader ? f.leadTricks : f.tricks;
    const GameTypeWord w = GameBits(gameType.word);
    bool guard = false;
    if (w != kWordNoTrumps && f.sure == 0)
        guard = block.groupCount[kTrumpGroup] - (seat != leader ? 1 : 0) <= f.rounds;
    const int missing = GetCardsPerHand() + 1 - trickNumber - t;
    int pend = 0;
    int opp = 0;
    if (missing < 4) {
        if (seatToMove != leader) {
            pend = CountTrickPoints(false);
            const int led = IsSeat(leader) ? trickCards[leader] : 0;
            if (IsCardCode(led) && CanBeatWithGroup(led))
                pend = 0;
            else
                pend += (5 - GetTrickPosition(seatToMove)) * 10;
        }
        opp = GetPartyPoints(NextSeat(seat));
    }
    const bool bothEichelObers = block.typeEval[25] == 32;
    int target = -1;
    switch (missing) {
    case 0:
        target = pend + opp < 30 ? 4 : (pend + opp < 60 ? 3 : 2);
        break;
    case 1:
        if ((bothEichelObers && trickNumber < 4) || opp > 14 || f.sure > 0)
            target = pend + opp > 40 ? -1 : 2;
        else if (guard)
            return false;
        else
            target = pend + opp > 29 ? 2 : 3;
        break;
    case 2:
        if (bothEichelObers && trickNumber < 3)
            target = 1;
        else if (guard)
            return false;
        else
            target = pend + opp > 29 ? -1 : 2;
        break;
    case 3:
        if (bothEichelObers && trickNumber < 2)
            return false;
        target = pend + opp < 30 ? 1 : -1;
        break;
    case 4:
        if (f.held - f.probable < 2 || (bothEichelObers && trickNumber < 2))
            return false;
        target = 1;
        break;
    default:
        return false;
    }
    if (target == -1)
        return false;
    ClampAnnouncement(kind, next, target);
    return GateAnnouncement(seat, kind, false);
}

bool ComputerPlayer::DecideSoloDefenceAnnouncement(int seat, std::int16_t* kind) {
    *kind = -1;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next)) {
        *kind = -1;
        return false;
    }
    *kind = -1;
    const HandFigures f = ReadFigures(*this, seat);
    const int S = f.sure;
    const int P = f.probable;
    const int H = f.held;
    const int R = f.rounds;
    (void)S;
    if ((H == R && P < R - 1) || (H == R - 1 && P != H) || H < R)
        return false;
    if (IsSeatToMoveAbove15() && IsSeat(declarer) && leader == declarer && P == 0 && H == 1) {
        const int card = trickCards[declarer];
        if (card == 0 || IsTrump(card))
            return false;
    }
    const int missing = GetCardsPerHand() + 1 - trickNumber - f.tricks;
    const int pts = GetPartyPoints(seat);
    int target = -1;
    switch (missing) {
    case 0:
        target = pts < 86 ? 3 : 4;
        break;
    case 1:
        // With 68 points or more and too few probable trump tricks nothing is proposed.
        target = pts < 68 ? 2 : (P >= R ? 3 : -1);
        break;
    case 2:
    case 3:
        target = pts < 46 ? 0 : 2;
        break;
    case 4:
    case 5:
        if ((gameType.word & kWordNoTrumps) == 0)
            target = 0;
        else
            target = pts + f.pointTricks * 10 > 70 ? 0 : -1;
        break;
    default:
        break;
    }
    if (target == -1)
        return false;
    ClampAnnouncement(kind, next, target);
    bool passes = false;
    if (*kind == 0 || *kind == 1)
        passes = P >= R / 2 || H >= R - 3;
    else if (*kind == 2)
        passes = P >= R / 2 && H >= R - 2;
    else if (*kind == 3)
        passes = P >= R;
    else if (*kind == 4)
        passes = P > R;
    if (!passes) {
        *kind = -1;
        return false;
    }
    return GateAnnouncement(seat, kind, false);
}

double ComputerPlayer::RateAnnounceStrength(int seat, bool flag) {
    if (!IsSeat(seat))
        return 1000.0;
    const SeatBlock& block = seats[seat];
    if (TrumpsHeldAndPlayed(seat) < 8)
        return 1000.0;
    const int h = CountHeartTensHeld(seat);
    if (trickNumber <= 1 && !flag) {
        // Mask values are compared as numbers: a higher mask holds the higher Obers.
        const int q = block.oberCount;
        const bool enough = h == 0 ? (q > 4 || (q == 4 && block.oberMask >= 71))
                                   : (q > 3 || (q == 3 && block.oberMask >= 28));
        if (!enough)
            return 1000.0;
    }
    double v = 2 - h - CopiesInRankMask(playedMasks[kRankTen], kSuitHerz);
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || suit == kSuitHerz)
            continue;
        if (block.groupCount[suit] > 0 && CopiesInRankMask(block.aceMask, suit) == 0)
            v += flag && CountPlayedInSuit(suit) >= 2 ? 0.5 : 1.0;
    }
    v += (2.0 - CopiesInRankMask(block.oberMask, kSuitEichel) -
          PlayedBySeatCount(seat, kEichelOber)) *
         0.5;
    if (block.inDeclarerParty == 0)
        v += (2.0 - CopiesInRankMask(block.oberMask, kSuitGras) -
              PlayedBySeatCount(seat, kGrasOber)) *
             0.5;
    else if (CopiesInRankMask(block.oberMask, kSuitGras) == 0)
        v += 0.5;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit)
            continue;
        if (suit == kSuitHerz) {
            if (block.groupCount[suit] > 0 && CopiesInRankMask(block.aceMask, suit) == 0)
                v += 0.5;
        } else if (block.groupCount[suit] == 2 && CopiesInRankMask(block.aceMask, suit) < 2) {
            v += flag && CountPlayedInSuit(suit) >= 2 ? 1.0 : 0.5;
        }
    }
    if (IsSeat(leader) && leader != seat) {
        const int led = trickCards[leader];
        if (IsCardCode(led) && RankCodeOf(led) == kRankAce &&
            block.groupCount[GetSuitGroup(led)] > 0)
            v += 0.5;
    }
    return v;
}

int ComputerPlayer::PlayedBySeatCount(int seat, int card) {
    int count = 0;
    for (int t = 0; t < kTrickCount; ++t)
        count += tricks[t].cards[seat] == card ? 1 : 0;
    return count;
}

int ComputerPlayer::RateReStyle(int seat, double v, bool flag) {
    const SeatBlock& block = seats[seat];
    const int trumps = block.groupCount[kTrumpGroup];
    const bool trickEmpty = !IsSeat(leader) || trickCards[leader] == 0;
    if (trickEmpty && trumps > 7) {
        const int ht = CountHeartTensHeld(seat);
        if (ht == 2)
            return 10;
        if (seat == leader && ht == 1 && CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) == 0)
            return 11;
    }
    if (v > 3.5)
        return 0;
    const int style = ProfileStyle(block.profile) - 1; // 0 light .. 4 none
    const double d = style == 0 || style == 1 ? -0.1 : (style == 2 || style == 3 ? 0.1 : 0.0);
    if (v + d > 3.5)
        return 1;
    if (v + d > 3.0)
        return 2;
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (seat == seatToMove && seat != leader && IsCardCode(led) && (v - d <= 2.5 || trumps >= 10)) {
        if (v - d > 2.5)
            v -= 1.0;
        const int g = GetSuitGroup(led);
        if (block.groupCount[g] > 0) {
            if (v + d > 2.5)
                return 2;
            return g == kTrumpGroup ? 8 : 9;
        }
        const int q = block.oberCount;
        const bool strong =
            CountHeartTensHeld(seat) == 0
                ? (q > 4 || (q == 4 && block.oberMask > 112))
                : (q > 3 || (q == 3 && block.oberMask >= 77 && block.unterMask > 48));
        if (GameBits(gameType.word) != kWordMarriage)
            return 9;
        return !strong && v - d > 3.0 ? 2 : 8;
    }
    if (v - d > 3.0)
        return 2;
    if (!trickEmpty) {
        const int g = IsCardCode(led) ? GetSuitGroup(led) : kTrumpGroup;
        return block.groupCount[g] == 0 || flag ? 8 : 2;
    }
    return block.usesProfileStyle == 0 || seat == leader ? 8 : 0;
}

int ComputerPlayer::ChooseReStyle(int seat, double v, bool flag) {
    if (!IsSeat(seat))
        return 0;
    const int style = RateReStyle(seat, v, flag);
    if (cardExchanged != 0 && style >= 8 && style <= 11)
        return 2;
    return style;
}

int ComputerPlayer::ChooseContraStyle(int seat, int style) {
    if (!IsSeat(seat) || trickCards[seat] != 0)
        return style;
    if (HasAnnounceOnLeadStyle(seat) && seat == leader)
        return 12;
    if (HasAnnounceOffLeadStyle(seat) && seat == seatToMove)
        return 3;
    return style;
}

bool ComputerPlayer::IsStyleMoment(int seat, int style) {
    const bool noCard = IsSeat(seat) && trickCards[seat] == 0;
    switch (style) {
    case 1:
        return IsLastMoment(seat, seats[seat].inDeclarerParty != 0 ? 1 : 0);
    case 2:
    case 3:
    case 9:
        return seat == seatToMove && noCard;
    case 8:
        if (seat == leader)
            return noCard;
        return IsSeat(leader) && trickCards[leader] != 0;
    case 10:
        return seat == leader && noCard;
    case 11:
    case 12:
        return noCard;
    default:
        return false;
    }
}

bool ComputerPlayer::TestAnnounceMode(int seat, int kind, int mode) {
    auto lastOrDefer = [&]() {
        std::uint8_t last = 0;
        if (!MayAnnounce(seat, kind, &last))
            return false;
        if (last)
            return true;
        announceDeferred[seat] = 1;
        return false;
    };
    switch (mode) {
    case 1:
        return true;
    case 3:
        return lastOrDefer();
    case 2: {
        if (!MayAnnounce(seat, kind, nullptr))
            return false;
        const bool first = seats[seat].inDeclarerParty != 0;
        if (!first) {
            const int partner = partyLists[2];
            if (IsSeat(partner) && partner != seat && partner == seatToMove &&
                trickCards[partner] == 0)
                return true;
        } else if (IsSeat(partyLists[0]) && partyLists[0] != seat) {
            const int partner = partyLists[0];
            if ((partner == seatToMove && trickCards[partner] == 0) ||
                (seat == seatToMove && GetTrickPosition(seat) == 4))
                return true;
        }
        return lastOrDefer();
    }
    default:
        return false;
    }
}

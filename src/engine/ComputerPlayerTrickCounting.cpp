// Counting tricks and weighing trumps before a card is chosen: losers and free tricks, the sure
// tricks of a group, the class of a trump, whether the party holds the trumps and whether a
// group is in danger from the seats still to play. Nothing here changes the game object, except
// that the null-game check rebuilds the declarer's group evaluation and partner lists.
#include "engine/ComputerPlayer.h"

#include <cstdlib>

#include "engine/EngineServices.h"

namespace {

// The null game's rank order: 7, 8, 9, Ten, Jack, Queen, King, Ace as rank steps.
constexpr int kNullRankOrder[8] = {1, 2, 3, 7, 4, 5, 6, 8};
constexpr float kTrumpMaximumFactor = 1.2f;

bool IsNormalGameBits(GameTypeWord bits) {
    return bits == 0 || bits == kWordNormal || bits == kWordSuitSolo || bits == kWordMarriage ||
           bits == kWordYou;
}

} // namespace

float ComputerPlayer::SureTricksChance(int group) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || group < 0 || group >= kGroupCount)
        return 0.0f;
    const int column = (gameType.word & kModSoloChoice) != 0 ? 2 : 0;
    const int sure = seats[mover].groupEval[group][column];
    if (sure < 1)
        return 0.0f;
    const int out = CountGroupOut(group);
    const int open = CountOpenSeats(group);
    if (sure >= out)
        return 100.0f;
    switch (open) {
    case 1:
        return sure == seats[mover].groupCount[group] ? 100.0f : 0.0f;
    case 2:
        return GetTwoHandSplit(out, sure);
    case 3:
        return GetThreeHandSplit(out, sure);
    default:
        return 100.0f;
    }
}

int ComputerPlayer::CountPlainLosers(int seat) {
    if (!IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    int losers = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || block.groupCount[suit] == 0)
            continue;
        const int out = CountGroupOut(suit);
        if (out <= 0)
            continue;
        const int start = GetGroupStart(seat, suit);
        int place = GetGroupEnd(seat, suit);
        int taken = 0;
        // From the Ace down: rank steps 8 (Ace), 7 (Ten), 6 (King) ... 1 (7).
        for (int step = 8; step >= 1 && place >= start && taken < out; --step) {
            const int card = suit * 8 + step;
            if (IsTrump(card))
                continue; // a trump rank is no card of the suit
            int playedLeft = CopiesInRankMask(playedMasks[RankCodeOf(card)], suit);
            for (int copy = 0; copy < copies && place >= start && taken < out; ++copy) {
                if (block.hand[place] == card) {
                    ++taken;
                    --place;
                } else if (playedLeft > 0) {
                    --playedLeft;
                } else {
                    ++losers;
                }
            }
        }
    }
    return losers;
}

int ComputerPlayer::CountFreeTricks(int seat) {
    if (!IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    const int column = seat == leader ? 2 : 0;
    int free = CountTricksLeft() - block.groupCount[kTrumpGroup];
    for (int suit = 0; suit < 4; ++suit)
        free -= block.groupEval[suit][column];
    return free;
}

int ComputerPlayer::FindChangedSuit(int seat) {
    if (!IsSeat(seat))
        return -1;
    for (int suit = 0; suit < 4; ++suit)
        if (seats[seat].groupEval[suit][0] != seats[seat].groupCount[suit])
            return suit;
    return -1;
}

bool ComputerPlayer::CanTakeRestWithTrumps(int seat) {
    if (!IsSeat(seat) || seat != leader || CountTricksLeft() <= 1)
        return false;
    const int out = CountGroupOut(kTrumpGroup);
    const int ownCard = trickCards[seat];
    if (out != 0) {
        if (GetLineGameKind() == 0 && (gameType.word & kSkatGameMask) == 0x400)
            return false;
        const int sure = CountSureTricksInGroup(seat, kTrumpGroup) +
                         (IsCardCode(ownCard) && IsTrump(ownCard) ? 1 : 0);
        if (sure < out)
            return false;
    }
    const int free = CountFreeTricks(seat) - (IsCardCode(ownCard) ? 1 : 0);
    if (free != 0)
        return false;
    return CountPlainLosers(seat) == 0;
}

bool ComputerPlayer::CheckNullGameSuits() {
    const int mover = seatToMove;
    if (!IsSeat(mover) || mover != leader || mover == declarer || !IsSeat(declarer))
        return false;
    const int seat = declarer;
    BuildGroupEvaluation(seats[seat], gameType.trumpSuit, gameType.word, seat, true);
    AnalysePartners(seat);
    const SeatBlock& block = seats[seat];
    for (int suit = 0; suit < 4; ++suit) {
        if (block.groupCount[suit] == 0)
            continue;
        const int out = CountGroupOut(suit);
        int place = GetGroupStart(seat, suit);
        const int end = GetGroupEnd(seat, suit);
        int taken = 0;
        for (int i = 0; i < 8 && place <= end && taken < out; ++i) {
            const int card = suit * 8 + kNullRankOrder[i];
            if (block.hand[place] == card) {
                ++taken;
                ++place;
            } else if (CopiesInRankMask(playedMasks[RankCodeOf(card)], suit) == 0) {
                if (taken <= 0)
                    return false;
                --taken;
            }
        }
    }
    return true;
}

int ComputerPlayer::RateCardRole(int card) {
    if (!IsCardCode(card))
        return 0;
    const int suit = SuitOf(card);
    const int rank = RankCodeOf(card);
    const int step = RankStepOf(card);
    const bool highRank = rank == kRankTen || rank == kRankAce;
    const GameTypeWord bits = GameBits(gameType.word);
    if (IsNormalGameBits(bits)) {
        if (rank == kRankOber || (card == kHeartTen && IsHeartTenTop(&gameType)))
            return 3;
        if (diamondAcesSeat != -1 &&
            (card == kSchellenAce || (specialPairSeat != -1 && card == GetSpecialTopCard())))
            return 3;
        return rank == kRankUnter ? 2 : 1;
    }
    switch (bits) {
    case kWordPureSuitSolo:
        if (step == 1 || step == 2 || step == 7 || step == 8)
            return 3;
        return step == 5 || step == 6 ? 2 : 1;
    case kWordUnterSolo:
    case kWordOberSolo:
    case kWordKingSolo:
        if (suit == kSuitEichel)
            return 3;
        if (suit == kSuitHerz || suit == kSuitGras)
            return 2;
        if (suit == kSuitSchellen)
            return 1;
        SysBeep(1);
        return 0;
    case kWordSuitUnter:
    case kWordSuitOber: {
        const int top = bits == kWordSuitUnter ? kRankUnter : kRankOber;
        if (rank == top)
            return suit == kSuitSchellen ? 2 : 3;
        return highRank ? 2 : 1;
    }
    case kWordUnterKing:
    case kWordUnterOber:
    case kWordOberUnter: {
        const int top = bits == kWordOberUnter ? kRankOber : kRankUnter;
        if (rank == top)
            return suit == kSuitSchellen ? 2 : 3;
        return suit == kSuitEichel ? 2 : 1;
    }
    case kWordOberUnterKing:
        if (rank == kRankOber)
            return 3;
        if (rank == kRankUnter)
            return 2;
        if (rank == kRankKing)
            return 1;
        SysBeep(1);
        return 0;
    default:
        return 0;
    }
}

int ComputerPlayer::RateCardRoleFine(int card) {
    if (!IsNormalGameBits(GameBits(gameType.word)))
        return RateCardRole(card);
    if (card == kHeartTen && IsHeartTenTop(&gameType))
        return 3;
    if (diamondAcesSeat != -1 &&
        (card == kSchellenAce || (specialPairSeat != -1 && card == GetSpecialTopCard())))
        return 3;
    if (card == 13 || card == 21 || card == kEichelOber)
        return 3;
    if (card == 5 || card == 20 || card == kEichelUnter)
        return 2;
    return 1;
}

int ComputerPlayer::CountFreeTrumps() {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return 0;
    const SeatBlock& block = seats[mover];
    int free = block.groupCount[kTrumpGroup];
    if (IsSoloGame())
        return free;
    const int trumpSuit = gameType.trumpSuit;
    if (DiamondAceCaughtScores() && trumpSuit >= 0 && trumpSuit < 4)
        free -= CopiesInRankMask(block.aceMask, trumpSuit);
    if (ClubUnterCaughtScores())
        free -= CopiesInRankMask(block.unterMask, kSuitEichel);
    return free;
}

int ComputerPlayer::CountHigherInHand(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card) || !IsTrump(card))
        return -1;
    const int start = GetGroupStart(seat, kTrumpGroup);
    const int end = GetGroupEnd(seat, kTrumpGroup);
    for (int place = start; place <= end; ++place)
        if (!IsCardHigher(card, seats[seat].hand[place]))
            return end - place + 1;
    return 0;
}

bool ComputerPlayer::HasMoreHighTrumps(int seat) {
    if (!IsSeat(seat) || seats[seat].profile < 6 || IsSoloGame())
        return false;
    auto highTrumps = [&](int s) {
        int count = 0;
        for (int p = GetGroupStart(s, kTrumpGroup); p <= GetGroupEnd(s, kTrumpGroup); ++p)
            count += RateCardRole(seats[s].hand[p]) == 3 ? 1 : 0;
        return count;
    };
    const int own = highTrumps(seat);
    if (own <= 1)
        return false;
    int others = 0;
    for (int s = 0; s < GetSeatCount(); ++s)
        if (s != seat)
            others += highTrumps(s);
    switch (ProfileStyle(MoverProfile())) {
    case 1:
    case 2:
        return own >= others / 3;
    case 3:
    case 4:
        return own > others / 3;
    default:
        return false;
    }
}

bool ComputerPlayer::HasEnoughTrumpsLeft() {
    return IsSeat(seatToMove) &&
           seats[seatToMove].groupCount[kTrumpGroup] >= GetCardsPerHand() - trickNumber + 1;
}

int ComputerPlayer::CountSureTricksInGroup(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return 0;
    const SeatBlock& block = seats[seat];
    const int allowance = trumpsAbovePartnerCard > 0 ? trumpsAbovePartnerCard : 0;
    // A Heart Ten that the other copy may still beat is sure only when no opponent can.
    const bool heartTenAtRisk = SecondHeartTenWins() && GetTrickPosition(seat) != 4 &&
                                IsHeartTenTop(&gameType) &&
                                CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) +
                                        CopiesInRankMask(block.tenMask, kSuitHerz) !=
                                    2;
    int sure = 0;
    bool heart = false;
    const int start = GetGroupStart(seat, group);
    for (int place = GetGroupEnd(seat, group); place >= start; --place) {
        const int card = block.hand[place];
        if (CountHigherCardsOut(seat, card) <= allowance) {
            if (!(card == kHeartTen && heartTenAtRisk)) {
                ++sure;
                continue;
            }
            heart = true;
        }
        if (ListedOpponentCount() == 0 || seat == declarer)
            break;
        bool ends = false;
        for (int i = 0; i < ListedOpponentCount() && !ends; ++i) {
            const int opponent = moverOpponents[i];
            if (!IsSeat(opponent))
                continue;
            const int most = EstimateSuitMaximum(opponent, group);
            if (most == -1) {
                ends = true;
            } else if (most > 0) {
                const int top = EstimateTopCard(opponent, group);
                if (group == kTrumpGroup)
                    ends =
                        (IsCardCode(top) && IsCardHigher(top, card)) || (heart && top == kHeartTen);
                else
                    ends = top > card;
            }
        }
        if (ends)
            break;
        if (moverPartners[0] != -1)
            sure += EstimateSuitMaximum(moverPartners[0], group) > 0 ? 1 : 0;
        else
            sure += ArePartiesKnown() ? 1 : 0;
    }
    if (sure == 0) {
        auto held = [&](int wanted) {
            int count = 0;
            for (int p = 0; p < kHandPlaces; ++p)
                count += block.hand[p] == wanted && wanted != 0 ? 1 : 0;
            return count;
        };
        if (seat == specialPairSeat)
            sure = held(GetSpecialTopCard());
        if (seat == diamondAcesSeat && (specialPairSeat == -1 || specialPairSeat == seat))
            sure += held(kSchellenAce);
    }
    return sure;
}

bool ComputerPlayer::MayBeOvertrumped(int card, int trumpCount) {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return false;
    int higher = -1;
    for (int i = 0; i < 3; ++i) {
        const int opponent = moverOpponents[i];
        if (!IsSeat(opponent) || EstimateSuitMaximum(opponent, kTrumpGroup) <= trumpCount)
            continue;
        if (higher == -1)
            higher = CountHigherCardsOut(mover, card);
        if (higher > trumpCount)
            return higher <= 2 || higher > trumpCount + 1;
    }
    return false;
}

bool ComputerPlayer::EvaluateTrumpLead(bool allowWithoutSureTricks, int group) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || group != kTrumpGroup)
        return false;
    const SeatBlock& block = seats[mover];
    const int profile = block.profile;
    int sure = block.groupEval[group][0];
    if (IsSeatToMoveAbove5() && moverPartners[0] != -1 && trickNumber > GetCardsPerHand() / 2) {
        int own = 0;
        int partners = 0;
        CountSureTrumpsWithPartner(mover, moverPartners[0], &own, &partners);
        sure = own;
    }
    const int out = CountGroupOut(kTrumpGroup);
    const int opponents = ListedOpponentCount();
    if (sure > 0) {
        if (sure > out)
            return true;
        if (opponents == 0)
            return false;
        if (GetLineGameKind() == 0 && mover == declarer && sure < out &&
            (seatEstimates[NextSeat(mover)].voidEstimate[kTrumpGroup] == 100 ||
             seatEstimates[PreviousSeat(mover)].voidEstimate[kTrumpGroup] == 100))
            return false;
        const int open = CountOpenSeats(kTrumpGroup);
        int openOpponents = 0;
        for (int i = 0; i < opponents; ++i)
            if (IsSeat(moverOpponents[i]) &&
                seatEstimates[moverOpponents[i]].voidEstimate[kTrumpGroup] < 35)
                ++openOpponents;
        float chance = 100.0f;
        if (open == 3) {
            chance = GetThreeHandSplit(out, sure);
        } else if (open == 2) {
            chance = GetTwoHandSplit(out, sure);
        } else if (open == 1 && openOpponents != 0) {
            if ((IsSoloGame() && mover != declarer) || openOpponents == 1)
                chance = sure == out ? 100.0f : 0.0f;
            else
                chance = sure >= out || sure == block.groupCount[kTrumpGroup] ? 100.0f : 0.0f;
        }
        int percent = static_cast<int>(chance);
        if (sure >= 2 && block.groupEval[group][2] >= sure + 2)
            percent += 15;
        if (openOpponents == moverOpponentCount)
            return PassesThreshold(profile, static_cast<float>(percent), 65, 70, 70, 75);
        return PassesThreshold(profile, static_cast<float>(percent), 55, 60, 60, 65);
    }
    if (!allowWithoutSureTricks || !IsSeatToMoveAbove5() || opponents == 0)
        return false;
    int best = 0;
    for (int i = 0; i < 2; ++i) {
        const int partner = moverPartners[i];
        if (!IsSeat(partner))
            continue;
        const int count = GetSuitCount(partner, kTrumpGroup);
        if (count > best) {
            best = count;
            continue;
        }
        const int likely = EstimateSuitCount(partner, kTrumpGroup);
        const int guess = likely + (EstimateSuitMaximum(partner, kTrumpGroup) - likely) / 3;
        if (guess > best)
            best = guess;
    }
    // The listed opponents share the trumps the partners do not hold; there is at least one.
    return (out - best) / opponents < best;
}

bool ComputerPlayer::IsPartyStrongInTrumps() {
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return false;
    const SeatBlock& block = seats[mover];
    std::int16_t party[3] = {-1, -1, -1};
    GetPartyList(block.inDeclarerParty != 0, party);
    for (const std::int16_t seat : party) {
        if (!IsSeat(seat))
            continue;
        int kind = -1;
        int level = -1;
        FindAnnouncement(seat, &kind, &level);
        if (kind == -1)
            continue;
        if (level != 10 || CountTricksLeft() > (GetCardsPerHand() + 4) / 3)
            return true;
    }
    const int trumps = block.groupCount[kTrumpGroup];
    const int holders = CountOpenSeats(kTrumpGroup) + (trumps > 0 ? 1 : 0);
    if (holders == 0)
        return false;
    const int out = CountGroupOut(kTrumpGroup);
    if (IsSeatToMoveAbove5() && out == 0 && trumps > 0)
        return true;
    int margin = 2;
    if (IsSeatToMoveAbove15() && HasWinningTopCard(kTrumpGroup)) {
        if (mover != leader && trumps == 1 && out == 1)
            return false;
        margin = 1;
    }
    const int total = out + trumps;
    for (const std::int16_t seat : party)
        if (IsSeat(seat) && GetSuitCount(seat, kTrumpGroup) >= total / holders + margin)
            return true;
    int maximumSum = 0;
    for (int seat = 0; seat < GetSeatCount(); ++seat)
        maximumSum += EstimateSuitMaximum(seat, kTrumpGroup);
    if (static_cast<float>(maximumSum) < static_cast<float>(total) * kTrumpMaximumFactor)
        for (const std::int16_t seat : party)
            if (IsSeat(seat) && EstimateSuitMaximum(seat, kTrumpGroup) >= total / holders + 3)
                return true;
    if (!IsSeatToMoveAbove5())
        return false;
    if (out == 1 && trumps > 1)
        return mover == leader || (IsSeatToMoveAbove15() && HasWinningTopCard(kTrumpGroup));
    if (GetLineGameKind() == 2 && GameBits(gameType.word) == kWordNormal &&
        block.inDeclarerParty != 0 && mover != partyLists[0]) {
        if (playedCounts[mover][kTrumpGroup] + trumps < 4)
            return false;
        return trumps >= (IsSeatToMoveAbove15() ? 2 : 3);
    }
    return false;
}

bool ComputerPlayer::IsGroupEndangered(int group) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || !IsSeat(leader) || group < 0 || group >= kGroupCount)
        return false;
    const int seatCount = GetSeatCount();
    bool danger = false;
    bool opponentSeen = false;
    if (group == kTrumpGroup) {
        int bound = 15;
        if (mover != leader && !IsSoloGame()) {
            if (CountTrickPoints(false) >= 11)
                bound += 8;
            int extra = 0;
            if (GetTrickSpecialPoints(&extra))
                bound += 10;
        }
        int knownVoid = 0;
        if (IsSeatToMoveAbove15())
            for (int s = 0; s < seatCount; ++s)
                if (s != mover && seatEstimates[s].voidEstimate[kTrumpGroup] == 100)
                    ++knownVoid;
        if (seatCount - knownVoid == 2 && seatEstimates[mover].voidEstimate[kTrumpGroup] != 100)
            bound = 100;
        for (int s = NextSeat(mover), n = 0; s != leader && n < seatCount; s = NextSeat(s), ++n) {
            const bool below = std::abs(seatEstimates[s].voidEstimate[kTrumpGroup]) < bound;
            if (IsMoverOpponent(s)) {
                opponentSeen = true;
                danger = danger || below;
            } else if (!IsMoverPartner(s)) {
                danger = danger || below;
            }
        }
    } else {
        danger = true;
        for (int s = NextSeat(mover), n = 0; s != leader && n < seatCount; s = NextSeat(s), ++n) {
            if (!IsMoverOpponent(s))
                continue;
            opponentSeen = true;
            danger = danger && std::abs(seatEstimates[s].voidEstimate[group]) < 15;
        }
    }
    if (!danger)
        return false;
    if (!IsSeatToMoveAbove5())
        return true;
    const int out = CountGroupOut(group);
    if (out <= 0)
        return false;
    const int after = seatCount - GetTrickPosition(mover);
    const bool plain = group != kTrumpGroup;
    const bool full = plain || GetLineGameKind() == 1 || seats[mover].inDeclarerParty != 0;
    const int trumps = seats[mover].groupCount[kTrumpGroup];
    if (full) {
        if (GetLineGameKind() != 0) {
            if (after == 3) {
                if (out <= 1)
                    return IsSeatToMoveAbove15() && out == 1 && trumps > 1
                               ? HasWinningTopCard(kTrumpGroup)
                               : false;
            } else if (plain && after >= out) {
                return false;
            }
        } else {
            const GameTypeWord skat = gameType.word & kSkatGameMask;
            if (skat == 2 || skat == 0x400) {
                const bool leadsTrump = mover == leader && !plain;
                const bool declarerShort =
                    IsSeat(declarer) && seats[declarer].groupCount[group] < 2;
                if (!leadsTrump && (mover == declarer || declarerShort)) {
                    const int partner = moverPartners[0];
                    if ((partner == -1 || MayHoldGroup(partner, group)) && after >= out)
                        return false;
                    if (out > 1)
                        return true;
                }
            } else if (plain) {
                if (out == after && trumps - (CountGroupOut(kTrumpGroup) + 1) / 2 <= 0)
                    return true;
                if (after >= out)
                    return false;
            }
        }
    }
    if (ArePartiesKnown()) {
        if (!opponentSeen)
            return false;
        int count = 0;
        for (int i = 0; i < 3; ++i) {
            const int s = moverOpponents[i];
            if (IsSeat(s) && s != mover && IsCardCode(trickCards[s]))
                continue; // already played to this trick
            if (s == -1 || GetSuitCount(s, group) == 0)
                ++count;
            else
                --count;
        }
        return count != moverOpponentCount;
    }
    return full || after < out;
}

// The basic plays: small rules that each pick one card of the seat's hand by a fixed pattern
// (the highest or lowest of a group, a singleton Ace, a low lead from a suit without honours,
// a sure winner ...) and play it with the reason the card-selection hints show. A play that
// finds no card, or whose card the line would not allow now, plays nothing and answers false.
// In a dry run PlayCard only records the choice.
#include "engine/ComputerPlayer.h"

#include "engine/EngineServices.h"

namespace {

constexpr int kReasonHighest = 1;
constexpr int kReasonSecondHighest = 2;
constexpr int kReasonLow = 9;
constexpr int kReasonSingletonAce = 10;
constexpr int kReasonLowestCandidate = 11;
constexpr int kReasonHighestCandidate = 12;
constexpr int kReasonLowNineToKing = 13;
constexpr int kReasonLowestPoints = 14;
constexpr int kReasonLikelyWinner = 15;
constexpr int kReasonSureWinner = 16;
constexpr int kReasonKeepDiamondAce = 33;
constexpr int kReasonShowClubQueen = 34;
constexpr int kReasonPointLead = 35;

// Rank order of the candidate plays: 7 lowest (0) ... Ace highest (7).
int CandidateRank(int card) {
    return (card - 1) & 7;
}

} // namespace

bool ComputerPlayer::PlayRuleCard(int seat, int place, int reason) {
    if (!IsSeat(seat) || seat != seatToMove || place < 0 || place >= CountHandPlaces()) {
        DebugBox("Rule card place", place);
        return false;
    }
    // Only 1 allows the card: the lines answer their refusals with rule numbers above it. The
    // card checked is the one that reaches the table, after the replacement hooks.
    int finalPlace = place;
    int finalReason = reason;
    const int chosen = seats[seat].hand[place];
    int card = chosen;
    if (IsCardCode(chosen) && reason != kReasonHuman)
        card = ResolveComputerCard(seat, &finalPlace, &finalReason);
    const int legality = IsCardCode(card) ? IsLegalCard(seat, card) : 0;
    if (legality != 1) {
        // A line's own refusal (above 1) is a rule the library does not know, not a fault.
        if (legality == 0)
            DebugBox("Rule card not allowed", card);
        return false;
    }
    PlayCard(seat, place, reason);
    return true;
}

bool ComputerPlayer::PlayHighestOfGroup(int seat, int group) {
    // Without a card of the group the group's last place would name another group's card.
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount || seats[seat].groupCount[group] < 1) {
        DebugBox("Highest of group", group);
        return false;
    }
    return PlayRuleCard(seat, GetGroupEnd(seat, group), kReasonHighest);
}

bool ComputerPlayer::PlaySecondHighestOfGroup(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount || seats[seat].groupCount[group] < 2) {
        DebugBox("Second highest of group", group);
        return false;
    }
    return PlayRuleCard(seat, GetGroupEnd(seat, group) - 1, kReasonSecondHighest);
}

bool ComputerPlayer::MayPlayTrumpAt(int seat, int group, int firstPlace, int offset) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return true;
    const SeatBlock& block = seats[seat];
    const int place = firstPlace + offset;
    if (trickNumber <= 3 || block.groupCount[group] <= 1 || group != kTrumpGroup || offset == 0 ||
        place <= 0 || place >= kHandPlaces)
        return true;
    const int card = block.hand[place];
    const int lower = block.hand[place - 1];
    if (CountHigherCardsOut(seat, card) != 0 || CountHigherCardsOut(seat, lower) == 0)
        return true;
    // A master trump that protects the next lower one stays in the hand.
    for (int i = 0; i < ListedOpponentCount(); ++i) {
        const int opponent = moverOpponents[i];
        if (!IsSeat(opponent) || EstimateSuitMaximum(opponent, group) == 0)
            continue;
        const int top = EstimateTopCard(opponent, group);
        if (IsCardCode(top) && IsCardHigher(top, lower))
            return false;
    }
    return true;
}

bool ComputerPlayer::PlayLowOfGroup(int seat, int group) {
    if (!IsSeat(seat) || group < 0 || group >= kGroupCount)
        return false;
    const SeatBlock& block = seats[seat];
    // The trump suit's group is empty where its cards are trumps; in a game without a trump
    // suit (a Wenz keeps the options' suit in its game type) its cards are plain cards.
    if (group != kTrumpGroup && (group != gameType.trumpSuit || block.groupCount[group] > 0)) {
        if (block.groupCount[group] == 0)
            return false;
        return PlayRuleCard(seat, GetGroupStart(seat, group), kReasonLow);
    }
    const int trumps = block.groupCount[kTrumpGroup];
    if (trumps == 0)
        return false;
    const int first = GetGroupStart(seat, kTrumpGroup);
    const int lowest = block.hand[first];
    if (GetSeatCount() == 3) {
        int chosen = first;
        if ((gameType.word & kSkatGameMask) != 4 && trumps >= 2) {
            const int lowestHigher = CountHigherCardsOut(seat, lowest);
            const int lowestPoints = GetCardPoints(lowest);
            for (int k = 1; k < trumps; ++k) {
                const int card = block.hand[first + k];
                const int higher = CountHigherCardsOut(seat, card);
                const bool cheaper = GetCardPoints(card) < lowestPoints;
                if (higher == lowestHigher) {
                    if (cheaper) {
                        chosen = first + k;
                        break;
                    }
                    continue;
                }
                if (lowestHigher == 1 && higher == 0 && k != trumps - 1) {
                    if (cheaper)
                        chosen = first + k;
                } else if (lowestHigher == 2 && higher == 1 && IsSeatToMoveAbove15() &&
                           seat != declarer && seat != leader && trumps == 2) {
                    if (lowestPoints >= 10 && cheaper)
                        chosen = first + k;
                }
                break;
            }
        }
        return PlayRuleCard(seat, chosen, kReasonLow);
    }
    const GameTypeWord bits = GameBits(gameType.word);
    const bool listed = bits == kWordNormal || bits == kWordSuitSolo || bits == kWordSuitUnter ||
                        bits == kWordSuitOber || bits == kWordMarriage || bits == kWordYou;
    if (!listed)
        return PlayRuleCard(seat, first, kReasonLow);
    const bool many =
        CountGroupInDeck(kTrumpGroup, gameType.trumpSuit, gameType.word) > GetLowTrumpLimit();
    // The first allowed trump from the lowest upward that the test picks.
    auto firstAllowed = [&](auto wanted) {
        for (int k = 0; k < trumps; ++k)
            if (wanted(block.hand[first + k]) && MayPlayTrumpAt(seat, kTrumpGroup, first, k))
                return first + k;
        return -1;
    };
    auto holds = [&](int card) {
        for (int k = 0; k < trumps; ++k)
            if (block.hand[first + k] == card)
                return true;
        return false;
    };
    auto playFound = [&](int place, int reason) {
        return place != -1 && PlayRuleCard(seat, place, reason);
    };
    int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    const int lowestRank = RankCodeOf(lowest);
    if (!IsRankInTrumpList(lowest, ranks) && RankStepOf(lowest) <= 6)
        return PlayRuleCard(seat, first, 3);
    if (many && (holds(kSchellenUnter) || holds(kHerzUnter)) &&
        playFound(firstAllowed([](int c) { return c == kSchellenUnter || c == kHerzUnter; }), 4))
        return true;
    if (lowestRank == kRankTen && !IsPartyStrongInTrumps() && trumps <= 4)
        return PlayRuleCard(seat, first, 5);
    if (many && holds(kGrasUnter) &&
        playFound(firstAllowed([](int c) { return c == kGrasUnter; }), 6))
        return true;
    if (lowestRank == kRankTen)
        return PlayRuleCard(seat, first, 5);
    if (!DiamondAceCaughtScores() && lowestRank == kRankAce &&
        MayPlayTrumpAt(seat, kTrumpGroup, first, 0))
        return PlayRuleCard(seat, first, 7);
    if (many && CopiesInRankMask(block.unterMask, kSuitEichel) == 2 &&
        playFound(firstAllowed([](int c) { return c == kEichelUnter; }), kReasonLow))
        return true;
    if (many && holds(kSchellenOber) &&
        playFound(firstAllowed([](int c) { return c == kSchellenOber; }), 8))
        return true;
    if (DiamondAceCaughtScores() && lowestRank == kRankAce) {
        const int fox = TrumpSuitAce();
        for (int k = 0; k < trumps; ++k) {
            const int card = block.hand[first + k];
            if (card != fox && CountHigherCardsOut(seat, card) != 0)
                return PlayRuleCard(seat, first + k, kReasonKeepDiamondAce);
        }
    }
    return PlayRuleCard(seat, first, kReasonLow);
}

bool ComputerPlayer::PlayLowTrump(int seat) {
    if (!IsSeat(seat))
        return false;
    const int first = GetGroupStart(seat, kTrumpGroup);
    for (int k = 0; k < seats[seat].groupCount[kTrumpGroup]; ++k) {
        const int rank = RankCodeOf(seats[seat].hand[first + k]);
        if (rank != kRankTen && rank != kRankAce)
            return PlayRuleCard(seat, first + k, kReasonLow);
    }
    return false;
}

bool ComputerPlayer::PlaySingletonAce(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int suit = 0; suit < 4; ++suit) {
        if (seats[seat].groupCount[suit] != 1)
            continue;
        const int place = GetGroupStart(seat, suit);
        if (RankCodeOf(seats[seat].hand[place]) == kRankAce)
            return PlayRuleCard(seat, place, kReasonSingletonAce);
    }
    return false;
}

bool ComputerPlayer::PlaySingletonSideAce(int seat, bool skipHearts) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    auto lone = [&](int suit) {
        return block.groupCount[suit] == 1 && CopiesInRankMask(block.aceMask, suit) > 0 &&
               CopiesInRankMask(playedMasks[kRankAce], suit) == 0 && CountPlayedInGroup(suit) <= 2;
    };
    for (int suit = 0; suit < 4; ++suit)
        if (suit != gameType.trumpSuit && suit != kSuitHerz && lone(suit))
            return PlayRuleCard(seat, GetGroupStart(seat, suit), kReasonSingletonAce);
    if (skipHearts || kSuitHerz == gameType.trumpSuit || !lone(kSuitHerz))
        return false;
    return PlayRuleCard(seat, GetGroupStart(seat, kSuitHerz), kReasonSingletonAce);
}

bool ComputerPlayer::PlayLowestCandidate(int seat, int count, const std::int16_t* suits,
                                         const std::int16_t* places) {
    (void)suits;
    if (!IsSeat(seat) || count <= 0 || !places)
        return false;
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (CandidateRank(seats[seat].hand[places[i]]) <
            CandidateRank(seats[seat].hand[places[best]]))
            best = i;
    return PlayRuleCard(seat, places[best], kReasonLowestCandidate);
}

bool ComputerPlayer::PlayHighestCandidate(int seat, int count, const std::int16_t* suits,
                                          const std::int16_t* places) {
    (void)suits;
    if (!IsSeat(seat) || count <= 0 || !places)
        return false;
    int best = 0;
    for (int i = 1; i < count; ++i)
        if (CandidateRank(seats[seat].hand[places[i]]) >
            CandidateRank(seats[seat].hand[places[best]]))
            best = i;
    return PlayRuleCard(seat, places[best], kReasonHighestCandidate);
}

bool ComputerPlayer::SuitQualifiesForLead(int seat, int suit, int kind) {
    const SeatBlock& block = seats[seat];
    const std::uint16_t selector = static_cast<std::uint16_t>(3u << (suit * GetMaskBitsPerSuit()));
    const int held = block.groupCount[suit];
    const int aces = CountBits(block.aceMask, selector);
    const bool heartTenTrump = suit == kSuitHerz && IsHeartTenTop(&gameType);
    const int tens = heartTenTrump ? 0 : CountBits(block.tenMask, selector);
    // The seat's Aces and the played ones added as numbers: the suit's two bits of the sum
    // tell one Ace left in play (1) from both in the seat's hand (2).
    const auto aceSum = static_cast<std::uint16_t>(block.aceMask + playedMasks[kRankAce]);
    switch (kind) {
    case 0:
        return aces == 0 && tens == 0 && held > 0;
    case 1: {
        if (aces != 0)
            return false;
        if (tens == 0)
            return held > 0;
        const int acesPlayed = CountBits(playedMasks[kRankAce], selector);
        const int tensPlayed = CountBits(playedMasks[kRankTen], selector);
        if (block.groupEval[suit][0] == 0) {
            const int others = 4 - acesPlayed - tensPlayed - tens;
            return held >= (others == 1 ? 3 : tens + 1);
        }
        if (tens == 2 || tensPlayed > 0)
            return held > tens;
        return held >= tens + 2;
    }
    case 2:
        return aces > 0 && tens > 0 && CountBits(aceSum, selector) == 1 && held >= tens + aces + 2;
    default:
        return CountBits(aceSum, selector) == 2 && held > tens + aces;
    }
}

bool ComputerPlayer::LeadCandidates(int seat, int kind) {
    if (!IsSeat(seat))
        return false;
    std::int16_t suits[4] = {};
    std::int16_t places[4] = {};
    int count = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || seats[seat].groupCount[suit] == 0 ||
            !SuitQualifiesForLead(seat, suit, kind))
            continue;
        suits[count] = static_cast<std::int16_t>(suit);
        places[count] = static_cast<std::int16_t>(GetGroupStart(seat, suit));
        ++count;
    }
    return PlayLowestCandidate(seat, count, suits, places);
}

bool ComputerPlayer::LeadFromSuitWithoutAceOrTen(int seat) {
    return LeadCandidates(seat, 0);
}
bool ComputerPlayer::LeadFromSuitWithGuardedTen(int seat) {
    return LeadCandidates(seat, 1);
}
bool ComputerPlayer::LeadFromSuitWithOneAceLeft(int seat) {
    return LeadCandidates(seat, 2);
}
bool ComputerPlayer::LeadFromSuitWithBothAces(int seat) {
    return LeadCandidates(seat, 3);
}

bool ComputerPlayer::PlayLowCardNineToKing(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int step = GetLowestRankStep(); step <= 6; ++step) {
        for (int suit = 0; suit < 4; ++suit) {
            if (suit == gameType.trumpSuit)
                continue;
            // With no card of the suit the place holds the next group's lowest card, which
            // is taken the same way.
            const int place = GetGroupStart(seat, suit);
            if (place >= kHandPlaces)
                continue;
            const int card = seats[seat].hand[place];
            if (IsCardCode(card) && !IsTrump(card) && RankStepOf(card) == step)
                return PlayRuleCard(seat, place, kReasonLowNineToKing);
        }
    }
    return false;
}

bool ComputerPlayer::PlayLowestPointSideCard(int seat) {
    if (!IsSeat(seat))
        return false;
    for (int step = GetLowestRankStep(); step <= 8; ++step) {
        for (int suit = 0; suit < 4; ++suit) {
            if (suit == gameType.trumpSuit || seats[seat].groupCount[suit] == 0)
                continue;
            const int place = GetGroupStart(seat, suit);
            const int card = seats[seat].hand[place];
            if (!IsTrump(card) && RankStepOf(card) == step)
                return PlayRuleCard(seat, place, kReasonLowestPoints);
        }
    }
    return false;
}

bool ComputerPlayer::PlayMostLikelyWinner(int seat, bool flag) {
    if (!IsSeat(seat))
        return false;
    const int profile = seats[seat].profile;
    int bestSuit = -1;
    float bestValue = 0.0f;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || seats[seat].groupCount[suit] == 0 ||
            !HasWinningTopCard(suit))
            continue;
        const int out = CountGroupOut(suit);
        int holders = -1;
        bool anyOpponent = true;
        const bool all = CountGroupHolders(&holders, &anyOpponent, suit);
        if (!all) {
            if (!flag) {
                holders = 3;
            } else {
                const int partner = moverPartners[0];
                const bool ruffs =
                    IsSeat(partner) && GetTrickPosition(partner) == GetSeatCount() &&
                    PassesThreshold(profile, seatEstimates[partner].voidEstimate[suit], 60, 65, 70,
                                    75) &&
                    FailsThreshold(profile, seatEstimates[partner].voidEstimate[kTrumpGroup], 45,
                                   40, 40, 35);
                if (holders != -1 || (out < 3 && !ruffs))
                    continue;
                holders = 3;
            }
        }
        // No possible holder leaves nothing to divide by: such a suit gets no value.
        if (holders <= 0)
            continue;
        if (!(out >= holders || (all && out >= 2 && holders == 3) || (out >= 3 && holders == 4)))
            continue;
        float value = static_cast<float>(out) / static_cast<float>(GetSeatCount() - 1) * 3.0f /
                      static_cast<float>(holders);
        if (CopiesInRankMask(seats[seat].aceMask, suit) != 2)
            value += 0.5f;
        if (bestSuit == -1 || value > bestValue) {
            bestSuit = suit;
            bestValue = value;
        }
    }
    if (bestSuit == -1 || !PassesThreshold(profile, 100.0f * bestValue, 60, 60, 60, 60))
        return false;
    return PlayRuleCard(seat, GetGroupEnd(seat, bestSuit), kReasonLikelyWinner);
}

bool ComputerPlayer::PlaySureWinner(int seat, bool flag) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const bool solo = IsSoloGame();
    for (int suit = 0; suit < 4; ++suit) {
        const int count = block.groupCount[suit];
        if (suit == gameType.trumpSuit || count == 0 || !HasWinningTopCard(suit))
            continue;
        const int start = GetGroupStart(seat, suit);
        const int end = GetGroupEnd(seat, suit);
        const bool trumpsEndangered = IsGroupEndangered(kTrumpGroup);
        if (!solo && trumpsEndangered && CountGroupOut(suit) == 0 &&
            (flag || RankStepOf(block.hand[start]) < 7))
            return PlayRuleCard(seat, start, kReasonSureWinner);
        if (!IsGroupEndangered(suit) && count > 1 &&
            CountHigherCardsOut(seat, block.hand[end - 1]) == 0) {
            if (solo || trumpsEndangered) {
                bool cashTop = false;
                if (seat == declarer && CountTricksLeft() <= 4 && CountGroupOut(kTrumpGroup) == 1 &&
                    CountGroupOut(suit) > 0) {
                    for (int i = 0; i < ListedOpponentCount() && !cashTop; ++i) {
                        const int opponent = moverOpponents[i];
                        cashTop = IsSeat(opponent) && CountTopTrumpPlaces(opponent) >= 1 &&
                                  GetSuitCount(opponent, suit) != 0;
                    }
                }
                return PlayRuleCard(seat, cashTop ? end : end - 1, kReasonSureWinner);
            }
            flag = true;
        }
        if (flag || RankStepOf(block.hand[end]) < 7)
            return PlayRuleCard(seat, end, kReasonSureWinner);
    }
    return false;
}

bool ComputerPlayer::PlayIfHeldPointLead(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    for (int place = 0; place < CountHandPlaces(); ++place)
        if (seats[seat].hand[place] == card)
            return PlayRuleCard(seat, place, kReasonPointLead);
    return false;
}

bool ComputerPlayer::PlayFromDealtSingleton(int seat) {
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit)
            continue;
        if (playedCounts[seat][suit] + block.groupCount[suit] != 1)
            continue;
        if (CopiesInRankMask(block.tenMask, suit) == 0 ||
            CopiesInRankMask(playedMasks[kRankAce], suit) > 0)
            return PlayLowOfGroup(seat, suit);
    }
    return false;
}

bool ComputerPlayer::PlayTowardLikelyPartner(int seat) {
    if (!IsSeat(seat))
        return false;
    int partner = moverPartners[0];
    if (!IsSeat(partner)) {
        int best = 30; // a belief must exceed 30 to be taken at all
        for (int s = 0; s < GetSeatCount(); ++s) {
            if (s != seat && seats[seat].partyBelief[s] > best) {
                best = seats[seat].partyBelief[s];
                partner = s;
            }
        }
        if (!IsSeat(partner) || best <= 42)
            return false;
    }
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || seats[seat].groupCount[suit] == 0)
            continue;
        if ((seatEstimates[partner].voidMask & (1 << suit)) == 0)
            continue;
        const int played = CountPlayedInGroup(suit);
        if (played < 4 || (played == 4 && partner == PreviousSeat(seat)))
            return PlayHighestOfGroup(seat, suit);
    }
    return false;
}

bool ComputerPlayer::LeadForPartnerRuff(int seat) {
    const int partner = moverPartners[0];
    if (!IsSeat(seat) || IsSoloGame() || !IsSeat(partner) ||
        GetTrickPosition(partner) != GetSeatCount())
        return false;
    const int profile = seats[seat].profile;
    if (!FailsThreshold(profile, seatEstimates[partner].voidEstimate[kTrumpGroup], 45, 40, 40, 35))
        return false;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit || seats[seat].groupCount[suit] == 0 ||
            !HasWinningTopCard(suit))
            continue;
        if (PassesThreshold(profile, seatEstimates[partner].voidEstimate[suit], 60, 65, 70, 75))
            return PlayHighestOfGroup(seat, suit);
    }
    return false;
}

void ComputerPlayer::ShowClubQueen(int seat, int* place, int* reason) {
    if (!IsSeat(seat) || !place || !reason || *place < 0 || *place + 1 >= kHandPlaces)
        return;
    const SeatBlock& block = seats[seat];
    if (block.hand[*place] != kGrasOber || ArePartiesKnown() || IsPartyKnown(seat) ||
        !IsTrump(kGrasOber) || !IsTrump(kEichelOber) ||
        CopiesInRankMask(block.oberMask, kSuitEichel) == 0)
        return;
    const int spadeQueens = CopiesInRankMask(playedMasks[kRankOber], kSuitGras) +
                            CopiesInRankMask(block.oberMask, kSuitGras);
    if (spadeQueens != 2 && trickNumber >= GetEndgameTrick() - 2)
        return;
    int moved = *place + 1;
    if (block.hand[moved] != kEichelOber)
        ++moved;
    if (moved >= kHandPlaces || block.hand[moved] != kEichelOber)
        return; // the Club Queen does not lie where the sorted hand puts it: keep the card
    *place = moved;
    *reason = kReasonShowClubQueen;
}

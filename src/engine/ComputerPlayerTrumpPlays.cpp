// The trump plays: when and with which trump a computer seat leads or follows in trumps —
// drawing trumps from strength, leading the last trump, leading early or a middle trump,
// overtaking with a high trump, keeping a high trump for later, throwing a small one. Trump
// classes are those of RateCardRole: 3 high, 2 middle, 1 small. Each play answers true when
// it played one card through the door of the basic plays, and false, changing nothing, when
// its situation does not hold.
#include "engine/ComputerPlayer.h"

namespace {

constexpr int kReasonHighest = 1;
constexpr int kReasonMiddleTrump = 27;
constexpr int kReasonHighTrump = 39;
constexpr int kReasonMiddleClass = 41;
constexpr int kReasonSmallTrump = 38;
constexpr int kHerzOber = 13;

// The special-card mask bits that keep the last trump for the last trick: the trump suit's
// Ace (2) and an Unter of Eichel (4) whose winning of the last trick scores.
constexpr int kLastTrickSpecials = 2 | 4;

} // namespace

int ComputerPlayer::TrumpAt(int seat, int k) {
    if (k < 0 || k >= TrumpCount(seat))
        return 0;
    const int place = GetGroupStart(seat, kTrumpGroup) + k;
    return place < kHandPlaces ? seats[seat].hand[place] : 0;
}

bool ComputerPlayer::PlayTrumpAt(int seat, int k, int reason) {
    if (k < 0 || k >= TrumpCount(seat))
        return false;
    return PlayRuleCard(seat, GetGroupStart(seat, kTrumpGroup) + k, reason);
}

bool ComputerPlayer::LeadTrumpFromStrength(int seat) {
    if (TrumpCount(seat) == 0)
        return false;
    const int mover = seatToMove;
    const bool solo = IsSoloGame();
    const int trumpsOut = CountGroupOut(kTrumpGroup);
    bool lead = true;
    if (ArePartiesKnown()) {
        if (trumpsOut == 0) {
            lead = false;
        } else if (!solo) {
            lead = false;
            for (int i = 0; i < ListedOpponentCount(); ++i) {
                const int opponent = moverOpponents[i];
                lead = lead ||
                       (IsSeat(opponent) && seatEstimates[opponent].voidEstimate[kTrumpGroup] < 20);
            }
        }
    }
    int specials = 0;
    auto keepsLastTrump = [&] {
        GetHeldSpecials(&specials);
        return (specials & kLastTrickSpecials) != 0;
    };
    if (lead) {
        const int held = TrumpCount(mover);
        if (IsSeatToMoveAbove5() && !solo && !IsGroupEndangered(kTrumpGroup)) {
            if (held == 2 && PlaySureWinner(mover, true))
                return true;
            if (TrumpCount(seat) == 1 && trumpsOut == 1)
                return false;
            if (GetLineGameKind() == 2 && CountFreeTricks(seat) >= 2 && held == 2 && trumpsOut == 1)
                return false;
        }
        if (!EvaluateTrumpLead(false, kTrumpGroup))
            return false;
        if (CountTricksLeft() == 2 && TrumpCount(seat) == 1 && keepsLastTrump())
            return false;
        if (IsSeatToMoveAbove15() && seat == declarer)
            return LeadFromSureTrumpRun(seat);
        return PlayHighestOfGroup(seat, kTrumpGroup);
    }
    if (SumCounts(seats[seat], 4) != 1)
        return false;
    if (IsMaster(seat, TrumpAt(seat, 0)))
        return PlaySureWinner(mover, true);
    if (IsSeatToMoveAbove5() && PlaySureWinner(mover, true))
        return true;
    if (TrumpCount(seat) == 1 && keepsLastTrump())
        return false;
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::LeadFromSureTrumpRun(int seat) {
    if (!IsSeat(seat) || seat != declarer)
        return false;
    int run = 0;
    int partners = 0;
    CountSureTrumpsWithPartner(seat, -1, &run, &partners);
    const int held = TrumpCount(seat);
    if (run < 1 || held == 0)
        return false;
    return PlayTrumpAt(seat, held - (run < held ? run : held), kReasonHighest);
}

bool ComputerPlayer::LeadLastTrump(int seat) {
    if (TrumpCount(seat) != 1 || CountSureTricksInGroup(seat, kTrumpGroup) != 1)
        return false;
    const int trump = TopTrump(seat);
    if (IsCardPlayed(trump, false) ||
        (trump == kHeartTen && SecondHeartTenWins() && IsHeartTenTop(&gameType)) ||
        !IsGroupEndangered(kTrumpGroup))
        return false;
    if (IsSeatToMoveAbove5() && GetCardPoints(trump) < 10 && !IsPartyStrongInTrumps())
        return false;
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::LeadTrumpIfNoOpponents(int seat, bool plain) {
    const int held = TrumpCount(seat);
    if (ListedOpponentCount() > 0 || held == 0)
        return false;
    if (!plain && held > 1) {
        const SeatBlock& block = seats[seat];
        const bool lowJack = CopiesInRankMask(block.unterMask, kSuitSchellen) > 0 ||
                             CopiesInRankMask(block.unterMask, kSuitHerz) > 0;
        if (!lowJack && GetCardPoints(TrumpAt(seat, 0)) >= 10)
            return false;
    }
    return PlayLowOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::LeadTrumpEarly(int seat) {
    if (!IsSeat(seat) || trickNumber > 3)
        return false;
    int sure = 0;
    int second = 0;
    int held = 0;
    int fourth = 0;
    EstimateSureTrumpTricks(seat, &sure, &second, &held, &fourth);
    if (sure <= 1 && second <= 2)
        return false;
    if ((held > 6 && second + 1 >= held) || !LeadMiddleTrump(seat, true, false))
        return PlayHighTrumpOver(seat, GetLowestTrump(gameType.trumpSuit, gameType.word), true);
    return true;
}

// The rank (a rank code) and the suits (a bit per suit) of the middle trump to lead.
bool ComputerPlayer::ChooseMiddleTrumpRank(int seat, bool forced, bool lowestFirst, int* rank,
                                           int* suits) {
    const SeatBlock& block = seats[seat];
    const int trumpSuit = gameType.trumpSuit;
    auto holds = [&](int card) {
        for (int k = 0; k < TrumpCount(seat); ++k)
            if (TrumpAt(seat, k) == card)
                return true;
        return false;
    };
    auto choose = [&](int r, int s) {
        *rank = r;
        *suits = s;
        return true;
    };
    const bool suitGame = trumpSuit >= 0 && trumpSuit < 4;
    auto trumpSuitCard = [&](int r) { return suitGame && holds(CardOfRank(trumpSuit, r)); };
    switch (GameBits(gameType.word)) {
    case kWordPureSuitSolo:
        if (trumpSuitCard(kRankKing))
            return choose(kRankKing, 1 << trumpSuit);
        return trumpSuitCard(kRankOber) && choose(kRankOber, 1 << trumpSuit);
    case kWordSuitUnter:
        if (holds(kSchellenUnter))
            return choose(kRankUnter, 1 << kSuitSchellen);
        return trumpSuitCard(kRankKing) && choose(kRankKing, 1 << trumpSuit);
    case kWordSuitOber:
        if (holds(kSchellenOber))
            return choose(kRankOber, 1 << kSuitSchellen);
        return trumpSuitCard(kRankKing) && choose(kRankKing, 1 << trumpSuit);
    case kWordUnterKing:
    case kWordOberUnter:
    case kWordUnterOber: {
        int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        int length = 0;
        GetTrumpRanks(gameType.word, ranks, &length);
        if (length >= 1 && holds(CardOfRank(kSuitSchellen, ranks[0])))
            return choose(ranks[0], 1 << kSuitSchellen);
        const int high = (1 << kSuitGras) | (1 << kSuitEichel);
        return length >= 2 &&
               (holds(CardOfRank(kSuitGras, ranks[1])) ||
                holds(CardOfRank(kSuitEichel, ranks[1]))) &&
               choose(ranks[1], high);
    }
    case kWordOberUnterKing: {
        int held = 0;
        for (int s = 0; s < 4; ++s)
            if (CopiesInRankMask(block.unterMask, s) > 0)
                held |= 1 << s;
        return held != 0 && choose(kRankUnter, held);
    }
    default:
        break;
    }
    if (!suitGame)
        return false;
    if (!forced && TrumpCount(seat) * 4 < CountGroupOut(kTrumpGroup))
        return false;
    bool chosen = false;
    bool jack = false;
    const int lowJacks = (1 << kSuitSchellen) | (1 << kSuitHerz) | (1 << kSuitGras);
    for (int s = 0; s < 3 && !chosen; ++s)
        if (CopiesInRankMask(block.unterMask, s) > 0)
            chosen = jack = choose(kRankUnter, lowJacks);
    const int clubJacks = CopiesInRankMask(block.unterMask, kSuitEichel);
    if (!chosen && !ClubUnterCaughtScores() && clubJacks > 0 &&
        (clubJacks == 2 || !ClubUnterLastTrickScores() || IsSoloGame()))
        chosen = jack = choose(kRankUnter, 1 << kSuitEichel);
    if (!(jack && lowestFirst) && IsHeartTenTop(&gameType) &&
        (holds(kSchellenOber) || holds(kHerzOber)))
        chosen = choose(kRankOber, (1 << kSuitSchellen) | (1 << kSuitHerz));
    return chosen;
}

bool ComputerPlayer::LeadMiddleTrump(int seat, bool forced, bool lowestFirst) {
    if (!IsSeat(seat) || TrumpCount(seat) == 0)
        return false;
    int rank = -1;
    int suits = 0;
    if (!ChooseMiddleTrumpRank(seat, forced, lowestFirst, &rank, &suits))
        return false;
    const int held = TrumpCount(seat);
    for (int i = 0; i < held; ++i) {
        const int k = lowestFirst ? i : held - 1 - i;
        const int card = TrumpAt(seat, k);
        if (RankCodeOf(card) == rank && (suits >> SuitOf(card) & 1) != 0)
            return PlayTrumpAt(seat, k, kReasonMiddleTrump);
    }
    return false;
}

bool ComputerPlayer::PlayTrumpByEstimate(int seat, bool strict, bool lenient) {
    if (TrumpCount(seat) == 0)
        return false;
    if (ListedOpponentCount() > 0) {
        bool likelyHolder = false;
        for (int i = 0; i < ListedOpponentCount(); ++i) {
            const int opponent = moverOpponents[i];
            likelyHolder = likelyHolder || (IsSeat(opponent) &&
                                            seatEstimates[opponent].voidEstimate[kTrumpGroup] < 10);
        }
        if (CountGroupOut(kTrumpGroup) == 0 || !likelyHolder)
            return false;
    }
    int s1 = 0;
    int s2 = 0;
    int s3 = 0;
    int s4 = 0;
    EstimateSureTrumpTricks(seat, &s1, &s2, &s3, &s4);
    bool ok = s1 >= 1;
    if (strict)
        ok = s1 >= 2 && s4 <= 3;
    else if (lenient)
        ok = s1 >= 1 || s4 <= 3;
    if ((s4 <= 0 && s3 <= 2) || (s3 < s4 && s3 < 4) || !ok ||
        (s1 == 0 && GetCardPoints(TopTrump(seat)) >= 10))
        return false;
    if (IsSoloGame()) {
        if (s1 == 0 && s3 <= s4)
            return false;
        if (seat == declarer && s4 > 1 && s1 >= 2 && TrumpCount(seat) >= 2)
            return PlaySecondHighestOfGroup(seat, kTrumpGroup);
    }
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::LeadForPartnerAce(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || trickNumber > 4 || !IsSeatToMoveAbove5() || IsSoloGame() ||
        GetTrickPosition(seat) == GetSeatCount() || !CanBeatWithGroup(card) ||
        TrumpCount(seat) == 0)
        return false;
    const SeatBlock& block = seats[seat];
    int oneAce = 0;
    int bothAces = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == gameType.trumpSuit)
            continue;
        const int aces = CopiesInRankMask(block.aceMask, suit);
        if (aces == 1 && IsGroupEndangered(suit))
            ++oneAce;
        if (aces == 2)
            ++bothAces;
    }
    if (oneAce == 0)
        return false;
    const bool toPartner = DoesTrickGoToPartner();
    if (toPartner && IsTrickSafeForPartner())
        return false;
    if (HasWinningTopCard(kTrumpGroup) && (oneAce >= 2 || bothAces > 0))
        return PlayHighestOfGroup(seat, kTrumpGroup);
    if (toPartner && IsTrump(card) && RateCardRole(card) == 3)
        return false;
    const int held = TrumpCount(seat);
    if (held > 1 && TopTrump(seat) == kHeartTen && IsHeartTenTop(&gameType) &&
        !IsPartyKnown(seat) && TrumpAt(seat, held - 2) == kEichelOber)
        return PlaySecondHighestOfGroup(seat, kTrumpGroup);
    return PlayTopTrumpIfHigh(seat, card);
}

bool ComputerPlayer::PlayTrumpForPartner(int seat) {
    if (!IsSeat(seat) || seats[seat].profile < 6 || IsSoloGame() || !IsPartyKnown(seat) ||
        TrumpCount(seat) == 0)
        return false;
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    const bool acesGone = CopiesInRankMask(block.aceMask, kSuitSchellen) +
                              CopiesInRankMask(playedMasks[kRankAce], kSuitSchellen) ==
                          copies;
    const bool tensGone = CopiesInRankMask(block.tenMask, kSuitSchellen) +
                              CopiesInRankMask(playedMasks[kRankTen], kSuitSchellen) ==
                          copies;
    if (acesGone && tensGone)
        return false;
    const int partner = moverPartners[0];
    if (!IsSeat(partner) || !MayStillTrump(partner) ||
        CountSureTricksInGroup(seat, kTrumpGroup) <= 0)
        return false;
    const int top = TopTrump(seat);
    if (trickNumber >= 3 && trickNumber - 2 < kTrickCount) {
        const TrickRecord& previous = tricks[trickNumber - 2];
        const int led = previous.cards[seat];
        if (previous.leader == seat && IsTrump(led) && IsCardHigher(led, top))
            return false;
    }
    if (SecondHeartTenWins() && IsHeartTenTop(&gameType) && !IsCardPlayed(kHeartTen, false) &&
        top == kHeartTen)
        return false;
    return PlayHighestOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::PlayHighTrumpOver(int seat, int card, bool allowMaster) {
    if (!IsCardArgument(card))
        return false;
    const int held = TrumpCount(seat);
    int found = -1;
    for (int k = 0; k < held && found == -1; ++k) {
        const int trump = TrumpAt(seat, k);
        if (RateCardRole(trump) == 3 && Beats(trump, card) &&
            (trump != kHeartTen || IsHeartTenSafe(seat, kHeartTen)))
            found = k;
    }
    if (found == -1)
        return false;
    if (!IsSoloGame() && IsSeatToMoveAbove5() && found + 1 < held) {
        const int toTop = held - found;
        if (toTop >= 2 && toTop <= 4 && TrumpAt(seat, found + 1) == kHerzOber)
            ++found;
        else if (toTop >= 5 && toTop <= 8)
            ++found;
    }
    if (!allowMaster && IsMaster(seat, TrumpAt(seat, found)))
        return false;
    return PlayTrumpAt(seat, found, kReasonHighTrump);
}

// The place (k from the lowest) of the trump the pair walk chooses, or -1.
int ComputerPlayer::FindPairTrump(int seat, int card, bool pairMode) {
    const int held = TrumpCount(seat);
    const bool declaring = seats[seat].inDeclarerParty != 0;
    auto qualifies = [&](int trump) { return RateCardRole(trump) == 3 && Beats(trump, card); };
    int remembered = -1;
    for (int k = held - 1; k >= 0; --k) {
        const int trump = TrumpAt(seat, k);
        bool goesOn = false;
        bool chooseItself = false;
        if (qualifies(trump)) {
            const bool pairCard = trump == kHeartTen || trump == kEichelOber;
            if (pairMode) {
                goesOn = IsMaster(seat, trump);
            } else if (declaring) {
                if (pairCard) {
                    goesOn = true;
                    remembered = CountHigherCardsOut(seat, kEichelOber);
                } else {
                    goesOn = remembered != -1 && CountHigherCardsOut(seat, trump) == remembered;
                }
            } else {
                goesOn = pairCard;
                chooseItself = !pairCard;
            }
        }
        if (goesOn)
            continue;
        if (chooseItself)
            return k;
        if (k + 1 < held)
            return k + 1;
        return qualifies(trump) ? k : -1;
    }
    return -1;
}

bool ComputerPlayer::PlayHighTrumpPair(int seat, int card, bool pairMode) {
    if (!IsCardArgument(card))
        return false;
    if (TrumpCount(seat) <= 1 || (pairMode && !IsHeartTenSafe(seat, kHeartTen)))
        return PlayTopTrumpIfHigh(seat, card);
    const int k = FindPairTrump(seat, card, pairMode);
    if (k == -1)
        return false;
    const int chosen = TrumpAt(seat, k);
    if (!IsHeartTenSafe(seat, kHeartTen) && chosen == kHeartTen)
        return PlayTopTrumpIfHigh(seat, card);
    return PlayCardIfHeld(seat, chosen, kReasonHighTrump);
}

bool ComputerPlayer::PlayTopTrumpIfHigh(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    const int held = TrumpCount(seat);
    if (held == 0 || RateCardRole(TopTrump(seat)) != 3)
        return false;
    int k = held - 1;
    if (TopTrump(seat) == kHeartTen && !IsHeartTenSafe(seat, kHeartTen)) {
        for (--k; k >= 0 && RateCardRole(TrumpAt(seat, k)) != 3; --k) {
        }
        if (k < 0)
            return false;
    }
    if (IsTrump(card) && IsCardHigher(card, TrumpAt(seat, k)))
        return false;
    return PlayTrumpAt(seat, k, kReasonHighTrump);
}

bool ComputerPlayer::PlayMiddleTrump(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    if (HasMoreHighTrumps(seat) && PlayHighTrumpOver(seat, card, true))
        return true;
    const bool anyTrump = !IsTrump(card);
    for (int k = 0; k < TrumpCount(seat); ++k) {
        const int trump = TrumpAt(seat, k);
        if (RateCardRole(trump) == 2 && (anyTrump || Beats(trump, card)))
            return PlayTrumpAt(seat, k, kReasonMiddleClass);
    }
    return false;
}

bool ComputerPlayer::PlayTrumpInEndgame(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    const int mover = seatToMove;
    if (!IsSeat(mover) || trickNumber < GetEndgameTrick() - 2 || seats[mover].profile < 6 ||
        IsSoloGame())
        return false;
    const int partner = moverPartners[0];
    int count = IsSeat(partner) ? GetSuitCount(partner, kTrumpGroup) : -1;
    if (count == -1 && seats[mover].profile < 8 && IsSeat(partner))
        count = EstimateSuitMaximum(partner, kTrumpGroup);
    if (count == -1)
        return PlayMiddleTrump(mover, card) || PlayTopTrumpIfHigh(seat, card);
    if (count + 2 >= CountTricksLeft() && CountTopTrumpPlaces(partner) >= 2)
        return PlayTopTrumpIfHigh(seat, card) || PlayMiddleTrump(mover, card);
    return PlayMiddleTrump(mover, card) || PlayTopTrumpIfHigh(seat, card);
}

bool ComputerPlayer::PlaySmallTrumpCheap(int seat, bool anyPoints) {
    for (int k = 0; k < TrumpCount(seat); ++k) {
        const int trump = TrumpAt(seat, k);
        if (RateCardRole(trump) != 1)
            return false;
        if (IsSpecialCard(trump))
            continue;
        if (anyPoints || GetCardPoints(trump) < 10)
            return PlayTrumpAt(seat, k, kReasonSmallTrump);
    }
    return false;
}

// The rules that decide whether and with which trump a seat takes a trick: trumping a plain
// trick, over-trumping, taking an early trick to lead Aces next, and playing the trump suit's
// cards by their value. Most of the thinking is about the double-deck normal game (the Heart
// Ten on top, two copies of every card); the same rules serve the single-copy lines, which
// they tell apart by GetLineGameKind and HasTwoCopies.
#include "engine/ComputerPlayer.h"

namespace {

constexpr int kReasonByValue = 29;
constexpr int kReasonTrumpToWin = 30;
constexpr int kReasonForAces = 40;
constexpr int kReasonUnderRisk = 56;
constexpr int kHerzOber = 13;

} // namespace

bool ComputerPlayer::PlayTrumpSuitByValue(int seat, bool flag) {
    if (!IsSeat(seat))
        return false;
    const int trumpSuit = gameType.trumpSuit;
    auto fallBack = [&] {
        return PlayHeartTenWithTwoTrumps(seat) || PlayLowOfGroup(seat, kTrumpGroup);
    };
    if (trumpSuit == kNoTrumpSuit || trumpSuit < 0 || trumpSuit > 3)
        return fallBack();
    const int held = TrumpCount(seat);
    if (GameBits(gameType.word) == kWordPureSuitSolo) {
        const int sure = CountSureTricksInGroup(seat, kTrumpGroup);
        if (sure == 1 && held == 2 && PlayTopTrumpFirstCopy(seat))
            return true;
        if (sure > 1 || GetCardPoints(TopTrump(seat)) < 10 || held >= 3)
            return PlayLowOfGroup(seat, kTrumpGroup);
    }
    // The Ace stays back while the seat may show both Aces of Schellen, or when the partner
    // holds the special pair above it.
    const bool keepAce = CanShowDiamondAces(seat) || !flag ||
                         (specialPairSeat != -1 && specialPairSeat == moverPartners[0]);
    int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    int length = 0;
    GetTrumpRanks(gameType.word, ranks, &length);
    const bool heartTenTop = IsHeartTenTop(&gameType);
    for (int step = keepAce ? 7 : 8; step >= GetLowestRankStep(); --step) {
        const int card = trumpSuit * 8 + step;
        if (IsRankInTrumpList(card, ranks) || (card == kHeartTen && heartTenTop))
            continue;
        for (int k = 0; k < held; ++k)
            if (TrumpAt(seat, k) == card)
                return PlayCardIfHeld(seat, card, kReasonByValue);
    }
    return fallBack();
}

bool ComputerPlayer::PlayHeartTenWithTwoTrumps(int seat) {
    if (TrumpCount(seat) != 2 || !SecondHeartTenWins() || !IsHeartTenTop(&gameType) ||
        CopiesInRankMask(seats[seat].tenMask, kSuitHerz) == 0 || IsCardPlayed(kHeartTen, false))
        return false;
    const int position = GetTrickPosition(seat);
    if (position == 4 || (position == 3 && !IsGroupEndangered(kTrumpGroup)))
        return PlayHighestOfGroup(seat, kTrumpGroup);
    return false;
}

// The seats still to play may hold trumps above the seat's: the cheapest trump that beats the
// card, holding special cards back, or a high one from a strong seat.
bool ComputerPlayer::TrumpToWinInDanger(int seat, int card) {
    const int ledGroup = IsSeat(leader) ? GetSuitGroup(trickCards[leader]) : kTrumpGroup;
    const bool ledCalm = ledGroup == kTrumpGroup || !IsGroupEndangered(ledGroup);
    int special = 0;
    if (GetTrickSpecialPoints(&special)) {
        const bool topWins = HasWinningTopCard(kTrumpGroup);
        if (topWins && ledCalm && OverplayWithSureWinner(seat, kTrumpGroup, card))
            return true;
        if (!topWins && seats[seat].profile >= 6 && IsTrickWorthContesting(nullptr, nullptr) &&
            ledCalm && PlayHighestOfGroup(seat, kTrumpGroup))
            return true;
    }
    const int held = TrumpCount(seat);
    const bool heartTenTop = IsHeartTenTop(&gameType);
    int passed = 0; // the last special card passed over
    for (int k = 0; k < held; ++k) {
        const int trump = TrumpAt(seat, k);
        const int rank = RankCodeOf(trump);
        if (!Beats(trump, card))
            continue;
        if ((rank == kRankAce || rank == kRankTen || rank == kRankKing) &&
            !(trump == kHeartTen && heartTenTop))
            continue;
        if (IsSpecialCard(trump)) {
            passed = trump;
            continue;
        }
        if (passed != 0 && PointsSoFar() == 0 &&
            (held >= 3 || (held == 2 && IsCardPlayed(trump, false))))
            return PlayCardIfHeld(seat, passed, kReasonTrumpToWin);
        if (IsSeatToMoveAbove5() && PointsSoFar() >= ScaleCardCount(10) && !IsSoloGame() &&
            TrumpToWinStrongSeat(seat, card))
            return true;
        if (trump == kHeartTen && heartTenTop && SecondHeartTenWins() &&
            !IsCardPlayed(kHeartTen, false) && passed != 0)
            return PlayCardIfHeld(seat, passed, kReasonTrumpToWin);
        return PlayTrumpAt(seat, k, kReasonTrumpToWin);
    }
    return false;
}

// A seat with several trumps above the Ober of Schellen takes a rich trick high.
bool ComputerPlayer::TrumpToWinStrongSeat(int seat, int card) {
    const int mover = seatToMove;
    const int ledGroup = IsSeat(leader) ? GetSuitGroup(trickCards[leader]) : kTrumpGroup;
    if (IsGroupEndangered(ledGroup) && CountPlayedInGroup(ledGroup) <= 2 && IsSeatToMoveAbove15())
        return false;
    const int high = CountHigherInHand(seat, kSchellenOber);
    const int points = PointsSoFar();
    const bool two = HasTwoCopies();
    const int position = GetTrickPosition(seat);
    const int partner = moverPartners[0];
    auto highestIfMaster = [&] {
        return points >= 10 && HasWinningTopCard(kTrumpGroup) &&
               PlayHighestOfGroup(mover, kTrumpGroup);
    };
    if (position == 2 && IsPartyKnown(seat) && (partner == -1 || partner == leader)) {
        if (two)
            return high >= 3 && PlayTopTrumpIfHigh(mover, card);
        if (high >= 2 && PlayTopTrumpIfHigh(mover, card))
            return true;
        return highestIfMaster();
    }
    if (position == 3) {
        if (two) {
            if (high < 3)
                return false;
            return (points >= 15 && PlayTopTrumpIfHigh(mover, card)) ||
                   PlayHighTrumpOver(seat, card, true);
        }
        if (high >= 2 && ((points >= 8 && PlayTopTrumpIfHigh(mover, card)) ||
                          PlayHighTrumpOver(seat, card, true)))
            return true;
        return highestIfMaster();
    }
    return false;
}

// Nobody after the seat can take the trick from a trump, or the trumps are not in danger: the
// trump suit's card of the most points that wins, else the cheapest trump that beats the card.
bool ComputerPlayer::TrumpToWinByValue(int seat, int card) {
    const bool keepAce = CanShowDiamondAces(seat) || seat == diamondAcesSeat;
    const int trumpSuit = gameType.trumpSuit;
    const bool cardIsTrump = IsTrump(card);
    if (trumpSuit >= 0 && trumpSuit < 4 && GameBits(gameType.word) != kWordPureSuitSolo) {
        int ranks[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
        int length = 0;
        GetTrumpRanks(gameType.word, ranks, &length);
        for (int step = keepAce ? 7 : 8; step >= GetLowestRankStep(); --step) {
            const int x = trumpSuit * 8 + step;
            if (cardIsTrump && !Beats(x, card))
                break;
            if (IsRankInTrumpList(x, ranks) || (x == kHeartTen && IsHeartTenTop(&gameType)) ||
                (IsSeatToMoveAbove15() && IsMaster(seat, x)))
                continue;
            for (int k = 0; k < TrumpCount(seat); ++k)
                if (TrumpAt(seat, k) == x)
                    return PlayTrumpAt(seat, k, kReasonByValue);
        }
    }
    return false;
}

bool ComputerPlayer::TrumpToWin(int seat, int card, bool flag) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || !CanBeatWithGroup(card) || TrumpCount(seat) == 0)
        return false;
    if (IsOpponentStillToPlay() && IsGroupEndangered(kTrumpGroup))
        return TrumpToWinInDanger(seat, card);
    if (TrumpToWinByValue(seat, card))
        return true;
    const bool keepAce = CanShowDiamondAces(seat) || seat == diamondAcesSeat;
    int special = 0;
    const int points = PointsSoFar();
    bool rich = GetTrickSpecialPoints(&special) || points >= ScaleCardCount(9) || flag;
    if (!rich && !playForPartner && IsSeatToMoveAbove5()) {
        if (GetTrickPosition(seat) != 4)
            rich = IsPartyStrongInTrumps();
        else if (points > 5 &&
                 (CountHigherCardsOut(seat, card) > 2 || points > 8 || IsAnnouncedByParty(seat)))
            rich = IsPartyStrongInTrumps();
    }
    const int held = TrumpCount(seat);
    bool aceKept = false;
    for (int k = 0; k < held; ++k) {
        const int trump = TrumpAt(seat, k);
        if (!Beats(trump, card))
            continue;
        if (trump == kSchellenAce && keepAce) {
            aceKept = true;
            continue;
        }
        if (rich || IsSoloGame() || (trump != kEichelOber && !IsMaster(seat, trump)) || held <= 2 ||
            CountSureTricksInGroup(seat, kTrumpGroup) > 1)
            return PlayTrumpAt(seat, k, kReasonTrumpToWin);
    }
    return aceKept && PlayCardIfHeld(seat, kSchellenAce, kReasonTrumpToWin);
}

bool ComputerPlayer::TrumpToWinPlain(int seat, int card) {
    return TrumpToWin(seat, card, false);
}

// The trump play of the normal game when the seat can take the trick: with many Obers it
// over-trumps, unless the special cards still out make the last trick worth keeping a trump
// for. Answers whether it played; lowestIsTen tells the later steps that the seat's lowest
// trump is a Ten.
bool ComputerPlayer::FollowInTrumpMain(int seat, int card, bool* lowestIsTen) {
    const SeatBlock& block = seats[seat];
    const int copies = HasTwoCopies() ? 2 : 1;
    const bool acesSettled = !DiamondAceLastTrickScores() ||
                             CopiesInRankMask(block.aceMask, kSuitSchellen) +
                                     CopiesInRankMask(playedMasks[kRankAce], kSuitSchellen) ==
                                 copies;
    const bool jacksSettled = !ClubUnterLastTrickScores() ||
                              CopiesInRankMask(block.unterMask, kSuitEichel) +
                                      CopiesInRankMask(playedMasks[kRankUnter], kSuitEichel) ==
                                  copies;
    if (DoesTrickGoToPartner())
        return false;
    const int obers = block.oberCount + CopiesInRankMask(block.tenMask, kSuitHerz);
    if (obers >= 3) {
        if (GetTrickPosition(seatToMove) == 4 && TrumpToWinPlain(seat, card))
            return true;
        // While a last-trick special card is out, a trump above the Unter of Eichel is kept.
        if (!jacksSettled && TrumpToWinPlain(seat, Beats(kEichelUnter, card) ? kEichelUnter : card))
            return true;
        if (jacksSettled && !acesSettled && TrumpToWinPlain(seat, card))
            return true;
    } else {
        const int highJacks = CopiesInRankMask(block.unterMask, kSuitGras) +
                              CopiesInRankMask(block.unterMask, kSuitEichel);
        if (IsCardHigher(card, kHerzUnter) && highJacks + obers >= 4 && TrumpToWinPlain(seat, card))
            return true;
    }
    const int held = TrumpCount(seat);
    if (held >= 2 && RankCodeOf(TrumpAt(seat, 0)) == kRankTen) {
        *lowestIsTen = true;
        for (int k = 1; k < held; ++k) {
            const int trump = TrumpAt(seat, k);
            if (RankCodeOf(trump) == kRankUnter && Beats(trump, card))
                return TrumpToWinPlain(seat, card);
        }
    }
    return false;
}

// When the partner is meant to take the trick: a low trump, a special card or the Ace of
// Schellen for the partner.
bool ComputerPlayer::FollowInTrumpWithPartner(int seat, bool lowestIsTen) {
    const int held = TrumpCount(seat);
    if (DoesTrickGoToPartner() || !playForPartner || held > 6)
        return PlayLowOfGroup(seat, kTrumpGroup);
    const int partner = moverPartners[0];
    if (IsSeatToMoveAbove5()) {
        const int top = IsSeat(partner) ? EstimateTopCard(partner, kTrumpGroup) : 0;
        const int next = NextSeat(seat);
        if ((top == kHeartTen && lowestIsTen) || !IsMaster(seat, top) ||
            (next != partner && EstimateTopCard(next, kTrumpGroup) == top))
            return PlayLowOfGroup(seat, kTrumpGroup);
    }
    int mask = 0;
    if (held <= 4 && ShouldPlaySpecialNow(&mask))
        return PlaySpecialCardOfKind(seat, GetLowestTrump(gameType.trumpSuit, gameType.word),
                                     mask) ||
               PlayLowOfGroup(seat, kTrumpGroup);
    if (CopiesInRankMask(seats[seat].aceMask, kSuitSchellen) > 0 &&
        PlayIfHeldPointLead(seat, kSchellenAce))
        return true;
    return PlayLowOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::FollowInTrumpTail(int seat) {
    if (IsSeatToMoveAbove5() && GetTrickPosition(seat) == 3) {
        const int belief = GetPartyBelief(seat, NextSeat(seat));
        if (belief >= 41 && PlayTrumpSuitByValue(seatToMove, false))
            return true;
        if (TrumpCount(seat) == 2 && !IsSoloGame() && DiamondAceCaughtScores() &&
            IsSpecialCard(TrumpAt(seat, 0)) && belief >= 0 &&
            PlayIfHeldPointLead(seat, kSchellenAce))
            return true;
    }
    return PlayLowOfGroup(seat, kTrumpGroup);
}

bool ComputerPlayer::FollowInTrumpNormalGame(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || TrumpCount(seat) == 0)
        return false;
    const bool highCard =
        (RankCodeOf(card) == kRankOber && IsTrump(card) && card != kSchellenOber) ||
        card == kHeartTen;
    if (IsSoloGame() || highCard || !CanBeatWithGroup(card))
        return FollowInTrumpTail(seat);
    bool lowestIsTen = false;
    if (FollowInTrumpMain(seat, card, &lowestIsTen))
        return true;
    return FollowInTrumpWithPartner(seat, lowestIsTen);
}

bool ComputerPlayer::FollowInTrump(int seat, int card, bool flag) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat))
        return false;
    const int held = TrumpCount(seat);
    if (flag && !playForPartner && !DoesTrickGoToPartner()) {
        if (held == 2) {
            const int lower = TrumpAt(seat, 0);
            const int higher = TrumpAt(seat, 1);
            if (Beats(higher, card) &&
                (CountHigherCardsOut(seat, lower) <= 3 || !IsCardPlayed(higher, false)))
                return PlayHighestOfGroup(seat, kTrumpGroup);
        } else if (held == 3 || held == 4) {
            const int sure = CountSureTricksInGroup(seatToMove, kTrumpGroup);
            if (sure >= 3)
                return PlayHighestOfGroup(seat, kTrumpGroup);
            const int below = TrumpAt(seat, held - 1 - sure);
            const int higher = CountHigherCardsOut(seat, below);
            if (below != 0 && !Beats(below, card) &&
                (higher == sure - 1 || (higher == sure && sure >= 2)))
                return PlayHighestOfGroup(seat, kTrumpGroup);
        }
    }
    return TakeTrickForAces(seat, card) || FollowInTrumpNormalGame(seat, card);
}

bool ComputerPlayer::TakeTrickForAces(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || trickNumber >= 6 || (!contestTrick && DoesTrickGoToPartner()) ||
        TrumpCount(seat) == 0)
        return false;
    int aceSuits = 0;
    for (int suit = 0; suit < 4; ++suit)
        if (suit != gameType.trumpSuit && CopiesInRankMask(seats[seat].aceMask, suit) == 1 &&
            CopiesInRankMask(playedMasks[kRankAce], suit) == 0)
            ++aceSuits;
    const int style = (seats[seatToMove].profile - 1) % 5 + 1;
    if (aceSuits < 2 && (style >= 3 || aceSuits == 0))
        return false;
    if (IsTrump(card)) {
        if (GetTrickPosition(seatToMove) == 4)
            return TrumpToWin(seat, card, true);
        if (!contestTrick)
            return TrumpToWinPlain(seat, card);
        if (!CanBeatWithGroup(card))
            return false;
    } else {
        const int ledGroup = IsSeat(leader) ? GetSuitGroup(trickCards[leader]) : -1;
        if (!contestTrick || ledGroup < 0 || IsGroupEndangered(ledGroup))
            return FollowInTrumpNormalGame(seat, GetLowestTrump(gameType.trumpSuit, gameType.word));
    }
    return TakeTrickForAcesWith(seat, card, aceSuits);
}

// The trump that takes the trick for the Ace leads: near the top with two Ace suits and a sure
// trump trick, else the lowest Ober that is enough.
bool ComputerPlayer::TakeTrickForAcesWith(int seat, int card, int aceSuits) {
    const SeatBlock& block = seats[seat];
    const int held = TrumpCount(seat);
    const int top = TopTrump(seat);
    const bool heartTenTop = IsHeartTenTop(&gameType);
    int i = held - 1;
    if (top == kHeartTen && heartTenTop && SecondHeartTenWins() &&
        !IsCardPlayed(kHeartTen, false) && held >= 2)
        --i;
    const bool cardIsTrump = IsTrump(card);
    if (aceSuits >= 2 && CountSureTricksInGroup(seat, kTrumpGroup) > 0) {
        if (IsSeatToMoveAbove5() && top == kHeartTen && heartTenTop && held >= 2 && !IsSoloGame() &&
            !IsPartyKnown(seat)) {
            if (i >= 1 && TrumpAt(seat, i - 1) == kEichelOber &&
                IsCardPlayed(TrumpAt(seat, i), false))
                --i;
            else if (i >= 2 && CopiesInRankMask(block.tenMask, kSuitHerz) == 2 && held >= 3 &&
                     TrumpAt(seat, i - 2) == kEichelOber)
                i -= 2;
        }
    } else if (!IsSoloGame()) {
        auto lowestOber = [&](int bound) {
            for (int k = 0; k < held; ++k) {
                const int trump = TrumpAt(seat, k);
                if (RankCodeOf(trump) == kRankOber && trump >= bound &&
                    (!cardIsTrump || Beats(trump, card)))
                    return k;
            }
            return -1;
        };
        const int ledGroup = IsSeat(leader) ? GetSuitGroup(trickCards[leader]) : -1;
        int found = -1;
        if (!cardIsTrump && ledGroup >= 0 && CountPlayedInGroup(ledGroup) <= 4) {
            found = lowestOber(0);
        } else {
            const int style = (seats[seatToMove].profile - 1) % 5 + 1;
            int bound = kSchellenOber;
            if (CopiesInRankMask(block.oberMask, kSuitGras) > 0 ||
                CopiesInRankMask(block.oberMask, kSuitEichel) > 0)
                bound = kGrasOber;
            else if (PointsSoFar() >= ScaleCardCount(10) || style >= 3)
                bound = kHerzOber;
            found = lowestOber(bound);
        }
        if (found != -1)
            i = found;
    }
    if (i < 0 || (cardIsTrump && !Beats(TrumpAt(seat, i), card)))
        return false;
    return PlayTrumpAt(seat, i, kReasonForAces);
}

bool ComputerPlayer::RuffEndangeredSuit(int seat, int card) {
    if (!IsSeat(seat) || !IsSeat(leader) || seat == leader || !IsCardCode(card))
        return false;
    const int ledGroup = GetSuitGroup(trickCards[leader]);
    if (ledGroup == kTrumpGroup || IsTrump(card) || IsMaster(seat, card) || !contestTrick ||
        !IsGroupEndangered(ledGroup))
        return false;
    if (IsSeatToMoveAbove15() && PlayTrumpSuitByValue(seat, true))
        return true;
    return PlayTrumpOnTrick(seat, card);
}

bool ComputerPlayer::OvertrumpWithFewTrumps(int seat, int card) {
    if (!IsCardArgument(card))
        return false;
    const int held = TrumpCount(seat);
    if (held == 0 || held > 3 || !CanBeatWithGroup(card))
        return false;
    const int sure = CountSureTricksInGroup(seat, kTrumpGroup);
    if (DoesTrickGoToPartner()) {
        if (!IsOpponentStillToPlay() || held - sure > 1 || IsTrickSafeForPartner())
            return false;
        return PlayHighestOfGroup(seat, kTrumpGroup);
    }
    if (held - sure <= 0)
        return PlayHighestOfGroup(seat, kTrumpGroup);
    if (held == 2 && sure == 1)
        return PlayTopTrumpFirstCopy(seat);
    return false;
}

bool ComputerPlayer::TrumpWithPartnerSupport(int seat, int group, int card) {
    if (!IsCardArgument(card))
        return false;
    if (!IsSeat(seat) || seats[seatToMove].profile <= 5 || group != kTrumpGroup ||
        ListedOpponentCount() < 1 || !contestTrick || !IsOpponentStillToPlay() ||
        !CanBeatWithGroup(card) || AreCaughtSpecialsSettled(seat))
        return false;
    int own = 0;
    int partners = 0;
    CountSureTrumpsWithPartner(seat, moverPartners[0], &own, &partners);
    const int position = GetTrickPosition(seatToMove);
    if ((position == 2 || position == 3) && own + partners > 2)
        return TrumpToWinPlain(seat, card);
    return false;
}

bool ComputerPlayer::PlayTrumpOnTrick(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card) || TrumpCount(seat) == 0)
        return false;
    const int group = GetSuitGroup(card);
    const int shown = diamondAcesSeat;
    if (shown != -1 && shown != moverPartners[0] && !IsCardPlayed(kSchellenAce, true) &&
        CountTricksLeft() == 2 && PlaysBefore(shown)) {
        if (group == kTrumpGroup && (TrumpToWinPlain(seat, card) || TryToTakeTrick(seat, card)))
            return true;
        if (PlayHighestOfGroup(seat, kTrumpGroup))
            return true;
    }
    const bool toPartner = DoesTrickGoToPartner();
    if (!toPartner && group == kTrumpGroup)
        return TrumpToWinPlain(seatToMove, card) || PlayLowOfGroup(seat, kTrumpGroup);
    const int position = GetTrickPosition(seat);
    const int after = GetSeatCount() - position == 0 ? 1 : GetSeatCount() - position;
    const int out = CountGroupOut(group);
    const int played = CountPlayedInGroup(group);
    const bool last = position == GetSeatCount();
    // Early in the suit, while enough cards are out for every seat after this one to follow.
    if (played <= 2 || static_cast<float>(out) / static_cast<float>(after) > 2.01f) {
        if (contestTrick && !(played <= position && IsSeatToMoveAbove5()) &&
            PlayLowOfGroup(seat, kTrumpGroup))
            return true;
        int mask = 0;
        if (ShouldPlaySpecialNow(&mask) &&
            PlaySpecialCardOfKind(seat, GetLowestTrump(gameType.trumpSuit, gameType.word), mask))
            return true;
        return PlayTrumpSuitByValue(seat, true);
    }
    const bool plain = group != kTrumpGroup;
    if (plain && IsSeatToMoveAbove5() && position == GetSeatCount() - 1 && IsPartnerStillToPlay() &&
        PlayTrumpSuitByValue(seat, true))
        return true;
    if (toPartner && plain && contestTrick && IsSeatToMoveAbove5() &&
        (out == 0 || !IsGroupEndangered(group))) {
        const int points = PointsSoFar();
        if (position == 2 && points >= 10 &&
            (PlayHighTrumpOver(seat, card, true) || LeadMiddleTrump(seat, true, false)))
            return true;
        if (position == 3 && points >= ScaleCardCount(15) && PlayHighTrumpOver(seat, card, true))
            return true;
    }
    if (IsSeatToMoveAbove15() && last && PlayTrumpSuitByValue(seat, true))
        return true;
    if (LeadMiddleTrump(seat, false, true))
        return true;
    if (!last && !IsPartnerStillToPlay() && CountGroupOut(kTrumpGroup) == 1 &&
        !IsGroupEndangered(kTrumpGroup) && !HasWinningTopCard(kTrumpGroup)) {
        if (GetLineGameKind() == 0 && PlayTrumpSuitByValue(seat, false))
            return true;
        if (PlayTrumpSuitByValue(seat, true))
            return true;
    }
    return PlayTrumpOnTrickByDryRun(seat, card);
}

// Asks the low-trump play in a dry run of its own, then plays its card unless that card is
// worth 10 points or more: then a high trump over the card, or nothing. Inside an outer dry
// run the replay only records the choice as well.
bool ComputerPlayer::PlayTrumpOnTrickByDryRun(int seat, int card) {
    const int mover = seatToMove;
    const std::int16_t savedIndex = dryRunIndex;
    const std::int16_t savedReason = dryRunReason;
    const std::int16_t mode = BeginDryRun();
    dryRunIndex = -1;
    dryRunReason = -1;
    const bool chosen = PlayLowOfGroup(seat, kTrumpGroup);
    const int low = trickCards[mover];
    const int place = dryRunIndex;
    const int reason = dryRunReason;
    EndDryRun(mover, mode);
    dryRunIndex = savedIndex;
    dryRunReason = savedReason;
    if (!chosen || !IsCardCode(low))
        return false;
    if (GetCardPoints(low) >= 10)
        return PlayHighTrumpOver(seat, card, PointsSoFar() > ScaleCardCount(15));
    return PlayRuleCard(mover, place, reason);
}

bool ComputerPlayer::PlayTrumpUnderRisk(int seat, int card) {
    if (!IsSeat(seat) || !IsSeat(leader) || seat == leader || !IsSeatToMoveAbove15() ||
        !IsCardCode(card))
        return false;
    const int ledGroup = GetSuitGroup(trickCards[leader]);
    if (ledGroup == kTrumpGroup)
        return false;
    const int cardGroup = GetSuitGroup(card);
    const bool same = cardGroup == ledGroup;
    if ((!same && !CanBeatWithGroup(card)) || IsTrickSafeForPartner())
        return false;
    const bool danger = GetTrickPosition(seatToMove) == GetSeatCount() ||
                        IsGroupEndangered(ledGroup) || (!same && !IsGroupEndangered(cardGroup));
    const int n = TrumpCount(seat);
    if (n == 0)
        return false;
    const int top = TopTrump(seat);
    const int h = CountHigherCardsOut(seat, top);
    const int h2 = n >= 2 ? CountHigherCardsOut(seat, TrumpAt(seat, n - 2)) : 0;
    const bool two = HasTwoCopies();
    const int kind = GetLineGameKind();
    bool tail = false;
    if (n == 1) {
        if (h >= 2)
            return PlayTrumpAt(seat, 0, kReasonUnderRisk);
        tail = h == 1 || (two && !IsCardPlayed(top, false));
    } else if (n == 2 && !two && (kind == 0 || kind == 2)) {
        const int lower = GetCardPoints(TrumpAt(seat, 0));
        tail = h == 0 || (h == 1 && lower >= 4) || (h == 2 && lower > 4) || h >= 3;
    } else if (n == 2 && !two) {
        tail = h == 0 || h >= 3;
    } else if (n <= 3) {
        if (kind != 0)
            tail = h > 3;
        else
            tail = h > 2 && (same || h != 3);
    } else {
        tail = h > 3 && h2 > 4;
    }
    return tail && PlayTrumpUnderRiskTail(seat, card, same, danger, n);
}

bool ComputerPlayer::PlayTrumpUnderRiskTail(int seat, int card, bool same, bool danger,
                                            int trumps) {
    if (!same) {
        if (trumps == 1 && HasWinningTopCard(kTrumpGroup))
            return false;
        return TrumpToWin(seat, card, true);
    }
    if (GetLineGameKind() != 0 && PlayMiddleTrump(seat, card))
        return true;
    return danger && PlayTrumpSuitByValue(seat, true);
}

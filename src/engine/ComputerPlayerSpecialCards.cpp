// The cards whose fate scores extra points, and the cards that tell a seat's party: the Fox
// (the trump suit's Ace) and the Unter of Eichel, caught by the opponents or winning the last
// trick; both Aces of Schellen and both copies of the special top card, which a seat may show
// to lift them over every trump; the Ober of Eichel that marks the declaring party, and the
// Ace of Schellen played to the partner as a sign.
#include "engine/ComputerPlayer.h"

#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kReasonSpecial = 28;
constexpr int kReasonClubQueen = 34;
constexpr int kReasonDiamondAceSign = 43;

} // namespace

int ComputerPlayer::HeldCopies(int seat, int card) {
    if (!IsSeat(seat))
        return 0;
    int count = 0;
    for (int p = 0; p < CountHandPlaces(); ++p)
        count += seats[seat].hand[p] == card ? 1 : 0;
    return count;
}

int ComputerPlayer::PlayedCopies(int card) {
    if (!IsCardCode(card))
        return 0;
    return CopiesInRankMask(playedMasks[RankCodeOf(card)], SuitOf(card));
}

int ComputerPlayer::TrumpSuitAce() {
    const int suit = gameType.trumpSuit;
    if (suit < 0 || suit > 3)
        return 0;
    const int ace = CardOfRank(suit, kRankAce);
    return IsTrump(ace) ? ace : 0;
}

bool ComputerPlayer::IsSpecialCard(int card) {
    if (!IsCardCode(card) || IsSoloGame())
        return false;
    const int fox = TrumpSuitAce();
    if (card == fox && fox != 0 && (DiamondAceCaughtScores() || DiamondAceLastTrickScores()))
        return true;
    return card == kEichelUnter && (ClubUnterCaughtScores() || ClubUnterLastTrickScores());
}

bool ComputerPlayer::GetHeldSpecials(int* mask) {
    int value = 0;
    const int mover = seatToMove;
    if (IsSeat(mover) && !IsSoloGame()) {
        const int fox = TrumpSuitAce();
        if (fox != 0 && HeldCopies(mover, fox) > 0) {
            value |= DiamondAceCaughtScores() ? 1 : 0;
            value |= DiamondAceLastTrickScores() ? 2 : 0;
        }
        if (HeldCopies(mover, kEichelUnter) > 0) {
            value |= ClubUnterLastTrickScores() ? 4 : 0;
            value |= ClubUnterCaughtScores() ? 8 : 0;
        }
    }
    if (mask)
        *mask = value;
    return value != 0;
}

bool ComputerPlayer::GetTrickSpecialPoints(int* value) {
    int result = 0;
    const int fox = TrumpSuitAce();
    for (int s = leader, n = 0;
         IsSeat(s) && IsSeat(leader) && s != seatToMove && n < GetSeatCount();
         s = NextSeat(s), ++n) {
        const int card = trickCards[s];
        if (card == 0)
            continue;
        if (fox != 0 && card == fox && DiamondAceCaughtScores())
            result += 1;
        if (card == kEichelUnter && ClubUnterCaughtScores())
            result += 8;
    }
    if (PointsSoFar() >= 30)
        result += 16;
    if (value)
        *value = result;
    return result != 0;
}

bool ComputerPlayer::AreSpecialsSettled(int seat, bool foxScores, bool unterScores) {
    if (IsSoloGame())
        return true;
    const int copies = HasTwoCopies() ? 2 : 1;
    const int fox = TrumpSuitAce();
    if (foxScores && fox != 0 && HeldCopies(seat, fox) + PlayedCopies(fox) < copies)
        return false;
    if (unterScores)
        return HeldCopies(seatToMove, kEichelUnter) + PlayedCopies(kEichelUnter) >= copies;
    return true;
}

bool ComputerPlayer::AreCaughtSpecialsSettled(int seat) {
    return AreSpecialsSettled(seat, DiamondAceCaughtScores(), ClubUnterCaughtScores());
}

bool ComputerPlayer::AreLastTrickSpecialsSettled(int seat) {
    return AreSpecialsSettled(seat, DiamondAceLastTrickScores(), ClubUnterLastTrickScores());
}

bool ComputerPlayer::IsTrickWorthContesting(const void*, const void*) {
    if (!DoesTrickGoToPartner())
        return true;
    return IsOpponentStillToPlay() && contestTrick != 0;
}

bool ComputerPlayer::ShouldPlaySpecialNow(int* mask) {
    if (!GetHeldSpecials(mask))
        return false;
    const int free = CountFreeTrumps();
    if (free >= 4)
        return false;
    const int held = mask ? *mask : 0;
    const bool acesTop = rules && rules->diamondAcesTop != 0;
    if ((held & 1) != 0 && diamondAcesSeat == -1 &&
        (!acesTop || HeldCopies(seatToMove, kSchellenAce) < 2))
        return MayBeOvertrumped(TrumpSuitAce(), free);
    // The Unter of Eichel is judged by the Unter of Gras: whether that one may be overtrumped.
    if ((held & 8) != 0)
        return MayBeOvertrumped(kGrasUnter, free);
    return false;
}

int ComputerPlayer::GetFoxCard(int mask) {
    const int bits = mask & 3;
    return bits == 1 || bits == 3 ? TrumpSuitAce() : 0;
}

int ComputerPlayer::GetClubUnterCard(int mask) {
    const int bits = mask & 12;
    return bits == 8 || bits == 12 ? kEichelUnter : 0;
}

int ComputerPlayer::GetSpecialCard(int mask) {
    const int fox = GetFoxCard(mask);
    return fox != 0 ? fox : GetClubUnterCard(mask);
}

bool ComputerPlayer::PlaySpecialCard(int seat, int mask) {
    if ((mask & 3) != 0) {
        const int fox = TrumpSuitAce();
        return fox != 0 && PlayCardIfHeld(seat, fox, kReasonSpecial);
    }
    if ((mask & 12) != 0)
        return PlayCardIfHeld(seat, kEichelUnter, kReasonSpecial);
    return false;
}

bool ComputerPlayer::PlaySpecialCardOver(int seat, int mask, int card) {
    const int fox = TrumpSuitAce();
    if ((mask & 3) != 0 && fox != 0 && Beats(fox, card))
        return PlayCardIfHeld(seat, fox, kReasonSpecial);
    if ((mask & 12) != 0 && Beats(kEichelUnter, card))
        return PlayCardIfHeld(seat, kEichelUnter, kReasonSpecial);
    return false;
}

bool ComputerPlayer::PlaySpecialCardOfKind(int seat, int card, int mask) {
    const int fox = GetFoxCard(mask);
    if (fox != 0 && Beats(fox, card))
        return PlayCardIfHeld(seat, fox, kReasonSpecial);
    const int unter = GetClubUnterCard(mask);
    if (unter != 0 && Beats(unter, card))
        return PlayCardIfHeld(seat, unter, kReasonSpecial);
    return false;
}

bool ComputerPlayer::MayShowPairNow(int seat) {
    if (seat == leader)
        return true;
    if (!IsSeat(leader) || !IsCardCode(trickCards[leader]))
        return false;
    const bool trumpLed = IsTrump(trickCards[leader]);
    return trumpLed ? CanFollowSuit(seatToMove) : CannotFollowSuit(seatToMove);
}

bool ComputerPlayer::CanShowDiamondAces(int seat) {
    if (!rules || rules->diamondAcesTop == 0 || IsSoloGame() || HeldCopies(seat, kSchellenAce) < 2)
        return false;
    return MayShowPairNow(seat);
}

bool ComputerPlayer::CanShowSpecialPair(int seat) {
    if (!rules || rules->specialPairTop == 0 || diamondAcesSeat == -1 || IsSoloGame() ||
        !IsSeat(seat))
        return false;
    int held = 0;
    for (int p = 0; p < GetHandCapacity() && p < kHandPlaces; ++p)
        held += seats[seat].hand[p] == GetSpecialTopCard() ? 1 : 0;
    return held == 2 && MayShowPairNow(seat);
}

bool ComputerPlayer::ShouldShowPair(int seat, bool canShow) {
    if (!canShow || IsTrickSafeForPartner())
        return false;
    if (DoesTrickGoToPartner() && !IsOpponentStillToPlay())
        return false;
    const bool late = trickNumber >= (IsShortDeck() ? 7 : 10);
    if (seat == leader)
        return late;
    const int points = PointsSoFar();
    const bool fourth = GetTrickPosition(seat) == 4;
    if (IsTrump(trickCards[leader])) {
        if (CanBeatWithGroup(GetBestCardSoFar()) && fourth)
            return late;
        return points >= (trickNumber <= 6 ? 18 : 14);
    }
    if (fourth)
        return late;
    return points >= (trickNumber <= 6 ? 18 : 15);
}

bool ComputerPlayer::ShouldShowDiamondAces(int seat) {
    return ShouldShowPair(seat, CanShowDiamondAces(seat));
}

bool ComputerPlayer::ShouldShowSpecialPair(int seat) {
    return ShouldShowPair(seat, CanShowSpecialPair(seat));
}

bool ComputerPlayer::LeadClubQueenToShowParty(int seat) {
    if (!IsSeat(seat) || announceDeferred[seat] != -1 || HeldCopies(seat, kEichelOber) == 0 ||
        IsPartyKnown(seat) || trickNumber >= GetEndgameTrick() || !IsMaster(seat, kEichelOber))
        return false;
    for (int k = TrumpCount(seat) - 1; k >= 0; --k)
        if (TrumpAt(seat, k) == kEichelOber)
            return PlayTrumpAt(seat, k, kReasonClubQueen);
    return false;
}

bool ComputerPlayer::FollowWithClubQueen(int seat, int card) {
    if (!IsSeat(seat) || HeldCopies(seat, kEichelOber) == 0 || IsPartyKnown(seat) ||
        trickNumber >= GetEndgameTrick() || !Beats(kEichelOber, card))
        return false;
    const int out = CountGroupOut(kTrumpGroup);
    // With no trump out the ratio stands above every bound.
    const double r =
        out > 0 ? static_cast<double>(TrumpCount(seat)) / static_cast<double>(out) : 1.0e9;
    if (r > 0.25) {
        int q = HeldCopies(seat, CardOfRank(kSuitHerz, kRankOber)) + HeldCopies(seat, kGrasOber) +
                HeldCopies(seat, kEichelOber);
        if (IsHeartTenTop(&gameType))
            q += HeldCopies(seat, kHeartTen);
        if (q < 2)
            return false;
        if (GetTrickPosition(seat) == 4 && r < 0.42)
            return false;
        if (r >= 0.34) {
            if (DoesTrickGoToPartner() || IsOpponentStillToPlay() || playForPartner != 0)
                return false;
            return PlayCardIfHeld(seat, kEichelOber, kReasonClubQueen);
        }
    }
    int mask = 0;
    if (GetHeldSpecials(&mask) || TrumpCount(seat) <= 2)
        return PlayCardIfHeld(seat, kEichelOber, kReasonClubQueen);
    return false;
}

bool ComputerPlayer::ShowDiamondAceToPartner(int seat) {
    if (!IsSeat(seat) || seats[seat].profile < 6 || !DiamondAceCaughtScores() ||
        seats[seat].inDeclarerParty == 0 || HeldCopies(seat, kSchellenAce) == 0 ||
        GameBits(gameType.word) != kWordNormal || trickNumber >= GetEndgameTrick() ||
        !IsMaster(seat, kEichelOber) ||
        PlayedCopies(kEichelOber) + HeldCopies(seat, kEichelOber) == 2 || cardExchanged == 1)
        return false;
    return PlayCardIfHeld(seat, kSchellenAce, kReasonDiamondAceSign);
}

// Hand values of a seat during play: the side cards it must still bring home, and the card
// points its party can expect, which the announcement decisions weigh.
#include "engine/ComputerPlayer.h"

namespace {

// Share of a suit's expected points that a holding of n cards (1 to 5) brings home; Herz,
// the short suit of the double deck, counts only three lengths.
double HoldingFactor(int suit, int cards) {
    static constexpr double kHerz[] = {0.66, 0.5, 0.25};
    static constexpr double kOther[] = {0.9, 0.75, 0.66, 0.5, 0.25};
    if (cards < 1)
        return 0.0;
    if (suit == kSuitHerz)
        return cards <= 3 ? kHerz[cards - 1] : 0.0;
    return cards <= 5 ? kOther[cards - 1] : 0.0;
}

// Adds value x factor to v, truncating the sum toward zero. Products in double: 30 x 0.9 in
// single precision is 26.99999 and would lose a point.
int AddShare(int v, double x, double factor) {
    return static_cast<int>(v + x * factor);
}

} // namespace

int ComputerPlayer::CountSideCards(int seat, int* sideCards) {
    if (sideCards)
        *sideCards = 0;
    if (!IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    int losers = 0;
    for (int suit = 0; suit < 4; ++suit) {
        const int held = block.groupCount[suit];
        if (held <= 0)
            continue;
        if (sideCards)
            *sideCards += held;
        losers += held - block.groupEval[suit][2];
    }
    return losers;
}

int ComputerPlayer::TakeHighPoints(int& aces, int& tens, int& kings) {
    if (aces > 0) {
        --aces;
        return 11;
    }
    if (tens > 0) {
        --tens;
        return 10;
    }
    if (kings > 0) {
        --kings;
        return 4;
    }
    return 2;
}

int ComputerPlayer::RateAnnouncementHand(int seat) {
    if (!IsSeat(seat))
        return 0;
    const SeatBlock& block = seats[seat];
    int v = GetPartyPoints(seat);
    if (block.groupCount[kTrumpGroup] + playedCounts[seat][kTrumpGroup] < 6)
        return v;
    const int trumpSuit = gameType.trumpSuit;
    const bool suitGame = trumpSuit >= 0 && trumpSuit <= 3;
    int aces = suitGame ? CopiesInRankMask(block.aceMask, trumpSuit) : 0;
    int tens = suitGame ? CopiesInRankMask(block.tenMask, trumpSuit) : 0;
    int kings = suitGame ? CopiesInRankMask(block.kingMask, trumpSuit) : 0;

    // Whether the seat can take the current trick and so come to lead.
    bool take = seat == leader;
    const int previous = PreviousSeat(seat);
    if (!take && IsSeat(leader) && IsCardCode(trickCards[previous]) &&
        !IsCardCode(trickCards[seat])) {
        const std::int16_t savedMover = seatToMove;
        seatToMove = static_cast<std::int16_t>(seat);
        const int ledGroup = GetSuitGroup(trickCards[leader]);
        const int best = GetBestCardSoFar();
        if (ledGroup == kTrumpGroup) {
            take = block.groupCount[kTrumpGroup] > 0 && CanBeatWithGroup(best) &&
                   HasWinningTopCard(ledGroup);
        } else if (ledGroup != kSuitHerz) {
            take = IsCardCode(best) && GetSuitGroup(best) == ledGroup &&
                   CountPlayedInGroup(ledGroup) == 0 && CanBeatWithGroup(best) &&
                   ((block.groupCount[ledGroup] == 0 && block.groupCount[kTrumpGroup] > 0) ||
                    HasWinningTopCard(ledGroup));
        }
        seatToMove = savedMover;
    }

    for (int suit = 0; suit < 4; ++suit) {
        if (suit == trumpSuit) {
            v += TrumpBonus(block);
            continue;
        }
        const int held = block.groupCount[suit];
        if (held > 0) {
            const int ownAces = CopiesInRankMask(block.aceMask, suit);
            const int playedAces = CopiesInRankMask(playedMasks[kRankAce], suit);
            if (CountPlayedInGroup(suit) >= 2 || ownAces == 0 ||
                (ownAces + playedAces != 2 && !take))
                continue;
            const int out = CountGroupOut(suit);
            const int x =
                out == 0 ? 0 : static_cast<int>(RateGroupPoints(suit, seat) * 3.0 / out + 11.0);
            const double factor = HoldingFactor(suit, held);
            if (factor > 0.0)
                v = AddShare(v, x, factor);
            continue;
        }
        const int played = CountPlayedInGroup(suit);
        const int bonus = suit == kSuitHerz ? 15 : 20;
        if (played == 0)
            v = AddShare(v, TakeHighPoints(aces, tens, kings) + bonus, 0.9);
        else if (played == 1)
            v = AddShare(v, TakeHighPoints(aces, tens, kings) + bonus, 0.75);
        else if ((played == 3 || played == 4) && suit != kSuitHerz)
            v = AddShare(v, TakeHighPoints(aces, tens, kings) + 20, 0.5);
    }

    const int profile = block.profile;
    const int style = profile >= 1 ? (profile - 1) % 5 : 0;
    if (style == 2)
        return v * 95 / 100;
    if (style >= 3)
        return v * 90 / 100;
    return v;
}

int ComputerPlayer::TrumpBonus(const SeatBlock& block) {
    const int clubObers = CopiesInRankMask(block.oberMask, kSuitEichel);
    const int spadeObers = CopiesInRankMask(block.oberMask, kSuitGras);
    if (IsHeartTenTop(&gameType)) {
        const int heartTens = CopiesInRankMask(block.tenMask, kSuitHerz);
        int bonus = 25 * heartTens;
        if (clubObers > 0 && spadeObers > 0)
            bonus += heartTens > 0 ? 17 : 22;
        else
            bonus += (heartTens > 0 ? 12 : 17) * clubObers;
        return bonus;
    }
    if (clubObers > 0 && spadeObers > 0)
        return 12 * clubObers + 18 * spadeObers;
    return 17 * clubObers + 8 * spadeObers;
}

// Partner analysis before a computer decision, the trump evidence drawn at the end of a trick,
// and the two party figures of card play: the points at risk in the led suit and the points a
// party still needs.
#include "engine/ComputerPlayer.h"

#include "engine/EngineServices.h"

namespace {

int CopiesInMask(std::uint16_t mask, int suit) {
    const unsigned bits = (mask >> (2 * suit)) & 3u;
    return static_cast<int>((bits & 1u) + (bits >> 1));
}

} // namespace

void ComputerPlayer::AnalysePartners(int seat) {
    if (!IsSeat(seat))
        return;
    const std::int16_t savedMover = seatToMove;
    seatToMove = static_cast<std::int16_t>(seat);
    GetPartnersOfMover(moverPartners);
    moverOpponentCount = static_cast<std::int16_t>(GetOpponentsOfMover(moverOpponents));
    GetPartyList(true, firstPartyView);
    GetPartyList(false, secondPartyView);
    // The strongest seats are let see the real parties late in a deal without a declarer, from
    // a trick drawn afresh at every call.
    if (seats[seat].profile > 25 && declarer == -1 && trickNumber >= Random() % 3 + 7) {
        const std::int16_t own = seats[seat].inDeclarerParty;
        int partners = 0;
        int opponents = 0;
        int firstView = 0;
        int secondView = 0;
        moverPartners[0] = moverPartners[1] = -1;
        for (int i = 0; i < 3; ++i)
            moverOpponents[i] = firstPartyView[i] = secondPartyView[i] = -1;
        for (int t = 0; t < kSeatCount; ++t) {
            const auto s = static_cast<std::int16_t>(t);
            if (seats[t].inDeclarerParty == own) {
                if (t != seat && partners < 2)
                    moverPartners[partners++] = s;
            } else if (opponents < 3) {
                moverOpponents[opponents++] = s;
            }
            if (seats[t].inDeclarerParty != 0) {
                if (firstView < 3)
                    firstPartyView[firstView++] = s;
            } else if (secondView < 3) {
                secondPartyView[secondView++] = s;
            }
        }
    }
    seatToMove = savedMover;
    UpdatePlaceRecords();

    const int best = GetBestCardSoFar();
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    int contested = best;
    if (best == 0 || !IsCardCode(led) || GetSuitGroup(best) == GetSuitGroup(led)) {
        playForPartner = ShouldPlayForPartner(best, false) ? 1 : 0;
    } else {
        playForPartner = ShouldPlayForPartner(led, true) ? 1 : 0;
        contested = led;
    }
    contestTrick = ShouldContestTrick(contested) ? 1 : 0;

    for (int t = 0; t < kSeatCount; ++t) {
        int kind = -1;
        int level = -1;
        FindAnnouncement(t, &kind, &level);
        announcedKinds[t] = static_cast<std::int16_t>(kind);
    }

    // Trumps still out above the one the first partner has shown.
    int above = -1;
    const int partner = moverPartners[0];
    const SeatBlock& block = seats[seat];
    if (IsSeatToMoveAbove15() && HasTwoCopies() && partner != -1 && !IsSoloGame() &&
        block.inDeclarerParty != 0) {
        const TrumpEvidence& shown = announceRecords[partner].trumpEvidence;
        const int card = shown.shownCard;
        if (IsCardCode(card)) {
            if (shown.shownBoth == 0 && !IsCardPlayed(card, false)) {
                above = CountHigherCardsOut(seat, card) + 1;
            } else {
                const int lower = GetNextLowerCard(card);
                above = CountHigherCardsOut(seat, lower == -1 ? card : lower);
            }
            if (IsHeartTenTop(&gameType))
                above -= CopiesInMask(block.tenMask, kSuitHerz);
            int firstOberSuit = 4; // no Ober above the card
            if (card == 21)
                firstOberSuit = kSuitEichel;
            else if (card == 13)
                firstOberSuit = kSuitGras;
            else if (card == 5)
                firstOberSuit = kSuitHerz;
            for (int suit = firstOberSuit; suit <= kSuitEichel; ++suit)
                above -= CopiesInMask(block.oberMask, suit);
        }
    }
    if (above == -1 && (gameType.word & kWordMarriage) != 0 && IsSeatToMoveAbove15() &&
        block.inDeclarerParty != 0 && partyLists[0] != seat &&
        CopiesInMask(playedMasks[kRankTen], kSuitHerz) + CopiesInMask(block.tenMask, kSuitHerz) ==
            2)
        above = 2;
    trumpsAbovePartnerCard = static_cast<std::int16_t>(above);
}

void ComputerPlayer::InferPartiesAfterTrick(int trickLeader, int trickWinner) {
    if (!IsSeat(trickLeader) || !IsSeat(trickWinner) || trickNumber > 6 || IsSoloGame())
        return;
    const bool marriage = (gameType.word & kWordMarriage) != 0;
    if (!marriage && !HasOberLeadStyle(trickWinner))
        return;
    if (marriage && !HasDiamondAceStyle(trickLeader) && !HasSpadeQueenStyle(trickLeader) &&
        !HasHeartTenFollowUpStyle(trickLeader) && !HasMarriageLeadStyle(trickLeader) &&
        !HasMarriageSpadeQueenStyle(trickLeader))
        return;
    auto show = [&](int seat, int certainty, int card, int both) {
        TrumpEvidence& evidence = announceRecords[seat].trumpEvidence;
        evidence.certainty = static_cast<std::int16_t>(certainty);
        evidence.shownCard = static_cast<std::int16_t>(card);
        evidence.shownBoth = static_cast<std::int16_t>(both);
    };
    auto holdsBothHeartTens = [&](int seat) {
        return CopiesInMask(seats[seat].tenMask, kSuitHerz) == 2 ? 1 : 0;
    };
    const int winnerCard = trickCards[trickWinner];
    const int ledCard = trickCards[trickLeader];
    const bool winnerLast = trickWinner == PreviousSeat(trickLeader);
    if (marriage) {
        if (marriageTrick == trickNumber && trickLeader != trickWinner && winnerCard != kHeartTen) {
            if (!winnerLast)
                show(trickWinner, 100, winnerCard, 0);
            else if (winnerCard == 21 && CopiesInMask(seats[trickWinner].tenMask, kSuitHerz) > 0)
                show(trickWinner, 100, 21, 1);
            else
                show(trickWinner, 100, kHeartTen, 0);
        }
        if (HasDiamondLeadStyle(trickLeader) && ledCard == kSchellenAce) {
            show(trickLeader, 100, kHeartTen, holdsBothHeartTens(trickLeader));
            const int first = partyLists[0];
            if (IsSeat(first) &&
                !IsCardHigher(kEichelOber, announceRecords[first].trumpEvidence.shownCard))
                show(first, 100, kEichelOber, holdsBothHeartTens(first));
        }
    }
    if (seats[trickWinner].inDeclarerParty == 0)
        return;
    int one = -1;
    int other = -1;
    if (partyLists[1] != -1) {
        one = partyLists[0];
        other = partyLists[1];
    } else if (partyLists[0] != -1) {
        one = FindSignalLeads(&other);
        if (one == -1 || (one == partyLists[0] && other == -1))
            return;
        if (one != partyLists[0])
            other = partyLists[0];
    } else {
        return;
    }
    auto inPair = [&](int seat) { return seat == one || seat == other; };
    if (RankCodeOf(ledCard) == kRankOber && trickLeader == trickWinner && inPair(trickLeader))
        show(trickWinner, 90, winnerCard, 0);
    if (inPair(trickLeader) && inPair(trickWinner) && !winnerLast && IsTrump(ledCard)) {
        int certainty = 85;
        if (CountTrickPoints(true) < 13)
            certainty = RankCodeOf(winnerCard) == kRankOber ? 75 : 65;
        show(trickWinner, certainty, winnerCard, 0);
    }
}

int ComputerPlayer::FindSignalLeads(int* partner) {
    *partner = -1;
    if (IsSoloGame())
        return -1;
    for (int t = 0; t < 2 && t < trickNumber && t < kTrickCount; ++t) {
        const TrickRecord& trick = tricks[t];
        if (!IsSeat(trick.leader))
            continue;
        bool complete = true;
        for (int s = 0; s < GetSeatCount(); ++s)
            complete = complete && IsCardCode(trick.cards[s]);
        if (!complete)
            continue;
        const int lead = trick.cards[trick.leader];
        const bool signal = (lead == kHeartTen && HasHeartTenLeadStyle(trick.leader)) ||
                            ((lead == kEichelOber || lead == 21) && HasOberLeadStyle(trick.leader));
        if (!signal)
            continue;
        if (DiamondAceCaughtScores()) {
            for (int s = NextSeat(trick.leader), n = 1; n < GetSeatCount(); s = NextSeat(s), ++n) {
                if (trick.cards[s] == kSchellenAce) {
                    *partner = s;
                    break;
                }
            }
        }
        return trick.leader;
    }
    return -1;
}

void ComputerPlayer::FindTrumpTrickEvidence(int trickLeader, int trickWinner) {
    if (!IsSeat(trickLeader) || !IsSeat(seatToMove))
        return;
    const int last = PreviousSeat(trickLeader);
    TrumpEvidence& evidence = announceRecords[last].trumpEvidence;
    if (evidence.beatenCard != 0 || !IsTrump(trickCards[trickLeader]) || trickWinner != last)
        return;
    int beaten = trickCards[trickLeader];
    for (int s = NextSeat(trickLeader); s != last; s = NextSeat(s))
        if (IsCardCode(trickCards[s]) && !IsCardHigher(beaten, trickCards[s]))
            beaten = trickCards[s];
    const int card = trickCards[last];
    if (CountHigherCardsOut(seatToMove, beaten) - CountHigherCardsOut(seatToMove, card) > 5) {
        evidence.beatenCard = static_cast<std::int16_t>(beaten);
        evidence.winningCard = static_cast<std::int16_t>(card);
    }
}

int ComputerPlayer::RateGroupRisk(int seat, bool checkNext) {
    if (!IsSeat(seat) || !IsSeat(leader) || !IsCardCode(trickCards[leader]))
        return 0;
    const int group = GetSuitGroup(trickCards[leader]);
    if (group == kTrumpGroup)
        return 0;
    if (IsGroupEndangered(group))
        return RateGroupPoints(group, seat);
    const bool third = GetTrickPosition(seat) == 3;
    if (checkNext && IsSeatToMoveAbove5() && third)
        return seatEstimates[NextSeat(seat)].voidEstimate[group] < 80 ? RateGroupPoints(group, seat)
                                                                      : 0;
    if (!playForPartner && third && IsOpponentStillToPlay()) {
        const int winner = GetTrickWinnerSoFar(PreviousSeat(seat));
        if (IsPartyKnown(winner) && winner != moverPartners[0])
            return 10;
    }
    return 0;
}

int ComputerPlayer::GetPointTarget(int seat) {
    const int declaring = GetHighestAnnouncement(true);
    const int other = GetHighestAnnouncement(false);
    // Card points to reach for each announcement kind 2..5 (no 90, no 60, no 30, Schwarz).
    auto target = [](int kind, int no90, int no60, int no30, int schwarz, int otherwise) {
        switch (kind) {
        case 2:
            return no90;
        case 3:
            return no60;
        case 4:
            return no30;
        case 5:
            return schwarz;
        default:
            return otherwise;
        }
    };
    int points = 0;
    if (IsListedFirstParty(seat)) {
        points = target(declaring, 91, 61, 31, 1, -1);
        if (points == -1)
            points = target(other, 90, 60, 30, 0, 121);
    } else if (other == 0) {
        points = declaring == -1 ? 121 : 120;
    } else {
        points = target(other, 90, 60, 30, 1, -1);
        if (points == -1)
            points = target(declaring, 90, 60, 30, 0, 120);
    }
    const int needed = points - GetPartyPoints(seat);
    return points == 0 || needed < 0 ? 0 : needed;
}

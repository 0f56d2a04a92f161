// Announcement decisions of the computer seats that play the table conventions: besides the
// hand they read the party's announcement styles, the partner's timing, signal cards led in
// earlier tricks (the Obers of Gras and Eichel, the Heart Ten) and the partner's silent
// signals; and the planning of the levels above a party's no 90.
#include "engine/ComputerPlayer.h"

namespace {

int PartnerOf(const ComputerPlayer& game, int seat) {
    if (game.seats[seat].inDeclarerParty != 0)
        return game.partyLists[0] == seat ? game.partyLists[1] : game.partyLists[0];
    return game.partyLists[2] == seat ? game.partyLists[3] : game.partyLists[2];
}

} // namespace

void ComputerPlayer::ChooseAnnouncementLevel(int seat, bool flag) {
    if (!IsSeat(seat))
        return;
    std::int16_t next = -1;
    GetNextAnnouncement(seat, &next);
    int op = 0;
    for (int i = 2; i < 5; ++i)
        if (IsSeat(partyLists[i]))
            op += cardPoints[partyLists[i]];
    int side = 0;
    const int losers = CountSideCards(seat, &side);
    int level = -1;
    if (side != 0) {
        if (side == 1 && op < 30)
            level = 3;
    } else {
        const SeatBlock& block = seats[seat];
        bool done = false;
        if (CountGroupOut(kTrumpGroup) > 8) {
            const int trumps = block.groupCount[kTrumpGroup];
            if (trumps < 2 || CountHigherCardsOut(seat, TrumpAt(seat, trumps - 2)) > 3)
                done = true;
        }
        if (!done) {
            bool secondWon = false;
            for (int i = 2; i < 5; ++i)
                secondWon = secondWon || (IsSeat(partyLists[i]) && tricksWon[partyLists[i]] > 0);
            if (!secondWon)
                level = losers < 1 || !flag ? 5 : 4;
            else if (op <= 29)
                level = 4;
        }
    }
    if (level == -1)
        return;
    std::int16_t kind = -1;
    ClampAnnouncement(&kind, next, level);
    std::uint8_t last = 0;
    if (kind == -1 || !MayAnnounce(seat, kind, &last))
        return;
    if (last)
        MakeAnnouncement(seat, kind);
    else
        seats[seat].plannedLevel = kind;
}

int ComputerPlayer::ChooseLevelWithPartner(int seat, int h) {
    int a = 0;
    int b = 0;
    const int partner = moverPartners[0];
    if (!IsSeat(partner))
        return -1;
    CountSureTrumpsWithPartner(seat, partner, &a, &b);
    if (a <= 1 || b <= 0)
        return -1;
    int S = 0, P = 0, H = 0, R = 0;
    EstimateSureTrumpTricks(seat, &S, &P, &H, &R);
    int op = 0;
    int tw = 0;
    for (int i = 2; i < 4; ++i)
        if (IsSeat(partyLists[i])) {
            op += cardPoints[partyLists[i]];
            tw += tricksWon[partyLists[i]];
        }
    const int trumps = seats[seat].groupCount[kTrumpGroup];
    if (CountTricksLeft() == trumps && R <= a + b) {
        if (h > 2 && op < 30 && tw == 0)
            return 5;
        if (h > 2 && op < 30)
            return 4;
        return 3;
    }
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (leader == partner && IsCardCode(led) && RankCodeOf(led) == kRankAce &&
        trumps == CountTricksLeft() - 1 && CountPlayedInGroup(GetSuitGroup(led)) < 4 &&
        (R <= a + b || (R <= a + b + 1 && R <= P)))
        return h < 3 && op < 17 ? 3 : -1;
    return -1;
}

int ComputerPlayer::ChooseNextLevel(int seat, int h) {
    if (!IsSeat(seat))
        return -1;
    const int pk = GetPartnerAnnouncement(seat);
    SeatBlock& block = seats[seat];
    if (IsSeatToMoveAbove15()) {
        AnalysePartners(seat);
        int ownKind = -1;
        int ownLevel = -1;
        FindAnnouncement(seat, &ownKind, &ownLevel);
        const int partner = moverPartners[0];
        if (ownKind != -1 && IsSeat(partner)) {
            if (partner == leader) {
                if (pk == -1) {
                    const int level = ChooseLevelWithPartner(seat, h);
                    if (level != -1)
                        return level;
                } else {
                    int a = 0;
                    int b = 0;
                    CountSureTrumpsWithPartner(seat, partner, &a, &b);
                    int S = 0, P = 0, H = 0, R = 0;
                    EstimateSureTrumpTricks(seat, &S, &P, &H, &R);
                    if (b < a) {
                        if (R <= a + b)
                            ChooseAnnouncementLevel(seat, false);
                        else if (pk > 2) {
                            if (a != 1)
                                ChooseAnnouncementLevel(seat, H <= R);
                            else
                                block.plannedLevel = -1;
                        }
                    } else if (pk == 3) {
                        if (a >= 2)
                            ChooseAnnouncementLevel(seat, true);
                        else if (a == 1) {
                            if (CopiesInRankMask(block.oberMask, kSuitEichel) > 0)
                                block.plannedLevel = -1;
                            else
                                ChooseAnnouncementLevel(seat, true);
                        }
                    }
                    if (block.plannedLevel != -1)
                        return block.plannedLevel;
                }
            } else if ((partner == partyLists[0] || partner == partyLists[1]) && seat == leader) {
                const int level = ChooseLevelWithPartner(seat, h);
                if (level != -1)
                    return level;
            }
        }
    }
    const double S = RateAnnounceStrength(seat, true);
    if (S > 3.0)
        return -1;
    int op = 0;
    int listed = 0;
    for (int i = 2; i < 5; ++i)
        if (IsSeat(partyLists[i])) {
            op += cardPoints[partyLists[i]];
            ++listed;
        }
    bool known = listed > 0;
    if (!known) {
        int opponents = 0;
        for (int i = 0; i < 3; ++i)
            if (IsSeat(moverOpponents[i])) {
                op += cardPoints[moverOpponents[i]];
                ++opponents;
            }
        known = opponents >= 2 && (!IsSoloGame() || opponents >= 3);
    }
    // Without known opponents their points cannot be judged: no level.
    if (!known)
        return -1;
    if (pk != -1) {
        bool answered = false;
        int level = -1;
        if (h == 2) {
            if (op > 44)
                return -1;
            switch (reNo90Style) {
            case 0:
                if (S <= 0.2 && op < 25)
                    level = 3;
                break;
            case 1:
                if (op < 30 || S <= 0.2)
                    level = 3;
                break;
            case 2:
                if (S <= 1.5 && op < 30)
                    level = 3;
                else if (op > 9 || S >= 2.1 ||
                         CountTricksLeft() > block.groupCount[kTrumpGroup] + 1)
                    return -1;
                else
                    level = 3;
                break;
            case 3:
                if (S <= 0.5 && op <= 29)
                    level = 3;
                break;
            default:
                break;
            }
            answered = level != -1;
        } else if (h == 3) {
            if (op < 30 &&
                (S <= 0.2 || (reNo90Style != 1 && reNo90Style != 2 && marriageTrick == 0)))
                level = 4;
            answered = level != -1;
        } else if (h == 4) {
            bool secondWon = false;
            for (int i = 2; i < 5; ++i)
                secondWon = secondWon || (IsSeat(partyLists[i]) && tricksWon[partyLists[i]] > 0);
            if (S < 0.1 && !secondWon)
                level = 5;
            answered = level != -1;
        }
        if (answered)
            return level;
        block.plannedLevel = -1;
        return -1;
    }
    return S <= 0.5 && op < 25 ? 3 : -1;
}

bool ComputerPlayer::DecideReWithConventions(int seat, std::int16_t* kind, std::uint8_t* style,
                                             std::uint8_t* mode) {
    *kind = -1;
    *style = 0;
    *mode = 0;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next))
        return false;
    SeatBlock& block = seats[seat];
    const int partner = PartnerOf(*this, seat);
    if (block.plannedLevel != -1) {
        ClampAnnouncement(kind, next, block.plannedLevel);
        if (*kind != -1 && IsLastMoment(seat, *kind)) {
            block.plannedLevel = -1;
            if (IsSeat(partner))
                seats[partner].plannedLevel = -1;
            return true;
        }
        *kind = -1;
    }
    const int h = GetHighestAnnouncement(true);
    const int t = TrumpsHeldAndPlayed(seat);
    const int ht = CountHeartTensHeld(seat);
    const int Q = block.oberCount;
    if (h == 1) {
        if (IsSeat(partner) && seats[partner].profile < 11) {
            int pKind = -1;
            int pLevel = -1;
            FindAnnouncement(partner, &pKind, &pLevel);
            if (pKind == 1 && pLevel == 2) {
                int S = 0, P = 0, H = 0, R = 0;
                EstimateSureTrumpTricks(seat, &S, &P, &H, &R);
                BuildGroupEvaluation(block, gameType.trumpSuit, gameType.word, seat, true);
                std::int16_t sum[4] = {};
                SumGroupEvaluation(sum, block.groupEval);
                ClampAnnouncement(kind, next, 2);
                return *kind != -1 && (t > 4 || sum[1] * 10 > 45);
            }
        }
        if (PursueStyle(seat, mode, reStyle) && TestAnnounceMode(seat, 2, *mode)) {
            ClampAnnouncement(kind, next, 2);
            if (*kind == -1)
                return false;
            if (GetPartnerAnnouncement(seat) != -1)
                return true;
            return IsLastMoment(seat, 2);
        }
        return false;
    }
    if (h >= 2 && h <= 4) {
        int lvl = ChooseNextLevel(seat, h);
        if (cardExchanged != 0)
            lvl = lvl == 5 ? 3 : -1;
        if (lvl < 3 || lvl > 5 || lvl <= h)
            return false;
        ClampAnnouncement(kind, next, lvl == h + 1 ? lvl : h + 1);
        return *kind != -1 && IsLastMoment(seat, *kind);
    }
    if (h != -1)
        return false;
    const bool styleOneMoment = IsStyleMoment(seat, 1);
    if (cardExchanged != 0) {
        if (!(t >= 11 && (Q > 6 || (Q > 5 && ht > 0) || (Q > 4 && ht == 2))))
            return false;
        if (!styleOneMoment && block.momentTiming != 0)
            return false;
        *style = 1;
        ClampAnnouncement(kind, next, 1);
        return *kind != -1;
    }
    const int E = RateAnnouncementHand(seat);
    const double V = GetAnnounceStrength(seat);
    if (V <= 3.5) {
        const int chosen = ChooseReStyle(seat, V, false);
        if (IsStyleMoment(seat, chosen) || block.momentTiming == 0) {
            *style = static_cast<std::uint8_t>(chosen);
            ClampAnnouncement(kind, next, 1);
            if (*kind == -1)
                return false;
            if (E < 75)
                announceDeferred[seat] = 1;
            return true;
        }
    }
    if (E >= 75 && V > 3.5)
        return DecideStrongReWithConventions(seat, kind, style, next);
    // Signal leads seen in this deal's tricks.
    for (int i = 0; i < trickNumber && i < kTrickCount; ++i) {
        const int lead = IsSeat(tricks[i].leader) ? tricks[i].cards[tricks[i].leader] : 0;
        const bool oberSignal =
            HasOberLeadStyle(seat) && (lead == kGrasOber || lead == kEichelOber);
        const bool tenSignal =
            marriageTrick == 0 && HasHeartTenLeadStyle(seat) && lead == kHeartTen;
        if (!oberSignal && !tenSignal)
            continue;
        if (!(E > 65 || t > 6))
            break;
        ClampAnnouncement(kind, next, 1);
        std::uint8_t last = 0;
        if (*kind == -1 || !MayAnnounce(seat, *kind, &last))
            return false;
        if (last) {
            *style = 1;
            return true;
        }
        announceDeferred[seat] = 1;
        *kind = -1;
        return false;
    }
    const int lim = GetCardsPerHand() < 10 ? 7 : 8;
    const int hh = IsHeartTenTop(&gameType) ? ht : 0;
    auto styleOne = [&]() {
        if (!styleOneMoment && block.momentTiming != 0)
            return false;
        *style = 1;
        ClampAnnouncement(kind, next, 1);
        return *kind != -1;
    };
    if ((t == lim && E > 25) || t > lim) {
        if (t == lim) {
            if (hh == 0 && Q < 4)
                return false;
            if (hh == 1 && Q <= 1) {
                const int firstMember = partyLists[0];
                int aces = 0;
                for (int suit = 1; suit < 4; ++suit)
                    aces += CopiesInRankMask(block.aceMask, suit);
                if (!(IsSeat(firstMember) &&
                      GetTrickWinnerSoFar(PreviousSeat(seat)) == firstMember &&
                      GetTrickPosition(seat) == 4 && aces >= 2))
                    return false;
                return styleOne();
            }
        }
        if (t == lim + 1 && hh == 0 && Q < 3 && block.oberMask < 80)
            return false;
        if (t > lim + 2 || (t == lim + 2 && (hh != 0 || Q > 2))) {
            if (IsStyleMoment(seat, 2) || block.momentTiming == 0) {
                *style = 2;
                ClampAnnouncement(kind, next, 1);
                return *kind != -1;
            }
        }
        return styleOne();
    }
    const int pts = GetPartyPoints(seat);
    if ((E < 66 || pts < 35) && pts < 56) {
        if (t < 8) {
            bool aceOutsideHerz = false;
            for (int suit = 0; suit < 4; ++suit)
                aceOutsideHerz = aceOutsideHerz ||
                                 (suit != kSuitHerz && CopiesInRankMask(block.aceMask, suit) > 0);
            if (!(t == 7 && hh == 2 && E >= 60 && Q >= 2 && aceOutsideHerz &&
                  (styleOneMoment || block.momentTiming == 0)))
                return false;
        } else {
            int obers = 0;
            for (int suit = 1; suit < 4; ++suit)
                obers += CopiesInRankMask(block.oberMask, suit);
            if (Q + hh < 6 && obers + hh < 5)
                return false;
        }
    } else if ((hh < 1 || (!styleOneMoment && block.momentTiming != 0)) && pts < 61) {
        return false;
    }
    return styleOne();
}

bool ComputerPlayer::DecideStrongReWithConventions(int seat, std::int16_t* kind,
                                                   std::uint8_t* style, int next) {
    const SeatBlock& block = seats[seat];
    const int E = RateAnnouncementHand(seat);
    const int t = TrumpsHeldAndPlayed(seat);
    const int Q = block.oberCount;
    const int h2 = CountHeartTensHeld(seat);
    int q2 = 0;
    for (int suit = 1; suit < 4; ++suit)
        q2 += CopiesInRankMask(block.oberMask, suit);
    if (E < 80 && t < 7 && Q + h2 < 2)
        return false;
    if (t == 6) {
        int aceSuits = 0;
        for (int suit = 1; suit < 4; ++suit)
            aceSuits += CopiesInRankMask(block.aceMask, suit) > 0 ? 1 : 0;
        if (Q + h2 < 4 && aceSuits < 2)
            return false;
    }
    if (t == 7) {
        if (E < 85 && q2 + h2 < 2)
            return false;
        if (GetHighestAnnouncement(false) != -1 &&
            (Q + h2 < 3 || (Q + h2 == 3 && block.unterCount < 3)))
            return false;
    }
    ClampAnnouncement(kind, next, 1);
    std::uint8_t last = 0;
    if (*kind == -1 || !MayAnnounce(seat, *kind, &last)) {
        *kind = -1;
        return false;
    }
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (trickNumber == 1 && h2 > 0 && IsCardCode(led) && IsTrump(led) &&
        CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) == 0 && q2 + h2 > 3 &&
        CopiesInRankMask(block.aceMask, kSuitGras) > 0 &&
        CopiesInRankMask(block.aceMask, kSuitEichel) > 0) {
        *style = 2;
        return IsStyleMoment(seat, 2) || block.momentTiming == 0;
    }
    *style = 1;
    if (last) {
        announceDeferred[seat] = 1;
        return true;
    }
    return block.momentTiming == 0;
}

bool ComputerPlayer::DecideContraWithConventions(int seat, std::int16_t* kind, std::uint8_t* style,
                                                 std::uint8_t* mode) {
    *kind = -1;
    *style = 0;
    *mode = 0;
    std::int16_t next = -1;
    if (!GetNextAnnouncement(seat, &next))
        return false;
    const SeatBlock& block = seats[seat];
    const int h = GetHighestAnnouncement(false);
    const int partner = PartnerOf(*this, seat);
    if (h == 0) {
        if (IsSeat(partner) && seats[partner].profile < 11) {
            int pKind = -1;
            int pLevel = -1;
            FindAnnouncement(partner, &pKind, &pLevel);
            if (pKind == 0 && pLevel == 2) {
                BuildGroupEvaluation(seats[seat], gameType.trumpSuit, gameType.word, seat, true);
                std::int16_t sum[4] = {};
                SumGroupEvaluation(sum, seats[seat].groupEval);
                ClampAnnouncement(kind, next, 2);
                return *kind != -1 && (TrumpsHeldAndPlayed(seat) > 4 || sum[1] * 10 > 45);
            }
        }
        if (PursueStyle(seat, mode, contraStyle) && TestAnnounceMode(seat, 2, *mode)) {
            ClampAnnouncement(kind, next, 2);
            if (*kind == -1)
                return false;
            if (GetPartnerAnnouncement(seat) != -1)
                return true;
            return IsLastMoment(seat, 2);
        }
        return false;
    }
    const int E = RateAnnouncementHand(seat);
    int S = 0, P = 0, H = 0, R = 0;
    if (h > 0) {
        EstimateSureTrumpTricks(seat, &S, &P, &H, &R);
        const int b = cardExchanged != 0 ? 25 : (OtherPartyRaised(seat) ? 20 : 0);
        if (E < b + 110)
            return false;
        const int target = E < 141 ? 2 : (E < 171 ? 3 : 4);
        ClampAnnouncement(kind, next, target);
        if (*kind == 2 && P >= R / 2 && H >= R - 1)
            return GateAnnouncement(seat, kind, false);
        if ((*kind == 3 || *kind == 4) && P > R)
            return GateAnnouncement(seat, kind, false);
        *kind = -1;
        return false;
    }
    // The answer to a partner's silent signal.
    if (IsSeat(contraStyleSeat) && contraStyleSeat != seat) {
        bool answered = false;
        bool answer = false;
        if (contraStyle == 3 && HasAnnounceOffLeadStyle(seat)) {
            answered = true;
            if (trickCards[seat] == 0) {
                const int best = GetBestCardSoFar();
                if (IsCardCode(best) && CanBeatWithGroup(best)) {
                    const int g = GetSuitGroup(trickCards[leader]);
                    if (block.groupCount[g] == 0) {
                        answer = block.groupCount[kTrumpGroup] > 0;
                    } else {
                        const int top = seats[seat].hand[GetGroupEnd(seat, g)];
                        if (CountHigherCardsOut(seat, top) == 0) {
                            if (SecondHeartTenWins() && g == kTrumpGroup)
                                answer = leader == NextSeat(seat);
                            else
                                answer = PreviousSeat(seat) == seatToMove ||
                                         (block.groupCount[g] > 1 &&
                                          (top == kHeartTen ||
                                           CopiesInRankMask(RankMaskOf(block, RankCodeOf(top)),
                                                            SuitOf(top)) == 2));
                        }
                    }
                }
            } else {
                answer = GetTrickWinnerSoFar(PreviousSeat(seatToMove)) == seat;
            }
        } else if (contraStyle == 12) {
            answered = true;
            answer = CountHeartTensHeld(seat) > 0;
        }
        if (answered && answer) {
            ClampAnnouncement(kind, next, 0);
            *style = static_cast<std::uint8_t>(contraStyle);
            *mode = 4;
            return *kind != -1;
        }
    }
    if (seatToMove != seat && IsSeat(leader) && trickCards[leader] != 0)
        return false;
    const int t = TrumpsHeldAndPlayed(seat);
    const int aces = block.aceCount;
    if (t < 7 || (t == 7 && aces < 5))
        return false;
    const int ht = CountHeartTensHeld(seat);
    const int Q = block.oberCount;
    bool d = false;
    bool strong = false;
    if (E >= 85) {
        d = Q + ht >= 3;
    } else {
        const int X = CopiesInRankMask(block.oberMask, kSuitHerz) +
                      CopiesInRankMask(block.oberMask, kSuitGras) + ht;
        int a = 0;
        int b = 0;
        CountSeatSuitsAndAces(seat, &a, &b);
        const bool leads = seat == leader;
        const bool open =
            leads || (IsSeat(leader) && trickCards[leader] != 0 && CannotFollowSuit(seat));
        const int otherHighest = GetHighestAnnouncement(true);
        const int firstPoints = GetPartyPoints(IsSeat(partyLists[0]) ? partyLists[0] : seat);
        if ((t == 7 || t == 8) && open) {
            if (b == 0)
                d = a < 2 ? ht > 0 && Q > 1 : (a == 2 ? ht > 0 && X > 2 : false);
            else if (b == 1)
                d = a < 2 ? ht > 0 && Q > 1 : ht > 0 && Q > 3;
            else if (b == 2)
                d = ht == 2 || Q >= 4 || (ht > 0 && Q > 1);
            else
                d = ht == 2 || Q >= 3 || (ht > 0 && Q > 0);
        } else if (t == 7) {
            if (a == 1)
                d = ht == 2 || Q >= 3 || (ht > 0 && Q > 0);
            else if (a == 2)
                d = (ht == 2 && Q > 3) || (ht > 0 && Q > 4);
        } else if (t == 8) {
            if (a == 1)
                d = ht == 2 || Q >= 3 || (ht > 0 && Q > 0);
            else if (a == 2)
                d = (ht == 2 && Q > 1) || (ht > 0 && Q > 2);
            else if (a == 3)
                d = (ht == 2 && X > 4) || (ht > 0 && Q > 3);
        }
        if (d && (t == 7 || t == 8) && (otherHighest == 1 || otherHighest == 2))
            if (firstPoints > 39 || ht == 0 || Q < (t == 7 ? 5 : 4))
                d = false;
        if (t == 9) {
            if (a < 2) {
                d = !(X < 4 && (X < 3 || (ht < 1 && (!leads || E < 50))));
            } else if ((leads && b > 0 && Q + ht > 1) || (ht > 0 && X > 2) || Q + ht > 4) {
                d = true;
            } else if (!leads) {
                int c = 0;
                for (int suit = 0; suit < 4; ++suit)
                    if (suit != gameType.trumpSuit &&
                        block.groupCount[suit] + playedCounts[seat][suit] > 0)
                        ++c;
                d = Q + ht >= 2 + c;
            }
            if (d && (otherHighest == 1 || otherHighest == 2) &&
                !(firstPoints < 40 && ht != 0 && Q >= 4))
                d = false;
        } else if (t == 10) {
            if (a > 1)
                d = (!leads || b < 1) && (ht < 1 || Q < 1) ? Q >= 4 : true;
            else
                d = X >= (ClampedAnnouncementCount() == 0 ? 2 : 4);
        } else if (t >= 11) {
            d = true;
            strong = true;
        }
    }
    if (!d)
        return false;
    ClampAnnouncement(kind, next, 0);
    std::uint8_t last = 0;
    if (*kind == -1 || !MayAnnounce(seat, *kind, &last)) {
        *kind = -1;
        return false;
    }
    *style = static_cast<std::uint8_t>(ChooseContraStyle(seat, 1));
    if (last || strong || *style != 1) {
        announceDeferred[seat] = 0;
        return true;
    }
    if (block.momentTiming == 0)
        return true;
    *kind = -1;
    return false;
}

bool ComputerPlayer::PursueStyle(int seat, std::uint8_t* mode, int style) {
    *mode = 0;
    if (!IsSeat(seat))
        return false;
    const SeatBlock& block = seats[seat];
    const bool first = block.inDeclarerParty != 0;
    const int pk = GetPartnerAnnouncement(seat);
    const double V = GetAnnounceStrength(seat);
    const int E = RateAnnouncementHand(seat);
    const int ht = CountHeartTensHeld(seat);
    const int Q = block.oberCount;
    int c = TrumpsHeldAndPlayed(seat);
    int q2 = 0;
    for (int suit = 1; suit < 4; ++suit)
        q2 += CopiesInRankMask(block.oberMask, suit);
    auto set = [&](int m) {
        *mode = static_cast<std::uint8_t>(m);
        return true;
    };
    auto firstMemberCode = [&]() {
        int kind = -1;
        int level = -1;
        if (IsSeat(partyLists[0]))
            FindAnnouncement(partyLists[0], &kind, &level);
        return level;
    };
    auto styleOne = [&]() {
        if (cardExchanged != 0 && !first)
            return false;
        if (V <= 2.0 && pk != -1)
            return set(1);
        const int otherParty = GetHighestAnnouncement(!first);
        const int takenByOthers = SumCardPoints() - cardPoints[seat];
        if (otherParty == -1) {
            if (V <= 3.5 && (pk != -1 || takenByOthers < 45 || V < 2.1))
                return set(3);
        } else if (V <= 2.0 && (pk != -1 || takenByOthers < 45)) {
            return set(3);
        }
        AnalysePartners(seat);
        if (pk == -1) {
            int s = q2 + ht;
            if (GameBits(gameType.word) == kWordMarriage &&
                CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) + ht >= 2)
                s = Q + (c > 10 ? 1 : 0) + (ht == 2 ? 1 : 0);
            if (c > 9 && s > 2)
                return set(3);
            int pp = 0;
            if (IsSeat(partyLists[2]))
                pp = cardPoints[partyLists[2]];
            else if (IsSeat(moverOpponents[0]))
                pp = cardPoints[moverOpponents[0]];
            else
                pp = SumCardPoints() - cardPoints[seat];
            const int led = IsSeat(leader) ? trickCards[leader] : 0;
            if (seat != leader && !(IsCardCode(led) && IsTrump(led)))
                pp += 22;
            if (c < 8 || pp > 57 || s < pp / 22 + 4)
                return false;
            return set(3);
        }
        if (!first) {
            const int opponent = IsSeat(moverOpponents[0]) ? cardPoints[moverOpponents[0]] : 0;
            const int sum = opponent + CountTrickPoints(true);
            if (sum >= 61)
                c -= 2;
            else if (sum > 40)
                c -= 1;
        }
        if (c > 8 || (c == 8 && Q + ht > 2))
            return set(3);
        if (c < 6 || Q + ht < 6)
            return false;
        return set(3);
    };
    auto styleTwo = [&]() {
        if (!(StyleSetting(block, 4) != 0 && StyleSetting(block, 5) > 2))
            return styleOne();
        if (pk == -1) {
            if (V <= 2.5 || c > 7) {
                if (ht < 1) {
                    if ((V >= 3.5 && V < 1000) || (Q < 7 && V > 2.0 && q2 < 5))
                        return false;
                } else if (Q + ht < 6 && V > 1.5 && (V > 2.5 || c < 11)) {
                    return false;
                }
                return set(3);
            }
            if (V > 3.5 && E < 96)
                return false;
            return set(3);
        }
        if (V <= 2.5 || c > 7) {
            if (ht < 1 && Q < 5) {
                if (c > 8 || q2 > 2)
                    return set(3);
                if (c == 8 && Q >= 3)
                    return set(3);
                return false;
            }
            if (ht < 1)
                return set(1);
            if (Q + ht == 4)
                return set(2);
            return set(Q + ht < 4 ? 3 : 1);
        }
        if (V <= 3.5 || (c > 6 && block.aceCount > 2))
            return set(2);
        if (V <= 4.0 || E > 75 || (IsHeartTenTop(&gameType) && ht > 0 && c > 6) || c > 7)
            return set(3);
        if (c < 6 || Q + ht < 6)
            return false;
        return set(3);
    };
    auto byFirstCode = [&]() { return firstMemberCode() == 2 ? styleTwo() : styleOne(); };
    auto signalStyle = [&](bool inForce, bool oberRow) {
        const int code = firstMemberCode();
        if (!inForce)
            return code == 2 ? styleTwo() : styleOne();
        if (!oberRow && seat == partyLists[0])
            return code == 2 ? set(3) : false;
        if (code == 2) {
            if (oberRow) {
                if (c > 5)
                    return set(1);
                if (block.oberMask > 15 || Q > 2)
                    return set(2);
                if (Q == 0 && block.aceCount < 2)
                    return false;
                return set(3);
            }
            if (ht < 1)
                return set(trickNumber < 6 ? 3 : 2);
            return set(trickNumber > 3 ? 1 : 2);
        }
        if (V > 3.5 && E < 76 && (oberRow ? c < 7 : (ht < 1 || c < 7)))
            return false;
        return set(3);
    };
    switch (style) {
    case 1:
        return styleOne();
    case 2:
        return styleTwo();
    case 4:
        return signalStyle(HasHeartTenLeadStyle(seat), false);
    case 5:
        return signalStyle(HasOberLeadStyle(seat), true);
    case 8: {
        const bool off = StyleSetting(block, 14) == 0 ||
                         (StyleSetting(block, 15) < 3 && StyleSetting(block, 16) < 3 &&
                          StyleSetting(block, 17) < 3);
        if (off)
            return byFirstCode();
        if (pk != 1)
            return styleOne();
        if (V > 2.5 && c < 8) {
            if (V <= 3.5 || (c > 6 && block.aceCount > 1))
                return set(2);
            if (V > 4.0 && E < 66 && c < 7 && !(IsHeartTenTop(&gameType) && ht >= 1 && c >= 6))
                return false;
            return set(3);
        }
        return set(1);
    }
    case 9: {
        if (pk != 1)
            return false;
        if (!HasForcingStyle(seat))
            return byFirstCode();
        if (!first)
            return false;
        if (seatToMove != leader && GetTrickWinnerSoFar(PreviousSeat(seatToMove)) == seat)
            return set(2);
        if (trickCards[seat] == 0) {
            const int best = GetBestCardSoFar();
            const int ledCard = IsSeat(leader) ? trickCards[leader] : 0;
            if (IsCardCode(best) && IsCardCode(ledCard) &&
                GetSuitGroup(best) == GetSuitGroup(ledCard) &&
                block.groupCount[GetSuitGroup(ledCard)] == 0 && block.groupCount[kTrumpGroup] > 0)
                return set(2);
        }
        if (c < 7 || seatToMove != seat)
            return c < 6 ? false : set(3);
        return set(1);
    }
    case 10:
        if (StyleSetting(block, 10) != 0 && StyleSetting(block, 11) > 2)
            return styleTwo();
        return byFirstCode();
    case 11: {
        int ownKind = -1;
        int ownLevel = -1;
        FindAnnouncement(seat, &ownKind, &ownLevel);
        if (HasAnnounceOnLeadStyle(seat) && seat != partyLists[0] && ownKind == -1 && ht == 1)
            return set(1);
        return signalStyle(HasHeartTenLeadStyle(seat), false);
    }
    case 12: {
        if (!HasAnnounceOnLeadStyle(seat) || seat == partyLists[2] || seat == contraStyleSeat)
            return false;
        int ownKind = -1;
        int ownLevel = -1;
        FindAnnouncement(seat, &ownKind, &ownLevel);
        if (ownKind == -1 && ht == 1 && block.groupCount[kTrumpGroup] > 2)
            return set(1);
        return styleOne();
    }
    default:
        return false;
    }
}

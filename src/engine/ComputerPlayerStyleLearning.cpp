// Style learning: the levels of the table conventions of a seat whose style comes from the
// rules record (the human's seat) follow its announcements and cards. A level counts 0..5 how
// often the play matched a convention; once it passes 2 the convention is trusted and a style
// code is recorded for the seat's party. Computer seats play their conventions from the start
// and learn nothing here.
//
// Judging whether a seat was strong reads the seats' real hands: the learning asks whether
// the human's timing fitted the hand it actually held, not what the table could see.
#include "engine/ComputerPlayer.h"

namespace {

int HeartTensIn(const SeatBlock& block) {
    return CopiesInRankMask(block.tenMask, kSuitHerz);
}

} // namespace

void TrickGameKnowledge::StepStyleLevel(std::int16_t& level, bool up) {
    if (up) {
        if (level < 5)
            ++level;
    } else if (level > 0) {
        --level;
    }
    if (level < 0)
        level = 0;
    if (level > 5)
        level = 5;
}

void TrickGameKnowledge::RecordStyleSignal(int seat, int code) {
    if (!IsSeat(seat) || seats[seat].usesProfileStyle != 0)
        return;
    if (seats[seat].inDeclarerParty != 0) {
        reStyle = static_cast<std::int16_t>(code);
        return;
    }
    contraStyle = static_cast<std::int16_t>(code);
    if ((code & 3) != 0)
        contraStyleSeat = contraSignalSeat = static_cast<std::int16_t>(seat);
}

double TrickGameKnowledge::GetAnnounceStrength(int seat) {
    return IsSeat(seat) ? seats[seat].loserCount / 10.0 : 0.0;
}

void TrickGameKnowledge::ObserveAnnouncement(int seat, int kind) {
    if (!IsSeat(seat) || (kind != 0 && kind != 1))
        return;
    SeatBlock& block = seats[seat];
    if (block.usesProfileStyle != 0 && block.profile > 10)
        return;
    if (StyleSetting(block, 10) == 0 || trickNumber != 1 || seat == leader || !IsSeat(leader) ||
        trickCards[leader] != 0)
        return;
    const int tens = HeartTensIn(block);
    StepStyleLevel(StyleSetting(block, 11),
                   tens == 2 || (tens == 1 && GetTrickPosition(seat) == 2));
    if (StyleSetting(block, 11) > 2)
        RecordStyleSignal(seat, 10);
}

bool ComputerPlayer::IsStrongForStyle(int seat, int points, double losers) {
    return RateAnnouncementHand(seat) >= points || GetAnnounceStrength(seat) <= losers;
}

std::int16_t& ComputerPlayer::LateStyleLevel(int seat) {
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (trickNumber == 2)
        return StyleSetting(seats[seat], 17);
    return StyleSetting(seats[seat], IsCardCode(led) && IsTrump(led) ? 16 : 15);
}

// The seat whose play answered a's signal: the winner when it trumped, else (the winner played
// an Ace or a plays last) the winner, or the seat after a when it holds an Ace of the led
// group, or, with a second in the trick, the one after that holding both Aces. -1: none.
int ComputerPlayer::FindSignalAnswerer(int a, int w, int ledGroup, bool wTrumped,
                                       bool skipDeclaring) {
    auto declaring = [&](int s) { return seats[s].inDeclarerParty != 0; };
    if (wTrumped)
        return skipDeclaring && declaring(w) ? -1 : w;
    const int wCard = trickCards[w];
    if (!(IsCardCode(wCard) && RankCodeOf(wCard) == kRankAce) && GetTrickPosition(a) != 4)
        return -1;
    if (!skipDeclaring || !declaring(w))
        return w;
    const int ace = CardOfRank(ledGroup, kRankAce);
    const int next = NextSeat(a);
    if (CopiesInRankMask(seats[next].aceMask, SuitOf(ace)) > 0)
        return declaring(next) ? -1 : next;
    if (GetTrickPosition(a) == 2) {
        const int after = NextSeat(next);
        if (CopiesInRankMask(seats[after].aceMask, SuitOf(ace)) == 2 && !declaring(after))
            return after;
    }
    return -1;
}

void ComputerPlayer::ObserveAnnouncementStyle(int a) {
    if (!IsSeat(a) || ClampedAnnouncementCount() == 0 || seats[a].usesProfileStyle != 0 ||
        !IsSeat(leader))
        return;
    SeatBlock& block = seats[a];
    const bool declaring = block.inDeclarerParty != 0;
    const bool early = trickNumber - marriageTrick == 1;
    const int count = ClampedAnnouncementCount();
    const int ledCard = trickCards[leader];
    const int ledGroup = IsCardCode(ledCard) ? GetSuitGroup(ledCard) : -1;
    const bool leads = a == leader;
    bool e = false;
    for (int i = 0; i < count; ++i) {
        const AnnouncementEntry& entry = announcements[i];
        e = e || (entry.seat == a && (entry.kind == 0 || entry.kind == 1) &&
                  entry.trick == trickNumber && entry.beforeOwnCard != 0);
    }
    bool toTiming = declaring;
    if (e && !pauseSeen) {
        if (declaring && !leads) {
            const int d = ChooseReStyle(a, GetAnnounceStrength(a), true);
            if (StyleSetting(block, 12) != 0 && d == 9)
                StepStyleLevel(StyleSetting(block, 13), false);
            if (StyleSetting(block, 14) != 0 && d == 8)
                StepStyleLevel(LateStyleLevel(a), false);
        }
        return;
    }
    if (e) {
        const int k = GetPartnerAnnouncement(a);
        const int w = GetTrickWinnerSoFar(a);
        if (!IsSeat(w) || ledGroup < 0)
            return;
        const int wCard = trickCards[w];
        const bool wTrumped = ledGroup != kTrumpGroup && IsCardCode(wCard) && IsTrump(wCard);
        const bool openToSignal =
            !leads && ledGroup != kTrumpGroup && (wTrumped || block.groupCount[ledGroup] == 0);
        if (!declaring) {
            if (StyleSetting(block, 6) == 0 || !openToSignal)
                return;
            const int partner = k == -1 ? -1 : partyLists[2];
            StepStyleLevel(StyleSetting(block, 7), IsStrongForStyle(a, 60, 4.0));
            if (StyleSetting(block, 7) > 2)
                RecordStyleSignal(a, 3);
            const bool u = IsStrongForStyle(w, 60, 4.0);
            const int x = FindSignalAnswerer(a, w, ledGroup, wTrumped, true);
            if (x != -1)
                StepStyleLevel(StyleSetting(seats[x], 7), u && x == partner);
            return;
        }
        const int partner = k == -1 ? -1 : partyLists[1];
        if (StyleSetting(block, 12) != 0 && early && openToSignal) {
            StepStyleLevel(StyleSetting(block, 13), IsStrongForStyle(a, 80, 3.5));
            if (StyleSetting(block, 13) > 2)
                RecordStyleSignal(a, 9);
        }
        if (StyleSetting(seats[w], 12) != 0) {
            const int x = FindSignalAnswerer(a, w, ledGroup, wTrumped, false);
            if (x != -1 && seats[x].inDeclarerParty != 0)
                StepStyleLevel(StyleSetting(seats[x], 13), x == partner);
        }
        toTiming = true;
    }
    if (!toTiming || StyleSetting(block, 14) == 0)
        return;
    bool f = false;
    bool g = false;
    for (int i = 0; i < count; ++i) {
        const AnnouncementEntry& entry = announcements[i];
        if (entry.kind != 1)
            continue;
        g = true;
        if (entry.seat == a && entry.trick == trickNumber &&
            ((entry.timing & 0xec) == 8 || gameType.word == kWordMarriage))
            f = true;
    }
    const bool strong = IsStrongForStyle(a, 75, 3.5);
    if (GetTrickPosition(a) == 2 && early && announcedAfterPause == 0) {
        if ((!g || f) && strong)
            StepStyleLevel(StyleSetting(block, IsCardCode(ledCard) && IsTrump(ledCard) ? 16 : 15),
                           false);
        return;
    }
    if (!f)
        return;
    StepStyleLevel(LateStyleLevel(a), strong);
    if (LateStyleLevel(a) > 2)
        RecordStyleSignal(a, 8);
    for (int i = 0; i < count; ++i) {
        const AnnouncementEntry& entry = announcements[i];
        if (entry.kind == 2 && entry.seat != a && IsSeat(entry.seat) &&
            seats[entry.seat].inDeclarerParty != 0)
            return;
    }
    for (int s = 0; s < kSeatCount; ++s) {
        if (s == a || seats[s].inDeclarerParty == 0)
            continue;
        if (StyleSetting(seats[s], 14) != 0 && IsStrongForStyle(s, 60, 4.0))
            StepStyleLevel(LateStyleLevel(s), false);
        break;
    }
}

void ComputerPlayer::ObserveNormalGameCard(int a) {
    if (!IsSeat(a) || !IsSeat(leader))
        return;
    const int card = trickCards[a];
    if (!IsCardCode(card))
        return;
    SeatBlock& block = seats[a];
    const bool leads = a == leader;
    auto bothHeartTensSeen = [&](int seat) {
        return CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) + HeartTensIn(seats[seat]) >= 2;
    };
    auto latestKind = [&](int seat) {
        int kind = -1;
        int level = -1;
        FindAnnouncement(seat, &kind, &level);
        return kind;
    };
    switch (gameType.word) {
    case kWordNormal: {
        ObserveAnnouncementStyle(a);
        if (!leads || trickNumber < 1 || trickNumber > 2)
            return;
        if (StyleSetting(block, 20) != 0 && block.inDeclarerParty != 0 &&
            (card == kGrasOber || card == kEichelOber)) {
            StepStyleLevel(StyleSetting(block, 21), bothHeartTensSeen(a));
            if (StyleSetting(block, 21) > 2 && latestKind(a) == 1)
                RecordStyleSignal(a, 5);
        }
        if (StyleSetting(block, 23) != 0 && card == kHeartTen) {
            StepStyleLevel(StyleSetting(block, 24), block.inDeclarerParty != 0);
            if (StyleSetting(block, 24) >= 3 && latestKind(a) == 1)
                RecordStyleSignal(a, 4);
        }
        return;
    }
    case kWordNoTrumps:
        if (StyleSetting(block, 1) != 0)
            ObserveNoTrumpSignals(a, card);
        return;
    case kWordMarriage:
        if (marriageTrick != 0) {
            ObserveAnnouncementStyle(a);
            return;
        }
        ObserveMarriageStyle(a, card);
        return;
    default:
        return;
    }
}

void ComputerPlayer::ObserveMarriageStyle(int a, int card) {
    SeatBlock& block = seats[a];
    const bool leads = a == leader;
    const bool bride = partyLists[0] == a;
    const int heartTens = CopiesInRankMask(playedMasks[kRankTen], kSuitHerz) + HeartTensIn(block);
    const int grasObers = CopiesInRankMask(playedMasks[kRankOber], kSuitGras) +
                          CopiesInRankMask(block.oberMask, kSuitGras);
    const int trumps = block.groupCount[kTrumpGroup] + playedCounts[a][kTrumpGroup];
    const TrickRecord* previous = trickNumber >= 2 ? &tricks[trickNumber - 2] : nullptr;
    if (StyleSetting(block, 26) != 0 && leads) {
        if ((card == 7 || card == kSchellenAce) && !bride)
            StepStyleLevel(StyleSetting(block, 27), heartTens >= 2);
        if (bride && previous && IsTrump(card) && previous->leader != a) {
            const int before = previous->cards[a];
            StepStyleLevel(StyleSetting(block, 28), before == 7 || before == kSchellenAce);
        }
    }
    if (StyleSetting(block, 29) != 0 && leads) {
        if (card == kGrasOber)
            StepStyleLevel(StyleSetting(block, 30), heartTens >= 2);
        else if (card == 13)
            StepStyleLevel(StyleSetting(block, 30), heartTens >= 2 && grasObers >= 2);
    }
    const int ledCard = trickCards[leader];
    if (StyleSetting(block, 31) != 0 && !leads && leader == partyLists[0] && trumps > 7 &&
        IsCardCode(ledCard) && GetSuitGroup(ledCard) != kTrumpGroup &&
        GetSuitGroup(card) != kTrumpGroup && GetSuitGroup(card) != GetSuitGroup(ledCard))
        StepStyleLevel(StyleSetting(block, 32), block.groupCount[GetSuitGroup(card)] == 0);
    if (StyleSetting(block, 33) != 0 && previous && leads && bride && IsTrump(card) &&
        previous->leader == a && previous->cards[a] == kHeartTen)
        StepStyleLevel(StyleSetting(block, 34), trumps > 7);
}

void ComputerPlayer::ObserveNoTrumpSignals(int a, int card) {
    SeatBlock& block = seats[a];
    std::int16_t* marks = block.suitSignalMarks;
    std::int16_t* values = block.suitSignalValues;
    if (a == leader) {
        if (a == partyLists[0] || trickNumber > GetCardsPerHand() / 3 + 1)
            return;
        const int suit = GetSuitGroup(card);
        bool longest = suit < 4;
        for (int s = 0; s < 4 && longest; ++s)
            longest = s == suit || block.groupCount[s] <= block.groupCount[suit];
        StepStyleLevel(block.longSuitLeadLevel, longest);
        return;
    }
    const int ledCard = trickCards[leader];
    const int gc = GetSuitGroup(card);
    if (!IsCardCode(ledCard) || gc == GetSuitGroup(ledCard) || leader != declarer || gc > 3)
        return;
    const int led = GetSuitGroup(ledCard);
    // The look-back: a's card in the latest completed trick the declarer led, when it was a
    // discard of this same group.
    int earlier = 0;
    for (int t = trickNumber - 2; t >= 0; --t) {
        if (tricks[t].leader != declarer)
            continue;
        const int own = tricks[t].cards[a];
        const int tLed = tricks[t].cards[tricks[t].leader];
        if (IsCardCode(own) && IsCardCode(tLed) && GetSuitGroup(own) != GetSuitGroup(tLed) &&
            GetSuitGroup(own) == gc)
            earlier = own;
        break;
    }
    if (block.observerFlag == 0) {
        for (int s = 0; s < 4; ++s)
            if (marks[s] == 1)
                values[s] = 100;
        if (earlier == 0) {
            if (values[gc] == 0) {
                values[gc] = 50;
                ++marks[gc];
            } else if (values[gc] == 100) {
                block.observerFlag = 1;
            }
            return;
        }
        int marked = 0;
        for (int s = 0; s < 4; ++s)
            marked += marks[s] == 1 ? 1 : 0;
        block.observerFlag = 1;
        if (card < earlier) {
            if (marked == 2) {
                for (int s = 0; s < 4; ++s)
                    if (s != led && s != gc && marks[s] == 0) {
                        marks[s] = 1;
                        values[s] = 100;
                    }
            } else {
                ++block.observerCount;
            }
        }
        marks[gc] = 0;
        values[gc] = 0;
        for (int s = 0; s < 4; ++s) {
            const int aces = CopiesInRankMask(block.aceMask, s);
            const int cards = block.groupCount[s] + playedCounts[a][s];
            if ((aces == 0 && marks[s] != 0) || (marks[s] == 0 && aces == 1 && cards > 2)) {
                StepStyleLevel(block.styleLead[1], false);
                return;
            }
        }
        StepStyleLevel(block.styleLead[1], true);
        return;
    }
    bool anyMark = false;
    for (int s = 0; s < 4; ++s)
        anyMark = anyMark || marks[s] != 0;
    if ((anyMark || block.observerCount != 0) && values[gc] != 200)
        return;
    if (earlier == 0) {
        if (values[gc] == 200)
            values[gc] = 100;
        return;
    }
    if (card >= earlier)
        return;
    marks[gc] = 1;
    values[gc] = 200;
    if (++block.observerCount == 2) {
        for (int s = 0; s < 4; ++s)
            if ((seatEstimates[a].voidMask & (1 << s)) == 0) {
                marks[s] = 1;
                values[s] = 100;
            }
        block.observerCount = 0;
    }
    StepStyleLevel(block.styleLead[1], true);
}

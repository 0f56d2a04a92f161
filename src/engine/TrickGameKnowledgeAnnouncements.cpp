// Announcements: the list of party calls and levels with their deadlines, the recording of an
// announcement with its timing and style, and the waiting clock that reads a human player's
// pauses before a card as convention signals.
//
// Deadlines count the cards still in the announcing seat's hand: a party call while 11 are
// held, each level one card later, and a late party call as a reply one card after the other
// party's deadline. A marriage shifts every deadline by the trick that settled it.
#include <algorithm>

#include "engine/EngineServices.h"
#include "engine/TrickGameKnowledge.h"
#include "records/OptionRecordLayouts.h"

namespace {

bool IsPartyCall(int kind) {
    return kind == 0 || kind == 1;
}

// The cards a seat must still hold to announce a kind 2..5 with the decision trick c = 1.
int LevelDeadline(int kind) {
    return 12 - kind;
}

} // namespace

int TrickGameKnowledge::ClampedAnnouncementCount() const {
    return std::clamp<int>(announcementCount, 0, kMaxAnnouncements);
}

int TrickGameKnowledge::CountCardsInHand(int seat, int places) {
    if (!IsSeat(seat))
        return 0;
    const int limit = std::clamp(places, 0, kHandPlaces);
    int count = 0;
    for (int p = 0; p < limit; ++p)
        count += seats[seat].hand[p] != 0 ? 1 : 0;
    if (IsShortDeck() && GetLineGameKind() == 1)
        count += 2;
    return count;
}

int TrickGameKnowledge::GetDecisionTrick(bool* shifted) {
    *shifted = false;
    if (marriageTrick != 0)
        return marriageTrick;
    // While a marriage is still open, a complete trick that the declarer did not win settles
    // it: the deadlines count from that trick already before the game line books it.
    if (IsMarriageOpen() && IsSeat(leader) && trickCards[PreviousSeat(leader)] != 0 &&
        GetTrickWinnerSoFar(PreviousSeat(leader)) != declarer) {
        *shifted = true;
        return trickNumber;
    }
    return 1;
}

bool TrickGameKnowledge::MayAnnounce(int seat, int kind, std::uint8_t* lastMoment) {
    std::uint8_t dummy = 0;
    std::uint8_t& last = lastMoment ? *lastMoment : dummy;
    last = 0;
    if (!IsSeat(seat))
        return false;
    const int n = CountCardsInHand(seat, GetHandCapacity());
    bool shifted = false;
    const int c = GetDecisionTrick(&shifted);
    if (!shifted && IsSeat(seatToMove) && trickCards[seatToMove] == 0 && seat == seatToMove &&
        kind >= 0 && kind <= 5) {
        if (IsPartyCall(kind))
            last = 12 - c >= n ? 1 : 0;
        else
            last = n == LevelDeadline(kind) - c + 1 ? 1 : 0;
    }
    if (IsPartyCall(kind)) {
        const int g = n + c - 1;
        return g >= 11 || MayReplyWithPartyCall(seat, g);
    }
    if (kind >= 2 && kind <= 5)
        return n >= LevelDeadline(kind) - c + 1;
    return false;
}

bool TrickGameKnowledge::MayReplyWithPartyCall(int seat, int count) {
    if (!IsSeat(seat))
        return false;
    const int h = GetHighestAnnouncement(seats[seat].inDeclarerParty == 0);
    if (h == -1)
        return false;
    switch (count) {
    case 10:
    case 11:
    case 12:
        return true;
    case 9:
        return h >= 2;
    case 8:
        return h >= 3;
    case 7:
        return h >= 4;
    case 6:
        return h == 5;
    default:
        return false;
    }
}

bool TrickGameKnowledge::CanAddAnnouncement(bool firstParty, int kind) {
    const int ownCall = firstParty ? 1 : 0;
    const int count = ClampedAnnouncementCount();
    auto inFirstList = [&](int seat) { return seat == partyLists[0] || seat == partyLists[1]; };
    auto inOwnParty = [&](int seat) {
        if (firstParty)
            return inFirstList(seat);
        return seat == partyLists[2] || seat == partyLists[3] || seat == partyLists[4];
    };
    bool called = false;
    for (int i = 0; i < count; ++i)
        called = called || (announcements[i].kind == ownCall && inOwnParty(announcements[i].seat));
    if (!called)
        return kind == ownCall;
    for (int i = 0; i < count; ++i) {
        const AnnouncementEntry& entry = announcements[i];
        if (entry.kind < kind)
            continue;
        if (firstParty ? inFirstList(entry.seat) : !inFirstList(entry.seat))
            return false;
    }
    return true;
}

bool TrickGameKnowledge::MakeAnnouncement(int seat, int kind) {
    if (!IsSeat(seat) || kind < 0 || kind == 6 || kind == 7 || kind > 9)
        return false;
    const bool first = seats[seat].inDeclarerParty != 0;
    // A party's own call is never recorded for a seat of the other party (the open marriage
    // excepted, whose partner is found before the table books it).
    if ((kind == 0 || kind == 8) && first)
        return false;
    if ((kind == 1 || kind == 9) && !first && !IsMarriageOpen())
        return false;
    const int n = CountCardsInHand(seat, 12);
    if (!CanAddAnnouncement(first, kind))
        return false;
    AnnouncementEntry entry{};
    entry.kind = static_cast<std::int16_t>(kind);
    entry.seat = static_cast<std::int16_t>(seat);
    entry.beforeOwnCard = n != 12 - trickNumber ? 1 : 0;
    entry.trick = trickNumber;
    const int deadline = kind >= 8 ? 12 : (IsPartyCall(kind) ? 11 : LevelDeadline(kind));

    if (kind == 0 || kind == 8)
        SetPartyMember(seat, false);
    else if (kind == 1 || kind == 9)
        SetPartyMember(seat, true);
    else
        SetPartyMember(seat, first);

    const int c = marriageTrick != 0 ? marriageTrick : 1;
    const int base = deadline - c + 1 >= n && seat == seatToMove ? 1 : 2;
    int position = 16;
    if (IsSeat(leader)) {
        if (trickCards[PreviousSeat(leader)] != 0)
            position = 32;
        else if (trickCards[leader] == 0)
            position = 4;
        else if (trickCards[NextSeat(leader)] == 0)
            position = 8;
        else if (trickCards[NextSeat(NextSeat(leader))] == 0)
            position = 12;
    }
    entry.timing = static_cast<std::int16_t>(base + position);
    const int count = ClampedAnnouncementCount();
    if (count < kMaxAnnouncements) {
        announcements[count] = entry;
        announcementCount = static_cast<std::int16_t>(count + 1);
    }

    announceClock = static_cast<std::int32_t>(TickCount());
    announceClockSeat = static_cast<std::int16_t>(seat);

    const std::int16_t style = base == 1 ? 1 : 2;
    if (!UsesConventions(seat)) {
        if (kind == 0)
            contraStyle = style;
        else if (kind == 1)
            reStyle = style;
    }
    ObserveAnnouncement(seat, kind);
    if (seats[seat].usesProfileStyle == 0) {
        const bool early = StyleSetting(seats[seat], 3) != 0;
        if (kind == 1 && (base == 1 || early))
            reStyle = style;
        else if (kind == 0 && (base == 1 || early))
            contraStyle = style;
        else if (kind == 2 && first && seat != seatToMove) {
            if (base == 1)
                reNo90Style = 3;
            else
                reNo90Style = partyLists[0] != seat && partyLists[0] != seatToMove ? 2 : 1;
        }
    }
    return true;
}

bool TrickGameKnowledge::GetNextAnnouncement(int seat, std::int16_t* kind) {
    std::int16_t dummy = -1;
    std::int16_t& out = kind ? *kind : dummy;
    out = -1;
    if (!IsSeat(seat))
        return false;
    int n = CountCardsInHand(seat, 12);
    bool partnerFound = false;
    if (GameBits(gameType.word) == kWordMarriage) {
        if (marriageTrick != 0) {
            n += marriageTrick - 1;
        } else {
            if (!IsSeat(leader) || trickCards[PreviousSeat(leader)] == 0)
                return false;
            const int winner = GetTrickWinnerSoFar(PreviousSeat(leader));
            if (winner == declarer)
                return false;
            n += trickNumber - 1;
            partnerFound = winner == seat;
        }
    }
    const bool first = seats[seat].inDeclarerParty != 0;
    const int h = GetHighestAnnouncement(first);
    const int ownCall = first ? 1 : 0;
    auto reply = [&]() {
        if (!MayReplyWithPartyCall(seat, n))
            return false;
        out = static_cast<std::int16_t>(ownCall);
        return true;
    };
    switch (n) {
    case 11:
    case 12:
        out = first || partnerFound ? 1 : 0;
        return true;
    case 10:
        out = 2;
        return h >= 2 || h == ownCall || reply();
    case 9:
        out = 3;
        return h >= 2 || reply();
    case 8:
        out = 4;
        return h >= 3 || reply();
    case 7:
        out = 5;
        return h >= 4 || reply();
    case 6:
        return reply();
    default:
        return false;
    }
}

bool TrickGameKnowledge::HasForcingStyle(int seat) {
    return IsSeat(seat) && StyleSetting(seats[seat], 12) != 0 && StyleSetting(seats[seat], 13) > 2;
}

bool TrickGameKnowledge::HasWaitingStyle(int seat) {
    if (!IsSeat(seat) || StyleSetting(seats[seat], 14) == 0)
        return false;
    const SeatBlock& block = seats[seat];
    return StyleSetting(block, 15) > 2 || StyleSetting(block, 16) > 2 ||
           StyleSetting(block, 17) > 2;
}

void CopyAnnouncementEntry(AnnouncementEntry* dst, const AnnouncementEntry* src) {
    dst->kind = src->kind;
    dst->seat = src->seat;
    dst->beforeOwnCard = src->beforeOwnCard;
    dst->timing = src->timing;
    dst->trick = src->trick;
}

void TrickGameKnowledge::UpgradeReStyle(int seat) {
    if (reStyle != 2 || !IsSeat(seat))
        return;
    const int count = ClampedAnnouncementCount();
    const bool ownLast = count > 0 && announcements[count - 1].seat == seat &&
                         announcements[count - 1].beforeOwnCard != 0;
    const int led = IsSeat(leader) ? trickCards[leader] : 0;
    if (seat != leader && IsCardCode(led) && GetSuitGroup(led) != kTrumpGroup && ownLast &&
        HasForcingStyle(seat))
        reStyle = 9;
    else if (HasWaitingStyle(seat))
        reStyle = 8;
}

void TrickGameKnowledge::ClearAnnounceClock() {
    announceClock = 0;
    lastComputerCardTime = 0;
    announceClockSeat = -1;
}

void TrickGameKnowledge::TrackAnnouncementTiming(int seat) {
    if (!IsSeat(seat) || IsSoloGame() || IsMarriageOpen())
        return;
    if (announceClockSeat != seat && announceClockSeat != -1) {
        ClearAnnounceClock();
        pauseSeen = 0;
        announcedAfterPause = 0;
        return;
    }
    const bool first = seats[seat].inDeclarerParty != 0;
    if (seats[seat].usesProfileStyle != 0) {
        if (pauseSeen)
            return;
        if (first) {
            pauseSeen = reStyle == 8 || reStyle == 9 || reStyle == 11 ? 1 : 0;
            announcedAfterPause = reStyle == 8 ? 1 : 0;
        } else {
            pauseSeen = contraStyle == 3 || contraStyle == 12 ? 1 : 0;
        }
        return;
    }
    if (trickNumber > 4 || GetHighestAnnouncement(first) >= 2 || !MayAnnounce(seat, 1, nullptr))
        return;
    // Pauses are measured in tenths of a second (six ticks) against the delay unit; tick
    // differences are taken unsigned so that a wrapped counter still gives the true pause.
    const std::uint32_t unit =
        rules ? static_cast<std::uint32_t>(std::max<int>(0, rules->announceDelay)) : 20;
    const std::uint32_t now = TickCount();
    const std::uint32_t paused = (now - static_cast<std::uint32_t>(announceClock)) / 6;
    const bool waited = unit * 9 / 10 <= paused && paused < 3 * unit;
    if (pauseSeen && !waited)
        reStyle = 2;
    pauseSeen = waited ? 1 : 0;
    const bool leads = seat == leader;
    if (waited) {
        if (first) {
            if (announceClockSeat != seat)
                return;
            if (GetTrickPosition(seat) == 2) {
                if (HasAnnounceOffLeadStyle(seat)) {
                    announcedAfterPause = 1;
                } else {
                    const std::uint32_t gap = (static_cast<std::uint32_t>(announceClock) -
                                               static_cast<std::uint32_t>(lastComputerCardTime)) /
                                              6;
                    announcedAfterPause = unit * 8 / 10 <= gap && gap < 5 * unit ? 1 : 0;
                }
                if (announcedAfterPause)
                    UpgradeReStyle(seat);
                else
                    reStyle = 8;
            } else {
                announcedAfterPause = 0;
                if (HasAnnounceOnLeadStyle(seat) && leads)
                    reStyle = 11;
                if (reStyle == 2)
                    UpgradeReStyle(seat);
            }
        } else if (GetHighestAnnouncement(true) <= 1) {
            if (HasAnnounceOnLeadStyle(seat) && leads) {
                contraStyleSeat = static_cast<std::int16_t>(seat);
                contraStyle = 12;
            }
            if (HasAnnounceOffLeadStyle(seat) && !leads) {
                contraStyleSeat = static_cast<std::int16_t>(seat);
                contraStyle = 3;
            }
        }
        ClearAnnounceClock();
        return;
    }
    if (leads && trickCards[seat] == kHeartTen && HasAnnounceOnLeadStyle(seat) &&
        StyleSetting(seats[seat], 23) != 0 && StyleSetting(seats[seat], 24) > 2)
        contraStyle = first ? 11 : 12;
}

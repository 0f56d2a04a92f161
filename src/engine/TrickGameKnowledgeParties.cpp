// Party beliefs, the party lists and the seat-to-move's views of them, and the announcement
// questions of a seat's party.
//
// partyLists: entries 0-1 the declaring (first) party, 2-4 the other party, -1 not known yet.
// The engine knows every seat's real party (SeatBlock::inDeclarerParty); the lists and beliefs
// hold only what the table may conclude.
#include "engine/TrickGameKnowledge.h"

#include <cstdlib>

#include "engine/EngineServices.h"
#include "engine/SeatLists.h"

// --- beliefs ---

void TrickGameKnowledge::AdjustBelief(int observer, int seat, int step) {
    if (!IsSeat(observer) || !IsSeat(seat))
        return;
    std::int16_t& belief = seats[observer].partyBelief[seat];
    if (belief == 100 || belief == -100)
        return;
    int value = belief + step;
    if (value > 95)
        value = 95;
    if (value < -95)
        value = -95;
    belief = static_cast<std::int16_t>(value);
}

void TrickGameKnowledge::SetBelief(int observer, int seat, int target) {
    if (!IsSeat(observer) || !IsSeat(seat))
        return;
    std::int16_t* row = seats[observer].partyBelief;
    const int belief = row[seat];
    if (belief != 100 && belief != -100) {
        // A belief already past the target is pushed a little further the same way.
        if (target < 0) {
            if (target < belief)
                row[seat] = static_cast<std::int16_t>(target);
            else
                AdjustBelief(observer, seat, -10);
        } else {
            if (belief < target)
                row[seat] = static_cast<std::int16_t>(target);
            else
                AdjustBelief(observer, seat, 10);
        }
    }
    // The own entry is 100: one certain partner, or two certain non-partners, settle the row.
    int sure = 0;
    int sureNot = 0;
    for (int t = 0; t < kSeatCount; ++t) {
        sure += row[t] == 100 ? 1 : 0;
        sureNot += row[t] == -100 ? 1 : 0;
    }
    if (sure == 2) {
        for (int t = 0; t < kSeatCount; ++t)
            if (row[t] != 100)
                row[t] = -100;
    } else if (sureNot == 2) {
        for (int t = 0; t < kSeatCount; ++t)
            if (row[t] != -100)
                row[t] = 100;
    }
}

int TrickGameKnowledge::GetPartyBelief(int observer, int seat) {
    if (!IsSeat(observer) || !IsSeat(seat))
        return 0;
    return seats[observer].partyBelief[seat];
}

// --- party lists ---

bool TrickGameKnowledge::IsInFirstParty(int seat) {
    return ListHoldsSeat(partyLists, 2, seat);
}

bool TrickGameKnowledge::IsPartyKnown(int seat) {
    return ListHoldsSeat(partyLists, 5, seat);
}

bool TrickGameKnowledge::ArePartiesKnown() {
    return IsSoloGame() || (partyLists[1] != -1 && partyLists[3] != -1);
}

bool TrickGameKnowledge::SetPartyMember(int seat, bool first) {
    if (ArePartiesKnown())
        return true;
    if (!IsSeat(seat))
        return false;
    // A seat never stands in both lists: a second, contradicting entry is refused.
    if (first ? ListHoldsSeat(partyLists + 2, 3, seat) : ListHoldsSeat(partyLists, 2, seat)) {
        DebugBox("Party list", seat);
        return false;
    }
    const int base = first ? 0 : 2;
    int used = -1;
    for (int i = base; i < base + 2; ++i) {
        if (partyLists[i] == seat || partyLists[i] == -1) {
            partyLists[i] = static_cast<std::int16_t>(seat);
            used = i;
            break;
        }
    }
    if (used == 1) {
        // The first party is complete: the other two seats, in seat order, are the second.
        int entry = 2;
        for (int t = 0; t < kSeatCount && entry <= 3; ++t)
            if (!ListHoldsSeat(partyLists, 2, t))
                partyLists[entry++] = static_cast<std::int16_t>(t);
    } else if (used == 3) {
        int j = 0;
        for (int t = 0; t < kSeatCount && j <= 1; ++t) {
            if (ListHoldsSeat(partyLists + 2, 2, t))
                continue;
            if (partyLists[j] == -1) {
                partyLists[j++] = static_cast<std::int16_t>(t);
            } else if (partyLists[j] != t) {
                partyLists[1] = static_cast<std::int16_t>(t);
                break;
            } else {
                ++j;
            }
        }
    }
    for (int t = 0; t < kSeatCount; ++t)
        SetBelief(t, seat, (seats[t].inDeclarerParty != 0) == first ? 100 : -100);
    return used == 1 || used == 3;
}

void TrickGameKnowledge::GetPartyList(bool first, std::int16_t* list) {
    if (first) {
        list[0] = partyLists[0];
        list[1] = partyLists[1];
        list[2] = -1;
    } else {
        list[0] = partyLists[2];
        list[1] = partyLists[3];
        list[2] = partyLists[4];
    }
    CompletePartyList(first, list);
}

void TrickGameKnowledge::CompletePartyList(bool first, std::int16_t* list) {
    const int mover = seatToMove;
    if (!IsSeat(mover) || IsSoloGame())
        return;
    if ((gameType.word & kWordMarriage) != 0 && partyLists[1] == -1)
        return;
    const bool moverFirst = seats[mover].inDeclarerParty != 0;
    int n = list[0] == -1 ? 0 : (list[1] == -1 ? 1 : 2);
    if (n == 2)
        return;
    if (!first && IsSeat(contraStyleSeat)) {
        const bool signalled = (contraStyle == 3 && HasAnnounceOffLeadStyle(mover)) ||
                               (contraStyle == 12 && HasAnnounceOnLeadStyle(mover));
        if (signalled && list[0] != contraStyleSeat && list[1] != contraStyleSeat) {
            list[n++] = contraStyleSeat;
            if (n == 2)
                return;
        }
    }
    // Fills the list from a known other party; answers whether it did.
    auto completeFromOther = [&](bool afterOne) {
        if (completingParties != 0)
            return false;
        std::int16_t other[3];
        completingParties = 1;
        GetPartyList(!first, other);
        completingParties = 0;
        if (other[1] == -1)
            return false;
        int entry = afterOne ? 1 : 0;
        bool wrote = false;
        for (int t = 0; t < kSeatCount && entry < 3; ++t) {
            if (ListHoldsSeat(other, 3, t) || (afterOne && t == list[0]))
                continue;
            list[entry++] = static_cast<std::int16_t>(t);
            wrote = true;
            if (afterOne)
                break;
        }
        return wrote;
    };
    if (n == 1) {
        if (first == moverFirst && list[0] != mover) {
            list[1] = static_cast<std::int16_t>(mover);
            return;
        }
        if (first != moverFirst && completeFromOther(true))
            return;
    } else if (first == moverFirst) {
        list[0] = static_cast<std::int16_t>(mover);
        n = 1;
    }
    // The seat-to-move's beliefs fill the rest; a strong seat trusts them more as the deal goes.
    int scores[3];
    for (int i = 0; i < 3; ++i)
        scores[i] = i < n ? 100 : 0;
    const int decay = IsSeatToMoveAbove5() ? static_cast<int>(trickNumber * 2.5) : 0;
    for (int k = 0; k < kSeatCount; ++k) {
        if (k == mover || ListHoldsSeat(list, n, k))
            continue;
        const int belief = GetPartyBelief(mover, k);
        const int value = first == moverFirst ? belief : -belief;
        if (!PassesThreshold(seats[mover].profile, static_cast<float>(value), 60 - decay,
                             64 - decay, 70 - decay, 78 - decay))
            continue;
        const int score = std::abs(belief);
        if (n < 2) {
            list[n] = static_cast<std::int16_t>(k);
            scores[n++] = score;
            continue;
        }
        int weaker = -1;
        bool tie = false;
        for (int i = 0; i < n && weaker == -1; ++i) {
            if (scores[i] < score)
                weaker = i;
            tie = tie || scores[i] == score;
        }
        if (weaker != -1) {
            list[weaker] = static_cast<std::int16_t>(k);
            scores[weaker] = score;
        } else if (tie && n < 3) {
            // A tied candidate takes the third entry; a list has no room for a fourth.
            list[n] = static_cast<std::int16_t>(k);
            scores[n++] = score;
        }
    }
    if (n < 2)
        completeFromOther(false);
}

int TrickGameKnowledge::GetPartnersOfMover(std::int16_t* partners) {
    partners[0] = partners[1] = -1;
    const int mover = seatToMove;
    if (!IsSeat(mover))
        return 0;
    std::int16_t list[3];
    GetPartyList(seats[mover].inDeclarerParty != 0, list);
    int count = 0;
    for (int i = 0; i < 3 && count < 2; ++i)
        if (list[i] != -1 && list[i] != mover)
            partners[count++] = list[i];
    return count;
}

int TrickGameKnowledge::GetOpponentsOfMover(std::int16_t* opponents) {
    const bool moverFirst = IsSeat(seatToMove) && seats[seatToMove].inDeclarerParty != 0;
    GetPartyList(!moverFirst, opponents);
    int count = 0;
    for (int i = 0; i < 3; ++i)
        count += opponents[i] != -1 ? 1 : 0;
    return count;
}

void TrickGameKnowledge::GetPartyOf(std::int16_t* others, int seat) {
    others[0] = others[1] = -1;
    if (!IsSeat(seat))
        return;
    if (seats[seat].inDeclarerParty != 0) {
        others[0] = partyLists[0] == seat ? partyLists[1] : partyLists[0];
    } else if (partyLists[2] == seat || partyLists[3] == seat) {
        others[0] = partyLists[2] == seat ? partyLists[3] : partyLists[2];
        others[1] = partyLists[4];
    } else {
        others[0] = partyLists[2];
        others[1] = partyLists[3];
    }
}

int TrickGameKnowledge::GetPartyPoints(int seat) {
    if (!IsSeat(seat))
        return 0;
    std::int16_t list[3];
    GetPartyList(seats[seat].inDeclarerParty != 0, list);
    int points = 0;
    for (int i = 0; i < 3; ++i)
        if (IsSeat(list[i]))
            points += cardPoints[list[i]];
    return points;
}

int TrickGameKnowledge::SumCardPoints() {
    int points = 0;
    for (int seat = 0; seat < kSeatCount; ++seat)
        points += cardPoints[seat];
    return points;
}

bool TrickGameKnowledge::IsListedFirstParty(int seat) {
    return ListHoldsSeat(firstPartyView, 2, seat);
}

bool TrickGameKnowledge::IsListedSecondParty(int seat) {
    return ListHoldsSeat(secondPartyView, 3, seat);
}

bool TrickGameKnowledge::IsListedInPartyView(int seat) {
    return IsListedFirstParty(seat) || IsListedSecondParty(seat);
}

bool TrickGameKnowledge::DoesTrickGoToPartner() {
    if (declarer == seatToMove && IsMarriageOpen())
        return true;
    const int winner = GetTrickWinnerSoFar(PreviousSeat(seatToMove));
    return ListHoldsSeat(moverPartners, 2, winner);
}

// --- announcements ---

void TrickGameKnowledge::FindAnnouncement(int seat, int* kind, int* level) {
    const int count = announcementCount < kMaxAnnouncements ? announcementCount : kMaxAnnouncements;
    for (int i = count - 1; i >= 0; --i) {
        const AnnouncementEntry& entry = announcements[i];
        if (entry.seat != seat)
            continue;
        *kind = entry.kind;
        const bool marked = (entry.timing & 3) == 2;
        if (entry.kind == 0 || entry.kind == 1)
            *level = marked ? 2 : 10;
        else if (entry.kind == 2)
            *level = marked ? 4 : 6;
        else if (entry.kind >= 3 && entry.kind <= 5)
            *level = 1;
        return;
    }
    *kind = -1;
    *level = -1;
}

int TrickGameKnowledge::GetPartnerAnnouncement(int seat) {
    if (!IsSeat(seat))
        return -1;
    int partner = -1;
    if (seats[seat].inDeclarerParty != 0)
        partner = partyLists[0] == seat ? partyLists[1] : partyLists[0];
    else
        partner = partyLists[2] == seat ? partyLists[3] : partyLists[2];
    if (partner == -1)
        return -1;
    int kind = -1;
    int level = -1;
    FindAnnouncement(partner, &kind, &level);
    return kind;
}

int TrickGameKnowledge::GetAnnouncementThisTrick(int seat) {
    const int count = announcementCount < kMaxAnnouncements ? announcementCount : kMaxAnnouncements;
    for (int i = count - 1; i >= 0; --i)
        if (announcements[i].seat == seat)
            return announcements[i].trick == trickNumber ? announcements[i].kind : -1;
    return -1;
}

int TrickGameKnowledge::GetHighestAnnouncement(bool first) {
    int highest = -1;
    for (int i = first ? 0 : 2; i < (first ? 2 : 5); ++i) {
        if (partyLists[i] == -1)
            continue;
        int kind = -1;
        int level = -1;
        FindAnnouncement(partyLists[i], &kind, &level);
        if (kind > highest)
            highest = kind;
    }
    return highest;
}

// --- suits for a called Ace ---

void TrickGameKnowledge::CountSuitsAndAces(const SeatBlock& block, const GameType& type, int* held,
                                           int* withAce) {
    // The normal or call game among the game bits; the test lets a few solo words through too.
    const long bits = static_cast<long>(GameBits(type.word));
    if (bits < 1 || (bits - 1) % 5 != 0) {
        *held = *withAce = -1;
        return;
    }
    *held = *withAce = 0;
    for (int suit = 0; suit < 4; ++suit) {
        if (suit == type.trumpSuit || block.groupCount[suit] == 0)
            continue;
        ++*held;
        if (((block.aceMask >> (2 * suit)) & 3) != 0)
            ++*withAce;
    }
}

void TrickGameKnowledge::CountSeatSuitsAndAces(int seat, int* held, int* withAce) {
    if (!IsSeat(seat)) {
        *held = *withAce = -1;
        return;
    }
    CountSuitsAndAces(seats[seat], gameType, held, withAce);
}

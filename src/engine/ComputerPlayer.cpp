#include "engine/ComputerPlayer.h"

#include "engine/EngineServices.h"

ComputerPlayer::ComputerPlayer() = default;

// --- replaced operations of the lower levels ---

void ComputerPlayer::ResetEvidence() {
    for (auto& row : evidence)
        for (auto& mark : row)
            mark = -1;
}

int ComputerPlayer::GetTrickPosition(int seat) {
    if (!IsSeat(seat) || !IsSeat(leader))
        return -1;
    int position = 1;
    for (int s = leader; s != seat && position <= GetSeatCount(); s = NextSeat(s))
        ++position;
    return position;
}

int ComputerPlayer::GetTrickWinnerSoFar(int seat) {
    if (!IsSeat(leader) || seat == leader)
        return leader;
    const int special = GetSpecialTopCard();
    int best = trickCards[leader];
    bool bestIsTrump = IsTrump(best);
    const int bestSuit = SuitOf(best);
    int winner = leader;
    bool shown = false; // a raised top card (rules card or Schellen Ace) holds the trick
    auto raisedCard = [&](int card) {
        return diamondAcesSeat != -1 &&
               ((specialPairSeat != -1 && card == special) || card == kSchellenAce);
    };
    shown = bestIsTrump && raisedCard(best);
    const bool top = IsHeartTenTop(&gameType);
    for (int t = NextSeat(leader), n = 1; n < GetSeatCount(); t = NextSeat(t), ++n) {
        const int card = trickCards[t];
        if (IsCardCode(card)) {
            const bool trump = IsTrump(card);
            if (bestIsTrump) {
                if (trump) {
                    bool takes = false;
                    if (diamondAcesSeat != -1 && specialPairSeat != -1 && card == special) {
                        takes = true;
                        shown = true;
                    } else if (diamondAcesSeat != -1 && card == kSchellenAce && !shown) {
                        takes = true;
                        shown = true;
                    } else if (!shown && card == kHeartTen && top) {
                        takes = SecondHeartTenWins() || best != kHeartTen;
                    } else if (!shown) {
                        takes = !IsCardHigher(best, card);
                    }
                    if (takes) {
                        winner = t;
                        best = card;
                    }
                }
            } else if (trump) {
                winner = t;
                best = card;
                bestIsTrump = true;
                shown = raisedCard(card);
            } else if (SuitOf(card) == bestSuit && card > best) {
                winner = t;
                best = card;
            }
        }
        if (t == seat)
            break;
    }
    return winner;
}

TrickGameKnowledge* ComputerPlayer::UpdatePlaceRecords() {
    // Every seat's exact sizes are worked out before the last seat's are filled in from them:
    // filling in during one seat's walk would read the other seats' sizes of the card before.
    const bool strong = IsSeatToMoveAbove15();
    for (int seat = 0; seat < GetSeatCount(); ++seat)
        InferExactGroupSizes(seat);
    if (!strong)
        FillLastSeatExactSizes();
    for (int seat = 0; seat < GetSeatCount(); ++seat)
        InferGroupFacts(seat);
    if (strong)
        FillLastSeatExactSizes();
    return this;
}

// --- bookkeeping and the play of a card ---

void ComputerPlayer::RemoveFromHand(std::uint8_t* hand, int place) {
    if (place < 0 || place >= kHandPlaces)
        return;
    int i = place;
    while (i < kHandPlaces - 1 && hand[i] != 0) {
        hand[i] = hand[i + 1];
        ++i;
    }
    hand[i] = 0;
}

void ComputerPlayer::UpdateHandCounts(SeatBlock& block, int card) {
    if (!IsCardCode(card))
        return;
    --block.groupCount[GetSuitGroup(card)];
    const int suit = SuitOf(card);
    switch (RankCodeOf(card)) {
    case kRankAce:
        --block.aceCount;
        RemoveFromRankMask(&block.aceMask, suit);
        break;
    case kRankTen:
        --block.tenCount;
        RemoveFromRankMask(&block.tenMask, suit);
        break;
    case kRankOber:
        --block.oberCount;
        RemoveFromRankMask(&block.oberMask, suit);
        break;
    case kRankUnter:
        --block.unterCount;
        RemoveFromRankMask(&block.unterMask, suit);
        break;
    case kRankKing:
        --block.kingCount;
        RemoveFromRankMask(&block.kingMask, suit);
        break;
    default:
        break;
    }
}

void ComputerPlayer::RecordCard(int seat, int card, int) {
    trickCards[seat] = static_cast<std::int16_t>(card);
    // The game line sets the trick number (from 1) before the first card of a deal.
    if (trickNumber >= 1 && trickNumber <= kTrickCount) {
        TrickRecord& trick = tricks[trickNumber - 1];
        trick.cards[seat] = static_cast<std::int16_t>(card);
        trick.leader = leader;
    } else {
        DebugBox("Trick number", trickNumber);
    }
    ++playedCounts[seat][GetSuitGroup(card)];
    AddToRankMask(&playedMasks[RankCodeOf(card)], SuitOf(card));
    // The card memory learns from the seat to move's card; a card booked for another seat
    // (a line out of step) teaches it nothing rather than something false.
    if (seat == seatToMove)
        UpdateEstimatesAfterCard();
}

bool ComputerPlayer::PlaysBefore(int seat) {
    if (!IsSeat(leader))
        return false;
    for (int s = leader, n = 0; s != seatToMove && n < GetSeatCount(); s = NextSeat(s), ++n)
        if (s == seat)
            return true;
    return false;
}

int ComputerPlayer::ResolveComputerCard(int seat, int* place, int* reason) {
    auto holdsCardAt = [&](int p) {
        return IsSeat(seat) && p >= 0 && p < GetHandCapacity() && p < kHandPlaces &&
               IsCardCode(seats[seat].hand[p]);
    };
    ShowClubQueen(seat, place, reason);
    if (!holdsCardAt(*place))
        return -1;
    int card = seats[seat].hand[*place];
    const int best = GetBestCardSoFar();
    const int replaced = ReplaceCardChoice(seat, card, place, best);
    if (replaced != -1)
        card = replaced;
    const int next = ReplaceCardChoiceNext(seat, card, best);
    if (next != -1) {
        ++*place;
        card = next;
    }
    if (!holdsCardAt(*place) || !IsCardCode(card))
        return -1;
    return card;
}

void ComputerPlayer::PlayCard(int seat, int place, int reason) {
    // A place outside the hand, or an empty one, is refused before anything changes.
    auto holdsCardAt = [&](int p) {
        return p >= 0 && p < GetHandCapacity() && p < kHandPlaces &&
               IsCardCode(seats[seat].hand[p]);
    };
    if (!IsSeat(seat) || !holdsCardAt(place)) {
        DebugBox("Play card", place);
        return;
    }
    // A dry run only probes a card: the pause before it was never made.
    if (!dryRun)
        TrackAnnouncementTiming(seat);
    const bool computerCard = reason != kReasonHuman;
    const int card =
        computerCard ? ResolveComputerCard(seat, &place, &reason) : seats[seat].hand[place];
    if (card == -1 || !holdsCardAt(place)) {
        DebugBox("Play card", place);
        return;
    }
    if (dryRun) {
        trickCards[seat] = static_cast<std::int16_t>(card);
        dryRunIndex = static_cast<std::int16_t>(place);
        dryRunReason = static_cast<std::int16_t>(reason);
        return;
    }
    if (computerCard) {
        if (card == kSchellenAce && CanShowDiamondAces(seat))
            SetDiamondAceSeat(seat);
        else if (card == GetSpecialTopCard() && CanShowSpecialPair(seat))
            SetSpecialPairSeat(seat);
    }
    AppendPlayLog(seat, card, reason);
    RecordPlayedPlace(seat, card, place);
    RemoveFromHand(seats[seat].hand, place);
    UpdateHandCounts(seats[seat], card);
    RecordCard(seat, card, place);
    ObserveAfterCard(seat);
    ObserveNormalGameCard(seat);
}

bool ComputerPlayer::MayPlayCardNow(int, int) {
    return true;
}

int ComputerPlayer::IsLegalCard(int seat, int card) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return 0;
    bool held = false;
    for (int p = 0; p < CountHandPlaces(); ++p)
        held = held || seats[seat].hand[p] == card;
    if (!held)
        return 0;
    if (seat == leader || CannotFollowSuit(seat))
        return 1;
    const int led = trickCards[leader];
    if (IsTrump(led))
        return IsTrump(card) ? 1 : 0;
    return GetSuitGroup(card) == GetSuitGroup(led) ? 1 : 0;
}

// --- predicates, ratings and basic plays: answered by the card-play levels ---

int ComputerPlayer::GetLowTrumpLimit() {
    return 20;
}

// --- controller hooks ---

ComputerPlayer* ComputerPlayer::ChooseSolo(int) {
    return this;
}
ComputerPlayer* ComputerPlayer::PrepareSeatToMove(int) {
    return this;
}
ComputerPlayer* ComputerPlayer::ChooseAndPlay(int, std::uint8_t*) {
    return this;
}
ComputerPlayer* ComputerPlayer::StartTrick() {
    return this;
}
ComputerPlayer* ComputerPlayer::EndTrick(std::uint8_t*) {
    return this;
}
ComputerPlayer* ComputerPlayer::AddBillItem(void*, int, int) {
    return this;
}
ComputerPlayer* ComputerPlayer::SettleGame(void*) {
    return this;
}
ComputerPlayer* ComputerPlayer::StartPlay(int, bool, bool, int) {
    return this;
}
int ComputerPlayer::ReplaceCardChoice(int, int, int*, int) {
    return -1;
}
int ComputerPlayer::ReplaceCardChoiceNext(int, int, int) {
    return -1;
}

// --- non-virtual bookkeeping ---

bool ComputerPlayer::PlayCardIfHeld(int seat, int card, int reason) {
    if (!IsSeat(seat) || !IsCardCode(card))
        return false;
    for (int p = 0; p < CountHandPlaces(); ++p)
        if (seats[seat].hand[p] == card)
            return PlayRuleCard(seat, p, reason);
    return false;
}

std::int16_t ComputerPlayer::BeginDryRun() {
    const std::int16_t saved = dryRun;
    dryRun = 1;
    return saved;
}

void ComputerPlayer::EndDryRun(int seat, std::int16_t savedMode) {
    dryRun = savedMode;
    if (IsSeat(seat))
        trickCards[seat] = 0;
}

void ComputerPlayer::AppendPlayLog(int seat, int card, int reason) {
    if (!keepPlayLogs)
        return;
    PlayLog* log = GetPlayLog(seat);
    if (!log || log->count < 0 || log->count >= kPlayLogEntries)
        return;
    const int old = log->count;
    PlayLogEntry& entry = log->entries[old];
    entry.card = static_cast<std::uint8_t>((entry.card & 0x80) | ((card & 0x3f) << 1));
    entry.reason = static_cast<std::uint8_t>(reason);
    log->count = static_cast<std::int16_t>(old + 1);
    if (old < GetHandCapacity() && old < 12)
        log->order[old] = static_cast<std::int16_t>(old);
}

int ComputerPlayer::GetGroupStart(int seat, int group) {
    int start = 0;
    for (int g = 0; g < group; ++g)
        start += seats[seat].groupCount[g];
    return start;
}

int ComputerPlayer::GetGroupEnd(int seat, int group) {
    return GetGroupStart(seat, group) + seats[seat].groupCount[group] - 1;
}

void ComputerPlayer::ComputeRankStats(SeatBlock& block) {
    struct RankField {
        int rank;
        std::uint16_t* mask;
        std::int16_t* count;
    };
    const RankField fields[] = {{kRankAce, &block.aceMask, &block.aceCount},
                                {kRankTen, &block.tenMask, &block.tenCount},
                                {kRankOber, &block.oberMask, &block.oberCount},
                                {kRankUnter, &block.unterMask, &block.unterCount},
                                {kRankKing, &block.kingMask, &block.kingCount}};
    for (const RankField& field : fields) {
        *field.mask = 0;
        *field.count = 0;
        for (int p = 0; p < GetHandCapacity() && p < kHandPlaces; ++p) {
            const int card = block.hand[p];
            if (IsCardCode(card) && RankCodeOf(card) == field.rank) {
                ++*field.count;
                AddToRankMask(field.mask, SuitOf(card));
            }
        }
    }
}

void ComputerPlayer::RecordPlayedPlace(int seat, int card, int place) {
    HandPlaceRecord& record = placeRecords[seat];
    // place counts only the places not yet revealed: the hand closes up after every card.
    int unrevealed = -1;
    for (int p = 0; p < kHandPlaces; ++p) {
        if (record.places[p] == 0 && ++unrevealed == place) {
            record.places[p] = static_cast<std::uint8_t>(card);
            break;
        }
    }
    for (int t = 0; t < GetSeatCount(); ++t)
        RefreshTopCards(t);
}

void ComputerPlayer::RefreshTopCards(int seat) {
    HandPlaceRecord& record = placeRecords[seat];
    for (int g = 0; g < 4; ++g)
        record.topCard[g] = static_cast<std::int16_t>(8 * (g + 1));
    if (GetSeatCount() == 3)
        record.topCard[4] =
            static_cast<std::int16_t>((gameType.word & kSkatGameMask) == 4 ? 0 : kEichelUnter);
    else
        record.topCard[4] = static_cast<std::int16_t>(GetTopCard(kTrumpGroup));

    const int places = CountHandPlaces();
    for (int i = 0; i < places; ++i) {
        const int g = PlaceGroup(record.places[i]);
        if (g < 0)
            continue;
        const bool endsRun =
            i == places - 1 || (record.places[i + 1] != 0 && PlaceGroup(record.places[i + 1]) != g);
        if (!endsRun)
            continue;
        // Every revealed card of the run was played: what the seat keeps of g lies below it.
        int j = i - 1;
        while (j > 0 && PlaceGroup(record.places[j]) == g)
            --j;
        record.topCard[g] = record.places[j + 1];
    }
    if (record.places[0] != 0) {
        // Nothing can lie before place 0: the groups below its card are empty.
        for (int k = 0; k < PlaceGroup(record.places[0]); ++k)
            record.topCard[k] = static_cast<std::int16_t>(k * 8 + 2);
    }
    for (int g = 0; g < kGroupCount; ++g) {
        if (g != kTrumpGroup && g == gameType.trumpSuit)
            continue;
        if (record.topCard[g] == 0)
            record.topCard[g] = static_cast<std::int16_t>(GetTopCard(g));
        if (record.topCard[g] > 0)
            record.topCard[g] = static_cast<std::int16_t>(GetNextUnplayedCard(record.topCard[g]));
    }
}

int ComputerPlayer::GetNextUnplayedCard(int card) {
    const bool twoCopies = HasTwoCopies();
    while (IsCardPlayed(card, twoCopies)) {
        const int lower = GetNextLowerCard(card);
        if (lower == -1)
            break;
        card = lower;
    }
    return card;
}

int ComputerPlayer::CountTopTrumpPlaces(int seat) {
    const HandPlaceRecord& record = placeRecords[seat];
    int count = 0;
    bool passedTopTrump = false;
    const int last = CountHandPlaces() - 1;
    for (int p = last; p >= 0; --p) {
        const int card = record.places[p];
        if (card == 0) {
            ++count;
        } else if (!IsTrump(card)) {
            return passedTopTrump ? count : 0;
        } else if (RateCardRole(card) != 3) {
            return count;
        } else {
            passedTopTrump = true;
        }
    }
    return 0;
}

// --- group facts from the hand places ---

bool ComputerPlayer::IsAceRule(int seat, int place, int card, int current) {
    // A played Ace closes its plain group when the seat cannot hold the other copy: the copy
    // would lie in the very next place, and it is out of the question once both were played.
    if (!IsSeatToMoveAbove15() || current >= kTrumpGroup || card != current * 8 + 8)
        return false;
    const HandPlaceRecord& record = placeRecords[seat];
    if (place + 1 < kHandPlaces && record.places[place + 1] == card)
        return false;
    return !HasTwoCopies() || IsCardPlayed(card, true);
}

bool ComputerPlayer::IsLowestTrumpRule(int card) {
    // The lowest trump opens the trump group, unless the seat may hold its other copy just
    // before it.
    if (card != GetLowestTrump(gameType.trumpSuit, gameType.word))
        return false;
    return !HasTwoCopies() || IsCardPlayed(card, true);
}

void ComputerPlayer::InferGroupFacts(int seat) {
    HandPlaceRecord& record = placeRecords[seat];
    if (IsSeatToMoveAbove15()) {
        int known = 0;
        int held = 0;
        for (int g = 0; g < kGroupCount; ++g) {
            if (record.exactSize[g] != -1)
                known += record.exactSize[g];
            held += seats[seat].groupCount[g];
        }
        if (known == held) {
            for (int g = 0; g < kGroupCount; ++g) {
                const std::int16_t size = record.exactSize[g] > 0 ? record.exactSize[g] : 0;
                record.exactSize[g] = record.minSize[g] = record.maxSize[g] = size;
            }
            return;
        }
    }
    InferMinGroupSizes(seat);
    InferMaxGroupSizes(seat);
}

// The walk shared by the three size walks: down the seat's hand places, in the order of the
// sorted hand, from the first plain group to the trumps. A played Ace that closes its group
// moves on to the next group; each walk's step says what an unrevealed place, a card of the
// current group, the close by an Ace, a card of a later group and the end tell it.
template <class Step>
void ComputerPlayer::WalkHandPlaces(int seat, std::int16_t* sizes, Step& step) {
    for (int g = 0; g < kGroupCount; ++g)
        sizes[g] = -1;
    const HandPlaceRecord& record = placeRecords[seat];
    PlaceWalk walk;
    walk.cur = FirstPlainGroup();
    walk.places = CountHandPlaces();
    for (int i = 0; i < walk.places; ++i) {
        const int card = record.places[i];
        if (card == 0) {
            ++walk.n;
            step.Unrevealed(walk);
            continue;
        }
        const int g = GetSuitGroup(card);
        if (g == walk.cur) {
            step.SameGroup(walk, i);
            if (IsAceRule(seat, i, card, walk.cur)) {
                step.AceCloses(walk);
                walk.cur = NextPlaceGroup(walk.cur);
                walk.n = 0;
            }
            continue;
        }
        step.NewGroup(walk, i, card, g);
    }
    step.Finish(walk);
}

void ComputerPlayer::InferExactGroupSizes(int seat) {
    HandPlaceRecord& record = placeRecords[seat];
    // The exact size of a group follows where both its ends are seen.
    struct ExactStep {
        ComputerPlayer& game;
        const HandPlaceRecord& record;
        std::int16_t* exact;
        const std::int16_t* estimate;
        bool strong;
        int trumpSuit;
        bool gap = false;    // an unrevealed place was passed since the last revealed card
        bool unsure = false; // where the current group began is not known
        bool low = false;
        void Unrevealed(PlaceWalk&) { gap = true; }
        void SameGroup(PlaceWalk&, int) { gap = false; }
        void AceCloses(PlaceWalk& w) {
            if (!unsure)
                exact[w.cur] = static_cast<std::int16_t>(w.n);
            unsure = false;
        }
        void NewGroup(PlaceWalk& w, int i, int card, int g) {
            const int cur = w.cur;
            const int n = w.n;
            w.cur = g;
            w.n = 0;
            const bool previousRevealed = i > 0 && record.places[i - 1] != 0;
            if (strong && g == kTrumpGroup) {
                const bool adjacent = cur == 3 || (cur == 2 && trumpSuit == 3);
                if (game.IsLowestTrumpRule(card)) {
                    low = true;
                    if (gap && adjacent && !unsure && cur < kGroupCount)
                        exact[cur] = static_cast<std::int16_t>(n);
                }
                if (previousRevealed)
                    for (int k = cur + 1; k <= 3; ++k)
                        exact[k] = 0;
            }
            if (gap && !(strong && estimate[g] == 100)) {
                if (previousRevealed && strong) {
                    unsure = false;
                    gap = false;
                } else {
                    unsure = true;
                }
                return;
            }
            // The unrevealed places before a card of a group the seat is void in belong to
            // cur only when no group between could hold them: the empty trump suit's own
            // group right after cur, and groups known void beyond it.
            bool emptyBetween = trumpSuit == cur + 1;
            for (int k = cur + 2; k < g && emptyBetween; ++k)
                emptyBetween = estimate[k] == 100;
            if (gap && trumpSuit != cur && !emptyBetween && g != cur + 1) {
                exact[g] = 0;
            } else if (!unsure && cur < kGroupCount) {
                int left = n;
                if (estimate[cur] == 100) {
                    exact[cur] = 0;
                } else {
                    exact[cur] = static_cast<std::int16_t>(left);
                    left = 0;
                }
                for (int k = cur + 1; k <= cur + 2 && k < g; ++k) {
                    if (k == trumpSuit || estimate[k] == 100) {
                        exact[k] = 0;
                    } else {
                        exact[k] = static_cast<std::int16_t>(left);
                        left = 0;
                    }
                }
            }
            unsure = false;
        }
        void Finish(PlaceWalk& w) {
            if (w.cur == kTrumpGroup && exact[w.cur] == -1 && (!unsure || low))
                exact[kTrumpGroup] = static_cast<std::int16_t>(w.n);
        }
    } step{*this,
           record,
           record.exactSize,
           seatEstimates[seat].voidEstimate,
           IsSeatToMoveAbove15(),
           gameType.trumpSuit};
    WalkHandPlaces(seat, record.exactSize, step);
}

void ComputerPlayer::FillLastSeatExactSizes() {
    const int seatCount = GetSeatCount();
    for (int g = 0; g < kGroupCount; ++g) {
        // The trump suit's own plain group is empty; its deck count is that of the trumps.
        if (g != kTrumpGroup && IsTrump(g * 8 + 8))
            continue;
        int unknownSeat = -1;
        int unknown = 0;
        int known = 0;
        for (int seat = 0; seat < seatCount; ++seat) {
            const int size = placeRecords[seat].exactSize[g];
            if (size == -1) {
                unknownSeat = seat;
                ++unknown;
            } else {
                known += size;
            }
        }
        if (unknown != 1)
            continue;
        const int rest =
            CountGroupInDeck(g, gameType.trumpSuit, gameType.word) - known - CountPlayedInGroup(g);
        placeRecords[unknownSeat].exactSize[g] = static_cast<std::int16_t>(rest);
    }
}

void ComputerPlayer::InferMinGroupSizes(int seat) {
    HandPlaceRecord& record = placeRecords[seat];
    // A group holds at least the unrevealed places up to its last revealed card, when no
    // group between it and the next revealed one could hold them.
    struct MinStep {
        std::int16_t* minimum;
        const std::int16_t* estimate;
        bool strong;
        int trumpSuit;
        GameTypeWord word;
        int pending = 0; // unrevealed places up to the last revealed card of the current group
        void Unrevealed(PlaceWalk&) {}
        void SameGroup(PlaceWalk& w, int) { pending = w.n; }
        void AceCloses(PlaceWalk& w) {
            minimum[w.cur] = static_cast<std::int16_t>(w.n);
            pending = 0;
        }
        void NewGroup(PlaceWalk& w, int, int, int g) {
            const int cur = w.cur;
            bool ok = true;
            if (g == cur + 1) {
                if (strong && estimate[g] == 100)
                    pending = w.n;
            } else {
                for (int k = cur + 1; k < g; ++k)
                    ok = ok && (estimate[k] >= 60 || k == trumpSuit);
            }
            if (ok && cur < kGroupCount)
                minimum[cur] = static_cast<std::int16_t>(pending);
            w.cur = g;
            w.n = 0;
            pending = 0;
        }
        void Finish(PlaceWalk& w) {
            const int lastGroup = GameBits(word) == kWordNoTrumps ? 3 : kTrumpGroup;
            if (w.cur == lastGroup)
                minimum[w.cur] = static_cast<std::int16_t>(w.n);
        }
    } step{record.minSize, seatEstimates[seat].voidEstimate, IsSeatToMoveAbove15(),
           gameType.trumpSuit, gameType.word};
    WalkHandPlaces(seat, record.minSize, step);
}

void ComputerPlayer::InferMaxGroupSizes(int seat) {
    HandPlaceRecord& record = placeRecords[seat];
    // A group holds at most the unrevealed places between the revealed cards around it.
    struct MaxStep {
        std::int16_t* maximum;
        int last = -1; // place of the last revealed card; none yet
        void Unrevealed(PlaceWalk&) {}
        void SameGroup(PlaceWalk&, int i) { last = i; }
        void AceCloses(PlaceWalk& w) { maximum[w.cur] = static_cast<std::int16_t>(w.n); }
        void NewGroup(PlaceWalk& w, int i, int, int g) {
            if (w.cur < kGroupCount)
                maximum[w.cur] = static_cast<std::int16_t>(w.n);
            for (int k = w.cur + 1; k < g; ++k)
                maximum[k] = static_cast<std::int16_t>(i - last - 1);
            // The unrevealed places just before this card may belong to its group too.
            w.n = i - last - 1;
            last = i;
            w.cur = g;
        }
        void Finish(PlaceWalk& w) {
            for (int k = w.cur; k < kGroupCount; ++k)
                if (maximum[k] == -1)
                    maximum[k] = static_cast<std::int16_t>(k == w.cur ? w.n : w.places - last - 1);
        }
    } step{record.maxSize};
    WalkHandPlaces(seat, record.maxSize, step);
    for (int g = 0; g < kGroupCount; ++g)
        if (record.exactSize[g] != -1 && record.exactSize[g] < record.maxSize[g])
            record.maxSize[g] = record.exactSize[g];
}

// The card play of the Schafkopf game object during a game: the seat to act, the choice of a
// computer seat's card by phase, group and role with the lowest legal card as the last
// resort, and the booking of a finished trick.
#include <cstdint>

#include "engine/EngineServices.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "records/OptionRecordLayouts.h"

namespace {

constexpr int kOpeningTricks = 3;

bool IsSoloGroupA(GameTypeWord bits) {
    switch (bits) {
    case kWordPureSuitSolo:
    case kWordSuitSolo:
    case kWordSuitUnter:
    case kWordSuitOber:
    case kWordUnterKing:
    case kWordOberUnter:
    case kWordUnterOber:
    case kWordOberUnterKing:
    case kWordYou:
        return true;
    default:
        return false;
    }
}

bool IsSoloGroupB(GameTypeWord bits) {
    return bits == kWordUnterSolo || bits == kWordOberSolo || bits == kWordKingSolo;
}

} // namespace

// --- the seat to act and its card ---

ComputerPlayer* SchafkopfComputerPlayer::PrepareSeatToMove(int seat) {
    if (!IsSeat(seat)) {
        DebugBox("Seat to act", seat);
        return this;
    }
    seatToMove = static_cast<std::int16_t>(seat);
    dryRun = 0;
    // A skilled seat reads the other hands' group sizes from the places cards came from.
    watchPlaces = seats[seat].profile >= 6 ? 1 : 0;
    BuildGroupEvaluation(seats[seat], gameType.trumpSuit, gameType.word, seat, true);
    return this;
}

ComputerPlayer* SchafkopfComputerPlayer::ChooseAndPlay(int seat, std::uint8_t* claim) {
    if (claim)
        *claim = 0;
    if (!IsSeat(seat) || seat != seatToMove) {
        DebugBox("Choose card", seat);
        return this;
    }
    AnalysePartners(seat);
    const bool takesRest = CanTakeRestWithTrumps(seat);
    if (claim)
        *claim = takesRest ? 1 : 0;
    const int held = CountCardsHeld(seat);
    const SchafkopfPlayPhase phase = GetPhase(trickNumber);
    if (phase == SchafkopfPlayPhase::kOpening && seat != leader)
        RunStrategyScript(seat); // matches the seat's strategy record; yields no card here
    NoteRoutine(SchafkopfRoutine::kNone);
    PlayPhase(seat, phase);
    if (dryRun) {
        // A routine that left its dry run on has played nothing.
        DebugBox("Dry run left on", seat);
        EndDryRun(seat, 0);
    }
    const int played = held - CountCardsHeld(seat);
    fallbackCounts.CountCard(static_cast<int>(GetPlayGroup()), static_cast<int>(phase),
                             GetRole(seat), activeRoutine, played == 0);
    if (played == 0)
        PlayLowestLegalCard(seat);
    else if (played != 1)
        DebugBox("Cards played in one move", played);
    return this;
}

void SchafkopfComputerPlayer::PlayPhase(int seat, SchafkopfPlayPhase phase) {
    switch (phase) {
    case SchafkopfPlayPhase::kOpening:
        PlayOpeningPhase(seat);
        break;
    case SchafkopfPlayPhase::kMiddle:
        PlayMiddlePhase(seat);
        break;
    case SchafkopfPlayPhase::kEnd:
        PlayEndPhase(seat);
        break;
    }
}

SchafkopfPlayPhase SchafkopfComputerPlayer::GetPhase(int trick) {
    if (trick <= kOpeningTricks)
        return SchafkopfPlayPhase::kOpening;
    if (trick <= GetEndgameTrick())
        return SchafkopfPlayPhase::kMiddle;
    return SchafkopfPlayPhase::kEnd;
}

SchafkopfPlayGroup SchafkopfComputerPlayer::GetPlayGroup() {
    const GameTypeWord word = gameType.word;
    if (!IsSoloWord(word))
        return SchafkopfPlayGroup::kPartnerGame;
    const GameTypeWord bits = GameBits(word);
    if (IsSoloGroupA(bits))
        return SchafkopfPlayGroup::kSoloA;
    if (IsSoloGroupB(bits))
        return SchafkopfPlayGroup::kSoloB;
    if (bits == kWordNoTrumps)
        return SchafkopfPlayGroup::kBeg;
    if (word & kModExchange)
        return SchafkopfPlayGroup::kAllPassed;
    return SchafkopfPlayGroup::kNone;
}

SchafkopfRole SchafkopfComputerPlayer::GetRole(int seat) {
    if (!IsSeat(seat))
        return SchafkopfRole::kDefender;
    if (seat == partyLists[0])
        return SchafkopfRole::kDeclarer;
    return seats[seat].inDeclarerParty ? SchafkopfRole::kPartner : SchafkopfRole::kDefender;
}

// --- the phase entries by group and role ---

namespace {

using Routine = bool (SchafkopfCardPlay::*)();

// One entry per phase, group and role (declarer, defender); the two solo groups reach the
// same routines.
struct RoleRoutines {
    Routine declarer;
    Routine defender;
    SchafkopfRoutine declarerName;
    SchafkopfRoutine defenderName;
};
struct PhaseRoutines {
    RoleRoutines soloA;
    RoleRoutines soloB;
    RoleRoutines beg;
};

constexpr RoleRoutines kSoloRoutines = {
    &SchafkopfCardPlay::PlaySoloDeclarerCard, &SchafkopfCardPlay::PlaySoloDefenderCard,
    SchafkopfRoutine::kPlaySoloDeclarerCard, SchafkopfRoutine::kPlaySoloDefenderCard};
constexpr RoleRoutines kSoloEndRoutines = {
    &SchafkopfCardPlay::PlaySoloDeclarerEndPhase, &SchafkopfCardPlay::PlaySoloDefenderCard,
    SchafkopfRoutine::kPlaySoloDeclarerEndPhase, SchafkopfRoutine::kPlaySoloDefenderCard};
constexpr RoleRoutines kBegRoutines = {
    &SchafkopfCardPlay::PlayBegDeclarerCard, &SchafkopfCardPlay::PlayBegDefenderCard,
    SchafkopfRoutine::kPlayBegDeclarerCard, SchafkopfRoutine::kPlayBegDefenderCard};

constexpr PhaseRoutines kOpeningRoutines = {kSoloRoutines, kSoloRoutines, kBegRoutines};
constexpr PhaseRoutines kMiddleRoutines = {kSoloRoutines, kSoloRoutines, kBegRoutines};
constexpr PhaseRoutines kEndRoutines = {kSoloEndRoutines, kSoloEndRoutines, kBegRoutines};

// The solo and Beg routine of the group and role; a solo word of no group plays nothing here,
// and the dispatcher then plays the lowest legal card.
void PlayByGroup(SchafkopfComputerPlayer& game, const PhaseRoutines& routines,
                 SchafkopfPlayGroup group, bool declares) {
    const RoleRoutines* roles = nullptr;
    switch (group) {
    case SchafkopfPlayGroup::kSoloA:
        roles = &routines.soloA;
        break;
    case SchafkopfPlayGroup::kSoloB:
        roles = &routines.soloB;
        break;
    case SchafkopfPlayGroup::kBeg:
        roles = &routines.beg;
        break;
    default:
        DebugBox("Game word", static_cast<std::int32_t>(game.gameType.word));
        return;
    }
    game.NoteRoutine(declares ? roles->declarerName : roles->defenderName);
    (game.*(declares ? roles->declarer : roles->defender))();
}

} // namespace

void SchafkopfComputerPlayer::PlayOpeningPhase(int seat) {
    const SchafkopfPlayGroup group = GetPlayGroup();
    if (group == SchafkopfPlayGroup::kPartnerGame) {
        SchafkopfCardPlay::PlayOpeningPhase(seat);
    } else if (group == SchafkopfPlayGroup::kAllPassed) {
        NoteRoutine(SchafkopfRoutine::kPlayAllPassedCard);
        PlayAllPassedCard();
    } else {
        PlayByGroup(*this, kOpeningRoutines, group, seat == partyLists[0]);
    }
}

void SchafkopfComputerPlayer::PlayMiddlePhase(int seat) {
    const SchafkopfPlayGroup group = GetPlayGroup();
    if (group == SchafkopfPlayGroup::kPartnerGame) {
        SchafkopfCardPlay::PlayMiddlePhase(seat);
    } else if (group == SchafkopfPlayGroup::kAllPassed) {
        NoteRoutine(SchafkopfRoutine::kPlayAllPassedMiddle);
        PlayAllPassedMiddle();
    } else {
        PlayByGroup(*this, kMiddleRoutines, group, seat == partyLists[0]);
    }
}

void SchafkopfComputerPlayer::PlayEndPhase(int seat) {
    const SchafkopfPlayGroup group = GetPlayGroup();
    if (group == SchafkopfPlayGroup::kPartnerGame) {
        SchafkopfCardPlay::PlayEndPhase(seat);
    } else if (group == SchafkopfPlayGroup::kAllPassed) {
        NoteRoutine(SchafkopfRoutine::kPlayAllPassedEnd);
        PlayAllPassedEnd();
    } else {
        PlayByGroup(*this, kEndRoutines, group, seat == partyLists[0]);
    }
}

// --- the last resort ---

int SchafkopfComputerPlayer::CountCardsHeld(int seat) {
    int count = 0;
    for (int p = 0; p < GetHandCapacity() && p < kHandPlaces; ++p)
        count += IsCardCode(seats[seat].hand[p]) ? 1 : 0;
    return count;
}

int SchafkopfComputerPlayer::RankInGroup(int card) {
    const int group = GetSuitGroup(card);
    int below = 0;
    for (int other = 1; other <= 32; ++other)
        if (other != card && GetSuitGroup(other) == group && IsCardHigher(card, other))
            ++below;
    return below;
}

int SchafkopfComputerPlayer::FindLowestLegalCard(int seat) {
    if (!IsSeat(seat))
        return 0;
    int best = 0;
    int bestKey = 0;
    for (int p = 0; p < CountHandPlaces(); ++p) {
        const int card = seats[seat].hand[p];
        if (!IsCardCode(card) || IsLegalCard(seat, card) != kCardLegal)
            continue;
        // Every plain card ranks below every trump.
        const int key = (IsTrump(card) ? 100 : 0) + RankInGroup(card);
        if (best == 0 || key < bestKey) {
            best = card;
            bestKey = key;
        }
    }
    return best;
}

bool SchafkopfComputerPlayer::PlayLowestLegalCard(int seat) {
    const int card = FindLowestLegalCard(seat);
    if (card == 0) {
        DebugBox("No legal card", seat);
        return false;
    }
    for (int p = 0; p < CountHandPlaces(); ++p)
        if (seats[seat].hand[p] == card)
            return PlayRuleCard(seat, p, kReasonLowestCard);
    return false;
}

// --- the end of a trick ---

ComputerPlayer* SchafkopfComputerPlayer::EndTrick(std::uint8_t* gameTypeChanged) {
    if (gameTypeChanged)
        *gameTypeChanged = 0;
    bool complete = IsSeat(leader) && trickNumber >= 1 && trickNumber <= kTrickCount;
    for (int s = 0; complete && s < kSeatCount; ++s)
        complete = IsCardCode(trickCards[s]);
    if (!complete) {
        DebugBox("End of an incomplete trick", trickNumber);
        return this;
    }
    const int winner = GetTrickWinnerSoFar(PreviousSeat(leader));
    if (!IsSeat(winner)) {
        DebugBox("Trick winner", winner);
        return this;
    }
    ++tricksWon[winner];
    const int points = CountTrickPoints(true);
    SettleCalledSuitLead();
    cardPoints[winner] = static_cast<std::int16_t>(cardPoints[winner] + points);
    tricks[trickNumber - 1].winner = static_cast<std::int16_t>(winner);
    leader = static_cast<std::int16_t>(winner);
    seatToMove = leader;
    if (GameBits(gameType.word) == kWordMarriage && marriageTrick == 0)
        BookFirstTrickGame(winner, gameTypeChanged);
    ++trickNumber;
    return this;
}

// A led called suit shows the holder of the called Ace: from here on every seat knows the
// parties.
void SchafkopfComputerPlayer::SettleCalledSuitLead() {
    if (ArePartiesKnown() || GameBits(gameType.word) != kWordNormal || calledSuit < 0 ||
        Rules().noCalledAceRules)
        return;
    const int led = trickCards[leader];
    if (GetSuitGroup(led) != calledSuit)
        return;
    for (int s = 0; s < kSeatCount; ++s)
        SetPartyMember(s, seats[s].inDeclarerParty != 0);
    for (int s = 0; s < kSeatCount; ++s)
        PushBeliefsAbout(s, seats[s].inDeclarerParty != 0);
}

// The 1st Trick: the first trick of the first three that the declarer does not win makes its
// winner the partner; a declarer who wins all of them plays a Suit Solo once the fourth trick
// is booked.
void SchafkopfComputerPlayer::BookFirstTrickGame(int winner, std::uint8_t* changed) {
    const int soloist = partyLists[0];
    if (!IsSeat(soloist)) {
        DebugBox("1st Trick declarer", soloist);
        return;
    }
    if (trickNumber > kOpeningTricks) {
        gameType.word = kWordSuitSolo;
        partyLists[1] = -1;
        for (int s = 0, entry = 2; s < kSeatCount; ++s) {
            seats[s].inDeclarerParty = s == soloist ? 1 : 0;
            if (s != soloist)
                partyLists[entry++] = static_cast<std::int16_t>(s);
        }
        if (changed)
            *changed = 1;
        return;
    }
    if (winner == soloist)
        return;
    marriageTrick = trickNumber;
    gameType.word = kWordNormal;
    partyLists[1] = static_cast<std::int16_t>(winner);
    int entry = 2;
    for (int s = 0; s < kSeatCount; ++s) {
        const bool first = s == soloist || s == winner;
        seats[s].inDeclarerParty = first ? 1 : 0;
        if (!first)
            partyLists[entry++] = static_cast<std::int16_t>(s);
    }
    partyLists[entry] = -1;
    declarer = -1;
    if (changed)
        *changed = 1;
}

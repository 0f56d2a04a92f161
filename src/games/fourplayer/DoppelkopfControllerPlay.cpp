// The play steps of the four-seat tables: the human's card and its refusals, the computer
// seats' moves with their announcements, the end of a trick, a claim of the rest, the
// suggestion for the human and the statistics of the human's play.
#include <cstring>

#include "games/fourplayer/DoppelkopfController.h"
#include "games/fourplayer/DoppelkopfControllerState.h"
#include "games/fourplayer/FourSeatComputerPlayer.h"
#include "platform/Alerts.h"
#include "platform/KeyState.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

namespace {

constexpr std::int16_t kProgrammingErrorList = 192;
constexpr std::int16_t kProgrammingErrorIndex = 4;
constexpr int kHumanReason = 32;
constexpr std::int32_t kFollowTime = 3000; // ms a seat is taken to think while it follows suit
constexpr std::int32_t kFreeTime = 1000;   // ms while it cannot follow
constexpr int kClaimedTrick = 12;

// Counter positions in the game counters.
constexpr int kDeclarerTricks = 7;
constexpr int kOtherTricks = 8;
constexpr int kDeclarerTrickPoints = 9;
constexpr int kOtherTrickPoints = 10;

bool IsSeat(int seat) {
    return seat >= 0 && seat < kTableSeats;
}

} // namespace

bool DoppelkopfController::CountsStatistics() const {
    return countsStatistics && settings && settings->individualStats;
}

bool DoppelkopfController::SeatHolds(int seat, int card) const {
    if (!player || !IsSeat(seat) || card <= 0)
        return false;
    for (std::uint8_t held : player->seats[seat].hand)
        if (held == card)
            return true;
    return false;
}

int DoppelkopfController::SeatDueInTrick() {
    if (!player)
        return -1;
    const int leader = player->leader;
    if (!IsSeat(leader))
        return -1;
    for (int n = 0; n < kTableSeats; ++n) {
        const int seat = (leader + n) % kTableSeats;
        if (player->trickCards[seat] == 0)
            return seat;
    }
    return -1;
}

int DoppelkopfController::SoloDeclarer() {
    if (!player || !player->IsSoloGame())
        return -1;
    return IsSeat(player->declarer) ? player->declarer : -1;
}

bool DoppelkopfController::DidHumanWinTrick() {
    if (!player)
        return false;
    return player->GetTrickWinnerSoFar(player->PreviousSeat(player->leader)) == 0;
}

void DoppelkopfController::GetCardCounts(int* counts) {
    for (int seat = 0; seat < kTableSeats; ++seat) {
        counts[seat] = 0;
        if (!player)
            continue;
        for (std::uint8_t card : player->seats[seat].hand)
            counts[seat] += card != 0 ? 1 : 0;
    }
}

// --- the human's card ----------------------------------------------------------------------

int DoppelkopfController::PlayHumanCard(int card, int seat) {
    return PlayHumanCopy(card, seat, false);
}

int DoppelkopfController::PlayHumanCopy(int card, int seat, bool secondCopy) {
    // A card out of turn (another seat is to play, or the trick is complete) is refused
    // without a word: nothing changes.
    if (!player || !IsSeat(seat) || SeatDueInTrick() != seat)
        return kHumanCardOutOfTurn;
    if (!SeatHolds(seat, card)) {
        StopAlert(kProgrammingErrorList, kProgrammingErrorIndex, "Human card");
        return 0;
    }
    const std::int16_t mover = player->seatToMove;
    player->seatToMove = static_cast<std::int16_t>(seat);
    const int code = player->IsLegalCard(seat, card);
    if (code != 1) {
        player->seatToMove = mover;
        player->trickCards[seat] = 0;
        return code;
    }
    const bool declarerKnown = IsSeat(player->declarer);
    player->dryRun = 0;
    if (player->trickNumber == 1) {
        SeatBlock& block = player->seats[seat];
        if (Handle library = player->GetStrategyLibrary(seat))
            player->MatchStrategyRecord(seat, library, &block.strategyIndex,
                                        block.strategyGroupMap);
    }
    player->AnalysePartners(seat);
    if (!player->PlayCardIfHeld(seat, card, kHumanReason)) {
        StopAlert(kProgrammingErrorList, kProgrammingErrorIndex, "Human card");
        return 0;
    }
    if (!declarerKnown && IsSeat(player->declarer))
        soloCounts[player->declarer] += 1;
    std::uint8_t* row = hands + seat * handRowWidth;
    bool skipFirst = secondCopy;
    for (int place = 0; place < handRowWidth; ++place) {
        if (row[place] != card)
            continue;
        if (skipFirst) {
            skipFirst = false;
            continue;
        }
        row[place] = 0;
        break;
    }
    return 1;
}

// --- the computer seats ----------------------------------------------------------------------

void DoppelkopfController::CollectAnnouncements(char* text, int skippedSeat) {
    text[0] = '\0';
    if (!player)
        return;
    for (int round = 0; round < 2; ++round) {
        int announcer = -1;
        for (int n = 0; n < kTableSeats && announcer < 0; ++n) {
            const int seat = (player->leader + n) % kTableSeats;
            if (!IsSeat(seat) || !seatIsComputer[seat] || seat == skippedSeat)
                continue;
            std::uint8_t wait = 0;
            if (player->DecideAnnouncement(seat, &wait))
                announcer = seat;
        }
        // A seat that announced without a text of its own lets the others answer once more.
        if (announcer < 0 || text[0] != '\0')
            return;
        skippedSeat = announcer;
    }
}

bool DoppelkopfController::PlayRestOfTrick(char* text, char* secondText, int* claimingSeat) {
    *claimingSeat = -1;
    if (IsRemoteTable(0))
        return true;
    text[0] = secondText[0] = '\0';
    if (!player)
        return true;
    if (!announceStop)
        player->seatToMove = static_cast<std::int16_t>(player->NextSeat(player->seatToMove));
    const int seat = player->seatToMove;
    if (seat == player->leader)
        return true;
    PlayComputerSeat(seat, text, secondText, claimingSeat);
    return false;
}

void DoppelkopfController::NotePlayTime(int seat, std::int32_t milliseconds) {
    if (!player || !IsSeat(seat) || seat == player->leader || player->trickNumber <= 1)
        return;
    const int card = player->trickCards[seat];
    if (card == 0)
        return;
    const int group = player->GetSuitGroup(card);
    if (milliseconds < 0) {
        bool holdsGroup = false;
        for (std::uint8_t held : player->seats[seat].hand)
            holdsGroup = holdsGroup || (held != 0 && player->GetSuitGroup(held) == group);
        milliseconds = holdsGroup ? kFollowTime : kFreeTime;
    }
    player->RecordPlayTime(seat, milliseconds, group);
}

// --- the end of a trick ----------------------------------------------------------------------

void DoppelkopfController::EndTrick(bool* changed) {
    FourSeatController::EndTrick(changed);
    if (!player)
        return;
    const int oldLeader = player->leader;
    lastLeader = static_cast<std::int16_t>(oldLeader);
    std::uint8_t typeChanged = 0;
    player->EndTrick(&typeChanged);
    *changed = typeChanged != 0;
    // A game whose partner never showed became a solo of its declarer.
    if (*changed && IsSeat(player->declarer) &&
        (player->gameType.word & kGameBitsMask) == kWordSuitSolo)
        soloCounts[player->declarer] += 1;
    const int winner = player->leader;
    nextLeader = static_cast<std::int16_t>(winner);
    player->InferPartiesAfterTrick(oldLeader, winner);
    player->FindTrumpTrickEvidence(oldLeader, winner);
    if (CountsStatistics() && winner == 0)
        CountHumanTrick();
}

bool DoppelkopfController::ClaimRest(int seat) {
    if (!player)
        return false;
    player->trickNumber = kClaimedTrick;
    restClaimed = 1;
    AwardRemainingPoints(seat, false);
    return true;
}

bool DoppelkopfController::CanClaimRest(int seat) {
    if (!player || !IsSeat(seat))
        return false;
    player->seatToMove = static_cast<std::int16_t>(seat);
    player->BuildGroupEvaluation(player->seats[seat], player->gameType.trumpSuit,
                                 player->gameType.word, seat, true);
    player->AnalysePartners(seat);
    return player->CanTakeRestWithTrumps(seat);
}

int DoppelkopfController::FindOpponentSeat(int seat) {
    if (!player || !IsSeat(seat))
        return -1;
    for (int other = 0; other < kTableSeats; ++other)
        if (player->seats[other].inDeclarerParty != player->seats[seat].inDeclarerParty)
            return other;
    return -1;
}

// --- statistics --------------------------------------------------------------------------

DoppelkopfController::StatisticsCounters DoppelkopfController::Counters() {
    if (!fourSeatRules)
        return {};
    return {fourSeatRules->statistics, fourSeatRules->placeStatistics,
            fourSeatRules->expectedValues, &fourSeatRules->humanBalance};
}

void DoppelkopfController::ClearStatistics() {
    if (!fourSeatRules)
        return;
    for (auto& counter : fourSeatRules->statistics)
        counter = 0;
    for (auto& counter : fourSeatRules->placeStatistics)
        counter = 0;
    for (auto& counter : fourSeatRules->expectedValues)
        counter = 0;
    fourSeatRules->humanBalance = 0;
}

void DoppelkopfController::CountHumanTrick() {
    const StatisticsCounters counters = Counters();
    if (!counters.games || !player)
        return;
    const int points = player->CountTrickPoints(true);
    const bool declaring = player->declarer == 0;
    counters.games[declaring ? kDeclarerTricks : kOtherTricks] += 1;
    counters.games[declaring ? kDeclarerTrickPoints : kOtherTrickPoints] += points;
}

void DoppelkopfController::CountHumanGame(int winner) {
    const StatisticsCounters counters = Counters();
    if (winner != 0 || !counters.expected || !player)
        return;
    const int points = player->CountTrickPoints(true);
    const bool declaring = player->declarer == 0;
    counters.expected[declaring ? 0 : 1] += 1;
    counters.expected[declaring ? 2 : 3] += points;
}

void DoppelkopfController::RunRestoring(void (*step)(DoppelkopfController&, void*), void* context) {
    if (!player)
        return;
    TableStateSnapshot<DoppelkopfController, FourSeatComputerPlayer> snapshot(*this);
    step(*this, context);
    snapshot.Restore();
}

// A dry run of the coming trick with the computer playing every seat: the trick the human
// would have won counts in the statistics of the expected tricks.
void DoppelkopfController::RunStatisticsProbe() {
    if (!player || !CountsStatistics())
        return;
    struct Probe {
        int winner = -1;
        int points = 0;
        bool declaring = false;
    } probe;
    RunRestoring(
        [](DoppelkopfController& table, void* context) {
            auto& result = *static_cast<Probe*>(context);
            ComputerPlayer& game = *table.player;
            std::memset(table.seatIsComputer, 1, sizeof table.seatIsComputer);
            game.keepPlayLogs = 0;
            table.ClearTrick();
            char text[kNameTextSize];
            char secondText[kNameTextSize];
            int seat = game.leader;
            for (int n = 0; n < kTableSeats; ++n) {
                bool claim = false;
                table.PlayComputerTurn(seat, text, secondText, &claim);
                seat = game.NextSeat(seat);
            }
            result.winner = game.GetTrickWinnerSoFar(game.PreviousSeat(game.leader));
            result.points = game.CountTrickPoints(true);
            result.declaring = game.declarer == 0;
        },
        &probe);
    const StatisticsCounters counters = Counters();
    if (probe.winner != 0 || !counters.expected)
        return;
    counters.expected[probe.declaring ? 0 : 1] += 1;
    counters.expected[probe.declaring ? 2 : 3] += probe.points;
}

// --- the suggestion ------------------------------------------------------------------------

int DoppelkopfController::ProposeHumanCard(int* kind, char* text, char* secondText, int* advice,
                                           bool* claim) {
    *kind = -1;
    *advice = 0;
    *claim = false;
    text[0] = secondText[0] = '\0';
    if (!player)
        return 0;
    player->lastComputerCardTime = 0;
    const int trick = player->trickNumber;
    if (gShiftKeyHeld && trick >= 1 && trick <= kTrickCount) {
        const int earlier = player->previousTricks[trick - 1].cards[0];
        if (earlier != 0)
            return earlier;
    }
    struct Proposal {
        char* text;
        char* secondText;
        bool* claim;
        int card = 0;
        int kind = -1;
    } proposal{text, secondText, claim};
    RunRestoring(
        [](DoppelkopfController& table, void* context) {
            auto& out = *static_cast<Proposal*>(context);
            ComputerPlayer& game = *table.player;
            table.seatIsComputer[0] = 1;
            game.keepPlayLogs = 0;
            table.announceStop = 0;
            const int before = game.announcementCount;
            table.PlayComputerTurn(0, out.text, out.secondText, out.claim);
            out.card = game.trickCards[0];
            for (int i = before; i < game.announcementCount && i < kMaxAnnouncements; ++i)
                if (game.announcements[i].seat == 0)
                    out.kind = game.announcements[i].kind;
        },
        &proposal);
    *kind = proposal.kind;
    return proposal.card;
}

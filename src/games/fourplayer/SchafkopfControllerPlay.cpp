// The Schafkopf table's play and end of game: when a game is decided, the remaining points of
// a game given up or claimed, the settlement with bock games and the pot, the human's
// statistics, the suggestion, and the end of a series by points, games, time and required
// solos.
#include <algorithm>

#include "games/fourplayer/DoppelkopfControllerState.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

namespace {

// Bits of the bock events (the options' additionalPoints).
constexpr std::int32_t kBockOnSchwarz = 2;
constexpr std::int32_t kBockOnLostSolo = 4;
constexpr std::int32_t kBockOnLostAnnouncement = 8;
constexpr std::int32_t kBockOnBothAnnounced = 16;

constexpr GameTypeWord kToutBit = 0x10000;
constexpr int kAllCardPoints = 120;

// Game counters: games, won, solos at the table, own solos won, own solos, won without and
// with the party flag, then the series, tournament and league lists with their places.
constexpr int kGames = 0;
constexpr int kGamesWon = 1;
constexpr int kSolosAtTable = 2;
constexpr int kOwnSolosWon = 3;
constexpr int kOwnSolos = 4;
constexpr int kWonOtherParty = 5;
constexpr int kWonFirstParty = 6;
constexpr int kSeriesLists = 11;
constexpr int kSeriesPlaces = 12;
constexpr int kTournaments = 16;
constexpr int kTournamentPlaces = 17;
constexpr int kLeagues = 21;
constexpr int kListKindSeries = 1;
constexpr int kListKindTournament = 8;

bool IsSeat(int seat) {
    return seat >= 0 && seat < kTableSeats;
}

std::int16_t ClampValue(int value) {
    return static_cast<std::int16_t>(
        std::clamp(value, -static_cast<int>(INT16_MAX), static_cast<int>(INT16_MAX)));
}

} // namespace

bool SchafkopfController::IsGameDecided() {
    SchafkopfComputerPlayer* game = Game();
    if (!game)
        return false;
    const GameTypeWord word = game->gameType.word;
    const GameTypeWord bits = word & kGameBitsMask;
    const int declarer = game->declarer;
    if (bits == kWordNoTrumps && IsSeat(declarer) && game->tricksWon[declarer] > 0)
        return true;
    if (((word & kToutBit) != 0 || bits == kWordYou) && IsSeat(declarer)) {
        for (int seat = 0; seat < kTableSeats; ++seat)
            if (seat != declarer && game->tricksWon[seat] > 0)
                return true;
    }
    return game->trickNumber > game->GetCardsPerHand();
}

// The remaining points go against the seat's side: in a Beg the seat counts as having taken a
// trick, in a Ramsch it gathers them (and cannot have taken every trick alone), otherwise the
// other party takes them.
bool SchafkopfController::AwardRemainingPoints(int seat, bool) {
    SchafkopfComputerPlayer* game = Game();
    if (!game || !IsSeat(seat))
        return false;
    int rest = kAllCardPoints;
    for (std::int16_t points : game->cardPoints)
        rest -= points;
    auto take = [&](int taker) {
        if (game->tricksWon[taker] == 0)
            game->tricksWon[taker] = 1;
        game->cardPoints[taker] = static_cast<std::int16_t>(game->cardPoints[taker] + rest);
    };
    const GameTypeWord word = game->gameType.word;
    if ((word & kGameBitsMask) == kWordNoTrumps) {
        take(seat);
        return true;
    }
    if ((word & kModExchange) && schafkopfRules && schafkopfRules->allPassRule == 2) {
        int takers = 0;
        for (std::int16_t won : game->tricksWon)
            takers += won > 0 ? 1 : 0;
        if (takers == 1 && game->tricksWon[seat] > 0) {
            const int next = (seat + 1) % kTableSeats;
            if (game->tricksWon[next] == 0)
                game->tricksWon[next] = 1;
        }
        take(seat);
        return true;
    }
    const int other = FindOpponentSeat(seat);
    if (other < 0)
        return true;
    take(other);
    int first = 0;
    int second = 2;
    for (auto& entry : game->partyLists)
        entry = -1;
    for (int s = 0; s < kTableSeats; ++s) {
        if (game->seats[s].inDeclarerParty) {
            if (first < 2)
                game->partyLists[first++] = static_cast<std::int16_t>(s);
        } else if (second < 5) {
            game->partyLists[second++] = static_cast<std::int16_t>(s);
        }
    }
    return true;
}

void SchafkopfController::RecordClaim(bool flag, int seat) {
    FourSeatController::RecordClaim(flag, seat);
    int rest = kAllCardPoints;
    if (player)
        for (std::int16_t points : player->cardPoints)
            rest -= points;
    pointsStillOut = static_cast<std::int16_t>(rest);
}

bool SchafkopfController::PlayComputerCard(int seat, char* text, char* secondText, bool* claim) {
    secondText[0] = '\0';
    *claim = false;
    if (!player || !IsSeat(seat))
        return false;
    player->PrepareSeatToMove(seat);
    CollectAnnouncements(text, -1);
    const bool declarerKnown = IsSeat(player->declarer);
    std::uint8_t claimed = 0;
    player->ChooseAndPlay(seat, &claimed);
    *claim = claimed != 0;
    if (!declarerKnown && IsSeat(player->declarer))
        soloCounts[player->declarer] += 1;
    return true;
}

// --- the end of the game ---------------------------------------------------------------------

void SchafkopfController::EndGame(int, int) {
    SchafkopfComputerPlayer* game = Game();
    if (!game)
        return;
    potUnitsBeforeGame = game->potUnits;
    game->SettleGame(&bill);
    const bool solo = game->IsSoloGame();
    const int declarer = game->declarer;
    if (bockGamesLeft > 0) {
        bill.value = ClampValue(2 * bill.value);
        game->AddBillItem(&bill, kBillBock, 0);
    }
    AddGameToList(&bill);
    if (bockGamesLeft > 0)
        bockGamesLeft -= 1;

    const std::int32_t events = schafkopfRules ? schafkopfRules->additionalPoints : 0;
    if (events >= 1) {
        bool schwarz = false;
        for (int i = 0; i < bill.itemCount && i < kBillMaxItems; ++i)
            schwarz = schwarz || (bill.items[i].kind & kBillKindMask) == kBillSchwarz;
        const int firstListed = bill.listedSeats[0];
        const bool firstAnnounced = game->GetHighestAnnouncement(true) != -1;
        const bool otherAnnounced = game->GetHighestAnnouncement(false) != -1;
        const bool bock = ((events & kBockOnSchwarz) && schwarz) ||
                          ((events & kBockOnLostSolo) && solo && firstListed != declarer) ||
                          ((events & kBockOnLostAnnouncement) && firstAnnounced &&
                           IsSeat(firstListed) && game->seats[firstListed].inDeclarerParty == 0) ||
                          ((events & kBockOnBothAnnounced) && firstAnnounced && otherAnnounced);
        // A bock event during bock games starts the count again; it does not add to it.
        if (bock)
            bockGamesLeft = schafkopfRules->bockGames;
    }

    if (bill.potBooked && gameListHandle)
        BookRecordPot(*GameListHead(gameListHandle), *ScoredRecord());

    if (CountsStatistics()) {
        const StatisticsCounters counters = Counters();
        counters.games[kGames] += 1;
        *counters.balance += ScoredRecord()->values[0];
        if (solo) {
            counters.games[kSolosAtTable] += 1;
            if (declarer == 0)
                counters.games[kOwnSolos] += 1;
        }
        bool won = std::find(std::begin(bill.listedSeats), std::end(bill.listedSeats), 0) !=
                   std::end(bill.listedSeats);
        // Ramsch and Leaster list the loser or every seat that pays or is paid: there seat 0
        // has won only when the game brought it money.
        if (game->GetPlayGroup() == SchafkopfPlayGroup::kAllPassed)
            won = ScoredRecord()->values[0] > 0;
        if (won) {
            counters.games[game->seats[0].inDeclarerParty ? kWonFirstParty : kWonOtherParty] += 1;
            counters.games[kGamesWon] += 1;
            if (solo && declarer == 0)
                counters.games[kOwnSolosWon] += 1;
        }
    }

    // After a required solo, or when the declarer leads, the same dealer deals again.
    const bool soloChoice = solo && (game->gameType.word & kModSoloChoice) != 0;
    const bool declarerLeads = schafkopfRules && schafkopfRules->declarerLeads;
    if (!finalSoloRound && (soloChoice || declarerLeads))
        dealer = static_cast<std::int16_t>((dealer + kTableSeats - 1) % kTableSeats);
}

void SchafkopfController::AdjustAfterGame(int, bool flag) {
    SchafkopfComputerPlayer* game = Game();
    if (!game)
        return;
    const bool solo = game->IsSoloGame();
    if (solo && IsSeat(game->declarer))
        soloCounts[game->declarer] -= 1;
    const bool soloChoice = solo && (game->gameType.word & kModSoloChoice) != 0;
    const bool declarerLeads = schafkopfRules && schafkopfRules->declarerLeads;
    if (!finalSoloRound && (soloChoice || declarerLeads) && flag)
        dealer = static_cast<std::int16_t>((dealer + 1) % kTableSeats);
    // The pot goes back to what it held before the game was settled: the game dealt again
    // pays into it or wins it once, not twice.
    game->potUnits = potUnitsBeforeGame;
}

// --- statistics ----------------------------------------------------------------------------

DoppelkopfController::StatisticsCounters SchafkopfController::Counters() {
    if (!schafkopfRules)
        return {};
    return {schafkopfRules->statistics, schafkopfRules->placeStatistics,
            schafkopfRules->expectedValues, &schafkopfRules->expectedValues[4]};
}

void SchafkopfController::ClearStatistics() {
    if (!schafkopfRules)
        return;
    for (auto& counter : schafkopfRules->statistics)
        counter = 0;
    for (auto& counter : schafkopfRules->placeStatistics)
        counter = 0;
    for (auto& counter : schafkopfRules->expectedValues)
        counter = 0;
}

int SchafkopfController::CountGameStatistics(const std::int32_t* values, std::int32_t key,
                                             int listKind, bool doppelkopf) {
    if (!settings || !settings->individualStats)
        return -1;
    int index = -1;
    for (int seat = 0; seat < kTableSeats && index < 0; ++seat)
        if (values[seat] == key)
            index = seat;
    const StatisticsCounters counters = doppelkopf ? DoppelkopfController::Counters() : Counters();
    if (!counters.games)
        return index;
    if (listKind == kListKindTournament) {
        counters.games[kTournaments] += 1;
        if (index >= 0)
            counters.games[kTournamentPlaces + index] += 1;
    } else if (listKind == kListKindSeries) {
        counters.games[kSeriesLists] += 1;
        if (index >= 0)
            counters.games[kSeriesPlaces + index] += 1;
    } else {
        counters.games[kLeagues] += 1;
        if (index >= 0)
            counters.places[index] += 1;
    }
    return index;
}

void SchafkopfController::RunRestoring(void (*step)(DoppelkopfController&, void*), void* context) {
    if (!Game())
        return;
    TableStateSnapshot<SchafkopfController, SchafkopfComputerPlayer> snapshot(*this);
    step(*this, context);
    snapshot.Restore();
}

int SchafkopfController::SuggestCard(int* kind, bool* flag) {
    *flag = false;
    char text[kNameTextSize];
    char secondText[kNameTextSize];
    int advice = 0;
    return ProposeHumanCard(kind, text, secondText, &advice, flag);
}

bool SchafkopfController::SettlePubEventSchafkopf(int seat, int tablePhase, int roomNumber,
                                                  std::int32_t amount) {
    return SettlePubEvent(seat, tablePhase, roomNumber, amount);
}

// --- the end of a series -------------------------------------------------------------------

bool SchafkopfController::IsPointLimitReached() {
    if (!schafkopfRules || schafkopfRules->seriesEnd != kSeriesEndTarget || !gameListHandle)
        return false;
    for (std::int32_t total : GameListHead(gameListHandle)->totals)
        if (total >= schafkopfRules->seriesTarget)
            return true;
    return false;
}

bool SchafkopfController::IsTimeLimitReached(bool* solosMissing) {
    finalSoloRound = 0;
    *solosMissing = false;
    if (!schafkopfRules || schafkopfRules->timeLimitMode == 1)
        return false;
    AddElapsedSeconds(this, &gameClock);
    if (gameClock / 60 <= schafkopfRules->timeLimitMinutes)
        return false;
    if (schafkopfRules->requiredSolo && player) {
        const int required = schafkopfRules->requiredSoloCount;
        int played = 0;
        for (std::int16_t count : soloCounts)
            played += std::min<int>(count, required);
        const int left = 4 * required + player->gamesPlayed - played - 1;
        if (schafkopfRules->seriesGameCount > left) {
            // Exactly the missing solos remain before the end of the series.
            gamesDealt =
                static_cast<std::int16_t>(schafkopfRules->seriesGameCount - 4 * required + played);
            player->gamesPlayed = gamesDealt;
        }
        if (played < 4 * required) {
            finalSoloRound = 1;
            *solosMissing = true;
        }
    }
    return true;
}

bool SchafkopfController::CheckFinalSoloRound(int* seat) {
    finalSoloRound = 0;
    *seat = -1;
    SchafkopfComputerPlayer* game = Game();
    if (!game || !schafkopfRules || !schafkopfRules->requiredSolo ||
        schafkopfRules->seriesEnd != kSeriesEndGames || schafkopfRules->requiredSoloCount <= 0)
        return false;
    const int required = schafkopfRules->requiredSoloCount;
    int played = 0;
    for (std::int16_t count : soloCounts)
        played += std::min<int>(count, required);
    const int left = 4 * required + game->gamesPlayed - played - 1;
    if (left < schafkopfRules->seriesGameCount)
        return false;
    for (int n = 0; n < kTableSeats; ++n) {
        const int s = (dealer + 1 + n) % kTableSeats;
        if (soloCounts[s] >= required)
            continue;
        game->seatBidPhase[s] = 2;
        bids[s] = kBidIPlay;
        for (int k = 1; k < kTableSeats; ++k)
            bids[(s + k) % kTableSeats] = kBidNo;
        if (seatIsComputer[s])
            game->ChooseSolo(s);
        *seat = s;
        finalSoloRound = 1;
        return true;
    }
    return false;
}

bool SchafkopfController::HasRequiredSolos(int seat) {
    if (!schafkopfRules || !schafkopfRules->requiredSolo)
        return true;
    return IsSeat(seat) && soloCounts[seat] >= schafkopfRules->requiredSoloCount;
}

#include "games/fourplayer/SchafkopfController.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "platform/Alerts.h"
#include "platform/Random.h" // RequestQuit
#include "records/OptionRecordLayouts.h"
#include "records/SettingsLayout.h"

SchafkopfComputerPlayer* gSchafkopfComputerPlayer = nullptr;

namespace {

constexpr std::int16_t kProgrammingErrorList = 192;
constexpr std::int16_t kProgrammingErrorIndex = 4;
constexpr std::uint16_t kEichelBit = 0x40;
constexpr std::uint32_t kKnownWordBits =
    kGameBitsMask | kModSoloChoice | kModExchange | kModThrowIn;
constexpr std::int32_t kNoSuit = 255;

bool IsTableSeatNumber(int seat) {
    return seat >= 0 && seat < kTableSeats;
}

bool IsBidWord(int word) {
    switch (word) {
    case kBidNotAsked:
    case kBidNo:
    case kBidIPlay:
    case kBidStock:
    case kBidNoRequiredSolo:
    case kBidGood:
    case kBidReady:
    case kBidYes:
        return true;
    default:
        return false;
    }
}

} // namespace

SchafkopfController::~SchafkopfController() {
    if (gSchafkopfComputerPlayer &&
        static_cast<ComputerPlayer*>(gSchafkopfComputerPlayer) == player)
        gSchafkopfComputerPlayer = nullptr;
}

ComputerPlayer* SchafkopfController::CreatePlayer() {
    return MayAllocateObject() ? new (std::nothrow) SchafkopfComputerPlayer : nullptr;
}

SchafkopfComputerPlayer* SchafkopfController::Game() const {
    return static_cast<SchafkopfComputerPlayer*>(player);
}

bool SchafkopfController::Init(SettingsBody* gameSettings, SchafkopfOptions* options,
                               DoppelkopfOptions* rules, bool counts) {
    schafkopfRules = options;
    if (!ReplacePlayer())
        return false;
    Game()->NewGameWithOptions(options);
    player->AttachRules(rules);
    gSchafkopfComputerPlayer = Game();
    biddingPhase = kPhaseNotStarted;
    if (!DoppelkopfController::Init(gameSettings, rules, counts, false))
        return false;
    for (auto& bid : bids)
        bid = kBidNo;
    return true;
}

void SchafkopfController::SetOptions(SchafkopfOptions* options) {
    schafkopfRules = options;
    if (Game())
        Game()->options = options;
}

int SchafkopfController::GetOwnGameKind() {
    return 2;
}

bool SchafkopfController::IsOpenSeries() {
    if (!settings || !schafkopfRules)
        return GameController::IsOpenSeries();
    return schafkopfRules->seriesEnd == 1 && settings->tableMode != kTableModeLeague &&
           settings->tableMode != kTableModeTournament;
}

SeriesEndRule SchafkopfController::GetSeriesEndRule() {
    if (!schafkopfRules)
        return {};
    return {schafkopfRules->seriesEnd, schafkopfRules->seriesGameCount,
            schafkopfRules->seriesTarget};
}

bool SchafkopfController::IsDoppelkopf() {
    return false;
}

// --- the deal ---

void SchafkopfController::NewDeal(bool keepCards) {
    const int mode = schafkopfRules ? schafkopfRules->partnershipMode : 2;
    switch (mode) {
    case 0:
        biddingPhase = kPhaseFixedPartners;
        break;
    case 1:
        biddingPhase = schafkopfRules->withSuitSolo ? kPhaseAsking : kPhasePartnerCards;
        break;
    default:
        biddingPhase = kPhaseAsking;
        break;
    }
    firstPlayerSeat = -1;
    for (auto& bid : bids)
        bid = kBidNotAsked;
    announceStop = 0;
    // One suit a row, Seven (Nine with the short deck) to Ace, from the row's first place.
    std::memset(hands, 0, sizeof hands);
    const bool shortDeck = Game() && Game()->IsShortDeck();
    const int lowest = shortDeck ? 3 : 1;
    for (int suit = 0; suit < 4; ++suit)
        for (int step = lowest; step <= 8; ++step)
            hands[suit * handRowWidth + step - lowest] = static_cast<std::uint8_t>(suit * 8 + step);
    if (player) {
        player->NewDeal(keepCards);
        player->SetDiamondAceSeat(diamondAcesSeat);
        player->SetSpecialPairSeat(specialPairSeat);
    }
    FourSeatController::NewDeal(keepCards);
    PassDealInfo();
    if (schafkopfRules)
        HandOutCards(schafkopfRules->requiredSoloCount, schafkopfRules->requiredSolo != 0);
    else
        HandOutCards(0, false);
}

void SchafkopfController::PassDealInfo() {
    DoppelkopfController::PassDealInfo();
    const bool allComputer =
        seatIsComputer[0] && seatIsComputer[1] && seatIsComputer[2] && seatIsComputer[3];
    if (allComputer || !schafkopfRules || !player)
        return;
    SetSeatProfile(schafkopfRules->suggestionStyle & 0xff, 0);
    for (int seat = 1; seat < kTableSeats; ++seat)
        SetSeatProfile(schafkopfRules->opponentStyles[seat - 1] & 0xff, seat);
}

void SchafkopfController::HandOutCards(int requiredCount, bool requiredOn) {
    SchafkopfComputerPlayer* game = Game();
    trickComplete = 1;
    if (!game)
        return;
    game->leader = static_cast<std::int16_t>(SeatAfterDealer());
    const int cards = game->GetCardsPerHand();
    const int trump = schafkopfRules ? schafkopfRules->trumpSuit : 0;
    for (int seat = 0; seat < kTableSeats; ++seat) {
        game->solosPlayed[seat] = soloCounts[seat];
        SeatBlock& block = game->seats[seat];
        for (int p = 0; p < kHandPlaces; ++p)
            block.hand[p] = p < cards ? hands[seat * handRowWidth + p] : 0;
        block.profile = seatProfiles[seat];
        game->BuildEvaluation(block, cards, trump, kWordNone, seat);
        game->ComputeRankStats(block);
        block.leadFlag = requiredOn && soloCounts[seat] < requiredCount ? 1 : 0;
    }
    humanGameType = {0, 0};
    for (auto& call : game->seatCalls)
        call = SchafkopfCall{-1, 0, 8, 0, {}};
    game->calledSuit = -1;
    game->calledAceMissing = 0;
    game->calledRank = 8;
    game->dealWord = 0;
    game->allPassRuleOfDeal = 0;
    game->seatRecordCount = 4;
    for (int w = 0; w < 20; ++w)
        game->stateWords[w] = 0;
}

void SchafkopfController::SortHandRow(int seat) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game)
        return;
    std::uint8_t* row = hands + seat * handRowWidth;
    const int cards = std::min(game->GetCardsPerHand(), static_cast<int>(handRowWidth));
    const bool plainOrder = settings && settings->clubsSpadesOrder != 0;
    game->SortHand(row, cards, game->gameType.trumpSuit, game->gameType.word, true, plainOrder);
    if (settings && settings->suitsLeft)
        std::reverse(row, row + cards);
}

// --- the answers ---

bool SchafkopfController::IsNo(int seat) const {
    // "Stock" is the dealer's pass.
    return bids[seat] == kBidNo || bids[seat] == kBidStock;
}

bool SchafkopfController::AllPassed() const {
    for (int seat = 0; seat < kTableSeats; ++seat)
        if (!IsNo(seat))
            return false;
    return true;
}

bool SchafkopfController::IsHumanSeat(int seat) const {
    return IsTableSeatNumber(seat) && !seatIsComputer[seat];
}

int SchafkopfController::GetBid(int seat) {
    return IsTableSeatNumber(seat) ? bids[seat] : 0;
}

void SchafkopfController::BookStock(int seat) {
    SchafkopfComputerPlayer* game = Game();
    if (!game)
        return;
    game->potUnits = static_cast<std::int16_t>(game->potUnits + 1);
    // The unit that goes into the pot comes out of the seat's series total, as the pot bookings
    // at the end of a game do.
    GameListHeader* head = gameListHandle ? GameListHead(gameListHandle) : nullptr;
    if (head && schafkopfRules)
        head->totals[seat] -= 4 * schafkopfRules->baseStake;
}

void SchafkopfController::SetBid(int seat, int word) {
    if (!IsTableSeatNumber(seat) || !IsBidWord(word))
        return;
    if (word == kBidStock)
        BookStock(seat);
    bids[seat] = static_cast<std::int16_t>(word);
    if (word == kBidNo)
        return;
    if (word == kBidIPlay && firstPlayerSeat == -1)
        firstPlayerSeat = seat;
    if (word != kBidNoRequiredSolo && player)
        player->seatBidPhase[seat] = biddingPhase;
    if (word == kBidYes)
        for (int other = 0; other < kTableSeats; ++other)
            if (other != seat)
                bids[other] = kBidNo;
}

void SchafkopfController::HandOverPlay(int seat) {
    if (firstPlayerSeat == -1 || !IsTableSeatNumber(seat))
        return;
    bids[firstPlayerSeat] = kBidNo;
    firstPlayerSeat = seat;
    SetBid(seat, kBidIPlay);
}

GameTypeWord SchafkopfController::GetSeatBidType(int seat, int* suit) {
    int ignored = 0;
    if (!suit)
        suit = &ignored;
    *suit = 0;
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game)
        return 0;
    SeatBlock& block = game->seats[seat];
    if (!block.lineFlag) {
        game->leader = static_cast<std::int16_t>(SeatAfterDealer());
        game->EvaluateGameTypes(seat, block, false);
    }
    if (!playStarted && IsHumanSeat(seat)) {
        switch (biddingPhase) {
        case kPhaseAsking:
            return bids[seat] == kBidIPlay ? 4 : 0;
        case kPhaseRequiredSolo:
            return bids[seat] == kBidNoRequiredSolo ? 4 : 0x4004;
        case kPhaseNameGame:
        case kPhaseNamed:
            *suit = humanGameType.trumpSuit;
            return bids[seat] == kBidReady ? humanGameType.word : 0;
        default:
            return 0;
        }
    }
    if (seatIsComputer[seat] && bids[seat] == kBidNotAsked && biddingPhase == kPhaseAsking) {
        const GameTypeWord bits = block.bid.word & kGameBitsMask;
        if (bits == kWordNormal)
            SetBid(seat, firstPlayerSeat == -1 ? kBidIPlay : kBidNo);
        else if (bits > kWordNormal)
            SetBid(seat, game->IsPartnerCardsSolo(seat) ? kBidNo : kBidIPlay);
        else
            SetBid(seat, kBidNo);
    }
    *suit = block.bid.trumpSuit;
    return block.bid.word;
}

void SchafkopfController::GetSeatGameType(int seat, GameType* type) {
    GetSeatChoice(seat, type, nullptr);
}

void SchafkopfController::GetSeatChoice(int seat, GameType* type, SchafkopfCall* call) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game)
        return;
    game->seats[seat].lineFlag = 0;
    int suit = 0;
    GetSeatBidType(seat, &suit);
    game->seats[seat].lineFlag = 0;
    if (type)
        *type = game->seats[seat].bid;
    if (call) {
        call->suit = game->seatCalls[seat].suit;
        call->calledAceMissing = game->seatCalls[seat].calledAceMissing;
        call->rank = game->seatCalls[seat].rank;
    }
}

bool SchafkopfController::MayGiveWay(int seat) {
    int open = 0;
    for (int s = 0; s < kTableSeats; ++s)
        open += IsNo(s) ? 0 : 1;
    if (open <= 1)
        return false;
    if (seat == firstPlayerSeat)
        return true;
    int suit = 0;
    const GameTypeWord word = GetSeatBidType(FindPlayingSeat(), &suit);
    return (word & 0x23fff) > 1;
}

bool SchafkopfController::MayPutInPot(int seat) {
    if (firstPlayerSeat != -1 || !schafkopfRules || !schafkopfRules->withPot || !player ||
        !IsTableSeatNumber(seat))
        return false;
    if (player->leader != (seat + 1) % kTableSeats)
        return false;
    int suit = 0;
    return GetSeatBidType(seat, &suit) == 0;
}

bool SchafkopfController::HasAnswered(int seat) {
    if (!IsTableSeatNumber(seat) || !player)
        return false;
    if (IsHumanSeat(seat)) {
        if (biddingPhase == kPhaseRequiredSolo)
            return bids[seat] == kBidYes || bids[seat] == kBidNoRequiredSolo;
        if (biddingPhase == kPhaseNameGame || biddingPhase == kPhaseNamed)
            return bids[seat] == kBidIPlay || bids[seat] == kBidGood;
    }
    return player->seats[seat].lineFlag != 0;
}

bool SchafkopfController::ListCallableSuits(int seat, bool* suits, bool* blank) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game)
        return false;
    SeatBlock& block = game->seats[seat];
    if (IsHumanSeat(seat) &&
        (humanGameType.trumpSuit != block.bid.trumpSuit || humanGameType.word != block.bid.word))
        game->BuildEvaluation(block, game->GetCardsPerHand(), humanGameType.trumpSuit,
                              humanGameType.word, seat);
    return game->ListCallableSuits(block, suits, blank);
}

bool SchafkopfController::ChooseCalledSuit(int seat, SchafkopfCall* call) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game)
        return false;
    return game->ChooseCalledSuit(game->seats[seat], call);
}

bool SchafkopfController::CallAce(int seat, const SchafkopfCall& call) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || !game || call.suit < 0 || call.suit > 3)
        return false;
    bool suits[4] = {};
    bool blank = false;
    if (!game->ListCallableSuits(game->seats[seat], suits, &blank) || !suits[call.suit])
        return false;
    HandOverPlay(seat);
    game->seatCalls[seat].suit = call.suit;
    game->seatCalls[seat].calledAceMissing = call.calledAceMissing;
    game->seatCalls[seat].rank = call.rank;
    return true;
}

int SchafkopfController::FindPlayingSeat() {
    const int start = player ? player->leader : 0;
    for (int n = 0; n < kTableSeats; ++n) {
        const int seat = (start + n) % kTableSeats;
        const int bid = bids[seat];
        if (bid != kBidNotAsked && !IsNo(seat) && bid != kBidNoRequiredSolo && bid != kBidGood)
            return seat;
    }
    return IsTableSeatNumber(start) ? start : 0;
}

bool SchafkopfController::WantsExtrasItem() {
    return Game() && Game()->WantsExtrasItem();
}

bool SchafkopfController::IsAnnounced(int seat) {
    const SchafkopfComputerPlayer* game = Game();
    if (!game || seat < 0 || seat >= kTableSeats)
        return false;
    const int count = std::clamp<int>(game->announcementCount, 0, kMaxAnnouncements);
    for (int i = 0; i < count; ++i)
        if (game->announcements[i].seat == seat &&
            game->announcements[i].trick == game->trickNumber)
            return true;
    return false;
}

bool SchafkopfController::Announce(int kind) {
    SchafkopfComputerPlayer* game = Game();
    if (!game || !game->MayAnnounce(0, kind, nullptr))
        return false;
    // Each doubling answers the one before it: Re a Contra, Sup a Re, Resup a Sup, and the last
    // two only where the table plays them. The shared party rules of the list would take a Re
    // without a Contra or a Sup without a Re, doubling a stake nobody had doubled.
    int answered = -2;
    switch (kind) {
    case 0:
        answered = -1;
        break;
    case 1:
        answered = 0;
        break;
    case 8:
        answered = 1;
        break;
    case 9:
        answered = 8;
        break;
    default:
        return false;
    }
    if (kind >= 8 && !(schafkopfRules && schafkopfRules->supResup))
        return false;
    int last = -1;
    const int count = std::clamp<int>(game->announcementCount, 0, kMaxAnnouncements);
    for (int i = 0; i < count; ++i)
        last = std::max<int>(last, game->announcements[i].kind);
    if (last != answered)
        return false;
    return game->MakeAnnouncement(0, kind);
}

// --- the bidding steps ---

int SchafkopfController::FindHolder(int card) {
    SchafkopfComputerPlayer* game = Game();
    for (int n = 0; game && n < kTableSeats; ++n) {
        const int seat = (SeatAfterDealer() + n) % kTableSeats;
        if (game->HoldsCard(seat, card))
            return seat;
    }
    DebugBox("No holder of card", card);
    return -1;
}

void SchafkopfController::ForceCallGame() {
    SchafkopfComputerPlayer* game = Game();
    int seat = -1;
    for (int s = 0; s < kTableSeats && seat < 0; ++s)
        if (game->seats[s].oberMask & kEichelBit)
            seat = s;
    if (seat < 0) {
        DebugBox("No holder of card", kEichelOber);
        return;
    }
    const GameType callGame{schafkopfRules->trumpSuit, kWordNormal};
    game->gameType = callGame;
    game->seats[seat].bid = callGame;
    game->partyLists[0] = static_cast<std::int16_t>(seat);
    SetBid(seat, kBidIPlay);
    SchafkopfCall call;
    if (game->ChooseCalledSuit(game->seats[seat], &call)) {
        if (IsHumanSeat(seat)) {
            humanGameType = callGame;
            biddingPhase = kPhaseCallAce;
        } else {
            game->seatCalls[seat].suit = call.suit;
            game->seatCalls[seat].calledAceMissing = call.calledAceMissing;
            game->seatCalls[seat].rank = call.rank;
        }
    } else {
        game->seatCalls[seat].suit = 0;
    }
}

// Without a suit the rules allow, the first plain suit whose Ace another seat holds is called,
// so that the called Ace names a partner. Calling an Ace of one's own would leave the seat
// alone in a game scored as a partner game, and the party lists would contradict the parties.
int SchafkopfController::FirstAceOfAnother(int seat) {
    for (int s = 0; s < 4; ++s)
        if (s != schafkopfRules->trumpSuit && !Game()->HoldsCard(seat, s * 8 + 8))
            return s;
    return -1;
}

// A Call Game whose call names the declarer's own Ace is called again by the rules.
void SchafkopfController::MendOwnAceCall(int seat) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat) || game->calledSuit < 0 ||
        !game->HoldsCard(seat, game->CalledCard()))
        return;
    SchafkopfCall call;
    if (game->ChooseCalledSuit(game->seats[seat], &call) &&
        !game->HoldsCard(seat, call.suit * 8 + 8)) {
        game->calledSuit = call.suit;
        game->calledAceMissing = call.calledAceMissing;
        game->calledRank = call.rank;
    } else {
        game->calledSuit = static_cast<std::int16_t>(FirstAceOfAnother(seat));
        game->calledRank = 8;
    }
}

// A Call Game with no Ace to call (the declarer holds every plain Ace) has no partner: the
// declarer plays it alone, as a Suit Solo with the same trumps.
bool SchafkopfController::TurnLoneCallGameIntoSolo(int seat) {
    SchafkopfComputerPlayer* game = Game();
    const GameTypeWord word = game->gameType.word;
    if ((word & kGameBitsMask) != kWordNormal || (word & kModExchange) ||
        FirstAceOfAnother(seat) >= 0)
        return false;
    game->gameType.word = (word & ~kGameBitsMask) | kWordSuitSolo;
    game->seats[seat].bid = game->gameType;
    game->calledSuit = -1;
    return true;
}

void SchafkopfController::StepPartnerCards(int) {
    SchafkopfComputerPlayer* game = Game();
    const int q = FindHolder(schafkopfRules->partnerCards[0]);
    const int r = FindHolder(schafkopfRules->partnerCards[1]);
    for (int n = 0; n < kTableSeats; ++n) {
        int suit = 0;
        GetSeatBidType((SeatAfterDealer() + n) % kTableSeats, &suit);
    }
    biddingPhase = kPhaseStartPlay;
    if (q < 0 || r < 0)
        return;
    const GameType callGame{schafkopfRules->trumpSuit, kWordNormal};
    game->gameType = callGame;
    game->seats[q].bid = callGame;
    const bool secretSolo = game->IsPartnerCardsSolo(q);
    if (q != r) {
        // The two holders play together; no Ace is called, whatever the hand's evaluation
        // noted for a Call Game of its own.
        game->partyLists[0] = static_cast<std::int16_t>(q);
        game->partyLists[1] = static_cast<std::int16_t>(r);
        game->seatCalls[q].suit = -1;
    } else if (secretSolo && !IsHumanSeat(q)) {
        // Plays on as it is.
    } else {
        bool suits[4] = {};
        bool blank = false;
        if (!ListCallableSuits(q, suits, &blank) || schafkopfRules->firstTrick) {
            humanGameType = callGame;
            if (IsHumanSeat(q)) {
                biddingPhase = kPhaseCallAce;
            } else {
                SetBid(q, kBidIPlay);
                game->gameType.word = kWordMarriage;
                game->declarer = q;
            }
        } else {
            game->partyLists[0] = static_cast<std::int16_t>(q);
            SetBid(q, kBidIPlay);
            humanGameType = callGame;
            SchafkopfCall call;
            if (game->ChooseCalledSuit(game->seats[q], &call)) {
                if (IsHumanSeat(q)) {
                    biddingPhase = kPhaseCallAce;
                } else {
                    game->seatCalls[q].suit = call.suit;
                    game->seatCalls[q].calledAceMissing = call.calledAceMissing;
                    game->seatCalls[q].rank = call.rank;
                }
            } else {
                game->seatCalls[q].suit = 2;
            }
        }
    }
    for (int s = 0; s < kTableSeats; ++s)
        game->seats[s].inDeclarerParty = s == q || s == r ? 1 : 0;
}

int SchafkopfController::StepBidding(int seat) {
    SchafkopfComputerPlayer* game = Game();
    if (!game || !schafkopfRules || !IsTableSeatNumber(seat))
        return 0;
    const int mode = schafkopfRules->partnershipMode;
    switch (biddingPhase) {
    case kPhaseNotStarted:
        biddingPhase = kPhaseAsking;
        break;
    case kPhaseAsking: {
        if (AllPassed()) {
            if (IsRemoteTable(0))
                break;
            if (mode == 1) {
                biddingPhase = kPhasePartnerCards;
                StepPartnerCards(seat);
                break;
            }
            biddingPhase = kPhaseStartPlay;
            if (schafkopfRules->allPassRule == 1)
                ForceCallGame();
            break;
        }
        int players = 0;
        for (int s = 0; s < kTableSeats; ++s)
            players += bids[s] == kBidIPlay ? 1 : 0;
        if (players >= 2) {
            biddingPhase = schafkopfRules->requiredSolo ? kPhaseRequiredSolo
                           : bids[seat] == kBidIPlay    ? kPhaseNameGame
                                                        : kPhaseWait;
        } else {
            if (finalSoloRound || mode == 1)
                game->declarer = FindPlayingSeat();
            biddingPhase = bids[seat] == kBidIPlay ? kPhaseNamed : kPhaseStartPlay;
        }
        break;
    }
    case kPhaseRequiredSolo: {
        int yes = -1;
        int first = -1;
        int open = 0;
        for (int n = 0; n < kTableSeats; ++n) {
            const int s = (SeatAfterDealer() + n) % kTableSeats;
            if (yes < 0 && bids[s] == kBidYes)
                yes = s;
            if (first < 0 && !IsNo(s))
                first = s;
            open += IsNo(s) ? 0 : 1;
        }
        if (IsHumanSeat(first) && bids[first] == kBidYes)
            biddingPhase = kPhaseNamed;
        else if (yes != -1)
            biddingPhase = kPhaseStartPlay;
        else if (open > 1)
            biddingPhase = IsNo(seat) ? kPhaseWait : kPhaseNameGame;
        else
            biddingPhase = IsNo(seat) ? kPhaseStartPlay : kPhaseNamed;
        break;
    }
    case kPhaseCallAce:
    case kPhaseWait:
    case kPhaseStartPlay:
    case kPhaseFixedPartners:
        biddingPhase = kPhaseStartPlay;
        break;
    case kPhaseNameGame: {
        const int s = FindPlayingSeat();
        if (mode == 1)
            game->declarer = s;
        if (s != 0)
            biddingPhase = kPhaseStartPlay;
        else
            biddingPhase = game->IsSoloWord(humanGameType.word) ? kPhaseStartPlay : kPhaseCallAce;
        break;
    }
    case kPhaseNamed:
        biddingPhase =
            (humanGameType.word & kGameBitsMask) == kWordNormal ? kPhaseCallAce : kPhaseStartPlay;
        break;
    case kPhasePartnerCards:
        StepPartnerCards(seat);
        break;
    default:
        break;
    }
    return 0;
}

// --- the start of play ---

void SchafkopfController::TakeCall(int seat) {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(seat))
        return;
    game->calledSuit = game->seatCalls[seat].suit;
    game->calledAceMissing = game->seatCalls[seat].calledAceMissing;
    game->calledRank = game->seatCalls[seat].rank;
}

// The holders of the two partner cards play against the other two: without the second list
// a game the holders lose would list no winner, and every seat would pay.
void SchafkopfController::CompleteOtherParty() {
    SchafkopfComputerPlayer* game = Game();
    if (!IsTableSeatNumber(game->partyLists[1]) || IsTableSeatNumber(game->partyLists[2]))
        return;
    int next = 2;
    for (int s = 0; s < kTableSeats; ++s)
        if (s != game->partyLists[0] && s != game->partyLists[1])
            game->partyLists[next++] = static_cast<std::int16_t>(s);
    game->partyLists[4] = -1;
}

void SchafkopfController::SetFixedParties(int seat) {
    SchafkopfComputerPlayer* game = Game();
    const std::int16_t lists[5] = {static_cast<std::int16_t>(seat),
                                   static_cast<std::int16_t>((seat + 2) % kTableSeats),
                                   static_cast<std::int16_t>((seat + 1) % kTableSeats),
                                   static_cast<std::int16_t>((seat + 3) % kTableSeats), -1};
    for (int i = 0; i < 5; ++i)
        game->partyLists[i] = lists[i];
}

bool SchafkopfController::StartPlay() {
    SchafkopfComputerPlayer* game = Game();
    if (!game || !schafkopfRules)
        return false;
    playStarted = 1;
    const int mode = schafkopfRules->partnershipMode;
    const int trump = schafkopfRules->trumpSuit;
    if (mode == 2 && AllPassed()) {
        // The settlement tells Ramsch from Leaster by the rule of the deal.
        game->allPassRuleOfDeal = schafkopfRules->allPassRule;
        switch (schafkopfRules->allPassRule) {
        case 0:
            game->gameType = {kNoSuit, kModExchange};
            return false;
        case 2:
        case 3:
            game->gameType = {trump, kModExchange | kWordNormal};
            game->StartPlay(-1, false, false, -1);
            SortHandRow(0);
            return true;
        default:
            break;
        }
    }
    switch (mode) {
    case 0: {
        biddingPhase = kPhaseNamed;
        for (int n = 0; n < kTableSeats; ++n) {
            int suit = 0;
            GetSeatBidType((SeatAfterDealer() + n) % kTableSeats, &suit);
        }
        game->gameType = {trump, kWordNormal};
        const int s = FindHolder(kEichelOber);
        if (s >= 0)
            SetFixedParties(s);
        game->StartPlay(-1, false, false, s);
        return true;
    }
    case 1: {
        biddingPhase = kPhaseNamed;
        if (!IsTableSeatNumber(game->declarer) && !IsTableSeatNumber(game->partyLists[0]) &&
            !AllPassed()) {
            // Several seats said "I play" and nobody named the game at a table without a pane:
            // the first of them from the leader plays, as the naming step would have decided.
            game->declarer = FindPlayingSeat();
        }
        const int d = game->declarer;
        if ((game->gameType.word & kGameBitsMask) == kWordMarriage && IsTableSeatNumber(d)) {
            game->partyLists[0] = static_cast<std::int16_t>(d);
            game->gameType.trumpSuit = trump;
            game->StartPlay(d, true, !seatIsComputer[d], -1);
        } else if (IsTableSeatNumber(d)) {
            game->partyLists[0] = static_cast<std::int16_t>(d);
            TakeCall(d);
            game->gameType = IsHumanSeat(d) && d == 0 ? humanGameType : game->seats[d].bid;
            soloCounts[d] = static_cast<std::int16_t>(soloCounts[d] + 1);
            game->StartPlay(d, true, !seatIsComputer[d], -1);
        } else if (IsTableSeatNumber(game->partyLists[0])) {
            const int p = game->partyLists[0];
            TakeCall(p);
            game->StartPlay(-1, false, false, p);
            CompleteOtherParty();
        } else {
            game->StartPlay(-1, false, false, -1);
        }
        SortHandRow(0);
        return true;
    }
    case 2: {
        const int s = FindPlayingSeat();
        game->partyLists[0] = static_cast<std::int16_t>(s);
        TakeCall(s);
        game->gameType = IsHumanSeat(s) && s == 0 ? humanGameType : game->seats[s].bid;
        TurnLoneCallGameIntoSolo(s);
        const GameTypeWord word = game->gameType.word;
        if (!game->IsSoloWord(word)) {
            biddingPhase = kPhaseNamed;
            if (!(word & kModExchange))
                MendOwnAceCall(s);
            game->StartPlay(-1, false, false, s);
        } else {
            const GameTypeWord bits = word & kGameBitsMask;
            if (bits > 1 && bits < kWordMarriage)
                soloCounts[s] = static_cast<std::int16_t>(soloCounts[s] + 1);
            game->StartPlay(s, true, !seatIsComputer[s], -1);
        }
        SortHandRow(0);
        return true;
    }
    default:
        return false;
    }
}

// --- the game list ---

void SchafkopfController::BuildListRecord(GameRecord* record, GameBill* gameBill) {
    BuildCommonRecord(record, *gameBill);
    record->potBooked = gameBill->potBooked;
    record->potSeat = gameBill->potSeat;
    record->potAmount = gameBill->potAmount;
}

void SchafkopfController::ScoreListRecord(GameBill* gameBill) {
    const bool allPassed = player && (player->gameType.word & kModExchange);
    const int rule = schafkopfRules ? schafkopfRules->allPassRule : 0;
    if (allPassed && (rule == 2 || rule == 3)) {
        if (gameListHandle)
            ScoreByItems(*GameListHead(gameListHandle), *ScoredRecord(), *gameBill);
        return;
    }
    DoppelkopfController::ScoreListRecord(gameBill);
}

// --- the third saved run ---

namespace {

// The one walk over the run's fields: three 32-bit values.
void WalkThirdRun(std::int32_t& seat, std::int32_t& suit, std::uint32_t& word,
                  ByteOrderCursor& io) {
    io.Field(seat);
    io.Field(suit);
    io.Field(word);
}

} // namespace

void SchafkopfController::TransferThirdRunLayout(ByteOrderCursor& io) {
    std::int32_t seat = 0;
    std::int32_t suit = 0;
    std::uint32_t word = 0;
    WalkThirdRun(seat, suit, word, io);
}

void SchafkopfController::WriteThirdRun(std::uint8_t* bytes, bool bigEndian) const {
    ByteOrderCursor io(bytes, kThirdRunSize, CursorMode::kWrite, bigEndian);
    std::int32_t seat = firstPlayerSeat;
    std::int32_t suit = humanGameType.trumpSuit;
    std::uint32_t word = humanGameType.word;
    WalkThirdRun(seat, suit, word, io);
}

bool SchafkopfController::ReadThirdRun(const std::uint8_t* bytes, bool bigEndian) {
    ByteOrderCursor io(const_cast<std::uint8_t*>(bytes), kThirdRunSize, CursorMode::kRead,
                       bigEndian);
    std::int32_t seat = 0;
    std::int32_t suit = 0;
    std::uint32_t word = 0;
    WalkThirdRun(seat, suit, word, io);
    if (!io.Complete() || seat < -1 || seat > 3 || !((suit >= 0 && suit <= 4) || suit == kNoSuit) ||
        (word & ~kKnownWordBits) != 0)
        return false;
    firstPlayerSeat = seat;
    humanGameType = {suit, word};
    return true;
}

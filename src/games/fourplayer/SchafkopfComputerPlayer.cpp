#include "games/fourplayer/SchafkopfComputerPlayer.h"

#include <algorithm>
#include <cstdint>

#include "engine/EngineServices.h"
#include "records/OptionRecordLayouts.h"

SchafkopfComputerPlayer::SchafkopfComputerPlayer() = default;

bool SchafkopfComputerPlayer::HoldsCard(int seat, int card) {
    return IsCardInHand(seat, card);
}

bool SchafkopfComputerPlayer::WantsExtrasItem() {
    const SchafkopfOptions& rules = Rules();
    return rules.withLaufende != 0 || rules.noCalledAceRules != 0 || DiamondAceCaughtScores();
}

ComputerPlayer* SchafkopfComputerPlayer::AddBillItem(void* bill, int kind, int value) {
    if (bill)
        AddItem(*static_cast<GameBill*>(bill), kind, value);
    return this;
}

void SchafkopfComputerPlayer::AddItem(GameBill& bill, int kind, int value) {
    if (bill.itemCount < 0 || bill.itemCount >= kBillMaxItems) {
        DebugBox("Bill item", bill.itemCount);
        return;
    }
    BillItem& item = bill.items[bill.itemCount++];
    item.kind = static_cast<std::int16_t>(kind);
    item.value = ClampToBill(value);
}

// The highest stakes with every doubling outgrow the bill's 16-bit values: they stop at the
// largest value rather than wrap around to the other sign.
std::int16_t SchafkopfComputerPlayer::ClampToBill(int value) {
    return static_cast<std::int16_t>(
        std::clamp(value, -static_cast<int>(INT16_MAX), static_cast<int>(INT16_MAX)));
}

int SchafkopfComputerPlayer::SumBill(const GameBill& bill) {
    int sum = 0;
    for (int i = 0; i < bill.itemCount && i < kBillMaxItems; ++i)
        if ((bill.items[i].kind & kBillKindMask) != kBillPot)
            sum += bill.items[i].value;
    return sum;
}

int SchafkopfComputerPlayer::GameBaseValue() {
    const SchafkopfOptions& rules = Rules();
    if (gameType.word & kModExchange)
        return rules.ramschStake;
    switch (GameBits(gameType.word)) {
    case kWordNormal:
        return rules.baseStake;
    case kWordNoTrumps:
        return rules.begStake;
    case kWordYou:
        return rules.youStake;
    default:
        return rules.soloStake;
    }
}

int SchafkopfComputerPlayer::SchneiderStake() {
    return IsSoloGame() ? Rules().soloSchneiderStake : Rules().schneiderStake;
}

int SchafkopfComputerPlayer::SchwarzStake() {
    return IsSoloGame() ? Rules().soloSchwarzStake : Rules().schwarzStake;
}

bool SchafkopfComputerPlayer::IsListed(const GameBill& bill, int seat) const {
    for (int s : bill.listedSeats)
        if (s == seat && s != -1)
            return true;
    return false;
}

// --- the settlement ---

ComputerPlayer* SchafkopfComputerPlayer::SettleGame(void* billRecord) {
    if (!billRecord)
        return this;
    GameBill& bill = *static_cast<GameBill*>(billRecord);
    CollectFoxCaptures();
    bill = GameBill{};
    bill.perOpponent = 1;
    bill.potSeat = -1;
    for (auto& seat : bill.listedSeats)
        seat = -1;
    if (gameType.word & kModExchange) {
        SettleAllPassed(bill);
    } else {
        const int declaring = GetHighestAnnouncement(true);
        const int other = GetHighestAnnouncement(false);
        if (IsBeg())
            SettleBeg(bill, declaring, other);
        else
            SettleNormalGame(bill, declaring, other);
    }
    if (WantsExtrasItem())
        AddExtrasItem(bill);
    bill.value = ClampToBill(SumBill(bill));
    return this;
}

void SchafkopfComputerPlayer::CollectFoxCaptures() {
    if (IsSoloGame() || !DiamondAceCaughtScores())
        return;
    const int fox = gameType.trumpSuit * 8 + 8;
    for (int t = 0; t < GetCardsPerHand() && t < kTrickCount; ++t) {
        const int winner = tricks[t].winner;
        if (!IsSeat(winner))
            continue;
        for (int s = 0; s < kSeatCount; ++s) {
            // The fox counts when a seat of the other party takes it: the real parties, as
            // the finished game knows them.
            if (s == winner || tricks[t].cards[s] != fox ||
                IsInFirstParty(s) == IsInFirstParty(winner))
                continue;
            if (bonusCount >= 0 && bonusCount < kMaxBonuses)
                bonuses[bonusCount++] = {static_cast<std::int16_t>(winner), 1};
        }
    }
}

void SchafkopfComputerPlayer::SettleBeg(GameBill& bill, int declaring, int other) {
    const int soloist = partyLists[0];
    const bool won = IsSeat(soloist) && tricksWon[soloist] == 0;
    for (int i = 0; i < 3; ++i)
        bill.listedSeats[i] = won ? (i == 0 ? partyLists[0] : -1) : partyLists[2 + i];
    AddItem(bill, kBillGameValue, Rules().begStake);
    AddDoublings(bill, declaring, other);
    AddPot(bill, won);
    bill.cardPoints = 0; // the Beg is won or lost by tricks, not points
}

// The party lists fill in the order the table learnt the parties; the defenders who won are
// listed in seat order, as every other list of the other party is.
void SchafkopfComputerPlayer::ListInSeatOrder(GameBill& bill) {
    std::int16_t* first = bill.listedSeats;
    std::int16_t* last = bill.listedSeats + 3;
    std::sort(first, std::find(first, last, static_cast<std::int16_t>(-1)));
}

bool SchafkopfComputerPlayer::DeclarerWon() {
    if (!IsTout())
        return cardPoints[partyLists[0]] +
                   (IsSeat(partyLists[1]) ? cardPoints[partyLists[1]] : 0) >=
               61;
    for (int i = 2; i < 5; ++i)
        if (IsSeat(partyLists[i]) && tricksWon[partyLists[i]] > 0)
            return false;
    return true;
}

void SchafkopfComputerPlayer::SettleNormalGame(GameBill& bill, int declaring, int other) {
    if (!IsSeat(partyLists[0]))
        return;
    int points =
        cardPoints[partyLists[0]] + (IsSeat(partyLists[1]) ? cardPoints[partyLists[1]] : 0);
    const bool won = DeclarerWon();
    for (int i = 0; i < 3; ++i)
        bill.listedSeats[i] = won ? (i < 2 ? partyLists[i] : -1) : partyLists[2 + i];
    if (!won)
        ListInSeatOrder(bill);
    // With fixed partners a 60:60 game is a draw.
    const bool draw = !won && Rules().partnershipMode == 0 && points == 60;
    AddItem(bill, kBillGameValue, draw ? 0 : GameBaseValue());
    AddLaufende(bill);
    if (!won)
        points = 120 - points;
    AddSchneiderSchwarz(bill, points, won);
    AddDoublings(bill, declaring, other);
    AddPot(bill, won);
    if (gameType.word & kModThrowIn)
        AddItem(bill, kBillTout, SumBill(bill));
    else if (GameBits(gameType.word) == kWordYou)
        AddItem(bill, kBillYou, 3 * SumBill(bill));
    bill.cardPoints = static_cast<std::int16_t>(points);
}

void SchafkopfComputerPlayer::AddLaufende(GameBill& bill) {
    const SchafkopfOptions& rules = Rules();
    if (!rules.withLaufende)
        return;
    const int runners = laufendeCount < 0 ? -laufendeCount : laufendeCount;
    // Tout and You always carry the item, never a negative one.
    if (IsTout()) {
        AddItem(bill, kBillLaufende, rules.laufendeStake * runners);
        return;
    }
    const int from = IsSoloGame() ? rules.soloLaufendeFrom : rules.laufendeFrom;
    if (runners != 0 && runners >= from)
        AddItem(bill, kBillLaufende, runners * rules.laufendeStake);
}

void SchafkopfComputerPlayer::AddSchneiderSchwarz(GameBill& bill, int points, bool won) {
    if (IsBeg() || IsTout())
        return;
    // The declaring party needs 91; the defenders make the declarers Schneider with 90.
    if (points >= (won ? 91 : 90))
        AddItem(bill, kBillSchneider, SchneiderStake());
    if (points < 120)
        return;
    for (int s = 0; s < kSeatCount; ++s)
        if (!IsListed(bill, s) && tricksWon[s] > 0)
            return;
    AddItem(bill, kBillSchwarz, SchwarzStake());
}

// Announcement kinds: Contra 0, Re 1, Supra 8, Resupra 9; each doubles the sum so far.
void SchafkopfComputerPlayer::AddDoublings(GameBill& bill, int declaring, int other) {
    if (other >= 0)
        AddItem(bill, kBillContra, SumBill(bill));
    if (declaring >= 1)
        AddItem(bill, kBillRe, SumBill(bill));
    if (other >= 8)
        AddItem(bill, kBillSupra, SumBill(bill));
    if (declaring == 9)
        AddItem(bill, kBillResupra, SumBill(bill));
}

// The pot goes with the Call Game only: a won game takes it, a lost one doubles it.
void SchafkopfComputerPlayer::AddPot(GameBill& bill, bool won) {
    if (GameBits(gameType.word) != kWordNormal || potUnits <= 0)
        return;
    // The bill holds 16-bit amounts: a pot that has doubled beyond them is booked at the
    // largest amount and stops doubling, rather than wrapping around to a wrong sign.
    const int perUnit = 4 * std::max(1, static_cast<int>(Rules().baseStake));
    const int amount = ClampToBill(potUnits * Rules().baseStake * 4);
    bill.potBooked = 1;
    bill.potSeat = partyLists[0];
    bill.potAmount = static_cast<std::int16_t>(won ? amount : -amount);
    const int doubled =
        std::min(2 * potUnits, std::max(static_cast<int>(potUnits), INT16_MAX / perUnit));
    potUnits = static_cast<std::int16_t>(won ? 0 : doubled);
    AddItem(bill, kBillPot + kBillSeatStep * bill.potSeat, bill.potAmount);
}

void SchafkopfComputerPlayer::SettleAllPassed(GameBill& bill) {
    const SchafkopfOptions& rules = Rules();
    bill.cardPoints = 0;
    if (rules.withPot) {
        ++potUnits;
        bill.potBooked = 1;
        bill.potSeat = -1;
        bill.potAmount = static_cast<std::int16_t>(-rules.baseStake);
        AddItem(bill, kBillPot + kBillSeatStep, -rules.baseStake);
    }
    if (allPassRuleOfDeal == 2)
        SettleRamschOrLeaster(bill, false);
    else if (allPassRuleOfDeal == 3)
        SettleRamschOrLeaster(bill, true);
}

void SchafkopfComputerPlayer::SettleRamschOrLeaster(GameBill& bill, bool leaster) {
    const SchafkopfOptions& rules = Rules();
    int takers = 0;
    int taker = -1;
    for (int s = 0; s < kSeatCount; ++s) {
        if (tricksWon[s] > 0) {
            ++takers;
            taker = s;
        }
    }
    if (takers == 1) {
        bill.listedSeats[0] = static_cast<std::int16_t>(taker);
        AddItem(bill, kBillShootTheMoon, rules.shootTheMoonStake);
        return;
    }
    bill.perOpponent = 0;
    const int first = leaster ? FindLeasterWinner() : FindRamschLoser();
    bill.listedSeats[0] = static_cast<std::int16_t>(first);
    if (leaster)
        AddItem(bill, kBillLeasterWinner, 3 * rules.ramschStake);
    else
        AddItem(bill, kBillRamschLoser, -3 * rules.ramschStake);
    for (int s = 0, listed = 1; s < kSeatCount && listed < 3; ++s) {
        if (tricksWon[s] != 0)
            continue;
        AddItem(bill, kBillNoTrick, leaster ? rules.noTrickStake : -rules.noTrickStake);
        bill.listedSeats[listed++] = static_cast<std::int16_t>(s);
    }
}

int SchafkopfComputerPlayer::FindRamschLoser() {
    const int start = IsSeat(tricks[0].leader) ? tricks[0].leader : 0;
    int loser = -1;
    for (int n = 0, s = start; n < kSeatCount; ++n, s = NextSeat(s)) {
        if (loser == -1 || cardPoints[s] > cardPoints[loser] ||
            (cardPoints[s] == cardPoints[loser] && tricksWon[s] > tricksWon[loser]))
            loser = s;
    }
    return loser;
}

int SchafkopfComputerPlayer::FindLeasterWinner() {
    const int start = IsSeat(tricks[0].leader) ? tricks[0].leader : 0;
    int winner = -1;
    for (int n = 0, s = start; n < kSeatCount; ++n, s = NextSeat(s)) {
        if (tricksWon[s] == 0)
            continue;
        if (winner == -1 || cardPoints[s] < cardPoints[winner] ||
            (cardPoints[s] == cardPoints[winner] && tricksWon[s] < tricksWon[winner]))
            winner = s;
    }
    return winner;
}

void SchafkopfComputerPlayer::AddExtrasItem(GameBill& bill) {
    int caught = 0;
    if (!IsSoloGame()) {
        for (int i = 0; i < bonusCount && i < kMaxBonuses; ++i)
            caught += IsListed(bill, bonuses[i].seat) ? 1 : -1;
    }
    AddItem(bill, kBillExtras, GameBaseValue() * caught);
}

#include "engine/TestLevel.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/CardPlayTimes.h"
#include "platform/Ticks.h"

namespace {

// The rules record of a fresh installation as far as the engine reads it: one required solo,
// the games a computer seat may choose, throw-in with five Kings and five nines, an exchange of
// up to three trumps, points for catching the Fox and for Charlie's last trick, the Nine of
// Schellen as the special top card, the style settings a human seat starts with, no play times
// yet. The other rules
// are off; tests that need one set it.
void SetUpRulesRecord(DoppelkopfOptions& rules) {
    constexpr std::int16_t kStyleSettings[kStyleSettingCount] = {
        1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 1, 0,
        1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
    rules = DoppelkopfOptions{};
    std::copy(std::begin(kStyleSettings), std::end(kStyleSettings), rules.styleSettings);
    rules.requiredSoloCount = 1;
    rules.allowedGames = 157;
    rules.throwInKings = 5;
    rules.throwInNines = 5;
    rules.throwInNeedsBoth = 1;
    rules.exchangeTrumpLimit = 3;
    rules.foxCaughtPoint = 1;
    rules.charlieLastTrickPoint = 1;
    rules.specialTopCard = kSchellenNine;
    ClearPlayerTimeStats(&rules);
}

} // namespace

TestLevel::TestLevel() {
    SetUpRulesRecord(options);
    NewGame();
    AttachRules(&options);
}

std::vector<int> TestLevel::Deck() {
    std::vector<int> deck;
    for (int card = kFirstCard; card <= kLastCard; ++card) {
        const int step = (card - 1) % 8 + 1; // 1..8: 7, 8, 9, Unter, Ober, King, 10, Ace
        if (step < 3 || (step == 3 && IsShortDeck()))
            continue;
        deck.push_back(card);
        deck.push_back(card);
    }
    return deck;
}

void TestLevel::GiveHand(int seat, const std::vector<int>& cards) {
    SeatBlock& block = seats[seat];
    for (int p = 0; p < kHandPlaces; ++p)
        block.hand[p] =
            static_cast<std::uint8_t>(p < static_cast<int>(cards.size()) ? cards[p] : 0);
    SortHand(block.hand, kHandPlaces, gameType.trumpSuit, gameType.word, true, true);
    for (auto& count : block.groupCount)
        count = 0;
    for (int p = 0; p < kHandPlaces && block.hand[p] != 0; ++p)
        ++block.groupCount[GetSuitGroup(block.hand[p])];
    ComputeRankStats(block);
}

void TestLevel::Deal(std::mt19937& random, int trumpSuit, GameTypeWord word, int firstLeader) {
    NewDeal(true);
    gameType = {trumpSuit, word};
    std::vector<int> deck = Deck();
    std::shuffle(deck.begin(), deck.end(), random);
    const int perHand = GetCardsPerHand();
    for (int seat = 0; seat < GetSeatCount(); ++seat)
        GiveHand(seat, std::vector<int>(deck.begin() + seat * perHand,
                                        deck.begin() + (seat + 1) * perHand));
    leader = static_cast<std::int16_t>(firstLeader);
    seatToMove = leader;
    trickNumber = 1;
    SetUpParties(firstLeader);
}

void TestLevel::SetUpParties(int soloist) {
    const bool solo = IsSoloGame();
    declarer = solo ? soloist : -1;
    for (auto& entry : partyLists)
        entry = -1;
    for (int seat = 0; seat < GetSeatCount(); ++seat) {
        bool declaring = seat == soloist;
        if (!solo) {
            declaring = false;
            for (int p = 0; p < kHandPlaces; ++p)
                declaring = declaring || seats[seat].hand[p] == kEichelOber;
        }
        seats[seat].inDeclarerParty = declaring ? 1 : 0;
    }
    if (solo) {
        partyLists[0] = static_cast<std::int16_t>(soloist);
        for (int seat = 0, entry = 2; seat < GetSeatCount(); ++seat)
            if (seat != soloist)
                partyLists[entry++] = static_cast<std::int16_t>(seat);
    }
}

void TestLevel::PrepareDecision(int seat) {
    seatToMove = static_cast<std::int16_t>(seat);
    // As the game lines do: the hand-place records are read for a seat above profile 5, and
    // the seat's group evaluation is rebuilt for the game in play.
    watchPlaces = seats[seat].profile > 5 ? 1 : 0;
    BuildGroupEvaluation(seats[seat], gameType.trumpSuit, gameType.word, seat, true);
    AnalysePartners(seat);
}

int TestLevel::FinishTrick() {
    const int winner = GetTrickWinnerSoFar(PreviousSeat(leader));
    tricks[trickNumber - 1].winner = static_cast<std::int16_t>(winner);
    InferPartiesAfterTrick(leader, winner);
    FindTrumpTrickEvidence(leader, winner);
    int points = 0;
    for (int seat = 0; seat < kSeatCount; ++seat) {
        points += GetCardPoints(trickCards[seat]);
        trickCards[seat] = 0;
    }
    cardPoints[winner] = static_cast<std::int16_t>(cardPoints[winner] + points);
    ++tricksWon[winner];
    tricks[trickNumber - 1].winner = static_cast<std::int16_t>(winner);
    leader = static_cast<std::int16_t>(winner);
    seatToMove = leader;
    ++trickNumber;
    return winner;
}

void TestLevel::StartPlay() {
    for (int seat = 0; seat < GetSeatCount(); ++seat) {
        SeatBlock& block = seats[seat];
        int losers = static_cast<int>(std::lround(RateAnnounceStrength(seat, false) * 10));
        const int style = ProfileStyle(block.profile);
        if (style == 1 || style == 2)
            --losers;
        else if ((style == 3 || style == 4) && losers < 10)
            ++losers;
        block.loserCount = static_cast<std::int16_t>(losers);
    }
}

bool TestLevel::CollectAnnouncements(int skippedSeat) {
    int seat = leader;
    for (int n = 0; n < GetSeatCount(); ++n, seat = NextSeat(seat)) {
        if (seat == skippedSeat || seats[seat].usesProfileStyle == 0)
            continue;
        std::uint8_t wait = 0;
        if (DecideAnnouncement(seat, &wait))
            return true;
    }
    return false;
}

void TestLevel::StartWaitingClock(int seat) {
    if (seats[seat].usesProfileStyle == 0 && seats[seat].inDeclarerParty == 0 &&
        (HasAnnounceOnLeadStyle(seat) || HasAnnounceOffLeadStyle(seat))) {
        announceClockSeat = -1;
        announceClock = static_cast<std::int32_t>(TickCount());
    }
}

void TestLevel::NoteComputerCard() {
    lastComputerCardTime = static_cast<std::int32_t>(TickCount());
}

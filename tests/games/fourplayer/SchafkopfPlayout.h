// A seeded play-out of one Schafkopf deal on the game object alone: the deal comes from a seed,
// the game and its declarer are chosen by the caller, and each seat is either the computer
// player at a PlayerProfileCode or a random-legal player (a card drawn uniformly from the cards
// IsLegalCard answers 1 for, by the play-out's own generator, played like the human's card).
// Every card is checked for legality; a computer card that no routine of the card play chose
// (the dispatcher's last resort) is counted. The same seed gives the same deal whatever the
// seats are, so a seat can be swapped on the same deals.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "SchafkopfReference.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "records/OptionRecordLayouts.h"
#include "shell/OptionRecords.h"

namespace playout {

// A seat of the play-out: the computer at the profile, or a random-legal player.
struct SeatKind {
    int profile = 11;
    bool random = false;
};
inline SeatKind Computer(int profile) {
    return {profile, false};
}
inline SeatKind RandomLegal() {
    return {0, true};
}

// The Ramsch and the Leaster differ only in their settlement (the all-passed rule of the deal).
enum class AllPassed { kRamsch = 2, kLeaster = 3 };

struct Setup {
    std::uint32_t seed = 1;
    GameTypeWord word = kModExchange | kWordNormal;
    int declarer = -1;   // -1: nobody declares (the all-passed game, or a Call Game's parties)
    int calledSuit = -1; // a Call Game's called suit (its Ace marks the partner), -1 none
    int leader = 0;
    bool shortDeck = false;
    int trumpSuit = 1;
    int gameSuit = -1; // the suit of the game type; -1: the trump suit (4: a suitless solo)
    AllPassed allPassed = AllPassed::kRamsch;
    SeatKind seats[4] = {};
};

struct Result {
    int cardPoints[4] = {};
    int tricksWon[4] = {};
    int computerCards = 0;
    int fallbacks = 0; // computer cards that no card routine chose
    // The same two counts for the cards of the partner games (Call Game, 1st Trick).
    int partnerGameCards = 0;
    int partnerGameFallbacks = 0;
    bool complete = false;
    std::vector<std::string> failures;
};

// The game object that notes whether the phase routines played the seat's card.
class CountingPlayer : public SchafkopfComputerPlayer {
  public:
    int fallbacks = 0;
    int partnerGameCards = 0;
    int partnerGameFallbacks = 0;
    using SchafkopfComputerPlayer::GetPlayLog;
    using SchafkopfComputerPlayer::IsCardInHand;

    void PlayOpeningPhase(int seat) override {
        Count(seat, [&] { Base::PlayOpeningPhase(seat); });
    }
    void PlayMiddlePhase(int seat) override {
        Count(seat, [&] { Base::PlayMiddlePhase(seat); });
    }
    void PlayEndPhase(int seat) override {
        Count(seat, [&] { Base::PlayEndPhase(seat); });
    }

  private:
    using Base = SchafkopfComputerPlayer;
    template <class F> void Count(int seat, F run) {
        const int before = trickCards[seat];
        const bool partnerGame = GetPlayGroup() == SchafkopfPlayGroup::kPartnerGame;
        run();
        const bool fellBack = !IsCardCode(trickCards[seat]) || trickCards[seat] == before;
        fallbacks += fellBack ? 1 : 0;
        if (partnerGame) {
            ++partnerGameCards;
            partnerGameFallbacks += fellBack ? 1 : 0;
        }
    }
};

// The hands of the seed: the deck of the game shuffled by the seed, dealt in equal parts.
inline std::vector<std::vector<int>> DealHands(std::uint32_t seed, bool shortDeck) {
    skref::Game ref{1, kWordNormal, shortDeck};
    std::vector<int> deck = ref.Deck();
    std::mt19937 random(seed);
    std::shuffle(deck.begin(), deck.end(), random);
    const int per = static_cast<int>(deck.size()) / 4;
    std::vector<std::vector<int>> hands(4);
    for (int s = 0; s < 4; ++s)
        hands[s].assign(deck.begin() + s * per, deck.begin() + (s + 1) * per);
    return hands;
}

class Playout {
  public:
    explicit Playout(const Setup& s) : setup(s), random(s.seed * 2654435761u + 17u) {
        SetSchafkopfOptionDefaults(&options);
        options.partnershipMode = 2;
        options.trumpSuit = static_cast<std::int16_t>(s.trumpSuit);
        options.shortDeck = s.shortDeck ? 1 : 0;
        options.allPassRule = static_cast<std::int16_t>(s.allPassed);
        game.NewGameWithOptions(&options);
    }

    CountingPlayer& Game() { return game; }

    // Deals and starts the play; the caller may then change the position before Run.
    void Start() {
        game.NewDeal(false);
        const auto hands = DealHands(setup.seed, setup.shortDeck);
        const int cards = game.GetCardsPerHand();
        game.leader = static_cast<std::int16_t>(setup.leader);
        game.seatToMove = game.leader;
        for (int seat = 0; seat < 4; ++seat) {
            SeatBlock& block = game.seats[seat];
            for (int p = 0; p < kHandPlaces; ++p)
                block.hand[p] = static_cast<std::uint8_t>(p < cards ? hands[seat][p] : 0);
            block.profile = static_cast<std::int16_t>(
                setup.seats[seat].random ? 11 : setup.seats[seat].profile);
            game.BuildEvaluation(block, cards, setup.trumpSuit, kWordNone, seat);
            game.ComputeRankStats(block);
        }
        game.calledSuit = -1;
        game.gameType = {setup.gameSuit >= 0 ? setup.gameSuit : setup.trumpSuit, setup.word};
        for (auto& entry : game.partyLists)
            entry = -1;
        if (setup.word & kModExchange) {
            game.allPassRuleOfDeal = static_cast<std::int16_t>(setup.allPassed);
            game.StartPlay(-1, false, false, -1);
        } else {
            game.partyLists[0] = static_cast<std::int16_t>(setup.declarer);
            if (setup.calledSuit >= 0) {
                // A Call Game as the table starts it: the call copied, the declarer's party
                // marked by the called Ace, and no declarer field.
                game.calledSuit = static_cast<std::int16_t>(setup.calledSuit);
                game.calledRank = 8;
                game.StartPlay(-1, false, false, setup.declarer);
            } else {
                game.StartPlay(setup.declarer, true, true, -1);
            }
        }
    }

    // The seat on turn plays one card; a full trick is booked. False after a failed check or
    // at the end of the deal.
    bool PlayNext(Result& result) {
        if (game.trickNumber > game.GetCardsPerHand() || !result.failures.empty())
            return false;
        int seat = game.leader;
        while (IsCardCode(game.trickCards[seat]) && seat != (game.leader + 3) % 4)
            seat = (seat + 1) % 4;
        if (!PlayOne(seat, result))
            return false;
        if (seat == (game.leader + 3) % 4) {
            if (setup.calledSuit >= 0 &&
                RefGame().Group(game.trickCards[game.leader]) == setup.calledSuit)
                calledSuitLed = true;
            std::uint8_t changed = 0;
            game.EndTrick(&changed);
            for (auto& card : game.trickCards)
                card = 0;
        }
        return true;
    }

    // The seat whose card is next.
    int SeatOnTurn() {
        int seat = game.leader;
        while (IsCardCode(game.trickCards[seat]) && seat != (game.leader + 3) % 4)
            seat = (seat + 1) % 4;
        return seat;
    }

    // Plays the deal to its end; answers the result.
    Result Run() {
        Result result;
        const int cards = game.GetCardsPerHand();
        while (game.trickNumber <= cards && PlayNext(result)) {
        }
        if (!result.failures.empty())
            return result;
        int points = 0;
        int tricks = 0;
        for (int s = 0; s < 4; ++s) {
            result.cardPoints[s] = game.cardPoints[s];
            result.tricksWon[s] = game.tricksWon[s];
            points += game.cardPoints[s];
            tricks += game.tricksWon[s];
        }
        if (points != 120 || tricks != cards)
            Fail(result, "points " + std::to_string(points) + " tricks " + std::to_string(tricks));
        for (int s = 0; s < 4; ++s)
            for (int p = 0; p < kHandPlaces; ++p)
                if (game.seats[s].hand[p] != 0)
                    Fail(result, "card left in hand of seat " + std::to_string(s));
        result.fallbacks = game.fallbacks;
        result.partnerGameCards = game.partnerGameCards;
        result.partnerGameFallbacks = game.partnerGameFallbacks;
        result.complete = result.failures.empty();
        return result;
    }

  private:
    void Fail(Result& result, const std::string& what) {
        if (result.failures.size() < 10)
            result.failures.push_back("seed " + std::to_string(setup.seed) + " trick " +
                                      std::to_string(game.trickNumber) + ": " + what);
    }

    std::vector<int> LegalCards(int seat) {
        std::vector<int> legal;
        for (int p = 0; p < kHandPlaces; ++p) {
            const int card = game.seats[seat].hand[p];
            if (IsCardCode(card) && game.IsLegalCard(seat, card) == 1)
                legal.push_back(card);
        }
        return legal;
    }

  public:
    bool PlayOne(int seat, Result& result) {
        game.seatToMove = static_cast<std::int16_t>(seat);
        const std::vector<int> legal = LegalCards(seat);
        if (legal.empty()) {
            Fail(result, "no legal card for seat " + std::to_string(seat));
            return false;
        }
        const std::vector<int> reference = ReferenceLegal(seat);
        if (setup.seats[seat].random) {
            const int card = legal[std::uniform_int_distribution<int>(
                0, static_cast<int>(legal.size()) - 1)(random)];
            for (int p = 0; p < kHandPlaces; ++p)
                if (game.seats[seat].hand[p] == card) {
                    game.PlayCard(seat, p, kReasonHuman);
                    break;
                }
        } else {
            std::uint8_t claim = 0;
            game.SetSeatToAct(seat);
            game.ChooseAndPlayCard(seat, &claim);
            ++result.computerCards;
        }
        const int played = game.trickCards[seat];
        if (std::find(legal.begin(), legal.end(), played) == legal.end() ||
            std::find(reference.begin(), reference.end(), played) == reference.end()) {
            Fail(result, "seat " + std::to_string(seat) + " played " + std::to_string(played) +
                             ", not a legal card");
            return false;
        }
        return true;
    }

  private:
    // The game as declared: its suit (a solo may name another than the options' suit) and word.
    skref::Game RefGame() const {
        return {setup.gameSuit >= 0 ? setup.gameSuit : setup.trumpSuit, game.gameType.word,
                setup.shortDeck};
    }

    // The cards the published rules allow the seat, worked out apart from the game object:
    // follow the led group, and in a Call Game the called-Ace rules of the options.
    std::vector<int> ReferenceLegal(int seat) {
        const skref::Game ref = RefGame();
        std::vector<int> hand;
        for (int p = 0; p < kHandPlaces; ++p)
            if (IsCardCode(game.seats[seat].hand[p]))
                hand.push_back(game.seats[seat].hand[p]);
        const int led = seat == game.leader ? 0 : game.trickCards[game.leader];
        std::vector<int> follows;
        for (int c : hand)
            if (ref.FollowsSuit(hand, led, c))
                follows.push_back(c);
        if (setup.calledSuit < 0 || ref.Kind() != 1)
            return follows;
        const skref::CallSwitches sw{options.partnershipMode == 2, options.calledSuitLeadBan != 0,
                                     options.noCalledAceRules != 0, true};
        const skref::CallPosition pos{ref,
                                      setup.calledSuit,
                                      hand,
                                      led,
                                      calledSuitLed,
                                      game.trickNumber == game.GetCardsPerHand(),
                                      seat == setup.declarer};
        std::vector<int> allowed;
        for (int c : follows)
            if (skref::CallRulesAllow(pos, sw, c))
                allowed.push_back(c);
        return allowed.empty() ? follows : allowed;
    }

    bool calledSuitLed = false;
    Setup setup;
    std::mt19937 random;
    SchafkopfOptions options{};
    CountingPlayer game;
};

inline Result Play(const Setup& setup) {
    Playout p(setup);
    p.Start();
    return p.Run();
}

// Mean and 95% interval half-width of a list of differences.
struct Interval {
    double mean = 0.0;
    double half = 0.0;
};
inline Interval MeanInterval(const std::vector<double>& values) {
    Interval result;
    const double n = static_cast<double>(values.size());
    if (values.size() < 2)
        return result;
    double sum = 0.0;
    for (double v : values)
        sum += v;
    result.mean = sum / n;
    double squares = 0.0;
    for (double v : values)
        squares += (v - result.mean) * (v - result.mean);
    const double deviation = std::sqrt(squares / (n - 1.0));
    result.half = 1.96 * deviation / std::sqrt(n);
    return result;
}

} // namespace playout

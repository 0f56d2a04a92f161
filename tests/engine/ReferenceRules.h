// A reference card order for the engine's tests, written from the published rules of each
// game independently of the engine's tables: which cards are trumps, how they rank, and the
// natural order A, 10, K, O, U, 9 inside a plain suit.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "engine/CardCodes.h"

namespace reference {

// --- a reference trump order written from the published rules of each game ---

enum class Rank { Seven, Eight, Nine, Unter, Ober, King, Ten, Ace, Other };

inline Rank RankOf(int card) {
    switch ((card - 1) % 8 + 1) {
    case 1:
        return Rank::Seven;
    case 2:
        return Rank::Eight;
    case 3:
        return Rank::Nine;
    case 4:
        return Rank::Unter;
    case 5:
        return Rank::Ober;
    case 6:
        return Rank::King;
    case 7:
        return Rank::Ten;
    case 8:
        return Rank::Ace;
    default:
        return Rank::Other;
    }
}
inline int SuitIndex(int card) {
    return (card - 1) / 8;
} // Schellen 0 .. Eichel 3
// A, 10, K, O, U, 9, 8, 7 from the top inside one suit.
inline int NaturalRank(int card) {
    switch (RankOf(card)) {
    case Rank::Ace:
        return 8;
    case Rank::Ten:
        return 7;
    case Rank::King:
        return 6;
    case Rank::Ober:
        return 5;
    case Rank::Unter:
        return 4;
    case Rank::Nine:
        return 3;
    case Rank::Eight:
        return 2;
    case Rank::Seven:
        return 1;
    default:
        return 0;
    }
}

struct Game {
    std::string name;
    GameTypeWord word;
    int trumpSuit;
    bool heartTenOnTop;           // the "Dulle" above everything
    std::vector<Rank> rankTrumps; // whole ranks that are trumps, highest first
    bool suitTrumps;              // the cards of the trump suit are trumps below them
};

inline std::vector<Game> AllGames() {
    std::vector<Game> games;
    const std::vector<Rank> queensJacks = {Rank::Ober, Rank::Unter};
    games.push_back({"normal", kWordNormal, 0, true, queensJacks, true});
    games.push_back({"marriage", kWordMarriage, 0, true, queensJacks, true});
    games.push_back({"you", kWordYou, 0, false, queensJacks, true});
    for (int suit = 0; suit < 4; ++suit) {
        const std::string s = std::to_string(suit);
        games.push_back({"suit solo " + s, kWordSuitSolo, suit, true, queensJacks, true});
        games.push_back({"pure suit solo " + s, kWordPureSuitSolo, suit, false, {}, true});
        games.push_back({"suit jacks " + s, kWordSuitUnter, suit, false, {Rank::Unter}, true});
        games.push_back({"suit queens " + s, kWordSuitOber, suit, false, {Rank::Ober}, true});
    }
    games.push_back({"jacks", kWordUnterSolo, 4, false, {Rank::Unter}, false});
    games.push_back({"queens", kWordOberSolo, 4, false, {Rank::Ober}, false});
    games.push_back({"no trumps", kWordNoTrumps, 4, false, {}, false});
    games.push_back({"jacks kings", kWordUnterKing, 4, false, {Rank::Unter, Rank::King}, false});
    games.push_back({"queens jacks", kWordOberUnter, 4, false, queensJacks, false});
    games.push_back({"jacks queens", kWordUnterOber, 4, false, {Rank::Unter, Rank::Ober}, false});
    games.push_back({"kings", kWordKingSolo, 4, false, {Rank::King}, false});
    games.push_back({"queens jacks kings",
                     kWordOberUnterKing,
                     4,
                     false,
                     {Rank::Ober, Rank::Unter, Rank::King},
                     false});
    return games;
}

// Schafkopf with one copy of each card: the Call Game (Herz trump), Sheepshead (Schellen
// trump), the suit solos and the Wenz (Unters only).
inline std::vector<Game> SchafkopfGames() {
    const std::vector<Rank> obersUnters = {Rank::Ober, Rank::Unter};
    std::vector<Game> games;
    games.push_back({"call game", kWordNormal, 1, false, obersUnters, true});
    games.push_back({"sheepshead", kWordNormal, 0, false, obersUnters, true});
    for (int suit = 0; suit < 4; ++suit)
        games.push_back(
            {"solo " + std::to_string(suit), kWordSuitSolo, suit, false, obersUnters, true});
    games.push_back({"wenz", kWordUnterSolo, 4, false, {Rank::Unter}, false});
    return games;
}

// Skat: the suit games and Grand with the Unters on top, and Null without trumps.
inline std::vector<Game> SkatGames() {
    std::vector<Game> games;
    for (int suit = 0; suit < 4; ++suit)
        games.push_back({"suit game " + std::to_string(suit), 1, suit, false, {Rank::Unter}, true});
    games.push_back({"grand", 2, 4, false, {Rank::Unter}, false});
    games.push_back({"null", 4, 4, false, {}, false});
    return games;
}

// Trump strength (higher wins), or -1 for a plain card.
inline int Strength(const Game& game, int card) {
    if (game.heartTenOnTop && card == 15)
        return 1000;
    for (std::size_t i = 0; i < game.rankTrumps.size(); ++i)
        if (RankOf(card) == game.rankTrumps[i])
            return 500 - 100 * static_cast<int>(i) + SuitIndex(card);
    if (game.suitTrumps && SuitIndex(card) == game.trumpSuit)
        return NaturalRank(card);
    return -1;
}

inline int Group(const Game& game, int card) {
    return Strength(game, card) >= 0 ? 4 : SuitIndex(card);
}

// True when a ranks above b within one group.
inline bool Above(const Game& game, int a, int b) {
    if (Group(game, a) == 4)
        return Strength(game, a) > Strength(game, b);
    return NaturalRank(a) > NaturalRank(b);
}

// The distinct cards of a group in the deck, highest first.
inline std::vector<int> GroupOrder(const Game& game, const std::vector<int>& deck, int group) {
    std::vector<int> cards;
    for (int card : deck)
        if (Group(game, card) == group &&
            std::find(cards.begin(), cards.end(), card) == cards.end())
            cards.push_back(card);
    std::sort(cards.begin(), cards.end(), [&](int a, int b) { return Above(game, a, b); });
    return cards;
}

} // namespace reference

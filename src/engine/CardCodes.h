// Card codes, game types and the facts about a single card that need no game object.
//
// A CardCode is suit x 8 + rank step: rank steps 1..8 are 7, 8, 9, Unter, Ober, King, 10,
// Ace; suits 0..3 are Schellen, Herz, Gras, Eichel. So 1..32 are cards and 0 is no card.
// Within a suit a higher code is a higher card, and among equal ranks Eichel is highest.
#pragma once

#include <cstdint>

using CardCode = std::int16_t; // stored as one byte where a record holds a hand
using GameTypeWord = std::uint32_t;
using SuitGroup = std::int16_t; // 0..3 a plain suit, 4 the trumps of the current game

inline constexpr CardCode kNoCard = 0;
inline constexpr CardCode kFirstCard = 1;
inline constexpr CardCode kLastCard = 32;
inline constexpr CardCode kEmptyBufferPlace = 33; // an empty place in a controller's buffer

inline constexpr int kSuitSchellen = 0;
inline constexpr int kSuitHerz = 1;
inline constexpr int kSuitGras = 2;
inline constexpr int kSuitEichel = 3;
inline constexpr SuitGroup kTrumpGroup = 4;
inline constexpr int kGroupCount = 5;
// The trump suit of a game without one (TrickGame::gameType.trumpSuit), in every line.
inline constexpr int kNoTrumpSuit = 4;

// Rank codes (code modulo 8) as the trump lists and rank masks use them.
inline constexpr int kRankAce = 0;
inline constexpr int kRankUnter = 4;
inline constexpr int kRankOber = 5;
inline constexpr int kRankKing = 6;
inline constexpr int kRankTen = 7;

// Cards the rules name.
inline constexpr CardCode kSchellenAce = 8;
inline constexpr CardCode kHeartTen = 15;
inline constexpr CardCode kEichelUnter = 28;
inline constexpr CardCode kEichelOber = 29;
inline constexpr CardCode kEichelKing = 30;
inline constexpr CardCode kSchellenNine = 3;
inline constexpr CardCode kSchellenUnter = 4;
inline constexpr CardCode kSchellenOber = 5;
inline constexpr CardCode kHerzUnter = 12;
inline constexpr CardCode kGrasUnter = 20;
inline constexpr CardCode kGrasOber = 21;

// Game words: the game bits sit under kGameBitsMask; three modifier bits lie outside it.
inline constexpr GameTypeWord kGameBitsMask = 0x23fff;
inline constexpr GameTypeWord kSkatGameMask = 0x407; // 1 suit game, 2 Grand, 4 Null
inline constexpr GameTypeWord kWordNone = 0;
inline constexpr GameTypeWord kWordNormal = 1;
inline constexpr GameTypeWord kWordPureSuitSolo = 2;
inline constexpr GameTypeWord kWordSuitSolo = 4;
inline constexpr GameTypeWord kWordUnterSolo = 8;
inline constexpr GameTypeWord kWordOberSolo = 16;
inline constexpr GameTypeWord kWordSuitUnter = 32;
inline constexpr GameTypeWord kWordSuitOber = 64;
inline constexpr GameTypeWord kWordNoTrumps = 128;
inline constexpr GameTypeWord kWordUnterKing = 256;
inline constexpr GameTypeWord kWordOberUnter = 512;
inline constexpr GameTypeWord kWordUnterOber = 1024;
inline constexpr GameTypeWord kWordKingSolo = 2048;
inline constexpr GameTypeWord kWordOberUnterKing = 4096;
inline constexpr GameTypeWord kWordMarriage = 0x2000;
inline constexpr GameTypeWord kModSoloChoice = 0x4000;
inline constexpr GameTypeWord kModExchange = 0x8000;
inline constexpr GameTypeWord kModThrowIn = 0x10000;
inline constexpr GameTypeWord kWordYou = 0x20000;

// Four-seat game bits (the word masked with kGameBitsMask) whose trumps take in the cards of
// the trump suit.
inline bool IsSuitTrumpGame(GameTypeWord bits) {
    return bits == kWordNormal || bits == kWordPureSuitSolo || bits == kWordSuitSolo ||
           bits == kWordSuitUnter || bits == kWordSuitOber || bits == kWordMarriage ||
           bits == kWordYou;
}
// Four-seat game bits whose rank trumps are the Obers and the Unters, no more and no fewer.
inline bool IsOberUnterGame(GameTypeWord bits) {
    return bits == kWordNormal || bits == kWordSuitSolo || bits == kWordOberUnter ||
           bits == kWordUnterOber || bits == kWordMarriage || bits == kWordYou;
}

// The trump suit (0..3, or a value no suit equals) and the game word, copied as a unit.
struct GameType {
    std::int32_t trumpSuit;
    GameTypeWord word;
};
static_assert(sizeof(GameType) == 8);

void CopyGameType(GameType* to, const GameType* from);

// Suit of a card; -1 for no card or a code outside 1..32.
int SuitOf(int card);
// Rank code used by the trump lists: code modulo 8 (0 Ace, 4 Unter .. 7 Ten).
inline int RankCodeOf(int card) {
    return card % 8;
}
inline bool IsCardCode(int card) {
    return card >= kFirstCard && card <= kLastCard;
}
// A card to beat as the rules take it: a card code, or 0 when the trick holds none yet.
inline bool IsCardArgument(int card) {
    return card >= kNoCard && card <= kLastCard;
}
// The card of a suit and rank code (rank code 0 is the Ace).
inline int CardOfRank(int suit, int rankCode) {
    return suit * 8 + (rankCode == 0 ? 8 : rankCode);
}
// Rank step 1..8 (7 .. Ace) of a card.
inline int RankStepOf(int card) {
    return (card - 1) % 8 + 1;
}

// Ace 11, Ten 10, King 4, Ober 3, Unter 2, others 0; no card (or a bad code) is worth 0.
int GetCardPoints(int card);
// The same card in natural rank order (7, 8, 9, 10, Unter, Ober, King, Ace) for pictures.
int ConvertToPictureOrder(int card);

// A solo: the throw-in word alone, or a single game bit from 2 to 4096 (not the normal game,
// the marriage or "You"), whatever modifiers are added.
bool IsSoloWord(GameTypeWord word);

// Rank masks: per rank code a 16-bit mask with 2 bits per suit at bit 2 x suit; the first copy
// sets the low bit, the second both.
void AddToRankMask(std::uint16_t* mask, int suit);
// Copies of a suit's card that a rank mask holds (0, 1 or 2).
inline int CopiesInRankMask(std::uint16_t mask, int suit) {
    return ((mask >> (2 * suit)) & 1) + ((mask >> (2 * suit + 1)) & 1);
}
void RemoveFromRankMask(std::uint16_t* mask, int suit);

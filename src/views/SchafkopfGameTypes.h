// The games the human can name at the Schafkopf table: the rows of the game-type list and
// the game each row stands for, the precedence of the games (which game outbids which), the
// rows offered against the best game named so far, and the names of the games as the table
// writes them on the name plates and in the game information. No window is needed here, so
// the rules are also built and tested with the machine's own compiler.
#pragma once

#include <cstdint>

#include "engine/CardCodes.h"

class SchafkopfController;
struct SchafkopfOptions;

// The code of a row of the game-type list. Its text is entry n of string list 2750, or entry
// n + 30 when the selected deck names its suits the German way (gDeckVariant 1).
enum SoloTypeCode : std::int16_t {
    kSoloTypeNone = 1, // "***": no game
    kSoloTypeCall = 2, // the Call Game (with a partner)
    kSoloTypeYou = 3,
    kSoloTypeSuitTout = 4,
    kSoloTypeJacksTout = 5,
    kSoloTypeQueensTout = 6,
    kSoloTypeKingsTout = 7,
    kSoloTypeJacksQueensTout = 8,
    kSoloTypeJacksKingsTout = 9,
    kSoloTypeQueensJacksTout = 10,
    kSoloTypeQueensJacksKingsTout = 11,
    kSoloTypeSuitJacksTout = 12,
    kSoloTypeSuitQueensTout = 13,
    kSoloTypePureSuitTout = 14,
    kSoloTypeSuit = 15,
    kSoloTypeJacks = 16,
    kSoloTypeQueens = 17,
    kSoloTypeKings = 18,
    kSoloTypeJacksQueens = 19,
    kSoloTypeJacksKings = 20,
    kSoloTypeQueensJacks = 21,
    kSoloTypeQueensJacksKings = 22,
    kSoloTypeSuitJacks = 23,
    kSoloTypeSuitQueens = 24,
    kSoloTypePureSuit = 25,
    kSoloTypeBeg = 26,
};
inline constexpr int kFirstSoloType = kSoloTypeNone;
inline constexpr int kLastSoloType = kSoloTypeBeg;
inline constexpr int kMaxSoloTypeRows = 28; // room of the window's row table

inline constexpr std::int16_t kSoloTypeTextList = 2750;
inline constexpr std::int16_t kGameNameList = 1700;

// What a row stands for: the game word, whether the game takes the checked suit button's
// suit, and the bit of the options' allowedGames that permits it (0: always permitted).
struct SoloTypeInfo {
    GameTypeWord word;
    bool takesSuit;
    std::int32_t allowedBit;
};

// Null for a code outside 1 to 26.
const SoloTypeInfo* FindSoloType(int code);
// The row's text entry in list 2750 (by gDeckVariant); 0 for an unknown code.
int SoloTypeTextIndex(int code);
// The game a row names: a suit game takes the checked suit (0 to 3), the Call Game the
// options' trump suit, the others no suit (4). False for "***", an unknown code, or a suit
// game without a checked suit.
bool SoloTypeGame(int code, int checkedSuit, const SchafkopfOptions* options, GameType* game);

// The precedence of the games: the lower rank is the higher game. A Tout game ranks 30 above
// the plain game; the You game (with or without the solo-choice bit) above every other game
// (0); no game, and the Tout bit alone, rank 60; a word without a ranked game bit ranks -1.
int GameTypeRank(GameTypeWord word);
inline constexpr int kRankNoGame = 60;
inline constexpr int kRankUnranked = -1;
// The lowest rank of the games the seats from the leader up to the seat (exclusive) hold; 100
// when none of them holds a ranked game. A later seat takes the game only with a rank below it.
int LowestEarlierBidRank(int seat, SchafkopfController* controller);
inline constexpr int kNoEarlierBid = 100;

// What the rows offered to the human depend on besides the best game so far.
struct SoloTypeChoice {
    int partnershipMode = 2;       // 0 fixed partners, 1 two partner cards, 2 German call
    bool toutGames = false;        // Tout games and You may be named
    std::int32_t allowedGames = 0; // one bit per permitted game word
    // The Call Game is still open to the human: nobody else has said "I play", the human can
    // call an Ace, did not answer Yes to a required solo and owes none due at the series' end.
    bool callPossible = false;
};
// The choice as the controller and its options stand for the human (seat 0).
SoloTypeChoice SoloTypeChoiceFor(SchafkopfController* controller, const SchafkopfOptions* options);
// Fills rows with the codes the game-type list offers, in list order, and answers their
// count. Outside the German call the one row is the Suit Solo. In the German call "***" comes
// first; then every permitted game whose rank is strictly higher than the best game named so
// far (word 0: none yet), Tout games and You only when Tout games are on.
int ListSoloTypes(GameTypeWord best, const SoloTypeChoice& choice,
                  std::int16_t rows[kMaxSoloTypeRows]);

// The entry of string list 1700 that names the game word (0, an empty text, after a beep for
// a word no game has); needsSuit tells whether a suit's name belongs to the name.
int GameTypeNameIndex(GameTypeWord word, bool* needsSuit, const SchafkopfOptions* options);
// The game's name in out (256 bytes): the pieces of list 1700 joined with the suit's name, or
// the Call Game with the called suit's name (calledSuit null or outside 0 to 3: none).
char* FormatGameType(char* out, GameTypeWord word, int suit, const int* calledSuit,
                     const SchafkopfOptions* options);

#include "views/SchafkopfGameTypes.h"

#include <cstring>

#include "games/fourplayer/SchafkopfController.h"
#include "media/DeckManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "records/OptionRecordLayouts.h"
#include "views/SuitNames.h"

namespace {

constexpr GameTypeWord kTout = kModThrowIn;

// By code, from 1; the Tout rows carry their allowed bit without the Tout bit.
constexpr SoloTypeInfo kSoloTypes[] = {
    {kWordNone, false, 0},                     //  1 ***
    {kWordNormal, false, 0},                   //  2 Call
    {kWordYou, false, 0},                      //  3 You
    {kWordSuitSolo | kTout, true, 4},          //  4
    {kWordUnterSolo | kTout, false, 8},        //  5
    {kWordOberSolo | kTout, false, 16},        //  6
    {kWordKingSolo | kTout, false, 2048},      //  7
    {kWordUnterOber | kTout, false, 1024},     //  8
    {kWordUnterKing | kTout, false, 256},      //  9
    {kWordOberUnter | kTout, false, 512},      // 10
    {kWordOberUnterKing | kTout, false, 4096}, // 11
    {kWordSuitUnter | kTout, true, 32},        // 12
    {kWordSuitOber | kTout, true, 64},         // 13
    {kWordPureSuitSolo | kTout, true, 2},      // 14
    {kWordSuitSolo, true, 4},                  // 15
    {kWordUnterSolo, false, 8},                // 16
    {kWordOberSolo, false, 16},                // 17
    {kWordKingSolo, false, 2048},              // 18
    {kWordUnterOber, false, 1024},             // 19
    {kWordUnterKing, false, 256},              // 20
    {kWordOberUnter, false, 512},              // 21
    {kWordOberUnterKing, false, 4096},         // 22
    {kWordSuitUnter, true, 32},                // 23
    {kWordSuitOber, true, 64},                 // 24
    {kWordPureSuitSolo, true, 2},              // 25
    {kWordNoTrumps, false, 128},               // 26 Beg
};
static_assert(sizeof kSoloTypes / sizeof kSoloTypes[0] == kLastSoloType);

// Rank of the game bits 1 to 14 without Tout, less 30; bit 0 (the Call Game) ranks 28.
constexpr int kSchafkopfTypeOrder[14] = {25, 15, 16, 17, 23, 24, 26, 20, 19, 21, 18, 22, 3, 2};

// Entries of list 1700 that name the games; with gDeckVariant 1 they lie 28 higher, the Tout
// names 14 above the plain ones.
constexpr int kVariantNameOffset = 28;
constexpr int kToutNameOffset = 14;
constexpr int kNameContinue = 6;
constexpr int kNameCallGame = 8;
constexpr int kNameYou = 21;
constexpr int kNameRamsch = 94;
constexpr int kNameLeaster = 95;
constexpr int kNameTwoCardPartners = 96;
constexpr int kNameFirstTrick = 100;

int PlainNameIndex(GameTypeWord bits) {
    switch (bits) {
    case kWordPureSuitSolo:
        return 9;
    case kWordSuitSolo:
        return 10;
    case kWordUnterSolo:
        return 11;
    case kWordOberSolo:
        return 12;
    case kWordSuitUnter:
        return 13;
    case kWordSuitOber:
        return 14;
    case kWordNoTrumps:
        return 15;
    case kWordUnterKing:
        return 16;
    case kWordOberUnter:
        return 17;
    case kWordUnterOber:
        return 18;
    case kWordKingSolo:
        return 19;
    case kWordOberUnterKing:
        return 20;
    default:
        return 0;
    }
}

void AppendName(char* out, int index) {
    char piece[kStringBufferSize];
    GetIndString(piece, kGameNameList, static_cast<std::int16_t>(index));
    std::strncat(out, piece, kStringBufferSize - 1 - std::strlen(out));
}

void AppendSuit(char* out, int suit) {
    char piece[kStringBufferSize];
    GetSuitName(suit, piece);
    std::strncat(out, piece, kStringBufferSize - 1 - std::strlen(out));
}

} // namespace

const SoloTypeInfo* FindSoloType(int code) {
    if (code < kFirstSoloType || code > kLastSoloType)
        return nullptr;
    return &kSoloTypes[code - kFirstSoloType];
}

int SoloTypeTextIndex(int code) {
    if (!FindSoloType(code))
        return 0;
    return gDeckVariant == 1 ? code + 30 : code;
}

bool SoloTypeGame(int code, int checkedSuit, const SchafkopfOptions* options, GameType* game) {
    const SoloTypeInfo* info = FindSoloType(code);
    if (!info || code == kSoloTypeNone)
        return false;
    game->trumpSuit = kNoTrumpSuit;
    game->word = info->word;
    if (info->takesSuit) {
        if (checkedSuit < 0 || checkedSuit > 3)
            return false;
        game->trumpSuit = checkedSuit;
    } else if (code == kSoloTypeCall) {
        game->trumpSuit = options ? options->trumpSuit : kSuitHerz;
    }
    return true;
}

int GameTypeRank(GameTypeWord word) {
    if (word & kWordYou)
        return 0;
    const bool tout = (word & kTout) != 0;
    const GameTypeWord rest = word & ~kTout;
    if (rest == 0)
        return kRankNoGame;
    int bit = 0;
    while (!(rest & (1u << bit)))
        ++bit;
    if (bit > 14)
        return kRankUnranked;
    const int base = tout ? 0 : 30;
    return base + (bit == 0 ? 28 : kSchafkopfTypeOrder[bit - 1]);
}

int LowestEarlierBidRank(int seat, SchafkopfController* controller) {
    int lowest = kNoEarlierBid;
    if (!controller)
        return lowest;
    const int leader = controller->GetTrickLeader();
    if (leader < 0 || leader > 3)
        return lowest;
    for (int other = leader, n = 0; other != seat && n < 4; other = (other + 1) % 4, ++n) {
        int suit = 0;
        const int rank = GameTypeRank(controller->GetSeatBidType(other, &suit));
        if (rank >= 0 && rank < lowest)
            lowest = rank;
    }
    return lowest;
}

SoloTypeChoice SoloTypeChoiceFor(SchafkopfController* controller, const SchafkopfOptions* options) {
    SoloTypeChoice choice;
    if (options) {
        choice.partnershipMode = options->partnershipMode;
        choice.toutGames = options->toutGames != 0;
        choice.allowedGames = options->allowedGames;
    }
    if (controller) {
        bool suits[4] = {};
        bool blank = false;
        // A required solo, answered with Yes or due at the end of the series, is a solo.
        choice.callPossible = controller->firstPlayerSeat <= 0 && !controller->finalSoloRound &&
                              controller->ListCallableSuits(0, suits, &blank) &&
                              controller->GetBid(0) != kBidYes;
    }
    return choice;
}

int ListSoloTypes(GameTypeWord best, const SoloTypeChoice& choice,
                  std::int16_t rows[kMaxSoloTypeRows]) {
    int count = 0;
    if (choice.partnershipMode != 2) {
        rows[count++] = kSoloTypeSuit;
        return count;
    }
    rows[count++] = kSoloTypeNone;
    // A word of no game leaves every game open; so does an unranked one, which no seat names.
    int limit = best == kWordNone ? kRankNoGame + 1 : GameTypeRank(best);
    if (limit < 0)
        limit = kRankNoGame + 1;
    auto offer = [&](int code) {
        const SoloTypeInfo& info = kSoloTypes[code - kFirstSoloType];
        if (GameTypeRank(info.word) < limit)
            rows[count++] = static_cast<std::int16_t>(code);
    };
    if (choice.callPossible)
        offer(kSoloTypeCall);
    if (choice.toutGames)
        offer(kSoloTypeYou);
    for (int code = kSoloTypeSuitTout; code <= kSoloTypeBeg; ++code) {
        const SoloTypeInfo& info = kSoloTypes[code - kFirstSoloType];
        if ((info.word & kTout) && !choice.toutGames)
            continue;
        if (choice.allowedGames & info.allowedBit)
            offer(code);
    }
    return count;
}

int GameTypeNameIndex(GameTypeWord word, bool* needsSuit, const SchafkopfOptions* options) {
    const GameTypeWord bits = word & kGameBitsMask;
    if (word & kModExchange) {
        *needsSuit = true;
        const int rule = options ? options->allPassRule : 0;
        return rule == 2 ? kNameRamsch : rule == 3 ? kNameLeaster : 0;
    }
    if (bits == kWordMarriage) {
        *needsSuit = true;
        return kNameFirstTrick;
    }
    *needsSuit = bits == kWordPureSuitSolo || bits == kWordSuitSolo || bits == kWordSuitUnter ||
                 bits == kWordSuitOber;
    const int b = gDeckVariant == 1 ? kVariantNameOffset : 0;
    if (bits == kWordYou)
        return b + kNameYou;
    if (bits == kWordNone)
        return kNameContinue;
    const int tout = (word & kTout) ? kToutNameOffset : 0;
    if (bits == kWordNormal) {
        if (options && options->partnershipMode == 1)
            return kNameTwoCardPartners;
        return b + tout + kNameCallGame;
    }
    const int plain = PlainNameIndex(bits);
    if (!plain) {
        SysBeep(5);
        return 0;
    }
    return b + tout + plain;
}

char* FormatGameType(char* out, GameTypeWord word, int suit, const int* calledSuit,
                     const SchafkopfOptions* options) {
    out[0] = '\0';
    bool needsSuit = false;
    const int index = GameTypeNameIndex(word, &needsSuit, options);
    const GameTypeWord bits = word & kGameBitsMask;
    if (needsSuit) {
        if ((word & kModExchange) || bits == kWordMarriage) {
            AppendName(out, index);
        } else if (bits == kWordPureSuitSolo) {
            // Three pieces: the word before the suit, the suit, and the Suit Solo's ending of
            // the same group (plain or Tout) after it.
            AppendName(out, index);
            AppendSuit(out, suit);
            AppendName(out, index + 1);
        } else {
            AppendSuit(out, suit);
            AppendName(out, index);
        }
        return out;
    }
    AppendName(out, index);
    if (bits == kWordNormal && calledSuit && *calledSuit >= 0 && *calledSuit <= 3) {
        // The Call Game's name also stands alone, so the blank before the suit is added here.
        std::strncat(out, " ", kStringBufferSize - 1 - std::strlen(out));
        AppendSuit(out, *calledSuit);
    }
    return out;
}

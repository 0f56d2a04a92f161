#include "shell/OptionRecords.h"

#include <cstring>

#include "engine/CardPlayTimes.h"
#include "platform/StringLists.h"

Handle gDoppelkopfOptions = nullptr;
Handle gSchafkopfOptions = nullptr;

namespace {

// 17 keys and three NULs each (the string literal supplies one of them).
constexpr char kDoppelkopfKeys[kOptionKeysSize] = "4682vgjnfwkhpkn-+\0";
constexpr char kSchafkopfKeysEnglish[kOptionKeysSize] = "4682yrynrcdhscn-+\0";
constexpr char kSchafkopfKeysGerman[kOptionKeysSize] = "4682sgjnfwkhprn-+\0";

constexpr std::int16_t kStyleSettingDefaults[38] = {1, 0, 1, 1, 0, 0, 0, 1, 0, 1, 0, 1, 0,
                                                    1, 0, 0, 0, 1, 0, 1, 0, 0, 1, 0, 0, 1,
                                                    0, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};

constexpr std::int16_t kCurrencyNameList = 1700; // list 1700 maps to ids 1300 + index
constexpr std::int16_t kCurrencyNameIndex = 91;  // "Cents"

constexpr std::int16_t kOberOfEichel = 29;
constexpr std::int16_t kOberOfGras = 21;

} // namespace

bool InitOptionRecords() {
    return NewDoppelkopfOptions() && NewSchafkopfOptions();
}

bool NewDoppelkopfOptions() {
    Handle handle = NewHandle(sizeof(DoppelkopfOptions));
    if (!IsNoErr(MemError()) || handle == nullptr)
        return false;
    gDoppelkopfOptions = handle;
    SetDoppelkopfOptionDefaults(DoppelkopfOptionsRecord());
    return true;
}

bool NewSchafkopfOptions() {
    Handle handle = NewHandle(sizeof(SchafkopfOptions));
    if (!IsNoErr(MemError()) || handle == nullptr)
        return false;
    gSchafkopfOptions = handle;
    SetSchafkopfOptionDefaults(SchafkopfOptionsRecord());
    return true;
}

void SetDefaultKeyMap(char* keys) {
    std::memcpy(keys, kDoppelkopfKeys, kOptionKeysSize);
}

void SetDefaultOptionKeys(char* keys) {
    std::memcpy(keys, gLanguageEnglish ? kSchafkopfKeysEnglish : kSchafkopfKeysGerman,
                kOptionKeysSize);
}

void SetDoppelkopfOptionDefaults(DoppelkopfOptions* record) {
    DoppelkopfOptions& r = *record;
    r = DoppelkopfOptions{};
    r.announcementsOn = 1;
    r.requiredSoloCount = 1;
    r.suggestionStyle = 22;
    r.opponentStyles[0] = 22;
    r.opponentStyles[1] = 21;
    r.opponentStyles[2] = 22;
    r.throwInKings = 5;
    r.throwInNines = 5;
    r.bockGames = 3;
    r.allowedGames = 157;
    r.seriesEnd = 1;
    r.seriesGameCount = 24;
    r.seriesTarget = 100;
    r.timeLimitMode = 1;
    r.timeLimitMinutes = 100;
    r.foxCaughtPoint = 1;
    r.charlieLastTrickPoint = 1;
    r.fortyPointTrickPoint = 1;
    SetDefaultKeyMap(r.keys);
    r.exchangeTrumpLimit = 3;
    r.throwInPenalty = 1;
    r.specialTopCard = 3; // the Nine of Schellen
    r.throwInNeedsBoth = 1;
    std::memcpy(r.styleSettings, kStyleSettingDefaults, sizeof r.styleSettings);
    r.announceDelay = 20;
    ClearPlayerTimeStats(record);
}

void SetSchafkopfOptionDefaults(SchafkopfOptions* record) {
    SchafkopfOptions& r = *record;
    r = SchafkopfOptions{};
    // The language picks the partnership; the doublings, the solo set, the trump suit and the
    // lead rule follow the partnership.
    r.partnershipMode = gLanguageEnglish ? 1 : 2;
    const bool germanCall = r.partnershipMode == 2;
    SetDefaultOptionKeys(r.keys);
    r.doubleRe = germanCall ? 1 : 0;
    r.supResup = germanCall ? 1 : 0;
    r.toutGames = 1;
    r.requiredSoloCount = 1;
    r.suggestionStyle = 7;
    r.opponentStyles[0] = 6;
    r.opponentStyles[1] = 7;
    r.opponentStyles[2] = 7;
    r.trumpSuit = germanCall ? 1 : 0;
    r.ruleValue56 = 4;
    r.bockGames = 3;
    r.allowedGames = germanCall ? 0x1F1F : 0;
    r.seriesEnd = 1;
    r.seriesGameCount = 36;
    r.seriesTarget = 300;
    r.timeLimitMode = 1;
    r.timeLimitMinutes = 100;
    r.ruleValue98 = 1;
    r.reservationSounds = 1;
    GetIndString(r.currencyName, kCurrencyNameList, kCurrencyNameIndex);
    r.currencyName[kCurrencyNameSize - 1] = '\0';
    r.baseStake = 10;
    r.schneiderStake = 10;
    r.schwarzStake = 10;
    r.soloStake = 50;
    r.soloSchneiderStake = 10;
    r.soloSchwarzStake = 10;
    r.begStake = 30;
    r.youStake = 50;
    r.laufendeStake = 10;
    r.ramschStake = 20;
    r.noTrickStake = 40;
    r.shootTheMoonStake = 70;
    r.laufendeFrom = 3;
    r.soloLaufendeFrom = 2;
    r.partnerCards[0] = kOberOfEichel;
    r.partnerCards[1] = kOberOfGras;
    r.withSuitSolo = 1;
    r.calledSuitLeadBan = germanCall ? 0 : 1;
}

void CopySchafkopfOptions(SchafkopfOptions* destination, const SchafkopfOptions* source) {
    *destination = *source;
}

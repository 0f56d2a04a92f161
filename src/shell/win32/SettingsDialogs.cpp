// Settings (1504) with its sub-dialogs Stakes (1506) and Additional Settings (1503). The
// three edit one working copy of the Schafkopf rules record: OK of Settings commits it with
// the names, voices and table mode, Cancel drops it, sub-dialog changes included.
#include <cstdio>
#include <cstring>

#include "media/win32/ExtensionManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/ModalDialog.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/DialogSupport.h"
#include "shell/win32/PreferenceDialogs.h"
#include "shell/win32/WindowManager.h"
#include "story/win32/RoomPanel.h"

namespace {

constexpr int kSchafkopfKind = 2;

// The working copy and the Settings dialog whose radios the sub-dialogs read.
struct SettingsSession {
    SchafkopfOptions copy;
    HWND dialog;
};
SettingsSession* sSession = nullptr;

SchafkopfOptions* WorkingCopy() {
    return sSession ? &sSession->copy : SchafkopfOptionsRecord();
}

// Partnership radios: fixed partners, two cards (USA), German call.
constexpr int kPartnershipRadios[] = {223, 224, 225};
constexpr int kFixedPartners = 223;
constexpr int kTwoCards = 224;
constexpr int kGermanCall = 225;
constexpr int kTrumpRadios[] = {212, 213}; // Diamonds, Hearts
constexpr int kAllPassRadios[] = {200, 201, 202, 203};
constexpr int kTableModeRadios[] = {215, 216};       // four persons, practice
constexpr int kStyleCombos[] = {209, 218, 220, 222}; // suggestion, players 1 to 3
constexpr int kNameFields[] = {210, 217, 219, 221};  // the human, players 1 to 3
constexpr int kVoiceCombos[] = {230, 231, 232};      // players 1 to 3
constexpr int kVoices[] = {1, 2, 3, 5, 6, 7};        // list entries of strings 3615 to 3620
constexpr int kPartnerCardCount = 14;
// Positions 1 to 8: Ober and Unter of Eichel, Gras, Herz, Schellen; then Ace, 10, King, 9, 8,
// 7 of the trump suit, whose codes are suit x 8 + step (Diamonds 0, Hearts 1).
constexpr std::int16_t kOberUnterCodes[] = {29, 21, 13, 5, 28, 20, 12, 4};
constexpr std::int16_t kTrumpCardSteps[] = {8, 7, 6, 3, 2, 1};

bool IsGermanCallChosen() {
    if (sSession && sSession->dialog)
        return IsItemChecked(sSession->dialog, kGermanCall);
    return WorkingCopy()->partnershipMode == 2;
}

bool IsFemaleVoice(int voice) {
    return voice >= 1 && voice <= 3;
}

// ---- Settings: showing -------------------------------------------------------------------

void FillStyleCombo(HWND dialog, int item, int code) {
    const int offset = StyleListOffset();
    for (int v = 1 + offset; v <= 16; ++v)
        AddComboString(dialog, item, 3500 + v);
    const int v = StyleIndexForCode(code);
    const bool listed = v >= 1 + offset && v <= 16 && StyleCodeForIndex(v) == code;
    SelectComboIndex(dialog, item, listed ? v - 1 - offset : -1);
}

void FillVoiceCombo(HWND dialog, int item, int voice) {
    int selection = -1;
    for (int i = 0; i < 6; ++i) {
        AddComboString(dialog, item, 3615 + i);
        if (kVoices[i] == voice)
            selection = i;
    }
    SelectComboIndex(dialog, item, selection);
}

void FillPartnerCombo(HWND dialog, int item, int code, int trumpSuit) {
    for (int i = 0; i < kPartnerCardCount; ++i)
        AddComboString(dialog, item, 3621 + i);
    SelectComboIndex(dialog, item, PartnerCardIndex(code, trumpSuit) - 1);
}

void ShowRuleSwitches(HWND dialog, const SchafkopfOptions& o) {
    CheckItem(dialog, 228, o.withSuitSolo != 0);
    CheckItem(dialog, 229, o.firstTrick != 0);
    CheckItem(dialog, 206, o.officialRules != 0);
    CheckItem(dialog, 207, o.doubleRe != 0);
    CheckItem(dialog, 208, o.supResup != 0);
    SetItemEnabled(dialog, 208, o.doubleRe != 0);
    CheckItem(dialog, 214, o.misplayLoses != 0);
    CheckRadioIndex(dialog, kTrumpRadios, 2, o.trumpSuit);
    CheckItem(dialog, 204, o.withPot != 0);
    CheckItem(dialog, 234, o.calledSuitLeadBan == 0);
    CheckItem(dialog, 233, o.callAnyAce != 0);
    CheckItem(dialog, 236, o.shortDeck != 0);
    CheckRadioIndex(dialog, kAllPassRadios, 4, o.allPassRule);
}

void ShowPlayers(HWND dialog, const SettingsBody& b, const SchafkopfOptions& o) {
    FillStyleCombo(dialog, kStyleCombos[0], o.suggestionStyle);
    for (int i = 0; i < 3; ++i) {
        FillStyleCombo(dialog, kStyleCombos[i + 1], o.opponentStyles[i]);
        FillVoiceCombo(dialog, kVoiceCombos[i], b.playerVoices[i + 1]);
    }
    for (int i = 0; i < 4; ++i) {
        SendDlgItemMessageA(dialog, kNameFields[i], EM_LIMITTEXT, kPlayerNameSize - 1, 0);
        SetItemText(dialog, b.playerNames[i], kNameFields[i]);
    }
    CheckItem(dialog, 235, b.playerVoices[0] < 4);
    const int mode = b.tableMode == kTableModeFourPerson ? 0
                     : b.tableMode == kTableModePractice ? 1
                                                         : -1;
    CheckRadioIndex(dialog, kTableModeRadios, 2, mode);
}

void InitSettings(HWND dialog) {
    sSession->dialog = dialog;
    const SchafkopfOptions& o = sSession->copy;
    CheckRadioIndex(dialog, kPartnershipRadios, 3, o.partnershipMode);
    FillPartnerCombo(dialog, 226, o.partnerCards[0], o.trumpSuit);
    FillPartnerCombo(dialog, 227, o.partnerCards[1], o.trumpSuit);
    ShowRuleSwitches(dialog, o);
    ShowPlayers(dialog, gSettings->body, o);
    const int mode = CheckedRadioIndex(dialog, kPartnershipRadios, 3);
    if (mode >= 0)
        ApplyPartnershipMode(dialog, kPartnershipRadios[mode], &sSession->copy, true);
    if (o.officialRules)
        ApplyOfficialRules(dialog, nullptr, true);
    EnableNameStyleVoiceItems(dialog);
}

// ---- Settings: storing -------------------------------------------------------------------

// A list with no selection keeps its field.
void StoreStyle(HWND dialog, int item, std::int16_t* code) {
    const int selection = ComboSelection(dialog, item);
    if (selection >= 0)
        *code = static_cast<std::int16_t>(StyleCodeForIndex(selection + 1 + StyleListOffset()));
}

void StorePartnerCard(HWND dialog, int item, int trumpSuit, std::int16_t* code) {
    const int selection = ComboSelection(dialog, item);
    if (selection >= 0)
        *code = PartnerCardCode(selection + 1, trumpSuit);
}

void StoreRuleSwitches(HWND dialog, SchafkopfOptions& o) {
    const int allPass = CheckedRadioIndex(dialog, kAllPassRadios, 4);
    if (allPass >= 0)
        o.allPassRule = static_cast<std::int16_t>(allPass);
    const int mode = CheckedRadioIndex(dialog, kPartnershipRadios, 3);
    if (mode >= 0)
        o.partnershipMode = static_cast<std::int16_t>(mode);
    if (mode == 0 || mode == 1) {
        o.allowedGames = 0;
        o.requiredSolo = 0;
    }
    o.withSuitSolo = IsItemChecked(dialog, 228) ? 1 : 0;
    o.firstTrick = IsItemChecked(dialog, 229) ? 1 : 0;
    o.officialRules = IsItemChecked(dialog, 206) ? 1 : 0;
    o.doubleRe = IsItemChecked(dialog, 207) ? 1 : 0;
    o.supResup = IsItemChecked(dialog, 208) ? 1 : 0;
    o.misplayLoses = IsItemChecked(dialog, 214) ? 1 : 0;
    o.withPot = IsItemChecked(dialog, 204) ? 1 : 0;
    o.calledSuitLeadBan = IsItemChecked(dialog, 234) ? 0 : 1;
    o.callAnyAce = IsItemChecked(dialog, 233) ? 1 : 0;
    o.shortDeck = IsItemChecked(dialog, 236) ? 1 : 0;
}

void StorePlayers(HWND dialog, SettingsBody& b) {
    for (int i = 0; i < 4; ++i)
        GetItemText(dialog, b.playerNames[i], kNameFields[i]);
    const int mode = CheckedRadioIndex(dialog, kTableModeRadios, 2);
    b.tableMode = mode == 0 ? kTableModeFourPerson : kTableModePractice;
    if (b.tableMode != kTableModeFourPerson)
        b.seriesEnd = 1;
    b.playerVoices[0] = IsItemChecked(dialog, 235) ? 2 : 5;
    for (int i = 0; i < 3; ++i) {
        const int selection = ComboSelection(dialog, kVoiceCombos[i]);
        if (selection >= 0)
            b.playerVoices[i + 1] = kVoices[selection];
    }
}

// A figure and a voice of different genders are allowed, but the player is told.
void NoteVoiceMismatches(const SettingsBody& b) {
    for (int seat = 1; seat <= 3; ++seat) {
        const int gender = GetFigureGender(seat);
        const bool female = IsFemaleVoice(b.playerVoices[seat]);
        if (gender == 1 && !female)
            NoteAlert(700, 98, b.playerNames[seat]);
        if (gender == 2 && female)
            NoteAlert(700, 99, b.playerNames[seat]);
    }
}

void StoreSettings(HWND dialog) {
    SchafkopfOptions& o = sSession->copy;
    const int trump = CheckedRadioIndex(dialog, kTrumpRadios, 2);
    if (trump >= 0)
        o.trumpSuit = static_cast<std::int16_t>(trump);
    StoreStyle(dialog, kStyleCombos[0], &o.suggestionStyle);
    for (int i = 0; i < 3; ++i)
        StoreStyle(dialog, kStyleCombos[i + 1], &o.opponentStyles[i]);
    StorePartnerCard(dialog, 226, o.trumpSuit, &o.partnerCards[0]);
    StorePartnerCard(dialog, 227, o.trumpSuit, &o.partnerCards[1]);
    StoreRuleSwitches(dialog, o);
    CopySchafkopfOptions(SchafkopfOptionsRecord(), &o);
    StorePlayers(dialog, gSettings->body);
    NoteVoiceMismatches(gSettings->body);
}

void RunSubDialog(HWND dialog, int templateId, DLGPROC procedure) {
    RunModalDialog(dialog, templateId, procedure, 0);
}

INT_PTR SettingsCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        StoreSettings(dialog);
        EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case kFixedPartners:
    case kTwoCards:
    case kGermanCall:
        ApplyPartnershipMode(dialog, id, &sSession->copy, false);
        return TRUE;
    case 206:
        ApplyOfficialRules(dialog, &sSession->copy, IsItemChecked(dialog, 206));
        return TRUE;
    case 207:
        SetItemEnabled(dialog, 208, IsItemChecked(dialog, 207));
        return TRUE;
    case 205:
        RunSubDialog(dialog, kStakesDialog, StakesDialogProc);
        return TRUE;
    case 211:
        RunSubDialog(dialog, kAdditionalSettingsDialog, AdditionalSettingsDialogProc);
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Stakes ------------------------------------------------------------------------------

// The number fields in the order they are read, with their "&Default" values (cents, or the
// running trump that counts first).
struct StakeField {
    int item;
    std::int32_t defaultValue;
    bool countFrom; // 1 to 6 instead of a tariff of 0 to 999
};
constexpr StakeField kStakeFields[] = {
    {206, 10, false}, {207, 10, false}, {208, 10, false}, {209, 50, false}, {210, 10, false},
    {211, 10, false}, {212, 30, false}, {213, 50, false}, {202, 10, false}, {214, 20, false},
    {215, 40, false}, {216, 70, false}, {203, 3, true},   {204, 2, true},
};
constexpr int kStakeFieldCount = sizeof kStakeFields / sizeof kStakeFields[0];
// The fields of the first eleven number fields; shoot the moon (i32) follows them.
constexpr std::int16_t SchafkopfOptions::*kTariffs[] = {
    &SchafkopfOptions::baseStake,          &SchafkopfOptions::schneiderStake,
    &SchafkopfOptions::schwarzStake,       &SchafkopfOptions::soloStake,
    &SchafkopfOptions::soloSchneiderStake, &SchafkopfOptions::soloSchwarzStake,
    &SchafkopfOptions::begStake,           &SchafkopfOptions::youStake,
    &SchafkopfOptions::laufendeStake,      &SchafkopfOptions::ramschStake,
    &SchafkopfOptions::noTrickStake,
};
constexpr int kTariffCount = sizeof kTariffs / sizeof kTariffs[0];

void ShowStakes(HWND dialog, const SchafkopfOptions& o) {
    SetItemText(dialog, o.currencyName, 205);
    for (int i = 0; i < kTariffCount; ++i)
        SetNumberField(dialog, kStakeFields[i].item, o.*kTariffs[i]);
    SetNumberField(dialog, 216, o.shootTheMoonStake);
    SetNumberField(dialog, 203, o.laufendeFrom);
    SetNumberField(dialog, 204, o.soloLaufendeFrom);
    CheckItem(dialog, 201, o.withLaufende != 0);
}

bool ReadStakes(HWND dialog, std::int32_t* values) {
    for (int i = 0; i < kStakeFieldCount; ++i) {
        const StakeField& field = kStakeFields[i];
        if (!ReadNumberField(dialog, field.item, &values[i]))
            return false;
        const bool valid =
            field.countFrom ? values[i] >= 1 && values[i] <= 6 : values[i] >= 0 && values[i] <= 999;
        if (!valid) {
            RefuseField(dialog, field.item, 1000, field.countFrom ? 493 : 392);
            return false;
        }
    }
    return true;
}

bool StoreStakes(HWND dialog, SchafkopfOptions& o) {
    std::int32_t values[kStakeFieldCount];
    if (!ReadStakes(dialog, values))
        return false;
    for (int i = 0; i < kTariffCount; ++i)
        o.*kTariffs[i] = static_cast<std::int16_t>(values[i]);
    o.shootTheMoonStake = values[11];
    o.laufendeFrom = static_cast<std::int16_t>(values[12]);
    o.soloLaufendeFrom = static_cast<std::int16_t>(values[13]);
    GetItemText(dialog, o.currencyName, 205);
    o.withLaufende = IsItemChecked(dialog, 201) ? 1 : 0;
    return true;
}

void SetDefaultStakes(HWND dialog) {
    for (const StakeField& field : kStakeFields)
        SetNumberField(dialog, field.item, field.defaultValue);
}

// ---- Additional Settings -----------------------------------------------------------------

constexpr int kSeriesEndRadios[] = {104, 105, 106};
constexpr std::int32_t kSeriesEndValues[] = {1, 4, 8};
constexpr int kTimeLimitRadios[] = {116, 114}; // never (1), after the minutes (2)
struct SoloBit {
    int item;
    std::int32_t bit;
};
constexpr SoloBit kSoloBits[] = {{230, 2},   {225, 4},    {224, 8},    {223, 16},
                                 {234, 32},  {233, 64},   {226, 128},  {227, 256},
                                 {228, 512}, {229, 1024}, {231, 2048}, {232, 4096}};
// Enabled only with German call.
constexpr int kGermanCallItems[] = {230, 223, 224, 225, 226, 227, 228, 229,
                                    231, 232, 233, 234, 206, 120, 117};

int SeriesEndIndex(std::int32_t value) {
    for (int i = 0; i < 3; ++i) {
        if (kSeriesEndValues[i] == value)
            return i;
    }
    return -1;
}

void ShowAdditional(HWND dialog, const SchafkopfOptions& o) {
    CheckRadioIndex(dialog, kSeriesEndRadios, 3, SeriesEndIndex(o.seriesEnd));
    SetNumberField(dialog, 107, o.seriesTarget);
    SetNumberField(dialog, 109, o.seriesGameCount);
    CheckRadioIndex(dialog, kTimeLimitRadios, 2, o.timeLimitMode - 1);
    SetNumberField(dialog, 140, o.timeLimitMinutes);
    CheckItem(dialog, 117, o.requiredSolo != 0);
    SetNumberField(dialog, 120, o.requiredSoloCount);
    CheckItem(dialog, 206, o.toutGames != 0);
    CheckItem(dialog, 235, o.catchTheFox != 0);
    ShowSoloGameBits(dialog, &o);
    const bool call = IsGermanCallChosen();
    for (int item : kGermanCallItems)
        SetItemEnabled(dialog, item, call);
    SetItemEnabled(dialog, 140, IsItemChecked(dialog, 114));
    if (call)
        EnableRequiredSoloItems(dialog);
}

bool RefuseUnless(bool valid, HWND dialog, int item, std::int16_t index) {
    if (!valid)
        RefuseField(dialog, item, 1000, index);
    return valid;
}

// Points, games and minutes above 0, a count of 0 or more and not above the games.
bool ReadAdditionalNumbers(HWND dialog, std::int32_t* points, std::int32_t* games,
                           std::int32_t* minutes, std::int32_t* count) {
    if (!ReadNumberField(dialog, 107, points) || !ReadNumberField(dialog, 109, games) ||
        !ReadNumberField(dialog, 140, minutes) || !ReadNumberField(dialog, 120, count)) {
        return false;
    }
    return RefuseUnless(*points > 0, dialog, 107, 757) &&
           RefuseUnless(*games > 0, dialog, 109, 757) &&
           RefuseUnless(*minutes > 0, dialog, 140, 757) &&
           RefuseUnless(*count >= 0, dialog, 120, 757) &&
           RefuseUnless(*count <= *games, dialog, 120, 107);
}

bool StoreAdditional(HWND dialog, SchafkopfOptions& o) {
    std::int32_t points = 0, games = 0, minutes = 0, count = 0;
    if (!ReadAdditionalNumbers(dialog, &points, &games, &minutes, &count))
        return false;
    o.catchTheFox = IsItemChecked(dialog, 235) ? 1 : 0;
    o.requiredSolo = IsItemChecked(dialog, 117) ? 1 : 0;
    o.requiredSoloCount = static_cast<std::int16_t>(count);
    o.toutGames = IsItemChecked(dialog, 206) ? 1 : 0;
    for (const SoloBit& solo : kSoloBits) {
        o.allowedGames = IsItemChecked(dialog, solo.item) ? o.allowedGames | solo.bit
                                                          : o.allowedGames & ~solo.bit;
    }
    const int seriesEnd = CheckedRadioIndex(dialog, kSeriesEndRadios, 3);
    if (seriesEnd >= 0)
        o.seriesEnd = kSeriesEndValues[seriesEnd];
    const int timeLimit = CheckedRadioIndex(dialog, kTimeLimitRadios, 2);
    if (timeLimit >= 0)
        o.timeLimitMode = timeLimit + 1;
    o.timeLimitMinutes = minutes;
    o.seriesGameCount = games;
    o.seriesTarget = points;
    o.bockGames = 3;
    return true;
}

INT_PTR AdditionalCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        if (StoreAdditional(dialog, *WorkingCopy()))
            EndDialog(dialog, 1);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, 0);
        return TRUE;
    case 104:
    case 105:
    case 106:
        // The three radios are apart in the tab order (their number fields sit between them).
        CheckRadioIndex(dialog, kSeriesEndRadios, 3, id - 104);
        if (id != 106)
            CheckItem(dialog, 117, false);
        if (IsGermanCallChosen())
            EnableRequiredSoloItems(dialog);
        return TRUE;
    case 114:
    case 116:
        SetItemEnabled(dialog, 140, IsItemChecked(dialog, 114));
        return TRUE;
    case 121:
        SetNumberField(dialog, 140, 100);
        SetNumberField(dialog, 109, 24);
        SetNumberField(dialog, 107, 100);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

// ---- Helpers -----------------------------------------------------------------------------

int StyleCodeForIndex(int v) {
    return v + (v - 1) / 4;
}

int StyleIndexForCode(int code) {
    return (code - 1) - (code - 1) / 5 + 1;
}

int StyleListOffset() {
    return gCurrentRoom >= 5 && gCurrentRoom <= 8 ? 4 : 0;
}

std::int16_t PartnerCardCode(int position, int trumpSuit) {
    if (position >= 1 && position <= 8)
        return kOberUnterCodes[position - 1];
    if (position < 9 || position > kPartnerCardCount)
        return 0;
    return static_cast<std::int16_t>(kTrumpCardSteps[position - 9] + (trumpSuit == 1 ? 8 : 0));
}

int PartnerCardIndex(int code, int trumpSuit) {
    for (int position = 1; position <= kPartnerCardCount; ++position) {
        if (PartnerCardCode(position, trumpSuit) == code)
            return position;
    }
    return 0;
}

int GetFigureGender(int seat) {
    return gDeckManager ? gDeckManager->GetFigureGender(seat) : 0;
}

void ShowSoloGameBits(HWND dialog, const SchafkopfOptions* options) {
    for (const SoloBit& solo : kSoloBits)
        CheckItem(dialog, solo.item, (options->allowedGames & solo.bit) != 0);
}

void EnableRequiredSoloItems(HWND dialog) {
    const bool endAfterGames = IsItemChecked(dialog, 106);
    SetItemEnabled(dialog, 117, endAfterGames);
    SetItemEnabled(dialog, 120, endAfterGames);
}

void EnableNameStyleVoiceItems(HWND dialog) {
    for (int item : kNameFields)
        EnableItem(dialog, item);
    for (int item : kStyleCombos)
        EnableItem(dialog, item);
    for (int item : kVoiceCombos)
        EnableItem(dialog, item);
}

void ApplyOfficialRules(HWND dialog, SchafkopfOptions* options, bool on) {
    if (on) {
        for (int item : {207, 208, 234})
            CheckItem(dialog, item, true);
        for (int item : {233, 204})
            CheckItem(dialog, item, false);
        CheckRadioIndex(dialog, kTrumpRadios, 2, 1);
        CheckRadioIndex(dialog, kAllPassRadios, 4, 0);
    }
    for (int item : {207, 233, 204, 211, 212, 213, 234, 236})
        SetItemEnabled(dialog, item, !on);
    SetItemEnabled(dialog, 208, !on && IsItemChecked(dialog, 207));
    if (!on || !options)
        return;
    SchafkopfOptions& o = *options;
    o.additionalPoints = 0;
    o.allowedGames = 13;
    o.timeLimitMode = 1;
    o.timeLimitMinutes = 100;
    o.seriesEnd = 1;
    o.seriesGameCount = 24;
    o.requiredSolo = 0;
    o.requiredSoloCount = 1;
    o.trumpSuit = 1;
    o.catchTheFox = 0;
    o.calledSuitLeadBan = 0;
    o.declarerLeads = 0;
    o.ruleValue54 = 0;
    o.noCalledAceRules = 0;
}

void ApplyPartnershipMode(HWND dialog, int modeButton, SchafkopfOptions* options, bool opening) {
    const bool fixed = modeButton == kFixedPartners;
    const bool two = modeButton == kTwoCards;
    const bool call = modeButton == kGermanCall;
    // Official rules exist only with German call: released first, so that the mode's own
    // enabling below stands.
    if (!opening && !call) {
        for (int item : {206, 207, 208})
            CheckItem(dialog, item, false);
        ApplyOfficialRules(dialog, options, false);
    }
    SetItemEnabled(dialog, 233, !fixed);
    for (int item : kAllPassRadios)
        SetItemEnabled(dialog, item, call);
    for (int item : {226, 227, 228, 229})
        SetItemEnabled(dialog, item, two);
    SetItemEnabled(dialog, 206, call);
    if (opening)
        return;
    if (fixed) {
        CheckItem(dialog, 233, false);
        CheckItem(dialog, 234, false);
        options->requiredSolo = 0;
        options->catchTheFox = 1;
    }
    if (call) {
        CheckItem(dialog, 234, true);
        options->catchTheFox = 0;
    } else {
        CheckItem(dialog, 204, false);
        CheckRadioIndex(dialog, kAllPassRadios, 4, 0);
    }
    if (two) {
        CheckItem(dialog, 234, false);
        options->requiredSolo = 0;
        options->catchTheFox = 0;
    }
    CheckItem(dialog, 233, IsItemChecked(dialog, kTwoCards));
}

// ---- The dialog procedures ---------------------------------------------------------------

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (!sSession)
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        InitSettings(dialog);
        return TRUE;
    case WM_CLOSE:
        return SettingsCommand(dialog, IDCANCEL);
    case WM_COMMAND:
        return SettingsCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK StakesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ShowStakes(dialog, *WorkingCopy());
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (StoreStakes(dialog, *WorkingCopy()))
                EndDialog(dialog, 1);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case 200:
            SetDefaultStakes(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AdditionalSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ShowAdditional(dialog, *WorkingCopy());
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    case WM_COMMAND:
        return AdditionalCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

void OpenSettingsDialog(HWND window, int gameKind, int parameter) {
    gDialogAccepted = 0;
    if (gameKind != kSchafkopfKind || !SchafkopfOptionsRecord() || !gSettings) {
        SysBeep(1);
        return;
    }
    SettingsSession session{};
    CopySchafkopfOptions(&session.copy, SchafkopfOptionsRecord());
    sSession = &session;
    const INT_PTR result = RunModalDialog(window, kSettingsDialog, SettingsDialogProc, parameter);
    sSession = nullptr;
    gDialogAccepted = result == 1 ? 1 : 0;
    if (gDialogAccepted)
        ApplyViewChange(false, false, false, 0);
    InvalidateAllWindows();
}

// The Schafkopf table's menus, keys and mouse buttons.
#include "views/win32/SchafkopfTablePane.h"

#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfController.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Input.h"
#include "platform/win32/Menus.h"
#include "platform/win32/WindowsGlobals.h"
#include "records/OptionRecordLayouts.h"
#include "records/ProgramFlags.h"
#include "shell/Settings.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TableMenuItems.h"

namespace {

// The pub's house rules (second word of the pub state).
constexpr int kHouseAnnounceAnyTime = 1 << 1;
constexpr int kHouseNoSuggestion = 1 << 2;

// The bidding keys: characters of the option record's key string.
constexpr int kKeyIPlay = 4;
constexpr int kKeyGood = 5;
constexpr int kKeyYes = 6;
constexpr int kKeyNo = 7;
constexpr int kKeyReady = 8;
constexpr int kKeyContinue = 9;
constexpr int kKeyFirstSuit = 10; // 10 to 13: Diamonds to Clubs
constexpr int kKeyListUp = 15;
constexpr int kKeyListDown = 16;

// The key codes the suit buttons and "Weiter" go by; the table maps them to their items.
constexpr int kDiamondKeyCode = 105; // 105 to 108
constexpr int kWeiterKeyCode = 110;

constexpr GameTypeWord kGameBits = 0x23fff;
constexpr GameTypeWord kBegWord = 128;

bool IsEnter(int key) {
    return key == 3 || key == 13;
}

void Enable(HMENU menu, std::initializer_list<int> ids, bool flag) {
    for (int id : ids)
        SetMenuItemEnabled(menu, id, flag);
}

} // namespace

// ---- Menus -------------------------------------------------------------------------------------

void SchafkopfTablePane::UpdateMenus() {
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu)
        return;
    if (phase == 9) {
        UpdateSettingsItem(menu);
        // The reception: no game, no table to act on; nothing of the last game stays open.
        Enable(menu, {401, 1202, 406, 407, 408, 409,  1208, 1209, 1210, 1211, 301,  302,  303, 304,
                      502, 503,  504, 505, 508, 1406, 1408, 1409, 1410, 1411, 1412, 1413, 1414},
               false);
        return;
    }
    // "Super Small Cards" switches the pictures and "Show Rule Notes" the notes, whatever is
    // played.
    SetMenuItemEnabled(menu, kSuperSmallCardsItem, true);
    SetMenuItemEnabled(menu, kRuleNotesItem, true);
    SetMenuItemEnabled(menu, 508, phase == 3);
    // The play rating shows the long-run counters, whatever the table is doing.
    SetMenuItemEnabled(menu, 502, true);
    if (phase == 7) {
        Enable(menu, {401, 406,  407,  408,  409,  1208, 1209, 1210, 503, 504, 505, 1406,
                      508, 1408, 1409, 1410, 1411, 1412, 1413, 1414, 301, 302, 303, 304},
               false);
        SetMenuItemEnabled(menu, 1211, true);
        UpdateSettingsItem(menu);
    } else {
        UpdateGameMenus();
    }
    // The league pairings and the server are not played at this table; a window item whose
    // window has nothing to show yet stays greyed rather than open nothing.
    Enable(menu, {1208, 1209, 1408, 1409, 1410, 1411}, false);
    for (int id : {502, 503, 504, 505, 508, 1412, 1413, 1414})
        if (!SideWindowAvailable(id))
            SetMenuItemEnabled(menu, id, false);
}

// The settings stay with the pub's host, who opens them with F4 held down.
void SchafkopfTablePane::UpdateSettingsItem(HMENU menu) {
    if (GetRoom() == 1)
        SetMenuItemEnabled(menu, 1103, !gNetworkTableActive);
    else
        SetMenuItemEnabled(menu, 1103, !gStoryMode || gKeyFlags.function[3]);
}

void SchafkopfTablePane::UpdateGameMenus() {
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu || !settings)
        return;
    auto* game = Schafkopf();
    SchafkopfComputerPlayer* computer = game ? game->Game() : nullptr;
    const SchafkopfOptions* rules = game ? game->schafkopfRules : nullptr;
    const int houseRules = settings->body.pubState[1];
    const bool running = phase != 0 && phase != 4;
    const bool practice = settings->body.tableMode == kTableModePractice;
    const bool mayDouble = phase == 3 && computer && computer->MayDouble(0);
    const bool mark = computer && computer->seats[0].inDeclarerParty != 0;
    const int count = computer ? computer->announcementCount : 0;

    // Game
    SetMenuItemEnabled(menu, kNewDealItem, !running);
    if (gStoryMode && (houseRules & kHouseNoSuggestion))
        SetMenuItemEnabled(menu, 401, false);
    else
        SetMenuItemEnabled(menu, 401, (running && !trickWaiting) || phase == 1 || phase == 2);
    SetMenuItemEnabled(menu, 407, (running || phase == 4) && practice);
    const bool humanBegs =
        computer && (computer->gameType.word & kGameBits) == kBegWord && computer->declarer == 0;
    SetMenuItemEnabled(menu, 408, phase == 3 && !humanBegs);
    SetMenuItemEnabled(menu, 409, phase == 3);
    Enable(menu, {1210, 1211}, gStoryMode != 0);

    // Announce: each doubling answers the one before it, by the side whose turn it is.
    if (gStoryMode && (houseRules & kHouseAnnounceAnyTime)) {
        Enable(menu, {301, 302, 303, 304}, true);
    } else {
        const bool doubleRe = rules && rules->doubleRe && mayDouble;
        const bool supResup = rules && rules->supResup && mayDouble;
        SetMenuItemEnabled(menu, 301, doubleRe && !mark && count == 0);
        SetMenuItemEnabled(menu, 302, doubleRe && mark && count == 1);
        SetMenuItemEnabled(menu, 303, supResup && !mark && count == 2);
        SetMenuItemEnabled(menu, 304, supResup && mark && count == 3);
    }

    // Windows
    SetMenuItemEnabled(menu, 503, phase != 0);
    SetMenuItemEnabled(menu, 504, phase != 0 && practice);
    SetMenuItemEnabled(menu, 505, true);
    Enable(menu, {1412, 1413, 1414}, phase != 0 && practice);
    if (gStoryMode && GetRoom() != 1) {
        SetMenuItemEnabled(menu, 1406, false);
    } else {
        // Tricks count from 1.
        const bool firstTrick = phase == 3 && computer && computer->trickNumber == 1;
        SetMenuItemEnabled(menu, 1406, phase == 1 || (firstTrick && !GermanCall()));
    }

    UpdateSettingsItem(menu);
}

// ---- Keys --------------------------------------------------------------------------------------

int SchafkopfTablePane::MapKeyToCommand(int code) {
    if (code >= kDiamondKeyCode && code < kDiamondKeyCode + 4)
        return kDiamondButton + code - kDiamondKeyCode;
    switch (code) {
    case kWeiterKeyCode:
        return kWeiterButton;
    case kIPlayButton:
    case kNoButton:
    case kGoodButton:
    case kSoloTypesList:
    case kReadyButton:
    case kContinueButton:
    case kYesButton:
    case kAuctionNoButton:
    case kStockButton:
        return code;
    default:
        return FourPlayerTablePane::MapKeyToCommand(code);
    }
}

namespace {

// Whether the key is the record's key character index; -1 takes any key.
bool KeyMatches(const SchafkopfController* game, int key, int index) {
    if (index == -1)
        return true;
    if (!game || !game->schafkopfRules || index < 0 || index >= kOptionKeysSize)
        return false;
    const char wanted = game->schafkopfRules->keys[index];
    return wanted != 0 && static_cast<std::uint8_t>(wanted) == static_cast<std::uint8_t>(key);
}

int Translate(SchafkopfTablePane* table, int item) {
    if (item < 100 || (item >= kDiamondKeyCode && item < kDiamondKeyCode + 4) ||
        item == kWeiterKeyCode)
        return table->MapKeyToCommand(item);
    return item;
}

} // namespace

bool SchafkopfTablePane::PressButtonByKey(int key, int index, int item) {
    if (!KeyMatches(Schafkopf(), key, index))
        return false;
    item = Translate(this, item);
    if (!IsButtonActive(item))
        return false;
    HandleCommand(item);
    return true;
}

bool SchafkopfTablePane::ToggleButtonByKey(int key, int index, int item) {
    if (!KeyMatches(Schafkopf(), key, index))
        return false;
    item = Translate(this, item);
    if (!IsButtonActive(item))
        return false;
    CheckItem(window, item, !IsItemChecked(window, item));
    DoCommand(item);
    return true;
}

bool SchafkopfTablePane::StepComboByKey(int key, int index, int list, bool up) {
    if (index == -1 || !KeyMatches(Schafkopf(), key, index) || !IsButtonActive(list))
        return false;
    const LRESULT count = SendDlgItemMessageA(window, list, CB_GETCOUNT, 0, 0);
    if (count <= 0)
        return true;
    LRESULT row = SendDlgItemMessageA(window, list, CB_GETCURSEL, 0, 0);
    // Up set: the next row down the list; no row chosen yet starts at the first.
    if (up)
        row = row < 0 ? 0 : (row + 1 < count ? row + 1 : count - 1);
    else
        row = row <= 0 ? 0 : row - 1;
    SendDlgItemMessageA(window, list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    DoCommand(list);
    return true;
}

void SchafkopfTablePane::HandleKey(std::int8_t signedKey) {
    const int key = static_cast<std::uint8_t>(signedKey);
    auto* game = Schafkopf();
    const int bidding = game ? game->biddingPhase : 0;
    bool done = false;
    if (phase == 1 && bidding == kPhaseAsking) {
        done = PressButtonByKey(key, kKeyIPlay, kIPlayButton) ||
               PressButtonByKey(key, kKeyNo, kNoButton) ||
               PressButtonByKey(key, kKeyContinue, kContinueButton) ||
               (IsEnter(key) && PressButtonByKey(key, -1, kContinueButton));
    } else if (phase == 2) {
        switch (bidding) {
        case kPhaseRequiredSolo:
            done = PressButtonByKey(key, kKeyYes, kYesButton) ||
                   PressButtonByKey(key, kKeyNo, kAuctionNoButton) ||
                   PressButtonByKey(key, kKeyContinue, kWeiterKeyCode) ||
                   (IsEnter(key) && PressButtonByKey(key, -1, kWeiterKeyCode));
            break;
        case kPhaseCallAce:
            for (int suit = 0; suit < 4 && !done; ++suit)
                done = ToggleButtonByKey(key, kKeyFirstSuit + suit, kDiamondKeyCode + suit);
            done = done || PressButtonByKey(key, kKeyReady, kReadyButton) ||
                   (IsEnter(key) && PressButtonByKey(key, -1, kReadyButton));
            break;
        case kPhaseWait:
            done = IsEnter(key) && PressButtonByKey(key, -1, kContinueButton);
            break;
        default:
            if (bidding == kPhaseNameGame || bidding == kPhaseNamed)
                done = PressButtonByKey(key, kKeyGood, kGoodButton);
            for (int suit = 0; suit < 4 && !done; ++suit)
                done = ToggleButtonByKey(key, kKeyFirstSuit + suit, kDiamondKeyCode + suit);
            done = done || PressButtonByKey(key, kKeyReady, kReadyButton) ||
                   (IsEnter(key) && PressButtonByKey(key, -1, kReadyButton)) ||
                   StepComboByKey(key, kKeyListDown, soloTypesItem, true) ||
                   StepComboByKey(key, kKeyListUp, soloTypesItem, false);
            break;
        }
    }
    if (!done)
        FourPlayerTablePane::HandleKey(signedKey);
}

// ---- Mouse buttons -----------------------------------------------------------------------------

void SchafkopfTablePane::HandleRightClick() {
    auto* game = Schafkopf();
    const int bidding = game ? game->biddingPhase : 0;
    switch (phase) {
    case 1:
        if (bidding == kPhaseAsking)
            PressButtonByKey(0, -1, kIPlayButton) || PressButtonByKey(0, -1, kNoButton) ||
                PressButtonByKey(0, -1, kContinueButton);
        break;
    case 2:
        if (bidding == kPhaseRequiredSolo)
            PressButtonByKey(0, -1, kYesButton) || PressButtonByKey(0, -1, kWeiterKeyCode);
        else
            PressButtonByKey(0, -1, kReadyButton);
        break;
    case 3:
    case 4:
        FourPlayerTablePane::HandleRightClick();
        break;
    default:
        break;
    }
}

// The middle button says "No" to the asking.
void SchafkopfTablePane::HandleMiddleClick() {
    auto* game = Schafkopf();
    if (phase == 1 && game && game->biddingPhase == kPhaseAsking)
        PressButtonByKey(0, -1, kNoButton);
}

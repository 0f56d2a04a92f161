// About, Screen View, Keyboard Layout and Sound Settings, and the runner of the preference
// dialogs. Settings and its two sub-dialogs are in SettingsDialogs.cpp.
#include "shell/win32/PreferenceDialogs.h"

#include <cstring>

#include "media/win32/ExtensionManager.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/DialogSupport.h"
#include "shell/win32/WindowManager.h"

std::uint8_t gDialogAccepted = 0;

DLGPROC gScreenViewDialogProc = ScreenViewDialogProc;
DLGPROC gKeyboardDialogProc = KeyboardDialogProc;
DLGPROC gSoundDialogProc = SoundDialogProc;
DLGPROC gAboutDialogProc = AboutDialogProc;

namespace {

// The pictures of the dialogs, loaded when a dialog opens and freed whichever way it ends.
HBITMAP sAboutPicture = nullptr;    // 100
HBITMAP sViewPictures[2] = {};      // 3026, 3027
HBITMAP sKeyboardPicture = nullptr; // 3006
HBITMAP sSoundPicture = nullptr;    // 101

// "This dialog is not available in this version." (string 1291)
void SayNotAvailable() {
    NoteAlert(1000, 291, "");
}

// Ends a preference dialog with OK (1) or Cancel (0).
void EndPreferenceDialog(HWND dialog, bool accepted) {
    gDialogAccepted = accepted ? 1 : 0;
    EndDialog(dialog, accepted ? 1 : 0);
}

// A WM_COMMAND that ends the dialog as Cancel: the Cancel button or the caption's close.
bool IsCancel(UINT message, WPARAM wParam) {
    return (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE;
}

SchafkopfOptions* RecordB() {
    return SchafkopfOptionsRecord();
}

// ---- About -------------------------------------------------------------------------------

INT_PTR AboutCommand(HWND dialog, int id) {
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    ReleaseDialogPicture(&sAboutPicture);
    EndDialog(dialog, id == IDOK ? 1 : 0);
    return TRUE;
}

// ---- Screen View -------------------------------------------------------------------------

constexpr int kSizeRadios[] = {250, 251, 252};
constexpr std::int16_t kSizeValues[] = {kCardSizeSmall, kCardSizeMiddle, kCardSizeLarge};
constexpr int kStoryRadios[] = {262, 260}; // storyMode 1, 2
// Pairs of radios for a switch: (off, on).
constexpr int kSortSideRadios[] = {220, 219};    // suits right, left
constexpr int kDiamondSideRadios[] = {225, 224}; // Diamonds right, left
constexpr int kClickRadios[] = {302, 301};       // double click, single click
constexpr std::int16_t kMotiveStrings = 1274;    // 1274 to 1279, the program's own motives
constexpr std::int32_t kLargestDelay = 999;      // tenths of a second; the field is an i16

std::int16_t sCardSizeAtOpening = 0; // or at the last Apply

int SizeRadioIndex(std::int16_t size) {
    for (int i = 0; i < 3; ++i) {
        if (kSizeValues[i] == size)
            return i;
    }
    return -1;
}

// The motive list: the program's own six, then the motives of the figure libraries that have a
// name. Each row keeps its motive number, since the named motives may leave gaps.
void AddMotiveRow(HWND dialog, const char* name, int motive) {
    AddComboText(dialog, 270, name);
    const LRESULT rows = SendDlgItemMessageA(dialog, 270, CB_GETCOUNT, 0, 0);
    SendDlgItemMessageA(dialog, 270, CB_SETITEMDATA, static_cast<WPARAM>(rows - 1), motive);
}

void FillMotiveList(HWND dialog, std::int16_t motive) {
    for (int i = 0; i < kMotivesPerLibrary; ++i) {
        char name[kStringBufferSize] = {};
        GetIndString(name, kMotiveStrings, static_cast<std::int16_t>(i));
        AddMotiveRow(dialog, name, i + 1);
    }
    if (gDeckManager) {
        for (int index = kMotivesPerLibrary; index < kMotiveCount; ++index) {
            char name[kMotiveNameSize] = {};
            if (*gDeckManager->GetMotiveName(index, name))
                AddMotiveRow(dialog, name, index + 1);
        }
    }
    const int wanted = motive == 0 ? kDefaultMotive : motive;
    const LRESULT rows = SendDlgItemMessageA(dialog, 270, CB_GETCOUNT, 0, 0);
    for (int row = 0; row < rows; ++row) {
        if (SendDlgItemMessageA(dialog, 270, CB_GETITEMDATA, row, 0) == wanted) {
            SelectComboIndex(dialog, 270, row);
            return;
        }
    }
}

// The motive number of the chosen row, or 0 for none.
int ChosenMotive(HWND dialog) {
    const int row = ComboSelection(dialog, 270);
    if (row < 0)
        return 0;
    return static_cast<int>(SendDlgItemMessageA(dialog, 270, CB_GETITEMDATA, row, 0));
}

void FillDeckList(HWND dialog, const SettingsBody& b) {
    const int count = gDeckManager ? gDeckManager->deckCount : 0;
    for (int i = 0; i < count; ++i)
        AddComboText(dialog, 208, gDeckManager->deckNames[i]);
    SelectComboIndex(dialog, 208, b.cardSet - 1);
    const bool locked = gStoryMode && (b.pubState[1] & 0x70);
    SetItemEnabled(dialog, 208, !locked);
}

void ShowViewFields(HWND dialog, const SettingsBody& b, const SchafkopfOptions* options) {
    CheckRadioIndex(dialog, kSizeRadios, 3, SizeRadioIndex(b.cardSize));
    CheckItem(dialog, 256, b.reduceTaskbar != 0);
    CheckItem(dialog, 257, b.animationOn != 0);
    CheckItem(dialog, 258, (b.movieFilter & 1) != 0);
    CheckItem(dialog, 259, (b.movieFilter & 2) != 0);
    SetItemEnabled(dialog, 258, b.animationOn != 0);
    SetItemEnabled(dialog, 259, b.animationOn != 0);
    CheckRadioIndex(dialog, kStoryRadios, 2, b.storyMode - 1);
    if (options)
        SetItemText(dialog, options->currencyName, 261);
    FillDeckList(dialog, b);
    FillMotiveList(dialog, b.motive);
    CheckItem(dialog, 211, b.ownCardsFullSize != 0);
    CheckItem(dialog, 215, b.superSmallCards != 0);
    CheckItem(dialog, 216, b.cardSorting != 0);
    CheckItem(dialog, 217, b.clubsSpadesOrder != 0);
    CheckRadioIndex(dialog, kSortSideRadios, 2, b.suitsLeft ? 1 : 0);
    CheckRadioIndex(dialog, kDiamondSideRadios, 2, b.diamondsLeft ? 1 : 0);
    CheckItem(dialog, 227, b.putAwayOn != 0);
    SetNumberField(dialog, 228, b.cardDelay);
    SetNumberField(dialog, 231, b.putAwayDelay);
    CheckItem(dialog, 234, b.individualStats != 0);
    CheckRadioIndex(dialog, kClickRadios, 2, b.singleClickPlay ? 1 : 0);
}

bool ReadDelay(HWND dialog, int item, std::int16_t* delay) {
    std::int32_t value = 0;
    if (!ReadNumberField(dialog, item, &value))
        return false;
    if (value < 0 || value > kLargestDelay) {
        RefuseField(dialog, item, 1000, 495);
        return false;
    }
    *delay = static_cast<std::int16_t>(value);
    return true;
}

// A radio pair of (off, on) answers its on-state, or keeps the field when neither is checked.
template <typename Field> void StoreRadioPair(HWND dialog, int offItem, int onItem, Field* field) {
    if (IsItemChecked(dialog, onItem))
        *field = 1;
    else if (IsItemChecked(dialog, offItem))
        *field = 0;
}

void StoreDeckAndMotive(HWND dialog, SettingsBody& b) {
    const int deck = ComboSelection(dialog, 208);
    if (deck >= 0 && IsItemEnabled(dialog, 208) && gDeckManager && gDeckManager->SelectDeck(deck)) {
        b.cardSet = static_cast<std::int16_t>(deck + 1);
    }
    const int motive = ChosenMotive(dialog);
    if (gDeckManager && gDeckManager->IsMotiveAvailable(motive)) {
        b.motive = static_cast<std::int16_t>(motive);
        gDeckManager->SelectExtension(&b.motive);
    }
}

void StoreViewSwitches(HWND dialog, SettingsBody& b) {
    const int size = CheckedRadioIndex(dialog, kSizeRadios, 3);
    if (size >= 0)
        b.cardSize = kSizeValues[size];
    StoreRadioPair(dialog, 220, 219, &b.suitsLeft);
    StoreRadioPair(dialog, 225, 224, &b.diamondsLeft);
    b.animationOn = IsItemChecked(dialog, 257) ? 1 : 0;
    b.movieFilter =
        static_cast<std::int16_t>((b.movieFilter & ~3) | (IsItemChecked(dialog, 258) ? 1 : 0) |
                                  (IsItemChecked(dialog, 259) ? 2 : 0));
    const int story = CheckedRadioIndex(dialog, kStoryRadios, 2);
    if (story >= 0)
        b.storyMode = static_cast<std::int16_t>(story + 1);
    UpdateStoryMode(b);
    b.ownCardsFullSize = IsItemChecked(dialog, 211) ? 1 : 0;
    b.clubsSpadesOrder = IsItemChecked(dialog, 217) ? 1 : 0;
    b.cardSorting = IsItemChecked(dialog, 216) ? 1 : 0;
    b.superSmallCards = IsItemChecked(dialog, 215) ? 1 : 0;
    b.individualStats = IsItemChecked(dialog, 234) ? 1 : 0;
    b.putAwayOn = IsItemChecked(dialog, 227) ? 1 : 0;
    StoreRadioPair(dialog, 302, 301, &b.singleClickPlay);
    b.reduceTaskbar = IsItemChecked(dialog, 256) ? 1 : 0;
}

// Checks the delays first; then stores every field. False (nothing stored) on a refusal.
bool StoreViewFields(HWND dialog) {
    std::int16_t cardDelay = 0;
    std::int16_t putAwayDelay = 0;
    if (!ReadDelay(dialog, 228, &cardDelay) || !ReadDelay(dialog, 231, &putAwayDelay))
        return false;
    SettingsBody& b = gSettings->body;
    const std::int16_t cardSetBefore = b.cardSet;
    StoreDeckAndMotive(dialog, b);
    StoreViewSwitches(dialog, b);
    if (SchafkopfOptions* options = RecordB())
        GetItemText(dialog, options->currencyName, 261);
    b.cardDelay = cardDelay;
    b.putAwayDelay = putAwayDelay;
    if (b.cardSet != cardSetBefore) {
        SetPort(gMainWindow);
        gSettings->ApplySettings();
    }
    return true;
}

void ApplyView(HWND dialog) {
    if (!StoreViewFields(dialog))
        return;
    const std::int16_t size = gSettings->body.cardSize;
    ApplyViewChange(size != sCardSizeAtOpening, true, true, 0);
    sCardSizeAtOpening = size;
}

void EndView(HWND dialog, bool accepted) {
    if (accepted) {
        if (!StoreViewFields(dialog))
            return;
        ApplyViewChange(true, true, true, 0);
    }
    ReleaseDialogPicture(&sViewPictures[0]);
    ReleaseDialogPicture(&sViewPictures[1]);
    EndPreferenceDialog(dialog, accepted);
}

INT_PTR ScreenViewCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
        EndView(dialog, true);
        return TRUE;
    case IDCANCEL:
        EndView(dialog, false);
        return TRUE;
    case 226:
        ApplyView(dialog);
        return TRUE;
    case 257:
        SetItemEnabled(dialog, 258, IsItemChecked(dialog, 257));
        SetItemEnabled(dialog, 259, IsItemChecked(dialog, 257));
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Keyboard ----------------------------------------------------------------------------

// The field of key i (record B order).
constexpr int kKeyItems[kOptionKeyCount] = {201, 202, 203, 204, 205, 206, 207, 208, 209,
                                            210, 214, 215, 216, 217, 211, 212, 213};
constexpr int kCardSelectionKeys = 4; // also copied into the settings' table keys

bool StoreKeys(HWND dialog) {
    char keys[kOptionKeysSize] = {};
    if (!ReadKeyFields(dialog, keys))
        return false;
    if (SchafkopfOptions* options = RecordB())
        std::memcpy(options->keys, keys, kOptionKeysSize);
    std::memcpy(gSettings->body.tableKeys, keys, kCardSelectionKeys);
    return true;
}

INT_PTR KeyboardCommand(HWND dialog, int id) {
    switch (id) {
    case 200:
        SetDefaultDialogKeys(dialog);
        return TRUE;
    case IDOK:
        if (!StoreKeys(dialog))
            return TRUE;
        [[fallthrough]];
    case IDCANCEL:
        ReleaseDialogPicture(&sKeyboardPicture);
        EndPreferenceDialog(dialog, id == IDOK);
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Sound -------------------------------------------------------------------------------

constexpr int kSoundClassItems = 202; // class i in item 202 + i; 203 is record B's class
constexpr int kSoundClassCount = 9;
struct SoundSample {
    int button;
    int event;
};
constexpr SoundSample kSoundSamples[] = {{141, 1500}, {142, 1501}, {143, 1509},
                                         {144, 1503}, {145, 1505}, {146, 1504}};

void ShowSoundFields(HWND dialog) {
    const SettingsBody& b = gSettings->body;
    CheckItem(dialog, 100, b.soundOn != 0);
    for (int i = 0; i < kSoundClassCount; ++i)
        CheckItem(dialog, kSoundClassItems + i, b.soundClasses[i] != 0);
    if (const SchafkopfOptions* options = RecordB())
        CheckItem(dialog, 203, options->reservationSounds != 0);
}

void StoreSoundFields(HWND dialog) {
    SettingsBody& b = gSettings->body;
    b.soundOn = IsItemChecked(dialog, 100) ? 1 : 0;
    for (int i = 0; i < kSoundClassCount; ++i) {
        if (kSoundClassItems + i != 203)
            b.soundClasses[i] = IsItemChecked(dialog, kSoundClassItems + i) ? 1 : 0;
    }
    if (SchafkopfOptions* options = RecordB()) {
        options->soundOn = static_cast<std::int16_t>(b.soundOn);
        options->reservationSounds = IsItemChecked(dialog, 203) ? 1 : 0;
        options->changedMark = 1;
    }
}

// A sample plays even with sound off: sound is on just for it.
bool PlaySample(int id) {
    for (const SoundSample& sample : kSoundSamples) {
        if (sample.button != id)
            continue;
        const std::int32_t before = gSettings->body.soundOn;
        gSettings->body.soundOn = 1;
        PlayEventSound(sample.event, -1);
        gSettings->body.soundOn = before;
        return true;
    }
    return false;
}

INT_PTR SoundCommand(HWND dialog, int id) {
    if (PlaySample(id))
        return TRUE;
    if (id != IDOK && id != IDCANCEL)
        return FALSE;
    if (id == IDOK)
        StoreSoundFields(dialog);
    ReleaseDialogPicture(&sSoundPicture);
    EndPreferenceDialog(dialog, id == IDOK);
    return TRUE;
}

void DrawSoundButton(const DRAWITEMSTRUCT* item) {
    if (item->CtlID >= 141 && item->CtlID <= 146)
        DrawDialogPicture(item, sSoundPicture);
}

} // namespace

// ---- The dialog procedures ---------------------------------------------------------------

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadDialogPicture(dialog, &sAboutPicture, 100);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == 100)
            DrawDialogPicture(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), sAboutPicture);
        return TRUE;
    case WM_CTLCOLORDLG:
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
    case WM_CLOSE:
        return AboutCommand(dialog, IDCANCEL);
    case WM_COMMAND:
        return AboutCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ScreenViewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCancel(message, wParam))
        return ScreenViewCommand(dialog, IDCANCEL);
    switch (message) {
    case WM_INITDIALOG:
        sCardSizeAtOpening = gSettings->body.cardSize;
        ShowViewFields(dialog, gSettings->body, RecordB());
        LoadDialogPicture(dialog, &sViewPictures[0], 3026);
        LoadDialogPicture(dialog, &sViewPictures[1], 3027);
        return TRUE;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID == 305 || item->CtlID == 306)
            DrawDialogPicture(item, sViewPictures[item->CtlID - 305]);
        return TRUE;
    }
    case WM_COMMAND:
        return ScreenViewCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK KeyboardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCancel(message, wParam))
        return KeyboardCommand(dialog, IDCANCEL);
    switch (message) {
    case WM_INITDIALOG:
        if (const SchafkopfOptions* options = RecordB())
            ShowKeyFields(dialog, options->keys);
        LoadDialogPicture(dialog, &sKeyboardPicture, 3006);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == 218)
            DrawDialogPicture(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), sKeyboardPicture);
        return TRUE;
    case WM_COMMAND:
        return KeyboardCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SoundDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsCancel(message, wParam))
        return SoundCommand(dialog, IDCANCEL);
    switch (message) {
    case WM_INITDIALOG:
        ShowSoundFields(dialog);
        LoadDialogPicture(dialog, &sSoundPicture, 101);
        return TRUE;
    case WM_DRAWITEM:
        DrawSoundButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        return SoundCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

// ---- Keys --------------------------------------------------------------------------------

void ShowKeyFields(HWND dialog, const char* keys) {
    for (int i = 0; i < kOptionKeyCount; ++i) {
        const char text[2] = {keys[i], '\0'};
        SetItemText(dialog, text, kKeyItems[i]);
    }
}

bool ReadKeyFields(HWND dialog, char* keys) {
    char text[kStringBufferSize];
    for (int i = 0; i < kOptionKeyCount; ++i) {
        if (std::strlen(GetItemText(dialog, text, kKeyItems[i])) > 1) {
            RefuseField(dialog, kKeyItems[i], 192, 5); // "You may enter only 1 character."
            return false;
        }
        keys[i] = text[0];
    }
    for (int i = kOptionKeyCount; i < kOptionKeysSize; ++i)
        keys[i] = '\0';
    return true;
}

void SetDefaultDialogKeys(HWND dialog) {
    char keys[kOptionKeysSize];
    SetDefaultOptionKeys(keys);
    ShowKeyFields(dialog, keys);
}

// ---- Running them ------------------------------------------------------------------------

void RunPreferenceDialog(HWND window, int templateId, DLGPROC procedure) {
    gDialogAccepted = 0;
    if (!procedure) {
        SayNotAvailable();
        return;
    }
    RunModalDialog(window, templateId, procedure, 0);
}

#include "shell/win32/SmallDialogs.h"

#include "games/skat/SkatDocumentController.h"
#include "media/win32/SoundManager.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/ModalDialog.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Environment.h"
#include "shell/Settings.h"
#include "shell/win32/DialogSupport.h"
#include "shell/win32/PreferenceDialogs.h"
#include "shell/win32/WindowManager.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/Pane.h"

char gTheEndTexts[3][kTheEndTextSize] = {};

namespace {

// The pictures of the dialogs, loaded when a dialog opens and freed when it ends.
constexpr int kSuitPictureCount = 8;
HBITMAP sSuitPictures[kSuitPictureCount] = {}; // 3042 to 3049 in buttons 221 to 228
HBITMAP sTheEndPicture = nullptr;              // 3030
HBITMAP sNotesPicture = nullptr;               // 3014
HBITMAP sIntroPicture = nullptr;               // 11419
HBITMAP sStylePictures[3] = {};                // 1450 to 1452 in buttons 200 to 202

constexpr UINT_PTR kIntroTimer = 1;

HWND Owner(HWND preferred) {
    return preferred ? preferred : gMainWindow;
}

INT_PTR WhiteBrush() {
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

const DRAWITEMSTRUCT* DrawItemOf(LPARAM lParam) {
    return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
}

// ---- Suit names --------------------------------------------------------------------------

// The radio groups of the four suits in the order of the stored choices 1 to 4; button i of
// a group stands for the stored value i + 1.
struct SuitGroup {
    int first;
    int count;
};
constexpr SuitGroup kSuitGroups[] = {
    {201, 2}, {203, 3}, {206, 4}, {210, 3}}; // Schellen, Herz, Gras, Eichel
constexpr int kFirstNameButton = 201;
constexpr int kLastNameButton = 212;

void ShowSuitNames(HWND dialog, const std::int16_t* choice) {
    CheckItem(dialog, 200, choice[0] != 0);
    SetSuitNameItemsEnabled(dialog, choice[0] != 0);
    for (int g = 0; g < 4; ++g) {
        const SuitGroup& group = kSuitGroups[g];
        const int value = choice[g + 1];
        const int selected = value >= 1 && value <= group.count ? value - 1 : 0;
        for (int i = 0; i < group.count; ++i)
            CheckItem(dialog, group.first + i, i == selected);
    }
}

void StoreSuitNames(HWND dialog, std::int16_t* choice) {
    choice[0] = IsItemChecked(dialog, 200) ? 1 : 0;
    for (int g = 0; g < 4; ++g) {
        const SuitGroup& group = kSuitGroups[g];
        for (int i = 0; i < group.count; ++i) {
            if (IsItemChecked(dialog, group.first + i))
                choice[g + 1] = static_cast<std::int16_t>(i + 1);
        }
    }
}

void EndSuitNames(HWND dialog, bool accepted) {
    if (accepted)
        StoreSuitNames(dialog, gSettings->body.suitNameChoice);
    for (HBITMAP& picture : sSuitPictures)
        ReleaseDialogPicture(&picture);
    gDialogAccepted = accepted ? 1 : 0;
    EndDialog(dialog, accepted ? 1 : 0);
}

void InitSuitNames(HWND dialog) {
    for (int i = 0; i < kSuitPictureCount; ++i)
        LoadDialogPicture(dialog, &sSuitPictures[i], 3042 + i);
    ShowSuitNames(dialog, gSettings->body.suitNameChoice);
}

// ---- Releasing and ending ----------------------------------------------------------------

void EndWithPicture(HWND dialog, HBITMAP* picture, INT_PTR result) {
    ReleaseDialogPicture(picture);
    EndDialog(dialog, result);
}

void EndIntro(HWND dialog) {
    KillTimer(dialog, kIntroTimer);
    EndWithPicture(dialog, &sIntroPicture, 1);
}

// ---- Styles comparison -------------------------------------------------------------------

constexpr char kComparisonSite[] = "https://schafkopf.example.org/";
constexpr int kShellFileNotFound = 2;

void OpenComparisonPage() {
    char address[kStringBufferSize];
    CopyPath(address, sizeof address, kComparisonSite);
    AppendPath(address, sizeof address, gLanguageEnglish ? "vergleicheng.html" : "vergleich.html");
    OpenWithShell(gMainWindow, address);
}

void OpenComparisonInManual() {
    const char* page = gLanguageEnglish ? "contente\\vergleicheng.html" : "content\\vergleich.html";
    if (OpenWithShell(gMainWindow, page) != kShellFileNotFound)
        return;
    char fallback[kStringBufferSize];
    CopyPath(fallback, sizeof fallback, "manual\\");
    AppendPath(fallback, sizeof fallback, page);
    OpenWithShell(gMainWindow, fallback);
}

void EndStylesComparison(HWND dialog) {
    for (HBITMAP& picture : sStylePictures)
        ReleaseDialogPicture(&picture);
    EndDialog(dialog, 1);
}

INT_PTR StylesComparisonCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndStylesComparison(dialog);
        return TRUE; // the Cancel button, and Esc
    case 203:
        OpenComparisonPage();
        return TRUE;
    case 204:
        OpenComparisonInManual();
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

// ---- The dialog procedures ---------------------------------------------------------------

INT_PTR CALLBACK SuitNamesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        InitSuitNames(dialog);
        return TRUE;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = DrawItemOf(lParam);
        const int index = static_cast<int>(item->CtlID) - 221;
        if (index >= 0 && index < kSuitPictureCount)
            DrawDialogPicture(item, sSuitPictures[index]);
        return TRUE;
    }
    case WM_CLOSE:
        EndSuitNames(dialog, false);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case 200:
            SetSuitNameItemsEnabled(dialog, IsItemChecked(dialog, 200));
            return TRUE;
        case IDOK:
            EndSuitNames(dialog, true);
            return TRUE;
        case IDCANCEL:
            EndSuitNames(dialog, false);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK TheEndDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadDialogPicture(dialog, &sTheEndPicture, 3030);
        for (int i = 0; i < 3; ++i)
            SetItemText(dialog, gTheEndTexts[i], 201 + i);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == 200)
            DrawDialogPicture(DrawItemOf(lParam), sTheEndPicture);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return WhiteBrush();
    case WM_CLOSE:
        EndWithPicture(dialog, &sTheEndPicture, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL)
            return FALSE;
        EndWithPicture(dialog, &sTheEndPicture, LOWORD(wParam) == IDOK ? 1 : 0);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK StartupNotesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog);
        LoadDialogPicture(dialog, &sNotesPicture, 3014);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == 200)
            DrawDialogPicture(DrawItemOf(lParam), sNotesPicture);
        return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return WhiteBrush();
    case WM_CLOSE:
        EndWithPicture(dialog, &sNotesPicture, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            if (IsItemChecked(dialog, 201))
                gSettings->body.hideStartupNotes = 1;
            EndWithPicture(dialog, &sNotesPicture, 1);
            return TRUE;
        }
        if (LOWORD(wParam) != IDCANCEL)
            return FALSE;
        EndWithPicture(dialog, &sNotesPicture, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK IntroDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        CenterWindow(dialog);
        LoadDialogPicture(dialog, &sIntroPicture, 11419);
        SetTimer(dialog, kIntroTimer, kIntroMilliseconds, nullptr);
        PlayEventSound(1500, -1);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == 200)
            DrawDialogPicture(DrawItemOf(lParam), sIntroPicture);
        return TRUE;
    case WM_CTLCOLORDLG:
        return WhiteBrush();
    case WM_TIMER:
        if (wParam != kIntroTimer)
            return FALSE;
        EndIntro(dialog);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_CLOSE:
        EndIntro(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != 1 && LOWORD(wParam) != 2 && LOWORD(wParam) != 200)
            return FALSE;
        EndIntro(dialog);
        return TRUE;
    case WM_DESTROY:
        // Ended by its owner's close: the picture and the timer go with it.
        KillTimer(dialog, kIntroTimer);
        ReleaseDialogPicture(&sIntroPicture);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK StylesComparisonDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        for (int i = 0; i < 3; ++i)
            LoadDialogPicture(dialog, &sStylePictures[i], 1450 + i);
        return TRUE;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = DrawItemOf(lParam);
        const int index = static_cast<int>(item->CtlID) - 200;
        if (index >= 0 && index < 3)
            DrawDialogPicture(item, sStylePictures[index]);
        return TRUE;
    }
    case WM_CLOSE:
        EndStylesComparison(dialog);
        return TRUE;
    case WM_COMMAND:
        return StylesComparisonCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}

// ---- Callers -----------------------------------------------------------------------------

void SetSuitNameItemsEnabled(HWND dialog, bool flag) {
    for (int item = kFirstNameButton; item <= kLastNameButton; ++item)
        SetItemEnabled(dialog, item, flag);
}

bool ChangeSuitNames() {
    gDialogAccepted = 0;
    if (!gSettings)
        return false;
    return RunModalDialog(gMainWindow, kSuitNamesDialog, SuitNamesDialogProc, 0) == 1;
}

void ShowTheEnd(const char* text1, const char* text2, const char* text3, int kind) {
    const char* texts[3] = {text1, text2, text3};
    for (int i = 0; i < 3; ++i)
        CopyPath(gTheEndTexts[i], kTheEndTextSize, texts[i] ? texts[i] : "");
    PlayEventSound(kind == 8 ? 1508 : kind == 1 ? 1505 : 1513, -1);
    RunModalDialog(Owner(gWindowSlots[kTableSlot]), kTheEndDialog, TheEndDialogProc, 0);
}

bool ShowStartupNotes() {
    if (!gSettings || gSettings->body.hideStartupNotes == 1)
        return false;
    RunModalDialog(gMainWindow, kStartupNotesDialog, StartupNotesDialogProc, 0);
    HWND table = gWindowSlots[kTableSlot];
    if (table && IsWindow(table))
        UpdateWindow(table);
    return true;
}

void ShowIntro() {
    RunModalDialog(gMainWindow, kIntroDialog, IntroDialogProc, 0);
    StopSounds();
}

void ComparePlayingStyles() {
    RunModalDialog(gMainWindow, kStylesComparisonDialog, StylesComparisonDialogProc, 0);
}

bool AskNewPairing(bool* yes) {
    const int answer = AskYesNoCancel(1000, 265, "");
    *yes = answer == kAnswerYes;
    return answer != kAnswerCancel;
}

bool ConfirmNextGameDay() {
    return AskOkCancel(1501, 107, "");
}

void StartNextPairing() {
    bool yes = true;
    if (!gStoryMode && !AskNewPairing(&yes))
        return;
    if (gPaneSlots[kTableSlot]) {
        if (gSkatGame)
            gSkatGame->ResetScoreList();
        RedrawWindows(true, false);
    }
    SendTableCommand(gDirector, 3, yes ? 1 : 0);
}

void ChangeGameDay() {
    if (!ConfirmNextGameDay())
        return;
    SendTableCommand(gDirector, 4, 0);
    UpdateScoreWindows(false);
    RedrawWindows(true, false);
}

#include "views/win32/SideWindows.h"

#include "games/fourplayer/GameController.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowSlots.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "views/win32/LastTrickPane.h"
#include "views/win32/ScoreSheetPane.h"
#include "views/win32/SidePanes.h"
#include "views/win32/TablePane.h"

std::int16_t gOpenCardsPlayer = 1;
std::uint8_t gWindowsNT = (GetVersion() & 0x80000000u) == 0 ? 1 : 0;

namespace {

// The windows by how they treat their messages.
enum class Family { LastTrick, OpenCards, CardsPlayed, Score, LeagueTable, Pairings, Tournament };

constexpr int kMinimumScoreHeight = 60;
constexpr int kCardsPlayedWidth = 297; // client area of the Cards Played window
constexpr int kCardsPlayedHeight = 95;
constexpr int kGameDayStrip = 21; // the pairings window's "Game day:" line above the sheet

SideWindowHost& Host() {
    static SideWindowHost host;
    return host;
}

SidePaneMaker& OpenCardsMaker() {
    static SidePaneMaker maker;
    return maker;
}

SidePaneMaker& CardsPlayedMaker() {
    static SidePaneMaker maker;
    return maker;
}

ScorePaneMaker* ScoreMaker(int slot) {
    static ScorePaneMaker makers[4];
    switch (slot) {
    case kScoreSlot:
        return &makers[0];
    case kPairingsSlot:
        return &makers[1];
    case kLeagueTableSlot:
        return &makers[2];
    case kTournamentSlot:
        return &makers[3];
    default:
        return nullptr;
    }
}

bool IsScoreFamily(Family family) {
    return family == Family::Score || family == Family::LeagueTable || family == Family::Pairings ||
           family == Family::Tournament;
}

int OpenCardsSlotOf(int player) {
    return player == 1 ? kOpenCardsSlot1 : player == 2 ? kOpenCardsSlot2 : kOpenCardsSlot3;
}

// The window's slot; an open-cards window that is not stored yet takes the slot of the player
// it is being opened for.
int SlotOf(Family family, HWND window) {
    switch (family) {
    case Family::LastTrick:
        return kLastTrickSlot;
    case Family::CardsPlayed:
        return kCardsPlayedSlot;
    case Family::Score:
        return kScoreSlot;
    case Family::LeagueTable:
        return kLeagueTableSlot;
    case Family::Pairings:
        return kPairingsSlot;
    case Family::Tournament:
        return kTournamentSlot;
    case Family::OpenCards:
        for (int slot : {kOpenCardsSlot1, kOpenCardsSlot2, kOpenCardsSlot3})
            if (gWindowSlots[slot] == window)
                return slot;
        return OpenCardsSlotOf(gOpenCardsPlayer);
    }
    return kLastTrickSlot;
}

TablePane* TableOfSlots() {
    return static_cast<TablePane*>(gPaneSlots[0]);
}

void PlaceAt(HWND window, int slot) {
    if (auto& place = Host().placeWindow)
        place(window, slot);
}

void SaveRect(HWND window, int slot) {
    if (auto& save = Host().saveWindowRect)
        save(window, slot);
}

// An open window is brought to the top and made the port; answers whether it was open.
bool RaiseOpenWindow(int slot) {
    HWND window = gWindowSlots[slot];
    if (!window)
        return false;
    SelectWindow(window);
    SetPort(window);
    return true;
}

void CreateSideWindow(int dialog, DLGPROC procedure, HWND owner) {
    CreateDialogParamA(gAppInstance, MAKEINTRESOURCEA(dialog), owner, procedure, 0);
}

Pane* MakeLastTrickPane(int kind) {
    switch (kind) {
    case 0:
        return new LastTrickPaneWin;
    case 1:
    case 2:
        return new FourSeatLastTrickPaneWin;
    default:
        return nullptr;
    }
}

// Last Trick, open cards and Cards Played: the pane sizes the window (Cards Played has a fixed
// client area), placed at the slot's saved corner.
void OpenPlainWindow(Family family, HWND window) {
    SetPort(window);
    TextFont(kFontArial);
    const int slot = SlotOf(family, window);
    gWindowSlots[slot] = window;
    TablePane* table = TableOfSlots();
    const int kind = table ? table->GetGameKind() : -1;
    GameController* controller = table ? table->controller : nullptr;
    Pane* pane = nullptr;
    if (family == Family::LastTrick) {
        pane = MakeLastTrickPane(kind);
        if (pane)
            pane->Init(controller, gSettings, window, nullptr);
    } else if (family == Family::OpenCards) {
        if (auto& make = OpenCardsMaker())
            pane = make(kind, window);
    } else if (auto& make = CardsPlayedMaker()) {
        pane = make(kind, window);
    }
    gPaneSlots[slot] = pane;
    int width = 0, height = 0;
    if (family == Family::CardsPlayed) {
        width = kCardsPlayedWidth + FrameExtraWidth(false);
        height = kCardsPlayedHeight + FrameExtraHeight(false, false);
    } else if (pane) {
        RECT bounds;
        pane->GetBounds(&bounds);
        width = bounds.right - bounds.left;
        height = bounds.bottom - bounds.top;
    }
    PlaceAt(window, slot);
    if (width > 0 && height > 0)
        SizeWindow(window, width, height);
    if (family == Family::OpenCards && controller) {
        char name[kNameTextSize];
        controller->GetPlayerNameC(name, gOpenCardsPlayer);
        SetWTitle(window, name);
    }
    ShowWindow(window, SW_SHOW);
    if (family == Family::OpenCards) {
        SetPort(window);
        TextFont(kFontArial);
    }
}

// The score family keeps the height the player gave the window (at least 60 pixels) and
// takes its width from the sheet.
void OpenScoreFamilyWindow(Family family, HWND window) {
    SetPort(window);
    TextFont(kFontArial);
    const int slot = SlotOf(family, window);
    TablePane* table = TableOfSlots();
    const int kind = table ? table->GetGameKind() : -1;
    ScoreSheetPane* pane = nullptr;
    if (ScorePaneMaker* make = ScoreMaker(slot); make && *make)
        pane = (*make)(kind, window);
    if (pane)
        pane->InitSide(table ? table->controller : nullptr, window, gSettings,
                       static_cast<ControlRef>(kVerticalScrollRef + slot),
                       static_cast<ControlRef>(kHorizontalScrollRef + slot), table);
    gPaneSlots[slot] = pane;
    int height = 0;
    if (gSettings) {
        const WindowRect& saved = gSettings->body.windowRects[slot];
        height = saved.bottom - saved.top;
    }
    if (height < kMinimumScoreHeight)
        height = kMinimumScoreHeight;
    PlaceAt(window, slot);
    const int width =
        FrameExtraWidth(true) + (pane ? pane->GetContentWidth() : 0) + 2 + (gWindowsNT ? -10 : 4);
    SizeWindow(window, width, height);
    ShowWindow(window, SW_SHOW);
    gWindowSlots[slot] = window;
    if (pane)
        pane->SetScrollRange(pane->GetLineCount());
}

void EraseClient(Family family, HWND window) {
    RECT client;
    GetClientRect(window, &client);
    if (family == Family::Pairings)
        client.top = kGameDayStrip;
    EraseRect(&client);
}

void Paint(Family family, HWND window, Pane* pane) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (!dc)
        return;
    BeginDrawing(dc);
    UsePalette(dc);
    if (pane) {
        RECT rect = {0, 0, 0, 0};
        if (family != Family::OpenCards)
            EraseClient(family, window);
        if (family == Family::CardsPlayed)
            GetClientRect(window, &rect);
        pane->Draw(&rect);
    }
    EndDrawing();
    EndPaint(window, &paint);
}

// The score family's redraw after a resize or a scroll: the whole sheet in the client area.
void RedrawSheet(Family family, HWND window, Pane* pane) {
    if (!pane)
        return;
    PortScope port(window);
    EraseClient(family, window);
    RECT client;
    GetClientRect(window, &client);
    pane->Draw(&client);
}

// A scroll message on one of the window's own bars; answers whether the position changed.
bool Scroll(int slot, UINT message, WPARAM wParam) {
    const ControlRef bar = static_cast<ControlRef>(
        (message == WM_VSCROLL ? kVerticalScrollRef : kHorizontalScrollRef) + slot);
    const int code = LOWORD(wParam);
    if (code == SB_THUMBPOSITION) {
        const std::int32_t before = GetControlValue(bar);
        SetControlValue(bar, static_cast<std::int16_t>(HIWORD(wParam)));
        return GetControlValue(bar) != before;
    }
    return ScrollCodeToDelta(bar, code);
}

void Close(HWND window, int slot) {
    SaveRect(window, slot);
    ReleasePortDC(window);
    // A modeless window is destroyed, not ended: ending would only hide it and leave a
    // window behind at every close.
    DestroyWindow(window);
    gWindowSlots[slot] = nullptr;
    delete gPaneSlots[slot];
    gPaneSlots[slot] = nullptr;
}

INT_PTR WhiteBrush() {
    return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

INT_PTR SideWindowProc(Family family, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(window, message, wParam, lParam);
    if (message == WM_INITDIALOG) {
        if (IsScoreFamily(family))
            OpenScoreFamilyWindow(family, window);
        else
            OpenPlainWindow(family, window);
        return TRUE;
    }
    const int slot = SlotOf(family, window);
    Pane* pane = gPaneSlots[slot];
    const bool scoreFamily = IsScoreFamily(family);
    switch (message) {
    case WM_PAINT:
        Paint(family, window, pane);
        return FALSE;
    case WM_CHAR:
        if (family == Family::Score || family == Family::LeagueTable)
            return TRUE; // the sheets take no keys, and the table does not get them either
        if (!scoreFamily)
            if (Pane* table = gPaneSlots[0])
                table->HandleKey(static_cast<std::int8_t>(static_cast<std::uint8_t>(wParam)));
        return FALSE;
    case WM_ACTIVATEAPP:
        if (wParam && pane && (family == Family::LastTrick || family == Family::OpenCards))
            pane->InvalidateAll();
        return FALSE;
    case WM_MOVE:
        if (family == Family::CardsPlayed)
            SaveRect(window, slot);
        return FALSE;
    case WM_SIZE:
        if (scoreFamily && gWindowSlots[slot] && IsWindowEnabled(gWindowSlots[slot])) {
            RedrawSheet(family, window, pane);
            if (pane)
                static_cast<ScoreSheetPane*>(pane)->SetScrollRange(
                    static_cast<ScoreSheetPane*>(pane)->GetLineCount());
        }
        return FALSE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (scoreFamily && Scroll(slot, message, wParam))
            RedrawSheet(family, window, pane);
        return FALSE;
    case WM_CTLCOLORDLG:
        if (family == Family::OpenCards || family == Family::CardsPlayed)
            return FALSE;
        return WhiteBrush();
    case WM_CTLCOLORSTATIC:
        if (family != Family::Pairings)
            return FALSE;
        // The "Game day:" text stands on the sheet's white.
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(GetStockObject(HOLLOW_BRUSH));
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        ClickSidePane(pane, message);
        return FALSE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            Close(window, slot);
            return TRUE;
        }
        if (family == Family::Pairings && LOWORD(wParam) == kGameDayCombo && pane)
            pane->HandleCommand(1);
        return FALSE;
    case WM_DESTROY:
        SaveRect(window, slot);
        ReleasePortDC(window);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

void SetSideWindowHost(const SideWindowHost& host) {
    Host() = host;
}

const SideWindowHost& GetSideWindowHost() {
    return Host();
}

void SetOpenCardsPaneMaker(SidePaneMaker maker) {
    OpenCardsMaker() = std::move(maker);
}

void SetCardsPlayedPaneMaker(SidePaneMaker maker) {
    CardsPlayedMaker() = std::move(maker);
}

void SetScorePaneMaker(int slot, ScorePaneMaker maker) {
    if (ScorePaneMaker* entry = ScoreMaker(slot))
        *entry = std::move(maker);
}

bool SideWindowAvailable(int menuItem) {
    switch (menuItem) {
    case 503:
        return true;
    case 504:
        return static_cast<bool>(CardsPlayedMaker());
    case 505: {
        ScorePaneMaker* make = ScoreMaker(kScoreSlot);
        return make && *make;
    }
    case 1412:
    case 1413:
    case 1414:
        return static_cast<bool>(OpenCardsMaker());
    case 502:
    case 508:
        return true;
    default:
        return false;
    }
}

void ClickSidePane(Pane* pane, unsigned message) {
    if (!pane)
        return;
    MacPoint point;
    GetMouse(&point);
    pane->HandleClick(point.h, point.v, message == WM_LBUTTONDBLCLK ? 1 : 0);
}

bool ScrollCodeToDelta(ControlRef bar, int code) {
    int delta = 0;
    switch (code) {
    case SB_LINEUP:
        delta = -1;
        break;
    case SB_LINEDOWN:
        delta = 1;
        break;
    case SB_PAGEUP:
        delta = -5;
        break;
    case SB_PAGEDOWN:
        delta = 5;
        break;
    default:
        return false;
    }
    const std::int32_t before = GetControlValue(bar);
    SetControlValue(bar, before + delta);
    return GetControlValue(bar) != before;
}

// The pane class follows the table's game kind, so no side window opens without a table.
void OpenLastTrickWindow() {
    if (!gPaneSlots[0] || RaiseOpenWindow(kLastTrickSlot))
        return;
    CreateSideWindow(kLastTrickTemplate, LastTrickProc, gWindowSlots[0]);
}

int OpenOpenCardsWindow(int player) {
    if (!gPaneSlots[0])
        return -1;
    const int slot = OpenCardsSlotOf(player);
    if (!RaiseOpenWindow(slot) && OpenCardsMaker()) {
        gOpenCardsPlayer = static_cast<std::int16_t>(player);
        CreateSideWindow(kOpenCardsTemplate, OpenCardsProc, gMainWindow);
    }
    return gWindowSlots[slot] ? slot : -1;
}

void OpenCardsPlayedWindow() {
    if (!gPaneSlots[0] || RaiseOpenWindow(kCardsPlayedSlot) || !CardsPlayedMaker())
        return;
    CreateSideWindow(kCardsPlayedTemplate, CardsPlayedProc, gWindowSlots[0]);
}

namespace {

void OpenScoreFamily(int slot, int dialog, DLGPROC procedure) {
    ScorePaneMaker* make = ScoreMaker(slot);
    if (!gPaneSlots[0] || RaiseOpenWindow(slot) || !make || !*make)
        return;
    CreateSideWindow(dialog, procedure, gWindowSlots[0]);
}

} // namespace

void OpenScoreWindow() {
    OpenScoreFamily(kScoreSlot, kScoreTemplate, ScoreProc);
}

void OpenPairingsWindow() {
    OpenScoreFamily(kPairingsSlot, kPairingsTemplate, PairingsProc);
}

void OpenLeagueTableWindow() {
    OpenScoreFamily(kLeagueTableSlot, kLeagueTableTemplate, LeagueTableProc);
}

void OpenTournamentWindow() {
    OpenScoreFamily(kTournamentSlot, kTournamentTemplate, TournamentProc);
}

INT_PTR CALLBACK LastTrickProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::LastTrick, window, message, wParam, lParam);
}

INT_PTR CALLBACK OpenCardsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::OpenCards, window, message, wParam, lParam);
}

INT_PTR CALLBACK CardsPlayedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::CardsPlayed, window, message, wParam, lParam);
}

INT_PTR CALLBACK ScoreProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::Score, window, message, wParam, lParam);
}

INT_PTR CALLBACK PairingsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::Pairings, window, message, wParam, lParam);
}

INT_PTR CALLBACK LeagueTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::LeagueTable, window, message, wParam, lParam);
}

INT_PTR CALLBACK TournamentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return SideWindowProc(Family::Tournament, window, message, wParam, lParam);
}

void PrepareSideWindows() {
    InstallSidePanes();
}
void AttachSideWindows() {}

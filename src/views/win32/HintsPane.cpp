#include "views/win32/HintsPane.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/CardCodes.h"
#include "engine/GameRecords.h"
#include "engine/TrickGameCore.h"
#include "games/fourplayer/DoppelkopfController.h"
#include "platform/Handles.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Input.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowHelpers.h"
#include "platform/win32/WindowSlots.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TablePane.h"

namespace {

constexpr int kLastReason = 59;
constexpr int kTextWidth = 300; // item 204, wide enough to wrap every reason in a few lines
constexpr int kGap = 10;

RECT FirstSetCard(Settings* settings) {
    WindowRect bounds = {0, 0, 0, 0};
    if (settings)
        settings->GetCardSetBounds0(&bounds);
    RECT rect = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    return rect;
}

int ComboSelection(HWND dialog, int item) {
    const LRESULT selection = SendDlgItemMessageA(dialog, item, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

int ComboCount(HWND dialog, int item) {
    const LRESULT count = SendDlgItemMessageA(dialog, item, CB_GETCOUNT, 0, 0);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

// Moves and sizes a dialog item, in the dialog's client coordinates.
void PlaceItem(HWND dialog, int item, int left, int top, int width, int height) {
    if (HWND control = GetDlgItem(dialog, item))
        SetWindowPos(control, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Gives the card item room for a card of the first set and the text item room for the longest
// reason, and the window room for both.
void LayoutHintsDialog(HWND dialog, Settings* settings) {
    RECT card = FirstSetCard(settings);
    RECT cardItem;
    GetItemRectInClient(dialog, kHintsCard, &cardItem);
    const int cardWidth = std::max<int>(card.right, 20);
    const int cardHeight = std::max<int>(card.bottom, 20);
    PlaceItem(dialog, kHintsCard, cardItem.left, cardItem.top, cardWidth, cardHeight);

    int textHeight = 0;
    if (HWND text = GetDlgItem(dialog, kHintsText)) {
        HDC dc = GetDC(text);
        HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(text, WM_GETFONT, 0, 0));
        HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
        for (int reason = 1; reason <= kLastReason; ++reason) {
            char line[256];
            HintsPane::ReasonText(reason, line);
            RECT measure = {0, 0, kTextWidth, 0};
            DrawTextA(dc, line, -1, &measure, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            textHeight = std::max<int>(textHeight, measure.bottom);
        }
        if (previous)
            SelectObject(dc, previous);
        ReleaseDC(text, dc);
    }
    const int textLeft = cardItem.left + cardWidth + kGap;
    textHeight = std::max(textHeight + 4, cardHeight);
    PlaceItem(dialog, kHintsText, textLeft, cardItem.top, kTextWidth, textHeight);

    RECT client = {0, 0, 0, 0};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        client.right = std::max(client.right, r.right);
        client.bottom = std::max(client.bottom, r.bottom);
    }
    client.right += kGap;
    client.bottom += kGap;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE));
    AdjustWindowRectEx(&client, style, FALSE, exStyle);
    SetWindowPos(dialog, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

TrickGameCore* HintsPane::Game() const {
    auto* four = dynamic_cast<DoppelkopfController*>(controller);
    return four ? four->player : nullptr;
}

void HintsPane::ReasonText(int reason, char* text) {
    text[0] = '\0';
    if (reason >= 1 && reason <= kLastReason)
        GetIndString(text, kReasonTextList, static_cast<std::int16_t>(reason));
}

void HintsPane::InitSide(GameController* gameController, Settings* paneSettings, void* record,
                         HWND paneWindow) {
    Init(gameController, paneSettings, paneWindow, nullptr);
    options = record;
    playerCombo = kHintsPlayerCombo;
    trickCombo = kHintsTrickCombo;
    hintCard = 0;
    for (int seat = 0; seat < 4; ++seat) {
        char name[kNameTextSize] = "";
        if (controller)
            controller->GetPlayerNameC(name, seat);
        SendDlgItemMessageA(window, playerCombo, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(name));
    }
    SendDlgItemMessageA(window, playerCombo, CB_SETCURSEL, 0, 0);
    GetItemRectInClient(window, kHintsCard, &hintRect);
    FillTricks();
    ShowHint();
}

void HintsPane::FillTricks() {
    const int seat = std::max(0, ComboSelection(window, playerCombo));
    const int previous = std::max(0, ComboSelection(window, trickCombo));
    SendDlgItemMessageA(window, trickCombo, CB_RESETCONTENT, 0, 0);
    TrickGameCore* game = Game();
    if (game && seat < 4) {
        const int perHand = std::min(game->GetCardsPerHand(), kTrickCount);
        for (int trick = 1; trick < perHand && game->tricks[trick - 1].cards[seat] != 0;
             ++trick) {
            char text[16];
            std::snprintf(text, sizeof text, "%d", trick);
            SendDlgItemMessageA(window, trickCombo, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(text));
        }
    }
    const int count = ComboCount(window, trickCombo);
    if (count > 0)
        SendDlgItemMessageA(window, trickCombo, CB_SETCURSEL, previous < count ? previous : 0,
                            0);
}

void HintsPane::ShowHint() {
    const int seat = std::max(0, ComboSelection(window, playerCombo));
    const int trick = std::max(0, ComboSelection(window, trickCombo)) + 1;
    char text[256] = "";
    hintCard = 0;
    TrickGameCore* game = Game();
    Handle logHandle = game && seat < 4 ? game->playLogs[seat] : nullptr;
    const PlayLog* log = logHandle && GetHandleSize(logHandle) >= kPlayLogSize
                             ? static_cast<const PlayLog*>(logHandle)
                             : nullptr;
    if (log && ComboCount(window, trickCombo) > 0) {
        const int count = std::clamp<int>(log->count, 0, kPlayLogEntries);
        if (count >= trick) {
            int entry = trick - 1;
            // The order table names the entry of each line; an entry out of range is ignored.
            if (trick - 1 < 12 && log->order[trick - 1] >= 0 && log->order[trick - 1] < count)
                entry = log->order[trick - 1];
            const int card = PlayLogCard(log->entries[entry]);
            if (card >= 1 && card <= 32)
                hintCard = static_cast<std::int16_t>(ConvertToPictureOrder(card));
            ReasonText(log->entries[entry].reason, text);
        }
    }
    SetItemText(window, text, kHintsText);
    if (HWND item = GetDlgItem(window, kHintsCard))
        InvalidateRect(item, nullptr, FALSE);
}

void HintsPane::Renew() {
    FillTricks();
    ShowHint();
}

void HintsPane::Draw(const RECT* rect) {
    DrawHintCard(rect ? rect : &hintRect);
}

void HintsPane::HandleClick(int, int, int) {}

void HintsPane::HandleKey(std::int8_t key) {
    if (key == 13 || key == 3)
        HandleCommand(200);
}

void HintsPane::HandleCommand(int command) {
    if (command == kHintsPlayerCombo) {
        FillTricks();
        ShowHint();
    } else if (command == kHintsTrickCombo) {
        ShowHint();
    }
}

int HintsPane::FindCellAt(int, int) {
    return 0;
}

// The card of the first set at the rectangle's left edge, centred from top to bottom.
void HintsPane::DrawHintCard(const RECT* rect) {
    PortScope port(window);
    RECT card = FirstSetCard(settings);
    const int height = rect->bottom - rect->top;
    OffsetRect(&card, rect->left, rect->top + (height - card.bottom) / 2);
    HBITMAP picture = nullptr;
    if (settings && hintCard >= 1 && hintCard <= 32)
        picture = static_cast<HBITMAP>(settings->cardPictures[0][hintCard]);
    if (picture) {
        DrawPicture(picture, &card);
    } else {
        EraseRect(rect);
        PenSize(1, 1);
        FramePortRect(&card);
    }
}

// ---- The window ------------------------------------------------------------------------------

void OpenHintsWindow() {
    if (HWND open = gWindowSlots[kHintsWindowSlot]) {
        SelectWindow(open);
        SetPort(open);
        return;
    }
    auto* table = static_cast<TablePane*>(gPaneSlots[0]);
    if (!table || !dynamic_cast<DoppelkopfController*>(table->controller))
        return;
    const int kind = table->GetGameKind();
    if (kind != 1 && kind != 2)
        return;
    DialogBoxParamA(gAppInstance, MAKEINTRESOURCEA(kHintsTemplate), gMainWindow, HintsProc, 0);
}

namespace {

void SaveHintsRect(HWND window) {
    if (auto& save = GetSideWindowHost().saveWindowRect)
        save(window, kHintsWindowSlot);
}

void CloseHints(HWND window) {
    SaveHintsRect(window);
    ReleasePortDC(window);
    EndDialog(window, 1);
    gWindowSlots[kHintsWindowSlot] = nullptr;
    delete gPaneSlots[kHintsWindowSlot];
    gPaneSlots[kHintsWindowSlot] = nullptr;
}

} // namespace

INT_PTR CALLBACK HintsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TrackInput(window, message, wParam, lParam);
    auto* pane = static_cast<HintsPane*>(gPaneSlots[kHintsWindowSlot]);
    switch (message) {
    case WM_INITDIALOG: {
        gWindowSlots[kHintsWindowSlot] = window;
        auto* table = static_cast<TablePane*>(gPaneSlots[0]);
        LayoutHintsDialog(window, gSettings);
        if (auto& place = GetSideWindowHost().placeWindow)
            place(window, kHintsWindowSlot);
        ShowWindow(window, SW_SHOW);
        SetPort(window);
        TextFont(kFontArial);
        const int kind = table ? table->GetGameKind() : 0;
        if ((kind == 1 || kind == 2) && table->controller) {
            auto* hints = new HintsPane;
            gPaneSlots[kHintsWindowSlot] = hints;
            hints->InitSide(table->controller, gSettings, nullptr, window);
        }
        return TRUE;
    }
    case WM_PAINT: {
        // The game may have moved on under the window (the automatic Put Away runs while it
        // is open): the trick list is renewed, keeping player and trick.
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (pane)
            pane->Renew();
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam == kHintsCard && item && (item->itemAction & ODA_DRAWENTIRE) && pane) {
            BeginDrawing(item->hDC);
            RECT rect = item->rcItem;
            pane->Draw(&rect);
            EndDrawing();
        }
        return TRUE;
    }
    case WM_CHAR:
        if (pane)
            pane->HandleKey(static_cast<std::int8_t>(static_cast<std::uint8_t>(wParam)));
        return FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL || id == 200) {
            CloseHints(window);
            return TRUE;
        }
        if (pane && (id == kHintsPlayerCombo || id == kHintsTrickCombo) &&
            HIWORD(wParam) == CBN_SELCHANGE)
            pane->HandleCommand(id);
        return FALSE;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        ClickSidePane(pane, message);
        return FALSE;
    case WM_DESTROY:
        SaveHintsRect(window);
        ReleasePortDC(window);
        if (gWindowSlots[kHintsWindowSlot] == window) {
            gWindowSlots[kHintsWindowSlot] = nullptr;
            delete gPaneSlots[kHintsWindowSlot];
            gPaneSlots[kHintsWindowSlot] = nullptr;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

#include "views/win32/Pane.h"

#include <cstring>

#include "games/fourplayer/GameController.h"
#include "media/win32/ExtensionManager.h"
#include "platform/StringLists.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"

namespace {

void DrawSetPicture(Settings* settings, int set, int index, const RECT* rect) {
    if (!settings)
        return;
    auto picture = static_cast<HBITMAP>(settings->cardPictures[set][index]);
    if (picture)
        DrawPicture(picture, rect);
}

} // namespace

void Pane::Init(GameController* gameController, Settings* paneSettings, HWND paneWindow,
                void* paneOwner) {
    Self();
    controller = gameController;
    settings = paneSettings;
    window = paneWindow;
    owner = paneOwner;
    smallFaces = secondSet = fullSize = 0;
    ClearSelection();
    savedClip = nullptr;
}

char* Pane::GetStyleName(char* buffer, int code) {
    // The named codes in list order: 32 to 45, then 60 to 71; codes between them name no style.
    static constexpr int kFirstRow[] = {1, 2, 3, 4, 6, 7, 9, 10, 11, 12, 14, 15, 16, 17};
    static constexpr int kSecondRow[] = {19, 20, 21, 22, 24, 25, 26, 27, 29, 30, 31, 32};
    buffer[0] = '\0';
    int index = 0;
    for (int i = 0; i < 14; ++i)
        if (kFirstRow[i] == code)
            index = 32 + i;
    for (int i = 0; i < 12; ++i)
        if (kSecondRow[i] == code)
            index = 60 + i;
    if (index)
        GetIndString(buffer, 1503, static_cast<std::int16_t>(index));
    return buffer;
}

void Pane::LayoutControls(int) {}

void Pane::GetBounds(RECT* bounds) {
    const int size = settings ? settings->body.cardSize : kCardSizeSmall;
    int width = 636, height = 436;
    switch (size) {
    case 0:
        width = 792, height = 556;
        break;
    case 2:
        width = 1016, height = 724;
        break;
    case 3:
        width = 1272, height = 916;
        break;
    default:
        break;
    }
    // With the taskbar reduction on, a main window that is no wider than the pane (nearly the
    // whole screen) leaves the bottom rows to the taskbar.
    int correction = 0;
    if (settings && settings->body.reduceTaskbar == 1 && (size == 0 || size == 2 || size == 3)) {
        RECT outer = {0, 0, 0, 0};
        if (gMainWindow)
            GetWindowRect(gMainWindow, &outer);
        if (outer.right - outer.left < width + 60)
            correction = size == 0 ? 20 : 25;
    }
    SetRect(bounds, 0, 0, width, height - correction);
}

void Pane::ClearSelection() {
    selection = -1;
}

void Pane::SetSelection(int code) {
    selection = static_cast<std::int16_t>(code);
}

void Pane::InvalidateAll() {
    if (!window)
        return;
    PortScope port(window);
    RECT client;
    GetClientRect(window, &client);
    InvalidateRect(window, &client, FALSE);
}

void Pane::RedrawRect(const RECT* rect) {
    PortScope port(window);
    EraseRect(rect);
}

bool Pane::DrawPage(const RECT*, int) {
    return false;
}

void Pane::Draw(const RECT*) {}

void Pane::DrawCardCell(int code, const RECT* rect) {
    PortScope port(window);
    if (code == 0) {
        EraseRect(rect);
    } else if (code >= 1 && code <= 33) {
        DrawSetPicture(settings, 2, code == 33 ? 0 : code, rect);
    }
    if (code == selection) {
        PenSize(3, 3);
        FramePortRect(rect);
    }
    if (code == 0 || code > 32) {
        PenSize(1, 1);
        FramePortRect(rect);
    }
    PenSize(1, 1);
}

void Pane::DrawCard(std::int16_t code, const RECT* rect) {
    PortScope port(window);
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int size = settings ? settings->body.cardSize : kCardSizeSmall;
    if (code < 1) {
        EraseRect(rect);
    } else if (code <= 32) {
        int set = 2;
        if (height > width) {
            set = 3;
        } else if (secondSet) {
            set = 1;
        } else if (!smallFaces && width >= 100 && (width >= 112 || size == kCardSizeSmall)) {
            set = fullSize ? 3 : 0;
        }
        DrawSetPicture(settings, set, code, rect);
    } else if (code == 33) {
        const int set = secondSet ? 1 : smallFaces ? 2 : fullSize ? 3 : 0;
        DrawSetPicture(settings, set, 0, rect);
    } else if (code >= 35 && code <= 37 && settings) {
        auto picture = static_cast<HBITMAP>(settings->extraPictures[code - 35]);
        if (picture)
            DrawPicture(picture, rect);
    }
    if ((code < 1 || code > 32) && height < width + 30) {
        PenSize(1, 1);
        FramePortRect(rect);
    }
}

void Pane::HandleRightClick() {}
void Pane::HandleMiddleClick() {}
void Pane::HandleClick(int, int, int) {}
void Pane::HandleKey(std::int8_t) {}
void Pane::HandleCommand(int) {}
void Pane::Refresh() {}

void Pane::ApplyClaim(int flag, int seat) {
    if (controller)
        controller->RecordClaim(static_cast<std::uint8_t>(flag) != 0,
                                static_cast<std::int16_t>(seat));
}

void Pane::GiveUp(int, int, int) {}
void Pane::UpdateTitle() {}
void Pane::SetPhase(int, int) {}
void Pane::UpdateMenus() {}
void Pane::ApplySettings() {}
void Pane::ReceiveValue(int) {}

void Pane::ExcludeWindowClip() {
    HDC dc = GetPortDC();
    savedClip = CreateRectRgn(0, 0, 0, 0);
    clipState = dc && savedClip ? GetClipRgn(dc, savedClip) : -1;
    if (clipState != 0)
        return; // a clip of the port's own (or none readable) stays
    RECT client;
    GetClientRect(window, &client);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
}

void Pane::RestoreClip() {
    if (clipState == -1)
        return;
    HDC dc = GetPortDC();
    if (clipState == 1) {
        SelectClipRgn(dc, savedClip);
    } else {
        RECT client;
        GetClientRect(window, &client);
        HRGN whole = CreateRectRgnIndirect(&client);
        SelectClipRgn(dc, whole);
        DeleteObject(whole);
    }
    if (savedClip)
        DeleteObject(savedClip);
    savedClip = nullptr;
    clipState = -1;
}

void AssignRect(RECT* destination, const RECT* source) {
    *destination = *source;
}

void CopyPoint(POINT* destination, const POINT* source) {
    *destination = *source;
}

long double GetCashBalance(const Settings* settings) {
    return settings->body.cashCents / 100.0L + settings->body.cashDimes / 10.0L;
}

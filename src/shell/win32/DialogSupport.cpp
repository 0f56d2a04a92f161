#include "shell/win32/DialogSupport.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/DialogItems.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowsGlobals.h"

namespace {

// "Please enter a number here, not '^1'." (list 1000, index 494)
constexpr std::int16_t kNotANumberList = 1000;
constexpr std::int16_t kNotANumberIndex = 494;

HWND Item(HWND dialog, int item) {
    return GetDlgItem(dialog, item);
}

bool ParseWholeNumber(const char* text, std::int32_t* value) {
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    if (*text == '\0')
        return false;
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || number < INT32_MIN || number > INT32_MAX)
        return false;
    while (std::isspace(static_cast<unsigned char>(*end)))
        ++end;
    if (*end != '\0')
        return false;
    *value = static_cast<std::int32_t>(number);
    return true;
}

} // namespace

void LoadDialogPicture(HWND dialog, HBITMAP* handle, int pictureId) {
    if (*handle)
        return;
    HDC dc = GetDC(dialog);
    *handle = LoadBitmapResource(dc, pictureId, true);
    ReleaseDC(dialog, dc);
}

void ReleaseDialogPicture(HBITMAP* handle) {
    if (!*handle)
        return;
    ReleaseResource(*handle, kPictureResource);
    *handle = nullptr;
}

void DrawDialogPicture(const DRAWITEMSTRUCT* item, HBITMAP picture) {
    if (!(item->itemAction & ODA_DRAWENTIRE) || !picture)
        return;
    UsePalette(item->hDC);
    DrawBitmapButton(0, picture, item);
}

void RefuseField(HWND dialog, int item, std::int16_t list, std::int16_t index) {
    char text[kStringBufferSize];
    GetItemText(dialog, text, item);
    SetFocus(Item(dialog, item));
    SelectItemText(dialog, item, 0, -1);
    StopAlert(list, index, text);
}

bool ReadNumberField(HWND dialog, int item, std::int32_t* value) {
    char text[kStringBufferSize];
    if (ParseWholeNumber(GetItemText(dialog, text, item), value))
        return true;
    RefuseField(dialog, item, kNotANumberList, kNotANumberIndex);
    return false;
}

void SetNumberField(HWND dialog, int item, std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    SetItemText(dialog, text, item);
}

int CheckedRadioIndex(HWND dialog, const int* items, int count) {
    for (int i = 0; i < count; ++i) {
        if (IsItemChecked(dialog, items[i]))
            return i;
    }
    return -1;
}

void CheckRadioIndex(HWND dialog, const int* items, int count, int index) {
    for (int i = 0; i < count; ++i)
        CheckItem(dialog, items[i], i == index);
}

void AddComboText(HWND dialog, int item, const char* text) {
    SendMessageA(Item(dialog, item), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void AddComboString(HWND dialog, int item, int stringId) {
    char text[kStringBufferSize];
    LoadProgramString(stringId, text, sizeof text);
    AddComboText(dialog, item, text);
}

int ComboSelection(HWND dialog, int item) {
    const LRESULT selection = SendMessageA(Item(dialog, item), CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

void SelectComboIndex(HWND dialog, int item, int index) {
    const LRESULT count = SendMessageA(Item(dialog, item), CB_GETCOUNT, 0, 0);
    const WPARAM choice =
        index >= 0 && index < count ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1);
    SendMessageA(Item(dialog, item), CB_SETCURSEL, choice, 0);
}

void LoadProgramString(int stringId, char* buffer, int size) {
    buffer[0] = '\0';
    LoadStringA(gAppInstance, static_cast<UINT>(stringId), buffer, size);
}

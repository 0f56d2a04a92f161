#include "platform/win32/DialogItems.h"

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/WindowSlots.h"

namespace {

HWND Item(HWND dialog, int item) {
    return GetDlgItem(dialog, static_cast<std::int16_t>(item));
}

// Moves the item to (h, v) in the dialog's client coordinates, keeping its size.
bool MoveItem(HWND dialog, int item, int h, int v) {
    HWND control = Item(dialog, item);
    RECT frame;
    if (!GetWindowRect(control, &frame))
        return false;
    return MoveWindow(control, h, v, frame.right - frame.left, frame.bottom - frame.top, TRUE) !=
           FALSE;
}

bool OffsetItemBy(HWND dialog, int item, int dh, int dv) {
    RECT frame;
    if (!GetWindowRect(Item(dialog, item), &frame))
        return false;
    return MoveItem(dialog, item, frame.left + dh, frame.top + dv);
}

} // namespace

void SetItemText(HWND dialog, const char* text, int item) {
    SetDlgItemTextA(dialog, static_cast<std::int16_t>(item), text);
}

void SetItemTextFromList(HWND dialog, int item, std::int16_t list, std::int16_t index) {
    char text[kStringBufferSize];
    GetIndString(text, list, index);
    SetItemText(dialog, text, item);
}

char* GetItemText(HWND dialog, char* buffer, int item) {
    buffer[0] = '\0';
    GetDlgItemTextA(dialog, static_cast<std::int16_t>(item), buffer, 255);
    return buffer;
}

void SelectItemText(HWND dialog, int item, int start, int end) {
    SendMessageA(Item(dialog, item), EM_SETSEL, static_cast<WPARAM>(start),
                 static_cast<LPARAM>(end));
}

void EnableItem(HWND dialog, int item) {
    SetItemEnabled(dialog, item, true);
}

void DisableItem(HWND dialog, int item) {
    SetItemEnabled(dialog, item, false);
}

void SetItemEnabled(HWND dialog, int item, bool flag) {
    EnableWindow(Item(dialog, item), flag ? TRUE : FALSE);
}

bool IsItemEnabled(HWND dialog, int item) {
    return IsWindowEnabled(Item(dialog, item)) != FALSE;
}

bool IsItemActive(HWND dialog, int item) {
    HWND control = Item(dialog, item);
    return IsWindowVisible(control) && IsWindowEnabled(control);
}

void CheckItem(HWND dialog, int item, bool flag) {
    CheckDlgButton(dialog, static_cast<std::int16_t>(item), flag ? BST_CHECKED : BST_UNCHECKED);
}

bool IsItemChecked(HWND dialog, int item) {
    return IsDlgButtonChecked(dialog, static_cast<std::int16_t>(item)) != 0;
}

void HideItem(HWND dialog, int item) {
    ShowWindow(Item(dialog, item), SW_HIDE);
}

void ShowItem(HWND dialog, int item) {
    ShowWindow(Item(dialog, item), SW_SHOW);
}

void InvalItem(HWND dialog, int item) {
    InvalidateRect(Item(dialog, item), nullptr, FALSE);
}

void RedrawItem(HWND dialog, int item) {
    HWND control = Item(dialog, item);
    if (!IsWindowVisible(control))
        return;
    InvalidateRect(dialog, nullptr, FALSE);
    UpdateWindow(control);
}

void ClearCombo(HWND dialog, int item) {
    SendMessageA(Item(dialog, item), CB_RESETCONTENT, 0, 0);
}

void GetItemScreenRect(HWND dialog, int item, RECT* rect) {
    GetWindowRect(Item(dialog, item), rect);
}

void GetItemRect(HWND dialog, int item, RECT* rect) {
    if (!GetWindowRect(Item(dialog, item), rect))
        SysBeep(1);
}

void GetItemRectInTable(HWND dialog, int item, RECT* rect) {
    GetItemScreenRect(dialog, item, rect);
    OffsetRect(rect, -gTableOrigin.x, -gTableOrigin.y);
}

void GetItemRectInClient(HWND window, int item, RECT* rect) {
    // Mapped through the window's real client origin, so any frame style is right.
    GetItemScreenRect(window, item, rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(rect), 2);
}

void MoveItemTo(HWND dialog, int item, int h, int v) {
    if (!MoveItem(dialog, item, h, v))
        SysBeep(1);
}

void OffsetItem(HWND dialog, int item, int dh, int dv) {
    OffsetItemBy(dialog, item, dh, dv);
}

void OffsetItemChecked(HWND dialog, int item, int dh, int dv) {
    if (!OffsetItemBy(dialog, item, dh, dv))
        SysBeep(1);
}

int FindButtonAt(HWND, int, int, int*) {
    return 0;
}

// Thin helpers on the items of a dialog (item ids taken as signed 16-bit).
#pragma once

#include <windows.h>

#include <cstdint>

void SetItemText(HWND dialog, const char* text, int item);
void SetItemTextFromList(HWND dialog, int item, std::int16_t list, std::int16_t index);
char* GetItemText(HWND dialog, char* buffer, int item); // buffer of 256 bytes
void SelectItemText(HWND dialog, int item, int start, int end);
void EnableItem(HWND dialog, int item);
void DisableItem(HWND dialog, int item);
void SetItemEnabled(HWND dialog, int item, bool flag);
bool IsItemEnabled(HWND dialog, int item);
bool IsItemActive(HWND dialog, int item); // visible and enabled
void CheckItem(HWND dialog, int item, bool flag);
bool IsItemChecked(HWND dialog, int item);
void HideItem(HWND dialog, int item);
void ShowItem(HWND dialog, int item);
void InvalItem(HWND dialog, int item);
void RedrawItem(HWND dialog, int item);
void ClearCombo(HWND dialog, int item);
void GetItemScreenRect(HWND dialog, int item, RECT* rect);
void GetItemRect(HWND dialog, int item, RECT* rect);
// Relative to the table window's origin (gTableOrigin).
void GetItemRectInTable(HWND dialog, int item, RECT* rect);
// The item's place in the client area of window.
void GetItemRectInClient(HWND window, int item, RECT* rect);
void MoveItemTo(HWND dialog, int item, int h, int v);
// Moves the item to (its screen left + dh, its screen top + dv) taken as client
// coordinates: callers compute dh and dv against GetItemRect so the screen offsets cancel.
void OffsetItem(HWND dialog, int item, int dh, int dv);
void OffsetItemChecked(HWND dialog, int item, int dh, int dv);
// No item is found by position: answers 0 and writes nothing.
int FindButtonAt(HWND window, int h, int v, int* item);

#include "platform/win32/Menus.h"

bool InsertMenuItem(HMENU menu, const char* text, int after) {
    UINT id = static_cast<UINT>(after + 1);
    return InsertMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text) != FALSE;
}

void DeleteMenuItem(HMENU menu, int id) {
    RemoveMenu(menu, static_cast<UINT>(id), MF_BYCOMMAND);
}

int CountMItems(HMENU menu) {
    return GetMenuItemCount(menu);
}

void SetMenuItemChecked(HMENU menu, int id, bool flag) {
    CheckMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (flag ? MF_CHECKED : MF_UNCHECKED));
}

void SetMenuItemEnabled(HMENU menu, int id, bool flag) {
    // Items below 100 are managed by their menus' own code.
    if (id < 100)
        return;
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (flag ? MF_ENABLED : MF_GRAYED));
}

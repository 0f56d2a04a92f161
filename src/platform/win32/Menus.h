// Menu items addressed by command id.
#pragma once

#include <windows.h>

// The system's InsertMenuItem (a macro for its MENUITEMINFO call) is not used here.
#undef InsertMenuItem

// Inserts an item with id after + 1 in front of the item that already has that id; false
// when there is none.
bool InsertMenuItem(HMENU menu, const char* text, int after);
void DeleteMenuItem(HMENU menu, int id);
int CountMItems(HMENU menu);
void SetMenuItemChecked(HMENU menu, int id, bool flag);
// Ids below 100 are left alone.
void SetMenuItemEnabled(HMENU menu, int id, bool flag);

// What the preference dialogs and the small dialogs share: pictures held in program-wide
// handles for owner-drawn buttons, number fields that are checked before anything is stored,
// and radio groups and lists that keep their field when nothing is chosen.
#pragma once

#include <windows.h>

#include <cstdint>

// Loads the program's bitmap into *handle unless one is loaded there already; a missing
// picture leaves the handle null and its button empty.
void LoadDialogPicture(HWND dialog, HBITMAP* handle, int pictureId);
// Frees the picture and clears the handle (a null handle is left alone).
void ReleaseDialogPicture(HBITMAP* handle);
// On a whole-item draw, the picture with the program palette into the owner-drawn button.
void DrawDialogPicture(const DRAWITEMSTRUCT* item, HBITMAP picture);

// Shows the refusal of a field: the field is selected and a stop box with the string list
// entry says why, with the field's text in place of "^1".
void RefuseField(HWND dialog, int item, std::int16_t list, std::int16_t index);
// Reads a whole decimal number (an optional sign and digits, blanks around allowed); false,
// after RefuseField with the program's not-a-number text, for anything else.
bool ReadNumberField(HWND dialog, int item, std::int32_t* value);
// A number field of at most 6 characters.
void SetNumberField(HWND dialog, int item, std::int32_t value);

// The first checked radio of the group and its index, or -1 when none is checked.
int CheckedRadioIndex(HWND dialog, const int* items, int count);
// Checks the radio at index and clears the others; an index outside the group clears all.
void CheckRadioIndex(HWND dialog, const int* items, int count, int index);

// Combo boxes: strings appended in order; the current selection (-1 for none).
void AddComboText(HWND dialog, int item, const char* text);
void AddComboString(HWND dialog, int item, int stringId);
int ComboSelection(HWND dialog, int item);
void SelectComboIndex(HWND dialog, int item, int index); // -1 or an index outside: none

// A string of the program's string table by id.
void LoadProgramString(int stringId, char* buffer, int size);

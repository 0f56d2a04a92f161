// The window procedures of the table window by game kind. The main window forwards its key,
// activation, menu-initialisation and unhandled command messages to the procedure of the
// edition's kind, so these procedures also see messages addressed to the main window.
#pragma once

#include <windows.h>

INT_PTR CALLBACK NoGameTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SkatTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DoppelkopfTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SchafkopfTableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of a game kind (-1 to 2), or null.
DLGPROC TableProcForKind(int kind);

void ServeMoviesUnlessIconic(HWND window, UINT message);
void LoadSkatTablePictures(HWND window);
void DoppelkopfAnnounceButton(class TablePane* pane);

// The Manual Deal window (window slot 12) and what builds its pane.
#pragma once

#include <windows.h>

#include <functional>

class ManualDealPane;

INT_PTR CALLBACK ManualDealDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Builds the pane for a table's game kind in place of the program's own panes; an empty
// function restores them. A maker that answers null leaves the window empty.
using DealPaneMaker = std::function<ManualDealPane*(int kind, HWND dialog)>;
void SetDealPaneMaker(DealPaneMaker maker);

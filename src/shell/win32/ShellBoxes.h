// Message boxes of the shell that are not built from string lists: the system's error texts,
// the start-up failures and the start-up's own questions. Like the alerts they go through one
// presenter, so that tests answer and record them.
#pragma once

#include <windows.h>

#include "platform/Alerts.h"

int ShowShellBox(HWND owner, const char* text, const char* caption, UINT style);
// Replaces the presenter; an empty function restores the system's message box.
void SetShellBoxPresenter(AlertPresenter presenter);

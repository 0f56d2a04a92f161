// Alert and question boxes built from string-list entries, the debugging box and the beep.
// Every box goes through one presenter so that tests can answer and record boxes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

using WindowRef = void*;  // the owner window (HWND on Windows)

int StopAlert(std::int16_t list, std::int16_t index, const char* value);
int StopAlertForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value);
int CautionAlert(std::int16_t list, std::int16_t index, const char* value);
int NoteAlert(std::int16_t list, std::int16_t index, const char* value);
int NoteAlertForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value);
int NoteAlertTwoParams(std::int16_t list, std::int16_t index, const char* value1, const char* value2);
bool AskOkCancel(std::int16_t list, std::int16_t index, const char* value);
bool AskOkCancelForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value);
int AskYesNoCancel(std::int16_t list, std::int16_t index, const char* value);
void DebugBox(const char* text, std::int32_t number);
void SysBeep(int duration);

// One box as it would be shown: owner, caption, text and the system's style bits.
struct AlertBox {
    WindowRef owner;
    std::string caption;
    std::string text;
    std::uint32_t style;
};
// Shows a box and answers the system's result (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7).
using AlertPresenter = std::function<int(const AlertBox&)>;
// Replaces the presenter; an empty function restores the real message box.
void SetAlertPresenter(AlertPresenter presenter);

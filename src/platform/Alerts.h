// Alert and question boxes built from string-list entries, the debugging box and the beep.
// Every box goes through one presenter so that tests can answer and record boxes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

using WindowRef = void*; // the owner window (HWND on Windows)

// The system's style bits and answers of a box (the values of the Windows message box).
inline constexpr std::uint32_t kBoxOk = 0x0000;
inline constexpr std::uint32_t kBoxOkCancel = 0x0001;
inline constexpr std::uint32_t kBoxYesNoCancel = 0x0003;
inline constexpr std::uint32_t kBoxIconError = 0x0010;
inline constexpr std::uint32_t kBoxIconQuestion = 0x0020;
inline constexpr std::uint32_t kBoxIconInformation = 0x0040;
inline constexpr std::uint32_t kBoxSystemModal = 0x1000;
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

// Each alert loads its text from a string list, puts value in place of "^1" and shows it
// owned by the main window; StopAlertForWindow (system-modal) and AskOkCancelForWindow are
// owned by the given window, NoteAlertForWindow does not use its window. Captions: "Stop";
// "Note" or "Hinweis", "Question" or "Frage" by gLanguageEnglish. CautionAlert is StopAlert.
int StopAlert(std::int16_t list, std::int16_t index, const char* value);
int StopAlertForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value);
int CautionAlert(std::int16_t list, std::int16_t index, const char* value);
int NoteAlert(std::int16_t list, std::int16_t index, const char* value);
int NoteAlertForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value);
int NoteAlertTwoParams(std::int16_t list, std::int16_t index, const char* value1,
                       const char* value2);
bool AskOkCancel(std::int16_t list, std::int16_t index, const char* value);
bool AskOkCancelForWindow(WindowRef window, std::int16_t list, std::int16_t index,
                          const char* value);
int AskYesNoCancel(std::int16_t list, std::int16_t index, const char* value);
// Reports an internal inconsistency: "text number" in a system-modal box "Test ausgabe".
void DebugBox(const char* text, std::int32_t number);
// A box with a text of its own (the system's error texts, the start-up's failures), through the
// same presenter as the alerts; answers the box's result.
int ShowTextBox(WindowRef owner, const char* caption, const char* text, std::uint32_t style);
void SysBeep(int duration); // the system's default beep; the duration is not used
// Test seams: the beeps since the program started, and beeps that are counted but not
// sounded (the system's beep can stall a test process under Wine without a sound card).
std::uint32_t SysBeepCount();
void SetSysBeepSilent(bool silent);

// One box as it would be shown: owner, caption, text and the system's style bits.
struct AlertBox {
    WindowRef owner;
    std::string caption;
    std::string text;
    std::uint32_t style;
};
// Shows a box and answers the system's result (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7).
using AlertPresenter = std::function<int(const AlertBox&)>;
// Replaces the presenter; an empty function restores the system's own (the message box on
// Windows; natively the box is printed to stderr and answered with OK).
void SetAlertPresenter(AlertPresenter presenter);

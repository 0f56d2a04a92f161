#include "platform/Alerts.h"

#include <cstdio>

#include "platform/StringLists.h"
#include "platform/SystemServices.h"

namespace {

std::uint32_t gBeepCount = 0;
bool gBeepSilent = false;

AlertPresenter& InstalledPresenter() {
    static AlertPresenter presenter;
    return presenter;
}

int Present(WindowRef owner, const char* caption, const char* text, std::uint32_t style) {
    const AlertBox box{owner, caption, text, style};
    const AlertPresenter& presenter = InstalledPresenter();
    return presenter ? presenter(box) : PresentSystemAlert(box);
}

// Loads the entry and puts value1 in place of "^1", then value2 (when given) in place of
// "^2". A text is at most 255 characters: the substitution cuts what would run over.
int ShowListAlert(WindowRef owner, const char* caption, std::uint32_t style, std::int16_t list,
                  std::int16_t index, const char* value1, const char* value2 = nullptr) {
    char text[kStringBufferSize];
    GetIndString(text, list, index);
    ParamText('1', text, value1 != nullptr ? value1 : "");
    if (value2 != nullptr) {
        ParamText('2', text, value2);
    }
    return Present(owner, caption, text, style);
}

const char* NoteCaption() {
    return gLanguageEnglish != 0 ? "Note" : "Hinweis";
}

const char* QuestionCaption() {
    return gLanguageEnglish != 0 ? "Question" : "Frage";
}

} // namespace

void SetAlertPresenter(AlertPresenter presenter) {
    InstalledPresenter() = std::move(presenter);
}

int StopAlert(std::int16_t list, std::int16_t index, const char* value) {
    return ShowListAlert(MainAlertOwner(), "Stop", kBoxIconError, list, index, value);
}

int StopAlertForWindow(WindowRef window, std::int16_t list, std::int16_t index, const char* value) {
    return ShowListAlert(window, "Stop", kBoxSystemModal | kBoxIconError, list, index, value);
}

int CautionAlert(std::int16_t list, std::int16_t index, const char* value) {
    return StopAlert(list, index, value);
}

int NoteAlert(std::int16_t list, std::int16_t index, const char* value) {
    return ShowListAlert(MainAlertOwner(), NoteCaption(), kBoxIconInformation, list, index, value);
}

int NoteAlertForWindow(WindowRef, std::int16_t list, std::int16_t index, const char* value) {
    return NoteAlert(list, index, value);
}

int NoteAlertTwoParams(std::int16_t list, std::int16_t index, const char* value1,
                       const char* value2) {
    return ShowListAlert(MainAlertOwner(), NoteCaption(), kBoxIconInformation, list, index, value1,
                         value2 != nullptr ? value2 : "");
}

bool AskOkCancel(std::int16_t list, std::int16_t index, const char* value) {
    return AskOkCancelForWindow(MainAlertOwner(), list, index, value);
}

bool AskOkCancelForWindow(WindowRef window, std::int16_t list, std::int16_t index,
                          const char* value) {
    return ShowListAlert(window, QuestionCaption(), kBoxIconQuestion | kBoxOkCancel, list, index,
                         value) == kAnswerOk;
}

int AskYesNoCancel(std::int16_t list, std::int16_t index, const char* value) {
    return ShowListAlert(MainAlertOwner(), QuestionCaption(), kBoxIconQuestion | kBoxYesNoCancel,
                         list, index, value);
}

int ShowTextBox(WindowRef owner, const char* caption, const char* text, std::uint32_t style) {
    return Present(owner, caption, text != nullptr ? text : "", style);
}

void DebugBox(const char* text, std::int32_t number) {
    char line[128];
    std::snprintf(line, sizeof line, "%s %ld", text != nullptr ? text : "",
                  static_cast<long>(number));
    Present(MainAlertOwner(), "Test ausgabe", line, kBoxOk | kBoxSystemModal);
}

void SysBeep(int) {
    ++gBeepCount;
    if (!gBeepSilent)
        PlaySystemBeep();
}

std::uint32_t SysBeepCount() {
    return gBeepCount;
}

void SetSysBeepSilent(bool silent) {
    gBeepSilent = silent;
}

#include "platform/win32/TextRecorder.h"

#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"

namespace {

bool gRecording = false;

std::vector<RecordedText>& Texts() {
    static std::vector<RecordedText> texts;
    return texts;
}

} // namespace

void StartTextRecording() {
    Texts().clear();
    gRecording = true;
}

void StopTextRecording() {
    gRecording = false;
}

bool IsTextRecording() {
    return gRecording;
}

const std::vector<RecordedText>& RecordedTexts() {
    return Texts();
}

void RecordText(const char* text, int length, int x, int baseLine, const RECT& cell) {
    if (!gRecording || !gFontState)
        return;
    const LOGFONTA& font = gFontState->current;
    RecordedText entry;
    entry.window = gPortDC ? WindowFromDC(gPortDC) : nullptr;
    entry.text.assign(text, static_cast<std::size_t>(length));
    entry.x = x;
    entry.baseLine = baseLine;
    entry.cell = cell;
    entry.face = (font.lfWeight >= FW_BOLD ? kStyleBold : 0) | (font.lfItalic ? kStyleItalic : 0) |
                 (font.lfUnderline ? kStyleUnderline : 0) |
                 (font.lfStrikeOut ? kStyleStrikeOut : 0);
    entry.height = GetTextSize();
    Texts().push_back(std::move(entry));
}

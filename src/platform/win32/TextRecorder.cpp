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
    SetTextRecorder([](const DrawnText& drawn) {
        if (!gFontState)
            return;
        const LOGFONTA& font = gFontState->current;
        RecordedText entry;
        entry.window = gPortDC ? WindowFromDC(gPortDC) : nullptr;
        entry.text = drawn.text;
        entry.x = drawn.h;
        entry.baseLine = drawn.v;
        entry.cell = drawn.cell;
        entry.face = (font.lfWeight >= FW_BOLD ? kStyleBold : 0) |
                     (font.lfItalic ? kStyleItalic : 0) |
                     (font.lfUnderline ? kStyleUnderline : 0) |
                     (font.lfStrikeOut ? kStyleStrikeOut : 0);
        entry.height = GetTextSize();
        Texts().push_back(std::move(entry));
    });
}

void StopTextRecording() {
    gRecording = false;
    SetTextRecorder({});
}

bool IsTextRecording() {
    return gRecording;
}

const std::vector<RecordedText>& RecordedTexts() {
    return Texts();
}

// A record of the texts drawn, for checks that read back what a window shows: each text with
// the window it went to, its cell and its font, collected through the drawing's text recorder.
// Off unless switched on; the program never switches it on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RecordedText {
    HWND window = nullptr; // the window of the context drawn into (null for a memory context)
    std::string text;
    int x = 0;        // left end
    int baseLine = 0; // the pen's v
    RECT cell = {0, 0, 0, 0}; // the text's extent as drawn
    int face = 0;     // style bits: bold 1, italic 2, underline 4, strike-out 8
    int height = 0;   // the font's cell height (the text size + 4, one more below size 10)
};

void StartTextRecording();  // clears the record and switches recording on
void StopTextRecording();
bool IsTextRecording();
const std::vector<RecordedText>& RecordedTexts();

// Text in the current port: a font chosen by number (0 Courier New, 3 Arial), size and
// style, made lazily when text is drawn or measured, and the text operations that move the
// pen on.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct FontState {
    std::int32_t familyCount;
    HFONT currentFont;   // the font object made last (owned by the port it was made for)
    LOGFONTA current;    // the description drawing uses
    LOGFONTA courierNew; // font number 0
    LOGFONTA arial;      // font number 3
    std::vector<std::array<char, 32>> familyNames; // every installed family
};

extern FontState* gFontState;     // made by InitToolbox
extern std::uint8_t gFontChanged; // the description changed since the last font was made

inline constexpr std::int16_t kFontCourierNew = 0;
inline constexpr std::int16_t kFontArial = 3;

// Style bits of TextFace.
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
inline constexpr int kStyleUnderline = 4;
inline constexpr int kStyleStrikeOut = 8;

void TextFont(int number);
void TextSize(int size); // cell height size + 4, one more below size 10
void TextFace(int style);
int GetTextSize();
// Makes and selects the font when the description changed; every text operation runs it.
void ApplyPendingFont(HDC dc);
// A text whose first character is a lower-case p is measured without it.
int StringWidth(const char* text);
// isPascal: the first byte is the length. The pen's v is the base line; h moves on.
void DrawString(const char* text, bool isPascal);
void DrawChar(char ch);
void DrawTextInRect(const char* text, const RECT* rect);
void DrawTextWrapped(const char* text, const RECT* rect);

// Test seam: every text drawn (DrawString, DrawChar and the texts in rectangles) with the pen
// where it started, the box the text covers on the port, and the font number, size and style
// it was drawn in. Empty (the program's state) records nothing.
struct DrawnText {
    std::string text;
    int h, v;  // the pen: left edge and base line
    RECT box;  // the text's cell; for a text in a rectangle, the rectangle
    int font;  // the last TextFont number
    int size;  // the last TextSize
    int face;  // the last TextFace style bits
};
using TextRecorder = std::function<void(const DrawnText&)>;
void SetTextRecorder(TextRecorder recorder);

// Collects the installed font families into a new FontState (Courier New the current
// description). A family that is not installed keeps its face name, so that the system's
// font mapper substitutes a similar one.
FontState* CollectFontFamilies(HDC dc);
// Deletes every font object this layer made and frees gFontState.
void DisposeFonts();

// Font objects belong to the context they were made for: a port's cached context owns its
// own, and a context no port caches (a paint handler's) owns one until EndDrawing. So no
// font is deleted while another context still has it selected.
struct PortEntry;
void DropPortFont(PortEntry& entry); // before the entry's context is released
void ReleaseLooseFont(HDC dc);       // when dc, a context no port caches, is given up

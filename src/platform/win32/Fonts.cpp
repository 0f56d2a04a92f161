#include "platform/win32/Fonts.h"

#include <cstring>
#include <utility>

#include "platform/Alerts.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Ports.h"

FontState* gFontState = nullptr;
std::uint8_t gFontChanged = 1;

namespace {

// The font object of the one context that no port caches (a paint handler's, or the
// context of a port that found the table full).
struct LooseFont {
    HDC dc;
    HFONT font;
};
LooseFont sLoose = {};

// What TextFont, TextSize and TextFace set last, for the recorder.
int sFontNumber = kFontCourierNew;
int sFontSize = 12;
int sFontFace = 0;

TextRecorder& Recorder() {
    static TextRecorder recorder;
    return recorder;
}

// The cell widened by the parts of the first and last glyphs that reach out of it.
RECT InkBox(const char* text, int length, RECT box) {
    if (length <= 0)
        return box;
    ABC first = {}, last = {};
    const auto a = static_cast<unsigned char>(text[0]);
    const auto z = static_cast<unsigned char>(text[length - 1]);
    if (GetCharABCWidthsA(gPortDC, a, a, &first) && first.abcA < 0)
        box.left += first.abcA;
    if (GetCharABCWidthsA(gPortDC, z, z, &last) && last.abcC < 0)
        box.right -= last.abcC;
    return box;
}

void Record(const char* text, int length, int h, int v, const RECT& box) {
    if (auto& recorder = Recorder())
        recorder(DrawnText{std::string(text, static_cast<std::size_t>(length)), h, v, box,
                           sFontNumber, sFontSize, sFontFace});
}

HGDIOBJ DefaultFont() {
    return GetStockObject(SYSTEM_FONT);
}

int CALLBACK CountFontFamilies(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<std::int32_t*>(count);
    return 1;
}

int CALLBACK CollectFontFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM data) {
    auto* state = reinterpret_cast<FontState*>(data);
    std::array<char, 32> name = {};
    std::memcpy(name.data(), font->lfFaceName, sizeof font->lfFaceName);
    name.back() = '\0';
    state->familyNames.push_back(name);
    if (std::strcmp(font->lfFaceName, "Courier New") == 0)
        state->courierNew = *font;
    if (std::strcmp(font->lfFaceName, "Arial") == 0)
        state->arial = *font;
    return 1;
}

void NameOnly(LOGFONTA& font, const char* face) {
    if (font.lfFaceName[0] != '\0')
        return;
    font = LOGFONTA{};
    font.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(font.lfFaceName, face);
}

// The style and size of the current description, the face of another.
void TakeFace(const LOGFONTA& face) {
    LOGFONTA& current = gFontState->current;
    LOGFONTA kept = current;
    current = face;
    current.lfHeight = kept.lfHeight;
    current.lfWidth = kept.lfWidth;
    current.lfWeight = kept.lfWeight;
    current.lfItalic = kept.lfItalic;
    current.lfUnderline = kept.lfUnderline;
    current.lfStrikeOut = kept.lfStrikeOut;
}

int CellTop() {
    return gPenLocation.v - GetTextSize() + 3;
}

} // namespace

FontState* CollectFontFamilies(HDC dc) {
    std::int32_t count = 0;
    EnumFontFamiliesA(dc, nullptr, CountFontFamilies, reinterpret_cast<LPARAM>(&count));
    auto* state = new FontState{};
    state->familyNames.reserve(count);
    EnumFontFamiliesA(dc, nullptr, CollectFontFamily, reinterpret_cast<LPARAM>(state));
    state->familyCount = static_cast<std::int32_t>(state->familyNames.size());
    NameOnly(state->courierNew, "Courier New");
    NameOnly(state->arial, "Arial");
    state->current = state->courierNew;
    return state;
}

void DropPortFont(PortEntry& entry) {
    if (!entry.fontObject)
        return;
    if (entry.dc)
        SelectObject(entry.dc, DefaultFont());
    DeleteObject(entry.fontObject);
    if (gFontState && gFontState->currentFont == entry.fontObject)
        gFontState->currentFont = nullptr;
    entry.fontObject = nullptr;
}

void ReleaseLooseFont(HDC dc) {
    if (!sLoose.font || sLoose.dc != dc)
        return;
    SelectObject(sLoose.dc, DefaultFont());
    DeleteObject(sLoose.font);
    if (gFontState && gFontState->currentFont == sLoose.font)
        gFontState->currentFont = nullptr;
    sLoose = {};
}

void DisposeFonts() {
    ReleaseLooseFont(sLoose.dc);
    for (int i = 0; i < gPortTable.count; ++i)
        DropPortFont(gPortTable.entries[i]);
    delete gFontState;
    gFontState = nullptr;
    gFontChanged = 1;
}

void SetTextRecorder(TextRecorder recorder) {
    Recorder() = std::move(recorder);
}

void TextFont(int number) {
    sFontNumber = number;
    gFontChanged = 1;
    if (!gFontState)
        return;
    if (number == kFontCourierNew) {
        TakeFace(gFontState->courierNew);
    } else if (number == kFontArial) {
        TakeFace(gFontState->arial);
    } else {
        DebugBox("Font ist unbekannt! ", number);
    }
}

void TextSize(int size) {
    sFontSize = size;
    gFontChanged = 1;
    if (!gFontState)
        return;
    gFontState->current.lfHeight = size + 4 + (size < 10 ? 1 : 0);
    gFontState->current.lfWidth = 0;
}

void TextFace(int style) {
    sFontFace = style;
    gFontChanged = 1;
    if (!gFontState)
        return;
    LOGFONTA& current = gFontState->current;
    current.lfWeight = (style & kStyleBold) ? FW_BOLD : FW_DONTCARE;
    current.lfItalic = (style & kStyleItalic) ? 1 : 0;
    current.lfUnderline = (style & kStyleUnderline) ? 1 : 0;
    current.lfStrikeOut = (style & kStyleStrikeOut) ? 1 : 0;
}

int GetTextSize() {
    return gFontState ? gFontState->current.lfHeight : 0;
}

void ApplyPendingFont(HDC dc) {
    if (!gFontChanged || !gFontState || !dc)
        return;
    gFontChanged = 0;
    HFONT font = CreateFontIndirectA(&gFontState->current);
    if (!font)
        return;
    SelectObject(dc, font);
    HFONT* owner = nullptr;
    for (int i = 0; i < gPortTable.count && !owner; ++i) {
        PortEntry& entry = gPortTable.entries[i];
        if (entry.window && entry.dc == dc)
            owner = &entry.fontObject;
    }
    if (!owner) {
        if (sLoose.dc != dc)
            ReleaseLooseFont(sLoose.dc);
        sLoose.dc = dc;
        owner = &sLoose.font;
    }
    if (*owner)
        DeleteObject(*owner); // selected nowhere else: it was made for dc alone
    *owner = font;
    gFontState->currentFont = font;
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, kBackgroundColor);
}

int StringWidth(const char* text) {
    ApplyPendingFont(gPortDC);
    if (text[0] == 'p')
        ++text;
    SIZE size = {};
    if (!GetTextExtentPoint32A(gPortDC, text, static_cast<int>(std::strlen(text)), &size))
        return 0;
    return size.cx;
}

void DrawString(const char* text, bool isPascal) {
    ApplyPendingFont(gPortDC);
    int length;
    if (isPascal) {
        length = static_cast<unsigned char>(text[0]);
        ++text;
    } else {
        length = static_cast<int>(std::strlen(text));
    }
    const int top = CellTop();
    TextOutA(gPortDC, gPenLocation.h, top, text, length);
    SIZE size = {};
    if (GetTextExtentPoint32A(gPortDC, text, length, &size)) {
        if (Recorder())
            Record(text, length, gPenLocation.h, gPenLocation.v,
                   InkBox(text, length, RECT{gPenLocation.h, top, gPenLocation.h + size.cx,
                                             top + size.cy}));
        gPenLocation.h = static_cast<std::int16_t>(gPenLocation.h + size.cx);
    }
}

void DrawChar(char ch) {
    ApplyPendingFont(gPortDC);
    RECT cell = {gPenLocation.h, CellTop(), gPenLocation.h, CellTop()};
    DrawTextA(gPortDC, &ch, 1, &cell, DT_SINGLELINE | DT_BOTTOM | DT_CALCRECT);
    DrawTextA(gPortDC, &ch, 1, &cell, DT_SINGLELINE | DT_BOTTOM);
    Record(&ch, 1, gPenLocation.h, gPenLocation.v, cell);
    gPenLocation.h = static_cast<std::int16_t>(gPenLocation.h + (cell.right - cell.left));
}

namespace {

void DrawInRect(const char* text, const RECT* rect, UINT format) {
    ApplyPendingFont(gPortDC);
    RECT box = *rect;
    DrawTextA(gPortDC, text, -1, &box, format);
    Record(text, static_cast<int>(std::strlen(text)), gPenLocation.h, gPenLocation.v, *rect);
    gPenLocation.h = static_cast<std::int16_t>(gPenLocation.h + (rect->right - rect->left));
}

} // namespace

void DrawTextInRect(const char* text, const RECT* rect) {
    DrawInRect(text, rect, DT_SINGLELINE | DT_BOTTOM);
}

void DrawTextWrapped(const char* text, const RECT* rect) {
    DrawInRect(text, rect, DT_WORDBREAK);
}

#include "views/win32/SeatRoleBadge.h"

#include "platform/StringLists.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Ports.h"
#include "platform/win32/Resources.h"

namespace {

constexpr int kFirstPicture = 3010;
constexpr int kLetterList = 1501;
constexpr int kFirstLetter = 168; // "F", then "M", "R"

struct LetterPlace {
    int letter; // 0 "F", 1 "M", 2 "R"
    int h, v;   // offset of the baseline start from the badge's top left
};

// Per rotation the three letters from left to right; the middle one sits two pixels lower.
constexpr LetterPlace kLetters[3][3] = {
    {{1, 13, 12}, {0, 42, 14}, {2, 68, 12}},
    {{0, 15, 12}, {2, 41, 14}, {1, 67, 12}},
    {{2, 14, 12}, {1, 40, 14}, {0, 69, 12}},
};

void DrawAt(HBITMAP picture, const RECT& bounds, int h, int v) {
    if (!picture)
        return;
    RECT place = bounds;
    OffsetRect(&place, h, v);
    DrawPicture(picture, &place);
}

} // namespace

SeatRoleBadge::~SeatRoleBadge() {
    for (HBITMAP& picture : pictures) {
        if (picture)
            ReleaseResource(picture, kPictureResource);
        picture = nullptr;
    }
}

void SeatRoleBadge::Init() {
    for (int i = 0; i < 4; ++i) {
        pictures[i] = static_cast<HBITMAP>(
            GetResource(kPictType, static_cast<std::int16_t>(kFirstPicture + i)));
        SetRectEmpty(&pictureRects[i]);
        if (pictures[i])
            GetPictureBounds(pictures[i], &pictureRects[i]);
    }
    rotation = -1;
    markerShown = 0;
    marker = -1;
    lastV = lastH = -1;
    for (int i = 0; i < 3; ++i)
        GetIndString(letters[i], kLetterList, static_cast<std::int16_t>(kFirstLetter + i));
}

void SeatRoleBadge::Redraw() {
    if (lastH != -1 || lastV != -1)
        Draw(lastH, lastV);
}

void SeatRoleBadge::ShowMarker(int shown, int redraw) {
    const auto value = static_cast<std::uint8_t>(shown != 0);
    if (value == markerShown)
        return;
    markerShown = value;
    if (redraw)
        Redraw();
}

void SeatRoleBadge::SetRotation(int value, int redraw) {
    marker = static_cast<std::int16_t>(value);
    if (value == rotation)
        return;
    rotation = static_cast<std::int16_t>(value);
    markerShown = 1;
    if (redraw)
        Redraw();
}

void SeatRoleBadge::SetMarker(int value, int redraw) {
    if (value == marker)
        return;
    marker = static_cast<std::int16_t>(value);
    if (redraw && markerShown)
        Redraw();
}

void SeatRoleBadge::Draw(int h, int v) {
    if (rotation == -1)
        return;
    lastH = h;
    lastV = v;
    DrawAt(pictures[0], pictureRects[0], h, v);
    TextFont(kFontArial);
    TextSize(10);
    SetBkMode(GetPortDC(), TRANSPARENT);
    if (rotation >= 0 && rotation <= 2) {
        for (const LetterPlace& place : kLetters[rotation]) {
            MoveTo(h + place.h, v + place.v);
            DrawString(letters[place.letter], false);
        }
    }
    if (markerShown) {
        switch (marker) {
        case 0:
            DrawAt(pictures[2], pictureRects[2], h + 27, v + 11);
            DrawAt(pictures[2], pictureRects[2], h + 53, v + 11);
            break;
        case 1:
            DrawAt(pictures[1], pictureRects[1], h + 4, v + 4);
            break;
        case 2:
            DrawAt(pictures[3], pictureRects[3], h + 80, v + 4);
            break;
        default:
            break;
        }
    }
    TextFont(kFontCourierNew);
    TextSize(12);
}

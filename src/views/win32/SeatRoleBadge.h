// The seat-role badge: the three seat roles of a trick game, "F", "M" and "R" (forehand,
// middlehand, rearhand), on a small strip in an order rotated by the dealing or leading
// position, with a marker under one of the three places. The Skat table draws it beside its
// seats; the four-player table only keeps its rotation and marker up to date.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/RootObject.h"

class SeatRoleBadge : public RootObject {
  public:
    ~SeatRoleBadge() override; // releases the four pictures

    virtual void Init();
    virtual void ShowMarker(int shown, int redraw);
    // The marker follows the rotation; an unchanged rotation redraws nothing.
    virtual void SetRotation(int rotation, int redraw);
    virtual void SetMarker(int marker, int redraw);
    // Draws at (h, v) into the current port; nothing while no rotation is set.
    virtual void Draw(int h, int v);

    std::int16_t rotation = -1; // 0 to 2; -1 none
    std::uint8_t markerShown = 0;
    std::int16_t marker = -1; // 0 the middle, 1 left, 2 right; -1 none
    // 3010 the strip (90 x 17), 3011 and 3013 the side markers (5 x 9), 3012 the middle
    // marker (9 x 5).
    HBITMAP pictures[4] = {};
    char letters[3][16] = {}; // "F", "M", "R"
    std::int32_t lastV = -1;
    std::int32_t lastH = -1;
    RECT pictureRects[4] = {};

  private:
    void Redraw();
};

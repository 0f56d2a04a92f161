// The running shell with a surface to draw on: a 32-bit memory bitmap made the drawing port
// (as a paint handler's context is), so what a pane draws can be read back pixel by pixel.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32/Ports.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "shell/win32/WindowManager.h"
#include "views/win32/TablePane.h"

class Surface {
  public:
    Surface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        Clear(RGB(1, 2, 3));
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    void Clear(COLORREF colour) {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i)
            static_cast<std::uint32_t*>(bits_)[i] =
                GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
    }
    // Drawing through the pane goes here until End.
    void Begin() { BeginDrawing(dc_); }
    void End() { EndDrawing(); }
    std::uint32_t At(int x, int y) const {
        GdiFlush();
        return static_cast<const std::uint32_t*>(bits_)[y * width_ + x] & 0xFFFFFF;
    }
    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Whether the rectangle (from left, top on this surface and from otherLeft, otherTop on
    // the other) holds the same pixels.
    bool SameAs(const Surface& other, int left, int top, int otherLeft, int otherTop, int w,
                int h) const {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (At(left + x, top + y) != other.At(otherLeft + x, otherTop + y))
                    return false;
        return true;
    }

  private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
};

// A table pane on the shell's table window with a room and a series kind of the test's choice.
class TestTable : public TablePane {
  public:
    int GetRoom() override { return room; }
    bool IsOpenSeries() override { return openSeries; }
    int GetGameCode() override { return 2; }
    void GetPlayArea(RECT* rect) override { GetBounds(rect); }
    int room = 1;
    bool openSeries = false;
};

class TableTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        table_ = new TestTable;
        table_->InitTable(nullptr, gSettings, gWindowSlots[kTableSlot], nullptr);
    }
    void TearDown() override {
        delete table_;
        RunningShell::TearDown();
    }
    void UseTableSize(int size) {
        gSettings->body.cardSize = static_cast<std::int16_t>(size);
        gSettings->ReloadCardPictures();
        table_->LoadTableGraphics();
    }
    TestTable* table_ = nullptr;
};

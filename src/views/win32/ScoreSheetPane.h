// The base of the score-family side panes (score sheet, pairings, league table, tournament):
// a sheet of lines 15 pixels high under a header and above a strip of totals, scrolled by
// the window's two bars: the vertical bar counts lines, the horizontal bar steps of 4 pixels.
// The sheets themselves fill in the content width, the line count and the drawing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win32/Controls.h"
#include "views/win32/Pane.h"

class TablePane;

inline constexpr int kScoreLineHeight = 15;
inline constexpr int kScoreColumnStep = 4;

class ScoreSheetPane : public Pane {
  public:
    // The bars are the window slot's own (vertical 0x400 + slot, horizontal 0x800 + slot).
    virtual void InitSide(GameController* controller, HWND window, Settings* settings,
                          ControlRef verticalBar, ControlRef horizontalBar, TablePane* tablePane);
    virtual int GetContentWidth();
    // Sets both bars' ranges for a sheet of lines games; the sheet scrolls to its end.
    virtual void SetScrollRange(int lines);
    virtual int GetFooterHeight();
    virtual int GetLineCount();

    ControlRef verticalBar = 0;
    ControlRef horizontalBar = 0;
    TablePane* tablePane = nullptr;
    std::uint8_t paging = 0;
    RECT pageRect = {0, 0, 0, 0};
};

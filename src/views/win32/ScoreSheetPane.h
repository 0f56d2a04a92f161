// The score-family side panes (score sheet, pairings, league table, tournament): a sheet of
// lines 15 pixels high under a header and above a strip of totals, scrolled by the window's
// two bars: the vertical bar counts lines, the horizontal bar steps of 4 pixels. This level is
// also the Skat score sheet; the four-seat sheets read the controller's game list.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/Handles.h"
#include "platform/win32/Controls.h"
#include "views/win32/Pane.h"

class TablePane;
struct GameRecord;

inline constexpr int kScoreLineHeight = 15;
inline constexpr int kScoreColumnStep = 4;

// Where the sheets get the series from while the director runs the tables: a new list handle
// for the controller (the sheet's owner takes it), or null for none. Unset: nothing.
using ScoreSheetFetcher = std::function<Handle(GameController* controller)>;
void SetScoreSheetFetcher(ScoreSheetFetcher fetcher);

class ScoreSheetPane : public Pane {
  public:
    void GetBounds(RECT* bounds) override;
    bool DrawPage(const RECT* rect, int page) override;
    void Draw(const RECT* rect) override;
    void HandleClick(int x, int y, int doubleClick) override; // ignored
    void Refresh() override;

    // The bars are the window slot's own (vertical 0x400 + slot, horizontal 0x800 + slot).
    virtual void InitSide(GameController* controller, HWND window, Settings* settings,
                          ControlRef verticalBar, ControlRef horizontalBar, TablePane* tablePane);
    virtual int GetContentWidth();
    // Sets both bars' ranges for a sheet of lines games; the sheet scrolls to its end.
    virtual void SetScrollRange(int lines);
    virtual int GetFooterHeight();
    virtual int GetLineCount();
    // The rectangle to draw into (the page while paging, else the client area, clipped).
    virtual void PrepareDraw(int footerHeight, RECT* rect);
    virtual void ClipToWindow();

    ControlRef verticalBar = 0;
    ControlRef horizontalBar = 0;
    TablePane* tablePane = nullptr;
    std::uint8_t paging = 0;
    RECT pageRect = {0, 0, 0, 0};

  protected:
    // The lines that fit between the header and the totals of a rectangle of that height.
    int VisibleLines(int height);
    // The horizontal scroll offset in pixels.
    int ScrollOffset();
    // Draws the header's labels and lines for seats name columns from x0 (already shifted),
    // each name at most 105 pixels wide.
    void DrawHeader(const RECT& rect, int seats, int x0, int textSize);
    void DrawNameCentred(const char* name, int left, int width, int baseLine, int textSize);
};

// The four-seat sheet from the controller's game list.
class DoppelkopfScorePane : public ScoreSheetPane {
  public:
    int GetContentWidth() override;
    void Refresh() override;
    int GetFooterHeight() override;
    int GetLineCount() override;
    void Draw(const RECT* rect) override;

    // The game's name as the table names it; empty for a word no game has.
    virtual void GetGameText(char* text, std::int32_t word, std::int32_t suit);
    // What follows every seat's total.
    virtual void AppendTotalSuffix(char* text);

    // The width of the game column: at least 103 pixels, and wide enough for every game text
    // of the list at the sheet's size.
    int GameColumnWidth();

  protected:
    Handle List() const;
    void LineGameText(char* text, const GameRecord& record);
};

class SchafkopfScorePane : public DoppelkopfScorePane {
  public:
    void GetGameText(char* text, std::int32_t word, std::int32_t suit) override;
    void AppendTotalSuffix(char* text) override;
};

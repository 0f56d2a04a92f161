#include "views/win32/ScoreSheetPane.h"

#include <algorithm>

#include "records/ProgramFlags.h"

void ScoreSheetPane::InitSide(GameController* gameController, HWND paneWindow,
                              Settings* paneSettings, ControlRef vertical, ControlRef horizontal,
                              TablePane* table) {
    Init(gameController, paneSettings, paneWindow, nullptr);
    verticalBar = vertical;
    horizontalBar = horizontal;
    tablePane = table;
    paging = 0;
    if (gDirectorRunsTables)
        Refresh();
    // While the window is being opened its slot does not hold it yet, so this reaches no bar;
    // the window sets the ranges again once it is in its slot.
    SetScrollRange(GetLineCount());
}

int ScoreSheetPane::GetContentWidth() {
    return 570;
}

void ScoreSheetPane::SetScrollRange(int lines) {
    RECT client = {0, 0, 0, 0};
    if (window)
        GetClientRect(window, &client);
    SetControlMaximum(horizontalBar,
                      std::max(0L, GetContentWidth() - (client.right - client.left)) /
                          kScoreColumnStep);
    SetControlValue(horizontalBar, 0);
    // The horizontal bar may just have appeared or gone, which changes the client height.
    if (window)
        GetClientRect(window, &client);
    const int visible = (client.bottom - client.top - GetFooterHeight()) / kScoreLineHeight;
    const int maximum = std::max(0, lines + 2 - visible);
    SetControlMaximum(verticalBar, maximum);
    SetControlValue(verticalBar, maximum);
}

int ScoreSheetPane::GetFooterHeight() {
    return 16;
}

int ScoreSheetPane::GetLineCount() {
    return 0;
}

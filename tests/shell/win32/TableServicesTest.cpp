// What the shell hands the tables when a table opens, checked at the running program's table.
#include "shell/win32/TableServicesWin.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>

#include "document/win32/GameDocumentWin.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/Handles.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "views/win32/ScoreSheetPane.h"

namespace {

using TableServicesTest = RunningShell;

Handle NewList(int count, int records) {
    Handle list = NewHandle(GameListSize(records));
    std::memset(list, 0, GetHandleSize(list));
    GameListHead(list)->count = count;
    return list;
}

// The score sheet takes the director's list for the table's controller; the document, which
// saves the series, must follow it, so that nobody keeps the disposed list. A damaged list
// changes neither.
TEST_F(TableServicesTest, TheDocumentKeepsTheListTheScoreSheetTookFromTheDirector) {
    ASSERT_NE(gSchafkopfGame, nullptr);
    ASSERT_NE(gGameDocument, nullptr);
    const Handle own = gSchafkopfGame->gameListHandle;
    ASSERT_NE(own, nullptr);
    ASSERT_EQ(gGameDocument->recordHandle, own);

    Handle delivered = NewList(3, 1); // damaged: three games counted, one present
    SetScoreSheetFetcher([&](GameController*) { return delivered; });
    SchafkopfScorePane pane;
    pane.InitSide(gSchafkopfGame, nullptr, gSettings, 0, 0, nullptr);
    pane.Refresh();
    EXPECT_EQ(gSchafkopfGame->gameListHandle, own);
    EXPECT_EQ(gGameDocument->recordHandle, own);

    delivered = NewList(2, 2);
    pane.Refresh();
    SetScoreSheetFetcher({});
    EXPECT_EQ(gSchafkopfGame->gameListHandle, delivered);
    EXPECT_EQ(gGameDocument->recordHandle, delivered);
    EXPECT_NE(gGameDocument->recordHandle, own);
    EXPECT_EQ(pane.GetLineCount(), 2);
}

} // namespace

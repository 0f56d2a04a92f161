#include "views/win32/SidePanes.h"

#include "platform/win32/WindowSlots.h"
#include "shell/Settings.h"
#include "views/win32/CardsPlayedPane.h"
#include "views/win32/OpenCardsPane.h"
#include "views/win32/ScoreSheetPane.h"
#include "views/win32/SideWindows.h"
#include "views/win32/TablePane.h"

namespace {

constexpr int kSkatHand = 10;
constexpr int kDoppelkopfHand = 12;
constexpr int kSchafkopfHand = 8;

TablePane* Table() {
    return static_cast<TablePane*>(gPaneSlots[0]);
}

GameController* TableController() {
    TablePane* table = Table();
    return table ? table->controller : nullptr;
}

Pane* MakeOpenCardsPane(int kind, HWND window) {
    OpenCardsPane* pane = nullptr;
    switch (kind) {
    case 0:
        pane = new OpenCardsPaneWin;
        pane->InitSide(TableController(), gOpenCardsPlayer, gSettings, Table(), kSkatHand);
        break;
    case 1:
    case 2:
        pane = new FourSeatOpenCardsPaneWin;
        pane->InitSide(TableController(), gOpenCardsPlayer, gSettings, nullptr,
                       kind == 1 ? kDoppelkopfHand : kSchafkopfHand);
        break;
    default:
        return nullptr;
    }
    pane->window = window;
    return pane;
}

// The Doppelkopf grid waits for the Doppelkopf game.
Pane* MakeCardsPlayedPane(int kind, HWND window) {
    SkatCardsPlayedPane* pane = nullptr;
    if (kind == 0)
        pane = new SkatCardsPlayedPane;
    else if (kind == 2)
        pane = new SchafkopfCardsPlayedPane;
    else
        return nullptr;
    pane->InitSide(TableController(), window, gSettings);
    return pane;
}

ScoreSheetPane* MakeScorePane(int kind, HWND) {
    switch (kind) {
    case 0:
        return new ScoreSheetPane;
    case 1:
        return new DoppelkopfScorePane;
    case 2:
        return new SchafkopfScorePane;
    default:
        return nullptr;
    }
}

} // namespace

void InstallSidePanes() {
    SetOpenCardsPaneMaker(MakeOpenCardsPane);
    SetCardsPlayedPaneMaker(MakeCardsPlayedPane);
    SetScorePaneMaker(kScoreSlot, MakeScorePane);
}

// The Schafkopf table's pane. Until the four-player table is built it shows the table with no
// game: the backdrop, the name plates, the status bar with its texts and the game clock; a
// click in a seat's area shows that seat's player box and any other click hides it.
#pragma once

#include <functional>

#include "views/win32/TablePane.h"

class GameDocumentWin;
class SchafkopfDocumentController;

class SchafkopfTableWin : public TablePane {
  public:
    void Bind(SchafkopfDocumentController* controller, Settings* settings, HWND tableWindow,
              GameDocumentWin* document, bool openingSavedGame, RoomPanel* panel, bool fresh);

    void Draw(const RECT* rect) override;
    void HandleClick(int x, int y, int doubleClick) override;
    void UpdateMenus() override;
    void SetPhase(int phase, int flag) override;
    int GetGameCode() override;
    int GetGameKind() override;
    int GetPlayerCount() override;
    bool IsGameRunning() override;
    void GetPlayArea(RECT* rect) override;
    void Idle(std::uint32_t now, int flag) override;

    // Mouse moves, presses and releases of the table window.
    virtual void HandleMouseEvent(int x, int y, int flag, unsigned message);

    // Line 1 the human's name, line 2 the rules in force, line 3 what to do next.
    void SetStartTexts();

    GameDocumentWin* document = nullptr;
    std::int32_t clockSeconds = 0; // the game clock in the corner
};

// Test seam: called after every drawing of the table (an empty function stops it).
using TablePaintObserver = std::function<void(SchafkopfTableWin*)>;
void SetTablePaintObserver(TablePaintObserver observer);

// The Schafkopf table's pane. Until the table views are built it is an empty table: it
// draws the cloth and answers no input, so the program starts, keeps its window slots and
// closes as it will with the real table.
#pragma once

#include "views/win32/TablePane.h"

class GameDocumentWin;
class SchafkopfDocumentController;
class Settings;

class SchafkopfTableWin : public TablePane {
public:
    void Bind(SchafkopfDocumentController* controller, Settings* settings, HWND tableWindow,
              GameDocumentWin* document, bool openingSavedGame, RoomPanel* panel, bool fresh);

    void GetBounds(RECT* bounds) override;
    void Draw(const RECT* rect) override;
    void UpdateMenus() override;

    SchafkopfDocumentController* controller = nullptr;
    Settings* settings = nullptr;
    GameDocumentWin* document = nullptr;
};

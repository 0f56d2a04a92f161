// The card table's pane: the operations the shell calls on the table of any game kind, and
// the fields it reads and writes.
#pragma once

#include <cstdint>

#include "views/win32/Pane.h"

class RoomPanel;

class TablePane : public Pane {
public:
    virtual int GetRoom();
    virtual std::uint32_t GetKindCode();  // 'skat' for the Skat table
    virtual bool IsGameRunning();
    virtual int GetPlayerCount();
    virtual int GetGameKind();  // 0 Skat, 1 Doppelkopf, 2 Schafkopf
    virtual void Suggest();
    virtual void ReplayGame(int flag);
    virtual void Idle(std::uint32_t ticks);  // every timer tick
    virtual void LeaveTable();
    virtual void Announce(int level);                  // four-player tables: 0 to 9
    virtual void HandleDoppelkopfCommand(int id);      // 1601 to 1624
    virtual void HandleMouse(int x, int y, int flag, unsigned message);
    virtual void LoadTableGraphics();

    std::uint8_t phase = 0;               // saved with a game
    std::uint8_t openCardsShown[3] = {};  // players 1 to 3
    RoomPanel* roomPanel = nullptr;
    std::uint8_t directorRun = 0;  // the director runs this table
};

// The room panel of the table window (the pub's gauges, capital line and room buttons),
// kept in window and pane slot 16. Until the pub story is built the panel shows nothing and
// takes no command, and the restaurant sells nothing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "views/win32/Pane.h"

class Settings;
class TablePane;
struct DoppelkopfOptions;
struct SchafkopfOptions;

class RoomPanel : public Pane {
  public:
    virtual void InitRoomPanel(Settings* settings, DoppelkopfOptions* optionsA,
                               SchafkopfOptions* optionsB, int zero, HWND tableWindow, bool fresh);
    virtual void AttachTablePane(TablePane* pane);
    virtual void ShowCapitalText();
    virtual int HandleRoomCommand(int id); // answers 1: the command was the panel's to take
    virtual void ApplyRoomOpponents(int room, int zero);
    virtual void ResetRoomChoice();     // the table shows a room scene
    virtual void DisableRoomControls(); // the table is being left
    virtual void HideRoomControls();
    virtual void ShowRoomControls();
    // The cemetery scene after leaving a table: kind 4 a series left unfinished, 5 the stake
    // could not be paid.
    virtual void OpenCemetery(int kind);
    // The panel's idle step while the table shows a room scene or is being left.
    virtual void RoomIdle(std::uint32_t now);
    virtual bool AreGaugesEmpty(); // the pub gauges ran out
    Pane* GetGaugePane();

    TablePane* tablePane = nullptr;
    std::uint8_t greetingPlayed = 0; // the first room movie has played
    std::int32_t idleStartTick = 0;  // -1: the idle step starts its count again
};

// The gauges of the pub story for the ticks of the idle step in a room; true when they changed
// and must be drawn again. No gauge changes until the pub story is built.
bool UpdateNourishment(Pane* gauges, std::uint32_t ticks, int room);

// The restaurant dialog; true when something was bought.
bool OpenRestaurant(Settings* settings);

extern std::int16_t gCurrentRoom; // the room chosen at the entry

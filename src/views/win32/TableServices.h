// What the card tables ask of the program around them: the nested wait between computer
// moves, redrawing and closing the other game windows, the side-window openers and the mark
// of an unsaved change. The shell installs its own operations when it opens a table; until
// then (and in tests that replace them) each does nothing, except the Last Trick opener.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/Handles.h"

class Pane;

struct TableServices {
    std::function<void(std::uint32_t ticks)> waitTicks;
    std::function<int()> waitDepth; // nested waits running now
    std::function<void(bool withScoreSlots, bool withDirectorSlots)> redrawWindows;
    std::function<void()> invalidateAllWindows;
    std::function<void()> closePlayerWindows;
    std::function<void()> closeChildWindows;
    std::function<void()> markGameChanged;
    std::function<void()> notifyCardPlaced;
    std::function<void()> openLastTrickWindow;
    std::function<void(int event)> notifyTableEvent;
    // The open-cards window of a seat (1 to 3), and the pane of the table window (null when
    // no table is open).
    std::function<void(int seat)> openPlayerWindow;
    std::function<Pane*()> tablePane;
    // The end of a list outside the pub story: the windows closed (false when the player kept
    // them), then a new game.
    std::function<bool(bool all)> closeWindows;
    std::function<void(bool fresh, bool show)> newGame;
    // Runs the step once the command being handled has returned: a step that closes the table
    // must not pull the pane from under the code that called it. Without it the step runs at
    // once.
    std::function<void(std::function<void()> step)> afterCommand;
    // "The End" after a list: the names of places 1 to 3 and the kind of the list.
    std::function<void(const char* first, const char* second, const char* third, int kind)>
        showTheEnd;
    // A sheet took a new game list for the controller (the old one is disposed): whoever keeps
    // the list for saving must keep the new handle.
    std::function<void(Handle list)> gameListReplaced;
};

// The services in force; an empty member is skipped.
TableServices& GetTableServices();
// Replaces all of them (tests keep the old set and put it back).
void SetTableServices(const TableServices& services);

// Flags of the network side, never set in this build: the server waits for other users, and a
// modal movie plays over the table.
inline std::uint8_t gServerWaiting = 0;
inline std::uint8_t gModalMoviePlaying = 0;

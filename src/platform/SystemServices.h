// What the platform layer asks of the system, implemented once for Windows (win32/) and once
// as native stand-ins (native/) so that the engine and its tests also run without Windows.
// Only the platform layer's own sources include this header.
#pragma once

#include <cstdint>

#include "platform/Alerts.h"

// Memory blocks. A block is the system's token for it (HGLOBAL on Windows); its address is
// valid until the block is resized or freed. Sizes are never 0 here: the handle layer asks
// for at least one byte.
using SystemBlock = void*;
SystemBlock AllocateSystemBlock(std::uint32_t size); // zero-filled; null when there is no memory
void* LockSystemBlock(SystemBlock block);
void UnlockSystemBlock(SystemBlock block);
// Answers the resized block (the old one is then gone) or null (the old one stays as it was,
// unlocked).
SystemBlock ResizeSystemBlock(SystemBlock block, std::uint32_t size);
void FreeSystemBlock(SystemBlock block);

// Milliseconds since the system started (wraps after 49.7 days).
std::uint32_t ReadSystemClock();

// The box as the system shows it; answers the box's result.
int PresentSystemAlert(const AlertBox& box);
WindowRef MainAlertOwner(); // the main window, or null before it exists
void PlaySystemBeep();

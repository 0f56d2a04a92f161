#include "views/win32/TablePane.h"

int TablePane::GetRoom() { return 0; }
std::uint32_t TablePane::GetKindCode() { return 0; }
bool TablePane::IsGameRunning() { return phase != 0; }
int TablePane::GetPlayerCount() { return 4; }
int TablePane::GetGameKind() { return 2; }
void TablePane::Suggest() {}
void TablePane::ReplayGame(int) {}
void TablePane::Idle(std::uint32_t) {}
void TablePane::LeaveTable() {}
void TablePane::Announce(int) {}
void TablePane::HandleDoppelkopfCommand(int) {}
void TablePane::HandleMouse(int, int, int, unsigned) {}
void TablePane::LoadTableGraphics() {}

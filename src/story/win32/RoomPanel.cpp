#include "story/win32/RoomPanel.h"

std::int16_t gCurrentRoom = 1;

void RoomPanel::InitRoomPanel(Settings*, DoppelkopfOptions*, SchafkopfOptions*, int,
                              HWND tableWindow, bool) {
    window = tableWindow;
}

void RoomPanel::AttachTablePane(TablePane* pane) {
    tablePane = pane;
}
void RoomPanel::ShowCapitalText() {}
int RoomPanel::HandleRoomCommand(int) {
    return 1;
}
void RoomPanel::ApplyRoomOpponents(int, int) {}
void RoomPanel::ResetRoomChoice() {}
void RoomPanel::DisableRoomControls() {}
void RoomPanel::HideRoomControls() {}
void RoomPanel::ShowRoomControls() {}
void RoomPanel::OpenCemetery(int) {}
void RoomPanel::RoomIdle(std::uint32_t) {}
bool RoomPanel::AreGaugesEmpty() {
    return false;
}
// No gauges until the pub story is built.
Pane* RoomPanel::GetGaugePane() {
    return nullptr;
}

bool UpdateNourishment(Pane*, std::uint32_t, int) {
    return false;
}

bool OpenRestaurant(Settings*) {
    return false;
}

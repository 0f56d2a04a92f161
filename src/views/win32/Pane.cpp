#include "views/win32/Pane.h"

void Pane::LayoutControls(int) {}
void Pane::GetBounds(RECT* bounds) { SetRectEmpty(bounds); }
void Pane::InvalidateAll() {
    if (window) InvalidateRect(window, nullptr, FALSE);
}
void Pane::RedrawRect(const RECT*) {}
void Pane::Draw(const RECT*) {}
void Pane::HandleRightClick() {}
void Pane::HandleMiddleClick() {}
void Pane::HandleClick(int, int, int) {}
void Pane::HandleKey(std::int8_t) {}
void Pane::HandleCommand(int) {}
void Pane::Refresh() {}
void Pane::GiveUp(int, int, int) {}
void Pane::UpdateTitle() {}
void Pane::SetPhase(int, int) {}
void Pane::UpdateMenus() {}
void Pane::ApplySettings() {}

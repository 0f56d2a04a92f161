// A pane: what draws into and answers input of one game window. The window procedures only
// translate messages into these operations. This level answers every operation with
// "nothing to do"; table panes and side-window panes override what they use.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/RootObject.h"

class Pane : public RootObject {
public:
    virtual void LayoutControls(int layoutChanged);
    virtual void GetBounds(RECT* bounds);  // the pane's size, from (0, 0)
    virtual void InvalidateAll();
    virtual void RedrawRect(const RECT* rect);
    virtual void Draw(const RECT* rect);  // into the current port; an empty rectangle = all
    virtual void HandleRightClick();
    virtual void HandleMiddleClick();
    virtual void HandleClick(int x, int y, int doubleClick);
    virtual void HandleKey(std::int8_t key);  // a character, or the arrow codes 28 to 31
    virtual void HandleCommand(int id);
    virtual void Refresh();
    virtual void GiveUp(int a, int b, int c);
    virtual void UpdateTitle();
    virtual void SetPhase(int phase, int flag);
    virtual void UpdateMenus();
    virtual void ApplySettings();

    HWND window = nullptr;
};

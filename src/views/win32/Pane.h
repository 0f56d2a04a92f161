// A pane: what draws into and answers input of one drawn area (the card table, the room
// panel, a side window). The window procedures only translate messages into these
// operations. This level answers every operation with "nothing to do" and supplies what all
// panes share: the pane size per card size, card cells and card faces from the settings'
// four picture sets, clipping around the pane's window, and the suit and style names.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/RootObject.h"
#include "views/SuitNames.h"

class GameController;
class Settings;

class Pane : public RootObject {
  public:
    // The owner is a second object of the creator's choice; table panes keep the room panel
    // there (null when the table has none).
    virtual void Init(GameController* controller, Settings* settings, HWND window, void* owner);
    // The display name of a computer playing-style code; empty for a code without a name.
    virtual char* GetStyleName(char* buffer, int code);
    virtual void LayoutControls(int layoutChanged);
    virtual void GetBounds(RECT* bounds); // the pane's size, from (0, 0)
    virtual void ClearSelection();
    virtual void SetSelection(int code);
    virtual void InvalidateAll();
    virtual void RedrawRect(const RECT* rect);
    virtual bool DrawPage(const RECT* rect, int page); // whether more pages follow
    virtual void Draw(const RECT* rect);               // an empty rectangle = all
    virtual void DrawCardCell(int code, const RECT* rect);
    virtual void DrawCard(std::int16_t code, const RECT* rect);
    virtual void HandleRightClick();
    virtual void HandleMiddleClick();
    virtual void HandleClick(int x, int y, int doubleClick);
    virtual void HandleKey(std::int8_t key); // a character, or the arrow codes 28 to 31
    virtual void HandleCommand(int id);
    virtual void Refresh();
    virtual void ApplyClaim(int flag, int seat);
    virtual void GiveUp(int a, int b, int c);
    virtual void UpdateTitle();
    virtual void SetPhase(int phase, int flag);
    virtual void UpdateMenus();
    virtual void ApplySettings();
    virtual void ReceiveValue(int value);

    // For derived panes that draw around their window: keep drawing off the window's client
    // rectangle, then put the port's clip back as it was.
    void ExcludeWindowClip();
    void RestoreClip();

    GameController* controller = nullptr;
    Settings* settings = nullptr;
    std::int16_t selection = -1; // selected card code or cell index; -1 none
    std::uint8_t smallFaces = 0; // DrawCard uses the small face set
    std::uint8_t secondSet = 0;  // DrawCard draws faces from the second set
    std::uint8_t fullSize = 0;   // DrawCard draws from the fourth set (own cards full size)
    HWND window = nullptr;
    void* owner = nullptr;
    HRGN savedClip = nullptr;
    std::int32_t clipState = -1; // 0: the port had no clip region; -1: nothing to restore
};

void AssignRect(RECT* destination, const RECT* source);
void CopyPoint(POINT* destination, const POINT* source);
// The player's cash in currency units.
long double GetCashBalance(const Settings* settings);

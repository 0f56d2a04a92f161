// The Schafkopf table's menus, keys and mouse buttons.
#include "views/win32/SchafkopfTablePane.h"

#include "platform/win32/Menus.h"
#include "platform/win32/WindowsGlobals.h"
#include "views/win32/TableMenuItems.h"

void SchafkopfTablePane::UpdateMenus() {
    FourPlayerTablePane::UpdateMenus();
    // Suggestion, claims, giving up, announcements and the side windows come with the table's
    // play; until then their items stay greyed.
    HMENU menu = gMainWindow ? GetMenu(gMainWindow) : nullptr;
    if (!menu)
        return;
    for (int id : kTableMenuItems)
        if (id != kSuperSmallCardsItem && id != kRuleNotesItem && id != 1406 && id != 1412 &&
            id != 1413 && id != 1414)
            SetMenuItemEnabled(menu, id, false);
    SetMenuItemEnabled(menu, kSuperSmallCardsItem, true);
    // A new deal: the deal in progress is dropped and the cards are dealt again.
    SetMenuItemEnabled(menu, kNewDealItem, phase >= 1 && phase <= 4 && !IsRemote());
}

void SchafkopfTablePane::UpdateGameMenus() {}

void SchafkopfTablePane::HandleKey(std::int8_t key) {
    FourPlayerTablePane::HandleKey(key);
}

int SchafkopfTablePane::MapKeyToCommand(int code) {
    return FourPlayerTablePane::MapKeyToCommand(code);
}

bool SchafkopfTablePane::PressButtonByKey(int, int, int) {
    return false;
}

bool SchafkopfTablePane::ToggleButtonByKey(int, int, int) {
    return false;
}

bool SchafkopfTablePane::StepComboByKey(int, int, int, bool) {
    return false;
}

void SchafkopfTablePane::HandleRightClick() {
    FourPlayerTablePane::HandleRightClick();
}

void SchafkopfTablePane::HandleMiddleClick() {
    FourPlayerTablePane::HandleMiddleClick();
}

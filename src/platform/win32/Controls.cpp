#include "platform/win32/Controls.h"

#include <windows.h>

#include "platform/Alerts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowSlots.h"

namespace {

enum class ControlKind { Combo, HorizontalScroll, VerticalScroll, Wrong };

struct DecodedControl {
    ControlKind kind;
    HWND window; // the slot's window for a scroll bar
    int bar;     // SB_HORZ or SB_VERT
};

// Range-checked: only the 18 slots' scroll bars and combo ids 0 to 999 are controls.
DecodedControl Decode(ControlRef ref) {
    if (ref >= 0 && ref < kComboRefLimit)
        return {ControlKind::Combo, nullptr, 0};
    if (ref >= kHorizontalScrollRef && ref < kHorizontalScrollRef + kWindowSlotCount) {
        return {ControlKind::HorizontalScroll, gWindowSlots[ref - kHorizontalScrollRef], SB_HORZ};
    }
    if (ref >= kVerticalScrollRef && ref < kVerticalScrollRef + kWindowSlotCount) {
        return {ControlKind::VerticalScroll, gWindowSlots[ref - kVerticalScrollRef], SB_VERT};
    }
    return {ControlKind::Wrong, nullptr, 0};
}

LRESULT SendCombo(ControlRef ref, UINT message, WPARAM wParam = 0) {
    return SendDlgItemMessageA(gPortWindow, ref, message, wParam, 0);
}

} // namespace

std::int32_t GetControlValue(ControlRef ref) {
    DecodedControl control = Decode(ref);
    switch (control.kind) {
    case ControlKind::Combo: {
        LRESULT index = SendCombo(ref, CB_GETCURSEL);
        return index == CB_ERR ? 1 : static_cast<std::int32_t>(index) + 1;
    }
    case ControlKind::Wrong:
        DebugBox("wrong ctl:", ref);
        return -1;
    default:
        return GetScrollPos(control.window, control.bar);
    }
}

void SetControlValue(ControlRef ref, std::int32_t value) {
    DecodedControl control = Decode(ref);
    switch (control.kind) {
    case ControlKind::Combo:
        SendCombo(ref, CB_SETCURSEL, static_cast<WPARAM>(value - 1));
        break;
    case ControlKind::Wrong:
        break;
    default:
        SetScrollPos(control.window, control.bar, value, TRUE);
        break;
    }
}

std::int32_t GetControlMaximum(ControlRef ref) {
    DecodedControl control = Decode(ref);
    switch (control.kind) {
    case ControlKind::Combo:
        return static_cast<std::int32_t>(SendCombo(ref, CB_GETCOUNT));
    case ControlKind::Wrong:
        DebugBox("wrong max ctl:", ref);
        return -1;
    default: {
        int minimum = 0;
        int maximum = 0;
        GetScrollRange(control.window, control.bar, &minimum, &maximum);
        return maximum;
    }
    }
}

void SetControlMaximum(ControlRef ref, std::int32_t max) {
    DecodedControl control = Decode(ref);
    if (control.kind == ControlKind::HorizontalScroll ||
        control.kind == ControlKind::VerticalScroll) {
        SetScrollRange(control.window, control.bar, 0, max, FALSE);
    } else {
        SysBeep(1);
    }
}

// Combo boxes of the current port and the scroll bars of the window slots, reached through
// one reference; anything else is a wrong reference.
#include "platform/win32/Controls.h"

#include <gtest/gtest.h>

#include "ToolboxTestWindows.h"
#include "platform/Alerts.h"
#include "platform/win32/Ports.h"
#include "platform/win32/WindowSlots.h"
#include "support/AlertRecorder.h"

namespace {

constexpr int kCombo = 10;

class ControlsTest : public testing::Test {
  protected:
    void SetUp() override {
        ToolboxMainWindow();
        window = MakeTestWindow(200, 150, 0, 0, WS_HSCROLL | WS_VSCROLL);
        CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 0, 100, 80,
                        window, reinterpret_cast<HMENU>(kCombo), GetModuleHandleA(nullptr),
                        nullptr);
        for (const char* entry : {"Schellen", "Herz", "Gras"}) {
            SendDlgItemMessageA(window, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        SetPort(window);
        gWindowSlots[3] = window;
        ResetAlertRecorder();
    }
    void TearDown() override {
        gWindowSlots[3] = nullptr;
        DestroyWindow(window);
    }
    HWND window = nullptr;
};

TEST_F(ControlsTest, ComboValuesCountFromOne) {
    EXPECT_EQ(GetControlValue(kCombo), 1) << "nothing selected";
    EXPECT_EQ(SendDlgItemMessageA(window, kCombo, CB_GETCURSEL, 0, 0), CB_ERR);
    SetControlValue(kCombo, 1);
    EXPECT_EQ(SendDlgItemMessageA(window, kCombo, CB_GETCURSEL, 0, 0), 0);
    SetControlValue(kCombo, 3);
    EXPECT_EQ(GetControlValue(kCombo), 3);
    EXPECT_EQ(GetControlMaximum(kCombo), 3);
    const auto beeps = SysBeepCount();
    SetControlMaximum(kCombo, 10);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_EQ(GetControlMaximum(kCombo), 3);
}

TEST_F(ControlsTest, ScrollBarsOfASlot) {
    const ControlRef horizontal = kHorizontalScrollRef + 3;
    const ControlRef vertical = kVerticalScrollRef + 3;
    SetControlMaximum(horizontal, 40);
    SetControlMaximum(vertical, 20);
    SetControlValue(horizontal, 25);
    SetControlValue(vertical, 7);
    EXPECT_EQ(GetScrollPos(window, SB_HORZ), 25);
    EXPECT_EQ(GetControlValue(horizontal), 25);
    EXPECT_EQ(GetControlValue(vertical), 7);
    EXPECT_EQ(GetControlMaximum(horizontal), 40);
    EXPECT_EQ(GetControlMaximum(vertical), 20);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(ControlsTest, OtherReferencesAreWrong) {
    for (ControlRef ref : {ControlRef{1500}, ControlRef{kHorizontalScrollRef + 18},
                           ControlRef{kVerticalScrollRef + 18}, ControlRef{-1}, ControlRef{1000}}) {
        ResetAlertRecorder();
        EXPECT_EQ(GetControlValue(ref), -1) << ref;
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].text, "wrong ctl: " + std::to_string(ref));
        ResetAlertRecorder();
        EXPECT_EQ(GetControlMaximum(ref), -1);
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].text, "wrong max ctl: " + std::to_string(ref));
        const auto beeps = SysBeepCount();
        SetControlMaximum(ref, 5);
        SetControlValue(ref, 5);
        EXPECT_EQ(SysBeepCount(), beeps + 1);
    }
}

} // namespace

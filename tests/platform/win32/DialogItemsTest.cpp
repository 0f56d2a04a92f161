// Helpers on the items of a dialog, on a window with child controls.
#include "platform/win32/DialogItems.h"

#include <gtest/gtest.h>

#include <string>

#include "ToolboxTestWindows.h"
#include "platform/win32/WindowSlots.h"

namespace {

constexpr int kEdit = 5;
constexpr int kCheck = 6;

class DialogItemsTest : public testing::Test {
  protected:
    // Visible, since an item counts as active only when it is shown; it stays open for the
    // whole run because closing a visible window is slow under Wine.
    static void SetUpTestSuite() {
        if (!dialog)
            dialog = MakeTestWindow(300, 200, 40, 30, WS_VISIBLE);
    }
    void SetUp() override {
        children[0] = Child("EDIT", kEdit, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10);
        children[1] = Child("BUTTON", kCheck, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 50);
    }
    void TearDown() override {
        for (HWND child : children)
            DestroyWindow(child);
    }
    static HWND Child(const char* windowClass, int id, DWORD style, int x, int y) {
        return CreateWindowExA(0, windowClass, "", style, x, y, 100, 24, dialog,
                               reinterpret_cast<HMENU>(id), GetModuleHandleA(nullptr), nullptr);
    }
    static inline HWND dialog = nullptr;
    HWND children[2] = {};
};

TEST_F(DialogItemsTest, TextIsCutAt254Characters) {
    const std::string longText(300, 'x');
    SetItemText(dialog, longText.c_str(), kEdit);
    char buffer[256];
    buffer[255] = '#';
    EXPECT_EQ(GetItemText(dialog, buffer, kEdit), buffer);
    EXPECT_EQ(std::string(buffer), std::string(254, 'x'));
    EXPECT_EQ(buffer[255], '#');
}

TEST_F(DialogItemsTest, CheckEnableAndShow) {
    CheckItem(dialog, kCheck, true);
    EXPECT_TRUE(IsItemChecked(dialog, kCheck));
    CheckItem(dialog, kCheck, false);
    EXPECT_FALSE(IsItemChecked(dialog, kCheck));
    DisableItem(dialog, kCheck);
    EXPECT_FALSE(IsItemEnabled(dialog, kCheck));
    EXPECT_FALSE(IsItemActive(dialog, kCheck));
    EnableItem(dialog, kCheck);
    HideItem(dialog, kCheck);
    EXPECT_TRUE(IsItemEnabled(dialog, kCheck));
    EXPECT_FALSE(IsItemActive(dialog, kCheck));
    ShowItem(dialog, kCheck);
    EXPECT_TRUE(IsItemActive(dialog, kCheck));
}

TEST_F(DialogItemsTest, RectanglesAndMoves) {
    RECT rect;
    MoveItemTo(dialog, kEdit, 60, 70);
    GetItemRectInClient(dialog, kEdit, &rect);
    EXPECT_EQ(rect.left, 60);
    EXPECT_EQ(rect.top, 70);
    EXPECT_EQ(rect.right - rect.left, 100);

    GetItemRect(dialog, kEdit, &rect);
    EXPECT_EQ(rect.left, 40 + 60); // screen
    gTableOrigin = {40, 30};
    RECT inTable;
    GetItemRectInTable(dialog, kEdit, &inTable);
    EXPECT_EQ(inTable.left, 60);
    EXPECT_EQ(inTable.top, 70);
    gTableOrigin = {};

    // Offsets are computed against the screen rectangle, so the screen position cancels.
    OffsetItem(dialog, kEdit, 5 - rect.left + 60, 3 - rect.top + 70);
    GetItemRectInClient(dialog, kEdit, &rect);
    EXPECT_EQ(rect.left, 65);
    EXPECT_EQ(rect.top, 73);

    int item = 9;
    EXPECT_EQ(FindButtonAt(dialog, 65, 73, &item), 0);
    EXPECT_EQ(item, 9);
}

} // namespace

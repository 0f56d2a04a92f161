// Menu items by command id.
#include "platform/win32/Menus.h"

#include <gtest/gtest.h>

namespace {

class MenusTest : public testing::Test {
  protected:
    void SetUp() override {
        menu = CreatePopupMenu();
        for (UINT id : {50u, 100u, 102u})
            AppendMenuA(menu, MF_STRING, id, "item");
    }
    void TearDown() override { DestroyMenu(menu); }
    UINT State(UINT id) { return GetMenuState(menu, id, MF_BYCOMMAND); }
    HMENU menu = nullptr;
};

TEST_F(MenusTest, EnableCheckAndLowIds) {
    SetMenuItemEnabled(menu, 100, false);
    EXPECT_TRUE(State(100) & MF_GRAYED);
    SetMenuItemEnabled(menu, 100, true);
    EXPECT_FALSE(State(100) & MF_GRAYED);
    SetMenuItemEnabled(menu, 50, false);
    EXPECT_FALSE(State(50) & MF_GRAYED) << "ids below 100 are left alone";
    SetMenuItemChecked(menu, 102, true);
    EXPECT_TRUE(State(102) & MF_CHECKED);
    SetMenuItemChecked(menu, 102, false);
    EXPECT_FALSE(State(102) & MF_CHECKED);
}

TEST_F(MenusTest, MissingIdChangesNothing) {
    SetMenuItemEnabled(menu, 999, false);
    SetMenuItemChecked(menu, 999, true);
    DeleteMenuItem(menu, 999);
    EXPECT_EQ(CountMItems(menu), 3);
    for (UINT id : {50u, 100u, 102u})
        EXPECT_EQ(State(id), static_cast<UINT>(MF_STRING)) << id;
}

TEST_F(MenusTest, InsertGoesInFrontOfTheNextId) {
    ASSERT_TRUE(InsertMenuItem(menu, "new", 101)); // in front of item 102
    EXPECT_EQ(CountMItems(menu), 4);
    EXPECT_EQ(GetMenuItemID(menu, 2), 102u);
    char text[16] = {};
    GetMenuStringA(menu, 102, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "new");
    DeleteMenuItem(menu, 102);
    DeleteMenuItem(menu, 102);
    EXPECT_EQ(CountMItems(menu), 2);
}

} // namespace

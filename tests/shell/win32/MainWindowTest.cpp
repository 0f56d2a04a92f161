// The main window's procedure and menu dispatch: commands sent as WM_COMMAND, forwarding to
// the Schafkopf table, the timer, and closing and quitting.
#include "shell/win32/MainWindow.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/Environment.h"
#include "shell/win32/RunningShell.h"
#include "story/win32/RoomPanel.h"
#include "views/win32/TablePane.h"

namespace {

// A room panel that records the commands that reach it.
class RecordingRoomPanel : public RoomPanel {
  public:
    int HandleRoomCommand(int id) override {
        commands.push_back(id);
        return 1;
    }
    std::vector<int> commands;
};

// A table pane that records what the table procedure hands it.
class RecordingTablePane : public TablePane {
  public:
    void HandleKey(std::int8_t key) override { keys.push_back(key); }
    void SetPhase(int newPhase, int) override { phases.push_back(newPhase); }
    void Idle(std::uint32_t, int) override { ++idles; }
    std::vector<int> keys;
    std::vector<int> phases;
    int idles = 0;
};

class MainWindowTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        // Recording stand-ins in the table's slots (the slots own and delete them).
        delete gPaneSlots[kTableSlot];
        pane_ = new RecordingTablePane;
        pane_->window = gWindowSlots[kTableSlot];
        gPaneSlots[kTableSlot] = pane_;
        delete gPaneSlots[kRoomPanelSlot];
        panel_ = new RecordingRoomPanel;
        gPaneSlots[kRoomPanelSlot] = panel_;
        pane_->roomPanel = panel_;
    }
    RecordingTablePane* pane_ = nullptr;
    RecordingRoomPanel* panel_ = nullptr;
};

} // namespace

TEST_F(MainWindowTest, UnknownCommandsReachTheSchafkopfTable) {
    Command(713); // Ctrl+B
    Command(406); // New Deal
    EXPECT_EQ(panel_->commands, std::vector<int>{713});
    EXPECT_EQ(pane_->phases, std::vector<int>{1});
}

TEST_F(MainWindowTest, KeysAreForwardedToTheTablePane) {
    SendMessageA(gMainWindow, WM_KEYDOWN, VK_LEFT, 0);
    SendMessageA(gMainWindow, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(gMainWindow, WM_CHAR, 0xE4, 0);
    EXPECT_EQ(pane_->keys, (std::vector<int>{28, 31, -28}));
}

TEST_F(MainWindowTest, PanicMinimisesTheMainWindow) {
    Command(1505);
    EXPECT_TRUE(IsIconic(gMainWindow));
    EXPECT_TRUE(IsWindow(gMainWindow));
}

TEST_F(MainWindowTest, TheTimerGivesTheTablePaneItsTick) {
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_EQ(pane_->idles, 1);
    gQuitting = 1;
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_EQ(pane_->idles, 1);
    gQuitting = 0;
}

TEST_F(MainWindowTest, PagesOpenThroughTheShell) {
    std::vector<std::string> opened;
    SetShellOpener([&](void*, const char* file) -> std::intptr_t {
        opened.push_back(file);
        return 42;
    });
    Command(1503);
    Command(1507);
    Command(1501);
    SetShellOpener({});
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_NE(opened[0].find("/en/order"), std::string::npos);
    EXPECT_EQ(opened[2], "Book.htm");
}

TEST_F(MainWindowTest, QuitWritesThePreferencesAndEndsTheLoop) {
    HWND table = gWindowSlots[kTableSlot];
    Command(1008);
    EXPECT_FALSE(IsWindow(table));
    EXPECT_EQ(gWindowSlots[kTableSlot], nullptr);
    EXPECT_EQ(gPaneSlots[kRoomPanelSlot], nullptr);
    EXPECT_EQ(gMainWindow, nullptr);
    EXPECT_EQ(PreferencesSize(), 5556);
    EXPECT_TRUE(Pump());
}

TEST_F(MainWindowTest, ClosingTheWindowIsAQuit) {
    SendMessageA(gMainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(gMainWindow, nullptr);
    EXPECT_EQ(PreferencesSize(), 5556);
}

TEST_F(MainWindowTest, AQuitRequestIsCarriedOutAtTheNextMessage) {
    RequestQuit();
    SendMessageA(gMainWindow, WM_NULL, 0, 0);
    EXPECT_EQ(gMainWindow, nullptr);
    EXPECT_EQ(gQuitting, 1);
    EXPECT_TRUE(Pump());
}

// Every command of the menu through DispatchMenuCommand: what each one reaches (a dialog
// template with its procedure, a box, a page, the table pane, the room panel or a beep), as
// the test seams see it. A table, so that two swapped ids or a wrong argument show.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/win32/GameDocumentWin.h"
#include "platform/Alerts.h"
#include "platform/win32/ModalDialog.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/ManualDealDialog.h"
#include "shell/win32/PreferenceDialogs.h"
#include "shell/win32/RunningShell.h"
#include "shell/win32/SmallDialogs.h"
#include "story/win32/RoomPanel.h"
#include "views/win32/TablePane.h"

namespace {

std::vector<std::string> gLog;

void Note(const std::string& entry) {
    gLog.push_back(entry);
}

class LoggingRoomPanel : public RoomPanel {
  public:
    int HandleRoomCommand(int id) override {
        Note("room " + std::to_string(id));
        return 1;
    }
};

class LoggingTablePane : public TablePane {
  public:
    void Suggest() override { Note("Suggest"); }
    void SetPhase(int phase, int flag) override {
        Note("SetPhase " + std::to_string(phase) + " " + std::to_string(flag));
    }
    void ReplayGame(int flag) override { Note("ReplayGame " + std::to_string(flag)); }
    void GiveUp(int a, int b, int c) override {
        Note("GiveUp " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c));
    }
    void Announce(int level) override { Note("Announce " + std::to_string(level)); }
    void HandleCommand(int id) override { Note("HandleCommand " + std::to_string(id)); }
    void LeaveTable() override { Note("LeaveTable"); }
    void ApplySettings() override { Note("ApplySettings"); }
};

// Stand-ins for the preference dialogs' procedures, told apart by the log.
INT_PTR CALLBACK ViewProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
INT_PTR CALLBACK KeyboardProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
INT_PTR CALLBACK SoundProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}
INT_PTR CALLBACK AboutProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

std::string ProcedureName(DLGPROC procedure) {
    if (procedure == ViewProc)
        return "view";
    if (procedure == KeyboardProc)
        return "keyboard";
    if (procedure == SoundProc)
        return "sound";
    if (procedure == AboutProc)
        return "about";
    if (procedure == SettingsDialogProc)
        return "settings";
    if (procedure == SuitNamesDialogProc)
        return "suit names";
    if (procedure == StylesComparisonDialogProc)
        return "styles";
    if (procedure == ManualDealDialogProc)
        return "manual deal";
    return "other";
}

class MenuDispatchTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        delete gPaneSlots[kTableSlot];
        auto* pane = new LoggingTablePane;
        pane->window = gWindowSlots[kTableSlot];
        gPaneSlots[kTableSlot] = pane;
        delete gPaneSlots[kRoomPanelSlot];
        auto* panel = new LoggingRoomPanel;
        gPaneSlots[kRoomPanelSlot] = panel;
        pane->roomPanel = panel;

        kept_[0] = gScreenViewDialogProc;
        kept_[1] = gKeyboardDialogProc;
        kept_[2] = gSoundDialogProc;
        kept_[3] = gAboutDialogProc;
        gScreenViewDialogProc = ViewProc;
        gKeyboardDialogProc = KeyboardProc;
        gSoundDialogProc = SoundProc;
        gAboutDialogProc = AboutProc;
        SetModalDialogPresenter([](const ModalDialogRequest& request) -> INT_PTR {
            Note("dialog " + std::to_string(request.templateId) + " " +
                 ProcedureName(request.procedure));
            return IDCANCEL;
        });
        SetShellOpener([](void*, const char* file) -> std::intptr_t {
            Note(std::string("open ") + file);
            return 42;
        });
        SetGameFileDialog([](bool save, const std::string& offered, std::string*) {
            Note(std::string(save ? "save dialog " : "open dialog ") + offered);
            return false;
        });
        gLog.clear();
    }

    void TearDown() override {
        gScreenViewDialogProc = kept_[0];
        gKeyboardDialogProc = kept_[1];
        gSoundDialogProc = kept_[2];
        gAboutDialogProc = kept_[3];
        SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return IDCANCEL; });
        SetShellOpener({});
        SetGameFileDialog({});
        RunningShell::TearDown();
    }

    // The command through the menu dispatch; everything it reached, in order, with the boxes
    // and beeps after the rest.
    std::vector<std::string> Dispatch(int id) {
        gLog.clear();
        ResetAlertRecorder();
        ScriptAlertAnswers({kAnswerCancel});
        const auto beeps = SysBeepCount();
        DispatchMenuCommand(gMainWindow, static_cast<WPARAM>(id), 0);
        for (const AlertBox& box : RecordedAlerts())
            Note("box " + box.text);
        if (SysBeepCount() != beeps)
            Note("beep");
        return gLog;
    }

    DLGPROC kept_[4] = {};
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(MenuDispatchTest, EachCommandReachesItsOwnTarget) {
    struct Case {
        int id;
        Log reached;
    };
    const Case cases[] = {
        // File
        {1002, {"open dialog Sheep.dat"}},
        {1004, {"save dialog Sheep.dat"}},
        {1005, {"save dialog Sheep.dat"}},
        {1006, {}},
        {1007, {}},
        {1010, {"box Network play is not available in this version."}},
        // Preferences
        {1101, {"dialog 1501 view"}},
        {1102, {"dialog 1502 keyboard"}},
        {1103, {"dialog 1504 settings"}},
        {1104, {"dialog 1505 sound"}},
        {1105, {}},
        {1106, {"dialog 1011 suit names"}},
        {1110, {"box Should I copy your film folder to your hard disk ?"}},
        {1111, {"box Should I create a shortcut file for this game at the Desktop?"}},
        // Game, Announce and Windows: the Schafkopf table's procedure
        {401, {"Suggest"}},
        {406, {"SetPhase 1 0"}},
        {407, {"ReplayGame 1"}},
        {409, {"GiveUp 0 0 0"}},
        {1208, {"beep"}},
        {1209, {"beep"}},
        {1210, {"LeaveTable"}},
        {301, {"Announce 0"}},
        {302, {"Announce 1"}},
        {303, {"Announce 8"}},
        {304, {"Announce 9"}},
        {1408, {"beep"}},
        {1409, {"beep"}},
        {1410, {"beep"}},
        {1411, {"beep"}},
        // "Rest Mine" asks first; it and the side-window openers are the table's own: nothing
        // reaches the room panel.
        {408, {"box Are your remaining cards really secure?"}},
        {502, {"dialog 1554 other"}},
        {503, {}},
        {504, {}},
        {505, {}},
        {508, {}},
        {1406, {"dialog 1611 manual deal"}},
        {1412, {}},
        {1413, {}},
        {1414, {}},
        // Help
        {1501, {"open Book.htm"}},
        {1502, {"dialog 1500 about"}},
        {1503, {"open https://schafkopf.example.org/en/order.html"}},
        {1506, {"open https://schafkopf.example.org/en/updates.html"}},
        {1507, {"open https://schafkopf.example.org/en/"}},
        {1508, {"open https://schafkopf.example.org/en/club.html"}},
        {1511, {"open https://schafkopf.example.org/en/movies.html"}},
        {1512, {"dialog 1012 styles"}},
        // Commands without an item: hosting, and the ids that do nothing
        {1701, {}},
        {1702, {}},
        {1703, {}},
        {1704, {}},
        {1706, {}},
        {1707, {}},
        // Ids of the table's controls and of other tables go on to the table and its room
        {100, {"HandleCommand 100"}},
        {116, {"HandleCommand 116"}},
        {713, {"room 713"}},
        {802, {"room 802"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Dispatch(c.id), c.reached) << "command " << c.id;
    EXPECT_TRUE(IsWindow(gWindowSlots[kTableSlot])) << "no command of the table closed it";
}

TEST_F(MenuDispatchTest, TheTwoSwitchesToggleTheirSettings) {
    const std::uint8_t small = gSettings->body.superSmallCards;
    EXPECT_EQ(Dispatch(1202), Log{"ApplySettings"});
    EXPECT_EQ(gSettings->body.superSmallCards, small ? 0 : 1);

    SchafkopfOptions* options = SchafkopfOptionsRecord();
    ASSERT_NE(options, nullptr);
    const auto notes = options->showRuleNotes;
    EXPECT_EQ(Dispatch(1203), Log{});
    EXPECT_EQ(options->showRuleNotes, notes ? 0 : 1);
    EXPECT_EQ((GetMenuState(gMainMenu, 1203, MF_BYCOMMAND) & MF_CHECKED) != 0,
              options->showRuleNotes != 0);
}

TEST_F(MenuDispatchTest, OpenLeavesTheTableAndItsGameAsTheyWere) {
    HWND table = gWindowSlots[kTableSlot];
    Pane* pane = gPaneSlots[kTableSlot];
    gGameDirty = 1;
    EXPECT_EQ(Dispatch(1002), Log{"open dialog Sheep.dat"}) << "cancelled in the dialog";
    EXPECT_EQ(gWindowSlots[kTableSlot], table);
    EXPECT_TRUE(IsWindowVisible(table));
    EXPECT_EQ(gPaneSlots[kTableSlot], pane);
    EXPECT_EQ(gTableOpen, 1);
    EXPECT_EQ(gGameDirty, 1);
}

namespace {

// The command ids of the main menu's items that are greyed, as the menu opens (WM_INITMENU).
std::vector<int> GreyedItems() {
    SendMessageA(gMainWindow, WM_INITMENU, reinterpret_cast<WPARAM>(gMainMenu), 0);
    std::vector<int> greyed;
    for (int popup = 0; popup < GetMenuItemCount(gMainMenu); ++popup) {
        HMENU items = GetSubMenu(gMainMenu, popup);
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
            const UINT id = GetMenuItemID(items, i);
            if (id == 0 || id == static_cast<UINT>(-1))
                continue; // separators
            if (GetMenuState(items, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED))
                greyed.push_back(static_cast<int>(id));
        }
    }
    return greyed;
}

using MenuStateTest = RunningShell;

} // namespace

// The empty table carries out the two switches, New Deal, the score sheet and the play rating;
// New waits for the table to close, and the network settings have nothing to set. Every other
// item acts (see the table above).
TEST_F(MenuStateTest, ItemsThatCannotActAreGreyed) {
    const std::vector<int> withTheEmptyTable = {
        1001, 1105, 401, 407, 408,  409,  1208, 1209, 1210, 1211, 301,  302, 303,
        304,  503,  504, 508, 1406, 1408, 1409, 1410, 1411, 1412, 1413, 1414};
    EXPECT_EQ(GreyedItems(), withTheEmptyTable);

    // Close: no table, nothing receives its items, and with no window open nothing to close
    // or to save.
    SendMessageA(gMainWindow, WM_COMMAND, 1003, 0);
    ASSERT_EQ(gWindowSlots[kTableSlot], nullptr);
    const std::vector<int> withoutATable = {1003, 1004, 1005, 1105, 401,  1202, 406,  407,
                                            408,  409,  1208, 1209, 1210, 1211, 301,  302,
                                            303,  304,  502,  503,  504,  505,  508,  1406,
                                            1408, 1409, 1410, 1411, 1412, 1413, 1414, 1203};
    EXPECT_EQ(GreyedItems(), withoutATable);

    SendMessageA(gMainWindow, WM_COMMAND, 1001, 0); // New
    EXPECT_EQ(GreyedItems(), withTheEmptyTable);
}

// Close stays enabled while any of the game's windows is open, table or not, and closes it.
TEST_F(MenuStateTest, CloseFollowsTheOpenWindows) {
    SendMessageA(gMainWindow, WM_COMMAND, 1003, 0);
    ASSERT_EQ(gWindowSlots[kTableSlot], nullptr);
    const auto closeGreyed = [] {
        const std::vector<int> greyed = GreyedItems();
        return std::find(greyed.begin(), greyed.end(), 1003) != greyed.end();
    };
    EXPECT_TRUE(closeGreyed());

    const int slot = 2;
    ASSERT_EQ(gWindowSlots[slot], nullptr);
    gWindowSlots[slot] = CreateWindowExA(0, "STATIC", "side", WS_POPUP, 0, 0, 50, 50, gMainWindow,
                                         nullptr, nullptr, nullptr);
    ASSERT_NE(gWindowSlots[slot], nullptr);
    EXPECT_FALSE(closeGreyed());

    SendMessageA(gMainWindow, WM_COMMAND, 1003, 0);
    EXPECT_EQ(gWindowSlots[slot], nullptr);
    EXPECT_TRUE(closeGreyed());
}

// The File menu's game commands on the running shell: the save question when the table
// closes, Save and Save As against a document that answers as told, and the menu state.
#include "shell/win32/GameFileCommands.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/win32/GameDocumentWin.h"
#include "games/fourplayer/DoppelkopfDocumentController.h"
#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "games/skat/SkatDocumentController.h"
#include "platform/Handles.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/TablePane.h"

namespace {

// A document whose saving answers as told and records what it was given.
class ScriptedDocument : public GameDocumentWin {
  public:
    explicit ScriptedDocument(bool saves, bool* deleted = nullptr)
        : saves_(saves), deleted_(deleted) {}
    ~ScriptedDocument() override {
        if (deleted_)
            *deleted_ = true;
    }
    bool SaveAs(int phase, int) override {
        phases.push_back(phase);
        handlesAtSave.push_back(recordHandle);
        return saves_;
    }
    std::vector<int> phases;
    std::vector<Handle> handlesAtSave;

  private:
    bool saves_;
    bool* deleted_;
};

// A table pane whose game kind and running state the test sets.
class StubTablePane : public TablePane {
  public:
    bool IsGameRunning() override { return running; }
    int GetGameKind() override { return kind; }
    bool running = false;
    int kind = 2;
};

Handle ListOf(std::int32_t games) {
    Handle list = NewHandle(GameListSize(games));
    GameListHead(list)->count = games;
    return list;
}

class GameFileCommandsTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        ASSERT_NE(gWindowSlots[kTableSlot], nullptr);
        delete gPaneSlots[kTableSlot];
        pane_ = new StubTablePane;
        pane_->window = gWindowSlots[kTableSlot];
        pane_->phase = 3;
        gPaneSlots[kTableSlot] = pane_;
        startDocument_ = gGameDocument;
        gGameDocument = document_ = new ScriptedDocument(true, &documentDeleted_);
        lists_[0] = ListOf(0);
        lists_[1] = ListOf(0);
        lists_[2] = ListOf(0);
        savedLists_[0] = gSkatGame->listHandle;
        savedLists_[1] = gDoppelkopfGame->gameListHandle;
        savedLists_[2] = gSchafkopfGame->gameListHandle;
        gSkatGame->listHandle = lists_[0];
        gDoppelkopfGame->gameListHandle = lists_[1];
        gSchafkopfGame->gameListHandle = lists_[2];
    }
    void TearDown() override {
        SetGameDocumentFactory({});
        gSkatGame->listHandle = savedLists_[0];
        gDoppelkopfGame->gameListHandle = savedLists_[1];
        gSchafkopfGame->gameListHandle = savedLists_[2];
        for (Handle list : lists_)
            DisposeHandle(list);
        delete gGameDocument;
        gGameDocument = startDocument_;
        for (GameDocumentWin** document :
             {&gSkatGame->document, &gDoppelkopfGame->document, &gSchafkopfGame->document}) {
            *document = startDocument_;
        }
        gGameDirty = 0;
        RunningShell::TearDown();
    }
    static bool Enabled(int id) {
        return !(GetMenuState(gMainMenu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    }
    static bool Checked(int id) {
        return (GetMenuState(gMainMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
    }
    static std::string Text(int id) {
        char text[256] = "";
        GetMenuStringA(gMainMenu, id, text, sizeof text, MF_BYCOMMAND);
        return text;
    }

    StubTablePane* pane_ = nullptr;
    ScriptedDocument* document_ = nullptr;
    GameDocumentWin* startDocument_ = nullptr;
    bool documentDeleted_ = false;
    Handle lists_[3] = {};
    Handle savedLists_[3] = {};
};

struct CloseCase {
    bool running;
    bool dirty;
    std::int32_t games; // in the table's list
    int answer;         // to the question, when it comes
    bool saves;         // the document's answer
    bool asked, saved, closed;
};

class CloseQuestionTest : public GameFileCommandsTest,
                          public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseQuestionTest, ClosingTheTableAsksWhenGamesWouldBeLost) {
    const CloseCase& c = GetParam();
    HWND table = gWindowSlots[kTableSlot];
    pane_->running = c.running;
    GameListHead(lists_[2])->count = c.games;
    delete gGameDocument;
    gGameDocument = document_ = new ScriptedDocument(c.saves);
    gGameDirty = c.dirty ? 1 : 0;
    ScriptAlertAnswers({c.answer});

    const bool closed = CloseWindows(true);
    std::size_t questions = 0;
    for (const AlertBox& box : RecordedAlerts()) {
        if (box.text == "Should I save the current game?")
            ++questions;
    }
    EXPECT_EQ(questions, c.asked ? 1u : 0u);
    EXPECT_EQ(document_->phases.size(), c.saved ? 1u : 0u);
    if (c.saved) {
        EXPECT_EQ(document_->handlesAtSave[0], lists_[2]) << "the Schafkopf game list is saved";
    }
    EXPECT_EQ(closed, c.closed);
    EXPECT_EQ(IsWindow(table) != FALSE, !c.closed);
    if (!c.closed) {
        EXPECT_EQ(gGameDirty, 1) << "a kept table stays dirty";
    }
}

std::string CloseCaseName(const testing::TestParamInfo<CloseCase>& info) {
    const CloseCase& c = info.param;
    const char* answer = c.answer == kAnswerYes ? "Yes" : c.answer == kAnswerNo ? "No" : "Cancel";
    return std::string(c.running ? "Running" : "Idle") + (c.dirty ? "Dirty" : "Clean") +
           std::to_string(c.games) + "Games" + answer + (c.saves ? "" : "SaveFails");
}

INSTANTIATE_TEST_SUITE_P(Cases, CloseQuestionTest,
                         testing::Values(
                             // running, dirty, games, answer, saves -> asked, saved, closed
                             CloseCase{true, true, 0, kAnswerYes, true, true, true, true},
                             CloseCase{true, true, 0, kAnswerNo, true, true, false, true},
                             CloseCase{true, true, 0, kAnswerCancel, true, true, false, false},
                             CloseCase{true, true, 0, kAnswerYes, false, true, true, false},
                             CloseCase{false, true, 0, kAnswerYes, true, false, false, true},
                             CloseCase{false, true, 1, kAnswerYes, true, true, true, true},
                             CloseCase{false, true, 4, kAnswerCancel, true, true, false, false},
                             CloseCase{false, true, 2, kAnswerYes, false, true, true, false},
                             CloseCase{false, false, 3, kAnswerYes, true, false, false, true},
                             CloseCase{true, false, 0, kAnswerYes, true, false, false, true}),
                         CloseCaseName);

TEST_F(GameFileCommandsTest, SaveTakesTheListOfThePanesGameAndClearsDirtyOnlyOnSuccess) {
    for (int kind : {0, 1, 2}) {
        pane_->kind = kind;
        gGameDirty = 1;
        ASSERT_TRUE(SaveGame()) << kind;
        EXPECT_EQ(document_->handlesAtSave.back(), lists_[kind]) << kind;
        EXPECT_EQ(document_->phases.back(), 3);
        EXPECT_EQ(gGameDirty, 0);
    }
    pane_->kind = 7;
    gGameDirty = 1;
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(document_->phases.size(), 3u);
    EXPECT_EQ(gGameDirty, 1);

    pane_->kind = 2;
    delete gGameDocument;
    gGameDocument = document_ = new ScriptedDocument(false);
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(document_->phases.size(), 1u);
    EXPECT_EQ(gGameDirty, 1) << "a failed save leaves the game dirty";
}

TEST_F(GameFileCommandsTest, ASaveDuringAWaitIsDoneAtTheNextTimerTick) {
    gGameDirty = 1;
    gWaitDepth = 2;
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(gSaveDeferred, 1);
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_TRUE(document_->phases.empty()) << "still waiting: put off again";
    EXPECT_EQ(gSaveDeferred, 1);
    gWaitDepth = 0;
    SendMessageA(gMainWindow, WM_TIMER, kMainTimer, 0);
    EXPECT_EQ(document_->phases.size(), 1u);
    EXPECT_EQ(gSaveDeferred, 0);
    EXPECT_EQ(gGameDirty, 0);
}

TEST_F(GameFileCommandsTest, SaveAsReplacesTheDocumentEverywhereOnlyOnSuccess) {
    document_->header.gameKind = 2;
    document_->header.phase = 4;
    ScriptedDocument* made = nullptr;
    bool madeDeleted = false;
    SetGameDocumentFactory([&] { return made = new ScriptedDocument(false, &madeDeleted); });
    gGameDirty = 1;
    EXPECT_FALSE(SaveGameAs());
    EXPECT_TRUE(madeDeleted);
    EXPECT_EQ(gGameDocument, document_);
    EXPECT_FALSE(documentDeleted_);
    EXPECT_EQ(gGameDirty, 1);

    SetGameDocumentFactory([&] { return made = new ScriptedDocument(true, &madeDeleted); });
    madeDeleted = false;
    EXPECT_TRUE(SaveGameAs());
    EXPECT_FALSE(madeDeleted);
    EXPECT_TRUE(documentDeleted_);
    EXPECT_EQ(gGameDocument, made);
    EXPECT_EQ(gSkatGame->document, made);
    EXPECT_EQ(gDoppelkopfGame->document, made);
    EXPECT_EQ(gSchafkopfGame->document, made);
    EXPECT_EQ(gGameDirty, 0);
    ASSERT_EQ(made->phases, std::vector<int>{3});
    EXPECT_EQ(made->handlesAtSave[0], lists_[2]) << "the new document writes the game list";
    EXPECT_EQ(made->header.gameKind, 2);
    EXPECT_EQ(made->header.phase, 4);
    document_ = made;
}

TEST_F(GameFileCommandsTest, TheMenuFollowsTheTable) {
    gSettings->body.superSmallCards = 1;
    SchafkopfOptionsRecord()->showRuleNotes = 1;
    UpdateMenus();
    EXPECT_FALSE(Enabled(1001)) << "New only without a table";
    for (int id : {1002, 1003, 1004, 1005})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(1406));
    EXPECT_TRUE(Checked(1202));
    EXPECT_TRUE(Checked(1203));
    gSettings->body.superSmallCards = 0;
    SchafkopfOptionsRecord()->showRuleNotes = 0;
    UpdateMenus();
    EXPECT_FALSE(Checked(1202));
    EXPECT_FALSE(Checked(1203));

    gTableKind = 2;
    UpdatePlayerMenuNames();
    for (int player = 1; player <= 3; ++player) {
        char name[64] = "";
        gSkatGame->GetPlayerNameC(name, player);
        EXPECT_EQ(Text(1411 + player),
                  std::string(name) + "...\tCtrl+" + std::to_string(player + 4));
    }
    ModifyMenuA(gMainMenu, 1414, MF_BYCOMMAND | MF_STRING, 1414, "kept");
    gTableKind = 0;
    UpdatePlayerMenuNames();
    EXPECT_EQ(Text(1414), "kept") << "a Skat table has no third opponent";
    gTableKind = 2;

    ASSERT_TRUE(CloseWindows(true));
    pane_ = nullptr;
    UpdateMenus();
    EXPECT_TRUE(Enabled(1001));
    EXPECT_TRUE(Enabled(1002));
    // Nothing to close or to save: the three items would do nothing.
    for (int id : {1003, 1004, 1005})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_FALSE(SaveGame()) << "no table pane";
    EXPECT_FALSE(SaveGameAs());
}

// A director that records the series calls.
class RecordingDirector : public TournamentDirector {
  public:
    void StartSeries() override { calls.push_back("start"); }
    void SetSeriesParameters(std::int32_t value, std::int32_t count) override {
        calls.push_back("parameters " + std::to_string(value) + " " + std::to_string(count));
        seriesValue = 77;
    }
    void BeginPlay(int flag) override { calls.push_back("play " + std::to_string(flag)); }
    std::vector<std::string> calls;
};

TEST_F(GameFileCommandsTest, TheDirectorsSeriesStartsOnlyForNetworkOrDirectedStoryTables) {
    TournamentDirector* director = gDirector;
    RecordingDirector recording;
    gDirector = &recording;
    struct Case {
        std::int16_t network;
        std::uint8_t story, runsTables;
        bool fresh;
        std::vector<std::string> calls;
    } cases[] = {
        {0, 0, 1, true, {}},
        {0, 1, 0, true, {}},
        {1, 0, 0, false, {"parameters 0 3"}},
        {1, 0, 0, true, {"parameters 0 3", "start", "play 1"}},
        {0, 1, 1, true, {"parameters 0 3", "start", "play 1"}},
    };
    const std::int16_t network = gSettings->body.networkGame;
    for (const Case& c : cases) {
        recording.calls.clear();
        gSettings->body.networkGame = c.network;
        gStoryMode = c.story;
        gDirectorRunsTables = c.runsTables;
        StartDirectorSeries(c.fresh, true);
        EXPECT_EQ(recording.calls, c.calls) << c.network << c.story << c.runsTables << c.fresh;
    }
    ClearDirectorSeriesValue();
    EXPECT_EQ(recording.seriesValue, 0);
    gSettings->body.networkGame = network;
    gStoryMode = 0;
    gDirectorRunsTables = 0;
    gDirector = director;
}

} // namespace

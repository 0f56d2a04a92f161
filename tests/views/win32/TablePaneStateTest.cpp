#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "document/GameDocument.h"
#include "games/fourplayer/GameController.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "media/win32/SoundManager.h"
#include "platform/Random.h"
#include "story/win32/RoomPanel.h"
#include "tournament/TournamentDirector.h"
#include "views/win32/TableFixture.h"

namespace {

class ControllerDouble : public GameController {
  public:
    void GetDescriptor(char* text) override { std::strcpy(text, descriptor.c_str()); }
    int GetDeclarer() override { return declarer; }
    bool DidHumanWinLastGame() override { return humanWon; }
    int GetLastGameValue() override { return value; }
    void NewGameList() override { ++newLists; }
    std::string descriptor;
    int declarer = 0;
    bool humanWon = true;
    int value = 30;
    int newLists = 0;
};

class PanelDouble : public RoomPanel {
  public:
    void ResetRoomChoice() override { ++resets; }
    void DisableRoomControls() override { ++disables; }
    int resets = 0, disables = 0;
};

class GaugesDouble : public Pane {
  public:
    void Draw(const RECT* rect) override { drawn.push_back(*rect); }
    std::vector<RECT> drawn;
};

class TableStateTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        controller_.Init(&gSettings->body);
        delete table_;
        table_ = new TestTable;
        table_->InitTable(&controller_, gSettings, gWindowSlots[kTableSlot], &panel_);
    }
    ControllerDouble controller_;
    PanelDouble panel_;
};

TEST_F(TableStateTest, PhaseSwitchTellsThePanelAndTheController) {
    EXPECT_EQ(table_->owner, &panel_) << "the room panel is the pane's owner";
    table_->SetPhase(7, 0);
    EXPECT_EQ(panel_.resets, 1);
    EXPECT_EQ(table_->phaseEntered, 0) << "a room scene enters no table phase";
    table_->SetPhase(9, 0);
    EXPECT_EQ(panel_.disables, 1);
    EXPECT_EQ(table_->phaseEntered, 1);
    table_->SetPhase(0, 1);
    EXPECT_EQ(controller_.newLists, 0) << "kept list";
    table_->SetPhase(0, 0);
    EXPECT_EQ(controller_.newLists, 1);
    table_->SetPhase(3, 0);
    EXPECT_EQ(controller_.newLists, 1);
    EXPECT_EQ(panel_.resets, 1);
    EXPECT_EQ(panel_.disables, 1);
}

TEST_F(TableStateTest, GaugesDrawOverTheWholeTableAndThePubStoryRunsTheirIdleStep) {
    GaugesDouble gauges;
    table_->Draw(nullptr); // no gauge pane: nothing to draw
    SetGaugePane(table_, &gauges);
    table_->Draw(nullptr);
    ASSERT_EQ(gauges.drawn.size(), 1u);
    RECT client;
    GetClientRect(table_->window, &client);
    EXPECT_TRUE(EqualRect(&gauges.drawn[0], &client));
    table_->Idle(1000, 0); // without the pub story the gauges rest
    EXPECT_EQ(gauges.drawn.size(), 1u);
    SetGaugePane(table_, nullptr);
    gSettings->body.storyMode = 1;
    EXPECT_FALSE(IsPubStoryTable(table_)) << "story mode 2 needs the stored mode";
    gSettings->body.storyMode = 2;
    EXPECT_TRUE(IsPubStoryTable(table_));
    table_->roomPanel = nullptr;
    EXPECT_FALSE(IsPubStoryTable(table_)) << "and a room panel";
}

TEST_F(TableStateTest, GameEndWritesTheStatusLinesAndSoundsTheResult) {
    std::vector<int> events;
    SetEventSoundObserver([&](int event, int seat) {
        EXPECT_EQ(seat, -1);
        events.push_back(event);
    });
    std::strcpy(gSettings->body.playerNames[0], "Anna");
    gSettings->body.tableMode = 1;
    gSettings->body.seriesEnd = 1;
    std::memset(gSettings->body.pubState, 0, sizeof gSettings->body.pubState);
    controller_.humanWon = true;
    table_->ShowStateMessage();
    EXPECT_EQ(events, std::vector<int>{1505});
    EXPECT_STREQ(table_->statusTexts[1], "Game of Anna");
    EXPECT_STREQ(table_->statusTexts[2], "won, 30 points, your amount 60");
    controller_.humanWon = false;
    events.clear();
    table_->ShowStateMessage();
    EXPECT_EQ(events, std::vector<int>{1504});
    EXPECT_STREQ(table_->statusTexts[2], "lost, 30 points, your amount -60");

    // A table with a declarer counts the declarer's side: the answer is inverted, and now and
    // then a variant of the sound plays.
    controller_.declarer = 2;
    std::set<int> lossSounds, winSounds;
    for (int i = 0; i < 200; ++i) {
        events.clear();
        controller_.humanWon = true;
        table_->ShowStateMessage();
        lossSounds.insert(events.at(0));
        events.clear();
        controller_.humanWon = false;
        table_->ShowStateMessage();
        winSounds.insert(events.at(0));
    }
    EXPECT_EQ(lossSounds, (std::set<int>{1504, 1511}));
    EXPECT_EQ(winSounds, (std::set<int>{1505, 1512}));
    SetEventSoundObserver({});
}

TEST_F(TableStateTest, TitleByTheDirectorsSeriesAndTheDocument) {
    ASSERT_NE(gDirector, nullptr);
    auto title = [] {
        char text[256] = {};
        GetWindowTextA(gMainWindow, text, sizeof text);
        return std::string(text);
    };
    const std::int16_t mode = gDirector->series.seriesMode;
    gDirector->series.seriesMode = 1;
    controller_.descriptor = "";
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude") << "no empty brackets without a document";
    controller_.descriptor = "Monday";
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (Monday)");
    // The program's Schafkopf controller names the file of the last save or open, else "...".
    SchafkopfDocumentController schafkopf;
    GameDocument document;
    schafkopf.document = &document;
    table_->controller = &schafkopf;
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (...)");
    document.path = "C:\\Spiele\\Schaf.dat";
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (C:\\Spiele\\Schaf.dat)");
    table_->controller = &controller_;
    gDirector->series.seriesMode = 2;
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (League)");
    table_->gameDay = 5;
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (League): 5. Day");
    gDirector->series.seriesMode = 8;
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (Championship)");
    gDirector->qualification = 1;
    table_->UpdateTitle();
    EXPECT_EQ(title(), "Rodu Zezuv & Ozer Irude (Qualification)");
    gDirector->qualification = 0;
    gDirector->series.seriesMode = mode;
}

TEST_F(TableStateTest, TransientBoxesHoldTenAndAreEmptied) {
    for (int i = 0; i < 12; ++i) {
        const RECT box = {i, i, i + 10, i + 10};
        table_->RecordTransientBox(&box);
    }
    EXPECT_EQ(table_->transientBoxCount, 10) << "an eleventh box is not kept";
    EXPECT_EQ(table_->transientBoxes[9].left, 9);
    ClearTransientBoxes(table_);
    EXPECT_EQ(table_->transientBoxCount, 0);
    // A plate text recorded as a speech box.
    table_->DrawNamePlateText(33, "Hello", true);
    ASSERT_EQ(table_->transientBoxCount, 1);
    RECT plate;
    table_->GetElementRect(33, &plate);
    EXPECT_EQ(table_->transientBoxes[0].left, plate.left);
    EXPECT_EQ(table_->transientBoxes[0].top, plate.top);
    table_->DrawNamePlateText(33, "", true);
    EXPECT_EQ(table_->transientBoxCount, 1) << "an empty text draws nothing";
}

// A name too wide even at 9 points is drawn centred over its plate, overhanging both sides.
TEST_F(TableStateTest, ANameTooWideForItsPlateOverhangsCentred) {
    UseTableSize(1);
    Surface surface(700, 300);
    surface.Begin();
    table_->DrawNamePlateText(32, "Maximiliane-Josephine von Hohenzollern-Sigmaringen", false);
    surface.End();
    RECT plate;
    table_->GetElementRect(32, &plate);
    int leftmost = 700, rightmost = -1;
    for (int y = plate.top; y < plate.bottom; ++y)
        for (int x = 0; x < 700; ++x)
            if (surface.At(x, y) == 0) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    ASSERT_GE(rightmost, 0) << "the name is drawn";
    EXPECT_LT(leftmost, plate.left);
    EXPECT_GT(rightmost, plate.right);
    const int centre = (plate.left + plate.right) / 2;
    EXPECT_NEAR((leftmost + rightmost) / 2, centre, 3);
}

} // namespace

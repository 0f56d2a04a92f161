// The small dialogs of play, opened from their callers in the running shell and driven
// through their controls; and the two questions of the Skat table.
#include "shell/win32/SmallDialogs.h"

#include <gtest/gtest.h>

#include <string>

#include "media/win32/SoundManager.h"
#include "shell/Environment.h"
#include "shell/win32/DrivenDialogs.h"
#include "shell/win32/PreferenceDialogs.h"
#include "tournament/TournamentDirector.h"

namespace {

class SmallDialogsTest : public DrivenDialogs {
  protected:
    void SetUp() override {
        DrivenDialogs::SetUp();
        SetEventSoundObserver([this](int event, int) { events.push_back(event); });
        SetTableCommandObserver([this](int subKind, int value) {
            commands.push_back({subKind, value});
        });
    }
    void TearDown() override {
        SetEventSoundObserver({});
        SetTableCommandObserver({});
        SetShellOpener({});
        gStoryMode = 0;
        DrivenDialogs::TearDown();
    }
    std::vector<int> events;
    std::vector<std::pair<int, int>> commands;
};

} // namespace

// ---- Suit names --------------------------------------------------------------------------

TEST_F(SmallDialogsTest, SuitNamesKeepAndStoreTheChoiceWithoutManualChoice) {
    bool buttonsDisabled = false;
    drivers[kSuitNamesDialog] = [&](HWND dialog) {
        CheckItem(dialog, 200, true);
        Press(dialog, 200); // the box as clicked on
        CheckItem(dialog, 200, false);
        Press(dialog, 200);
        buttonsDisabled = !IsItemEnabled(dialog, 201) && !IsItemEnabled(dialog, 212);
        for (int item : {201, 203, 206, 210})
            CheckItem(dialog, item, false);
        for (int item : {202, 205, 209, 212})
            CheckItem(dialog, item, true);
        Press(dialog, IDOK);
    };
    Command(1106);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_EQ(gDialogAccepted, 1);
    const Bytes file = ReadFile();
    const int expected[] = {0, 2, 3, 4, 3}; // manual flag, Schellen, Herz, Gras, Eichel
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(I16(file, 1844 + 2 * i), expected[i]) << i;
    ExpectChangesOnlyIn({{1844, 1853}});
}

TEST_F(SmallDialogsTest, SuitNamesCancelKeepsEveryChoiceAndOutOfRangeShowsTheFirst) {
    std::int16_t* choice = gSettings->body.suitNameChoice;
    choice[0] = 1;
    choice[2] = 9; // no such Herz name
    WritePreferences();
    before = ReadFile();
    bool firstShown = false;
    drivers[kSuitNamesDialog] = [&](HWND dialog) {
        firstShown = IsItemChecked(dialog, 203) && !IsItemChecked(dialog, 204) &&
                     !IsItemChecked(dialog, 205);
        CheckItem(dialog, 201, false);
        CheckItem(dialog, 202, true);
        Press(dialog, IDCANCEL);
    };
    Command(1106);
    EXPECT_TRUE(firstShown);
    EXPECT_EQ(gDialogAccepted, 0);
    WritePreferences();
    EXPECT_TRUE(ChangedOffsets().empty());
}

// ---- "The End ..." -----------------------------------------------------------------------

TEST_F(SmallDialogsTest, TheEndCutsItsTextsAndPlaysTheEventOfItsKind) {
    const std::string longName(80, 'x');
    std::vector<std::string> shown;
    drivers[kTheEndDialog] = [&](HWND dialog) {
        for (int item = 201; item <= 203; ++item)
            shown.push_back(Text(dialog, item));
        Press(dialog, IDOK);
    };
    struct Case {
        int kind;
        int event;
    };
    for (const Case& c : {Case{8, 1508}, Case{1, 1505}, Case{0, 1513}, Case{2, 1513}}) {
        events.clear();
        ShowTheEnd(longName.c_str(), "Bert", "Carl", c.kind);
        EXPECT_EQ(events, std::vector<int>{c.event}) << c.kind;
    }
    ASSERT_EQ(shown.size(), 12u);
    EXPECT_EQ(shown[0], std::string(63, 'x'));
    EXPECT_EQ(shown[1], "Bert");
    EXPECT_EQ(parents.back(), gWindowSlots[kTableSlot]);
}

TEST_F(SmallDialogsTest, TheEndWithoutATableUsesTheMainWindow) {
    drivers[kTheEndDialog] = [&](HWND dialog) { Press(dialog, IDOK); };
    HWND table = gWindowSlots[kTableSlot];
    gWindowSlots[kTableSlot] = nullptr;
    ShowTheEnd("Anna", "Bert", "Carl", 1);
    gWindowSlots[kTableSlot] = table;
    ASSERT_FALSE(parents.empty());
    EXPECT_EQ(parents.back(), gMainWindow);
}

// ---- Notes and intro ---------------------------------------------------------------------

TEST_F(SmallDialogsTest, NotesStayHiddenAfterOkWithTheBoxTicked) {
    for (bool tick : {false, true}) {
        drivers[kStartupNotesDialog] = [tick](HWND dialog) {
            CheckItem(dialog, 201, tick);
            Press(dialog, IDOK);
        };
        presented.clear();
        EXPECT_TRUE(ShowStartupNotes());
        EXPECT_EQ(presented, std::vector<int>{kStartupNotesDialog});
        WritePreferences();
        EXPECT_EQ(I16(ReadFile(), 1840), tick ? 1 : 0);
    }
    presented.clear();
    EXPECT_FALSE(ShowStartupNotes());
    EXPECT_TRUE(presented.empty());
    ExpectChangesOnlyIn({{1840, 1841}});
}

TEST_F(SmallDialogsTest, IntroEndsOnTimerClickOrCommandAndStopsTheSounds) {
    struct Case {
        UINT message;
        WPARAM wParam;
    };
    const Case ends[] = {{WM_TIMER, 1},   {WM_LBUTTONDOWN, 0}, {WM_RBUTTONDOWN, 0},
                         {WM_COMMAND, 1}, {WM_COMMAND, 2},     {WM_COMMAND, 200}};
    for (const Case& end : ends) {
        bool stayedOnOtherTimer = false;
        drivers[kIntroDialog] = [&](HWND dialog) {
            SendMessageA(dialog, WM_TIMER, 7, 0);
            stayedOnOtherTimer = StaysOpen(dialog);
            SendMessageA(dialog, end.message, end.wParam, 0);
            if (StaysOpen(dialog))
                EndDialog(dialog, -5);
        };
        events.clear();
        const std::uint32_t stops = StopSoundsCount();
        ShowIntro();
        EXPECT_TRUE(stayedOnOtherTimer);
        EXPECT_EQ(events, std::vector<int>{1500});
        EXPECT_EQ(StopSoundsCount(), stops + 1);
    }
}

// ---- Styles comparison -------------------------------------------------------------------

TEST_F(SmallDialogsTest, StylesComparisonOpensPagesAndRetriesTheManual) {
    std::vector<std::string> opened;
    SetShellOpener([&](void*, const char* file) -> std::intptr_t {
        opened.push_back(file);
        return opened.size() == 2 ? 2 : 42; // the local manual page is not found
    });
    bool endedByEscape = false;
    drivers[kStylesComparisonDialog] = [&](HWND dialog) {
        Press(dialog, 203);
        Press(dialog, 204);
        Press(dialog, IDCANCEL); // Esc
        endedByEscape = !StaysOpen(dialog);
    };
    ComparePlayingStyles();
    EXPECT_TRUE(endedByEscape);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_NE(opened[0].find("vergleicheng.html"), std::string::npos);
    EXPECT_EQ(opened[1], "contente\\vergleicheng.html");
    EXPECT_EQ(opened[2], "manual\\contente\\vergleicheng.html");
}

// ---- The questions of the Skat table -----------------------------------------------------

TEST_F(SmallDialogsTest, NextPairingAsksOutsideTheStoryAndSendsTheAnswer) {
    struct Case {
        bool story;
        int answer;
        std::vector<std::pair<int, int>> sent;
        size_t boxes;
    };
    const Case cases[] = {
        {true, kAnswerNo, {{3, 1}}, 0},
        {false, kAnswerYes, {{3, 1}}, 1},
        {false, kAnswerNo, {{3, 0}}, 1},
        {false, kAnswerCancel, {}, 1},
    };
    for (const Case& c : cases) {
        gStoryMode = c.story ? 1 : 0;
        commands.clear();
        ResetAlertRecorder();
        ScriptAlertAnswers({c.answer});
        StartNextPairing();
        EXPECT_EQ(commands, c.sent) << c.story << " " << c.answer;
        EXPECT_EQ(RecordedAlerts().size(), c.boxes);
    }
}

TEST_F(SmallDialogsTest, GameDayChangesOnlyAfterOk) {
    for (int answer : {kAnswerCancel, kAnswerOk}) {
        commands.clear();
        ResetAlertRecorder();
        ScriptAlertAnswers({answer});
        ChangeGameDay();
        ASSERT_EQ(RecordedAlerts().size(), 1u);
        EXPECT_EQ(RecordedAlerts()[0].text, "Do you really want to change the game day?");
        EXPECT_EQ(commands.size(), answer == kAnswerOk ? 1u : 0u);
    }
    EXPECT_EQ(commands, (std::vector<std::pair<int, int>>{{4, 0}}));
}

// Owners, captions, styles and answers of the boxes (texts come from the string table and
// are checked where the table exists).
#include "platform/Alerts.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/StringLists.h"
#include "support/AlertRecorder.h"

namespace {

class Alerts : public testing::Test {
  protected:
    void SetUp() override { ResetAlertRecorder(); }
    void TearDown() override { gLanguageEnglish = 0; }

    static const AlertBox& LastBox() { return RecordedAlerts().back(); }
};

WindowRef const kOtherWindow = reinterpret_cast<WindowRef>(0x1234);

} // namespace

TEST_F(Alerts, CaptionsFollowTheLanguageAndStylesTheKindOfBox) {
    struct Case {
        std::uint8_t english;
        const char* note;
        const char* question;
    };
    for (Case c : {Case{1, "Note", "Question"}, Case{0, "Hinweis", "Frage"}}) {
        gLanguageEnglish = c.english;
        ResetAlertRecorder();
        StopAlert(192, 4, "");
        CautionAlert(192, 4, "");
        NoteAlert(192, 4, "");
        NoteAlertTwoParams(192, 4, "", "");
        AskOkCancel(192, 4, "");
        AskYesNoCancel(192, 4, "");
        const auto& boxes = RecordedAlerts();
        ASSERT_EQ(boxes.size(), 6u);
        const struct {
            const char* caption;
            std::uint32_t style;
        } expected[] = {
            {"Stop", kBoxIconError},
            {"Stop", kBoxIconError},
            {c.note, kBoxIconInformation},
            {c.note, kBoxIconInformation},
            {c.question, kBoxIconQuestion | kBoxOkCancel},
            {c.question, kBoxIconQuestion | kBoxYesNoCancel},
        };
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_EQ(boxes[i].caption, expected[i].caption) << i;
            EXPECT_EQ(boxes[i].style, expected[i].style) << i;
            EXPECT_EQ(boxes[i].owner, nullptr) << i; // the main window, none in tests
        }
    }
}

TEST_F(Alerts, WindowVariantsOwnTheirBoxAsEachOneDoes) {
    StopAlertForWindow(kOtherWindow, 192, 4, "");
    EXPECT_EQ(LastBox().owner, kOtherWindow);
    EXPECT_EQ(LastBox().style, kBoxSystemModal | kBoxIconError);
    EXPECT_EQ(LastBox().caption, "Stop");

    NoteAlertForWindow(kOtherWindow, 192, 4, "");
    EXPECT_EQ(LastBox().owner, nullptr);
    EXPECT_EQ(LastBox().caption, "Hinweis");

    AskOkCancelForWindow(kOtherWindow, 192, 4, "");
    EXPECT_EQ(LastBox().owner, kOtherWindow);
    EXPECT_EQ(LastBox().caption, "Frage");
}

TEST_F(Alerts, AnswersComeFromTheBox) {
    ScriptAlertAnswers({kAnswerOk, kAnswerCancel, kAnswerNo, kAnswerCancel, kAnswerYes});
    EXPECT_TRUE(AskOkCancel(192, 4, ""));
    EXPECT_FALSE(AskOkCancelForWindow(kOtherWindow, 192, 4, ""));
    EXPECT_EQ(AskYesNoCancel(192, 4, ""), kAnswerNo);
    EXPECT_EQ(AskYesNoCancel(192, 4, ""), kAnswerCancel);
    EXPECT_EQ(StopAlert(192, 4, ""), kAnswerYes);
    EXPECT_EQ(NoteAlert(192, 4, ""), kAnswerOk); // the script is used up
    EXPECT_EQ(RecordedAlerts().size(), 6u);
}

TEST_F(Alerts, DebugBoxShowsTextAndNumberInASystemModalBox) {
    DebugBox("wrong ctl:", 1500);
    EXPECT_EQ(LastBox().text, "wrong ctl: 1500");
    EXPECT_EQ(LastBox().caption, "Test ausgabe");
    EXPECT_EQ(LastBox().style, kBoxSystemModal);

    // The line is cut to its 128-byte buffer.
    DebugBox(std::string(200, 'x').c_str(), -7);
    EXPECT_EQ(LastBox().text, std::string(127, 'x'));
}

TEST_F(Alerts, BeepsAreCounted) {
    const std::uint32_t before = SysBeepCount();
    SysBeep(30);
    SysBeep(1);
    EXPECT_EQ(SysBeepCount(), before + 2);
    EXPECT_TRUE(RecordedAlerts().empty());
}

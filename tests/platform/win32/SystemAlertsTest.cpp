// The system's own box: shown for real and answered from another thread, as a person would.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "support/AlertRecorder.h"

TEST(SystemAlerts, ARealMessageBoxIsShownAndAnswered) {
    const std::uint8_t language = gLanguageEnglish;
    gLanguageEnglish = 1;
    SetAlertPresenter({}); // the system's message box, not the test recorder
    std::atomic<bool> found{false};
    // A generous deadline: on a busy machine the box may take seconds to appear.
    std::thread person([&found] {
        for (int i = 0; i < 1200 && !found; ++i) {
            HWND box = FindWindowA("#32770", "Question");
            if (box != nullptr) {
                found = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            } else {
                Sleep(50);
            }
        }
    });
    bool answeredOk = AskOkCancel(192, 4, "real box");
    person.join();
    InstallAlertRecorder();
    gLanguageEnglish = language;
    EXPECT_TRUE(found);
    EXPECT_TRUE(answeredOk);
}

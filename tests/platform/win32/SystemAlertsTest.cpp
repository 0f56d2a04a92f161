// The system's own box: shown for real and answered from another thread, as a person would.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "support/AlertRecorder.h"

TEST(SystemAlerts, ARealMessageBoxIsShownAndAnswered) {
    gLanguageEnglish = 1;
    SetAlertPresenter({}); // the system's message box, not the test recorder
    std::atomic<bool> found{false};
    std::thread person([&found] {
        for (int i = 0; i < 200 && !found; ++i) {
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
    gLanguageEnglish = 0;
    EXPECT_TRUE(found);
    EXPECT_TRUE(answeredOk);
}

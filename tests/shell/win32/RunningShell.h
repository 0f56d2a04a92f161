// A fixture that starts the shell in the test program as the program starts it: main window,
// preference file, document, controllers, director and the first table. Its data directory is
// a folder of the test process, named by a registry key of its own (the start asks whether to
// change it, and the test answers Cancel). Boxes are recorded, never shown.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/Random.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Edition.h"
#include "shell/Environment.h"
#include "shell/win32/MainWindow.h"
#include "shell/win32/Startup.h"
#include "shell/win32/Waits.h"
#include "shell/win32/WindowManager.h"
#include "support/AlertRecorder.h"

class RunningShell : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        std::snprintf(dataDir_, sizeof dataDir_, "%sshell%lu", temp, GetCurrentProcessId());
        CreateDirectoryA(dataDir_, nullptr);
        std::snprintf(key_, sizeof key_, "SOFTWARE\\SchafkopfTests\\Shell%lu",
                      GetCurrentProcessId());
        gInstallKey = key_;
        HKEY key;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, key_, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr);
        RegSetValueExA(key, kInstallValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(dataDir_),
                       static_cast<DWORD>(std::strlen(dataDir_) + 1));
        RegCloseKey(key);
        DeleteFileA(PreferencesFile().c_str());

        gSchafkopfEdition = 1; // as the program's entry sets it
        gQuitRequested = 0;
        gQuitting = 0;
        ResetAlertRecorder();
        ScriptAlertAnswers({kAnswerCancel}); // keep the test's data directory
        ASSERT_TRUE(InitializeApp("Schafkopf test"));
        ResetAlertRecorder();
    }

    void TearDown() override {
        gWaitDepth = 0;
        gEventSoundDepth = 0;
        gSoundWaitDepth = 0;
        if (gMainWindow && IsWindow(gMainWindow))
            DestroyWindow(gMainWindow);
        Pump();
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key_);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE,
                      "SOFTWARE\\SchafkopfTests"); // fails while another test holds a key
        gInstallKey = kInstallKey;
        DeleteFileA(PreferencesFile().c_str());
        RemoveDirectoryA(dataDir_);
    }

    std::string PreferencesFile() const { return std::string(dataDir_) + "\\schaf.prf"; }

    long PreferencesSize() const {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA(PreferencesFile().c_str(), GetFileExInfoStandard, &data))
            return -1;
        return static_cast<long>(data.nFileSizeLow);
    }

    // Handles the waiting messages; answers whether the quit message came.
    static bool Pump() {
        MSG message;
        bool quit = false;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quit = true;
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        return quit;
    }

    static LRESULT Command(int id) {
        return SendMessageA(gMainWindow, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }

    char dataDir_[MAX_PATH] = "";
    char key_[128] = "";
};

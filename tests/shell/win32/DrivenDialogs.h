// The running shell with its real dialogs driven by the test: a driver per dialog template
// sets the controls and presses the buttons; a dialog without a driver is cancelled. The
// preference file is read back to see which bytes a dialog changed.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/DialogItems.h"
#include "platform/win32/ModalDialog.h"
#include "shell/OptionRecords.h"
#include "shell/Preferences.h"
#include "shell/Settings.h"
#include "shell/win32/RunningShell.h"

using Bytes = std::vector<unsigned char>;
using Driver = std::function<void(HWND dialog)>;

inline constexpr int kRecordB = 4644; // record B's place in the preference file

class DrivenDialogs : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        SetModalDialogPresenter([this](const ModalDialogRequest& request) -> INT_PTR {
            presented.push_back(request.templateId);
            parents.push_back(request.parent);
            auto driver = drivers.find(request.templateId);
            if (driver == drivers.end())
                return IDCANCEL;
            const Driver drive = driver->second;
            return ShowModalDialogDriven(request, [drive, &request](HWND dialog) {
                drive(dialog);
                if (StaysOpen(dialog)) {
                    ADD_FAILURE() << "the driver left dialog " << request.templateId << " open";
                    EndDialog(dialog, -9);
                }
            });
        });
        WritePreferences();
        before = ReadFile();
    }

    void TearDown() override {
        SetModalDialogPresenter([](const ModalDialogRequest&) -> INT_PTR { return IDCANCEL; });
        RunningShell::TearDown();
    }

    Bytes ReadFile() const {
        Bytes bytes;
        if (FILE* file = std::fopen(PreferencesFile().c_str(), "rb")) {
            int c;
            while ((c = std::fgetc(file)) != EOF)
                bytes.push_back(static_cast<unsigned char>(c));
            std::fclose(file);
        }
        return bytes;
    }

    // The offsets whose bytes differ from the file as it was before the dialog.
    std::vector<int> ChangedOffsets() const {
        const Bytes after = ReadFile();
        std::vector<int> changed;
        for (size_t i = 0; i < after.size() && i < before.size(); ++i) {
            if (after[i] != before[i])
                changed.push_back(static_cast<int>(i));
        }
        return changed;
    }

    static int I16(const Bytes& bytes, int offset) {
        return static_cast<std::int16_t>(bytes[offset] | bytes[offset + 1] << 8);
    }
    static int I32(const Bytes& bytes, int offset) {
        return static_cast<std::int32_t>(bytes[offset] | bytes[offset + 1] << 8 |
                                         bytes[offset + 2] << 16 |
                                         static_cast<unsigned>(bytes[offset + 3]) << 24);
    }

    // Every changed byte lies in one of the ranges [first, last] of the file.
    void ExpectChangesOnlyIn(std::initializer_list<std::pair<int, int>> ranges) const {
        for (int offset : ChangedOffsets()) {
            bool allowed = false;
            for (const auto& range : ranges)
                allowed = allowed || (offset >= range.first && offset <= range.second);
            EXPECT_TRUE(allowed) << "byte " << offset << " changed";
        }
    }

    static void Click(HWND dialog, int item) { SendDlgItemMessageA(dialog, item, BM_CLICK, 0, 0); }
    static void Press(HWND dialog, int id) {
        SendMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    static void Choose(HWND dialog, int item, int index) {
        SendDlgItemMessageA(dialog, item, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    static void Type(HWND dialog, int item, const char* text) { SetItemText(dialog, text, item); }
    static std::string Text(HWND dialog, int item) {
        char text[256];
        return GetItemText(dialog, text, item);
    }
    // Still open after a button was pressed: a modal dialog keeps its owner disabled until
    // it is ended.
    static bool StaysOpen(HWND dialog) {
        HWND owner = GetWindow(dialog, GW_OWNER);
        return owner && !IsWindowEnabled(owner);
    }

    std::map<int, Driver> drivers;
    std::vector<int> presented;
    std::vector<HWND> parents;
    Bytes before;
};

// The preference dialogs, opened from the menu of the running shell and driven through
// their controls; the preference file tells what each stored.
#include "shell/win32/PreferenceDialogs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "media/win32/ExtensionManager.h"
#include "media/win32/SoundManager.h"
#include "platform/StringLists.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Resources.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/win32/DialogSupport.h"
#include "shell/win32/DrivenDialogs.h"
#include "story/win32/RoomPanel.h"

namespace {

class PreferenceDialogsTest : public DrivenDialogs {
  protected:
    void TearDown() override {
        gLanguageEnglish = 1;
        gCurrentRoom = 1;
        DrivenDialogs::TearDown();
    }
    // The file after the in-memory state is written: the test of "nothing changed".
    std::vector<int> ChangedInMemory() {
        WritePreferences();
        return ChangedOffsets();
    }
};

void Set(HWND dialog, int item, bool on) {
    CheckItem(dialog, item, on);
}

// Pixels of an owner-drawn button against the picture it should show.
bool ButtonShowsPicture(HWND dialog, int item, int pictureId) {
    ShowWindow(dialog, SW_SHOWNORMAL);
    UpdateWindow(dialog);
    HWND button = GetDlgItem(dialog, item);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(button);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = LoadBitmapResource(screen, pictureId, true);
    if (!picture)
        return false;
    HGDIOBJ old = SelectObject(memory, picture);
    RECT bounds;
    RECT client;
    GetPictureBounds(picture, &bounds);
    GetClientRect(button, &client);
    int compared = 0;
    int differing = 0;
    for (int y = 0; y < bounds.bottom && y < client.bottom; y += 2) {
        for (int x = 0; x < bounds.right && x < client.right; x += 2) {
            ++compared;
            if (GetPixel(screen, x, y) != GetPixel(memory, x, y))
                ++differing;
        }
    }
    SelectObject(memory, old);
    ReleaseResource(picture, kPictureResource);
    DeleteDC(memory);
    ReleaseDC(button, screen);
    return compared > 100 && differing == 0;
}

} // namespace

TEST_F(PreferenceDialogsTest, AboutShowsItsPictureAndChangesNothing) {
    bool shown = false;
    drivers[kAboutDialog] = [&](HWND dialog) {
        shown = ButtonShowsPicture(dialog, 100, 100);
        Press(dialog, IDOK);
    };
    Command(1502);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(ChangedInMemory().empty());
}

// ---- Screen View -------------------------------------------------------------------------

TEST_F(PreferenceDialogsTest, ScreenViewStoresEveryControl) {
    drivers[kScreenViewDialog] = [](HWND dialog) {
        for (int item : {251, 252, 260, 220, 224, 301, 216, 234, 259})
            Set(dialog, item, false);
        for (int item : {250, 256, 258, 262, 211, 215, 217, 219, 225, 227, 302})
            Set(dialog, item, true);
        Set(dialog, 257, false);
        Type(dialog, 261, "Euro");
        Choose(dialog, 208, 0);
        Choose(dialog, 270, 3);
        Type(dialog, 228, "25");
        Type(dialog, 231, "33");
        Press(dialog, IDOK);
    };
    Command(1101);
    const Bytes file = ReadFile();
    const int b = kRecordB;
    EXPECT_EQ(I16(file, 1554), 1); // small
    EXPECT_EQ(I16(file, 1630), 1);
    EXPECT_EQ(I16(file, 1632), 1);
    EXPECT_EQ(I16(file, 1634), 1);
    EXPECT_EQ(I16(file, 1636), 1);
    EXPECT_EQ(I16(file, 1642), 0);
    EXPECT_EQ(I16(file, 1696), 0);
    EXPECT_EQ(I16(file, 1698), 0);
    EXPECT_EQ(I16(file, 1702), 0);
    EXPECT_EQ(I16(file, 1706), 25);
    EXPECT_EQ(I16(file, 1708), 1);
    EXPECT_EQ(I16(file, 1710), 33);
    EXPECT_EQ(I32(file, 1712), 1);
    EXPECT_EQ(I16(file, 1784), 0);
    EXPECT_EQ(I16(file, 1802) & 3, 1);
    EXPECT_EQ(I16(file, 1828), 1);
    EXPECT_EQ(I16(file, 1830), 1);
    EXPECT_EQ(I16(file, 1842), 4);
    EXPECT_STREQ(reinterpret_cast<const char*>(&file[b + 102]), "Euro");
    ExpectChangesOnlyIn({{1554, 1555},
                         {1630, 1637},
                         {1642, 1643},
                         {1696, 1699},
                         {1702, 1703},
                         {1706, 1715},
                         {1784, 1785},
                         {1802, 1803},
                         {1828, 1831},
                         {1842, 1843},
                         {b + 102, b + 357}});
    EXPECT_EQ(gStoryMode, 0) << "the story is not built: play stays at the table";
}

TEST_F(PreferenceDialogsTest, ScreenViewWithStoryKeepsTheStoryOffWhileItIsNotBuilt) {
    gSettings->body.storyMode = 1;
    drivers[kScreenViewDialog] = [](HWND dialog) {
        Set(dialog, 262, false);
        Set(dialog, 260, true);
        Press(dialog, IDOK);
    };
    Command(1101);
    EXPECT_EQ(I16(ReadFile(), 1828), 2);
    EXPECT_EQ(gStoryMode, 0);
}

TEST_F(PreferenceDialogsTest, ScreenViewCancelAndRefusedDelaysChangeNothing) {
    struct Case {
        int item;
        const char* text;
    };
    for (const Case& bad :
         {Case{228, "1a"}, Case{231, "1000"}, Case{228, "-1"}, Case{0, nullptr}}) {
        bool stayed = true;
        drivers[kScreenViewDialog] = [&](HWND dialog) {
            Set(dialog, 251, false);
            Set(dialog, 252, false);
            Set(dialog, 250, true);
            Type(dialog, 261, "Taler");
            Set(dialog, 256, true);
            if (bad.text) {
                Type(dialog, bad.item, bad.text);
                Press(dialog, IDOK);
                stayed = StaysOpen(dialog);
                Press(dialog, 226); // Apply refuses too
            }
            Press(dialog, IDCANCEL);
        };
        ResetAlertRecorder();
        Command(1101);
        EXPECT_TRUE(stayed) << bad.item;
        EXPECT_EQ(RecordedAlerts().size(), bad.text ? 2u : 0u) << bad.item;
        if (bad.text && !RecordedAlerts().empty()) {
            EXPECT_NE(RecordedAlerts()[0].text.find(bad.text), std::string::npos)
                << RecordedAlerts()[0].text;
        }
        EXPECT_TRUE(ChangedInMemory().empty()) << bad.item;
    }
}

TEST_F(PreferenceDialogsTest, ScreenViewApplyStoresAndStaysOpen) {
    bool stayed = false;
    drivers[kScreenViewDialog] = [&](HWND dialog) {
        Type(dialog, 228, "7");
        Type(dialog, 231, "44");
        Press(dialog, 226);
        stayed = StaysOpen(dialog);
        Press(dialog, IDCANCEL);
    };
    Command(1101);
    EXPECT_TRUE(stayed);
    const Bytes file = ReadFile();
    EXPECT_EQ(I16(file, 1706), 7);
    EXPECT_EQ(I16(file, 1710), 44);
}

// ---- Keyboard ----------------------------------------------------------------------------

TEST_F(PreferenceDialogsTest, KeyboardStoresTheKeysInRecordOrder) {
    // Key i of the record is shown in the i-th of these fields.
    const int items[17] = {201, 202, 203, 204, 205, 206, 207, 208, 209,
                           210, 214, 215, 216, 217, 211, 212, 213};
    drivers[kKeyboardDialog] = [&](HWND dialog) {
        for (int i = 0; i < 17; ++i) {
            const char key[2] = {static_cast<char>('a' + i), '\0'};
            Type(dialog, items[i], i == 16 ? "" : key); // an empty field stores 0
        }
        Press(dialog, IDOK);
    };
    Command(1102);
    const Bytes file = ReadFile();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[kRecordB + 2])), "abcdefghijklmnop");
    for (int offset = kRecordB + 18; offset < kRecordB + 22; ++offset)
        EXPECT_EQ(file[offset], 0) << offset;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[1540]), 4), "abcd");
    ExpectChangesOnlyIn({{1540, 1543}, {kRecordB + 2, kRecordB + 21}});
}

TEST_F(PreferenceDialogsTest, KeyboardDefaultGivesTheKeysOfAFreshStart) {
    struct Case {
        std::uint8_t english;
        const char* keys;
    };
    for (const Case& language : {Case{1, "4682yrynrcdhscn-+"}, Case{0, "4682sgjnfwkhprn-+"}}) {
        gLanguageEnglish = language.english;
        std::memset(SchafkopfOptionsRecord()->keys, 'z', kOptionKeysSize);
        drivers[kKeyboardDialog] = [](HWND dialog) {
            Press(dialog, 200);
            Press(dialog, IDOK);
        };
        Command(1102);
        const Bytes file = ReadFile();
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[kRecordB + 2])), language.keys);
        EXPECT_EQ(std::memcmp(&file[kRecordB + 19], "\0\0\0", 3), 0);
    }
}

TEST_F(PreferenceDialogsTest, KeyboardRefusesTwoCharacters) {
    bool stayed = false;
    drivers[kKeyboardDialog] = [&](HWND dialog) {
        Type(dialog, 201, "x");
        Type(dialog, 215, "ab");
        Press(dialog, IDOK);
        stayed = StaysOpen(dialog);
        Press(dialog, IDCANCEL);
    };
    Command(1102);
    EXPECT_TRUE(stayed);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(RecordedAlerts()[0].text, "You may enter only 1 character.");
    EXPECT_TRUE(ChangedInMemory().empty());
}

// ---- Sound -------------------------------------------------------------------------------

TEST_F(PreferenceDialogsTest, SoundStoresSwitchAndClasses) {
    // Classes 0 to 8 are in 202 to 210; 203 is record B's "Reservation, Pass" class.
    drivers[kSoundDialog] = [](HWND dialog) {
        Set(dialog, 100, true);
        for (int item = 202; item <= 210; ++item)
            Set(dialog, item, item % 2 == 1);
        Press(dialog, IDOK);
    };
    Command(1104);
    const Bytes file = ReadFile();
    const int b = kRecordB;
    EXPECT_EQ(I32(file, 1656), 1);
    for (int i = 0; i < 9; ++i) {
        if (i != 1) {
            EXPECT_EQ(I16(file, 1660 + 2 * i), (202 + i) % 2) << "class " << i;
        }
    }
    EXPECT_EQ(I16(file, 1662), I16(before, 1662)) << "the second class is record B's";
    EXPECT_EQ(I16(file, b + 100), 1);
    EXPECT_EQ(I16(file, b + 96), 1);
    EXPECT_EQ(I16(file, b + 0), 1);
    ExpectChangesOnlyIn(
        {{1656, 1659}, {1660, 1677}, {b, b + 1}, {b + 96, b + 97}, {b + 100, b + 101}});
}

// The "Reservation, Pass" box is record B's switch: it shows that switch, not the settings'
// second class, and stores it either way into record B, in memory and in the file.
TEST_F(PreferenceDialogsTest, SoundsReservationBoxShowsAndStoresRecordBsSwitch) {
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on ? "switch on" : "switch off");
        SchafkopfOptionsRecord()->reservationSounds = on ? 1 : 0;
        gSettings->body.soundClasses[1] = on ? 0 : 1;
        bool shown = !on;
        drivers[kSoundDialog] = [&](HWND dialog) {
            shown = IsItemChecked(dialog, 203);
            Set(dialog, 203, !on);
            Press(dialog, IDOK);
        };
        Command(1104);
        EXPECT_EQ(shown, on);
        EXPECT_EQ(SchafkopfOptionsRecord()->reservationSounds, on ? 0 : 1);
        EXPECT_EQ(I16(ReadFile(), kRecordB + 100), on ? 0 : 1);
        EXPECT_EQ(gSettings->body.soundClasses[1], on ? 0 : 1) << "the settings' class stays";
    }
}

TEST_F(PreferenceDialogsTest, SoundSamplesPlayWithSoundOnForTheMoment) {
    gSettings->body.soundOn = 0;
    std::vector<std::pair<int, int>> played; // event, sound switch while it played
    SetEventSoundObserver([&](int event, int seat) {
        EXPECT_EQ(seat, -1);
        played.push_back({event, gSettings->body.soundOn});
    });
    bool shown = false;
    drivers[kSoundDialog] = [&](HWND dialog) {
        shown = ButtonShowsPicture(dialog, 141, 101);
        for (int button = 141; button <= 146; ++button)
            Press(dialog, button);
        Press(dialog, IDCANCEL);
    };
    Command(1104);
    SetEventSoundObserver({});
    const std::vector<std::pair<int, int>> expected = {{1500, 1}, {1501, 1}, {1509, 1},
                                                       {1503, 1}, {1505, 1}, {1504, 1}};
    EXPECT_EQ(played, expected);
    EXPECT_EQ(gSettings->body.soundOn, 0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(ChangedInMemory().empty());
}

// The samples reach the player: each button's sound is played with sound on for the moment,
// from the sound library beside the test programs.
TEST_F(PreferenceDialogsTest, SoundSamplesReachThePlayback) {
    char folder[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    if (char* slash = std::strrchr(folder, '\\'))
        slash[1] = '\0';
    CopyPath(gDataPath, kPathSize, (std::string(folder) + "soundfixture\\").c_str());
    gSettings->body.soundOn = 0;
    auto* player = new SoundPlayer;
    player->Init(gSettings);
    gSoundManager = player;
    std::vector<int> played;
    SetSoundSink([&played](const SoundSinkEntry& entry) {
        if (entry.kind == SoundSinkEntry::kPlay)
            played.push_back(entry.event);
        return true;
    });
    drivers[kSoundDialog] = [&](HWND dialog) {
        for (int button = 141; button <= 146; ++button)
            Press(dialog, button);
        Press(dialog, IDCANCEL);
    };
    Command(1104);
    SetSoundSink(nullptr);
    gSoundManager = nullptr;
    delete player;
    gDataPath[0] = '\0';
    EXPECT_EQ(played, (std::vector<int>{1500, 1501, 1509, 1503, 1505, 1504}));
    EXPECT_EQ(gSettings->body.soundOn, 0);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

// ---- Templates and pictures --------------------------------------------------------------

INT_PTR CALLBACK QuietProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST_F(PreferenceDialogsTest, EveryControlOfTheProceduresIsInItsTemplate) {
    struct Template {
        int id;
        std::vector<int> items;
    };
    auto range = [](int first, int last) {
        std::vector<int> items;
        for (int id = first; id <= last; ++id)
            items.push_back(id);
        return items;
    };
    auto join = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const Template templates[] = {
        {1500, {1, 2, 100}},
        {1501, {1,   2,   208, 211, 215, 216, 217, 219, 220, 224, 225, 226, 227, 228, 231, 234,
                250, 251, 252, 256, 257, 258, 259, 260, 261, 262, 270, 300, 301, 302, 305, 306}},
        {1502, join({1, 2}, range(200, 218))},
        {1503,
         join({1, 2, 104, 105, 106, 107, 109, 114, 116, 117, 120, 121, 140, 206}, range(223, 235))},
        {1504, join({1, 2}, range(200, 236))},
        {1505, join({1, 2, 100}, join(range(141, 146), range(202, 210)))},
        {1506, join({1, 2}, range(200, 216))},
        {1006, {200}},
        {1007, {1, 200, 201}},
        {1011, join({1, 2}, join(range(200, 212), range(221, 228)))},
        {1012, {1, 200, 201, 202, 203, 204}},
        {1557, {1, 200, 201, 202, 203}},
    };
    for (const Template& t : templates) {
        HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(t.id),
                                         gMainWindow, QuietProc, 0);
        ASSERT_NE(dialog, nullptr) << t.id;
        for (int item : t.items)
            EXPECT_NE(GetDlgItem(dialog, item), nullptr) << t.id << " item " << item;
        DestroyWindow(dialog);
    }
}

TEST_F(PreferenceDialogsTest, EveryPictureOfTheDialogsLoads) {
    HDC dc = GetDC(gMainWindow);
    for (int id : {100, 101, 3006, 3026, 3027, 3030, 3014, 3042, 3043, 3044, 3045, 3046, 3047, 3048,
                   3049, 11419, 1450, 1451, 1452}) {
        HBITMAP picture = LoadBitmapResource(dc, id, true);
        EXPECT_NE(picture, nullptr) << id;
        if (picture)
            ReleaseResource(picture, kPictureResource);
    }
    ReleaseDC(gMainWindow, dc);
}

// A picture the resources lack loads as none, and its button is left as it was: nothing drawn.
TEST_F(PreferenceDialogsTest, AMissingPictureLeavesItsButtonEmpty) {
    HBITMAP picture = nullptr;
    LoadDialogPicture(gMainWindow, &picture, 9999);
    EXPECT_EQ(picture, nullptr);
    HDC screen = GetDC(gMainWindow);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, 16, 16);
    HGDIOBJ old = SelectObject(memory, canvas);
    RECT area = {0, 0, 16, 16};
    FillRect(memory, &area, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const COLORREF gray = GetPixel(memory, 5, 5);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 100;
    item.itemAction = ODA_DRAWENTIRE;
    item.hDC = memory;
    item.rcItem = area;
    DrawDialogPicture(&item, picture);
    int differing = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            differing += GetPixel(memory, x, y) != gray;
    EXPECT_EQ(differing, 0);
    ReleaseDialogPicture(&picture);
    SelectObject(memory, old);
    DeleteObject(canvas);
    DeleteDC(memory);
    ReleaseDC(gMainWindow, screen);
}

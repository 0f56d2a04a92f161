// Settings with its Stakes and Additional Settings, opened from the menu and driven through
// their controls: one working copy, committed by OK and dropped by Cancel.
#include <gtest/gtest.h>

#include <cstring>

#include "media/win32/ExtensionManager.h"
#include "platform/Alerts.h"
#include "shell/win32/DrivenDialogs.h"
#include "shell/win32/PreferenceDialogs.h"
#include "story/win32/RoomPanel.h"

namespace {

constexpr int b = kRecordB;

class SettingsDialogsTest : public DrivenDialogs {
  protected:
    void TearDown() override {
        gCurrentRoom = 1;
        DrivenDialogs::TearDown();
    }
    std::vector<int> ChangedInMemory() {
        WritePreferences();
        return ChangedOffsets();
    }
    // Settings runs the sub-dialog, then ends with OK or Cancel.
    void OpenSubDialog(int button, int subTemplate, Driver sub, int end) {
        drivers[subTemplate] = std::move(sub);
        drivers[kSettingsDialog] = [button, end](HWND dialog) {
            Press(dialog, button);
            Press(dialog, end);
        };
        Command(1103);
    }
    // The file as Settings' own OK leaves it (it stores the human's voice as 2 or 5): what a
    // sub-dialog changes beyond that is the sub-dialog's.
    void BaselineAfterSettingsOk() {
        drivers[kSettingsDialog] = [](HWND dialog) { Press(dialog, IDOK); };
        Command(1103);
        before = ReadFile();
    }
};

void Set(HWND dialog, int item, bool on) {
    CheckItem(dialog, item, on);
}

// A deck manager whose figures have genders: player 1 a woman, player 2 a man.
class GenderedFigures : public ExtensionManager {
  public:
    int GetFigureGender(int seat) override { return seat == 1 ? 1 : seat == 2 ? 2 : 0; }
};

} // namespace

TEST_F(SettingsDialogsTest, OkStoresPlayersRulesAndTableMode) {
    drivers[kSettingsDialog] = [](HWND dialog) {
        Click(dialog, 225); // German call
        Click(dialog, 202); // Ramsch when all pass
        Click(dialog, 213); // Hearts
        for (int item : {207, 208, 214, 204, 236, 233})
            Set(dialog, item, true);
        Set(dialog, 234, true);
        Choose(dialog, 209, 5);
        Choose(dialog, 218, 0);
        Choose(dialog, 220, 15);
        Choose(dialog, 222, 8);
        const char* names[] = {"Anna", "Bert", "Carl", "Dora"};
        const int fields[] = {210, 217, 219, 221};
        for (int i = 0; i < 4; ++i)
            Type(dialog, fields[i], names[i]);
        Set(dialog, 235, false);
        Choose(dialog, 230, 4);
        Choose(dialog, 231, 0);
        Choose(dialog, 232, 2);
        Click(dialog, 216); // practice
        Press(dialog, IDOK);
    };
    Command(1103);
    const Bytes file = ReadFile();
    EXPECT_EQ(I16(file, b + 22), 2);
    EXPECT_EQ(I16(file, b + 50), 2);
    EXPECT_EQ(I16(file, b + 52), 1);
    EXPECT_EQ(I16(file, b + 26), 1);
    EXPECT_EQ(I16(file, b + 28), 1);
    EXPECT_EQ(I16(file, b + 40), 1);
    EXPECT_EQ(I16(file, b + 696), 1);
    EXPECT_EQ(I16(file, b + 698), 1);
    EXPECT_EQ(I16(file, b + 708), 0) << "leading the called suit is allowed";
    EXPECT_EQ(I16(file, b + 712), 1);
    // Style list entry v stands for level (v - 1) / 4 and style (v - 1) % 4 + 1: code 5 x level +
    // style.
    EXPECT_EQ(I16(file, b + 42), 7);
    EXPECT_EQ(I16(file, b + 44), 1);
    EXPECT_EQ(I16(file, b + 46), 19);
    EXPECT_EQ(I16(file, b + 48), 11);
    EXPECT_STREQ(reinterpret_cast<const char*>(&file[4]), "Anna");
    EXPECT_STREQ(reinterpret_cast<const char*>(&file[4 + 3 * 256]), "Dora");
    const int voices[] = {5, 6, 1, 3};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(I32(file, 1716 + 4 * i), voices[i]) << i;
    EXPECT_EQ(I16(file, 1556), 4);
    EXPECT_EQ(I32(file, 1608), 1);
    ExpectChangesOnlyIn({{4, 1027},
                         {1556, 1557},
                         {1608, 1611},
                         {1716, 1731},
                         {b + 22, b + 29},
                         {b + 34, b + 55},
                         {b + 64, b + 79},
                         {b + 84, b + 91},
                         {b + 94, b + 95},
                         {b + 696, b + 713}});
}

TEST_F(SettingsDialogsTest, PartnerCardsFollowTheTrumpSuitOfThisOk) {
    struct Case {
        int trumpRadio;
        int position; // 1 to 14
        int code;     // suit x 8 + step (Ace 8, 10 7, King 6, 9 3, 8 2, 7 1); Diamonds 0, Hearts 1
    };
    for (const Case& c : {Case{213, 9, 16}, Case{212, 9, 8}, Case{213, 14, 9}, Case{212, 11, 6},
                          Case{213, 1, 29}, Case{212, 8, 4}}) {
        SchafkopfOptionsRecord()->trumpSuit = c.trumpRadio == 213 ? 0 : 1; // the other suit before
        drivers[kSettingsDialog] = [&](HWND dialog) {
            Click(dialog, 224); // two cards
            Click(dialog, c.trumpRadio);
            Choose(dialog, 226, c.position - 1);
            Choose(dialog, 227, 1); // Gras Ober
            Press(dialog, IDOK);
        };
        Command(1103);
        const Bytes file = ReadFile();
        EXPECT_EQ(I16(file, b + 700), c.code) << c.trumpRadio << " " << c.position;
        EXPECT_EQ(I16(file, b + 702), 21);
    }
}

TEST_F(SettingsDialogsTest, PartnerCardTable) {
    EXPECT_EQ(PartnerCardIndex(16, 1), 9);
    EXPECT_EQ(PartnerCardIndex(16, 0), 0)
        << "the Hearts Ace is no partner card with Diamonds trump";
    EXPECT_EQ(PartnerCardIndex(30, 0), 0);
    EXPECT_EQ(PartnerCardIndex(0, 1), 0);
    EXPECT_EQ(PartnerCardCode(0, 0), 0);
    EXPECT_EQ(PartnerCardCode(15, 1), 0);
}

TEST_F(SettingsDialogsTest, StyleListAndProfileCodes) {
    for (int v = 1; v <= 16; ++v) {
        const int code = 5 * ((v - 1) / 4) + (v - 1) % 4 + 1;
        EXPECT_EQ(StyleCodeForIndex(v), code) << v;
        EXPECT_EQ(StyleIndexForCode(code), v) << v;
    }
    for (int room : {5, 6, 7, 8}) {
        gCurrentRoom = static_cast<std::int16_t>(room);
        int entries = 0;
        std::string first;
        drivers[kSettingsDialog] = [&](HWND dialog) {
            entries = static_cast<int>(SendDlgItemMessageA(dialog, 209, CB_GETCOUNT, 0, 0));
            char text[256] = "";
            SendDlgItemMessageA(dialog, 209, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
            first = text;
            Choose(dialog, 209, 0);
            Press(dialog, IDOK);
        };
        Command(1103);
        EXPECT_EQ(entries, 12);
        EXPECT_EQ(first, "Mechanical (Expert)");
        EXPECT_EQ(I16(ReadFile(), b + 42), 6);
    }
    gCurrentRoom = 4;
    EXPECT_EQ(StyleListOffset(), 0);
}

TEST_F(SettingsDialogsTest, AStyleOutsideTheListShowsNoneAndIsKept) {
    SchafkopfOptionsRecord()->opponentStyles[0] = 5; // style 0 is not in the list
    int selection = 0;
    drivers[kSettingsDialog] = [&](HWND dialog) {
        selection = static_cast<int>(SendDlgItemMessageA(dialog, 218, CB_GETCURSEL, 0, 0));
        Press(dialog, IDOK);
    };
    Command(1103);
    EXPECT_EQ(selection, CB_ERR);
    EXPECT_EQ(I16(ReadFile(), b + 44), 5);
}

// A radio group with none checked keeps what the record holds.
TEST_F(SettingsDialogsTest, RadioGroupsWithNoneCheckedKeepTheirFields) {
    SchafkopfOptions* options = SchafkopfOptionsRecord();
    options->trumpSuit = 1;
    options->allPassRule = 2;
    options->partnershipMode = 2;
    drivers[kSettingsDialog] = [](HWND dialog) {
        for (int item : {212, 213, 200, 201, 202, 203, 223, 224, 225})
            Set(dialog, item, false);
        Press(dialog, IDOK);
    };
    Command(1103);
    const Bytes file = ReadFile();
    EXPECT_EQ(I16(file, b + 52), 1);
    EXPECT_EQ(I16(file, b + 50), 2);
    EXPECT_EQ(I16(file, b + 22), 2);
}

TEST_F(SettingsDialogsTest, LeagueModeBecomesPractice) {
    gSettings->body.tableMode = 2;
    gSettings->body.seriesEnd = 8;
    drivers[kSettingsDialog] = [](HWND dialog) { Press(dialog, IDOK); };
    Command(1103);
    EXPECT_EQ(I16(ReadFile(), 1556), 4);
    EXPECT_EQ(I32(ReadFile(), 1608), 1);
}

TEST_F(SettingsDialogsTest, VoiceAgainstFigureGenderIsNoted) {
    ExtensionManager* real = gDeckManager;
    GenderedFigures figures;
    gDeckManager = &figures;
    drivers[kSettingsDialog] = [](HWND dialog) {
        Type(dialog, 217, "Eva");
        Type(dialog, 219, "Max");
        Choose(dialog, 230, 3); // 1.Male for the woman
        Choose(dialog, 231, 0); // 1.Female for the man
        Choose(dialog, 232, 5);
        Press(dialog, IDOK);
    };
    Command(1103);
    gDeckManager = real;
    ASSERT_EQ(RecordedAlerts().size(), 2u);
    EXPECT_EQ(RecordedAlerts()[0].text,
              "The figure of Eva is a woman, but you gave her a man's voice.");
    EXPECT_EQ(RecordedAlerts()[1].text,
              "The figure of Max is a man, but you gave him a woman's voice.");
    EXPECT_EQ(I32(ReadFile(), 1720), 5) << "the voice stays";
}

TEST_F(SettingsDialogsTest, CancelDropsEverythingTheSubDialogsChanged) {
    for (int end : {IDCANCEL, IDOK}) {
        OpenSubDialog(
            211, kAdditionalSettingsDialog,
            [](HWND dialog) {
                Click(dialog, 106);
                Type(dialog, 109, "12");
                Set(dialog, 235, true);
                Press(dialog, IDOK);
            },
            end);
        if (end == IDCANCEL) {
            EXPECT_TRUE(ChangedInMemory().empty());
            EXPECT_EQ(gDialogAccepted, 0);
            continue;
        }
        const Bytes file = ReadFile();
        EXPECT_EQ(I32(file, b + 72), 8);
        EXPECT_EQ(I32(file, b + 76), 12);
        EXPECT_EQ(I16(file, b + 62), 3);
        EXPECT_EQ(I16(file, b + 710), 1);
    }
}

TEST_F(SettingsDialogsTest, StakesOkStoresEveryField) {
    BaselineAfterSettingsOk();
    OpenSubDialog(
        205, kStakesDialog,
        [](HWND dialog) {
            Type(dialog, 205, "Taler");
            const int items[] = {206, 207, 208, 209, 210, 211, 212, 213, 202, 214, 215, 216};
            for (int i = 0; i < 12; ++i)
                Type(dialog, items[i], std::to_string(100 + i).c_str());
            Type(dialog, 203, "4");
            Type(dialog, 204, "1");
            Set(dialog, 201, true);
            Press(dialog, IDOK);
        },
        IDOK);
    const Bytes file = ReadFile();
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(I16(file, b + 358 + 2 * i), 100 + i) << i;
    EXPECT_EQ(I32(file, b + 380), 111);
    EXPECT_EQ(I16(file, b + 692), 4);
    EXPECT_EQ(I16(file, b + 694), 1);
    EXPECT_EQ(I16(file, b + 92), 1);
    EXPECT_STREQ(reinterpret_cast<const char*>(&file[b + 102]), "Taler");
    ExpectChangesOnlyIn({{b + 92, b + 93}, {b + 102, b + 383}, {b + 692, b + 695}});
}

TEST_F(SettingsDialogsTest, StakesDefaultGivesTheTariffsOfAFreshStart) {
    OpenSubDialog(
        205, kStakesDialog,
        [](HWND dialog) {
            for (int item = 202; item <= 216; ++item) {
                if (item != 205)
                    Type(dialog, item, "5");
            }
            Press(dialog, 200);
            Press(dialog, IDOK);
        },
        IDOK);
    const Bytes file = ReadFile();
    const int tariffs[] = {10, 10, 10, 50, 10, 10, 30, 50, 10, 20, 40};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(I16(file, b + 358 + 2 * i), tariffs[i]) << i;
    EXPECT_EQ(I32(file, b + 380), 70);
    EXPECT_EQ(I16(file, b + 692), 3);
    EXPECT_EQ(I16(file, b + 694), 2);
}

TEST_F(SettingsDialogsTest, RefusedStakesChangeNothing) {
    struct Case {
        int item;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {206, "1x", "Please enter a number here, not '1x'."},
        {208, "1000", "The stakes must be between 0 and 999. The following value is wrong: 1000"},
        {216, "-1", "The stakes must be between 0 and 999. The following value is wrong: -1"},
        {203, "0", "Running trumps count from 1 to 6. The following value is wrong: 0"},
        {204, "7", "Running trumps count from 1 to 6. The following value is wrong: 7"},
    };
    for (const Case& c : cases) {
        bool stayed = false;
        ResetAlertRecorder();
        OpenSubDialog(
            205, kStakesDialog,
            [&](HWND dialog) {
                Type(dialog, 205, "Taler");
                Type(dialog, 207, "99");
                Set(dialog, 201, true);
                Type(dialog, c.item, c.text);
                Press(dialog, IDOK);
                stayed = StaysOpen(dialog);
                Press(dialog, IDCANCEL);
            },
            IDOK);
        EXPECT_TRUE(stayed) << c.item;
        ASSERT_EQ(RecordedAlerts().size(), 1u) << c.item;
        EXPECT_EQ(RecordedAlerts()[0].text, c.message);
        const Bytes file = ReadFile();
        for (const auto& range : {std::pair{b + 92, b + 93}, std::pair{b + 102, b + 383},
                                  std::pair{b + 692, b + 695}}) {
            for (int offset = range.first; offset <= range.second; ++offset) {
                EXPECT_EQ(file[offset], before[offset]) << c.item << " byte " << offset;
            }
        }
    }
}

TEST_F(SettingsDialogsTest, RefusedAdditionalSettingsChangeNothing) {
    struct Case {
        int item;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {107, "-1", "The number '-1' must be positive (> 0)."},
        {140, "0", "The number '0' must be positive (> 0)."},
        {109, "0", "The number '0' must be positive (> 0)."},
        {120, "5",
         "You cannot set a larger number of required solos than the number of total games."},
        {107, "abc", "Please enter a number here, not 'abc'."},
    };
    for (const Case& c : cases) {
        bool stayed = false;
        ResetAlertRecorder();
        OpenSubDialog(
            211, kAdditionalSettingsDialog,
            [&](HWND dialog) {
                Set(dialog, 235, true);
                Type(dialog, 109, "3");
                Type(dialog, c.item, c.text);
                Press(dialog, IDOK);
                stayed = StaysOpen(dialog);
                Press(dialog, IDCANCEL);
            },
            IDOK);
        EXPECT_TRUE(stayed) << c.item;
        ASSERT_EQ(RecordedAlerts().size(), 1u) << c.item;
        EXPECT_EQ(RecordedAlerts()[0].text, c.message);
        const Bytes file = ReadFile();
        for (int offset : {b + 30, b + 38, b + 62, b + 76, b + 80, b + 88, b + 710}) {
            EXPECT_EQ(I16(file, offset), I16(before, offset)) << c.item << " offset " << offset - b;
        }
    }
}

TEST_F(SettingsDialogsTest, AdditionalStoresSeriesTimeAndSolos) {
    BaselineAfterSettingsOk();
    OpenSubDialog(
        211, kAdditionalSettingsDialog,
        [](HWND dialog) {
            Click(dialog, 105);
            Type(dialog, 107, "250");
            Type(dialog, 109, "20");
            Click(dialog, 114);
            Type(dialog, 140, "45");
            Set(dialog, 206, false);
            for (int item = 223; item <= 234; ++item)
                Set(dialog, item, item == 224 || item == 226 || item == 232);
            Press(dialog, IDOK);
        },
        IDOK);
    const Bytes file = ReadFile();
    EXPECT_EQ(I32(file, b + 72), 4);
    EXPECT_EQ(I32(file, b + 80), 250);
    EXPECT_EQ(I32(file, b + 76), 20);
    EXPECT_EQ(I32(file, b + 84), 2);
    EXPECT_EQ(I32(file, b + 88), 45);
    EXPECT_EQ(I16(file, b + 30), 0);
    EXPECT_EQ(I32(file, b + 68) & 0x1FFE, 8 | 128 | 4096); // Jacks, Beg, Queens-Jacks-Kings
    ExpectChangesOnlyIn({{b + 30, b + 31},
                         {b + 34, b + 35},
                         {b + 38, b + 39},
                         {b + 62, b + 63},
                         {b + 68, b + 91},
                         {b + 710, b + 711}});
}

TEST_F(SettingsDialogsTest, OtherGameKindsOnlyBeep) {
    const std::uint32_t beeps = SysBeepCount();
    OpenSettingsDialog(gMainWindow, 0, -1);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_TRUE(presented.empty());
    EXPECT_EQ(gDialogAccepted, 0);
}

TEST_F(SettingsDialogsTest, OfficialRulesSetTheirRulesInOneOk) {
    SchafkopfOptions* options = SchafkopfOptionsRecord();
    options->seriesEnd = 8;
    options->allowedGames = 0x1F1F;
    options->requiredSolo = 1;
    options->calledSuitLeadBan = 1;
    bool moreLocked = false;
    drivers[kSettingsDialog] = [&](HWND dialog) {
        Click(dialog, 225); // official rules belong to German call
        Click(dialog, 206);
        moreLocked = !IsItemEnabled(dialog, 211) && !IsItemEnabled(dialog, 212);
        Press(dialog, IDOK);
    };
    Command(1103);
    EXPECT_TRUE(moreLocked);
    const Bytes file = ReadFile();
    EXPECT_EQ(I16(file, b + 24), 1);
    EXPECT_EQ(I16(file, b + 26), 1); // with Double/Re
    EXPECT_EQ(I16(file, b + 28), 1); // with sup/resup
    EXPECT_EQ(I16(file, b + 52), 1); // Hearts
    EXPECT_EQ(I16(file, b + 50), 0); // new deal
    EXPECT_EQ(I32(file, b + 68), 13);
    EXPECT_EQ(I32(file, b + 72), 1);
    EXPECT_EQ(I32(file, b + 76), 24);
    EXPECT_EQ(I32(file, b + 84), 1);
    EXPECT_EQ(I16(file, b + 34), 0);
    EXPECT_EQ(I16(file, b + 708), 0);
    EXPECT_EQ(I16(file, b + 698), 0); // no "Call any Ace"
}

TEST_F(SettingsDialogsTest, FixedPartnersDropTheSolosAndCatchTheFox) {
    SchafkopfOptions* options = SchafkopfOptionsRecord();
    options->partnershipMode = 2;
    options->allowedGames = 0x1F1F;
    options->requiredSolo = 1;
    options->catchTheFox = 0;
    bool callLocked = false;
    drivers[kSettingsDialog] = [&](HWND dialog) {
        Click(dialog, 223);
        callLocked = !IsItemEnabled(dialog, 233) && !IsItemEnabled(dialog, 200) &&
                     !IsItemEnabled(dialog, 226);
        Press(dialog, IDOK);
    };
    Command(1103);
    EXPECT_TRUE(callLocked);
    const Bytes file = ReadFile();
    EXPECT_EQ(I16(file, b + 22), 0);
    EXPECT_EQ(I32(file, b + 68), 0);
    EXPECT_EQ(I16(file, b + 34), 0);
    EXPECT_EQ(I16(file, b + 710), 1);
}

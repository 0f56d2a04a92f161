// Saving and opening games on the running shell with real files: the file dialogs answer from
// the test, the writes can be made to fail, and the table's live objects are compared as bytes.
#include "document/win32/GameDocumentWin.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "games/fourplayer/GameList.h"
#include "games/fourplayer/SchafkopfComputerPlayer.h"
#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/Handles.h"
#include "shell/Settings.h"
#include "shell/win32/GameFileCommands.h"
#include "shell/win32/RunningShell.h"
#include "views/win32/TablePane.h"

namespace {

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The table's game as its objects hold it: the controller's saved runs, the game object's
// region and tail, and the game list.
std::vector<std::uint8_t> LiveBytes() {
    std::vector<std::uint8_t> bytes;
    auto add = [&](const void* data, std::size_t size) {
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
    };
    SchafkopfController& table = *gSchafkopfGame;
    std::uint8_t run[kSavedRegionSize];
    table.WriteFirstRun(run);
    // The game clock goes on while the table is open and is brought up to date by a save.
    std::memset(run + 2 * kDeckPlaces, 0, sizeof table.gameClock);
    add(run, kFirstRunSize);
    table.WriteSecondRun(run);
    add(run, kSecondRunSize);
    table.WriteThirdRun(run);
    add(run, kThirdRunSize);
    table.Game()->WriteSavedRegion(run);
    add(run, kSavedRegionSize);
    table.Game()->WriteTail(run);
    add(run, kSchafkopfTailSize);
    if (table.gameListHandle)
        add(table.gameListHandle, GetHandleSize(table.gameListHandle));
    return bytes;
}

// Where two byte strings part, for the failure message.
std::string FirstDifference(const std::vector<std::uint8_t>& a,
                            const std::vector<std::uint8_t>& b) {
    std::string text;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            text +=
                std::to_string(i) + ": " + std::to_string(a[i]) + " " + std::to_string(b[i]) + "; ";
    return text + "sizes " + std::to_string(a.size()) + " " + std::to_string(b.size());
}

class GameDocumentWinTest : public RunningShell {
  protected:
    void SetUp() override {
        RunningShell::SetUp();
        folder_ = std::string(dataDir_) + "\\games";
        CreateDirectoryA(folder_.c_str(), nullptr);
        gSettings->body.soundOn = 0;
        gSettings->body.animationOn = 0;
        SetGameFileDialog([this](bool save, const std::string& offered, std::string* chosen) {
            dialogs_.push_back(std::string(save ? "save " : "open ") + offered);
            if (answers_.empty())
                return false;
            *chosen = answers_.front();
            answers_.pop_front();
            return !chosen->empty();
        });
        ASSERT_NE(GetTablePane(), nullptr);
        NewDeal();
    }
    void TearDown() override {
        SetGameFileDialog({});
        SetSaveFaults({});
        for (const std::string& name : Files())
            DeleteFileA(Path(name).c_str());
        RemoveDirectoryA(folder_.c_str());
        gGameDirty = 0;
        RunningShell::TearDown();
    }

    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    // A deal through the table, as New Deal makes it: other cards each time.
    static void NewDeal() {
        GetTablePane()->SetPhase(1, 0);
        gGameDirty = 1;
    }
    static int AlertsNaming(const std::string& text) {
        int count = 0;
        for (const AlertBox& box : RecordedAlerts())
            count += box.text.find(text) != std::string::npos ? 1 : 0;
        return count;
    }
    // Saves the running game as name through the dialog; answers the file's bytes.
    std::vector<std::uint8_t> SaveFirst(const std::string& name) {
        answers_.push_back(Path(name));
        EXPECT_TRUE(SaveGame());
        return FileBytes(Path(name));
    }

    std::string folder_;
    std::vector<std::string> dialogs_;
    std::deque<std::string> answers_;
};

TEST_F(GameDocumentWinTest, SavingTwiceWritesOneFileThroughOneDialog) {
    const auto first = SaveFirst("twice.dat");
    ASSERT_EQ(dialogs_, std::vector<std::string>{"save Sheep.dat"});
    EXPECT_EQ(gGameDirty, 0);
    char title[512] = "";
    GetWindowTextA(gMainWindow, title, sizeof title);
    EXPECT_NE(std::string(title).find("(" + Path("twice.dat") + ")"), std::string::npos)
        << "the title names the file from the first save on: " << title;
    ASSERT_GT(first.size(), 4u);
    EXPECT_EQ(first[0], kSavedGameVersion);

    NewDeal();
    ASSERT_TRUE(SaveGame());
    EXPECT_EQ(dialogs_.size(), 1u) << "the second save goes to the same file unasked";
    EXPECT_EQ(Files(), std::vector<std::string>{"twice.dat"}) << "no new file is left over";
    EXPECT_NE(FileBytes(Path("twice.dat")), first) << "the new deal was written";
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(GameDocumentWinTest, SaveAsLeavesTheOldFileAndMovesOnOnlyWhenWritten) {
    const auto old = SaveFirst("old.dat");
    GameDocumentWin* const document = gGameDocument;
    NewDeal();

    answers_.push_back(""); // Cancel
    EXPECT_FALSE(SaveGameAs());
    EXPECT_EQ(gGameDocument, document);
    EXPECT_EQ(gGameDocument->path, Path("old.dat"));
    EXPECT_EQ(gGameDirty, 1);
    EXPECT_EQ(Files(), std::vector<std::string>{"old.dat"});

    answers_.push_back(Path("new.dat"));
    ASSERT_TRUE(SaveGameAs());
    EXPECT_EQ(FileBytes(Path("old.dat")), old) << "the old file stays byte for byte";
    EXPECT_NE(FileBytes(Path("new.dat")), old);
    EXPECT_EQ(gGameDocument->path, Path("new.dat"));
    EXPECT_EQ(gSchafkopfGame->document, gGameDocument);
    EXPECT_EQ(gGameDirty, 0);

    NewDeal();
    ASSERT_TRUE(SaveGame());
    EXPECT_EQ(dialogs_.size(), 3u) << "Save goes on into the new file";
    EXPECT_EQ(FileBytes(Path("old.dat")), old);
}

TEST_F(GameDocumentWinTest, AFailedSaveKeepsTheLastFileAndSaysWhy) {
    const auto old = SaveFirst("kept.dat");
    const auto size = static_cast<std::int64_t>(old.size());
    struct Case {
        std::int64_t failAfter;
        bool failAtReplace;
    } cases[] = {{0, false}, {1, false}, {200, false}, {size - 1, false}, {-1, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.failAfter) + (c.failAtReplace ? " at the replace" : ""));
        ResetAlertRecorder();
        NewDeal();
        SetSaveFaults({c.failAfter, c.failAtReplace});
        EXPECT_FALSE(SaveGame());
        EXPECT_EQ(FileBytes(Path("kept.dat")), old);
        EXPECT_EQ(Files(), std::vector<std::string>{"kept.dat"}) << "the new file is gone";
        EXPECT_EQ(AlertsNaming(Path("kept.dat")), 1);
        EXPECT_EQ(gGameDirty, 1);
        EXPECT_EQ(gGameDocument->path, Path("kept.dat"));
    }
    SetSaveFaults({});
    ASSERT_TRUE(SaveGame()) << "the next save works again";
    EXPECT_NE(FileBytes(Path("kept.dat")), old);
    EXPECT_EQ(dialogs_.size(), 1u);

    // A first save that fails leaves no file and the document without one.
    gGameDocument->CloseFile();
    SetSaveFaults({10, false});
    answers_.push_back(Path("never.dat"));
    EXPECT_FALSE(SaveGame());
    EXPECT_EQ(Files(), std::vector<std::string>{"kept.dat"});
    EXPECT_TRUE(gGameDocument->path.empty());
}

// One booked game on the score sheet: the declarer of seat 1 won 30 from each opponent.
void BookAGame() {
    GameRecord record{};
    record.word = 1;
    record.cardPoints = 71;
    const std::int16_t values[kListSeats] = {-30, 90, -30, -30};
    std::memcpy(record.values, values, sizeof values);
    record.listedSeats[0] = 1;
    record.listedSeats[1] = record.listedSeats[2] = -1;
    record.potSeat = -2;
    ASSERT_TRUE(AppendGameRecord(&gSchafkopfGame->gameListHandle, record));
}

TEST_F(GameDocumentWinTest, OpeningASavedGameBringsBackTheTableAsSaved) {
    BookAGame();
    const auto saved = LiveBytes();
    const int phase = GetTablePane()->phase;
    const std::int32_t clock = gSchafkopfGame->gameClock;
    SaveFirst("game.dat");
    BookAGame();
    NewDeal();
    const auto later = LiveBytes();
    ASSERT_NE(later, saved);
    HWND table = gWindowSlots[kTableSlot];

    // The save question comes first: Cancel stops before any dialog.
    ScriptAlertAnswers({kAnswerCancel});
    EXPECT_FALSE(OpenGame());
    EXPECT_EQ(dialogs_.size(), 1u);
    // No, then Cancel in the dialog: nothing changes.
    ResetAlertRecorder();
    ScriptAlertAnswers({kAnswerNo});
    answers_.push_back("");
    EXPECT_FALSE(OpenGame());
    EXPECT_EQ(dialogs_.back(), "open Sheep.dat");
    EXPECT_EQ(gWindowSlots[kTableSlot], table);
    EXPECT_EQ(LiveBytes(), later);
    EXPECT_EQ(gGameDirty, 1);

    ResetAlertRecorder();
    ScriptAlertAnswers({kAnswerNo});
    answers_.push_back(Path("game.dat"));
    ASSERT_TRUE(OpenGame());
    std::size_t questions = 0;
    for (const AlertBox& box : RecordedAlerts())
        questions += box.text == "Should I save the current game?" ? 1 : 0;
    EXPECT_EQ(questions, 1u) << "closing the old table asks nothing more";
    ASSERT_NE(GetTablePane(), nullptr);
    EXPECT_TRUE(IsWindowVisible(gWindowSlots[kTableSlot]));
    EXPECT_EQ(LiveBytes(), saved) << "hands, bids, tricks and the game list as saved "
                                  << FirstDifference(LiveBytes(), saved);
    EXPECT_EQ(GetTablePane()->phase, phase);
    EXPECT_GE(gSchafkopfGame->gameClock, clock);
    ASSERT_NE(gSchafkopfGame->gameListHandle, nullptr);
    EXPECT_EQ(GameListHead(gSchafkopfGame->gameListHandle)->count, 1) << "the score sheet as saved";
    EXPECT_EQ(gGameDocument->recordHandle, gSchafkopfGame->gameListHandle);
    EXPECT_EQ(gGameDocument->path, Path("game.dat"));
    EXPECT_EQ(gGameDirty, 0);
    EXPECT_EQ(gTableOpen, 1);
}

struct RefusedCase {
    const char* name;
    void (*damage)(std::vector<std::uint8_t>& bytes);
    const char* message; // a part of the message; empty: the message names the file
};

class RefusedFileTest : public GameDocumentWinTest,
                        public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFileTest, ARefusedFileLeavesTheRunningGameAndItsFile) {
    const RefusedCase& c = GetParam();
    auto bytes = SaveFirst("good.dat");
    c.damage(bytes);
    PutFile(Path("bad.dat"), bytes);
    NewDeal();
    const auto running = LiveBytes();
    HWND table = gWindowSlots[kTableSlot];
    gGameDirty = 0;
    ResetAlertRecorder();

    answers_.push_back(Path("bad.dat"));
    EXPECT_FALSE(OpenGame());
    EXPECT_EQ(AlertsNaming(*c.message ? c.message : Path("bad.dat")), 1);
    EXPECT_EQ(gWindowSlots[kTableSlot], table) << "the table stays open";
    EXPECT_TRUE(IsWindowVisible(table));
    EXPECT_EQ(gTableOpen, 1);
    EXPECT_EQ(LiveBytes(), running);
    EXPECT_EQ(gGameDocument->path, Path("good.dat"));
    EXPECT_FALSE(QuitRequested());

    gGameDirty = 1;
    ASSERT_TRUE(SaveGame());
    EXPECT_EQ(dialogs_.size(), 2u) << "the next save writes the old file unasked";
    EXPECT_EQ(FileBytes(Path("bad.dat")), bytes);
}

void SetVersion(std::vector<std::uint8_t>& bytes, std::int32_t version, bool otherOrder) {
    for (int i = 0; i < 4; ++i) {
        const int shift = 8 * (otherOrder ? 3 - i : i);
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(version >> shift);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedFileTest,
    testing::Values(
        RefusedCase{"Truncated", [](auto& b) { b.resize(b.size() / 2); }, ""},
        RefusedCase{"Empty", [](auto& b) { b.clear(); }, ""},
        RefusedCase{"AboveSixteenMegabytes",
                    [](auto& b) { b.resize(static_cast<std::size_t>(kLargestSavedGame) + 1); }, ""},
        RefusedCase{"NewerVersion", [](auto& b) { SetVersion(b, 115, false); }, ""},
        RefusedCase{"OldVersion", [](auto& b) { SetVersion(b, 110, false); }, ""},
        RefusedCase{"OldVersionOtherOrder", [](auto& b) { SetVersion(b, 110, true); },
                    "This file is from a PC."},
        RefusedCase{"SkatGame", [](auto& b) { b[142] = '1'; }, "Skat"},
        RefusedCase{"DoppelkopfGame", [](auto& b) { b[142] = '2'; }, "Doppelkopf"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

} // namespace

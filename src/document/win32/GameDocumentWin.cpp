#include "document/win32/GameDocumentWin.h"

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "games/fourplayer/SchafkopfDocumentController.h"
#include "platform/Alerts.h"
#include "platform/StringLists.h"
#include "platform/win32/WindowsGlobals.h"
#include "shell/Settings.h"

GameDocumentWin* gGameDocument = nullptr;

namespace {

GameFileDialog gDialog;
SaveFaults gFaults;

constexpr std::size_t kDialogPathSize = 260;

SeriesBlock FreshSeries() {
    SeriesBlock block{};
    block.gameKind = kGameKindSchafkopf;
    block.seriesMode = 1;
    return block;
}

// The name the dialogs offer, by the kind of the game.
std::string OfferedName(int kind) {
    switch (kind) {
    case kGameKindSkat:
        return "Skat.dat";
    case kGameKindDoppelkopf:
        return "Doppelkopf.dat";
    default:
        return gLanguageEnglish ? "Sheep.dat" : "Schaf.dat";
    }
}

bool SystemFileDialog(bool save, const std::string& offered, std::string* chosen) {
    // The dialogs keep their buffers between calls; the offered name is put in every time.
    static char saveName[kDialogPathSize];
    static char openName[kDialogPathSize];
    static char saveTitle[kDialogPathSize];
    char* name = save ? saveName : openName;
    std::snprintf(name, kDialogPathSize, "%s", offered.c_str());
    char prompt[kStringBufferSize] = "";
    GetIndString(prompt, 1600, 636);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = gMainWindow;
    dialog.lpstrFile = name;
    dialog.nMaxFile = kDialogPathSize;
    dialog.nFilterIndex = 1;
    dialog.lpstrDefExt = "dat";
    if (save) {
        dialog.lpstrFilter = "Spieldatei {*.dat}\0*.dat\0All files {*.*}\0*.*\0";
        dialog.lpstrFileTitle = saveTitle;
        dialog.nMaxFileTitle = kDialogPathSize;
        dialog.lpstrTitle = prompt;
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    } else {
        dialog.lpstrFilter = "Spieldatei {*.dat}\0*.dat\0";
        dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    }
    const BOOL chosenOk = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosenOk)
        return false;
    *chosen = name;
    return true;
}

bool AskFile(bool save, int kind, std::string* chosen) {
    const std::string offered = OfferedName(kind);
    const bool ok =
        gDialog ? gDialog(save, offered, chosen) : SystemFileDialog(save, offered, chosen);
    if (ok && gMainWindow)
        InvalidateRect(gMainWindow, nullptr, TRUE);
    return ok && !chosen->empty();
}

// The system's text for an error number, without its line end.
std::string SystemReason(DWORD error) {
    char text[512] = "";
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    if (reason.empty())
        reason = "system error " + std::to_string(error);
    return reason;
}

void ShowFileProblem(const std::string& text) {
    ShowTextBox(gMainWindow, "Stop", text.c_str(), kBoxOk | kBoxIconError);
}

void SaySaveFailed(const std::string& target, const std::string& reason) {
    ShowFileProblem("The game could not be saved in \"" + target + "\": " + reason +
                    ". The file is as it was before.");
}

std::string FolderOf(const std::string& target) {
    const std::size_t slash = target.find_last_of("\\/");
    if (slash == std::string::npos)
        return ".";
    if (slash == 0 || (slash == 2 && target[1] == ':'))
        return target.substr(0, slash + 1); // the root keeps its separator
    return target.substr(0, slash);
}

// What a refused file is told with; the running game is never touched by it.
void SayRefused(const std::string& name, ReadOutcome outcome) {
    const std::string file = "\"" + name + "\"";
    switch (outcome) {
    case ReadOutcome::kRead:
        return;
    case ReadOutcome::kOtherPlatform:
        StopAlert(1600, 181, "");
        return;
    case ReadOutcome::kOldFormat:
        ShowFileProblem(file + " was saved in an old file structure and must be converted before "
                               "it can be opened.");
        return;
    case ReadOutcome::kUnknownVersion:
        ShowFileProblem(file + " has a file structure this program does not know; a newer "
                               "version of the program may have saved it.");
        return;
    case ReadOutcome::kSkatGame:
        ShowFileProblem(file + " holds a Skat game. This program plays Schafkopf only and cannot "
                               "open it.");
        return;
    case ReadOutcome::kDoppelkopfGame:
        ShowFileProblem(file + " holds a Doppelkopf game. This program plays Schafkopf only and "
                               "cannot open it.");
        return;
    case ReadOutcome::kTooLarge:
        ShowFileProblem(file + " is far too large to be a saved game and was not opened.");
        return;
    case ReadOutcome::kShort:
        ShowFileProblem(file + " ends too early: the saved game in it is incomplete and was not "
                               "opened.");
        return;
    case ReadOutcome::kNoMemory:
        ShowFileProblem("There is not enough memory to open " + file + ".");
        return;
    case ReadOutcome::kSeriesMode:
        ShowFileProblem(file + " holds a game of a league or tournament, which this program "
                               "cannot continue.");
        return;
    case ReadOutcome::kBadSignature:
    case ReadOutcome::kDamaged:
        ShowFileProblem(file + " is damaged or is no saved game and was not opened.");
        return;
    }
}

} // namespace

void SetGameFileDialog(GameFileDialog dialog) {
    gDialog = std::move(dialog);
}

void SetSaveFaults(const SaveFaults& faults) {
    gFaults = faults;
}

GameDocumentWin::GameDocumentWin() : series_(FreshSeries()) {}

GameDocumentWin::~GameDocumentWin() {
    CloseFile();
}

void GameDocumentWin::CloseFile() {
    if (file.fileHandle)
        file.Close();
    file.isOpen = 0;
    path.clear();
}

void GameDocumentWin::Reset(SkatDocumentController* skat, DoppelkopfDocumentController* doppelkopf,
                            SchafkopfDocumentController* schafkopf, Settings* settingsLink) {
    file.isOpen = 0;
    GameDocument::Reset(skat, doppelkopf, schafkopf, settingsLink);
    restoreFlag = 0;
    series_ = FreshSeries();
    staged_.reset();
    stagedPath_.clear();
}

// A document made for Save As writes the same series as the current one.
void GameDocumentWin::CopyHeader(const GameDocument& other) {
    GameDocument::CopyHeader(other);
    if (const auto* window = dynamic_cast<const GameDocumentWin*>(&other)) {
        restoreFlag = window->restoreFlag;
        series_ = window->series_;
        seriesLink_ = window->seriesLink_;
        listsLink_ = window->listsLink_;
    }
}

void GameDocumentWin::LinkSeries(SeriesBlock* block, DirectorLists* directorLists) {
    seriesLink_ = block;
    listsLink_ = directorLists;
}

SavedGameSet GameDocumentWin::LiveSet() {
    SchafkopfController* table = schafkopfGame;
    SavedGameSet set{&header, table, nullptr, nullptr, &Series(), nullptr, listsLink_};
    if (table) {
        set.recordB = table->schafkopfRules;
        set.recordA = table->fourSeatRules;
    }
    if (settings)
        set.settings = &settings->body;
    return set;
}

bool GameDocumentWin::SaveAs(int phase, int) {
    header.phase = static_cast<std::int16_t>(phase);
    const SavedGameSet live = LiveSet();
    if (!live.table || !live.recordB || !live.recordA || !live.settings ||
        header.gameKind != kGameKindSchafkopf) {
        ShowFileProblem("Only a Schafkopf game at the table can be saved.");
        return false;
    }
    std::string target = path;
    if (target.empty() && !AskFile(true, header.gameKind, &target))
        return false;
    if (!WriteImage(Encode(live, phase), target))
        return false;
    path = target;
    return true;
}

// The whole game goes into a new file beside the target, which takes the target's place only
// once it is written and on disk: the old file stays whole until then.
bool GameDocumentWin::WriteImage(const ByteImage& image, const std::string& target) {
    char fresh[MAX_PATH] = "";
    if (!GetTempFileNameA(FolderOf(target).c_str(), "sav", 0, fresh)) {
        SaySaveFailed(target, SystemReason(GetLastError()));
        return false;
    }
    std::string reason;
    file.OpenFile(fresh, kGenericWrite);
    if (!file.isOpen) {
        reason = SystemReason(GetLastError());
    } else {
        std::int32_t count = static_cast<std::int32_t>(image.size());
        if (gFaults.failAfterBytes >= 0 && gFaults.failAfterBytes < count)
            count = static_cast<std::int32_t>(gFaults.failAfterBytes);
        file.WriteExact(image.data(), count);
        if (file.lastError != 0)
            reason = SystemReason(GetLastError());
        else if (count != static_cast<std::int32_t>(image.size()))
            reason = "the disk did not take the whole game";
        else if (!FlushFileBuffers(static_cast<HANDLE>(file.fileHandle)))
            reason = SystemReason(GetLastError());
        file.Close();
        file.isOpen = 0;
        if (reason.empty() && file.lastError != 0)
            reason = "the new file could not be closed";
    }
    if (reason.empty()) {
        if (gFaults.failAtReplace) {
            reason = SystemReason(ERROR_ACCESS_DENIED);
        } else if (!MoveFileExA(fresh, target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            reason = SystemReason(GetLastError());
        }
    }
    if (reason.empty())
        return true;
    DeleteFileA(fresh);
    SaySaveFailed(target, reason);
    return false;
}

bool GameDocumentWin::ReadImage(const std::string& from, ByteImage* image) {
    file.OpenExistingFile(from.c_str(), kGenericRead);
    if (!file.isOpen) {
        ShowFileProblem("\"" + from + "\" could not be opened: " + SystemReason(GetLastError()) +
                        ".");
        return false;
    }
    const std::uint32_t size = file.Seek(2, 0);
    bool read = false;
    if (size == 0xFFFFFFFFu) {
        ShowFileProblem("\"" + from + "\" could not be read: " + SystemReason(GetLastError()) +
                        ".");
    } else if (size > static_cast<std::uint32_t>(kLargestSavedGame)) {
        SayRefused(from, ReadOutcome::kTooLarge);
    } else {
        image->assign(size, 0);
        file.Seek(0, 0);
        file.ReadExact(image->data(), static_cast<std::int32_t>(size));
        read = file.lastError == 0;
        if (!read)
            SayRefused(from, ReadOutcome::kShort);
    }
    file.Close();
    file.isOpen = 0;
    return read;
}

bool GameDocumentWin::Open(int) {
    staged_.reset();
    stagedPath_.clear();
    std::string chosen;
    if (!AskFile(false, header.gameKind, &chosen))
        return false;
    ByteImage image;
    if (!ReadImage(chosen, &image))
        return false;
    const SavedGameSet live = LiveSet();
    if (!live.table || !live.recordB || !live.recordA || !live.settings) {
        ShowFileProblem("There is no Schafkopf table to open \"" + chosen + "\" at.");
        return false;
    }
    auto staged = std::make_unique<StagedGame>();
    const ReadOutcome outcome = Decode(image, live, staged.get());
    if (outcome != ReadOutcome::kRead) {
        SayRefused(chosen, outcome);
        return false;
    }
    staged_ = std::move(staged);
    stagedPath_ = chosen;
    return true;
}

void GameDocumentWin::CommitOpened(bool shiftHeld) {
    if (!staged_)
        return;
    Commit(*staged_, LiveSet(), shiftHeld, stagedPath_);
    restoreFlag = 0;
    staged_.reset();
    stagedPath_.clear();
}

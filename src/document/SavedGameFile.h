// The saved game as a byte image: writing the running Schafkopf game, reading a file into a
// staging set that is checked whole before anything live changes, committing a staged game,
// and turning an image into the other byte order. The document moves the image to and from
// its file.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "games/fourplayer/SchafkopfController.h"
#include "records/DirectorLists.h"
#include "records/DocumentHeader.h"
#include "records/OptionRecordLayouts.h"
#include "records/SeriesBlock.h"
#include "records/SettingsLayout.h"

using ByteImage = std::vector<std::uint8_t>;

inline constexpr std::int32_t kSavedGameVersion = 114;
inline constexpr std::int32_t kLargestSavedGame = 16 * 1024 * 1024;

// The live objects a saved game writes from and commits into.
struct SavedGameSet {
    DocumentHeader* header;
    SchafkopfController* table; // with its game object, play logs and game list
    SchafkopfOptions* recordB;
    DoppelkopfOptions* recordA; // only lent to the staging table
    SeriesBlock* series;
    SettingsBody* settings;
    DirectorLists* lists = nullptr; // the director's; none: written empty, not committed
};

enum class ReadOutcome {
    kRead,
    kTooLarge,
    kShort,          // the file ends inside a record
    kOldFormat,      // version 110 of this order: must be converted first
    kOtherPlatform,  // version 110 of the other order
    kUnknownVersion, // any other version, newer ones included
    kSkatGame,       // a game of a kind this program cannot open yet
    kDoppelkopfGame,
    kBadSignature,
    kDamaged, // a length, count or value that its owner refuses
    kNoMemory,
    kSeriesMode, // a league, tournament or hosted series
};

// A read game, whole and checked, owning everything it allocated.
struct StagedGame {
    StagedGame();
    ~StagedGame();
    StagedGame(const StagedGame&) = delete;
    StagedGame& operator=(const StagedGame&) = delete;

    DocumentHeader header{};
    SchafkopfOptions recordB{};
    DoppelkopfOptions recordA{};
    SeriesBlock series{};
    SettingsBody settings{};
    std::unique_ptr<SchafkopfController> table;
    std::int32_t version = 0;
    bool otherOrder = false;
    bool settingsInFile = false;
    // The director's five lists and the pairing rows' results, in this machine's order.
    DirectorLists lists;
};

ByteImage WriteGameFile(const SavedGameSet& live);
// Reads the image into *staged (made anew) and checks it whole; nothing live changes.
ReadOutcome ReadGameFile(const ByteImage& file, const SavedGameSet& live, StagedGame* staged);
// Moves a read game into the live objects: copies the fixed records and exchanges the handles
// (game list, play logs, the director's lists); nothing here can fail. Without Shift the kept
// ranges of record B and the settings from 2590 on stay as they are.
void CommitGameFile(StagedGame& staged, const SavedGameSet& live, bool shiftHeld);
// Turns every 16-bit and 32-bit value of an image into the other byte order; sourceBigEndian
// says in which order the image is now. False for an image that is not a whole Schafkopf file
// (the image may then be turned in part).
bool SwapGameFile(ByteImage& image, bool sourceBigEndian);

// The motive level of the deck manager: the table scenes ("motives") of the figure libraries,
// their names, layout switches, figure positions and figure sexes, and the selected motive.
// Motive m (1 to 48) is entry ((m - 1) mod 6) + 1 of figure library (m - 1) div 6. Four-seat
// tables and three-seat (Skat) tables have a motive table each.
#pragma once

#include <cstdint>

#include "media/DeckManager.h"

inline constexpr int kMotiveCount = 48;
inline constexpr int kMotivesPerLibrary = 6;
inline constexpr int kFigureLibraryCount = 8;
inline constexpr int kMotiveNameSize = 33;
inline constexpr int kDefaultMotive = 2;
// Strings of entry j (0 to 5) of a figure library: its name (German and English resources),
// the side-layout and custom-table switches ("Y..." on) and the sexes of the three figures;
// the data resource its own figure positions.
inline constexpr int kMotiveNameString = 1000;
inline constexpr int kMotiveEnglishNameString = 1010;
inline constexpr int kMotiveSideLayoutString = 1020;
inline constexpr int kMotiveCustomTableString = 1030;
inline constexpr int kMotiveSexesString = 1040;
inline constexpr int kMotiveLayoutData = 1041;
// The figure positions: per table size (1, 0, 2) and seat (1 to 3) a vertical and a
// horizontal i16.
inline constexpr std::uint32_t kMotiveLayoutBytes = 36;

inline constexpr std::int16_t kFigureFemale = 1;
inline constexpr std::int16_t kFigureMale = 2;
inline constexpr std::int16_t kFigureEither = 3;

// The game kind of the current table: 0 (Skat) and 9 use the three-seat motives, every other
// kind the four-seat ones.
inline std::int16_t gTableGameKind = 1;

struct MotiveTable {
    char names[kMotiveCount][kMotiveNameSize];
    std::uint8_t sideLayout[kMotiveCount];  // 1: the opponents sit at the table's sides
    std::uint8_t customTable[kMotiveCount]; // 1: the motive brings its own table layout
    const std::int16_t* layoutData[kMotiveCount];
    std::int16_t sexes[kMotiveCount][3]; // figures of seats 1 to 3
};

class FigureManager : public DeckManager {
  public:
    FigureManager();

    void Init(Settings* settings, int first, int second) override;
    void* GetPicture(std::int16_t pictureId) override;
    // Brings the motive number into 1 to 48 (a number outside becomes 2, also in the
    // caller's variable) and copies the motive's switches, positions and sexes into the
    // selected-motive fields.
    virtual void SelectMotive(std::int16_t* motive);
    // The name of motive index 6 to 47 of the current table's motives; "" for 0 to 5, whose
    // names are the program's own texts.
    virtual char* GetMotiveName(int index, char* buffer);

    static int MotiveLibrary(int motive) { return (motive - 1) / kMotivesPerLibrary; }
    static int MotiveEntry(int motive) { return (motive - 1) % kMotivesPerLibrary + 1; }
    MotiveTable& CurrentMotives();
    // Forgets the six motives of a library in both tables.
    void ClearLibraryMotives(int library);
    // Reads the six entries of an opened figure library into a motive table.
    void ReadLibraryMotives(int library, MotiveTable& table, void* module, LibrarySource& source);

    void* figureFiles[34] = {}; // the file-based way's files: never opened here
    MotiveTable fourSeatMotives;
    MotiveTable threeSeatMotives;
    // The selected motive: its library 0 to 7, its entry 1 to 6, and copies of its fields.
    std::int16_t motiveIndex = 0;
    std::int16_t tableStyle = kDefaultMotive;
    std::uint8_t altTableLayout = 0;
    std::uint8_t customTableByte = 0;
    const std::int16_t* customFigurePositions = nullptr;
    std::int16_t selectedSexes[3] = {kFigureFemale, kFigureFemale, kFigureMale};
};

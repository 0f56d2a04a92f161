#include "media/FigureManager.h"

#include <cstring>
#include <string>

#include "platform/StringLists.h"

namespace {

constexpr std::int16_t kFourSeatSexes[3] = {kFigureFemale, kFigureFemale, kFigureMale};
constexpr std::int16_t kThreeSeatSexes[3] = {kFigureFemale, kFigureMale, kFigureMale};

void ClearMotive(MotiveTable& table, int index, const std::int16_t (&sexes)[3]) {
    table.names[index][0] = '\0';
    table.sideLayout[index] = 0;
    table.customTable[index] = 0;
    table.layoutData[index] = nullptr;
    for (int seat = 0; seat < 3; ++seat)
        table.sexes[index][seat] = sexes[seat];
}

bool IsYes(LibrarySource& source, void* module, int id) {
    std::string text;
    return source.ReadLibraryString(module, id, &text) && !text.empty() && text[0] == 'Y';
}

} // namespace

FigureManager::FigureManager() {
    for (int index = 0; index < kMotiveCount; ++index) {
        ClearMotive(fourSeatMotives, index, kFourSeatSexes);
        ClearMotive(threeSeatMotives, index, kThreeSeatSexes);
    }
}

void FigureManager::Init(Settings* settings, int first, int second) {
    DeckManager::Init(settings, first, second);
}

void* FigureManager::GetPicture(std::int16_t) {
    return nullptr;
}

MotiveTable& FigureManager::CurrentMotives() {
    return gTableGameKind == 0 || gTableGameKind == 9 ? threeSeatMotives : fourSeatMotives;
}

// A motive below 1 would name library -1: it goes to the default like one above 48.
void FigureManager::SelectMotive(std::int16_t* motive) {
    if (*motive < 1 || *motive > kMotiveCount)
        *motive = kDefaultMotive;
    motiveIndex = static_cast<std::int16_t>(MotiveLibrary(*motive));
    tableStyle = static_cast<std::int16_t>(MotiveEntry(*motive));
    const MotiveTable& table = CurrentMotives();
    const int index = *motive - 1;
    altTableLayout = table.sideLayout[index];
    customTableByte = table.customTable[index];
    customFigurePositions = table.layoutData[index];
    for (int seat = 0; seat < 3; ++seat)
        selectedSexes[seat] = table.sexes[index][seat];
}

char* FigureManager::GetMotiveName(int index, char* buffer) {
    if (index >= kMotivesPerLibrary && index < kMotiveCount) {
        std::strcpy(buffer, CurrentMotives().names[index]);
    } else {
        buffer[0] = '\0';
    }
    return buffer;
}

void FigureManager::ClearLibraryMotives(int library) {
    for (int entry = 0; entry < kMotivesPerLibrary; ++entry) {
        ClearMotive(fourSeatMotives, library * kMotivesPerLibrary + entry, kFourSeatSexes);
        ClearMotive(threeSeatMotives, library * kMotivesPerLibrary + entry, kThreeSeatSexes);
    }
}

void FigureManager::ReadLibraryMotives(int library, MotiveTable& table, void* module,
                                       LibrarySource& source) {
    for (int j = 0; j < kMotivesPerLibrary; ++j) {
        const int index = library * kMotivesPerLibrary + j;
        std::string text;
        const int nameId = (gLanguageEnglish ? kMotiveEnglishNameString : kMotiveNameString) + j;
        if (source.ReadLibraryString(module, nameId, &text)) {
            std::strncpy(table.names[index], text.c_str(), kMotiveNameSize - 1);
            table.names[index][kMotiveNameSize - 1] = '\0';
        }
        table.sideLayout[index] = IsYes(source, module, kMotiveSideLayoutString + j) ? 1 : 0;
        table.customTable[index] = IsYes(source, module, kMotiveCustomTableString + j) ? 1 : 0;
        // Positions shorter than the table reads count as none.
        std::uint32_t size = 0;
        const void* data = source.FindLibraryData(module, kMotiveLayoutData + j, &size);
        table.layoutData[index] =
            data && size >= kMotiveLayoutBytes ? static_cast<const std::int16_t*>(data) : nullptr;
        if (source.ReadLibraryString(module, kMotiveSexesString + j, &text) && text.size() >= 3) {
            for (int seat = 0; seat < 3; ++seat) {
                const char sex = text[seat];
                table.sexes[index][seat] = sex == '1'   ? kFigureFemale
                                           : sex == '2' ? kFigureMale
                                                        : kFigureEither;
            }
        }
    }
}

#include "media/win32/ExtensionManager.h"

#include <cstdio>

#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/Pictures.h"
#include "platform/win32/Resources.h"
#include "shell/Edition.h"
#include "shell/Environment.h"

ExtensionManager* gDeckManager = nullptr;

namespace {

constexpr char kDiscLibraryFolder[] = "extensin\\";
// Notes at start: decks left out, and no deck at all (the program's own cards are used).
constexpr std::int16_t kAlertList = 1000;
constexpr std::int16_t kDecksLeftOutNote = 256;
constexpr std::int16_t kNoDeckNote = 255;
constexpr std::int16_t kFigureLibraryMissing = 261;

// Library modules loaded as data files: the deck and figure libraries hold resources only,
// and so no code of theirs ever runs.
class ModuleSource : public LibrarySource {
  public:
    explicit ModuleSource(std::vector<std::string> folders) : folders_(std::move(folders)) {}

    void* OpenLibrary(const char* fileName) override {
        for (const std::string& folder : folders_) {
            const std::string path = folder + fileName;
            // A folder on a removable drive must not ask for a disc.
            const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
            HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
            SetErrorMode(mode);
            if (module)
                return module;
        }
        return nullptr;
    }
    void CloseLibrary(void* library) override { FreeLibrary(static_cast<HMODULE>(library)); }
    bool ReadLibraryString(void* library, int id, std::string* text) override {
        char buffer[kStringBufferSize] = {};
        const int length = LoadStringA(static_cast<HMODULE>(library), static_cast<UINT>(id), buffer,
                                       sizeof buffer);
        if (length <= 0)
            return false;
        text->assign(buffer, static_cast<std::size_t>(length));
        return true;
    }
    bool HasUsablePicture(void* library, int id) override {
        return CheckBitmapResource(LoadLibraryBitmap(static_cast<HMODULE>(library), id)) ==
               kBitmapReadable;
    }
    const void* FindLibraryData(void* library, int id, std::uint32_t* size) override {
        HMODULE module = static_cast<HMODULE>(library);
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(WORD(id)), MAKEINTRESOURCEA(10));
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        const void* data = loaded ? LockResource(loaded) : nullptr;
        *size = data ? static_cast<std::uint32_t>(SizeofResource(module, found)) : 0;
        return data;
    }

  private:
    std::vector<std::string> folders_;
};

std::string DiscLibraryFolder() {
    char path[kPathSize];
    std::snprintf(path, sizeof path, "%s", gCdRoot);
    AppendGameFolderName(path);
    return std::string(path) + kDiscLibraryFolder;
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

} // namespace

// Until start-up loads the libraries, the program's own deck is the one deck.
ExtensionManager& DeckManager() {
    if (!gDeckManager) {
        gDeckManager = new ExtensionManager;
        gDeckManager->UseProgramDeckOnly(kProgramDeckName);
        gDeckManager->programDeckOnly = true;
    }
    return *gDeckManager;
}

ExtensionManager::ExtensionManager() = default;

ExtensionManager::~ExtensionManager() {
    for (HMODULE& module : deckModules) {
        if (module)
            FreeLibrary(module);
        module = nullptr;
    }
}

void ExtensionManager::Init(Settings* settings, int, int) {
    LoadExtensions(settings);
}

std::vector<std::string> ExtensionManager::DeckFileNames() {
    std::vector<std::string> names;
    for (int index = 0;; ++index) {
        char name[kStringBufferSize] = {};
        GetIndString(name, kDeckFileList, static_cast<std::int16_t>(index));
        if (!name[0])
            return names;
        names.emplace_back(name);
    }
}

// The data directory first; the program's folder too, where the decks are installed even
// when the data directory was kept elsewhere; then the disc.
std::vector<std::string> ExtensionManager::DeckFolders() {
    std::vector<std::string> folders;
    if (gDataPath[0])
        folders.emplace_back(gDataPath);
    if (gProgramDir[0] && (folders.empty() || folders[0] != gProgramDir))
        folders.emplace_back(gProgramDir);
    if (gCdFound)
        folders.push_back(DiscLibraryFolder());
    return folders;
}

std::vector<std::string> ExtensionManager::PersonaFolders() {
    return DeckFolders();
}

void ExtensionManager::LoadExtensions(Settings* settings) {
    DeckManager::Init(settings, -1, -1);
    for (HMODULE& module : deckModules) {
        if (module)
            FreeLibrary(module);
        module = nullptr;
    }
    ModuleSource source(DeckFolders());
    std::vector<std::string> refused;
    const std::vector<void*> libraries = CollectDecks(DeckFileNames(), source, &refused);
    for (std::size_t i = 0; i < libraries.size(); ++i)
        deckModules[i] = static_cast<HMODULE>(libraries[i]);
    programDeckOnly = deckCount == 0;
    if (programDeckOnly) {
        UseProgramDeckOnly(kProgramDeckName);
        NoteAlert(kAlertList, kNoDeckNote, JoinNames(refused).c_str());
    } else if (!refused.empty()) {
        NoteAlert(kAlertList, kDecksLeftOutNote, JoinNames(refused).c_str());
    }
    LoadPersonaLibraries();
}

void ExtensionManager::LoadPersonaLibraries() {
    const bool threeSeat = gSkatEdition != 0;
    const std::string base = threeSeat ? kThreeSeatPersonaLibraryName : kPersonaLibraryName;
    MotiveTable& table = threeSeat ? threeSeatMotives : fourSeatMotives;
    ModuleSource source(PersonaFolders());
    for (int library = 0; library < kFigureLibraryCount; ++library) {
        std::string name = base;
        if (library > 0)
            name = base.substr(0, base.size() - 4) + char('0' + library) + ".dll";
        personaModules[library] = static_cast<HMODULE>(source.OpenLibrary(name.c_str()));
        ClearLibraryMotives(library);
        if (personaModules[library])
            ReadLibraryMotives(library, table, personaModules[library], source);
    }
    SetPersonaLibrary(personaModules[motiveIndex]);
    if (!personaModules[motiveIndex]) {
        const std::string where = std::string(gProgramDir) + base;
        StopAlert(kAlertList, kFigureLibraryMissing, where.c_str());
        RequestQuit();
    }
}

void* ExtensionManager::GetPicture(std::int16_t pictureId) {
    SetExtensionLibrary(programDeckOnly || selectedDeck < 0 || selectedDeck >= deckCount
                            ? nullptr
                            : deckModules[selectedDeck]);
    return GetResource(kPictType, pictureId);
}

// A null figure library would leave the table without its pictures: a motive of a library
// that is not there falls back to the default motive, whose library start-up insists on.
void ExtensionManager::SelectMotive(std::int16_t* motive) {
    SelectExtension(motive);
}

void ExtensionManager::SelectExtension(std::int16_t* motive) {
    FigureManager::SelectMotive(motive);
    if (!personaModules[motiveIndex]) {
        *motive = kDefaultMotive;
        FigureManager::SelectMotive(motive);
    }
    SetPersonaLibrary(personaModules[motiveIndex]);
}

bool ExtensionManager::IsMotiveAvailable(int motive) const {
    return motive >= 1 && motive <= kMotiveCount && personaModules[MotiveLibrary(motive)];
}

bool ExtensionManager::IsDeckAvailable(int index) {
    return IsDeckKindAvailable(index);
}

bool ExtensionManager::HasFullSizeOwnCards() {
    return true;
}

bool ExtensionManager::HasAllCardSizes() {
    return true;
}

// The program's own deck names its suits the German way.
bool ExtensionManager::CheckDeckVariant() {
    bool variant = false;
    if (selectedDeck >= 0 && selectedDeck < deckCount) {
        if (programDeckOnly) {
            variant = true;
        } else {
            char text[kStringBufferSize] = {};
            variant =
                LoadStringA(deckModules[selectedDeck], kDeckVariantString, text, sizeof text) > 0;
        }
    }
    gDeckVariant = variant ? 1 : 0;
    return variant;
}

int ExtensionManager::GetFigureGender(int seat) {
    return seat >= 1 && seat <= 3 ? selectedSexes[seat - 1] : 0;
}

bool ExtensionManager::HasCustomTableLibrary(bool) {
    return false;
}

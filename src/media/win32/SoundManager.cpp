#include "media/win32/SoundManager.h"

#include <mmsystem.h>

#include <new>

#include "document/win32/GameDocumentWin.h"
#include "media/DeckManager.h"
#include "media/SoundEventMapping.h"
#include "platform/Alerts.h"
#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowSlots.h"
#include "shell/Environment.h"
#include "shell/OptionRecords.h"
#include "shell/Settings.h"
#include "shell/win32/Waits.h"
#include "views/win32/TablePane.h"

SoundManager* gSoundManager = nullptr;

namespace {

EventSoundObserver sEventSoundObserver;
SoundSink sSoundSink;
EventMovieStarter sEventMovieStarter;
std::uint32_t sStopSoundsCount = 0;
int sPlayingEvent = 0;
int sPlayingSeat = -1;

TablePane* CurrentTable() {
    return static_cast<TablePane*>(gPaneSlots[0]);
}

bool SkatGame() {
    return gGameDocument && gGameDocument->header.gameKind == 0;
}

// At a Schafkopf table the table's own rules carry the "Reservation, Pass" switch.
int CallSwitchOfTable() {
    TablePane* table = CurrentTable();
    if (!table || table->GetGameCode() != 2)
        return -1;
    const SchafkopfOptions* options = SchafkopfOptionsRecord();
    return options ? options->reservationSounds : -1;
}

bool SinkPlayed(const SoundSinkEntry& entry) {
    return sSoundSink && sSoundSink(entry);
}

SoundSinkEntry EntryOf(SoundSinkEntry::Kind kind) {
    SoundSinkEntry entry;
    entry.kind = kind;
    entry.event = sPlayingEvent;
    entry.seat = sPlayingSeat;
    return entry;
}

} // namespace

// ---- notes, one per run and cause --------------------------------------------------------

namespace {

constexpr std::int16_t kSoundNoteList = 1000;
enum SoundNote : std::int16_t {
    kNoLibraryNote = 292,
    kNoFileNameNote = 293,
    kMissingFileNote = 294,
    kLongPathNote = 295,
    kPlaybackErrorNote = 296,
};
constexpr int kSoundNoteCount = 5;
bool sNoteShown[kSoundNoteCount] = {};

void NoteOnce(SoundNote note, const char* value) {
    bool& shown = sNoteShown[note - kNoLibraryNote];
    if (shown)
        return;
    shown = true;
    NoteAlert(kSoundNoteList, note, value);
}

void NoteMciError(MCIERROR error) {
    char text[kStringBufferSize] = {};
    if (!mciGetErrorStringA(error, text, sizeof text))
        NumToString(static_cast<std::int32_t>(error), text);
    NoteOnce(kPlaybackErrorNote, text);
}

// Errors that mean the machine has no usable wave output: the game plays on silently.
bool MeansNoDevice(MCIERROR error) {
    switch (LOWORD(error)) {
    case MCIERR_WAVE_OUTPUTSUNSUITABLE:
    case MCIERR_WAVE_SETOUTPUTUNSUITABLE:
    case MCIERR_WAVE_OUTPUTUNSPECIFIED:
    case MCIERR_WAVE_SETOUTPUTINUSE:
    case MCIERR_CANNOT_LOAD_DRIVER:
    case MCIERR_DEVICE_NOT_INSTALLED:
    case MCIERR_INVALID_DEVICE_NAME:
    case MCIERR_DEVICE_NOT_READY:
    case MCIERR_DRIVER_INTERNAL:
        return true;
    default:
        return false;
    }
}

} // namespace

void ResetSoundNotes() {
    for (bool& shown : sNoteShown)
        shown = false;
}

// ---- SoundManager ------------------------------------------------------------------------

SoundManager::SoundManager() = default;

SoundManager::~SoundManager() {
    SoundManager::Stop();
    ReleaseVoiceSets();
}

SoundManager* SoundManager::SelectChannel(int) {
    return this;
}

int SoundManager::FindVoice(int sound, int seat, int* voice) {
    VoiceContext context;
    context.voicesAvailable = voicesAvailable != 0;
    context.skatGame = SkatGame();
    context.playerVoices = settings ? settings->body.playerVoices : nullptr;
    for (int i = 0; i < kVoiceCount; ++i)
        context.records[i] = voiceRecords[i];
    return ::FindVoice(sound, seat, context, voice);
}

int SoundManager::MapEventToSound(int event) {
    SoundMapContext context;
    TablePane* table = CurrentTable();
    context.roomScene = table ? GetRoomScene(table) : -1;
    context.extendedCardSounds = extendedCardSounds != 0;
    context.englishLibrary = gLanguageEnglish != 0;
    context.lastHurrySound = &lastHurrySound;
    return ::MapEventToSound(event, context, [] { return Random(); });
}

void SoundManager::Pause(int ticks, int, int) {
    RunSoundPause(ticks, channel, [](int t) { WaitTicks(static_cast<std::uint32_t>(t)); });
}

void SoundManager::Stop() {}

void SoundManager::Play(int, bool) {}

bool SoundManager::PausesRun() {
    return true;
}

void SoundManager::WaitForAnimation(int ticks) {
    SoundSinkEntry entry = EntryOf(SoundSinkEntry::kPause);
    entry.ticks = -ticks; // a wait before the sound, told apart from the rest after it
    if (SinkPlayed(entry) || !PausesRun())
        return;
    WaitTicks(static_cast<std::uint32_t>(ticks));
}

bool SoundManager::PlayEvent(int event, int seat) {
    if (!settings)
        return true;
    const SettingsBody& body = settings->body;
    if (body.soundOn && !library && openState == 1 && !voicesAvailable)
        NoteOnce(kNoLibraryNote,
                 gLanguageEnglish ? kEnglishSoundLibraryName : kGermanSoundLibraryName);
    SoundEventScene scene;
    scene.soundOn = body.soundOn != 0;
    scene.libraryReady = voicesAvailable == 1;
    scene.soundClasses = body.soundClasses;
    scene.callSwitch = CallSwitchOfTable();
    scene.animationOn = body.animationOn != 0;
    scene.movieFilter = body.movieFilter;
    scene.germanSuitNames = gDeckVariant == 1;
    SoundEventSteps steps;
    steps.map = [this](int e) { return MapEventToSound(e); };
    steps.voice = [this](int sound, int s) { return FindVoice(sound, s, nullptr); };
    steps.draw = [] { return Random(); };
    steps.stop = [this] { Stop(); };
    steps.play = [this](int finalId, bool notify) { Play(finalId, notify); };
    steps.pause = [this, event](int ticks) { Pause(ticks, event, 0); };
    steps.wait = [this](int ticks) { WaitForAnimation(ticks); };
    const int outerEvent = sPlayingEvent;
    const int outerSeat = sPlayingSeat;
    sPlayingEvent = event;
    sPlayingSeat = seat;
    RunSoundEvent(event, seat, scene, channel, steps);
    sPlayingEvent = outerEvent;
    sPlayingSeat = outerSeat;
    return true;
}

void SoundManager::ReleaseVoiceSets() {
    for (int i = 0; i < kVoiceSlots; ++i) {
        delete voiceFiles[i];
        voiceFiles[i] = nullptr;
        delete voiceRecords[i];
        voiceRecords[i] = nullptr;
    }
}

// ---- SoundPlayer -------------------------------------------------------------------------

SoundPlayer::~SoundPlayer() {
    Stop();
    if (library) {
        if (gSoundLibrary == library)
            gSoundLibrary = nullptr;
        FreeLibrary(library);
        library = nullptr;
    }
}

namespace {

HMODULE LoadSoundLibraryFrom(const char* folder, const char* name, std::string* found) {
    char path[kPathSize];
    CopyPath(path, kPathSize, folder);
    AppendPath(path, kPathSize, name);
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module)
        *found = folder;
    return module;
}

} // namespace

void SoundPlayer::LoadLibrary() {
    const char* name = gLanguageEnglish ? kEnglishSoundLibraryName : kGermanSoundLibraryName;
    if (gDataPath[0])
        library = LoadSoundLibraryFrom(gDataPath, name, &libraryFolder);
    if (!library && gProgramDir[0])
        library = LoadSoundLibraryFrom(gProgramDir, name, &libraryFolder);
    if (!library && gCdFound) {
        char folder[kPathSize];
        CopyPath(folder, kPathSize, gCdRoot);
        AppendGameFolderName(folder);
        const UINT before = SetErrorMode(SEM_FAILCRITICALERRORS);
        library = LoadSoundLibraryFrom(folder, name, &libraryFolder);
        SetErrorMode(before);
    }
    gSoundLibrary = library;
}

// A voice that cannot be made leaves the manager silent; the game goes on.
bool SoundPlayer::MakeVoices() {
    ReleaseVoiceSets();
    for (int i = 0; i < kVoiceCount; ++i) {
        voiceFiles[i] = new (std::nothrow) FileStream;
        voiceRecords[i] = new (std::nothrow) VoiceRecord(MakeVoiceRecord(i, gLanguageEnglish));
        if (!voiceFiles[i] || !voiceRecords[i])
            return false;
        CopyPath(voiceFiles[i]->path, sizeof voiceFiles[i]->path, "Sounds");
    }
    return true;
}

bool SoundPlayer::Init(Settings* given) {
    Stop();
    device = 0;
    CopyPath(path, sizeof path, "Sounds");
    if (library) {
        FreeLibrary(library);
        library = nullptr;
    }
    libraryFolder.clear();
    LoadLibrary();
    const bool voicesMade = MakeVoices();
    extendedCardSounds = library && GetResourcePref(kPrefType, 1280) ? 1 : 0;
    settings = given;
    channel = SoundEventState{};
    openState = 1;
    lastHurrySound = -1;
    voicesAvailable = library && voicesMade ? 1 : 0;
    noDevice = waveOutGetNumDevs() == 0;
    return voicesMade;
}

bool SoundPlayer::PausesRun() {
    return !noDevice;
}

void SoundPlayer::Pause(int ticks, int, int) {
    SoundSinkEntry entry = EntryOf(SoundSinkEntry::kPause);
    entry.ticks = ticks;
    if (SinkPlayed(entry) || noDevice)
        return;
    SoundManager::Pause(ticks, 0, 0);
}

void SoundPlayer::Stop() {
    if (!device)
        return;
    const MCIDEVICEID id = static_cast<MCIDEVICEID>(device);
    device = 0;
    MCIERROR error = mciSendCommandA(id, MCI_STOP, MCI_WAIT, 0);
    if (error && !MeansNoDevice(error))
        NoteMciError(error);
    error = mciSendCommandA(id, MCI_CLOSE, MCI_WAIT, 0);
    if (error && !MeansNoDevice(error))
        NoteMciError(error);
}

void SoundPlayer::Play(int soundId, bool notify) {
    PlaySoundFile(soundId, notify);
}

// The library's name of the sound, beside the library; empty when the library names none.
std::string SoundPlayer::SoundFileOf(int sound) {
    char name[255] = {};
    if (library)
        LoadStringA(library, static_cast<UINT>(sound), name, sizeof name);
    return name[0] ? libraryFolder + name : std::string();
}

// Every way a sound cannot be found is told once per run and then stays silent.
bool SoundPlayer::CheckSoundFile(int sound, const std::string& file) {
    if (file.empty()) {
        char number[16];
        NumToString(sound, number);
        NoteOnce(kNoFileNameNote, number);
        return false;
    }
    if (file.size() >= MAX_PATH) {
        NoteOnce(kLongPathNote, file.c_str() + libraryFolder.size());
        return false;
    }
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        NoteOnce(kMissingFileNote, file.c_str());
        return false;
    }
    CloseHandle(handle);
    return true;
}

bool SoundPlayer::OpenDevice(const std::string& file) {
    for (int tries = 0; device && tries < 6; ++tries)
        WaitTicks(31);
    if (device)
        Stop();
    MCI_OPEN_PARMSA open = {};
    open.dwCallback = reinterpret_cast<DWORD_PTR>(gWindowSlots[0]);
    open.lpstrDeviceType = "waveaudio";
    open.lpstrElementName = file.c_str();
    const MCIERROR error = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                                           reinterpret_cast<DWORD_PTR>(&open));
    if (!error) {
        device = static_cast<std::int32_t>(open.wDeviceID);
        return true;
    }
    if (MeansNoDevice(error))
        noDevice = true;
    else if (LOWORD(error) == MCIERR_FILE_NOT_FOUND)
        NoteOnce(kMissingFileNote, file.c_str());
    else
        NoteMciError(error);
    return false;
}

void SoundPlayer::StartPlay(bool notify) {
    MCI_PLAY_PARMS play = {};
    play.dwCallback = reinterpret_cast<DWORD_PTR>(gWindowSlots[0]);
    const MCIERROR error =
        mciSendCommandA(static_cast<MCIDEVICEID>(device), MCI_PLAY, notify ? MCI_NOTIFY : MCI_WAIT,
                        reinterpret_cast<DWORD_PTR>(&play));
    if (!error || LOWORD(error) == MCIERR_WAVE_OUTPUTSINUSE)
        return;
    if (MeansNoDevice(error))
        noDevice = true;
    else
        NoteMciError(error);
    Stop();
}

void SoundPlayer::PlaySoundFile(int sound, bool notify) {
    currentSound = sound;
    const std::string file = SoundFileOf(sound);
    SoundSinkEntry entry = EntryOf(SoundSinkEntry::kPlay);
    entry.finalId = sound;
    entry.file = file;
    entry.notify = notify;
    if (SinkPlayed(entry) || noDevice || !CheckSoundFile(sound, file))
        return;
    if (!OpenDevice(file))
        return;
    StartPlay(notify);
    if (!notify)
        Stop();
}

void SoundPlayer::HandleNotify(WPARAM flags, LPARAM deviceId) {
    if (flags != MCI_NOTIFY_SUCCESSFUL || !device || deviceId != device)
        return;
    Stop();
    StopEventMovies(this, currentSound);
}

// ---- the entry of all callers ------------------------------------------------------------

namespace {

bool IsSoundOnlyEvent(int event) {
    return event == 1501 || event == 1503 || event == 1509;
}

// A figure acts the event out when its scene movie starts; the movie plays the sound itself.
bool EventMovieTakes(int event, int seat) {
    const Settings* settings = gSoundManager->settings;
    TablePane* table = CurrentTable();
    if (!settings || !settings->body.animationOn || seat <= 0 || !table || IsSoundOnlyEvent(event))
        return false;
    const int movieType = table->GetGameCode() == 0 && seat == 2 ? 19 : seat + 16;
    return sEventMovieStarter && sEventMovieStarter(movieType, event, seat);
}

} // namespace

void PlayEventSound(int event, int seat) {
    if (sEventSoundObserver)
        sEventSoundObserver(event, seat);
    if (!gSoundManager || EventMovieTakes(event, seat))
        return;
    gSoundManager->PlayEvent(event, seat);
}

void SetEventSoundObserver(EventSoundObserver observer) {
    sEventSoundObserver = std::move(observer);
}

void SetSoundSink(SoundSink sink) {
    sSoundSink = std::move(sink);
}

void SetEventMovieStarter(EventMovieStarter starter) {
    sEventMovieStarter = std::move(starter);
}

void StopSounds() {
    ++sStopSoundsCount;
    if (gSoundManager)
        gSoundManager->Stop();
}

std::uint32_t StopSoundsCount() {
    return sStopSoundsCount;
}

void StopEventMovies(SoundManager*, int) {}

void HandleSoundNotice(WPARAM flags, LPARAM deviceId) {
    if (auto* player = dynamic_cast<SoundPlayer*>(gSoundManager))
        player->HandleNotify(flags, deviceId);
}

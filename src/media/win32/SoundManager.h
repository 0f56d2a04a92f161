// Sounds of the game events. A caller names an event and the seat that causes it; the sound
// manager picks a recording and the seat's voice, finds the wave file through the sound
// library's string table and plays it with the multimedia control interface, resting after
// speech so that it is heard before play goes on. A machine without wave output plays on
// quietly.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "media/SoundEventPlayback.h"
#include "media/SoundLibraryName.h"
#include "media/SoundVoices.h"
#include "platform/FileStream.h"

class Settings;

inline constexpr int kVoiceSlots = 12; // the first six are used

class SoundManager : public FileStream {
  public:
    SoundManager();
    ~SoundManager() override; // stops the sound

    virtual SoundManager* SelectChannel(int seatCode);
    virtual int FindVoice(int sound, int seat, int* voice);
    virtual int MapEventToSound(int event);
    virtual void Pause(int ticks, int event, int result);
    virtual bool PlayEvent(int event, int seat);
    virtual void Stop();
    virtual void Play(int soundId, bool notify);

    Settings* settings = nullptr;
    SoundEventState channel; // with currentClass
    std::uint8_t reserved = 0;
    std::uint8_t voicesAvailable = 0; // the sound library was loaded
    std::int32_t openState = 0;
    std::uint8_t extendedCardSounds = 0; // the library holds the card-sound variants
    FileStream* voiceFiles[kVoiceSlots] = {};
    VoiceRecord* voiceRecords[kVoiceSlots] = {};
    std::int16_t lastHurrySound = -1;
    HMODULE library = nullptr;
    std::int32_t currentSound = 0;
    std::int32_t device = 0; // the open multimedia device, 0 when none

  protected:
    void ReleaseVoiceSets();
    virtual bool PausesRun(); // false when nothing is heard, so play goes on at once

  private:
    void WaitForAnimation(int ticks);
};

class SoundPlayer : public SoundManager {
  public:
    ~SoundPlayer() override; // frees the library, the voices and the channel

    bool Init(Settings* settings);
    void Pause(int ticks, int event, int result) override;
    void Stop() override;
    void Play(int soundId, bool notify) override;
    // The table window's completion notice: only a finished play of the open device ends it.
    void HandleNotify(WPARAM flags, LPARAM deviceId);

    std::string libraryFolder; // the wave files lie beside the library, with a backslash

  protected:
    bool PausesRun() override;

  private:
    void PlaySoundFile(int sound, bool notify);
    std::string SoundFileOf(int sound);
    bool CheckSoundFile(int sound, const std::string& file);
    bool OpenDevice(const std::string& path);
    void StartPlay(bool notify);
    void LoadLibrary();
    bool MakeVoices();
    bool noDevice = false; // no wave output: sounds are recorded, nothing opens
};

extern SoundManager* gSoundManager;

void PlayEventSound(int event, int seat);
void StopSounds();
void StopEventMovies(SoundManager* manager, int sound);
// The table window's MM_MCINOTIFY: a finished play of the open device closes it; a late
// notice of an aborted or replaced sound leaves the sound now playing alone.
void HandleSoundNotice(WPARAM flags, LPARAM deviceId);

// Test seam: sees every event sound asked for (the event and the seat, -1 for none).
using EventSoundObserver = std::function<void(int event, int seat)>;
void SetEventSoundObserver(EventSoundObserver observer); // empty to stop
std::uint32_t StopSoundsCount(); // test seam: the stops since the program started

// Test seam at the playback step: every sound about to be played and every rest after one.
struct SoundSinkEntry {
    enum Kind { kPlay, kPause } kind = kPlay;
    int event = 0; // the event being played
    int seat = -1;
    int finalId = 0;
    std::string file;   // the wave file's path, empty when the library names none
    bool notify = true; // false: the program waits for the sound's end
    int ticks = 0;      // of a rest
};
// A sink answering true has played the sound itself: the device stays closed and the rests
// are skipped, so that a deal with sound on runs in test time. Empty to stop.
using SoundSink = std::function<bool(const SoundSinkEntry& entry)>;
void SetSoundSink(SoundSink sink);

// Test seam: the scene movie of an event, tried before the sound (answers true when a movie
// took the event). Until scene movies exist no movie takes an event.
using EventMovieStarter = std::function<bool(int movieType, int event, int seat)>;
void SetEventMovieStarter(EventMovieStarter starter);

// Test seam: forget which notes were shown in this run.
void ResetSoundNotes();

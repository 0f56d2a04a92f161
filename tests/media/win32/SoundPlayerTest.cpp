// The sound player with a real device (the test run's sound server into a null sink, so a sound
// lasts as long as its samples; where that pace is missing the timing tests skip) and a small
// sound library beside the test program whose wave files the tests write.
#include "media/win32/SoundManager.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Random.h"
#include "platform/StringLists.h"
#include "platform/win32/Resources.h"
#include "platform/win32/WindowSlots.h"
#include "shell/Environment.h"
#include "shell/Settings.h"
#include "support/AlertRecorder.h"
#include "support/AudioOff.h"

namespace {

using Clock = std::chrono::steady_clock;

std::string FixtureFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* slash = std::strrchr(path, '\\');
    if (slash)
        slash[1] = '\0';
    return std::string(path) + "soundfixture\\";
}

void Put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF)).put(static_cast<char>(v >> 8));
}

void Put32(std::ofstream& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

// A PCM wave file, 11025 Hz mono 16-bit, of a quiet square tone lasting seconds. A file of that
// size is there already (it never changes): another test program may be playing it right now.
void WriteWave(const std::string& path, double seconds) {
    const std::uint32_t rate = 11025;
    const auto samples = static_cast<std::uint32_t>(rate * seconds);
    WIN32_FILE_ATTRIBUTE_DATA there = {};
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &there) &&
        there.nFileSizeLow == 44 + samples * 2)
        return;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    Put32(out, 36 + samples * 2);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, 1);
    Put32(out, rate);
    Put32(out, rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, samples * 2);
    for (std::uint32_t i = 0; i < samples; ++i)
        Put16(out, (i / 20) % 2 ? 0x0400 : 0xFC00);
}

// The window that receives the device's completion notices, as the table window does.
LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_MCINOTIFY) {
        HandleSoundNotice(wParam, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeNoticeWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = NoticeProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SoundNoticeTest";
    RegisterClassA(&windowClass);
    return CreateWindowA("SoundNoticeTest", "", 0, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

void PumpFor(double seconds) {
    const auto end = Clock::now() + std::chrono::duration<double>(seconds);
    while (Clock::now() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    }
}

// Whether a waiting play of the 0.3 s wave lasts about as long as its samples: without a
// device, or with an output that drops the samples at once, the timing tests cannot hold.
bool PlaysInRealTime(const std::string& file) {
    const std::string open = "open \"" + file + "\" type waveaudio alias probe";
    if (mciSendStringA(open.c_str(), nullptr, 0, nullptr))
        return false;
    const auto start = std::chrono::steady_clock::now();
    const MCIERROR error = mciSendStringA("play probe wait", nullptr, 0, nullptr);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    mciSendStringA("close probe", nullptr, 0, nullptr);
    return !error && seconds >= 0.25;
}

#define SKIP_WITHOUT_WAVE_OUTPUT()                                                                 \
    if (!PlaysInRealTime(FixtureFolder() + "hello.wav"))                                           \
    GTEST_SKIP() << "this machine's wave output does not play in real time"

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

class SoundPlayerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string folder = FixtureFolder();
        for (const char* name :
             {"hello.wav", "shuffle.wav", "lost.wav", "won.wav", "begin.wav", "double.wav"})
            WriteWave(folder + name, 0.3);
        WriteWave(folder + "card.wav", 0.6);
        DeleteFileA((folder + "missing.wav").c_str());
        CopyPath(gDataPath, kPathSize, folder.c_str());
        gLanguageEnglish = 1;
        settings.SetDefaults();
        settings.body.soundOn = 1;
        settings.body.animationOn = 0;
        for (std::int16_t& soundClass : settings.body.soundClasses)
            soundClass = 1;
        ResetSoundNotes();
        ResetAlertRecorder();
        window = MakeNoticeWindow();
        gWindowSlots[0] = window;
        player = new SoundPlayer;
        ASSERT_TRUE(player->Init(&settings));
        gSoundManager = player;
    }

    void TearDown() override {
        gSoundManager = nullptr;
        delete player;
        gWindowSlots[0] = nullptr;
        DestroyWindow(window);
        SetSoundSink(nullptr);
        gDataPath[0] = '\0';
    }

    Settings settings;
    SoundPlayer* player = nullptr;
    HWND window = nullptr;
};

TEST_F(SoundPlayerTest, TheLibraryBesideTheProgramIsFoundWithItsFolder) {
    EXPECT_TRUE(player->library);
    EXPECT_EQ(gSoundLibrary, player->library);
    EXPECT_EQ(player->voicesAvailable, 1);
    EXPECT_EQ(player->extendedCardSounds, 0) << "the fixture has no RCDATA 1280";
    EXPECT_EQ(player->libraryFolder, FixtureFolder());
    EXPECT_EQ(player->voiceRecords[5]->idOffset, 8000); // male 3: a phrase + 7000
    EXPECT_EQ(player->voiceRecords[6], nullptr);
}

TEST_F(SoundPlayerTest, TheCardSoundBlocksForItsLengthAndClosesTheDevice) {
    SKIP_WITHOUT_WAVE_OUTPUT();
    const auto start = Clock::now();
    PlayEventSound(1503, 0);
    const double seconds = SecondsSince(start);
    EXPECT_GE(seconds, 0.55);
    EXPECT_LE(seconds, 1.2);
    EXPECT_EQ(player->device, 0);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SoundPlayerTest, ANotifiedSoundsNoticeArrivesAfterItsLengthAndClosesTheDevice) {
    SKIP_WITHOUT_WAVE_OUTPUT();
    const auto start = Clock::now();
    player->Play(1503, true);
    ASSERT_NE(player->device, 0);
    EXPECT_LT(SecondsSince(start), 0.3) << "a notified sound does not wait";
    while (player->device && SecondsSince(start) < 3.0)
        PumpFor(0.01);
    const double seconds = SecondsSince(start);
    EXPECT_EQ(player->device, 0);
    EXPECT_GE(seconds, 0.5);
    EXPECT_LE(seconds, 1.5);
}

TEST_F(SoundPlayerTest, ASoundStartedDuringAnotherPlaysOnAfterTheFirstsAbortedNotice) {
    SKIP_WITHOUT_WAVE_OUTPUT();
    player->Play(1503, true);
    PumpFor(0.1);
    player->Stop();
    player->Play(1503, true);
    const std::int32_t second = player->device;
    ASSERT_NE(second, 0);
    const auto start = Clock::now();
    PumpFor(0.3); // the first sound's aborted notice arrives here
    EXPECT_EQ(player->device, second) << "a late notice does not cut the next sound";
    while (player->device && SecondsSince(start) < 3.0)
        PumpFor(0.01);
    EXPECT_EQ(player->device, 0) << "its own notice ends it";
}

TEST_F(SoundPlayerTest, AMissingWaveIsToldOnceAndLaterEventsStaySilent) {
    PlayEventSound(1502, -1);
    PlayEventSound(1502, -1);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_NE(RecordedAlerts()[0].text.find("missing.wav"), std::string::npos);
    EXPECT_EQ(player->device, 0);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
    std::vector<SoundSinkEntry> entries;
    SetSoundSink([&entries](const SoundSinkEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    PlayEventSound(1503, 0);
    ASSERT_EQ(entries.size(), 1u) << "the sounds that are there still play";
    EXPECT_EQ(entries[0].file, FixtureFolder() + "card.wav");
    EXPECT_EQ(RecordedAlerts().size(), 1u);
}

TEST_F(SoundPlayerTest, AnIdWithoutANameIsToldOnce) {
    PlayEventSound(1599, 1);
    PlayEventSound(1599, 2);
    ASSERT_EQ(RecordedAlerts().size(), 1u);
    EXPECT_EQ(player->device, 0);
}

TEST_F(SoundPlayerTest, TheSinkSeesEachPlayWithItsFileAndRestAndReplacesTheDevice) {
    std::vector<SoundSinkEntry> entries;
    SetSoundSink([&entries](const SoundSinkEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    settings.body.playerVoices[1] = 5; // male voice 1: English + 5000
    const auto start = Clock::now();
    PlayEventSound(1503, 2);
    PlayEventSound(1501, -1);
    PlayEventSound(1640, 1);
    EXPECT_LT(SecondsSince(start), 0.5) << "no device and no rests";
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].finalId, 1503);
    EXPECT_EQ(entries[0].seat, 2);
    EXPECT_FALSE(entries[0].notify);
    EXPECT_EQ(entries[0].file, FixtureFolder() + "card.wav");
    EXPECT_EQ(entries[1].finalId, 1501);
    EXPECT_EQ(entries[2].kind, SoundSinkEntry::kPause);
    EXPECT_EQ(entries[2].ticks, 120);
    EXPECT_EQ(entries[3].event, 1640);
    EXPECT_EQ(entries[3].finalId, 6640);
    EXPECT_EQ(entries[3].file, FixtureFolder() + "double.wav");
    EXPECT_TRUE(entries[3].notify);
    EXPECT_EQ(entries[4].ticks, 110);
    EXPECT_EQ(player->device, 0);
    EXPECT_TRUE(RecordedAlerts().empty());
}

TEST_F(SoundPlayerTest, SoundOffPlaysNothingAndLeavesTheCountersAlone) {
    std::vector<SoundSinkEntry> entries;
    SetSoundSink([&entries](const SoundSinkEntry& entry) {
        entries.push_back(entry);
        return true;
    });
    settings.body.soundOn = 0;
    PlayEventSound(1503, 2);
    PlayEventSound(1500, -1);
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

// The sounds of a whole deal in a seeded order: greeting, shuffle, the seats' calls, 32 cards,
// an announcement and the end.
std::vector<std::pair<int, int>> DealSounds() {
    SeedRandom(42);
    std::vector<std::pair<int, int>> sounds = {{1500, -1}, {1501, -1}};
    for (int seat = 0; seat < 4; ++seat)
        sounds.push_back({1700 + Random() % 3, seat});
    sounds.push_back({1789, 1});
    for (int card = 0; card < 32; ++card)
        sounds.push_back({1503, (card + Random() % 2) % 4});
    sounds.push_back({Random() % 2 ? 1505 : 1504, -1});
    return sounds;
}

TEST_F(SoundPlayerTest, WithAudioOffADealsSoundsPlayOnQuietly) {
    RUN_ONLY_WITH_AUDIO_OFF();
    std::int16_t deepest = 0;
    SetEventSoundObserver(
        [&deepest](int, int) { deepest = std::max<std::int16_t>(deepest, gEventSoundDepth); });
    const auto start = Clock::now();
    for (const auto& [event, seat] : DealSounds())
        PlayEventSound(event, seat);
    SetEventSoundObserver(nullptr);
    EXPECT_LT(SecondsSince(start), 2.0) << "no rests without sound";
    EXPECT_TRUE(RecordedAlerts().empty());
    EXPECT_EQ(player->device, 0);
    EXPECT_EQ(gEventSoundDepth, 0);
    EXPECT_EQ(gSoundWaitDepth, 0);
}

} // namespace

// Tests whose names hold "AudioOff" run in a process of their own with Wine's audio switched
// off (an empty audio driver list; the run sets SCHAFKOPF_AUDIO_OFF). Run anywhere else they
// skip; in that run a wave output that is still there fails them.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include <cstdlib>

#define RUN_ONLY_WITH_AUDIO_OFF()                                                                  \
    if (!std::getenv("SCHAFKOPF_AUDIO_OFF"))                                                       \
        GTEST_SKIP() << "runs in a process with Wine's audio switched off";                        \
    ASSERT_EQ(waveOutGetNumDevs(), 0u) << "Wine's audio was not switched off"

#include "media/SoundEventPlayback.h"

#include "media/SoundEventClasses.h"

std::int16_t gEventSoundDepth = 0;
std::int16_t gSoundWaitDepth = 0;

namespace {

// Raises a counter for the lifetime of the object, so that every way out lowers it again.
class DepthRaise {
  public:
    explicit DepthRaise(std::int16_t& depth) : depth_(depth) { ++depth_; }
    ~DepthRaise() { --depth_; }
    DepthRaise(const DepthRaise&) = delete;
    DepthRaise& operator=(const DepthRaise&) = delete;

  private:
    std::int16_t& depth_;
};

// The current class is -1 again however the event ends.
class ClassMark {
  public:
    ClassMark(SoundEventState& state, int finalId) : state_(state) {
        state_.currentClass = static_cast<std::int16_t>(finalId % 1000 + 1000);
    }
    ~ClassMark() { state_.currentClass = -1; }
    ClassMark(const ClassMark&) = delete;
    ClassMark& operator=(const ClassMark&) = delete;

  private:
    SoundEventState& state_;
};

bool SwitchOn(int soundClass, const SoundEventScene& scene) {
    if (soundClass == kCallSoundClass && scene.callSwitch >= 0)
        return scene.callSwitch != 0;
    if (!scene.soundClasses || soundClass < 0 || soundClass >= kSoundClassEntries)
        return false;
    return scene.soundClasses[soundClass] != 0;
}

bool WaitsForAnimation(SoundWait wait, int seat, const SoundEventScene& scene) {
    if (wait == SoundWait::None || !scene.animationOn || (scene.movieFilter & 1))
        return false;
    return wait == SoundWait::Shuffle || seat != 0;
}

void PlayAndRest(int finalId, bool notify, int pauseTicks, const SoundEventSteps& steps) {
    if (finalId == 0)
        return; // a seat without a usable voice is silent
    steps.play(finalId, notify);
    if (pauseTicks > 0)
        steps.pause(pauseTicks);
}

void PlayLeadIn(int seat, const SoundEventSteps& steps) {
    if (steps.draw() % 2 != 0)
        return;
    PlayAndRest(steps.voice(kLeadInPhrase, seat), true, kLeadInPauseTicks, steps);
}

} // namespace

bool RunSoundEvent(int event, int seat, const SoundEventScene& scene, SoundEventState& state,
                   const SoundEventSteps& steps) {
    if (!scene.soundOn || !scene.libraryReady)
        return true;
    if (gSoundWaitDepth == 0)
        state.channelWord = 0;
    const int sound = steps.map(event);
    const int finalId = steps.voice(sound, seat);
    DepthRaise eventDepth(gEventSoundDepth);
    ClassMark mark(state, finalId);
    const SoundEventRule rule = SoundEventRuleOf(event);
    if (!SwitchOn(rule.soundClass, scene))
        return true;
    steps.stop();
    if (WaitsForAnimation(rule.waitBefore, seat, scene))
        steps.wait(50);
    if (rule.leadIn)
        PlayLeadIn(seat, steps);
    const int played =
        rule.suitNameShift && scene.germanSuitNames && finalId ? finalId + 16 : finalId;
    const int pause = rule.pauseTicks < 0 ? PauseOfSoundClass(state.currentClass) : rule.pauseTicks;
    PlayAndRest(played, !rule.playToEnd, pause, steps);
    return true;
}

void RunSoundPause(int ticks, SoundEventState& state, const std::function<void(int)>& waitTicks) {
    DepthRaise pauseDepth(gSoundWaitDepth);
    if (gSoundWaitDepth == 1)
        state.channelWord = 0;
    waitTicks(ticks);
    if (gSoundWaitDepth == 1)
        state.channelWord = 0;
}

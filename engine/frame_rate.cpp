// Frame-rate ring, one-second mark and inactive throttle.
#include "engine/frame_rate.h"

#include <algorithm>

#include "platform/tick.h"

TVTLInfo vtlInfo;
TVTLFrameClock frameClock;

namespace {
constexpr uint32_t kWindowMs = 200;        // one sample
constexpr uint32_t kSecondMs = 1000;
constexpr int32_t kTotalFramesWrap = 10000;
constexpr float kJumpLow = 0.7f, kJumpHigh = 1.3f;
constexpr uint32_t kThrottleGraceMs = 5000;  // the loop's first seconds are never throttled
constexpr int32_t kDrawEvery = 50;            // an inactive window still draws at these counts
constexpr int32_t kMaxInactiveFrames = 100;
constexpr uint32_t kHoldRateMs = 200;         // the saved rate is shown this long after return
constexpr uint32_t kPauseFullScreenMs = 800, kPauseWindowMs = 200;

// A sample more than 30 % off the one it replaces resets the history; against an empty slot
// every sample counts as a jump.
bool isJump(float sample, float old) {
  if (old == 0) return sample != 0;
  const float ratio = sample / old;
  return ratio < kJumpLow || ratio > kJumpHigh;
}
}  // namespace

void resetFrameRate() {
  vtlInfo = TVTLInfo();
  frameClock = TVTLFrameClock();
}

void frameRateCountFrame(uint32_t now) {
  frameClock.frameCount200++;
  vtlInfo.totalFrames++;
  if (tickDiff(now, frameClock.secondMark) > kSecondMs) {
    if (vtlInfo.totalFrames > kTotalFramesWrap) vtlInfo.totalFrames = 0;
    frameClock.secondMark = now;
  }
}

bool frameRateMeasure(uint32_t now) {
  const uint32_t elapsed = tickDiff(now, frameClock.window200Start);
  if (elapsed <= kWindowMs) return false;
  TVTLInfo& info = vtlInfo;
  info.ringIndex = info.ringIndex >= 1 && info.ringIndex < 5 ? info.ringIndex + 1 : 1;
  const float sample = float(frameClock.frameCount200 / (elapsed / double(kWindowMs)));
  if (isJump(sample, info.samples[info.ringIndex]))
    for (float& s : info.samples) s = sample;
  info.samples[info.ringIndex] = sample;
  info.fps = 0;
  for (float s : info.samples) info.fps += s;
  frameClock.window200Start = now;
  frameClock.frameCount200 = 0;
  return true;
}

void frameRateSaveState(uint32_t now) {
  TVTLFrameClock& c = frameClock;
  vtlInfo.savedFps = vtlInfo.fps;
  vtlInfo.savedSamples = vtlInfo.samples;
  vtlInfo.savedRingIndex = vtlInfo.ringIndex;
  c.savedFrameCount = c.frameCount200;
  c.savedWindowElapsed = tickDiff(now, c.window200Start);
  c.savedSecondElapsed = tickDiff(now, c.secondMark);
}

bool frameThrottleInactive(uint32_t now, const TVTLThrottleState& s) {
  TVTLFrameClock& c = frameClock;
  const bool due = c.loopStartTick != 0 && tickDiff(now, c.loopStartTick) > kThrottleGraceMs && !s.active &&
                   !s.fastMode && !s.noThrottle && c.frameCount200 % kDrawEvery != 0 &&
                   !s.keepRunningInBackground && s.firstRunCheck == -1 && !s.tutorialMode;
  if (!due) return false;
  if (c.inactiveFrames == 0) {
    frameRateSaveState(now);
    if (!s.developerMode) vtlInfo.enginePaused = true;
    c.enginePauseExtra = 0;
  }
  c.inactiveFrames = std::min(c.inactiveFrames + 1, kMaxInactiveFrames);
  return true;
}

namespace {
void putBackRate() {
  vtlInfo.fps = vtlInfo.savedFps;
  vtlInfo.samples = vtlInfo.savedSamples;
  vtlInfo.ringIndex = vtlInfo.savedRingIndex;
}
}  // namespace

void frameReactivate(uint32_t now, bool developerMode, bool inWindow) {
  TVTLFrameClock& c = frameClock;
  if (c.inactiveFrames >= 1) {
    putBackRate();
    c.frameCount200 = c.savedFrameCount;
    c.window200Start = now - c.savedWindowElapsed;
    c.secondMark = now - c.savedSecondElapsed;
    c.reactivationTick = now;
  }
  const uint32_t sinceReturn = tickDiff(now, c.reactivationTick);
  if (sinceReturn < kHoldRateMs) putBackRate();
  c.inactiveFrames = 0;
  if (developerMode) return;
  const uint32_t pause = uint32_t(std::max(c.enginePauseExtra, 0)) + (inWindow ? kPauseWindowMs : kPauseFullScreenMs);
  if (sinceReturn > pause) vtlInfo.enginePaused = false;
}

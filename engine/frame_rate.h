// Frame-rate bookkeeping of the frame step: frames per 200-ms window summed over the last
// five windows, the one-second mark, and the throttle of an inactive window with the pause
// and the frame-rate state that survive it. All times are ticks passed in by the caller.
#pragma once

#include <cstdint>

#include "platform/records.h"

// TVTLInfo: the engine's frame-rate record.
struct TVTLInfo {
  float fps = 0;                        // frames per second: the sum of samples; frameRateMeasure
  LArray<float, 1, 5> samples{};        // frames per 200-ms window, last five windows
  int32_t ringIndex = 0;                // slot the next window overwrites, 1..5 (0 before the first)
  float savedFps = 0;                   // copies taken at the first throttled step
  LArray<float, 1, 5> savedSamples{};
  int32_t savedRingIndex = 0;
  int32_t totalFrames = 0;              // frames since start, back to 0 past 10,000
  bool enginePaused = false;            // set while inactive and shortly after; the game holds still
};

// The frame step's clock fields of the engine.
struct TVTLFrameClock {
  int32_t frameCount200 = 0;            // frames in the current 200-ms window
  uint32_t window200Start = 0;          // tick the current window began
  uint32_t secondMark = 0;              // tick of the one-second mark
  int32_t savedFrameCount = 0;          // frameCount200 at the first throttled step
  uint32_t savedWindowElapsed = 0;      // ms since window200Start then
  uint32_t savedSecondElapsed = 0;      // ms since the one-second mark then
  int32_t inactiveFrames = 0;           // throttled steps since inactive, up to 100
  uint32_t reactivationTick = 0;        // first active step after an inactive spell
  int32_t enginePauseExtra = 0;         // ms added to the pause after reactivation (500 after a minimise button)
  uint32_t loopStartTick = 0;           // start of the main loop; 0 before it
};

extern TVTLInfo vtlInfo;
extern TVTLFrameClock frameClock;

void resetFrameRate();

// Step 1 and 2 of the frame step: one more frame; every second the total count wraps past 10,000.
void frameRateCountFrame(uint32_t now);

// Step 3: when more than 200 ms have passed since window200Start, closes the window: its
// frames scaled to exactly 200 ms become the next sample (a jump of more than 30 % against
// the sample it replaces resets all five), fps is their sum. True when a window closed, so
// that the caller shows the new rate.
bool frameRateMeasure(uint32_t now);

// What the throttle asks of the moment, besides the clock.
struct TVTLThrottleState {
  bool active;                   // the application has the input focus
  bool fastMode, noThrottle;     // developer switches
  bool keepRunningInBackground;  // never throttle
  bool developerMode;
  bool tutorialMode;             // the game runs as a tutorial
  int32_t firstRunCheck;         // -1 outside the slow-hardware check
};

// The frame-rate state that an inactive spell keeps (fps, samples, ring index, the frame
// count and the times since the 200-ms window and the one-second mark), saved at `now`. The
// first throttled step and the minimise button save it; frameReactivate puts it back.
void frameRateSaveState(uint32_t now);

// Step 4: true when this step is throttled: the caller waits for one platform message and
// ends the step. Not in the first 5 s of the loop, and every 50th frame count still draws.
// The first throttled step saves the frame-rate state and pauses the engine.
bool frameThrottleInactive(uint32_t now, const TVTLThrottleState& s);

// Step 5, for an active application: after an inactive spell puts the frame-rate state back
// (the idle time does not count), holds it for 200 ms, and ends the pause 800 ms after
// reactivation (200 ms in a window), plus enginePauseExtra.
void frameReactivate(uint32_t now, bool developerMode, bool inWindow);

// Frame-rate ring and inactive throttle, driven by explicit ticks.
#include <gtest/gtest.h>

#include "engine/frame_rate.h"

namespace {
constexpr uint32_t kStart = 100000;

// Runs `frames` frame steps spread evenly over ms milliseconds from `now` and closes the
// 200-ms window at the end; returns the tick reached.
uint32_t runWindow(uint32_t now, int frames, uint32_t ms) {
  for (int i = 0; i < frames; i++) frameRateCountFrame(now + ms * i / frames);
  now += ms;
  frameRateMeasure(now);
  return now;
}

TVTLThrottleState inactive() { return {false, false, false, false, false, false, -1}; }

class FrameRateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetFrameRate();
    frameClock.window200Start = frameClock.secondMark = kStart;
  }
};
}  // namespace

TEST_F(FrameRateTest, FirstWindowFillsAllFiveSamples) {
  runWindow(kStart, 12, 201);
  const float sample = float(12 / (201 / 200.0));
  for (int i = 1; i <= 5; i++) EXPECT_FLOAT_EQ(vtlInfo.samples[i], sample);
  EXPECT_FLOAT_EQ(vtlInfo.fps, 5 * sample);
  EXPECT_EQ(vtlInfo.ringIndex, 1);
  EXPECT_EQ(frameClock.frameCount200, 0);
}

TEST_F(FrameRateTest, WindowClosesOnlyAfterMoreThan200ms) {
  frameRateCountFrame(kStart + 100);
  EXPECT_FALSE(frameRateMeasure(kStart + 200));
  EXPECT_TRUE(frameRateMeasure(kStart + 201));
}

TEST_F(FrameRateTest, SmallChangesEnterTheRingAndJumpsResetIt) {
  uint32_t now = runWindow(kStart, 10, 250);   // 8 per 200 ms everywhere: 40 fps
  now = runWindow(now, 11, 250);               // 8.8: within 30 %, one slot changes
  EXPECT_EQ(vtlInfo.ringIndex, 2);
  EXPECT_FLOAT_EQ(vtlInfo.fps, 4 * 8.0f + 8.8f);
  now = runWindow(now, 4, 2000);               // a 2-s stall: 0.4, far below: all five
  for (int i = 1; i <= 5; i++) EXPECT_FLOAT_EQ(vtlInfo.samples[i], 0.4f);
  EXPECT_FLOAT_EQ(vtlInfo.fps, 2.0f);
}

TEST_F(FrameRateTest, RingIndexWrapsAfterFive) {
  uint32_t now = kStart;
  for (int i = 0; i < 6; i++) now = runWindow(now, 10, 250);
  EXPECT_EQ(vtlInfo.ringIndex, 1);
  vtlInfo.ringIndex = 9;  // out of range: starts over
  runWindow(now, 10, 250);
  EXPECT_EQ(vtlInfo.ringIndex, 1);
}

TEST_F(FrameRateTest, TotalFramesWrapPastTenThousandAtTheSecondMark) {
  vtlInfo.totalFrames = 10000;
  frameRateCountFrame(kStart + 500);
  EXPECT_EQ(vtlInfo.totalFrames, 10001);
  frameRateCountFrame(kStart + 1001);
  EXPECT_EQ(vtlInfo.totalFrames, 0);
  EXPECT_EQ(frameClock.secondMark, kStart + 1001);
}

TEST_F(FrameRateTest, ThrottleWaitsForGraceAndLetsEveryFiftiethFrameThrough) {
  frameClock.loopStartTick = kStart;
  frameClock.frameCount200 = 7;
  EXPECT_FALSE(frameThrottleInactive(kStart + 5000, inactive()));  // first 5 s never
  EXPECT_TRUE(frameThrottleInactive(kStart + 5001, inactive()));
  for (int count : {0, 50, 100, 150}) {
    frameClock.frameCount200 = count;
    EXPECT_FALSE(frameThrottleInactive(kStart + 6000, inactive())) << count;
  }
  frameClock.frameCount200 = 7;
  TVTLThrottleState s = inactive();
  s.active = true;
  EXPECT_FALSE(frameThrottleInactive(kStart + 6000, s));
  s = inactive();
  s.keepRunningInBackground = true;
  EXPECT_FALSE(frameThrottleInactive(kStart + 6000, s));
  s = inactive();
  s.tutorialMode = true;
  EXPECT_FALSE(frameThrottleInactive(kStart + 6000, s));
  s = inactive();
  s.firstRunCheck = 1;
  EXPECT_FALSE(frameThrottleInactive(kStart + 6000, s));
  frameClock.loopStartTick = 0;  // the loop has not started
  EXPECT_FALSE(frameThrottleInactive(kStart + 60000, inactive()));
}

TEST_F(FrameRateTest, ComingBackShowsTheRateFromBeforeAndEndsThePauseLater) {
  frameClock.loopStartTick = kStart;
  uint32_t now = kStart;
  for (int i = 0; i < 30; i++) now = runWindow(now, 12, 200 + 1);  // a steady rate
  const float rate = vtlInfo.fps;
  frameRateCountFrame(now + 50);
  frameRateCountFrame(now + 100);
  now += 100;
  ASSERT_TRUE(frameThrottleInactive(now, inactive()));
  EXPECT_TRUE(vtlInfo.enginePaused);
  EXPECT_EQ(frameClock.inactiveFrames, 1);
  for (int i = 0; i < 200; i++) frameThrottleInactive(now + i, inactive());
  EXPECT_EQ(frameClock.inactiveFrames, 100);
  // A long idle spell: the inactive window closed a few near-empty 200-ms windows.
  frameRateCountFrame(now + 60000);
  frameRateMeasure(now + 60000);
  EXPECT_LT(vtlInfo.fps, rate / 2);

  now += 120000;
  frameReactivate(now, false, false);
  EXPECT_FLOAT_EQ(vtlInfo.fps, rate);
  EXPECT_EQ(frameClock.frameCount200, 2);
  EXPECT_EQ(frameClock.window200Start, now - 100);  // the idle time does not count
  EXPECT_EQ(frameClock.inactiveFrames, 0);
  EXPECT_TRUE(vtlInfo.enginePaused);
  vtlInfo.fps = 1;  // a window closing in the first 200 ms is overruled
  frameReactivate(now + 150, false, false);
  EXPECT_FLOAT_EQ(vtlInfo.fps, rate);
  vtlInfo.fps = 1;
  frameReactivate(now + 250, false, false);
  EXPECT_FLOAT_EQ(vtlInfo.fps, 1);
  EXPECT_TRUE(vtlInfo.enginePaused);   // full screen: 800 ms
  frameReactivate(now + 801, false, false);
  EXPECT_FALSE(vtlInfo.enginePaused);
}

TEST_F(FrameRateTest, PauseEndsSoonerInAWindowAndLaterAfterAMinimiseButton) {
  frameClock.loopStartTick = kStart;
  frameClock.frameCount200 = 3;
  uint32_t now = kStart + 6000;
  ASSERT_TRUE(frameThrottleInactive(now, inactive()));
  frameClock.enginePauseExtra = 500;  // set after the throttle, as the minimise button does
  frameReactivate(now + 10, false, true);
  frameReactivate(now + 10 + 700, false, true);
  EXPECT_TRUE(vtlInfo.enginePaused);
  frameReactivate(now + 10 + 701, false, true);
  EXPECT_FALSE(vtlInfo.enginePaused);
}

TEST_F(FrameRateTest, DeveloperModeNeverPauses) {
  frameClock.loopStartTick = kStart;
  frameClock.frameCount200 = 3;
  TVTLThrottleState s = inactive();
  s.developerMode = true;
  ASSERT_TRUE(frameThrottleInactive(kStart + 6000, s));
  EXPECT_FALSE(vtlInfo.enginePaused);
  vtlInfo.enginePaused = true;  // toggled by the developer key
  frameReactivate(kStart + 9000, true, true);
  EXPECT_TRUE(vtlInfo.enginePaused);
}

// The frame step's drawing steps without a window: the overlay runs once per step unless an
// event handler asked to skip one presentation, and fastMode holds back the animations and
// the overlay except at every 200th count.
#include <gtest/gtest.h>

#include "core/engine_switches.h"
#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/engine_events.h"
#include "engine/engine_lifecycle.h"
#include "engine/error_log.h"
#include "engine/frame_loop.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

namespace {
class CompositorFrame : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    useFakeTick(100000);
    winSetBackend(WindowBackend::null);
    winNullReset();
    resetWindowLayout();
    resetFrameRate();
    resetTextTables();
    resetErrorLog();
    fullscr.destroy();
    setEngineEventHandler([this](uint8_t, int32_t x, int32_t) {
      if (x == evFrame && onFrame) onFrame();
    });
    engineCreate();
    vtl.engineState = esRunning;
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    winClose();
    fullscr.destroy();
    resetErrorLog();
    EngineTest::TearDown();
  }
  // The compositor stamps its frame on the caret clock, also without a context.
  bool overlayRanAt(uint32_t now) const { return vtl.caretLast == now; }

  std::function<void()> onFrame;
};
}  // namespace

TEST_F(CompositorFrame, ASkippedPresentationLeavesOutExactlyOneOverlay) {
  int frames = 0;
  onFrame = [&] {
    if (++frames == 1) engineSkipPresentOnce();  // the scene handler asks during the frame event
  };
  advanceFakeTick(100);
  frameStep(false);
  EXPECT_FALSE(overlayRanAt(getTickCount())) << "the first step draws no overlay";
  EXPECT_FALSE(vtl.skipPresentOnce) << "the step clears the request";
  advanceFakeTick(100);
  frameStep(false);
  EXPECT_TRUE(overlayRanAt(getTickCount())) << "the next step draws it again";
}

TEST_F(CompositorFrame, FastModeAdvancesAnimationsAndOverlayOnlyEvery200thCount) {
  const int32_t d = createDialog(100, 100, 300, 200, false, "Spiel", false, 0, 1.0f);
  openDialog(d);
  textTables.fastMode = true;
  frameClock.window200Start = getTickCount();
  frameClock.frameCount200 = 5;  // the step counts it to 6
  advanceFakeTick(10);
  frameStep(false);
  EXPECT_EQ(vtl.diags[d].showAnim.state, 0) << "held back: the fade has not started";
  EXPECT_FALSE(overlayRanAt(getTickCount()));
  frameClock.frameCount200 = 199;  // the step counts it to 200
  advanceFakeTick(10);
  frameStep(false);
  EXPECT_EQ(vtl.diags[d].showAnim.state, 1) << "the fade-in starts";
  EXPECT_TRUE(overlayRanAt(getTickCount()));
}

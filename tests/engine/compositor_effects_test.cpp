// Screen effects without GL: when the shine passes run, and the table-plane quads of the shine
// and the blur on wide windows and along the blur's spiral.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_options.h"
#include "engine/screen_effects.h"
#include "engine/window_layout.h"
#include "shell/shell_state.h"
#include "tests/engine/engine_fixture.h"

namespace {
class CompositorEffects : public EngineTest {
 protected:
  void TearDown() override {
    resetWindowLayout();
    screenMode = 0;
    EngineTest::TearDown();
  }
};
}  // namespace

TEST_F(CompositorEffects, ShinePassesRunWithReflectionAGameOnTheTableAndDetail3) {
  struct Case {
    bool reflection;
    uint8_t screenMode;
    int32_t detail;
    bool wanted;
  };
  const Case cases[] = {{true, 1, 3, true},  {true, 2, 5, true},  {false, 1, 3, false},
                        {true, 0, 5, false}, {true, 1, 2, false}, {true, 3, 5, false}};
  for (const Case& c : cases) {
    appopt.reflection = c.reflection;
    screenMode = c.screenMode;
    appopt.detailLevel = c.detail;
    EXPECT_EQ(shinePassesWanted(), c.wanted)
        << "reflection " << c.reflection << ", screenMode " << int(c.screenMode) << ", detail " << c.detail;
  }
}

TEST_F(CompositorEffects, TheTablePlaneGrowsWithWideWindowsAroundTheSameCentre) {
  struct Case {
    int32_t width, height;
    double shineGrowth, blurGrowth;  // width factor against 4:3
  };
  const Case cases[] = {
      {1024, 768, 1.0, 1.0},
      {1366, 768, 4.0 / 3.0, 4.0 / 3.0},
      {1440, 900, 1.2, 1.2},
      {1024, 600, 1.0, 1024.0 / 600 * 0.75},  // a free wide ratio widens the blur only
  };
  classifyAspect(1024, 768);
  setViewportValues(1024, 768, 1024, false, false);
  const TVTLEffectQuad shine43 = shineQuad(), blur43 = blurQuad(20);
  for (const Case& c : cases) {
    classifyAspect(c.width, c.height);
    setViewportValues(c.width, c.height, 1024, false, false);
    const TVTLEffectQuad shine = shineQuad(), blur = blurQuad(20);
    EXPECT_NEAR(shine.width, shine43.width * c.shineGrowth, 1e-9) << c.width << " x " << c.height;
    EXPECT_NEAR(shine.x0 + shine.width / 2, shine43.x0 + shine43.width / 2, 1e-9) << c.width << " x " << c.height;
    EXPECT_NEAR(blur.width, blur43.width * c.blurGrowth, 1e-6) << c.width << " x " << c.height;
    EXPECT_NEAR(blur.x0 + blur.width / 2, blur43.x0 + blur43.width / 2, 1e-9) << c.width << " x " << c.height;
    EXPECT_DOUBLE_EQ(shine.height, shine43.height);
  }
}

TEST_F(CompositorEffects, TheBlurCopiesCircleTheTruePositionWithAGrowingRadius) {
  // Pass 0 would lie on the x axis at radius 1.5: that gives the true position.
  const double trueX = blurQuad(0).x0 - 0.65 * 1.5 * 0.005, trueY = blurQuad(0).y0;
  double lastRadius = 0;
  for (int32_t i = 3; i <= 20; i++) {
    const TVTLEffectQuad q = blurQuad(i);
    const double radius = std::hypot((q.x0 - trueX) / 0.65, (q.y0 - trueY) / 1.15) / 0.005;
    EXPECT_NEAR(radius, 2.4 * i / 20 + 1.5, 1e-9) << "pass " << i;
    EXPECT_GT(radius, lastRadius) << "pass " << i;
    lastRadius = radius;
  }
}

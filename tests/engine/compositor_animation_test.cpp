// Show/hide animations on a fake clock: fades of dialogs, elements and help bubbles, records
// read with a zero or negative duration, the wrap of the tick counter.
#include <gtest/gtest.h>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "platform/tick.h"
#include "tests/engine/engine_fixture.h"

namespace {
constexpr uint32_t kStart = 100000;

// The clock stays fake after these tests, as the other engine tests leave it.
class CompositorAnimation : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    useFakeTick(kStart);
  }
  // One frame's update after `ms` more milliseconds.
  void frameAfter(uint32_t ms) {
    advanceFakeTick(ms);
    updateDialogAnimations();
  }
};

TVTLAnimation hidden() { return TVTLAnimation{0, 0, 0, 0, 0, 0.0f}; }
TVTLAnimation shown() { return TVTLAnimation{1, 1, 0, 0, 0, 1.0f}; }
}  // namespace

TEST_F(CompositorAnimation, ProgressAlongAFadeInAndAFadeOut) {
  struct Case {
    bool target;
    uint32_t after;  // ms after the change of target
    float progress;
    int32_t state;
  };
  const Case cases[] = {
      {true, 0, 0.0f, 1},   {true, 175, 0.5f, 1},  {true, 349, 349 / 350.0f, 1}, {true, 350, 1.0f, 0},
      {true, 2000, 1.0f, 0}, {false, 0, 1.0f, 2},  {false, 175, 0.5f, 2},         {false, 350, 0.0f, 0},
  };
  for (const Case& c : cases) {
    TVTLAnimation r = c.target ? hidden() : shown();
    useFakeTick(kStart);
    setElementAnimation(r, c.target);  // the change starts the animation
    advanceFakeTick(c.after);
    const uint8_t result = setElementAnimation(r, c.target);
    EXPECT_EQ(result, c.target ? 1 : 0);
    EXPECT_NEAR(r.progress, c.progress, 1e-5) << "target " << c.target << " after " << c.after;
    EXPECT_EQ(r.state, c.state) << "target " << c.target << " after " << c.after;
    EXPECT_EQ(r.duration, kAnimationMs);
    // Drawn while shown or fading out.
    EXPECT_EQ(isShownOrAnimating(r), c.target || c.state == 2) << "after " << c.after;
  }
}

// A record read from a saved overlay panel can carry any duration: it ends at once instead of
// dividing by zero.
TEST_F(CompositorAnimation, ARunningAnimationWithoutDurationEndsAtOnce) {
  struct Case {
    int32_t duration, state;
    uint8_t shownAndTarget;
    float progress;
  };
  const Case cases[] = {{0, 1, 1, 1.0f}, {-5, 1, 1, 1.0f}, {0, 2, 0, 0.0f}, {INT32_MIN, 2, 0, 0.0f}};
  for (const Case& c : cases) {
    TVTLAnimation r{c.shownAndTarget, c.shownAndTarget, c.duration, int32_t(kStart + 5000), c.state, 0.5f};
    setElementAnimation(r, c.shownAndTarget != 0);
    EXPECT_EQ(r.state, 0) << "duration " << c.duration;
    EXPECT_FLOAT_EQ(r.progress, c.progress) << "duration " << c.duration;
  }
}

TEST_F(CompositorAnimation, TheWrapOfTheTickCounterIsOneStepNotANegativeTime) {
  useFakeTick(0xFFFFFF00u);
  TVTLAnimation r = hidden();
  setElementAnimation(r, true);
  advanceFakeTick(0x100 + 75);  // the counter wrapped; 331 ms have passed
  setElementAnimation(r, true);
  EXPECT_NEAR(r.progress, 331 / 350.0f, 1e-5);
  EXPECT_EQ(r.state, 1);
}

TEST_F(CompositorAnimation, AClosedDialogAndItsElementsFadeOutOver350Ms) {
  const int32_t d = createDialog(100, 100, 300, 200, false, "Test", true, 0, 1.0f);
  const int32_t e = addSimpleElement(ekButton, 20, 40, "!OK");
  openDialog(d);
  frameAfter(0);
  frameAfter(400);
  ASSERT_FLOAT_EQ(vtl.diags[d].showAnim.progress, 1.0f);
  closeDialog(d);
  frameAfter(0);
  frameAfter(175);
  EXPECT_NEAR(vtl.diags[d].showAnim.progress, 0.5f, 1e-5);
  EXPECT_NEAR(vtl.diags[d].elements[e].showAnim.progress, 0.5f, 1e-5);
  EXPECT_TRUE(dialogDrawnNow(d));
  frameAfter(175);
  EXPECT_FLOAT_EQ(vtl.diags[d].showAnim.progress, 0.0f);
  EXPECT_FALSE(dialogDrawnNow(d));
  EXPECT_FALSE(isShownOrAnimating(vtl.diags[d].elements[e].showAnim));
}

TEST_F(CompositorAnimation, AnElementFollowsItsVisibleByteAndItsDialog) {
  const int32_t d = createDialog(100, 100, 300, 200, false, "Test", false, 0, 1.0f);
  const int32_t e = addSimpleElement(ekLabel, 20, 40, "Text");
  openDialog(d);
  frameAfter(0);
  frameAfter(400);
  setElementVisible(d, e, 0);
  frameAfter(0);
  frameAfter(100);
  EXPECT_NEAR(vtl.diags[d].elements[e].showAnim.progress, 1 - 100 / 350.0f, 1e-5);
  EXPECT_FALSE(elementSkipped(vtl.diags[d].elements[e]));  // still fading out
  frameAfter(300);
  EXPECT_TRUE(elementSkipped(vtl.diags[d].elements[e]));
  EXPECT_FLOAT_EQ(vtl.diags[d].showAnim.progress, 1.0f);
}

TEST_F(CompositorAnimation, AHelpBubbleShowsOnlyWhileItsElementIsVisible) {
  const int32_t d = createDialog(100, 100, 300, 200, false, "Test", false, 0, 1.0f);
  const int32_t e = addSimpleElement(ekButton, 20, 40, "!Hilfe");
  setElementHelpTextSlot(d, e, "Ein Hinweis", 4);
  openDialog(d);
  vtl.helpSlots[4].wanted = 1;  // the look asks for the bubble
  frameAfter(0);
  frameAfter(175);
  EXPECT_NEAR(vtl.helpSlots[4].anim.progress, 0.5f, 1e-5);
  setElementVisible(d, e, 0);
  frameAfter(0);
  EXPECT_EQ(vtl.helpSlots[4].wanted, 0);
  EXPECT_EQ(vtl.helpSlots[4].anim.state, 2);
  // A registration naming no element of a built dialog counts as hidden.
  vtl.helpSlots[5].element = 99 * 1000 + 1;
  vtl.helpSlots[5].wanted = 1;
  frameAfter(0);
  EXPECT_EQ(vtl.helpSlots[5].wanted, 0);
}

// A press held while frames are drawn: hovering gives the element the keyboard focus, and the
// drawing shows the focus as hover; a pressed element must stay pressed through those frames,
// so that a slow click still activates at its release and the move handle keeps dragging.
#include <gtest/gtest.h>

#include "engine/compositor.h"
#include "tests/engine/pointer_fixture.h"

namespace {
// What a drawn frame writes back into the records: every element of every dialog placed.
void drawFrame() {
  for (int32_t d = 1; d <= vtl.diags.count(); ++d)
    for (int32_t e = 1; e <= vtl.diags[d].count; ++e) elementPlace(d, e, 0.0f);
}
}  // namespace

TEST_F(PointerTest, PressHeldOverDrawnFramesStaysPressedWhileTheFocusFollowsTheHover) {
  vtl.keyboardNavigation = true;
  openPlainDialog();
  const int32_t b = addButton(200, 10);
  poll(250, 20);
  drawFrame();
  ASSERT_EQ(vtl.focusElement, b) << "hovering moves the focus";
  EXPECT_EQ(elementOf(1, b).look, 1) << "the focus shows as hover";
  press(250, 20);
  drawFrame();
  poll(250, 20);
  drawFrame();
  EXPECT_EQ(elementOf(1, b).look, 2) << "a frame drawn during the press keeps it pressed";
  release(250, 20);
  EXPECT_TRUE(logged("activate 1,1")) << "a click held over frames activates at its release";
  drawFrame();
  EXPECT_EQ(elementOf(1, b).look, 1);
}

TEST_F(PointerTest, MoveHandleKeepsDraggingAcrossDrawnFrames) {
  vtl.keyboardNavigation = true;
  ASSERT_TRUE(winOpen("t", 640, 480));
  winSetPosition(100, 100);
  openPlainDialog();
  addTextElement(ekPicture, 700, 70, 34, 34, skMoveHandle, "");
  poll(710, 80);
  press(710, 80);
  struct Step {
    int32_t x, y;       // the pointer in the window after the frame
    int32_t left, top;  // the window afterwards
  } const steps[] = {{720, 90, 110, 110}, {730, 85, 130, 115}, {710, 80, 130, 115}};
  for (const Step& s : steps) {
    drawFrame();
    poll(s.x, s.y);
    EXPECT_EQ(winRect().left, s.left) << "expected left " << s.left << " after the pointer at " << s.x << ", got "
                                      << winRect().left;
    EXPECT_EQ(winRect().top, s.top) << "expected top " << s.top << " after the pointer at " << s.y << ", got "
                                    << winRect().top;
  }
}

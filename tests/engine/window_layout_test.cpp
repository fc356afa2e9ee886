// Aspect classes, wide-layout values, window fitting and limits, viewport and projection
// values, and what a change of class does to the dialogs.
#include <gtest/gtest.h>

#include "engine/dialogs.h"
#include "engine/relayout.h"
#include "engine/window_layout.h"
#include "tests/engine/engine_fixture.h"

namespace {
enum Cls { c43, c54, c169, c1610, c1024, cFree };

const char* className(Cls c) {
  static const char* names[] = {"4:3", "5:4", "16:9", "16:10", "1024x600", "free"};
  return names[c];
}

Cls currentClass() {
  const TVTLAspect& a = aspectState;
  if (a.aspect1024x600) return c1024;
  if (a.aspectFree) return cFree;
  if (a.aspect43) return c43;
  if (a.aspect54) return c54;
  if (a.aspect169) return c169;
  return c1610;
}

int flagsSet() {
  const TVTLAspect& a = aspectState;
  return a.aspect43 + a.aspect54 + a.aspect169 + a.aspect1610 + a.aspectFree + a.aspect1024x600;
}

struct ShapeCase {
  int32_t w, h;
  Cls cls;
  float ratio;
  int32_t marginX, marginY, shiftY;  // with screenAspect 4/3 before
};

const ShapeCase kShapes[] = {
    {1024, 768, c43, 1.3333334f, 2, 1, 0},
    {800, 600, c43, 1.3333334f, 2, 1, 0},
    {1280, 1024, c54, 1.25f, 2, 1, 0},
    {1366, 768, c169, 1.7777778f, 140, 110, -30},
    {1920, 1080, c169, 1.7777778f, 140, 110, -30},
    {1024, 600, c1024, 1.7066667f, 115, 89, -25},
    {1440, 900, c1610, 1.6f, 90, 68, -20},
    {1680, 1050, c1610, 1.6f, 90, 68, -20},
    // 2:1 is 0.0625 from 16:9, past the reach of every class: free, and 2.0 exactly.
    {1600, 800, cFree, 2.0f, 112, 88, -24},
    {3000, 1000, cFree, 2.0f, 112, 88, -24},  // clamped
    {1000, 1000, cFree, 1.25f, 112, 88, -24},  // square: clamped to the low end
};
}  // namespace

class WindowLayoutTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetWindowLayout();
  }
  void TearDown() override {
    resetWindowLayout();
    EngineTest::TearDown();
  }
};

TEST_F(WindowLayoutTest, ShapesFallIntoTheirClasses) {
  for (const ShapeCase& s : kShapes) {
    screenAspect = 4.0 / 3.0;
    classifyAspect(s.w, s.h);
    SCOPED_TRACE(std::to_string(s.w) + " x " + std::to_string(s.h));
    EXPECT_EQ(currentClass(), s.cls) << "expected " << className(s.cls) << ", got " << className(currentClass());
    EXPECT_EQ(flagsSet(), s.cls == c1024 ? 2 : 1);
    EXPECT_EQ(windowLayout.aspectRatio, s.ratio);
    EXPECT_EQ(windowLayout.wideMarginX, s.marginX);
    EXPECT_EQ(windowLayout.wideMarginY, s.marginY);
    EXPECT_EQ(windowLayout.wideShiftY, s.shiftY);
    EXPECT_EQ(aspectState.windowWidth, s.w);
  }
}

TEST_F(WindowLayoutTest, FreeRatioMarginsFollowThePreviousProjection) {
  screenAspect = 2.0;
  classifyAspect(1600, 800);
  // round(2 * 78.75 * 2.4 - 140) = 238, round(2 * 61.875 * 2.4 - 110) = 187, round(-81 + 30) = -51
  EXPECT_EQ(windowLayout.wideMarginX, 238);
  EXPECT_EQ(windowLayout.wideMarginY, 187);
  EXPECT_EQ(windowLayout.wideShiftY, -51);
}

TEST_F(WindowLayoutTest, ViewportAndProjectionPerClass) {
  struct Case {
    int32_t w, h;
    double aspect;
    int32_t glWidth, viewWidth;
  };
  const Case cases[] = {
      {1024, 768, 4.0 / 3.0, 1024, 1024},
      {1280, 1024, 4.0 / 3.0, 1280, 1365},  // 5:4: 4:3 projection on a 1280 viewport
      {1366, 768, 16.0 / 9.0, 1365, 1365},
      {1024, 600, 1024.0 / 600.0, 1024, 1024},
      {1440, 900, 1.6, 1440, 1440},
      {1600, 800, 2.0, 1600, 1600},
  };
  for (const Case& c : cases) {
    classifyAspect(c.w, c.h);
    const TVTLViewport v = setViewportValues(c.w, c.h, 2000, false, false);
    SCOPED_TRACE(std::to_string(c.w) + " x " + std::to_string(c.h));
    EXPECT_DOUBLE_EQ(screenAspect, c.aspect);
    EXPECT_DOUBLE_EQ(v.aspect, c.aspect);
    EXPECT_EQ(v.width, c.glWidth);
    EXPECT_EQ(v.height, c.h);
    EXPECT_EQ(windowLayout.viewWidth, c.viewWidth);
    EXPECT_EQ(windowLayout.viewHeight, c.h);
    EXPECT_DOUBLE_EQ(v.fovY, 35.25);
    EXPECT_DOUBLE_EQ(v.zNear, 1.0);
    EXPECT_DOUBLE_EQ(v.zFar, 50.0);
  }
}

TEST_F(WindowLayoutTest, ViewportHeightStaysOnTheScreenAndMaximisedKeepsItsWidth) {
  classifyAspect(1024, 768);
  TVTLViewport v = setViewportValues(1024, 900, 768, false, true);
  EXPECT_EQ(v.height, 768);
  EXPECT_EQ(v.width, 1024);
  EXPECT_FALSE(windowLayout.screenFrame);
  v = setViewportValues(1030, 768, 768, true, false);
  EXPECT_EQ(v.width, 1030);
  EXPECT_TRUE(windowLayout.screenFrame);
}

TEST_F(WindowLayoutTest, PickByAspect) {
  struct Case {
    int32_t w, h;
    double previousAspect;
    float want;
  };
  const Case cases[] = {
      {1024, 768, 4.0 / 3.0, 10.0f}, {1280, 1024, 4.0 / 3.0, 10.0f}, {1440, 900, 1.6, 20.0f},
      {1366, 768, 16.0 / 9.0, 30.0f}, {1024, 600, 1024.0 / 600.0, 25.0f},
      // free 2:1: (30 / 1.7777778 * 2 * 2 - 30) / 2
      {1600, 800, 2.0, float((30 / 1.7777778 * 2.0 * 2 - 30) / 2)},
  };
  for (const Case& c : cases) {
    classifyAspect(c.w, c.h);
    screenAspect = c.previousAspect;
    EXPECT_FLOAT_EQ(pickByAspect(10, 20, 30), c.want) << c.w << " x " << c.h;
  }
}

TEST_F(WindowLayoutTest, FittingTakesTheMeanHeightOfTheClass) {
  classifyAspect(1000, 620);  // 16:10 is nearest
  // h' = round((620 + 1000 / 1.6) / 2) = round(622.5) = 622 (halves to even), w' = round(995.2)
  TVTLWindowSize s = fitWindowToAspect(100, 100, 1000, 620, 1920, 1200);
  EXPECT_EQ(s.height, 622);
  EXPECT_EQ(s.width, 995);
  // Too big for the screen: the width of the screen decides.
  classifyAspect(1366, 768);
  s = fitWindowToAspect(0, 0, 1366, 768, 1280, 1024);
  EXPECT_EQ(s.width, 1280);
  EXPECT_EQ(s.height, 720);
  // Edges within 10 pixels of the screen's are taken to them first: 1189 x 892 at (100, 0)
  // becomes 1180 x 900, then the width decides the height again.
  classifyAspect(1024, 768);
  s = fitWindowToAspect(100, 0, 1180, 900, 1280, 900);
  EXPECT_EQ(s.width, 1180);
  EXPECT_EQ(s.height, 885);
}

TEST_F(WindowLayoutTest, SizeLimits) {
  classifyAspect(1024, 768);
  TVTLWindowSize s = limitWindowSize({200, 100}, 1024, false);
  EXPECT_EQ(s.width, 400);
  EXPECT_EQ(s.height, 300);
  s = limitWindowSize({1600, 1200}, 1024, false);
  EXPECT_EQ(s.height, 1024);
  EXPECT_EQ(s.width, 1365);
  s = limitWindowSize({200, 100}, 1024, true);
  EXPECT_EQ(s.width, 200);
}

TEST_F(WindowLayoutTest, ChangingTheClassMovesSavedDialogsAndBack) {
  const int32_t centred = createDialog(100, 50, 600, 400, false, "#c", false, 0, 1.0f);
  const int32_t left = createDialog(10, 50, 200, 400, false, "#l", false, 0, 1.0f);
  relayoutDialogs(true, -1, false);
  classifyAspect(1366, 768);
  setViewportValues(1366, 768, 768, false, false);  // the class change re-lays out
  EXPECT_EQ(dialogOf(centred).width, 450);
  EXPECT_EQ(dialogOf(centred).x, 173);
  EXPECT_EQ(dialogOf(left).width, 165);
  EXPECT_EQ(dialogOf(left).x, 10);
  classifyAspect(1024, 768);
  setViewportValues(1024, 768, 768, false, false);
  EXPECT_EQ(dialogOf(centred).width, 600);
  EXPECT_EQ(dialogOf(centred).x, 100);
  EXPECT_EQ(dialogOf(left).width, 200);
}

TEST_F(WindowLayoutTest, SameProjectionLeavesDialogsAlone) {
  const int32_t d = createDialog(100, 50, 600, 400, false, "#c", false, 0, 1.0f);
  relayoutDialogs(true, -1, false);
  dialogOf(d).x = 123;  // moved by hand after the save
  classifyAspect(1024, 768);
  setViewportValues(1024, 768, 768, false, false);  // still 4/3: no relayout
  EXPECT_EQ(dialogOf(d).x, 123);
}

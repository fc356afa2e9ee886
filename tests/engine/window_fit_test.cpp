// The window sizes of window mode and fitting them on the desktop.
#include <gtest/gtest.h>

#include "engine/window_fit.h"

TEST(WindowSizes, TableOrder) {
  EXPECT_EQ(windowSizes[1].width, 640);
  EXPECT_EQ(windowSizes[4].height, 600);
  EXPECT_EQ(windowSizes[24].width, 1680);
  EXPECT_EQ(windowSizes[24].height, 1050);
  EXPECT_EQ(windowSizes[25].width, 1600);
  EXPECT_EQ(windowSizes[25].height, 1200);
  EXPECT_EQ(windowSizes[27].width, 1920);
}

TEST(WindowSizes, WiderThanTheDesktopKeepsItsProportions) {
  TVTLResolution s = windowSizeOnDesktop(27, 1600);  // 1920 x 1200
  EXPECT_EQ(s.width, 1600);
  EXPECT_EQ(s.height, 1000);
  s = windowSizeOnDesktop(9, 1600);
  EXPECT_EQ(s.width, 1024);
  s = windowSizeOnDesktop(0, 1600);  // no such entry: the smallest window
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.height, 480);
}

TEST(WindowSizes, FittingOnTheScreenStepsDown) {
  struct Case {
    int32_t size, top, screenHeight;
    int32_t wantSize, wantHeight;
    bool wantMoved;
  };
  const Case cases[] = {
      {9, 100, 1024, 9, 768, false},   // fits where it is
      {9, 300, 1024, 9, 768, true},    // fits after moving to the corner
      {25, 0, 1024, 23, 1000, true},   // 1600 x 1200, 1680 x 1050, then 1600 x 1000 fits
      {4, 0, 400, 1, 480, true},       // never below size 1
  };
  for (const Case& c : cases) {
    const TVTLWindowFit f = fitWindowOnScreen(c.size, windowSizes[c.size].height, c.top, c.screenHeight);
    EXPECT_EQ(f.sizeNumber, c.wantSize) << "size " << c.size;
    EXPECT_EQ(f.height, c.wantHeight) << "size " << c.size;
    EXPECT_EQ(f.movedToCorner, c.wantMoved) << "size " << c.size;
  }
}

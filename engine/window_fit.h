// Keeping a window size of window mode on the desktop: narrowing a size to the desktop's
// width and stepping the size number down until the window's height fits the screen.
#pragma once

#include <cstdint>

#include "engine/window_sizes.h"

// The size that window-size number n asks for on a desktop desktopWidth wide: a number
// outside the table gives 640 x 480; a size wider than the desktop takes the desktop's width
// with the height scaled to keep its proportions.
TVTLResolution windowSizeOnDesktop(int32_t sizeNumber, int32_t desktopWidth);

// Fitting a window of size number `sizeNumber` vertically on the screen: a window whose
// bottom passes the screen's moves to the top-left corner, and when it still does not fit the
// size number steps down (never below 1) until it does.
struct TVTLWindowFit {
  int32_t sizeNumber;  // the number that fits (the size selector follows it)
  int32_t height;      // pixels
  bool movedToCorner;  // the window went to (0, 0)
};
TVTLWindowFit fitWindowOnScreen(int32_t sizeNumber, int32_t height, int32_t top, int32_t screenHeight);

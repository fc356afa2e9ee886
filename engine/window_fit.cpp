// Window sizes of window mode fitted to the desktop.
#include "engine/window_fit.h"

#include "engine/range_check.h"

namespace {
// An empty entry: the smallest window.
constexpr TVTLResolution kNoEntry = {640, 480};

TVTLResolution entryOf(int32_t n) { return windowSizes.inRange(n) ? windowSizes[n] : kNoEntry; }
}  // namespace

TVTLResolution windowSizeOnDesktop(int32_t sizeNumber, int32_t desktopWidth) {
  TVTLResolution s = entryOf(sizeNumber);
  if (s.width > desktopWidth && desktopWidth > 0) {
    s.height = roundEven(desktopWidth / (double(s.width) / s.height));
    s.width = desktopWidth;
  }
  return s;
}

TVTLWindowFit fitWindowOnScreen(int32_t sizeNumber, int32_t height, int32_t top, int32_t screenHeight) {
  TVTLWindowFit fit{sizeNumber, height, false};
  while (top + fit.height > screenHeight) {
    top = 0;
    fit.movedToCorner = true;
    if (fit.height <= screenHeight || fit.sizeNumber <= 1) break;
    fit.sizeNumber--;
    fit.height = entryOf(fit.sizeNumber).height;
  }
  return fit;
}

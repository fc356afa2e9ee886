// Aspect classes, window fitting, and viewport and projection values.
//
// [SECTION] state
// [SECTION] aspect classes
// [SECTION] window fitting and limits
// [SECTION] viewport and projection
#include "engine/window_layout.h"

#include <algorithm>
#include <cmath>

#include "engine/range_check.h"
#include "engine/relayout.h"

// [SECTION] state

TVTLWindowLayout windowLayout;
int32_t fieldOfView = 47;

void resetWindowLayout() {
  aspectState = TVTLAspect();
  windowLayout = TVTLWindowLayout();
  screenAspect = 4.0 / 3.0;
  fieldOfView = 47;
}

namespace {
// [SECTION] aspect classes

// Height / width of each fixed class.
constexpr double kQ43 = 0.75, kQ54 = 0.8, kQ169 = 0.5625, kQ1610 = 0.625, kQ1024 = 600.0 / 1024.0;
// A shape further than this from every class but 5:4 has a free ratio.
constexpr double kClassReach = 0.06;
constexpr double kFreeMin = 1.25, kFreeMax = 2.0;

// Wide-layout values (margin x, margin y, shift y) per class, in layout units.
struct WideValues {
  int32_t marginX, marginY, shiftY;
};
constexpr WideValues kWide43 = {2, 1, 0};
constexpr WideValues kWide1024x600 = {115, 89, -25};
constexpr WideValues kWide169 = {140, 110, -30};
constexpr WideValues kWide1610 = {90, 68, -20};

double clampFree(double ratio) { return std::clamp(ratio, kFreeMin, kFreeMax); }

void setClass(bool TVTLAspect::*flag, float ratio) {
  if (flag) aspectState.*flag = true;
  windowLayout.aspectRatio = ratio;
}

void chooseClass(double w, double h) {
  const double q = h / w;
  const double d43 = std::fabs(q - kQ43), d54 = std::fabs(q - kQ54), d169 = std::fabs(q - kQ169),
               d1610 = std::fabs(q - kQ1610), d1024 = std::fabs(q - kQ1024);
  if (d1024 > kClassReach && d1610 > kClassReach && d169 > kClassReach && d43 > kClassReach) {
    aspectState.aspectFree = true;
    windowLayout.aspectRatio = float(clampFree(w / h));
  } else if (d1024 < d1610 && d1024 < d169) {
    aspectState.aspectFree = aspectState.aspect1024x600 = true;
    windowLayout.aspectRatio = 1.7066667f;
  } else if (d54 < d1610 && d54 < d43 && d54 < d169) {
    setClass(&TVTLAspect::aspect54, 1.25f);
  } else if (d43 < d1610 && d43 < d169) {
    setClass(&TVTLAspect::aspect43, 1.3333334f);
  } else if (d169 < d1610) {
    setClass(&TVTLAspect::aspect169, 1.7777778f);
  } else {
    setClass(&TVTLAspect::aspect1610, 1.6f);
  }
}

WideValues wideValuesOfClass() {
  const TVTLAspect& a = aspectState;
  if (a.aspect54 || a.aspect43) return kWide43;
  if (a.aspect1024x600) return kWide1024x600;
  if (a.aspectFree)
    return {roundEven(screenAspect * 78.75 * 2.4 - 140), roundEven(screenAspect * 61.875 * 2.4 - 110),
            roundEven(screenAspect * -16.875 * 2.4 + 30)};
  if (a.aspect169) return kWide169;
  if (a.aspect1610) return kWide1610;
  return kWide43;
}
}  // namespace

void classifyAspect(int32_t width, int32_t height) {
  TVTLAspect& a = aspectState;
  a.aspect43 = a.aspect54 = a.aspect169 = a.aspect1610 = a.aspectFree = a.aspect1024x600 = false;
  a.windowWidth = width;
  a.windowHeight = height;
  chooseClass(std::max(width, 1), std::max(height, 1));
  const WideValues v = wideValuesOfClass();
  windowLayout.wideMarginX = v.marginX;
  windowLayout.wideMarginY = v.marginY;
  windowLayout.wideShiftY = v.shiftY;
}

float pickByAspect(float value43, float value1610, float value169) {
  const TVTLAspect& a = aspectState;
  if (a.aspectFree) {
    if (a.aspect1024x600) return (value1610 + value169) / 2;
    return float((value169 / 1.7777778 * screenAspect * 2 - value169) / 2);
  }
  if (a.aspect169) return value169;
  if (a.aspect1610) return value1610;
  return value43;
}

// [SECTION] window fitting and limits

TVTLWindowSize fitWindowToAspect(int32_t left, int32_t top, int32_t width, int32_t height, int32_t screenWidth,
                                 int32_t screenHeight) {
  const double ratio = windowLayout.aspectRatio;
  int32_t h = roundEven((height + width / ratio) / 2);
  int32_t w = roundEven(h * ratio);
  if (h > screenHeight - 30 || w > screenWidth - 30) {
    // A window that nearly touches the screen's right or bottom edge is taken to it.
    if (std::abs(screenWidth - (left + w)) < 10) w = screenWidth - left;
    if (std::abs(screenHeight - (top + h)) < 10) h = screenHeight - top;
    w = std::min(screenWidth, w);
    h = std::min(roundEven(w / ratio), screenHeight);
    w = roundEven(h * ratio);
  }
  return {w, h};
}

TVTLWindowSize limitWindowSize(TVTLWindowSize size, int32_t screenHeight, bool inFullScreen) {
  if (inFullScreen) return size;
  size.width = std::max(size.width, 400);
  size.height = std::max(size.height, 300);
  if (size.height > screenHeight) {
    size.height = screenHeight;
    size.width = roundEven(size.height * double(windowLayout.aspectRatio));
  }
  return size;
}

// [SECTION] viewport and projection

double projectionAspect(int32_t width, int32_t height) {
  const TVTLAspect& a = aspectState;
  if (a.aspect1024x600) return 1024.0 / 600.0;
  if (a.aspectFree) return clampFree(double(width) / std::max(height, 1));
  if (a.aspect169) return 16.0 / 9.0;
  if (a.aspect1610) return 1.6;
  return 4.0 / 3.0;
}

TVTLViewport setViewportValues(int32_t width, int32_t height, int32_t screenHeight, bool maximised, bool switched) {
  height = std::min(height, screenHeight);
  const double aspect = projectionAspect(width, height);
  if (aspect != screenAspect) {
    screenAspect = aspect;
    relayoutAllDialogs();
  }
  if (!maximised) width = roundEven(height * screenAspect);
  windowLayout.viewWidth = width;
  windowLayout.viewHeight = height;
  windowLayout.screenFrame = !switched;
  // 5:4 keeps the 4:3 projection on a narrower viewport; the pointer poll scales x to match.
  const int32_t glWidth = aspectState.aspect54 ? roundEven(height * 5.0 / 4.0) : width;
  return {0, 0, glWidth, height, fieldOfView / 4.0 * 3.0, screenAspect, 1.0, 50.0};
}

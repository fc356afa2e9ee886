// The window's shape: aspect classes, fitting the window to its class, size limits, the
// viewport and projection values, and the wide-layout values of full-screen pictures.
// (The dialogs follow a change of shape through relayoutDialogs, engine/relayout.h.)
//
// [SECTION] state
// [SECTION] aspect classes
// [SECTION] window fitting and limits
// [SECTION] viewport and projection
#pragma once

#include <cstdint>

#include "engine/window_shape.h"

// [SECTION] state

// The engine form's window-shape fields besides the class flags of aspectState.
struct TVTLWindowLayout {
  float aspectRatio = 1.3333334f;  // width / height of the class, or the free ratio in 1.25..2.0; classifyAspect
  int32_t wideMarginX = 2;         // layout units the wide layout reaches past 800 at each side; classifyAspect
  int32_t wideMarginY = 1;         // layout units past 600 at top and bottom; classifyAspect
  int32_t wideShiftY = 0;          // vertical shift of full-screen pictures, layout units; classifyAspect
  int32_t viewWidth = 640;         // GL viewport width in pixels (4:3-equivalent in 5:4); setViewportValues
  int32_t viewHeight = 480;        // GL viewport height in pixels; setViewportValues
  bool screenFrame = true;         // not switched to a full-screen mode; setViewportValues
};

extern TVTLWindowLayout windowLayout;
// Vertical field of view of the projection times 4/3, in degrees: 47 (35.25 degrees).
extern int32_t fieldOfView;

// Puts aspectState, windowLayout, screenAspect and fieldOfView back to their start values.
void resetWindowLayout();

// [SECTION] aspect classes

// Sorts a window of w x h pixels (outer size) into its aspect class: the flags of
// aspectState (and its window size), windowLayout.aspectRatio and the wide-layout values.
// The free-ratio margins use screenAspect as the previous viewport left it.
void classifyAspect(int32_t width, int32_t height);

// The value for the current class: the 16:9 value at 16:9, the 16:10 value at 16:10, the
// 4:3 value at 4:3 and 5:4; for the 1024 x 600 class the mean of the 16:10 and 16:9 values,
// for other free ratios the 16:9 value scaled to screenAspect.
float pickByAspect(float value43, float value1610, float value169);

// [SECTION] window fitting and limits

struct TVTLWindowSize {
  int32_t width, height;  // pixels
};

// The size a window of w x h at (left, top) takes to match aspectRatio: the mean of its
// height and the height its width asks for, kept on a screen of screenWidth x screenHeight.
TVTLWindowSize fitWindowToAspect(int32_t left, int32_t top, int32_t width, int32_t height, int32_t screenWidth,
                                 int32_t screenHeight);

// At least 400 x 300, and not taller than the screen (the width then follows aspectRatio).
// Full screen is not limited.
TVTLWindowSize limitWindowSize(TVTLWindowSize size, int32_t screenHeight, bool inFullScreen);

// [SECTION] viewport and projection

// What setViewport gives GL.
struct TVTLViewport {
  int32_t x, y, width, height;  // glViewport, pixels
  double fovY;                  // vertical field of view, degrees
  double aspect;                // screenAspect
  double zNear, zFar;           // 1.0 and 50.0
};

// The projection aspect of the current class: 1024/600, the free ratio clamped to 1.25..2.0,
// 16/9, 1.6, or 4/3 for 4:3 and 5:4.
double projectionAspect(int32_t width, int32_t height);

// Sets screenAspect, windowLayout's view size and screen frame, and returns the viewport and
// projection for a client of width x height. A changed screenAspect re-lays out all dialogs.
// maximised: the window is not in its normal state (its width is then kept); switched: the
// display is in a full-screen mode.
TVTLViewport setViewportValues(int32_t width, int32_t height, int32_t screenHeight, bool maximised, bool switched);

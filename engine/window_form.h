// The engine form's window hooks: the resize hook that sorts the window into its aspect
// class and fits it, the size limits, the viewport with its projection, and the three mouse
// hooks. The arithmetic is in window_layout.h; this is where it meets the window and GL.
#pragma once

#include <cstdint>

#include "platform/window.h"

// TVTLApplication.formResize: limits, classifies and, while the engine runs (state 2),
// fits the window to its class, then sets the viewport and shows the size in the options.
void formResize();
// TVTLApplication.limitWindowSize: at least 400 x 300 and not taller than the screen; not
// in full screen.
void limitWindowSize();
// TVTLApplication.setViewport: screenAspect, the view size, the GL viewport and projection.
void setViewport(int32_t width, int32_t height);
// The desktop's size into aspectState.
void readScreenSize();

// Mouse hooks, (x, y) the event's client position. Each first polls the pointer there, so a
// click made before the next frame counts where it happened, then presses, releases or turns
// the wheel. A press that no element takes is a click on the 3D table (-3).
void formMouseDown(MouseButton button, uint8_t shift, int32_t x, int32_t y);
void formMouseUp(MouseButton button, uint8_t shift, int32_t x, int32_t y);
void formMouseWheel(int32_t wheelDelta, int32_t x, int32_t y);

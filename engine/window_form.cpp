// Resize hook, size limits, viewport and the mouse hooks of the engine form.
#include "engine/window_form.h"

#include <algorithm>
#include <string>

#include "engine/window_shape.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/pointer_input.h"
#include "engine/screen_effects.h"
#include "engine/window_layout.h"

namespace {
// The "Infos" labels of the options dialog carry the window's size into vtlopt.dco.
void showWindowSize(int32_t width, int32_t height) {
  aspectState.windowWidth = width;
  aspectState.windowHeight = height;
  const int32_t d = appopt.opt.dialog;
  if (d <= 0) return;
  setElementText(d, appopt.opt.widthLabel, std::to_string(width), 0);
  setElementText(d, appopt.opt.heightLabel, std::to_string(height), 0);
}
}  // namespace

void readScreenSize() {
  const DisplayMode desktop = winDesktopMode();
  if (desktop.width <= 0 || desktop.height <= 0) return;
  aspectState.screenWidth = desktop.width;
  aspectState.screenHeight = desktop.height;
}

void limitWindowSize() {
  const WindowRect r = winRect();
  const TVTLWindowSize s = limitWindowSize({r.width, r.height}, aspectState.screenHeight, vtl.inFullScreen);
  if (s.width != r.width || s.height != r.height) winSetSize(s.width, s.height);
}

void formResize() {
  readScreenSize();
  limitWindowSize();
  const WindowRect r = winRect();
  aspectState.windowLeft = r.left;
  aspectState.windowTop = r.top;
  classifyAspect(r.width, r.height);
  if (vtl.engineState != esRunning) return;  // never while the window is re-created
  vtl.engineState = esRecreating;
  const TVTLWindowSize fit =
      fitWindowToAspect(r.left, r.top, r.width, r.height, aspectState.screenWidth, aspectState.screenHeight);
  winSetSize(fit.width, fit.height);
  limitWindowSize();
  vtl.engineState = esRunning;
  const WindowRect now = winRect();
  setViewport(now.width, now.height);
  showWindowSize(now.width, now.height);
}

void setViewport(int32_t width, int32_t height) {
  const TVTLViewport v =
      setViewportValues(width, height, aspectState.screenHeight, winIsMaximized(), fullscr.switched);
  if (engineGLReady()) glApplyViewport(v);
  createEffectTextures();
}

namespace {
// The event's client position as the frame step's poll measures the pointer: from the window's
// outer top-left corner (the side borders taken as equal, the rest of the height as the top).
void pollAtEvent(int32_t clientX, int32_t clientY) {
  const WindowRect r = winRect();
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  const int32_t side = std::max(0, (r.width - width) / 2);
  const int32_t top = std::max(0, r.height - height - side);
  pollPointerAt(clientX + side, clientY + top);
}
}  // namespace

void formMouseDown(MouseButton, uint8_t, int32_t x, int32_t y) {
  pollAtEvent(x, y);
  if (!processPointer(vtl.pointerX, vtl.pointerY, kPointerPress, true, false, false))
    sendEngineEvent(evTableClick, evTableClick);
  vtl.focusShown = false;
}

void formMouseUp(MouseButton, uint8_t, int32_t x, int32_t y) {
  pollAtEvent(x, y);
  processPointer(vtl.pointerX, vtl.pointerY, kPointerRelease, true, false, false);
}

void formMouseWheel(int32_t wheelDelta, int32_t x, int32_t y) {
  pollAtEvent(x, y);
  processPointer(vtl.pointerX, vtl.pointerY, wheelDelta, true, false, true);
}

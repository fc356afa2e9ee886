// Window set-up, full-screen switch and return, fitting on the screen.
// [SECTION] helpers
// [SECTION] full screen
// [SECTION] window mode
#include "engine/screen_modes.h"

#include <cstdio>
#include <exception>
#include <string>

#include "engine/window_shape.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"
#include "engine/window_fit.h"
#include "engine/window_form.h"
#include "platform/window.h"

// [SECTION] helpers

namespace {
constexpr int32_t kResetWindowSize = 4;  // 800 x 600 after a failed switch
constexpr int32_t kResetWidth = 640, kResetHeight = 480;

// The engine dialogs carry the options; without them the options keep their defaults.
bool optionDialogsBuilt() { return appopt.di_vtlgrafik > 0 && appopt.opt.dialog > 0; }

void readOptionsIfBuilt() {
  if (optionDialogsBuilt()) readOptions(true);
}

// "Fenster" or "Vollbild" checked, the children of each enabled to match.
void showDisplayChoice(bool full) {
  if (!optionDialogsBuilt()) return;
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  setElementChecked(d, g.fullCheck, full ? 1 : 0);
  setElementChecked(d, g.windowCheck, full ? 0 : 1);
  setChildrenEnabled(d, g.fullCheck, full ? 1 : 0);
  setChildrenEnabled(d, g.windowCheck, full ? 0 : 1);
}

// A context once on the bordered window, deleted again, then the window without border:
// the pixel format is chosen on a normal window.
void probeContextOnBorderedWindow() {
  winSetBordered(true);
  initGL();
  destroyGLContext();
  winSetBordered(false);
}

std::string switchError(const TVTLDisplayMode& m) {
  char text[96];
  std::snprintf(text, sizeof text, kSwitchErrorFormat, int(m.width), int(m.height));
  return text;
}

// Step 2 of the switch; returns the noted error, empty on success.
std::string switchDisplay(int32_t modeNumber) {
  try {
    destroyGLContext();
    const TVTLDisplayMode mode = fullscr.mode(modeNumber);
    if (fullscr.switched) fullscr.restore();
    winSetPosition(0, 0);
    winSetSize(mode.width, mode.height);
    probeContextOnBorderedWindow();
    winSetSize(mode.width, mode.height);
    winSetPosition(0, 0);
    if (vtl.desktopDepthTooLow) {
      vtl.inFullScreen = false;
      return {};
    }
    std::string error;
    if (fullscr.setMode(mode, true)) {
      vtl.inFullScreen = true;
      winShow();
      winRaise();
    } else {
      error = switchError(mode);
    }
    initGL();
    return error;
  } catch (const std::exception& e) {
    return e.what();
  }
}

// Step 3: the options back to an 800 x 600 window, the message, the end of the program.
void resetAfterFailedSwitch(const std::string& error) {
  appopt.fullScreen = false;
  appopt.windowSize = kResetWindowSize;
  if (optionDialogsBuilt()) {
    const int32_t d = appopt.di_vtlgrafik;
    showDisplayChoice(false);
    setElementEnabled(d, appopt.graf.i_g_lbfull, 0);
    setElementEnabled(d, appopt.graf.windowSizeSelector, 1);
    setTopIndex(d, appopt.graf.windowSizeSelector, kResetWindowSize);
  }
  winSetSize(kResetWidth, kResetHeight);
  aspectState.windowWidth = kResetWidth;
  aspectState.windowHeight = kResetHeight;
  saveEngineDialogs();
  winMessageBox("", "Could not change screen resolution.\rError message: " + error + " Error No.:0\r" +
                        "Screen resolution has been reset.");
  vtl.engineState = esTerminating;
  vtl.noQuitQuestion = true;
  formClose();
}
}  // namespace

// [SECTION] full screen

void changeScreenMode(int32_t modeNumber, bool apply) {
  if (modeNumber == -1) modeNumber = appopt.fullScreenMode;
  readOptionsIfBuilt();
  if (vtl.engineState != esTerminating) vtl.engineState = esRecreating;
  const std::string error = switchDisplay(modeNumber);
  if (!apply) return;  // the hardware test goes back to the window itself
  if (!error.empty()) {
    resetAfterFailedSwitch(error);
    return;
  }
  if (vtl.desktopDepthTooLow) return;
  loadEngineTextures(appopt.vitrelFolder);  // the new context has none
  winShowCursor(true);
  if (vtl.engineState != esTerminating) vtl.engineState = esRunning;
  updateScreenModeButtons();
}

// [SECTION] window mode

int32_t fitWindowOnScreen(int32_t height) {
  const WindowRect r = winRect();
  const TVTLWindowFit fit = ::fitWindowOnScreen(appopt.windowSize, height, r.top, aspectState.screenHeight);
  if (fit.movedToCorner) winSetPosition(0, 0);
  if (fit.sizeNumber != appopt.windowSize) {
    appopt.windowSize = fit.sizeNumber;
    if (optionDialogsBuilt()) setTopIndex(appopt.di_vtlgrafik, appopt.graf.windowSizeSelector, fit.sizeNumber);
  }
  return fit.height;
}

void applyScreenSettings() {
  readOptionsIfBuilt();
  readOptionsIfBuilt();
  readScreenSize();
  const TVTLResolution size = windowSizeOnDesktop(appopt.windowSize, aspectState.screenWidth);
  aspectState.windowWidth = size.width;
  aspectState.windowHeight = size.height;
  const WindowRect r = winRect();
  if (r.left + size.width > aspectState.screenWidth) winSetPosition(0, r.top);
  if (fullscr.switched) {
    fullscr.restore();
    vtl.inFullScreen = false;
    destroyGLContext();
    probeContextOnBorderedWindow();
    initGL();
  }
  const int32_t height = fitWindowOnScreen(size.height);
  if (vtl.engineState != esTerminating) vtl.engineState = esRecreating;
  winSetSize(size.width, height);
  if (vtl.engineState != esTerminating) vtl.engineState = esRunning;
  formResize();
  updateScreenModeButtons();
}

void setWindowMode(int32_t width, int32_t height) {
  vtl.desktopDepthTooLow = false;
  vtl.desktopDepthRaised = false;
  winSetSize(width, height);
  if (appopt.fullScreen) {
    changeScreenMode(-1, true);
  } else {
    initGL();
    if (!vtl.desktopDepthTooLow) applyScreenSettings();
  }
  readGLCapabilities(true);
  if (vtl.desktopDepthTooLow) return;
  loadEngineTextures(appopt.vitrelFolder);
  const WindowRect r = winRect();
  setViewport(r.width, r.height);
}

void restoreDisplay() {
  vtl.engineState = esRunning;
  const WindowRect r = winRect();
  winSetSize(1, r.height);
  formResize();
  if (fullscr.switched) fullscr.restore();
  winSetSize(1, 1);
  formResize();
  vtl.engineState = esTerminating;
}

void updateScreenModeButtons() {
  const int32_t d = vtl.overlayPanel;
  if (d <= 0) return;
  const uint8_t inWindow = fullscr.switched ? 0 : 1;
  setElementVisible(d, kOverlayMinimizeButton, inWindow);
  setElementVisible(d, kOverlayMoveHandle, inWindow);
  setElementVisible(d, kOverlayResizeHandle, 0);
}

// The first paint, the main loop and the frame step.
// [SECTION] helpers
// [SECTION] window messages
// [SECTION] frame step
// [SECTION] first paint
#include "engine/frame_loop.h"

#include <GL/gl.h>

#include <exception>
#include <stdexcept>

#include "core/cg.h"
#include "engine/window_shape.h"
#include "engine/display_modes.h"
#include "engine/compositor.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_lifecycle.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/frame_dump.h"
#include "engine/frame_rate.h"
#include "engine/gl_context.h"
#include "engine/hardware_test_run.h"
#include "engine/keyboard_input.h"
#include "engine/message_box.h"
#include "engine/picture_primitives.h"
#include "engine/pointer_input.h"
#include "engine/range_check.h"
#include "engine/relayout.h"
#include "engine/screen_effects.h"
#include "engine/screen_modes.h"
#include "engine/skins.h"
#include "engine/text_draw.h"
#include "engine/texts.h"
#include "engine/window_form.h"
#include "platform/instance.h"
#include "platform/net.h"
#include "platform/tick.h"

// [SECTION] helpers

namespace {
constexpr int32_t kThrottleWaitMs = 50;  // an inactive step waits this long for a message
constexpr uint32_t kSlowCheckMs = 2000;  // the slow-hardware check counts frames this long
constexpr int32_t kSlowFrames = 20;      // this many frames or fewer: the warning
constexpr int32_t kFastModeEvery = 200;  // fastMode draws and presents at these counts
constexpr int32_t kFirstWindowWidth = 640, kFirstWindowHeight = 480;

bool fastMode() { return textTables.fastMode; }
bool holdsBack() { return fastMode() && frameClock.frameCount200 % kFastModeEvery != 0; }

void clearDevToggles() {
  vtl.dev = TVTLDevToggles();
  textTables.fastMode = false;
  appopt.noLighting = false;
}

bool optionDialogsBuilt() { return appopt.di_vtlgrafik > 0 && appopt.opt.dialog > 0; }

// The run marker lives in the options dialog's folder edit and its saved state.
std::string readRunMarker() {
  if (appopt.opt.dialog <= 0 || appopt.opt.folderEdit <= 0) return {};
  return getElementText(appopt.opt.dialog, appopt.opt.folderEdit);
}

// Step 4 of the first paint: the reduced graphics presets of "/2" and "/3".
void applyPresetSwitch(char which) {
  vtl.presetMode = 0;
  if (which != '2' && which != '3') return;
  vtl.presetMode = 1;
  if (!optionDialogsBuilt()) return;
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  setElementChecked(d, g.fullCheck, 0);
  setElementChecked(d, g.windowCheck, 1);
  setChildrenEnabled(d, g.fullCheck, 0);
  setChildrenEnabled(d, g.windowCheck, 1);
  setTopIndex(d, g.windowSizeSelector, aspectState.screenWidth < 800 ? 1 : 3);
  if (which == '3') {
    for (int32_t e : {g.shadowCheck, g.reflectionCheck, g.softShadowCheck}) setElementChecked(d, e, 0);
    setTopIndex(d, g.textureSelector, 2);
    setTopIndex(d, g.detailSelector, 3);
    setTopIndex(d, g.effectsDetailSelector, 1);
  }
  readOptions(true);
}

TVTLThrottleState throttleState() {
  return {winIsActive(),         fastMode(),          vtl.dev.noThrottle,   vtl.keepRunningInBackground,
          vtl.developerMode,     cg.gs.tutorialMode != 0, vtl.firstRunCheck};
}
}  // namespace

char paramChar(int32_t n, int32_t position) {
  if (n < 1 || size_t(n) > vtl.params.size()) return 0;
  const std::string& p = vtl.params[size_t(n) - 1];
  return position >= 1 && size_t(position) <= p.size() ? p[size_t(position) - 1] : 0;
}

// [SECTION] window messages

void dispatchWindowEvent(const WinEvent& e) {
  switch (e.kind) {
    case WinEventKind::paint: formPaint(); break;
    case WinEventKind::resize: formResize(); break;
    case WinEventKind::close: formClose(); break;
    case WinEventKind::mouseDown: formMouseDown(e.button, e.shift, e.x, e.y); break;
    case WinEventKind::mouseUp: formMouseUp(e.button, e.shift, e.x, e.y); break;
    case WinEventKind::mouseWheel: formMouseWheel(e.wheelDelta, e.x, e.y); break;
    case WinEventKind::keyDown:
      appMessage(e);
      formKeyDown(e.key, (e.shift & kShiftKey) != 0);
      break;
    case WinEventKind::keyUp:
    case WinEventKind::character: appMessage(e); break;
    case WinEventKind::deactivate:
      appMessage(e);
      appDeactivate();
      break;
    case WinEventKind::activate: appActivate(); break;
    case WinEventKind::minimize: appMinimize(); break;
    case WinEventKind::restore: appRestore(); break;
    default: break;
  }
}

void processMessages() {
  WinEvent e;
  while (winPollEvent(e)) dispatchWindowEvent(e);
  instancePoll();
  netPoll();  // socket events arrive with the window's messages
}

namespace {
void waitOneMessage() {
  WinEvent e;
  if (winWaitEvent(e, kThrottleWaitMs)) dispatchWindowEvent(e);
  instancePoll();
  netPoll();
}

// [SECTION] frame step

void setPassState(int32_t pass) {
  if (!engineGLReady()) return;
  glPolygonMode(GL_FRONT_AND_BACK, pass == 2 ? GL_LINE : GL_FILL);
  glDisable(GL_LINE_SMOOTH);
  if (pass == 1 && appopt.noLighting)
    glDisable(GL_LIGHTING);
  else
    glEnable(GL_LIGHTING);
  if (pass == 2)
    glDisable(GL_TEXTURE_2D);
  else
    glEnable(GL_TEXTURE_2D);
  glEnable(GL_COLOR_MATERIAL);
}

void clearBuffers() {
  if (!engineGLReady()) return;
  glClear(GL_DEPTH_BUFFER_BIT);
  glClear(GL_COLOR_BUFFER_BIT);
}

// Pass 1 draws solid, pass 2 (developer) in lines. The dialog animations advance in every pass
// that runs (twice per step with both passes on); the main window draws the scene on the frame
// event; then the shine passes over the table and, in pass 1, the dialogs.
void renderPass(int32_t pass, bool nested, bool holdBack) {
  setPassState(pass);
  if (!holdBack) {
    if (pass == 1 || vtl.dev.skipSolidPass) clearBuffers();
    updateDialogAnimations();
  }
  const bool wireframe = vtl.dev.wireframePass;
  if (pass == 1) vtl.dev.wireframePass = false;  // pass 1 is solid whatever the toggle says
  try {
    sendEngineEvent(evFrame, nested ? 0 : evFrame);
    if (!holdBack) {
      drawShinePasses();
      if (pass == 1 && vtl.uiOverlayOn && !vtl.skipPresentOnce) drawUI();
    }
  } catch (...) {
    vtl.dev.wireframePass = wireframe;
    throw;
  }
  vtl.dev.wireframePass = wireframe;
}

void slowHardwareCheck(uint32_t now) {
  if (vtl.firstRunCheck == -1) return;
  if (vtl.firstRunCheck == 1) {
    vtl.firstRunCheck = int32_t(now);
    vtl.firstRunFrames = 0;
    return;
  }
  vtl.firstRunFrames++;
  if (tickDiff(now, uint32_t(vtl.firstRunCheck)) <= kSlowCheckMs) return;
  vtl.firstRunCheck = -1;
  if (appopt.opt.dialog > 0 && appopt.opt.folderEdit > 0)
    setElementText(appopt.opt.dialog, appopt.opt.folderEdit, "second", 0);
  if (vtl.firstRunFrames <= kSlowFrames) showMessage(kSlowHardwareText, kSlowHardwareTitle);
}

void pollPointer() {
  int32_t cx = 0, cy = 0;
  winCursorPos(cx, cy);
  const WindowRect r = winRect();
  const int32_t x = cx - r.left;
  const int32_t y = cy - r.top;
  pollPointerAt(x, y);
}

// The main loop: a frame step inside the exception guard until the close is granted.
void runMainLoop() {
  do {
    try {
      frameStep(false);
    } catch (const std::exception& e) {
      appException(e);
    } catch (...) {
      appException(std::runtime_error("unknown exception in the frame step"));
    }
  } while (!(vtl.engineState == esTerminating && vtl.exitGranted));
}
}  // namespace

void frameStep(bool nested) {
  const uint32_t now = getTickCount();
  frameRateCountFrame(now);
  if (frameRateMeasure(now)) showFrameRate();
  if (frameThrottleInactive(now, throttleState())) {
    waitOneMessage();
    return;
  }
  if (winIsActive()) frameReactivate(now, vtl.developerMode, !fullscr.switched);
  updateFadeTimers();
  const bool holdBack = holdsBack();
  if (!vtl.dev.skipSolidPass) renderPass(1, nested, holdBack);
  if (vtl.dev.wireframePass) renderPass(2, nested, holdBack);
  if (!vtl.skipPresentOnce) swapBuffers();
  vtl.skipPresentOnce = false;
  processMessages();
  slowHardwareCheck(getTickCount());
  if (!holdBack) pollPointer();
}

void swapBuffers() {
  if (holdsBack()) return;
  dumpFrameOnce();
  winSwapBuffers();
}

// [SECTION] first paint

void formPaint() {
  if (vtl.engineState != esNotStarted) return;
  vtl.modalWait = false;
  clearDevToggles();
  vtl.firstRunCheck = -1;
  vtl.runMarker = readRunMarker();
  const char test = paramChar(1, 2);
  if (test == '1' || test == '9' || vtl.runMarker == "first") runHardwareTest();
  applyPresetSwitch(paramChar(1, 2));
  sendEngineEvent(evBeforeWindow, evBeforeWindow);
  vtl.suppressTextureEvent = true;
  if (!vtl.desktopDepthTooLow) setWindowMode(kFirstWindowWidth, kFirstWindowHeight);
  if (vtl.desktopDepthTooLow) {
    // The desktop is never changed for the program: the user is told and the program ends.
    winMessageBox(vtl.applicationTitle, kDepthTooLowText);
    vtl.engineState = esTerminating;
    formClose();
    return;
  }
  vtl.suppressTextureEvent = false;
  loadFonts();  // a missing or short "f.cwi" ends the start through the fatal-error path
  loadSurfaces();
  sendEngineEvent(evStartup, evStartup);
  if (vtl.engineState != esTerminating) vtl.engineState = esRunning;
  const uint32_t now = getTickCount();
  frameClock.window200Start = now;
  frameClock.secondMark = now;
  frameClock.frameCount200 = 20;
  addMessageBoxButtons(skinIcons.plainButton);
  relayoutDialogs(true, -1, false);
  frameClock.loopStartTick = getTickCount();
  runMainLoop();
  if (appopt.fullScreen) restoreDisplay();
  formClose();
}

// Construction, message loop, fatal errors and destruction of the engine form.
// [SECTION] construction
// [SECTION] message loop
// [SECTION] fatal errors
// [SECTION] destruction
#include "engine/engine_lifecycle.h"

#include <stdexcept>

#include "engine/window_shape.h"
#include "engine/display_modes.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/frame_loop.h"
#include "engine/frame_rate.h"
#include "engine/gl_context.h"
#include "engine/message_box.h"
#include "engine/modal_wait.h"
#include "engine/texts.h"
#include "engine/window_form.h"
#include "engine/window_layout.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/window.h"

// [SECTION] construction

namespace {
constexpr int32_t kFormWidth = 640, kFormHeight = 480;
constexpr float kTextFactor = 1.14f;

// Step 5: the defaults of the engine's fields.
void setEngineDefaults() {
  vtl.focusShown = false;
  vtl.focusDialog = vtl.focusElement = 0;
  vtlInfo.enginePaused = false;
  frameClock.reactivationTick = 0;
  frameClock.enginePauseExtra = 0;
  vtl.diags.clear();
  vtl.originalsSaved = false;
  vtl.strings.clear();
  vtl.textFactor = kTextFactor;
  vtl.uiOverlayOn = true;
  vtl.developerMode = false;
  vtl.keepRunningInBackground = false;
  vtl.textureFilter = 0x2601;  // GL_LINEAR
}

void setCallbackDefaults() {
  vtl.onElementClick = defaultElementClick;
  vtl.onListChange = defaultListChange;
  vtl.onElementPress = defaultElementPress;
}

// Step 14: the window itself.
void openForm() {
  if (!winOpen(programFileName(), kFormWidth, kFormHeight)) throw EInOutError("window: " + winLastError());
  readScreenSize();
}

// Step 17: the window keeps a border unless the engine draws its own frame, which it does
// while its options dialog is on top.
void chooseBorder() {
  vtl.windowBordered = !(appopt.opt.dialog > 0 && vtl.topDialog == appopt.opt.dialog);
  winSetBordered(vtl.windowBordered);
}

// Steps 15 and 16 need the engine's option dialogs: window size and place from their state
// files, the full-screen mode list.
void applyStoredWindowOptions() {
  if (appopt.opt.dialog <= 0 || appopt.di_vtlgrafik <= 0) return;
  applyWindowOptions();
  winSetPosition(aspectState.windowLeft, aspectState.windowTop);
  winSetSize(aspectState.windowWidth, aspectState.windowHeight);
}
}  // namespace

void engineCreate() {
  frameClock.loopStartTick = 0;
  vtl.appFolder = programFolder();
  resetProtocolLog();
  vtl.exitGranted = false;
  vtl.boxDialog = vtl.boxOkButton = 0;
  vtl.noQuitQuestion = false;
  vtl.formClosing = false;
  setErrorLogFile(programPath("\\errors.txt"));
  setEngineDefaults();
  vtl.onElementClick = vtl.onListChange = vtl.onElementPress = vtl.onHoverEnter = nullptr;
  setEnterCallback(nullptr);
  resetEngineOptions();
  appopt.vitrelFolder = programPath("\\data\\vitrel");
  createMessageDialogs();
  fieldOfView = 47;
  setCallbackDefaults();
  setNestedFrameStep([] { frameStep(true); });
  fullscr.create();
  vtl.inFullScreen = false;
  vtl.helpSlots = {};
  createEngineDialogs();
  openForm();
  applyStoredWindowOptions();
  refillFullScreenModes();
  chooseBorder();
  readGLCapabilitiesHook = readGLCapabilities;
}

// [SECTION] message loop

namespace {
template <typename Step>
void guarded(Step step) {
  try {
    step();
  } catch (const std::exception& e) {
    appException(e);
  } catch (...) {
    appException(std::runtime_error("unknown exception"));
  }
}
}  // namespace

void runApplication() {
  while (!vtl.formClosing) {
    if (vtl.engineState == esNotStarted) {
      guarded(formPaint);  // showing the window paints it: the frame loop runs in there
      continue;
    }
    WinEvent e;
    if (winWaitEvent(e, 100)) guarded([&e] { dispatchWindowEvent(e); });
  }
}

// [SECTION] fatal errors

void appException(const std::exception& e) {
  const std::string cls = exceptionClassName(e);
  if (cls == "EOSError" || cls == "ESocketError") return;
  try {
    captureStackIfNone();
  } catch (...) {
  }
  std::string screenText;
  logErrorReport(e, screenText);
  showFatalError(screenText);
}

TVTLFatalBox fatalErrorBox(const std::string& report) {
  const size_t dll = report.find(".dll'");
  if (dll == std::string::npos) return {"Error in " + programFileName(), report};
  const size_t quote = report.rfind('\'', dll);
  const size_t from = quote == std::string::npos ? 0 : quote + 1;
  const std::string module = report.substr(from, dll + 4 - from);
  const size_t type = report.find("Type: ");
  if (type == std::string::npos) return {"Error in " + module, report};
  const size_t end = report.find('\r', type);
  const std::string cls = report.substr(type + 6, end == std::string::npos ? std::string::npos : end - type - 6);
  return {"Error", cls + " in external module '" + module + "'"};
}

void showFatalError(const std::string& report) {
  const TVTLFatalBox box = fatalErrorBox(report);
  winMessageBox(box.caption, box.text);
  vtl.noQuitQuestion = true;
  vtl.engineState = esTerminating;
  formClose();
}

// [SECTION] destruction

namespace {
// A failure while closing is written to the error log and shown; the close goes on.
template <typename Step>
void closingStep(Step step) {
  try {
    step();
  } catch (const std::exception& e) {
    std::string screenText;
    logErrorReport(e, screenText);
    const TVTLFatalBox box = fatalErrorBox(screenText);
    winMessageBox(box.caption, box.text);
  }
}
}  // namespace

void engineDestroy() {
  closingStep([] { sendEngineEvent(evClose, evClose); });
  closingStep(saveEngineDialogs);
  vtl.diags.clear();
  vtl.strings.clear();
  fullscr.destroy();
  destroyGLContext();
  setNestedFrameStep(nullptr);
  readGLCapabilitiesHook = nullptr;
  winClose();
}

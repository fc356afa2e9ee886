// The real program's main window with a Skat list started right after its start-up, for the
// window tests that drive it from outside (the menus that start a list are not on screen yet).
// Deals are fixed by the seed in SKAT_SEED. What the test needs to know is written, one line
// at a time, to the file named by SKAT_PROBE_REPORT:
//   STARTED                       the list was started
//   DECISION <kind> <count>       the decision panel shows a row of <count> options
//   BUTTON <i> <value> <x> <y>    option i submits value; its centre in window pixels
//   SHOWN                         decision.ppm holds a frame with the row drawn
//   ANSWER <kind> <a> <b>         the row closed again: the action the core took last
// and a frame drawn before the list starts is written to before.ppm beside the report.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_lifecycle.h"
#include "engine/engine_options.h"
#include "engine/error_log.h"
#include "engine/frame_dump.h"
#include "engine/message_box.h"
#include "engine/window_layout.h"
#include "platform/random.h"
#include "platform/window.h"
#include "shell/core_message_routes.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"

namespace {
constexpr const char* kProbeTitle = "Skat shell probe";
constexpr int kFrameCloseOptions = 10;  // the loading screen is gone and the dialogs drawn
constexpr int kFramesShown = 15;        // the row's show animation has ended

std::string reportPath;
std::string folder;  // of the report: the pictures go beside it
int frames = 0;
int shownFor = 0;
bool started = false;
bool beforeRequested = false;
bool shownReported = false;
bool answered = false;
int32_t lastKind = -1, lastCount = -1;

void report(const std::string& line) {
  if (std::FILE* f = std::fopen(reportPath.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
  }
}

// The centre of an element in window pixels, as the pointer's hit test counts.
void reportButton(int i, int32_t element) {
  const TVTLDialog& d = dialogOf(dlgInGame);
  const TVTLElement& e = elementOf(dlgInGame, element);
  const double cx = d.x + e.x + e.width / 2.0, cy = d.y + e.y + e.height / 2.0;
  const int x = int(cx * windowLayout.viewWidth / 807.0), y = int(cy * windowLayout.viewHeight / 607.0);
  report("BUTTON " + std::to_string(i) + " " + std::to_string(cg.gs.bl.optionValues[i]) + " " + std::to_string(x) +
         " " + std::to_string(y));
}

void startList() {
  cg.setMenuButtonCaption(1);
  cg.startGame(gidSkat, 0);
  started = true;
  report("STARTED");
}

// The two-option row stands for every row: bidding offers "18" or passing.
void watchDecision() {
  const TDecisionBlock& bl = cg.gs.bl;
  const bool rowShown = dlgInGame != 0 && dialogOf(dlgInGame).open && bl.showOptions && bl.optionCount == 2 &&
                        elementOf(dlgInGame, elDecisionRow2[1]).visible;
  if (!rowShown) {
    shownFor = 0;
    return;
  }
  if (bl.decisionKind != lastKind || bl.optionCount != lastCount) {
    lastKind = bl.decisionKind;
    lastCount = bl.optionCount;
    report("DECISION " + std::to_string(bl.decisionKind) + " " + std::to_string(bl.optionCount));
    for (int i = 1; i <= 2; i++) reportButton(i, elDecisionRow2[i]);
  }
  if (++shownFor == kFramesShown) requestFrameDump(folder + "decision.ppm");
  if (shownFor > kFramesShown && !shownReported && frameDumpDone()) {
    shownReported = true;
    report("SHOWN");
  }
}

// The user's click hides the panel and submits in one step; no computer seat acts before the
// next frame, so the last accepted action is the answer.
void watchAnswer() {
  if (!shownReported || answered || shownFor > 0) return;
  answered = true;
  const TGetBlender& a = cg.gs.getBlender;
  report("ANSWER " + std::to_string(a.kind) + " " + std::to_string(a.res_i) + " " + std::to_string(a.res_ii));
}

void onEvent(uint8_t shift, int32_t x, int32_t y) {
  Tglapp::FormMouseWheelDown(shift, x, y);
  // The start-up names the window after the featured game; the test finds the probe by its own.
  if (x == evStartup) winSetTitle(kProbeTitle);
  if (x != evFrame || y != evFrame) return;
  if (!started) {
    // The engine's own options dialog is on top after the start until the menus exist.
    if (++frames == kFrameCloseOptions && appopt.opt.dialog != 0) closeDialog(appopt.opt.dialog);
    const bool faded = appopt.opt.dialog == 0 || !isShownOrAnimating(dialogOf(appopt.opt.dialog).showAnim);
    if (frames < kFrameCloseOptions || !faded) return;
    if (!beforeRequested) {
      requestFrameDump(folder + "before.ppm");
      beforeRequested = true;
    } else if (frameDumpDone()) {
      startList();
    }
    return;
  }
  watchDecision();
  watchAnswer();
}
}  // namespace

int main() {
  winSetBackend(WindowBackend::sdl);
  const char* seed = std::getenv("SKAT_SEED");
  randomFixSeed(seed ? std::strtoull(seed, nullptr, 10) : 1);
  const char* path = std::getenv("SKAT_PROBE_REPORT");
  reportPath = path ? path : "probe.txt";
  folder = reportPath.substr(0, reportPath.find_last_of('/') + 1);
  initErrorLog();
  installMessageBoxAlertSink();
  installCoreMessageRoutes();
  try {
    createMainWindow();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "shell probe: the main window did not start: %s\n", e.what());
    return 1;
  }
  setEngineEventHandler(onEvent);
  winSetTitle(kProbeTitle);
  runApplication();
  engineDestroy();
  removeCoreMessageRoutes();
  return 0;
}

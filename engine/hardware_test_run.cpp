// The hardware test's run: events to the main window, display modes, timed scenes, choice.
// [SECTION] benchmark
// [SECTION] writing the choice
// [SECTION] the test
#include "engine/hardware_test_run.h"

#include "engine/window_shape.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frame_loop.h"
#include "engine/gl_context.h"
#include "engine/screen_modes.h"
#include "engine/window_form.h"
#include "platform/tick.h"
#include "platform/window.h"

namespace {
constexpr uint32_t kSettleMs = 200;  // messages are processed this long after a mode switch
constexpr uint32_t kSceneMs = 1000;  // each scene is drawn this long

// [SECTION] benchmark

// The mode switched to, its viewport, the scene prepared, then 200 ms of messages.
void enterBenchMode(int32_t modeNumber, int32_t width, int32_t height) {
  changeScreenMode(modeNumber, false);
  setViewport(width, height);
  sendEngineEvent(evBenchPrepare, evBenchPrepare);
  const uint32_t start = getTickCount();
  for (uint32_t spent = 0; spent <= kSettleMs; spent = tickDiff(getTickCount(), start)) {
    WinEvent e;
    if (winWaitEvent(e, int32_t(kSettleMs - spent) + 1)) dispatchWindowEvent(e);
    processMessages();
  }
}

int32_t timeScene(int32_t scene) {
  return hwCountFrames(kSceneMs, [scene] {
    sendEngineEvent(evBenchScene, scene);
    swapBuffers();
  });
}

void runBenchmark(TVTLBenchCounts& c) {
  c = TVTLBenchCounts();
  if (const int32_t n = fullscr.findMode(640, 480, 16)) {
    enterBenchMode(n, 640, 480);
    c.A = timeScene(1);
    applyScreenSettings();
  }
  if (const int32_t n = fullscr.findMode(800, 600, 32)) {
    enterBenchMode(n, 800, 600);
    c.S = timeScene(2);
    c.P = timeScene(1);
    if (c.S > 1) c.H = timeScene(3);
  }
  hwAfterBenchmark(c);
}

// [SECTION] writing the choice

void writeChoice(const TVTLGraphicsChoice& choice, int32_t modeNumber) {
  if (appopt.di_vtlgrafik <= 0 || appopt.opt.dialog <= 0) return;  // no dialog: nothing to keep it
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  const bool full = modeNumber != 0;
  setElementChecked(d, g.windowCheck, full ? 0 : 1);
  setElementChecked(d, g.fullCheck, full ? 1 : 0);
  setChildrenEnabled(d, g.fullCheck, full ? 1 : 0);
  setChildrenEnabled(d, g.windowCheck, full ? 0 : 1);
  if (!full) return;
  setTopIndex(d, g.i_g_lbfull, modeNumber);
  if (choice.effects) {
    setElementChecked(d, g.shadowCheck, 1);
    setElementChecked(d, g.reflectionCheck, 1);
    if (choice.softShadowsChosen) setElementChecked(d, g.softShadowCheck, vtl.noAuxBuffers ? 0 : 1);
  } else {
    for (int32_t e : {g.shadowCheck, g.reflectionCheck, g.softShadowCheck}) setElementChecked(d, e, 0);
  }
  setTopIndex(d, g.textureSelector, 2);
  setTopIndex(d, g.detailSelector, choice.detail3D);
  setTopIndex(d, g.effectsDetailSelector, choice.effectsDetail);
}
}  // namespace

std::string hardwareTestReport(const TVTLBenchCounts& c, int32_t memoryMB) {
  const char* sep = "\n\r";
  return "640x480x16:" + std::to_string(c.A) + sep + "800x600x32(shadow):" + std::to_string(c.S) + sep +
         "800x600x32:" + std::to_string(c.P) + sep + "800x600x32(shadowHIGH):" + std::to_string(c.H) + sep +
         "VideoMemory:" + std::to_string(memoryMB) + "(" + std::to_string(memoryMB / 1000000) + ")";
}

// [SECTION] the test

TVTLBenchCounts runHardwareTest() {
  vtl.firstRunCheck = 1;
  sendEngineEvent(evBenchPrepare, evBenchPrepare);
  winSetBordered(true);
  initGL();
  destroyGLContext();
  winSetBordered(vtl.windowBordered);
  sendEngineEvent(evBenchPrepare, evBenchPrepare);
  TVTLBenchCounts counts;
  if (vtl.desktopDepthTooLow) return counts;
  const int32_t memory = videoMemoryMB();
  const int32_t shortcut = hwMemoryShortcut(memory, fullscr, counts);
  if (!(isVideoMemory64(memory) && shortcut != 0)) runBenchmark(counts);
  hwFillMissingA(counts);
  sendEngineEvent(evBenchDone, evBenchDone);
  if (vtl.desktopDepthTooLow) return counts;
  applyScreenSettings();
  if (paramChar(1, 2) == '9') winMessageBox(vtl.applicationTitle, hardwareTestReport(counts, memory));
  readGLCapabilities(false);
  readScreenSize();
  const TVTLGraphicsChoice choice = hwChooseTier(counts, vtl.noAuxBuffers, aspectState.screenWidth,
                                                 aspectState.screenHeight);
  writeChoice(choice, hwFindChoiceMode(choice, fullscr));
  if (appopt.di_vtlgrafik > 0 && appopt.opt.dialog > 0) readOptions(true);
  return counts;
}

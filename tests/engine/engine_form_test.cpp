// The engine form on the null window backend: construction, the first paint's order of
// events, the frame step (throttle, fastMode, pointer poll), the close request, the fatal
// path, the hardware test's events, display switches and the order of destruction.
//
// [SECTION] fixture
// [SECTION] construction and first paint
// [SECTION] frame step
// [SECTION] close and fatal errors
// [SECTION] hardware test
// [SECTION] window shape
// [SECTION] display modes
// [SECTION] loading screen
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_lifecycle.h"
#include "engine/engine_options.h"
#include "engine/error_log.h"
#include "engine/frame_loop.h"
#include "engine/frame_rate.h"
#include "engine/gl_context.h"
#include "engine/hardware_test_run.h"
#include "engine/loading_screen.h"
#include "engine/relayout.h"
#include "engine/screen_modes.h"
#include "engine/texts.h"
#include "engine/window_form.h"
#include "engine/range_check.h"
#include "engine/window_layout.h"
#include "platform/errors.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

// [SECTION] fixture

namespace {
struct Sent {
  int32_t x, y;
  bool operator==(const Sent&) const = default;
};

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string describe(const std::vector<Sent>& events) {
  std::string s;
  for (const Sent& e : events) s += "(" + std::to_string(e.x) + "," + std::to_string(e.y) + ") ";
  return s;
}

}  // namespace

class EngineFormTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetFormState();
    setEngineEventHandler([this](uint8_t shift, int32_t x, int32_t y) {
      EXPECT_EQ(shift, kEngineEventMark);
      // Every poll sends hover events for the engine's open dialogs; the pointer tests check them.
      if (x == evHoverStart || x == evHoverEnd) return;
      counts[x]++;
      // Runs of equal scene events are kept as one: the benchmark sends millions.
      if (!(x == evBenchScene && !events.empty() && events.back() == Sent{x, y})) events.push_back({x, y});
      if (onEvent) onEvent(x, y);
    });
  }
  void TearDown() override {
    winClose();
    fullscr.destroy();
    resetErrorLog();
    EngineTest::TearDown();
  }

  // The main window's close query: grants and sets exitGranted.
  void grantCloses() {
    vtl.onCloseQuery = [] {
      vtl.exitGranted = true;
      return true;
    };
  }
  // Construction, a close request waiting, the whole run, destruction.
  void runUntilClosed() {
    engineCreate();
    grantCloses();
    winPostClose();
    runApplication();
    engineDestroy();
  }
  // Constructed and past its first paint, for tests that step frames themselves.
  void createRunning() {
    engineCreate();
    vtl.engineState = esRunning;
  }
  size_t countOf(int32_t x) const {
    const auto it = counts.find(x);
    return it == counts.end() ? 0 : it->second;
  }

  std::vector<Sent> events;
  std::map<int32_t, size_t> counts;
  std::function<void(int32_t, int32_t)> onEvent;
};

// [SECTION] construction and first paint

TEST_F(EngineFormTest, ConstructionMakesNoContextAndSendsNoEvent) {
  std::ofstream(folder_ / "proto3.txt") << "old trace";
  engineCreate();
  EXPECT_TRUE(events.empty()) << describe(events);
  EXPECT_FALSE(winHasContext());
  EXPECT_TRUE(winIsOpen());
  EXPECT_EQ(vtl.engineState, esNotStarted);
  EXPECT_EQ(readFile(folder_ / "proto3.txt"), "") << "the trace is emptied at every start";
  EXPECT_TRUE(std::filesystem::exists(folder_ / "errors.txt"));
  EXPECT_FLOAT_EQ(vtl.textFactor, 1.14f);
  EXPECT_EQ(fieldOfView, 47);
  EXPECT_NE(vtl.boxDialog, 0);
  EXPECT_EQ(vtl.boxOkButton, 0) << "the box's buttons come at the first paint";
  EXPECT_TRUE(vtl.onElementClick && vtl.onListChange && vtl.onElementPress);
  EXPECT_FALSE(vtl.onHoverEnter);
}

TEST_F(EngineFormTest, FirstPaintSendsItsEventsInOrderAndTheLoopRunsUntilTheCloseIsGranted) {
  bool contextAtStartup = false;
  TVTLEngineState stateAtStartup = esRunning;
  onEvent = [&](int32_t x, int32_t) {
    if (x != evStartup) return;
    contextAtStartup = winHasContext();
    stateAtStartup = vtl.engineState;
  };
  runUntilClosed();
  const std::vector<Sent> expected = {{-7, -7}, {-1, -1}, {-22, 0}, {-2, -2}, {-5, -5}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  EXPECT_TRUE(contextAtStartup) << "the window and its context exist when the main window builds";
  EXPECT_NE(stateAtStartup, esNotStarted);
  EXPECT_TRUE(vtl.originalsSaved);
  EXPECT_NE(vtl.boxOkButton, 0);
  EXPECT_EQ(vtl.engineState, esTerminating);
  EXPECT_FALSE(winIsOpen());
}

TEST_F(EngineFormTest, APaintAfterTheFirstDrawsNothing) {
  engineCreate();
  grantCloses();
  vtl.engineState = esRunning;
  formPaint();
  EXPECT_TRUE(events.empty()) << describe(events);
}

// [SECTION] frame step

TEST_F(EngineFormTest, AnInactiveWindowIsNotThrottledInTheFirstFiveSeconds) {
  createRunning();
  winNullSetActive(false);
  frameClock.loopStartTick = getTickCount();
  frameClock.window200Start = getTickCount();
  for (int i = 0; i < 40; i++) frameStep(false);
  EXPECT_EQ(countOf(evFrame), 40u);
  EXPECT_FALSE(vtlInfo.enginePaused);
}

TEST_F(EngineFormTest, AnInactiveWindowDrawsOnlyAtEveryFiftiethCountAfterFiveSeconds) {
  useFakeTick(1000);  // the five seconds pass on the test's own clock
  createRunning();
  winNullSetActive(false);
  frameClock.loopStartTick = getTickCount();
  advanceFakeTick(5001);
  frameClock.window200Start = getTickCount();
  frameClock.frameCount200 = 0;
  for (int i = 0; i < 100; i++) frameStep(false);
  EXPECT_EQ(countOf(evFrame), 2u) << "counts 50 and 100 draw, the 98 others wait for a message";
  EXPECT_TRUE(vtlInfo.enginePaused);
  winNullSetActive(true);
  frameStep(false);
  EXPECT_EQ(countOf(evFrame), 3u);
  EXPECT_EQ(frameClock.inactiveFrames, 0);
}

TEST_F(EngineFormTest, NestedStepsSendTheFrameEventWithZero) {
  createRunning();
  frameStep(true);
  frameStep(false);
  const std::vector<Sent> expected = {{-2, 0}, {-2, -2}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
}

TEST_F(EngineFormTest, FastModeSendsTheFrameEventEveryStepButPollsOnlyAtTwoHundred) {
  createRunning();
  textTables.fastMode = true;
  winNullSetCursor(500, 400);
  frameClock.window200Start = getTickCount();
  frameClock.frameCount200 = 5;
  frameStep(false);
  EXPECT_EQ(countOf(evFrame), 1u);
  EXPECT_EQ(vtl.pointerX, 0) << "a held-back frame polls no pointer";
  frameClock.frameCount200 = 199;
  frameStep(false);
  EXPECT_NE(vtl.pointerX, 0);
}

TEST_F(EngineFormTest, ThePointerIsPolledRelativeToTheWindowAndRemembered) {
  createRunning();
  const WindowRect r = winRect();
  winNullSetCursor(r.left + 108, r.top + 56);
  frameStep(false);
  EXPECT_EQ(vtl.pointerX, 108);
  EXPECT_EQ(vtl.pointerY, 56);
  EXPECT_EQ(vtl.lastPointerX, 108);
  EXPECT_EQ(vtl.lastPointerY, 56);
  classifyAspect(1280, 1024);  // 5:4: x in the 4:3 viewport inside
  frameStep(false);
  EXPECT_EQ(vtl.pointerX, 115) << "round(108 / 1.25 * 4 / 3)";
}

TEST_F(EngineFormTest, APressNoElementTakesIsATableClick) {
  createRunning();
  vtl.focusShown = true;
  WinEvent e;
  e.kind = WinEventKind::mouseDown;
  winNullPushEvent(e);
  e.kind = WinEventKind::mouseUp;
  winNullPushEvent(e);
  processMessages();
  const std::vector<Sent> expected = {{-3, -3}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  EXPECT_FALSE(vtl.focusShown);
}

TEST_F(EngineFormTest, AKeyGoesToTheMainWindowWithItsVirtualKeyCode) {
  createRunning();
  vtl.keyHandled = true;
  WinEvent e;
  e.kind = WinEventKind::keyDown;
  e.key = 27;
  winNullPushEvent(e);
  processMessages();
  const std::vector<Sent> expected = {{-8, 27}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  EXPECT_FALSE(vtl.keyHandled) << "cleared before the main window hears the key";
}

TEST_F(EngineFormTest, SkipPresentOnceIsClearedByTheNextStep) {
  createRunning();
  vtl.skipPresentOnce = true;
  frameStep(false);
  EXPECT_FALSE(vtl.skipPresentOnce);
}

// [SECTION] close and fatal errors

TEST_F(EngineFormTest, ARefusedCloseLeavesTheStateAlone) {
  engineCreate();
  vtl.engineState = esRunning;
  vtl.onCloseQuery = [] { return false; };
  formClose();
  EXPECT_EQ(vtl.engineState, esRunning);
  EXPECT_FALSE(vtl.formClosing);
  vtl.onCloseQuery = nullptr;
  requestClose();
  EXPECT_EQ(vtl.engineState, esTerminating) << "an empty close query grants every close";
  EXPECT_FALSE(vtl.exitGranted) << "exitGranted is the close query's to set";
}

TEST_F(EngineFormTest, AFatalErrorInAFrameIsLoggedShownAndEndsTheProgramInOrder) {
  int frames = 0;
  onEvent = [&](int32_t x, int32_t) {
    if (x == evFrame && ++frames == 3) throw ERangeError("frame three failed");
  };
  engineCreate();
  grantCloses();
  runApplication();
  EXPECT_EQ(frames, 3) << "the loop ends at the frame boundary after the error";
  const std::string log = readFile(folder_ / "errors.txt");
  EXPECT_NE(log.find("Type: ERangeError"), std::string::npos) << log;
  EXPECT_NE(log.find("frame three failed"), std::string::npos) << log;
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_EQ(winNullMessageBoxes()[0].rfind("Error in ", 0), 0u) << winNullMessageBoxes()[0];
  EXPECT_TRUE(vtl.noQuitQuestion);
  EXPECT_TRUE(vtl.exitGranted);
  engineDestroy();
  EXPECT_EQ(events.back(), (Sent{-5, -5})) << "the close event still runs after a fatal error";
}

TEST_F(EngineFormTest, AFailureDuringStartUpEndsTheProgramInOrderToo) {
  onEvent = [](int32_t x, int32_t) {
    if (x == evStartup) throw EInOutError("fragments unreadable");
  };
  runUntilClosed();
  EXPECT_EQ(countOf(evFrame), 0u) << "the loop never started";
  EXPECT_EQ(countOf(evClose), 1u);
  EXPECT_NE(readFile(folder_ / "errors.txt").find("fragments unreadable"), std::string::npos);
}

namespace {
// The classes the fatal path lets pass, known by name as the error log knows them.
class ESocketError : public std::runtime_error {
 public:
  ESocketError() : std::runtime_error("connection reset") {}
};
class EOSError : public std::runtime_error {
 public:
  EOSError() : std::runtime_error("system call failed") {}
};
}  // namespace

TEST_F(EngineFormTest, SocketAndSystemErrorsLeaveNoTraceAndTheProgramRunsOn) {
  engineCreate();
  vtl.engineState = esRunning;
  appException(ESocketError());
  appException(EOSError());
  EXPECT_EQ(readFile(folder_ / "errors.txt"), "");
  EXPECT_TRUE(winNullMessageBoxes().empty());
  EXPECT_EQ(vtl.engineState, esRunning);
}

TEST(FatalErrorBox, ModuleNamesAndClasses) {
  struct Case {
    std::string report, caption, text;
  };
  const std::string file = programFileName();
  const Case cases[] = {
      {"Type: EAccessViolation\rMessage: at 'c:\\win\\gl32.dll' x", "Error",
       "EAccessViolation in external module 'c:\\win\\gl32.dll'"},
      {"Message: read of 'opengl32.dll' failed", "Error in opengl32.dll", "Message: read of 'opengl32.dll' failed"},
      {"Type: ERangeError\r\nMessage: index 9", "Error in " + file, "Type: ERangeError\r\nMessage: index 9"},
  };
  for (const Case& c : cases) {
    const TVTLFatalBox box = fatalErrorBox(c.report);
    EXPECT_EQ(box.caption, c.caption) << "report: " << c.report;
    EXPECT_EQ(box.text, c.text) << "report: " << c.report;
  }
}

TEST_F(EngineFormTest, DestructionSendsTheCloseEventBeforeAnythingIsFreed) {
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}, {800, 600, 32}});
  engineCreate();
  initGL();
  ASSERT_TRUE(fullscr.setMode({800, 600, 32}, false));
  int32_t dialogsAtClose = 0;
  bool contextAtClose = false, switchedAtClose = false;
  onEvent = [&](int32_t x, int32_t) {
    if (x != evClose) return;
    dialogsAtClose = vtl.diags.count();
    contextAtClose = winHasContext();
    switchedAtClose = winDisplaySwitched();
  };
  engineDestroy();
  EXPECT_GT(dialogsAtClose, 0);
  EXPECT_TRUE(contextAtClose);
  EXPECT_TRUE(switchedAtClose);
  EXPECT_EQ(vtl.diags.count(), 0);
  EXPECT_FALSE(winDisplaySwitched()) << "the desktop mode is back";
  EXPECT_EQ(winDesktopMode().width, 1024);
  EXPECT_FALSE(winIsOpen());
}

TEST_F(EngineFormTest, AFailingCloseStepIsReportedAndTheCloseGoesOn) {
  engineCreate();
  onEvent = [](int32_t x, int32_t) {
    if (x == evClose) throw EInOutError("hs.dat: Schreibfehler");
  };
  engineDestroy();
  EXPECT_NE(readFile(folder_ / "errors.txt").find("hs.dat: Schreibfehler"), std::string::npos);
  EXPECT_FALSE(winIsOpen());
}

// [SECTION] hardware test

TEST_F(EngineFormTest, TheBenchmarkSendsItsEventsInOrderAndCountsFrames) {
  winNullSetDisplay({1024, 768, 32}, {{640, 480, 16}, {800, 600, 32}, {1024, 768, 32}});
  winNullSetVideoMemory(300000000ull);  // 300 MB: in no class, so the benchmark runs
  vtl.params = {"/1"};
  engineCreate();
  grantCloses();
  useRealTick();  // the settles and scenes are timed spans: about 4.4 s
  const TVTLBenchCounts bench = runHardwareTest();
  useFakeTick(1000);
  const std::vector<Sent> expected = {{-17, -17}, {-17, -17}, {-17, -17}, {-15, 1}, {-17, -17},
                                      {-15, 2},   {-15, 1},   {-15, 3},   {-18, -18}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  EXPECT_GT(bench.A, 1);
  EXPECT_GT(bench.S, 1);
  EXPECT_GT(bench.P, 1);
  EXPECT_GE(bench.H, 40) << "scene 3 runs because S > 1";
  EXPECT_EQ(bench.S, 200) << "a high count of scene 3 makes S 200";
  EXPECT_EQ(vtl.firstRunCheck, 1) << "the slow-hardware check is armed";
  EXPECT_FALSE(winDisplaySwitched()) << "the test goes back to the window";
}

TEST_F(EngineFormTest, AKnownMemoryClassWithAModeSkipsTheBenchmark) {
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}});
  winNullSetVideoMemory(134000000ull);  // class 128
  vtl.params = {"/9"};
  engineCreate();
  const TVTLBenchCounts counts = runHardwareTest();
  const std::vector<Sent> expected = {{-17, -17}, {-17, -17}, {-18, -18}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  EXPECT_EQ(counts.S, 120);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u) << "\"9\" shows the counts";
  EXPECT_NE(winNullMessageBoxes()[0].find("800x600x32(shadow):120\n\r800x600x32:0"), std::string::npos)
      << winNullMessageBoxes()[0];
  EXPECT_NE(winNullMessageBoxes()[0].find("VideoMemory:134(0)"), std::string::npos);
}

TEST_F(EngineFormTest, TheSlowHardwareWarningComesOnceAfterTwoSecondsOfFewFrames) {
  engineCreate();
  grantCloses();
  vtl.firstRunCheck = 1;
  vtl.engineState = esRunning;
  frameStep(false);  // arms with the tick
  for (int i = 0; i < 10; i++) {
    advanceFakeTick(250);
    frameStep(false);
  }
  EXPECT_EQ(vtl.firstRunCheck, -1);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u) << "the box has no buttons yet: the platform's box shows it";
  EXPECT_NE(winNullMessageBoxes()[0].find("HARDWARE-GRAPHICS-ACCELERATION"), std::string::npos);
  for (int i = 0; i < 10; i++) {
    advanceFakeTick(250);
    frameStep(false);
  }
  EXPECT_EQ(winNullMessageBoxes().size(), 1u) << "at most once";
}

// [SECTION] window shape

TEST_F(EngineFormTest, OnlyARelayoutOfAllDialogsFromSavedOriginalsTellsTheMainWindow) {
  engineCreate();
  relayoutAllDialogs();
  EXPECT_TRUE(events.empty()) << "without originals nothing moves and nothing is sent";
  relayoutDialogs(true, -1, false);
  relayoutDialogs(false, vtl.boxDialog, false);
  const std::vector<Sent> expected = {{-22, 0}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
}

TEST_F(EngineFormTest, TheResizeHookLimitsClassifiesAndFitsARunningWindow) {
  engineCreate();
  vtl.engineState = esRunning;
  winSetSize(300, 200);
  formResize();
  EXPECT_EQ(winRect().width, 400) << "at least 400 x 300, then fitted to 4:3";
  EXPECT_EQ(winRect().height, 300);
  winSetSize(1000, 560);  // near 16:9
  formResize();
  EXPECT_TRUE(aspectState.aspect169);
  EXPECT_EQ(winRect().height, roundEven((560 + 1000 / 1.7777778) / 2));
  EXPECT_EQ(windowLayout.viewHeight, winRect().height);
  EXPECT_EQ(vtl.engineState, esRunning);
  vtl.engineState = esRecreating;
  winSetSize(1000, 700);
  formResize();
  EXPECT_EQ(winRect().width, 1000) << "a window being re-created is classified, not fitted";
  EXPECT_EQ(winRect().height, 700);
  EXPECT_TRUE(aspectState.aspect43);
}

// [SECTION] display modes

TEST_F(EngineFormTest, AFailedSwitchThatIsAppliedResetsToAWindowAndEnds) {
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}, {800, 600, 32}});
  engineCreate();
  grantCloses();
  winNullFailSwitch(true);
  changeScreenMode(fullscr.findMode(800, 600, 32), true);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_NE(winNullMessageBoxes()[0].find("Could not change screen resolution.\rError message: Could not change "
                                          "screen resolution to 800 x 600 Error No.:0\rScreen resolution has been "
                                          "reset."),
            std::string::npos)
      << winNullMessageBoxes()[0];
  EXPECT_EQ(vtl.engineState, esTerminating);
  EXPECT_TRUE(vtl.noQuitQuestion);
  EXPECT_TRUE(vtl.exitGranted);
  EXPECT_EQ(appopt.windowSize, 4);
  EXPECT_FALSE(appopt.fullScreen);
}

TEST_F(EngineFormTest, AFailedSwitchOfTheHardwareTestIsNotReported) {
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}, {800, 600, 32}});
  engineCreate();
  winNullFailSwitch(true);
  changeScreenMode(fullscr.findMode(800, 600, 32), false);
  EXPECT_TRUE(winNullMessageBoxes().empty());
  EXPECT_EQ(vtl.engineState, esRecreating) << "left for the caller, which goes back to the window";
  EXPECT_TRUE(winHasContext()) << "a context is made again either way";
}

TEST_F(EngineFormTest, FullScreenAtTheEndOfTheLoopGivesTheDesktopBackBeforeTheCloseEvent) {
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}, {800, 600, 32}});
  bool switchedAtClose = true;
  onEvent = [&](int32_t x, int32_t) {
    if (x == evClose) switchedAtClose = winDisplaySwitched();
  };
  engineCreate();
  // The graphics dialog carries the choice, "Vollbild" with the 800 x 600 mode, read as the
  // construction reads it from vtlgraph.dco.
  const int32_t d = appopt.di_vtlgrafik;
  setElementChecked(d, appopt.graf.windowCheck, 0);
  setElementChecked(d, appopt.graf.fullCheck, 1);
  setTopIndex(d, appopt.graf.i_g_lbfull, fullscr.findMode(800, 600, 32));
  readOptions(true);
  grantCloses();
  winPostClose();
  runApplication();
  EXPECT_TRUE(vtl.inFullScreen);
  engineDestroy();
  EXPECT_FALSE(switchedAtClose);
}

TEST_F(EngineFormTest, ALowColourDepthEndsTheFirstPaintWithAMessageAndChangesNoDesktop) {
  winNullSetDisplay({1024, 768, 8}, {{1024, 768, 8}, {1024, 768, 16}});
  vtl.applicationTitle = "Skat";
  runUntilClosed();
  const std::vector<Sent> expected = {{-7, -7}, {-5, -5}};
  EXPECT_EQ(events, expected) << "got " << describe(events);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_EQ(winNullMessageBoxes()[0], std::string("Skat|") + kDepthTooLowText);
  EXPECT_FALSE(vtl.desktopDepthRaised);
  EXPECT_EQ(winDesktopMode().bits, 8) << "the desktop keeps its own settings";
}

// [SECTION] loading screen

TEST_F(EngineFormTest, LoadingProgressIsCappedAndMissingPicturesAreLoggedOnce) {
  engineCreate();
  initGL();
  showLoadingProgress(10, 1);
  EXPECT_EQ(readFile(folder_ / "errors.txt"), "") << "before the pictures are read, plain is no fault";
  loadingPictures.loaded = true;  // as loading the engine textures leaves it, the pictures absent
  showLoadingProgress(150, 1);
  EXPECT_EQ(vtl.loadingPercent, 100);
  EXPECT_EQ(loadingBarWidth(100), 400);
  EXPECT_EQ(loadingBarWidth(20), 80);
  EXPECT_EQ(loadingBarWidth(0), 0);
  const std::string once = readFile(folder_ / "errors.txt");
  for (const char* file : {"loadback.bmp", "load0.jpg", "load1.jpg", "titel.bmp"})
    EXPECT_NE(once.find(file), std::string::npos) << file << " missing from the log:\n" << once;
  EXPECT_EQ(once.find("ERROR IN"), std::string::npos) << "a line each, not a fatal report:\n" << once;
  EXPECT_EQ(std::count(once.begin(), once.end(), '\n'), 4) << once;
  showLoadingProgress(30, 1);
  EXPECT_EQ(readFile(folder_ / "errors.txt"), once) << "each missing picture is logged once per run";
  showLoadingProgress(30, 0);
  EXPECT_NE(readFile(folder_ / "errors.txt").find("back.bmp"), std::string::npos);
}

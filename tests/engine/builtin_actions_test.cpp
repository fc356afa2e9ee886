// The engine's built-in actions on its own dialogs: the window buttons of the overlay (snap,
// minimise, close), the help-line switch and the help line, the message box, the options
// dialog's buttons, and the graphics dialog's back and apply buttons with their events.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/builtin_actions.h"
#include "engine/display_modes.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_options.h"
#include "engine/message_box.h"
#include "engine/window_form.h"
#include "tests/engine/pointer_fixture.h"

namespace {

class BuiltinActions : public PointerTest {
 protected:
  void SetUp() override {
    PointerTest::SetUp();
    winNullSetDisplay({1280, 1024, 32}, {{1280, 1024, 32}, {800, 600, 32}});
    ASSERT_TRUE(winOpen("t", 800, 600));
    readScreenSize();
    fullscr.create();
    createMessageDialogs();
    addMessageBoxButtons(0);
    createEngineDialogs();
    vtl.engineState = esRunning;
  }
  void TearDown() override {
    fullscr.destroy();
    PointerTest::TearDown();
  }

  static int32_t graf() { return appopt.di_vtlgrafik; }
  static int32_t opt() { return appopt.opt.dialog; }
  // The graphics dialog on top showing a window of size `size` (or full-screen mode `mode`),
  // taken as the applied settings.
  static void showAppliedDisplay(bool full, int16_t size, int16_t mode) {
    openDialog(graf());
    setElementChecked(graf(), appopt.graf.fullCheck, full ? 1 : 0);
    setElementChecked(graf(), appopt.graf.windowCheck, full ? 0 : 1);
    elementOf(graf(), appopt.graf.windowSizeSelector).TopIndex = size;
    elementOf(graf(), appopt.graf.i_g_lbfull).TopIndex = mode;
    readOptions(true);
  }
};

// [SECTION] window buttons

TEST_F(BuiltinActions, MoveHandleReleaseSnapsTheWindowToTheScreenEdges) {
  struct Row {
    int32_t left, top;
    int32_t snappedLeft, snappedTop;
  } const rows[] = {
      {-9, 5, 0, 0},
      {-13, -13, -13, -13},
      {12, 12, 0, 0},
      {490, 100, 480, 100},   // right edge 1,290 on 1,280
      {470, 436, 480, 424},   // right edge 1,270; bottom 1,036 on 1,024
      {300, 200, 300, 200},
  };
  for (const Row& r : rows) {
    winSetPosition(r.left, r.top);
    activateElement(vtl.overlayPanel, kOverlayMoveHandle);
    EXPECT_EQ(winRect().left, r.snappedLeft) << r.left << "," << r.top;
    EXPECT_EQ(winRect().top, r.snappedTop) << r.left << "," << r.top;
    EXPECT_EQ(getElementText(opt(), appopt.opt.leftLabel), std::to_string(r.snappedLeft));
    EXPECT_EQ(getElementText(opt(), appopt.opt.topLabel), std::to_string(r.snappedTop));
  }
}

TEST_F(BuiltinActions, MinimiseButtonKeepsTheFrameRateAndPausesTheEngine) {
  struct Row {
    int32_t inactiveFrames;
    bool developerMode, keepRunning;
    bool paused;
    int32_t pauseExtra, inactiveAfter;
    float savedFps;
  } const rows[] = {
      {0, false, false, true, 500, 1, 42},
      {0, true, false, false, 500, 1, 42},
      {0, false, true, false, 500, 1, 42},
      {3, false, false, false, 0, 3, 0},  // already inactive: the saved state stays
  };
  int32_t minimised = 0;
  for (const Row& r : rows) {
    resetFrameRate();
    vtlInfo.fps = 42;
    frameClock.inactiveFrames = r.inactiveFrames;
    vtl.developerMode = r.developerMode;
    vtl.keepRunningInBackground = r.keepRunning;
    activateElement(vtl.overlayPanel, kOverlayMinimizeButton);
    EXPECT_EQ(vtlInfo.enginePaused, r.paused) << "row " << r.inactiveFrames << r.developerMode << r.keepRunning;
    EXPECT_EQ(frameClock.enginePauseExtra, r.pauseExtra);
    EXPECT_EQ(frameClock.inactiveFrames, r.inactiveAfter);
    EXPECT_FLOAT_EQ(vtlInfo.savedFps, r.savedFps);
    EXPECT_EQ(winNullMinimizeRequests(), ++minimised) << "minimised in every case";
  }
}

TEST_F(BuiltinActions, CloseButtonAsksTheCloseQuery) {
  for (bool grant : {false, true}) {
    vtl.engineState = esRunning;
    vtl.onCloseQuery = [grant] { return grant; };
    activateElement(vtl.overlayPanel, kOverlayCloseButton);
    EXPECT_EQ(vtl.engineState, grant ? esTerminating : esRunning);
    EXPECT_FALSE(vtl.exitGranted) << "the close query sets it, not the button";
  }
}

TEST_F(BuiltinActions, HelpLineFollowsTheHoveredElementWhileSwitchedOn) {
  closeDialog(opt());  // its popup would shield the dialog beneath
  const int32_t d = openPlainDialog(0, 100, 800, 400);
  const int32_t toggle = addTextElement(ekPicture, 10, 10, 34, 34, skHelpSwitch, "?");
  const int32_t b = addButton(100, 100);
  setElementHelpText(d, b, "Startet das Spiel");
  const int32_t quiet = addButton(300, 100);
  setElementHelpText(d, quiet, "0");
  poll(150, 210);
  EXPECT_FALSE(dialogOf(vtl.helpLineDialog).open) << "off until switched on";
  activateElement(d, toggle);
  ASSERT_TRUE(vtl.helpLineOption);
  struct Row {
    int32_t x, y;
    bool open;
  } const rows[] = {{151, 210, true}, {600, 450, false}, {351, 210, false}, {152, 210, true}};
  for (const Row& r : rows) {
    poll(r.x, r.y);
    EXPECT_EQ(dialogOf(vtl.helpLineDialog).open != 0, r.open) << r.x << "," << r.y;
  }
  EXPECT_EQ(getElementText(vtl.helpLineDialog, vtl.helpLineLabel), "Startet das Spiel");
  setDialogOpen(d, 0);
  leaveElement(d, quiet);
  EXPECT_FALSE(dialogOf(vtl.helpLineDialog).open) << "its element's dialog closed";
  activateElement(d, toggle);
  EXPECT_FALSE(vtl.helpLineOption);
}

// [SECTION] message box and notice

TEST_F(BuiltinActions, MessageBoxElementsAnswerAndClose) {
  setCurrentDialog(vtl.boxDialog);
  const int32_t extra = addTextElement(ekPicture, 20, 20, 34, 34, 0, "x");
  vtl.boxYesAnswer = kBoxAnswerYes;
  vtl.boxNoAnswer = kBoxAnswerNo;
  struct Row {
    int32_t element;
    int32_t answerAfter;
    bool stillOpen;
  } const rows[] = {
      {extra, 1, false},  // no button: the box closes and keeps the previous answer
      {vtl.boxTextElement, 1, true},
      {vtl.boxYesButton, kBoxAnswerYes, false},
      {vtl.boxNoButton, kBoxAnswerNo, false},
  };
  for (const Row& r : rows) {
    vtl.boxAnswer = 1;
    openDialog(vtl.boxDialog);
    log_.clear();
    activateElement(vtl.boxDialog, r.element);
    EXPECT_EQ(vtl.boxAnswer, r.answerAfter) << "element " << r.element;
    EXPECT_EQ(dialogOf(vtl.boxDialog).open != 0, r.stillOpen) << "element " << r.element;
    if (!r.stillOpen) {
      EXPECT_TRUE(logged("activate " + pair(vtl.boxDialog, r.element))) << "the program hears of it";
    }
  }
  openDialog(vtl.noticeDialog);
  activateElement(vtl.noticeDialog, vtl.noticeOkButton);
  EXPECT_FALSE(dialogOf(vtl.noticeDialog).open);
}

// [SECTION] options dialog

TEST_F(BuiltinActions, OptionsDialogButtons) {
  const TVTLOptionsDialogNumbers& o = appopt.opt;
  activateElement(opt(), o.pageButtons[2]);
  EXPECT_EQ(elementOf(opt(), o.pageGroup).page, 2);
  activateElement(opt(), o.pageButtons[1]);
  EXPECT_EQ(elementOf(opt(), o.pageGroup).page, 1);
  activateElement(opt(), o.graphicsButton);
  EXPECT_EQ(vtl.topDialog, graf());
  closeDialog(graf());
  ASSERT_EQ(vtl.topDialog, opt());
  readOptions(true);
  activateElement(opt(), o.refreshButton);
  EXPECT_TRUE(std::filesystem::exists(engineOptionFile("vtlopt.dco"))) << "the engine dialogs are written";
  activateElement(opt(), o.backButton);
  EXPECT_FALSE(dialogOf(opt()).open);
}

TEST_F(BuiltinActions, PointerReadsTheOptionDialogsWhileOneIsOnTop) {
  ASSERT_EQ(vtl.topDialog, opt());
  setElementText(opt(), appopt.opt.speedEdits[1], "123", 0);
  poll(5, 5);
  EXPECT_EQ(appopt.rotationSpeeds[1], 123) << "changes show at once";
  closeDialog(opt());
  setElementText(opt(), appopt.opt.speedEdits[1], "77", 0);
  poll(6, 6);
  EXPECT_EQ(appopt.rotationSpeeds[1], 123) << "not while no option dialog is on top";
}

// [SECTION] graphics dialog

TEST_F(BuiltinActions, ApplyWithNothingChangedReadsTheOptionsAgainAndSendsMinus9) {
  showAppliedDisplay(false, 4, 1);
  elementOf(graf(), appopt.graf.musicTitleSelector).TopIndex = 3;  // not part of the display mode
  log_.clear();
  activateElement(graf(), appopt.graf.applyButton);
  EXPECT_TRUE(logged("-9"));
  EXPECT_FALSE(logged("-10"));
  EXPECT_EQ(appopt.appliedMusicTitle, 3) << "the options were read and applied";
  EXPECT_EQ(vtl.presetMode, 2);
  EXPECT_EQ(winRect().width, 800) << "the window stays";
}

TEST_F(BuiltinActions, BackAndApplyChangeTheWindowOnlyForASizeOrModeInTheirLists) {
  struct Row {
    const char* name;
    bool apply;  // else the back button
    bool full;
    int16_t size, mode;
    int32_t width, height;
    bool switched;
    const char* event;
  } const rows[] = {
      {"apply a listed window size", true, false, 1, 1, 640, 480, false, "-10"},
      {"apply a window size outside the list", true, false, 0, 1, 800, 600, false, "-10"},
      {"apply a full-screen mode outside the list", true, true, 4, 0, 800, 600, false, "-9"},
      {"back with a listed window size", false, false, 1, 1, 640, 480, false, "-9"},
      {"back with a window size outside the list", false, false, 0, 1, 800, 600, false, "-9"},
  };
  for (const Row& r : rows) {
    winSetSize(800, 600);
    showAppliedDisplay(false, 4, 1);
    appopt.appliedTextureCode = appopt.textureCode;
    setElementChecked(graf(), appopt.graf.fullCheck, r.full ? 1 : 0);
    setElementChecked(graf(), appopt.graf.windowCheck, r.full ? 0 : 1);
    elementOf(graf(), appopt.graf.windowSizeSelector).TopIndex = r.size;
    elementOf(graf(), appopt.graf.i_g_lbfull).TopIndex = r.mode;
    readOptions(false);  // as the pointer reads the dialog while it is on top
    if (r.apply) appopt.appliedTextureCode = -1;  // the textures were loaded otherwise
    log_.clear();
    vtl.engineState = esRunning;
    activateElement(graf(), r.apply ? appopt.graf.applyButton : appopt.graf.backButton);
    EXPECT_EQ(winRect().width, r.width) << r.name;
    EXPECT_EQ(winRect().height, r.height) << r.name;
    EXPECT_EQ(fullscr.switched, r.switched) << r.name;
    EXPECT_TRUE(logged(r.event)) << r.name;
    EXPECT_EQ(vtl.engineState, esRunning) << r.name << ": the program goes on";
    if (!r.apply) {
      EXPECT_FALSE(dialogOf(graf()).open) << r.name;
    }
  }
}

}  // namespace

// Key-down, character and key-up sequences through the message hooks: the Enter latch, edit
// fields that keep or release keys, the main form's claim on a key, Enter on lists, the
// typed word, the developer keys and the application hooks.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/engine_switches.h"
#include "engine/engine_options.h"
#include "sound/music_worker.h"
#include "sound/sound_events.h"
#include "tests/engine/keyboard_fixture.h"

namespace {

// One open dialog read top to bottom: 1 button, 2 edit field, 3 list box (its arrows and
// scroll bar 4 to 6), 7 button.
class KeyInputTest : public KeyboardTest {
 protected:
  void SetUp() override {
    KeyboardTest::SetUp();
    build();
  }
  void build() {
    d_ = createDialog(0, 0, 400, 400, false, "", false, 0, 1.0f);
    addSimpleElement(ekButton, 10, 10, "Eins");
    addSimpleElement(ekEdit, 10, 50, "");
    addSimpleElement(ekListBox, 10, 100, "Liste");
    addSimpleElement(ekButton, 10, 300, "Zwei");
    openDialog(d_);
    vtl.keyboardNavigation = true;
    vtl.focusShown = true;
  }
  void focusOn(int32_t e) {
    vtl.focusDialog = d_;
    vtl.focusElement = e;
  }
  // Enter as the platform sends it: key-down, the character 13, key-up.
  void enter() {
    keyDown(kVkReturn);
    typeText("\r");
    keyUp(kVkReturn);
  }
  int32_t d_ = 0;
};

TEST_F(KeyInputTest, HeldEnterActivatesOnceUntilAKeyUp) {
  focusOn(1);
  struct Step {
    bool down;  // key-down of Enter, else key-up of Shift
    size_t activations;
  };
  const Step steps[] = {{true, 1}, {true, 1}, {true, 1}, {false, 1}, {true, 2}, {false, 2}, {true, 3}};
  int n = 0;
  for (const Step& s : steps) {
    if (s.down)
      keyDown(kVkReturn);
    else
      keyUp(kVkShift);  // any key-up opens the latch
    EXPECT_EQ(logOf("activate").size(), s.activations) << "after step " << n;
    ++n;
  }
  EXPECT_EQ(logOf("activate").front(), "activate " + pair(d_, 1));
  EXPECT_EQ(logOf("-12:"), std::vector<std::string>(3, "-12:1")) << "each activation is pressed first";
}

TEST_F(KeyInputTest, EditFieldKeepsLeftAndRightAndLetsGoOnTab) {
  focusOn(2);
  enter();
  TVTLElement& edit = elementOf(d_, 2);
  ASSERT_EQ(edit.focused, 1) << "Enter on the edit field gives it the keyboard";
  EXPECT_EQ(vtl.diags[d_].captureElement, 2);
  EXPECT_EQ(getElementText(d_, 2), "") << "the Enter character is no text";

  typeText("abc");
  struct Step {
    int32_t key;
    const char* chars;  // what the key types
    const char* text;
    int16_t caret;
  };
  const Step steps[] = {
      {kVkLeft, "", "abc", 2},  {kVkLeft, "", "abc", 1},   {kVkRight, "", "abc", 2},
      {kVkSpace, " ", "ab c", 3}, {kVkEnd, "", "ab c", 4}, {kVkHome, "", "ab c", 0},
      {kVkDelete, "", "b c", 0},
  };
  for (const Step& s : steps) {
    keyDown(s.key);
    typeText(s.chars);
    keyUp(s.key);
    EXPECT_EQ(getElementText(d_, 2), s.text) << "key " << s.key;
    EXPECT_EQ(edit.SelIndex, s.caret) << "key " << s.key;
    EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(d_, 2)) << "key " << s.key << " keeps the focus";
  }
  log_.clear();
  keyDown(kVkTab);
  typeText("\t");
  keyUp(kVkTab);
  EXPECT_EQ(edit.focused, 0);
  EXPECT_EQ(vtl.diags[d_].captureElement, 0);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(d_, 3)) << "Tab moves on to the list";
  typeText("x ");
  EXPECT_EQ(getElementText(d_, 2), "b c") << "a field that let go of the keyboard takes no characters";
  EXPECT_EQ(logOf("-88:"), (std::vector<std::string>{"-88:9", "-88:120", "-88:32"})) << "every code is reported";
  EXPECT_EQ(logOf("-8:"), std::vector<std::string>{"-8:9"});
}

TEST_F(KeyInputTest, EditingKeysReachTheFieldAsCommands) {
  focusOn(2);
  enter();
  typeText("ab");
  log_.clear();
  keyDown(kVkHome);
  keyDown(kVkDelete);
  EXPECT_EQ(getElementText(d_, 2), "b");
  EXPECT_EQ(logOf("-88:"), (std::vector<std::string>{"-88:36", "-88:34"})) << "Delete goes in as 34";
}

TEST_F(KeyInputTest, TheMainFormCanKeepAKey) {
  focusOn(1);
  keepKeys(true);
  keyDown(kVkTab);
  keyDown(kVkReturn);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(d_, 1));
  EXPECT_TRUE(logOf("activate").empty());
  EXPECT_EQ(logOf("-8:"), (std::vector<std::string>{"-8:9", "-8:13"}));
  keepKeys(false);
  keyDown(kVkTab);
  EXPECT_EQ(vtl.focusElement, 2);
  EXPECT_FALSE(vtl.keyHandled) << "cleared before every key";
}

TEST_F(KeyInputTest, EnterOnAListGoesToTheMainForm) {
  recordEnterCallback();
  focusOn(3);
  keyDown(kVkReturn);
  EXPECT_EQ(logOf("enter"), std::vector<std::string>{"enter " + pair(d_, 3)});
  EXPECT_TRUE(logOf("activate").empty()) << "the list itself is not activated";

  keyUp(kVkReturn);
  focusOn(1);
  keyDown(kVkReturn);
  EXPECT_EQ(logOf("activate"), std::vector<std::string>{"activate " + pair(d_, 1)}) << "a button is pressed as usual";

  log_.clear();
  keyUp(kVkReturn);
  vtl.focusDialog = 0;
  keyDown(kVkReturn);
  EXPECT_EQ(logOf("enter"), std::vector<std::string>{"enter " + pair(0, 1)}) << "no focus dialog: the main form decides";

  log_.clear();
  keyUp(kVkReturn);
  setEnterCallback(nullptr);
  focusOn(3);
  keyDown(kVkReturn);
  EXPECT_EQ(logOf("activate"), std::vector<std::string>{"activate " + pair(d_, 3)}) << "without the callback the list steps";
}

TEST_F(KeyInputTest, HiddenOrDisabledFocusIsNotPressed) {
  struct Case {
    const char* what;
    void (*spoil)(int32_t d);
  };
  const Case cases[] = {
      {"disabled", [](int32_t d) { setElementEnabled(d, 1, 0); }},
      {"invisible", [](int32_t d) { setElementShown(d, 1, 0); }},
      {"closed dialog", [](int32_t d) { vtl.diags[d].open = 0; }},
  };
  for (const Case& c : cases) {
    freshEngine();
    build();
    focusOn(1);
    c.spoil(d_);
    keyDown(kVkReturn);
    EXPECT_TRUE(logOf("activate").empty()) << c.what;
    EXPECT_TRUE(vtl.enterLatch) << c.what;
  }
}

// [SECTION] the typed word and the developer keys

std::string switchesOn() {
  std::string s;
  auto add = [&s](bool on, const char* name) {
    if (on) s += std::string(s.empty() ? "" : " ") + name;
  };
  add(vtl.dev.showFps, "showFps");
  add(vtl.dev.wireframePass, "wireframePass");
  add(vtl.dev.skipSolidPass, "skipSolidPass");
  add(engineNoThrottle(), "noThrottle");
  add(engineFastMode(), "fastMode");
  add(engineAutoPlay(), "autoPlay");
  add(appopt.noLighting, "noLighting");
  add(vtl.developerSwitch4, "developerSwitch4");
  add(vtl.developerSwitch5, "developerSwitch5");
  add(vtl.developerSwitch7, "developerSwitch7");
  add(vtl.showInfoPanels, "showInfoPanels");
  add(enginePaused(), "enginePaused");
  if (vtl.cameraMode != 0) s += std::string(s.empty() ? "" : " ") + "cameraMode " + std::to_string(vtl.cameraMode);
  return s;
}

TEST_F(KeyboardTest, DeveloperKeys) {
  struct Case {
    bool developerMode, shift;
    int32_t key;
    const char* expected;
  };
  const Case cases[] = {
      {false, true, '1', ""},
      {true, false, '1', ""},
      {true, true, '1', "showFps"},
      {true, true, '2', "wireframePass"},
      {true, true, '3', "wireframePass skipSolidPass"},
      {true, true, '4', "developerSwitch4"},
      {true, true, '5', "developerSwitch5"},
      {true, true, '6', "cameraMode 1"},
      {true, true, '7', "developerSwitch7"},
      {true, true, '8', "noLighting"},
      {true, true, '9', "showInfoPanels"},
      {true, true, 'Q', "autoPlay"},
      {false, true, 'Q', ""},
      {true, true, 'W', "noThrottle autoPlay"},
      {true, true, 'S', "fastMode autoPlay"},
      {true, true, 'D', "fastMode autoPlay developerSwitch7"},
      {true, false, kVkSpace, "enginePaused"},
      {true, true, kVkSpace, "enginePaused"},
      {false, false, kVkSpace, ""},
  };
  for (const Case& c : cases) {
    freshEngine();
    vtl.developerMode = c.developerMode;
    keyDown(c.key, c.shift);
    EXPECT_EQ(switchesOn(), c.expected) << (c.developerMode ? "developer " : "") << (c.shift ? "Shift+" : "")
                                        << char(c.key);
  }
}

TEST_F(KeyboardTest, DeveloperKeysToggleAndCycle) {
  vtl.developerMode = true;
  for (int32_t expected : {1, 2, 3, 0}) {
    keyDown('6', true);
    EXPECT_EQ(vtl.cameraMode, expected);
  }
  keyDown('3', true);
  keyDown('3', true);
  EXPECT_EQ(switchesOn(), "") << "the second Shift+3 clears both passes' switches";
  keyDown('W', true);
  keyDown('Q', true);
  EXPECT_EQ(switchesOn(), "noThrottle");
  keyDown('W', true);
  EXPECT_EQ(switchesOn(), "") << "autoPlay follows noThrottle off again";
}

TEST_F(KeyboardTest, TypedWordSwitchesTheFrameRateDisplay) {
  const int32_t overlay = createDialog(0, 0, 0, 0, false, "", true, 0, 1.0f);
  vtl.overlayPanel = overlay;
  vtl.overlayInfoLabel = addSimpleElement(ekLabel, 2, 2, "");
  setElementShown(overlay, vtl.overlayInfoLabel, 0);
  struct Case {
    const char* keys;
    bool showFps;
  };
  const Case cases[] = {
      {"QZR", true}, {"QZR", false}, {"QQZR", true}, {"QZXR", true}, {"ZR", true}, {"XQZR", false},
  };
  for (const Case& c : cases) {
    for (const char* k = c.keys; *k; ++k) keyDown(*k);
    EXPECT_EQ(vtl.dev.showFps, c.showFps) << "after " << c.keys;
    EXPECT_EQ(elementOf(overlay, vtl.overlayInfoLabel).visible, c.showFps ? 1 : 0) << "after " << c.keys;
  }
  vtl.developerMode = true;
  keyDown('1', true);
  EXPECT_EQ(elementOf(overlay, vtl.overlayInfoLabel).visible, 1) << "Shift+1 shows the information label too";
}

TEST_F(KeyboardTest, ShiftCircumflexOpensAndClosesTheOptionsDialog) {
  appopt.opt.dialog = createDialog(50, 50, 700, 500, true, "#optionen", true, 0, 1.0f);
  appopt.opt.pageGroup = addElement(ekPageGroup, 10, 80, "Schrift/Border", 290, 250, 220.0f, 1.0f);
  elementOf(appopt.opt.dialog, appopt.opt.pageGroup).page = 2;
  keyDown(kVkCircumflex, true);
  EXPECT_EQ(vtl.diags[appopt.opt.dialog].open, 0) << "only in developer mode";
  vtl.developerMode = true;
  keyDown(kVkCircumflex, true);
  EXPECT_EQ(vtl.topDialog, appopt.opt.dialog);
  EXPECT_EQ(elementOf(appopt.opt.dialog, appopt.opt.pageGroup).page, 1) << "opens on its first page";
  keyDown(kVkCircumflex, true);
  EXPECT_EQ(vtl.diags[appopt.opt.dialog].open, 0);
}

// [SECTION] application hooks

TEST_F(KeyboardTest, MusicFollowsMinimiseRestoreAndActivation) {
  // The worker is not running: the requests wait in its fields.
  soundContainer.musicVolume = 52;
  const struct {
    WinEventKind event;
    bool pause, resume;
  } steps[] = {{WinEventKind::minimize, true, false},
               {WinEventKind::restore, false, true},
               {WinEventKind::deactivate, false, false},
               {WinEventKind::activate, false, true}};
  for (const auto& s : steps) {
    musicThread.pause = musicThread.resume = false;
    sendWindowEvent(s.event);
    EXPECT_EQ(musicThread.pause.load(), s.pause) << int(s.event);
    EXPECT_EQ(musicThread.resume.load(), s.resume) << int(s.event);
  }
  musicThread.pause = musicThread.resume = false;
  soundContainer.musicVolume = 0;
  sendWindowEvent(WinEventKind::minimize);
  EXPECT_FALSE(musicThread.pause.load()) << "no music, no request";
}

TEST_F(KeyboardTest, DeactivationInFullScreenMinimises) {
  struct Case {
    bool active, fullScreen, minimised;
    int32_t requests;
  };
  const Case cases[] = {
      {false, true, false, 1}, {true, true, false, 0}, {false, false, false, 0}, {false, true, true, 0},
  };
  for (const Case& c : cases) {
    freshEngine();
    if (c.minimised) sendWindowEvent(WinEventKind::minimize);
    winNullSetActive(c.active);
    vtl.inFullScreen = c.fullScreen;
    sendWindowEvent(WinEventKind::deactivate);
    EXPECT_EQ(winNullMinimizeRequests(), c.requests)
        << "active " << c.active << ", full screen " << c.fullScreen << ", minimised " << c.minimised;
  }
}

}  // namespace

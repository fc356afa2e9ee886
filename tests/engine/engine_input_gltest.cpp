// The engine alone (engine_probe) in a real window under Xvfb, driven by real input through
// xdotool: page buttons, an edit field typed into, Tab, a selector turned by the wheel and
// clicked, Enter on the hovered button, a drag of the move handle that snaps the window to the
// screen's right edge, and a close request. The results are read from the window's geometry
// and from the options dialog's state file that the close writes. Where the elements lie is
// taken from the engine's own dialogs, built here without a window.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_options.h"
#include "engine/message_box.h"
#include "engine/pointer_input.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/program_copy.h"
#include "tests/support/xdotool.h"

namespace fs = std::filesystem;

namespace {
constexpr const char* kProbeTitle = "Vitrel engine probe";
constexpr int kScreenWidth = 1024;  // the Xvfb screen of the gl tests
using program_copy::readAll;
using program_copy::waitFor;

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

struct Geometry {
  int x = 0, y = 0, width = 0, height = 0;
};

// The KEY=value lines of an xdotool command's "--shell" output.
std::map<std::string, int> shellValues(const std::string& args) {
  std::istringstream lines(xdotool(args));
  std::map<std::string, int> v;
  for (std::string line; std::getline(lines, line);) {
    const size_t eq = line.find('=');
    if (eq != std::string::npos) v[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
  }
  return v;
}

bool geometryOf(const std::string& window, Geometry& g) {
  std::map<std::string, int> v = shellValues("getwindowgeometry --shell " + window);
  if (!v.count("X") || !v.count("WIDTH")) return false;
  g = {v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]};
  return g.width > 0 && g.height > 0;
}

// The caption field of element n's record in a state file ("|>|" n "|" enabled "|" visible "|"
// caption "|"); labels keep their built caption when a file is loaded, so they are read here.
std::string savedCaption(const std::string& state, int32_t n) {
  size_t at = state.find(">|" + std::to_string(n) + "|");
  for (int field = 0; field < 3 && at != std::string::npos; field++) at = state.find('|', at + 1 + (field == 0));
  if (at == std::string::npos) return "(no record)";
  const size_t end = state.find('|', at + 1);
  return end == std::string::npos ? "(no record)" : state.substr(at + 1, end - at - 1);
}

// A point in layout units.
struct Spot {
  double x, y;
};

class ProbeRun : public program_copy::ProgramCopy {
 public:
  ProbeRun() : ProgramCopy("skat-probe") {
    fs::create_directories(root / "app");
    fs::copy(SKAT_APP_DIR "/data", root / "app" / "data", fs::copy_options::recursive);
    // The close writes the state files' index into the settings folder, which the program
    // folder holds once the program ran.
    fs::create_directories(root / "app/data/settings");
    optionsFile = root / "app/data/vitrel/vtlopt.dco";
    notFirstRun = program_copy::markNotFirstRun(optionsFile);
  }
  void start() { ProgramCopy::start(SKAT_ENGINE_PROBE); }
  bool alive() const { return pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0; }

  fs::path optionsFile;
  bool notFirstRun = false;
  std::string window;  // xdotool's window id
  Geometry geometry;   // at the start of the input

  // Layout units to window pixels, as the pointer maps them back (units over the view).
  std::string at(Spot s) const {
    const int x = int(std::lround(s.x / kPointerUnitsX * geometry.width));
    const int y = int(std::lround(s.y / kPointerUnitsY * geometry.height));
    return std::to_string(x) + " " + std::to_string(y);
  }
  // A jump of the pointer (a warp) is followed by a nudge: the window system's global pointer
  // state, which the engine polls, is refreshed by motion of the pointer device, as a hand makes.
  void moveTo(Spot s) const {
    xdotool("mousemove --window " + window + " " + at(s));
    nudge();
  }
  static void nudge() {
    xdotool("mousemove_relative -- 1 0");
    xdotool("mousemove_relative -- -1 0");
  }
  // A frame or two for the engine's poll to see each step.
  void settle() const { pause(150); }
  // A click held as a hand holds it: frames are drawn between the press and the release.
  void click(Spot s) const {
    moveTo(s);
    settle();
    xdotool("mousedown 1");
    settle();
    xdotool("mouseup 1");
    settle();
  }
  void keys(const std::string& names) const {
    xdotool("key --delay 60 " + names);
    settle();
  }
  void type(const std::string& text) const {
    xdotool("type --delay 60 " + text);
    settle();
  }
};

// The engine's own dialogs, built without a window, tell where each element lies.
class EngineInputGL : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    createMessageDialogs();
    createEngineDialogs();
  }
  // Layout position of a point inside element n of dialog d, at fractions of its extent.
  static Spot inside(int32_t d, int32_t n, double fx = 0.5, double fy = 0.5) {
    const TVTLDialog& dlg = dialogOf(d);
    const TVTLElement& el = elementOf(d, n);
    return {dlg.x + el.x + el.width * fx, dlg.y + el.y + el.height * fy};
  }
  // The child of a selector: its text, or the arrow that steps forward.
  static int32_t selectorPart(int32_t d, int32_t selector, bool text) {
    const TVTLElement& sel = elementOf(d, selector);
    for (int i = 1; i <= sel.childCount; i++) {
      const int32_t c = sel.children[i];
      const TVTLElement& el = elementOf(d, c);
      if (text ? el.kind == ekPicture : (el.kind == ekArrow && el.checked)) return c;
    }
    return 0;
  }
};
}  // namespace

TEST_F(EngineInputGL, RealInputEditsTheOptionsMovesTheWindowAndIsSavedAtClose) {
  const TVTLOptionsDialogNumbers o = appopt.opt;
  const int32_t d = o.dialog;
  const int32_t styleText = selectorPart(d, o.windowStyleSelector, true);
  const int32_t styleNext = selectorPart(d, o.windowStyleSelector, false);
  ASSERT_GT(styleText, 0);
  ASSERT_GT(styleNext, 0);
  const std::string colourBefore = getElementText(d, o.elementColourEdit);
  ASSERT_EQ(colourBefore, "00003380");
  ASSERT_EQ(elementOf(d, o.windowStyleSelector).TopIndex, 1);

  ProbeRun run;
  ASSERT_TRUE(run.notFirstRun) << "the copy's vtlopt.dco carries the run marker \"first\"";
  run.start();
  ASSERT_GT(run.pid, 0);
  ASSERT_TRUE(waitFor(
      [&] {
        std::istringstream found(xdotool("search --onlyvisible --pid " + std::to_string(run.pid)));
        return bool(found >> run.window) && xdotool("getwindowname " + run.window).rfind(kProbeTitle, 0) == 0;
      },
      30))
      << "the probe's window did not show";
  ASSERT_TRUE(geometryOf(run.window, run.geometry));
  // The first paint loads the pictures before the frame loop takes input; nothing outside the
  // window tells when, so the start is given a moment. Without a window manager the window
  // gets the keyboard (and counts as active) only when asked.
  pause(1500);
  xdotool("windowfocus " + run.window);
  run.settle();
  ASSERT_TRUE(run.alive());

  // Page "Border" (to the right of where the "Schrift" button overlaps it), then the element
  // background colour: caret to the end, two characters off, two digits on.
  run.click(inside(d, o.pageButtons[2], 0.8));
  run.click(inside(d, o.elementColourEdit));
  run.keys("End BackSpace BackSpace");
  run.type("45");
  // Tab takes the keyboard from the edit field: a digit typed now does not reach it.
  run.keys("Tab");
  run.type("9");

  // The window-style selector: the wheel turned up over its text, then its forward arrow.
  run.moveTo(inside(d, styleText));
  run.settle();
  xdotool("click 4");
  run.settle();
  run.click(inside(d, styleNext));

  // The pointer resting on the "Schrift" button gives it the focus; Enter presses it.
  run.moveTo(inside(d, o.pageButtons[1], 0.2));
  run.settle();
  run.keys("Return");

  // The move handle dragged right and down, in steps the frame loop follows; the window ends
  // 5 pixels short of the screen's right edge and snaps to it at the release.
  Geometry before;
  ASSERT_TRUE(geometryOf(run.window, before));
  const int dx = kScreenWidth - before.width - 5 - before.x, dy = 100;
  run.moveTo(inside(vtl.overlayPanel, kOverlayMoveHandle));
  run.settle();
  std::map<std::string, int> start = shellValues("getmouselocation --shell");  // on the screen
  xdotool("mousedown 1");
  run.settle();
  // Small steps, a frame or more apart, as a hand drags; placed on the screen rather than moved
  // relatively, which the server's pointer acceleration would lengthen.
  constexpr int kSteps = 16;
  for (int i = 1; i <= kSteps; i++) {
    xdotool("mousemove " + std::to_string(start["X"] + dx * i / kSteps) + " " +
            std::to_string(start["Y"] + dy * i / kSteps));
    ProbeRun::nudge();
    run.settle();
  }
  xdotool("mouseup 1");
  Geometry after;
  const int snappedX = kScreenWidth - before.width;
  EXPECT_TRUE(waitFor([&] { return geometryOf(run.window, after) && after.x == snappedX; }, 5))
      << "expected the window at x " << snappedX << ", got " << after.x << " (from " << before.x << ")";
  EXPECT_EQ(after.y, before.y + dy) << "the window moves down with the pointer";
  EXPECT_EQ(after.width, before.width);

  // The close request; the close writes the options file.
  ASSERT_EQ(::kill(run.pid, SIGTERM), 0);
  ASSERT_EQ(run.waitForExit(20), 0) << "the close request was not answered with an orderly end";
  ASSERT_TRUE(loadDialogState(d, run.optionsFile.string(), 0)) << "the options file reads back";
  const std::string state = readAll(run.optionsFile);

  struct Saved {
    const char* what;
    std::string expected, got;
  } const saved[] = {
      {"element background colour", "00003345", getElementText(d, o.elementColourEdit)},
      {"window style entry", "3", std::to_string(elementOf(d, o.windowStyleSelector).TopIndex)},
      {"first page shown", "1", std::to_string(elementOf(d, o.fontEdit).visible)},
      {"second page hidden", "0", std::to_string(elementOf(d, o.elementColourEdit).visible)},
      {"left edge label", std::to_string(snappedX), savedCaption(state, o.leftLabel)},
      {"top edge label", std::to_string(before.y + dy), savedCaption(state, o.topLabel)},
      {"run marker", "second", getElementText(d, o.folderEdit)},
  };
  for (const Saved& s : saved) EXPECT_EQ(s.got, s.expected) << s.what;
}

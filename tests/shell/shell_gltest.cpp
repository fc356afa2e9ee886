// The main window under Xvfb: the real program leaves the state files of its dialogs at close,
// a first start takes the user's name into Skat's options, and a Skat list started in the
// shell probe shows the bidding row of the decision panel, whose button a real click (xdotool)
// answers. Dialog and element numbers come from the shell's own build, made here without a
// window.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_id.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/ppm_picture.h"
#include "tests/shell/shell_gl_fixture.h"
#include "tests/support/program_copy.h"
#include "tests/support/xdotool.h"

namespace fs = std::filesystem;

namespace {
using program_copy::readAll;
using program_copy::waitFor;
}  // namespace

TEST_F(ShellGL, TheProgramLeavesTheStateFilesOfItsDialogsAtClose) {
  ShellRun program(false);
  ASSERT_TRUE(program.markedSecond);
  ASSERT_TRUE(program.startProgram());
  ASSERT_EQ(program.close(), 0) << "the close request was not answered with an orderly end";
  ASSERT_EQ(dlgGameOptions[gidSkat], 19);
  ASSERT_EQ(dlgDisplay, 21);
  int kept = 0;
  for (int32_t n = 1; n <= 58; n++) {
    const int32_t d = n + kEngineDialogs;
    if (!keepsState(d)) continue;
    kept++;
    EXPECT_TRUE(fs::exists(program.settings(d))) << "dialog " << d << " \"" << dialogOf(d).title.view() << "\"";
  }
  EXPECT_GT(kept, 40);
  const std::string errors = readAll(program.root / "app/errors.txt");
  EXPECT_EQ(errors.find("ERROR IN"), std::string::npos) << errors;
}

TEST_F(ShellGL, AFirstStartTakesTheUsersNameAndGenderIntoSkatsOptions) {
  ShellRun program(true);
  ASSERT_TRUE(program.startProgram({{"USER", "Anna"}}));
  ASSERT_EQ(program.close(), 0);
  const int32_t d = dlgGameOptions[gidSkat];
  ASSERT_TRUE(loadDialogState(d, program.settings(d).string(), 0)) << "di_19.dco reads back";
  EXPECT_EQ(getElementText(d, elPlayerNameEdit[gidSkat]), "Anna");
  EXPECT_EQ(elementOf(d, elGenderList[gidSkat]).TopIndex, 1)
      << "Anna is a woman's name; element " << elGenderList[gidSkat] << " in:\n"
      << readAll(program.settings(d));
}

TEST_F(ShellGL, ASkatListShowsTheBiddingRowAndARealClickAnswersIt) {
  ShellRun probe(false);
  const fs::path report = probe.root / "probe.txt";
  probe.start(SKAT_SHELL_PROBE, {{"SKAT_SEED", "7"}, {"SKAT_PROBE_REPORT", report.string()}});
  ASSERT_TRUE(waitFor([&] { return readAll(report).find("SHOWN") != std::string::npos; }, 90))
      << "no two-option decision was shown:\n"
      << readAll(report);

  struct Button {
    int i = 0, value = 0, x = 0, y = 0;
  };
  std::vector<Button> buttons;
  std::istringstream lines(readAll(report));
  for (std::string word; lines >> word;) {
    Button b;
    if (word == "BUTTON" && lines >> b.i >> b.value >> b.x >> b.y) buttons.push_back(b);
  }
  ASSERT_GE(buttons.size(), 2u);
  const Button yes = buttons[buttons.size() - 2], no = buttons[buttons.size() - 1];

  PpmPicture before, shown;
  ASSERT_TRUE(before.read(probe.root / "before.ppm"));
  ASSERT_TRUE(shown.read(probe.root / "decision.ppm"));
  ASSERT_EQ(before.width, shown.width);
  for (const Button& b : {yes, no})
    EXPECT_GT(shown.difference(before, b.x, b.y), 30) << "option " << b.i << " is drawn at " << b.x << "," << b.y;

  const std::string window = xdotool("search --name 'Skat shell probe'");
  ASSERT_FALSE(window.empty());
  const std::string id = window.substr(0, window.find('\n'));
  xdotool("mousemove --window " + id + " " + std::to_string(yes.x) + " " + std::to_string(yes.y));
  xdotool("mousemove_relative -- 1 0");
  usleep(200000);
  xdotool("mousedown 1");
  usleep(150000);
  xdotool("mouseup 1");
  const std::string expected = "ANSWER 2 0 " + std::to_string(yes.value);
  EXPECT_TRUE(waitFor([&] { return readAll(report).find(expected) != std::string::npos; }, 20))
      << "expected \"" << expected << "\" in:\n"
      << readAll(report);
  EXPECT_EQ(probe.close(), 0);
}

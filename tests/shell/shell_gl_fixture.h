// The main window's window-test pieces: a copy of the program folder with the program running
// in it, and the shell's dialogs built without a window, whose dialog and element numbers
// and places the tests aim at.
#pragma once

#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/dialogs.h"
#include "engine/engine_dialogs.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/program_copy.h"

namespace fs = std::filesystem;
constexpr int kEngineDialogs = 7;  // the engine's own dialogs come first

// A copy of the program folder with the program or the probe running in it.
class ShellRun : public program_copy::ProgramCopy {
 public:
  explicit ShellRun(bool firstRun) : ProgramCopy("skat-shell") {
    fs::copy(SKAT_APP_DIR, root / "app", fs::copy_options::recursive);
    if (!firstRun) markedSecond = program_copy::markNotFirstRun(root / "app/data/vitrel/vtlopt.dco");
  }
  fs::path settings(int32_t dialog) const {
    return root / "app/data/settings" / ("di_" + std::to_string(dialog) + ".dco");
  }
  // Asks for the close as the window system does and waits for the orderly end.
  int close() {
    if (::kill(pid, SIGTERM) != 0) return -1;
    return waitForExit(60);
  }
  // Starts the program and waits until its start-up is over: its first frame was presented
  // (the loading screen) and a few seconds more let the start-up event run to its end, which
  // the close request then waits for in the window's queue.
  bool startProgram(std::vector<std::pair<const char*, std::string>> env = {}) {
    const fs::path dump = root / "first.ppm";
    env.emplace_back("SKAT_FRAME_DUMP", dump.string());
    start("./skat", env);
    if (!program_copy::waitFor([&] { return fs::exists(dump); }, 60)) return false;
    ::sleep(5);
    return true;
  }
  bool markedSecond = false;
};

// The shell's dialogs built without a window, after the engine's own.
class ShellGL : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    // The titles come from the program's text tables: a dialog without its title has no title
    // label, and its elements would count from 1 instead of 2.
    std::filesystem::create_directories(folder_ / "data" / "local");
    for (const char* table : {"fragments.txt", "messages.txt"})
      std::filesystem::copy_file(fs::path(SKAT_APP_DIR) / "data" / "local" / table, folder_ / "data" / "local" / table);
    setLanguage("deutsch", 1);
    loadFragments();
    loadMessageTable();
    createMessageDialogs();
    createEngineDialogs();
    Tglapp::diagcreate();
  }
  // The dialogs whose states the engine keeps in files: titled ones but the lobby and the start
  // screen.
  static bool keepsState(int32_t d) {
    return !dialogOf(d).title.view().starts_with('#') && d != dlgInternet && d != dlgStartScreen;
  }
};

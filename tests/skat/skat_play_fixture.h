// Skat lists played headless through the core: the core's tick, the table's animation with
// the finished moves handed to the core as the frame handler does, and answers submitted
// for the seat to act. A program folder of its own holds the profiles, the highscores and
// the trace log.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "core/cg.h"
#include "engine/error_log.h"
#include "engine/frame_rate.h"
#include "games/skat/skat_callbacks.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "tests/skat/skat_fixture.h"
#include "tests/support/headless_skat.h"

class SkatPlayFixture : public SkatFixture {
 protected:
  void SetUp() override {
    SkatFixture::SetUp();  // the texts come from the repository's data folder
    namespace fs = std::filesystem;
    if (folder.empty()) {
      char pattern[] = "/tmp/skat_play_XXXXXX";
      ASSERT_NE(mkdtemp(pattern), nullptr);
      folder = pattern;
      fs::create_directories(folder + "/data/oldsk");
      fs::create_directories(folder + "/data/settings");
      for (const auto& e : fs::directory_iterator(std::string(SKAT_SOURCE_DIR) + "/data/oldsk"))
        fs::copy_file(e.path(), folder + "/data/oldsk/" + e.path().filename().string());
    }
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    resetTableAndCore();
  }
  void TearDown() override {
    resetTableAndCore();
    resetErrorLog();
    SkatFixture::TearDown();
    std::filesystem::remove_all(folder);
  }

  static void resetTableAndCore() { resetHeadlessSkat(2, skatDefaultOptions); }

  void frame() { headlessFrame(); }

  // Every seat is answered by the test.
  static void allSeatsAnsweredByTheTest() {
    for (int s = 1; s <= 3; s++) cg.seatRecords[s].kind = seatKindUser;
  }

  // Runs frames until the game is settled, calling `answer` whenever a decision waits.
  // False when the game stalls.
  // `afterFrame` runs after every frame.
  bool playGame(const std::function<void()>& answer, const std::function<void()>& afterFrame = {},
                int frameLimit = 20000) {
    for (int f = 0; f < frameLimit; f++) {
      if (cg.gs.phase == 5) return true;
      if (cg.gs.awaitingAction == 2) answer();
      frame();
      if (afterFrame) afterFrame();
    }
    return false;
  }

  std::string traceLog() const {
    std::ifstream in(folder + "/proto3.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::string folder;
};

// A casino game played headless: a program folder of its own under /tmp, the repository's
// texts, and the alerts counted; everything undone after the test.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "tests/support/headless_skat.h"

class CasinoFixture : public ::testing::Test {
 public:
  // `pattern` is a mkdtemp pattern. The generator's reseeding is fixed to `seed`: a new game
  // reseeds it, and fixed it reseeds the same way at every run.
  void openCasinoFolder(const char* pattern, uint64_t seed) {
    randomFixSeed(seed);
    savedFolder = programFolder();
    std::string name = pattern;
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder = name;
    std::filesystem::create_directories(folder + "/data/settings");
    std::filesystem::create_directories(folder + "/save");
    setProgramFolder(CASINO_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    alerts = 0;
    setTraceListener([this](std::string_view t) {
      if (t.find("ACHTUNG") != std::string_view::npos || t.find("ATTENTION") != std::string_view::npos) {
        alerts++;
        lastAlert = std::string(t);
      }
    });
  }
  void TearDown() override {
    setTraceListener({});
    resetHeadlessSkat(1, skatDefaultOptions);
    resetErrorLog();
    resetTextTables();
    setProgramFolder(savedFolder);
    std::filesystem::remove_all(folder);
    randomReleaseSeed();
  }

  std::string folder, savedFolder;
  int alerts = 0;
  std::string lastAlert;
};

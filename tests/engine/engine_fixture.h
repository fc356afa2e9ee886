// Test fixture of the engine model: a fresh engine (no dialogs, empty string container, default
// options) for every test, and a private program folder for the files a test writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "engine/display_modes.h"
#include "engine/engine_form.h"
#include "engine/error_log.h"
#include "engine/fonts.h"
#include "engine/frame_rate.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/window.h"
#include "platform/paths.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    initFontTables();
    currentFont = 0;
    previousFolder_ = programFolder();
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& c : name)
      if (c == '/') c = '_';
    folder_ = std::filesystem::temp_directory_path() / ("skat-engine-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "data" / "settings");
    // The first paint loads the fonts and stops without the width file: zero widths, as before.
    std::filesystem::create_directories(folder_ / "data" / "vitrel");
    std::ofstream(folder_ / "data" / "vitrel" / "f.cwi", std::ios::binary) << std::string(kFontWidthFileSize, '\0');
    setProgramFolder(folder_.string());
  }
  void TearDown() override {
    setProgramFolder(previousFolder_);
    std::filesystem::remove_all(folder_);
  }
  std::filesystem::path folder_;

  // The state a run of the form leaves behind: the null window, layout, frame rate, texts,
  // loading screen, error log and display switch, all as at start.
  static void resetFormState() {
    winSetBackend(WindowBackend::null);
    winNullReset();
    resetWindowLayout();
    resetFrameRate();
    resetTextTables();
    resetLoadingScreen();
    resetErrorLog();
    fullscr.destroy();
  }

 private:
  std::string previousFolder_;
};

// The program's start and shut-down on the null window backend: the install switch, the
// write test, a whole run from the first paint to the close event, and the close query.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/display_modes.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/error_log.h"
#include "engine/fonts.h"
#include "engine/frame_rate.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/instance.h"
#include "platform/window.h"
#include "shell/main_window.h"
#include "shell/program_main.h"
#include "tests/engine/temp_folder.h"
#include "tests/support/alerts.h"

namespace fs = std::filesystem;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    resetWindowLayout();
    resetFrameRate();
    resetTextTables();
    resetLoadingScreen();
    resetErrorLog();
    winSetBackend(WindowBackend::null);
    winNullReset();
    for (const char* f : {"fragments.txt", "messages.txt"})
      fs::copy_file(fs::path(SKAT_SOURCE_DIR) / "data" / "local" / f, fs::path(folder.root()) / "data" / "local" / f);
    // The first paint stops without the font widths; zero widths do for a run without drawing.
    fs::create_directories(fs::path(folder.root()) / "data" / "vitrel");
    folder.write("\\data\\vitrel\\f.cwi", std::string(kFontWidthFileSize, '\0'));
    setInstanceFolder(folder.root());
  }
  void TearDown() override {
    winClose();
    fullscr.destroy();
    instanceRelease();
    resetErrorLog();
    setEngineEventHandler(nullptr);
    installFailingAlertSink();  // the program put the message box's sink in
  }
  bool exists(const std::string& path) const { return fs::exists(fs::path(folder.root()) / path); }

  TempProgramFolder folder;
};

TEST_F(ProgramTest, ARunOpensTheWindowShowsTheLoadingScreenAndClosesInOrder) {
  winPostClose();  // waits in the queue: the first frame's messages bring it
  const int rc = programMain({});
  EXPECT_EQ(rc, 0);
  EXPECT_TRUE(vtl.exitGranted) << "the close query granted the close";
  EXPECT_EQ(vtl.loadingPercent, 100) << "the start-up event ends with the table design's pictures";
  EXPECT_EQ(textTables.languageName, "deutsch");
  EXPECT_GT(textTables.fragmentCount, 0);
  EXPECT_TRUE(exists("errors.txt"));
  EXPECT_TRUE(exists("proto3.txt"));
  ASSERT_TRUE(exists("data/settings/hs.dat")) << "the close event saved the highscores";
  EXPECT_EQ(fs::file_size(fs::path(folder.root()) / "data/settings/hs.dat"), 127680u);
  EXPECT_FALSE(winIsOpen());
}

TEST_F(ProgramTest, AFolderThatCannotBeWrittenEndsBeforeAnyWindow) {
  fs::create_directories(fs::path(folder.root()) / "errors.txt");  // cannot be opened for appending
  EXPECT_EQ(programMain({}), 1);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_NE(winNullMessageBoxes()[0].find(kAccessDeniedText), std::string::npos) << winNullMessageBoxes()[0];
  EXPECT_NE(std::string(kAccessDeniedText).find("f\xfchren"), std::string::npos) << "Windows-1252 bytes";
  EXPECT_FALSE(winIsOpen());
}

TEST_F(ProgramTest, TheInstallSwitchEndsAtOnceAndOnlyInItsOwnSpelling) {
  EXPECT_EQ(programMain({"/install"}), 0);
  EXPECT_FALSE(exists("errors.txt")) << "no write test, no window";
  EXPECT_FALSE(exists("data/splitter.nui")) << "this system's registry knows no Ogg components";
  winPostClose();
  EXPECT_EQ(programMain({"/INSTALL"}), 0);
  EXPECT_TRUE(exists("errors.txt")) << "another spelling starts the program";
}

TEST_F(ProgramTest, TheCloseQueryGrantsAndSetsExitGranted) {
  EXPECT_TRUE(Tglapp::ccapp());
  EXPECT_TRUE(vtl.exitGranted);
  vtl.noQuitQuestion = true;
  EXPECT_TRUE(Tglapp::wirklichbeenden()) << "after a fatal error nothing is asked";
}

TEST_F(ProgramTest, OnlyCallsWithTheEnginesMarkAreEvents) {
  Tglapp::FormMouseWheelDown(0, evClose, evClose);  // a real wheel turn with odd numbers
  EXPECT_FALSE(exists("data/settings/hs.dat"));
  Tglapp::FormMouseWheelDown(kEngineEventMark, evClose, evClose);
  EXPECT_TRUE(exists("data/settings/hs.dat"));
}

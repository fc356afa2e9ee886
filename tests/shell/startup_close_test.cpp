// The main window's start-up event (-1), the hardware test's scenes (-15) and progress
// (-17), and the close event (-5) with its trace labels and a save that fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/card_ai.h"
#include "core/cg.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "platform/window.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "tests/engine/temp_folder.h"

namespace fs = std::filesystem;

namespace {

class StartupCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    resetTextTables();
    resetLoadingScreen();
    resetErrorLog();
    winSetBackend(WindowBackend::null);
    winNullReset();
    clearGameDialogNumbers();
    for (const char* f : {"fragments.txt", "messages.txt"})
      fs::copy_file(fs::path(SKAT_SOURCE_DIR) / "data" / "local" / f, fs::path(folder.root()) / "data" / "local" / f);
    fs::create_directories(fs::path(folder.root()) / "data" / "settings");
    cg.gameId = gidSkat;
    cg.userName.clear();
    cg.userVoice = 0;
    playerName.clear();
    femaleFlag = 0;
    setTraceListener([this](std::string_view t) { traces.emplace_back(t); });
  }
  void TearDown() override {
    setTraceListener(nullptr);
    setHardwareTestSceneDrawer(nullptr);
    clearGameDialogNumbers();
    resetEngineModel();
    resetErrorLog();
    playerName.clear();
    femaleFlag = 0;
    cg.gameId = gidNone;
  }

  // A fresh engine as at the next start of the program: the dialogs are built again.
  void restart() {
    clearGameDialogNumbers();
    resetEngineModel();
    traces.clear();
  }

  // The trace lines from the first that starts with "unit1.onclose" on.
  std::vector<std::string> closeTraces() const {
    std::vector<std::string> out;
    for (const std::string& t : traces)
      if (!out.empty() || t.starts_with("unit1.onclose")) out.push_back(t);
    return out;
  }

  std::string path(const std::string& rel) const { return (fs::path(folder.root()) / rel).string(); }

  TempProgramFolder folder;
  std::vector<std::string> traces;
};

constexpr TGameId kNamedGames[] = {0, 1, 3, 4, 9, 13, 14, 15, 16, 17};

TEST_F(StartupCloseTest, TheRegistryNameGoesIntoTheNameEditsAndTheGenderChoices) {
  struct Case {
    const char* name;
    uint8_t female;
    uint8_t voice;
    int32_t item;
  };
  for (const Case& c : {Case{"Anna", 1, 3, 1}, Case{"Bernd", 0, 6, 2}}) {
    restart();
    playerName = c.name;
    femaleFlag = c.female;
    Tglapp::startup();
    for (TGameId g : kNamedGames)
      EXPECT_EQ(getElementText(dlgGameOptions[g], elPlayerNameEdit[g]), c.name) << "game " << int(g);
    EXPECT_EQ(getElementText(dlgGameOptions[gidDoppelkopf], elPlayerNameEdit[gidDoppelkopf]), "Name")
        << "Doppelkopf is not in the set: its edit keeps the caption it was built with";
    EXPECT_EQ(cg.userName, c.name);
    EXPECT_EQ(cg.userVoice, c.voice) << c.name;
    EXPECT_EQ(getTopIndex(dlgGameOptions[gidSkat], elGenderList[gidSkat]), c.item) << c.name;
  }
}

TEST_F(StartupCloseTest, WithoutARegistryNameTheSavedTextsStay) {
  Tglapp::startup();
  setElementText(dlgGameOptions[gidSkat], elPlayerNameEdit[gidSkat], "Gespeichert", 0);
  setTopIndex(dlgGameOptions[gidSkat], elGenderList[gidSkat], 1);
  Tglapp::closeDown();

  restart();
  Tglapp::startup();
  EXPECT_EQ(getElementText(dlgGameOptions[gidSkat], elPlayerNameEdit[gidSkat]), "Gespeichert");
  EXPECT_EQ(getTopIndex(dlgGameOptions[gidSkat], elGenderList[gidSkat]), 1);
  EXPECT_EQ(cg.userName, "") << "the user's name comes from the saved game state then";
  EXPECT_EQ(vtl.loadingPercent, 100) << "the settings reload the table design's pictures";
}

TEST_F(StartupCloseTest, TheStartUpLoadsTheTextsBuildsTheDialogsAndReadsTheHighscores) {
  Tglapp::startup();
  EXPECT_EQ(textTables.languageName, "deutsch");
  EXPECT_NE(dlgInGame, 0);
  EXPECT_NE(dlgGameList, 0);
  EXPECT_TRUE(fs::exists(path("data/settings/hs.dat"))) << "a missing highscore file is made anew";
  EXPECT_TRUE(aiRegistry.empty());
}

std::vector<std::pair<int32_t, bool>> drawnScenes;
void countScene(int32_t mode, bool benchmark) { drawnScenes.emplace_back(mode, benchmark); }

TEST_F(StartupCloseTest, HardwareTestScenesDrawTheTableInTheirModes) {
  using Calls = std::vector<std::pair<int32_t, bool>>;
  struct Case {
    int32_t scene;
    Calls want;
  };
  const Calls five = {{5, true}, {0, true}, {5, true}, {0, true}, {5, true},
                      {0, true}, {5, true}, {0, true}, {5, true}, {0, true}};
  const Case cases[] = {{1, {{0, true}}}, {2, {{5, true}}}, {3, five}, {4, {}}};
  setHardwareTestSceneDrawer(countScene);
  for (const Case& c : cases) {
    drawnScenes.clear();
    Tglapp::hardwareTestScene(c.scene);
    EXPECT_EQ(drawnScenes, c.want) << "scene " << c.scene;
  }
}

TEST_F(StartupCloseTest, TheProgressEventAddsOneDotToTheLoadingText) {
  setLoadingText("Initializing");
  for (int i = 0; i < 3; i++) Tglapp::hardwareTestProgress();
  EXPECT_EQ(vtl.loadingText, "Initializing...");
}

const std::vector<std::string> kCloseLabels = {
    "unit1.onclose(-5).SAVEALL",  "unit1.onclose(-5).SAVESETTZ", "unit1.onclose(-5).K12_FREE",
    "unit1.onclose(-5).HC_FREE,IHC_FREE", "unit1.onclose(-5).CG_FREE", "unit1.onclose(-5).SNDFREE",
    "unit1.onclose(-5).SCODEFREE", "unit1.onclose(-5).POKC_FREE"};

// Each label and the line that ends its group ("OK" or the failure), without stand-in lines.
std::vector<std::pair<std::string, std::string>> closeGroups(const std::vector<std::string>& lines) {
  std::vector<std::pair<std::string, std::string>> groups;
  for (size_t i = 0; i < lines.size(); i++) {
    if (!lines[i].starts_with("unit1.onclose")) continue;
    size_t j = i + 1;
    while (j < lines.size() && lines[j].ends_with(": not available")) j++;
    groups.emplace_back(lines[i], j < lines.size() ? lines[j] : "");
  }
  return groups;
}

TEST_F(StartupCloseTest, TheCloseSavesAndFreesInItsOrder) {
  Tglapp::startup();
  Tglapp::closeDown();
  auto groups = closeGroups(closeTraces());
  ASSERT_EQ(groups.size(), kCloseLabels.size());
  for (size_t i = 0; i < groups.size(); i++) {
    EXPECT_EQ(groups[i].first, kCloseLabels[i]);
    EXPECT_EQ(groups[i].second, "OK") << kCloseLabels[i];
  }
  EXPECT_EQ(closeTraces().back(), "closeDown: clusterer: not available") << "the case memory comes last";
}

TEST_F(StartupCloseTest, AHighscoreFileThatCannotBeWrittenIsLoggedAndTheCloseGoesOn) {
  Tglapp::startup();
  fs::remove(path("data/settings/hs.dat"));
  fs::create_directories(path("data/settings/hs.dat/blocked"));  // cannot be replaced
  setErrorLogFile(path("errors.txt"));
  fs::remove(dialogStateFileName(dlgInGame));
  Tglapp::closeDown();
  auto groups = closeGroups(closeTraces());
  ASSERT_EQ(groups.size(), kCloseLabels.size()) << "every step after the failure ran";
  EXPECT_EQ(groups[0].second, "OK") << "the dialog states were saved";
  EXPECT_TRUE(groups[1].second.starts_with("FEHLER")) << groups[1].second;
  for (size_t i = 2; i < groups.size(); i++) EXPECT_EQ(groups[i].second, "OK") << kCloseLabels[i];
  EXPECT_TRUE(fs::exists(dialogStateFileName(dlgInGame)));
  EXPECT_NE(folder.read("\\errors.txt").find("SAVESETTZ"), std::string::npos) << "the failure is in the error log";
}

TEST_F(StartupCloseTest, ADialogStateFileThatCannotBeWrittenCostsNoOtherFile) {
  Tglapp::startup();
  const std::string blocked = dialogStateFileName(dlgIPanel);
  fs::create_directories(blocked + "/blocked");
  setErrorLogFile(path("errors.txt"));
  Tglapp::closeDown();
  auto groups = closeGroups(closeTraces());
  ASSERT_EQ(groups.size(), kCloseLabels.size());
  EXPECT_TRUE(groups[0].second.starts_with("FEHLER")) << groups[0].second;
  EXPECT_EQ(groups[1].second, "OK");
  for (int32_t d : {dlgInGame, dlgGameList, dlgGameOptions[gidSkat], int32_t(vtl.diags.count())})
    EXPECT_TRUE(fs::exists(dialogStateFileName(d))) << "dialog " << d;
  EXPECT_TRUE(fs::is_regular_file(path("data/settings/hs.dat")));
}

struct TCleanupAI : TAbstractCardAIImpl {
  explicit TCleanupAI(std::vector<std::string>& heard) : TAbstractCardAIImpl("Probe", gidHearts), heard(heard) {}
  void cleanup() override { heard.push_back("cleanup"); }
  std::vector<std::string>& heard;
};

TEST_F(StartupCloseTest, TheCardAIObjectsAreCleanedUpAndFreedFirst) {
  Tglapp::startup();
  std::vector<std::string> heard;
  aiRegistry.push_back(std::make_unique<TCleanupAI>(heard));
  setTraceListener([&](std::string_view t) {
    if (t.starts_with("unit1.onclose")) heard.emplace_back(t);
  });
  Tglapp::closeDown();
  ASSERT_GE(heard.size(), 2u);
  EXPECT_EQ(heard[0], "cleanup");
  EXPECT_EQ(heard[1], "unit1.onclose(-5).SAVEALL");
  EXPECT_TRUE(aiRegistry.empty());
}

}  // namespace

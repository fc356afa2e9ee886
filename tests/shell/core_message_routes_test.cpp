// The core's boxes in the engine's message box: a box per message id with each button's
// answer back to the core, the core's questions that act on the answer, and the program that
// installs the routes at start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/message_box.h"
#include "engine/modal_wait.h"
#include "engine/relayout.h"
#include "engine/texts.h"
#include "platform/instance.h"
#include "platform/paths.h"
#include "platform/window.h"
#include "shell/core_message_routes.h"
#include "shell/program_main.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alerts.h"

namespace fs = std::filesystem;

namespace {

// What a box showed while it waited.
struct TSeenBox {
  std::string title;
  std::string text;
  bool okShown;
  bool yesNoShown;
};

const TCG& blankGame() {
  static const TCG* b = new TCG();
  return *b;
}

class RoutedBoxes : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetTextTables();
    fs::create_directories(folder_ / "data" / "local");
    for (const char* f : {"fragments.txt", "messages.txt"})
      fs::copy_file(fs::path(SKAT_SOURCE_DIR) / "data" / "local" / f, folder_ / "data" / "local" / f);
    setLanguage("deutsch", 1);
    loadFragments();
    loadMessageTable();
    createMessageDialogs();
    addMessageBoxButtons(0);
    relayoutDialogs(true, -1, false);
    vtl.engineState = esRunning;
    cg = blankGame();
    installCoreMessageRoutes();
    // Each nested frame step answers the box on top with the next button of `presses`.
    setNestedFrameStep([this] {
      const int32_t d = vtl.boxDialog;
      seen.push_back(TSeenBox{getElementText(d, 1), getElementText(d, vtl.boxTextElement),
                              elementOf(d, vtl.boxOkButton).visible != 0,
                              elementOf(d, vtl.boxYesButton).visible != 0});
      if (presses.empty()) {
        ADD_FAILURE() << "a box nobody expected: " << seen.back().text;
        vtl.modalWait = false;
        return;
      }
      const int32_t button = *presses.front();
      presses.erase(presses.begin());
      activateElement(d, button);
    });
  }
  void TearDown() override {
    EXPECT_TRUE(presses.empty()) << "a box that was expected did not come";
    setNestedFrameStep(nullptr);
    removeCoreMessageRoutes();
    cg = blankGame();
    resetTextTables();
    EngineTest::TearDown();
  }

  std::vector<int32_t*> presses;  // the buttons to press, box by box
  std::vector<TSeenBox> seen;     // every box shown, in order
};

}  // namespace

TEST_F(RoutedBoxes, EachMessageOfTheCoreShowsItsBoxAndGivesBackTheButtonsAnswer) {
  const struct {
    int id;
    const char* value;
    int32_t* button;
    int answer;
    const char* title;
    const char* text;  // a piece of the box's text
    bool yesNo;
  } cases[] = {
      {1, "", &vtl.boxYesButton, mbAnswerYes, "Highscore", "wirklich zurückgesetzt werden?", true},
      {1, "", &vtl.boxNoButton, mbAnswerNo, "Highscore", "wirklich zurückgesetzt werden?", true},
      {6, "", &vtl.boxOkButton, mbAnswerOk, "Highscore", "Die Highscores wurden zurückgesetzt.", false},
      {7, "Partie 3", &vtl.boxYesButton, mbAnswerYes, "Speichern", "\"Partie 3\" existiert bereits", true},
      {7, "Partie 3", &vtl.boxNoButton, mbAnswerNo, "Speichern", "\"Partie 3\" existiert bereits", true},
      {8, "Partie 3", &vtl.boxOkButton, mbAnswerOk, "Speichern", "unter dem Namen \"Partie 3\" gespeichert", false},
  };
  for (const auto& c : cases) {
    seen.clear();
    presses = {c.button};
    EXPECT_EQ(coreShowMessageById(c.id, c.value), c.answer) << "message " << c.id;
    ASSERT_EQ(seen.size(), 1u) << "message " << c.id;
    EXPECT_EQ(seen[0].title, c.title) << "message " << c.id;
    EXPECT_NE(seen[0].text.find(c.text), std::string::npos) << "message " << c.id << ": " << seen[0].text;
    EXPECT_EQ(seen[0].yesNoShown, c.yesNo) << "message " << c.id;
    EXPECT_EQ(seen[0].okShown, !c.yesNo) << "message " << c.id;
  }
}

TEST_F(RoutedBoxes, BoxesByTextShowTextCaptionAndButtons) {
  presses = {&vtl.boxOkButton};
  EXPECT_EQ(coreShowMessage("Gewonnen mit 61 Augen.", "Spielergebnis", 0, "!Weiter"), mbAnswerOk);
  presses = {&vtl.boxNoButton};
  EXPECT_EQ(coreShowMessage("Noch eine Runde?", "Frage", 4), mbAnswerNo);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].title, "Spielergebnis");
  EXPECT_EQ(seen[0].text, "Gewonnen mit 61 Augen.");
  EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxOkButton), "!Weiter");
  EXPECT_TRUE(seen[1].yesNoShown);
}

TEST_F(RoutedBoxes, TheCoresQuestionsActOnTheAnswerGiven) {
  // "Nein" to the reset question: nothing is reset, so no notice follows; "Ja": the notice.
  presses = {&vtl.boxNoButton};
  cg.resetHighscores(true);
  EXPECT_EQ(seen.size(), 1u);
  presses = {&vtl.boxYesButton, &vtl.boxOkButton};
  cg.resetHighscores(true);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[2].text, "Die Highscores wurden zurückgesetzt.");

  // A save over an existing name: "Nein" keeps the old file, "Ja" overwrites and tells so.
  const std::string base = programPath("\\save\\partie");
  ASSERT_FALSE(cg.saveGame(base, "partie", true));
  const std::string mainFile = base + ".";
  ASSERT_TRUE(fs::exists(mainFile));
  fs::resize_file(mainFile, 1);  // marks the old file
  seen.clear();
  presses = {&vtl.boxNoButton};
  EXPECT_FALSE(cg.saveGame(base, "partie", false));
  EXPECT_EQ(fs::file_size(mainFile), 1u) << "declined: the old file stays";
  presses = {&vtl.boxYesButton, &vtl.boxOkButton};
  EXPECT_FALSE(cg.saveGame(base, "partie", false));
  EXPECT_GT(fs::file_size(mainFile), 1u) << "overwritten";
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_NE(seen[2].text.find("gespeichert"), std::string::npos) << seen[2].text;
}

// The program itself: a damaged highscore file at start-up is reported through the routes (the
// box's buttons do not exist yet then, so the system box shows it), and the routes end with
// the engine.
class ProgramRoutes : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetFormState();
    fs::create_directories(folder_ / "data" / "local");
    for (const char* f : {"fragments.txt", "messages.txt"})
      fs::copy_file(fs::path(SKAT_SOURCE_DIR) / "data" / "local" / f, folder_ / "data" / "local" / f);
    std::ofstream(folder_ / "data" / "settings" / "hs.dat", std::ios::binary) << "kaputt";
    setInstanceFolder(folder_.string());
  }
  void TearDown() override {
    winClose();
    instanceRelease();
    resetFormState();
    setEngineEventHandler(nullptr);
    installFailingAlertSink();  // the program put the message box's sink in
    EngineTest::TearDown();
  }
};

TEST_F(ProgramRoutes, TheProgramShowsTheCoresNoticesAndDropsTheRoutesAtItsEnd) {
  winPostClose();
  EXPECT_EQ(programMain({}), 0);
  bool noticeShown = false;
  for (const std::string& box : winNullMessageBoxes())
    if (box.rfind("Highscore|", 0) == 0) noticeShown = true;
  EXPECT_TRUE(noticeShown) << "the damaged-file notice reached a box";
  const TCoreMessageRoutes left = setCoreMessageRoutes({});
  EXPECT_FALSE(left.showMessage) << "no route to boxes that are gone";
  EXPECT_FALSE(left.showMessageById);
}

// The options dialogs' common frame on the engine model: Skat's dialog as the frame lays it
// out, the final shift of the build, the tab, back and reset buttons, the refresh protocol of
// the games, the sub-dialogs, the sort menus and selectGame.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/options_frame.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"
#include "shell/sort_menus.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/engine/engine_fixture.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::pair<int32_t, int32_t>> refreshCalls;
void recordRefresh(int32_t element, int32_t decrement) { refreshCalls.emplace_back(element, decrement); }

class OptionsFrameTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetTextTables();
    fs::create_directories(folder_ / "data" / "local");
    fs::copy_file(fs::path(SKAT_SOURCE_DIR) / "data" / "local" / "fragments.txt",
                  folder_ / "data" / "local" / "fragments.txt");
    setLanguage("deutsch", 1);
    loadFragments();
    createMessageDialogs();
    createEngineDialogs();
    Tglapp::diagcreate();
    vtl.mainWindowEvent = Tglapp::FormMouseWheelDown;
    skat = dlgGameOptions[gidSkat];
    refreshCalls.clear();
  }
  void TearDown() override {
    for (TGameId g = 0; g < gidNone; g++) setOptionsRefresh(g, nullptr);
    clearGameDialogNumbers();
    cg.gameId = gidNone;
    cg.gs.optionsGameId = 0;
    fillGameNames();
    resetEngineModel();
    resetTextTables();
    EngineTest::TearDown();
  }
  const TVTLElement& el(int32_t e) { return elementOf(skat, e); }
  // The wanted visibility; the drawing fades towards it.
  bool shown(int32_t e) { return elementOf(skat, e).visible != 0; }
  int32_t skat = 0;
};

// [SECTION] Skat's dialog in the frame

TEST_F(OptionsFrameTest, SkatsElementsLieOnTheirPages) {
  const int32_t tab = elTabGroup[gidSkat];
  ASSERT_EQ(tab, 40);
  enum TWhere { none, onPage1, onPage2, under };
  struct Row {
    int32_t first, last;
    TWhere where;
    int32_t group;  // the controller when `under`
  } rows[] = {{3, 5, none, 0},     {6, 7, onPage1, 0},   {8, 11, under, 12}, {12, 12, onPage1, 0},
              {13, 13, under, 18}, {14, 17, under, 18},  {18, 18, onPage2, 0}, {19, 20, onPage1, 0},
              {21, 30, onPage2, 0}, {31, 34, under, 35}, {35, 39, onPage2, 0}, {55, 56, onPage2, 0}};
  for (const Row& r : rows)
    for (int32_t e = r.first; e <= r.last; e++) {
      SCOPED_TRACE("element " + std::to_string(e));
      switch (r.where) {
        case none:
          EXPECT_EQ(el(e).page, 0);
          EXPECT_EQ(el(e).controller, 0);
          EXPECT_FALSE(isElementVisible(skat, e));
          break;
        case onPage1:
        case onPage2:
          EXPECT_EQ(el(e).page, r.where == onPage1 ? 1 : 2);
          EXPECT_EQ(el(e).controller, tab);
          break;
        case under:
          EXPECT_EQ(el(e).page, 0);
          EXPECT_EQ(el(e).controller, r.group);
          break;
      }
    }
  EXPECT_EQ(elDefaultRulesButton[gidSkat], 38);
  EXPECT_EQ(elDefaultRules2Button[gidSkat], 39);
  EXPECT_NE(el(38).x, el(39).x) << "the two presets stand side by side";
}

TEST_F(OptionsFrameTest, SkatsFrameElementsHaveTheirNumbers) {
  struct Row {
    int32_t e;
    uint8_t kind;
    const char* caption;
  } rows[] = {{40, ekPageGroup, "Allgemein/Regeln"}, {41, ekLabel, "Name"},    {42, ekEdit, "Name"},
              {43, ekLabel, "Schwierigkeit"},      {44, ekSelector, "HorList2"}, {48, ekSelector, "HorList3"},
              {50, ekGroupBox, "Spieler"},         {51, ekGroupBox, "Spieldauer"}, {52, ekPicture, "Zurück"},
              {53, ekPicture, "Allgemein"},        {54, ekPicture, "Regeln"},  {55, ekGroupBox, "Geber (1. Spiel)"},
              {56, ekGroupBox, "Spielliste"}};
  for (const Row& r : rows) {
    EXPECT_EQ(el(r.e).kind, r.kind) << "element " << r.e;
    EXPECT_EQ(getElementText(skat, r.e), r.caption) << "element " << r.e;
  }
  EXPECT_EQ(dialogOf(skat).count, 56);
  EXPECT_EQ(elPlayerNameEdit[gidSkat], 42);
  EXPECT_EQ(elDifficultyList[gidSkat], 44);
  EXPECT_EQ(elGenderList[gidSkat], 48);
  EXPECT_EQ(elBackButton[gidSkat], 52);
  EXPECT_EQ(elTabGeneralButton[gidSkat], 53);
  EXPECT_EQ(elTabRulesButton[gidSkat], 54);
  EXPECT_EQ(el(50).height, 115);
  EXPECT_EQ(el(51).height, 172);
  for (int32_t e : {52, 53, 54}) EXPECT_EQ(el(e).page, 0) << "tab buttons are always shown";
  EXPECT_EQ(elRoundsList[gidSkat] + elPointsList[gidSkat], 0) << "Skat keeps its own list length";
}

TEST_F(OptionsFrameTest, TheBuildsLastStepMovesLargeTitledDialogsDown) {
  struct Row {
    int32_t dialog, element, built;
  } rows[] = {{skat, elTabGroup[gidSkat], 100}, {skat, elBackButton[gidSkat], 460}, {skat, 2, 460},
              {dlgKontra, elKontraLevels[1], 130}, {dlgMoney, elMoneyRates[4], 255},
              {dlgSkatSortMenu, elSkatSortButtons[1], 354}};
  for (const Row& r : rows) {
    const bool moves = dialogOf(r.dialog).title.view()[0] != '#';
    EXPECT_EQ(elementOf(r.dialog, r.element).y, r.built + (moves ? 8 : 0))
        << dialogOf(r.dialog).title.str() << " element " << r.element;
  }
}

// [SECTION] reactions

TEST_F(OptionsFrameTest, TabButtonsShowTheirPageAndZurueckCloses) {
  openDialog(skat);
  activateElement(skat, elTabRulesButton[gidSkat]);
  EXPECT_TRUE(shown(elSkatSpitzeCheck));
  EXPECT_TRUE(shown(elSkatScoringChoices[2])) << "shown with its group";
  EXPECT_FALSE(shown(elPlayerNameEdit[gidSkat]));
  EXPECT_FALSE(shown(elSkatLengthChoices[1]));
  activateElement(skat, elTabGeneralButton[gidSkat]);
  EXPECT_FALSE(shown(elSkatSpitzeCheck));
  EXPECT_TRUE(shown(elSkatLengthChoices[1]));
  EXPECT_FALSE(shown(elSkatInternationalCheck)) << "the rule set stays hidden";
  activateElement(skat, elBackButton[gidSkat]);
  EXPECT_EQ(dialogOf(skat).open, 0);
}

TEST_F(OptionsFrameTest, OptionenOpensItsSubDialogAndZurueckReturns) {
  struct Row {
    int32_t button, dialog;
  } rows[] = {{elSkatKontraOptions, dlgKontra}, {elSkatBockRamschOptions, dlgBockRamsch},
              {elSkatMoneyOptions, dlgMoney}};
  for (const Row& r : rows) {
    openDialog(skat);
    activateElement(skat, r.button);
    EXPECT_EQ(vtl.topDialog, r.dialog);
    activateElement(r.dialog, 2);
    EXPECT_EQ(vtl.topDialog, skat) << dialogOf(r.dialog).title.str();
  }
}

TEST_F(OptionsFrameTest, SubDialogChoicesAreRadioGroupsExceptTheBockTriggers) {
  activateElement(dlgKontra, elKontraLevels[1]);
  activateElement(dlgKontra, elKontraLevels[2]);
  EXPECT_EQ(getElementChecked(dlgKontra, elKontraLevels[1]), 0);
  EXPECT_EQ(getElementChecked(dlgKontra, elKontraLevels[2]), 1);
  EXPECT_EQ(getElementChecked(dlgKontra, elKontraLevels[3]), 0);
  activateElement(dlgBockRamsch, elBockTriggers[1]);
  activateElement(dlgBockRamsch, elBockTriggers[6]);
  EXPECT_EQ(getElementChecked(dlgBockRamsch, elBockTriggers[1]), 1);
  EXPECT_EQ(getElementChecked(dlgBockRamsch, elBockTriggers[6]), 1);
  EXPECT_EQ(getItem(dlgBockRamsch, elRamschRounds, 5), "Drei Runden");
  EXPECT_EQ(elBockRounds, 15);
  EXPECT_EQ(elRamschRounds, 19);
  EXPECT_EQ(elRamschIfNoBid, 32);
}

TEST_F(OptionsFrameTest, ResetButtonsLoadTheirPresetsForTheCurrentGame) {
  cg.gameId = gidSkat;
  fs::create_directories(folder_ / "data" / "settings");
  // Preset 1 holds Spitze and "Turnierwertung", preset 2 Rum; both a length of 72 games.
  auto writePreset = [&](int32_t rule, const char* suffix) {
    setElementChecked(skat, elSkatSpitzeCheck, rule == elSkatSpitzeCheck);
    setElementChecked(skat, elSkatRumCheck, rule == elSkatRumCheck);
    for (int k = 1; k <= 4; k++) setElementChecked(skat, elSkatScoringChoices[k], k == 2);
    for (int k = 1; k <= 4; k++) setElementChecked(skat, elSkatLengthChoices[k], k == 3);
    saveDialogState(skat, presetFileName(skat, suffix));
  };
  writePreset(elSkatSpitzeCheck, "_def.dco");
  writePreset(elSkatRumCheck, "_def2.dco");
  struct Row {
    int32_t button, spitze, rum;
  } rows[] = {{elDefaultRulesButton[gidSkat], 1, 0}, {elDefaultRules2Button[gidSkat], 0, 1}};
  for (const Row& r : rows) {
    setElementChecked(skat, elSkatSpitzeCheck, 0);
    setElementChecked(skat, elSkatRumCheck, 0);
    for (int k = 1; k <= 4; k++) setElementChecked(skat, elSkatScoringChoices[k], k == 1);
    for (int k = 1; k <= 4; k++) setElementChecked(skat, elSkatLengthChoices[k], k == 1);
    activateElement(skat, r.button);
    EXPECT_EQ(getElementChecked(skat, elSkatSpitzeCheck), r.spitze) << "button " << r.button;
    EXPECT_EQ(getElementChecked(skat, elSkatRumCheck), r.rum);
    EXPECT_EQ(getElementChecked(skat, elSkatScoringChoices[2]), 1) << "the group's members on its page";
    EXPECT_EQ(getElementChecked(skat, elSkatLengthChoices[1]), 1) << "page 1 keeps what it had";
  }
  // Another game's dialog is not the current one: nothing is loaded.
  cg.gameId = gidMauMau;
  setElementChecked(skat, elSkatSpitzeCheck, 0);
  activateElement(skat, elDefaultRulesButton[gidSkat]);
  EXPECT_EQ(getElementChecked(skat, elSkatSpitzeCheck), 0);
}

// Every button of the rules page can be clicked: none lies on another.
TEST_F(OptionsFrameTest, TheRulesPageButtonsDoNotOverlap) {
  const TVTLDialog& dlg = dialogOf(skat);
  std::vector<int32_t> buttons;
  for (int32_t e = 1; e <= dlg.count; e++)
    if (elementOf(skat, e).kind == ekButton && elementOf(skat, e).page == pageRules) buttons.push_back(e);
  ASSERT_GE(buttons.size(), 5u) << "three \"Optionen\" and two \"Zurücksetzen\"";
  for (size_t i = 0; i < buttons.size(); i++)
    for (size_t j = i + 1; j < buttons.size(); j++) {
      const TVTLElement& a = elementOf(skat, buttons[i]);
      const TVTLElement& b = elementOf(skat, buttons[j]);
      const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x || a.y + a.height <= b.y || b.y + b.height <= a.y;
      EXPECT_TRUE(apart) << "elements " << buttons[i] << " and " << buttons[j];
    }
}

TEST_F(OptionsFrameTest, RefreshCallsNameTheSelectorAndTheStepDirection) {
  setOptionsRefresh(gidMauMau, recordRefresh);
  const int32_t d = dlgGameOptions[gidMauMau];
  const int32_t s = elDifficultyList[gidMauMau];
  const int32_t name = elPlayerNameEdit[gidMauMau];
  struct Row {
    int32_t element;
    std::pair<int32_t, int32_t> call;
  } rows[] = {{s + 1, {s, 1}}, {s + 2, {s, 0}}, {s + 3, {s, 0}}, {name, {name, 0}}};
  for (const Row& r : rows) {
    refreshCalls.clear();
    activateElement(d, r.element);
    ASSERT_EQ(refreshCalls.size(), 1u) << "element " << r.element;
    EXPECT_EQ(refreshCalls[0], r.call) << "element " << r.element;
  }
  refreshCalls.clear();
  activateElement(d, elTabRulesButton[gidMauMau]);
  EXPECT_TRUE(refreshCalls.empty()) << "tab buttons refresh nothing";
}

TEST_F(OptionsFrameTest, GinRummyRefreshesOnlyAfterItsFirstResetButton) {
  setOptionsRefresh(gidRomme, recordRefresh);
  const int32_t d = dlgGameOptions[gidGinRummy];
  cg.gameId = gidGinRummy;
  activateElement(d, elDifficultyList[gidGinRummy] + 1);
  activateElement(d, elPlayerNameEdit[gidGinRummy]);
  EXPECT_TRUE(refreshCalls.empty());
  // Gin Rummy's own elements and reset button come with that game; the frame's reaction is
  // reached through the same number.
  elDefaultRulesButton[gidGinRummy] = elGenderList[gidGinRummy];
  activateElement(d, elDefaultRulesButton[gidGinRummy]);
  EXPECT_EQ(refreshCalls.size(), 1u);
  elDefaultRulesButton[gidGinRummy] = 0;
}

// [SECTION] sort menus

TEST_F(OptionsFrameTest, SkatSortButtonsSortTheHandForTheirGame) {
  struct Row {
    int32_t mode;
    const char* caption;
  } rows[] = {{11, "G"}, {10, "N"}, {3, "3"}, {1, "1"}};
  const TCard cards[10] = {{7, 1, 0},  {11, 3, 0}, {14, 2, 0}, {10, 4, 0}, {11, 1, 0},
                           {9, 3, 0},  {13, 2, 0}, {12, 4, 0}, {11, 4, 0}, {8, 1, 0}};
  for (const Row& r : rows) {
    const int32_t e = elSkatSortButtons[r.mode];
    ASSERT_NE(e, 0);
    EXPECT_EQ(getElementText(dlgSkatSortMenu, e), r.caption);
    TSpieler& st = sp[1];
    st.count = 10;
    for (int i = 1; i <= 10; i++) st.slots[i].card = cards[i - 1];
    syncHandFromSlots(st);
    THand expected = st.hand;
    sortHand(expected, r.mode);
    activateElement(dlgSkatSortMenu, e);
    for (int i = 1; i <= 10; i++) {
      EXPECT_EQ(st.slots[i].card.t, expected.k[i].t) << r.caption << " slot " << i;
      EXPECT_EQ(st.slots[i].card.f, expected.k[i].f) << r.caption << " slot " << i;
    }
  }
  for (int32_t m : {5, 9, 12, 20}) EXPECT_EQ(elSkatSortButtons[m], 0);
}

// [SECTION] selectGame

TEST_F(OptionsFrameTest, SelectGameTitlesTheGameMenu) {
  setCurrentDialog(dlgMainMenu);
  while (dialogOf(dlgMainMenu).count < 8) addSimpleElement(ekLabel, 0, 0, "x");
  struct Row {
    TGameId g;
    const char *title, *upper, *lower;
  } rows[] = {{gidSkat, "Skat", "", ""}, {gidPoker, "No Limit Poker", "", "Texas Hold`em Poker"},
              {gidHearts, nullptr, "", ""}};
  for (const Row& r : rows) {
    selectGame(r.g, 0);
    EXPECT_EQ(cg.gameId, r.g);
    EXPECT_EQ(cg.gs.optionsGameId, r.g);
    EXPECT_EQ(getElementText(dlgMainMenu, 1), r.title ? r.title : gameNames[r.g]);
    EXPECT_EQ(getElementText(dlgMainMenu, 7), r.upper);
    EXPECT_EQ(getElementText(dlgMainMenu, 8), r.lower);
    EXPECT_FLOAT_EQ(elementOf(dlgMainMenu, 1).textScale, 2.2f);
    EXPECT_EQ(elementOf(dlgMainMenu, 1).y, 12);
    EXPECT_EQ(vtl.topDialog, dlgMainMenu);
  }
  EXPECT_EQ(getElementText(dlgGameOptions[gidPoker], 1), "No Limit Poker");
}

}  // namespace

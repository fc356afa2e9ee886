// The display settings: the timing tables with the games' factors and the rounding, the card
// scale, the first-start defaults of "Anzeige", the view, the reloads and the names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/texts.h"
#include "platform/window.h"
#include "shell/display_settings.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_services.h"
#include "table/move_queue.h"
#include "tests/engine/temp_folder.h"

namespace {

class DisplaySettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    winSetBackend(WindowBackend::null);
    winNullReset();
    clearGameDialogNumbers();
    clearDisplayElements();
    Tglapp::Setnames();
    envParam = TEnvParam{};
    cg.gameId = gidSkat;
    cg.gs = TGameState{};
    vtl.developerMode = false;
  }
  void TearDown() override {
    clearGameDialogNumbers();
    clearDisplayElements();
    resetEngineModel();
    envParam = TEnvParam{};
    cg.gameId = gidNone;
    cg.gs = TGameState{};
    vtl.developerMode = false;
  }

  // "Anzeige" with the selectors the settings read, each showing entry `shown`
  // (0 as at a first start without saved dialog states).
  void buildDisplayDialog(int32_t shown) {
    dlgDisplay = createDialog(85, 38, 640, 530, false, "Anzeige", false, 0, 1.0f);
    const struct {
      int32_t* element;
      int32_t entries;
    } lists[] = {{&elDisplayTableList, 6}, {&elDisplayBackList, 10}, {&elDisplayStyleList, 2},
                 {&elDisplayFadeList, 4},  {&elDisplaySizeList, 3},  {&elDisplayViewList, 2},
                 {&elDisplaySpeedList, 6}, {&elDisplayTimeList, 6},  {&elDisplayDealList, 2},
                 {&elDisplayVoiceList, 3}, {&elDisplayRoomList, 6}};
    for (const auto& l : lists) {
      *l.element = addElement(ekSelector, 150, 100, "", 160, 20, 0.0f, 1.0f);
      for (int i = 1; i <= l.entries; i++) addItem(*l.element, "Eintrag " + std::to_string(i), 0);
      setTopIndex(dlgDisplay, *l.element, shown);
    }
    elDisplayHelpCheck = addElement(ekCheckBox, 45, 286, "Hilfshinweise automatisch zeigen", -1, -1, 0.0f, 1.0f);
  }
  static void show(int32_t element, int32_t entry) { setTopIndex(dlgDisplay, element, entry); }
};

}  // namespace

TEST_F(DisplaySettingsTest, TimingBySpeedDisplayTimeAndGame) {
  const struct {
    TGameId game;
    int32_t speed, time;
    bool developer;
    int32_t anim, delay, bubble;
  } cases[] = {
      {gidSkat, 1, 3, false, 3, 756, 1710},
      {gidSkat, 2, 1, false, 6, 1620, 5040},
      {gidSkat, 3, 2, false, 10, 1080, 3060},
      {gidSkat, 4, 4, false, 14, 324, 1116},
      {gidSkat, 5, 5, false, 19, 162, 720},
      {gidSkat, 6, 6, false, 32, 36, 90},
      // developer values: 2, 50 and 10,000,000 for speeds 1, 5, 6; "Minimal" waits not at all
      {gidSkat, 1, 6, true, 1, 0, 0},
      {gidSkat, 5, 3, true, 32, 756, 1710},
      {gidSkat, 6, 3, true, 6451613, 756, 1710},
      // poker "Kurz": 180 x 1.65 = 297, x 1.45 = 431, x 1.8 = 776
      {gidPoker, 3, 4, false, 10, 776, 2669},
      {gidPoker, 3, 3, false, 10, 1096, 2480},
      // poker "Minimal": the bubble's 72.5 goes to the even 72, then 129.6 to 130
      {gidPoker, 3, 6, false, 10, 52, 130},
      {gidJass, 3, 3, false, 10, 1134, 3420},
      {gidGoFish, 3, 4, false, 10, 486, 2232},
      {gidBlackjack, 3, 4, false, 10, 486, 1674},
      {gidSchwimmen, 3, 3, false, 10, 756, 855},
  };
  for (const auto& c : cases) {
    envParam.gameSpeed = c.speed;
    envParam.displayTime = c.time;
    deriveTiming(c.game, c.developer);
    const std::string what = "game " + std::to_string(c.game) + " speed " + std::to_string(c.speed) +
                             " time " + std::to_string(c.time) + (c.developer ? " developer" : "");
    EXPECT_EQ(envParam.animSpeed, c.anim) << what;
    EXPECT_EQ(envParam.aiDelay, c.delay) << what;
    EXPECT_EQ(envParam.bubbleTime, c.bubble) << what;
  }
}

TEST_F(DisplaySettingsTest, CardScaleByViewAndGame) {
  const struct {
    TGameId game;
    int32_t view;
    double scale;
    double chips;
  } cases[] = {
      {gidSkat, 1, 0.96 * 1.18 * 1.08, 0.96 * 0.46 + 0.46},
      {gidSkat, 2, 0.96 * 1.18, 0.96 * 0.46 + 0.46},
      {gidPoker, 1, 0.95 * 1.18, 0.95 * 0.46 + 0.46},
      {gidDoppelkopf, 0, 0.9 * 0.95 * 1.18, 0.9 * 0.95 * 0.46 + 0.46},
      {gidSchnapsen, 0, 1.18, 0.92},
  };
  for (const auto& c : cases) {
    cg.gameId = c.game;
    envParam.perspective = c.view;
    setksize();
    EXPECT_EQ(envParam.cardSize, 3) << "no dialog yet: size \"Normal\"";
    EXPECT_FLOAT_EQ(cg.gs.tableScale, float(c.scale)) << "game " << c.game << " view " << c.view;
    EXPECT_FLOAT_EQ(envParam.chipScale, float(c.chips)) << "game " << c.game;
  }
  EXPECT_DOUBLE_EQ(cardScaleFor(1, gidSkat), 0.7 * 0.96);
  EXPECT_DOUBLE_EQ(cardScaleFor(2, gidWar), 0.85 * 1.06);
}

TEST_F(DisplaySettingsTest, CanastaLowersTheSizeOnAFullMeldTable) {
  const struct {
    int32_t size, cards, own, other;
    bool above, side;
    int32_t want;
  } cases[] = {
      {3, 101, 10, 0, true, false, 2},  {3, 136, 10, 0, true, false, 1},
      {3, 100, 10, 0, true, false, 3},  {2, 136, 0, 28, true, false, 1},
      {2, 120, 10, 0, true, false, 2},  {1, 136, 10, 0, true, false, 1},
      {3, 136, 9, 27, true, false, 3},  {3, 106, 10, 0, false, true, 2},
      {3, 105, 10, 0, false, true, 3},  {3, 136, 10, 0, false, false, 3},
  };
  for (const auto& c : cases)
    EXPECT_EQ(canastaCardSize(c.size, c.cards, c.own, c.other, c.above, c.side), c.want)
        << "size " << c.size << ", " << c.cards << " cards, melds " << c.own << "/" << c.other;
}

TEST_F(DisplaySettingsTest, FirstStartTakesTheDialogsDefaults) {
  TempProgramFolder folder;
  for (bool withDialog : {false, true}) {
    envParam = TEnvParam{};
    if (withDialog) buildDisplayDialog(0);
    loadenv(true);
    const std::string what = withDialog ? "selectors at entry 0" : "no dialog";
    EXPECT_EQ(envParam.gameSpeed, 3) << what;
    EXPECT_EQ(envParam.displayTime, 3) << what;
    EXPECT_EQ(envParam.dealMode, 1) << what;
    EXPECT_EQ(envParam.voiceMode, 3) << what;
    EXPECT_EQ(envParam.cardSize, 3) << what;
    EXPECT_EQ(envParam.cardBack, 1) << what;
    EXPECT_EQ(envParam.cardStyle, 1) << what;
    EXPECT_EQ(envParam.tableDesign, 1) << what;
    EXPECT_EQ(envParam.roomNo, 1) << what;
    EXPECT_EQ(envParam.perspective, withDialog ? 2 : 0) << what << ": the side view shows the user's hand";
    EXPECT_EQ(envParam.animSpeed, 10) << what;
    EXPECT_EQ(envParam.commentLevel, 3) << what;
    EXPECT_EQ(envParam.shadeMode, 4) << what;
    EXPECT_EQ(envParam.tableDir, "\\1\\env1") << what;
    EXPECT_EQ(envParam.roomDir, "\\1\\env1") << what;
    // no param.txt in the folder: the plain table
    EXPECT_EQ(envParam.grayLevel, 50) << what;
    EXPECT_EQ(envParam.reflectionOff, 50) << what;
  }
}

TEST_F(DisplaySettingsTest, OutOfRangeChoicesReadAsOne) {
  TempProgramFolder folder;
  buildDisplayDialog(3);
  show(elDisplayTableList, 6);
  show(elDisplayRoomList, 6);
  show(elDisplayBackList, 10);
  loadenv(true);
  EXPECT_EQ(envParam.tableDesign, 1);
  EXPECT_EQ(envParam.roomNo, 1);
  EXPECT_EQ(envParam.cardBack, 1);
  show(elDisplayTableList, 5);
  show(elDisplayBackList, 9);
  loadenv(false);
  EXPECT_EQ(envParam.tableDesign, 5);
  EXPECT_EQ(envParam.cardBack, 9);
}

TEST_F(DisplaySettingsTest, LoadenvTakesTheDialogAndReloadsOnlyWhatChanged) {
  TempProgramFolder folder;
  buildDisplayDialog(1);
  show(elDisplayTableList, 2);
  show(elDisplaySpeedList, 6);
  show(elDisplayTimeList, 4);
  show(elDisplayFadeList, 3);
  setElementChecked(dlgDisplay, elDisplayHelpCheck, 1);
  cg.gameId = gidPoker;
  loadenv(true);
  EXPECT_EQ(envParam.tableDesign, 2);
  EXPECT_EQ(envParam.animSpeed, 32);
  EXPECT_EQ(envParam.aiDelay, 776);
  EXPECT_EQ(envParam.shadeMode, 1) << "the fading selector is not read here";
  EXPECT_EQ(envParam.autoHelp, 1);
  EXPECT_EQ(envParam.perspective, 1);

  // Unchanged table and room: the design is not read again.
  envParam.tableDir = "kept";
  loadenv(false);
  EXPECT_EQ(envParam.tableDir, "kept");
  show(elDisplayRoomList, 4);
  loadenv(false);
  EXPECT_EQ(envParam.tableDir, "\\1\\env2");
  EXPECT_EQ(envParam.roomDir, "\\1\\env4");
}

TEST_F(DisplaySettingsTest, AnzactualizeAppliesTheFadingChoiceAtOnce) {
  TempProgramFolder folder;
  buildDisplayDialog(1);
  show(elDisplayFadeList, 3);
  loadenv(true);
  EXPECT_EQ(envParam.shadeMode, 4);
  show(elDisplayBackList, 4);
  anzactualize(elDisplayBackList);
  EXPECT_EQ(envParam.shadeMode, 3);
  EXPECT_EQ(envParam.cardBack, 4);
}

TEST_F(DisplaySettingsTest, ViewFollowsTheSelectorButNotWhileACardMoves) {
  buildDisplayDialog(1);
  show(elDisplayViewList, 2);
  cg.gs.pendingMove = 3;
  refreshPerspective();
  EXPECT_EQ(envParam.perspective, 0);
  cg.gs.pendingMove = 0;
  refreshPerspective();
  EXPECT_EQ(envParam.perspective, 2);
  EXPECT_EQ(getElementEnabled(dlgDisplay, elDisplayViewList), 1);
  show(elDisplayViewList, 1);
  cg.gs.tutorialMode = 1;
  refreshPerspective();
  EXPECT_EQ(envParam.perspective, 2) << "the tutorial keeps the side view";
  EXPECT_EQ(getTopIndex(dlgDisplay, elDisplayViewList), 2);
  EXPECT_EQ(getElementEnabled(dlgDisplay, elDisplayViewList), 0);
}

TEST_F(DisplaySettingsTest, SetPlayerNameCleansTheField) {
  dlgDisplay = createDialog(85, 38, 640, 530, false, "Optionen", false, 0, 1.0f);
  const int32_t edit = addElement(ekEdit, 20, 20, "", 200, 20, 0.0f, 1.0f);
  const std::string unnamed = lookupText("f_spieler") + " 1";
  const struct {
    const char* text;
    std::string name;
  } cases[] = {{" Anna", "Anna"}, {"Bert", "Bert"}, {"", unnamed}, {" ", unnamed}, {"  Carl", " Carl"}};
  for (const auto& c : cases) {
    setElementText(dlgDisplay, edit, c.text, 0);
    setPlayerName(dlgDisplay, edit);
    EXPECT_EQ(cg.seatNames[1].str(), c.name) << "'" << c.text << "'";
    EXPECT_EQ(getElementText(dlgDisplay, edit), c.name) << "'" << c.text << "'";
    EXPECT_EQ(elementOf(dlgDisplay, edit).SelIndex, int16_t(c.name.size()));
    EXPECT_EQ(elementOf(dlgDisplay, edit).TopIndex, 0);
  }
}

TEST_F(DisplaySettingsTest, SeatsGetOpponentsAndAtAFirstGameVoicesOfTheirGender) {
  TempProgramFolder folder;
  cg.gs.playerRecords[1].voice = 2;
  for (int round = 0; round < 20; round++) {
    loadenv(false);
    EXPECT_GE(cg.seatVoice[1], 1);
    EXPECT_LE(cg.seatVoice[1], 3) << "a female user";
    for (int s = 2; s <= 6; s++) {
      const std::string name = cg.seatNames[s].str();
      int index = -1;
      for (int i = 0; i < 60; i++)
        if (firstNameTable[i].str() == name) index = i;
      ASSERT_GE(index, 0) << "seat " << s << " '" << name << "'";
      const int32_t low = index < 30 ? 1 : 4;
      EXPECT_GE(cg.seatVoice[s], low) << name;
      EXPECT_LE(cg.seatVoice[s], low + 2) << name;
    }
  }
  // Later games of the list keep the voices of the players' records.
  cg.gs.gamesPlayed = 1;
  for (int s = 2; s <= 6; s++) cg.gs.playerRecords[s].voice = 5;
  loadenv(false);
  for (int s = 1; s <= 6; s++) EXPECT_EQ(cg.seatVoice[s], s == 1 ? 2 : 5) << "seat " << s;
}

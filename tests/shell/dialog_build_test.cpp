// The main window's dialog build on the engine model without a window: the dialogs' numbers
// and titles in build order after the engine's own seven, the panels' elements, the menu bar,
// the options dialogs' common frame, the name tables and resetGameNames.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/card_names.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_areas.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"
#include "tests/engine/engine_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int32_t engineDialogs = 7;
const char* const applicationTitle = "Skat Velmora";

class DialogBuildTest : public EngineTest {
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
    vtl.applicationTitle = applicationTitle;
  }
  void TearDown() override {
    clearGameDialogNumbers();
    setCoreMessageRoutes({});
    resetGameAreaQueries();
    cg.gameId = gidNone;
    cg.gs.optionsGameId = 0;
    fillGameNames();
    resetEngineModel();
    resetTextTables();
    EngineTest::TearDown();
  }

  // The build with some keys of the text table answered by the test.
  void buildWithTexts(const std::map<std::string, std::string>& texts) {
    TCoreMessageRoutes routes;
    routes.lookupText = [texts](std::string_view key, std::string_view, std::string_view, std::string_view,
                                std::string_view) {
      auto it = texts.find(std::string(key));
      return it != texts.end() ? it->second : lookupText(key);
    };
    setCoreMessageRoutes(routes);
    Tglapp::diagcreate();
  }

  static std::string title(int32_t d) { return dialogOf(d).title.str(); }
};

// [SECTION] dialog numbering

struct TBuildRow {
  int n;
  const int32_t* dialog;
  std::string title;
};

std::vector<TBuildRow> buildOrder() {
  std::vector<TBuildRow> rows = {
      {1, &dlgFirstOptions, "Optionen"},
      {2, &dlgFpsPanel, "#fpspanel"},
      {3, &dlgIPanel, "#ipanel"},
      {4, &dlgHelpPanel, "#helppanel"},
      {5, &dlgMainMenu, "Game Menü"},
      {6, &dlgHighscore, "Highscore"},
      {7, &dlgHelp, "Hilfe"},
      {8, &dlgSkatSortMenu, "#farbsortiermenü_skat"},
      {9, &dlgKontra, "Kontra"},
      {10, &dlgBockRamsch, "Bock und Ramsch"},
      {11, &dlgMoney, "Um Geld spielen"},
      {14, &dlgDisplay, "Anzeige"},
      {15, &dlgOptions, "Optionen"},
      {16, &dlgGameMenu, "Spielmenü"},
      {17, &dlgStartScreen, applicationTitle},
      {18, &dlgFarbPanel, "#farbpanel"},
      {19, &dlgInGame, "#ingamedialog"},
      {20, &dlgTextPanel, "#textpanel"},
      {21, &dlgButtonPanel, "#buttonpanel"},
      {22, &dlgInfoPanel, "#infopanel"},
      {23, &dlgSave, "Speichern"},
      {24, &dlgLoad, "Spiel laden"},
      {25, &dlgGameList, "Spielliste"},
      {32, &dlgNewGame, "Neues Spiel"},
      {33, &dlgNetwork, "Netzwerkspiel"},
      {34, &dlgNetworkChoice, "Netzwerkspiel"},
      {35, &dlgNetworkJoin, "Netzwerkspiel teilnehmen"},
      {36, &dlgChatPanel, "#chatpanel"},
      {37, &dlgMessage, " "},
      {38, &dlgNetworkGames, "Spiele im Netzwerk"},
      {39, &dlgLobbyProgress, std::string(1, '\0') + "Internetspiel"},
      {40, &dlgInternet, "Internetspiel"},
      {41, &dlgNetworkCreate, "Netzwerkspiel einleiten"},
      {42, &dlgCredits, " "},
      {43, &dlgPokerPanel, "#pokerpanel"},
      {44, &dlgRommeSortMenu, "#sortiermenü_romme"},
      {45, &dlgClusterPanel, "#clusterpanel"},
      {56, &dlgExtras, "Extras"},
      {57, &dlgTutorialPanel, "#TutorialPanel"},
      {58, &dlgTutorial, "Lernmodus"},
  };
  struct TOptionsBlock {
    int first;
    std::vector<TGameId> games;
  };
  const TOptionsBlock blocks[] = {
      {12, {gidSkat, gidMauMau}},
      {26, {gidSchwimmen, gidRomme, gidCanasta, gidDoppelkopf, gidSchafkopf, gidPoker}},
      {46,
       {gidSchnapsen, gidBlackjack, gidSiebzehnUndVier, gidSechsundsechzig, gidJass, gidHearts, gidGoFish, gidOldMaid,
        gidWar, gidGinRummy}}};
  for (const TOptionsBlock& b : blocks)
    for (size_t i = 0; i < b.games.size(); i++)
      rows.push_back({b.first + int(i), &dlgGameOptions[b.games[i]], gameNames[b.games[i]]});
  return rows;
}

TEST_F(DialogBuildTest, EveryDialogTakesItsPlaceAfterTheEnginesOwnWithItsTitle) {
  ASSERT_EQ(vtl.diags.count(), engineDialogs);
  Tglapp::diagcreate();
  const std::vector<TBuildRow> rows = buildOrder();
  ASSERT_EQ(rows.size(), 58u);
  for (const TBuildRow& r : rows) {
    EXPECT_EQ(*r.dialog, r.n + engineDialogs) << "dialog " << r.n << " " << r.title;
    EXPECT_EQ(title(*r.dialog), r.title) << "dialog " << r.n;
  }
  EXPECT_EQ(vtl.diags.count(), 58 + engineDialogs);
  // Spot checks the numbers other files name: Skat's options 19, "Anzeige" 21, the
  // decision panel 26, the tutorial dialog 65.
  EXPECT_EQ(dlgGameOptions[gidSkat], 19);
  EXPECT_EQ(dlgDisplay, 21);
  EXPECT_EQ(dlgInGame, 26);
  EXPECT_EQ(dlgTutorial, 65);
}

TEST_F(DialogBuildTest, TitledDialogsGetATitleLabelAndPanelsNone) {
  Tglapp::diagcreate();
  for (int32_t d : {dlgHighscore, dlgGameMenu, dlgMessage, dlgGameOptions[gidJass]}) {
    ASSERT_GE(dialogOf(d).count, 1);
    EXPECT_EQ(elementOf(d, 1).kind, ekLabel) << title(d);
    EXPECT_EQ(getElementText(d, 1), title(d));
  }
  EXPECT_EQ(dialogOf(dlgFpsPanel).count, 1) << "only its frame-rate label";
  EXPECT_EQ(elementOf(dlgFpsPanel, 1).textScale, 2.5f);
  EXPECT_EQ(getElementText(dlgButtonPanel, 1), "!Weiter");
  EXPECT_EQ(getElementText(dlgTextPanel, 1), "!Information");
  EXPECT_EQ(dialogOf(dlgPokerPanel).count, 2);
  EXPECT_EQ(dialogOf(dlgClusterPanel).count, 9);
  for (int32_t d : {dlgIPanel, dlgInGame, dlgHelpPanel, dlgInfoPanel, dlgChatPanel, dlgGameOptions[gidSkat]})
    EXPECT_EQ(dialogOf(d).open, 0) << "built closed: " << title(d);
}

// [SECTION] the panels

TEST_F(DialogBuildTest, TheTablePanelsElementsHaveTheirNumbersAndStates) {
  Tglapp::diagcreate();
  const int32_t d = dlgIPanel;
  ASSERT_EQ(dialogOf(d).count, 116);
  const float factors[8] = {1.0f, 0.8f, 0.6f, 0.4f, 0.3f, 0.2f, 0.1f, 0.1f};
  for (int e = 1; e <= 8; e++) {
    EXPECT_EQ(elementOf(d, e).subKind, skFreePicture);
    EXPECT_FLOAT_EQ(elementOf(d, e).pressDepth, factors[e - 1]) << "the draw mark " << e;
  }
  EXPECT_EQ(elRoundIcons[1], 9);
  EXPECT_EQ(elRoundIcons[2], 10);
  for (int k = 1; k <= 5; k++) EXPECT_EQ(elSuitIcons[k], 10 + k);
  for (int k = 1; k <= 3; k++) EXPECT_EQ(elContractIcons[k], 15 + k);
  for (int s = 1; s <= tableSeatSlots; s++) {
    EXPECT_EQ(elSpeechBubble[s], 19 + 3 * (s - 1));
    EXPECT_EQ(elBubbleFrame[s], 20 + 3 * (s - 1));
    EXPECT_EQ(elTurnMarker[s], 21 + 3 * (s - 1));
    EXPECT_EQ(elementOf(d, elSpeechBubble[s]).kind, ekHiddenText);
    EXPECT_EQ(elementOf(d, elTurnMarker[s]).kind, ekLabel);
    for (int32_t e : {elSpeechBubble[s], elBubbleFrame[s], elTurnMarker[s]}) EXPECT_FALSE(isElementVisible(d, e));
  }
  for (int i = 0; i <= 54; i++) {
    EXPECT_EQ(elActionButtons[i], 52 + i);
    EXPECT_EQ(elementOf(d, elActionButtons[i]).x, 20 + 20 * i);
    EXPECT_TRUE(isElementVisible(d, elActionButtons[i]));
  }
  EXPECT_EQ(elTableHotspot, 107);
  EXPECT_TRUE(isElementVisible(d, elTableHotspot));
  for (int i = 1; i <= 6; i++) {
    EXPECT_EQ(elSeatMarkers[i], 107 + i);
    EXPECT_FALSE(isElementVisible(d, elSeatMarkers[i]));
  }
  EXPECT_EQ(elTableInfoText, 114);
  EXPECT_EQ(getElementText(d, elTableInfoText), std::string(61, '-'));
  EXPECT_EQ(elementOf(d, elTableInfoText).picture, 124);
  EXPECT_EQ(getElementText(d, 116), std::string(1, char(19)));
}

TEST_F(DialogBuildTest, InfoPanelHasTwentyElementsAndTheDecisionPanelThirtyFour) {
  Tglapp::diagcreate();
  EXPECT_EQ(dialogOf(dlgInfoPanel).count, 20);
  EXPECT_EQ(elStatusText, 20);
  EXPECT_EQ(getElementText(dlgInfoPanel, elStatusText), "SBSTRING");
  EXPECT_EQ(getElementText(dlgInfoPanel, 9), "Cheat");
  EXPECT_EQ(getElementText(dlgInfoPanel, 19), "Testfall2");
  EXPECT_EQ(dialogOf(dlgInGame).count, 34);
  EXPECT_EQ(elDecisionText, 34);
  EXPECT_EQ(elDecisionRow6[6], 29);
  const uint8_t betStyles[4] = {28, 29, 16, 17};
  for (int k = 1; k <= 4; k++) {
    const TVTLElement& el = elementOf(dlgInGame, elBetButtons[k]);
    EXPECT_EQ(elBetButtons[k], 29 + k);
    EXPECT_EQ(el.subKind, betStyles[k - 1]);
    EXPECT_EQ(el.width, 18);
    EXPECT_EQ(el.height, 18);
  }
  EXPECT_EQ(elMessageText, 2);
  EXPECT_EQ(elMessageContinue, 3);
  EXPECT_EQ(elHelpPanelText, 1);
  EXPECT_EQ(elHelpPanelClose, 2);
}

TEST_F(DialogBuildTest, TheMenuBarFillsTheEnginesFirstPanel) {
  Tglapp::diagcreate();
  ASSERT_GT(vtl.firstPanel, 0);
  EXPECT_EQ(dlgMenuBar, vtl.firstPanel);
  EXPECT_EQ(dialogOf(dlgMenuBar).count, 4);
  EXPECT_EQ(elHelpButton, 2);
  EXPECT_EQ(elChatButton, 3);
  EXPECT_EQ(elNameButton, 4);
  EXPECT_TRUE(isElementVisible(dlgMenuBar, elMenuButton));
  for (int32_t e : {elHelpButton, elChatButton, elNameButton}) EXPECT_FALSE(isElementVisible(dlgMenuBar, e));
  EXPECT_EQ(dialogOf(dlgMenuBar).open, 1);
  EXPECT_EQ(getElementHelpText(dlgMenuBar, elMenuButton), lookupText("f_label_exitbtn"));
  EXPECT_FALSE(lookupText("f_label_exitbtn").empty());
  EXPECT_EQ(getElementHelpText(dlgMenuBar, elNameButton), lookupText("f_label_namebtn"));
}

TEST_F(DialogBuildTest, TheEnginesInfoDialogGetsHelpTextsAndAHiddenTextLine) {
  Tglapp::diagcreate();
  const int32_t info = vtl.overlayPanel;
  EXPECT_EQ(getElementHelpText(info, 2), lookupText("f_label_mininimizebtn"));
  EXPECT_EQ(getElementHelpText(info, 4), lookupText("f_label_sizebtn"));
  EXPECT_EQ(getElementHelpText(info, 3), lookupText("f_label_movebtn"));
  EXPECT_FALSE(lookupText("f_label_sizebtn").empty());
  ASSERT_GT(elEngineInfoText, 0);
  EXPECT_FALSE(isElementVisible(info, elEngineInfoText));
}

// [SECTION] further dialogs

TEST_F(DialogBuildTest, ElementsOtherCodeUsesStandAtTheirNumbers) {
  Tglapp::diagcreate();
  EXPECT_EQ(elSaveName, 8);
  EXPECT_EQ(getElementText(dlgSave, elSaveName), "Spiel");
  EXPECT_EQ(elementOf(dlgSave, elSaveName).rows, 24);
  EXPECT_EQ(elementOf(dlgSave, elSaveName).picture, ifFileName);
  EXPECT_EQ(elHelpSearchEdit, 9);
  EXPECT_EQ(getElementText(dlgHelp, elHelpSearchEdit), "..");
  EXPECT_EQ(elementOf(dlgHelp, elHelpSearchEdit).rows, 28);
  EXPECT_EQ(elGameMenuSave, 4);
  EXPECT_EQ(getElementText(dlgGameMenu, elGameMenuSave), "Speichern");
  EXPECT_EQ(elementOf(dlgGameMenu, elGameMenuSave).x, 30);
  EXPECT_EQ(elementOf(dlgGameMenu, elGameMenuSave).width, 236);
  EXPECT_EQ(elementOf(dlgDisplay, elSeatOrderList).kind, ekSelector);
  EXPECT_FALSE(isElementVisible(dlgDisplay, elSeatOrderList));
  for (int k = 1; k <= 3; k++) EXPECT_GT(elCreditsLogos[k], 0);
  EXPECT_EQ(elCanastaTeams, 0);
}

TEST_F(DialogBuildTest, TheFeaturedGamesMenuQuitsWithItsOwnText) {
  Tglapp::diagcreate();
  const std::string quit = getElementText(dlgMainMenu, elMainMenuBack);
  EXPECT_EQ(quit, lookupText("f_menu_quitgame"));
  EXPECT_FALSE(quit.empty());
  EXPECT_EQ(quit.find("f_menu"), std::string::npos) << "the text table holds the key";
  EXPECT_EQ(vtl.applicationTitle, "Skat Velmora");
}

TEST_F(DialogBuildTest, EveryOptionsDialogHasTheCommonFrame) {
  Tglapp::diagcreate();
  for (TGameId g = 0; g < gidNone; g++) {
    const int32_t d = dlgGameOptions[g];
    SCOPED_TRACE(gameNames[g]);
    EXPECT_EQ(getElementText(d, 2), g == gidSkat || g == gidCanasta ? "Starten" : "Spiel Starten");
    const int32_t tab = elTabGroup[g];
    // The frame follows the game's own elements (Skat's 2 to 39; the others' come with them).
    EXPECT_EQ(tab, g == gidSkat ? 40 : 3);
    EXPECT_EQ(elementOf(d, tab).kind, ekPageGroup);
    EXPECT_EQ(elPlayerNameEdit[g], tab + 2);
    EXPECT_EQ(elementOf(d, elPlayerNameEdit[g]).rows, 24);
    EXPECT_EQ(elDifficultyList[g], tab + 4);
    EXPECT_EQ(getItem(d, elDifficultyList[g], 1), "Anfänger");
    EXPECT_EQ(getItem(d, elDifficultyList[g], 3), "Profi");
    for (int32_t e : {elPlayerNameEdit[g], elDifficultyList[g], elGenderList[g]}) {
      EXPECT_EQ(elementOf(d, e).page, 1);
      EXPECT_EQ(elementOf(d, e).controller, tab);
    }
    EXPECT_EQ(getItem(d, elGenderList[g], 1), std::string(1, char(7)));
    EXPECT_EQ(getItem(d, elGenderList[g], 2), std::string(1, char(6)));
    EXPECT_EQ(getElementText(d, elBackButton[g]), "Zurück");
    EXPECT_EQ(elementOf(d, elBackButton[g]).page, 0) << "the buttons are on no page";
    EXPECT_EQ(getElementText(d, elTabGeneralButton[g]), "Allgemein");
    EXPECT_EQ(getElementText(d, elTabRulesButton[g]), "Regeln");
    EXPECT_EQ(elTabScoringButton[g] != 0, g == gidCanasta);
  }
}

TEST_F(DialogBuildTest, PlayerCountsAndWarsHiddenStrength) {
  Tglapp::diagcreate();
  struct TCountCase {
    TGameId g;
    std::string first, last;
  };
  const TCountCase cases[] = {{gidBlackjack, "1 Spieler1", "5 Spieler"},
                              {gidMauMau, "2 Spieler", "6 Spieler"},
                              {gidOldMaid, "2 Spieler", "6 Spieler"},
                              {gidSkat, "", ""},
                              {gidGinRummy, "", ""}};
  for (const TCountCase& c : cases) {
    SCOPED_TRACE(gameNames[c.g]);
    if (c.first.empty()) {
      EXPECT_EQ(elPlayerCountList[c.g], 0);
      continue;
    }
    ASSERT_GT(elPlayerCountList[c.g], 0);
    EXPECT_EQ(getItem(dlgGameOptions[c.g], elPlayerCountList[c.g], 1), c.first);
    EXPECT_EQ(getItem(dlgGameOptions[c.g], elPlayerCountList[c.g], 5), c.last);
  }
  EXPECT_LT(elementOf(dlgGameOptions[gidWar], elDifficultyList[gidWar]).y, 0) << "off the dialog";
}

// [SECTION] name tables

TEST_F(DialogBuildTest, TheBuildFillsTheGameNameRows) {
  Tglapp::diagcreate();
  struct TRow {
    TGameId g;
    const char *name, *key, *code;
  };
  const TRow rows[] = {{gidMauMau, "Mau-Mau", "crazyeights", "crz"},  {gidSkat, "Skat", "skat", "ska"},
                       {gidRomme, "Rommé", "rummy", "rum"},           {gidPoker, "Texas Hold`em Poker", "poker", "pok"},
                       {gidSechsundsechzig, "Sechsundsechzig", "66", "66_"}, {gidOldMaid, "Schwarzer Peter", "oldmaid", "oma"}};
  for (const TRow& r : rows) {
    EXPECT_EQ(gameNames[r.g], r.name);
    EXPECT_EQ(gameKeys[r.g], r.key);
    EXPECT_EQ(gameCodes[r.g], r.code);
  }
  EXPECT_EQ(editionGame, gidSkat);
  EXPECT_EQ(editionAllGames, 0);
  EXPECT_EQ(cg.gameId, gidSkat);
  EXPECT_EQ(screenMode, 0);
  EXPECT_TRUE(bool(vtl.onHoverEnter));
  EXPECT_TRUE(bool(vtl.onHoverLeave));
}

TEST_F(DialogBuildTest, AMissingNameIsEmptyAndALongOneIsCut) {
  buildWithTexts({{"f_skat_name", ""}, {"f_hearts_name", std::string(60, 'h')}});
  EXPECT_EQ(gameNames[gidSkat], "");
  EXPECT_EQ(gameKeys[gidSkat], "skat");
  EXPECT_EQ(gameCodes[gidSkat], "ska");
  EXPECT_EQ(title(dlgGameOptions[gidSkat]), "") << "the dialog takes the empty name";
  EXPECT_EQ(gameNames[gidHearts], std::string(50, 'h'));
}

TEST_F(DialogBuildTest, SuitAndRankTablesComeFromTheTextTable) {
  Tglapp::diagcreate();
  struct TEntry {
    const std::string* table;
    const char* text;
  };
  const TEntry entries[] = {{&suitNameTable[1][1], "Kreuz"},     {&suitNameTable[1][4], "Karo"},
                            {&suitNameTable[2][1], "Eichel"},    {&suitNameTable[3][4], "Diamonds"},
                            {&suitNameTable[1][0], "Überreizt"}, {&suitNameTable[1][11], "Grand"},
                            {&suitNameTable[1][19], "Slalom Undenufe"}, {&suitNameTable[1][13], ""},
                            {&suitNameTable[2][10], ""},         {&rankNameTable[1][1], "7"},
                            {&rankNameTable[1][4], "Bube"},      {&rankNameTable[2][8], "Daus"},
                            {&rankNameTable[3][6], "King"},      {&rankNameTable[2][14], "Joker"},
                            {&rankNameTable[1][9], "2"},         {&rankNameTable[3][13], "6"},
                            {&rankNameTable[4][1], "Siebenen"},  {&rankNameTable[4][7], "Zehnen"},
                            {&rankNameTable[4][13], "Sechsen"},  {&rankNameTable[5][5], "Queen"},
                            {&rankNameTable[5][7], "10"},        {&rankNameTable[1][0], ""},
                            {&rankNameTable[1][15], ""}};
  for (const TEntry& e : entries) EXPECT_EQ(*e.table, e.text);
}

TEST_F(DialogBuildTest, ResetGameNamesBringsAVariantBackToItsOwnId) {
  Tglapp::diagcreate();
  struct TCase {
    TGameId base, variant;
    bool flag;
    TGameId expected;
  };
  const TCase cases[] = {{gidRomme, gidGinRummy, true, gidGinRummy},
                         {gidBlackjack, gidSiebzehnUndVier, true, gidSiebzehnUndVier},
                         {gidSchnapsen, gidSechsundsechzig, true, gidSechsundsechzig},
                         {gidRomme, gidGinRummy, false, gidRomme},
                         {gidSkat, gidGinRummy, true, gidSkat}};
  for (const TCase& c : cases) {
    resetGameAreaQueries();
    gameAreas.setVariantFlag(c.variant, c.flag);
    cg.gameId = c.base;
    cg.gs.optionsGameId = c.base;
    // The core plays the variant under its base row.
    gameNames[c.base] = gameNames[c.variant];
    gameKeys[c.base] = gameKeys[c.variant];
    gameCodes[c.base] = gameCodes[c.variant];
    resetGameNames();
    EXPECT_EQ(cg.gameId, c.expected) << int(c.base) << " " << int(c.variant);
    EXPECT_EQ(cg.gs.optionsGameId, c.expected);
  }
  EXPECT_EQ(gameNames[gidRomme], "Rommé");
  EXPECT_EQ(gameKeys[gidRomme], "rummy");
  EXPECT_EQ(gameCodes[gidRomme], "rum");
  EXPECT_EQ(gameKeys[gidBlackjack], "blackjack");
  EXPECT_EQ(gameCodes[gidSchnapsen], "snp");
}

// [SECTION] forgetting the numbers

TEST_F(DialogBuildTest, ClearingForgetsEveryNumber) {
  Tglapp::diagcreate();
  EXPECT_EQ(texKnockMarker, -1) << "set to none by the build";
  EXPECT_EQ(texTurnMarker, 0) << "nothing loads without a GL context";
  clearGameDialogNumbers();
  for (const TBuildRow& r : buildOrder()) EXPECT_EQ(*r.dialog, 0) << r.n;
  for (int32_t n : {dlgMenuBar, elHelpButton, elEngineInfoText, elStatusText, elSaveName, elHelpSearchEdit,
                    elGameMenuSave, elDecisionContinue, elDecisionText, elTableHotspot, elTableInfoText,
                    elMessageText, elSeatOrderList, texKnockMarker, texSuitIcon0})
    EXPECT_EQ(n, 0);
  for (int i = 0; i <= 54; i++) EXPECT_EQ(elActionButtons[i], 0);
  for (int s = 1; s <= tableSeatSlots; s++) EXPECT_EQ(elSpeechBubble[s], 0);
  EXPECT_EQ(elDecisionRow6[6], 0);
  EXPECT_EQ(elCreditsLogos[2], 0);
  for (TGameId g = 0; g < gidNone; g++) {
    EXPECT_EQ(elPlayerNameEdit[g], 0);
    EXPECT_EQ(elTabGroup[g], 0);
    EXPECT_EQ(elBackButton[g], 0);
  }
}

}  // namespace

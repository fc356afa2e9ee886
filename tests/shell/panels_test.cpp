// The table overlay panels' clicks: #helppanel's close, the message dialog outside a network
// game, the developer panel's tools, and the developer's card swap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "platform/window.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/panels.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"
#include "tests/engine/temp_folder.h"

namespace {

class PanelsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    winSetBackend(WindowBackend::null);
    winNullReset();
    clearGameDialogNumbers();
    buildGameDialogs();
    // The menu bar is the engine's own first panel, which a headless build has not made.
    dlgMenuBar = createDialog(740, 0, 60, 600, false, "#firstpanel", false, 0, 2.0f);
    elHelpButton = addElement(ekPicture, 0, 50, "", 40, 40, 0.0f, 1.0f);
    setElementShown(dlgMenuBar, elHelpButton, 0);
    dlgInfoPanel = createDialog(10, 10, 500, 200, false, "#infopanel", false, 0, 2.0f);
    dlgClusterPanel = createDialog(5, 500, 155, 100, false, "#clusterpanel", false, 0, 2.0f);
    dlgMessage = createDialog(100, 420, 600, 190, false, " ", false, 0, 1.5f);
    clearStacks();
    playerCount = 3;
    cg.gameId = gidSkat;
    envParam = TEnvParam{};
  }
  void TearDown() override {
    elHelpButton = 0;
    dlgInfoPanel = dlgClusterPanel = dlgMessage = 0;
    clearGameDialogNumbers();
    resetEngineModel();
    clearStacks();
    playerCount = 0;
    cg.gameId = gidNone;
    envParam = TEnvParam{};
  }
  static void clearStacks() {
    for (TSpieler& s : sp) s = TSpieler{};
  }
  static void deal(int stack, const std::vector<TCard>& cards) {
    sp[stack].count = 0;
    for (const TCard& c : cards) sp[stack].slots[++sp[stack].count].card = c;
  }
  static std::vector<std::pair<int, int>> slotCards(int stack) {
    std::vector<std::pair<int, int>> out;
    for (int i = 1; i <= sp[stack].count; i++) out.emplace_back(sp[stack].slots[i].card.t, sp[stack].slots[i].card.f);
    return out;
  }

  TempProgramFolder folder;  // the traces and logs of a test stay in its own folder
};

TEST_F(PanelsTest, TheHelpPanelsCloseButtonAlsoClosesTheTutorialPanel) {
  openDialog(dlgHelpPanel);
  setDialogOpen(dlgTutorialPanel, 1);
  EXPECT_TRUE(panelClick(dlgHelpPanel, 1));
  EXPECT_TRUE(dialogOf(dlgHelpPanel).open) << "the text does nothing";
  EXPECT_TRUE(panelClick(dlgHelpPanel, 2));
  EXPECT_FALSE(dialogOf(dlgHelpPanel).open);
  EXPECT_FALSE(dialogOf(dlgTutorialPanel).open);
  EXPECT_TRUE(isElementVisible(dlgMenuBar, elHelpButton)) << "the menu bar's help button is back";
}

TEST_F(PanelsTest, TheMessageDialogOutsideANetworkGameStaysOpen) {
  openDialog(dlgMessage);
  EXPECT_TRUE(panelClick(dlgMessage, 3));
  EXPECT_TRUE(dialogOf(dlgMessage).open);
}

TEST_F(PanelsTest, OtherPanelsAreNotTaken) {
  for (int32_t d : {dlgIPanel, dlgInGame, dlgGameList, 0}) EXPECT_FALSE(panelClick(d, 2)) << "dialog " << d;
}

TEST_F(PanelsTest, ReflectionButtonsStepTheirFields) {
  struct Case {
    int32_t element;
    int32_t reflection, reflectionOff;
  };
  for (const Case& c : {Case{12, 5, 0}, Case{13, -5, 0}, Case{14, 0, 1}, Case{15, 0, -1}, Case{6, 0, 0}}) {
    envParam = TEnvParam{};
    EXPECT_TRUE(panelClick(dlgInfoPanel, c.element));
    EXPECT_EQ(envParam.reflection, c.reflection) << "element " << c.element;
    EXPECT_EQ(envParam.reflectionOff, c.reflectionOff) << "element " << c.element;
  }
}

TEST_F(PanelsTest, TheConsistencyCheckCountsTheStockAndTheHands) {
  EXPECT_EQ(consistencyText(), "Summe soll:52, Summe ist: 0");
  deal(1, {makeCard(1, 1), makeCard(2, 1)});
  deal(2, {makeCard(1, 1)});
  deal(11, {makeCard(3, 4), makeCard(3, 4), makeCard(3, 4)});
  deal(4, {makeCard(5, 2)});  // no seat of a three-seat game
  EXPECT_EQ(consistencyText(), "Summe soll:52, Summe ist: 104") << "a pair counts 100, three cards 3";
  panelClick(dlgInfoPanel, 8);
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_NE(winNullMessageBoxes()[0].find("Summe soll:52, Summe ist: 104"), std::string::npos);
}

TEST_F(PanelsTest, SkatCheatGivesTheUserTheTopOfTheSortedDeck) {
  std::vector<TCard> deck;
  for (int suit = 1; suit <= 4; suit++)
    for (int rank : {1, 7, 8, 9, 10, 11, 12, 13}) deck.push_back(makeCard(rank, suit));
  for (int seat = 1; seat <= 3; seat++) deal(seat, std::vector<TCard>(deck.begin() + 10 * (seat - 1), deck.begin() + 10 * seat));
  deal(11, {deck[30], deck[31]});
  THand sorted{};
  for (int i : {30, 31}) handaddk(sorted, deck[size_t(i)]);  // the stock first, then the hands
  for (int i = 0; i < 30; i++) handaddk(sorted, deck[size_t(i)]);
  sortHand(sorted, 10);
  std::vector<std::pair<int, int>> top;
  for (int i = 32; i > 22; i--) top.emplace_back(sorted.k[i].t, sorted.k[i].f);

  EXPECT_TRUE(panelClick(dlgInfoPanel, 9));
  EXPECT_EQ(slotCards(1), top) << "the user took the sorted stock's last ten, one by one";
  for (int stack : {2, 3}) EXPECT_EQ(sp[stack].count, 10);
  EXPECT_EQ(sp[11].count, 2) << "the stock keeps the skat";
  EXPECT_EQ(consistencyText(), "Summe soll:52, Summe ist: 32") << "every card is still there once";
}

TEST_F(PanelsTest, KtauschSwapsTwoCardsBetweenTheHands) {
  deal(1, {makeCard(7, 4), makeCard(9, 1)});
  deal(2, {makeCard(1, 4), makeCard(8, 2)});
  deal(3, {makeCard(10, 3)});
  Tglapp::ktausch(makeCard(7, 4), makeCard(1, 4));
  EXPECT_EQ(slotCards(1), (std::vector<std::pair<int, int>>{{1, 4}, {9, 1}}));
  EXPECT_EQ(slotCards(2), (std::vector<std::pair<int, int>>{{7, 4}, {8, 2}}));
  EXPECT_EQ(sp[1].slots[1].card.hi, 1) << "the place keeps its slot number";
}

TEST_F(PanelsTest, KtauschWithAMissingCardChangesNothing) {
  deal(1, {makeCard(7, 4), makeCard(9, 1)});
  deal(2, {makeCard(8, 2)});
  const auto before1 = slotCards(1), before2 = slotCards(2);
  Tglapp::ktausch(makeCard(7, 4), makeCard(1, 4));
  Tglapp::ktausch(makeCard(13, 2), makeCard(9, 1));
  EXPECT_EQ(slotCards(1), before1);
  EXPECT_EQ(slotCards(2), before2);
}

TEST_F(PanelsTest, KtauschTakesTheLastPlaceOfACard) {
  deal(1, {makeCard(7, 4), makeCard(9, 1)});
  deal(2, {makeCard(7, 4)});
  deal(3, {makeCard(12, 3)});
  Tglapp::ktausch(makeCard(7, 4), makeCard(12, 3));
  EXPECT_EQ(slotCards(1), (std::vector<std::pair<int, int>>{{7, 4}, {9, 1}}));
  EXPECT_EQ(slotCards(2), (std::vector<std::pair<int, int>>{{12, 3}}));
  EXPECT_EQ(slotCards(3), (std::vector<std::pair<int, int>>{{7, 4}}));
}

}  // namespace

// The decision panel's clicks (option per element, the answer submitted, the out-of-range
// message) and Skat's sort preview while the pointer rests on a game type.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_order.h"
#include "core/cg.h"
#include "core/game_callbacks.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "platform/window.h"
#include "shell/channel_parts.h"
#include "shell/decision_panel_input.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "table/stacks.h"
#include "table/table_globals.h"
#include "tests/engine/temp_folder.h"

namespace {

class DecisionPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    winSetBackend(WindowBackend::null);
    winNullReset();
    clearGameDialogNumbers();
    buildGameDialogs();
    for (TSpieler& s : sp) s = TSpieler{};
    cg.gameId = gidSkat;
    cg.gs.bl.decisionKind = 0;
    // Eight options on offer, so Skat's check of the answer takes each of them.
    cg.gs.bl.showOptions = 1;
    cg.gs.bl.optionCount = 8;
    for (int i = 1; i <= 8; i++) cg.gs.bl.optionValues[i] = int16_t(100 + i);
    cg.gs.getBlender = {};
  }
  void TearDown() override {
    clearGameDialogNumbers();
    resetEngineModel();
    for (TSpieler& s : sp) s = TSpieler{};
    cg.gameId = gidNone;
    cg.gs.awaitingAction = 0;
    cg.gs.bl.showOptions = 0;
    cg.gs.bl.optionCount = 0;
  }
  // Opens the panel as a decision would and clicks the element.
  static void click(int32_t element) {
    openDialog(dlgInGame);
    cg.gs.awaitingAction = 2;
    cg.gs.getBlender = {};
    decisionPanelClick(element);
  }

  TempProgramFolder folder;  // the traces and logs of a test stay in its own folder
};

// Elements 1..34 in build order and the option each stands for (0: none).
const int32_t kOptionByElement[35] = {
    0,                          // (no element 0)
    1,                          // continue
    1, 2,                       // two options
    1, 2, 3,                    // three
    1, 2, 3, 4,                 // four
    8,                          // the option-8 button
    1, 2, 3, 4, 5, 6, 7,        // seven
    1, 2, 3, 4, 5,              // five
    1, 2, 3, 4, 5, 6,           // six
    0, 0, 0, 0,                 // the stake buttons
    0};                         // the text

TEST_F(DecisionPanelTest, EveryElementStandsForItsOption) {
  ASSERT_EQ(dialogOf(dlgInGame).count, 34);
  for (int32_t e = 1; e <= 34; e++) EXPECT_EQ(decisionOptionOf(e), kOptionByElement[e]) << "element " << e;
}

TEST_F(DecisionPanelTest, AnOptionButtonHidesThePanelAndSubmitsItsValue) {
  // Hearts stands for a game without a check of its own: its table would refuse these
  // decisions, which are not its.
  registerGameCallbacks(gidHearts, nullptr);
  for (TGameId game : {gidSkat, gidSchafkopf, gidHearts}) {
    cg.gameId = game;
    for (int32_t e = 1; e <= 29; e++) {
      const int32_t i = kOptionByElement[e];
      click(e);
      EXPECT_FALSE(dialogOf(dlgInGame).open) << "element " << e;
      EXPECT_EQ(cg.gs.awaitingAction, 0) << "element " << e;
      EXPECT_EQ(cg.gs.getBlender.kind, 2);
      EXPECT_EQ(cg.gs.getBlender.res_ii, 100 + i) << "element " << e << ": the value of option " << i;
      EXPECT_EQ(cg.gs.getBlender.res_i, game == gidSchafkopf ? i : 0) << "game " << int(game) << ", element " << e;
    }
  }
}

TEST_F(DecisionPanelTest, TheTextDoesNothing) {
  click(elDecisionText);
  EXPECT_TRUE(dialogOf(dlgInGame).open);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_TRUE(winNullMessageBoxes().empty());
}

TEST_F(DecisionPanelTest, AButtonWithoutAnOptionShowsTheErrorAndSubmitsNothing) {
  click(elBetButtons[1]);
  EXPECT_TRUE(dialogOf(dlgInGame).open) << "the panel is left as it was";
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "nothing submitted";
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_NE(winNullMessageBoxes()[0].find("Error in di_dialog input: i=0"), std::string::npos)
      << winNullMessageBoxes()[0];
}

std::vector<std::pair<int, int>> userSlots() {
  std::vector<std::pair<int, int>> out;
  for (int i = 1; i <= sp[1].count; i++) out.emplace_back(sp[1].slots[i].card.t, sp[1].slots[i].card.f);
  return out;
}

std::vector<std::pair<int, int>> sortedAs(int32_t type) {
  THand h{};
  for (int i = 1; i <= sp[1].count; i++) handaddk(h, sp[1].slots[i].card);
  sortHand(h, type);
  std::vector<std::pair<int, int>> out;
  for (int i = 1; i <= h.anz; i++) out.emplace_back(h.k[i].t, h.k[i].f);
  return out;
}

TEST_F(DecisionPanelTest, HoveringAGameTypeOfSkatResortsTheHand) {
  const TCard hand[] = {makeCard(11, 1), makeCard(7, 2), makeCard(1, 3), makeCard(11, 4), makeCard(10, 2),
                        makeCard(12, 1), makeCard(9, 4), makeCard(13, 3), makeCard(8, 1), makeCard(1, 2)};
  for (const TCard& c : hand) sp[1].slots[++sp[1].count].card = c;
  cg.gs.bl.decisionKind = 55;
  cg.gs.bl.optionValues[2] = 10;  // Null
  cg.gs.bl.optionValues[3] = 3;   // a suit game

  Tglapp::mouseover(dlgInGame, elDecisionRow7[3]);
  EXPECT_EQ(userSlots(), sortedAs(3));
  Tglapp::mouseover(dlgInGame, elDecisionRow7[2]);
  EXPECT_EQ(userSlots(), sortedAs(10));
  Tglapp::mouseover(dlgInGame, elDecisionRow7[1]);
  EXPECT_EQ(userSlots(), sortedAs(11)) << "option 1 previews a Grand";
  const auto grand = userSlots();
  Tglapp::mouseout(dlgInGame, elDecisionRow7[1]);
  EXPECT_EQ(userSlots(), grand) << "the preview stays";
}

TEST_F(DecisionPanelTest, HoveringOutsideTheGameTypeChoiceLeavesTheHand) {
  const TCard hand[] = {makeCard(7, 2), makeCard(11, 1), makeCard(1, 3)};
  for (const TCard& c : hand) sp[1].slots[++sp[1].count].card = c;
  const auto before = userSlots();
  struct Case {
    TGameId game;
    int32_t kind, dialog, element;
  };
  for (const Case& c : {Case{gidSkat, 54, dlgInGame, 12}, Case{gidMauMau, 55, dlgInGame, 12},
                        Case{gidSkat, 55, dlgGameList, 12}, Case{gidSkat, 55, dlgInGame, 34}}) {
    cg.gameId = c.game;
    cg.gs.bl.decisionKind = c.kind;
    Tglapp::mouseover(c.dialog == dlgGameList ? dlgGameList : dlgInGame, c.element);
    EXPECT_EQ(userSlots(), before) << "game " << int(c.game) << ", kind " << c.kind << ", element " << c.element;
  }
}

}  // namespace

// A card the game refuses leaves the table waiting for the user's next card; a card it takes
// closes the gate until the next decision.
TEST_F(DecisionPanelTest, ACardTheGameRefusesLeavesTheTableWaiting) {
  struct Row {
    int32_t card;
    uint8_t gate;
  } rows[] = {{5, 1}, {1, 2}};  // a slot beyond the two cards; the first card
  for (const Row& r : rows) {
    sp[1] = TSpieler{};
    for (const TCard& c : {makeCard(7, 1), makeCard(8, 2)}) sp[1].slots[++sp[1].count].card = c;
    cg.gs.phase = 6;  // Skat's bidding: every card is legal
    cg.gs.akspieler = 1;
    cg.seatRecords[1].kind = seatKindUser;
    cg.gs.bl.decisionKind = 58;
    cg.gs.bl.showOptions = 0;
    cg.gs.bl.cardsSelectable = 1;
    cg.gs.awaitingAction = 2;
    cg.showDecisionDialog(false, false);
    ASSERT_EQ(inputState, 1);
    hoveredCard = r.card;
    tableClick();
    EXPECT_EQ(inputState, r.gate) << "card " << r.card;
  }
  hoveredCard = 0;
  inputState = 0;
}

// The game driver's parts: the end of a card move, speech bubbles, the stacks after a
// computer move, the conditions of the game step; the automatic decision.
#include <gtest/gtest.h>

#include "core/auto_decide.h"
#include "core/decision_panel.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/stopwatch.h"
#include "platform/random.h"
#include "shell/shell_services.h"
#include "table/stack_sync.h"
#include "tests/core/driver_fixture.h"
#include "tests/support/cards.h"

namespace {

class DriverPartsTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    steps = 0;
    moves = 0;
    table.gameStep = [](TGameState&) { steps++; };
    table.aiMove = [] {
      moves++;
      sp[2].count = 0;  // the player rearranges the stacks while it thinks
      cg.submitAction(2, 0, 7);
    };
    table.aiObserve = [](int, int32_t, int32_t) {};  // the tests' games observe nothing
    registerGameCallbacks(gidWar, &table);
    cg.gameId = gidWar;
    playerCount = 2;
    screenMode = 1;
  }
  void TearDown() override {
    setTutTickStandIn(nullptr);
    DriverTest::TearDown();
  }

  static void giveSeat(int seat, const char* cards) {
    THand h = handOf(cards);
    sp[seat].count = h.anz;
    for (int i = 1; i <= h.anz; i++) sp[seat].slots[i].card = h.k[i], sp[seat].slots[i].card.hi = int16_t(i);
    syncHandFromSlots(sp[seat]);
  }
  static std::string seatText(int seat) {
    std::string t;
    for (int i = 1; i <= sp[seat].count; i++) t += (i > 1 ? " " : "") + cardText(sp[seat].slots[i].card);
    return t;
  }

  TGameCallbacks table;
  static inline int steps = 0;
  static inline int moves = 0;
};

TEST_F(DriverPartsTest, CardDoneClosesTheGapOfThePendingMove) {
  giveSeat(1, "c7 s8 h9 dJ");
  sp[1].slots[2].card = noCard();
  sp[1].slots[4].card = noCard();
  cg.gs.pendingMove = 3;
  cg.gs.pendingStack = 1;
  cg.gs.pendingSlot = 2;
  cg.cardDone(1, 12, 3, 1);
  EXPECT_EQ(cg.gs.pendingMove, 3) << "another move's end leaves the wait";
  EXPECT_EQ(sp[1].count, 4);
  cg.cardDone(1, 12, 2, 1);
  EXPECT_EQ(cg.gs.pendingMove, 0);
  EXPECT_EQ(cg.gs.pendingStack, 0);
  EXPECT_EQ(cg.gs.pendingSlot, 0);
  EXPECT_EQ(seatText(1), "c7 h9") << "every empty slot is closed";
}

TEST_F(DriverPartsTest, NoStepWhileAnythingIsPending) {
  struct Case { const char* what; std::function<void()> block; };
  const Case cases[] = {
      {"awaited action", [] { cg.gs.awaitingAction = 2; }},
      {"card move", [] { cg.gs.pendingMove = 3; }},
      {"bubble", [] { cg.gs.bubbleState[4] = 3, cg.gs.bubbles[4] = {getTickCount(), 100000, 0, 0}; }},
      {"game over", [] { screenMode = 2; }},
  };
  for (const Case& c : cases) {
    cg.gs = TGameState{};
    screenMode = 1;
    steps = 0;
    c.block();
    cg.gameTick();
    EXPECT_EQ(steps, 0) << c.what;
  }
  cg.gs = TGameState{};
  screenMode = 1;
  cg.gameTick();
  EXPECT_EQ(steps, 1) << "nothing pending";
  for (TGameId id : {gidSechsundsechzig, gidSiebzehnUndVier, gidGinRummy, gidNone}) {
    cg.gameId = id;
    cg.gameTick();
  }
  EXPECT_EQ(steps, 1) << "variant ids and none tick nothing";
}

// In the tutorial the computer section stands still; the tutorial's driver answers for the
// seats, so it must be asked while an action is awaited.
TEST_F(DriverPartsTest, TheTutorialIsAskedWhileAnActionIsAwaited) {
  static int asked;
  asked = 0;
  setTutTickStandIn([] {
    asked++;
    if (cg.gs.awaitingAction == 2) cg.submitAction(2, 0, 5);
    return true;
  });
  cg.seatRecords[2].kind = seatKindComputer;
  cg.gs.tutorialMode = 1;
  cg.gs.akspieler = 2;
  cg.gs.awaitingAction = 2;
  cg.gs.lastStepTick = getTickCount() - aiDelay;
  cg.gameTick();
  EXPECT_EQ(moves, 0) << "no computer move in the tutorial";
  EXPECT_EQ(asked, 1) << "expected the tutorial to be asked once, got " << asked;
  EXPECT_EQ(cg.gs.getBlender.res_ii, 5) << "the tutorial's answer was taken";
  EXPECT_EQ(steps, 1) << "the step follows the answer in the same tick";

  struct Case { const char* what; std::function<void()> block; int wantAsked; };
  const Case cases[] = {
      {"game over", [] { screenMode = 2; }, 0},
      {"card move pending", [] { cg.gs.pendingMove = 3; }, 1},
      {"bubble shown", [] { cg.gs.bubbleState[3] = 3, cg.gs.bubbles[3] = {getTickCount(), 100000, 0, 0}; }, 1},
  };
  for (const Case& c : cases) {
    cg.gs = TGameState{};
    cg.gs.tutorialMode = 1;
    screenMode = 1;
    asked = steps = 0;
    c.block();
    cg.gameTick();
    EXPECT_EQ(asked, c.wantAsked) << c.what << ": expected " << c.wantAsked << " questions, got " << asked;
    EXPECT_EQ(steps, 0) << c.what;
  }
  setTutTickStandIn([] { return false; });
  cg.gs = TGameState{};
  cg.gs.tutorialMode = 1;
  screenMode = 1;
  cg.gameTick();
  EXPECT_EQ(steps, 0) << "the tutorial holds the step back";
}

TEST_F(DriverPartsTest, BubblesEndAfterTheirTimeAndHideTheirElement) {
  uint32_t now = getTickCount();
  setElementShown(dlgIPanel, elSpeechBubble[2], 1);
  cg.gs.bubbleState[2] = 3;
  cg.gs.bubbles[2] = {now, 500, int16_t(dlgIPanel), int16_t(elSpeechBubble[2])};
  cg.gs.bubbleState[0] = 3;
  cg.gs.bubbles[0] = {now, 2000, 0, 0};
  cg.gameTick();
  EXPECT_EQ(cg.gs.anyBubble, 3);
  EXPECT_EQ(steps, 0);
  advanceFakeTick(501);
  cg.gameTick();
  EXPECT_EQ(cg.gs.bubbleState[2], 0);
  EXPECT_FALSE(elementOf(dlgIPanel, elSpeechBubble[2]).visible);
  EXPECT_EQ(cg.gs.anyBubble, 3) << "seat 0's bubble is still up";
  advanceFakeTick(1500);
  cg.gameTick();
  EXPECT_EQ(cg.gs.anyBubble, 0);
  EXPECT_EQ(steps, 1);
}

TEST_F(DriverPartsTest, AComputerMoveLeavesTheStacksAsTheyWereExceptInSkat) {
  giveSeat(2, "c7 s8");
  cg.seatRecords[2].kind = seatKindComputer;
  cg.gs.akspieler = 2;
  cg.gs.awaitingAction = 2;
  cg.gs.lastStepTick = getTickCount() - aiDelay;
  cg.gameTick();  // the elapsed time is taken
  cg.gameTick();  // the seat moves
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(cg.gs.getBlender.res_ii, 7);
  EXPECT_EQ(seatText(2), "c7 s8") << "the stacks come back from the seat records";

  // Skat's table of calls says its player works on the stacks themselves.
  static TGameCallbacks keeping;
  keeping = table;
  keeping.keepsStacksAroundAIMove = true;
  registerGameCallbacks(gidSkat, &keeping);
  cg.gameId = gidSkat;
  cg.gs.awaitingAction = 2;
  cg.gs.lastStepTick = getTickCount() - aiDelay;
  cg.gameTick();
  cg.gameTick();
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(sp[2].count, 0) << "Skat keeps what its player did";
}

TEST_F(DriverPartsTest, TheStopwatchSlotsGetTheTimesOfTheComputerMoveAndTheGameStep) {
  startStopwatch(4);
  table.aiMove = [] {
    advanceFakeTick(30);
    cg.submitAction(2, 0, 7);
  };
  table.gameStep = [](TGameState&) { advanceFakeTick(12); };
  cg.seatRecords[2].kind = seatKindComputer;
  cg.gs.akspieler = 2;
  cg.gs.awaitingAction = 2;
  cg.gs.lastStepTick = getTickCount() - aiDelay;
  cg.gameTick();  // the elapsed time is taken
  cg.gameTick();  // the seat moves, then the step runs
  EXPECT_EQ(stopwatch.totals[3], 30u) << "the computer move";
  EXPECT_EQ(stopwatch.totals[2], 12u) << "the game step";
  EXPECT_EQ(stopwatch.totals[4], 0u) << "the snapshot takes no time on the fake clock";
  EXPECT_EQ(stopwatch.totals[1], 0u);
}

TEST_F(DriverPartsTest, TheComputerWaitsLongerWhenItActsForTheUser) {
  cg.seatRecords[1].kind = seatKindComputer;  // the developer's autoPlay
  cg.gs.akspieler = 1;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  cg.gs.awaitingAction = 2;
  cg.gs.lastStepTick = getTickCount() - aiDelay;
  cg.gameTick();
  cg.gameTick();
  EXPECT_EQ(moves, 0) << "twice the bubble time after the panel was shown";
  advanceFakeTick(2 * bubbleTime + 1);
  cg.gameTick();
  EXPECT_EQ(moves, 1);
}

// [SECTION] autoDecide

TEST_F(DriverPartsTest, AutoDecideWithTheTurnClockExpired) {
  struct Case { TGameId game; int32_t kind; int32_t want; };
  const Case cases[] = {
      {gidSkat, 48, 43},  // a bid: the last option, pass
      {gidSkat, 55, 14},  // the game choice: option 1
      {gidOldMaid, 123, 123},  // Old Maid answers its options without a coin toss
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    cg.gs.akspieler = 1;
    cg.buildDecisionDialog(c.kind);
    cg.gs.awaitingAction = 2;
    autoDecide(true);
    EXPECT_EQ(cg.gs.awaitingAction, 0) << "kind " << c.kind;
    EXPECT_EQ(cg.gs.getBlender.res_ii, c.want) << "kind " << c.kind;
  }
}

TEST_F(DriverPartsTest, AutoDecidePlaysTheFirstLegalCardWhenExpired) {
  cg.gameId = gidSkat;
  cg.gs.akspieler = 1;
  giveSeat(1, "c7 s8 h9");
  cg.buildDecisionDialog(58);
  cg.gs.awaitingAction = 2;
  autoDecide(true);
  EXPECT_EQ(cg.gs.getBlender.kind, 0);
  EXPECT_EQ(cg.gs.getBlender.res_ii, 1);
}

TEST_F(DriverPartsTest, AutoDecideInOldMaidDrawsFromAnotherSeat) {
  cg.gameId = gidOldMaid;
  playerCount = 4;
  cg.gs.akspieler = 2;
  giveSeat(1, "c7");
  giveSeat(2, "s8");
  giveSeat(4, "h9 hK");
  gameAreas.oldMaidFirstCount = [] { return int32_t(1); };
  for (int round = 0; round < 20; round++) {
    randomSeed(uint64_t(round));
    cg.buildDecisionDialog(122);
    cg.gs.awaitingAction = 2;
    autoDecide(false);
    int32_t from = cg.gs.getBlender.res_i;
    EXPECT_TRUE(from == 1 || from == 4) << "drew from seat " << from;
  }
}

TEST_F(DriverPartsTest, AutoDecideFallsThroughToPilesAndElseDoesNothing) {
  cg.gameId = gidRomme;
  giveSeat(11, "c7 c8 c9");
  randomSeed(3);
  cg.gs.bl = TDecisionBlock{};
  cg.gs.bl.pilesSelectable = 1;
  cg.gs.bl.pileA = 11;
  cg.gs.awaitingAction = 2;
  autoDecide(false);
  EXPECT_EQ(cg.gs.getBlender.kind, 3);
  EXPECT_EQ(cg.gs.getBlender.res_i, 11);
  EXPECT_GE(cg.gs.getBlender.res_ii, 1);
  EXPECT_LE(cg.gs.getBlender.res_ii, 3);

  cg.gs.bl = TDecisionBlock{};
  cg.gs.awaitingAction = 2;
  autoDecide(false);
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "nothing selectable, no options: nothing is submitted";
}

TEST_F(DriverPartsTest, AutoDecideOptionsLostToTheCoinTossFallThroughToCards) {
  cg.gs.akspieler = 1;
  giveSeat(1, "c7 s8");
  int answered = 0, played = 0;
  for (uint64_t seed = 1; seed <= 40; seed++) {
    randomSeed(seed);
    cg.gs.bl = TDecisionBlock{};
    cg.gs.bl.cardsSelectable = 1;
    setDialogOptions({{"!a", 71}, {"!b", 72}});
    cg.gs.awaitingAction = 2;
    cg.gs.getBlender = TGetBlender{};
    autoDecide(false);
    ASSERT_EQ(cg.gs.awaitingAction, 0) << "seed " << seed << ": something is always submitted";
    if (cg.gs.getBlender.kind == 2) answered++;
    if (cg.gs.getBlender.kind == 0) played++;
  }
  EXPECT_GT(answered, 0) << "a won toss answers the options";
  EXPECT_GT(played, 0) << "a lost toss plays a card instead";
}

TEST_F(DriverPartsTest, AutoDecideRandomOptionIsSeeded) {
  cg.gameId = gidSkat;
  cg.buildDecisionDialog(55);
  std::vector<int32_t> first, second;
  for (auto* out : {&first, &second}) {
    randomSeed(99);
    for (int i = 0; i < 10; i++) {
      cg.gs.awaitingAction = 2;
      autoDecide(false);
      out->push_back(cg.gs.getBlender.res_ii);
    }
  }
  EXPECT_EQ(first, second) << "the same seed gives the same answers";
}

}  // namespace

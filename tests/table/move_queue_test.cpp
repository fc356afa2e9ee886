// movecard and the move queue: refusals, the stack-14 copy, reports, sounds, gethand,
// playCardToTrick and the lift.
#include "games/skat/skat_rules.h"
#include "table/deal_moves.h"
#include "table/stack_ops.h"
#include "table/table_layout.h"
#include "tests/support/alerts.h"
#include "tests/table/table_fixture.h"

namespace {

class MoveQueueTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setGame(gidSkat, 3);
    buildTableLayout(true);
  }
};

TEST_F(MoveQueueTest, BadMovesAreRefusedBeforeAnythingChanges) {
  fill(2, "c7 c8 c9");
  fill(7, "hA");
  struct Case {
    int src, srcIndex, dst, dstIndex;
    const char* message;
  } cases[] = {
      {2, 0, 12, 1, "Fehler 0: movecard from zero index at spi2.0:spi12.1"},
      {2, 4, 12, 1, "Fehler: Bereichsüberschreitung bei glu.movecard:2.4"},    // above the count
      {2, 167, 12, 1, "Fehler: Bereichsüberschreitung bei glu.movecard:2.167"},
      {21, 1, 12, 1, "Fehler: Bereichsüberschreitung bei glu.movecard:21.1"},  // no such stack
      {2, 1, 0, 1, "Fehler: Bereichsüberschreitung bei glu.movecard:2.1:spi0.1"},  // no target
      {2, 1, 12, 0, "Fehler: Bereichsüberschreitung bei glu.movecard:2.1:spi12.0"},
      {7, 1, 12, 1, "Fehler: Bereichsüberschreitung bei glu.movecard:7.1"},    // never animated
  };
  for (const Case& c : cases) {
    AlertCollector alerts;
    TCardSlot before = sp[2].slots[1];
    bool queued = movecard(c.src, c.srcIndex, c.dst, c.dstIndex, 1, 2, movePlay, 0, 0, 0);
    EXPECT_FALSE(queued) << c.message;
    ASSERT_EQ(alerts.count(), 1u) << c.message;
    EXPECT_EQ(alerts.texts()[0], c.message);
    EXPECT_EQ(pendingMoveCount, 0);
    EXPECT_EQ(inputState, 0);
    EXPECT_EQ(sp[14].count, 0);
    EXPECT_EQ(sp[2].slots[1].moving, before.moving);
  }
}

TEST_F(MoveQueueTest, ARefusedNotedMoveLeavesTheNoteToTheQueuedOne) {
  fill(2, "c7 c8");
  ASSERT_TRUE(moveCardNoted(2, 2, 12, 1, 1, 2, movePlay, 0, 0));
  cg.gs.pendingMove = 3;
  AlertCollector alerts;
  EXPECT_FALSE(moveCardNoted(2, 5, 12, 2, 1, 2, movePlay, 0, 0));
  EXPECT_EQ(alerts.count(), 1u);
  EXPECT_EQ(cg.gs.pendingStack, 2);
  EXPECT_EQ(cg.gs.pendingSlot, 2) << "the note must keep naming the move that will land";
}

TEST_F(MoveQueueTest, CardInFlightKeepsItsMove) {
  fill(2, "c7 c8");
  ASSERT_TRUE(movecard(2, 2, 12, 1, 1, 2, movePlay, 0, 0, 0));
  AlertCollector alerts;
  EXPECT_FALSE(movecard(2, 2, 13, 1, 1, 2, movePlay, 0, 0, 0));
  EXPECT_EQ(alerts.count(), 1u);
  EXPECT_EQ(pendingMoveCount, 1);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(12), "c8");
}

TEST_F(MoveQueueTest, PileFourteenCopiesTheCardPutOnTwelveAtOnce) {
  fill(2, "c7 sQ");
  ASSERT_TRUE(movecard(2, 2, 12, 1, 1, 2, movePlay, 0, 0, 0));
  EXPECT_EQ(sp[14].count, 1);
  EXPECT_EQ(cardText(sp[14].slots[1].card), "sQ");
  EXPECT_EQ(sp[12].count, 0);  // the card itself has not landed yet
  EXPECT_EQ(inputState, 2);
  EXPECT_EQ(sp[2].slots[2].queueIndex, 1);
  EXPECT_EQ(sp[2].slots[2].liftState, 3);
}

TEST_F(MoveQueueTest, MovesLandingInOneFrameAreReportedInWalkOrder) {
  fill(2, "c7");
  fill(3, "d9");
  fill(13, "h8");
  // Queued pile first, then seat 3, then seat 2: they land together in the same frame,
  // reported seat by seat and then pile by pile.
  ASSERT_TRUE(movecard(13, 1, 16, 1, 0, 2, movePileToPile, 0, 0, 0));
  ASSERT_TRUE(movecard(3, 1, 12, 1, 0, 2, moveCollect, 0, 0, 0));
  ASSERT_TRUE(movecard(2, 1, -2, 1, 0, 2, moveRelayout, 0, 0, 0));
  int frames = runUntilIdle();
  EXPECT_EQ(frames, 60);
  ASSERT_EQ(finishedMoves.count, 3);
  struct Want {
    int src, dst;
    uint8_t kind;
  } want[] = {{2, 2, moveRelayout}, {3, 12, moveCollect}, {13, 16, movePileToPile}};
  for (int i = 1; i <= 3; i++) {
    const TFinishedMove& m = finishedMoves.moves[i];
    EXPECT_EQ(m.srcStack, want[i - 1].src) << "entry " << i;
    EXPECT_EQ(m.dstStack, want[i - 1].dst) << "entry " << i << " (a layout copy counts as its stack)";
    EXPECT_EQ(m.kind, want[i - 1].kind) << "entry " << i;
  }
  EXPECT_EQ(stackText(12), "d9");
  EXPECT_EQ(stackText(16), "h8");
}

TEST_F(MoveQueueTest, CompletingAnEntryRenumbersTheLaterOnes) {
  fill(2, "c7 c8 c9");
  ASSERT_TRUE(movecard(2, 1, 12, 1, 0, 2, movePlay, 0, 0, 0));
  ASSERT_TRUE(movecard(2, 2, 12, 2, 0, 2, movePlay, 0, 0, 0));
  ASSERT_TRUE(movecard(2, 3, 12, 3, 0, 2, movePlay, 0, 0, 0));
  completeQueuedMove(1);
  EXPECT_EQ(pendingMoveCount, 2);
  EXPECT_EQ(sp[2].slots[2].queueIndex, 1);
  EXPECT_EQ(sp[2].slots[3].queueIndex, 2);
  EXPECT_EQ(pendingMoves[1].srcIndex, 2);
  EXPECT_EQ(sp[2].slots[1].moving, 0);
  EXPECT_EQ(cardText(lastMove.card), "c7");
  EXPECT_EQ(lastMove.dstStack, 12);
}

TEST_F(MoveQueueTest, DrawingTheTopCardsOfTheStockSounds) {
  fill(11, "c7 c8 c9 cJ");
  struct Case {
    int index;
    bool sounds;
  } cases[] = {{4, true}, {3, true}, {2, false}};
  for (const Case& c : cases) {
    sounds.clear();
    ASSERT_TRUE(movecard(11, c.index, -1, 1, 1, 2, moveDeal, 0, 0, 0));
    bool drawn = !sounds.empty() && sounds[0].code == soundCardDrawn && sounds[0].index == c.index;
    EXPECT_EQ(drawn, c.sounds) << "slot " << c.index;
  }
}

TEST_F(MoveQueueTest, GethandForAnotherSeatPutsTheNewCardsInFront) {
  fill(2, "c7 c8");
  fill(11, "hA hK hQ");
  gethand(2, 2, 0, 0, 11, 0);
  // The two top cards of the stock, the last one taken first, then the seat's earlier cards.
  EXPECT_EQ(cardText(spLayout[2].slots[3].card), "c7");
  EXPECT_EQ(cardText(spLayout[2].slots[4].card), "c8");
  EXPECT_EQ(spLayout[2].count, 4);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(sp[2].count, 4);
  EXPECT_EQ(sp[11].count, 1);
  // The stock block was sorted before the deal; its top card went to slot 1.
  std::string hand = stackText(2);
  EXPECT_EQ(hand.substr(hand.size() - 5), "c7 c8");
  EXPECT_EQ(stackText(11).size(), 2u);
}

TEST_F(MoveQueueTest, GethandForTheUserSortsOldAndNewCards) {
  skatInitSortKeys();
  fill(1, "hA c7");
  fill(11, "d8 cJ");
  gethand(1, 2, 0, 0, 11, 0);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(1), "cJ c7 hA d8");
  EXPECT_EQ(sp[11].count, 0);
}

TEST_F(MoveQueueTest, GethandOutsideTheSourceIsRefused) {
  fill(11, "hA");
  AlertCollector alerts;
  gethand(2, 3, 0, 0, 11, 0);
  EXPECT_EQ(alerts.count(), 1u);
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(spLayout[2].count, 0);
}

TEST_F(MoveQueueTest, HiddenHandPlaysTheChosenCardFromAnySlot) {
  fill(2, "c7 c8 c9 cJ sJ");
  for (int round = 0; round < 5; round++) {
    TCard chosen = sp[2].slots[2].card;
    int slot = playCardToTrick(2, 2, 12, 0);
    ASSERT_GE(slot, 1);
    EXPECT_TRUE(cardsEqual(sp[2].slots[slot].card, chosen)) << "round " << round;
    EXPECT_GT(runUntilIdle(), 0);
    EXPECT_TRUE(cardsEqual(sp[12].slots[sp[12].count].card, chosen)) << "round " << round;
    EXPECT_EQ(sp[2].count, 4 - round);
    if (sp[2].count < 2) break;
  }
}

TEST_F(MoveQueueTest, LoweringARestingCardLeavesItAlone) {
  fill(1, "c7 c8");
  TCardSlot before = sp[1].slots[1];
  setCardLift(sp[1].slots[1], 1, 1, 1);
  EXPECT_EQ(sp[1].slots[1].moving, 0);
  EXPECT_EQ(sp[1].slots[1].animType, before.animType);
}

TEST_F(MoveQueueTest, ALiftedCardStartsItsMoveWhereItIsShown) {
  fill(1, "c7 c8");
  setCardLift(sp[1].slots[2], 0, 1, 2);
  for (int i = 0; i < 20; i++) animationStep();
  EXPECT_EQ(sp[1].slots[2].liftState, 2);
  float shownY = sp[1].slots[2].pose.y + sp[1].slots[2].flight.y;
  EXPECT_LT(sp[1].slots[2].flight.y, -39);
  ASSERT_EQ(playCardToTrick(1, 2, 12, 0), 2);
  EXPECT_FLOAT_EQ(sp[1].slots[2].pose.y, shownY);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(12), "c8");
  EXPECT_EQ(stackText(1), "c7");
}

}  // namespace

// The chip handler as numbers: amounts split into chips by strategy, planned and landed,
// the bank that never runs out, the speech wait, full tables refused, tidy denominations,
// changing a pot chip and the snapshot of queued money.
#include <gtest/gtest.h>

#include "games/casino/poker_counter.h"
#include "platform/random.h"
#include "tests/casino/poker_table_fixture.h"

namespace {

class ChipHandler : public PokerTableFixture {
 protected:
  static int movesOfType(int type) {
    int n = 0;
    for (int i = 0; i < chipAnimation.moveCount(); i++) n += chipAnimation.move(i).type == type;
    return n;
  }
};

}  // namespace

TEST_F(ChipHandler, AmountsSplitByStrategyAndLand) {
  resetChipStack(8, true);
  for (int t : {3, 2, 1, 0}) addChipsToStack(8, t, 1);
  resetChipStack(2, true);
  ASSERT_TRUE(chipAnimation.queueMove(8, 2, 65, false, 1, 1));
  EXPECT_FALSE(chipAnimation.isIdle());
  EXPECT_EQ(chipAnimation.moveCount(), 4) << "the four chips fly together";
  EXPECT_EQ(chipAnimation.move(0).type, 0) << "the 1-chip is planned first";
  settleChips();
  EXPECT_EQ(chipStackValue(2), 65);
  EXPECT_EQ(chipStackValue(8), 0);

  resetChipStack(3, true);
  ASSERT_TRUE(chipAnimation.queueMove(7, 3, 65, false, 0, 1));
  EXPECT_FALSE(chipAnimation.isIdle());
  EXPECT_EQ(movesOfType(0), 17);
  EXPECT_EQ(movesOfType(1), 12);
  settleChips();
  EXPECT_EQ(chipStacks[3].rows[0].count, 17);
  EXPECT_EQ(chipStackValue(3), 65);
}

TEST_F(ChipHandler, TheBankMakesMissingChipsAndFullTablesRefuse) {
  resetChipStack(7, true);
  resetChipStack(4, true);
  ASSERT_TRUE(chipAnimation.queueMove(7, 4, 200, true, 4, 1));
  EXPECT_EQ(chipStacks[7].rows[4].count, 1);
  settleChips();
  EXPECT_EQ(chipStackValue(4), 200);
  EXPECT_FALSE(chipAnimation.queueMove(4, 8, 0, false, 1, 1));
  for (int i = 0; i < chipTransferCapacity; i++) ASSERT_TRUE(chipAnimation.queueMove(7, 4, 1, true, 4, 1));
  EXPECT_FALSE(chipAnimation.queueMove(7, 4, 1, true, 4, 1)) << "the transfer stack is full";
  settleChips();
  EXPECT_EQ(chipStackValue(4), 200 + chipTransferCapacity);
}

TEST_F(ChipHandler, ASpokenActionHoldsTheStepUntilItsTime) {
  setSeatSpeech(2, "Ich gehe mit");
  EXPECT_FALSE(chipAnimation.isIdle());
  settleChips();
  EXPECT_TRUE(chipAnimation.isIdle());
}

TEST_F(ChipHandler, UntidySeatsAreChangedWithTheBankKeepingTheirMoney) {
  struct Case {
    const char* name;
    int32_t chips[5];
  };
  const Case cases[] = {{"three 1-chips and a 200", {3, 0, 0, 0, 1}},
                        {"forty 1-chips", {40, 2, 0, 0, 0}},
                        {"few of each", {3, 1, 2, 1, 1}},
                        {"a 200 alone", {0, 0, 0, 0, 1}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetChipStack(2, true);
    int32_t value = 0;
    for (int t = 0; t <= 4; t++) {
      addChipsToStack(2, t, c.chips[t]);
      value += c.chips[t] * chipValue(t);
    }
    ASSERT_TRUE(chipAnimation.needsChipExchange());
    for (int round = 0; round < 10 && chipAnimation.needsChipExchange(); round++) {
      ASSERT_TRUE(chipAnimation.exchangeChips());
      settleChips();
      EXPECT_EQ(chipStackValue(2), value);
    }
    EXPECT_FALSE(chipAnimation.needsChipExchange());
  }
}

// Seeded stacks of every shape, a seat's and the pot's: each change plan gives the bank only
// chips the stack holds, keeps its money, and a few changes leave the table tidy.
TEST_F(ChipHandler, AnyStackIsTidiedWithItsOwnChips) {
  randomFixSeed(2212);
  randomSeed(2212);
  const int32_t most[5] = {60, 40, 36, 36, 8};
  for (int round = 0; round < 300; round++) {
    int32_t value[9] = {};
    for (int stack : {2, 8}) {
      resetChipStack(stack, true);
      for (int t = 0; t <= 4; t++) {
        const int32_t n = randomBelow(3) == 0 ? 0 : randomBelow(stack == 8 ? 2 * most[t] : most[t]);
        addChipsToStack(stack, t, n);
        value[stack] += n * chipValue(t);
      }
    }
    SCOPED_TRACE(testing::Message() << "round " << round);
    int changes = 0;
    for (; changes < 6 && chipAnimation.needsChipExchange(); changes++) {
      int32_t held[9][5] = {};
      for (int stack : {2, 8})
        for (int t = 0; t <= 4; t++) held[stack][t] = chipStacks[stack].rows[t].count;
      ASSERT_TRUE(chipAnimation.exchangeChips());
      for (int i = 0; i < chipAnimation.transferCount(); i++) {
        const TChipTransfer& m = chipAnimation.transfer(i);
        if (m.toStack == 7) --held[m.fromStack][chipTypeOfValue(m.amount)];
      }
      for (int stack : {2, 8})
        for (int t = 0; t <= 4; t++) ASSERT_GE(held[stack][t], 0) << stack << " gives chips it lacks";
      settleChips();
      for (int stack : {2, 8}) EXPECT_EQ(chipStackValue(stack), value[stack]);
    }
    EXPECT_FALSE(chipAnimation.needsChipExchange()) << changes << " changes";
  }
  randomReleaseSeed();
}

TEST_F(ChipHandler, ThePotsLargestChipIsChanged) {
  resetChipStack(8, true);
  addChipsToStack(8, 4, 1);
  pokerArea().seats[1].winner = 1;
  pokerArea().seats[1].won = 20;
  EXPECT_FALSE(potCanPayShares());
  chipAnimation.changeChip();
  settleChips();
  EXPECT_EQ(chipStackValue(8), 200);
  EXPECT_EQ(chipStacks[8].rows[4].count, 0);
  EXPECT_TRUE(potCanPayShares());
}

TEST_F(ChipHandler, TheSnapshotCountsQueuedAndFlyingMoneyWhereItGoes) {
  resetChipStack(1, true);
  resetChipStack(8, true);
  addChipsToStack(1, 2, 5);
  ASSERT_TRUE(chipAnimation.queueMove(1, 8, 40, false, 1, 1));
  TChipSnapshot snap;
  countChipStacks(snap);
  EXPECT_EQ(snap.stacks[1].chips[2], 3);
  EXPECT_EQ(snap.stacks[8].chips[2], 2);
  chipAnimation.animate(300);
  countChipStacks(snap);
  EXPECT_EQ(snap.stacks[8].chips[2], 2);
  chipSnapshot = snap;
  rebuildChipStacks();
  EXPECT_EQ(chipAnimation.moveCount(), 0);
  EXPECT_EQ(chipStackValue(1), 60);
  EXPECT_EQ(chipStackValue(8), 40);
}

TEST_F(ChipHandler, TheBankStartsWithItsSupply) {
  pokerArea().startMoney = 200;
  playerCount = 6;
  resetChipStack(7, false);
  EXPECT_EQ(chipStacks[7].rows[0].count, (2 * 6 + 6) * 6 + 4);
  EXPECT_EQ(chipStacks[7].rows[4].count, 6 / 2 + 3);
  EXPECT_EQ(chipStacks[7].rows[6].count, 3);
}

TEST(PokerCounter, AFreshSeriesAndItsResult) {
  const int32_t saved = playerCount;
  playerCount = 3;
  TPokerCounter c;
  c.reset();
  EXPECT_EQ(c.matches, 1);
  EXPECT_EQ(c.rounds, 1);
  EXPECT_FALSE(c.isFinished());
  EXPECT_FLOAT_EQ(c.rankFactors[2][12], 1.49f);
  c.addPoints(0, 5);
  c.addPoints(2, 4);
  for (int i = 0; i < 19; i++) c.nextMatch();
  EXPECT_TRUE(c.isFinished());
  EXPECT_EQ(c.resultText(),
            "20 Matches, 1 Runden\n\rSpieler 1: 0 Punkte\n\rSpieler 2: 4 Punkte\n\rSpieler 3: 0 Punkte");
  playerCount = saved;
}

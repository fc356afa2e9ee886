// Texas Hold'em hands through the core's tick: random answers within what each question
// offers (now and then one it does not), every seat count, variant and deal style; blinds
// and the first seat to act; the computer seats; the learning situations.
#include <gtest/gtest.h>

#include "games/casino/poker_cases.h"
#include "games/casino/poker_step.h"
#include "tests/casino/poker_flow_fixture.h"

namespace {

using PokerFlow = PokerFlowFixture;

bool asked() { return cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind == 98; }

// Frames until a decision is asked; false when none comes.
bool runToQuestion(int limit = 5000) {
  for (int f = 0; f < limit; f++) {
    if (asked()) return true;
    headlessFrame();
    advanceFakeTick(50);
  }
  return asked();
}

}  // namespace

TEST_F(PokerFlow, RandomMatchesKeepTheMoneyAndEnd) {
  struct Case {
    int32_t seats;
    PokerVariant variant;
    int32_t dealMode;
  };
  const Case cases[] = {{2, nlPoker, 1}, {3, plPoker, 2}, {4, slPoker, 1}, {5, nlPoker, 2}, {6, plPoker, 1},
                        {6, slPoker, 2}};
  randomFixSeed(41);
  randomSeed(41);
  int refused = 0, hands = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE("seats " + std::to_string(c.seats) + " variant " + std::to_string(c.variant) + " deal " +
                 std::to_string(c.dealMode));
    for (int match = 0; match < 2; match++) {
      startMatch(c.seats, c.variant, c.dealMode);
      std::string fault;
      int h = 0;
      for (; h < 300; h++) {
        ASSERT_TRUE(playHand(refused, fault, true)) << "stalled in hand " << h << " step " << cg.gs.step;
        ASSERT_EQ(fault, "") << "hand " << h;
        hands++;
        if (cg.gs.listOver) break;
        nextHand();
      }
      EXPECT_LT(h, 300) << "the match did not end";
    }
  }
  randomReleaseSeed();
  EXPECT_GT(refused, 0);
  EXPECT_GT(hands, 100);
  EXPECT_EQ(alerts, 0) << lastAlert;
}

TEST_F(PokerFlow, BlindsAndTheFirstSeatToAct) {
  struct Case {
    int32_t seats;
    uint64_t seed;
  };
  for (const Case& c : {Case{2, 3}, Case{6, 5}, Case{6, 6}}) {
    SCOPED_TRACE("seats " + std::to_string(c.seats));
    randomSeed(c.seed);
    startMatch(c.seats, nlPoker, 1);
    ASSERT_TRUE(runToQuestion());
    const TPokerArea& a = pokerArea();
    auto after = [&](int32_t seat) { return seat % c.seats + 1; };
    EXPECT_EQ(a.bigBlindSeat, after(a.smallBlindSeat));
    EXPECT_EQ(a.smallBlindSeat, after(a.dealerSeat));
    if (c.seats == 2) {
      EXPECT_EQ(a.dealerSeat, a.bigBlindSeat);
    }
    EXPECT_EQ(a.seats[a.bigBlindSeat].stake, 2);
    EXPECT_EQ(a.seats[a.smallBlindSeat].stake, 1);
    EXPECT_EQ(a.pot, 3);
    EXPECT_EQ(cg.gs.akspieler, a.firstToAct);
    EXPECT_EQ(cg.gs.akspieler, after(a.bigBlindSeat));
    // Everybody calls or checks: the big blind must still act before the flop.
    bool bigBlindAsked = false;
    while (asked() && a.street == 1) {
      bigBlindAsked = bigBlindAsked || cg.gs.akspieler == a.bigBlindSeat;
      cg.submitAction(2, 0, pokerAmountToCall(cg.gs.akspieler) > 0 ? pokerCall : pokerCheck);
      ASSERT_TRUE(runToQuestion());
    }
    EXPECT_TRUE(bigBlindAsked);
    EXPECT_EQ(a.street, 3);
    EXPECT_EQ(stackUsed(sp[12]), 3);
    EXPECT_EQ(cg.gs.akspieler, a.smallBlindSeat) << "from the flop on the seat after the dealer opens";
  }
  EXPECT_EQ(alerts, 0) << lastAlert;
}

TEST_F(PokerFlow, ComputerSeatsAnswerThroughTheirPlayer) {
  for (uint32_t seed : {9u, 10u, 11u}) {
    randomSeed(seed);
    startMatch(4, nlPoker, 1);
    int refused = 0;
    std::string fault;
    ASSERT_TRUE(playHand(refused, fault, false)) << seed;
    EXPECT_EQ(fault, "") << seed;
    // Every answer the computer seats gave was taken, and no money was made or lost.
    int32_t total = 0;
    for (int s = 1; s <= 4; s++) total += chipStackValue(s);
    EXPECT_EQ(total, 800) << seed;
  }
}

TEST_F(PokerFlow, AnAnswerNotOfferedLeavesTheQuestionOpen) {
  randomSeed(12);
  startMatch(3, nlPoker, 1);
  ASSERT_TRUE(runToQuestion());
  const int32_t seat = cg.gs.akspieler;
  ASSERT_GT(pokerAmountToCall(seat), 0);
  const int32_t pot = pokerArea().pot;
  cg.submitAction(2, 0, pokerCheck);  // something is owed: no check
  ASSERT_TRUE(runToQuestion());
  EXPECT_EQ(cg.gs.akspieler, seat);
  EXPECT_EQ(pokerArea().pot, pot);
  EXPECT_EQ(pokerArea().seats[seat].action, 11);
}

// While the case memory learns, the core's tick notes the situation of each seat to act, and
// every answer becomes a sample of that seat's situation.
TEST_F(PokerFlow, LearningTakesEachSeatsSituation) {
  tClusterer& memory = clusterer();
  const int32_t cases = memory.caseCount;
  memory.learning = true;
  memory.mode = 1;
  randomSeed(13);
  startMatch(4, nlPoker, 1);
  const TPokerCaseArea& area = pokerCaseArea();
  for (int f = 0; f < 20000 && area.sampleCount < 3 && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
  memory.learningOff();
  memory.caseCount = cases;
  ASSERT_GE(area.sampleCount, 3);
  int32_t previous = 0;
  for (int i = 0; i < area.sampleCount; i++) {
    const TPokerCase& c = area.samples[i];
    EXPECT_GE(c.seat, 1) << i;
    EXPECT_LE(c.seat, 4) << i;
    EXPECT_NE(c.seat, previous) << "a fresh situation for each answer";
    EXPECT_GE(c.streetCode, 10) << i;
    previous = c.seat;
  }
  memory.clearSamples();
}

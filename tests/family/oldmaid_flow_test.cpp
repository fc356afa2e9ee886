// Old Maid's flow: the deck and the deal, the opening discards, drawing again after a pair,
// the end of a game with the loser and the open hands.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "tests/family/oldmaid_fixture.h"

namespace {

using OldMaidFlow = OldMaidFixture;

bool drawAsked() {
  return cg.gs.awaitingAction == 2 && (cg.gs.bl.decisionKind == 122 || cg.gs.bl.decisionKind == 121);
}

int32_t countRankIn(std::initializer_list<int32_t> stacks, int32_t rank) {
  int32_t n = 0;
  for (int32_t s : stacks)
    for (int i = 1; i <= stackUsed(sp[s]); i++) n += sp[s].slots[i].card.t == rank ? 1 : 0;
  return n;
}

TEST_F(OldMaidFlow, TheDeckAndTheDealForEitherOldMaid) {
  struct TCase {
    int32_t seats, maidCard, deck, queens, jokers;
    std::vector<int32_t> counts;
  } cases[] = {
      {3, 1, 49, 1, 0, {17, 16, 16}},
      {4, 2, 53, 4, 1, {14, 13, 13, 13}},
  };
  for (const TCase& c : cases)
    for (int32_t dealMode : {1, 2}) {
      randomSeed(uint64_t(c.seats * 10 + dealMode));
      resetTable(c.seats);
      setHeadlessDisplay(dealMode);
      newList(TOldMaidOptions{.seats = c.seats, .maidCard = c.maidCard});
      ASSERT_TRUE(runUntil([] { return cg.gs.phase == 4 && cg.gs.pendingMove == 0; }));
      for (int32_t s = 1; s <= c.seats; s++) EXPECT_EQ(oldMaidCardCount(s), c.counts[s - 1]) << "seat " << s;
      EXPECT_EQ(misplacedCards(), "");
      const auto all = {1, 2, 3, 4, 5, 6};
      EXPECT_EQ(countRankIn(all, rankQueen), c.queens);
      EXPECT_EQ(countRankIn(all, rankJoker), c.jokers);
      EXPECT_EQ(cg.gs.akspieler, cg.gs.dealer) << "the dealer discards first";
    }
}

TEST_F(OldMaidFlow, EverySeatDiscardsItsPairsThenTheStarterDraws) {
  position({"c7 s7 h8", "c9 s9 h10 d10 dK", "cK"}, 1, 2);
  ASSERT_TRUE(runUntil(drawAsked));
  EXPECT_EQ(cardsOf(15), "s7 c7");  // the centre pile is taken from the top
  EXPECT_EQ(cardsOf(16), "s9 c9 d10 h10");
  EXPECT_EQ(cardsOf(17), "");
  EXPECT_EQ(cg.gs.akspieler, 2) << "the starting seat draws first";
  EXPECT_EQ(oldMaidArea().openingDiscards, 0);
  EXPECT_EQ(misplacedCards(), "total 9");  // a built position holds no whole deck
}

TEST_F(OldMaidFlow, ASeatThatPairsAfterItsDrawDrawsAgain) {
  // Seat 1 draws from seat 3, its right-hand neighbour.
  position({"c7 c8 c9", "hK dA", "s7 s8"}, 2, 1);
  ASSERT_TRUE(runUntil(drawAsked));
  EXPECT_EQ(cg.gs.akspieler, 1);
  ASSERT_TRUE(runUntil([] { return stackUsed(sp[15]) == 2 && drawAsked(); }));
  EXPECT_EQ(cg.gs.akspieler, 1) << "the pair earns another draw";
  EXPECT_EQ(oldMaidCardCount(1), 2);
}

TEST_F(OldMaidFlow, WithoutAPairTheTurnPasses) {
  position({"c7 c8", "hK hA", "s9 s10"}, 2, 1);
  ASSERT_TRUE(runUntil(drawAsked));
  ASSERT_TRUE(runUntil([] { return drawAsked() && cg.gs.akspieler != 1; }));
  EXPECT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(oldMaidCardCount(1), 3);
}

TEST_F(OldMaidFlow, TheLastCardLosesAndTheOtherHandsOpen) {
  // Seat 1 draws seat 3's queen of hearts, pairs it and goes out; seat 2 holds the old maid.
  position({"cQ", "sQ", "hQ"}, 2, 1, TOldMaidOptions{.maidCard = 2});
  ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }));
  EXPECT_EQ(oldMaidLoser(), 2);
  EXPECT_EQ(cg.gs.listTotals[1], 0);
  EXPECT_EQ(cg.gs.listTotals[2], -1);
  EXPECT_EQ(cg.gs.listTotals[3], 0);
  EXPECT_TRUE(oldMaidIsSeatHandOpen(2));
  EXPECT_FALSE(oldMaidIsSeatHandOpen(1));
  EXPECT_FALSE(oldMaidIsSeatHandOpen(3));
}

}  // namespace

// Blackjack's basic strategy under the house rules: the known choices per hand and up card
// for both dealer rules, the expected result per initial bet, and the dealer's outcomes.
#include <gtest/gtest.h>

#include <numeric>

#include "games/casino/bj_strategy.h"

namespace {

constexpr int32_t upAce = 11;

// Hands of two cards: value, soft, up cards from..to (11 the ace), the choice.
struct TStrategyCase {
  int32_t total;
  bool soft;
  int32_t upFrom, upTo;
  TBjAction action;
};

const TStrategyCase strategyCases[] = {
    {11, false, 2, 9, bjDouble}, {11, false, 10, upAce, bjHit},
    {10, false, 2, 9, bjDouble}, {9, false, 3, 6, bjDouble},
    {12, false, 2, 3, bjHit},    {12, false, 4, 6, bjStand},
    {13, false, 2, 6, bjStand},  {13, false, 7, upAce, bjHit},
    {14, false, 2, 6, bjStand},  {14, false, 7, upAce, bjHit},
    {15, false, 2, 6, bjStand},  {15, false, 7, upAce, bjHit},
    {16, false, 2, 6, bjStand},  {16, false, 7, upAce, bjHit},
    {18, true, 3, 6, bjDouble},  {18, true, 2, 2, bjStand},
    {18, true, 7, 8, bjStand},   {18, true, 9, upAce, bjHit},
};

const char* actionName(TBjAction a) { return a == bjStand ? "stand" : a == bjHit ? "hit" : "double"; }

}  // namespace

TEST(BjStrategy, KnownChoicesForBothDealerRules) {
  for (bool hitSoft17 : {false, true})
    for (const TStrategyCase& c : strategyCases)
      for (int32_t up = c.upFrom; up <= c.upTo; ++up) {
        const TBjAction got = bjBasicStrategyAction(c.total, c.soft, up, hitSoft17);
        EXPECT_EQ(got, c.action) << (c.soft ? "soft " : "hard ") << c.total << " against " << up
                                 << (hitSoft17 ? " (dealer draws on ace-six)" : "")
                                 << ": expected " << actionName(c.action) << ", got " << actionName(got);
      }
}

TEST(BjStrategy, EdgePerInitialBet) {
  EXPECT_NEAR(bjStrategyTable(false).edge, -0.0117, 0.0003);
  EXPECT_NEAR(bjStrategyTable(true).edge, -0.0131, 0.0003);
}

TEST(BjStrategy, WithoutDoublingTheBetterOfStandAndHit) {
  EXPECT_EQ(bjBasicStrategyAction(11, false, 6, false, false), bjHit);
  EXPECT_EQ(bjBasicStrategyAction(18, true, 4, false, false), bjStand);
  EXPECT_EQ(bjBasicStrategyAction(21, false, 10, false, false), bjStand);
  EXPECT_EQ(bjBasicStrategyAction(16, false, 10, true, false), bjHit);
  // Out of range: stand from 12 on, hit below; no up card, stand.
  EXPECT_EQ(bjBasicStrategyAction(25, false, 10, false), bjStand);
  EXPECT_EQ(bjBasicStrategyAction(3, false, 10, false), bjHit);
  EXPECT_EQ(bjBasicStrategyAction(16, false, 1, false), bjStand);
}

TEST(BjStrategy, DealerOutcomes) {
  for (bool hitSoft17 : {false, true})
    for (int32_t up = 2; up <= upAce; ++up) {
      const TBjDealerOutcome out = bjDealerOutcome(up, hitSoft17);
      EXPECT_NEAR(std::accumulate(out.begin(), out.end(), 0.0), 1.0, 1e-12) << up;
    }
  // No peek: an ace shows a natural whenever the hole card is worth ten.
  EXPECT_NEAR(bjDealerOutcome(upAce, false)[23], 4.0 / 13.0, 1e-12);
  EXPECT_NEAR(bjDealerOutcome(10, false)[23], 1.0 / 13.0, 1e-12);
  EXPECT_EQ(bjDealerOutcome(6, false)[23], 0.0);
  // Drawing on ace-six leaves fewer 17s behind a six.
  EXPECT_LT(bjDealerOutcome(6, true)[17], bjDealerOutcome(6, false)[17]);
}

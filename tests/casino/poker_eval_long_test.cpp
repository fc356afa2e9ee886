// The table-driven evaluator against the pattern search on every seven-card hand, one test
// per lowest card so that they run side by side.
#include <gtest/gtest.h>

#include "games/casino/poker_fast_eval.h"
#include "tests/casino/poker_fixture.h"

class PokerEvalEveryHand : public PokerEvalFixture, public ::testing::WithParamInterface<int> {};

TEST_P(PokerEvalEveryHand, TableRatingEqualsPatternSearch) {
  const TPokerFastTables& t = pokerFastTables();
  const int low = GetParam();
  THand64 h{};
  h.anz = 7;
  int c[7];
  c[0] = low;
  long mismatches = 0;
  for (c[1] = c[0] + 1; c[1] < 52; c[1]++)
    for (c[2] = c[1] + 1; c[2] < 52; c[2]++)
      for (c[3] = c[2] + 1; c[3] < 52; c[3]++)
        for (c[4] = c[3] + 1; c[4] < 52; c[4]++)
          for (c[5] = c[4] + 1; c[5] < 52; c[5]++)
            for (c[6] = c[5] + 1; c[6] < 52; c[6]++) {
              TPokerFastHand f{};
              for (int i = 0; i < 7; i++) {
                pokerFastAdd(f, t, c[i]);
                h.k[i + 1] = pokerFastCard(c[i]);
              }
              TPokerHandEval a = evaluatePokerHand(h, false);
              TPokerHandEval b = pokerFastEval(pokerFastRate(t, f));
              bool same = a.category == b.category && a.decisive1 == b.decisive1 && a.decisive2 == b.decisive2 &&
                          a.kicker1 == b.kicker1 && a.kicker2 == b.kicker2 && a.kicker3 == b.kicker3 &&
                          a.kicker4 == b.kicker4 && a.kicker5 == 0;
              if (!same && ++mismatches <= 5) ADD_FAILURE() << "hand " << handText(h);
            }
  EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(ByLowestCard, PokerEvalEveryHand, ::testing::Range(0, 46));

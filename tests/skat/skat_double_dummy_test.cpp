// The open-cards search the rule-table tool fits on: small endings whose best play is known,
// each checked at the declarer's exact total and one point above it.
#include <gtest/gtest.h>

#include <initializer_list>

#include "core/cards.h"
#include "tools/skat_double_dummy.h"

namespace {

uint32_t cards(std::initializer_list<TCard> list) {
  uint32_t m = 0;
  for (const TCard& c : list) m |= 1u << ddCardIndex(c.t, c.f);
  return m;
}

TEST(SkatDoubleDummy, DeclarerTotalsOfSmallEndings) {
  const TCard jackClubs = makeCard(rankJack, suitClubs);
  struct Case {
    const char* what;
    DDDeal deal;
    int total;  // the declarer's card points with best play on both sides
  };
  const Case cases[] = {
      {"Grand: the club Jack takes Ace and Ten of a plain suit",
       {{cards({jackClubs}), cards({makeCard(rankAce, suitHearts)}), cards({makeCard(rankTen, suitHearts)})}, 0, 0},
       23},
      {"Herz: a void declarer trumps the spade Ace with the heart 7",
       {{cards({makeCard(rankAce, suitSpades)}), cards({makeCard(rank7, suitHearts)}), cards({makeCard(rankTen, suitSpades)})},
        1, suitHearts},
       21},
      {"Grand: the defenders keep their cheapest cards for the declarer's tricks",
       {{cards({jackClubs, makeCard(rank7, suitDiamonds)}),
         cards({makeCard(rankAce, suitDiamonds), makeCard(rankTen, suitDiamonds)}),
         cards({makeCard(rankKing, suitDiamonds), makeCard(rankQueen, suitDiamonds)})},
        0, 0},
       15},
  };
  DDSolver solver;
  for (const Case& c : cases) {
    EXPECT_TRUE(solver.reaches(c.deal, c.total)) << c.what;
    EXPECT_FALSE(solver.reaches(c.deal, c.total + 1)) << c.what;
  }
}

}  // namespace

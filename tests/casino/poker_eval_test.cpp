// Hand ratings of the pattern search and of the table-driven evaluator: categories,
// decisive values, kickers, comparisons and names.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "games/casino/poker_fast_eval.h"
#include "tests/casino/poker_fixture.h"

namespace {

struct RatingCase {
  const char* cards;
  int category, d1, d2, k1, k2, k3, k4;
};

std::vector<int> codesOf(const THand64& h) {
  std::vector<int> codes;
  for (int i = 1; i <= h.anz; i++) codes.push_back(pokerFastCode(h.k[i]));
  return codes;
}

int fastClass(const char* cards) {
  auto codes = codesOf(hand64Of(cards));
  return pokerFastRateCodes(codes.data(), int(codes.size()));
}

auto fields(const TPokerHandEval& e) {
  return std::make_tuple(int(e.category), e.ordinal, e.decisive1, e.decisive2, e.kicker1, e.kicker2, e.kicker3,
                         e.kicker4, e.kicker5);
}

}  // namespace

using PokerRating = PokerEvalFixture;

TEST_F(PokerRating, CategoriesDecisiveValuesAndKickers) {
  const RatingCase cases[] = {
      // The five-high straight, named after its five; with a six it is 6-high instead.
      {"sA h5 c4 d3 s2 h2 h3", pkStraight, vA, v5, v3, v2, vA, 0},
      {"sA h5 c4 d3 s2 h6 cK", pkStraight, v6, v5, v4, v3, v2, 0},
      {"hA h5 h4 h3 h2 cK dQ", pkStraightFlush, vA, v5, v3, v2, vA, 0},
      {"sA h5 c4 d3 cK d9 h8", pkHighCard, vA, 0, vK, v9, v8, v5},
      {"sA sK sQ sJ s10 h2 d3", pkRoyalFlush, vA, vK, vQ, vJ, v10, 0},
      {"sA hK cQ dJ h10 c2 d2", pkStraight, vA, vK, vQ, vJ, v10, 0},
      {"s9 h8 c8 d7 h6 c5 d2", pkStraight, v9, v8, v7, v6, v5, 0},
      {"h9 h8 h7 h6 h5 c10 dA", pkStraightFlush, v9, v8, v7, v6, v5, 0},
      // The flush whose cards come after an off-suit ace and before an off-suit last card.
      {"sA hK hQ hJ h9 h8 s2", pkFlush, vK, vQ, vJ, v9, v8, 0},
      {"hA hK h9 h7 h4 h2 c3", pkFlush, vA, vK, v9, v7, v4, 0},
      // Two three-of-a-kinds, and the three cards deciding before a higher pair.
      {"sK hK dK cQ dQ hQ c2", pkFullHouse, vK, vQ, 0, 0, 0, 0},
      {"sK hK cQ dQ hQ c2 d3", pkFullHouse, vQ, vK, 0, 0, 0, 0},
      // Three pairs: the kicker may be the third pair's rank.
      {"sK hK cQ dQ h5 c5 dA", pkTwoPairs, vK, vQ, vA, 0, 0, 0},
      {"sK hK cQ dQ h5 c5 d2", pkTwoPairs, vK, vQ, v5, 0, 0, 0},
      {"sK hK cK dK h5 c5 d5", pkFourOfAKind, vK, 0, v5, 0, 0, 0},
      {"s9 h9 c9 dK h2 c3 d7", pkThreeOfAKind, v9, 0, vK, v7, 0, 0},
      {"s9 h9 cA dK h2 c3 d7", pkPair, v9, 0, vA, vK, v7, 0},
      {"hQ", pkHighCard, vQ, 0, 0, 0, 0, 0},
      {"s2 h3 c4 d5 s7", pkHighCard, v7, 0, v5, v4, v3, v2},
  };
  for (const RatingCase& c : cases) {
    SCOPED_TRACE(c.cards);
    TPokerHandEval e = evaluatePokerHand(hand64Of(c.cards), false);
    EXPECT_EQ(fields(e), std::make_tuple(c.category, c.category, c.d1, c.d2, c.k1, c.k2, c.k3, c.k4, 0));
    if (hand64Of(c.cards).anz >= 5) {
      EXPECT_EQ(fields(pokerFastEval(fastClass(c.cards))), fields(e));
    }
  }
}

TEST_F(PokerRating, BestFiveAreTheMatchedCardsThenTheHighestLeft) {
  const std::pair<const char*, const char*> cases[] = {
      {"sA hK hQ hJ h9 h8 s2", "hK hQ hJ h9 h8"},
      {"sA h5 c4 d3 s2 h2 h3", "h5 c4 d3 s2 sA"},
      {"sK hK cQ dQ h5 c5 dA", "sK hK cQ dQ dA"},
      {"s9 h9 cA dK h2 c3 d7", "s9 h9 cA dK d7"},
      {"hQ", "hQ"},
  };
  for (const auto& [cards, five] : cases) {
    SCOPED_TRACE(cards);
    EXPECT_EQ(handText(evaluatePokerHand(hand64Of(cards), true).bestFive), five);
  }
}

TEST_F(PokerRating, ComparisonsDecideByEachFieldAndTieOnTheRest) {
  struct Case {
    const char *a, *b;
    int result;
  };
  const Case cases[] = {
      {"sA h5 c4 d3 s2", "h6 c5 d4 s3 c2", 2},            // the wheel is the lowest straight
      {"sA h5 c4 d3 s2", "hA c5 d4 s3 c2", 0},
      {"s9 h8 c7 d6 s5", "h9 c8 d7 s6 c5", 0},            // suits never decide
      {"sA sK sQ sJ s10", "hA hK hQ hJ h10", 0},          // two royal flushes
      {"sA dK hQ cJ d9 c2 d3", "sA dK hQ cJ d9 h2 s3", 0},  // the board plays
      {"sA dK hQ cJ s9", "cA hK dQ sJ d8", 1},            // each kicker of a high card
      {"sA dK hQ cJ s9", "cA hK dQ s10 d9", 1},
      {"sA dK hQ cJ s9", "cA hK dJ s10 d9", 1},
      {"sA dK hQ cJ s9", "cA hQ dJ s10 d9", 1},
      {"sA dK hQ cJ s9", "cK hQ dJ s10 d8", 1},
      {"sA hA cK dQ s9", "dA cA sK hQ c8", 1},            // a pair's third kicker
      {"sA hA cK dQ s9", "dA cA sK hJ c9", 1},
      {"sA hA cK dK s9", "dA cA hK sK c8", 1},            // two pairs' kicker
      {"sA hA cK dK s2", "dA cA hQ sQ cJ", 1},
      {"s5 h5 c5 d5 s9", "s5 h5 c5 d5 c8", 1},       // four of a kind's kicker
      {"s5 h5 c5 d5 s9 h8", "s5 h5 c5 d5 c9 d7", 0},
      {"s5 h5 c5 dK sK", "s4 h4 c4 dA sA", 1},            // full house: the three first
      {"s5 h5 c5 dK sK", "d5 c5 h5 hK cK", 0},
      {"hA h9 h7 h5 h3", "cA c9 c7 c5 c2", 1},             // the flush's fifth card
      {"s2 h2 c3 d4 s6", "sA hK cQ dJ s9", 1},             // category first
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(comparePokerHands(hand64Of(c.a), hand64Of(c.b)), c.result);
    int fa = fastClass(c.a), fb = fastClass(c.b);
    EXPECT_EQ(fa > fb ? 1 : fa < fb ? 2 : 0, c.result);
  }
}

TEST_F(PokerRating, HandNamesInBothLanguagesAndForms) {
  struct Case {
    const char* cards;
    bool german;
    int form;
    const char* name;
  };
  const Case cases[] = {
      {"s6 h6 cA dK s2", false, 3, "?Pair (6es)"},
      {"s6 h6 cA dK s2", true, 3, "?Paar (Sechsen)"},
      {"s6 h6 cA dK s2", true, 2, "Paar (S)"},
      {"s10 h10 cA dK s2", false, 2, "Pair (10)"},
      {"s10 h10 cA dK s2", true, 2, "Paar (Z)"},  // only a text beginning "10" keeps it
      {"sQ hQ cQ dK sK", false, 2, "Full House (Q,K)"},
      {"sQ hQ cQ dK sK", true, 3, "?Full House (Damen,Könige)"},
      {"sJ hJ c7 d7 s2", false, 3, "?Two Pairs (Jacks,7s)"},
      {"sA h5 c4 d3 s2", true, 3, "?Straße (5)"},
      {"hA h5 h4 h3 h2", false, 3, "?Straight Flush (5)"},
      {"sJ h10 c9 d8 s7", true, 3, "?Straße (Bube)"},
      {"sA dK hQ cJ s9", false, 3, "?High Card (Ace)"},
      {"sA dK hQ cJ s9", true, 3, "?Höchste Karte (Ass)"},
      {"s9 h9 c9 d9 s2", true, 3, "?Poker (Neunen)"},
      {"sA sK sQ sJ s10", false, 1, "Royal Flush"},
      {"s9 h9 c9 d2 s3", true, 0, "Drilling"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cards);
    EXPECT_EQ(pokerHandNameIn(evaluatePokerHand(hand64Of(c.cards), false), c.german, c.form), c.name);
  }
}

TEST_F(PokerRating, CardValuesAndRankSteps) {
  EXPECT_EQ(pokerCardValue(card("c2")), v2);
  EXPECT_EQ(pokerCardValue(card("x")), 22);
  EXPECT_EQ(pokerCardValue(noCard()), 0);
  EXPECT_TRUE(cardsEqual(pokerValueToCard(vQ), card("cQ")));
  EXPECT_TRUE(isNoCard(pokerValueToCard(22)));
  EXPECT_EQ(nextLowerRank(rank2), rankAce);
  EXPECT_EQ(nextLowerRank(rankAce), rankKing);
  EXPECT_EQ(nextLowerRank(rankJoker), 0);
  EXPECT_EQ(nthDistinctRank(hand64Of("s9 hA c9 dK"), 2), vK);
  EXPECT_EQ(nthDistinctRank(hand64Of("s9 hA c9 dK"), 4), 0);
  EXPECT_EQ(evaluatePokerHand(THand64{}, false).category, pkNone);
  for (int code = 0; code < 52; code++) EXPECT_EQ(pokerFastCode(pokerFastCard(code)), code);
}

// Every five-card hand through the pattern search: the category counts of the deck and
// 7,462 distinct ratings.
TEST_F(PokerRating, AllFiveCardHandsByPatternSearch) {
  long counts[11] = {};
  std::set<std::tuple<int, int, int, int, int, int, int>> values;
  THand64 h{};
  h.anz = 5;
  int c[5];
  for (c[0] = 0; c[0] < 52; c[0]++)
    for (c[1] = c[0] + 1; c[1] < 52; c[1]++)
      for (c[2] = c[1] + 1; c[2] < 52; c[2]++)
        for (c[3] = c[2] + 1; c[3] < 52; c[3]++)
          for (c[4] = c[3] + 1; c[4] < 52; c[4]++) {
            for (int i = 0; i < 5; i++) h.k[i + 1] = pokerFastCard(c[i]);
            TPokerHandEval e = evaluatePokerHand(h, false);
            counts[e.category]++;
            values.insert({e.ordinal, e.decisive1, e.decisive2, e.kicker1, e.kicker2, e.kicker3, e.kicker4});
          }
  const long expected[11] = {0, 1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4};
  for (int k = 0; k <= 10; k++) EXPECT_EQ(counts[k], expected[k]) << "category " << k;
  EXPECT_EQ(values.size(), 7462u);
}

// Every seven-card hand through the tables, summed card by card.
TEST_F(PokerRating, AllSevenCardHandsByTable) {
  const TPokerFastTables& t = pokerFastTables();
  std::vector<long> byClass(pokerFastClassCount + 1, 0);
  TPokerFastHand h[8] = {};
  int c[7];
  for (c[0] = 0; c[0] < 52; c[0]++) {
    h[1] = h[0];
    pokerFastAdd(h[1], t, c[0]);
    for (c[1] = c[0] + 1; c[1] < 52; c[1]++) {
      h[2] = h[1];
      pokerFastAdd(h[2], t, c[1]);
      for (c[2] = c[1] + 1; c[2] < 52; c[2]++) {
        h[3] = h[2];
        pokerFastAdd(h[3], t, c[2]);
        for (c[3] = c[2] + 1; c[3] < 52; c[3]++) {
          h[4] = h[3];
          pokerFastAdd(h[4], t, c[3]);
          for (c[4] = c[3] + 1; c[4] < 52; c[4]++) {
            h[5] = h[4];
            pokerFastAdd(h[5], t, c[4]);
            for (c[5] = c[4] + 1; c[5] < 52; c[5]++) {
              h[6] = h[5];
              pokerFastAdd(h[6], t, c[5]);
              for (c[6] = c[5] + 1; c[6] < 52; c[6]++) {
                h[7] = h[6];
                pokerFastAdd(h[7], t, c[6]);
                byClass[pokerFastRate(t, h[7])]++;
              }
            }
          }
        }
      }
    }
  }
  long counts[11] = {};
  int distinct = 0;
  for (int cls = 1; cls <= pokerFastClassCount; cls++) {
    counts[t.classes[cls].category] += byClass[cls];
    distinct += byClass[cls] > 0;
  }
  EXPECT_EQ(byClass[0], 0);
  const long expected[11] = {0, 23294460, 58627800, 31433400, 6461620, 6180020, 4047644, 3473184, 224848, 37260, 4324};
  for (int k = 0; k <= 10; k++) EXPECT_EQ(counts[k], expected[k]) << "category " << k;
  EXPECT_EQ(distinct, 4824);
}

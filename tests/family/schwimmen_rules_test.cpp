// Schwimmen's rules: hand values with and without three of a kind, their display, the
// dealer row the options leave, the limits' numbers and the names of a result.
#include <gtest/gtest.h>

#include "tests/family/schwimmen_fixture.h"

namespace {

using SchwimmenRules = SchwimmenFixture;

TEST_F(SchwimmenRules, HandValues) {
  struct TCase {
    const char* hand;
    bool triple;
    int32_t value;
    const char* shown;
  } cases[] = {
      {"hA h10 hK", false, 310, "31"},  {"hA h10 hK", true, 310, "31"},
      {"cA sA hA", false, 110, "11"},   {"cA sA hA", true, 310, "31"},
      {"c7 s7 h7", true, 305, "30,5"},  {"c7 s7 h7", false, 70, "7"},
      {"cQ sQ hQ", true, 305, "30,5"},  {"cJ cQ sA", true, 200, "20"},
      {"h7 h8 c9", false, 150, "15"},   {"dA d10 s9", false, 210, "21"},
      {"", false, 0, "0"},
  };
  for (const TCase& c : cases) {
    schwimmenArea().tripleRule = c.triple;
    EXPECT_EQ(handValueOfCards(handOf(c.hand)), c.value) << c.hand << " triple " << c.triple;
    EXPECT_EQ(formatHandValue(c.value), c.shown) << c.hand;
  }
  schwimmenArea().tripleRule = 1;
  EXPECT_LT(handValueOfCards(handOf("c7 s7 h7")), handValueOfCards(handOf("sA s10 sJ"))) << "30,5 loses to 31";
}

TEST_F(SchwimmenRules, CardValues) {
  const int32_t expected[] = {0, 7, 8, 9, 10, 10, 10, 10, 11};
  for (int32_t r = rank7; r <= rankAce; r++) EXPECT_EQ(schwimmenValue(r), expected[r]) << r;
}

TEST_F(SchwimmenRules, ADealerRowNamingASeatNotInPlayIsCorrected) {
  struct TCase {
    int32_t row, players;
    bool down;
    int32_t expected;
  } cases[] = {
      {1, 3, false, 1}, {4, 3, false, 4}, {5, 3, true, 4}, {7, 2, true, 3},
      {5, 3, false, 1}, {7, 6, false, 7}, {0, 4, false, 1}, {9, 6, false, 1},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(schwimmenDealerRow(c.row, c.players, c.down), c.expected) << c.row << " " << c.players;
}

TEST_F(SchwimmenRules, LimitNumbersAndNameLists) {
  EXPECT_EQ(schwimmenParseLimit("10 Runden"), 10);
  EXPECT_EQ(schwimmenParseLimit("200 Punkte"), 200);
  EXPECT_EQ(schwimmenParseLimit("Keine Grenze"), schwimmenNoLimit);
  const std::string a = cg.seatName(1), b = cg.seatName(2), c = cg.seatName(3);
  EXPECT_EQ(schwimmenNameList({1}), a);
  EXPECT_EQ(schwimmenNameList({1, 3}), a + " und " + c);
  EXPECT_EQ(schwimmenNameList({1, 2, 3}), a + ", " + b + " und " + c);
}

}  // namespace

// War's rules in tables: the comparison of the pots, wars and their cancellation, jokers,
// points of a collection, the end test, the limits and the face-up pot slots.
#include <gtest/gtest.h>

#include "games/casino/chip_jitter.h"
#include "tests/family/war_fixture.h"

namespace {

using WarRules = WarFixture;

TEST_F(WarRules, ComparisonPicksTheWinnerAndTellsAWar) {
  struct Case {
    const char* name;
    const char* hand1;
    const char* hand2;
    const char* won2;
    const char* pot1;
    const char* pot2;
    bool jokers;
    int32_t winner;
    bool war;
  };
  const Case cases[] = {
      {"higher rank wins", "c7", "c8", "", "hK", "s5", false, 1, false},
      {"ace beats king", "c7", "c8", "", "hK", "sA", false, 2, false},
      {"ten beats nine", "c7", "c8", "", "h10", "s9", false, 1, false},
      {"two is lowest", "c7", "c8", "", "h2", "s6", false, 2, false},
      {"tie goes to more cards in hand", "c7 c8", "c9 c10 cJ", "", "h9", "s9", false, 2, true},
      {"tie with equal hands goes to seat 1", "c7 c8", "c9 c10", "", "h9", "s9", false, 1, true},
      {"tied seat without cards cancels the war", "c7 c8", "", "", "h9", "s9", false, 1, false},
      {"tied seat 1 without cards cancels it too", "", "c7", "", "h9", "s9", false, 2, false},
      {"a won pile still counts as cards", "c7", "", "c8", "h9", "s9", false, 1, true},
      {"joker on top starts a war", "c7", "c8", "", "x", "s3", true, 1, true},
      {"joker against joker", "c7", "c8", "", "x", "x", true, 1, true},
      {"joker of seat 2 wins the war's comparison", "c7", "c8", "", "s3", "x", true, 2, true},
      {"suits never matter", "c7", "c8", "", "cQ", "hQ", false, 1, true},
  };
  for (const Case& c : cases) {
    position(c.hand1, c.hand2, c.pot1, c.pot2, 8, 1);
    put(8, c.won2);
    warArea().jokerWars = c.jokers ? 1 : 0;
    EXPECT_EQ(warRoundWinner(), c.winner) << c.name;
    EXPECT_EQ(warIsWar(), c.war) << c.name;
  }
}

TEST_F(WarRules, ACollectionScoresByTheWarsItEnded) {
  const struct {
    int32_t moved, points;
  } cases[] = {{2, 0}, {10, 1}, {6, 1}, {18, 2}, {26, 3}, {34, 4}};
  for (const auto& c : cases) EXPECT_EQ(warPointsForCollection(c.moved), c.points) << c.moved << " cards";
}

TEST_F(WarRules, EndTestReportsTheSeatThatWonOrRanOut) {
  struct Case {
    const char* name;
    int32_t warsToWin, won1, won2;
    const char* hand1;
    const char* hand2;
    int32_t expected;
  };
  const Case cases[] = {
      {"nobody there yet", 3, 2, 2, "c7", "c8", 0},
      {"three wars win", 3, 3, 0, "c7", "c8", 1},
      {"seat 2 reaches it", 6, 1, 6, "c7", "c8", 2},
      {"no limit: wars never end it", 0, 9, 0, "c7", "c8", 0},
      {"a seat without cards", 0, 0, 0, "c7", "", -2},
      {"a seat without cards in a wars game", 3, 1, 0, "", "c8", -1},
  };
  for (const Case& c : cases) {
    position(c.hand1, c.hand2, "", "", 8, 1);
    warArea().warsToWin = c.warsToWin;
    warArea().warsWon[1] = c.won1;
    warArea().warsWon[2] = c.won2;
    EXPECT_EQ(warFindWinner(), c.expected) << c.name;
  }
}

TEST_F(WarRules, LimitTextsReadTheNumberBeforeTheLastBlank) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"100 Runden", 100}, {"1 Runde", 1}, {"Keine Grenze", 99999}, {"150 Punkte", 150}, {"", 99999}};
  for (const auto& c : cases) EXPECT_EQ(warParseLimit(c.text), c.value) << c.text;
}

TEST_F(WarRules, DealGivesEachSeatHalfTheDeck) {
  for (bool jokers : {false, true}) {
    warArea().jokerWars = jokers ? 1 : 0;
    EXPECT_EQ(warDeckSize(), jokers ? 54 : 52);
    EXPECT_EQ(warDealCount(1), jokers ? 27 : 26);
    EXPECT_EQ(warDealCount(2), jokers ? 27 : 26);
  }
}

TEST_F(WarRules, PotCardsLieFaceUpAtSlotsOneFiveNine) {
  position("c7 c8 c9", "d7", "h2 h3 h4 h5 h6 h7 h8 h9 h10 hJ", "s2 s3", 5, 1);
  warTableLayout(0, 0);
  std::string up;
  for (int j = 1; j <= 10; j++)
    if (warIsCardFaceUp(15, j)) up += std::to_string(j) + " ";
  EXPECT_EQ(up, "1 5 9 ");
  // The new slot of the pot argument lies face up; other pots keep the rule.
  warTableLayout(16, 3);
  EXPECT_TRUE(warIsCardFaceUp(16, 3));
  EXPECT_FALSE(warIsCardFaceUp(15, 3));
  // A seat without cards shows the top of its pot.
  put(2, "");
  warTableLayout(0, 0);
  EXPECT_TRUE(warIsCardFaceUp(16, 2));
  // The reveal shows every card.
  cg.gs.subState = 7;
  cg.gs.step = 2;
  EXPECT_TRUE(warIsCardFaceUp(15, 3));
}

TEST_F(WarRules, JitterIsFixedAndSigned) {
  // ((round(2000 sin 0.1) + 41237 + 23157 * 2 + 5171 * 3 + round(4000 sin 0.2)) mod 77) / 77
  EXPECT_DOUBLE_EQ(hashJitter(1, 2, 3), double((200 + 41237 + 46314 + 15513 + 795) % 77) / 77);
  EXPECT_DOUBLE_EQ(hashJitter(-5, 0, 0), double((-959 - 206185) % 77) / 77);
  EXPECT_LT(hashJitter(-5, 0, 0), 0.0);
}

TEST_F(WarRules, SeatsFollowInPlayingOrder) {
  position("", "", "", "", 8, 1);
  EXPECT_EQ(warSeatFromCurrent(1), 2);
  EXPECT_EQ(warSeatFromCurrent(2), 1);
  EXPECT_EQ(warSeatBack(1), 2);
  cg.gs.akspieler = 2;
  EXPECT_EQ(warSeatFromCurrent(1), 1);
}

}  // namespace

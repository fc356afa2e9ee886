// The process-wide random generator.
#include <gtest/gtest.h>

#include <vector>

#include "platform/random.h"

TEST(Random, SameSeedSameDraws) {
  auto draw = [] {
    std::vector<double> v;
    for (int i = 0; i < 20; i++) v.push_back(i % 2 ? randomReal() : randomBelow(1000));
    return v;
  };
  randomSeed(42);
  auto a = draw();
  randomSeed(42);
  EXPECT_EQ(draw(), a);
  randomSeed(43);
  EXPECT_NE(draw(), a);
}

TEST(Random, DrawsStayInRangeAndCoverIt) {
  randomSeed(7);
  std::vector<int> hits(6, 0);
  for (int i = 0; i < 6000; i++) {
    double u = randomReal();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
    int k = randomBelow(6);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 6);
    hits[k]++;
  }
  for (int h : hits) EXPECT_GT(h, 800);  // about 1000 each
  EXPECT_EQ(randomBelow(0), 0);
  EXPECT_EQ(randomBelow(-3), 0);
}

TEST(Random, AFixedSeedMakesEveryRandomizeRepeatable) {
  auto twoDeals = [] {
    std::vector<int> v;
    for (int deal = 0; deal < 2; deal++) {
      randomize();
      for (int i = 0; i < 5; i++) v.push_back(randomBelow(1000000));
    }
    return v;
  };
  randomFixSeed(9);
  const auto a = twoDeals();
  randomFixSeed(9);
  EXPECT_EQ(twoDeals(), a);
  EXPECT_NE(std::vector<int>(a.begin(), a.begin() + 5), std::vector<int>(a.begin() + 5, a.end()))
      << "each randomize takes the next seed";
  randomReleaseSeed();
  EXPECT_NE(twoDeals(), a);
}

TEST(Random, TheTablesDrawsLeaveThePlayersSequenceAlone) {
  auto mainDraws = [](int tableDrawsBetween) {
    randomSeed(11);
    std::vector<int> v;
    for (int i = 0; i < 10; i++) {
      v.push_back(randomBelow(1000000));
      for (int k = 0; k < tableDrawsBetween; k++) tableRandomReal();
    }
    return v;
  };
  EXPECT_EQ(mainDraws(0), mainDraws(3));
  auto tableDraws = [] {
    std::vector<int> v;
    for (int i = 0; i < 10; i++) v.push_back(tableRandomBelow(1000000));
    return v;
  };
  randomSeed(11);
  const auto a = tableDraws();
  randomSeed(11);
  EXPECT_EQ(tableDraws(), a) << "a seed repeats the table's draws too";
  randomSeed(11);
  EXPECT_NE(a, mainDraws(0)) << "the two sequences differ";
}

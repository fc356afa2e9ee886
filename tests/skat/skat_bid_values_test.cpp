// The bid list: its values with both Grand bases, order, ends, and the next value offered.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "games/skat/skat_bid_values.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"

namespace {

// Every value a suit game, a Null game or a Grand of either base can be worth up to the
// highest Grand of base 24.
const std::vector<int32_t> listWith24 = {
    18,  20,  22,  23,  24,  27,  30,  33,  35,  36,  40,  44,  45,  46,  48,  50,
    54,  55,  59,  60,  63,  66,  70,  72,  77,  80,  81,  84,  88,  90,  96,  99,
    100, 108, 110, 117, 120, 121, 126, 130, 132, 135, 140, 143, 144, 150, 153, 154,
    156, 160, 162, 165, 168, 170, 176, 180, 187, 192, 198, 204, 216, 240, 264};

class SkatBidValuesTest : public ::testing::Test {
 protected:
  void SetUp() override { saved = *skatArea; }
  void TearDown() override {
    *skatArea = saved;
    skatInitTables();
  }
  static std::vector<int32_t> list() {
    std::vector<int32_t> v;
    for (int i = 1; i <= skatArea->skatBidCount; i++) v.push_back(skatArea->skatBidList[i]);
    return v;
  }
  TSkatArea saved{};
};

TEST_F(SkatBidValuesTest, GrandBase24ListRunsFrom18To264) {
  skatArea->skatBidIndex = 7;
  skatBuildBidValues(24);
  EXPECT_EQ(list(), listWith24);
  EXPECT_EQ(skatArea->skatBidCount, 63);
  EXPECT_EQ(skatArea->skatBidIndex, 0);
  EXPECT_EQ(skatBaseValue[skatTypeGrand], 24);
}

TEST_F(SkatBidValuesTest, GrandBase20ListEndsWith200And220) {
  skatBuildBidValues(20);
  // 240 and 264 give way to 200 and 220; every smaller multiple of 20 is a suit value.
  std::vector<int32_t> expected(listWith24.begin(), listWith24.end() - 2);
  expected.insert(std::find(expected.begin(), expected.end(), 204), 200);
  expected.push_back(220);
  EXPECT_EQ(list(), expected);
  EXPECT_EQ(list().back(), 220);
  EXPECT_EQ(skatArea->skatBidCount, 63);
  EXPECT_EQ(skatBaseValue[skatTypeGrand], 20);
}

TEST_F(SkatBidValuesTest, ListsAreAscendingWithoutRepeatsAndZeroBeyondTheCount) {
  for (int32_t base : {24, 20}) {
    for (int i = 1; i <= skatBidListCapacity; i++) skatArea->skatBidList[i] = 999;
    skatBuildBidValues(base);
    const TSkatArea& a = *skatArea;
    EXPECT_EQ(a.skatBidList[1], 18) << "base " << base;
    for (int i = 2; i <= a.skatBidCount; i++)
      EXPECT_LT(a.skatBidList[i - 1], a.skatBidList[i]) << "base " << base << " position " << i;
    for (int i = a.skatBidCount + 1; i <= skatBidListCapacity; i++)
      EXPECT_EQ(a.skatBidList[i], 0) << "base " << base << " position " << i;
    for (int32_t m = 1; m <= 11; m++) {
      bool found = false;
      for (int i = 1; i <= a.skatBidCount; i++) found |= a.skatBidList[i] == base * m;
      EXPECT_TRUE(found) << "Grand " << base << " x " << m << " missing";
    }
  }
}

TEST_F(SkatBidValuesTest, BuildingTwiceGivesTheSameList) {
  skatBuildBidValues(24);
  std::vector<int32_t> first = list();
  skatBuildBidValues(24);
  EXPECT_EQ(list(), first);
}

TEST_F(SkatBidValuesTest, NextValueOffered) {
  skatBuildBidValues(24);
  struct Case {
    int32_t current;
    int32_t next;  // 0: nothing higher
  } cases[] = {{1, 18}, {18, 20}, {22, 23}, {55, 59}, {59, 60}, {216, 240}, {240, 264}, {264, 0}};
  for (const Case& c : cases) {
    int32_t i = skatBidIndexAbove(c.current);
    int32_t got = i <= skatArea->skatBidCount ? skatArea->skatBidList[i] : 0;
    EXPECT_EQ(got, c.next) << "after " << c.current;
  }
  EXPECT_EQ(skatBidIndexAbove(264), skatArea->skatBidCount + 1);
}

}  // namespace

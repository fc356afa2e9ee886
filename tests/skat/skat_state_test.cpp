// Skat's records: where skatGame and skatBid point, and the area's starting options.
#include <gtest/gtest.h>

#include "core/cards.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"

namespace {

TEST(SkatStateTest, RecordsPointIntoTheAreaInUse) {
  TSkatArea* original = skatArea;
  EXPECT_EQ(skatGame, &skatArea->game);
  EXPECT_EQ(skatBid, &skatArea->bid);

  TSkatArea other{};
  other.bid.gameType = skatTypeGrand;
  skatAttachArea(other);
  EXPECT_EQ(skatArea, &other);
  EXPECT_EQ(skatGame, &other.game);
  EXPECT_EQ(skatBid, &other.bid);

  // The shared trump test reads the bid record of the area in use.
  cg.gameId = gidSkat;
  EXPECT_TRUE(isTrump(makeCard(rankJack, suitHearts)));
  EXPECT_FALSE(isTrump(makeCard(rankAce, suitHearts)));
  other.bid.gameType = skatTypeHearts;
  EXPECT_TRUE(isTrump(makeCard(rankAce, suitHearts)));
  cg.gameId = gidNone;

  skatAttachArea(*original);
  EXPECT_EQ(skatBid, &original->bid);
}

TEST(SkatStateTest, OptionDefaultsAreTheStandardRules) {
  const TSkatOptions& o = skatDefaultOptions;
  EXPECT_EQ(o.internationalRules, 1);
  EXPECT_EQ(o.scoring, 1);
  EXPECT_EQ(o.rum + o.spitze + o.grand20 + o.kontra + o.bockRamsch, 0);
  EXPECT_EQ(o.grandBase, 24);
  EXPECT_EQ(o.kontraLevels[1] + o.kontraLevels[2] + o.kontraLevels[3], 1) << "one Kontra level chosen";
  EXPECT_GE(o.bockRounds, skatRoundsNone);
  EXPECT_LE(o.bockRounds, skatRoundsThreeRounds);
  EXPECT_GE(o.moneyRate, 1);
  EXPECT_LE(o.moneyRate, 4);
}

}  // namespace

// Rommé's and Gin Rummy's settlement, list end and Gin Rummy's list bonuses.
#include "games/rummy/romme_scoring.h"

#include "tests/rummy/romme_fixture.h"

namespace {

using RommeScoringTest = RommeTest;

TEST_F(RommeScoringTest, GinSettlement) {
  struct Case {
    const char* knockerHand;
    const char* otherHand;
    int winner, value;
  } cases[] = {
      {"c2 h3", "sK dQ", 1, 15},     // won on the difference
      {"c2 h4", "s3 d3", 2, 25},     // undercut at equal deadwood
      {"c4 h4", "s3", 2, 30},        // undercut at lower deadwood
      {"", "sK d7", 1, 42},          // gin
      {"", "", 1, 25},               // gin is never undercut, not even by 0
  };
  gin();
  for (const Case& c : cases) {
    giveHand(1, c.knockerHand);
    giveHand(2, c.otherHand);
    rommeArea().knocked = 1;
    rommeArea().knocker = 1;
    const TGameResult r = rommeSettle();
    EXPECT_EQ(r.mainSeat, c.winner) << c.knockerHand << " / " << c.otherHand;
    EXPECT_EQ(r.values[c.winner], c.value) << c.knockerHand << " / " << c.otherHand;
    EXPECT_EQ(r.values[c.winner % 2 + 1], 0);
  }
  rommeArea().knocked = 0;
  giveHand(1, "c2");
  const TGameResult none = rommeSettle();
  EXPECT_EQ(none.mainSeat, 1);
  EXPECT_EQ(none.values[1], 0);
  EXPECT_EQ(none.values[2], 0);
}

TEST_F(RommeScoringTest, RommeSettlement) {
  seats(3);
  giveHand(1, "cK c2");  // 15
  giveHand(2, "");
  giveHand(3, "x");      // 20
  layMeld(1, "hA sA dA");
  layMeld(2, "c5 c6 c7 c8");
  cg.gs.akspieler = 3;  // seat 2 went out
  rommeArea().turnStartCount = 9;
  TGameResult r = rommeSettle();
  EXPECT_EQ(r.mainSeat, 2);
  EXPECT_EQ(r.values[1], -15);
  EXPECT_EQ(r.values[2], 0);
  EXPECT_EQ(r.values[3], -20);
  EXPECT_EQ(r.extra1, 0);
  rommeArea().turnStartCount = 13;  // out from a full hand: doubled
  r = rommeSettle();
  EXPECT_EQ(r.values[1], -30);
  EXPECT_EQ(r.extra1, 1);
  rommeArea().turnStartCount = 9;
  rommeArea().options.positiveScoring = 1;
  r = rommeSettle();
  EXPECT_EQ(r.values[1], 45);
  EXPECT_EQ(r.values[2], 20);
  EXPECT_EQ(r.mainSeat, 1);  // the most points, though seat 2 went out
}

TEST_F(RommeScoringTest, ListEndsUnderEitherLimit) {
  TRommeOptions& o = rommeArea().options;
  o.listLength = 3;
  cg.gs.gamesPlayed = 2;
  EXPECT_FALSE(rommeIsListOver());
  cg.gs.gamesPlayed = 3;
  EXPECT_TRUE(rommeIsListOver());
  o.listLength = 99999;
  o.pointLimit = 100;
  cg.gs.listTotals[2] = -99;
  EXPECT_FALSE(rommeIsListOver());
  cg.gs.listTotals[2] = -100;  // negative scoring: totals are penalties
  EXPECT_TRUE(rommeIsListOver());
  o.positiveScoring = 1;
  EXPECT_FALSE(rommeIsListOver());
  cg.gs.listTotals[3] = 120;
  EXPECT_TRUE(rommeIsListOver());
}

TEST_F(RommeScoringTest, GinListBonuses) {
  gin();
  for (int kind = 0; kind <= 3; kind++) EXPECT_EQ(ginBonusPoints(1, kind), 0) << kind;
  cg.gs.gamesPlayed = 3;
  cg.gs.gameListValues[1][1] = 30;
  cg.gs.gameListValues[1][3] = 12;
  cg.gs.gameListValues[2][2] = 40;
  cg.gs.listTotals[1] = 42;
  cg.gs.listTotals[2] = 40;
  EXPECT_EQ(ginBonusPoints(1, 0), 42);
  EXPECT_EQ(ginBonusPoints(1, 1), 50);
  EXPECT_EQ(ginBonusPoints(2, 1), 25);
  EXPECT_EQ(ginBonusPoints(1, 2), 100);  // no point target: the higher total
  EXPECT_EQ(ginBonusPoints(2, 2), 0);
  cg.gs.listTotals[2] = 42;
  EXPECT_EQ(ginBonusPoints(2, 2), 100);  // equal totals: both
  rommeArea().options.pointLimit = 100;
  EXPECT_EQ(ginBonusPoints(1, 2), 0);
  EXPECT_EQ(ginBonusPoints(1, 3), 0);
  cg.gs.listTotals[2] = 0;
  EXPECT_EQ(ginBonusPoints(1, 3), 100);
  EXPECT_EQ(ginBonusText(1), "");  // until the list is over
}

TEST_F(RommeScoringTest, KnockLimitAfterAKnock) {
  gin();
  giveHand(1, "c2 c3 c4 h9 sK dK hK d5 s5 h5 c9");
  rommeArea().knocked = 1;
  rommeArea().knockLimit = 10;
  // Discarding the nine of clubs leaves the nine of hearts (9); the nine of hearts leaves 9.
  EXPECT_TRUE(ginMayDiscardAfterKnock(sp[1].hand.k[4]));
  EXPECT_TRUE(ginMayDiscardAfterKnock(sp[1].hand.k[11]));
  // Discarding a meld card leaves more than the limit.
  EXPECT_FALSE(ginMayDiscardAfterKnock(sp[1].hand.k[5]));
  rommeArea().knockLimit = 1;  // an Ace up in Oklahoma Gin
  EXPECT_FALSE(ginMayDiscardAfterKnock(sp[1].hand.k[4]));
  rommeArea().layOffStage = 1;
  EXPECT_TRUE(ginMayDiscardAfterKnock(sp[1].hand.k[5]));
}

}  // namespace

// Table layout: seat places, hand fans, piles and the views.
#include <cmath>

#include "table/table_layout.h"
#include "tests/table/table_fixture.h"

namespace {

class LayoutTest : public TableTest {};

void expectPose(const TCardPose& got, const TCardPose& want, const char* what) {
  const float* g = &got.x;
  const float* w = &want.x;
  const char* names[] = {"x", "y", "z", "rotX", "rotY", "rotZ"};
  for (int i = 0; i < 6; i++)
    EXPECT_NEAR(g[i], w[i], 0.01) << what << " " << names[i] << ": expected " << w[i] << ", got " << g[i];
}

TEST_F(LayoutTest, MauMauWithTwoSeatsPutsTheOpponentStraightAcross) {
  setGame(gidMauMau, 2);
  buildTableLayout(true);
  expectPose(sp[2].restPose, TCardPose{770, 125, -1260, 9, 180.45f, 0}, "seat 2");
  // The user's seat, raised by Mau-Mau's offset.
  expectPose(sp[1].restPose, TCardPose{470, 265, 345, -20, 10, 1}, "seat 1");
}

TEST_F(LayoutTest, SkatWithThreeSeatsInTheNormalView) {
  setGame(gidSkat, 3);
  buildTableLayout(true);
  // t = -+0.98 x 0.8 x 0.8 = -+0.6272 on the arc; Skat turns seat 2 by -6 and seat 3 by +20.
  expectPose(sp[2].restPose, TCardPose{306.532f, 125, -1125.905f, 7, 180 + 70 * 0.6272f - 6, 0}, "seat 2");
  expectPose(sp[3].restPose, TCardPose{1162.66f, 125, -975.377f, 7, 180 - 70 * 0.6272f + 20, 0}, "seat 3");
  // The layout copies start as the seats.
  expectPose(spLayout[2].restPose, sp[2].restPose, "layout copy of seat 2");
}

TEST_F(LayoutTest, HandFans) {
  setGame(gidMauMau, 2);
  struct Case {
    int seat, i;
    float n;
    TCardPose want;
  } cases[] = {
      // Three cards of the user: b = -0.8, 0, +0.8; the middle one lies flat in the centre.
      {1, 2, 3, {0, -5, -1, 0, 0, 0}},
      {1, 1, 3, {-96, float(-5 * std::cos(0.8 * 3.14159 * -0.8)),
                 float(25 * -0.8 * (3 / 5.0 + 0.2) - std::cos(0.8 * 3.14159 * -0.8) + 16 * 0.64),
                 -4, 23.2f, 20}},
      // A hand of one card lies at b = 0.3, at half of it for other seats.
      {1, 1, 1, {36, float(-5 * std::cos(0.8 * 3.14159 * 0.3)),
                 float(25 * 0.3 * 0.4 - std::cos(0.8 * 3.14159 * 0.3) + 60 * 0.09), 3.6f, -8.7f,
                 -7.5f}},
      {2, 1, 1, {18, float(-5 * std::cos(0.8 * 3.14159 * 0.15)),
                 float(25 * 0.15 * 0.4 - std::cos(0.8 * 3.14159 * 0.15) + 60 * 0.0225), 1.8f,
                 -4.35f, -3.75f}},
  };
  for (const Case& c : cases) {
    TSpieler s{};
    s.stackNo = c.seat;
    placeHandCard(s, c.i, c.n);
    std::string what = "seat " + std::to_string(c.seat) + " card " + std::to_string(c.i) + " of " +
                       std::to_string(int(c.n));
    expectPose(s.slots[c.i].pose, c.want, what.c_str());
    EXPECT_EQ(s.slots[c.i].poseFlag, 1);
    EXPECT_FLOAT_EQ(s.slots[c.i].poseExtra[0], 0.4f);
    EXPECT_FLOAT_EQ(s.slots[c.i].poseExtra[1], 6.0f);
  }
}

TEST_F(LayoutTest, SeatSlots) {
  struct Case {
    int players;
    int want[7];  // by seat 2..6 (index 2..6)
  } cases[] = {
      {2, {0, 0, 4}},
      {3, {0, 0, 2, 6}},
      {4, {0, 0, 2, 4, 6}},
      {5, {0, 0, 2, 3, 5, 6}},
      {6, {0, 0, 2, 3, 4, 5, 6}},
  };
  for (const Case& c : cases) {
    playerCount = c.players;
    for (int s = 2; s <= c.players; s++)
      EXPECT_EQ(seatSlot(s), c.want[s]) << c.players << " seats, seat " << s;
  }
}

TEST_F(LayoutTest, HeartsWonTrickLiesTurnedTowardItsSeat) {
  setGame(gidHearts, 4);
  buildTableLayout(true);
  float want = 1.08f * sp[2].restPose.rotY - 30;
  EXPECT_NEAR(sp[8].slots[1].pose.rotZ, want, 0.001);
  EXPECT_NEAR(sp[8].slots[5].pose.z, 10, 0.001);
  EXPECT_EQ(sp[8].stackNo, 8);
}

TEST_F(LayoutTest, DiscardPileOfOneCardHasFinitePlaces) {
  setGame(gidSkat, 3);
  fill(13, "hA");
  buildTableLayout(false);
  for (int i = 1; i <= 10; i++) {
    const TCardPose& p = sp[13].slots[i].pose;
    for (float v : {p.x, p.y, p.z, p.rotX, p.rotY, p.rotZ})
      EXPECT_TRUE(std::isfinite(v)) << "slot " << i;
  }
  // The one card lies at the start of the fan, the next place as in a pile of two.
  EXPECT_NEAR(sp[13].slots[2].pose.rotZ, 160 - 180 * (0.5 * 3.14159 / 2 - 0.18) + 20, 20.001);
}

TEST_F(LayoutTest, FreshLayoutEmptiesThePilesAndKeepsTheSeats) {
  setGame(gidSkat, 3);
  fill(1, "cJ sJ");
  fill(11, "d7 d8");
  fill(12, "h7");
  fill(13, "h8");
  buildTableLayout(true);
  for (int k = 11; k <= 16; k++) EXPECT_EQ(sp[k].count, 0) << "pile " << k;
  EXPECT_EQ(stackText(1), "cJ sJ");
  EXPECT_EQ(pileCount, 6);
}

TEST_F(LayoutTest, ChangingTheViewRenewsPosesOnly) {
  setGame(gidSchwimmen, 3);
  fill(1, "cJ sJ hA");
  fill(2, "c7 c8 c9");
  fill(11, "d7 d8");
  buildTableLayout(false);
  float normalZ = sp[2].restPose.z;
  envParam.perspective = 1;
  buildTableLayout(false);
  EXPECT_EQ(stackText(1), "cJ sJ hA");
  EXPECT_EQ(stackText(2), "c7 c8 c9");
  EXPECT_EQ(stackText(11), "d7 d8");
  expectPose(sp[1].restPose, TCardPose{470, -20, 250, -42, 10, 1}, "seat 1 from above");
  EXPECT_NEAR(sp[2].restPose.z - normalZ, 380, 0.01);
}

TEST_F(LayoutTest, CanastaTwoOnTheDiscardPileLiesCrosswise) {
  setGame(gidCanasta, 2);
  fill(13, "h2 hK");
  buildTableLayout(false);
  EXPECT_GE(sp[13].slots[1].pose.rotZ, 95);
  EXPECT_LE(sp[13].slots[2].pose.rotZ, 14);
}

TEST_F(LayoutTest, StockCardsLieFaceDownAtRisingHeights) {
  setGame(gidSkat, 3);
  buildTableLayout(true);
  for (int i : {1, 10, 32}) {
    EXPECT_FLOAT_EQ(sp[11].slots[i].pose.z, 2.0f * i);
    EXPECT_FLOAT_EQ(sp[11].slots[i].pose.rotX, 180);
  }
  EXPECT_FLOAT_EQ(pileCardHeight(5), 10);
}

TEST_F(LayoutTest, GameOffsetsByStack) {
  struct Case {
    TGameId game;
    int stack;
    TCardPose before, after;
  } cases[] = {
      {gidSkat, 12, {0, 0, 0, 0, 0, 0}, {0, 0, -95, 0, 0, 0}},
      {gidCanasta, 1, {0, 0, 0, 0, 0, 0}, {0, 48, 0, 0, 0, 0}},
      {gidMauMau, 13, {0, 0, 0, 0, 0, 0}, {-330, 0, -400, 0, 0, 0}},
      {gidSchwimmen, 1, {1, 2, 3, 0, 0, 0}, {1, 2, 3, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    TSpieler s{};
    s.stackNo = c.stack;
    s.restPose = c.before;
    applyGameSeatOffsets(s);
    expectPose(s.restPose, c.after, ("stack " + std::to_string(c.stack)).c_str());
  }
}

}  // namespace

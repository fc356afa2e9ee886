// The meld layout's numbers: the small curves and scales, a card's place within its meld and
// the melds' places in their rows, worked out by hand for each Perspektive.
#include "games/rummy/meld_layout.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

class MeldLayoutTest : public CanastaTest {
 protected:
  static TCardPose pose(int32_t n) {
    TCardPose p{};
    k12.meldCardPose(n, false, p, 0);
    return p;
  }
  static TCardSlot target(int32_t n, int32_t f, int32_t slot = 1) {
    TCardSlot s{};
    k12.meldCardTarget(n, f, s, false, slot);
    return s;
  }
  static void expectPose(const TCardPose& p, float x, float y, float z, float rotX, float rotY, float rotZ) {
    EXPECT_NEAR(p.x, x, 0.01);
    EXPECT_NEAR(p.y, y, 0.01);
    EXPECT_NEAR(p.z, z, 0.01);
    EXPECT_NEAR(p.rotX, rotX, 0.01);
    EXPECT_NEAR(p.rotY, rotY, 0.01);
    EXPECT_NEAR(p.rotZ, rotZ, 0.01);
  }
  static void meldCount(int32_t cards) { sp[12].count = cards; }
};

TEST_F(MeldLayoutTest, EaseCurveLiftsAWildCardOnItsWay) {
  struct Case {
    float p, lift;
  } cases[] = {{0, 0}, {0.1f, 210}, {0.2f, 420}, {0.6f, 210}, {1, 0}};
  for (const Case& c : cases) EXPECT_NEAR(easeCurve(c.p), c.lift, 0.05) << c.p;
}

TEST_F(MeldLayoutTest, CrowdedMeldTableShrinksItsCards) {
  struct Case {
    int cards;
    float scale, step;
  } cases[] = {{0, 1, 50}, {30, 1, 50}, {31, 1, 49.5f}, {105, 1, 12.5f}, {106, 0.9985f, 12},
               {135, 0.955f, 0}, {166, 0.955f, 0}};
  for (const Case& c : cases) {
    meldCount(c.cards);
    EXPECT_NEAR(cardScaleForDeckSize(), c.scale, 1e-5) << c.cards;
    EXPECT_NEAR(meldLayoutStep(), c.step, 1e-5) << c.cards;
  }
}

TEST_F(MeldLayoutTest, LayoutWidthFollowsTheSidesMeldCounts) {
  struct Case {
    int own, other;
    float normal, above;
  } cases[] = {
      {0, 0, -170, -183.6f},     {3, 0, -170, -196.56f}, {4, 0, -182, -209.52f},
      {40, 0, -430, -464.4f},    {0, 5, -170, -183.6f},  {0, 6, -158, -170.64f},
      {0, 30, 100, 108},
  };
  for (const Case& c : cases) {
    k12.ownMeldCount = c.own;
    k12.otherMeldCount = c.other;
    envParam.perspective = 0;
    EXPECT_NEAR(meldLayoutWidth(), c.normal, 0.01) << c.own << "/" << c.other;
    envParam.perspective = 1;
    EXPECT_NEAR(meldLayoutWidth(), c.above, 0.01) << c.own << "/" << c.other;
  }
}

TEST_F(MeldLayoutTest, RowOffsetOnlyInCanasta) {
  EXPECT_EQ(Tk12Container::meldRowOffset(), 4);
  cg.gameId = gidRomme;
  EXPECT_EQ(Tk12Container::meldRowOffset(), 0);
}

TEST_F(MeldLayoutTest, CardPlacesWithinAMeld) {
  layMeld(1, "cK hK dK");
  // Card step 78.2 (92 x 0.85); meld 1's fixed irregularity: y 1.6, third angle 0.9.
  expectPose(target(1, 1).pose, 0, 1.6f, 0, 0, 0.5f, 0.9f);
  expectPose(target(1, 2).pose, 23.46f, 1.6f, 0, 0, 0.5f, 0.9f);
  expectPose(target(1, 3).pose, 46.92f, 1.6f, 0, 0, 0.5f, 0.9f);
  envParam.perspective = 2;  // from the side: step 81.328, no irregularity
  expectPose(target(1, 2).pose, 24.3984f, 0, 0, 0, 0.5f, 0);
  envParam.perspective = 0;
  envParam.cardSize = 1;
  expectPose(target(1, 2).pose, 16.422f, 1.6f, 0, 0, 0.5f, 0.9f);
  cg.gameId = gidRomme;
  envParam.cardSize = 3;
  expectPose(target(1, 2).pose, 31.2f, 1.6f, 0, 0, 0.5f, 0.9f);
}

TEST_F(MeldLayoutTest, ClosedCanastaStacksItsCardsUpwards) {
  layMeld(1, "cK hK dK sK cK hK dK");
  expectPose(target(1, 3).pose, 0, 1.6f, 3.91f, 0, 0.5f, 0.9f);
  expectPose(target(1, 7).pose, 0, 1.6f, 11.73f, 0, 0.5f, 0.9f);
}

TEST_F(MeldLayoutTest, TargetRecordsTheSlotOnlyForARealPlace) {
  layMeld(1, "cK hK dK");
  TCardSlot s = target(1, 2, 9);
  EXPECT_EQ(s.meldNo, 1);
  EXPECT_EQ(s.meldPos, 2);
  EXPECT_EQ(k12.melds[1].k[2].hi, 9);
  struct Case {
    int n, f;
  } cases[] = {{0, 1}, {-1, 2}, {21, 1}, {61, 1}, {1, 21}, {1, 0}};
  for (const Case& c : cases) {
    s = target(c.n, c.f, 44);
    EXPECT_EQ(s.meldNo, 1) << c.n << "." << c.f;
    EXPECT_EQ(s.meldPos, 1) << c.n << "." << c.f;
    expectPose(s.pose, 0, 1.6f, 0, 0, 0.5f, 0.9f);
    EXPECT_EQ(k12.melds[1].k[1].hi, 1) << c.n << "." << c.f;
  }
  k12.layOffPending = 1;
  target(1, 3, 12);
  EXPECT_EQ(k12.melds[1].k[3].hi, 3);
}

TEST_F(MeldLayoutTest, MeldPlacesForEachPerspektive) {
  layMeld(1, "cK hK dK");
  layMeld(1, "c8 h8 d8");
  layMeld(2, "cQ hQ dQ");
  struct Case {
    int perspective, meld;
    TCardPose at;
  } cases[] = {
      {0, 1, {105, 272, -380, -79, -6, 0}},
      {0, 2, {264.562f, 272, -380, -79, -6, 0}},  // after 3 x 0.2 + 1.3 card steps of 83.98
      {0, 21, {55, 272, -610, -79, -6, 0}},
      {1, 1, {325, 272, -333.6f, -79, -6, 0}},
      {1, 21, {-75, 272, -613.6f, -79, -6, 0}},
      {2, 1, {-65, 345.1707f, -310, 11, -6, 0}},
      {2, 21, {-180, 345.1707f, -540, 11, -6, 0}},
  };
  k12.ownMeldCount = 1;  // the sides' difference 0 seen from above
  for (const Case& c : cases) {
    envParam.perspective = c.perspective;
    if (c.meld == 2) k12.ownMeldCount = 2;
    const TCardPose p = pose(c.meld);
    SCOPED_TRACE(testing::Message() << c.perspective << " " << c.meld);
    expectPose(p, c.at.x, c.at.y, c.at.z, c.at.rotX, c.at.rotY, c.at.rotZ);
    k12.ownMeldCount = 1;
  }
  envParam.perspective = 0;
  cg.gs.tutorialMode = 1;
  expectPose(pose(1), 205, 272, -580, -79, -6, 0);
  cg.gs.tutorialMode = 0;
  cg.gameId = gidRomme;
  expectPose(pose(1), 320, 272, -360, -79, -6, 0);
}

TEST_F(MeldLayoutTest, AFullRowStartsTheNextOne) {
  for (int i = 0; i < 10; i++) layMeld(1, "cK hK dK");
  expectPose(pose(9), 1381.496f, 272, -380, -79, -6, 0);
  expectPose(pose(10), 590, 272, -155, -79, -6, 0);
  // The first meld of each side stays where it is.
  expectPose(pose(1), 105, 272, -380, -79, -6, 0);
  expectPose(pose(21), 55, 272, -610, -79, -6, 0);
}

TEST_F(MeldLayoutTest, ACanastaIsOneCardWideInItsRow) {
  layMeld(1, "cK hK dK sK cK hK dK");
  layMeld(1, "c8 h8 d8");
  const float after = pose(2).x;
  EXPECT_NEAR(after, 105 + 83.98f * 1.5f, 0.01);
  // An eighth card moves no following meld.
  int32_t s = ++sp[12].count;
  sp[12].slots[s].card = card("sK");
  k12.melds[1].k[8].hi = static_cast<int16_t>(s);
  k12.melds[1].anz = 8;
  EXPECT_NEAR(pose(2).x, after, 0.01);
}

}  // namespace

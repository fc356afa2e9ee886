// The shadow volume's pure helpers: facing and culling, the ring, the far points and the
// pile's side walls.
#include <gtest/gtest.h>

#include <vector>

#include "table/shadows.h"

namespace {

TEST(ShadowVolume, FacingRingAndFarPoints) {
  struct Case {
    bool facing;
    uint8_t stencil;
    bool front;
  } culls[] = {{true, 1, true}, {true, 0, false}, {false, 1, false}, {false, 0, true}};
  for (const Case& c : culls)
    EXPECT_EQ(shadowCullsFrontFaces(c.facing, c.stencil), c.front) << c.facing << "," << int(c.stencil);

  double m[16] = {};
  m[12] = 10;
  m[13] = 7;
  m[14] = 16;
  EXPECT_DOUBLE_EQ(lightDistanceSq(m), 25);
  const double dir[3] = {-190, -180, -370};
  const TShadowPoint far = shadowFarPoint({1, 0, 0.5f}, dir);
  EXPECT_FLOAT_EQ(far.x, -179);
  EXPECT_FLOAT_EQ(far.z, -364.5f);

  TShadowOutline a, b;
  EXPECT_TRUE(shadowVolumeRing(a, b).empty());  // no outline, no volume
  for (float x : {1.0f, 2.0f, 3.0f}) addShadowPoint(a, x, 0, 0);
  for (float x : {7.0f, 8.0f}) addShadowPoint(b, x, 0, 0);
  std::vector<float> xs;
  for (const TShadowPoint& p : shadowVolumeRing(a, b)) xs.push_back(p.x);
  EXPECT_EQ(xs, (std::vector<float>{1, 2, 3, 8, 7, 1}));

  for (int32_t i = 0; i < 50; i++) addShadowPoint(a, 0, 0, 0);
  EXPECT_EQ(a.count, shadowOutlineCapacity);
}

TEST(ShadowVolume, PileOutlineAndItsSideWalls) {
  TShadowOutline pile;
  addPileOutline(pile, 497, 994, 1);
  ASSERT_EQ(pile.count, 4);
  EXPECT_FLOAT_EQ(pile.points[1].x, 1);
  EXPECT_FLOAT_EQ(pile.points[1].y, 2.2f);
  EXPECT_FLOAT_EQ(pile.points[2].y, 3.8f);
  EXPECT_TRUE(pileWallPoints(pile, 502).empty());  // walls need two cards' rectangles
  addPileOutline(pile, 497, 994, 1);
  addPileOutline(pile, 497, 994, 1);  // a full pile outline takes no third card
  ASSERT_EQ(pile.count, 8);
  const std::vector<TShadowPoint> wall = pileWallPoints(pile, 251);
  ASSERT_EQ(wall.size(), 10u);
  const float xs[] = {0, 1, 1, 0, 0, 0, 1, 1, 0, 0};
  const float zs[] = {0, 0, 0.5f, 0.5f, 0, 0, 0, 0.5f, 0.5f, 0};
  for (int k = 0; k < 10; k++) {
    EXPECT_FLOAT_EQ(wall[k].x, xs[k]) << "point " << k + 1;
    EXPECT_FLOAT_EQ(wall[k].z, zs[k]) << "point " << k + 1;
  }
}

}  // namespace

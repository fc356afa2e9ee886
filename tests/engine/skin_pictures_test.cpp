// The surfaces, the level strip and the shine, sampled where the background drawing and the
// strip selectors read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "engine/picture_primitives.h"
#include "engine/skin_pictures.h"

namespace {

TEST(SkinPictures, SurfacesAreFilledWhereTheyStretchAndRoundAtTheCorners) {
  for (int32_t n = 0; n < kSkinSurfaceCount; ++n) {
    const TSkinPicture p = drawSurface(n);
    const std::string name = "surface " + std::to_string(n);
    // The middle lines the nine-patch stretches (surface 9: the middle of each half).
    const float vs[2] = {n == 9 ? 0.25f : 0.5f, n == 9 ? 0.75f : 0.5f};
    for (float v : vs) EXPECT_GE(p.texel(0.5f, v).a, 32) << name << " at v " << v;
    EXPECT_LT(p.texel(0.001f, 0.001f).a, 32) << name << ": the corner is round";
    EXPECT_LT(p.texel(0.999f, 0.999f).a, 32) << name << ": the corner is round";
  }
  const TSkinPicture side = drawSurface(8);  // spread in thirds: the middle third stretches
  for (float u : {0.34f, 0.5f, 0.66f}) {
    const TSkinRgba a = side.texel(u, 0.9f), b = side.texel(0.5f, 0.9f);
    EXPECT_EQ(a.a, b.a) << "surface 8 along its middle third, u " << u;
    EXPECT_EQ(a.b, b.b) << "surface 8 along its middle third, u " << u;
  }
}

TEST(SkinPictures, BarsAreOpenTowardsTheScreenEdge) {
  const TSkinPicture bars = drawSurface(9);
  // The bottom bar (upper half) is open below, the top bar (lower half) open above: where the
  // halves meet the bars reach the picture's edge.
  EXPECT_GE(bars.texel(0.05f, 0.51f).a, 80) << "bottom bar, its lower edge";
  EXPECT_GE(bars.texel(0.05f, 0.49f).a, 80) << "top bar, its upper edge";
  EXPECT_LT(bars.texel(0.003f, 0.997f).a, 32) << "bottom bar, its round upper corner";
  EXPECT_LT(bars.texel(0.003f, 0.003f).a, 32) << "top bar, its round lower corner";
}

// The window the graphics dialog's level selectors read for entry k of 6.
TVTLTexWindow levelWindow(int k) {
  const int count = 6;
  if (k > count / 2) return stripWindow((k - 1) * 2.0f / count - 1, k * 2.0f / count - 1, 1);
  return stripWindow((k - 1) * 2.0f / count, k * 2.0f / count, 2);
}

TEST(SkinPictures, LevelStripShowsMoreForEveryLevel) {
  const TSkinPicture strip = drawDetailStrip();
  int previous = -1;
  for (int k = 1; k <= 6; ++k) {
    const TVTLTexWindow w = levelWindow(k);
    int lit = 0;
    for (int j = 0; j < 40; ++j)
      for (int i = 0; i < 40; ++i)
        if (strip.texel(w.u0 + w.du * (i + 0.5f) / 40, w.v0 + w.dv * (j + 0.5f) / 40).a >= 250) ++lit;
    EXPECT_GT(lit, previous) << "level " << k;
    previous = lit;
  }
}

TEST(SkinPictures, ShineTilesWithoutSeams) {
  const TSkinPicture shine = drawShine();
  auto close = [](const TSkinRgba& a, const TSkinRgba& b) {
    return std::abs(a.r - b.r) <= 12 && std::abs(a.g - b.g) <= 12 && std::abs(a.b - b.b) <= 12;
  };
  for (int i = 0; i < shine.height; i += 7) {
    EXPECT_TRUE(close(shine.at(0, i), shine.at(shine.width - 1, i))) << "row " << i;
    EXPECT_TRUE(close(shine.at(i, 0), shine.at(i, shine.height - 1))) << "column " << i;
  }
}

}  // namespace

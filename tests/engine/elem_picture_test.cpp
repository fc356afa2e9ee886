// The element atlas sampled where the engine reads it: each icon through the picture quad's
// shifted window, the plain button at its stretched reach, the turning marker's two halves,
// the bar column and the glow region of the frame strips.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/compositor.h"
#include "engine/frames.h"
#include "engine/picture_primitives.h"
#include "engine/skin_pictures.h"

namespace {

const TSkinPicture& atlas() {
  static const TSkinPicture p = drawElementAtlas();
  return p;
}

// Texels read over a window: a grid of samples between the corner coordinates the quad gives.
struct TRead {
  float opaque = 0;               // share of samples with alpha >= 128
  float centreX = 0, centreY = 0;  // centroid of the alpha over the quad (0..1, y upwards)
  float rim = 0;                  // largest alpha on the quad's outer ring, 0..1
};

TRead readQuad(float uLeft, float uRight, float vBottom, float vTop) {
  constexpr int kGrid = 32;
  TRead r;
  float mass = 0;
  int opaque = 0;
  for (int j = 0; j < kGrid; ++j)
    for (int i = 0; i < kGrid; ++i) {
      const float x = (i + 0.5f) / kGrid, y = (j + 0.5f) / kGrid;
      const float a = atlas().texel(uLeft + (uRight - uLeft) * x, vBottom + (vTop - vBottom) * y).a / 255.0f;
      if (a >= 0.5f) ++opaque;
      mass += a;
      r.centreX += a * x;
      r.centreY += a * y;
      if (i == 0 || j == 0 || i == kGrid - 1 || j == kGrid - 1) r.rim = std::max(r.rim, a);
    }
  r.opaque = float(opaque) / (kGrid * kGrid);
  if (mass > 0) r.centreX /= mass, r.centreY /= mass;
  return r;
}

// What the picture quad shows of an icon (the plain button has a test of its own).
TRead readIcon(int32_t icon) {
  const TVTLTexWindow w = atlasWindow(icon, 0);
  float u0, v0, u1, v1;
  windowFrameTexCoord(0, 0, w, false, 40, u0, v0);
  windowFrameTexCoord(1, 1, w, false, 40, u1, v1);
  return readQuad(u0, u1, v0, v1);
}

TEST(ElemPicture, EveryIconTheLooksUseShowsAPictureOfItsOwn) {
  // Icons of the skin table and of the sub-kind pictures; 0 and 5 lie in the button band.
  for (int32_t icon : {8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 21, 24, 25, 26, 27, 32, 33, 34, 35, 36, 6, 7}) {
    const TRead r = readIcon(icon);
    EXPECT_GT(r.opaque, 0.08f) << "icon " << icon << " is empty where the quad reads it";
    EXPECT_LT(r.rim, 0.25f) << "icon " << icon << " reaches the edge of its window: a neighbour would bleed in";
  }
  for (int32_t icon : {0, 5}) EXPECT_GT(readIcon(icon).opaque, 0.5f) << "button icon " << icon;
}

TEST(ElemPicture, PairedIconsDifferAndArrowsPointTheirWay) {
  EXPECT_GT(std::fabs(readIcon(7).opaque - readIcon(6).opaque) + std::fabs(readIcon(7).centreX - readIcon(6).centreX),
            0.0f);
  int differing = 0;
  const TVTLTexWindow off = atlasWindow(6, 0), on = atlasWindow(7, 0);
  for (int j = 0; j < 20; ++j)
    for (int i = 0; i < 20; ++i) {
      float u, v, u2, v2;
      windowFrameTexCoord((i + 0.5f) / 20, (j + 0.5f) / 20, off, false, 25, u, v);
      windowFrameTexCoord((i + 0.5f) / 20, (j + 0.5f) / 20, on, false, 25, u2, v2);
      const TSkinRgba a = atlas().texel(u, v), b = atlas().texel(u2, v2);
      if (a.r != b.r || a.g != b.g || a.b != b.b) ++differing;
    }
  EXPECT_GT(differing, 20) << "the checked box must look checked";

  // A triangle's mass lies towards its base, away from where it points.
  struct Arrow {
    int32_t icon;
    float dx, dy;  // where it points (y upwards)
  } arrows[] = {{24, -1, 0}, {25, 1, 0}, {26, 0, -1}, {27, 0, 1}};
  for (const Arrow& a : arrows) {
    const TRead r = readIcon(a.icon);
    const float along = (r.centreX - 0.5f) * a.dx + (r.centreY - 0.5f) * a.dy;
    EXPECT_LT(along, -0.02f) << "icon " << a.icon << " points the wrong way";
  }
}

TEST(ElemPicture, PlainButtonStaysWholeAtTheWidthsItIsDrawn) {
  for (int32_t width : {60, 120, 170, 236, 259}) {
    const TVTLTexWindow w = atlasWindow(1, 0);  // icon 1: half the atlas from its left edge
    float u0, v0, u1, v1;
    windowFrameTexCoord(0, 0, w, true, width, u0, v0);
    windowFrameTexCoord(1, 1, w, true, width, u1, v1);
    // Along the middle of the button every texel is body, no gap and no other icon.
    for (int i = 0; i < 64; ++i) {
      const float u = u0 + (u1 - u0) * (i + 0.5f) / 64;
      const TSkinRgba t = atlas().texel(u, (v0 + v1) / 2);
      EXPECT_GE(t.a, 200) << "width " << width << " at u " << u;
    }
    // Its left end is rounded: the bottom left texel is clear.
    EXPECT_LT(atlas().texel(u0 + 0.001f, v0 + 0.01f).a, 64) << "width " << width;
  }
}

TEST(ElemPicture, TurningMarkerShowsOnBothFaces) {
  const TVTLTexWindow w = atlasWindow(5, 4);
  const TRead front = readQuad(w.u0, w.u0 + w.du, w.v0, w.v0 + w.dv / 2);
  const TRead back = readQuad(w.u0, w.u0 + w.du, w.v0 + w.dv / 2, w.v0 + w.dv);
  EXPECT_GT(front.opaque, 0.1f);
  EXPECT_GT(back.opaque, 0.1f);
  EXPECT_LT(front.rim, 0.25f);
  EXPECT_LT(back.rim, 0.25f);
}

TEST(ElemPicture, BarColumnHasRoundEndsAndAPlainMiddle) {
  const float u0 = 0.625f, u1 = 0.75f, um = (u0 + u1) / 2;
  for (float v : {0.5f, 0.6f, 0.7f}) {
    EXPECT_GE(atlas().texel(um, v).a, 200) << "middle at v " << v;
    const TSkinRgba a = atlas().texel(um, v), b = atlas().texel(um, 0.6f);
    EXPECT_EQ(a.r, b.r) << "the middle stretches: it must not change along v " << v;
    EXPECT_EQ(a.a, b.a) << "the middle stretches: it must not change along v " << v;
  }
  EXPECT_GE(atlas().texel(um, 0.44f).a, 200) << "the lower end cap";
  EXPECT_GE(atlas().texel(um, 0.76f).a, 200) << "the upper end cap";
  EXPECT_LT(atlas().texel(u0 + 0.003f, 0.401f).a, 64) << "the lower end is round";
  EXPECT_LT(atlas().texel(u0 + 0.003f, 0.799f).a, 64) << "the upper end is round";
}

TEST(ElemPicture, GlowFadesFromTheOuterToTheInnerEdge) {
  const TVTLGlowWindow g = kGlowWindow;
  float previous = 2;
  for (int k = 0; k <= 4; ++k) {
    const float v = g.v0 + (g.v1 - g.v0) * (0.05f + 0.225f * k);
    const float a = atlas().texel((g.u0 + g.u1) / 2, v).a / 255.0f;
    EXPECT_LT(a, previous) << "at v " << v;
    previous = a;
    EXPECT_EQ(atlas().texel(g.u0 + 0.01f, v).a, atlas().texel(g.u1 - 0.01f, v).a) << "the same along a strip, v " << v;
  }
  EXPECT_GT(atlas().texel(g.u0 + 0.1f, g.v0 + 0.005f).a, 200) << "bright at the outer edge";
  EXPECT_LT(atlas().texel(g.u0 + 0.1f, g.v1 - 0.005f).a, 16) << "nothing at the inner edge";
}

}  // namespace

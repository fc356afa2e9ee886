// Card shading: shade colours by shadeMode, Skat's alpha, the light factor, the reflection
// alphas with their limits.
#include <gtest/gtest.h>

#include <cmath>

#include "table/card_shading.h"

namespace {

constexpr float kEps = 1e-5f;

TVertexShadeInput pileVertex(int32_t shadeMode, float alphaBase, float b) {
  return {gidRomme, 11, shadeMode, b, alphaBase, 0.5f, 0.5f, false, 0, false, 0, false, 0};
}

TEST(CardShadingTest, PileCardColourByShadeMode) {
  struct Case {
    int32_t shadeMode;
    float alphaBase, b;
    float grey, alpha;
  } cases[] = {
      {3, 0.6f, 1, 1, 0.6f},         // translucent only
      {4, 0.6f, 1, 0.64f, 0.64f},    // darkened and as translucent as it is dark
      {1, 0.6f, 1, 0.64f, 0.64f},
      {2, 0.6f, 1, 0.514f, 1},       // opaque but darker: A' = 0.46
      {2, 1, 0.5f, 0.55f, 1},        // unshaded: 0.9 b + 0.1
      {3, 1, 0.5f, 0.55f, 1},
      {4, 1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    const TShadeColour col = vertexShade(pileVertex(c.shadeMode, c.alphaBase, c.b));
    EXPECT_NEAR(col.r, c.grey, kEps) << "shadeMode " << c.shadeMode << ", A " << c.alphaBase;
    EXPECT_EQ(col.r, col.g);
    EXPECT_EQ(col.g, col.b);
    EXPECT_NEAR(col.a, c.alpha, kEps) << "shadeMode " << c.shadeMode << ", A " << c.alphaBase;
  }
}

TEST(CardShadingTest, SkatShowsTheShadeRequestOnTheHandThroughAlpha) {
  struct Case {
    TGameId game;
    bool tutorial;
    float alphaBase, alpha;
  } cases[] = {{gidSkat, false, 0.6f, 0.548f}, {gidSkat, false, 1, 1.06f},
               {gidSkat, true, 0.6f, 1},       {gidDoppelkopf, false, 0.6f, 1}};
  for (const Case& c : cases) {
    EXPECT_NEAR(cardOutputAlpha(c.game, c.tutorial, c.alphaBase), c.alpha, kEps) << "game " << int(c.game);
    TVertexShadeInput hand = pileVertex(4, c.alphaBase, 1);
    hand.game = c.game;
    hand.tutorial = c.tutorial;
    hand.stack = 1;
    EXPECT_NEAR(vertexShade(hand).a, c.alpha, kEps) << "game " << int(c.game);
  }
}

TEST(CardShadingTest, HighlightRaisesTheAlphaBase) {
  TVertexShadeInput v = pileVertex(3, 0.6f, 1);
  v.highlight = true;
  v.highlightStrength = 0.25f;
  EXPECT_NEAR(vertexShade(v).a, 0.75f, kEps);
  v.highlightStrength = 0.5f;
  EXPECT_NEAR(vertexShade(v).a, 1, kEps);  // at least 1: the opaque rule
}

TEST(CardShadingTest, ElementAndMeldTableAlphaBase) {
  EXPECT_NEAR(elementAlphaBase(false, 1), 0.6f, kEps);
  EXPECT_NEAR(elementAlphaBase(true, 0.5f), 0.8f, kEps);
  struct Case {
    bool request, partner;
    float fade;
    int32_t step;
    bool pass4, gliding;
    int32_t screen;
    float alpha;
    bool twice;
  } cases[] = {
      {true, true, 1, 5, false, false, 1, 0.7f, false},
      {true, false, 0, 5, false, false, 1, 0.7f, false},
      {true, true, 0, 5, false, false, 1, 1, false},
      {false, false, 0, 5, true, false, 1, 0.7f, true},
      {false, false, 1, 5, true, false, 1, 1, false},
      {false, true, 0, 9, false, false, 1, 1, false},
      {true, false, 0, 10, false, true, 1, 1, false},
      {true, false, 0, 10, false, false, 2, 1, false},
      {true, false, 0, 10, false, false, 1, 0.7f, false},
  };
  for (const Case& c : cases) {
    const TMeldTableShade s = meldTableAlphaBase({c.request, c.partner, c.fade, c.step, c.pass4, c.gliding, c.screen});
    EXPECT_NEAR(s.alpha, c.alpha, kEps) << "request " << c.request << ", step " << c.step;
    EXPECT_EQ(s.doubleReflection, c.twice) << "request " << c.request << ", step " << c.step;
  }
}

TEST(CardShadingTest, LightFactor) {
  struct Case {
    int32_t stack;
    bool moving;
    int32_t dst;
    float t, light;
  } cases[] = {
      {1, false, 0, 0, 1},   {3, false, 0, 0, 1},    {0, false, 0, 0, 1},   {11, false, 0, 0, 0},
      {11, true, 2, 0.3f, 0.3f},                     // into a seat
      {12, true, -1, 0.4f, 0.4f},                    // into the user's layout copy
      {1, true, 12, 0.3f, 0.7f},                     // leaving a seat for the trick
      {12, true, 13, 0.3f, 0},  {1, true, -1, 0.3f, 1},  {2, true, 2, 0.5f, 1},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(cardLightFactor(c.stack, c.moving, c.dst, c.t, 3), c.light, kEps)
        << "stack " << c.stack << " to " << c.dst;
}

TEST(CardShadingTest, VertexBrightnessByGame) {
  auto in = [](TGameId game, int32_t stack, bool shadows) {
    return TBrightnessInput{game, stack, 3, 1, 0.2f, 0.08f, shadows, false, false, 50, false, false, 1};
  };
  struct Case {
    TBrightnessInput in;
    float b;
  } cases[] = {
      {in(gidSkat, 1, false), 0.75f}, {in(gidCanasta, 1, false), 0.85f}, {in(gidSkat, 1, true), 0.8f},
      {in(gidRomme, 1, true), 0.88f}, {in(gidBlackjack, 2, true), 0.7f},
      {in(gidPoker, 1, true), 1 - 0.3f / 38 * 38}, {in(gidPoker, 2, true), 1 - 0.22f / 38 * 38},
  };
  for (const Case& c : cases) EXPECT_NEAR(vertexBrightness(c.in), c.b, kEps) << "game " << int(c.in.game);
  TBrightnessInput full = in(gidSkat, 1, true);
  full.fullBrightness = true;
  EXPECT_EQ(vertexBrightness(full), 1);
}

TEST(CardShadingTest, BlackjackHoleCardIsLitByItsCorner) {
  TBrightnessInput hole{gidBlackjack, 1, 3, 1, 0, 0, true, false, false, 50, true, false, 1};
  struct Case {
    float u, v, b;
  } cases[] = {{0, 0, 0.7f}, {1, 0, 0.95f}, {0, 1, 0.1f}, {0.5f, 0.1f, 0.9f}};
  for (const Case& c : cases) {
    hole.u = c.u;
    hole.v = c.v;
    EXPECT_NEAR(vertexBrightness(hole), std::min(c.b, 0.95f), kEps) << c.u << "," << c.v;
  }
  hole.backSide = true;
  hole.v = 0.08f;
  EXPECT_NEAR(vertexBrightness(hole), 0.78f, kEps);
  EXPECT_TRUE(blackjackFlipsShade(1, true));
  EXPECT_FALSE(blackjackFlipsShade(1, false));
  EXPECT_TRUE(blackjackFlipsShade(2, false));
}

TEST(CardShadingTest, ReflectionAlphasAtTableHeight) {
  struct Case {
    int32_t stack;
    bool moving;
    int32_t dst;
    float t;
    float top, bottom;
  } cases[] = {
      {1, false, 0, 0, 0.1f, 1},         // resting seat card: w = 1
      {11, false, 0, 0, 1, 1},           // resting pile card: w = 0
      {1, true, 11, 0.25f, 0.25f, 1},    // leaving a seat: w = 1 - t
      {11, true, 2, 0.5f, 0.5f, 1},      // into a seat: w = t
      {1, true, -1, 0.5f, 0.1f, 1},      // to its own layout copy: w stays 1
      {2, true, 12, 0.5f, 0.25f, 0.5f},  // a seat's card to the trick: both × t
  };
  for (const Case& c : cases) {
    const TReflectionAlphas a = cardReflectionAlphas({5, 5, 40, c.stack, c.moving, c.dst, c.t, 0});
    EXPECT_NEAR(a.top, c.top, kEps) << "stack " << c.stack << " to " << c.dst;
    EXPECT_NEAR(a.bottom, c.bottom, kEps) << "stack " << c.stack << " to " << c.dst;
  }
  const TReflectionAlphas meld = cardReflectionAlphas({5, 5, 40, 12, false, 0, 0, 4});
  EXPECT_NEAR(meld.top, 0.6f, kEps);
  // A resting seat card with full mirror strength: 0.1 at its v = 1 edge, 1 at v = 0.
  const TReflectionAlphas seat = cardReflectionAlphas({5, 5, 40, 1, false, 0, 0, 0});
  EXPECT_NEAR(reflectionVertexAlpha(seat, 1, 99, false), 0.1f, kEps);
  EXPECT_NEAR(reflectionVertexAlpha(seat, 0, 99, false), 1, kEps);
  EXPECT_NEAR(reflectionVertexAlpha(seat, 0.5f, 0, false), 0, kEps);
  EXPECT_NEAR(reflectionVertexAlpha(seat, 1, 99, true), 0, kEps);  // 2a - 1 held at 0
}

TEST(CardShadingTest, ReflectionFadesWithHeightAndNeverDividesByZero) {
  struct Case {
    float z;
    int32_t fadeHeight;
    float bottom;
  } cases[] = {
      {24, 40, 0.75f},   // D = 0.25
      {96, 40, 0.2f},    // D = 1: recomputed as 1 - D / 1.5, held at 0.2
      {240, 40, 0.1f},   // far above: the floor
      {1.2f, 0, 0.5f},   // fade height 0 counts as 1: D = 0.5
      {1.2f, -3, 0.5f},
      {1.2f, 1, 0.5f},
  };
  for (const Case& c : cases) {
    const TReflectionAlphas a = cardReflectionAlphas({c.z, 0, c.fadeHeight, 11, false, 0, 0, 0});
    EXPECT_TRUE(std::isfinite(a.top) && std::isfinite(a.bottom)) << "fade height " << c.fadeHeight;
    EXPECT_NEAR(a.bottom, c.bottom, kEps) << "z " << c.z << ", fade height " << c.fadeHeight;
  }
}

TEST(CardShadingTest, ReflectionLimitsByGame) {
  struct Case {
    TGameId game;
    int32_t stack;
    bool moving;
    int32_t dst;
    bool first;
    float a, v, limited;
  } cases[] = {
      {gidSkat, 1, false, 0, false, 1, 0, 0.3f},
      {gidSkat, 1, false, 0, false, 0.25f, 0, 0.2f},
      {gidSkat, 12, false, 0, true, 1, 0, 0.2f},
      {gidSkat, 12, false, 0, true, 0.5f, 0, 0.15f},
      {gidSkat, 12, false, 0, false, 1, 0, 0.13f},
      {gidSkat, 2, true, 12, false, 1, 0.5f, 0.04f},
      {gidBlackjack, 2, false, 0, false, 1, 0, 0.4f},
      {gidBlackjack, 1, false, 0, false, 1, 0, 0.08f},
      {gidBlackjack, 13, false, 0, false, 1, 0, 0.28f},
      {gidBlackjack, 11, true, 13, false, 0.2f, 0, 0.14f},
      {gidSchnapsen, 11, false, 0, false, 1, 0, 0.3f},
      {gidMauMau, 12, false, 0, false, 1, 0, 0.3f},
      {gidGoFish, 3, true, 12, false, 1, 0, 0.08f},
      {gidOldMaid, 12, false, 0, false, 1, 0, 0.08f},
      {gidCanasta, 12, false, 0, false, 1, 0, 1},
      {gidCanasta, 3, true, -1, false, 1, 0, 0.1f},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(limitReflectionAlpha(c.a, c.v, {c.game, c.stack, c.moving, c.dst, c.first}), c.limited, kEps)
        << "game " << int(c.game) << ", stack " << c.stack << " to " << c.dst;
  EXPECT_NEAR(canastaSideReflectionAlpha(0, false, 0), 0.25f, kEps);
  EXPECT_NEAR(canastaSideReflectionAlpha(0.9f, false, 0), 0.05f, kEps);
  EXPECT_NEAR(canastaSideReflectionAlpha(0, true, 0.5f), 0.19f, kEps);
}

}  // namespace

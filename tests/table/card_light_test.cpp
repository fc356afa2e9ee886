// The light of one card in the table's state: Skat shows the shade request on the user's hand
// only through its alpha, pile cards follow shadeMode, and the mirror image of a Skat trick
// card is dimmer than that of the led card.
#include <gtest/gtest.h>

#include "games/skat/skat_state.h"
#include "table/card_light.h"
#include "tests/table/table_fixture.h"

namespace {

constexpr float kEps = 1e-5f;

class CardLightTest : public TableTest {
 protected:
  void TearDown() override {
    trickCards.anz = 0;
    TableTest::TearDown();
  }
};

TEST_F(CardLightTest, SkatShowsTheShadeRequestOnTheHandOnlyThroughAlpha) {
  setGame(gidSkat, 3);
  fill(1, "cJ sA h10");
  envParam.shadeMode = 4;
  const TCardLight plain = cardLight(0, 1, 2, false, {}, false);
  const TCardLight shaded = cardLight(0, 1, 2, false, {}, true);
  EXPECT_FLOAT_EQ(plain.alphaBase, 1);
  EXPECT_FLOAT_EQ(shaded.alphaBase, 0.6f) << "the hand button of an unbuilt panel counts as hidden";
  const TShadeColour a = cardVertexColour(plain, 0.5f, 0.5f), b = cardVertexColour(shaded, 0.5f, 0.5f);
  EXPECT_NEAR(a.a, 1.06f, kEps);
  EXPECT_NEAR(b.a, 1.28f * 0.6f - 0.22f, kEps);
  EXPECT_LT(b.r, a.r) << "the output alpha also scales the brightness";

  // Pile cards take the shade request through shadeMode, whatever the game.
  setGame(gidMauMau, 3);
  fill(11, "cJ sA");
  const TCardLight pile = cardLight(0, 11, 2, false, {}, true);
  envParam.shadeMode = 2;
  EXPECT_FLOAT_EQ(cardVertexColour(pile, 0.5f, 0.5f).a, 1) << "darker but opaque";
  envParam.shadeMode = 3;
  EXPECT_FLOAT_EQ(cardVertexColour(pile, 0.5f, 0.5f).a, 0.6f) << "translucent";
  envParam.shadeMode = 4;
  const TShadeColour both = cardVertexColour(pile, 0.5f, 0.5f);
  EXPECT_FLOAT_EQ(both.a, both.r) << "alpha follows the darkened brightness";
}

TEST_F(CardLightTest, TheLedSkatCardReflectsMoreThanTheOtherTrickCards) {
  setGame(gidSkat, 3);
  fill(12, "cJ sA");
  trickCards = handOf("cJ sA");
  envParam.reflection = 99;
  envParam.reflectionOff = 0;  // no param.txt yet: counts as 1, never divides by zero
  const TCardLight led = cardLight(4, 12, 1, false, {}, false), other = cardLight(4, 12, 2, false, {}, false);
  EXPECT_TRUE(led.firstTrickCard);
  EXPECT_FALSE(other.firstTrickCard);
  const float a = cardVertexColour(led, 0.5f, 0).a, b = cardVertexColour(other, 0.5f, 0).a;
  EXPECT_NEAR(a, 0.2f, kEps);
  EXPECT_NEAR(b, 0.13f, kEps);
  EXPECT_FLOAT_EQ(cardVertexColour(led, 0.5f, 0).r, 1) << "the mirror image is white with its alpha";
}

}  // namespace

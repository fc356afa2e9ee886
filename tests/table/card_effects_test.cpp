// Per-game card effects: Blackjack's hand tilt by seat, table scale and progress.
#include <gtest/gtest.h>

#include "table/card_effects.h"
#include "tests/table/table_fixture.h"

namespace {

constexpr float kEps = 1e-4f;

TEST(CardEffects, TheUsersFaceDownCardTiltsByTheTableScale) {
  struct Case {
    float f, s;
    bool hidden;
    TCardTilt expected;
  } cases[] = {
      {1.0f, 1.0f, false, {110, 155, -38.5f, -12}},
      {0.8f, 0.8f, false, {88, 117.6f, -37.2f, -9.6f}},
      {0.5f, 1.0f, true, {55, 77.5f, -19.25f, -6.5f}},  // a card dealt face down, half way in
  };
  for (const Case& c : cases) {
    const TCardTilt o = blackjackTiltOffsets(1, 3, c.f, c.s, c.hidden, false);
    EXPECT_NEAR(o.y, c.expected.y, kEps) << "f " << c.f << ", s " << c.s;
    EXPECT_NEAR(o.z, c.expected.z, kEps) << "f " << c.f << ", s " << c.s;
    EXPECT_NEAR(o.rotX, c.expected.rotX, kEps) << "f " << c.f << ", s " << c.s;
    EXPECT_NEAR(o.bend, c.expected.bend, kEps) << "f " << c.f << ", s " << c.s;
  }
  // Another seat at full tilt, slot 2, scale 1: the common tail moves it by the slot.
  const TCardTilt other = blackjackTiltOffsets(2, 2, 1, 1, false, false);
  EXPECT_NEAR(other.y, -205 - 50 * 0.05f * 4, kEps);
  EXPECT_NEAR(other.z, -63, kEps);
  const TCardTilt short17 = blackjackTiltOffsets(2, 2, 1, 1, false, true);
  EXPECT_NEAR(short17.y, -150 + 60 - 50 * 0.05f * 4, kEps);
  EXPECT_NEAR(short17.rotX, 28, kEps);
  EXPECT_NEAR(blackjackTiltOffsets(3, 1, 0, 0.8f, true, false).y, 0, kEps) << "no factor, no tilt";
}

class CardEffectsTable : public TableTest {};

TEST_F(CardEffectsTable, OnlyBlackjackTiltsAndNoCardIsHighlightedYet) {
  setGame(gidSkat, 3);
  fill(1, "cJ sA h10");
  const TBlackjackTilt none = blackjackHandTilt(1, 1);
  EXPECT_FALSE(none.onFlight);
  EXPECT_FLOAT_EQ(none.offsets.y, 0);
  bool highlight = true;
  float strength = 0.7f;
  applyCardHighlight(12, 1, highlight, strength);
  EXPECT_FALSE(highlight) << "Skat clears the highlight flag";
  EXPECT_FLOAT_EQ(strength, 0);
}

}  // namespace

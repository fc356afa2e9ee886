// Glyph choice without GL: the symbols of control codes in both suit sets and their cells in
// the symbol picture, the symbol texture windows, and font glyphs (small capitals, texture
// windows, advances).
#include <gtest/gtest.h>

#include <cmath>

#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/text_draw.h"
#include "shell/env_param.h"
#include "tests/engine/engine_fixture.h"

namespace {
class GlyphTableTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    savedStyle_ = envParam.cardStyle;
  }
  void TearDown() override {
    envParam.cardStyle = savedStyle_;
    EngineTest::TearDown();
  }

 private:
  int32_t savedStyle_ = 1;
};
}  // namespace

TEST_F(GlyphTableTest, ControlCodesLeadToTheirSymbolCells) {
  struct Case {
    int code;
    int symbol, cell;              // French faces
    int germanSymbol, germanCell;  // card-face style 2
  };
  const Case cases[] = {
      {20, 152, 120, 147, 115}, {21, 153, 121, 148, 116}, {22, 154, 122, 149, 117}, {23, 155, 123, 150, 118},
      {8, 95, 119, 95, 119},    // underline
      {5, 139, 107, 139, 107},  // wide bar
      {28, 65, 33, 65, 33},     {29, 66, 34, 66, 34},  // selector arrows
      {1, 141, 109, 141, 109},  {4, 132, 100, 132, 100}, {17, 126, 94, 126, 94}, {19, 137, 105, 137, 105},
      {0, 0, 0, 0, 0},          {13, 13, 0, 13, 0},      {26, 26, 0, 26, 0},     {30, 30, 0, 30, 0},
      {137, 137, 105, 137, 105}, {138, 138, 106, 138, 106},  // drawn as symbols, standing for themselves
  };
  for (int style : {1, 2}) {
    envParam.cardStyle = style;
    for (const Case& k : cases) {
      const int symbol = style == 2 ? k.germanSymbol : k.symbol;
      const int cell = style == 2 ? k.germanCell : k.cell;
      EXPECT_EQ(iconGlyph(uint8_t(k.code)), symbol) << "code " << k.code << ", face style " << style;
      EXPECT_EQ(symbolGlyphCell(iconGlyph(uint8_t(k.code))), cell) << "code " << k.code << ", face style " << style;
    }
  }
}

TEST_F(GlyphTableTest, SymbolWindowsSitInTheirGridCells) {
  struct Case {
    int cell;
    float u0, v0;
  };
  const Case cases[] = {{0, 0.003f, 7 * 0.12f + 0.034f}, {33, 0.065f, 5 * 0.12f + 0.034f}, {120, 8 * 0.062f + 0.003f, 0.034f},
                        {127, 15 * 0.062f + 0.003f, 0.034f}};
  for (const Case& k : cases) {
    const TVTLGlyphWindow w = symbolGlyphWindow(k.cell);
    EXPECT_NEAR(w.u0, k.u0, 1e-6) << "cell " << k.cell;
    EXPECT_NEAR(w.v0, k.v0, 1e-6) << "cell " << k.cell;
    EXPECT_NEAR(w.u1 - w.u0, 0.048f, 1e-6) << "cell " << k.cell;
    EXPECT_NEAR(w.v1 - w.v0, 0.1111f, 1e-6) << "cell " << k.cell;
  }
}

TEST_F(GlyphTableTest, SmallCapitalsDrawTheCapitalSmallerWithItsWidth) {
  for (int c = 0; c < 256; ++c) fontSlots[0].widths[c] = fontSlots[1].widths[c] = int16_t(30 + c % 40);
  const float scale = 0.3f;
  struct Case {
    int slot, character;
    int drawn;
    float sizeFactor;
  };
  const Case cases[] = {
      {0, 'a', 'A', 0.85f}, {0, 'A', 'A', 1.0f},   {0, 228, 196, 0.85f},  // ä -> Ä
      {0, 154, 138, 0.85f}, {0, 247, 247, 0.85f},  // š -> Š; the division sign keeps its code
      {0, 255, 255, 1.0f},  {0, 223, 223, 1.0f},   // ÿ and ß are outside the rule
      {1, 'a', 'a', 1.0f},                         // slot 1 has no small capitals
  };
  for (const Case& k : cases) {
    const TVTLFontGlyph g = fontGlyph(k.slot, uint8_t(k.character), scale);
    EXPECT_EQ(g.character, k.drawn) << "slot " << k.slot << " code " << k.character;
    EXPECT_FLOAT_EQ(g.sizeFactor, k.sizeFactor) << "slot " << k.slot << " code " << k.character;
    EXPECT_FLOAT_EQ(g.width, fontSlots[k.slot].widths[k.drawn] / 100.0f) << "slot " << k.slot << " code " << k.character;
  }
  // The small capital's quad: 0.85 high, 0.85 x 1.1 wide against its capital.
  const TVTLFontGlyph big = fontGlyph(0, 'A', scale), small = fontGlyph(0, 'a', scale);
  EXPECT_NEAR(small.quadHeight, big.quadHeight * 0.85f, 1e-6);
  EXPECT_NEAR(small.quadWidth, big.quadWidth * 0.85f * 1.1f, 1e-6);
}

TEST_F(GlyphTableTest, FontGlyphWindowsAndAdvancesFollowTheListedWidth) {
  for (int c = 0; c < 256; ++c) fontSlots[1].widths[c] = 50;
  fontSlots[1].widths['W'] = 80;
  const float scale = 0.3f;
  const TVTLFontGlyph a = fontGlyph(1, 'A', scale);  // column 1, row 15 - 4
  const float tw = 0.94f * 0.062383f * 0.5f * 1.2f;
  EXPECT_NEAR(a.window.u0, 0.062383f - 0.1f * tw, 1e-6);
  EXPECT_NEAR(a.window.u1 - a.window.u0, tw, 1e-6);
  EXPECT_NEAR(a.window.v0, 11 * 0.0625f - 0.04f * 0.94f * 0.0625f, 1e-6);
  EXPECT_NEAR(a.window.v1 - a.window.v0, 0.94f * 0.0625f, 1e-6);
  // The pen moves by 0.7 of the quad plus the letter spacing; a wider listing moves it further.
  const float s = scale * 0.91f * 1.22f;
  EXPECT_NEAR(a.advance, 0.7f * a.quadWidth + 0.046368f * s * vtl.textFactor * 0.03f, 1e-6);
  const TVTLFontGlyph w = fontGlyph(1, 'W', scale);
  EXPECT_NEAR(w.quadWidth / a.quadWidth, 80.0f / 50.0f, 1e-5);
  // Slots without a font have no width.
  EXPECT_FLOAT_EQ(fontGlyph(4, 'A', scale).quadWidth, 0);
}

TEST_F(GlyphTableTest, SymbolAdvancesComeFromTheMeasuredWidth) {
  currentFont = 2;
  const float scale = 0.3f;
  struct Case {
    int code;
    float units;
  };
  const Case cases[] = {{20, 1.95f}, {1, 1.9f}, {5, 0}, {8, 0}, {13, 0}, {0, 0}};
  const TVTLFontSlot& f = fontSlots[2];
  const float factor = vtl.textFactor * 0.87f * 0.86f * f.sizeScale * (f.widthScale + f.letterSpacing) * 1.22f;
  for (const Case& k : cases) {
    const float w0 = k.units * factor / 2 * appopt.textSpacing;
    EXPECT_NEAR(symbolGlyphAdvance(uint8_t(k.code), scale), 2 * scale * w0 / 15, 1e-6) << "code " << k.code;
  }
}

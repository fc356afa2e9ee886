// Text on a real window with the generated fonts: the red slot, white slots whatever colour the
// caller set, glow passes by highlight style, line codes and the hidden part that draw nothing,
// font escapes, and small capitals. Pixels are counted over the whole window, so the checks do
// not depend on where a rasteriser puts an edge.
#include <GL/gl.h>

#include <vector>

#include "engine/fonts.h"
#include "engine/text_draw.h"
#include "engine/textures.h"
#include "platform/paths.h"
#include "tests/engine/ui_fixture.h"

namespace {
// Ink of a frame: pixels brighter than the black ground, and their mean colour.
struct InkStats {
  long count = 0;
  double r = 0, g = 0, b = 0;
};

class TextDraw : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    const std::filesystem::path folder = builtVitrelFolder();
    if (folder.empty() || !std::filesystem::exists(folder / "f.cwi")) GTEST_SKIP() << "no generated fonts";
    setProgramFolder(folder.parent_path().parent_path().string());  // the program folder holds data/vitrel
    loadFonts();
    loadTextureCached(engineTextures.fontTexture, (folder / "font.bmp").string(), false, 0);
    appopt.textColour = {1, 1, 1, 1};
    appopt.disabledColour = {1, 1, 1, 1};
    appopt.highlightStyle = 1;
    appopt.textSpacing = 1.1f;
  }

  // One text block alone in a cleared frame, big enough to count pixels.
  std::vector<unsigned char> draw(const std::string& text, int32_t font, uint8_t mode = 0) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    currentFont = font;
    std::string rest;
    drawTextBlock(text, kTextLookNormal, 4.0f, 100, 200, 0, mode, 0, 1.0f, 0, false, "", -1, rest);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "after drawing a text";
    int32_t w = 0, h = 0;
    winClientSize(w, h);
    std::vector<unsigned char> pixels(size_t(w) * size_t(h) * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
  }

  static InkStats ink(const std::vector<unsigned char>& p) {
    InkStats s;
    for (size_t i = 0; i + 3 < p.size(); i += 4)
      if (p[i] + p[i + 1] + p[i + 2] > 96) {
        ++s.count;
        s.r += p[i], s.g += p[i + 1], s.b += p[i + 2];
      }
    if (s.count > 0) s.r /= double(s.count), s.g /= double(s.count), s.b /= double(s.count);
    return s;
  }
};
}  // namespace

TEST_F(TextDraw, SlotOneIsRedAndTheOtherSlotsWhite) {
  for (int32_t font : {0, 1, 2, 3}) {
    const InkStats s = ink(draw("HHHH", font));
    ASSERT_GT(s.count, 200) << "font " << font << " drew nothing";
    if (font == 1) {
      EXPECT_GT(s.r, 2 * s.g) << "font 1: mean colour " << s.r << ", " << s.g << ", " << s.b;
    } else {
      EXPECT_NEAR(s.r, s.g, 8) << "font " << font;
      EXPECT_NEAR(s.g, s.b, 8) << "font " << font;
    }
  }
}

TEST_F(TextDraw, LineCodesAndTheHiddenPartDrawNothing) {
  const std::vector<unsigned char> plain = draw("HH", 2);
  EXPECT_EQ(draw("H" + std::string(1, char(13)) + "H", 2), plain) << "chr(13) draws and moves nothing";
  EXPECT_EQ(draw("HH#HH", 2), plain) << "nothing after #";
  EXPECT_EQ(draw(std::string(1, char(25)) + "7HH", 2), plain) << "an escape past the slots selects nothing";
}

TEST_F(TextDraw, AFontEscapeSwitchesTheSlotForTheRestAndStays) {
  const InkStats s = ink(draw("HH" + std::string(1, char(25)) + "1HH", 2));
  EXPECT_EQ(currentFont, 1);
  const InkStats white = ink(draw("HH", 2)), red = ink(draw("HH", 1));
  ASSERT_GT(white.count, 0);
  ASSERT_GT(red.count, 0);
  // Half white, half red: the mean lies between the two.
  EXPECT_LT(s.g, white.g - 20);
  EXPECT_GT(s.g, red.g + 20);
}

TEST_F(TextDraw, GlowPassesFollowTheHighlightStyle) {
  appopt.highlightStyle = 3;  // "Spiegel"
  EXPECT_EQ(ink(draw("HHHH", 2, kTextModeGlow)).count, 0);
  EXPECT_EQ(ink(draw("HHHH", 2, kTextModePulseGlow)).count, 0);
  appopt.highlightStyle = 4;  // "Schatten": a fading copy
  EXPECT_GT(ink(draw("HHHH", 2, kTextModeGlow)).count, 0);
  appopt.highlightStyle = 1;  // shining
  EXPECT_GT(ink(draw("HHHH", 2, kTextModeGlow)).count, 0);
}

TEST_F(TextDraw, SmallCapitalsAreSmallerCapitals) {
  const double capitals = double(ink(draw("HHHH", 0)).count);
  const double small = double(ink(draw("hhhh", 0)).count);
  ASSERT_GT(capitals, 0);
  EXPECT_GT(small / capitals, 0.6);
  EXPECT_LT(small / capitals, 0.95);
}

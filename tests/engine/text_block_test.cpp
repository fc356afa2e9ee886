// The text block without GL: fitting into a box (word wrap, cutting anywhere, long words, the
// pointer in the box, continuing), headings and columns, the character walk (font escapes,
// marks, the hidden part, mask underlines) and the looks of the glow passes.
// [SECTION] fitting
// [SECTION] character walk
// [SECTION] looks
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "engine/window_layout.h"
#include "tests/engine/engine_fixture.h"

namespace {
std::string chr(int c) { return std::string(1, char(c)); }

// Every character of slot 2 lists 50: one character is about 9.33 units wide at scale 1.
class TextBlockTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetWindowLayout();
    for (int s = 0; s <= 5; ++s)
      for (int c = 0; c < 256; ++c) fontSlots[s].widths[c] = 50;
    currentFont = 2;
    pointerAway();
  }
  void TearDown() override {
    resetWindowLayout();
    EngineTest::TearDown();
  }
  void pointerAway() {
    vtl.pointerX = 5000;
    vtl.pointerY = 5000;
  }
  // The pointer at (x, y) units of the UI plane.
  void pointerAt(int x, int y) {
    vtl.pointerX = x * windowLayout.viewWidth / 807;
    vtl.pointerY = y * windowLayout.viewHeight / 607;
  }
};
}  // namespace

// [SECTION] fitting

// Box from x 0 to right edge 130 with margin 0: the limit is 130 + 10 - 50 = 90 units, nine
// characters (texts of 20 or more characters get 20 more).
TEST_F(TextBlockTest, FittingCutsWrapsAndHandsBackTheRest) {
  struct Case {
    const char* what;
    std::string text;
    std::string mask;
    bool continueText;
    bool pointerInBox;
    std::string drawn;  // the text as drawn
    std::string rest;
  };
  const std::string word30(30, 'x');
  const Case cases[] = {
      {"fits", "aaaa", "", false, false, "aaaa", ""},
      {"word wrap to the last space", "aaaa bbbb cccc", "", false, false, "aaaa ..", "bbbb cccc"},
      {"cut anywhere with ~", "aaaa bbbb cccc", "~", false, false, "aaaa bbbb..", " cccc"},
      {"a 30-character word loses 15", word30, "", false, false, std::string(15, 'x') + "..", std::string(15, 'x')},
      {"pointer in the box: whole text asked, no ..", "aaaa bbbb cccc", "", false, true, "aaaa ", ">bbbb cccc"},
      {"pointer in the box with ~ changes nothing", "aaaa bbbb cccc", "~", false, true, "aaaa bbbb..", " cccc"},
      {"continue", "aaaa bbbb cccc", "", true, false, "aaaa ", ">bbbb cccc"},
      {"continue without rest is cleared", "aaaa", "", true, false, "aaaa", ""},
      {"a cut ending with .. gets no more", "aaaaaaa..bbbb", "~", false, false, "aaaaaaa..", "bbbb"},
  };
  for (const Case& k : cases) {
    if (k.pointerInBox)
      pointerAt(20, 5);
    else
      pointerAway();
    std::string rest = "old";
    const std::string drawn = fitTextBlock(k.text, 1.0f, 0, 0, 130, k.continueText, k.mask, 0, rest);
    EXPECT_EQ(drawn, k.drawn) << k.what;
    EXPECT_EQ(rest, k.rest) << k.what;
  }
}

TEST_F(TextBlockTest, TheBlockFillsTheRestForHeadingsColumnsAndHiddenTexts) {
  struct Case {
    const char* what;
    std::string text;
    uint8_t mode;
    int32_t rightEdge;
    std::string rest;
  };
  const Case cases[] = {
      {"fits at scale 1", "aaaaaa bb", kTextModeMeasure, 130, ""},
      {"a heading is 1.3 times larger", "!aaaaaa bb", kTextModeMeasure, 130, "bb"},
      {"only the first column's rest comes back", "aaaa bbbb cccc" + chr(30) + "zzzz zzzz zzzz", kTextModeMeasure,
       130, "bbbb cccc"},
      {"a > text is laid out, not drawn", ">aaaa bbbb cccc", 2, 130, "bbbb cccc"},
      {"no fitting without a right edge", "aaaa bbbb cccc", kTextModeMeasure, 0, ""},
  };
  for (const Case& k : cases) {
    std::string rest = "old";
    drawTextBlock(k.text, kTextLookNormal, 1.0f, 0, 0, 0, k.mode, 0, 1.0f, k.rightEdge, false, "", 0, rest);
    EXPECT_EQ(rest, k.rest) << k.what;
  }
}

// A box narrower than any character, with spaces resetting the count of moved characters:
// the fitting moves the whole text out and must stop there.
TEST_F(TextBlockTest, FittingStopsAtAnEmptyText) {
  const std::string text = "a a a a a a a a a a a a a a a a a a a a a a a a a";
  for (const char* mask : {"", "~"}) {
    std::string rest;
    const std::string drawn = fitTextBlock(text, 1.0f, 0, 0, 20, false, mask, 0, rest);
    EXPECT_EQ(drawn, "..") << "mask '" << mask << "'";
    EXPECT_EQ(rest, text) << "mask '" << mask << "'";
  }
}

// [SECTION] character walk

namespace {
struct Step {
  TVTLGlyphStepKind kind;
  int character;
  int32_t font;
  bool operator==(const Step&) const = default;
};

std::string describe(const std::vector<Step>& steps) {
  std::string s;
  const char* kinds[] = {"char", "marked", "underline"};
  for (const Step& st : steps)
    s += std::string(kinds[int(st.kind)]) + "(" + std::to_string(st.character) + ",f" + std::to_string(st.font) + ") ";
  return s;
}

std::vector<Step> walk(const std::string& text, const std::string& mask = "") {
  std::vector<Step> out;
  for (const TVTLGlyphStep& st : textGlyphSteps(text, mask, kGlyphPlain)) out.push_back({st.kind, st.character, st.font});
  return out;
}
constexpr auto C = TVTLGlyphStepKind::character;
constexpr auto M = TVTLGlyphStepKind::marked;
constexpr auto U = TVTLGlyphStepKind::underline;
}  // namespace

TEST_F(TextBlockTest, TheWalkFollowsEscapesMarksAndTheHiddenPart) {
  struct Case {
    const char* what;
    std::string text;
    std::vector<Step> steps;
    int32_t fontAfter;
  };
  const Case cases[] = {
      {"escape to 3 stays set", "A" + chr(25) + "3B", {{C, 'A', 2}, {C, 'B', 3}}, 3},
      {"escape to 7 selects nothing", chr(25) + "7A", {{C, 'A', 2}}, 2},
      {"escape with a letter draws neither", chr(25) + "xA", {{C, 'A', 2}}, 2},
      {"escape at the end", "A" + chr(25), {{C, 'A', 2}}, 2},
      {"mark", chr(24) + chr(150) + "A", {{M, 150, 2}, {C, 'A', 2}}, 2},
      {"# hides the rest", "AB#CD", {{C, 'A', 2}, {C, 'B', 2}}, 2},
      {"an escape after # still counts", "A#" + chr(25) + "1B", {{C, 'A', 2}}, 1},
      {"line codes are handed on", "A" + chr(13) + "B", {{C, 'A', 2}, {C, 13, 2}, {C, 'B', 2}}, 2},
  };
  for (const Case& k : cases) {
    currentFont = 2;
    const std::vector<Step> got = walk(k.text);
    EXPECT_EQ(got, k.steps) << k.what << ": expected " << describe(k.steps) << ", got " << describe(got);
    EXPECT_EQ(currentFont, k.fontAfter) << k.what;
  }
}

TEST_F(TextBlockTest, MaskRunsAreUnderlinedOnceAndNeverReadPastTheText) {
  const auto width = [](const std::string& s) { return int32_t(std::lround(textWidth(s, false) * 0.9 * 1000 * 0.86)); };
  struct Case {
    const char* what;
    std::string text, mask;
    std::vector<int32_t> underlines;  // widths in thousandths, in order
  };
  const Case cases[] = {
      {"a run of two after B", "ABCD", " ## ", {width("CD")}},
      {"two runs", "ABCDE", "#  # ", {width("B"), width("E")}},
      {"a mask shorter than the text", "ABCD", "#", {width("B")}},
      {"no mask", "ABCD", "", {}},
      {"a run past the text's end", "AB", "####", {width("B")}},
      {"a run at the last character", "AB", " ###", {0}},
      {"hidden characters get none", "A#BC", " ## ", {}},
  };
  for (const Case& k : cases) {
    std::vector<int32_t> got;
    for (const TVTLGlyphStep& st : textGlyphSteps(k.text, k.mask, kGlyphPlain))
      if (st.kind == TVTLGlyphStepKind::underline) got.push_back(st.effect);
    EXPECT_EQ(got, k.underlines) << k.what;
  }
  // An underline after a marked character is drawn as marked.
  const std::vector<TVTLGlyphStep> steps = textGlyphSteps(chr(24) + chr(120) + "AB", " #", kGlyphPlain);
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[1].kind, TVTLGlyphStepKind::underline);
  EXPECT_TRUE(steps[1].marked);
  EXPECT_EQ(steps[1].effect, width("A"));
}

// [SECTION] looks

TEST_F(TextBlockTest, LooksAndGlowPassesFollowModeLookAndHighlightStyle) {
  appopt.textColour = {0.1f, 0.1f, 0.1f, 1.0f};
  appopt.focusColour = {0.2f, 0.2f, 0.2f, 1.0f};
  appopt.disabledColour = {0.3f, 0.3f, 0.3f, 0.5f};
  struct Case {
    const char* what;
    uint8_t mode;
    int32_t look, style;
    bool draws;
    int32_t effect;
    bool additive;
    float red, alpha;
  };
  const Case cases[] = {
      {"normal", 0, 0, 1, true, 0, false, 0.1f, 0.5f},
      {"hovered in mode 2: focus colour", 2, 1, 1, true, 0, false, 0.2f, 0.5f},
      {"hovered in mode 0: text colour", 0, 1, 1, true, 0, false, 0.1f, 0.5f},
      {"inactive", 2, 3, 1, true, 0, false, 0.3f, 0.25f},
      {"steady glow shines", kTextModeGlow, 0, 1, true, 0, true, 0.3f, 0.5f * 0.5f * 0.8f},
      {"glow under Spiegel draws nothing", kTextModeGlow, 0, 3, false, 0, false, 0, 0},
      {"pulsing glow under Spiegel draws nothing", kTextModePulseGlow, 0, 3, false, 0, false, 0, 0},
      {"glow under Schatten is a shadow", kTextModePulseGlow, 0, 4, true, kGlyphShadow, false, 0.1f, 0.5f},
  };
  for (const Case& k : cases) {
    appopt.highlightStyle = k.style;
    const TVTLTextLook l = textBlockLook(k.mode, k.look, 0.5f);
    EXPECT_EQ(l.draws, k.draws) << k.what;
    if (!k.draws) continue;
    EXPECT_EQ(l.effect, k.effect) << k.what;
    EXPECT_EQ(l.additive, k.additive) << k.what;
    EXPECT_FLOAT_EQ(l.colour[0], k.red) << k.what;
    EXPECT_FLOAT_EQ(l.colour[3], k.alpha) << k.what;
  }
}

// Text in the 3D scene follows the same escapes, and nothing at all happens while the overlay
// is off.
TEST_F(TextBlockTest, SceneTextSwitchesFontsOnlyWhileTheOverlayIsOn) {
  struct Case {
    const char* what;
    bool overlay;
    std::string text;
    int32_t fontAfter;
  };
  const Case cases[] = {
      {"escape to 3", true, "A" + chr(25) + "3B", 3},
      {"escape past the slots", true, "A" + chr(25) + "8B", 2},
      {"overlay off", false, "A" + chr(25) + "3B", 2},
  };
  for (const Case& k : cases) {
    currentFont = 2;
    vtl.uiOverlayOn = k.overlay;
    drawText3D(k.text, 1.0f, 0.3f, 0.3f);
    EXPECT_EQ(currentFont, k.fontAfter) << k.what;
  }
  vtl.uiOverlayOn = true;
}

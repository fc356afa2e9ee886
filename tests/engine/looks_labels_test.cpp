// Label lines and the label looks: where a caption breaks, one centred line for "!", the title
// label's glow pass, and the line count written back as the height.
#include <gtest/gtest.h>

#include "tests/engine/looks_fixture.h"

namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string s;
  for (const std::string& l : lines) s += "[" + l + "]";
  return s;
}

TEST(LabelLines, BreaksAsTheRulesSay) {
  struct Case {
    const char* text;
    int32_t lineLength;  // savedWidth; lines hold nearest(lineLength / 1.22) characters
    const char* expected;
  };
  const Case cases[] = {
      {"kurz", 12, "[kurz]"},
      {"eins zwei drei", 12, "[eins zwei][drei]"},
      {"aaaa bbbb $ cc", 12, "[aaaa][bbbb $ cc]"},      // never before a dollar sign
      {"aaaa bbbb \x80 cc", 12, "[aaaa][bbbb \x80 cc]"},  // nor before the euro sign
      {"abcdefghijklmnop", 12, "[abcdefghij][klmnop]"},  // no blank: cut at the limit
      {"ab\rcd", 12, "[ab][cd]"},
      {"ab\r\ncd", 12, "[ab][cd]"},
      {"", 12, "[]"},
      {"ab", 1, "[a][b]"},
      {"x y z", 0, "[x y z]"},   // a line length that rounds to 0 is one line
      {"x y z", -40, "[x y z]"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(joined(labelLines(c.text, c.lineLength)), c.expected)
        << "text \"" << c.text << "\", line length " << c.lineLength;
}

TEST_F(LooksTest, LabelHeightIsItsLineCount) {
  struct Case {
    const char* caption;
    int32_t savedWidth;
    int32_t lines;
  };
  const Case cases[] = {
      {"eins zwei drei", 12, 2},
      {"eins zwei drei", 0, 1},  // no endless cut for a label without a width
      {"!eins zwei drei", 12, 1},
  };
  for (const Case& c : cases) {
    const int32_t e = addSimpleElement(ekLabel, 10, 10, c.caption);
    elementOf(d_, e).savedWidth = c.savedWidth;
    const TLookPlan p = plan(e);
    EXPECT_EQ(elementOf(d_, e).height, c.lines) << c.caption << " at " << c.savedWidth;
    EXPECT_EQ(int32_t(textsOf(p).size()), c.lines) << c.caption << " at " << c.savedWidth;
  }
}

TEST_F(LooksTest, BangCaptionIsOneCentredLineWithoutTheBang) {
  const int32_t plain = addSimpleElement(ekLabel, 10, 10, "abc def");
  const int32_t centred = addSimpleElement(ekLabel, 10, 10, "!abc def");
  elementOf(d_, plain).savedWidth = elementOf(d_, centred).savedWidth = 400;
  const TLookPlan a = plan(plain), b = plan(centred);
  ASSERT_EQ(textsOf(b), std::vector<std::string>{"abc def"}) << "the text primitive never sees the \"!\"";
  const float shift = float(roundEven(-5.7 * textWidth("abc def", false)));
  EXPECT_FLOAT_EQ(stepsOf(b, lsText)[0]->x, stepsOf(a, lsText)[0]->x + shift);
}

TEST_F(LooksTest, TitleLabelIsDrawnWithItsGlowPass) {
  const int32_t titled = createDialog(100, 50, 500, 400, false, "Optionen", false, 0, 2.0f);
  const int32_t saved = d_;
  d_ = titled;
  const TLookPlan p = plan(1);
  d_ = saved;
  std::vector<int32_t> modes;
  for (const TLookStep* s : stepsOf(p, lsText)) modes.push_back(s->mode);
  EXPECT_EQ(modes, (std::vector<int32_t>{6, 8}));
}

TEST_F(LooksTest, BadgeLiesOnAFrameAndMayReachFurther) {
  const int32_t e = addSimpleElement(ekLabel, 10, 10, "12345");
  elementOf(d_, e).picture = 123;
  elementOf(d_, e).savedWidth = 400;
  const TLookPlan p = plan(e);
  ASSERT_EQ(stepsOf(p, lsElementFrame).size(), 1u);
  EXPECT_EQ(stepsOf(p, lsText)[0]->rightEdge, 100 + 500 - 15 + 1000);
  elementOf(d_, e).picture = 0;
  EXPECT_TRUE(stepsOf(plan(e), lsElementFrame).empty());
}

TEST_F(LooksTest, GroupBoxGetsAHeightAndKeepsIt) {
  const int32_t e = addElement(ekGroupBox, 10, 10, "Gruppe", 300, 1, 0.0f, 1.0f);
  plan(e);
  EXPECT_EQ(elementOf(d_, e).height, 150);
  elementOf(d_, e).height = 80;
  plan(e);
  EXPECT_EQ(elementOf(d_, e).height, 80) << "a group box is no label: its height is not a line count";
}

}  // namespace

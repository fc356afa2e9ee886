// Button, picture-button and check-box looks: pictures by sub-kind, the blank caption drawn
// additively, symbol glyphs, the check box's clickable width, and the help bubble's delay.
#include <gtest/gtest.h>

#include "engine/engine_options.h"
#include "engine/picture_primitives.h"
#include "platform/tick.h"
#include "tests/engine/looks_fixture.h"

namespace {

TEST_F(LooksTest, ButtonPictureBySubKind) {
  struct Case {
    uint8_t kind, subKind;
    const char* caption;
    int16_t picture;
    int32_t expected;
  };
  const Case cases[] = {
      {ekButton, 0, "OK", 0, 1},   {ekButton, 3, "OK", 0, 0},    {ekButton, 21, "", 0, 32},
      {ekButton, 27, "", 0, 34},   {ekButton, 12, "?", 0, 0},    {ekPicture, 12, "?", 0, 21},
      {ekPicture, 12, "3", 0, 0},  {ekPicture, 11, "x", 0, -2},  {ekPicture, 4, "", 0, 18},
      {ekPicture, 29, "", 0, 11},  {ekPicture, 9, "", 77, 77},   {ekPicture, 40, "", 55, 55},
  };
  for (const Case& c : cases) {
    TVTLElement el{};
    el.kind = c.kind;
    el.subKind = c.subKind;
    el.picture = c.picture;
    EXPECT_EQ(buttonPicture(el, c.caption), c.expected)
        << "kind " << int(c.kind) << " sub-kind " << int(c.subKind) << " caption \"" << c.caption << "\"";
  }
}

TEST_F(LooksTest, BlankCaptionIsAdditiveAndNeverGlows) {
  const int32_t e = addSimpleElement(ekButton, 10, 10, " ");
  elementOf(d_, e).look = 1;
  const TLookPlan p = plan(e, 1);
  ASSERT_NE(pictureOf(p, 1), nullptr);
  EXPECT_EQ(pictureOf(p, 1)->blend, -7.0f);
  EXPECT_EQ(pictureOf(p, -2), nullptr) << "no hover glow";

  setElementText(d_, e, "Weiter", 0);
  const TLookPlan q = plan(e, 1);
  EXPECT_EQ(pictureOf(q, 1)->blend, 0.0f);
  EXPECT_NE(pictureOf(q, -2), nullptr) << "a hovered button glows";
}

TEST_F(LooksTest, SymbolButtonShowsNumbersAsGlyphs) {
  struct Case {
    const char* caption;
    std::string shown;
  };
  const Case cases[] = {{"1", "\x14"}, {"3", "\x16"}, {"4", "\x17"}, {"G", "G"}, {"?", "(none)"}};
  for (const Case& c : cases) {
    const int32_t e = addTextElement(ekPicture, 10, 10, 34, 34, skSymbol, c.caption);
    const std::vector<std::string> texts = textsOf(plan(e));
    const std::string got = texts.empty() ? std::string("(none)") : texts[0];
    EXPECT_EQ(got, c.shown) << "caption " << c.caption;
  }
}

TEST_F(LooksTest, CheckBoxWidthFollowsItsCaption) {
  const int32_t e = addSimpleElement(ekCheckBox, 10, 10, "an");
  plan(e);
  const int32_t narrow = elementOf(d_, e).width;
  EXPECT_EQ(narrow, roundEven(textWidth("an", false) * 12.5 + 21 + 9));
  setElementText(d_, e, "eine lange Beschriftung", 0);
  plan(e);
  EXPECT_GT(elementOf(d_, e).width, narrow);
}

TEST_F(LooksTest, DisabledEffectBoxShowsUnchecked) {
  const int32_t e = addSimpleElement(ekCheckBox, 10, 10, "Spiegelung");
  elementOf(d_, e).checked = 1;
  EXPECT_NE(pictureOf(plan(e), skinIcons.checkOn), nullptr);
  elementOf(d_, e).enabled = 0;
  EXPECT_NE(pictureOf(plan(e), skinIcons.checkOn), nullptr) << "an ordinary disabled box keeps its state";
  appopt.di_vtlgrafik = d_;
  appopt.graf.reflectionCheck = e;
  EXPECT_NE(pictureOf(plan(e), skinIcons.checkOff), nullptr) << "the effect needs 32-bit colour";
}

class HelpBubbleTest : public LooksTest {
 protected:
  void SetUp() override {
    LooksTest::SetUp();
    useFakeTick(10000);
    button_ = addSimpleElement(ekButton, 10, 10, "Hilfe");
    setElementHelpTextSlot(d_, button_, "Zeigt die Hilfe", 4);
  }
  void TearDown() override {
    useRealTick();
    LooksTest::TearDown();
  }
  int32_t button_ = 0;
};

TEST_F(HelpBubbleTest, WantedAfterRestingForOneAndAHalfSeconds) {
  elementOf(d_, button_).look = 1;
  vtl.hoverStart = getTickCount();
  struct Step {
    uint32_t advance;
    uint8_t wanted;
  };
  for (const Step s : {Step{0, 0}, Step{1499, 0}, Step{1, 1}}) {
    advanceFakeTick(s.advance);
    plan(button_);
    EXPECT_EQ(vtl.helpSlots[4].wanted, s.wanted) << "after " << getTickCount() - 10000 << " ms";
    EXPECT_EQ(vtl.hoverSeen, button_);
  }
  elementOf(d_, button_).look = 0;
  plan(button_);
  EXPECT_EQ(vtl.helpSlots[4].wanted, 0) << "the pointer left";
}

TEST_F(HelpBubbleTest, DrawnWhileFadedInButNotForADisabledButton) {
  vtl.helpSlots[4].anim.progress = 1.0f;
  const TLookPlan p = plan(button_);
  EXPECT_EQ(stepsOf(p, lsBackground).size(), 1u);
  EXPECT_EQ(textsOf(p).back(), fontEscape(2) + "Zeigt die Hilfe");
  elementOf(d_, button_).enabled = 0;
  EXPECT_TRUE(stepsOf(plan(button_), lsBackground).empty());
}

}  // namespace

// Selector, arrow, slider and scroll-bar looks: the strip window, what a selector writes into
// its caption, and the enabled bytes and extents the parts of compound elements write back.
#include <gtest/gtest.h>

#include "tests/engine/looks_fixture.h"

namespace {

TEST(SelectorStrip, WindowAndHalf) {
  struct Case {
    int32_t count, top;
    float s0, s1;
    int32_t half;
  };
  const Case cases[] = {
      {8, 6, 0.25f, 0.5f, 1},  // upper images: the lower half of the texture
      {8, 2, 0.25f, 0.5f, 2},
      {8, 4, 0.75f, 1.0f, 2},
      {6, 4, 0.0f, 1.0f / 3, 1},
      {4, 2, 0.25f, 0.5f, 0},  // fewer than six: one row over the whole height
      {1, 1, 0.0f, 1.0f, 0},
  };
  for (const Case& c : cases) {
    const TStripWindow w = selectorStripWindow(c.count, c.top);
    EXPECT_TRUE(w.valid);
    EXPECT_NEAR(w.s0, c.s0, 1e-6) << c.count << " images, image " << c.top;
    EXPECT_NEAR(w.s1, c.s1, 1e-6) << c.count << " images, image " << c.top;
    EXPECT_EQ(w.half, c.half) << c.count << " images, image " << c.top;
  }
  EXPECT_FALSE(selectorStripWindow(0, 1).valid) << "no images, no strip";
}

class SelectorTest : public LooksTest {
 protected:
  void SetUp() override {
    LooksTest::SetUp();
    sel_ = addElement(ekSelector, 20, 20, "", 200, 25, 0.0f, 1.0f);
  }
  void fill(int n) {
    for (int i = 1; i <= n; ++i) addItem(sel_, "Eintrag " + std::to_string(i), 0);
  }
  int32_t sel_ = 0;
};

TEST_F(SelectorTest, WritesTheShownEntryIntoItsCaption) {
  fill(3);
  elementOf(d_, sel_).TopIndex = 2;
  plan(sel_);
  EXPECT_EQ(elementOf(d_, sel_).caption.str(), "Eintrag 2");
  const int32_t face = sel_ + 4;  // the "ListText" button shows the selector's caption
  EXPECT_EQ(textsOf(plan(face)), std::vector<std::string>{"Eintrag 2"});
}

TEST_F(SelectorTest, ImageSelectorCaption) {
  fill(8);
  elementOf(d_, sel_).picture = -50;
  elementOf(d_, sel_).TopIndex = 6;
  elementOf(d_, sel_).pressDepth = 1.0f;
  const TLookPlan p = plan(sel_);
  EXPECT_EQ(elementOf(d_, sel_).caption.str(), "#HL_Image");
  const auto strips = stepsOf(p, lsStripPicture);
  ASSERT_EQ(strips.size(), 1u);
  EXPECT_EQ(strips[0]->picture, 50);
  EXPECT_FLOAT_EQ(strips[0]->s0, 0.25f);
  EXPECT_EQ(strips[0]->variant, 1);
}

TEST_F(SelectorTest, WithoutEntriesNoKnobAndNoStrip) {
  elementOf(d_, sel_).picture = 50;
  const int32_t slider = sel_ + 3;
  ASSERT_EQ(elementOf(d_, slider).kind, ekSlider);
  elementOf(d_, slider).extent = 33;
  EXPECT_TRUE(stepsOf(plan(sel_), lsStripPicture).empty());
  EXPECT_TRUE(stepsOf(plan(slider), lsBarPicture).empty());
  EXPECT_EQ(elementOf(d_, slider).extent, 0);

  fill(4);
  EXPECT_EQ(stepsOf(plan(sel_), lsStripPicture).size(), 1u);
  EXPECT_EQ(stepsOf(plan(slider), lsBarPicture).size(), 1u);
  EXPECT_EQ(elementOf(d_, slider).extent, roundEven(elementOf(d_, slider).width / 4.0));
}

class ListPartsTest : public LooksTest {
 protected:
  void SetUp() override {
    LooksTest::SetUp();
    list_ = addElement(ekListBox, 20, 20, "", 200, 96, 0.0f, 1.0f);  // 4 rows of 24
  }
  void fill(int n) {
    for (int i = 1; i <= n; ++i) addItem(list_, "Zeile " + std::to_string(i), 0);
  }
  int32_t list_ = 0;
};

TEST_F(ListPartsTest, ArrowsAndThumbOnlyWhileTheListScrolls) {
  const int32_t up = list_ + 1, down = list_ + 2, bar = list_ + 3;
  struct Case {
    int entries;
    uint8_t enabled;
  };
  for (const Case c : {Case{3, 0}, Case{4, 0}, Case{9, 1}}) {
    clearItems(d_, list_, true);
    fill(c.entries);
    for (int32_t part : {up, down, bar}) {
      elementOf(d_, part).enabled = 1 - c.enabled;
      const TLookPlan p = plan(part);
      EXPECT_EQ(elementOf(d_, part).enabled, c.enabled) << "part " << part << " with " << c.entries << " entries";
      EXPECT_EQ(p.steps.empty(), c.enabled == 0) << "part " << part << " with " << c.entries << " entries";
    }
  }
  // The thumb's length: the track (list height - 58) times the part of the entries shown.
  EXPECT_EQ(elementOf(d_, bar).extent, roundEven((96 - 58) * 4.0 / 9));
}

TEST_F(ListPartsTest, DisabledListLeavesItsPartsAlone) {
  fill(9);
  elementOf(d_, list_).enabled = 0;
  elementOf(d_, list_ + 1).enabled = 0;
  plan(list_ + 1);
  EXPECT_EQ(elementOf(d_, list_ + 1).enabled, 0);
}

}  // namespace

// Element states, long texts through "@scon", list items, indexes and pages.
#include <gtest/gtest.h>

#include <vector>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/string_container.h"
#include "platform/errors.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alerts.h"

namespace {

class ElementTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    d_ = createDialog(0, 0, 400, 300, true, "", false, 0, 1.0f);
  }
  int32_t d_ = 0;
};

std::string textOf(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += char('a' + i % 26);
  return s;
}

TEST_F(ElementTest, CaptionsUpTo26StayInTheRecord) {
  int32_t e = addSimpleElement(ekButton, 0, 0, "");
  setElementText(d_, e, textOf(26), 0);
  EXPECT_EQ(elementOf(d_, e).caption.str(), textOf(26));
  setElementText(d_, e, textOf(27), 0);
  EXPECT_EQ(elementOf(d_, e).caption.str(), "@scon");
  EXPECT_EQ(getElementText(d_, e), textOf(27));
  EXPECT_EQ(elementOf(d_, e).itemSlots, 4) << "a button gets a block of 4 slots for a long caption";
}

TEST_F(ElementTest, LongCaptionChunks) {
  int32_t e = addSimpleElement(ekLabel, 0, 0, "");
  const std::string text = textOf(600);
  setElementText(d_, e, text, 0);
  EXPECT_EQ(getItemString(d_, e, 0), text.substr(0, 255));
  EXPECT_EQ(getItemString(d_, e, 1), text.substr(255, 255));
  EXPECT_EQ(getItemString(d_, e, 2), text.substr(510));
  EXPECT_EQ(getItemString(d_, e, 3), kInvalidConpointer) << "the end mark";
  EXPECT_EQ(getElementText(d_, e), text);
  setElementText(d_, e, "kurz", 0);
  EXPECT_EQ(getElementText(d_, e), "kurz");
}

TEST_F(ElementTest, LongCaptionAtCreation) {
  const std::string text = textOf(100);
  int32_t list = addSimpleElement(ekListBox, 0, 0, text);
  int32_t button = addSimpleElement(ekButton, 0, 0, text);
  int32_t item = addTextElement(ekPicture, 0, 0, 10, 10, 0, text);
  EXPECT_EQ(getElementText(1, list), text);
  EXPECT_EQ(getElementText(1, button), text);
  EXPECT_EQ(getElementText(1, item), text) << "a text element keeps the block its long caption got";
}

TEST_F(ElementTest, LongHelpTextAndText3) {
  addSimpleElement(ekButton, 0, 0, "");  // takes handles 0 and 1: handle 0 always reads empty
  int32_t label = addSimpleElement(ekLabel, 0, 0, "L");
  const std::string text = textOf(300);
  setElementHelpText(d_, label, text);
  EXPECT_EQ(elementOf(d_, label).helpText.str(), "@scon");
  EXPECT_EQ(getElementHelpText(d_, label), text) << "a label holds 510 characters of help text";
  EXPECT_EQ(getElementText(d_, label), "L");
  setElementText3(d_, label, "dritter");
  EXPECT_EQ(getElementText3(d_, label), "dritter");

  int32_t button = addSimpleElement(ekButton, 0, 0, "B");
  setElementHelpText(d_, button, textOf(200));
  EXPECT_EQ(getElementHelpText(d_, button), textOf(200));
  AlertCollector alerts;
  setElementHelpText(d_, button, textOf(300));
  EXPECT_EQ(alerts.count(), 1u) << "a second chunk overflows a button's single slot";
}

TEST_F(ElementTest, OrZero) {
  int32_t e = addSimpleElement(ekEdit, 0, 0, "");
  EXPECT_EQ(getElementTextOrZero(d_, e, true), "0");
  EXPECT_EQ(getElementTextOrZero(d_, e, false), "");
  setElementText(d_, e, "0", 0);
  EXPECT_EQ(getElementTextOrZero(d_, e, true), "0");
  EXPECT_EQ(getElementHelpTextOrZero(d_, e, true), "0");
  EXPECT_EQ(getElementText3OrZero(d_, e, true), "0");
}

TEST_F(ElementTest, EditFieldFlagOne) {
  int32_t e = addElement(ekEdit, 0, 0, "", 130, -1, 20.0f, 1.0f);
  setElementText(d_, e, "Anna", 1);
  EXPECT_EQ(elementOf(d_, e).shownLength, 4) << "engine not running: only the shown length";
  elementOf(d_, e).SelIndex = 3;
  elementOf(d_, e).TopIndex = 2;
  vtl.engineState = esRunning;
  setElementText(d_, e, "Berta", 1);
  EXPECT_EQ(elementOf(d_, e).SelIndex, 0) << "Home puts the caret at the start";
  EXPECT_EQ(elementOf(d_, e).TopIndex, 0) << "and the view";
  EXPECT_EQ(elementOf(d_, e).shownLength, 5);
  elementOf(d_, e).SelIndex = 3;
  setElementText(d_, e, "Carla", 0);
  EXPECT_EQ(elementOf(d_, e).SelIndex, 3) << "flag 0 leaves the caret";
}

TEST_F(ElementTest, FlagsAndIndexes) {
  int32_t box = addSimpleElement(ekCheckBox, 0, 0, "c");
  setElementChecked(d_, box, 1);
  uint8_t out = 0;
  EXPECT_EQ(readElementChecked(d_, box, out), 1);
  EXPECT_EQ(out, 1);
  EXPECT_EQ(getElementChecked(d_, box), 1);
  setElementEnabled(d_, box, 0);
  EXPECT_EQ(getElementEnabled(d_, box), 0);
  setElementVisible(d_, box, 0);
  EXPECT_TRUE(isElementVisible(d_, box)) << "still shown until the animation fades it";
  setElementShown(d_, box, 0);
  EXPECT_FALSE(isElementVisible(d_, box));
  elementOf(d_, box).showAnim.state = 2;
  EXPECT_TRUE(isElementVisible(d_, box)) << "fading out counts as visible";
  setSelIndex(d_, box, 7);
  setTopIndex(d_, box, -4);
  setElementPicture(d_, box, 44);
  EXPECT_EQ(getSelIndex(d_, box), 7);
  EXPECT_EQ(getTopIndex(d_, box), -4) << "only selectors are clamped";
  EXPECT_EQ(elementOf(d_, box).picture, 44);
  EXPECT_THROW(setSelIndex(d_, box, 40000), ERangeError);
  EXPECT_THROW(setElementChecked(d_, 0, 1), ERangeError);
}

TEST_F(ElementTest, AnElementShownAtOnceIsDrawnOpaqueAfterItsDialogFadedItOut) {
  const int32_t button = addSimpleElement(ekButton, 0, 0, "b");
  TVTLAnimation& anim = elementOf(d_, button).showAnim;
  anim = TVTLAnimation{};
  anim.state = 2;  // its dialog was closed: the element was fading out
  anim.progress = 0.3f;
  setElementShown(d_, button, 1);
  EXPECT_EQ(anim.state, 0);
  EXPECT_FLOAT_EQ(anim.progress, 1.0f) << "a decision button shown at once must not stay transparent";
  setElementShown(d_, button, 0);
  EXPECT_FLOAT_EQ(anim.progress, 0.0f);
  EXPECT_FALSE(isElementVisible(d_, button));
}

TEST_F(ElementTest, SelectorIndexesAreClamped) {
  int32_t sel = addSimpleElement(ekSelector, 0, 0, "HorList2");
  for (const char* s : {"a", "b", "c", "d", "e"}) addItem(sel, s, 0);
  struct Case {
    int32_t stored, expected;
  } cases[] = {{9, 5}, {-2, 0}, {3, 3}};
  for (const Case& c : cases) {
    setTopIndex(d_, sel, c.stored);
    EXPECT_EQ(getTopIndex(d_, sel), c.expected) << "TopIndex " << c.stored;
    EXPECT_EQ(elementOf(d_, sel).TopIndex, c.expected) << "written back";
    setSelIndex(d_, sel, c.stored);
    EXPECT_EQ(getSelIndex(d_, sel), c.expected) << "SelIndex " << c.stored;
  }
  setTopIndex(d_, sel, 2);
  EXPECT_EQ(getTopItem(d_, sel), "b");
  setTopIndex(d_, sel, 0);
  EXPECT_EQ(getTopItemOrZero(d_, sel, true), "0");
}

TEST_F(ElementTest, TopItemPassesTheInvalidText) {
  int32_t b = addSimpleElement(ekButton, 0, 0, "b");
  setTopIndex(d_, b, 5);
  EXPECT_EQ(getTopItem(d_, b), kInvalidConpointer);
  EXPECT_EQ(getItem(d_, b, 5), "") << "getItem turns it into an empty text";
}

TEST_F(ElementTest, AddItemCases) {
  int32_t list = addSimpleElement(ekListBox, 0, 0, "");
  addItem(list, "a", 0);
  addItem(list, "b", 0);
  addItem(list, "x", -1);
  EXPECT_EQ(elementOf(d_, list).Stringscount, 3);
  EXPECT_EQ(elementOf(d_, list).itemCount, 3);
  EXPECT_EQ(getItem(d_, list, 1), "x");
  EXPECT_EQ(getItem(d_, list, 2), "a");
  EXPECT_EQ(getItem(d_, list, 3), "b");
  addItem(list, "z", -5);
  EXPECT_EQ(getItem(d_, list, 3), "z") << "below -1 replaces the last entry";
  EXPECT_EQ(elementOf(d_, list).Stringscount, 3);
  addItem(list, "zweite", 2);
  EXPECT_EQ(getItemString(d_ + 1000, list, 2), "zweite") << "above 0 sets the second string";
  EXPECT_EQ(getItem(d_, list, 3), "zweite") << "without highlight that is the next entry's string";
}

TEST_F(ElementTest, HighlightListsKeepTwoStringsPerItem) {
  int32_t list = addSimpleElement(ekListBox, 0, 0, "highlight");
  addItem(list, "eins", 0);
  addItem(list, "zwei", 0);
  addItem(list, "eins-b", 1);
  EXPECT_EQ(getItem(d_, list, 1), "eins");
  EXPECT_EQ(getItem(d_, list, 2), "zwei");
  EXPECT_EQ(getItemString(d_ + 1000, list, 1), "eins-b");
}

TEST_F(ElementTest, TableItemCount) {
  int32_t table = addElement(ekTable, 0, 0, "", -1, -1, 4.0f, 1.0f);
  for (int i = 0; i < 10; ++i) addItem(table, "t", 0);
  EXPECT_EQ(elementOf(d_, table).itemCount, 0) << "10 div 4 - 2";
  addItem(table, "t", 0);
  addItem(table, "t", 0);
  EXPECT_EQ(elementOf(d_, table).itemCount, 1) << "12 div 4 - 2";
  int32_t bad = addElement(ekTable, 0, 0, "", -1, -1, 0.0f, 1.0f);
  EXPECT_THROW(addItem(bad, "t", 0), ERangeError);
}

TEST_F(ElementTest, ClearItems) {
  int32_t list = addSimpleElement(ekListBox, 0, 0, "");
  addItem(list, "a", 0);
  setSelIndex(d_, list, 1);
  setTopIndex(d_, list, 1);
  elementOf(d_, list + 3).TopIndex = 9;
  clearItems(d_, list, false);
  EXPECT_EQ(elementOf(d_, list).Stringscount, 0);
  EXPECT_EQ(elementOf(d_, list).SelIndex, 1);
  clearItems(d_, list, true);
  EXPECT_EQ(elementOf(d_, list).SelIndex, 0);
  EXPECT_EQ(elementOf(d_, list).TopIndex, 0);
  EXPECT_EQ(elementOf(d_, list + 3).TopIndex, 0) << "the scroll bar child too";
  addItem(list, "neu", 0);
  EXPECT_EQ(getItem(d_, list, 1), "neu");
}

TEST_F(ElementTest, FieldAfterBars) {
  struct Case {
    int32_t n;
    const char* expected;
  } cases[] = {{0, "a|b|c"}, {-3, "a|b|c"}, {1, "a"}, {2, "b"}, {3, "c"}, {5, "c"}};
  for (const Case& c : cases) EXPECT_EQ(fieldAfterBars("a|b|c", c.n), c.expected) << "n = " << c.n;
  EXPECT_EQ(fieldAfterBars("ohne", 3), "ohne");
  EXPECT_EQ(fieldAfterBars("a||c", 2), "");
}

TEST_F(ElementTest, HelpSlots) {
  int32_t b = addSimpleElement(ekButton, 0, 0, "b");
  setElementHelpTextSlot(d_, b, "Hilfe", 4);
  EXPECT_EQ(vtl.helpSlots[4].element, d_ * 1000 + b);
  EXPECT_EQ(elementOf(d_, b).rowHeight, 4);
  EXPECT_EQ(getElementHelpText(d_, b), "Hilfe");
  EXPECT_THROW(setElementHelpTextSlot(d_, b, "x", 26), ERangeError);
}

// A check box with a child check box that has its own child.
TEST_F(ElementTest, ChildrenEnabledStopAtUncheckedBoxes) {
  int32_t top = addSimpleElement(ekCheckBox, 0, 0, "oben");
  int32_t mid = addSimpleElement(ekCheckBox, 0, 0, "mitte");
  int32_t leaf = addSimpleElement(ekLabel, 0, 0, "blatt");
  addChild(top, mid);
  addChild(mid, leaf);
  setChildrenEnabled(d_, top, 0);
  EXPECT_EQ(getElementEnabled(d_, mid), 0);
  EXPECT_EQ(getElementEnabled(d_, leaf), 0);
  setChildrenEnabled(d_, top, 1);
  EXPECT_EQ(getElementEnabled(d_, mid), 1);
  EXPECT_EQ(getElementEnabled(d_, leaf), 0) << "the child of an unchecked box stays disabled";
  setElementChecked(d_, mid, 1);
  setChildrenEnabled(d_, top, 1);
  EXPECT_EQ(getElementEnabled(d_, leaf), 1);
}

TEST_F(ElementTest, ChildrenVisibleHidesGrandchildren) {
  int32_t a = addSimpleElement(ekCheckBox, 0, 0, "a");
  int32_t b = addSimpleElement(ekCheckBox, 0, 0, "b");
  int32_t c = addSimpleElement(ekLabel, 0, 0, "c");
  addChild(a, b);
  addChild(b, c);
  setChildrenVisible(d_, a, 0);
  setChildrenVisible(d_, a, 1);
  EXPECT_EQ(elementOf(d_, b).visible, 1);
  EXPECT_EQ(elementOf(d_, c).visible, 0);
}

TEST_F(ElementTest, ChildCycleDoesNotRecurseForever) {
  int32_t a = addSimpleElement(ekCheckBox, 0, 0, "a");
  int32_t b = addSimpleElement(ekCheckBox, 0, 0, "b");
  addChild(a, b);
  addChild(b, a);
  setElementChecked(d_, a, 1);
  setElementChecked(d_, b, 1);
  setChildrenEnabled(d_, a, 1);
  setChildrenVisible(d_, a, 1);
  SUCCEED();
}

// Child lists that name the same element again and again (as a damaged record may) would make
// the walk double at every level; it ends after a bounded number of visits.
TEST_F(ElementTest, RepeatedChildrenDoNotMultiplyTheWalk) {
  const int levels = 60;
  std::vector<int32_t> chain;
  for (int i = 0; i < levels; ++i) chain.push_back(addSimpleElement(ekCheckBox, 0, 0, "k"));
  for (int i = 0; i + 1 < levels; ++i) {
    setElementChecked(d_, chain[size_t(i)], 1);
    addChildToCurrent(chain[size_t(i)], chain[size_t(i) + 1]);
    addChildToCurrent(chain[size_t(i)], chain[size_t(i) + 1]);
  }
  setChildrenEnabled(d_, chain[0], 0);
  setChildrenVisible(d_, chain[0], 0);
  EXPECT_EQ(getElementEnabled(d_, chain[1]), 0);
  EXPECT_EQ(getElementEnabled(d_, chain[size_t(levels) - 1]), 0) << "the whole chain is reached";
  EXPECT_EQ(elementOf(d_, chain[1]).visible, 0);
}

TEST_F(ElementTest, SelectPage) {
  int32_t group = addElement(ekPageGroup, 0, 0, "Eins/Zwei", 200, 200, 220.0f, 1.0f);
  int32_t p1 = addSimpleElement(ekLabel, 0, 0, "p1");
  int32_t p2 = addSimpleElement(ekCheckBox, 0, 0, "p2");
  int32_t p2child = addSimpleElement(ekLabel, 0, 0, "p2c");
  int32_t all = addSimpleElement(ekLabel, 0, 0, "alle");
  for (int32_t c : {p1, p2, all}) addChild(group, c);
  addChild(p2, p2child);
  elementOf(d_, p1).page = 1;
  elementOf(d_, p2).page = 2;
  setElementVisible(d_, all, 0);
  setChildrenVisible(d_, p2, 0);

  selectPage(d_, group, 2);
  EXPECT_EQ(elementOf(d_, group).page, 2);
  EXPECT_EQ(elementOf(d_, p1).visible, 0);
  EXPECT_EQ(elementOf(d_, p2).visible, 1);
  EXPECT_EQ(elementOf(d_, p2child).visible, 1);
  EXPECT_EQ(elementOf(d_, all).visible, 0) << "page 0 children are left alone";
  selectPage(d_, group, 1);
  EXPECT_EQ(elementOf(d_, p1).visible, 1);
  EXPECT_EQ(elementOf(d_, p2).visible, 0);
  EXPECT_EQ(elementOf(d_, p2child).visible, 0);
}

TEST_F(ElementTest, SelectPageEnablesByControllingCheckBox) {
  int32_t group = addElement(ekPageGroup, 0, 0, "A/B", 200, 200, 0.0f, 1.0f);
  int32_t box = addSimpleElement(ekCheckBox, 0, 0, "box");
  int32_t opt = addSimpleElement(ekCheckBox, 0, 0, "opt");
  int32_t sub = addSimpleElement(ekLabel, 0, 0, "sub");
  addChild(box, opt);  // opt is controlled by the check box
  addChildToCurrent(group, opt);
  addChild(opt, sub);
  elementOf(d_, opt).page = 1;
  setElementChecked(d_, opt, 1);
  setElementChecked(d_, box, 0);
  selectPage(d_, group, 1);
  EXPECT_EQ(getElementEnabled(d_, sub), 0) << "enabled follows the controlling box's check mark";
  setElementChecked(d_, box, 1);
  selectPage(d_, group, 1);
  EXPECT_EQ(getElementEnabled(d_, sub), 1);
}

}  // namespace

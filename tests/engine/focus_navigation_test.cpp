// Keyboard focus: reading order, Tab and the arrows across dialogs, setFocus, and the search
// that finds no focus target.
#include <gtest/gtest.h>

#include "engine/focus.h"
#include "tests/engine/keyboard_fixture.h"

namespace {

// Dialog 1 (not a popup), elements in creation order and, by position, read as 2 1 3 4 5:
//   1 button (200, 10)   2 button (10, 10)   3 label (10, 40)   4 edit field (10, 80)
//   5 button (10, 120), disabled
// Dialog 2 (not a popup, on top): 1 button (10, 10), 2 check box (10, 50).
class FocusTest : public KeyboardTest {
 protected:
  void SetUp() override {
    KeyboardTest::SetUp();
    first_ = createDialog(0, 0, 400, 300, false, "", false, 0, 1.0f);
    addSimpleElement(ekButton, 200, 10, "A-rechts");
    addSimpleElement(ekButton, 10, 10, "A-links");
    addSimpleElement(ekLabel, 10, 40, "Text");
    addSimpleElement(ekEdit, 10, 80, "");
    addSimpleElement(ekButton, 10, 120, "aus");
    setElementEnabled(first_, 5, 0);
    second_ = createDialog(0, 0, 400, 300, false, "", false, 0, 1.0f);
    addSimpleElement(ekButton, 10, 10, "B1");
    addSimpleElement(ekCheckBox, 10, 50, "B2");
    openDialog(first_);
    openDialog(second_);
    vtl.keyboardNavigation = true;
    vtl.focusShown = true;
  }
  void focusOn(int32_t d, int32_t e) {
    vtl.focusDialog = d;
    vtl.focusElement = e;
  }
  int32_t first_ = 0, second_ = 0;
};

TEST_F(FocusTest, NeighboursInReadingOrder) {
  struct Case {
    int32_t from;
    bool forward, extreme;
    int32_t expected;
  };
  const Case cases[] = {
      {1, false, true, 2},  {1, true, true, 5},    // first and last in reading order
      {2, false, false, 0}, {2, true, false, 1},   // the first has no predecessor
      {1, false, false, 2}, {1, true, false, 3},   // same row: the smaller x first
      {5, true, false, 0},  {4, false, false, 3},  // kind and state do not matter
      {0, true, false, 5},  {0, false, false, 2},  // a focus outside the dialog gets an end
  };
  for (const Case& c : cases) {
    focusOn(first_, c.from);
    EXPECT_EQ(nextFocusElement(c.forward, c.extreme), c.expected)
        << "from " << c.from << (c.forward ? " forward" : " backward") << (c.extreme ? " extreme" : "");
  }
}

TEST_F(FocusTest, EqualPlacesReadByNumber) {
  setCurrentDialog(first_);
  const int32_t twin = addSimpleElement(ekButton, 10, 120, "gleich");  // where 5 is
  focusOn(first_, 5);
  EXPECT_EQ(nextFocusElement(true, false), twin);
  focusOn(first_, twin);
  EXPECT_EQ(nextFocusElement(false, false), 5);
  EXPECT_TRUE(focusCandidateBefore(5, twin));
  EXPECT_FALSE(focusCandidateAfter(5, twin));
  EXPECT_FALSE(focusCandidateBefore(5, 99)) << "a number outside the dialog is neither before nor after";
}

TEST_F(FocusTest, TabAndArrowsAcrossDialogs) {
  struct Case {
    int32_t d, e, key;
    int32_t expectedD, expectedE;
  };
  const Case cases[] = {
      {1, 2, kVkTab, 1, 1},    {1, 1, kVkTab, 1, 4},    // the label is passed over
      {1, 4, kVkTab, 2, 1},    // the disabled button is passed over; on to the next dialog
      {2, 2, kVkDown, 1, 2},   // after the last dialog back to the first, at its first target
      {1, 2, kVkUp, 2, 2},     // before the first dialog back to the last, at its last target
      {2, 1, kVkLeft, 1, 4},   {1, 1, kVkRight, 1, 4},
  };
  for (const Case& c : cases) {
    focusOn(c.d, c.e);
    log_.clear();
    keyDown(c.key);
    EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(c.expectedD, c.expectedE))
        << "key " << c.key << " from " << pair(c.d, c.e);
    EXPECT_TRUE(vtl.focusShown);
    const std::vector<std::string> hover{"-13:" + std::to_string(c.expectedD * 100 + c.expectedE)};
    EXPECT_EQ(logOf("-13:"), hover) << "the hover follows the keyboard focus";
  }
}

TEST_F(FocusTest, TabWrapsInTheOnlyValidDialog) {
  vtl.diags[first_].popup = 1;  // a popup below the top is no focus dialog
  vtl.diags[second_].popup = 1;
  focusOn(second_, 2);
  keyDown(kVkTab);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(second_, 1));
  keyDown(kVkUp);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(second_, 2));
}

TEST_F(FocusTest, FirstKeyWithNavigationOffShowsTheTopDialogsEnd) {
  vtl.keyboardNavigation = false;
  struct Case {
    int32_t key, expectedE;
  };
  for (const Case& c : {Case{kVkTab, 1}, Case{kVkReturn, 1}, Case{kVkLeft, 2}, Case{kVkUp, 2}}) {
    vtl.focusShown = false;
    focusOn(first_, 4);
    log_.clear();
    keyDown(c.key);
    EXPECT_TRUE(vtl.focusShown) << "key " << c.key;
    EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(second_, c.expectedE)) << "key " << c.key;
    EXPECT_TRUE(logOf("-13:").empty() && logOf("activate").empty()) << "the first key only shows the focus";
  }
  vtl.focusShown = false;
  keyDown('A');
  EXPECT_FALSE(vtl.focusShown) << "a key that does not navigate leaves the focus hidden";
}

TEST_F(FocusTest, FirstKeyOnANonTargetMovesOn) {
  vtl.keyboardNavigation = false;
  vtl.focusShown = false;
  closeDialog(second_);
  openDialog(first_);
  keyDown(kVkTab);  // the first element in reading order is 2, a button: kept
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(first_, 2));
  vtl.focusShown = false;
  keyDown(kVkUp);  // the last in reading order is 5, disabled: back to the edit field
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(first_, 4));
}

TEST_F(FocusTest, NoFocusTargetLeavesTheFocusHidden) {
  for (int32_t d : {first_, second_})
    for (int32_t e = 1; e <= vtl.diags[d].count; ++e) setElementEnabled(d, e, 0);
  focusOn(first_, 2);
  keyDown(kVkTab);
  EXPECT_FALSE(vtl.focusShown);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(first_, 2)) << "the focus stays where it was";
  EXPECT_TRUE(logOf("-13:").empty());

  vtl.focusShown = true;
  setFocus(second_, 1);
  EXPECT_FALSE(vtl.focusShown);
}

TEST_F(FocusTest, NoDialogAtAll) {
  freshEngine();
  for (bool navigation : {true, false}) {
    vtl.keyboardNavigation = navigation;
    vtl.focusShown = false;
    keyDown(kVkTab);
    EXPECT_FALSE(vtl.focusShown) << "navigation " << navigation;
  }
  vtl.focusShown = false;
  keyDown(kVkReturn);  // navigation off: the first key looks for a target and finds none
  EXPECT_FALSE(vtl.focusShown);
  EXPECT_TRUE(logOf("activate").empty());
}

TEST_F(FocusTest, SetFocusFallsBackToTheTargetBefore) {
  struct Case {
    int32_t d, e;
    int32_t expectedD, expectedE;
  };
  const Case cases[] = {
      {1, 4, 1, 4},  // a target stays
      {1, 3, 1, 1},  // the label: the button before it in reading order
      {1, 5, 1, 4},  // the disabled button: the edit field
      {2, 1, 2, 1},
      {1, 2, 1, 2},
  };
  for (const Case& c : cases) {
    log_.clear();
    setFocus(c.d, c.e);
    EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(c.expectedD, c.expectedE)) << "setFocus " << pair(c.d, c.e);
    EXPECT_TRUE(logOf("-13:").empty()) << "setFocus sends no hover";
  }
  setFocus(first_, 2);
  vtl.diags[first_].open = 0;  // a closed dialog is no focus dialog: the search goes back from it
  setFocus(first_, 1);
  EXPECT_EQ(pair(vtl.focusDialog, vtl.focusElement), pair(second_, 2));
}

TEST_F(FocusTest, MovingTheFocusReleasesTheTopDialogsEditField) {
  TVTLElement& held = elementOf(second_, 2);
  held.focused = 1;
  vtl.diags[second_].captureElement = 2;
  focusOn(second_, 1);
  moveFocus(kFocusForward);
  EXPECT_EQ(held.focused, 0);
  EXPECT_EQ(vtl.diags[second_].captureElement, 0);
}

TEST_F(FocusTest, WindowHandlesAndFreePicturesTakeNoFocus) {
  setCurrentDialog(second_);
  const int32_t handle = addTextElement(ekPicture, 10, 60, 20, 20, skMoveHandle, "");
  const int32_t freePicture = addTextElement(ekPicture, 10, 70, 20, 20, skFreePicture, "");
  const int32_t pageGroup = addSimpleElement(ekPageGroup, 10, 80, "A/B");
  struct Case {
    int32_t e;
    bool target;
  };
  for (const Case& c : {Case{handle, false}, Case{freePicture, false}, Case{pageGroup, true}, Case{2, true}}) {
    focusOn(second_, c.e);
    EXPECT_EQ(isFocusElementValid(), c.target) << "element " << c.e;
  }
}

}  // namespace

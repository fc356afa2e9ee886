// Hover and press of single elements: the keyboard focus that follows the pointer, text boxes
// holding the keys while hovered, the caret placed by a press, and the edit field that lets go
// of the keys when another element is pressed.
#include <gtest/gtest.h>

#include "tests/engine/pointer_fixture.h"

namespace {

TEST_F(PointerTest, HoverMovesTheKeyboardFocusUnlessAnEditFieldHoldsTheKeys) {
  struct Row {
    bool navigation;
    int16_t capture;
    int32_t focusAfter;
  } const rows[] = {{true, 0, 2}, {true, 3, 1}, {false, 0, 1}};
  for (const Row& r : rows) {
    resetEngineModel();
    const int32_t d = openPlainDialog();
    addButton(10, 10);
    addButton(200, 10);
    addElement(ekEdit, 400, 10, "x", 100, -1, 0.0f, 1.0f);
    vtl.keyboardNavigation = r.navigation;
    vtl.focusDialog = d;
    vtl.focusElement = 1;
    dialogOf(d).captureElement = r.capture;
    poll(250, 20);
    EXPECT_EQ(vtl.focusElement, r.focusAfter) << "navigation " << r.navigation << " capture " << r.capture;
  }
}

TEST_F(PointerTest, TextBoxHoldsTheKeysWhileThePointerIsOverIt) {
  const int32_t d = openPlainDialog();
  const int32_t box = addElement(ekTextBox, 100, 100, "", 200, 128, 1.0f, 1.0f);
  poll(150, 150);
  EXPECT_EQ(elementOf(d, box).focused, 1);
  EXPECT_EQ(elementOf(d, box).hoverOffset, 50);
  press(150, 150);
  poll(150, 170);  // a drag step works with the offset of the poll before it
  poll(150, 170);
  EXPECT_FLOAT_EQ(elementOf(d, box).scrollOffset, -100.0f - 20) << "dragging the text scrolls it";
  release(150, 170);
  poll(600, 500);
  EXPECT_EQ(elementOf(d, box).focused, 0);
}

TEST_F(PointerTest, PressPlacesTheCaretInsideTheText) {
  const int32_t d = openPlainDialog();
  const int32_t edit = addElement(ekEdit, 100, 100, "12345", 200, -1, 0.0f, 1.0f);
  struct Row {
    int16_t top;
    int32_t x;  // pointer x in the field
    int16_t caret;
  } const rows[] = {
      {0, 0, 0},  // at the field's left edge
      {2, 0, 2},  // the view's first character
      {9, 0, 5},  // a view outside the text is brought back into it
  };
  for (const Row& r : rows) {
    TVTLElement& e = elementOf(d, edit);
    e.TopIndex = r.top;
    e.look = 0;
    poll(100 + r.x, 105);
    press(100 + r.x, 105);
    release(100 + r.x, 105);
    EXPECT_EQ(e.SelIndex, r.caret) << "view " << r.top << ", x " << r.x;
    EXPECT_LE(e.TopIndex, 5);
    EXPECT_EQ(e.focused, 1);
    EXPECT_EQ(dialogOf(d).captureElement, edit);
    EXPECT_EQ(dialogOf(d).typingElement, edit);
  }
}

TEST_F(PointerTest, PressingAnotherElementReleasesTheEditFieldAndFillsAnEmptyNumber) {
  struct Row {
    int16_t filter;
    const char* text;
    const char* after;
  } const rows[] = {
      {ifDigitsDefaultOne, "", "1"},   {ifDigitsDefaultOne, "0", "1"},   {ifDigitsDefaultOne, "000", "1"},
      {ifDigitsDefaultOne, "05", "05"}, {ifDigits, "", ""},             {ifAny, "0", "0"},
  };
  for (const Row& r : rows) {
    resetEngineModel();
    const int32_t d = openPlainDialog();
    const int32_t edit = addElement(ekEdit, 100, 100, r.text, 200, r.filter, 0.0f, 1.0f);
    const int32_t button = addButton(400, 100);
    click(110, 105);
    ASSERT_EQ(vtl.keyDialog, d);
    ASSERT_EQ(dialogOf(d).captureElement, edit);
    click(410, 105);
    EXPECT_EQ(getElementText(d, edit), r.after) << "filter " << r.filter << " text \"" << r.text << "\"";
    EXPECT_EQ(elementOf(d, edit).focused, 0);
    EXPECT_EQ(dialogOf(d).captureElement, 0);
    EXPECT_EQ(dialogOf(d).typingElement, button);
  }
}

}  // namespace

// Elements drawn by the compositor in a real window: a list's selection bar, an edit field's
// caret on and off, check boxes, a table, and the help bubble of a button after 1.5 s.
#include <GL/gl.h>

#include "tests/engine/ui_fixture.h"

namespace {
class UiElements : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    pictures_ = loadSkin();
    appopt.frameColours[2] = {0.0f, 0.0f, 0.0f, 1.0f};  // a black dialog: only the elements show
    dialog_ = plainDialog(100, 100, 600, 420, false);
  }
  // Two frames: the fade-in starts and ends.
  void showDialog() {
    frameAfter(0);
    frameAfter(kAnimationMs);
  }
  TVTLElement& element(int32_t e) { return vtl.diags[dialog_].elements[e]; }

  bool pictures_ = false;
  int32_t dialog_ = 0;
};
}  // namespace

TEST_F(UiElements, AListMarksItsSelectedRowWithABar) {
  const int32_t list = addElement(ekListBox, 20, 20, "", 300, 200, 0, 1.0f);
  for (int i = 1; i <= 12; i++) addItem(list, "Zeile " + std::to_string(i), 0);
  const int32_t rowHeight = element(list).rowHeight;
  ASSERT_GT(rowHeight, 0);
  // The right part of rows 2 and 4, away from the entries' texts.
  const double x = 100 + 20 + 260, row2 = 100 + 20 + rowHeight + 2 + rowHeight / 2.0, row4 = row2 + 2 * rowHeight;
  setSelIndex(dialog_, list, 0);
  showDialog();
  const Rgb plain2 = atPicture(x, row2), plain4 = atPicture(x, row4);
  setSelIndex(dialog_, list, 2);
  frameAfter(20);
  const Rgb bar = atPicture(x, row2), other = atPicture(x, row4);
  EXPECT_GT(bar.r + bar.g + bar.b, plain2.r + plain2.g + plain2.b + 60) << "selected row " << bar << " unselected " << plain2;
  EXPECT_PRED3(near, other, plain4, 2) << "another row keeps its look";
  // A list whose rows are 19 units high never shows the bar.
  element(list).rowHeight = 19;
  frameAfter(20);
  const Rgb none = atPicture(x, 100 + 20 + 19 + 2 + 9.5);
  EXPECT_LT(none.r + none.g + none.b, bar.r + bar.g + bar.b - 60) << none;
}

TEST_F(UiElements, AnEditFieldShowsItsCaretOnlyWhileFocusedAndOn) {
  const int32_t edit = addElement(ekEdit, 20, 250, "", 200, 25, 20, 1.0f);
  showDialog();
  // The caret of an empty field: a bar 2 units wide from X + 5, 18 high from Y + 5.
  const double cx = 100 + 20 + 6, cy = 100 + 250 + 14;
  auto caretFrame = [&](uint8_t focused, uint8_t on) {
    element(edit).focused = focused;
    vtl.caretOn = on;
    vtl.caretClock = 0;
    vtl.caretLast = getTickCount() + 20;  // no flip in this frame
    frameAfter(20);
    const Rgb c = atPicture(cx, cy);
    return c.r + c.g + c.b;
  };
  const int on = caretFrame(1, 1), off = caretFrame(1, 0), unfocused = caretFrame(0, 1);
  EXPECT_GT(on, off + 150) << "caret on " << on << ", off " << off;
  EXPECT_LT(unfocused, on - 150) << "a field without focus has no caret";
}

TEST_F(UiElements, ACheckedBoxLooksDifferentFromAnUncheckedOne) {
  if (!pictures_) GTEST_SKIP() << "the build has not generated the element atlas";
  const int32_t a = addSimpleElement(ekCheckBox, 20, 300, "Schatteneffekt");
  const int32_t b = addSimpleElement(ekCheckBox, 300, 300, "Spiegelung");
  setElementChecked(dialog_, a, 1);
  setElementChecked(dialog_, b, 0);
  showDialog();
  // The box is square 25 at X + nearest(10 af - 7).
  const Rgb checked = atPicture(100 + 20 + 3 + 12.5, 100 + 300 + 12.5);
  const Rgb unchecked = atPicture(100 + 300 + 3 + 12.5, 100 + 300 + 12.5);
  EXPECT_FALSE(near(checked, unchecked, 20)) << "checked " << checked << " unchecked " << unchecked;
  EXPECT_GT(element(a).width, 21) << "the clickable width follows the caption";
}

TEST_F(UiElements, ATableDrawsItsCells) {
  const int32_t table = addElement(ekTable, 20, 20, "", 400, 200, 3, 1.0f);
  for (const char* cell : {"Spieler", "Punkte", "Spiel", "Anna", "120", "Grand", "Bernd", "48", "Kreuz"})
    addItem(table, cell, 0);
  int32_t x = 0, y = 0, right = 0, bottom = 0;
  toPixel(100 + 20, 100 + 20, x, y);
  toPixel(100 + 20 + 400, 100 + 20 + 200, right, bottom);
  showDialog();
  const long cells = brightness(x, y, right - x, bottom - y);
  clearItems(dialog_, table, true);
  frameAfter(20);
  const long empty = brightness(x, y, right - x, bottom - y);
  EXPECT_GT(cells, empty + 255 * 3 * 40) << "the cell texts add light: " << cells << " against " << empty;
}

TEST_F(UiElements, AButtonsHelpBubbleShowsAfterOneAndAHalfSeconds) {
  const int32_t button = addElement(ekButton, 200, 300, "!Hilfe", 120, 30, 0, 1.0f);
  setElementHelpTextSlot(dialog_, button, "Zeigt die Hilfe zum Spiel", 3);
  showDialog();
  const long before = brightness(0, 0, 1024, 768);
  element(button).look = 1;  // the pointer rests on it
  uint32_t hovered = 0;
  for (; hovered < 1400; hovered += 100) {
    frameAfter(100);
    EXPECT_EQ(vtl.helpSlots[3].wanted, 0) << "at " << hovered << " ms";
  }
  for (int i = 0; i < 8; i++) frameAfter(100);  // past 1.5 s and the 350 ms fade
  EXPECT_EQ(vtl.helpSlots[3].wanted, 1);
  EXPECT_FLOAT_EQ(vtl.helpSlots[3].anim.progress, 1.0f);
  const long shown = brightness(0, 0, 1024, 768);
  EXPECT_GT(shown, before + 255 * 3 * 100) << "the bubble adds light: " << shown << " against " << before;
  // A disabled button never shows it.
  element(button).enabled = 0;
  frameAfter(100);
  frameAfter(kAnimationMs);
  const long disabled = brightness(0, 0, 1024, 768);
  EXPECT_LT(disabled, shown - 255 * 3 * 100);
}

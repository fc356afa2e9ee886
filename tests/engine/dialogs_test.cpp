// Creating dialogs and elements of every kind, and the stack of open dialogs.
#include <gtest/gtest.h>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_options.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "platform/errors.h"
#include "tests/engine/engine_fixture.h"

namespace {

class DialogTest : public EngineTest {};

// A popup dialog without a title label, made the one under construction.
int32_t plainDialog(bool popup = true) { return createDialog(10, 20, 300, 200, popup, "", false, 0, 1.0f); }

TEST_F(DialogTest, TitleLabelOnlyForRealTitles) {
  struct Case {
    const char* title;
    int16_t count;
  } cases[] = {{"", 0}, {"h", 0}, {"#panel", 0}, {"Optionen", 1}, {"H", 1}};
  for (const Case& c : cases) {
    int32_t d = createDialog(0, 0, 400, 300, true, c.title, false, 0, 1.0f);
    EXPECT_EQ(dialogOf(d).count, c.count) << "title '" << c.title << "'";
  }
  int32_t d = createDialog(0, 0, 400, 300, true, "Optionen", false, 0, 1.5f);
  const TVTLElement& label = elementOf(d, 1);
  EXPECT_EQ(label.kind, ekLabel);
  EXPECT_EQ(label.y, 10);  // round((1.5 - 1) * 20)
  EXPECT_EQ(label.TopIndex, 1) << "the title label is centred";
  EXPECT_EQ(label.caption.str(), "Optionen");
  EXPECT_FLOAT_EQ(label.textScale, 1.5f * 0.95f);
  EXPECT_EQ(addSimpleElement(ekButton, 0, 0, "OK"), 2) << "the caller's first element is number 2";
}

TEST_F(DialogTest, CreateDialogFields) {
  appopt.frameColours[1] = TVTLColour{0.1f, 0.2f, 0.3f, 0.4f};
  int32_t d1 = createDialog(1, 2, 3, 4, true, "#x", true, 7, 1.0f);
  int32_t d2 = createDialog(5, 6, 7, 8, false, "", false, 0, 1.0f);
  EXPECT_EQ(d1, 1);
  EXPECT_EQ(d2, 2);
  EXPECT_EQ(vtl.buildDialog, 2);
  const TVTLDialog& d = dialogOf(d1);
  EXPECT_EQ(d.inUse, 1);
  EXPECT_EQ(d.open, 0);
  EXPECT_EQ(d.below, -1);
  EXPECT_EQ(d.popup, 1);
  EXPECT_EQ(d.glowFrame, 1);
  EXPECT_EQ(d.panelLevel, 7);
  EXPECT_FLOAT_EQ(d.colour[2], 0.3f);
  EXPECT_THROW(createDialog(40000, 0, 1, 1, false, "", false, 0, 1.0f), ERangeError);
}

TEST_F(DialogTest, StandardDialogs) {
  struct Case {
    uint8_t type;
    int16_t x, y, w, h;
    uint8_t glow;
    int16_t panel;
  } cases[] = {{0, 300, 80, 220, 410, 1, 0}, {1, 85, 38, 640, 530, 1, 0}, {2, 85, 38, 640, 530, 1, 0},
               {5, 85, 38, 640, 530, 1, 0},  {3, 260, 80, 300, 450, 0, 10}};
  for (const Case& c : cases) {
    const TVTLDialog& d = dialogOf(createStandardDialog(c.type, "T"));
    EXPECT_EQ(d.x, c.x) << "type " << int(c.type);
    EXPECT_EQ(d.y, c.y) << "type " << int(c.type);
    EXPECT_EQ(d.width, c.w) << "type " << int(c.type);
    EXPECT_EQ(d.height, c.h) << "type " << int(c.type);
    EXPECT_EQ(d.popup, 1) << "type " << int(c.type);
    EXPECT_EQ(d.glowFrame, c.glow) << "type " << int(c.type);
    EXPECT_EQ(d.panelLevel, c.panel) << "type " << int(c.type);
  }
  int32_t d = createStandardDialog(3, "Panel");
  EXPECT_EQ(elementOf(d, 1).y, 0);
  EXPECT_EQ(elementOf(d, 1).savedWidth, 225);
}

TEST_F(DialogTest, KindDefaults) {
  plainDialog();
  int32_t button = addSimpleElement(ekButton, 5, 6, "OK");
  int32_t label = addSimpleElement(ekLabel, 0, 0, "L");
  int32_t edit = addSimpleElement(ekEdit, 0, 0, "Anna");
  int32_t arrow = addSimpleElement(ekArrow, 0, 0, "A");
  int32_t group = addElement(ekGroupBox, 0, 0, "G", -1, -1, 1.0f, 0.5f);
  int32_t page = addElement(ekPageGroup, 0, 0, "a/b", 290, 250, 220.0f, 1.0f);
  int32_t edit2 = addElement(ekEdit, 0, 0, "", 89, 1, 8.0f, 1.0f);
  int32_t picture = addElement(ekPicture, 0, 0, "", 30, 0, 0.0f, 1.0f);

  const TVTLElement& b = elementOf(1, button);
  EXPECT_EQ(b.width, 140);
  EXPECT_EQ(b.height, 36);
  EXPECT_FLOAT_EQ(b.pressDepth, 0.05f);
  EXPECT_EQ(b.itemSlots, 1);
  EXPECT_EQ(b.enabled, 1);
  EXPECT_EQ(b.visible, 1);
  EXPECT_FLOAT_EQ(b.scrollOffset, -100.0f);
  EXPECT_EQ(b.showAnim.shown, 1);
  EXPECT_FLOAT_EQ(b.showAnim.progress, 1.0f);

  EXPECT_EQ(elementOf(1, label).width, 62) << "round(58 / 1.14 * 1.22)";
  EXPECT_EQ(elementOf(1, label).height, 17);
  EXPECT_EQ(elementOf(1, label).itemSlots, 2);

  const TVTLElement& e = elementOf(1, edit);
  EXPECT_EQ(e.width, 200);
  EXPECT_EQ(e.height, 26);
  EXPECT_EQ(e.rows, 20);
  EXPECT_EQ(e.shownLength, 20);
  EXPECT_EQ(e.dragMark, 200 / 13);
  EXPECT_EQ(e.picture, ifAny);
  EXPECT_EQ(elementOf(1, edit2).picture, ifDigitsDefaultOne) << "the height argument is the input filter";
  EXPECT_EQ(elementOf(1, edit2).rows, 8);

  EXPECT_EQ(elementOf(1, arrow).width, 25);
  EXPECT_FLOAT_EQ(elementOf(1, arrow).pressDepth, 0.01f);

  EXPECT_EQ(elementOf(1, group).TopIndex, 1);
  EXPECT_FLOAT_EQ(elementOf(1, group).textScale, 1.4f);
  EXPECT_EQ(elementOf(1, group).width, 100);
  EXPECT_EQ(elementOf(1, page).rows, 2);
  EXPECT_EQ(elementOf(1, page).picture, 220);

  EXPECT_EQ(elementOf(1, picture).height, 30) << "height 0 makes a square";
}

TEST_F(DialogTest, CheckBoxWidthFollowsCaption) {
  fontSlots[0].widths['A'] = 50;
  plainDialog();
  int32_t box = addElement(ekCheckBox, 0, 0, "AA", 999, -1, 0.0f, 1.0f);
  float w = textWidth("AA", false);
  EXPECT_GT(w, 0.0f);
  EXPECT_EQ(elementOf(1, box).width, roundEven(w * 11.5 + 42));
  EXPECT_EQ(elementOf(1, box).height, 26);
  EXPECT_EQ(elementOf(1, box).checked, 0);
}

TEST_F(DialogTest, ListBoxAndTableChildren) {
  plainDialog();
  for (uint8_t kind : {ekListBox, ekTable}) {
    int32_t n = addElement(kind, 10, 20, "", 200, 128, 3.0f, 1.0f);
    const TVTLElement& list = elementOf(1, n);
    ASSERT_EQ(list.childCount, 3) << "kind " << int(kind);
    EXPECT_EQ(list.children[1], n + 1);
    EXPECT_EQ(list.children[2], n + 2);
    EXPECT_EQ(list.children[3], n + 3);
    EXPECT_EQ(list.rowHeight, 24);
    EXPECT_EQ(list.rows, 128 / 24);
    EXPECT_EQ(list.columns, kind == ekTable ? 3 : 1);
    EXPECT_EQ(list.itemSlots, kind == ekTable ? 2000 : 200);
    const TVTLElement& up = elementOf(1, n + 1);
    const TVTLElement& down = elementOf(1, n + 2);
    const TVTLElement& bar = elementOf(1, n + 3);
    EXPECT_EQ(up.caption.str(), "Up");
    EXPECT_EQ(up.x, 210);
    EXPECT_EQ(up.y, 22);
    EXPECT_EQ(up.checked, 0);
    EXPECT_EQ(down.caption.str(), "Down");
    EXPECT_EQ(down.y, 20 + 128 - 27);
    EXPECT_EQ(down.checked, 1);
    EXPECT_EQ(bar.kind, ekScrollBar);
    EXPECT_EQ(bar.caption.str(), "UpDown");
    EXPECT_EQ(bar.x, 212);
    EXPECT_EQ(bar.height, 128 - 58);
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(elementOf(1, n + c).controller, n);
  }
  int32_t small = addElement(ekListBox, 0, 0, "", -1, -1, 0.0f, 0.9f);
  EXPECT_EQ(elementOf(1, small).rowHeight, 19);
  EXPECT_EQ(elementOf(1, small).height, 128);
}

TEST_F(DialogTest, TextBoxAndLongListHaveNoChildren) {
  plainDialog();
  int32_t box = addElement(ekTextBox, 0, 0, "", -1, -1, 2.0f, 1.0f);
  int32_t longList = addElement(ekLongList, 0, 0, "", 50, 60, 0.0f, 1.0f);
  EXPECT_EQ(elementOf(1, box).childCount, 0);
  EXPECT_EQ(elementOf(1, box).columns, 2);
  EXPECT_EQ(elementOf(1, longList).childCount, 0);
  EXPECT_EQ(elementOf(1, longList).itemSlots, 2000);
  EXPECT_EQ(dialogOf(1).count, 2);
}

TEST_F(DialogTest, SelectorChildrenByCaption) {
  plainDialog();
  int32_t sel = addElement(ekSelector, 100, 50, "Auswahl", 150, 20, 0.0f, 1.0f);
  const TVTLElement& s = elementOf(1, sel);
  ASSERT_EQ(s.childCount, 4);
  EXPECT_EQ(elementOf(1, sel + 1).caption.str(), "Left");
  EXPECT_EQ(elementOf(1, sel + 1).y, 78);
  EXPECT_EQ(elementOf(1, sel + 2).caption.str(), "Right");
  EXPECT_EQ(elementOf(1, sel + 2).x, 256);
  EXPECT_EQ(elementOf(1, sel + 2).checked, 1);
  EXPECT_EQ(elementOf(1, sel + 3).kind, ekSlider);
  EXPECT_EQ(elementOf(1, sel + 3).width, 120);
  EXPECT_EQ(elementOf(1, sel + 3).height, 24);
  EXPECT_EQ(elementOf(1, sel + 4).kind, ekPicture);
  EXPECT_EQ(elementOf(1, sel + 4).caption.str(), "ListText");
  EXPECT_EQ(elementOf(1, sel + 4).picture, -1);
  EXPECT_EQ(elementOf(1, sel + 4).x, 136);
  EXPECT_EQ(s.rows, 1);

  int32_t two = addElement(ekSelector, 100, 50, "HorList2", 150, 20, 0.02f, 1.0f);
  ASSERT_EQ(elementOf(1, two).childCount, 3);
  EXPECT_EQ(elementOf(1, two + 1).y, 50) << "HorList2 arrows on the selector's row";
  EXPECT_EQ(elementOf(1, two + 3).width, 121);
  EXPECT_EQ(elementOf(1, two + 3).height, 25);

  int32_t three = addElement(ekSelector, 100, 50, "HorList3", 60, 20, 0.0f, 1.0f);
  EXPECT_EQ(elementOf(1, three).childCount, 1);
  EXPECT_EQ(elementOf(1, three).x, 135);
  EXPECT_EQ(elementOf(1, three).width, 31);
  EXPECT_EQ(elementOf(1, three).height, 25);
  int32_t wide = addElement(ekSelector, 100, 50, "HorList3", 61, 20, 0.0f, 1.0f);
  EXPECT_EQ(elementOf(1, wide).x, 100) << "wider than 60 stays in place";
}

TEST_F(DialogTest, HighlightOnlyForExactCaption) {
  plainDialog();
  EXPECT_EQ(elementOf(1, addSimpleElement(ekListBox, 0, 0, "highlight")).highlight, 1);
  EXPECT_EQ(elementOf(1, addSimpleElement(ekListBox, 0, 0, "Highlight")).highlight, 0);
}

TEST_F(DialogTest, TextElementsBySubKind) {
  vtl.symbolButtonPicture = 17;
  plainDialog();
  struct Case {
    uint8_t subKind;
    const char* caption;
    int32_t width, height;
    float pressDepth;
    int16_t picture;
  } cases[] = {{12, "x", 34, 34, 0.01f, 17}, {7, "x", 80, 90, 0.0001f, 0},  {3, "x", 34, 34, 0.005f, 0},
               {0, "ListText", 80, 90, 0.01f, -1}, {2, "x", 80, 90, 0.01f, -1}};
  for (const Case& c : cases) {
    int32_t n = addTextElement(ekPicture, 1, 2, 80, 90, c.subKind, c.caption);
    const TVTLElement& el = elementOf(1, n);
    EXPECT_EQ(el.width, c.width) << "sub-kind " << int(c.subKind);
    EXPECT_EQ(el.height, c.height) << "sub-kind " << int(c.subKind);
    EXPECT_FLOAT_EQ(el.pressDepth, c.pressDepth) << "sub-kind " << int(c.subKind);
    EXPECT_EQ(el.picture, c.picture) << "sub-kind " << int(c.subKind);
    EXPECT_EQ(el.itemSlots, 0);
    EXPECT_EQ(el.handleBase, 0);
    EXPECT_EQ(el.showAnim.shown, 0) << "a text element starts hidden in its animation";
  }
}

TEST_F(DialogTest, AddElementExPlainButton) {
  plainDialog();
  int32_t n = addElementEx(ekPicture, 100, 40, 140, 20, 8, "Zurück", 0, 0, 0, 0, 1.0f);
  const TVTLElement& b = elementOf(1, n);
  EXPECT_EQ(b.kind, ekButton);
  EXPECT_EQ(b.subKind, 0);
  EXPECT_EQ(b.height, 43);
  EXPECT_FLOAT_EQ(b.textScale, 1.08f);
  int32_t m = addElementEx(ekPicture, 100, 40, 140, 20, 9, "m", 30, 10, 12, 2, 1.2f);
  const TVTLElement& p = elementOf(1, m);
  EXPECT_EQ(p.x, 90);
  EXPECT_EQ(p.width, 150);
  EXPECT_EQ(p.dragMark, 30);
  EXPECT_EQ(p.rows, 10);
  EXPECT_EQ(p.SelIndex, 12);
  EXPECT_EQ(p.TopIndex, 2);
  EXPECT_FLOAT_EQ(p.pressDepth, 0.3f);
}

TEST_F(DialogTest, ElementLimitsAreRangeErrors) {
  plainDialog();
  for (int i = 1; i <= kMaxElements; ++i) addSimpleElement(ekMarker, 0, 0, "");
  EXPECT_THROW(addSimpleElement(ekMarker, 0, 0, ""), ERangeError);
  EXPECT_EQ(dialogOf(1).count, kMaxElements) << "the refused element is not counted";
  EXPECT_THROW(elementOf(1, 139), ERangeError);
  EXPECT_THROW(elementOf(1, 0), ERangeError);

  plainDialog();
  for (int i = 1; i <= kMaxChildren; ++i) addChild(1, 2);
  EXPECT_THROW(addChild(1, 2), ERangeError);
  EXPECT_THROW(addChild(2, 200), ERangeError) << "a child number must fit a signed byte";
  EXPECT_THROW(addSimpleElement(ekButton, 70000, 0, ""), ERangeError);
}

TEST_F(DialogTest, AddChildToCurrentKeepsController) {
  plainDialog();
  int32_t a = addSimpleElement(ekCheckBox, 0, 0, "a");
  int32_t b = addSimpleElement(ekCheckBox, 0, 0, "b");
  int32_t c = addSimpleElement(ekCheckBox, 0, 0, "c");
  addChild(a, c);
  addChildToCurrent(b, c);
  EXPECT_EQ(elementOf(1, c).controller, a);
  EXPECT_EQ(elementOf(1, b).children[1], c);
}

// [SECTION] the open-dialog stack

class DialogStackTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    for (int i = 0; i < 5; ++i) plainDialog(true);
  }
};

TEST_F(DialogStackTest, OpenPushesAndClosePops) {
  openDialog(1);
  openDialog(2);
  openDialog(3);
  EXPECT_EQ(vtl.topDialog, 3);
  EXPECT_EQ(vtl.keyDialog, 3);
  EXPECT_EQ(dialogOf(3).below, 2);
  closeDialog(3);
  EXPECT_EQ(vtl.topDialog, 2);
  EXPECT_EQ(dialogOf(3).open, 0);
  EXPECT_EQ(dialogOf(3).below, -1);
}

TEST_F(DialogStackTest, OpenTopChangesNothing) {
  openDialog(1);
  openDialog(2);
  openDialog(2);
  EXPECT_EQ(vtl.topDialog, 2);
  EXPECT_EQ(dialogOf(2).below, 1);
  EXPECT_EQ(dialogOf(1).open, 1);
}

TEST_F(DialogStackTest, ReopenUnwindsAbove) {
  openDialog(1);
  openDialog(2);
  openDialog(3);
  openDialog(1);
  EXPECT_EQ(vtl.topDialog, 1);
  EXPECT_EQ(dialogOf(2).open, 0);
  EXPECT_EQ(dialogOf(3).open, 0);
  EXPECT_EQ(dialogOf(1).below, 0) << "opened on an empty stack, it keeps below = 0";
}

TEST_F(DialogStackTest, StayOpenStopsUnwinding) {
  openDialog(1);
  openDialog(2);
  openDialog(3);
  dialogOf(2).stayOpen = 1;
  openDialog(1);
  EXPECT_EQ(dialogOf(3).open, 0);
  EXPECT_EQ(dialogOf(2).open, 1);
  EXPECT_EQ(vtl.topDialog, 1);
  EXPECT_EQ(dialogOf(1).below, 2) << "pushed on top of the stay-open dialog";
}

TEST_F(DialogStackTest, CloseOntoNonPopupLeavesNoTop) {
  dialogOf(1).popup = 0;
  openDialog(1);
  openDialog(2);
  closeDialog(2);
  EXPECT_EQ(vtl.topDialog, 0);
  EXPECT_EQ(vtl.keyDialog, 0);
}

TEST_F(DialogStackTest, ReopenNonPopupBelowDoesNotHang) {
  dialogOf(1).popup = 0;
  openDialog(1);
  openDialog(2);
  openDialog(1);
  EXPECT_EQ(dialogOf(2).open, 0);
  EXPECT_EQ(dialogOf(1).open, 1);
  EXPECT_EQ(vtl.topDialog, 1);
}

TEST_F(DialogStackTest, BrokenChainDoesNotHang) {
  openDialog(1);
  openDialog(2);
  dialogOf(1).below = 2;  // a cycle
  openDialog(4);
  EXPECT_EQ(vtl.topDialog, 4);
  EXPECT_EQ(dialogOf(4).below, 2);
}

TEST_F(DialogStackTest, ShowDialogPlacesFocus) {
  setCurrentDialog(3);
  addSimpleElement(ekLabel, 0, 0, "l");
  int32_t pic = addTextElement(ekPicture, 0, 0, 10, 10, 9, "free");
  int32_t ok = addSimpleElement(ekButton, 0, 0, "OK");
  (void)pic;
  vtl.keyboardNavigation = true;
  vtl.focusShown = true;
  showDialog(3);
  EXPECT_EQ(vtl.focusElement, ok) << "labels and free pictures are skipped";
  EXPECT_EQ(vtl.focusDialog, 3);
  EXPECT_EQ(dialogOf(3).markedItem, ok);
  EXPECT_EQ(dialogOf(3).below, -1) << "showDialog leaves below alone";

  openDialog(4);
  closeDialog(4);
  EXPECT_TRUE(vtl.focusShown);
  EXPECT_EQ(vtl.focusDialog, 3);
  EXPECT_EQ(vtl.focusElement, ok) << "the focus returns to the marked item";
}

TEST_F(DialogStackTest, HideAndSetOpen) {
  openDialog(1);
  hideDialog(1);
  EXPECT_EQ(dialogOf(1).open, 0);
  EXPECT_EQ(vtl.topDialog, 1) << "hiding leaves the stack alone";
  setDialogOpen(5, 1);
  EXPECT_EQ(dialogOf(5).open, 1);
  setDialogOpen(5, 2);
  EXPECT_EQ(dialogOf(5).open, 0);
}

}  // namespace

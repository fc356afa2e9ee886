// Pointer sequences on small dialogs: looks, hover, press, drag and release steps, the wheel,
// the scene clock, and the faults the dispatch keeps out (a zero viewport, clicks through the
// top popup, a click made before the next poll).
#include <gtest/gtest.h>

#include <cmath>

#include "engine/window_form.h"
#include "tests/engine/pointer_fixture.h"

namespace {

using Log = std::vector<std::string>;

// [SECTION] looks and events

TEST_F(PointerTest, RestingPointerHoversOnceAndLeavesOnlyEarlierElements) {
  const int32_t d = openPlainDialog();
  addButton(10, 10);
  const int32_t b = addButton(200, 10);
  const int32_t c = addButton(400, 10);
  struct Row {
    int32_t x, y;
    Log events;  // this poll's events and callbacks, in order
  } const rows[] = {
      {250, 20, {"-14", "leave 1,1", "-13:102", "enter 1,2"}},
      {250, 20, {"-14", "leave 1,1"}},  // unmoved: no second -13
      {251, 20, {"-14", "leave 1,1", "-13:102", "enter 1,2"}},
  };
  for (const Row& r : rows) {
    log_.clear();
    EXPECT_TRUE(poll(r.x, r.y));
    EXPECT_EQ(log_, r.events) << "poll at " << r.x << "," << r.y;
    EXPECT_EQ(elementOf(d, b).look, 1);
    EXPECT_EQ(elementOf(d, c).look, 0);
  }
}

TEST_F(PointerTest, LookStateMachineActivatesOnlyOnReleaseOverThePressedElement) {
  const int32_t d = openPlainDialog();
  const int32_t b = addButton(200, 10);
  struct Step {
    char action;  // p poll, d press, u release
    int32_t x, y;
    int16_t look;  // the button's look afterwards
  };
  struct Row {
    const char* name;
    std::vector<Step> steps;
    bool activated;
  } const rows[] = {
      {"click", {{'p', 250, 20, 1}, {'d', 250, 20, 2}, {'u', 250, 20, 1}}, true},
      {"press, move off, release", {{'p', 250, 20, 1}, {'d', 250, 20, 2}, {'p', 600, 300, 0}, {'u', 600, 300, 0}}, false},
      {"press outside, release inside", {{'p', 600, 300, 0}, {'d', 600, 300, 0}, {'p', 250, 20, 1}, {'u', 250, 20, 1}}, false},
      {"press without a hover first", {{'d', 250, 20, 0}, {'u', 250, 20, 0}}, false},
  };
  for (const Row& r : rows) {
    elementOf(d, b).look = 0;
    vtl.lastPointerX = vtl.lastPointerY = -1;
    log_.clear();
    for (const Step& s : r.steps) {
      if (s.action == 'p') poll(s.x, s.y);
      if (s.action == 'd') press(s.x, s.y);
      if (s.action == 'u') release(s.x, s.y);
      EXPECT_EQ(elementOf(d, b).look, s.look) << r.name << ": step " << s.action << " at " << s.x;
    }
    EXPECT_EQ(logged("activate 1,1"), r.activated) << r.name;
  }
}

TEST_F(PointerTest, ClickSendsPressThenCallbackThenActivation) {
  openPlainDialog();
  addButton(200, 10);
  click(250, 20);
  EXPECT_EQ(eventsWithoutLeaves(), (Log{"-13:101", "enter 1,1", "-12:1", "press 1,1", "click 1,1", "activate 1,1"}));
}

TEST_F(PointerTest, LabelsAndGroupBoxesTakeNoPointerAndLabelActivationDoesNothing) {
  const int32_t d = openPlainDialog();
  const int32_t group = addElement(ekGroupBox, 0, 0, "G", 400, 300, 0.0f, 1.0f);
  const int32_t label = addElement(ekLabel, 10, 10, "Text", 100, 17, 0.0f, 1.0f);
  EXPECT_TRUE(poll(20, 15)) << "a label is hit like any element";
  EXPECT_EQ(elementOf(d, group).look, 0);
  log_.clear();
  press(20, 15);
  release(20, 15);
  EXPECT_FALSE(logged("-12:2")) << "a label sends no press event";
  EXPECT_FALSE(logged("click 1,2"));
  EXPECT_FALSE(logged("activate 1,2"));
  log_.clear();
  activateElement(d, label);
  EXPECT_EQ(log_, Log{}) << "not even the activation event";
}

// [SECTION] wheel

TEST_F(PointerTest, WheelOverListMovesItsScrollThumbAndTheListFollows) {
  const int32_t d = openPlainDialog();
  const int32_t list = addElement(ekListBox, 100, 100, "", 200, 128, 0.0f, 1.0f);  // 5 rows
  for (int i = 1; i <= 10; ++i) addItem(list, "Row " + std::to_string(i), 0);
  const int32_t bar = list + 3;
  struct Row {
    int16_t thumb;
    int32_t delta;
    int16_t hoverOffset, thumbAfter, listTop;
  } const rows[] = {
      {0, 120, -10, 0, 0},     // away from the user: up, held at 0
      {30, 120, -10, 20, 3},   // round(20 / 35 * 5)
      {30, -120, 10, 35, 5},   // held at the track's end
      {10, 240, -20, 0, 0},
  };
  for (const Row& r : rows) {
    TVTLElement& b = elementOf(d, bar);
    b.extent = 35;  // as the drawing sets it: round((128 - 58) * 5 / 10)
    b.TopIndex = r.thumb;
    b.dragMark = 0;
    log_.clear();
    EXPECT_TRUE(wheel(150, 150, r.delta));
    EXPECT_EQ(b.hoverOffset, r.hoverOffset) << "thumb " << r.thumb << " delta " << r.delta;
    EXPECT_EQ(b.TopIndex, r.thumbAfter) << "thumb " << r.thumb << " delta " << r.delta;
    EXPECT_EQ(b.rows, 35) << "the track length";
    EXPECT_EQ(elementOf(d, list).TopIndex, r.listTop) << "thumb " << r.thumb << " delta " << r.delta;
    EXPECT_TRUE(logged("list 1," + std::to_string(bar)));
  }
}

TEST_F(PointerTest, WheelOverSelectorStepsWithinItsEntriesAndTakesNoPointer) {
  const int32_t d = openPlainDialog();
  const int32_t s = addSelector(100, 300, 5);
  struct Row {
    int16_t shown;
    int32_t delta;
    int16_t after;
  } const rows[] = {{5, 120, 5}, {5, -120, 4}, {1, -120, 1}, {2, 120, 3}};
  for (const Row& r : rows) {
    elementOf(d, s).TopIndex = r.shown;
    EXPECT_FALSE(wheel(150, 310, r.delta));
    EXPECT_EQ(elementOf(d, s).TopIndex, r.after) << "entry " << r.shown << " delta " << r.delta;
  }
  elementOf(d, s).TopIndex = 2;
  EXPECT_FALSE(wheel(106 + 5, 305, 120)) << "the left arrow turns its selector too";
  EXPECT_EQ(elementOf(d, s).TopIndex, 3);
}

// [SECTION] selectors, check boxes, lists

TEST_F(PointerTest, ImageSelectorStripPicksTheEntryUnderThePointerAndStepsBackOnASecondClick) {
  const int32_t d = openPlainDialog();
  const int32_t s = addSelector(100, 300, 9);
  elementOf(d, s).width = 200;
  elementOf(d, s).picture = -1;
  const int32_t x = 100 + 80;  // 40 % of the strip
  click(x, 305);
  EXPECT_EQ(elementOf(d, s).TopIndex, 4) << "round(0.4 * 10 - 0.15)";
  EXPECT_EQ(getElementText(d, s), "Entry 4");
  click(x, 305);
  EXPECT_EQ(elementOf(d, s).TopIndex, 3) << "the same place again steps back by one";
  click(x + 3, 305);
  EXPECT_EQ(elementOf(d, s).TopIndex, 4) << "a click at another place picks the entry there";
}

TEST_F(PointerTest, CheckBoxWithControllerAndPictureActsAsRadioButton) {
  struct Row {
    int16_t picture;
    uint8_t firstChecked, secondChecked, firstChild, secondChild;
  } const rows[] = {
      {0, 0, 1, 0, 1},   // radio: only the activated box and its children
      {-1, 1, 1, 1, 1},  // toggles alone; the other box keeps its state and children
  };
  for (const Row& r : rows) {
    resetEngineModel();
    const int32_t d = openPlainDialog();
    const int32_t group = addElement(ekMarker, 0, 0, "Group", -1, -1, 0.0f, 1.0f);
    int32_t boxes[2], children[2];
    for (int i = 0; i < 2; ++i) {
      boxes[i] = addElement(ekCheckBox, 10, 40 + 40 * i, "Box", -1, -1, 0.0f, 1.0f);
      children[i] = addElement(ekEdit, 200, 40 + 40 * i, "1", 80, -1, 0.0f, 1.0f);
      addChild(group, boxes[i]);
      addChild(boxes[i], children[i]);
      elementOf(d, boxes[i]).picture = r.picture;
    }
    elementOf(d, boxes[0]).checked = 1;
    activateElement(d, boxes[1]);
    EXPECT_EQ(elementOf(d, boxes[0]).checked, r.firstChecked) << "picture " << r.picture;
    EXPECT_EQ(elementOf(d, boxes[1]).checked, r.secondChecked) << "picture " << r.picture;
    EXPECT_EQ(elementOf(d, children[0]).enabled, r.firstChild) << "picture " << r.picture;
    EXPECT_EQ(elementOf(d, children[1]).enabled, r.secondChild) << "picture " << r.picture;
  }
}

TEST_F(PointerTest, ListActivatedByTheKeyboardStepsItsSelectionIntoView) {
  struct Row {
    int16_t entries, rows, sel, top;
    int16_t selAfter, topAfter, thumb;
  } const rows[] = {
      {5, 3, 3, 0, 4, 1, 20},  // round((70 - 30) * 1 / 2)
      {5, 3, 5, 2, 1, 0, 0},   // wraps to the first entry
      {3, 3, 1, 0, 2, 0, 0},   // everything shown: the thumb stays at the top
      {2, 3, 2, 0, 1, 0, 0},   // fewer entries than rows keeps TopIndex 0
  };
  for (const Row& r : rows) {
    resetEngineModel();
    const int32_t d = openPlainDialog();
    const int32_t list = addElement(ekListBox, 100, 100, "", 200, 128, 0.0f, 1.0f);
    for (int i = 1; i <= r.entries; ++i) addItem(list, "Row " + std::to_string(i), 0);
    addButton(400, 400);  // the list's scroll bar is not the dialog's last element
    TVTLElement& l = elementOf(d, list);
    l.rows = r.rows;
    l.SelIndex = r.sel;
    l.TopIndex = r.top;
    elementOf(d, list + 3).extent = 30;
    vtl.focusShown = true;
    activateElement(d, list);
    EXPECT_EQ(l.SelIndex, r.selAfter) << r.entries << " entries, selection " << r.sel;
    EXPECT_EQ(l.TopIndex, r.topAfter) << r.entries << " entries, selection " << r.sel;
    EXPECT_EQ(getElementText(d, list), "Row " + std::to_string(r.selAfter));
    EXPECT_EQ(elementOf(d, list + 3).TopIndex, r.thumb) << r.entries << " entries, selection " << r.sel;
  }
}

TEST_F(PointerTest, ListPicksTheRowUnderThePointerAndNoneWithoutARowHeight) {
  const int32_t d = openPlainDialog();
  const int32_t list = addElement(ekListBox, 100, 100, "", 200, 128, 0.0f, 1.0f);
  for (int i = 1; i <= 8; ++i) addItem(list, "Row " + std::to_string(i), 0);
  elementOf(d, list).TopIndex = 2;
  click(150, 100 + 5 + 24 + 3);  // second row shown
  EXPECT_EQ(elementOf(d, list).SelIndex, 4);
  EXPECT_EQ(getElementText(d, list), "Row 4");
  elementOf(d, list).rowHeight = 0;  // as a damaged overlay record can carry it
  click(150, 160);
  EXPECT_EQ(elementOf(d, list).SelIndex, 4) << "no row is picked";
}

// [SECTION] sliders and arrows of a selector

TEST_F(PointerTest, SliderAndArrowsOfASelectorWithoutATrackKeepEntryOneAndKnobZero) {
  struct Row {
    const char* name;
    int16_t entries;
    int32_t knobWidth;      // extent, as the drawing sets it: round(width / entries)
    int16_t pointerOffset;  // hoverOffset of a slider drag
    int16_t knob, entry;    // after the drag
    int16_t arrowKnob, arrowEntry;  // after the right arrow from entry 2
  } const rows[] = {
      {"one entry", 1, 120, 60, 0, 1, 0, 1},
      {"knob as wide as the slider", 5, 120, 60, 0, 1, 0, 3},
      {"five entries", 5, 24, 60, 36, 2, 72, 3},  // round(36 / 96 * 5 + 0.5); round(3 / 4 * 96)
  };
  for (const Row& r : rows) {
    resetEngineModel();
    const int32_t d = openPlainDialog();
    const int32_t s = addSelector(100, 100, r.entries, "Werte");  // arrows, slider, text
    TVTLElement& slider = elementOf(d, s + 3);
    ASSERT_EQ(slider.kind, ekSlider);
    slider.extent = r.knobWidth;
    slider.hoverOffset = r.pointerOffset;
    dragElement(d, s + 3);
    EXPECT_EQ(slider.TopIndex, r.knob) << r.name;
    EXPECT_EQ(elementOf(d, s).TopIndex, r.entry) << r.name;
    EXPECT_EQ(getElementText(d, s + 3), "Entry " + std::to_string(r.entry)) << r.name;
    elementOf(d, s).TopIndex = 2;
    activateElement(d, s + 2);
    EXPECT_EQ(slider.TopIndex, r.arrowKnob) << r.name;
    EXPECT_EQ(elementOf(d, s).TopIndex, r.arrowEntry) << r.name;
    EXPECT_EQ(getElementText(d, s), "Entry " + std::to_string(r.arrowEntry)) << r.name;
  }
}

TEST_F(PointerTest, ListArrowsStepTheListAndPlaceTheThumb) {
  const int32_t d = openPlainDialog();
  const int32_t list = addElement(ekListBox, 100, 100, "", 200, 128, 0.0f, 1.0f);  // 5 rows, bar 70 high
  for (int i = 1; i <= 10; ++i) addItem(list, "Row " + std::to_string(i), 0);
  struct Row {
    int32_t arrow;  // 1 Up, 2 Down
    int16_t top;
    int16_t topAfter, thumb;
  } const rows[] = {{2, 0, 1, 7}, {2, 5, 5, 35}, {1, 0, 0, 0}, {1, 3, 2, 14}};
  elementOf(d, list + 3).extent = 35;
  for (const Row& r : rows) {
    elementOf(d, list).TopIndex = r.top;
    activateElement(d, list + r.arrow);
    EXPECT_EQ(elementOf(d, list).TopIndex, r.topAfter) << "arrow " << r.arrow << " from " << r.top;
    EXPECT_EQ(elementOf(d, list + 3).extent, 35);
    EXPECT_EQ(elementOf(d, list + 3).TopIndex, r.thumb) << "arrow " << r.arrow << " from " << r.top;
  }
}

// [SECTION] window handles

TEST_F(PointerTest, ResizeHandleDragIsHeldAtTheWindowSizeLimits) {
  struct Row {
    int32_t dx, dy;
    int32_t width, height;
  } const rows[] = {{-300, -300, 400, 300}, {100, 50, 600, 450}, {0, 400, 1024, 768}};
  for (const Row& r : rows) {
    resetEngineModel();
    winClose();
    ASSERT_TRUE(winOpen("t", 500, 400));
    aspectState.screenHeight = 768;
    openPlainDialog();
    addTextElement(ekPicture, 700, 500, 34, 34, skResizeHandle, "");
    poll(710, 510);
    press(710, 510);
    poll(710 + r.dx, 510 + r.dy);
    const WindowRect w = winRect();
    EXPECT_EQ(w.width, r.width) << r.dx << "," << r.dy;
    EXPECT_EQ(w.height, r.height) << r.dx << "," << r.dy;
    EXPECT_EQ(vtl.dragOriginX, 710 + r.dx) << "the origin follows each step";
  }
}

TEST_F(PointerTest, MoveHandleDragMovesTheWindowByThePointer) {
  ASSERT_TRUE(winOpen("t", 640, 480));
  winSetPosition(100, 100);
  openPlainDialog();
  addTextElement(ekPicture, 700, 70, 34, 34, skMoveHandle, "");
  poll(710, 80);
  press(710, 80);
  poll(750, 60);  // the handle's margin keeps it pressed
  EXPECT_EQ(winRect().left, 140);
  EXPECT_EQ(winRect().top, 80);
  EXPECT_EQ(vtl.dragOriginX, 710) << "the pointer is relative to the window: the origin stays";
}

// [SECTION] scene clock

TEST_F(PointerTest, SceneClockTurnsBySpeedOverFrameRateAndHoldsWithoutARate) {
  struct Row {
    float fps;
    int32_t cameraMode;
    bool paused;
    float start, angle1, angle4;
  } const rows[] = {
      {50, 0, false, 10, 12, 11},     // speeds 100 and 50 degrees per second
      {50, 1, false, 10, 11, 10.5f},  // camera mode: half speed
      {50, 1, true, 10, 10, 10},      // camera mode while paused: held
      {50, 0, true, 10, 12, 11},
      {50, 0, false, 179, -180, 180},  // past 180 wraps to -180
      {0, 0, false, 10, 10, 10},       // no rate measured yet: held, never NaN
  };
  for (const Row& r : rows) {
    appopt.rotationSpeeds[1] = 100;
    appopt.rotationSpeeds[2] = 50;
    vtlInfo.fps = r.fps;
    vtlInfo.enginePaused = r.paused;
    vtl.cameraMode = r.cameraMode;
    vtl.sceneParams[1] = vtl.sceneParams[4] = r.start;
    processPointer(0, 0, kPointerPoll, true, true, false);
    EXPECT_FLOAT_EQ(vtl.sceneParams[1], r.angle1) << "fps " << r.fps << " camera " << r.cameraMode;
    EXPECT_FLOAT_EQ(vtl.sceneParams[4], r.angle4) << "fps " << r.fps << " camera " << r.cameraMode;
  }
}

// [SECTION] faults kept out

TEST_F(PointerTest, ZeroViewportHitsNothing) {
  const int32_t d = openPlainDialog();
  const int32_t b = addButton(0, 0);
  windowLayout.viewWidth = 0;
  EXPECT_FALSE(poll(10, 10));
  EXPECT_FALSE(press(10, 10));
  EXPECT_EQ(elementOf(d, b).look, 0);
  EXPECT_FALSE(logged("-13:101"));
}

TEST_F(PointerTest, TopPopupShieldsTheDialogsBeneathIt) {
  const int32_t below = openPlainDialog();
  const int32_t hidden = addButton(300, 300);
  const int32_t outside = addButton(10, 10);
  vtl.overlayPanel = openPlainDialog();
  const int32_t overlay = addButton(350, 350, "O");
  const int32_t popup = openPlainDialog(200, 200, 400, 300, true);
  const int32_t s = addSelector(150, 150, 3);  // absolute 350..500, 350..375 for its text
  ASSERT_EQ(vtl.topDialog, popup);

  struct Row {
    int32_t x, y;
    bool taken;  // the press is no table click
    int16_t hiddenLook, outsideLook, overlayLook, selectorLook, textLook;
  } const rows[] = {
      {320, 310, true, 0, 0, 0, 0, 0},   // over the shielded button only
      {390, 360, true, 0, 0, 1, 1, 1},   // the overlay above and the popup's overlapping elements
      {20, 20, true, 0, 1, 0, 0, 0},     // outside the popup the dialog beneath takes it
      {700, 580, false, 0, 0, 0, 0, 0},  // outside everything: a table click
  };
  for (const Row& r : rows) {
    log_.clear();
    poll(r.x, r.y);
    EXPECT_EQ(elementOf(below, hidden).look, r.hiddenLook) << r.x << "," << r.y;
    EXPECT_EQ(elementOf(below, outside).look, r.outsideLook) << r.x << "," << r.y;
    EXPECT_EQ(elementOf(vtl.overlayPanel, overlay).look, r.overlayLook) << r.x << "," << r.y;
    EXPECT_EQ(elementOf(popup, s).look, r.selectorLook) << r.x << "," << r.y;
    EXPECT_EQ(elementOf(popup, s + 3).look, r.textLook) << r.x << "," << r.y;
    EXPECT_EQ(press(r.x, r.y), r.taken) << r.x << "," << r.y;
    release(r.x, r.y);
    EXPECT_FALSE(logged("-13:" + std::to_string(below * 100 + hidden))) << r.x << "," << r.y;
    EXPECT_FALSE(logged("activate 1," + std::to_string(hidden))) << r.x << "," << r.y;
  }
  elementOf(below, hidden).look = 0;
  wheel(320, 310, 120);
  EXPECT_EQ(elementOf(below, hidden).look, 0);
}

TEST_F(PointerTest, MouseHooksCountTheClickWhereTheEventHappened) {
  ASSERT_TRUE(winOpen("t", 807, 607));
  const int32_t d = openPlainDialog();
  const int32_t b = addButton(400, 300);
  pollPointerAt(10, 10);  // the last frame saw the pointer elsewhere
  log_.clear();
  formMouseDown(MouseButton::left, 0, 420, 310);
  EXPECT_EQ(elementOf(d, b).look, 2);
  EXPECT_FALSE(logged("-3")) << "a press on an element is no table click";
  EXPECT_TRUE(logged("-12:1"));
  formMouseUp(MouseButton::left, 0, 420, 310);
  EXPECT_TRUE(logged("activate 1,1"));
  log_.clear();
  formMouseDown(MouseButton::left, 0, 700, 500);
  EXPECT_TRUE(logged("-3"));
  EXPECT_EQ(elementOf(d, b).look, 0);
}

}  // namespace

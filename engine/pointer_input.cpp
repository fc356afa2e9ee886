// The pointer dispatch: scene clock, hit test, look states, wheel.
// [SECTION] scene clock
// [SECTION] hit test
// [SECTION] wheel
// [SECTION] dispatch
// [SECTION] poll
#include "engine/pointer_input.h"

#include <cmath>

#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/element_behaviour.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/range_check.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "platform/window.h"

// [SECTION] scene clock

namespace {
constexpr int kSceneAngles = 11;
constexpr float kHalfTurn = 180.0f;
}  // namespace

void advanceSceneClock() {
  const float fps = vtlInfo.fps;
  // Without a measured rate a step would be infinite (or NaN for a speed of 0) for good.
  if (!(fps > 0.0f) || !std::isfinite(fps)) return;
  // In a developer camera mode the scene turns at half speed, and not at all while paused.
  if (vtl.cameraMode != 0 && vtlInfo.enginePaused) return;
  for (int i = 1; i <= kSceneAngles; ++i) {
    const int speedIndex = i <= 3 ? i : 2;
    float step = float(appopt.rotationSpeeds[speedIndex]) / fps;
    if (vtl.cameraMode != 0) step /= 2;
    float& angle = vtl.sceneParams[i];
    angle += step;
    if (angle > kHalfTurn || angle < -kHalfTurn) angle = -kHalfTurn;
  }
}

// [SECTION] hit test

namespace {
constexpr int32_t kDragMargin = 26;          // a dragged thumb or knob keeps the pointer this far outside
constexpr int32_t kWindowHandleMargin = 400;  // a dragged window handle keeps it almost anywhere

// Where the pointer is in layout units, or that it is nowhere (a zero viewport).
struct PointerPlace {
  bool valid;
  int32_t px, py;
};

PointerPlace placeOf(int32_t x, int32_t y) {
  const int32_t w = windowLayout.viewWidth, h = windowLayout.viewHeight;
  if (w <= 0 || h <= 0) return {false, 0, 0};
  return {true, roundEven(x / double(w) * kPointerUnitsX), roundEven(y / double(h) * kPointerUnitsY)};
}

bool takesPointer(const TVTLDialog& dlg, int32_t d) {
  return dlg.inUse && dlg.open && (d == vtl.topDialog || !dlg.popup);
}

bool ignoredKind(uint8_t kind) { return kind == ekMarker || kind == ekGroupBox || kind == ekPageGroup; }

bool untestable(const TVTLElement& el) {
  return !el.enabled || !el.visible || el.subKind == skNoPointer || el.subKind == skFreePicture;
}

bool isWindowHandle(const TVTLElement& el) { return el.subKind == skMoveHandle || el.subKind == skResizeHandle; }

bool hits(const TVTLDialog& dlg, const TVTLElement& el, const PointerPlace& p, int32_t action) {
  if (!p.valid) return false;
  const int32_t ex = dlg.x + el.x;
  const int32_t ey = dlg.y + el.y;
  int32_t margin = 0;
  if (action == kPointerPoll && el.look == 2) {
    if (el.kind == ekScrollBar || el.kind == ekSlider) margin = kDragMargin;
    if (el.kind == ekPicture && isWindowHandle(el)) margin = kWindowHandleMargin;
  }
  return ex - margin <= p.px && p.px < ex + el.width + margin && ey - margin <= p.py && p.py < ey + el.height + margin;
}

// The open top popup dialog lies over the pointer: it and the dialogs drawn above it (the overlay
// panel and the first panel) take the pointer, the dialogs beneath it do not.
bool insideTopPopup(const PointerPlace& p) {
  if (!p.valid || !vtl.diags.valid(vtl.topDialog)) return false;
  const TVTLDialog& top = vtl.diags[vtl.topDialog];
  if (!top.inUse || !top.open || !top.popup) return false;
  return top.x <= p.px && p.px < top.x + top.width && top.y <= p.py && p.py < top.y + top.height;
}

bool drawnAboveTop(int32_t d) {
  return d == vtl.topDialog || (d > 0 && (d == vtl.overlayPanel || d == vtl.firstPanel));
}

// [SECTION] wheel

// The element a wheel turn over element n moves: a list's scroll bar, a selector for its text
// or arrows, the scroll bar beside a list arrow; 0 when n does not take the wheel.
int32_t wheelTarget(int32_t d, int32_t n) {
  const TVTLElement& el = elementOf(d, n);
  switch (el.kind) {
    case ekScrollBar: case ekTextBox: return n;
    case ekListBox: case ekTable: case ekLongList: return el.children[3];
    case ekArrow:
      if (el.controller >= 1 && el.controller <= dialogOf(d).count &&
          elementOf(d, el.controller).kind == ekSelector)
        return el.controller;
      return el.checked ? n + 1 : n + 2;
    default:
      return selectorOfText(d, el);
  }
}

// Step 4.5; true when the turn counts as the pointer being over an element.
bool turnWheel(int32_t d, int32_t n, int32_t delta) {
  const int32_t t = wheelTarget(d, n);
  if (t == 0) return false;
  TVTLElement& target = elementOf(d, t);
  switch (target.kind) {
    case ekScrollBar:
      target.hoverOffset = toInt16(target.dragMark - delta / 12, "wheel offset");
      dragElement(d, t);
      return true;
    case ekSelector: {
      int32_t top = target.TopIndex + (delta > 0 ? 1 : -1);
      if (top < 1) top = 1;
      if (top > target.Stringscount) top = target.Stringscount;
      target.TopIndex = toInt16(top, "selector entry");
      return false;
    }
    case ekTextBox:
      target.hoverOffset = toInt16(target.dragMark + delta / 24, "wheel offset");
      dragElement(d, t);
      return true;
    default:
      return false;
  }
}

// [SECTION] dispatch

// Step 4.6: the look state machine of a hit element.
void stepHitElement(int32_t d, int32_t n, int32_t action, bool dragEnabled, bool unmoved) {
  TVTLElement& el = elementOf(d, n);
  if (action == kPointerPress) vtl.focusShown = false;
  if (action == kPointerPoll && !unmoved) enterElement(d, n);
  if (action == kPointerPoll && el.look == 2 && dragEnabled) dragElement(d, n);
  if (action == kPointerPress && el.look == 1) {
    pressElement(d, n);
    el.look = 2;
    if (el.kind == ekSelector && el.picture < 0) el.columns = el.hoverOffset;
  }
  if (action == kPointerPoll && el.look == 0) el.look = 1;
  if (action == kPointerRelease && el.look == 2) {
    el.look = 1;
    activateElement(d, n);
  }
}

// Steps 4.7 and 4.8: where the pointer is inside the element; dragging across an image
// selector's strip picks entries continuously.
void trackOffsets(int32_t d, int32_t n, const PointerPlace& p, int32_t action, bool dragEnabled) {
  TVTLElement& el = elementOf(d, n);
  const TVTLDialog& dlg = dialogOf(d);
  const int32_t ex = dlg.x + el.x, ey = dlg.y + el.y;
  switch (el.kind) {
    case ekScrollBar: case ekListBox: case ekTextBox: case ekTable:
      el.hoverOffset = toInt16(p.py - ey, "hoverOffset");
      break;
    case ekSlider: case ekEdit: case ekSelector:
      el.hoverOffset = toInt16(p.px - ex, "hoverOffset");
      break;
    default:
      break;
  }
  if (selectorOfText(d, el) == 0 || elementOf(d, el.controller).picture >= 0) return;
  if (el.hoverOffset == p.px - ex) return;
  el.hoverOffset = toInt16(p.px - ex, "hoverOffset");
  if (action == kPointerPoll && el.look == 2 && dragEnabled) {
    el.TopIndex = 0;
    activateElement(d, n);
  }
}
}  // namespace

bool processPointer(int32_t x, int32_t y, int32_t action, bool dragEnabled, bool unmoved, bool wheel) {
  advanceSceneClock();
  const int32_t top = vtl.topDialog;
  if (top > 0 && (top == appopt.opt.dialog || top == appopt.di_vtlgrafik)) readOptions(false);
  vtl.lastPointerX = x;
  vtl.lastPointerY = y;
  const PointerPlace place = placeOf(x, y);
  const bool shielded = insideTopPopup(place);
  bool overAny = false;
  if (!wheel) vtl.pointerDialog = vtl.pointerElement = 0;
  // Elements may open or close dialogs while the loop runs; the count is read each time.
  for (int32_t d = 1; d <= vtl.diags.count(); ++d) {
    if (!takesPointer(vtl.diags[d], d)) continue;
    const bool reachable = !shielded || drawnAboveTop(d);
    for (int32_t n = 1; n <= vtl.diags[d].count; ++n) {
      TVTLElement& el = elementOf(d, n);
      if (ignoredKind(el.kind)) continue;
      if (!untestable(el)) {
        if (!reachable || !hits(vtl.diags[d], el, place, action)) {
          el.look = 0;
        } else if (wheel) {
          overAny = turnWheel(d, n, action) || overAny;
        } else {
          overAny = true;
          vtl.pointerDialog = d;
          vtl.pointerElement = n;
          stepHitElement(d, n, action, dragEnabled, unmoved);
          trackOffsets(d, n, place, action, dragEnabled);
        }
      }
      if (!overAny) leaveElement(d, n);
    }
  }
  return overAny || (action == kPointerPress && !wheel && shielded);
}

// [SECTION] poll

void pollPointerAt(int32_t x, int32_t y) {
  if (aspectState.aspect54) x = roundEven(x / 1.25 * 4 / 3);  // the 5:4 viewport is 4:3 inside
  vtl.pointerX = x;
  vtl.pointerY = y;
  if (winIsActive())
    processPointer(x, y, kPointerPoll, true, x == vtl.lastPointerX && y == vtl.lastPointerY, false);
  vtl.lastPointerX = x;
  vtl.lastPointerY = y;
}

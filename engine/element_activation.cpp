// Element activation by kind, then the built-in actions and the program's callbacks.
// [SECTION] helpers
// [SECTION] selectors and check boxes
// [SECTION] arrows and lists
// [SECTION] activation
#include "engine/element_activation.h"

#include <algorithm>

#include "engine/builtin_actions.h"
#include "engine/dialogs.h"
#include "engine/element_behaviour.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/range_check.h"

// [SECTION] helpers

namespace {
constexpr double kImageSelectorBias = 0.15;  // a click just right of an entry's middle still picks it
constexpr int32_t kListTrackMargin = 58;     // list height minus the arrows: the scroll bar's length
constexpr int32_t kListTextTop = 5;          // first row's text starts this far below the list's top

bool inDialog(int32_t d, int32_t n) { return n >= 1 && n <= dialogOf(d).count; }

// The upper limit first, then the lower one: a list with fewer entries than rows stays at 0.
int16_t upperFirst(int32_t v, int32_t low, int32_t high) {
  if (v > high) v = high;
  if (v < low) v = low;
  return toInt16(v, "list position");
}

// The list's scroll thumb at the place of its TopIndex.
void placeListThumb(TVTLElement& list, TVTLElement& bar) {
  const int32_t hidden = list.itemCount - list.rows;
  int32_t top = hidden != 0 ? roundEven(double(bar.height - bar.extent) * list.TopIndex / hidden) : 0;
  bar.TopIndex = toInt16(std::max(top, 0), "scroll thumb");
}

// [SECTION] selectors and check boxes

void activateSelectorText(int32_t d, int32_t s) {
  TVTLElement& c = elementOf(d, s);
  if (c.picture < 0) {
    // The strip: the entry under the pointer; a click that did not move since the press on the
    // entry already shown steps back by one.
    const int32_t old = c.TopIndex;
    int32_t pick = c.width > 0 ? roundEven(double(c.hoverOffset) / c.width * (c.Stringscount + 1) - kImageSelectorBias) : 1;
    pick = std::clamp<int32_t>(pick, 1, std::max<int16_t>(c.Stringscount, 1));
    const int32_t top = pick == old && c.columns == c.hoverOffset ? pick - 1 : pick;
    c.TopIndex = toInt16(std::max(top, 1), "selector entry");
  } else {
    c.TopIndex = c.TopIndex + 1 > c.Stringscount ? 1 : int16_t(c.TopIndex + 1);
  }
  showSelectorEntry(d, s, s, c.TopIndex);
}

void activateCheckBox(int32_t d, int32_t n) {
  TVTLElement& box = elementOf(d, n);
  box.checked = box.checked ? 0 : 1;
  if (box.controller != 0 && box.picture != -1) {
    // A radio button: the only checked one among its siblings, and only its children enabled.
    const TVTLElement group = elementOf(d, box.controller);
    for (int i = 1; i <= group.childCount; ++i) {
      const int32_t k = group.children[i];
      TVTLElement& sibling = elementOf(d, k);
      if (sibling.kind == ekCheckBox) sibling.checked = k == n ? 1 : 0;
      setChildrenEnabled(d, k, k == n ? 1 : 0);
    }
    return;
  }
  setChildrenEnabled(d, n, box.checked);
}

// [SECTION] arrows and lists

// A selector steps one entry; its slider knob follows. A selector with fewer than two entries
// keeps entry 1 and the knob at 0, and a knob as wide as its slider stays at 0.
void stepSelector(int32_t d, int32_t s, bool forward) {
  TVTLElement& c = elementOf(d, s);
  const int32_t next = c.Stringscount < 2 ? 1 : c.TopIndex + (forward ? 1 : -1);
  c.TopIndex = toInt16(std::clamp<int32_t>(next, 1, std::max<int16_t>(c.Stringscount, 1)), "selector entry");
  showSelectorEntry(d, s, s, c.TopIndex);
  if (c.childCount < 3 || !inDialog(d, c.children[3])) return;
  TVTLElement& slider = elementOf(d, c.children[3]);
  if (slider.kind != ekSlider) return;
  const int32_t track = slider.width - slider.extent;
  slider.TopIndex = c.Stringscount < 2 || track <= 0
                        ? int16_t(0)
                        : toInt16(roundEven(double(c.TopIndex) / (c.Stringscount - 1) * track), "slider knob");
}

void stepList(int32_t d, int32_t l, bool forward) {
  TVTLElement& list = elementOf(d, l);
  list.TopIndex = toInt16(list.TopIndex + (forward ? 1 : -1), "list top");
  TVTLElement& bar = elementOf(d, list.children[3]);
  placeListThumb(list, bar);
  if (list.itemCount != 0)
    bar.extent = roundEven(double(list.height - kListTrackMargin) * list.rows / list.itemCount);
  if (bar.TopIndex > bar.height - bar.extent) bar.TopIndex = toInt16(bar.height - bar.extent, "scroll thumb");
  list.TopIndex = upperFirst(list.TopIndex, 0, list.itemCount - list.rows);
}

void activateArrow(int32_t d, int32_t n) {
  const TVTLElement& arrow = elementOf(d, n);
  if (!inDialog(d, arrow.controller)) return;
  const bool forward = arrow.checked != 0;
  if (elementOf(d, arrow.controller).kind == ekSelector)
    stepSelector(d, arrow.controller, forward);
  else
    stepList(d, arrow.controller, forward);
}

// Enter steps the selection down (wrapping to the first entry) and scrolls it into view.
void stepListByKey(int32_t d, int32_t n) {
  TVTLElement& list = elementOf(d, n);
  list.SelIndex = list.SelIndex + 1 > list.Stringscount ? 1 : int16_t(list.SelIndex + 1);
  if (list.SelIndex > list.rows) list.TopIndex = int16_t(list.SelIndex - list.rows);
  if (list.SelIndex < list.TopIndex) list.TopIndex = int16_t(list.SelIndex - 1);
  const int32_t b = list.children[3];
  if (b >= 1 && b <= dialogOf(d).count - 1) {
    TVTLElement& bar = elementOf(d, b);
    placeListThumb(list, bar);
    bar.TopIndex = upperFirst(bar.TopIndex, 0, bar.height - bar.extent);
  }
  list.TopIndex = upperFirst(list.TopIndex, 0, list.itemCount - list.rows);
}

// The pointer picks the row under it; a list without a row height has no rows to pick.
void pickListRow(int32_t d, int32_t n) {
  TVTLElement& list = elementOf(d, n);
  if (list.rowHeight <= 0) return;
  const int32_t row = (list.hoverOffset - kListTextTop) / list.rowHeight + list.TopIndex + 1;
  if (row <= list.Stringscount) list.SelIndex = toInt16(row, "list selection");
}

void activateListBox(int32_t d, int32_t n) {
  if (vtl.focusShown)
    stepListByKey(d, n);
  else
    pickListRow(d, n);
  TVTLElement& list = elementOf(d, n);
  setElementText(d, n, getItem(d, n, list.SelIndex).substr(0, size_t(kRecordTextMax)), 0);
}
}  // namespace

// [SECTION] activation

void activateElement(int32_t d, int32_t n) {
  TVTLElement& el = elementOf(d, n);
  if (el.kind == ekLabel) return;
  windowButtonAction(d, n);
  if (el.kind == ekEdit) {
    el.focused = 1;
    dialogOf(d).captureElement = toInt16(n, "captureElement");
  }
  if (const int32_t s = selectorOfText(d, el)) activateSelectorText(d, s);
  if (el.kind == ekCheckBox) activateCheckBox(d, n);
  if (el.kind == ekArrow) activateArrow(d, n);
  if (el.kind == ekListBox) activateListBox(d, n);
  engineDialogAction(d, n);
  if (vtl.onElementClick) vtl.onElementClick(d, n);
  sendEngineEvent(d, n);
}

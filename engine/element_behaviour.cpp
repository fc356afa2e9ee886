// Hover, press and drag steps of single elements.
// [SECTION] helpers
// [SECTION] enter and leave
// [SECTION] press
// [SECTION] drag
#include "engine/element_behaviour.h"

#include <algorithm>
#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "engine/window_form.h"
#include "engine/window_shape.h"
#include "platform/window.h"

// [SECTION] helpers

namespace {
constexpr int kCaretFont = 2;           // edit fields measure in font 2
constexpr double kCaretUnitsPerChar = 12.0;  // pointer units per width unit of textWidth
constexpr double kCaretSlack = 1.01, kCaretLead = 0.8;

bool elementInDialog(int32_t d, int32_t n) {
  return vtl.diags.valid(d) && n >= 1 && n <= vtl.diags[d].count;
}

bool isWindowHandle(const TVTLElement& el) { return el.subKind == skMoveHandle || el.subKind == skResizeHandle; }

void call(const TVTLElementCallback& slot, int32_t d, int32_t n) {
  if (slot) slot(d, n);
}

void closeHelpLine() {
  if (vtl.helpLineDialog > 0) setDialogOpen(vtl.helpLineDialog, 0);
  vtl.helpLineShown = false;
}

// The help line's element is gone from sight: hidden, or its dialog closed.
bool helpLineOwnerVanished() {
  const int32_t d = vtl.helpLineOwnerDialog, n = vtl.helpLineOwnerElement;
  if (!elementInDialog(d, n)) return true;
  return !isElementVisible(d, n) || !vtl.diags[d].open;
}

// Filter 1 edit fields never keep an empty or all-zero number once they let go of the keys.
bool isEmptyNumber(const std::string& s) { return s.empty() || s == "0" || s == "00" || s == "000"; }
}  // namespace

void showSelectorEntry(int32_t d, int32_t selector, int32_t captionElement, int32_t index) {
  setElementText(d, captionElement, getItem(d, selector, index).substr(0, size_t(kRecordTextMax)), 0);
}

int32_t selectorOfText(int32_t d, const TVTLElement& el) {
  if (el.kind != ekPicture || !elementInDialog(d, el.controller)) return 0;
  return elementOf(d, el.controller).kind == ekSelector ? el.controller : 0;
}

// [SECTION] enter and leave

void enterElement(int32_t d, int32_t n) {
  sendEngineEvent(evHoverStart, d * 100 + n);
  TVTLElement& el = elementOf(d, n);
  if (vtl.keyboardNavigation && isFocusableKind(el.kind) && el.subKind != skFreePicture &&
      dialogOf(d).captureElement == 0) {
    vtl.focusElement = n;
    vtl.focusDialog = d;
  }
  if (el.kind == ekTextBox) el.focused = 1;
  if (vtl.helpLineOption) {
    const std::string help = getElementHelpTextOrZero(d, n, false);
    if (!help.empty() && help != "0" && vtl.helpLineDialog > 0) {
      setElementText(vtl.helpLineDialog, vtl.helpLineLabel, help, 0);
      setDialogOpen(vtl.helpLineDialog, 1);
      vtl.helpLineOwnerDialog = d;
      vtl.helpLineOwnerElement = n;
      vtl.helpLineShown = true;
    }
  }
  call(vtl.onHoverEnter, d, n);
}

void leaveElement(int32_t d, int32_t n) {
  sendEngineEvent(evHoverEnd, evHoverEnd);
  if (elementInDialog(d, n)) {
    TVTLElement& el = elementOf(d, n);
    if (el.kind == ekTextBox) el.focused = 0;
  }
  if (vtl.helpLineShown) {
    if (d == vtl.helpLineOwnerDialog && n == vtl.helpLineOwnerElement) closeHelpLine();
    if (helpLineOwnerVanished()) closeHelpLine();
  }
  call(vtl.onHoverLeave, d, n);
}

// [SECTION] press

namespace {
// Step 3 of the press: the caret goes where the edit field was pressed, measured from the
// first character the field shows (the view is first kept inside the text).
void placeCaret(TVTLElement& el, const std::string& text) {
  currentFont = kCaretFont;
  const int32_t length = int32_t(text.size());
  el.TopIndex = int16_t(std::clamp<int32_t>(el.TopIndex, 0, length));
  const double limit =
      el.hoverOffset / kCaretUnitsPerChar * screenAspect / 4.0 * 3.0 / kCaretSlack - kCaretLead;
  const std::string_view shown = std::string_view(text).substr(size_t(std::max<int32_t>(el.TopIndex, 1) - 1));
  int32_t i = 0;
  while (i <= length && textWidth(shown.substr(0, size_t(i)), false) < limit) ++i;
  el.SelIndex = int16_t(std::clamp<int32_t>(el.TopIndex + i, 0, length));
}

// Step 4: the element that held the keys so far lets go of them.
void releaseTypingElement(int32_t d) {
  const int32_t k = vtl.keyDialog;
  if (!vtl.diags.valid(k)) return;
  TVTLDialog& keyDlg = vtl.diags[k];
  const int32_t t = keyDlg.typingElement;
  if (t < 1 || t > keyDlg.count) return;
  dialogOf(d).captureElement = 0;
  keyDlg.captureElement = 0;  // the holder's own dialog no longer keeps it either
  TVTLElement& held = elementOf(k, t);
  held.focused = 0;
  if (held.kind == ekEdit && held.picture == ifDigitsDefaultOne && isEmptyNumber(getElementText(k, t)))
    setElementText(k, t, "1", 0);
}
}  // namespace

void pressElement(int32_t d, int32_t n) {
  TVTLElement& el = elementOf(d, n);
  switch (el.kind) {
    case ekButton: case ekCheckBox: case ekArrow: case ekScrollBar: case ekSlider: case ekPicture: case ekEdit:
      sendEngineEvent(evElementPress, n);
      break;
    default:
      break;
  }
  if (isWindowHandle(el)) {
    vtl.dragOriginX = vtl.lastPointerX;
    vtl.dragOriginY = vtl.lastPointerY;
  } else if ((el.kind == ekScrollBar || el.kind == ekSlider) && el.TopIndex < el.hoverOffset &&
             el.hoverOffset < el.TopIndex + el.extent) {
    el.dragMark = el.hoverOffset;
  } else if (el.kind == ekTextBox) {
    el.dragMark = el.hoverOffset;
  }
  if (el.kind == ekEdit) placeCaret(el, getElementText(d, n));
  releaseTypingElement(d);
  const bool buttonLike = el.kind == ekButton || el.kind == ekPicture;
  if (vtl.focusShown && buttonLike) call(vtl.onElementPress, d, n);
  if (vtl.focusShown && !vtl.keyboardNavigation && el.kind != ekEdit) return;
  vtl.keyDialog = d;
  TVTLDialog& dlg = dialogOf(d);
  dlg.typingElement = int16_t(n);
  if (el.kind == ekEdit) {
    el.focused = 1;
    dlg.captureElement = int16_t(n);
    vtl.focusElement = n;
  }
  call(vtl.onElementPress, d, n);
}

// [SECTION] drag

namespace {
void moveWindow() {
  const WindowRect r = winRect();
  winSetPosition(r.left + vtl.lastPointerX - vtl.dragOriginX, r.top + vtl.lastPointerY - vtl.dragOriginY);
}

void resizeWindow() {
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  winSetSize(width + vtl.lastPointerX - vtl.dragOriginX, height + vtl.lastPointerY - vtl.dragOriginY);
  vtl.dragOriginX = vtl.lastPointerX;
  vtl.dragOriginY = vtl.lastPointerY;
  limitWindowSize();
}

// The knob follows the pointer and the selector shows the entry under the knob. A selector with
// fewer than two entries, or a knob as wide as the slider, has no track to divide: the knob
// stays at 0 and the entry at 1.
void dragSlider(int32_t d, int32_t n) {
  TVTLElement& slider = elementOf(d, n);
  const int32_t track = slider.width - slider.extent;
  const bool hasController = slider.controller >= 1 && slider.controller <= dialogOf(d).count;
  TVTLElement* c = hasController ? &elementOf(d, slider.controller) : nullptr;
  if (track <= 0 || (c && c->Stringscount < 2)) {
    slider.TopIndex = 0;
    if (c) c->TopIndex = 1;
  } else {
    slider.TopIndex = int16_t(std::clamp<int32_t>(slider.hoverOffset - slider.extent, 0, track));
    if (c)
      c->TopIndex = int16_t(std::clamp<int32_t>(roundEven(double(slider.TopIndex) / track * c->Stringscount + 0.5), 1,
                                                c->Stringscount));
  }
  if (c) showSelectorEntry(d, slider.controller, n, c->TopIndex);
}

void dragScrollBar(int32_t d, TVTLElement& bar) {
  if (bar.dragMark == bar.hoverOffset) return;
  bar.TopIndex = toInt16(bar.TopIndex + bar.hoverOffset - bar.dragMark, "scroll bar thumb");
  bar.dragMark = bar.hoverOffset;
  const int32_t track = bar.height - bar.extent;
  bar.TopIndex = int16_t(std::max<int32_t>(std::min<int32_t>(bar.TopIndex, track), 0));
  bar.rows = toInt16(track, "scroll bar track");
  if (bar.controller < 1 || bar.controller > dialogOf(d).count) return;
  TVTLElement& list = elementOf(d, bar.controller);
  const int32_t hidden = list.itemCount - list.rows;
  if (hidden <= 0) return;
  // A thumb that fills its track leaves the list at its top.
  list.TopIndex = track <= 0 ? 0 : toInt16(roundEven(double(bar.TopIndex) / track * hidden), "list top");
}
}  // namespace

void dragElement(int32_t d, int32_t n) {
  const int32_t e = n < 0 ? -n : n;
  TVTLElement& el = elementOf(d, e);
  if (el.subKind == skMoveHandle) {
    moveWindow();
  } else if (el.subKind == skResizeHandle) {
    resizeWindow();
  } else if (el.kind == ekSlider) {
    dragSlider(d, e);
  } else if (el.kind == ekTextBox) {
    if (el.dragMark != el.hoverOffset) {
      el.scrollOffset -= float(el.hoverOffset - el.dragMark);
      el.dragMark = el.hoverOffset;
    }
  } else if (el.kind == ekScrollBar) {
    dragScrollBar(d, el);
  }
  call(vtl.onListChange, d, n);
}

// Keyboard focus: reading order, focus targets and the search across dialogs.
#include "engine/focus.h"

#include "engine/dialogs.h"
#include "engine/element_behaviour.h"
#include "engine/engine_form.h"

namespace {
// Kinds that Tab and the arrows stop at.
bool isFocusKind(uint8_t kind) {
  switch (kind) {
    case ekButton: case ekCheckBox: case ekPicture: case ekEdit: case ekListBox: case ekTextBox: case ekPageGroup:
      return true;
    default:
      return false;
  }
}

int32_t elementCount(int32_t d) { return vtl.diags.valid(d) ? vtl.diags[d].count : 0; }

bool inFocusDialog(int32_t e) { return e >= 1 && e <= elementCount(vtl.focusDialog); }

// Strict reading order of two elements of the focus dialog (both in range).
bool readsBefore(int32_t a, int32_t b) {
  const TVTLElement& ea = elementOf(vtl.focusDialog, a);
  const TVTLElement& eb = elementOf(vtl.focusDialog, b);
  if (ea.y != eb.y) return ea.y < eb.y;
  if (ea.x != eb.x) return ea.x < eb.x;
  return a < b;
}

// The edit field of the top dialog lets go of the keyboard.
void releaseTopCapture() {
  if (!vtl.diags.valid(vtl.topDialog)) return;
  TVTLDialog& top = vtl.diags[vtl.topDialog];
  if (top.captureElement == 0) return;
  if (top.captureElement >= 1 && top.captureElement <= top.count) elementOf(vtl.topDialog, top.captureElement).focused = 0;
  top.captureElement = 0;
}

// The next dialog of the search, wrapping over 1..count (a number outside comes in at the end).
int32_t stepDialog(int32_t d, bool forward, int32_t count) {
  if (forward) return d + 1 > count || d < 1 ? 1 : d + 1;
  return d - 1 < 1 || d > count ? count : d - 1;
}

// From the current focus to the next focus target in the direction, over every dialog once
// and back into the starting dialog from its far end (so a single valid dialog wraps onto
// itself). False when there is none; the focus fields are then left at the search's end.
bool searchFocusTarget(bool forward) {
  const int32_t count = vtl.diags.count();
  int32_t steps = 0;
  for (;;) {
    vtl.focusElement = nextFocusElement(forward, false);
    if (vtl.focusElement == 0) {
      do {
        if (++steps > count) return false;
        vtl.focusDialog = stepDialog(vtl.focusDialog, forward, count);
      } while (!isFocusDialogValid());
      vtl.focusElement = nextFocusElement(!forward, true);
    }
    if (isFocusDialogValid() && isFocusElementValid()) return true;
  }
}

// The search of moveFocus and setFocus; with no target the focus goes back to where it was
// and is hidden.
bool findFocusTarget(bool forward, int32_t fromDialog, int32_t fromElement) {
  if (searchFocusTarget(forward)) return true;
  vtl.focusDialog = fromDialog;
  vtl.focusElement = fromElement;
  vtl.focusShown = false;
  return false;
}
}  // namespace

bool focusCandidateBefore(int32_t a, int32_t b) { return inFocusDialog(a) && inFocusDialog(b) && readsBefore(a, b); }

bool focusCandidateAfter(int32_t a, int32_t b) { return inFocusDialog(a) && inFocusDialog(b) && readsBefore(b, a); }

bool isFocusElementValid() {
  if (!inFocusDialog(vtl.focusElement)) return false;
  const TVTLElement& el = elementOf(vtl.focusDialog, vtl.focusElement);
  if (!el.visible || !el.enabled || !isFocusKind(el.kind)) return false;
  if ((el.kind == ekButton || el.kind == ekPicture) && el.subKind == skFreePicture) return false;
  return el.subKind != skMoveHandle && el.subKind != skResizeHandle;
}

bool isFocusDialogValid() {
  if (!vtl.diags.valid(vtl.focusDialog)) return false;
  const TVTLDialog& dlg = vtl.diags[vtl.focusDialog];
  return dlg.open && (vtl.focusDialog == vtl.topDialog || !dlg.popup);
}

int32_t nextFocusElement(bool forward, bool extreme) {
  const int32_t count = elementCount(vtl.focusDialog);
  if (count < 1) return 0;
  int32_t first = 1, last = 1;
  for (int32_t i = 2; i <= count; ++i) {
    if (readsBefore(i, first)) first = i;
    if (readsBefore(last, i)) last = i;
  }
  const int32_t start = forward ? last : first;
  if (extreme) return start;
  int32_t taken = 0;
  for (int32_t i = 1; i <= count; ++i) {
    if (forward) {
      if (focusCandidateAfter(i, vtl.focusElement) && (taken == 0 || readsBefore(i, taken))) taken = i;
    } else if (focusCandidateBefore(i, vtl.focusElement) && (taken == 0 || readsBefore(taken, i))) {
      taken = i;
    }
  }
  if (taken != 0) return taken;
  return start == vtl.focusElement ? 0 : start;
}

void moveFocus(int32_t direction) {
  releaseTopCapture();
  if (!findFocusTarget(direction != kFocusBackward, vtl.focusDialog, vtl.focusElement)) return;
  enterElement(vtl.focusDialog, vtl.focusElement);
}

void setFocus(int32_t d, int32_t e) {
  releaseTopCapture();
  const int32_t fromDialog = vtl.focusDialog, fromElement = vtl.focusElement;
  vtl.focusElement = e;
  vtl.focusDialog = d;
  if (isFocusDialogValid() && isFocusElementValid()) return;
  findFocusTarget(false, fromDialog, fromElement);
}

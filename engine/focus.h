// The keyboard focus: the element that Tab and the arrow keys stop at and Enter presses,
// moved in reading order (top to bottom, left to right) over the open dialogs. The focus
// itself is vtl.focusDialog / vtl.focusElement, drawn while vtl.focusShown is set.
#pragma once

#include <cstdint>

// Directions of moveFocus.
constexpr int32_t kFocusBackward = 2;
constexpr int32_t kFocusForward = 4;

// a comes before / after b in reading order in vtl.focusDialog (y, then x, then number);
// false when either number lies outside 1..the dialog's count.
bool focusCandidateBefore(int32_t a, int32_t b);
bool focusCandidateAfter(int32_t a, int32_t b);

// vtl.focusElement is a focus target of vtl.focusDialog: visible, enabled, of a kind that
// takes the focus (button, check box, picture button, edit field, list, text box, page
// group), not a free picture and not a window handle.
bool isFocusElementValid();
// vtl.focusDialog is in the table, open, and the top dialog or not a popup.
bool isFocusDialogValid();

// The neighbour of vtl.focusElement in vtl.focusDialog in reading order (any kind or state):
// with `extreme` the first (backward) or last (forward) element; otherwise the nearest
// predecessor or successor, 0 when there is none. A focusElement outside the dialog gets the
// first (backward) or last (forward) element.
int32_t nextFocusElement(bool forward, bool extreme);

// Moves the focus to the previous (kFocusBackward) or next (kFocusForward) focus target,
// across the dialogs with wrapping, and hovers it (enterElement). Releases the top dialog's
// edit field first. Each dialog is looked at once: when no open dialog holds a focus target
// the focus stays where it was and is hidden.
void moveFocus(int32_t direction);

// Puts the focus on (dialog, element), or on the nearest focus target before it as moveFocus
// backward finds it; no hover. With no focus target anywhere the focus is hidden.
void setFocus(int32_t dialog, int32_t element);

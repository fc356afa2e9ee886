// What the pointer does to one element: entering and leaving it (hover event, keyboard focus,
// help line), pressing it (press event, window handles, thumbs, caret placement, the typing
// element) and dragging it (window move and resize, slider, text box, scroll bar).
// Element numbers are those of the dialog's records; processPointer and the keyboard call these.
#pragma once

#include <cstdint>

#include "engine/dialog_records.h"

// TVTLApplication.enterElement: -13 with d * 100 + n, the focus follows the pointer (unless an
// edit field holds the keyboard), a text box holds the keys, the help line, onHoverEnter.
void enterElement(int32_t d, int32_t n);
// TVTLApplication.leaveElement: -14, a text box lets go of the keys, the help line closes when
// its element was left or vanished, onHoverLeave.
void leaveElement(int32_t d, int32_t n);
// TVTLApplication.pressElement: the button went down on the element (the keyboard's Enter too).
void pressElement(int32_t d, int32_t n);
// TVTLApplication.dragElement: the pointer moved while the element is pressed; a negative
// element number stands for its absolute value (onListChange gets it as given).
void dragElement(int32_t d, int32_t n);

// The selector whose text element el is (a picture button the selector controls), 0 when it is
// none.
int32_t selectorOfText(int32_t d, const TVTLElement& el);
// The selector's entry `index` as its caption shows it: the first table, at most 26 characters.
void showSelectorEntry(int32_t d, int32_t selector, int32_t captionElement, int32_t index);

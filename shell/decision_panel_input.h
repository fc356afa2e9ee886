// The decision panel "#ingamedialog" under the user's hand: a click on an option submits the
// answer to the core (kind 2); hovering an option previews its trump or sort order.
#pragma once

#include <cstdint>

// The option number of an element of the panel: the continue button 1, the k-th button of
// any row k, the option-8 button 8; 0 for the stake buttons, the text and unknown elements.
int32_t decisionOptionOf(int32_t element);
// A click on element `element` of the decision panel: a button or picture button submits
// its option's value (action kind 2) after hiding the panel; an option outside 1..8 shows
// the platform's message box and submits nothing; the text label does nothing.
void decisionPanelClick(int32_t element);

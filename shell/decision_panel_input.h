// The decision panel "#ingamedialog" under the user's hand: a click on an option submits the
// answer to the core (kind 2); hovering an option previews its trump or sort order.
#pragma once

#include <cstdint>

// A click on element `element` of the decision panel.
void decisionPanelClick(int32_t element);

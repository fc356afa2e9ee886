// The activation of an element (TVTLApplication.activateElement): a release on a pressed
// element, Enter on the focused one, or a click the program simulates. The element's own
// behaviour runs first (check box, arrow, list, selector text, edit field), then the engine's
// built-in actions, then the program hears of it through onElementClick and the event channel.
#pragma once

#include <cstdint>

// Labels do nothing at all. The pointer and the keyboard tell themselves apart by focusShown:
// a list box activated while the focus is shown steps its selection instead of picking the
// row under the pointer.
void activateElement(int32_t d, int32_t n);

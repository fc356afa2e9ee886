// Horizontal relayout of the dialogs for the window's aspect class: builders give 4:3
// positions, which are kept as the originals; wide classes move dialogs at the right edge
// with it, keep those at the left and centre all others.
#pragma once

#include <cstdint>

// save: take the current x and width of the matching dialogs and their elements as the 4:3
// originals (and note that originals exist). Then, once originals exist, lay the matching
// dialogs out for the aspect class. dialog -1 matches all; centred treats every dialog as a
// centred one. Without saved originals nothing changes.
void relayoutDialogs(bool save, int32_t dialog, bool centred);

// relayoutDialogs(false, -1, false).
void relayoutAllDialogs();

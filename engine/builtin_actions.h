// What the engine does itself when some elements are activated, before the program hears of
// it: the window buttons of the overlay (move handle, minimise, close), the help-line switch,
// the notice and message boxes, and the buttons of the engine options and graphics dialogs.
#pragma once

#include <cstdint>

// Activation step 2, by subKind whatever the kind: the move handle's release snaps the window
// to the screen edges, the minimise button pauses the engine and minimises, the close button
// asks for the close, the help-line switch toggles helpLineOption.
void windowButtonAction(int32_t d, int32_t n);

// Activation step 8: the engine's own dialogs (notice and box, options dialog, graphics
// dialog); nothing for any other dialog.
void engineDialogAction(int32_t d, int32_t n);

// The window snapped to the screen edges: a left or top edge within 12 pixels of 0 goes to 0,
// a right or bottom edge within 12 pixels of the screen's goes to it; the options dialog's
// "Infos" labels show the new left and top.
void snapWindowToScreen();

// Pixels within which a window edge snaps to the screen edge.
constexpr int32_t kSnapDistance = 12;

// Waiting in nested frame steps while a modal dialog is open. The frame step itself belongs to
// the frame loop; it is installed here as a callback (the window layer installs the real one,
// tests their own), and message boxes wait through the same callback.
#pragma once

#include <functional>

// One frame step run from inside a wait: input, the frame event with argument 0, drawing.
using TVTLFrameStep = std::function<void()>;

// Installs the nested frame step and returns the previous one; an empty step removes it.
TVTLFrameStep setNestedFrameStep(TVTLFrameStep step);

// True while a nested frame step is installed.
bool hasNestedFrameStep();

// Runs the installed step once; does nothing when none is installed.
void nestedFrameStep();

// Sets vtl.modalWait and runs nested frame steps while the dialog at the top of the open-dialog
// stack is open (read anew after every step); ends when modalWait was cleared, the top dialog
// is not open or the engine is terminating, and clears modalWait. Without an installed frame
// step nothing could end the wait, so it returns at once.
void runModal();

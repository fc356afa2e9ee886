// The engine's message box and notice dialog are drawn by the compositor as ordinary dialogs;
// only the box's skin background differs: under window style 4 it passes its number negated,
// so the background primitive gives it the box's own surface placement and no side-panel
// slide.
#include "engine/compositor.h"
#include "engine/engine_form.h"

int32_t backgroundDialogNumber(int32_t d, int32_t windowStyle) {
  return windowStyle == 4 && d == vtl.boxDialog && d > 0 ? -d : d;
}

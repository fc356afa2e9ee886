// The pointer dispatch: for now the last processed position only.
#include "engine/pointer_input.h"

#include "engine/engine_form.h"

bool processPointer(int32_t x, int32_t y, int32_t, bool, bool, bool) {
  vtl.lastPointerX = x;
  vtl.lastPointerY = y;
  return false;
}

// The modal wait and the nested frame step it runs.
#include "engine/modal_wait.h"

#include "engine/engine_form.h"

namespace {
TVTLFrameStep frameStepHook;

bool topDialogOpen() {
  int32_t t = vtl.topDialog;
  return vtl.diags.valid(t) && vtl.diags[t].open != 0;
}
}  // namespace

TVTLFrameStep setNestedFrameStep(TVTLFrameStep step) {
  TVTLFrameStep old = std::move(frameStepHook);
  frameStepHook = std::move(step);
  return old;
}

bool hasNestedFrameStep() { return static_cast<bool>(frameStepHook); }

void nestedFrameStep() {
  if (frameStepHook) frameStepHook();
}

void runModal() {
  vtl.modalWait = true;
  if (hasNestedFrameStep()) {
    while (topDialogOpen()) {
      nestedFrameStep();
      if (!vtl.modalWait || !topDialogOpen() || vtl.engineState == esTerminating) break;
    }
  }
  vtl.modalWait = false;
}

// The engine's developer switches as the core reads them.
#include "core/engine_switches.h"

#include "engine/engine_form.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"

bool engineFastMode() { return textTables.fastMode; }

bool engineAutoPlay() { return vtl.autoPlay; }

bool engineNoThrottle() { return vtl.dev.noThrottle; }

bool enginePaused() { return vtlInfo.enginePaused; }

void engineSkipPresentOnce() { vtl.skipPresentOnce = true; }

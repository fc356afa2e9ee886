// The engine's developer switches as the core reads them.
#include "core/engine_switches.h"

#include "engine/frame_rate.h"
#include "engine/texts.h"

bool engineFastMode() { return textTables.fastMode; }

bool engineAutoPlay() { return false; }

bool engineNoThrottle() { return false; }

bool enginePaused() { return vtlInfo.enginePaused; }

void engineSkipPresentOnce() {}

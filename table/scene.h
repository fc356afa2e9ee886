// The table scene: one frame of the card table drawn in layers over its backdrop.
#pragma once

#include <cstdint>

// drawTableScene: mode 0 plain, 2 with shadows, 4 with the mirror image, 5 with both, 1 the
// pick pass only; benchmark set for the first-start hardware test's scenes.
void drawTableScene(int32_t mode, bool benchmark);

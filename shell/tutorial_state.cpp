// Owner of the tutorial's values that other subsystems read.
#include "shell/tutorial_state.h"

int32_t tutClipStart = -1;
int32_t tutClipEnd = -1;

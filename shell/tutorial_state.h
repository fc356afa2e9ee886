// The tutorial's values that other subsystems read while it runs.
#pragma once

#include <cstdint>

// The audio range of the current chapter's narration, as the script gives it; -1 before the
// first range is set, an end of 0 or less means no range. The music follows it while the
// tutorial runs (main thread only).
extern int32_t tutClipStart;
extern int32_t tutClipEnd;

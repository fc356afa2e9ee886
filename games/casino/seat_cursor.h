// The seat whose name plate lies under the pointer, found on a coarse grid over the window.
#pragma once

#include <cstdint>

// The seat 1..playerCount under the pointer, 0 for none. With useCached the seat found
// last is returned without a new test.
int32_t seatAtCursor(bool useCached);

// The seat under a pointer at grid cell (gx, gy): the test behind seatAtCursor.
int32_t seatAtGrid(int32_t gx, int32_t gy);

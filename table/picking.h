// Picking: the card or pile under the pointer.
#pragma once

#include <cstdint>

// pickAt: x, y are window coordinates of the pointer (y from the top). Returns hoveredCard
// after the pick and leaves pickedPile and pickedPileIndex.
int32_t pickAt(int32_t x, int32_t y);

// Picking: the card or pile under the pointer.
#pragma once

#include <cstdint>
#include <vector>

// pickAt: x, y are window coordinates of the pointer (y from the top). Returns hoveredCard
// after the pick and leaves pickedPile and pickedPileIndex. Picks only while the user's seat
// is to act, inputState is 1 and the decision accepts a table click; otherwise every answer
// keeps its value.
int32_t pickAt(int32_t x, int32_t y);

// The bookkeeping of one pick from the names the pick pass hit (record order): the previous
// pile pick kept, the best name decoded into hoveredCard, pickedPile and pickedPileIndex,
// lastPickedCard, pendingHoverCard and the debug texts. Returns hoveredCard.
int32_t applyPickHits(const std::vector<int32_t>& names);

// Canasta: slot a of the meld table lies in a meld at least as near the viewer as slot b's.
// True outside Canasta, for a slot not in 1..count of pile 12, or when the meld table fails.
bool isMeldCardNearer(int32_t a, int32_t b);

// The invisible button of the in-game panel that stands for hand card n (1..48), the stock
// (49) or the centre pile's places (51..54); n above 54 takes 54's.
int32_t handCardElement(int32_t n);

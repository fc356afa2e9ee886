// Keeps a stack's card slots and its card-list copy in step. Every module calls one of
// these after changing one side and before reading the other.
#pragma once

#include <cstdint>

#include "table/stacks.h"

// hand := the cards of slots 1..count, each with its slot number; the hand's owner := the
// stack number. Slot count and hand count are kept within 0..166.
void syncHandFromSlots(TSpieler& stack);
// slots 1..hand count := the hand's cards (all 32 bits, slot numbers included); the rest of
// each slot (its display and animation state) stays. count := the hand count.
void syncSlotsFromHand(TSpieler& stack);

// The stack number kept beside the hand copy by syncHandFromSlots (the seat, for Skat's seats).
inline int32_t handOwner(const TSpieler& stack) { return stack.hand.extras.owner; }

// The moves the games build on movecard: dealing or drawing cards into a hand (gethand),
// playing a card onto a trick (playCardToTrick) and the pose of a card lying on a trick.
#pragma once

#include <cstdint>

#include "table/stack_ops.h"

// Moves `count` cards from srcStack into the seat's hand: the cards srcIndex-offset,
// srcIndex-offset-1 ... downwards (srcIndex 0: the source's top card), with start delay
// `delay`. Seat 1 takes every card, old and new, to its sorted place; other seats take the
// new cards, unsorted, into slots 1..count and move their earlier cards up.
void gethand(int32_t seat, int32_t count, int32_t offset, float delay, int32_t srcStack,
             int32_t srcIndex);
// Plays card `index` of the seat onto dstStack (-1: pile 12) at dstIndex (0: the next free
// slot); the seat's other cards close the gap. Returns the slot actually played: a hidden
// computer hand plays from a random slot. 0 when the move was refused.
int32_t playCardToTrick(int32_t seat, int32_t index, int32_t dstStack, int32_t dstIndex);
// The placement block of a card the seat lays onto the trick; turns > 1 subtracts whole
// turns from its angle.
TPlacementBlock scatterTrickCard(int32_t seat, int32_t turns);

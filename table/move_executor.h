// The move executor amove: the one call through which most games carry out a move of cards
// that their rules or a computer player decided, turned into the right movecard, gethand and
// playCardToTrick calls. Each queued move is noted for the core (pending move 3, stack and
// slot), so the game waits for it; a move type that queues nothing notes nothing.
#pragma once

#include <cstdint>

// Move types (moveType):
//  0 deal or draw `count` cards; the route follows source and target
//  1 play card srcIndex of seat srcStack onto pile 12
//  2 one card into pile 12 at its sorted place (count 1), or a block re-laid within a stack
//  3 lay the user's selected cards onto a stack (a meld, passed cards, discarded pairs)
//  4 lay the selected cards off onto the meld of pile 12's slot dstIndex
//  5 draw `count` cards from pile 13 into a seat
//  6 count cards one after the other onto a pile
//  7 draw `count` cards from pile 13 into stack dstStack
// Other types do nothing.
void amove(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex, int32_t count,
           uint8_t moveType);

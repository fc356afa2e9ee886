// Shared inside the card table's move code: the arguments of a queued move, the motion
// choice, the walked stack ranges, and the view and game tests the moves and the layout use.
#pragma once

#include <cstdint>

#include "core/cg.h"
#include "table/stacks.h"

struct TMoveArgs {
  int32_t srcStack, srcIndex, dstStack, dstIndex;
  uint8_t curved, animType, kind;
  float startDelay;
  int32_t option;
  float endHold;
};

// False, after the refusal's message, for a move that could never land.
bool moveCanLand(const TMoveArgs& a);

// Sets the slot's motion, variation and, for some kinds, option, moveMark and startDelay.
void chooseMotion(TCardSlot& slot, const TMoveArgs& a);

// A card re-laid within its seat lands in its layout copy's slot at once, as its queued move
// would land: slot srcIndex's card goes to the place laid out for it at dstIndex.
void landRelayoutAtOnce(int32_t seat, int32_t srcIndex, int32_t dstIndex);

// Highest seat stack and highest pile the animation walks (seats from 1, piles from 11).
int32_t animatedSeatTop();
int32_t animatedPileTop();

inline bool gameIs(TGameId id) { return cg.gameId == id; }
// The trick-taking games that lay a trick card by seat.
bool isTrickGame();
// The frame rate the motion runs at: the engine's, or 60 before the engine measured one.
float tableFrameRate();

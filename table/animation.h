// The per-frame animation of the card table: stack glides, card moves with their landing,
// the hover lift and the in-place shuffle. Motion is time-based: progress advances by
// frameStep x speed, frameStep being 1 / (10 x frames per second), so a card of speed v
// travels for 10 / v seconds at any frame rate.
#pragma once

#include <cstdint>

#include "table/stacks.h"

// Runs without a screen (the self-play bench, the headless tests) land every move on the
// frame it is first walked: no start delay, flight path or hold at the target.
extern bool tableLandsAtOnce;
// Set once a card was lifted: lifts are in no move queue, so the animation walks every slot.
extern bool tableCardLifted;

extern float frameStep;    // 1 / fps / 10, set by every animationStep
extern float wobblePhase;  // degrees, 30 per second, back to 0 past 360; rocks raised cards

// Once per frame, after the core's tick: glides, then every animating slot of the seats (and
// their layout copies) and of the piles.
void animationStep();
// Advances one card slot: a lift, a move (path, timing, landing) or the shuffle effect.
void animateCard(TCardSlot& slot);
// Advances the glide of one stack and copies its poses to its layout copy.
void updateStackGlide(int32_t stack);

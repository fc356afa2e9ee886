// Drawing every card of every stack for one pass of the table scene, under the face rules:
// which cards take part, in which order, with which selection name, which sides with which
// texture, and whether shaded. No pass shows a face, or lets a pick find one, that the rules
// keep hidden.
#pragma once

#include <cstdint>

// What is drawn of one card in the current pass (drawPass) and sweep.
struct TDrawRequest {
  bool front = false;         // the face side, with frontTexture
  bool back = false;          // the back side, with cardBackTexture
  int32_t frontTexture = 0;   // 0 draws depth (and names) only
  bool shade = false;         // Part of the shading: shown as unplayable or out of play
  int32_t pickName = 0;       // seats: stack * 100 + index; piles: stack * 200 + index
};

// The draw request of slot `index` of `stack`; sweep 1 is pass 4's first sweep, every other
// walk is sweep 2. A card that does not take part gets neither side.
TDrawRequest cardDrawRequest(int32_t stack, int32_t index, int32_t sweep);

// drawsStackReversed: the stack's cards are drawn last to first.
bool drawsStackReversed(int32_t stack, int32_t sweep = 2);
// A Hearts card passed between other hands and piles: drawn with the plain card picture.
bool hidesPassedCardFace(int32_t stack, int32_t index);

// Draws every stack for drawPass (pass 4 in two sweeps).
void drawAllStacks();

// Drawing one side of one card: its transform from the table camera through the stack's and
// the card's pose, and the rounded, bowed sheet with its texture, names and colour.
#pragma once

#include <cstdint>

// Set per pass by the scene's layer call: fewer segments for corners and bows (the pick pass,
// and the mirror and shadow passes on low effects).
extern uint8_t reducedCardDetail;
// The selection name drawCard loads before every part of the card mesh (set per card by the
// stack drawing).
extern int32_t currentPickName;

// drawCard: texture 0 draws depth (and names) only; backSide 1 draws the back side; x..rotZ
// the card's resting pose in its stack; W, H the card model's size, d its corner size, b the
// bend and g its taper; stack and index the slot (both negative: a free card, drawn at its own
// pose without a stack pose, in pass 0). `ignored` is not read.
void drawCard(int32_t texture, uint8_t poseFlag, uint8_t backSide, float x, float y, float z, float w, float h,
              float d, float b, float g, float rotX, float rotY, float rotZ, int32_t ignored, int32_t stack,
              int32_t index, bool shadeRequest);

// [SECTION] segment counts of the mesh (exposed for tests)
struct TCardSegments {
  int32_t corner;  // a corner fan has corner + 1 points
  int32_t strip;   // the middle strip has strip + 1 rows
};
// stack, index: the slot; resting: not moving (a lift counts as resting for the strip);
// stockBelowTop: a resting stock card that is not the stock's top card.
TCardSegments cardSegments(int32_t stack, bool resting, bool liftedOrResting, bool stockBelowTop);

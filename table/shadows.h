// The stencil shadow of a card: its outline collected while the mesh is walked in the shadow
// pass, and the volume swept from it away from the light.
#pragma once

#include <cstdint>

struct TShadowPoint {
  float x, y, z;  // in the card's mesh frame
};

// Up to 40 points; more are dropped (one card's outline needs at most 38).
struct TShadowOutline {
  int32_t count = 0;
  TShadowPoint points[40];
};

extern TShadowOutline shadowOutlineA;     // the corner fans and the second point of each strip row
extern TShadowOutline shadowOutlineB;     // the first point of each strip row
extern TShadowOutline shadowOutlinePile;  // a closed pile's side walls; emptied per stack
// 1 while the first of the two volume draws counts front faces, 0 during the second.
extern uint8_t stencilActive;

void clearShadowOutline(TShadowOutline& o);
void addShadowPoint(TShadowOutline& o, float x, float y, float z);

// The far end of an outline point: 11 P + dir, dir the light direction in the card's frame.
TShadowPoint shadowFarPoint(const TShadowPoint& p, const double* dir);
// The light direction in the frame of the model-view matrix mv: false when mv's 3 x 3 part
// cannot be inverted (such a card casts no shadow).
bool shadowLightDirection(const double* mv, double* dir);

// Draws the volume of the outline just collected for the current model-view matrix; a card
// whose matrix cannot be inverted casts none.
void drawShadowVolume(int32_t stack, int32_t index, bool resting);

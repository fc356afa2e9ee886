// The stencil shadow of a card: its outline collected while the mesh is walked in the shadow
// pass, and the volume swept from it away from the light.
#pragma once

#include <cstdint>
#include <vector>

struct TShadowPoint {
  float x, y, z;  // in the card's mesh frame
};

constexpr int32_t shadowOutlineCapacity = 40;
// One card's outline needs at most 38 points; more are dropped.
struct TShadowOutline {
  int32_t count = 0;
  TShadowPoint points[shadowOutlineCapacity];
};

extern TShadowOutline shadowOutlineA;     // the corner fans and the second point of each strip row
extern TShadowOutline shadowOutlineB;     // the first point of each strip row
extern TShadowOutline shadowOutlinePile;  // a closed pile's side walls; emptied per stack
// 1 while the first of the two volume draws counts front faces, 0 during the second.
extern uint8_t stencilActive;

void clearShadowOutline(TShadowOutline& o);
void addShadowPoint(TShadowOutline& o, float x, float y, float z);

// Low effects detail: a resting stock card's rectangle (width w, height h in 1/497 units,
// first: the strip's first row) joins the pile outline while that holds at most 4 points.
void addPileOutline(TShadowOutline& pile, float w, float h, float first);
// The pile's side walls from its 8 outline points: x and y by 1, 2, 2, 1, 1, 3, 4, 4, 3, 3;
// the 3rd, 4th, 8th and 9th at the card's resting z / 502, the others at 0. Empty unless the
// pile outline holds two cards' rectangles.
std::vector<TShadowPoint> pileWallPoints(const TShadowOutline& pile, float restingZ);
// The ring of the volume: A forward, B backwards, A's first again; empty without A.
std::vector<TShadowPoint> shadowVolumeRing(const TShadowOutline& a, const TShadowOutline& b);

// Squared distance of a model-view's translation (m[12], m[13], m[14]) from the light.
double lightDistanceSq(const double* m);
// Face culling of the volume: true culls front faces.
bool shadowCullsFrontFaces(bool facesLight, uint8_t stencilActive);
// The far end of an outline point: 11 P + dir, dir the light direction in the card's frame.
TShadowPoint shadowFarPoint(const TShadowPoint& p, const double* dir);
// The light direction in the frame of the model-view matrix mv: false when mv's 3 x 3 part
// cannot be inverted (such a card casts no shadow).
bool shadowLightDirection(const double* mv, double* dir);

// Draws the volume of the outline just collected for the current model-view matrix; a card
// whose matrix cannot be inverted casts none. restingZ: the card's resting z, for the walls.
void drawShadowVolume(int32_t stack, int32_t index, bool resting, float restingZ);

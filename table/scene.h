// The table scene: one frame of the card table drawn in layers over its backdrop, and the GL
// switch helper of the table drawing.
#pragma once

#include <cstdint>

// drawTableScene: mode 0 plain, 2 with shadows, 4 with the mirror image, 5 with both, 1 the
// pick pass only; benchmark set for the first-start hardware test's scenes.
void drawTableScene(int32_t mode, bool benchmark);
// One layer (1 table, 2 cards, 3 chips, 4 shadow casters, 5 shadow darkening, 7 seat
// decorations) in one pass; the engine's shine passes call it with pass 8.
void drawSceneLayer(int32_t layer, int32_t pass, bool markTable, bool benchmark);
// Enables a GL capability unless a developer switch keeps it off (lighting with noLighting).
void enableGlCap(uint32_t cap);

// The scene's mirror and shadow choice for a mode (exposed for tests).
struct TSceneEffects {
  bool mirror;   // the cards' mirror image in the table top
  bool shadows;  // stencil shadow volumes
};
TSceneEffects sceneEffects(int32_t mode);

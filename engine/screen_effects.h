// Screen-space effects of the 3D table: the shine the frame step lays over the table inside
// the stencil mark of its reflection passes, the soft blur of the table's shadows from the
// auxiliary buffer, and the two window-sized textures that hold copies of the frame for the
// blur and for the glass panels (skins.h owns the glass texture's number).
//
// [SECTION] effect textures
// [SECTION] shine
// [SECTION] soft-shadow blur
// [SECTION] geometry, exposed for tests
#pragma once

#include <cstdint>

// [SECTION] effect textures

// Window-sized RGB texture that receives the copy of the read buffer for the blur; 0 none.
extern uint32_t blurTexture;

// The size the effect textures were made for: the window's pixels, and the texture's own size
// (the same, or the next powers of two where the GL cannot hold other sizes).
struct TVTLEffectTextureSize {
  int32_t width = 0, height = 0;              // the window's client size, pixels
  int32_t textureWidth = 0, textureHeight = 0;  // the allocated texture, pixels
};
extern TVTLEffectTextureSize effectTextureSize;

// TVTLApplication.createEffectTextures: (re)creates the blur and glass textures for the
// current window size; setViewport calls it whenever the viewport is set, never per frame.
// Without a GL context nothing is made. Always true.
bool createEffectTextures();

// [SECTION] shine

// drawStencilOverlay (kind, always 2; texture; alpha): the shine over the table plane, added
// to the frame where the stencil test lets it through. A texture of 0 (no shine picture)
// draws nothing. Always true.
bool drawStencilOverlay(int32_t kind, int32_t texture, float alpha);

// The alphas of the four shine passes, strongest first.
inline constexpr float kShineAlphas[4] = {0.18f, 0.14f, 0.14f, 0.032f};
// The card table's layer each shine pass marks (pass code 8).
inline constexpr int32_t kShineLayers[4] = {2, 3, 3, 1};
inline constexpr int32_t kShinePassCode = 8;

// The shine passes run with the reflection option on, a game on the table (screenMode 1 or
// 2) and a 3D detail of 3 or more.
bool shinePassesWanted();
// The frame step's four shine passes: each marks one layer of the table in the stencil buffer
// and draws the shine through that mark.
void drawShinePasses();

// The card table's drawing of one scene layer into the stencil mark (drawSceneLayer of the
// table, pass code 8). Set by the table's drawing; while it is empty the passes mark nothing,
// so no shine shows, and one trace line says so.
using TVTLSceneLayerFn = void (*)(int32_t layer, int32_t passCode);
extern TVTLSceneLayerFn drawSceneLayerHook;

// [SECTION] soft-shadow blur

// TVTLApplication.blurScreen (multiply, always true): copies the auxiliary buffer into the
// blur texture and multiplies 18 offset copies of it onto the table. False, and nothing
// drawn, without a context, an auxiliary buffer or the blur texture.
bool blurScreen(bool multiply);

// [SECTION] geometry, exposed for tests

// The table-plane quad of the shine (before its turn) or of the blur: base corner, extent.
struct TVTLEffectQuad {
  double x0, y0;          // base corner, GL units
  double width, height;   // extent (height negative: downwards)
};
// The shine's quad for the current aspect class (wider in 16:9 and 16:10, moved left by half
// the growth).
TVTLEffectQuad shineQuad();
// The blur's quad for pass i (3..20) for the current aspect class, offset on the spiral.
TVTLEffectQuad blurQuad(int32_t pass);

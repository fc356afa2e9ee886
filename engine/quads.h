// Textured quads in the compositor's screen units (positions / 497, sizes / 639, y down) and
// the binding of the font texture before text is drawn.
#pragma once

#include <cstdint>

// TVTLApplication.drawQuad: the texture on a quad of width x height at (x, y).
void drawQuad(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha);
// The same with the texture's region s 0.84..0.98, t 0.03..0.21, mirrored in s.
void drawQuadInset(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha);
// TVTLApplication.drawQuadColourBlend: at the current origin, blend (SRC_COLOR, ONE_MINUS_SRC_COLOR).
void drawQuadColourBlend(int32_t texture, int32_t width, int32_t height, float alpha);
// TVTLApplication.bindFontTexture: binds the engine's font picture, blend (SRC_ALPHA, ONE_MINUS_SRC_ALPHA).
void bindFontTexture();

// The skin pictures, drawn by code: the element atlas "elem.bmp", the surfaces
// "surface0.bmp" .. "surface11.bmp", the level strip "detail.bmp" and the shine "cm1.bmp".
// The build's picture tool writes them; the tests sample them where the engine reads them.
// Each picture's layout follows from where the drawing code samples it:
// - the picture quad reads an icon one cell row below its own (v shifted by -0.195 and
//   wrapped), so an icon of row r is drawn in the band of row r - 1 (row 0 in the top band);
// - the plain button is read from the left of the top band at a constant texel density, as far
//   as its width asks (to u 0.683 for a button 236 units wide): the band is button body to
//   u 0.75, icons 0 and 5 share it;
// - the turning marker (icon 5 in frame mode 4) reads the two halves of its own cell, the
//   band icon 13 is read from: one picture serves both;
// - the bar column u 0.625..0.75, v 0.4..0.8 (ends 0.4..0.48 and 0.72..0.8);
// - the glow strips read u 0.75..1, v 0.2 (outer edge) .. 0.4 (inner edge).
// Texture coordinates here run as GL reads the pictures: u to the right, v from the bottom.
//
// [SECTION] pictures
// [SECTION] the skin
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// [SECTION] pictures

struct TSkinRgba {
  uint8_t r, g, b, a;
};

// An RGBA picture, rows from the top.
struct TSkinPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<TSkinRgba> pixels;  // width * height

  TSkinPicture() = default;
  TSkinPicture(int32_t w, int32_t h, TSkinRgba fill = {0, 0, 0, 0})
      : width(w), height(h), pixels(std::size_t(w) * std::size_t(h), fill) {}
  TSkinRgba& at(int32_t x, int32_t y) { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  const TSkinRgba& at(int32_t x, int32_t y) const { return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
  // The texel GL reads at (u, v), wrapped into 0..1 as GL_REPEAT does.
  const TSkinRgba& texel(float u, float v) const;
};

// [SECTION] the skin

constexpr int kSkinSurfaceCount = 12;

TSkinPicture drawElementAtlas();   // "elem.bmp" with its alpha
TSkinPicture drawSurface(int32_t n);  // "surface<n>.bmp" with its alpha, n = 0..11
TSkinPicture drawDetailStrip();    // "detail.bmp": levels 1..3 in the upper half, 4..6 in the lower
TSkinPicture drawShine();          // "cm1.bmp": tiles without seams

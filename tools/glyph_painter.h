// FreeType glyphs laid into a picture drawn by the build-time picture generators.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <string>

#include "tools/picture_writer.h"

// Colour where the glyph covers, its coverage in the alpha plane (the larger of what is there
// and the glyph).
class GlyphPainter {
 public:
  explicit GlyphPainter(FT_Library lib) : lib_(lib) {}
  ~GlyphPainter();
  GlyphPainter(const GlyphPainter&) = delete;
  GlyphPainter& operator=(const GlyphPainter&) = delete;

  bool open(const std::string& file, int32_t pixels);
  // The advance of a text in pixels.
  int32_t width(const std::u32string& text);
  // Draws the text with its baseline at y; spread widens each glyph's coverage into a halo.
  void draw(TPicImage& img, const std::u32string& text, int32_t x, int32_t baseline, TPicRgb top, TPicRgb bottom,
            int32_t spread = 0, float haloAlpha = 1.0f);

 private:
  FT_Library lib_;
  FT_Face face_ = nullptr;
};

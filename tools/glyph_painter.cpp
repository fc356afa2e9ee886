// FreeType glyphs laid into a picture.
#include "tools/glyph_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

GlyphPainter::~GlyphPainter() {
  if (face_) FT_Done_Face(face_);
}

bool GlyphPainter::open(const std::string& file, int32_t pixels) {
  if (face_) FT_Done_Face(face_);
  face_ = nullptr;
  if (FT_New_Face(lib_, file.c_str(), 0, &face_) != 0) return false;
  return FT_Set_Pixel_Sizes(face_, 0, FT_UInt(pixels)) == 0;
}

int32_t GlyphPainter::width(const std::u32string& text) {
  int32_t w = 0;
  for (char32_t c : text)
    if (FT_Load_Char(face_, c, FT_LOAD_DEFAULT) == 0) w += int32_t(face_->glyph->advance.x >> 6);
  return w;
}

void GlyphPainter::draw(TPicImage& img, const std::u32string& text, int32_t x, int32_t baseline, TPicRgb top,
                        TPicRgb bottom, int32_t spread, float haloAlpha) {
  for (char32_t c : text) {
    if (FT_Load_Char(face_, c, FT_LOAD_RENDER) != 0) continue;
    const FT_GlyphSlot g = face_->glyph;
    const FT_Bitmap& bm = g->bitmap;
    const int32_t left = x + g->bitmap_left, topRow = baseline - g->bitmap_top;
    for (uint32_t r = 0; r < bm.rows; ++r)
      for (uint32_t col = 0; col < bm.width; ++col) {
        const uint8_t cover = bm.buffer[r * uint32_t(bm.pitch) + col];
        if (cover == 0) continue;
        const float t = bm.rows > 1 ? float(r) / float(bm.rows - 1) : 0.0f;
        const TPicRgb colour = mixColour(top, bottom, t);
        for (int32_t oy = -spread; oy <= spread; ++oy)
          for (int32_t ox = -spread; ox <= spread; ++ox) {
            const int32_t px = left + int32_t(col) + ox, py = topRow + int32_t(r) + oy;
            if (!img.inside(px, py)) continue;
            const float k = spread == 0 ? 1.0f : haloAlpha * (1.0f - float(std::abs(ox) + std::abs(oy)) / float(2 * spread + 1));
            const float a = float(cover) / 255.0f * k;
            img.blend(px, py, colour, a);
            uint8_t& alpha = img.alpha[size_t(py) * size_t(img.width) + size_t(px)];
            alpha = std::max(alpha, uint8_t(std::lround(a * 255)));
          }
      }
    x += int32_t(g->advance.x >> 6);
  }
}

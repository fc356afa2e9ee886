// The skin pictures drawn by code: shapes are signed distances in a cell's own coordinates,
// covered with a one-pixel soft edge.
// [SECTION] painting
// [SECTION] element atlas
// [SECTION] surfaces
// [SECTION] level strip and shine
#include "engine/skin_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

const TSkinRgba& TSkinPicture::texel(float u, float v) const {
  u -= std::floor(u);
  v -= std::floor(v);
  const int32_t x = std::clamp(int32_t(u * float(width)), 0, width - 1);
  const int32_t y = std::clamp(int32_t((1.0f - v) * float(height)), 0, height - 1);
  return at(x, y);
}

// [SECTION] painting

namespace {

struct TColour {
  float r, g, b, a;  // 0..1
};

uint8_t byte(float f) { return uint8_t(std::lround(std::clamp(f, 0.0f, 1.0f) * 255.0f)); }

// Paints `c` with coverage `cover` over the pixel (source over).
void paint(TSkinPicture& p, int32_t x, int32_t y, TColour c, float cover) {
  const float a = std::clamp(c.a * cover, 0.0f, 1.0f);
  if (a <= 0) return;
  TSkinRgba& d = p.at(x, y);
  const float da = float(d.a) / 255.0f;
  const float oa = a + da * (1 - a);
  auto mix = [&](uint8_t dst, float src) { return (src * a + float(dst) / 255.0f * da * (1 - a)) / oa; };
  d = {byte(mix(d.r, c.r)), byte(mix(d.g, c.g)), byte(mix(d.b, c.b)), byte(oa)};
}

// A shape in a rectangle of the picture: for every pixel of the rectangle the shader gets the
// pixel centre in the rectangle's own coordinates (x to the right, y downwards, both 0..1) and
// the size of one pixel there, and returns the colour and coverage.
using TShader = std::function<void(float x, float y, float px, TColour& c, float& cover)>;

void shade(TSkinPicture& p, float u0, float v0, float u1, float v1, const TShader& s) {
  const int32_t x0 = int32_t(std::lround(u0 * float(p.width))), x1 = int32_t(std::lround(u1 * float(p.width)));
  const int32_t y0 = int32_t(std::lround((1 - v1) * float(p.height)));
  const int32_t y1 = int32_t(std::lround((1 - v0) * float(p.height)));
  const float w = float(std::max(x1 - x0, 1)), h = float(std::max(y1 - y0, 1));
  for (int32_t y = std::max(y0, 0); y < std::min(y1, p.height); ++y)
    for (int32_t x = std::max(x0, 0); x < std::min(x1, p.width); ++x) {
      TColour c{1, 1, 1, 1};
      float cover = 0;
      s((float(x - x0) + 0.5f) / w, (float(y - y0) + 0.5f) / h, 1.0f / std::min(w, h), c, cover);
      paint(p, x, y, c, cover);
    }
}

// Coverage of a signed distance (negative inside) with a soft edge one pixel wide.
float coverage(float distance, float px) { return std::clamp(0.5f - distance / px, 0.0f, 1.0f); }

float roundRect(float x, float y, float cx, float cy, float hw, float hh, float r) {
  const float qx = std::fabs(x - cx) - hw + r, qy = std::fabs(y - cy) - hh + r;
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

float circle(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

float segment(float x, float y, float ax, float ay, float bx, float by, float thickness) {
  const float dx = bx - ax, dy = by - ay;
  const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
  return std::hypot(x - ax - t * dx, y - ay - t * dy) - thickness / 2;
}

// A triangle pointing in direction (dx, dy) (one of the four axes), centred at (cx, cy).
float triangle(float x, float y, float cx, float cy, float size, int dx, int dy) {
  // Turn the point so the triangle points right, then test the three edges.
  float lx = x - cx, ly = y - cy;
  if (dx < 0) lx = -lx;
  if (dy != 0) {
    const float t = lx;
    lx = dy > 0 ? ly : -ly;
    ly = t;
  }
  const float back = -lx - size * 0.5f;                       // the base at x = -size/2
  const float upper = (ly * 2 - (size * 0.5f - lx)) / 2.236f;  // slanted sides meet at x = size/2
  const float lower = (-ly * 2 - (size * 0.5f - lx)) / 2.236f;
  return std::max(back, std::max(upper, lower));
}

// Transparent pixels keep a light colour, so filtered edges do not darken.
constexpr TSkinRgba kBleed{200, 210, 235, 0};
const TColour kIconFace{0.93f, 0.96f, 1.0f, 1};
const TColour kIconRim{0.35f, 0.5f, 0.75f, 1};

// A white symbol with a darker rim, from its signed distance.
void symbol(float d, float px, TColour& c, float& cover) {
  const float face = coverage(d, px), rim = coverage(d - 0.05f, px);
  c = face > 0.5f ? kIconFace : kIconRim;
  cover = std::max(face, rim * 0.8f);
}

// [SECTION] element atlas

constexpr int32_t kAtlasSize = 512;
constexpr float kCellU = 0.125f, kBandV = 0.2f;

// The cell the picture quad reads for an icon of column c in sample band s (the band of the
// icon's row - 1, the top band for row 0).
void iconCell(TSkinPicture& p, int c, int s, const TShader& sh) {
  shade(p, c * kCellU, s * kBandV, (c + 1) * kCellU, (s + 1) * kBandV, sh);
}

void drawButtonBand(TSkinPicture& p) {
  // Button body from u 0 to 0.75 of the top band: a glossy gradient, the same along u except a
  // rounded left end, so a button cut at any width still looks whole.
  shade(p, 0.0f, 0.8f, 0.75f, 1.0f, [](float x, float y, float, TColour& c, float& cover) {
    const float endX = x * 6.0f;  // the band is six cells wide: the left end spans part of one
    const float inset = 0.08f;
    const float d = roundRect(std::min(endX, 1.0f), y, 1.0f, 0.5f, 1.02f, 0.5f - inset, 0.3f);
    cover = coverage(d, 0.02f);
    const float gloss = y < 0.45f ? 0.25f * (1 - y / 0.45f) : 0.0f;
    const float body = 0.55f - 0.3f * y + gloss;
    c = {body * 0.8f, body * 0.9f, std::min(body * 1.25f, 1.0f), 0.92f};
    if (d > -0.05f) c = {0.85f, 0.9f, 1.0f, 1};  // a light rim
  });
}

void drawCheckBoxes(TSkinPicture& p) {
  for (int checked = 0; checked <= 1; ++checked)
    iconCell(p, 6 + checked, 4, [checked](float x, float y, float px, TColour& c, float& cover) {
      const float box = roundRect(x, y, 0.5f, 0.5f, 0.34f, 0.34f, 0.08f);
      const float rim = std::fabs(box + 0.03f) - 0.03f;
      c = {0.08f, 0.12f, 0.25f, 0.7f};
      cover = coverage(box, px);
      if (coverage(rim, px) > 0.5f) c = kIconFace;
      if (checked) {
        const float tick = std::min(segment(x, y, 0.3f, 0.5f, 0.45f, 0.68f, 0.1f),
                                    segment(x, y, 0.45f, 0.68f, 0.72f, 0.3f, 0.1f));
        if (coverage(tick, px) > 0.5f) c = {0.6f, 1.0f, 0.6f, 1};
      }
    });
}

void drawGenericSymbols(TSkinPicture& p) {
  // Icons 8 .. 12 (row 1, read from band 0) and 32 .. 36 (row 4, read from band 3).
  const std::function<float(float, float)> band0[5] = {
      [](float x, float y) { return std::min(circle(x, y, 0.5f, 0.5f, 0.12f), std::fabs(circle(x, y, 0.5f, 0.5f, 0.3f)) - 0.04f); },
      [](float x, float y) { return std::fabs(circle(x, y, 0.5f, 0.5f, 0.28f)) - 0.06f; },
      [](float x, float y) {
        return std::min(segment(x, y, 0.2f, 0.5f, 0.8f, 0.5f, 0.14f), segment(x, y, 0.5f, 0.2f, 0.5f, 0.8f, 0.14f));
      },
      [](float x, float y) { return segment(x, y, 0.2f, 0.5f, 0.8f, 0.5f, 0.14f); },
      [](float x, float y) { return (std::fabs(x - 0.5f) + std::fabs(y - 0.5f)) - 0.32f; },
  };
  const std::function<float(float, float)> band3[5] = {
      [](float x, float y) { return triangle(x, y, 0.5f, 0.5f, 0.5f, 1, 0); },
      [](float x, float y) {
        return std::min(roundRect(x, y, 0.38f, 0.5f, 0.07f, 0.25f, 0.02f), roundRect(x, y, 0.62f, 0.5f, 0.07f, 0.25f, 0.02f));
      },
      [](float x, float y) { return roundRect(x, y, 0.5f, 0.5f, 0.24f, 0.24f, 0.04f); },
      [](float x, float y) {
        return std::min(triangle(x, y, 0.38f, 0.5f, 0.34f, 1, 0), triangle(x, y, 0.62f, 0.5f, 0.34f, 1, 0));
      },
      [](float x, float y) {
        const float ring = std::fabs(circle(x, y, 0.5f, 0.5f, 0.26f)) - 0.05f;
        return std::max(ring, -(x - 0.5f) * 0.3f - (0.5f - y) * 1.0f);  // a ring open at the top right
      },
  };
  for (int c = 0; c < 5; ++c) {
    iconCell(p, c, 0, [&](float x, float y, float px, TColour& col, float& cover) { symbol(band0[c](x, y), px, col, cover); });
    iconCell(p, c, 3, [&](float x, float y, float px, TColour& col, float& cover) { symbol(band3[c](x, y), px, col, cover); });
  }
}

void drawMarker(TSkinPicture& p) {
  // Icon 13 and the two faces of the turning marker: one arrow in each half of the cell.
  for (int half = 0; half <= 1; ++half)
    shade(p, 5 * kCellU, half * 0.1f, 6 * kCellU, half * 0.1f + 0.1f,
          [](float x, float y, float px, TColour& c, float& cover) {
            symbol(triangle(x, y, 0.5f, 0.5f, 0.62f, 1, 0), px, c, cover);
          });
}

void drawWindowIcons(TSkinPicture& p) {
  // Row 2 (band 1): 16 minimize, 17 resize grip, 18 move handle, 19 close, 21 the round
  // symbol button.
  iconCell(p, 0, 1, [](float x, float y, float px, TColour& c, float& cover) {
    symbol(segment(x, y, 0.25f, 0.68f, 0.75f, 0.68f, 0.14f), px, c, cover);
  });
  iconCell(p, 1, 1, [](float x, float y, float px, TColour& c, float& cover) {
    float d = 1;
    for (float k : {0.3f, 0.5f, 0.7f}) d = std::min(d, segment(x, y, 0.8f - k + 0.05f, 0.8f, 0.8f, 0.8f - k + 0.05f, 0.07f));
    symbol(d, px, c, cover);
  });
  iconCell(p, 2, 1, [](float x, float y, float px, TColour& c, float& cover) {
    float d = std::min(segment(x, y, 0.3f, 0.5f, 0.7f, 0.5f, 0.07f), segment(x, y, 0.5f, 0.3f, 0.5f, 0.7f, 0.07f));
    d = std::min({d, triangle(x, y, 0.24f, 0.5f, 0.14f, -1, 0), triangle(x, y, 0.76f, 0.5f, 0.14f, 1, 0),
                  triangle(x, y, 0.5f, 0.24f, 0.14f, 0, -1), triangle(x, y, 0.5f, 0.76f, 0.14f, 0, 1)});
    symbol(d, px, c, cover);
  });
  iconCell(p, 3, 1, [](float x, float y, float px, TColour& c, float& cover) {
    symbol(std::min(segment(x, y, 0.27f, 0.27f, 0.73f, 0.73f, 0.12f), segment(x, y, 0.73f, 0.27f, 0.27f, 0.73f, 0.12f)),
           px, c, cover);
  });
  iconCell(p, 5, 1, [](float x, float y, float px, TColour& c, float& cover) {
    const float disc = circle(x, y, 0.5f, 0.5f, 0.4f);
    cover = coverage(disc, px);
    const float light = 0.45f + 0.4f * (1 - y);
    c = disc > -0.05f ? TColour{0.85f, 0.9f, 1.0f, 1} : TColour{light * 0.7f, light * 0.8f, light, 0.92f};
  });
}

void drawArrows(TSkinPicture& p) {
  // Row 3 (band 2): 24 left, 25 right, 26 down, 27 up.
  const int dirs[4][2] = {{-1, 0}, {1, 0}, {0, 1}, {0, -1}};
  for (int c = 0; c < 4; ++c)
    iconCell(p, c, 2, [&, c](float x, float y, float px, TColour& col, float& cover) {
      symbol(triangle(x, y, 0.5f, 0.5f, 0.5f, dirs[c][0], dirs[c][1]), px, col, cover);
    });
}

void drawBarColumn(TSkinPicture& p) {
  // The bar of thumbs and knobs: v 0.4 .. 0.8, rounded ends of 0.08, a plain middle.
  shade(p, 5 * kCellU, 0.4f, 6 * kCellU, 0.8f, [](float x, float y, float px, TColour& c, float& cover) {
    const float ends = 0.08f / 0.4f;  // of the column's height
    const float yy = y < ends ? y : y > 1 - ends ? y - (1 - 2 * ends) : ends;
    const float d = roundRect(x, yy * 2.5f, 0.5f, ends * 2.5f, 0.42f, ends * 2.5f - 0.02f, 0.36f);
    cover = coverage(d, px);
    const float light = 0.5f + 0.45f * (1 - std::fabs(x - 0.4f) * 2);
    c = {light * 0.75f, light * 0.85f, light, 0.95f};
  });
}

void drawGlowRegion(TSkinPicture& p) {
  // Bright at the outer edge (v 0.2), fading to nothing at the inner edge (v 0.4).
  shade(p, 0.75f, 0.2f, 1.0f, 0.4f, [](float, float y, float, TColour& c, float& cover) {
    const float t = y;  // 0 at the inner edge (the top of the region), 1 at the outer
    c = {0.8f, 0.9f, 1.0f, 1};
    cover = t * t;
  });
}

}  // namespace

TSkinPicture drawElementAtlas() {
  TSkinPicture p(kAtlasSize, kAtlasSize, kBleed);
  drawButtonBand(p);
  drawCheckBoxes(p);
  drawGenericSymbols(p);
  drawMarker(p);
  drawWindowIcons(p);
  drawArrows(p);
  drawBarColumn(p);
  drawGlowRegion(p);
  return p;
}

// [SECTION] surfaces

namespace {

// How a surface looks: fill, rim and the shape's corner radius (in the corner's share).
struct TSurfaceLook {
  TColour fill;
  TColour rim;
  float radius;  // of a corner quadrant
  float rimWidth;
  bool frameOnly;  // group boxes: a frame with a faint middle
};

TSurfaceLook surfaceLook(int32_t n) {
  switch (n) {
    case 1: return {{0.12f, 0.2f, 0.35f, 0.8f}, {0.6f, 0.7f, 0.9f, 0.9f}, 0.5f, 0.12f, false};  // small plates
    case 2: return {{0.95f, 0.95f, 0.9f, 0.92f}, {0.4f, 0.4f, 0.45f, 1}, 0.6f, 0.08f, false};  // bubbles
    case 3: return {{0.1f, 0.15f, 0.3f, 0.25f}, {0.55f, 0.65f, 0.85f, 0.8f}, 0.5f, 0.06f, true};  // group boxes
    case 4: return {{0.08f, 0.13f, 0.28f, 0.45f}, {0.5f, 0.6f, 0.8f, 0.8f}, 0.5f, 0.06f, true};  // page groups
    case 5: return {{0.25f, 0.35f, 0.55f, 0.85f}, {0.75f, 0.85f, 1.0f, 1}, 0.7f, 0.1f, false};  // faces, help
    case 6: return {{0.35f, 0.3f, 0.15f, 0.85f}, {1.0f, 0.9f, 0.6f, 1}, 0.7f, 0.1f, false};  // sub-kind 30 faces
    case 7: return {{0.03f, 0.06f, 0.14f, 0.78f}, {0.4f, 0.5f, 0.7f, 0.9f}, 0.35f, 0.08f, false};  // lists
    case 11: return {{0.1f, 0.25f, 0.15f, 0.9f}, {0.7f, 0.9f, 0.7f, 1}, 0.6f, 0.08f, false};  // plates
    default: return {{0.05f, 0.1f, 0.25f, 0.82f}, {0.55f, 0.65f, 0.9f, 1}, 0.55f, 0.05f, false};  // dialogs
  }
}

// A rounded panel over the rectangle (x, y in 0..1 of it): rim, fill and a soft top light.
void panelShader(const TSurfaceLook& look, float aspect, float x, float y, float px, TColour& c, float& cover) {
  // In units of the shorter side, so the corners stay round on wide pictures.
  const float sx = x * aspect, hw = 0.5f * aspect;
  const float r = look.radius * 0.5f;
  const float d = roundRect(sx, y, hw, 0.5f, hw - 0.01f, 0.49f, r);
  cover = coverage(d, px);
  const bool onRim = d > -look.rimWidth * 0.5f;
  if (onRim) {
    c = look.rim;
  } else {
    const float light = (1 - y) * 0.15f;
    c = {look.fill.r + light, look.fill.g + light, look.fill.b + light, look.fill.a};
    if (look.frameOnly) c.a = look.fill.a * 0.6f;
  }
}

}  // namespace

TSkinPicture drawSurface(int32_t n) {
  const TSurfaceLook look = surfaceLook(n);
  if (n == 8) {
    // Side panels: the texture spreads in thirds, the middle third stretches.
    TSkinPicture p(192, 128, kBleed);
    shade(p, 0, 0, 1, 1, [&](float x, float y, float px, TColour& c, float& cover) {
      const float fx = x < 1.0f / 3 ? x * 1.5f : x > 2.0f / 3 ? (x - 2.0f / 3) * 1.5f + 0.5f : 0.5f;
      panelShader(look, 1.0f, fx, y, px * 1.5f, c, cover);
    });
    return p;
  }
  if (n == 9) {
    // Bars: the upper half is the bottom bar (round above, open below), the lower half the top
    // bar (open above, round below); each half has its corners in its quarters.
    TSkinPicture p(256, 128, kBleed);
    for (int half = 0; half <= 1; ++half)
      shade(p, 0, half * 0.5f, 1, half * 0.5f + 0.5f, [&, half](float x, float y, float px, TColour& c, float& cover) {
        const float yy = half == 1 ? y * 0.5f : 0.5f + y * 0.5f;  // the open side reaches past the edge
        panelShader(look, 2.0f, x, yy, px, c, cover);
      });
    return p;
  }
  TSkinPicture p(128, 128, kBleed);
  shade(p, 0, 0, 1, 1, [&](float x, float y, float px, TColour& c, float& cover) {
    panelShader(look, 1.0f, x, y, px, c, cover);
  });
  return p;
}

// [SECTION] level strip and shine

TSkinPicture drawDetailStrip() {
  // Level k shows k of six rising bars; levels 1..3 lie in the upper half left to right, 4..6
  // in the lower half, where the selectors' strip drawing reads them.
  TSkinPicture p(384, 128, kBleed);
  for (int level = 1; level <= 6; ++level) {
    const int col = (level - 1) % 3;
    const float v0 = level <= 3 ? 0.5f : 0.0f;
    shade(p, col / 3.0f, v0, (col + 1) / 3.0f, v0 + 0.5f, [level](float x, float y, float px, TColour& c, float& cover) {
      const int bar = std::clamp(int((x - 0.1f) / 0.8f * 6), 0, 5);
      const float bx = 0.1f + (float(bar) + 0.5f) * 0.8f / 6;
      const float top = 0.85f - 0.65f * float(bar + 1) / 6;
      const float d = roundRect(x, y, bx, (top + 0.88f) / 2, 0.045f, (0.88f - top) / 2, 0.02f);
      cover = coverage(d, px);
      const bool lit = bar < level;
      c = lit ? TColour{0.55f + 0.07f * float(bar), 0.95f - 0.06f * float(bar), 0.4f, 1} : TColour{0.35f, 0.4f, 0.5f, 0.5f};
    });
  }
  return p;
}

TSkinPicture drawShine() {
  // Soft diagonal streaks of whole periods across the picture, so it tiles without seams.
  TSkinPicture p(256, 256);
  const float tau = 2 * std::numbers::pi_v<float>;
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t x = 0; x < p.width; ++x) {
      const float u = float(x) / float(p.width), v = float(y) / float(p.height);
      const float s = 0.5f + 0.3f * std::sin(tau * (u + v)) + 0.2f * std::sin(tau * (3 * u - 2 * v));
      const uint8_t g = byte(0.25f + 0.6f * s * s);
      p.at(x, y) = {g, g, byte(0.3f + 0.6f * s * s), 255};
    }
  return p;
}

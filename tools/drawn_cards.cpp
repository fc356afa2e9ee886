// The card pictures drawn by code.
#include "tools/drawn_cards.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr TPicRgb kCream{250, 248, 240};
constexpr TPicRgb kFrame{150, 150, 150};
constexpr TPicRgb kBlack{25, 25, 30};
constexpr TPicRgb kRed{200, 25, 35};

// Coverage of the rounded rectangle at pixel (x, y) of a w x h picture, 0..1.
float outlineCover(int32_t x, int32_t y, int32_t w, int32_t h) {
  const float r = 0.08f * float(std::min(w, h));
  float cover = 0;
  for (int s = 0; s < 4; ++s) {
    const float px = x + 0.25f + 0.5f * float(s % 2), py = y + 0.25f + 0.5f * float(s / 2);
    const float dx = std::max({r - px, px - (w - r), 0.0f}), dy = std::max({r - py, py - (h - r), 0.0f});
    if (dx * dx + dy * dy <= r * r) cover += 0.25f;
  }
  return cover;
}

bool disc(float u, float v, float cu, float cv, float r) { return (u - cu) * (u - cu) + (v - cv) * (v - cv) < r * r; }

bool heart(float u, float v) {
  return disc(u, v, -0.42f, -0.3f, 0.45f) || disc(u, v, 0.42f, -0.3f, 0.45f) || (v > -0.3f && std::fabs(u) < 0.86f * (0.85f - v) / 1.15f);
}
bool diamond(float u, float v) { return std::fabs(u) / 0.75f + std::fabs(v) < 0.95f; }
bool spade(float u, float v) {
  return disc(u, v, -0.42f, 0.2f, 0.42f) || disc(u, v, 0.42f, 0.2f, 0.42f) ||
         (v < 0.2f && std::fabs(u) < 0.84f * (v + 0.95f) / 1.15f) || (v > 0.2f && v < 0.95f && std::fabs(u) < 0.08f + 0.3f * (v - 0.2f));
}
bool club(float u, float v) {
  return disc(u, v, 0.0f, -0.45f, 0.36f) || disc(u, v, -0.45f, 0.12f, 0.36f) || disc(u, v, 0.45f, 0.12f, 0.36f) ||
         (v > 0.0f && v < 0.95f && std::fabs(u) < 0.08f + 0.3f * v * v);
}
// German marks: an acorn, a leaf, the heart and a bell.
bool acorn(float u, float v) {
  return (v < -0.15f && disc(u, v, 0.0f, -0.15f, 0.62f)) || (v >= -0.15f && std::fabs(u) < 0.5f * (1 - (v + 0.15f) / 1.1f)) ||
         (v < -0.7f && std::fabs(u) < 0.08f);
}
bool leaf(float u, float v) {
  const float w = 0.75f * std::sqrt(std::max(0.0f, 1 - (v + 0.1f) * (v + 0.1f) / 0.72f));
  return std::fabs(u) < w || (v > 0.7f && std::fabs(u) < 0.07f);
}
bool bell(float u, float v) { return disc(u, v, 0.0f, 0.0f, 0.78f) || (v < -0.7f && disc(u, v, 0.0f, -0.8f, 0.16f)); }

bool star(float u, float v, int points, float inner) {
  const float r = std::sqrt(u * u + v * v), a = std::atan2(v, u) + 1.5708f;
  const float sector = 6.28319f / float(points), t = std::fabs(std::fmod(a + 6.28319f, sector) / sector - 0.5f) * 2;
  return r < inner + (1 - inner) * t;
}

}  // namespace

TPicImage cardOutline(int32_t w, int32_t h, TPicRgb fill) {
  TPicImage img(w, h, fill);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) img.setAlpha(x, y, uint8_t(outlineCover(x, y, w, h) * 255 + 0.5f));
  return img;
}

TPicImage plainCard(int32_t w, int32_t h) {
  TPicImage img(w, h, kCream);
  const int32_t m = std::max(2, w / 24);
  paintShape(img, m, m, w - 2 * m, h - 2 * m, kFrame, [&](float u, float v) {
    return std::fabs(u) > 1 - 2.0f / float(w - 2 * m) || std::fabs(v) > 1 - 2.0f / float(h - 2 * m);
  });
  return img;
}

TPicImage jokerCard(int32_t w, int32_t h) {
  TPicImage img = plainCard(w, h);
  const TPicRgb colours[4] = {{210, 40, 40}, {240, 190, 40}, {40, 120, 200}, {40, 160, 80}};
  const int32_t s = w * 3 / 4;
  for (int i = 0; i < 4; ++i) {
    const int32_t d = s * (4 - i) / 4;
    paintShape(img, (w - d) / 2, (h - d) / 2, d, d, colours[i], [](float u, float v) { return star(u, v, 5, 0.45f); });
  }
  const int32_t c = w / 6;
  paintShape(img, c / 2, c / 2, c, c, kRed, [](float u, float v) { return star(u, v, 5, 0.45f); });
  paintShape(img, w - c * 3 / 2, h - c * 3 / 2, c, c, kBlack, [](float u, float v) { return star(u, v, 5, 0.45f); });
  return img;
}

TPicImage cardBack(int32_t k, int32_t w, int32_t h) {
  static const TPicRgb fields[9] = {{170, 30, 35}, {30, 60, 150}, {25, 110, 60}, {110, 35, 120}, {170, 120, 30},
                                    {45, 45, 50},  {25, 120, 135}, {135, 65, 30}, {80, 80, 150}};
  TPicImage img(w, h, {245, 245, 240});
  const TPicRgb field = fields[k % 9], light = mixColour(field, {255, 255, 255}, 0.35f);
  const int32_t m = std::max(3, w / 14);
  img.fillRect(m, m, w - 2 * m, h - 2 * m, field);
  const float cell = float(w) / 9;
  // Each design has its own pattern: lattice, stripes, dots, chequers, rings, ...
  for (int32_t y = m; y < h - m; ++y)
    for (int32_t x = m; x < w - m; ++x) {
      const float fx = float(x) / cell, fy = float(y) / cell;
      const float gx = fx - std::floor(fx), gy = fy - std::floor(fy);
      bool on = false;
      switch (k % 9) {
        case 0: on = std::fabs(std::fmod(fx + fy, 1.0f) - 0.5f) < 0.1f || std::fabs(std::fmod(fx - fy + 100, 1.0f) - 0.5f) < 0.1f; break;
        case 1: on = std::fmod(fx + fy, 1.0f) < 0.3f; break;
        case 2: on = (gx - 0.5f) * (gx - 0.5f) + (gy - 0.5f) * (gy - 0.5f) < 0.06f; break;
        case 3: on = (int(fx) + int(fy)) % 2 == 0; break;
        case 4: on = std::fabs(std::sqrt((gx - 0.5f) * (gx - 0.5f) + (gy - 0.5f) * (gy - 0.5f)) - 0.3f) < 0.08f; break;
        case 5: on = gx < 0.15f || gy < 0.15f; break;
        case 6: on = std::fabs(gx - 0.5f) + std::fabs(gy - 0.5f) < 0.35f; break;
        case 7: on = std::fmod(fy, 1.0f) < 0.25f; break;
        default: on = std::fabs(gx - 0.5f) < 0.1f || std::fabs(gy - 0.5f) < 0.1f; break;
      }
      if (on) img.set(x, y, light);
    }
  return img;
}

TShapeTest suitShape(int32_t style, int32_t suit) {
  static const TShapeTest french[4] = {club, spade, heart, diamond};
  static const TShapeTest german[4] = {acorn, leaf, heart, bell};
  const int32_t i = std::clamp(suit, 1, 4) - 1;
  return style == 2 ? german[i] : french[i];
}

TPicRgb suitInk(int32_t style, int32_t suit) {
  static const TPicRgb frenchInk[4] = {kBlack, kBlack, kRed, kRed};
  static const TPicRgb germanInk[4] = {{130, 80, 30}, {40, 140, 50}, kRed, {220, 170, 30}};
  const int32_t i = std::clamp(suit, 1, 4) - 1;
  return style == 2 ? germanInk[i] : frenchInk[i];
}

TPicImage suitIcon(int32_t style, int32_t suit, int32_t size) {
  TPicImage img(size, size, {250, 250, 245});
  const int32_t m = size / 8;
  paintShape(img, m, m, size - 2 * m, size - 2 * m, suitInk(style, suit), suitShape(style, suit));
  return img;
}

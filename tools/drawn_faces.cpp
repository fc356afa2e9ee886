// The card faces drawn by code.
#include "tools/drawn_faces.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/drawn_cards.h"

namespace {

constexpr TPicRgb kCream{250, 248, 240};
constexpr TPicRgb kGold{215, 170, 50};
constexpr TPicRgb kSkin{245, 210, 175};
constexpr TPicRgb kDark{40, 30, 25};

// German bells are yellow: their labels and outlines need a darker ink to be read.
TPicRgb labelInk(int32_t style, int32_t suit) {
  return style == 2 && suit == 4 ? TPicRgb{170, 110, 10} : suitInk(style, suit);
}

// One suit mark centred at (cx, cy), `size` pixels square, upside down when flipped. German
// marks get a dark rim so that bells and leaves stand out on the cream.
void pip(TPicImage& img, int32_t style, int32_t suit, float cx, float cy, int32_t size, bool flipped) {
  const TShapeTest shape = suitShape(style, suit);
  const int32_t x0 = int32_t(std::lround(cx - float(size) / 2)), y0 = int32_t(std::lround(cy - float(size) / 2));
  const float f = flipped ? -1.0f : 1.0f;
  if (style == 2) {
    paintShape(img, x0, y0, size, size, kDark, [&](float u, float v) { return shape(u, f * v); });
    paintShape(img, x0, y0, size, size, suitInk(style, suit),
               [&](float u, float v) { return shape(u / 0.84f, f * v / 0.84f); });
  } else {
    paintShape(img, x0, y0, size, size, suitInk(style, suit), [&](float u, float v) { return shape(u, f * v); });
  }
}

std::u32string label(int32_t style, int32_t value) {
  if (value >= 2 && value <= 10) {
    std::u32string s;
    for (char c : std::to_string(value)) s += char32_t(c);
    return s;
  }
  switch (value) {
    case 1: return U"A";
    case 11: return style == 2 ? U"U" : U"B";
    case 12: return style == 2 ? U"O" : U"D";
    default: return U"K";
  }
}

// The label over a small mark in the top left corner, then the same corner turned half round
// into the bottom right, as on a printed card.
void corners(TPicImage& img, GlyphPainter& index, int32_t style, int32_t suit, int32_t value) {
  const int32_t w = img.width, h = img.height, column = w * 22 / 100;
  const std::u32string text = label(style, value);
  const int32_t px = faceIndexPixels(h), baseline = h * 4 / 100 + px;
  const TPicRgb ink = labelInk(style, suit);
  // "10" is drawn with its digits closer together so that it keeps to the corner's column.
  const int32_t squeeze = text.size() > 1 ? index.width(text.substr(0, 1)) / 6 : 0;
  int32_t x = std::max(1, (column - index.width(text) + squeeze) / 2 + w / 50);
  for (char32_t c : text) {
    const std::u32string one(1, c);
    index.draw(img, one, x, baseline, ink, ink);
    x += index.width(one) - squeeze;
  }
  const int32_t mark = w * 13 / 100;
  pip(img, style, suit, float(column) / 2 + float(w) / 50, float(baseline + mark * 3 / 4), mark, false);
  const int32_t cornerH = baseline + mark * 3 / 2;
  for (int32_t y = 0; y < cornerH; ++y)
    for (int32_t x = 0; x < column + w / 25; ++x) img.set(w - 1 - x, h - 1 - y, img.get(x, y));
}

// Where the pips of 2..10 stand, -1..1 across the pip field (columns) and down it (rows).
struct TPipSpot {
  float x, y;
};
int32_t pipSpots(int32_t value, TPipSpot* out) {
  int32_t n = 0;
  auto add = [&](float x, float y) { out[n++] = {x, y}; };
  auto sides = [&](float y) { add(-1, y), add(1, y); };
  switch (value) {
    case 2: add(0, -1), add(0, 1); break;
    case 3: add(0, -1), add(0, 0), add(0, 1); break;
    case 4: sides(-1), sides(1); break;
    case 5: sides(-1), sides(1), add(0, 0); break;
    case 6: sides(-1), sides(0), sides(1); break;
    case 7: sides(-1), sides(0), sides(1), add(0, -0.5f); break;
    case 8: sides(-1), sides(0), sides(1), add(0, -0.5f), add(0, 0.5f); break;
    case 9: sides(-1), sides(-1.0f / 3), sides(1.0f / 3), sides(1), add(0, 0); break;
    default: sides(-1), sides(-1.0f / 3), sides(1.0f / 3), sides(1), add(0, -2.0f / 3), add(0, 2.0f / 3); break;
  }
  return n;
}

void numberPips(TPicImage& img, int32_t style, int32_t suit, int32_t value) {
  const float w = float(img.width), h = float(img.height);
  TPipSpot spots[10];
  const int32_t n = pipSpots(value, spots), size = img.width * 21 / 100;
  for (int32_t i = 0; i < n; ++i)
    pip(img, style, suit, w * (0.5f + 0.2f * spots[i].x), h * (0.5f + 0.3f * spots[i].y), size, spots[i].y > 0.01f);
}

// The court card's figure in the top half of its panel: shoulders in the suit's colour, a
// head, and the head-dress that tells king, queen (Ober) and jack (Unter) apart. The panel's
// lower half is the same turned round.
void courtFigure(TPicImage& img, int32_t x0, int32_t y0, int32_t pw, int32_t half, int32_t style, int32_t suit,
                 int32_t value) {
  const TPicRgb coat = suitInk(style, suit), trim = mixColour(coat, kCream, 0.55f);
  paintShape(img, x0, y0, pw, half, coat, [](float u, float v) { return v > 0.25f && std::fabs(u) < 0.35f + 0.45f * (v - 0.25f); });
  paintShape(img, x0, y0, pw, half, trim, [](float u, float v) { return v > 0.3f && std::fabs(u) < 0.07f; });
  paintShape(img, x0, y0, pw, half, kSkin, [](float u, float v) { return (u * u) / 0.06f + (v + 0.05f) * (v + 0.05f) / 0.1f < 1; });
  paintShape(img, x0, y0, pw, half, kDark, [](float u, float v) {
    return (std::fabs(u + 0.09f) < 0.03f || std::fabs(u - 0.09f) < 0.03f) && std::fabs(v + 0.1f) < 0.035f;
  });
  if (value == 13) {  // a crown with three points
    paintShape(img, x0, y0, pw, half, kGold, [](float u, float v) {
      const float t = std::fabs(std::fmod(std::fabs(u) + 0.1f, 0.2f) - 0.1f) * 5;
      return std::fabs(u) < 0.24f && v < -0.32f && v > -0.62f - 0.18f * (1 - t);
    });
  } else if (value == 12) {  // a band with a jewel
    paintShape(img, x0, y0, pw, half, kGold, [](float u, float v) {
      return (std::fabs(u) < 0.24f && v < -0.33f && v > -0.45f) || ((u * u) + (v + 0.52f) * (v + 0.52f) < 0.006f);
    });
  } else {  // a flat cap
    paintShape(img, x0, y0, pw, half, coat, [](float u, float v) {
      return v < -0.32f && v > -0.55f && std::fabs(u) < 0.3f - 0.2f * (v + 0.32f) * -1;
    });
  }
}

void courtCard(TPicImage& img, int32_t style, int32_t suit, int32_t value) {
  const int32_t w = img.width, h = img.height;
  const int32_t x0 = w * 22 / 100, y0 = h * 15 / 100, pw = w - 2 * x0, ph = h - 2 * y0, half = ph / 2;
  const TPicRgb ink = labelInk(style, suit);
  img.fillRect(x0, y0, pw, ph, mixColour(suitInk(style, suit), kCream, 0.88f));
  courtFigure(img, x0, y0, pw, half, style, suit, value);
  // The German deck tells Ober from Unter by where the mark stands: high or low.
  const int32_t mark = w * 16 / 100;
  const float markY = style == 2 && value == 11 ? float(y0 + half) - float(mark) * 0.7f : float(y0 + mark * 3 / 4);
  pip(img, style, suit, float(x0 + mark * 3 / 4), markY, mark, false);
  for (int32_t y = 0; y < half; ++y)
    for (int32_t x = 0; x < pw; ++x) img.set(x0 + pw - 1 - x, y0 + ph - 1 - y, img.get(x0 + x, y0 + y));
  paintShape(img, x0, y0, pw, ph, ink, [&](float u, float v) {
    return std::fabs(u) > 1 - 4.0f / float(pw) || std::fabs(v) > 1 - 4.0f / float(ph);
  });
}

}  // namespace

int32_t faceIndexPixels(int32_t h) { return std::max(8, h * 85 / 1000); }

TPicImage cardFace(GlyphPainter& index, int32_t style, int32_t suit, int32_t value, int32_t w, int32_t h) {
  TPicImage img = plainCard(w, h);
  corners(img, index, style, suit, value);
  if (value == 1)
    pip(img, style, suit, float(w) / 2, float(h) / 2, w / 2, false);
  else if (value <= 10)
    numberPips(img, style, suit, value);
  else
    courtCard(img, style, suit, value);
  return img;
}

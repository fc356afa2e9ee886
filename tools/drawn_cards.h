// The card pictures drawn by code: the rounded outline mask, the plain card, the joker, the
// nine backs and the suit icons of both deck styles.
#pragma once

#include <cstdint>

#include "tools/picture_writer.h"

// Paints `ink` over the rectangle wherever inside(u, v) holds, u and v running -1..1 across
// it, with four samples per pixel for soft edges.
template <typename Inside>
void paintShape(TPicImage& img, int32_t x0, int32_t y0, int32_t w, int32_t h, TPicRgb ink, Inside inside) {
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      float cover = 0;
      for (int s = 0; s < 4; ++s) {
        const float u = (x + 0.25f + 0.5f * float(s % 2)) / float(w) * 2 - 1;
        const float v = (y + 0.25f + 0.5f * float(s / 2)) / float(h) * 2 - 1;
        if (inside(u, v)) cover += 0.25f;
      }
      if (cover > 0) img.blend(x0 + x, y0 + y, ink, cover);
    }
}

// A w x h card whose alpha plane is the rounded outline (opaque inside).
TPicImage cardOutline(int32_t w, int32_t h, TPicRgb fill);
// The plain card: cream with a thin frame.
TPicImage plainCard(int32_t w, int32_t h);
// The joker: a card with a many-coloured star and small stars in two corners.
TPicImage jokerCard(int32_t w, int32_t h);
// Back design k (0..8): a coloured field with its own pattern inside a white margin.
TPicImage cardBack(int32_t k, int32_t w, int32_t h);
// A suit mark's shape: true inside, u and v running -1..1 across its square, v downwards.
using TShapeTest = bool (*)(float u, float v);
// The mark and its ink of the style (1 French, 2 German) and suit (1 clubs, 2 spades, 3 hearts,
// 4 diamonds; German acorns, leaves, hearts, bells).
TShapeTest suitShape(int32_t style, int32_t suit);
TPicRgb suitInk(int32_t style, int32_t suit);
// Suit icon of the style (1 French, 2 German) and suit (1 clubs, 2 spades, 3 hearts, 4 diamonds).
TPicImage suitIcon(int32_t style, int32_t suit, int32_t size);

// The card faces drawn by code for the card sheets: corner indices, pips, aces and court cards
// of the French and the German deck.
#pragma once

#include <cstdint>

#include "tools/glyph_painter.h"
#include "tools/picture_writer.h"

// The index font's pixel size for cards of height h; open the painter at it before cardFace.
int32_t faceIndexPixels(int32_t h);
// The w x h face of one card: style 1 French, 2 German; suit 1 clubs (acorns), 2 spades
// (leaves), 3 hearts, 4 diamonds (bells); value 1 ace, 2..10, 11 jack (Unter), 12 queen (Ober),
// 13 king. `index` writes the corner labels.
TPicImage cardFace(GlyphPainter& index, int32_t style, int32_t suit, int32_t value, int32_t w, int32_t h);

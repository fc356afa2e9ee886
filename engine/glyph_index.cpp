// Glyph indexes of the symbol font.
#include "engine/glyph_index.h"

namespace {
struct GlyphCell {
  uint8_t character;  // Windows-1252 code
  int32_t index;      // cell in the symbol texture
};

// Characters whose cell is not their code minus 32.
constexpr GlyphCell kOwnCells[] = {
    {233, 101},  // é
    {162, 97},   // ¢
    {128, 99},   // euro sign
    {45, 108},   // -
    {196, 112},  // Ä
    {214, 113},  // Ö
    {220, 114},  // Ü
    {228, 115},  // ä
    {246, 116},  // ö
    {252, 117},  // ü
    {223, 118},  // ß
    {95, 119},   // _
};
}  // namespace

int32_t glyphIndex(uint8_t c) {
  for (const GlyphCell& cell : kOwnCells)
    if (cell.character == c) return cell.index;
  return c < 32 ? 0 : c - 32;
}

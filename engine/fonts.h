// The six font slots with their settings and character-width tables, the current font, and
// the measuring of text widths. The font textures and the drawing of glyphs are not here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/records.h"

constexpr int kFontWidthFileSize = 3072;  // "f.cwi": six tables of 256 int16

struct TVTLFontSlot {
  const char* textureFile;  // "font1" etc.; empty: the slot never gets a texture
  bool smallCaps;
  float widthScale;
  float sizeScale;
  float letterSpacing;
  float glyphColour[3];
  float baselineShift;
  int32_t texture;                 // GL texture, -1 until loaded
  LArray<int16_t, 0, 255> widths;  // hundredths of a glyph cell per character code
};

extern LArray<TVTLFontSlot, 0, 5> fontSlots;
extern int32_t currentFont;  // 0..5, the slot measuring and drawing use; callers set it first

// Sets the slot settings, texture numbers -1 and zero widths. Runs before the engine exists.
void initFontTables();

// Reads the slot's widths from "\data\vitrel\f.cwi" when the file exists (the width half of
// loading a font). A file shorter than 3,072 bytes is EInOutError. Returns true when read.
bool loadFontWidths(int slot);

// The width of a text in the current font; password mode counts every character as "*".
float stringWidth(std::string_view text, bool password);

// chr(25) and the digit n: selects font n for the rest of a text.
std::string fontEscape(int n);

// Renders the engine's three font pictures ("font1.bmp" .. "font3.bmp" with their alpha
// companions) from DejaVu with FreeType, and writes the character-width file "f.cwi" to match:
// each glyph sits in its cell exactly where the glyph drawing's texture window and quad read
// it, so that the pen advance the engine draws equals the width the file lists.
//   make_fonts <output folder> [<font folder>]
// [SECTION] cell geometry
// [SECTION] Windows-1252
// [SECTION] rendering
// [SECTION] width file
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/picture_writer.h"

namespace {

// [SECTION] cell geometry
//
// The glyph drawing reads code c from column c mod 16, row 15 - c div 16 (row 0 at the
// bottom), cells 0.062383 wide and 0.0625 high in texture units. With w = listed width / 100
// its texture window is 0.94 x 0.062383 x 1.2 x w wide, starting 0.1 of that left of the
// cell; the quad is drawn 0.056 of its width left of the pen and the pen moves on by 0.7 of
// it. So in texture pixels the pen starts 0.044 window widths left of the cell and moves on
// by 0.7 window widths: that advance is what the width file must list.

constexpr int kTextureSize = 512;
constexpr double kCellWidth = 0.062383 * kTextureSize;   // pixels
constexpr double kCellHeight = 0.0625 * kTextureSize;    // pixels
constexpr double kWindowPerWidth = 0.94 * 1.2 * kCellWidth;  // window pixels per unit of w
constexpr double kPenStart = 0.044;     // of the window width, left of the cell
constexpr double kPenAdvance = 0.7;     // of the window width
constexpr double kEm = 24.0;            // pixels per em
constexpr double kBaseline = 6.4;       // pixels above the cell's bottom
constexpr double kWidestGlyph = 0.85;   // w above this would read the next cell's ink
constexpr double kSmallCapital = 0.85 * 1.1;  // a small capital's advance against its capital

// How a slot draws its glyphs wider than the texture holds them (1.15 x 0.96 x textFactor 1.14
// x width scale, against the cell's height): the pictures are squeezed by the inverse, so
// that letters keep their proportions on screen.
constexpr double kDrawnStretch = 1.15 * 0.96 * 1.14 * (0.0625 / 0.062383);

struct FontPicture {
  const char* file;      // picture name without ".bmp"
  const char* face;      // DejaVu file
  double widthScale;     // the slot's width scale
  bool smallCaps;        // lower-case letters are drawn as small capitals
};
constexpr FontPicture kFontPictures[3] = {
    {"font1", "DejaVuSans-Bold.ttf", 0.96, true},
    {"font2", "DejaVuSans.ttf", 1.0, false},
    {"font3", "DejaVuSerif-Bold.ttf", 0.89, true},
};

// [SECTION] Windows-1252

// Unicode of a Windows-1252 code; 0 for the five unused codes and the control codes.
uint32_t unicodeOf(int code) {
  static const uint16_t k80[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                   0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
  if (code < 32 || code == 127) return 0;
  if (code >= 0x80 && code < 0xA0) return k80[code - 0x80];
  return uint32_t(code);
}

// The lower-case letters the small-capital slots draw as capitals, and their capitals (the
// engine's rule: a..z, 154, 156, 158 and 224..254).
int smallCapitalOf(int c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c == 154 || c == 156 || c == 158) return c - 16;
  if (c >= 224 && c <= 254) return c == 247 ? -1 : c - 32;
  return -1;
}

// [SECTION] rendering

struct GlyphSize {
  double advance = 0;  // texture pixels
  double squeeze = 1;  // horizontal scale of the outline
};

GlyphSize glyphSize(FT_Face face, uint32_t unicode, double squeeze, double sizeFactor) {
  GlyphSize g;
  if (unicode == 0) return g;
  const FT_UInt index = FT_Get_Char_Index(face, unicode);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return g;
  const double natural = double(face->glyph->linearHoriAdvance) / 65536.0 * sizeFactor;
  g.squeeze = squeeze;
  g.advance = natural * squeeze;
  const double widest = kWidestGlyph * kPenAdvance * kWindowPerWidth;
  if (g.advance > widest) {  // squeezed a little more so that it stays in its cell
    g.squeeze *= widest / g.advance;
    g.advance = widest;
  }
  return g;
}

// Draws the glyph with its pen at (penX, baseline) of the picture, clipped to its cell.
void renderGlyph(FT_Face face, uint32_t unicode, const GlyphSize& size, double sizeFactor, double penX, double baseline,
                 int cellLeft, int cellTop, int cellRight, int cellBottom, TPicImage& coverage) {
  const FT_UInt index = FT_Get_Char_Index(face, unicode);
  if (index == 0) return;
  FT_Matrix m;
  m.xx = FT_Fixed(size.squeeze * sizeFactor * 65536.0);
  m.xy = 0;
  m.yx = 0;
  m.yy = FT_Fixed(sizeFactor * 65536.0);
  const double fx = penX - std::floor(penX);
  const double fy = std::ceil(baseline) - baseline;  // FreeType's y runs upwards
  FT_Vector delta{FT_Pos(std::lround(fx * 64)), FT_Pos(std::lround(fy * 64))};
  FT_Set_Transform(face, &m, &delta);
  const bool ok = FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_RENDER) == 0;
  FT_Set_Transform(face, nullptr, nullptr);
  if (!ok) return;
  const FT_Bitmap& bm = face->glyph->bitmap;
  const int x0 = int(std::floor(penX)) + face->glyph->bitmap_left;
  const int y0 = int(std::ceil(baseline)) - face->glyph->bitmap_top;
  for (unsigned j = 0; j < bm.rows; ++j)
    for (unsigned i = 0; i < bm.width; ++i) {
      const int x = x0 + int(i), y = y0 + int(j);
      if (x < cellLeft || x >= cellRight || y < cellTop || y >= cellBottom) continue;
      const uint8_t a = bm.buffer[j * unsigned(bm.pitch) + i];
      const size_t at = size_t(y) * size_t(coverage.width) + size_t(x);
      coverage.alpha[at] = std::max(coverage.alpha[at], a);
    }
}

// One font picture; returns its 256 widths (hundredths of a cell).
std::vector<int16_t> makeFontPicture(FT_Library lib, const std::string& fontFolder, const FontPicture& fp,
                                     const std::string& outFolder, bool& ok) {
  std::vector<int16_t> widths(256, 0);
  FT_Face face;
  const std::string facePath = fontFolder + "/" + fp.face;
  if (FT_New_Face(lib, facePath.c_str(), 0, &face) != 0) {
    std::fprintf(stderr, "make_fonts: cannot open %s\n", facePath.c_str());
    ok = false;
    return widths;
  }
  FT_Set_Char_Size(face, 0, FT_F26Dot6(kEm * 64), 72, 72);
  const double squeeze = 1.0 / (kDrawnStretch * fp.widthScale);

  std::vector<GlyphSize> sizes(256);
  std::vector<double> sizeFactor(256, 1.0);
  std::vector<int> drawnCode(256);
  for (int c = 0; c < 256; ++c) {
    drawnCode[c] = c;
    const int capital = fp.smallCaps ? smallCapitalOf(c) : -1;
    if (capital >= 0) {
      drawnCode[c] = capital;
      sizeFactor[c] = 0.85;
    }
    const double extra = capital >= 0 ? 1.1 : 1.0;
    sizes[c] = glyphSize(face, unicodeOf(drawnCode[c]), squeeze * extra, sizeFactor[c]);
    widths[c] = int16_t(std::lround(100.0 * sizes[c].advance / (kPenAdvance * kWindowPerWidth)));
  }
  // A small capital is listed as the engine draws it: its capital's cell, 0.85 high, 1.1 wide.
  for (int c = 0; c < 256; ++c) {
    const int capital = fp.smallCaps ? smallCapitalOf(c) : -1;
    if (capital >= 0) widths[c] = int16_t(std::lround(widths[capital] * kSmallCapital));
  }
  // The two symbol codes measured from the table (2.3 x the entry): as wide as a suit.
  widths[2] = widths[3] = 1;

  TPicImage picture(kTextureSize, kTextureSize, {255, 255, 255});
  std::fill(picture.alpha.begin(), picture.alpha.end(), uint8_t(0));
  for (int c = 32; c < 256; ++c) {
    const uint32_t u = unicodeOf(drawnCode[c]);
    if (u == 0 || sizes[c].advance == 0) continue;
    const int column = c % 16, rowFromTop = c / 16;
    const double w = widths[c] / 100.0;
    const double window = kWindowPerWidth * w;
    const double penX = column * kCellWidth - kPenStart * window;
    const double baseline = (rowFromTop + 1) * kCellHeight - kBaseline;
    GlyphSize size = sizes[c];
    // The listed width is rounded: the outline follows it, so drawn and listed advance agree.
    if (size.advance > 0) size.squeeze *= (kPenAdvance * window) / size.advance;
    renderGlyph(face, u, size, sizeFactor[c], penX, baseline, int(std::lround(column * kCellWidth)),
                int(rowFromTop * kCellHeight), int(std::lround((column + 1) * kCellWidth)),
                int((rowFromTop + 1) * kCellHeight), picture);
  }
  FT_Done_Face(face);
  const std::string path = outFolder + "/" + fp.file + ".bmp";
  if (!writeBmp(path, picture) || !writeAlphaBmp(alphaCompanionPath(path), picture)) {
    std::fprintf(stderr, "make_fonts: cannot write %s\n", path.c_str());
    ok = false;
  }
  return widths;
}

// [SECTION] width file

// Six tables of 256 little-endian int16 in slot order: slot 0 "font1", slots 1 and 2 "font2"
// (slot 2 reads slot 1's), slot 3 "font3", slots 4 and 5 without a font.
bool writeWidthFile(const std::string& path, const std::vector<std::vector<int16_t>>& pictures) {
  const std::vector<int16_t> none(256, 0);
  const std::vector<int16_t>* slots[6] = {&pictures[0], &pictures[1], &pictures[1], &pictures[2], &none, &none};
  std::vector<uint8_t> bytes;
  for (const auto* table : slots)
    for (int16_t w : *table) {
      bytes.push_back(uint8_t(uint16_t(w) & 0xFF));
      bytes.push_back(uint8_t(uint16_t(w) >> 8));
    }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_fonts <output folder> [<font folder>]\n");
    return 2;
  }
  const std::string outFolder = argv[1];
  const std::string fontFolder = argc > 2 ? argv[2] : "/usr/share/fonts/truetype/dejavu";
  std::error_code ec;
  std::filesystem::create_directories(outFolder, ec);
  FT_Library lib;
  if (FT_Init_FreeType(&lib) != 0) {
    std::fprintf(stderr, "make_fonts: FreeType does not start\n");
    return 1;
  }
  bool ok = true;
  std::vector<std::vector<int16_t>> widths;
  for (const FontPicture& fp : kFontPictures) widths.push_back(makeFontPicture(lib, fontFolder, fp, outFolder, ok));
  FT_Done_FreeType(lib);
  if (!ok) return 1;
  if (!writeWidthFile(outFolder + "/f.cwi", widths)) {
    std::fprintf(stderr, "make_fonts: cannot write f.cwi\n");
    return 1;
  }
  return 0;
}

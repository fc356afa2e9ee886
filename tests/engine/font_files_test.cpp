// The generated font files in the build's program folder (build/app/data/vitrel): the width
// file's layout, widths in proportion to DejaVu's advances, each glyph's ink inside the window
// and pen advance the glyph drawing reads, and the symbol cells the control codes lead to.
// Skipped where the program folder is not built (the sanitizer build).
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/fonts.h"
#include "engine/text_draw.h"
#include "shell/env_param.h"

namespace {
// build/tests/engine/test_engine -> build/app/data/vitrel
std::filesystem::path generatedFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return exe.parent_path().parent_path().parent_path() / "app" / "data" / "vitrel";
}

std::vector<uint8_t> readBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

int16_t widthAt(const std::vector<uint8_t>& file, int slot, int c) {
  const size_t at = size_t(slot) * 512 + size_t(c) * 2;
  return int16_t(uint16_t(file[at] | (file[at + 1] << 8)));
}

// The alpha plane of a companion picture (alpha in blue), rows from the top.
struct AlphaPlane {
  int width = 0, height = 0;
  std::vector<uint8_t> a;
  uint8_t at(int x, int y) const { return a[size_t(y) * size_t(width) + size_t(x)]; }
};
AlphaPlane readCompanion(const std::filesystem::path& p) {
  const std::vector<uint8_t> d = readBytes(p);
  AlphaPlane plane;
  if (d.size() < 54) return plane;
  auto u32 = [&d](size_t o) { return uint32_t(d[o] | d[o + 1] << 8 | d[o + 2] << 16 | uint32_t(d[o + 3]) << 24); };
  const uint32_t offset = u32(10);
  const int32_t w = int32_t(u32(18)), h = int32_t(u32(22));
  const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
  if (w <= 0 || h <= 0 || offset + stride * size_t(h) > d.size()) return plane;
  plane.width = w;
  plane.height = h;
  plane.a.resize(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) plane.a[size_t(y) * size_t(w) + size_t(x)] = d[offset + stride * size_t(h - 1 - y) + size_t(x) * 3];
  return plane;
}

// Ink bounds (alpha above a half) inside a pixel rectangle; empty when right < left.
struct Ink {
  int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};
Ink inkIn(const AlphaPlane& p, int x0, int y0, int x1, int y1) {
  Ink ink;
  for (int y = std::max(y0, 0); y < std::min(y1, p.height); ++y)
    for (int x = std::max(x0, 0); x < std::min(x1, p.width); ++x)
      if (p.at(x, y) > 127) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

class FontFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = generatedFolder();
    if (!std::filesystem::exists(folder_ / "f.cwi")) GTEST_SKIP() << "no generated fonts in " << folder_;
    widths_ = readBytes(folder_ / "f.cwi");
  }
  std::filesystem::path folder_;
  std::vector<uint8_t> widths_;
};
}  // namespace

TEST_F(FontFilesTest, TheWidthFileHasSixTablesWithSlotTwoAsSlotOne) {
  ASSERT_EQ(widths_.size(), size_t(kFontWidthFileSize));
  for (int c = 0; c < 256; ++c) {
    ASSERT_EQ(widthAt(widths_, 2, c), widthAt(widths_, 1, c)) << "code " << c;
    ASSERT_EQ(widthAt(widths_, 4, c), 0) << "code " << c;
    ASSERT_EQ(widthAt(widths_, 5, c), 0) << "code " << c;
  }
  for (int slot : {0, 1, 3}) EXPECT_GT(widthAt(widths_, slot, 'A'), 0) << "slot " << slot;
}

// DejaVu's advances in font units (2,048 per em), as FreeType reports them: the listed widths
// keep their proportions, Windows-1252 codes mapped to their characters.
TEST_F(FontFilesTest, WidthsFollowFreeTypesAdvances) {
  ASSERT_EQ(widths_.size(), size_t(kFontWidthFileSize));
  struct Case {
    int slot;
    int code;
    int advance;
  };
  const Case cases[] = {
      // slot 1: DejaVu Sans
      {1, 'H', 1540}, {1, 'A', 1401}, {1, 'M', 1767}, {1, 'i', 569}, {1, 'm', 1995}, {1, '0', 1303},
      {1, ' ', 651},  {1, '*', 1024}, {1, 196, 1401}, {1, 223, 1290}, {1, 128, 1303},  // Ä, ß, euro
      // slot 0: DejaVu Sans Bold (capitals and digits; lower case is small capitals)
      {0, 'H', 1714}, {0, 'A', 1585}, {0, '0', 1425}, {0, '*', 1071}, {0, 196, 1585}, {0, 223, 1473},
  };
  for (const Case& k : cases) {
    const int reference = k.slot == 1 ? 1540 : 1714;  // "H"
    const double expected = widthAt(widths_, k.slot, 'H') * double(k.advance) / reference;
    EXPECT_NEAR(widthAt(widths_, k.slot, k.code), expected, 1.0) << "slot " << k.slot << " code " << k.code;
  }
  // Small capitals are listed as drawn: their capital at 0.85 x 1.1.
  for (int slot : {0, 3})
    for (int c : {int('a'), int('m'), 228})
      EXPECT_NEAR(widthAt(widths_, slot, c), widthAt(widths_, slot, c - 32) * 0.935, 0.51) << "slot " << slot << " code " << c;
}

// Each glyph's ink lies where the glyph drawing reads it: between the pen's start and its
// advance inside the texture window, so drawn and listed widths agree.
TEST_F(FontFilesTest, GlyphInkSitsInsideThePensAdvance) {
  ASSERT_EQ(widths_.size(), size_t(kFontWidthFileSize));
  for (int slot : {0, 1, 3})
    for (int c = 0; c < 256; ++c) fontSlots[slot].widths[c] = widthAt(widths_, slot, c);
  struct Case {
    int slot;
    const char* picture;
  };
  for (const Case& k : {Case{0, "font1a.bmp"}, Case{1, "font2a.bmp"}, Case{3, "font3a.bmp"}}) {
    const AlphaPlane plane = readCompanion(folder_ / k.picture);
    ASSERT_EQ(plane.width, 512) << k.picture;
    for (int c : {int('H'), int('M'), int('A'), int('0'), int('n'), int('W'), 196, 128}) {
      const TVTLFontGlyph g = fontGlyph(k.slot, uint8_t(c), 0.3f);
      if (g.character != c) continue;  // small capitals are drawn from their capital's cell
      const double tw = (g.window.u1 - g.window.u0) * plane.width;
      const double penStart = g.window.u0 * plane.width + 0.056 * tw;
      const double penEnd = penStart + 0.7 * tw;
      const int cellTop = (c / 16) * plane.height / 16, cellBottom = cellTop + plane.height / 16;
      const Ink ink = inkIn(plane, int(std::lround(c % 16 * 0.062383 * plane.width)), cellTop,
                            int(std::lround((c % 16 + 1) * 0.062383 * plane.width)), cellBottom);
      ASSERT_GE(ink.right, ink.left) << k.picture << " code " << c << ": no ink";
      EXPECT_GE(ink.left, penStart - 1) << k.picture << " code " << c;
      EXPECT_LE(ink.right + 1, penEnd + 1) << k.picture << " code " << c;
      EXPECT_GE(ink.right + 1 - ink.left, 0.55 * (penEnd - penStart)) << k.picture << " code " << c;
      // Vertically inside the window (v upwards from the picture's bottom).
      EXPECT_GE(ink.top, plane.height * (1 - g.window.v1) - 0.5) << k.picture << " code " << c;
      EXPECT_LE(ink.bottom + 1, plane.height * (1 - g.window.v0) + 0.5) << k.picture << " code " << c;
    }
  }
}

TEST_F(FontFilesTest, EverySymbolCellAControlCodeLeadsToHasInk) {
  const AlphaPlane plane = readCompanion(folder_ / "fonta.bmp");
  ASSERT_GT(plane.width, 0);
  const int32_t savedStyle = envParam.cardStyle;
  for (int style : {1, 2}) {
    envParam.cardStyle = style;
    for (int code = 0; code < 256; ++code) {
      if (code > 30 && code != 137 && code != 138) continue;
      const int32_t cell = symbolGlyphCell(iconGlyph(uint8_t(code)));
      const TVTLGlyphWindow w = symbolGlyphWindow(cell);
      const Ink ink = inkIn(plane, int(w.u0 * plane.width), int((1 - w.v1) * plane.height), int(w.u1 * plane.width),
                            int((1 - w.v0) * plane.height));
      if (cell == 0)
        EXPECT_LT(ink.right, ink.left) << "cell 0 is blank (code " << code << ")";
      else
        EXPECT_GE(ink.right, ink.left) << "code " << code << " leads to cell " << cell << ", which is empty";
    }
  }
  envParam.cardStyle = savedStyle;
}

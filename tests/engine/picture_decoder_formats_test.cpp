// The three picture readers on small pictures: the header variants they must read (row order,
// padding, pixel offset, image ID, origin, grey JPEG) and the files they must refuse.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/bmp_reader.h"
#include "engine/jpeg_reader.h"
#include "engine/tga_reader.h"
#include "tests/engine/picture_fixtures.h"

using namespace picfix;

namespace {
// Every pixel as colourAt gives it, in B, G, R order.
void expectColourAtPixels(const TBgrPicture& p, int32_t width, int32_t height, const std::string& label) {
  ASSERT_EQ(p.width, width) << label;
  ASSERT_EQ(p.height, height) << label;
  ASSERT_EQ(p.bgr.size(), size_t(width) * size_t(height) * 3) << label;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const Rgb want = colourAt(x, y);
      const uint8_t* got = p.pixel(x, y);
      EXPECT_EQ((Rgb{got[2], got[1], got[0]}), want) << label << " at " << x << "," << y;
    }
}

bool readBmpBytes(const std::vector<uint8_t>& f, TBgrPicture& p) {
  std::string error;
  return readBmp(f.data(), f.size(), p, error);
}
}  // namespace

TEST(PictureDecoderFormats, BmpVariantsThatRead) {
  struct Case {
    const char* label;
    BmpShape shape;
  };
  const Case cases[] = {
      {"odd width, bottom-up", {.width = 3, .height = 2}},
      {"odd width, top-down", {.width = 5, .height = 3, .topDown = true}},
      {"width 1 (three bytes of padding)", {.width = 1, .height = 4}},
      {"size fields that lie", {.fileSizeField = 0x38, .imageSizeField = 0xFFFFFFFF}},
      {"pixels after a gap", {.width = 2, .height = 2, .extraGap = 12}},
  };
  for (const Case& c : cases) {
    TBgrPicture p;
    std::string error;
    const std::vector<uint8_t> f = makeBmp(c.shape);
    ASSERT_TRUE(readBmp(f.data(), f.size(), p, error)) << c.label << ": " << error;
    expectColourAtPixels(p, c.shape.width, c.shape.height, c.label);
  }
}

TEST(PictureDecoderFormats, BmpLastRowWithoutPaddingReads) {
  std::vector<uint8_t> f = makeBmp({.width = 3, .height = 2});
  f.resize(f.size() - 3);  // 9 pixel bytes + 3 padding in the last row
  TBgrPicture p;
  ASSERT_TRUE(readBmpBytes(f, p));
  expectColourAtPixels(p, 3, 2, "no padding");
  f.pop_back();
  EXPECT_FALSE(readBmpBytes(f, p)) << "a pixel byte short";
  EXPECT_EQ(p.width, 0);
  EXPECT_TRUE(p.bgr.empty());
}

TEST(PictureDecoderFormats, BmpFilesThatAreRefused) {
  struct Case {
    const char* label;
    std::vector<uint8_t> bytes;
  };
  auto patched = [](size_t at, uint32_t value, bool wide = true) {
    std::vector<uint8_t> f = makeBmp({.width = 3, .height = 2});
    if (wide)
      put32(f, at, value);
    else
      put16(f, at, value);
    return f;
  };
  const Case cases[] = {
      {"8 bits per pixel", makeBmp({.bits = 8})},
      {"32 bits per pixel field", patched(28, 32, false)},
      {"compressed", patched(30, 1)},
      {"two planes", patched(26, 2, false)},
      {"width 0", patched(18, 0)},
      {"negative width", patched(18, uint32_t(-3))},
      {"height 0", patched(22, 0)},
      {"height beyond the file", patched(22, 4000)},
      {"width beyond the largest picture", patched(18, 20000)},
      {"height of int32 minimum", patched(22, 0x80000000u)},
      {"pixel offset past the end", patched(10, 1000)},
      {"pixel offset inside the header", patched(10, 20)},
      {"info header longer than the file", patched(14, 5000)},
      {"core header (12 bytes)", patched(14, 12)},
      {"no signature", [] {
         std::vector<uint8_t> f = makeBmp({});
         f[0] = 'P';
         return f;
       }()},
      {"header only", [] {
         std::vector<uint8_t> f = makeBmp({});
         f.resize(54);
         return f;
       }()},
      {"empty", {}},
  };
  for (const Case& c : cases) {
    TBgrPicture p;
    std::string error;
    EXPECT_FALSE(readBmp(c.bytes.data(), c.bytes.size(), p, error)) << c.label;
    EXPECT_FALSE(error.empty()) << c.label;
    EXPECT_TRUE(p.bgr.empty()) << c.label;
  }
}

TEST(PictureDecoderFormats, TgaVariantsThatRead) {
  for (uint8_t bits : {24, 32})
    for (uint8_t id : {0, 7})
      for (bool top : {false, true}) {
        const TgaShape shape{.width = 3, .height = 2, .bits = bits, .idLength = id, .fromTop = top};
        const std::string label = std::to_string(bits) + " bits, ID " + std::to_string(id) + (top ? ", from top" : ", from bottom");
        const std::vector<uint8_t> f = makeTga(shape);
        TBgrPicture p;
        ASSERT_EQ(readTga(f.data(), f.size(), p), TTgaResult::ok) << label;
        expectColourAtPixels(p, 3, 2, label);
      }
}

TEST(PictureDecoderFormats, TgaFilesThatAreRefused) {
  struct Case {
    const char* label;
    std::vector<uint8_t> bytes;
    TTgaResult want;
  };
  std::vector<uint8_t> shortPixels = makeTga({});
  shortPixels.pop_back();
  std::vector<uint8_t> longId = makeTga({});
  longId[0] = 200;  // the ID would run past the pixels
  const Case cases[] = {
      {"run-length compressed", makeTga({.imageType = 10}), TTgaResult::unrecognized},
      {"colour-mapped", makeTga({.imageType = 1, .colourMapType = 1}), TTgaResult::unrecognized},
      {"colour map with true colour", makeTga({.colourMapType = 1}), TTgaResult::unrecognized},
      {"16 bits", makeTga({.bits = 16}), TTgaResult::unrecognized},
      {"17-byte header", std::vector<uint8_t>(17, 0), TTgaResult::unrecognized},
      {"empty", {}, TTgaResult::unrecognized},
      {"a pixel byte short", shortPixels, TTgaResult::readError},
      {"image ID past the pixels", longId, TTgaResult::readError},
  };
  for (const Case& c : cases) {
    TBgrPicture p;
    EXPECT_EQ(int(readTga(c.bytes.data(), c.bytes.size(), p)), int(c.want)) << c.label;
    EXPECT_TRUE(p.bgr.empty()) << c.label;
  }
}

TEST(PictureDecoderFormats, JpegColourAndGrey) {
  TBgrPicture p;
  std::string error;
  const std::vector<uint8_t> colour = readBytes(fixturePath("colour.jpg"));
  ASSERT_TRUE(readJpeg(colour.data(), colour.size(), p, error)) << error;
  ASSERT_EQ(p.width, 5);
  ASSERT_EQ(p.height, 3);
  // Red at the top left, blue at the top right, green along the bottom (rows from the top).
  struct Probe {
    int32_t x, y;
    Rgb want;
  };
  for (const Probe& probe : {Probe{0, 0, {220, 30, 30}}, Probe{4, 0, {30, 30, 220}}, Probe{0, 2, {30, 200, 30}}}) {
    const uint8_t* got = p.pixel(probe.x, probe.y);
    const int dr = std::abs(got[2] - probe.want.r), dg = std::abs(got[1] - probe.want.g), db = std::abs(got[0] - probe.want.b);
    EXPECT_LT(dr + dg + db, 120) << "at " << probe.x << "," << probe.y << ": expected rgb " << int(probe.want.r) << ","
                                 << int(probe.want.g) << "," << int(probe.want.b) << ", got " << int(got[2]) << ","
                                 << int(got[1]) << "," << int(got[0]);
  }
  const std::vector<uint8_t> grey = readBytes(fixturePath("grey.jpg"));
  ASSERT_TRUE(readJpeg(grey.data(), grey.size(), p, error)) << error;
  ASSERT_EQ(p.width, 4);
  ASSERT_EQ(p.height, 4);
  for (int32_t y = 0; y < 4; ++y)
    for (int32_t x = 0; x < 4; ++x) {
      const uint8_t* g = p.pixel(x, y);
      EXPECT_TRUE(g[0] == g[1] && g[1] == g[2]) << "grey becomes three equal channels at " << x << "," << y;
    }
  EXPECT_LT(p.pixel(1, 0)[0], 100) << "dark top row";
  EXPECT_GT(p.pixel(1, 3)[0], 150) << "light bottom row";
}

TEST(PictureDecoderFormats, JpegFilesThatAreRefused) {
  const std::vector<uint8_t> colour = readBytes(fixturePath("colour.jpg"));
  ASSERT_GT(colour.size(), 100u);
  // The frame header's height and width follow its marker FF C0, length and precision.
  std::vector<uint8_t> huge = colour;
  for (size_t i = 0; i + 8 < huge.size(); ++i)
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = 0x7F;  // height 32,5xx
      break;
    }
  struct Case {
    const char* label;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"cut in the middle of the data", std::vector<uint8_t>(colour.begin(), colour.begin() + ptrdiff_t(colour.size() - 40))},
      {"only the start marker", std::vector<uint8_t>(colour.begin(), colour.begin() + 2)},
      {"a BMP", makeBmp({})},
      {"taller than the largest texture", huge},
      {"empty", {}},
  };
  for (const Case& c : cases) {
    TBgrPicture p;
    std::string error;
    EXPECT_FALSE(readJpeg(c.bytes.data(), c.bytes.size(), p, error)) << c.label;
    EXPECT_FALSE(error.empty()) << c.label;
    EXPECT_TRUE(p.bgr.empty()) << c.label;
    EXPECT_EQ(p.width, 0) << c.label;
  }
}

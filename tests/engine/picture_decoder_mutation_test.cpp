// The three picture readers fed every prefix of each fixture and seeded random mutations of
// it: no crash, no hang, and either a picture of the size its header gives or a failure.
#include <gtest/gtest.h>

#include <functional>

#include "engine/bmp_reader.h"
#include "engine/jpeg_reader.h"
#include "engine/tga_reader.h"
#include "platform/random.h"
#include "tests/engine/picture_fixtures.h"

using namespace picfix;

namespace {
// Reads the bytes; true with the picture on success.
using Reader = std::function<bool(const std::vector<uint8_t>&, TBgrPicture&)>;
// The size the bytes' header claims, when it can be read.
using HeaderSize = std::function<bool(const std::vector<uint8_t>&, int32_t&, int32_t&)>;

int32_t get16(const std::vector<uint8_t>& f, size_t at) { return f[at] | f[at + 1] << 8; }
int32_t get32(const std::vector<uint8_t>& f, size_t at) { return int32_t(uint32_t(get16(f, at)) | uint32_t(get16(f, at + 2)) << 16); }

struct Decoder {
  const char* name;
  Reader read;
  HeaderSize size;  // empty: the header's size is not checked (JPEG keeps it in a segment)
};

const Decoder kBmp{"BMP",
                   [](const std::vector<uint8_t>& f, TBgrPicture& p) {
                     std::string e;
                     return readBmp(f.data(), f.size(), p, e);
                   },
                   [](const std::vector<uint8_t>& f, int32_t& w, int32_t& h) {
                     if (f.size() < 26) return false;
                     w = get32(f, 18);
                     h = get32(f, 22);
                     if (h < 0) h = -h;
                     return true;
                   }};
const Decoder kTga{"TGA",
                   [](const std::vector<uint8_t>& f, TBgrPicture& p) { return readTga(f.data(), f.size(), p) == TTgaResult::ok; },
                   [](const std::vector<uint8_t>& f, int32_t& w, int32_t& h) {
                     if (f.size() < 18) return false;
                     w = get16(f, 12);
                     h = get16(f, 14);
                     return true;
                   }};
const Decoder kJpeg{"JPEG",
                    [](const std::vector<uint8_t>& f, TBgrPicture& p) {
                      std::string e;
                      return readJpeg(f.data(), f.size(), p, e);
                    },
                    nullptr};

void checkOne(const Decoder& d, const std::vector<uint8_t>& bytes, const std::string& label) {
  TBgrPicture p;
  if (!d.read(bytes, p)) {
    EXPECT_TRUE(p.bgr.empty()) << d.name << " " << label << ": a failure leaves no pixels";
    return;
  }
  ASSERT_EQ(p.bgr.size(), size_t(p.width) * size_t(p.height) * 3) << d.name << " " << label;
  int32_t w = 0, h = 0;
  if (d.size && d.size(bytes, w, h)) {
    EXPECT_EQ(p.width, w) << d.name << " " << label;
    EXPECT_EQ(p.height, h) << d.name << " " << label;
  }
}

void feedPrefixesAndMutations(const Decoder& d, const std::vector<uint8_t>& fixture, uint64_t seed) {
  for (size_t n = 0; n <= fixture.size(); ++n)
    checkOne(d, std::vector<uint8_t>(fixture.begin(), fixture.begin() + ptrdiff_t(n)), "prefix " + std::to_string(n));
  randomSeed(seed);
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> m = fixture;
    const int32_t changes = 1 + randomBelow(4);
    for (int32_t i = 0; i < changes; ++i) m[size_t(randomBelow(int32_t(m.size())))] = uint8_t(randomBelow(256));
    checkOne(d, m, "mutation " + std::to_string(round) + " of seed " + std::to_string(seed));
  }
}
}  // namespace

TEST(PictureDecoderMutation, BmpFixtures) {
  feedPrefixesAndMutations(kBmp, makeBmp({.width = 3, .height = 2}), 11);
  feedPrefixesAndMutations(kBmp, makeBmp({.width = 5, .height = 3, .topDown = true}), 12);
  feedPrefixesAndMutations(kBmp, makeBmp({.bits = 8}), 13);
}

TEST(PictureDecoderMutation, TgaFixtures) {
  feedPrefixesAndMutations(kTga, makeTga({.bits = 24}), 21);
  feedPrefixesAndMutations(kTga, makeTga({.bits = 32, .idLength = 5, .fromTop = true}), 22);
}

TEST(PictureDecoderMutation, JpegFixtures) {
  feedPrefixesAndMutations(kJpeg, readBytes(fixturePath("colour.jpg")), 31);
  feedPrefixesAndMutations(kJpeg, readBytes(fixturePath("grey.jpg")), 32);
}

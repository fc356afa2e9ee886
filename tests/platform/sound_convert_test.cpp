// The sample converter that lays voices and effects out for the device.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sound_convert.h"

namespace {
std::vector<uint8_t> le16(std::initializer_list<int16_t> values) {
  std::vector<uint8_t> b;
  for (int16_t v : values) {
    b.push_back(uint8_t(uint16_t(v) & 0xff));
    b.push_back(uint8_t(uint16_t(v) >> 8));
  }
  return b;
}
std::vector<int16_t> convert(const SndFormat& f, const std::vector<uint8_t>& b, int rate, int channels) {
  return convertPcm(f, b.data(), b.size(), rate, channels);
}
}  // namespace

TEST(SoundConvert, LayoutsAndRates) {
  using V = std::vector<int16_t>;
  const auto mono16 = le16({0, 1000, -2000});
  // Same rate, mono to both sides.
  EXPECT_EQ(convert({22050, 1, 16}, mono16, 22050, 2), (V{0, 0, 1000, 1000, -2000, -2000}));
  // Twice the rate: the new frames lie halfway; the last frame holds.
  EXPECT_EQ(convert({22050, 1, 16}, mono16, 44100, 1), (V{0, 500, 1000, -500, -2000, -2000}));
  // Half the rate takes every other frame.
  EXPECT_EQ(convert({44100, 1, 16}, le16({10, 20, 30, 40}), 22050, 1), (V{10, 30}));
  // Stereo keeps its sides; to mono it is their mean.
  EXPECT_EQ(convert({44100, 2, 16}, le16({100, -100, 300, 500}), 44100, 2), (V{100, -100, 300, 500}));
  EXPECT_EQ(convert({44100, 2, 16}, le16({100, -100, 300, 500}), 44100, 1), (V{0, 400}));
  // 8-bit samples are unsigned around 128.
  EXPECT_EQ(convert({8000, 1, 8}, {128, 255, 0}, 8000, 1), (V{0, 127 * 256, -128 * 256}));
  // Extremes survive interpolation without wrapping (halfway rounds down).
  EXPECT_EQ(convert({1, 1, 16}, le16({32767, -32768}), 2, 1), (V{32767, -1, -32768, -32768}));
}

TEST(SoundConvert, PartialFramesAndBadFormatsGiveNothingExtra) {
  const auto odd = le16({5, 6, 7});  // one and a half stereo frames
  EXPECT_EQ(convert({44100, 2, 16}, odd, 44100, 2).size(), 2u);
  std::vector<uint8_t> oneByte{1};
  EXPECT_TRUE(convert({44100, 1, 16}, oneByte, 44100, 2).empty());
  const struct {
    SndFormat f;
    int rate, channels;
  } bad[] = {{{0, 1, 16}, 44100, 2}, {{44100, 3, 16}, 44100, 2}, {{44100, 1, 24}, 44100, 2},
             {{44100, 1, 16}, 0, 2}, {{44100, 1, 16}, 44100, 6}};
  for (const auto& b : bad) EXPECT_TRUE(convert(b.f, le16({1, 2, 3, 4}), b.rate, b.channels).empty());
}

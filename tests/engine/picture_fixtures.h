// Small pictures made in memory for the decoder and texture tests: BMP and TGA bytes with the
// header variants the readers must handle, pixels chosen per position so that a row or
// channel mix-up shows, and the JPEG fixtures of tests/fixtures/pictures.
#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace picfix {

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

// A colour that differs in every channel by position (x, y from the top).
inline Rgb colourAt(int32_t x, int32_t y) {
  return {uint8_t(10 + 40 * x), uint8_t(20 + 30 * y), uint8_t(200 - 10 * x - 20 * y)};
}

inline void put16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  v[at] = uint8_t(x);
  v[at + 1] = uint8_t(x >> 8);
}
inline void put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  put16(v, at, x & 0xFFFF);
  put16(v, at + 2, x >> 16);
}

struct BmpShape {
  int32_t width = 3;
  int32_t height = 2;
  bool topDown = false;
  uint16_t bits = 24;
  uint32_t extraGap = 0;          // bytes between the headers and the pixels
  uint32_t fileSizeField = 0;     // written as is: readers must not trust it
  uint32_t imageSizeField = 0;
  Rgb (*pixel)(int32_t x, int32_t y) = colourAt;
};

// A BMP with a 40-byte info header; 8-bit files get a grey palette of 256 entries.
inline std::vector<uint8_t> makeBmp(const BmpShape& s) {
  const uint32_t palette = s.bits == 8 ? 1024 : 0;
  const uint32_t bytesPerPixel = s.bits / 8;
  const uint32_t rowBytes = (uint32_t(s.width) * bytesPerPixel + 3) & ~3u;
  const uint32_t offset = 54 + palette + s.extraGap;
  std::vector<uint8_t> f(offset + rowBytes * uint32_t(s.height), 0);
  f[0] = 'B';
  f[1] = 'M';
  put32(f, 2, s.fileSizeField);
  put32(f, 10, offset);
  put32(f, 14, 40);
  put32(f, 18, uint32_t(s.width));
  put32(f, 22, uint32_t(s.topDown ? -s.height : s.height));
  put16(f, 26, 1);
  put16(f, 28, s.bits);
  put32(f, 34, s.imageSizeField);
  for (uint32_t i = 0; i < palette / 4; ++i) f[54 + i * 4] = f[55 + i * 4] = f[56 + i * 4] = uint8_t(i);
  for (int32_t y = 0; y < s.height; ++y) {
    const int32_t fileRow = s.topDown ? y : s.height - 1 - y;
    uint8_t* row = &f[offset + rowBytes * uint32_t(fileRow)];
    for (int32_t x = 0; x < s.width; ++x) {
      const Rgb c = s.pixel(x, y);
      if (s.bits == 24) {
        row[x * 3] = c.b;
        row[x * 3 + 1] = c.g;
        row[x * 3 + 2] = c.r;
      } else {
        row[x] = c.g;
      }
    }
  }
  return f;
}

struct TgaShape {
  int32_t width = 3;
  int32_t height = 2;
  uint8_t bits = 24;
  uint8_t idLength = 0;
  bool fromTop = false;
  uint8_t imageType = 2;
  uint8_t colourMapType = 0;
};

inline std::vector<uint8_t> makeTga(const TgaShape& s) {
  const size_t bpp = s.bits / 8;
  std::vector<uint8_t> f(18 + s.idLength + size_t(s.width) * size_t(s.height) * bpp, 0);
  f[0] = s.idLength;
  f[1] = s.colourMapType;
  f[2] = s.imageType;
  put16(f, 12, uint32_t(s.width));
  put16(f, 14, uint32_t(s.height));
  f[16] = s.bits;
  f[17] = uint8_t((s.fromTop ? 0x20 : 0) | (s.bits == 32 ? 8 : 0));
  for (size_t i = 0; i < s.idLength; ++i) f[18 + i] = uint8_t(0xEE);  // an ID that is no pixel
  for (int32_t y = 0; y < s.height; ++y) {
    const int32_t fileRow = s.fromTop ? y : s.height - 1 - y;
    uint8_t* p = &f[18 + s.idLength + size_t(fileRow) * size_t(s.width) * bpp];
    for (int32_t x = 0; x < s.width; ++x, p += bpp) {
      const Rgb c = colourAt(x, y);
      const uint8_t bytes[4] = {c.b, c.g, c.r, 0x7F};
      std::copy(bytes, bytes + std::min<size_t>(bpp, 4), p);
    }
  }
  return f;
}

// Beside this header: tests/engine/../fixtures/pictures.
inline std::string fixturePath(const std::string& name) {
  return (std::filesystem::path(__FILE__).parent_path().parent_path() / "fixtures" / "pictures" / name).string();
}

inline std::vector<uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace picfix

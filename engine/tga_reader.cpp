// The TGA reader: uncompressed true-colour only, image ID skipped, origin bit honoured.
#include "engine/tga_reader.h"

#include <algorithm>

namespace {
constexpr size_t kHeaderBytes = 18;
constexpr uint8_t kTopOriginBit = 0x20;
}  // namespace

TTgaResult readTga(const uint8_t* data, size_t size, TBgrPicture& out) {
  out = TBgrPicture();
  if (size < kHeaderBytes) return TTgaResult::unrecognized;
  if (data[1] != 0 || data[2] != 2) return TTgaResult::unrecognized;
  const uint8_t bits = data[16];
  if (bits != 24 && bits != 32) return TTgaResult::unrecognized;
  const int32_t width = data[12] | data[13] << 8;
  const int32_t height = data[14] | data[15] << 8;
  const size_t bytesPerPixel = bits / 8;
  const size_t start = kHeaderBytes + data[0];  // the image ID comes before the pixels
  const size_t needed = size_t(width) * size_t(height) * bytesPerPixel;
  if (start > size || size - start < needed) return TTgaResult::readError;
  const bool fromTop = (data[17] & kTopOriginBit) != 0;
  out.width = width;
  out.height = height;
  out.bgr.resize(size_t(width) * size_t(height) * 3);
  for (int32_t y = 0; y < height; ++y) {
    const int32_t fileRow = fromTop ? y : height - 1 - y;
    const uint8_t* src = data + start + size_t(fileRow) * size_t(width) * bytesPerPixel;
    uint8_t* dst = &out.bgr[size_t(y) * size_t(width) * 3];
    for (int32_t x = 0; x < width; ++x, src += bytesPerPixel, dst += 3) std::copy(src, src + 3, dst);
  }
  return TTgaResult::ok;
}

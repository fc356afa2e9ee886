// The 24-bit BMP reader: every header field is checked against the file before it is used.
#include "engine/bmp_reader.h"

#include <fstream>
#include <iterator>

namespace {
constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;  // BITMAPINFOHEADER; later versions are longer

uint16_t get16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t get32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

bool fail(std::string& error, const char* why) {
  error = why;
  return false;
}
}  // namespace

bool readBmp(const uint8_t* data, size_t size, TBgrPicture& out, std::string& error) {
  out = TBgrPicture();
  if (size < kFileHeaderBytes + kInfoHeaderBytes) return fail(error, "shorter than a BMP header");
  if (data[0] != 'B' || data[1] != 'M') return fail(error, "no BMP signature");
  // Bytes 2..5 (file size) are not read: writers disagree on them.
  const uint32_t pixelOffset = get32(data + 10);
  const uint32_t infoBytes = get32(data + 14);
  if (infoBytes < kInfoHeaderBytes || infoBytes > size - kFileHeaderBytes) return fail(error, "unsupported BMP header");
  const int32_t width = int32_t(get32(data + 18));
  const int32_t rawHeight = int32_t(get32(data + 22));
  if (get16(data + 26) != 1) return fail(error, "BMP planes not 1");
  if (get16(data + 28) != 24) return fail(error, "BMP not 24 bits per pixel");
  if (get32(data + 30) != 0) return fail(error, "compressed BMP");
  // Bytes 34..37 (image size) are not read either: the rows are measured from the size.
  if (width <= 0 || width > kLargestPictureSide) return fail(error, "BMP width out of range");
  if (rawHeight == 0 || rawHeight < -kLargestPictureSide || rawHeight > kLargestPictureSide)
    return fail(error, "BMP height out of range");
  const bool topDown = rawHeight < 0;
  const int32_t height = topDown ? -rawHeight : rawHeight;
  if (pixelOffset < kFileHeaderBytes + infoBytes || pixelOffset > size) return fail(error, "BMP pixel offset out of range");
  const size_t rowBytes = (size_t(width) * 3 + 3) & ~size_t(3);
  // The last row's padding may be missing.
  const size_t needed = rowBytes * size_t(height - 1) + size_t(width) * 3;
  if (size - pixelOffset < needed) return fail(error, "BMP shorter than its rows");
  out.width = width;
  out.height = height;
  out.bgr.resize(size_t(width) * size_t(height) * 3);
  const size_t line = size_t(width) * 3;
  for (int32_t y = 0; y < height; ++y) {
    const int32_t fileRow = topDown ? y : height - 1 - y;
    const uint8_t* src = data + pixelOffset + rowBytes * size_t(fileRow);
    std::copy(src, src + line, out.bgr.begin() + ptrdiff_t(line * size_t(y)));
  }
  return true;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool readBmpFile(const std::string& path, TBgrPicture& out, std::string& error) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes)) {
    out = TBgrPicture();
    return fail(error, "cannot be read");
  }
  return readBmp(bytes.data(), bytes.size(), out, error);
}

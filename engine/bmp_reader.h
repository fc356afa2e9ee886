// The picture decoders' common result and the reader of 24-bit BMP files. Every reader checks
// a field before it trusts it: nothing is read outside the file and nothing is allocated
// beyond what the file can hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The largest side a decoded picture may have, in pixels.
inline constexpr int32_t kLargestPictureSide = 16384;

// A decoded picture: rows from the top, 3 bytes per pixel in B, G, R order, no padding.
struct TBgrPicture {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> bgr;  // width * height * 3

  const uint8_t* pixel(int32_t x, int32_t y) const { return &bgr[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
};

// A 24-bit uncompressed BMP (BITMAPINFOHEADER or later, rows bottom-up or top-down, rows padded
// to 4 bytes). The file-size and image-size fields are not read. False with a reason for any
// other file, including one too short for its rows.
bool readBmp(const uint8_t* data, size_t size, TBgrPicture& out, std::string& error);
// The whole file through readBmp; a file that cannot be opened is a failure too.
bool readBmpFile(const std::string& path, TBgrPicture& out, std::string& error);

// The bytes of a file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

// The build-time picture writer: BMP by hand, JPEG through libjpeg.
#include "tools/picture_writer.h"

#include <jpeglib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

TPicImage::TPicImage(int32_t w, int32_t h, TPicRgb fill)
    : width(std::max(w, 0)), height(std::max(h, 0)), rgb(size_t(width) * size_t(height) * 3), alpha(size_t(width) * size_t(height), 255) {
  for (size_t i = 0; i < rgb.size(); i += 3) {
    rgb[i] = fill.r;
    rgb[i + 1] = fill.g;
    rgb[i + 2] = fill.b;
  }
}

TPicRgb TPicImage::get(int32_t x, int32_t y) const {
  if (!inside(x, y)) return {0, 0, 0};
  const uint8_t* p = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
  return {p[0], p[1], p[2]};
}

void TPicImage::set(int32_t x, int32_t y, TPicRgb c) {
  if (!inside(x, y)) return;
  uint8_t* p = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
  p[0] = c.r;
  p[1] = c.g;
  p[2] = c.b;
}

void TPicImage::blend(int32_t x, int32_t y, TPicRgb c, float cover) {
  if (!inside(x, y)) return;
  set(x, y, mixColour(get(x, y), c, cover));
}

void TPicImage::setAlpha(int32_t x, int32_t y, uint8_t a) {
  if (inside(x, y)) alpha[size_t(y) * size_t(width) + size_t(x)] = a;
}

void TPicImage::fillRect(int32_t x, int32_t y, int32_t w, int32_t h, TPicRgb c) {
  for (int32_t j = std::max(y, 0); j < std::min(y + h, height); ++j)
    for (int32_t i = std::max(x, 0); i < std::min(x + w, width); ++i) set(i, j, c);
}

TPicRgb mixColour(TPicRgb a, TPicRgb b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  auto m = [t](uint8_t p, uint8_t q) { return uint8_t(p + (q - p) * t + 0.5f); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

namespace {
void put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void put32(std::vector<uint8_t>& v, uint32_t x) {
  put16(v, x & 0xFFFF);
  put16(v, x >> 16);
}

// pixelAt(x, y) gives B, G, R of a pixel.
template <typename PixelAt>
bool writeBmpRows(const std::string& path, int32_t w, int32_t h, PixelAt pixelAt) {
  const uint32_t rowBytes = (uint32_t(w) * 3 + 3) & ~3u;
  const uint32_t imageBytes = rowBytes * uint32_t(h);
  std::vector<uint8_t> f;
  f.reserve(54 + imageBytes);
  f.push_back('B');
  f.push_back('M');
  put32(f, 54 + imageBytes);
  put32(f, 0);
  put32(f, 54);
  put32(f, 40);
  put32(f, uint32_t(w));
  put32(f, uint32_t(h));
  put16(f, 1);
  put16(f, 24);
  put32(f, 0);
  put32(f, imageBytes);
  put32(f, 2835);
  put32(f, 2835);
  put32(f, 0);
  put32(f, 0);
  for (int32_t y = h - 1; y >= 0; --y) {
    const size_t start = f.size();
    for (int32_t x = 0; x < w; ++x) {
      const TPicRgb c = pixelAt(x, y);
      f.push_back(c.b);
      f.push_back(c.g);
      f.push_back(c.r);
    }
    while (f.size() - start < rowBytes) f.push_back(0);
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(f.data()), std::streamsize(f.size()));
  return bool(out);
}

bool writeJpegOf(const std::string& path, const TPicImage& image, int quality, bool grey) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = JDIMENSION(image.width);
  cinfo.image_height = JDIMENSION(image.height);
  cinfo.input_components = grey ? 1 : 3;
  cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, std::clamp(quality, 1, 100), TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<uint8_t> row(size_t(image.width) * 3);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* src = &image.rgb[size_t(cinfo.next_scanline) * size_t(image.width) * 3];
    if (grey) {
      for (int32_t x = 0; x < image.width; ++x)
        row[size_t(x)] = uint8_t((src[x * 3] * 299 + src[x * 3 + 1] * 587 + src[x * 3 + 2] * 114 + 500) / 1000);
    } else {
      std::copy(src, src + row.size(), row.begin());
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}
}  // namespace

bool writeBmp(const std::string& path, const TPicImage& image) {
  return writeBmpRows(path, image.width, image.height, [&](int32_t x, int32_t y) { return image.get(x, y); });
}

bool writeAlphaBmp(const std::string& path, const TPicImage& image) {
  return writeBmpRows(path, image.width, image.height, [&](int32_t x, int32_t y) {
    const uint8_t a = image.alpha[size_t(y) * size_t(image.width) + size_t(x)];
    return TPicRgb{a, a, a};
  });
}

bool writeJpeg(const std::string& path, const TPicImage& image, int quality) {
  return writeJpegOf(path, image, quality, false);
}

bool writeGreyJpeg(const std::string& path, const TPicImage& image, int quality) {
  return writeJpegOf(path, image, quality, true);
}

std::string alphaCompanionPath(const std::string& picturePath) {
  if (picturePath.size() < 4) return picturePath + "a.bmp";
  return picturePath.substr(0, picturePath.size() - 4) + "a.bmp";
}

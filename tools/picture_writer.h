// A small picture writer for the build-time picture generators: an RGB image in memory, drawn
// by code, written as a 24-bit BMP, as its alpha companion (alpha in every channel, read from
// blue) or as a JPEG through libjpeg.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TPicRgb {
  uint8_t r, g, b;
};

// Rows from the top, 3 bytes per pixel R, G, B; an alpha plane beside it for companions.
struct TPicImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgb;    // width * height * 3
  std::vector<uint8_t> alpha;  // width * height, 255 opaque; filled by the constructor

  TPicImage() = default;
  TPicImage(int32_t w, int32_t h, TPicRgb fill = {0, 0, 0});

  bool inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  TPicRgb get(int32_t x, int32_t y) const;
  void set(int32_t x, int32_t y, TPicRgb c);                  // outside: ignored
  void blend(int32_t x, int32_t y, TPicRgb c, float cover);   // c over the pixel by cover 0..1
  void setAlpha(int32_t x, int32_t y, uint8_t a);             // outside: ignored
  void fillRect(int32_t x, int32_t y, int32_t w, int32_t h, TPicRgb c);
};

// Linear mix of two colours, t 0..1.
TPicRgb mixColour(TPicRgb a, TPicRgb b, float t);

// The image as a 24-bit BMP (bottom-up rows padded to 4 bytes). False when it cannot be written.
bool writeBmp(const std::string& path, const TPicImage& image);
// The image's alpha plane as a grey 24-bit BMP: the engine reads the alpha from blue.
bool writeAlphaBmp(const std::string& path, const TPicImage& image);
// The image as a baseline JPEG of the given quality (1..100).
bool writeJpeg(const std::string& path, const TPicImage& image, int quality = 90);
// The same as grey JPEG (the luminance of each pixel).
bool writeGreyJpeg(const std::string& path, const TPicImage& image, int quality = 90);
// The alpha companion's name beside a picture: "back.bmp" -> "backa.bmp", "x.jpg" -> "xa.bmp".
std::string alphaCompanionPath(const std::string& picturePath);

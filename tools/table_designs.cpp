// The table designs and rooms drawn by code. The five designs between them show several table
// styles, mirror strengths and grey levels.
#include "tools/table_designs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

struct TDesign {
  TPicRgb cloth, wood, wall, floor;
  // param.txt: rund, reflection, tbreite, thoehe, kbreite, bbreite, bhoehe, blight, wbreite,
  // whoehe, wlight, gray, transparenz, ref_weg.
  int values[14];
};

const TDesign kDesigns[kTableDesigns] = {
    {{30, 110, 60}, {110, 70, 35}, {150, 130, 100}, {120, 90, 60}, {0, 0, 1, 1, 4, 10, 10, 50, 10, 10, 50, 30, 0, 40}},
    {{120, 30, 35}, {70, 45, 25}, {90, 110, 140}, {80, 80, 90}, {1, 30, 2, 2, 8, 12, 12, 60, 12, 12, 60, 50, 0, 55}},
    {{30, 60, 120}, {140, 100, 60}, {120, 90, 120}, {100, 70, 60}, {3, 45, 2, 2, 6, 14, 14, 70, 14, 14, 70, 20, 0, 30}},
    {{90, 70, 40}, {60, 40, 30}, {70, 100, 70}, {130, 120, 100}, {2, 20, 3, 3, 5, 10, 10, 40, 10, 10, 40, 70, 0, 60}},
    {{60, 60, 65}, {150, 150, 160}, {160, 150, 140}, {60, 60, 70}, {5, 60, 1, 1, 10, 16, 16, 80, 16, 16, 80, 40, 35, 50}},
};
const char* const kKeys[14] = {"rund=",   "reflection=", "tbreite=", "thoehe=", "kbreite=", "bbreite=",     "bhoehe=",
                               "blight=", "wbreite=",    "whoehe=",  "wlight=", "gray=",    "transparenz=", "ref_weg="};

const TDesign& design(int32_t n) { return kDesigns[std::clamp(n, 1, kTableDesigns) - 1]; }

// A repeatable noise value 0..1 of a pixel.
float noise(int32_t x, int32_t y, int32_t seed) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

TPicRgb shade(TPicRgb c, float f) {
  auto s = [f](uint8_t v) { return uint8_t(std::clamp(float(v) * f, 0.0f, 255.0f)); };
  return {s(c.r), s(c.g), s(c.b)};
}

}  // namespace

TPicImage tableTop(int32_t n, int32_t size) {
  TPicImage img(size, size);
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) img.set(x, y, shade(design(n).cloth, 0.88f + 0.2f * noise(x, y, n)));
  return img;
}

TPicImage tableInnerTop(int32_t n, int32_t size) {
  TPicImage img = tableTop(n, size);
  const float c = float(size) / 2;
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      const float r = std::hypot(x - c, y - c) / c;
      if (std::fabs(r - 0.8f) < 0.02f) img.set(x, y, shade(design(n).cloth, 1.4f));
    }
  return img;
}

TPicImage tableEdge(int32_t n, int32_t size) {
  TPicImage img(size, size / 4);
  for (int32_t y = 0; y < img.height; ++y)
    for (int32_t x = 0; x < size; ++x) {
      const float grain = 0.85f + 0.15f * std::sin(float(y) * 0.9f + 3 * std::sin(float(x) * 0.05f)) + 0.08f * noise(x, y, n);
      img.set(x, y, shade(design(n).wood, grain));
    }
  return img;
}

TPicImage tableLightMap(int32_t size) {
  TPicImage img(size, size);
  const float c = float(size) / 2;
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      const uint8_t g = uint8_t(std::clamp(235 - 110 * std::hypot(x - c, y - c) / c, 60.0f, 235.0f));
      img.set(x, y, {g, g, g});
    }
  return img;
}

TPicImage roomBackdrop(int32_t n, int32_t w, int32_t h) {
  TPicImage img(w, h);
  const TDesign& d = design(n);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      // A wall with panels above a darker skirting, lit from the middle.
      const float light = 1.1f - 0.5f * std::fabs(float(x) / float(w) - 0.5f);
      const bool panel = (x % (w / 6)) < w / 80 && y < h * 3 / 4;
      TPicRgb c = y > h * 3 / 4 ? shade(d.floor, 0.7f) : shade(d.wall, panel ? 0.75f : 1.0f);
      img.set(x, y, shade(c, light * (0.96f + 0.06f * noise(x, y, n + 10))));
    }
  return img;
}

TPicImage roomFloor(int32_t n, int32_t size) {
  TPicImage img(size, size);
  const int32_t plank = std::max(4, size / 8);
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      const int32_t row = y / plank;
      const bool seam = y % plank == 0 || (x + row * size / 3) % (size / 2) == 0;
      img.set(x, y, shade(design(n).floor, seam ? 0.6f : 0.9f + 0.15f * noise(x / 3, row, n)));
    }
  return img;
}

std::string tableParamText(int32_t n) {
  std::string text = "Tisch " + std::to_string(n) + "\r\n";
  for (int i = 0; i < 14; ++i) {
    char value[8];
    std::snprintf(value, sizeof value, "%02d", design(n).values[i] % 100);
    text += std::string(kKeys[i]) + value + "\r\n";
    if (i == 4 || i == 10) text += "// ---\r\n";
  }
  return text;
}

TPicImage scaledPicture(const TPicImage& src, int32_t w, int32_t h) {
  TPicImage img(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const int32_t x0 = x * src.width / w, x1 = std::max(x0 + 1, (x + 1) * src.width / w);
      const int32_t y0 = y * src.height / h, y1 = std::max(y0 + 1, (y + 1) * src.height / h);
      long acc[3] = {0, 0, 0}, count = 0;
      for (int32_t j = y0; j < y1; ++j)
        for (int32_t i = x0; i < x1; ++i, ++count) {
          const TPicRgb c = src.get(i, j);
          acc[0] += c.r;
          acc[1] += c.g;
          acc[2] += c.b;
        }
      img.set(x, y, {uint8_t(acc[0] / count), uint8_t(acc[1] / count), uint8_t(acc[2] / count)});
    }
  return img;
}

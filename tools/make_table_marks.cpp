// Draws the pictures the dialog build loads from "\data\bilder\" into a folder: the seat
// marks (skip "aussetz.jpg", turn "dran.jpg", draw "ziehen.jpg"), the two direction marks
// "r1.jpg" and "r2.jpg", the contract marks "f110.jpg" .. "f112.jpg", the credits' logos
// "logo1.jpg", "logo2.jpg", "logo3.bmp". Plain shapes drawn by code.
//   make_table_marks <folder>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/picture_writer.h"

namespace {

constexpr TPicRgb kWhite{250, 250, 245};
constexpr TPicRgb kRed{200, 30, 30};
constexpr TPicRgb kGreen{30, 150, 60};
constexpr TPicRgb kBlue{40, 80, 190};
constexpr TPicRgb kGold{236, 196, 84};
constexpr TPicRgb kInk{20, 16, 10};

// Signed inside test of a shape in unit coordinates (-1..1 over the picture).
template <typename Inside>
TPicImage shape(int32_t size, TPicRgb back, TPicRgb ink, Inside inside) {
  TPicImage img(size, size, back);
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      // Four samples per pixel for soft edges.
      float cover = 0;
      for (int s = 0; s < 4; ++s) {
        const float u = (x + 0.25f + 0.5f * float(s % 2)) / size * 2 - 1;
        const float v = (y + 0.25f + 0.5f * float(s / 2)) / size * 2 - 1;
        if (inside(u, v)) cover += 0.25f;
      }
      img.blend(x, y, ink, cover);
    }
  return img;
}

bool ring(float u, float v, float outer, float inner) {
  const float r = std::sqrt(u * u + v * v);
  return r <= outer && r >= inner;
}

// A circular arrow: a ring open at the top right, the head pointing down at the gap's end;
// mirrored for the other direction.
bool turnArrow(float u, float v, bool clockwise) {
  if (!clockwise) u = -u;
  const bool body = ring(u, v, 0.75f, 0.5f) && !(u > 0 && v < 0);
  const bool head = v >= -0.15f && v <= 0.25f && std::fabs(u - 0.62f) <= 0.33f * (0.25f - v) / 0.4f;
  return body || head;
}

// Suit-free contract marks: "N" for Null, "G" for Grand, a cross for Ramsch, from strokes.
bool stroke(float u, float v, float x0, float y0, float x1, float y1, float w) {
  const float dx = x1 - x0, dy = y1 - y0;
  float t = ((u - x0) * dx + (v - y0) * dy) / (dx * dx + dy * dy);
  t = t < 0 ? 0 : t > 1 ? 1 : t;
  const float ex = x0 + t * dx - u, ey = y0 + t * dy - v;
  return ex * ex + ey * ey <= w * w;
}

bool letterN(float u, float v) {
  return stroke(u, v, -0.45f, 0.6f, -0.45f, -0.6f, 0.12f) || stroke(u, v, -0.45f, -0.6f, 0.45f, 0.6f, 0.12f) ||
         stroke(u, v, 0.45f, 0.6f, 0.45f, -0.6f, 0.12f);
}

bool letterG(float u, float v) {
  const bool arc = ring(u, v, 0.65f, 0.42f) && !(u > 0.1f && v < 0.05f && v > -0.6f);
  return arc || stroke(u, v, 0.1f, 0.1f, 0.55f, 0.1f, 0.11f) || stroke(u, v, 0.55f, 0.1f, 0.55f, 0.5f, 0.11f);
}

bool cross(float u, float v) {
  return stroke(u, v, -0.55f, -0.55f, 0.55f, 0.55f, 0.13f) || stroke(u, v, -0.55f, 0.55f, 0.55f, -0.55f, 0.13f);
}

bool save(const std::string& folder, const char* name, const TPicImage& img) {
  const std::string path = folder + "/" + name;
  const std::string n(name);
  const bool ok = n.substr(n.size() - 4) == ".bmp" ? writeBmp(path, img) : writeJpeg(path, img);
  if (!ok) std::fprintf(stderr, "make_table_marks: cannot write %s\n", path.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_table_marks <folder>\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = true;
  // Skip: a barred circle; turn: a filled disc; draw: an arrow pointing down to the hand.
  ok &= save(dir, "aussetz.jpg", shape(64, kInk, kRed, [](float u, float v) {
               return ring(u, v, 0.8f, 0.58f) || stroke(u, v, -0.5f, -0.5f, 0.5f, 0.5f, 0.12f);
             }));
  ok &= save(dir, "dran.jpg", shape(64, kInk, kGreen, [](float u, float v) { return ring(u, v, 0.7f, 0.0f); }));
  ok &= save(dir, "ziehen.jpg", shape(64, kInk, kBlue, [](float u, float v) {
               return stroke(u, v, 0.0f, -0.7f, 0.0f, 0.4f, 0.14f) || (v > 0.1f && v < 0.75f && std::fabs(u) < 0.75f - v);
             }));
  ok &= save(dir, "r1.jpg", shape(64, kInk, kGold, [](float u, float v) { return turnArrow(u, v, true); }));
  ok &= save(dir, "r2.jpg", shape(64, kInk, kGold, [](float u, float v) { return turnArrow(u, v, false); }));
  ok &= save(dir, "f110.jpg", shape(64, kWhite, kInk, letterN));
  ok &= save(dir, "f111.jpg", shape(64, kWhite, kInk, letterG));
  ok &= save(dir, "f112.jpg", shape(64, kWhite, kRed, cross));
  // Logos: a gold card outline, a green felt disc and a blue diamond.
  ok &= save(dir, "logo1.jpg", shape(128, kInk, kGold, [](float u, float v) {
               return std::fabs(u) < 0.5f && std::fabs(v) < 0.75f && !(std::fabs(u) < 0.4f && std::fabs(v) < 0.65f);
             }));
  ok &= save(dir, "logo2.jpg", shape(128, kInk, kGreen, [](float u, float v) { return ring(u, v, 0.85f, 0.0f); }));
  ok &= save(dir, "logo3.bmp",
             shape(128, kInk, kBlue, [](float u, float v) { return std::fabs(u) + std::fabs(v) < 0.85f; }));
  return ok ? 0 : 1;
}

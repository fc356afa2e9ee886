// Draws the engine's symbol picture "font.bmp" (with "fonta.bmp") by code: suit signs of both
// sets, the underline and the wide bar of the text mask, the selector arrows, and every other
// symbol a control code of a text leads to. Cell g is column g mod 16 and row 7 - g div 16
// (row 0 at the bottom); the glyph drawing reads 0.048 x 0.1111 of it, starting at
// (column x 0.062 + 0.003, row x 0.12 + 0.034).
//   make_symbols <output folder>
// [SECTION] shapes
// [SECTION] symbols
// [SECTION] picture

// Where a sign sits in its window: the font glyphs' capitals stand on about a fifth of the
// symbol quad's height, so the signs are raised to stand with them.
constexpr double kSignLeft = 0, kSignWidth = 1;
constexpr double kSignBottom = 0.2, kSignHeight = 0.8;
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/picture_writer.h"

namespace {

// [SECTION] shapes
//
// A symbol is a list of layers drawn in order, each a colour and a test whether a point of the
// cell's window (0..1 across, 0..1 upwards) lies inside. Edges are smoothed by sampling.

using Inside = std::function<bool(double x, double y)>;

struct Layer {
  TPicRgb colour;
  Inside inside;
};

struct Pt {
  double x, y;
};

Inside circle(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
Inside ellipse(double cx, double cy, double rx, double ry) {
  return [=](double x, double y) { return (x - cx) * (x - cx) / (rx * rx) + (y - cy) * (y - cy) / (ry * ry) <= 1; };
}
Inside rect(double x0, double y0, double x1, double y1) {
  return [=](double x, double y) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; };
}
Inside polygon(std::vector<Pt> p) {
  return [p](double x, double y) {
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++)
      if ((p[i].y > y) != (p[j].y > y) && x < (p[j].x - p[i].x) * (y - p[i].y) / (p[j].y - p[i].y) + p[i].x) in = !in;
    return in;
  };
}
// A stroke of half-width r along the segment a-b.
Inside segment(Pt a, Pt b, double r) {
  return [=](double x, double y) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    const double px = a.x + t * dx - x, py = a.y + t * dy - y;
    return px * px + py * py <= r * r;
  };
}
Inside ring(double cx, double cy, double r, double width) {
  return [=](double x, double y) {
    const double d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy));
    return d <= r && d >= r - width;
  };
}
Inside any(std::vector<Inside> parts) {
  return [parts](double x, double y) {
    for (const Inside& p : parts)
      if (p(x, y)) return true;
    return false;
  };
}
Inside without(Inside a, Inside b) {
  return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}
// The shape grown by d in every direction (for outlines drawn under it).
Inside grown(Inside a, double d) {
  return [a, d](double x, double y) {
    for (int k = 0; k < 8; ++k) {
      const double t = k * 3.14159265358979 / 4;
      if (a(x + d * std::cos(t), y + d * std::sin(t))) return true;
    }
    return a(x, y);
  };
}

constexpr TPicRgb kWhite{245, 245, 245};
constexpr TPicRgb kDark{30, 30, 34};
constexpr TPicRgb kRed{215, 30, 38};
constexpr TPicRgb kGreen{40, 150, 60};
constexpr TPicRgb kYellow{235, 185, 40};
constexpr TPicRgb kBrown{150, 95, 40};

// A filled sign with a dark rim, so that it reads on light and dark panels alike.
std::vector<Layer> outlined(TPicRgb fill, Inside shape) { return {{kDark, grown(shape, 0.05)}, {fill, shape}}; }

// [SECTION] symbols

Inside heartShape() {
  return any({circle(0.33, 0.62, 0.17), circle(0.67, 0.62, 0.17),
              polygon({{0.17, 0.58}, {0.83, 0.58}, {0.5, 0.18}})});
}
Inside diamondShape() { return polygon({{0.5, 0.9}, {0.82, 0.52}, {0.5, 0.12}, {0.18, 0.52}}); }
Inside spadeShape() {
  return any({circle(0.33, 0.46, 0.16), circle(0.67, 0.46, 0.16), polygon({{0.17, 0.5}, {0.83, 0.5}, {0.5, 0.88}}),
              polygon({{0.5, 0.45}, {0.64, 0.14}, {0.36, 0.14}})});
}
Inside clubShape() {
  return any({circle(0.5, 0.68, 0.15), circle(0.3, 0.46, 0.15), circle(0.7, 0.46, 0.15), rect(0.45, 0.4, 0.55, 0.62),
              polygon({{0.5, 0.45}, {0.64, 0.14}, {0.36, 0.14}})});
}
// The German set: acorn, leaf, heart and bell.
std::vector<Layer> acorn() {
  std::vector<Layer> l = outlined(kBrown, ellipse(0.5, 0.42, 0.2, 0.27));
  const std::vector<Layer> cap = outlined(kYellow, without(ellipse(0.5, 0.66, 0.27, 0.14), rect(0, 0, 1, 0.6)));
  l.insert(l.end(), cap.begin(), cap.end());
  l.push_back({kDark, segment({0.5, 0.78}, {0.5, 0.9}, 0.04)});
  return l;
}
std::vector<Layer> leaf() {
  std::vector<Layer> l = outlined(kGreen, any({ellipse(0.5, 0.55, 0.26, 0.33), polygon({{0.5, 0.95}, {0.4, 0.8}, {0.6, 0.8}})}));
  l.push_back({kDark, segment({0.5, 0.12}, {0.5, 0.8}, 0.025)});
  return l;
}
std::vector<Layer> bell() {
  std::vector<Layer> l = outlined(kYellow, circle(0.5, 0.5, 0.3));
  l.push_back({kDark, rect(0.22, 0.47, 0.78, 0.53)});
  l.push_back({kDark, circle(0.5, 0.32, 0.06)});
  l.push_back({kDark, segment({0.5, 0.8}, {0.5, 0.9}, 0.04)});
  return l;
}

struct Symbol {
  int cell;
  std::vector<Layer> layers;
  bool wholeWindow = false;  // the underline and the bar stretch over the whole window
};

std::vector<Symbol> symbols() {
  const Inside arrowRight = polygon({{0.25, 0.15}, {0.8, 0.5}, {0.25, 0.85}});
  const Inside arrowLeft = polygon({{0.75, 0.15}, {0.2, 0.5}, {0.75, 0.85}});
  return {
      // Suits: clubs, spades, hearts, diamonds; the second set acorn, leaf, heart, bell.
      {120, outlined(kWhite, clubShape())},
      {121, outlined(kWhite, spadeShape())},
      {122, outlined(kRed, heartShape())},
      {123, outlined(kRed, diamondShape())},
      {115, acorn()},
      {116, leaf()},
      {117, outlined(kRed, heartShape())},
      {118, bell()},
      // The mask's underline and the wide bar: full width, so that the quads stretch them.
      {119, {{kWhite, rect(0, 0.08, 1, 0.16)}}, true},
      {107, {{kWhite, rect(0, 0.38, 1, 0.62)}}, true},
      // The selector arrows (chr(28) right, chr(29) left).
      {33, outlined(kWhite, arrowRight)},
      {34, outlined(kWhite, arrowLeft)},
      // chr(1): a lost seat, a crossed circle.
      {109, {{kWhite, ring(0.5, 0.5, 0.36, 0.09)}, {kRed, segment({0.28, 0.28}, {0.72, 0.72}, 0.06)}}},
      // chr(2), chr(3): a play mark and a dot.
      {110, outlined(kWhite, polygon({{0.3, 0.2}, {0.78, 0.5}, {0.3, 0.8}}))},
      {111, outlined(kWhite, circle(0.5, 0.5, 0.22))},
      // chr(4): an empty bubble's dots.
      {100, {{kWhite, any({circle(0.25, 0.3, 0.07), circle(0.5, 0.3, 0.07), circle(0.75, 0.3, 0.07)})}}},
      // chr(6), chr(7): a person and a computer.
      {98, outlined(kWhite, any({circle(0.5, 0.68, 0.14), ellipse(0.5, 0.22, 0.3, 0.22)}))},
      {102, {{kWhite, without(rect(0.15, 0.35, 0.85, 0.85), rect(0.22, 0.42, 0.78, 0.78))},
             {kWhite, rect(0.4, 0.2, 0.6, 0.35)},
             {kWhite, rect(0.25, 0.12, 0.75, 0.2)}}},
      // chr(11), chr(14), chr(15), chr(16): arrows up, down, left, right.
      {124, outlined(kWhite, polygon({{0.15, 0.3}, {0.5, 0.8}, {0.85, 0.3}}))},
      {125, outlined(kWhite, polygon({{0.15, 0.7}, {0.5, 0.2}, {0.85, 0.7}}))},
      {126, outlined(kWhite, arrowLeft)},
      {127, outlined(kWhite, arrowRight)},
      // chr(17): ready, a check mark; chr(18): waiting, an hourglass.
      {94, {{kGreen, any({segment({0.18, 0.5}, {0.4, 0.25}, 0.08), segment({0.4, 0.25}, {0.82, 0.8}, 0.08)})}}},
      {95, outlined(kYellow, any({polygon({{0.25, 0.85}, {0.75, 0.85}, {0.5, 0.5}}),
                                  polygon({{0.25, 0.15}, {0.75, 0.15}, {0.5, 0.5}})}))},
      // chr(19) and chr(137): an open diamond; chr(138): a star.
      {105, {{kWhite, without(diamondShape(), polygon({{0.5, 0.75}, {0.68, 0.52}, {0.5, 0.28}, {0.32, 0.52}}))}}},
      {106, outlined(kYellow, polygon({{0.5, 0.9}, {0.59, 0.62}, {0.88, 0.62}, {0.65, 0.44}, {0.74, 0.15},
                                       {0.5, 0.33}, {0.26, 0.15}, {0.35, 0.44}, {0.12, 0.62}, {0.41, 0.62}}))},
  };
}

// [SECTION] picture

// Where a sign sits in its window: the font glyphs' capitals stand on about a fifth of the
// symbol quad's height, so the signs are raised to stand with them.
constexpr double kSignLeft = 0, kSignWidth = 1;
constexpr double kSignBottom = 0.2, kSignHeight = 0.8;

constexpr int kWidth = 512;
constexpr int kHeight = 256;  // the windows are then as wide as high as the quads drawing them
constexpr int kSamples = 4;   // per pixel and axis

void drawSymbol(const Symbol& s, TPicImage& pic) {
  const int column = s.cell % 16, row = 7 - s.cell / 16;
  const double u0 = column * 0.062 + 0.003, v0 = row * 0.12 + 0.034;
  const double du = 0.048, dv = 0.1111;
  const int px0 = int(std::floor(u0 * kWidth)), px1 = int(std::ceil((u0 + du) * kWidth));
  const int top = int(std::floor(kHeight - (v0 + dv) * kHeight)), bottom = int(std::ceil(kHeight - v0 * kHeight));
  for (int y = top; y < bottom; ++y)
    for (int x = px0; x < px1; ++x) {
      TPicRgb colour = pic.get(x, y);
      float alpha = float(pic.alpha[size_t(y) * size_t(kWidth) + size_t(x)]) / 255.0f;
      for (const Layer& l : s.layers) {
        int hits = 0;
        for (int j = 0; j < kSamples; ++j)
          for (int i = 0; i < kSamples; ++i) {
            const double tx = (x + (i + 0.5) / kSamples) / kWidth, ty = (kHeight - (y + (j + 0.5) / kSamples)) / kHeight;
            double sx = (tx - u0) / du, sy = (ty - v0) / dv;
            if (!s.wholeWindow) sx = (sx - kSignLeft) / kSignWidth, sy = (sy - kSignBottom) / kSignHeight;
            if (l.inside(sx, sy)) ++hits;
          }
        const float cover = float(hits) / (kSamples * kSamples);
        if (cover <= 0) continue;
        colour = alpha > 0 ? mixColour(colour, l.colour, cover) : l.colour;
        alpha = alpha + cover * (1 - alpha);
      }
      pic.set(x, y, colour);
      pic.setAlpha(x, y, uint8_t(std::lround(alpha * 255)));
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_symbols <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  TPicImage pic(kWidth, kHeight, {255, 255, 255});
  std::fill(pic.alpha.begin(), pic.alpha.end(), uint8_t(0));  // cell 0 and unused cells stay clear
  for (const Symbol& s : symbols()) drawSymbol(s, pic);
  const std::string path = folder + "/font.bmp";
  if (!writeBmp(path, pic) || !writeAlphaBmp(alphaCompanionPath(path), pic)) {
    std::fprintf(stderr, "make_symbols: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

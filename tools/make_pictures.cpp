// Draws the engine's plain pictures into a folder: the loading screen's background ("loadback.bmp"),
// the background under a running game's loading ("back.bmp"), the progress bar's frame and fill
// ("load0.jpg", "load1.jpg"), the title "Skat" with its alpha companion ("titel.bmp",
// "titela.bmp"; letters and suit signs rendered with FreeType from DejaVu), and "border.bmp",
// whose presence marks the engine's picture folder.
//   make_pictures <folder> [<DejaVu folder>]
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "tools/glyph_painter.h"
#include "tools/picture_writer.h"

namespace {
constexpr TPicRgb kFeltLight{34, 110, 66};
constexpr TPicRgb kFeltDark{8, 40, 24};
constexpr TPicRgb kGold{236, 196, 84};
constexpr TPicRgb kGoldDark{150, 104, 30};
constexpr TPicRgb kInk{20, 16, 10};

// A small hash for the felt's grain: the same picture at every build.
float grain(int32_t x, int32_t y) {
  uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return float((h ^ (h >> 16)) & 0xFF) / 255.0f;
}

// Green felt lit from the middle, darker towards the edges, with a fine grain.
TPicImage felt(int32_t w, int32_t h, float light) {
  TPicImage img(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const float dx = (x + 0.5f) / w - 0.5f, dy = (y + 0.5f) / h - 0.45f;
      const float shade = std::clamp(light - 1.6f * (dx * dx + dy * dy) + 0.05f * (grain(x, y) - 0.5f), 0.0f, 1.0f);
      img.set(x, y, mixColour(kFeltDark, kFeltLight, shade));
    }
  return img;
}

// A thin gold frame line around the picture at `inset` pixels.
void frameLine(TPicImage& img, int32_t inset, TPicRgb c) {
  for (int32_t x = inset; x < img.width - inset; ++x) {
    img.blend(x, inset, c, 0.8f);
    img.blend(x, img.height - 1 - inset, c, 0.8f);
  }
  for (int32_t y = inset; y < img.height - inset; ++y) {
    img.blend(inset, y, c, 0.8f);
    img.blend(img.width - 1 - inset, y, c, 0.8f);
  }
}

// The bar's frame: a dark groove with a light rim.
TPicImage barFrame() {
  TPicImage img(256, 16, {24, 24, 24});
  for (int32_t y = 0; y < img.height; ++y)
    for (int32_t x = 0; x < img.width; ++x) {
      const bool rim = x < 2 || y < 2 || x >= img.width - 2 || y >= img.height - 2;
      const float depth = 0.25f + 0.5f * float(y) / float(img.height);
      img.set(x, y, rim ? TPicRgb{170, 150, 110} : mixColour({10, 10, 10}, {60, 60, 60}, depth));
    }
  return img;
}

// The bar's fill: gold, lit along its upper third, a soft stripe every 16 pixels.
TPicImage barFill() {
  TPicImage img(256, 16);
  for (int32_t y = 0; y < img.height; ++y)
    for (int32_t x = 0; x < img.width; ++x) {
      const float v = float(y) / float(img.height - 1);
      const float lit = 1.0f - std::fabs(v - 0.3f) * 1.3f;
      const float stripe = (x % 16) < 8 ? 0.0f : 0.08f;
      img.set(x, y, mixColour(kGoldDark, kGold, std::clamp(lit - stripe, 0.0f, 1.0f)));
    }
  return img;
}

// The title: "Skat" in gold serif letters with a dark halo, the four suit signs beneath.
bool drawTitle(const std::string& fonts, TPicImage& img) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) return false;
  bool ok = true;
  {
    GlyphPainter p(lib);
    std::fill(img.alpha.begin(), img.alpha.end(), uint8_t(0));
    const std::u32string title = U"Skat";
    ok = p.open(fonts + "/DejaVuSerif-Bold.ttf", 150);
    if (ok) {
      const int32_t x = (img.width - p.width(title)) / 2;
      p.draw(img, title, x + 4, 250 + 5, kInk, kInk, 5, 0.7f);  // shadow and halo
      p.draw(img, title, x, 250, kGold, kGoldDark);
    }
    const std::u32string suits = U"\u2663 \u2660 \u2665 \u2666";
    ok = ok && p.open(fonts + "/DejaVuSans.ttf", 56);
    if (ok) {
      const int32_t x = (img.width - p.width(suits)) / 2;
      p.draw(img, suits, x + 2, 360 + 3, kInk, kInk, 3, 0.6f);
      // Clubs and spades dark, hearts and diamonds red: drawn one by one for their colours.
      int32_t cx = x;
      for (char32_t c : suits) {
        const std::u32string one(1, c);
        const bool red = c == U'\u2665' || c == U'\u2666';
        p.draw(img, one, cx, 360, red ? TPicRgb{214, 40, 36} : TPicRgb{245, 240, 228},
               red ? TPicRgb{150, 20, 20} : TPicRgb{200, 196, 186});
        cx += p.width(one);
      }
    }
  }
  FT_Done_FreeType(lib);
  return ok;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: make_pictures <folder> [<DejaVu folder>]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const std::string fonts = argc == 3 ? argv[2] : "/usr/share/fonts/truetype/dejavu";

  TPicImage loadBack = felt(512, 384, 0.95f);
  frameLine(loadBack, 10, kGoldDark);
  TPicImage back = felt(512, 384, 0.7f);
  TPicImage title(512, 400, kInk);  // dark under the edges the filter blends in
  if (!drawTitle(fonts, title)) {
    std::fprintf(stderr, "make_pictures: cannot render the title with the fonts in %s\n", fonts.c_str());
    return 1;
  }
  TPicImage border(8, 8, kGoldDark);

  bool ok = writeBmp(folder + "loadback.bmp", loadBack);
  ok = writeBmp(folder + "back.bmp", back) && ok;
  ok = writeJpeg(folder + "load0.jpg", barFrame(), 92) && ok;
  ok = writeJpeg(folder + "load1.jpg", barFill(), 92) && ok;
  ok = writeBmp(folder + "titel.bmp", title) && ok;
  ok = writeAlphaBmp(folder + "titela.bmp", title) && ok;
  ok = writeBmp(folder + "border.bmp", border) && ok;
  if (!ok) std::fprintf(stderr, "make_pictures: cannot write into %s\n", folder.c_str());
  return ok ? 0 : 1;
}

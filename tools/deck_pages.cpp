// The deck pages: rendering, finding the grid, cutting and scaling one card.
#include "tools/deck_pages.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

bool readPng(const std::string& path, TDeckPage& page) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGBA;
  page.width = int32_t(image.width);
  page.height = int32_t(image.height);
  page.rgba.assign(PNG_IMAGE_SIZE(image), 0);
  const bool ok = png_image_finish_read(&image, nullptr, page.rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return ok;
}

uint8_t alphaAt(const TDeckPage& p, int32_t x, int32_t y) { return p.rgba[(size_t(y) * size_t(p.width) + size_t(x)) * 4 + 3]; }

// The runs of lines (columns when `vertical`) that hold some opaque pixel. Decks with gaps
// between their cards show one run per card; decks whose cards touch show one run.
std::vector<std::pair<int32_t, int32_t>> opaqueRuns(const TDeckPage& p, bool vertical) {
  const int32_t n = vertical ? p.width : p.height, m = vertical ? p.height : p.width;
  std::vector<std::pair<int32_t, int32_t>> runs;
  int32_t start = -1;
  for (int32_t i = 0; i <= n; ++i) {
    bool opaque = false;
    for (int32_t j = 0; i < n && j < m && !opaque; ++j) opaque = (vertical ? alphaAt(p, i, j) : alphaAt(p, j, i)) > 128;
    if (opaque && start < 0) start = i;
    if (!opaque && start >= 0) {
      if (i - start > 4) runs.push_back({start, i});
      start = -1;
    }
  }
  return runs;
}

// The cells' edges: the opaque runs when there is one per cell, else equal parts of the page.
std::vector<int32_t> gridEdges(const TDeckPage& p, bool vertical, int32_t cells) {
  const auto runs = opaqueRuns(p, vertical);
  std::vector<int32_t> edges;
  if (int32_t(runs.size()) == cells) {
    for (const auto& r : runs) edges.push_back(r.first);
    edges.push_back(runs.back().second);
    return edges;
  }
  const int32_t extent = vertical ? p.width : p.height;
  for (int32_t i = 0; i <= cells; ++i) edges.push_back(int32_t(std::lround(double(extent) * i / cells)));
  return edges;
}

}  // namespace

bool renderDeckPage(const std::string& rsvg, const std::string& deckFile, const TDeckLayout& layout,
                    const std::string& scratch, TDeckPage& page) {
  const std::string command = "'" + rsvg + "' -w " + std::to_string(layout.renderWidth) + " '" + deckFile + "' -o '" +
                              scratch + "'";
  if (std::system(command.c_str()) != 0 || !readPng(scratch, page)) {
    std::fprintf(stderr, "make_card_pictures: cannot render %s\n", deckFile.c_str());
    return false;
  }
  std::remove(scratch.c_str());
  page.columnEdges = gridEdges(page, true, layout.columns);
  page.rowEdges = gridEdges(page, false, layout.rows);
  return true;
}

bool cutDeckCard(const TDeckPage& page, const TDeckLayout& layout, int32_t suit, int32_t value, int32_t w, int32_t h,
                 TPicImage& out) {
  const auto col = std::find(layout.rankOfColumn.begin(), layout.rankOfColumn.end(), value);
  const auto row = std::find(layout.suitOfRow.begin(), layout.suitOfRow.end(), suit);
  if (col == layout.rankOfColumn.end() || row == layout.suitOfRow.end()) return false;
  const size_t c = size_t(col - layout.rankOfColumn.begin()), r = size_t(row - layout.suitOfRow.begin());
  const double x0 = page.columnEdges[c], y0 = page.rowEdges[r];
  const double sx = double(page.columnEdges[c + 1] - x0) / w, sy = double(page.rowEdges[r + 1] - y0) / h;
  out = TPicImage(w, h, {255, 255, 255});
  // Each cell pixel averages the page pixels it covers (3 x 3 samples), over white.
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      double acc[3] = {0, 0, 0};
      for (int s = 0; s < 9; ++s) {
        const int32_t px = std::min(int32_t(x0 + (x + (s % 3 + 0.5) / 3) * sx), page.width - 1);
        const int32_t py = std::min(int32_t(y0 + (y + (s / 3 + 0.5) / 3) * sy), page.height - 1);
        const uint8_t* p = &page.rgba[(size_t(py) * size_t(page.width) + size_t(px)) * 4];
        const double a = p[3] / 255.0;
        for (int k = 0; k < 3; ++k) acc[k] += p[k] * a + 255 * (1 - a);
      }
      out.set(x, y, {uint8_t(acc[0] / 9 + 0.5), uint8_t(acc[1] / 9 + 0.5), uint8_t(acc[2] / 9 + 0.5)});
    }
  return true;
}

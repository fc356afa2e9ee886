// Makes the card table's pictures under "data\bilder": in each quality folder 1..3, at rising
// resolution, the card sheets kb0/kb1 (4 x 8 cells) and kbp0/kbp1 (4 x 5 cells) cut from the
// free SVG decks, and, drawn by code, the joker j0.jpg, the outline mask a.bmp, the plain card
// s0.jpg, the backs h0..h8.jpg with ha.bmp and the five table designs env1..env5; beside the
// folders the suit icons f11..f24.jpg and the display dialog's strips hl_tische.bmp,
// hl_raeume.bmp, hl_karten.bmp.
// Everything is drawn by code; the corner labels are rendered with FreeType from DejaVu.
//   make_card_pictures <bilder folder> <DejaVu folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tools/drawn_cards.h"
#include "tools/drawn_faces.h"
#include "tools/table_designs.h"

namespace {

// Sheet cell and picture sizes of the quality folders 1..3.
struct TLevel {
  int32_t cellW, cellH, texture, roomW, roomH;
};
constexpr TLevel kLevels[3] = {{96, 156, 128, 256, 128}, {144, 234, 256, 512, 256}, {192, 312, 512, 1024, 512}};

// Sheet 0 French, sheet 1 German; suits 1 clubs, 2 spades, 3 hearts, 4 diamonds.

// The face value of the sheets' ranks 1..8: seven, eight, nine, jack, queen, king, ten, ace.
constexpr int32_t kValueOfRank[9] = {0, 7, 8, 9, 11, 12, 13, 10, 1};

bool ok = true;

void save(const std::string& path, const TPicImage& img) {
  const bool bmp = path.size() > 4 && path.substr(path.size() - 4) == ".bmp";
  if (!(bmp ? writeBmp(path, img) : writeJpeg(path, img, 92))) {
    std::fprintf(stderr, "make_card_pictures: cannot write %s\n", path.c_str());
    ok = false;
  }
}

void saveMask(const std::string& path, const TPicImage& img) {
  if (!writeAlphaBmp(path, img)) {
    std::fprintf(stderr, "make_card_pictures: cannot write %s\n", path.c_str());
    ok = false;
  }
}

// The kb sheet (ranks 1..8: ace in the top row, clubs rightmost) and the kbp sheet (the two
// to the six: the six in the top row) of one deck at one level.
void writeSheets(const std::string& dir, int sheet, GlyphPainter& index, const TLevel& lv) {
  TPicImage kb(4 * lv.cellW, 8 * lv.cellH, {255, 255, 255}), kbp(4 * lv.cellW, 5 * lv.cellH, {255, 255, 255});
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 13; ++r) {
      const int32_t value = r <= 8 ? kValueOfRank[r] : r - 7;
      const TPicImage card = cardFace(index, sheet + 1, q, value, lv.cellW, lv.cellH);
      TPicImage& target = r <= 8 ? kb : kbp;
      const int32_t row = r <= 8 ? 8 - r : 13 - r;
      for (int32_t y = 0; y < lv.cellH; ++y)
        for (int32_t x = 0; x < lv.cellW; ++x) target.set((4 - q) * lv.cellW + x, row * lv.cellH + y, card.get(x, y));
    }
  save(dir + "/kb" + std::to_string(sheet) + ".jpg", kb);
  save(dir + "/kbp" + std::to_string(sheet) + ".jpg", kbp);
}

void writeDrawnCards(const std::string& dir, const TLevel& lv) {
  save(dir + "/j0.jpg", jokerCard(lv.cellW, lv.cellH));
  save(dir + "/s0.jpg", plainCard(lv.cellW, lv.cellH));
  saveMask(dir + "/a.bmp", cardOutline(lv.cellW, lv.cellH, {255, 255, 255}));
  for (int32_t k = 0; k < 9; ++k) save(dir + "/h" + std::to_string(k) + ".jpg", cardBack(k, lv.cellW, lv.cellH));
  saveMask(dir + "/ha.bmp", cardOutline(lv.cellW, lv.cellH, {255, 255, 255}));
}

void writeDesigns(const std::string& dir, const TLevel& lv) {
  for (int32_t n = 1; n <= kTableDesigns; ++n) {
    const std::string env = dir + "/env" + std::to_string(n);
    std::filesystem::create_directories(env);
    save(env + "/tisch.jpg", tableTop(n, lv.texture));
    save(env + "/tisch2.jpg", tableInnerTop(n, lv.texture));
    save(env + "/tisch3.jpg", tableEdge(n, lv.texture));
    save(env + "/tischlm.jpg", tableLightMap(lv.texture));
    save(env + "/out.jpg", roomBackdrop(n, lv.roomW, lv.roomH));
    save(env + "/boden.jpg", roomFloor(n, lv.texture));
    std::ofstream param(env + "/param.txt", std::ios::binary);
    param << tableParamText(n);
    if (!param) ok = false;
  }
}

// The display dialog's preview strips: one 64 x 64 tile per design, room or back.
void writeStrips(const std::string& dir) {
  TPicImage tables(64 * kTableDesigns, 64), rooms(64 * kTableDesigns, 64), backs(64 * 9, 64, {20, 16, 10});
  auto paste = [](TPicImage& strip, const TPicImage& tile, int32_t x0, int32_t y0) {
    for (int32_t y = 0; y < tile.height; ++y)
      for (int32_t x = 0; x < tile.width; ++x) strip.set(x0 + x, y0 + y, tile.get(x, y));
  };
  for (int32_t n = 1; n <= kTableDesigns; ++n) {
    paste(tables, scaledPicture(tableTop(n, 128), 64, 64), 64 * (n - 1), 0);
    paste(rooms, scaledPicture(roomBackdrop(n, 256, 128), 64, 64), 64 * (n - 1), 0);
  }
  for (int32_t k = 0; k < 9; ++k) paste(backs, scaledPicture(cardBack(k, 96, 156), 38, 62), 64 * k + 13, 1);
  save(dir + "/hl_tische.bmp", tables);
  save(dir + "/hl_raeume.bmp", rooms);
  save(dir + "/hl_karten.bmp", backs);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: make_card_pictures <bilder folder> <DejaVu folder>\n");
    return 2;
  }
  const std::string bilder = argv[1], fonts = argv[2];
  std::filesystem::create_directories(bilder);
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) {
    std::fprintf(stderr, "make_card_pictures: FreeType does not start\n");
    return 1;
  }
  {
    GlyphPainter index(lib);
    for (int level = 1; level <= 3 && ok; ++level) {
      const std::string dir = bilder + "/" + std::to_string(level);
      const TLevel& lv = kLevels[level - 1];
      if (!index.open(fonts + "/DejaVuSans-Bold.ttf", faceIndexPixels(lv.cellH))) {
        std::fprintf(stderr, "make_card_pictures: cannot open %s/DejaVuSans-Bold.ttf\n", fonts.c_str());
        ok = false;
        break;
      }
      std::filesystem::create_directories(dir);
      for (int sheet = 0; sheet < 2; ++sheet) writeSheets(dir, sheet, index, lv);
      writeDrawnCards(dir, lv);
      writeDesigns(dir, lv);
    }
  }
  FT_Done_FreeType(lib);
  for (int32_t style = 1; style <= 2; ++style)
    for (int32_t suit = 1; suit <= 4; ++suit)
      save(bilder + "/f" + std::to_string(style) + std::to_string(suit) + ".jpg", suitIcon(style, suit, 64));
  writeStrips(bilder);
  return ok ? 0 : 1;
}

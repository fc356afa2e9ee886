// The card pictures: where each face lies in the sheets, faces cut from sheets of the right
// and the wrong size, the cache files, and the pictures the build makes.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/cg.h"
#include "engine/error_log.h"
#include "engine/jpeg_reader.h"
#include "shell/env_param.h"
#include "table/card_sheet.h"
#include "table/table_pictures.h"
#include "tests/engine/temp_folder.h"

namespace {

// A sheet of cols x rows cells of w x h pixels; cell (c, r) is filled with blue 20c + 10,
// green 20r + 10, red `tag`.
TBgrPicture gridSheet(int32_t cols, int32_t rows, int32_t w, int32_t h, uint8_t tag) {
  TBgrPicture p;
  p.width = cols * w;
  p.height = rows * h;
  p.bgr.resize(size_t(p.width) * size_t(p.height) * 3);
  for (int32_t y = 0; y < p.height; ++y)
    for (int32_t x = 0; x < p.width; ++x) {
      uint8_t* px = &p.bgr[(size_t(y) * size_t(p.width) + size_t(x)) * 3];
      px[0] = uint8_t(20 * (x / w) + 10);
      px[1] = uint8_t(20 * (y / h) + 10);
      px[2] = tag;
    }
  return p;
}

TCardSheets goodSheets() {
  return {gridSheet(4, 8, 100, 100, 1), gridSheet(4, 5, 100, 100, 2), gridSheet(1, 1, 120, 130, 3)};
}

struct TCellCase {
  int32_t suit, rank;
  TCardSheetKind sheet;
  int32_t x, y;
};

TEST(CardSheet, FacesLieInTheirCells) {
  const TCellCase cases[] = {
      {1, 8, kSheetMain, 300, 0},    // ace of clubs: top row, rightmost
      {4, 1, kSheetMain, 0, 700},    // seven of diamonds: bottom row, leftmost
      {2, 6, kSheetMain, 200, 200},  // king of spades
      {3, 7, kSheetMain, 100, 100},  // ten of hearts
      {1, 13, kSheetLow, 300, 0},    // six of clubs: kbp's top row
      {4, 9, kSheetLow, 0, 400},     // two of diamonds: kbp's fifth row
      {3, 11, kSheetLow, 100, 200},  // four of hearts
      {1, 14, kSheetJoker, 0, 0},    // the joker
  };
  for (const TCellCase& c : cases) {
    const TSheetCell cell = cardSheetCell(c.suit, c.rank, 100.0f, 100.0f);
    EXPECT_EQ(cell.sheet, c.sheet) << "suit " << c.suit << " rank " << c.rank;
    EXPECT_EQ(cell.x, c.x) << "suit " << c.suit << " rank " << c.rank;
    EXPECT_EQ(cell.y, c.y) << "suit " << c.suit << " rank " << c.rank;
  }
}

TEST(CardSheet, ComposedFacesCarryTheirCellsPixels) {
  TCardImages images;
  std::vector<std::string> problems;
  composeCardImages(goodSheets(), false, images, problems);
  EXPECT_TRUE(problems.empty());
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 14; ++r) {
      const TBgrPicture& face = images[q][r];
      if (r == 14 && q > 1) {
        EXPECT_EQ(face.width, 0) << "the other suits share suit 1's joker";
        continue;
      }
      ASSERT_EQ(face.width, 100);
      ASSERT_EQ(face.height, 100);
      const TSheetCell cell = cardSheetCell(q, r, 100, 100);
      const uint8_t* px = face.pixel(99, 99);
      EXPECT_EQ(px[0], 20 * (cell.x / 100) + 10) << "suit " << q << " rank " << r;
      EXPECT_EQ(px[1], 20 * (cell.y / 100) + 10) << "suit " << q << " rank " << r;
      EXPECT_EQ(px[2], cell.sheet + 1) << "suit " << q << " rank " << r;
    }
}

TEST(CardSheet, SkatTakesOnlyRanksOneToEight) {
  TCardSheets sheets = goodSheets();
  sheets.low = sheets.joker = TBgrPicture();  // Skat reads neither
  TCardImages images;
  std::vector<std::string> problems;
  composeCardImages(sheets, true, images, problems);
  EXPECT_TRUE(problems.empty());
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 14; ++r) EXPECT_EQ(images[q][r].width, r <= 8 ? 100 : 0) << q << "/" << r;
}

struct TWrongCase {
  const char* what;
  TCardSheets sheets;
  int32_t firstEmptyRank, lastEmptyRank;  // the faces that show the plain card
};

TEST(CardSheet, AWrongOrMissingSheetLeavesItsFacesPlainWithOneLine) {
  const TBgrPicture kb = gridSheet(4, 8, 100, 100, 1), kbp = gridSheet(4, 5, 100, 100, 2);
  const TBgrPicture joker = gridSheet(1, 1, 100, 100, 3);
  const TWrongCase cases[] = {
      {"kb missing", {TBgrPicture(), kbp, joker}, 1, 14},
      {"kb not 4 x 8 cells", {gridSheet(1, 1, 401, 800, 1), kbp, joker}, 1, 14},
      {"kb too small for a cell", {gridSheet(1, 1, 3, 7, 1), kbp, joker}, 1, 14},
      {"kbp missing", {kb, TBgrPicture(), joker}, 9, 13},
      {"kbp of another cell", {kb, gridSheet(4, 5, 90, 100, 2), joker}, 9, 13},
      {"kbp 4 x 4 cells", {kb, gridSheet(4, 4, 100, 100, 2), joker}, 9, 13},
      {"j0 narrower than a cell", {kb, kbp, gridSheet(1, 1, 99, 100, 3)}, 14, 14},
      {"j0 lower than a cell", {kb, kbp, gridSheet(1, 1, 100, 99, 3)}, 14, 14},
  };
  for (const TWrongCase& c : cases) {
    TCardImages images;
    std::vector<std::string> problems;
    composeCardImages(c.sheets, false, images, problems);
    EXPECT_EQ(problems.size(), 1u) << c.what;
    for (int32_t r = 1; r <= 14; ++r) {
      const bool plain = r >= c.firstEmptyRank && r <= c.lastEmptyRank;
      EXPECT_EQ(images[1][r].width, plain ? 0 : 100) << c.what << ", rank " << r;
    }
  }
}

TEST(CardSheet, JpegWriterRoundTripsAndReportsAnUnwritableFile) {
  TempProgramFolder folder;
  const TBgrPicture face = gridSheet(2, 2, 16, 16, 200);
  const std::string path = folder.root() + "/face.jpg";
  ASSERT_TRUE(writeJpegFile(path, face));
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(readWholeFile(path, bytes));
  TBgrPicture back;
  std::string error;
  ASSERT_TRUE(readJpeg(bytes.data(), bytes.size(), back, error)) << error;
  EXPECT_EQ(back.width, 32);
  EXPECT_EQ(back.height, 32);
  EXPECT_NEAR(back.pixel(24, 24)[1], 30, 8);
  EXPECT_FALSE(writeJpegFile(folder.root() + "/no/such/folder/face.jpg", face));
  EXPECT_FALSE(writeJpegFile(path, TBgrPicture()));
}

// kbladen and lkb in a program folder of their own, without a GL context.
class CardPictureLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    resetErrorLog();
    setErrorLogFile(programPath("\\errors.txt"));
    std::filesystem::create_directories(programPath("\\data\\bilder\\1"));
    savedGame = cg.gameId;
    cg.gameId = gidSkat;
    envParam.cardStyle = 1;
  }
  void TearDown() override {
    cg.gameId = savedGame;
    resetErrorLog();
  }
  void writeSheet(const TBgrPicture& sheet) {
    ASSERT_TRUE(writeJpegFile(programPath("\\data\\bilder\\1\\kb0.jpg"), sheet));
  }
  TempProgramFolder folder;
  TGameId savedGame = gidNone;
};

TEST_F(CardPictureLoading, AWrongSizedSheetLogsOneLineAndCutsNothing) {
  writeSheet(gridSheet(1, 1, 402, 800, 1));
  kbladen();
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 8; ++r) EXPECT_EQ(cardImages[q][r].width, 0);
  const std::string log = folder.read("\\errors.txt");
  EXPECT_NE(log.find("card sheet kb missing or of the wrong size (402 x 800)"), std::string::npos) << log;
  EXPECT_EQ(log.find("card sheet kb", log.find("card sheet kb") + 1), std::string::npos) << "one line only";
}

TEST_F(CardPictureLoading, FacesAreCachedAndAnUnwritableCacheIsLogged) {
  writeSheet(gridSheet(4, 8, 40, 64, 1));
  kbladen();
  EXPECT_FLOAT_EQ(cardPixelWidth, 40);
  EXPECT_FLOAT_EQ(cardPixelHeight, 64);
  std::filesystem::create_directories(programPath("\\data\\kb11.jpg"));  // a folder in the file's place
  lkb();
  EXPECT_TRUE(folder.exists("\\data\\kb48.jpg"));
  EXPECT_FALSE(folder.exists("\\data\\kb19.jpg")) << "Skat caches ranks 1 to 8 only";
  const std::string log = folder.read("\\errors.txt");
  EXPECT_NE(log.find("Card face cache not written"), std::string::npos) << log;
  EXPECT_NE(log.find("kb11.jpg"), std::string::npos) << log;
  EXPECT_EQ(cardImages[4][8].width, 0) << "lkb frees the faces";
}

TEST(TablePictures, DesignAndRoomFoldersReadOutOfRangeAsOne) {
  const TEnvParam saved = envParam;
  envParam.tableDesign = 7;
  envParam.roomNo = 3;
  loadTablePictures(true);
  const std::string level = "\\" + std::to_string(textureDetailLevel());
  EXPECT_EQ(envParam.tableDir, level + "\\env1");
  EXPECT_EQ(envParam.roomDir, level + "\\env3");
  envParam = saved;
}

#ifdef SKAT_BILDER_DIR
// Every picture the build makes, with a plausible size.
TEST(MadePictures, EveryFileExistsWithAPlausibleSize) {
  namespace fs = std::filesystem;
  std::vector<std::pair<std::string, uintmax_t>> files;
  for (const char* f : {"f11.jpg", "f12.jpg", "f13.jpg", "f14.jpg", "f21.jpg", "f22.jpg", "f23.jpg", "f24.jpg"})
    files.push_back({f, 500});
  for (const char* f : {"hl_tische.bmp", "hl_raeume.bmp", "hl_karten.bmp"}) files.push_back({f, 10000});
  for (int level = 1; level <= 3; ++level) {
    const std::string l = std::to_string(level) + "/";
    for (const char* f : {"kb0.jpg", "kb1.jpg", "kbp0.jpg", "kbp1.jpg"}) files.push_back({l + f, 20000});
    for (const char* f : {"j0.jpg", "s0.jpg", "a.bmp", "ha.bmp"}) files.push_back({l + f, 1000});
    for (int k = 0; k <= 8; ++k) files.push_back({l + "h" + std::to_string(k) + ".jpg", 1000});
    for (int n = 1; n <= 5; ++n)
      for (const char* f : {"tisch.jpg", "tisch2.jpg", "tisch3.jpg", "tischlm.jpg", "out.jpg", "boden.jpg", "param.txt"})
        files.push_back({l + "env" + std::to_string(n) + "/" + f, 100});
  }
  for (const auto& [name, least] : files) {
    const fs::path p = fs::path(SKAT_BILDER_DIR) / name;
    std::error_code ec;
    const uintmax_t size = fs::file_size(p, ec);
    EXPECT_FALSE(ec) << name << " missing";
    EXPECT_GE(size, least) << name;
  }
  // The sheets' cells: kb 4 x 8, kbp 4 x 5 of the same cell, rising with the level.
  int32_t lastWidth = 0;
  for (int level = 1; level <= 3; ++level) {
    TBgrPicture kb, kbp;
    std::vector<uint8_t> bytes;
    std::string error;
    const std::string dir = std::string(SKAT_BILDER_DIR) + "/" + std::to_string(level) + "/";
    ASSERT_TRUE(readWholeFile(dir + "kb1.jpg", bytes) && readJpeg(bytes.data(), bytes.size(), kb, error));
    ASSERT_TRUE(readWholeFile(dir + "kbp1.jpg", bytes) && readJpeg(bytes.data(), bytes.size(), kbp, error));
    EXPECT_TRUE(cardSheetFits({kb, kbp, kb}, kSheetLow)) << "level " << level;
    EXPECT_GT(kb.width, lastWidth);
    lastWidth = kb.width;
  }
}
#endif

}  // namespace

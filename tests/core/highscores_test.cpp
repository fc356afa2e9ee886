// Highscores: the file's byte layout, loading and saving with damaged files, the default
// tables, insertion and reset.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/highscores.h"
#include "platform/errors.h"
#include "tests/core/core_state_fixture.h"

namespace {

using HighscoreTest = CoreStateTest;

std::vector<uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

size_t entryAt(int game, int table, int slot) {
  return size_t(6720 * game + 2240 * (table - 1) + 112 * (slot - 1));
}

std::unique_ptr<THighscores> defaults() {
  auto hs = std::make_unique<THighscores>();
  resetAllHighscores(*hs);
  return hs;
}

TEST_F(HighscoreTest, EntryFieldsSitAtTheirOffsets) {
  auto hs = std::make_unique<THighscores>();
  resetAllHighscores(*hs);
  THighscoreEntry& e = (*hs)[13][2][7];
  e.place = 7;
  e.points = -123456;
  e.name = "Zoë";
  e.empty = 1;
  std::vector<uint8_t> b = highscoreImage(*hs);
  ASSERT_EQ(b.size(), 127680u);
  EXPECT_EQ(size_t(highscoreFileSize), 19u * 3 * 20 * 112);

  size_t at = entryAt(13, 2, 7);
  EXPECT_EQ(b[at], 7);
  EXPECT_EQ(b[at + 1] | b[at + 2] | b[at + 3], 0) << "padding after the place";
  EXPECT_EQ(int32_t(b[at + 4] | b[at + 5] << 8 | b[at + 6] << 16 | uint32_t(b[at + 7]) << 24), -123456);
  EXPECT_EQ(b[at + 8], 3) << "name length";
  EXPECT_EQ(b[at + 9], 'Z');
  EXPECT_EQ(b[at + 11], 0xEB) << "ë as one Windows-1252 byte";
  EXPECT_EQ(b[at + 109], 1) << "empty flag";
  EXPECT_EQ(b[at + 110] | b[at + 111], 0);
  // The neighbours: the slot before and the first slot of the next table and game.
  EXPECT_EQ(b[at - 112], 6);
  EXPECT_EQ(b[entryAt(13, 3, 1)], 1);
  EXPECT_EQ(b[entryAt(14, 1, 1)], 1);
  EXPECT_EQ(b[entryAt(18, 3, 20)], 20) << "last slot of game id 18";
}

TEST_F(HighscoreTest, SaveAndLoadRoundTrip) {
  resetAllHighscores(cg.highscores);
  ASSERT_EQ(insertHighscore(cg.highscores, gidSkat, 3, 5000, "Erika", false), 1);
  cg.saveHighscores();
  std::vector<uint8_t> saved = highscoreImage(cg.highscores);
  EXPECT_EQ(readBytes(hsPath()), saved);
  EXPECT_FALSE(std::filesystem::exists(hsPath() + ".tmp"));

  cg = blank();
  cg.loadHighscores();
  EXPECT_EQ(highscoreImage(cg.highscores), saved);
  EXPECT_EQ(cg.highscores[gidSkat][3][1].name.str(), "Erika");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(HighscoreTest, MissingFileStartsWithTheDefaultsWithoutNotice) {
  cg.loadHighscores();
  EXPECT_EQ(highscoreImage(cg.highscores), highscoreImage(*defaults()));
  EXPECT_EQ(readBytes(hsPath()).size(), 127680u);
  EXPECT_TRUE(boxes.empty());
}

// A file that was there but cannot be used is replaced by the defaults, with a notice.
TEST_F(HighscoreTest, DamagedFilesAreReplacedByTheDefaults) {
  std::vector<uint8_t> good = highscoreImage(*defaults());
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases = {
      {"empty file", {}},
      {"short by one byte", std::vector<uint8_t>(good.begin(), good.end() - 1)},
      {"long by one byte", good},
      {"all zeros", std::vector<uint8_t>(good.size(), 0)},
      {"place 0", good},
      {"place 21", good},
      {"name length 101", good},
      {"empty flag 2", good},
  };
  cases[2].bytes.push_back(0);
  cases[4].bytes[entryAt(5, 2, 3)] = 0;
  cases[5].bytes[entryAt(18, 3, 20)] = 21;
  cases[6].bytes[entryAt(0, 1, 1) + 8] = 101;
  cases[7].bytes[entryAt(9, 1, 10) + 109] = 2;

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.clear();
    cg = blank();
    writeBytes(hsPath(), c.bytes);
    cg.loadHighscores();
    EXPECT_EQ(highscoreImage(cg.highscores), good);
    ASSERT_EQ(boxes.size(), 1u) << "expected one notice";
    EXPECT_EQ(boxes[0].id, 0);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(readBytes(hsPath()), good) << "the file is replaced";
  }
}

TEST_F(HighscoreTest, PaddingAndLongNamesDoNotCountAsDamage) {
  std::vector<uint8_t> b = highscoreImage(*defaults());
  b[entryAt(1, 1, 1) + 1] = 0x55;      // padding the program never writes
  b[entryAt(1, 1, 2) + 8] = 100;       // a name of the full 100 characters
  writeBytes(hsPath(), b);
  cg.loadHighscores();
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(cg.highscores[1][1][2].name.len, 100);
}

TEST_F(HighscoreTest, SavingCreatesTheSettingsFolderAndReportsFailures) {
  cg.saveHighscores();
  EXPECT_EQ(readBytes(hsPath()).size(), 127680u);

  std::filesystem::remove(hsPath());
  std::filesystem::create_directories(hsPath() + "/blocked");
  EXPECT_THROW(cg.saveHighscores(), EInOutError);
  EXPECT_FALSE(std::filesystem::exists(hsPath() + ".tmp")) << "no temporary file left behind";
}

TEST_F(HighscoreTest, DefaultPoints) {
  struct Case { int game, table, rank; int32_t want; };
  const Case cases[] = {
      {gidSkat, 1, 1, 505},      // 500 + 3, to fives
      {gidSkat, 1, 10, 25},      // 10 + 17, to fives
      {gidHearts, 1, 1, 43},     // ascending from 40
      {gidHearts, 1, 10, 103},   // ... to 100
      {gidCanasta, 3, 1, 9020},  // 9,000 + 19, to tens
      {gidCanasta, 1, 3, 5280},  // 5,285 to tens: the half goes to even
      {gidCanasta, 3, 8, 5900},  // 5,895 to tens: the half goes to even
      {gidWar, 1, 1, 26},
      {gidOldMaid, 1, 5, 7},     // spread below 15: no irregularity
      {gidNone, 2, 4, 0},
  };
  for (const Case& c : cases) {
    int32_t got = defaultHighscorePoints(c.game, c.table, c.rank);
    EXPECT_EQ(got, c.want) << "game " << c.game << " table " << c.table << " rank " << c.rank
                           << ": expected " << c.want << ", got " << got;
  }
}

TEST_F(HighscoreTest, DefaultTablesAreRankedAndFilledWithPlaceholders) {
  auto hs = defaults();
  for (int g = 0; g < gidNone; g++)
    for (int t = 1; t <= 3; t++) {
      const THighscoreTable& table = (*hs)[g][t];
      for (int s = 2; s <= 10; s++) {
        bool ordered = g == gidHearts ? table[s].points >= table[s - 1].points
                                      : table[s].points <= table[s - 1].points;
        EXPECT_TRUE(ordered) << "game " << g << " table " << t << " slot " << s;
      }
      EXPECT_EQ(table[1].empty, 0);
      EXPECT_EQ(table[11].empty, 1);
      EXPECT_EQ(table[11].name.str(), "{f_highscore_leer}");
      EXPECT_EQ(table[20].place, 20);
    }
}

TEST_F(HighscoreTest, InsertionFindsItsPlace) {
  struct Case {
    const char* what;
    int game;
    int32_t value;
    int wantSlot;
  };
  auto hs = defaults();
  int32_t second = (*hs)[gidSkat][1][2].points;
  int32_t tenth = (*hs)[gidSkat][1][10].points;
  int32_t heartsThird = (*hs)[gidHearts][1][3].points;
  const Case cases[] = {
      {"above the best", gidSkat, 100000, 1},
      {"equal ranks above the entry", gidSkat, second, 2},
      {"equal to the tenth", gidSkat, tenth, 10},
      {"below the tenth", gidSkat, tenth - 1, 0},
      {"zero is never entered", gidWar, 0, 0},
      {"negative is never entered", gidWar, -5, 0},
      {"Hearts: zero penalty points lead", gidHearts, 0, 1},
      {"Hearts: equal ranks above", gidHearts, heartsThird, 3},
      {"Hearts: negative never", gidHearts, -1, 0},
  };
  for (const Case& c : cases) {
    auto t = defaults();
    int slot = insertHighscore(*t, c.game, 1, c.value, "Neu", c.game == gidHearts);
    EXPECT_EQ(slot, c.wantSlot) << c.what << ": expected slot " << c.wantSlot << ", got " << slot;
    if (slot == 0) {
      EXPECT_EQ(highscoreImage(*t), highscoreImage(*hs)) << c.what << " changed the table";
      continue;
    }
    EXPECT_EQ((*t)[c.game][1][slot].name.str(), "Neu") << c.what;
    EXPECT_EQ((*t)[c.game][1][slot].points, c.value) << c.what;
    EXPECT_EQ((*t)[c.game][1][slot].place, slot) << c.what;
  }
}

TEST_F(HighscoreTest, InsertionMovesTheLowerEntriesDown) {
  auto t = defaults();
  THighscoreTable before = (*t)[gidSkat][1];
  insertHighscore(*t, gidSkat, 1, before[3].points + 1, std::string(120, 'x'), false);
  const THighscoreTable& after = (*t)[gidSkat][1];
  EXPECT_EQ(after[3].name.len, 100) << "the name is cut to its field";
  for (int s = 4; s <= 10; s++) {
    EXPECT_EQ(after[s].points, before[s - 1].points) << "slot " << s;
    EXPECT_EQ(after[s].place, before[s - 1].place) << "places move with their entries";
  }
  EXPECT_EQ(after[11].empty, 1) << "the old tenth is dropped, slot 11 keeps its placeholder";
  EXPECT_EQ(after[2].points, before[2].points);
}

TEST_F(HighscoreTest, EnteringAResultSavesAndCongratulates) {
  resetAllHighscores(cg.highscores);
  std::string text = cg.enterHighscoreValue(gidWar, 1, 1000, "Erika", false);
  EXPECT_EQ(text, "{f_dialog_hs_habenplatz}{f_1st}{f_dialog_hs_platz}");
  EXPECT_EQ(readBytes(hsPath()), highscoreImage(cg.highscores));
  EXPECT_EQ(cg.enterHighscoreValue(gidWar, 1, 0, "Erika", false), "");
}

TEST_F(HighscoreTest, ResetFromTheDialogAsksFirst) {
  auto zero = std::make_unique<THighscores>();
  cg.gameId = gidSkat;
  answer = mbAnswerNo;
  cg.resetHighscores(true);
  EXPECT_EQ(highscoreImage(cg.highscores), highscoreImage(*zero));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].id, 1);

  boxes.clear();
  answer = mbAnswerYes;
  cg.resetHighscores(true);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].id, 6) << "the notice after the reset";
  EXPECT_EQ(cg.highscores[gidSkat][3][1].points, defaultHighscorePoints(gidSkat, 3, 1));
  EXPECT_EQ(cg.highscores[gidCanasta][1][1].points, 0) << "other games stay";
  EXPECT_FALSE(std::filesystem::exists(hsPath())) << "a reset is not written";
}

TEST_F(HighscoreTest, ResetInPokerTouchesOnlyTheVariantTable) {
  cg.gameId = gidPoker;
  cg.resetHighscores(true);
  EXPECT_NE(cg.highscores[gidPoker][1][1].points, 0);
  EXPECT_EQ(cg.highscores[gidPoker][2][1].points, 0);
  EXPECT_EQ(cg.highscores[gidPoker][3][1].points, 0);
}

TEST_F(HighscoreTest, DeveloperResetResetsEverythingWithoutQuestion) {
  cg.resetHighscores(false);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(highscoreImage(cg.highscores), highscoreImage(*defaults()));
}

}  // namespace

// Saved games: the main image's byte layout, the areas still missing from the full image,
// saving through temporary files, and loading that checks the whole image first.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/card_ai.h"
#include "core/game_state_image.h"
#include "core/saved_game.h"
#include "engine/dialogs.h"
#include "games/skat/skat_state.h"
#include "platform/paths.h"
#include "tests/core/driver_fixture.h"
#include "tests/support/cards.h"

namespace fs = std::filesystem;

namespace {

class SavedGameTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    cg.gameId = gidSkat;
    cg.seatCount = 3;
    playerCount = 3;
    base = programPath("\\save\\probe");
  }

  static std::vector<uint8_t> readAll(const std::string& name) {
    std::ifstream f(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  static void writeAll(const std::string& name, const std::vector<uint8_t>& b) {
    std::ofstream f(name, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
  }
  static int32_t i32At(const std::vector<uint8_t>& b, size_t at) {
    return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24);
  }

  std::string base;
};

// The areas the full image holds and the code does not hold yet. When an area is added to
// the game state, it leaves this list; when the list is empty, the image is 220,532 bytes.
const char* const missingAreas[] = {"Blackjack"};

TEST_F(SavedGameTest, AreasStillMissingFromTheFullImage) {
  size_t now = gameImageSize();
  ASSERT_LE(now, fullGameImageSize) << "the image outgrew the saved-game format";
  std::string names;
  for (const char* a : missingAreas) names += std::string(names.empty() ? "" : ", ") + a;
  std::printf("saved-game image: %zu of %zu bytes; %zu bytes missing for: %s\n", now, fullGameImageSize,
              fullGameImageSize - now, names.c_str());
  EXPECT_EQ(now == fullGameImageSize, std::size(missingAreas) == 0)
      << "the list of missing areas does not match the image size " << now;
}

TEST_F(SavedGameTest, MainFileLayoutAtTheNamedOffsets) {
  sp[1].count = 2;
  sp[1].stackNo = 1;
  sp[1].slots[1].card = card("sA#1");
  sp[1].slots[2].card = card("h10#2");
  inputState = 1;
  cg.seatRecords[2].kind = seatKindComputer;
  cg.lastPointerCode = 77;
  cg.gs.listOver = 1;
  cg.gs.gamesPlayed = 4;
  cg.gs.gameListValues[1][4] = -48;
  cg.gs.gameListTexts[4] = "Grand";
  skatGameArea().options.moneyRate = 3;
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  std::vector<uint8_t> b = readAll(base + ".ska");
  ASSERT_EQ(b.size(), gameImageSize());

  struct Case { size_t at; bool isByte; int32_t want; const char* what; };
  const Case cases[] = {
      {0, true, gidSkat, "gameId"},
      {4 + 676, true, rankAce, "seat record 1, card 1 rank"},
      {4 + 676 + 1, true, suitSpades, "seat record 1, card 1 suit"},
      {4 + 676 + 664, false, 2, "seat record 1 count"},
      {4 + 676 + 668, false, 1, "seat record 1 number"},
      {4 + 2 * 676 + 672, true, seatKindComputer, "seat record 2 kind"},
      {17764, true, 1, "inputState"},
      {17768, false, 3, "seatCount"},
      {17780, false, 77, "lastPointerCode"},
      {17784, true, 1, "gs.listOver"},
      {17796, false, 4, "gs.gamesPlayed"},
      {17804 + (201 + 4) * 4, false, -48, "gameListValues[1][4]"},
      {23432 + 4 * 201, true, 5, "length of gameListTexts[4]"},
  };
  for (const Case& c : cases) {
    int32_t got = c.isByte ? b[c.at] : i32At(b, c.at);
    EXPECT_EQ(got, c.want) << c.what << " at " << c.at << ": expected " << c.want << ", got " << got;
  }
  EXPECT_EQ(gameImageChipOffset(), b.size() - 256) << "the chip snapshot is the last 256 bytes";
  EXPECT_TRUE(fs::exists(base + "._ska")) << "the table panel's record";
  EXPECT_EQ(fs::file_size(base + "._ska"), 39928u);
  EXPECT_FALSE(fs::exists(base + ".xska")) << "no card-AI state for Skat";
}

TEST_F(SavedGameTest, OverwriteIsAskedAndNoLeavesTheFilesAlone) {
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  std::vector<uint8_t> before = readAll(base + ".ska");
  cg.gs.gamesPlayed = 9;
  answer = mbAnswerNo;
  EXPECT_FALSE(cg.saveGame(base, "probe", false)) << "declining is no file error";
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].id, 7);
  EXPECT_EQ(readAll(base + ".ska"), before);
  answer = mbAnswerYes;
  boxes.clear();
  EXPECT_FALSE(cg.saveGame(base, "probe", false));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].id, 8) << "the saved notice";
  EXPECT_NE(readAll(base + ".ska"), before);
}

TEST_F(SavedGameTest, AFailedSaveKeepsTheOldSaveWholeAndReportsTheFailure) {
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  std::vector<uint8_t> main = readAll(base + ".ska"), panel = readAll(base + "._ska");
  cg.gs.gamesPlayed = 9;
  fs::create_directory(base + "._ska.tmp");  // the panel's temporary file cannot be written
  EXPECT_TRUE(cg.saveGame(base, "probe", true)) << "a file error is reported";
  fs::remove(base + "._ska.tmp");
  EXPECT_EQ(readAll(base + ".ska"), main) << "the old main file stays";
  EXPECT_EQ(readAll(base + "._ska"), panel);
  EXPECT_FALSE(fs::exists(base + ".ska.tmp")) << "no temporary file is left";
}

TEST_F(SavedGameTest, ANameTheFileSystemRefusesIsAFailedSave) {
  std::string tooLong = programPath("\\save\\" + std::string(300, 'n'));
  bool failed = false;
  EXPECT_NO_THROW(failed = cg.saveGame(tooLong, "lang", false));
  EXPECT_TRUE(failed) << "the failure is reported";
  EXPECT_TRUE(boxes.empty()) << "no question and no saved notice";
}

struct TRefusingAI : TAbstractCardAIImpl {
  TRefusingAI() : TAbstractCardAIImpl("Test", gidHearts) {}
  void cleanup() override {}
  bool saveState(const std::string&) override { return false; }
};

TEST_F(SavedGameTest, ACardAIThatRefusesItsStateFailsTheSave) {
  cg.gameId = gidHearts;
  ASSERT_FALSE(cg.saveGame(base, "probe", true));  // no object yet: two files
  std::vector<uint8_t> main = readAll(base + ".hts");
  aiRegistry.push_back(std::make_unique<TRefusingAI>());
  cg.gs.gamesPlayed = 9;
  EXPECT_TRUE(cg.saveGame(base, "probe", true));
  EXPECT_EQ(readAll(base + ".hts"), main);
}

TEST_F(SavedGameTest, DamagedImagesChangeNothingAndTheUserIsTold) {
  sp[2].count = 1;
  sp[2].slots[1].card = card("dK#1");
  cg.gs.gamesPlayed = 2;
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  const std::vector<uint8_t> good = readAll(base + ".ska");

  struct Case {
    const char* what;
    void (*spoil)(std::vector<uint8_t>&);
  };
  const Case cases[] = {
      {"short", [](std::vector<uint8_t>& b) { b.resize(b.size() - 1); }},
      {"long", [](std::vector<uint8_t>& b) { b.push_back(0); }},
      {"another game", [](std::vector<uint8_t>& b) { b[0] = gidCanasta; }},
      {"card count above 166", [](std::vector<uint8_t>& b) { b[4 + 2 * 676 + 664] = 200; }},
      {"seat kind 9", [](std::vector<uint8_t>& b) { b[4 + 2 * 676 + 672] = 9; }},
      {"row text longer than its field", [](std::vector<uint8_t>& b) { b[23432] = 250; }},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bad = good;
    c.spoil(bad);
    writeAll(base + ".ska", bad);
    cg.gs.gamesPlayed = 7;
    sp[2].slots[1].card = card("c7#1");
    boxes.clear();
    EXPECT_FALSE(cg.loadGame(base)) << c.what;
    EXPECT_EQ(cg.gs.gamesPlayed, 7) << c.what << ": the running game stays";
    EXPECT_EQ(cardText(sp[2].slots[1].card), "c7") << c.what;
    EXPECT_EQ(boxes.size(), 1u) << c.what << ": the user is told";
  }
  writeAll(base + ".ska", good);
  EXPECT_TRUE(cg.loadGame(base));
  EXPECT_EQ(cg.gs.gamesPlayed, 2);
  EXPECT_EQ(cardText(sp[2].slots[1].card), "dK");
}

TEST_F(SavedGameTest, AMissingFileIsFalseWithoutChange) {
  cg.gs.gamesPlayed = 5;
  EXPECT_FALSE(cg.loadGame(programPath("\\save\\nichtda")));
  EXPECT_EQ(cg.gs.gamesPlayed, 5);
}

TEST_F(SavedGameTest, SkatModuleStateTravelsWithTheGame) {
  trickCards = handOf("cJ sJ");
  pendingSpecialGames = "BR";
  skatGameArea().currentBid = 23;
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  clearHand(trickCards);
  pendingSpecialGames = "";
  skatGameArea().currentBid = 0;
  ASSERT_TRUE(cg.loadGame(base));
  EXPECT_EQ(handText(trickCards), "cJ sJ");
  EXPECT_EQ(pendingSpecialGames.str(), "BR");
  EXPECT_EQ(skatGameArea().currentBid, 23);
  EXPECT_EQ(skatArea, &skatGameArea()) << "the Skat module works on the loaded area";
}

TEST_F(SavedGameTest, LoadingInTutorialModeLeavesThePanelRecordUnread) {
  ASSERT_FALSE(cg.saveGame(base, "probe", true));
  elementOf(dlgIPanel, elTableInfoText).x = 123;
  cg.gs.tutorialMode = 1;
  ASSERT_TRUE(cg.loadGame(base));
  EXPECT_EQ(elementOf(dlgIPanel, elTableInfoText).x, 123);
  cg.gs.tutorialMode = 0;
  ASSERT_TRUE(cg.loadGame(base));
  EXPECT_NE(elementOf(dlgIPanel, elTableInfoText).x, 123);
}

}  // namespace

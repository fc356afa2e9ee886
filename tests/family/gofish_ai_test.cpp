// Go Fish's computer players: the memory events, whom a player asks, the players rebuilt by
// the strengths of each new game, and the state file beside a saved game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/card_ai.h"
#include "platform/byte_io.h"
#include "platform/random.h"
#include "tests/family/gofish_fixture.h"

namespace {

class GoFishAITest : public GoFishFixture {
 protected:
  void SetUp() override {
    GoFishFixture::SetUp();
    playerCount = 3;
    cg.gameId = gidGoFish;
    freeCardAIs();
    createCardAIs();
    ASSERT_NE(ai(), nullptr);
  }
  void TearDown() override {
    freeCardAIs();
    GoFishFixture::TearDown();
  }
};

TEST_F(GoFishAITest, MemoryFollowsHandOversAndGoFish) {
  position({"c7", "cQ", "s7 sQ"}, "cA", 2, 1);
  TGoFishAI& a = *ai();
  goFishArea().asker = 1;
  a.karte_bewegt(2, 12, card("cQ"));
  a.karte_bewegt(12, 1, card("cQ"));
  a.karte_bewegt(12, 1, card("hQ"));
  EXPECT_EQ(a.memory[2][rankQueen], -1);
  EXPECT_EQ(a.memory[1][rankQueen], 2);
  a.karte_bewegt(101, 3, makeCard(rank7, 0));  // a question changes nothing
  a.karte_bewegt(1, 15, card("c7"));           // nor does a book
  EXPECT_EQ(a.memory[1][rank7], 0);
  a.karte_bewegt(3, 3, makeCard(rank7, int8_t(255)));
  EXPECT_EQ(a.memory[3][rank7], 0) << "the stock still holds cards";
  put(11, "");
  a.karte_bewegt(3, 3, makeCard(rank7, int8_t(255)));
  EXPECT_EQ(a.memory[3][rank7], fishNever);
  a.karte_bewegt(-1, -1, noCard());
  EXPECT_EQ(a.memory[3][rank7], 0) << "a new game forgets";
  EXPECT_EQ(a.memory[1][rankQueen], 0);
}

// Seat 2 asks: it holds queens only, and seat 3 is known to hold two of them.
TEST_F(GoFishAITest, APlayerAsksTheSeatKnownToHoldItsRank) {
  for (int seed = 1; seed <= 10; seed++) {
    randomSeed(uint64_t(seed));
    position({"c7 c8 c9 c10 cJ", "hQ", "s7 sQ dQ"}, "cA", 4, 2);
    ai()->memory[3][rankQueen] = 2;
    ASSERT_TRUE(runUntil([] { return cg.gs.subState == 8 && cg.gs.step == 10; }));
    EXPECT_EQ(goFishArea().askedSeat, 3) << "seed " << seed;
    EXPECT_EQ(goFishArea().askedRank, rankQueen) << "seed " << seed;
  }
}

TEST_F(GoFishAITest, PlayersFollowTheStrengthsOfEachNewGame) {
  struct TCase {
    int32_t strength2, strength3;
    const char *type2, *type3;
  } cases[] = {
      {1, 3, "TFishPlayer (beginner)", "TFishProPlayer"},
      {2, 1, "TFishPlayer (normal)", "TFishPlayer (beginner)"},
      {3, 2, "TFishProPlayer", "TFishPlayer (normal)"},
  };
  for (const TCase& c : cases) {
    cg.gs.seatProfiles[1].strength = 1;
    cg.gs.seatProfiles[2].strength = c.strength2;
    cg.gs.seatProfiles[3].strength = c.strength3;
    ai()->karte_bewegt(-1, -1, noCard());
    ASSERT_EQ(ai()->players.size(), 3u);
    EXPECT_EQ(ai()->players[0]->getTypeName(), "TFishPlayer (normal)") << "seat 1 always plays normal";
    EXPECT_EQ(ai()->players[1]->getTypeName(), c.type2);
    EXPECT_EQ(ai()->players[2]->getTypeName(), c.type3);
  }
}

TEST_F(GoFishAITest, TheStateFileIs364BytesSeatMajorAndABadOneChangesNothing) {
  TGoFishAI& a = *ai();
  for (int s = 1; s <= 7; s++)
    for (int r = 1; r <= 13; r++) a.memory[s][r] = s * 100 + r;
  const std::string file = folder + "/save/state.x";
  ASSERT_TRUE(a.saveState(file));
  ASSERT_EQ(std::filesystem::file_size(file), 364u);
  std::ifstream in(file, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ByteReader r(bytes);
  EXPECT_EQ(r.i32(), 101);
  r.skip(12 * 4);
  EXPECT_EQ(r.i32(), 201) << "seat 2 follows seat 1's thirteen ranks";

  const TFishMemory saved = a.memory;
  a.memory = TFishMemory{};
  ASSERT_TRUE(a.loadState(file));
  for (int s = 1; s <= 7; s++)
    for (int r = 1; r <= 13; r++) EXPECT_EQ(a.memory[s][r], saved[s][r]);

  std::ofstream(folder + "/save/short.x", std::ios::binary) << "abc";
  for (const std::string& bad : {folder + "/save/missing.x", folder + "/save/short.x"}) {
    a.memory[2][5] = 77;
    EXPECT_TRUE(a.loadState(bad));
    EXPECT_EQ(a.memory[2][5], 77) << bad;
  }
}

}  // namespace

// The preflop table as the build generated it: its shape, its order of hands, and a few cells
// recomputed with another seed; and the start-up table when the file is unusable.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "games/casino/poker_preflop.h"
#include "platform/paths.h"
#include "tests/casino/poker_fixture.h"

namespace {

int cell(const TPreflopTable& t, int r1, int r2, bool suited, int players) {
  return t[preflopOffset(r1, r2, suited ? 1 : 0, players)];
}

// The table's order: symmetric, the suited pair as the unsuited one, no cell rising with
// players, suited not below unsuited, aces first.
void expectOrdered(const TPreflopTable& t) {
  for (int p = 2; p <= 7; p++)
    for (int r1 = 0; r1 < 13; r1++)
      for (int r2 = 0; r2 < 13; r2++)
        for (int s = 0; s <= 1; s++) {
          const int v = cell(t, r1, r2, s, p);
          ASSERT_EQ(v, cell(t, r2, r1, s, p)) << r1 << " " << r2 << " " << s << " " << p;
          if (r1 == r2) {
            ASSERT_EQ(v, cell(t, r1, r2, !s, p));
          } else {
            ASSERT_GE(cell(t, r1, r2, true, p), cell(t, r1, r2, false, p));
          }
          if (p > 2) {
            ASSERT_LE(v, cell(t, r1, r2, s, p - 1));
          }
          ASSERT_LE(v, cell(t, 12, 12, false, p));
        }
}

}  // namespace

TEST(PokerPreflop, RankIndexAndOffset) {
  EXPECT_EQ(preflopRankIndex(rank2), 1);
  EXPECT_EQ(preflopRankIndex(rankTen), 9);
  EXPECT_EQ(preflopRankIndex(rankAce), 13);
  EXPECT_EQ(preflopRankIndex(rankJoker), 0);
  EXPECT_EQ(preflopOffset(12, 12, 0, 2), 2016);
  EXPECT_EQ(preflopOffset(12, 12, 1, 7), preflopTableSize - 1);
}

TEST(PokerPreflop, GeneratedTable) {
  const std::string file = std::string(CASINO_BINARY_DIR) + "/app/data/pfp.txt";
  if (!std::filesystem::exists(file)) GTEST_SKIP() << "this build generates no data: " << file;
  ASSERT_EQ(std::filesystem::file_size(file), size_t(preflopTableSize));
  ASSERT_TRUE(loadPreflopTable(std::string(CASINO_BINARY_DIR) + "/app"));
  const TPreflopTable t = preflopTable();
  expectOrdered(t);
  EXPECT_NEAR(cell(t, 12, 12, false, 2) / 255.0, 0.85, 0.01);
  // Seven-two unsuited is the weakest hand at a full table and within a few steps of the
  // weakest at every count (heads-up three-two unsuited wins less often).
  for (int p = 2; p <= 7; p++) {
    int weakest = 255;
    for (int r1 = 0; r1 < 13; r1++)
      for (int r2 = 0; r2 < 13; r2++) weakest = std::min(weakest, cell(t, r1, r2, false, p));
    EXPECT_LE(cell(t, 5, 0, false, p), weakest + (p == 7 ? 0 : 6)) << p;
  }
  // Recomputed with another seed, a cell moves by one step at most.
  const struct { int r1, r2; bool suited; } hands[] = {{12, 12, false}, {5, 0, false}, {11, 10, true}};
  for (const auto& h : hands) {
    const std::array<double, 6> shares = preflopHandShares(h.r1, h.r2, h.suited, preflopToolDeals, 7);
    for (int p = 2; p <= 7; p++)
      EXPECT_NEAR(255 * shares[p - 2], cell(t, h.r1, h.r2, h.suited, p), 1.0) << h.r1 << " " << h.r2 << " " << p;
  }
}

// A short file counts as missing: the table is built at start-up, in the same order.
TEST(PokerPreflop, ShortFileBuildsTheTable) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pkb_preflop_short";
  std::filesystem::create_directories(folder / "data");
  std::ofstream(folder / "data" / "pfp.txt", std::ios::binary) << "short";
  preflopTable().fill(0);
  EXPECT_FALSE(loadPreflopTable(folder.string()));
  std::filesystem::remove_all(folder);
  expectOrdered(preflopTable());
  EXPECT_GT(cell(preflopTable(), 12, 12, false, 2), 200);
}

// The same bytes for any thread count.
TEST(PokerPreflop, ThreadsDoNotChangeTheBytes) {
  TPreflopTable one{}, four{};
  buildPreflopTable(one, 300, 5, 1);
  buildPreflopTable(four, 300, 5, 4);
  EXPECT_EQ(one, four);
}

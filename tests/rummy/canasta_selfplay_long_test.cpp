// Canasta's random player over thousands of hands: 2, 3, 4 (with and without teams) and 6
// seats under options varied by the seed, every list ending with no alert, no stall and every
// card in one place after every frame.
#include "tests/rummy/canasta_random_player.h"

namespace {

using namespace canasta_random_play;
using CanastaSelfPlayLong = CanastaPlayFixture;

TEST_F(CanastaSelfPlayLong, ThousandsOfHandsUnderVariedOptions) {
  TTraceWatch watch;
  struct TCase {
    int32_t seats;
    bool teams;
  } cases[] = {{2, false}, {3, false}, {4, false}, {4, true}, {6, false}, {6, true}};
  int refused = 0;
  for (const TCase& c : cases)
    for (int seed = 1; seed <= 60; seed++) {
      randomFixSeed(uint64_t(seed * 53 + c.seats));
      randomSeed(uint64_t(seed * 53 + c.seats));
      TCanastaOptions o = publishedOptions();
      o.teams = c.teams ? 1 : 0;
      o.packs = c.seats == 2 ? 2 : 2 + seed % 2;
      o.drawCount = 1 + seed % 2;
      o.pileAlwaysFrozen = seed % 3 == 0 ? 1 : 0;
      o.wildCanastas = seed % 4 == 1 ? 1 : 0;
      o.negativeWithoutCanasta = seed % 5 == 2 ? 1 : 0;
      o.redThreesAlwaysPositive = seed % 6 == 3 ? 1 : 0;
      o.cardsDealt = seed % 7 == 4 ? 8 : 0;
      o.listLength = 10;
      const TRun run = playList(o, c.seats, refused);
      ASSERT_FALSE(run.stalled) << c.seats << " seats, seed " << seed;
      EXPECT_EQ(run.fault, "") << c.seats << " seats, seed " << seed;
      EXPECT_EQ(run.games, 10) << c.seats << " seats, seed " << seed;
    }
  randomReleaseSeed();
  EXPECT_GT(refused, 0);
  EXPECT_EQ(watch.faults, std::vector<std::string>{});
}

}  // namespace

// Canasta with computer seats over many seeded lists under varied options: no refused answer,
// no consistency message, no stall, every card in place and every hand booked.
#include "tests/rummy/canasta_ai_selfplay.h"

namespace {

using CanastaComputerPlayLong = CanastaPlayFixture;

TEST_F(CanastaComputerPlayLong, ManyListsUnderVariedOptions) {
  TComputerTraceWatch watch;
  int lists = 0;
  for (int32_t seats : {2, 3, 4, 6})
    for (int seed = 1; seed <= 12; seed++) {
      randomFixSeed(uint64_t(seed * 97 + seats));
      randomSeed(uint64_t(seed * 97 + seats));
      TCanastaOptions o = publishedOptions();
      o.teams = (seats == 4 || seats == 6) && seed % 2 == 0 ? 1 : 0;
      o.packs = seats >= 4 || seed % 3 == 0 ? 3 : 2;
      o.drawCount = 1 + seed % 2;
      o.pileAlwaysFrozen = seed % 4 == 1 ? 1 : 0;
      o.wildCanastas = seed % 5 == 2 ? 1 : 0;
      const TComputerRun run = playComputerList(o, seats, 3);
      EXPECT_FALSE(run.stalled) << seats << " seats, seed " << seed;
      EXPECT_EQ(run.fault, "") << seats << " seats, seed " << seed;
      lists++;
    }
  randomReleaseSeed();
  EXPECT_EQ(lists, 48);
  EXPECT_EQ(watch.lines, std::vector<std::string>{});
}

}  // namespace

// Schnapsen and Sechsundsechzig self-play, a short run: random answers on both seats, and the
// search on seat 2 at each strength. The full counts run in the long self-play test.
#include "tests/family/schnapsen_selfplay.h"

namespace {

using schnapsen_selfplay::SchnapsenSelfPlay;
using schnapsen_selfplay::selfPlayScale;

TEST_F(SchnapsenSelfPlay, RandomAnswersOnBothSeats) {
  int lists = 0;
  for (int rep = 0; rep < 60 * selfPlayScale(); rep++) {
    randomSeed(uint64_t(500 + rep));
    resetTable();
    setHeadlessDisplay(1 + rep % 2);
    playList(rep % 2 == 1, 0, 40, rep % 3 != 0, rep % 4 != 0);
    lists++;
  }
  EXPECT_EQ(run.stalls, 0);
  EXPECT_EQ(run.lists, lists) << "every list ends";
  EXPECT_GE(run.games, lists * 2);
}

TEST_F(SchnapsenSelfPlay, TheSearchOnSeatTwoAtEachStrength) {
  int lists = 0;
  for (int rep = 0; rep < 6 * selfPlayScale(); rep++) {
    randomSeed(uint64_t(900 + rep));
    resetTable();
    setHeadlessDisplay(1 + rep % 2);
    playList(rep % 2 == 1, 1 + rep % 3, 3, true, true);
    lists++;
  }
  EXPECT_EQ(run.stalls, 0);
  EXPECT_GE(run.games, lists);
}

}  // namespace

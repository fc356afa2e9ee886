// The family games' self-play at full length (minutes): thousands of Schnapsen and
// Sechsundsechzig games with random answers on both seats and options on and off, and
// hundreds with the search on seat 2. SCHNAPSEN_SELFPLAY_SCALE raises the counts.
#include "tests/family/schnapsen_selfplay.h"

namespace {

using schnapsen_selfplay::SchnapsenSelfPlay;
using schnapsen_selfplay::selfPlayScale;

// Lists with seed base + rep until `games` games of the variant are played; seat 2 searches
// at strength 1 + rep % 3 when `search`, else answers at random.
void playGames(SchnapsenSelfPlay& t, bool variant, bool search, int games, uint64_t base) {
  const int before = t.run.games;
  for (int rep = 0; t.run.games - before < games && t.run.stalls == 0 && !testing::Test::HasFatalFailure(); rep++) {
    randomSeed(base + uint64_t(rep));
    t.resetTable();
    setHeadlessDisplay(1 + rep % 2);
    t.playList(variant, search ? 1 + rep % 3 : 0, search ? 3 : 40, rep % 3 != 0, rep % 4 != 0);
  }
}

TEST_F(SchnapsenSelfPlay, ThousandsOfRandomGamesOfEachVariant) {
  for (bool variant : {false, true}) {
    const int before = run.games;
    playGames(*this, variant, false, 5000 * selfPlayScale(), variant ? 20000 : 10000);
    EXPECT_GE(run.games - before, 5000 * selfPlayScale()) << (variant ? "Sechsundsechzig" : "Schnapsen");
  }
  EXPECT_EQ(run.stalls, 0);
}

TEST_F(SchnapsenSelfPlay, HundredsOfGamesWithTheSearchOnOneSeat) {
  for (bool variant : {false, true}) {
    const int before = run.games;
    playGames(*this, variant, true, 300 * selfPlayScale(), variant ? 40000 : 30000);
    EXPECT_GE(run.games - before, 300 * selfPlayScale()) << (variant ? "Sechsundsechzig" : "Schnapsen");
  }
  EXPECT_EQ(run.stalls, 0);
}

}  // namespace

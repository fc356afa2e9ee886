// Twenty thousand Blackjack rounds over matches of random options, random answers on every
// seat: the checks of the short self-play at every frame.
#include <gtest/gtest.h>

#include "tests/casino/blackjack_play_fixture.h"

namespace {

using BlackjackSelfPlayLong = BlackjackPlayFixture;

TEST_F(BlackjackSelfPlayLong, ThousandsOfRoundsOfRandomOptions) {
  randomSeed(2802);
  int rounds = 0, refused = 0;
  for (int match = 0; rounds < 20000; match++) {
    const BlackjackMatch m = randomMatch();
    const uint64_t seed = 3000 + match;
    randomSeed(seed);
    ASSERT_EQ(playMatch(m, rounds, refused), "")
        << "match " << match << ": " << m.seats << " seats, variant " << m.variant << ", deal " << m.dealMode
        << ", direction " << m.direction << ", decks " << m.decks << ", second card " << m.secondCard << ", bets "
        << m.minBet << ".." << m.maxBet << ", start " << m.startMoney;
    randomSeed(seed + 100000);
  }
  EXPECT_GT(refused, 0);
}

}  // namespace

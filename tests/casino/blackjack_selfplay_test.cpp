// Blackjack matches with random answers on every seat, the "17 und 4" dealer's too, and now
// and then an answer not offered, which is refused without effect: every round ends, the
// money and the deck add up whenever everything is at rest, no alert.
#include <gtest/gtest.h>

#include "tests/casino/blackjack_play_fixture.h"

namespace {

using BlackjackSelfPlay = BlackjackPlayFixture;

TEST_F(BlackjackSelfPlay, RandomAnswersOverEveryOption) {
  // seats, variant, deal, direction, decks, second card, soft 17, two aces, doubling, every
  // game, start money, minimum, maximum, rounds
  const BlackjackMatch matches[] = {
      {2, false, 1, 1, 1, 1, false, false, true, false, 100, 0, 10, 25},
      {3, true, 2, 2, 2, 3, false, true, false, false, 200, 1, 10, 20},
      {4, false, 2, 1, 3, 2, true, false, true, true, 400, 10, 10, 20},
      {5, true, 1, 2, 1, 1, false, false, false, true, 800, 10, 50, 20},
      {6, false, 1, 2, 2, 3, true, false, false, false, 200, 2, blackjackUnlimitedBet, 20},
      {6, true, 2, 1, 3, 2, false, true, false, false, 100, 5, 25, 20},
      {4, false, 1, 1, 1, 1, false, false, true, false, 100, 8, blackjackUnlimitedBet, 25},
  };
  randomSeed(2801);
  int rounds = 0, refused = 0;
  for (const BlackjackMatch& m : matches) {
    SCOPED_TRACE(testing::Message() << m.seats << " seats, variant " << m.variant << ", deal " << m.dealMode
                                    << ", direction " << m.direction << ", decks " << m.decks << ", bets "
                                    << m.minBet << ".." << m.maxBet);
    ASSERT_EQ(playMatch(m, rounds, refused), "");
    EXPECT_EQ(envParam.playDirection, m.direction);
  }
  EXPECT_GT(rounds, 60);
  EXPECT_GT(refused, 0);
}

}  // namespace

// The blind schedule, broke seats, the end of a match and the highscore value.
#include <gtest/gtest.h>

#include "games/casino/poker_lists.h"
#include "tests/casino/poker_table_fixture.h"

using PokerLists = PokerTableFixture;

TEST_F(PokerLists, BlindSchedule) {
  struct Case {
    int32_t blind, gamesPlayed, richest, next;
  };
  const Case cases[] = {
      {2, 10, 200, 4}, {4, 20, 200, 8}, {64, 30, 200, 128}, {100, 40, 300, 200}, {128, 50, 300, 228},
      {2, 11, 200, 2},   // not a scheduled hand
      {64, 30, 127, 64},  // nobody holds twice the blind
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.blind << " after " << c.gamesPlayed);
    seats(2);
    TPokerArea& a = pokerArea();
    a.blind = c.blind;
    a.blindEvery = 10;
    a.startMoney = 200;
    cg.gs.gamesPlayed = c.gamesPlayed;
    setMoney(1, c.richest);
    setMoney(2, 1);
    EXPECT_EQ(currentBlind(), c.next);
  }
}

TEST_F(PokerLists, SeatsDroppingOutTogetherShareTheBetterPlace) {
  seats(4);
  TPokerArea& a = pokerArea();
  a.blind = 4;
  cg.gs.gamesPlayed = 7;
  const int32_t money[4] = {50, 3, 0, 60};
  for (int s = 1; s <= 4; s++) setMoney(s, money[s - 1]);
  pokerPlaceBrokeSeats(1, 0);
  EXPECT_EQ(a.seats[2].place, 3);
  EXPECT_EQ(a.seats[3].place, 3);
  EXPECT_EQ(a.seats[2].state, 1);
  EXPECT_EQ(seatsAbleToPayBlind(), 2);
  pokerPlaceBrokeSeats(0, 0);
  EXPECT_EQ(a.seats[2].state, 0);
  EXPECT_EQ(a.seats[3].outAfterHands, 7);
  EXPECT_EQ(occupiedSeats(), 2);
  EXPECT_EQ(a.seats[1].place, 0);
}

TEST_F(PokerLists, MatchEndsWhenTheUserOrAllButOneCannotPay) {
  struct Case {
    const char* name;
    int32_t money[3];
    bool over;
  };
  const Case cases[] = {
      {"everybody pays", {10, 10, 10}, false},
      {"the user cannot pay", {3, 10, 10}, true},
      {"one seat left that can pay", {10, 3, 2}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    seats(3);
    TPokerArea& a = pokerArea();
    a.blind = 4;
    a.blindEvery = 100000;
    a.splitLimit = 1;
    cg.gs.gamesPlayed = 3;
    for (int s = 1; s <= 3; s++) setMoney(s, c.money[s - 1]);
    EXPECT_EQ(pokerIsListOver(), c.over);
    EXPECT_EQ(a.smallBet, 4);
    EXPECT_EQ(a.bigBet, 8);
  }
}

TEST_F(PokerLists, HighscoreValueAndText) {
  struct Case {
    int32_t place, skill, games, value;
    const char* text;
  };
  const Case cases[] = {
      {1, 3, 40, 63460, "1. Platz nach 40 Spielen (Profi)"},
      {0, 3, 40, 63460, "1. Platz nach 40 Spielen (Profi)"},
      {1, 3, 1, 63499, "1. Platz nach 1 Spiel (Profi)"},
      {3, 1, 12, 41512, "3. Platz nach 12 Spielen (Anfänger)"},
      {3, 1, 600, 41999, "3. Platz nach 499 Spielen (Anfänger)"},  // the games never reach the strength
      {2, 2, 500, 52999, "2. Platz nach 499 Spielen (Normal)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pokerHighscoreValue(c.place, c.skill, c.games), c.value);
    EXPECT_EQ(pokerHighscoreValueText(c.value), c.text);
  }
  EXPECT_EQ(pokerHighscoreValueText(0), "-");
}

TEST_F(PokerLists, ListTextHasNoLimits) {
  seats(2);
  cg.gs.gamesPlayed = 12;
  cg.gs.listTotals[1] = 150;
  cg.gs.listTotals[2] = 320;
  EXPECT_EQ(pokerListText(), "12 von unbegrenzt Runden gespielt, 320 von unbegrenzt max. Punkten erreicht");
}

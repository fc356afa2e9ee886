// Pot division in chip units, winners and the winners text.
#include <gtest/gtest.h>

#include "games/casino/poker_pot.h"
#include "tests/casino/poker_table_fixture.h"

namespace {

struct SeatSetup {
  int state;  // 1 in the hand, 2 folded
  int32_t stake;
  const char* cards;
};

struct PotCase {
  const char* name;
  SeatSetup seats[4];
  int32_t won[4];
  int potRound[4];
  int32_t refund[4];
};

// Board without straights or flushes for these holdings.
constexpr const char* board = "c2 d7 h9 sJ c4";

}  // namespace

using PokerPot = PokerTableFixture;

TEST_F(PokerPot, DivisionRoundByRound) {
  const PotCase cases[] = {
      {"three all-ins and a covering seat",
       {{1, 10, "sA hA"}, {1, 20, "sK hK"}, {1, 30, "sQ hQ"}, {1, 50, "s3 d5"}},
       {40, 30, 20, 20}, {1, 2, 3, 4}, {0, 0, 0, 0}},
      {"split main pot, side pot to the covering seat",
       {{1, 10, "sA hA"}, {1, 10, "dA cA"}, {1, 30, "sQ hQ"}, {2, 0, "s3 d5"}},
       {15, 15, 20, 0}, {1, 1, 2, 0}, {0, 0, 0, 0}},
      {"odd unit to the last winner in seat order",
       {{1, 3, "sA hA"}, {1, 3, "dA cA"}, {2, 1, "sQ hQ"}, {2, 0, "s3 d5"}},
       {3, 4, 0, 0}, {1, 1, 0, 0}, {0, 0, 0, 0}},
      {"an odd side pot split, a folded seat's short stake in it",
       {{1, 5, "sA hA"}, {1, 9, "sK dK"}, {1, 9, "hK cK"}, {2, 8, "s3 d5"}},
       {20, 5, 6, 0}, {1, 2, 2, 0}, {0, 0, 0, 0}},
      {"a folded contributor pays but never wins",
       {{1, 20, "s3 d5"}, {1, 20, "sK hK"}, {2, 20, "sA hA"}, {2, 0, "sQ hQ"}},
       {0, 60, 0, 0}, {0, 1, 0, 0}, {0, 0, 0, 0}},
      {"money nobody in the hand can win goes back",
       {{1, 10, "s3 d5"}, {2, 30, "sA hA"}, {2, 0, "sK hK"}, {2, 0, "sQ hQ"}},
       {20, 0, 0, 0}, {1, 0, 0, 0}, {0, 20, 0, 0}},
  };
  for (const PotCase& c : cases) {
    SCOPED_TRACE(c.name);
    seats(4);
    setCards(12, board);
    TPokerArea& a = pokerArea();
    a.pot = 0;
    for (int s = 1; s <= 4; s++) {
      a.seats[s].state = uint8_t(c.seats[s - 1].state);
      a.seats[s].stake = c.seats[s - 1].stake;
      a.pot += c.seats[s - 1].stake;
      setCards(s, c.seats[s - 1].cards);
    }
    pokerDividePot(true);
    int32_t paid = 0;
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(a.seats[s].won, c.won[s - 1]) << "seat " << s;
      EXPECT_EQ(a.seats[s].potRound, c.potRound[s - 1]) << "seat " << s;
      EXPECT_EQ(a.refund[s], c.refund[s - 1]) << "seat " << s;
      EXPECT_EQ(bool(a.seats[s].winner), c.won[s - 1] > 0) << "seat " << s;
      paid += a.seats[s].won + a.refund[s];
    }
    EXPECT_EQ(paid, a.pot);
  }
}

TEST_F(PokerPot, WinnersMarkTheirBestCards) {
  seats(2);
  setCards(12, "hA hK hQ c3 d8");
  setCards(1, "hJ h10");  // royal flush from the board
  setCards(2, "sA sK");
  pokerMarkWinners();
  const TPokerArea& a = pokerArea();
  EXPECT_TRUE(a.seats[1].winner);
  EXPECT_FALSE(a.seats[2].winner);
  const uint8_t expected[7] = {1, 1, 1, 1, 1, 0, 0};
  for (int i = 1; i <= 7; i++) EXPECT_EQ(a.seats[1].bestCards[i], expected[i - 1]) << "card " << i;
}

TEST_F(PokerPot, WinnersTextNamesMainAndSidePotsAndTheSeatsOut) {
  seats(3);
  TPokerArea& a = pokerArea();
  a.blind = 4;
  a.seats[1].winner = 1;
  a.seats[1].potRound = 1;
  a.seats[1].won = 12;
  a.seats[2].winner = 1;
  a.seats[2].potRound = 2;
  a.seats[2].won = 4;
  setMoney(1, 12);
  setMoney(2, 4);
  setMoney(3, 0);
  EXPECT_EQ(pokerPotWinnersText(), "Pot geht an: " + cg.seatName(1) + " (300 €)\rSidepot: " + cg.seatName(2) +
                                       " (100 €). " + cg.seatName(3) + " ist ausgeschieden.");
}

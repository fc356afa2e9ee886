// Blackjack's rules: points and hand values of both variants, naturals, the face-up rule,
// the bet limits, doubling, the seat order, and the end of a match.
#include <gtest/gtest.h>

#include "tests/casino/blackjack_fixture.h"

namespace {

using BlackjackRules = BlackjackTable;

TEST_F(BlackjackRules, HandValues) {
  struct Case {
    bool variant;
    std::initializer_list<int> ranks;
    int32_t value;
    bool natural;
  };
  const Case cases[] = {
      {false, {rankAce, rankAce}, 12, false},
      {false, {rankAce, rankAce, rank9}, 21, false},
      {false, {rankAce, rankKing, rankQueen}, 21, false},
      {false, {rankAce, rankKing}, 21, true},
      {false, {rankTen, rankAce}, 21, true},
      {false, {rankAce, rank6}, 17, false},
      {false, {rankAce, rank6, rankTen}, 17, false},
      {false, {rankTen, rank6, rank9}, 25, false},
      {false, {rank2, rank3, rank4, rank5, rank6}, 20, false},
      {true, {rankAce, rankAce}, 21, false},
      {true, {rankAce, rankAce, rank7}, 29, false},
      {true, {rankJack, rankQueen, rankKing}, 9, false},
      {true, {rankAce, rankTen}, 21, false},
      {true, {rankAce, rank7}, 18, false},
  };
  for (const Case& c : cases) {
    setTable(4, c.variant);
    hand(1, c.ranks);
    SCOPED_TRACE(testing::Message() << "variant " << c.variant << " value " << c.value);
    EXPECT_EQ(blackjackHandValue(1, bjValueForRules), c.value);
    EXPECT_EQ(blackjackIsNatural(1), c.natural);
  }
  setTable(4, true);
  hand(2, {rankAce, rankAce});
  EXPECT_TRUE(blackjackIsTwoAces(2));
  setTable(4, false);
  hand(2, {rankAce, rankAce});
  EXPECT_FALSE(blackjackIsTwoAces(2)) << "only in 17 und 4";
  hand(3, {rank6, rankAce});
  EXPECT_TRUE(blackjackIsSoft17(3));
  hand(3, {rank6, rankAce, rankTen});
  EXPECT_FALSE(blackjackIsSoft17(3)) << "three cards";
  EXPECT_EQ(blackjackCardPoints(makeCard(rankAce, 1), true), 1);
  EXPECT_EQ(blackjackCardPoints(makeCard(rankAce, 1), false), 11);
}

TEST_F(BlackjackRules, FaceUpBySecondCardOptionAndReveal) {
  struct Case {
    bool dealerOpen, playerOpen;
    bool dealerSecond, playerSecond;
  };
  const Case cases[] = {{true, true, true, true}, {false, true, false, true}, {false, false, false, false}};
  for (const Case& c : cases) {
    setTable(4, false);
    blackjackArea().dealerCardOpen = c.dealerOpen;
    blackjackArea().playerCardOpen = c.playerOpen;
    hand(3, {rank2, rank3, rank4});
    hand(1, {rank2, rank3});
    EXPECT_TRUE(blackjackIsCardFaceUp(3, 1));
    EXPECT_EQ(blackjackIsCardFaceUp(3, 2), c.dealerSecond);
    EXPECT_EQ(blackjackIsCardFaceUp(-1, 2), c.playerSecond) << "a negative seat is the seat";
    EXPECT_EQ(blackjackLastHiddenCard(3), c.dealerSecond ? 0 : 2);
  }
  blackjackArea().faceUp[3][2] = 1;
  EXPECT_TRUE(blackjackIsCardFaceUp(3, 2)) << "revealed";
  EXPECT_EQ(blackjackLastHiddenCard(3), 0);
  EXPECT_TRUE(blackjackIsCardFaceUp(1, 16)) << "a three-deck hand reaches 20 cards";
  EXPECT_TRUE(blackjackIsCardFaceUp(1, 20));
  EXPECT_FALSE(blackjackIsCardFaceUp(1, 21));
  EXPECT_FALSE(blackjackIsCardFaceUp(5, 1)) << "no such seat";
}

TEST_F(BlackjackRules, ClampAndDoubling) {
  setTable(4, false);
  cg.gs.akspieler = 1;
  money(1, 50);
  struct Case {
    int32_t minBet, maxBet, money, amount, clamped;
  };
  const Case cases[] = {{2, 80, 50, 10, 10}, {2, 80, 50, 0, 2}, {2, 80, 50, 100, 50}, {2, 20, 50, 30, 20},
                        {10, 80, 5, 10, -1}, {0, 80, 0, 5, 0},   {0, 10, 50, -1, 0}};
  for (const Case& c : cases) {
    blackjackArea().minBet = c.minBet;
    blackjackArea().maxBet = c.maxBet;
    money(1, c.money);
    EXPECT_EQ(blackjackClampBet(c.amount), c.clamped) << "amount " << c.amount << " money " << c.money;
  }
  blackjackArea().minBet = 2;
  blackjackArea().maxBet = 80;
  EXPECT_FALSE(blackjackBetAllowed(-1));
  EXPECT_TRUE(blackjackBetAllowed(50));
  EXPECT_FALSE(blackjackBetAllowed(51));

  struct Double {
    bool allowed, variant;
    int32_t money, stake, cards;
    bool offered;
  };
  const Double doubles[] = {{true, false, 10, 10, 2, true}, {true, false, 9, 10, 2, false},
                            {true, false, 50, 10, 3, false}, {false, false, 50, 10, 2, false},
                            {true, true, 50, 10, 2, false}};
  for (const Double& d : doubles) {
    setTable(4, d.variant);
    cg.gs.akspieler = 1;
    blackjackArea().doubleAllowed = d.allowed;
    blackjackArea().seats[1].stake = d.stake;
    money(1, d.money);
    hand(1, d.cards == 2 ? std::initializer_list<int>{rank5, rank6} : std::initializer_list<int>{rank2, rank3, rank4});
    EXPECT_EQ(blackjackCanDouble(), d.offered) << "money " << d.money << " cards " << d.cards;
  }
}

TEST_F(BlackjackRules, OutcomesAndPayouts) {
  using R = std::initializer_list<int>;
  struct Case {
    const char* what;
    bool variant, twoAcesDouble;
    R player, dealer;
    int32_t stake, outcome, won;
  };
  const Case cases[] = {
      {"natural against a three-card 21", false, false, {rankAce, rankKing}, {rank7, rank4, rankTen}, 10, 1, 15},
      {"three-card 21 against the dealer's natural", false, false, {rank7, rank4, rankTen}, {rankAce, rankKing}, 10, -1, -10},
      {"two naturals", false, false, {rankAce, rankQueen}, {rankTen, rankAce}, 10, 0, 0},
      {"natural on 1", false, false, {rankAce, rankKing}, {rankTen, rank9}, 1, 1, 0},
      {"natural on 5", false, false, {rankAce, rankKing}, {rankTen, rank9}, 5, 1, 6},
      {"natural on 10", false, false, {rankAce, rankKing}, {rankTen, rank9}, 10, 1, 15},
      {"win", false, false, {rankTen, rank9}, {rankTen, rank8}, 10, 1, 10},
      {"push", false, false, {rankTen, rank8}, {rank9, rank9}, 10, 0, 0},
      {"loss", false, false, {rankTen, rank7}, {rankTen, rank8}, 10, -1, -10},
      {"bust against a standing dealer", false, false, {rankTen, rank6, rank9}, {rankTen, rank8}, 10, -1, -10},
      {"dealer bust", false, false, {rankTen, rank2}, {rankTen, rank6, rank8}, 10, 1, 10},
      {"doubled win", false, false, {rank5, rank6, rankTen}, {rankTen, rank9}, 20, 1, 20},
      {"doubled against the dealer's natural", false, false, {rank5, rank6, rankTen}, {rankAce, rankJack}, 20, -1, -20},
      {"17 und 4 tie", true, false, {rankTen, rank9}, {rankAce, rank8}, 10, -1, -10},
      {"17 und 4 win", true, false, {rankAce, rankTen}, {rankTen, rank9}, 10, 1, 10},
      {"two aces on 5, doubled", true, true, {rankAce, rankAce}, {rankTen, rank9}, 5, 1, 10},
      {"two aces on 5", true, false, {rankAce, rankAce}, {rankTen, rank9}, 5, 1, 5},
      {"bet 0", false, false, {rankTen, rank9}, {rankTen, rank8}, 0, 1, 0},
      {"natural on 0", false, false, {rankAce, rankKing}, {rankTen, rank8}, 0, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setTable(4, c.variant);
    TBlackjackState& a = blackjackArea();
    a.twoAcesDouble = c.twoAcesDouble;
    a.seats[1].stake = c.stake;
    hand(1, c.player);
    hand(a.dealerSeat, c.dealer);
    a.dealerTotal = blackjackHandValue(a.dealerSeat, bjValueForRules);
    int32_t won = 99;
    EXPECT_EQ(blackjackOutcome(1, won), c.outcome);
    EXPECT_EQ(won, c.won);
  }
}

TEST_F(BlackjackRules, SeatOrderAndDealer) {
  struct Case {
    int32_t seats;
    int32_t dealer;
    std::initializer_list<int> order;  // from the dealer on
  };
  const Case cases[] = {{2, 2, {1, 2}}, {3, 2, {3, 1, 2}}, {4, 3, {4, 1, 2, 3}}, {5, 3, {4, 5, 1, 2, 3}},
                        {6, 4, {5, 6, 1, 2, 3, 4}}};
  for (const Case& c : cases) {
    setTable(c.seats, false);
    EXPECT_EQ(blackjackDealerSeatNo(), c.dealer);
    cg.gs.phase = 4;
    cg.gs.akspieler = c.dealer;
    for (int expected : c.order) {
      cg.gs.akspieler = blackjackNextSeat(1);
      EXPECT_EQ(cg.gs.akspieler, expected) << c.seats << " seats";
    }
    EXPECT_EQ(blackjackSeatsInGame(), c.seats) << "the dealer counts";
  }
  setTable(6, false);
  cg.gs.phase = 4;
  cg.gs.akspieler = 4;
  blackjackArea().seats[5].state = 0;
  EXPECT_EQ(blackjackNextSeat(1), 6) << "a seat out of the match is passed";
  EXPECT_EQ(blackjackPreviousSeat(1), 3);
  cg.gs.phase = 2;
  EXPECT_EQ(blackjackNextSeat(1), 5) << "every seat number outside the betting and play";
}

TEST_F(BlackjackRules, ListEndAndPlaces) {
  setTable(4, false);
  blackjackArea().roundLimit = 10;
  blackjackArea().minBet = 2;
  for (int s : {1, 2, 4}) money(s, 100);
  resetChipStack(bjBankStack, false);
  EXPECT_FALSE(blackjackIsListOver());
  EXPECT_EQ(blackjackArea().seats[2].available, 100);
  cg.gs.gamesPlayed = 10;
  EXPECT_TRUE(blackjackIsListOver()) << "round limit";
  cg.gs.gamesPlayed = 1;
  money(2, 20000);
  EXPECT_TRUE(blackjackPlayerReachedLimit());
  EXPECT_GT(chipStackValue(bjBankStack), 0) << "asking does not empty the bank";
  EXPECT_TRUE(blackjackIsListOver());
  EXPECT_EQ(chipStackValue(bjBankStack), 0) << "the list end puts the bank away";
  money(2, 100);
  money(1, 1);
  EXPECT_TRUE(blackjackIsListOver()) << "the user cannot pay the minimum";

  // Seats 2 and 4 go broke together: they share the better place.
  money(1, 100);
  money(2, 0);
  money(4, 1);
  blackjackPlaceBrokeSeats(0, 0);
  EXPECT_EQ(blackjackArea().seats[2].place, 2) << "one player still solvent, plus one";
  EXPECT_EQ(blackjackArea().seats[4].place, 2);
  EXPECT_EQ(pokerArea().seats[4].state, 0);
  EXPECT_EQ(blackjackArea().seats[3].place, 0) << "the dealer is never placed";
  EXPECT_EQ(blackjackActivePlayerCount(), 1);
}

}  // namespace

// What a seat may answer per variant, taking and refusing answers, seat order, the end of
// a betting round and the aggression index.
#include <gtest/gtest.h>

#include "games/casino/poker_betting.h"
#include "tests/casino/poker_table_fixture.h"
#include "tests/support/alerts.h"

namespace {

enum Variant { noLimit, potLimit, splitLimit };

struct OptionCase {
  const char* name;
  Variant variant;
  int32_t betLevel, stake, money, minRaise, limitBet, pot, raisesInRound, street;
  bool canCall, canRaise, canAllIn;
};

}  // namespace

class PokerBetting : public PokerTableFixture {
 public:
  static void table(Variant v, int32_t betLevel, int32_t minRaise, int32_t pot) {
    TPokerArea& a = pokerArea();
    a.potLimit = v == potLimit;
    a.splitLimit = v == splitLimit;
    a.betLevel = betLevel;
    a.minRaise = minRaise;
    a.pot = pot;
    a.limitBet = 4;
    a.street = 3;
    a.bettingOpen = 1;
    a.blind = 4;
  }
  static void seat(int s, int32_t stake, int32_t money) {
    pokerArea().seats[s] = TChipSeat{};
    pokerArea().seats[s].state = 1;
    pokerArea().seats[s].stake = stake;
    setMoney(s, money);
    pokerPrepareSeat(s);
  }
};

TEST_F(PokerBetting, OptionsPerVariant) {
  const OptionCase cases[] = {
      {"no limit, all open", noLimit, 10, 0, 100, 10, 4, 30, 0, 3, true, true, true},
      {"no limit, short of the call", noLimit, 10, 0, 5, 10, 4, 30, 0, 3, false, false, true},
      {"no limit, enough to call, not to raise", noLimit, 10, 0, 15, 10, 4, 30, 0, 3, true, false, true},
      {"pot limit: all-in above the pot is no option", potLimit, 10, 0, 100, 10, 4, 30, 0, 3, true, true, false},
      {"pot limit: all-in within the pot", potLimit, 10, 0, 35, 10, 4, 30, 0, 3, true, true, true},
      {"split limit: money above the limit bet", splitLimit, 4, 0, 100, 4, 4, 30, 0, 3, true, true, false},
      {"split limit: money within the limit bet", splitLimit, 0, 0, 4, 4, 4, 30, 0, 3, true, true, true},
      {"split limit: between the limit bet and the call", splitLimit, 8, 0, 6, 4, 4, 30, 0, 3, false, false, true},
      {"split limit: the fifth bet of a round", splitLimit, 4, 0, 100, 4, 4, 30, 4, 3, true, false, false},
      {"split limit: the fourth bet before the flop", splitLimit, 4, 0, 100, 4, 4, 30, 3, 1, true, false, false},
      {"split limit: the fourth bet after the flop", splitLimit, 4, 0, 100, 4, 4, 30, 3, 3, true, true, false},
  };
  for (const OptionCase& c : cases) {
    SCOPED_TRACE(c.name);
    table(c.variant, c.betLevel, c.minRaise, c.pot);
    pokerArea().limitBet = c.limitBet;
    pokerArea().raisesInRound = c.raisesInRound;
    pokerArea().street = uint8_t(c.street);
    seat(2, c.stake, c.money);
    const TChipSeat& s = pokerArea().seats[2];
    EXPECT_EQ(bool(s.canCall), c.canCall);
    EXPECT_EQ(bool(s.canRaise), c.canRaise);
    EXPECT_EQ(bool(s.canAllIn), c.canAllIn);
    EXPECT_EQ(pokerArea().maxRaise, c.variant == noLimit ? 1000000 : c.variant == potLimit ? c.pot : c.limitBet);
  }
}

TEST_F(PokerBetting, AnswersNotOfferedAreRefusedAndTheQuestionStays) {
  struct Case {
    const char* name;
    int32_t stake, money, code, value;
  };
  const Case cases[] = {
      {"check while owing", 0, 100, pokerCheck, 0},
      {"call while owing nothing", 10, 100, pokerCall, 0},
      {"call short of the amount", 0, 5, pokerCall, 0},
      {"raise without the money", 0, 15, pokerRaise, 10},
      {"unknown answer", 0, 100, 7, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table(noLimit, 10, 10, 20);
    seat(3, c.stake, c.money);
    const int32_t before = chipStackValue(3);
    EXPECT_FALSE(pokerTakeAnswer(3, c.code, c.value));
    EXPECT_EQ(chipStackValue(3), before);
    EXPECT_EQ(pokerArea().pot, 20);
    EXPECT_EQ(pokerArea().seats[3].state, 1);
  }
}

TEST_F(PokerBetting, TakenAnswersMoveAtMostWhatTheSeatHolds) {
  struct Case {
    const char* name;
    int32_t stake, money, code, value;
    int32_t paid, betLevel;
    uint8_t action;
    bool allIn;
  };
  const Case cases[] = {
      {"call", 0, 100, pokerCall, 0, 10, 10, 1, false},
      {"call of everything", 0, 10, pokerCall, 0, 10, 10, 2, true},
      {"short all-in", 0, 5, pokerAllIn, 0, 5, 10, 2, true},
      {"raise", 0, 100, pokerRaise, 10, 20, 20, 4, false},
      {"all-in above the bet", 0, 30, pokerAllIn, 0, 30, 30, 2, true},
      {"fold", 0, 100, pokerFold, 0, 0, 10, 7, false},
      {"check", 10, 100, pokerCheck, 0, 0, 10, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table(noLimit, 10, 10, 20);
    pokerArea().betMade = 1;
    seat(2, c.stake, c.money);
    resetChipStack(8, true);
    addChipsToStack(8, 1, 5);
    const int32_t total = chipStackValue(2) + chipStackValue(8);
    ASSERT_TRUE(pokerTakeAnswer(2, c.code, c.value));
    settleChips();
    const TChipSeat& s = pokerArea().seats[2];
    EXPECT_EQ(c.money - chipStackValue(2), c.paid);
    EXPECT_EQ(pokerArea().pot, 20 + c.paid);
    EXPECT_EQ(chipStackValue(8), 20 + c.paid);
    EXPECT_EQ(chipStackValue(2) + chipStackValue(8), total);
    EXPECT_EQ(pokerArea().betLevel, c.betLevel);
    EXPECT_EQ(s.action, c.action);
    EXPECT_EQ(bool(s.allIn), c.allIn);
    EXPECT_EQ(s.state, c.code == pokerFold ? 2 : 1);
  }
}

TEST_F(PokerBetting, ARaiseBeyondTheMoneyIsTheAllIn) {
  table(noLimit, 10, 10, 20);
  seat(2, 0, 30);
  pokerArea().seats[2].canRaise = 1;  // offered with the money of a moment ago
  ASSERT_TRUE(pokerTakeAnswer(2, pokerRaise, 50));
  settleChips();
  EXPECT_EQ(chipStackValue(2), 0);
  EXPECT_EQ(pokerArea().betLevel, 30);
  EXPECT_TRUE(pokerArea().seats[2].allIn);
}

TEST_F(PokerBetting, ARaiseBelowTheMinimumIsTakenAndBecomesTheMinimum) {
  table(noLimit, 10, 10, 20);
  seat(2, 0, 100);
  ASSERT_TRUE(pokerTakeAnswer(2, pokerRaise, 4));
  EXPECT_EQ(pokerArea().minRaise, 4);
  EXPECT_EQ(pokerArea().betLevel, 14);
}

TEST_F(PokerBetting, TheRoundEndsWhenEverySeatMatchedAndActed) {
  table(noLimit, 10, 10, 20);
  seats(3);
  TPokerArea& a = pokerArea();
  for (int s = 1; s <= 3; s++) {
    a.seats[s].stake = 10;
    a.seats[s].action = 1;
  }
  a.seats[3].action = 0;  // the big blind still acts even when everybody only called
  EXPECT_FALSE(pokerBettingRoundOver());
  a.seats[3].action = 3;
  EXPECT_TRUE(pokerBettingRoundOver());
  a.seats[2].stake = 5;
  EXPECT_FALSE(pokerBettingRoundOver());
  a.seats[2].allIn = 1;
  EXPECT_TRUE(pokerBettingRoundOver());
}

TEST_F(PokerBetting, SeatOrderSkipsFoldedEmptyAndAllInSeats) {
  seats(6);
  TPokerArea& a = pokerArea();
  a.seatDirection = 1;
  cg.gs.phase = 4;
  a.seats[3].state = 2;
  a.seats[4].state = 0;
  a.seats[5].allIn = 1;
  cg.gs.akspieler = 2;
  EXPECT_EQ(pokerNextSeat(1, true, false), 6);
  EXPECT_EQ(pokerNextSeat(1, false, true), 3);
  EXPECT_EQ(pokerPreviousSeat(1, true, false), 1);
  cg.gs.akspieler = 6;
  EXPECT_EQ(pokerNextSeat(2, true, false), 2);
  cg.gs.phase = 1;
  EXPECT_EQ(pokerNextSeat(1, false, false), 1);  // dealing counts every position
}

TEST_F(PokerBetting, AggressionIndex) {
  seats(6);
  TPokerArea& a = pokerArea();
  cg.gs.gamesPlayed = 0;
  pokerUpdateAggression();
  EXPECT_EQ(a.aggression, 180);
  a.aggressionHistory = {};
  cg.gs.gamesPlayed = 10;
  pokerUpdateAggression();
  EXPECT_EQ(a.aggression, 0);
  for (auto& h : a.aggressionHistory) h = 100;
  a.seats[1].allIn = 1;
  cg.gs.gamesPlayed = 40;
  pokerUpdateAggression();
  EXPECT_EQ(a.aggression, 1088);
  seats(2);
  for (auto& h : a.aggressionHistory) h = 100;
  pokerUpdateAggression();
  EXPECT_EQ(a.aggression, 323);
}

// The poker computer player on small tables: the level ladder, the pre-flop and post-flop
// rules, the decision's tail and the move, each at the three strengths and seeded.
#include <gtest/gtest.h>

#include <map>

#include "engine/engine_services.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_counter.h"
#include "games/casino/poker_preflop.h"
#include "games/casino/poker_reactions.h"
#include "games/casino/poker_rules_ai.h"
#include "games/casino/poker_winprob.h"
#include "platform/random.h"
#include "tests/casino/poker_table_fixture.h"

class PokerAI : public PokerTableFixture {
 public:
  void SetUp() override {
    PokerTableFixture::SetUp();
    seats(3);
    clusterer().caseCount = 0;  // no stored cases: after the flop the rules decide
    TPokerArea& a = pokerArea();
    a.blind = 10;
    a.startMoney = 1000;
    a.minRaise = 10;
    a.maxRaise = 1000000;
    a.bettingOpen = 1;
    a.aggression = 100;
    for (int s = 1; s <= 3; s++) {
      seat(s, 0, 1000);
      cg.gs.seatProfiles[s].strength = 2;
    }
    setCards(1, "c2 d3");
    setCards(2, "s9 h4");
    setCards(3, "d8 c7");
    cg.gs.akspieler = 2;
    cg.gs.subStep = 1;
  }
  void TearDown() override { randomReleaseSeed(); }
  static void seat(int s, int32_t stake, int32_t money) {
    TChipSeat& c = pokerArea().seats[s];
    const uint8_t state = c.state;
    c = TChipSeat{};
    c.state = state ? state : 1;
    c.stake = stake;
    setMoney(s, money);
  }
  static void street(int n, const std::string& board) {
    pokerArea().street = uint8_t(n);
    setCards(12, board);
  }
  static void prepare() {
    for (int s = 1; s <= 3; s++) pokerPrepareSeat(s);
  }
  static void seed(uint64_t s) {
    randomFixSeed(s);
    randomSeed(s);
  }
  // The decision of seat 2 over seeds 1..n, counted by kind.
  static std::map<int, int> decisions(int n) {
    std::map<int, int> kinds;
    for (int i = 1; i <= n; i++) {
      seed(i);
      TPokerDecision d;
      pokerAIDecision(2, d);
      kinds[d.kind]++;
    }
    return kinds;
  }
};

TEST_F(PokerAI, LevelLadder) {
  struct Case {
    int level, minRaise, money, betLevel;
    bool caps;
    uint8_t kind;
    int amount;
  } cases[] = {
      {6, 10, 1000, 0, true, pdAllIn, 0},
      {5, 10, 1000, 0, true, pdRaise, 10},
      {5, 10, 60, 0, true, pdRaise, 4},     // ten blinds unaffordable: the next rung pays
      {3, 50, 1000, 0, true, pdCall, 0},    // five blinds break the caps of rungs 3 and 4
      {3, 50, 1000, 0, false, pdRaise, 5},  // no caps after the flop
      {1, 10, 1000, 20, true, pdCall, 0},
      {0, 10, 1000, 0, true, pdCall, 0},    // nothing owed: check
      {0, 10, 1000, 20, true, pdFold, 0},
      {1, 10, 15, 20, true, pdFold, 0},     // cannot pay the call
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    pokerArea().minRaise = c.minRaise;
    pokerArea().betLevel = c.betLevel;
    seat(2, 0, c.money);
    const TPokerDecision d = pokerLevelDecision(c.level, pokerSeatView(2), c.caps);
    EXPECT_EQ(d.kind, c.kind);
    if (c.kind == pdRaise) {
      EXPECT_EQ(d.amount, c.amount);
    }
  }
}

// Late in an unraised round a normal seat with w >= 22 always plays on.
TEST_F(PokerAI, PreflopLateSeatPlaysOn) {
  preflopTable().fill(0);
  for (int p = 2; p <= 7; p++) preflopTable()[preflopOffset(7, 2, 0, p)] = 85;  // about 33 %
  cg.gs.subStep = 3;  // x = 100
  pokerArea().betLevel = 10;
  prepare();
  const auto kinds = decisions(200);
  EXPECT_EQ(kinds.count(pdFold), 0u);
}

// With a smallest raise of 21 blinds the pre-flop rules do not raise; in an unraised pot the
// strongest tier's opening levels stay below all-in, so the seat calls.
TEST_F(PokerAI, PreflopNoRaiseAboveTwentyBlinds) {
  preflopTable().fill(255);
  pokerArea().minRaise = 210;
  for (int strength = 1; strength <= 3; strength++) {
    cg.gs.seatProfiles[2].strength = strength;
    for (int i = 1; i <= 100; i++) {
      seed(i);
      TPokerDecision d;
      pokerRuleDecisionB(2, d);
      EXPECT_EQ(d.kind, pdCall) << strength << " " << i;
    }
  }
}

// Facing all-ins, a strong seat never raises: it calls or goes all-in.
TEST_F(PokerAI, NoRaiseWhenEveryOtherSeatIsAllIn) {
  street(7, "sA hA dA c9 h2");
  setCards(2, "cA sK");
  for (int s : {1, 3}) {
    pokerArea().seats[s].allIn = 1;
    pokerArea().seats[s].raisesMade = 1;
  }
  pokerArea().someoneAllIn = 1;
  pokerArea().betLevel = 200;
  pokerArea().pot = 400;
  prepare();
  for (int strength = 1; strength <= 3; strength++) {
    cg.gs.seatProfiles[2].strength = strength;
    const auto kinds = decisions(60);
    EXPECT_EQ(kinds.count(pdRaise), 0u) << strength;
    EXPECT_EQ(kinds.count(pdFold), 0u) << strength;
  }
}

// After the flop a seat holding less than one blind goes all-in instead of folding.
TEST_F(PokerAI, ShortStackGoesAllIn) {
  street(3, "sA hK d7");
  seat(2, 0, 6);
  pokerArea().betLevel = 40;
  pokerArea().pot = 100;
  prepare();
  for (int strength = 1; strength <= 3; strength++) {
    cg.gs.seatProfiles[2].strength = strength;
    auto kinds = decisions(40);
    EXPECT_EQ(kinds[pdAllIn], 40) << strength;
  }
}

// In Pot Limit an all-in above the pot is no option: it becomes a raise of at most maxRaise.
TEST_F(PokerAI, AllInNotAllowedBecomesRaise) {
  pokerArea().potLimit = 1;
  pokerArea().pot = 60;
  street(7, "sA hA dA c9 h2");
  setCards(2, "cA sK");
  prepare();
  ASSERT_FALSE(pokerArea().seats[2].canAllIn);
  const auto kinds = decisions(100);
  EXPECT_EQ(kinds.count(pdAllIn), 0u);
  for (int i = 1; i <= 30; i++) {
    seed(i);
    TPokerDecision d;
    pokerAIDecision(2, d);
    if (d.kind == pdRaise) {
      EXPECT_LE(d.amount, pokerArea().maxRaise);
    }
  }
}

// The move is always an answer the panel offers: a seat short of the call never "calls".
TEST_F(PokerAI, MoveAnswersOfferedOptions) {
  cg.gameId = gidPoker;
  street(5, "s9 hK d7 c2");
  struct Case {
    int money, betLevel;
  } cases[] = {{1000, 0}, {1000, 40}, {25, 40}, {5, 40}};
  for (const Case& c : cases) {
    for (int strength = 1; strength <= 3; strength++) {
      cg.gs.seatProfiles[2].strength = strength;
      for (int i = 1; i <= 15; i++) {
        seed(i);
        seat(2, 0, c.money);
        pokerArea().betLevel = c.betLevel;
        prepare();
        cg.gs.getBlender = {};
        pokerAIMove();
        EXPECT_EQ(cg.gs.getBlender.kind, 2);
        EXPECT_TRUE(pokerAnswerOffered(2, cg.gs.getBlender.res_ii))
            << c.money << " " << c.betLevel << " " << cg.gs.getBlender.res_ii;
      }
    }
  }
}

// The situation record: blinds capped, street code, seat, and the seat's noted values.
TEST_F(PokerAI, SituationRecord) {
  street(7, "sA hA dA c9 h2");
  setCards(2, "cA sK");
  pokerArea().pot = 5000;
  pokerArea().betLevel = 30;
  seat(2, 10, 1000);
  seed(3);
  TPokerCase r{};
  pokerSituationFeatures(2, r);
  EXPECT_EQ(r.potInBlinds, 200);
  EXPECT_EQ(r.stakeInBlinds, 1);
  EXPECT_EQ(r.toCallInBlinds, 2);
  EXPECT_EQ(r.streetCode, 16);
  EXPECT_EQ(r.seat, 2);
  EXPECT_GT(r.winChanceInHand, 200);
  EXPECT_FLOAT_EQ(pokerArea().seats[2].callValue, r.callValue);
  EXPECT_FLOAT_EQ(pokerArea().seats[2].winChance, r.winChance);
}

TEST_F(PokerAI, BluffAllowance) {
  struct Case {
    int aggression, expected;
  } cases[] = {{10, -2}, {100, 2}, {900, 13}};  // three seats: two others in the hand (x 0.9), three playable (x 0.8)
  for (const Case& c : cases) {
    pokerArea().aggression = c.aggression;
    EXPECT_EQ(pokerBluffAllowance(), c.expected) << c.aggression;
  }
}

// The post-flop rules' level, read from the developer trace, over seeded decisions.
class PokerRules : public PokerAI {
 public:
  static std::map<int, int> levels(int n) {
    std::map<int, int> seen;
    for (int i = 1; i <= n; i++) {
      seed(100 + i);
      decisionTrace.clear();
      TPokerDecision d;
      pokerRuleDecision(2, d);
      const size_t at = decisionTrace.rfind("G:");
      seen[std::stoi(decisionTrace.substr(at + 2))]++;
    }
    return seen;
  }
};

// At the turn a weak hand ends at level 0, or at 1 with probability 0.9.
TEST_F(PokerRules, TurnLevelTakenAfresh) {
  street(5, "sA hK d7 cQ");
  setCards(2, "c3 h2");
  pokerArea().betLevel = 40;
  prepare();
  auto seen = levels(400);
  EXPECT_EQ(seen[0] + seen[1], 400);
  EXPECT_NEAR(seen[1] / 400.0, 0.9, 0.05);
}

// On the flop and the river three in ten decisions end at level 1 whatever the hand.
TEST_F(PokerRules, ThirtyPercentCall) {
  street(7, "sA hA dA c9 h2");
  setCards(2, "cA sK");
  pokerArea().seats[3].raisesMade = 1;  // a raised pot: the level follows the hand
  auto seen = levels(400);
  EXPECT_NEAR(seen[1] / 400.0, 0.3, 0.07);
  EXPECT_EQ(seen[0], 0);
}

// A pro weighs the cards still to come by the counter's rank factors; nobody else does.
TEST_F(PokerAI, ProWeighsByRankFactors) {
  bool standIn = false;
  setTraceListener([&](std::string_view t) { standIn = standIn || t.find("not available") != std::string_view::npos; });
  street(3, "hJ c8 s3");
  setCards(2, "sA dJ");
  const float normal = pokerWinProbability(2, 2, false);
  cg.gs.seatProfiles[2].strength = 3;
  const float pro = pokerWinProbability(2, 2, false);
  setTraceListener({});
  EXPECT_NE(pro, normal);
  EXPECT_FALSE(standIn);
  EXPECT_FLOAT_EQ(pokerCounterRankFactor(0, 0), 0.62f);
  EXPECT_FLOAT_EQ(pokerCounterRankFactor(2, 12), 1.49f);
}

// The raise moods speak once a hand; moods without a comment give none.
TEST_F(PokerAI, ReactionMoods) {
  pokerArea().moodSpoken = 0;
  EXPECT_FALSE(pokerReactionSound(5, 2, 100));
  EXPECT_EQ(pokerArea().moodSpoken, 0);
  pokerReactionSound(37, 2, 100);
  EXPECT_EQ(pokerArea().moodSpoken, 1);
  EXPECT_FALSE(pokerReactionSound(38, 3, 100)) << "a second raise mood in the hand";
}

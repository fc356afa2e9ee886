// Schwimmen's computer player: 31 first, swapping all, the dealer's choice, a strong hand
// kept, the choice per strength, the repetition check, knocking and passing, the scores of
// "Profi" and what it observes.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "tests/family/schwimmen_fixture.h"

namespace {

using SchwimmenAI = SchwimmenFixture;

// The seat to act at its turn, all seats at the strength; the AI's answer as (kind, b).
std::pair<int, int32_t> answerAt(int32_t strength) {
  for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = strength;
  EXPECT_TRUE(SchwimmenFixture::untilTurn());
  cg.gs.getBlender = TGetBlender{0, 0, 7};
  schwimmenAIMove();
  return {cg.gs.getBlender.kind, cg.gs.getBlender.res_ii};
}

TEST_F(SchwimmenAI, ThirtyOneWithinReachIsTakenAtEveryStrength) {
  for (int32_t strength : {1, 2, 3}) {
    position({"hA h10 c7", "s7 s8 d9", "d7 d8 c9"}, "sQ hK cQ", "", 1);
    EXPECT_EQ(answerAt(strength), std::make_pair(0, int32_t(3))) << strength;
    ASSERT_TRUE(runUntil([] { return asked(schwimmenDecisionTake); }));
    schwimmenAIMove();
    ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }));
    EXPECT_EQ(schwimmenHandValue(1), 310) << strength;
  }
}

TEST_F(SchwimmenAI, AMiddleWorthThirtyOneIsSwappedWhole) {
  position({"c7 s8 d9", "s7 s9 d8", "d7 c8 c9"}, "hA h10 hK", "", 1, TSchwimmenOptions{.swapAll = true});
  EXPECT_EQ(answerAt(2), std::make_pair(2, schwimmenSwapAll));
}

TEST_F(SchwimmenAI, TheDealerTakesNewCardsOnlyWhenTheyAreWorthMore) {
  struct TCase {
    const char* stockTop;
    int32_t answer;
  } cases[] = {{"c10 c8 c7", schwimmenNewCards}, {"c10 cA s7", schwimmenKeep}};
  for (const TCase& c : cases) {
    position({"dA d10 s9", "s7 s8 h9"}, "", std::string("h7 h8 ") + c.stockTop, 1);
    cg.gs.phase = 3;
    cg.openDecisionDialog(schwimmenDecisionDealer);
    schwimmenAIMove();
    EXPECT_EQ(cg.gs.getBlender.kind, 2);
    EXPECT_EQ(cg.gs.getBlender.res_ii, c.answer) << c.stockTop;
  }
}

TEST_F(SchwimmenAI, AStrongHandUnderPositiveScoringSwapsOnlyForThirtyOne) {
  struct TCase {
    const char* middle;
    bool knocked;
    std::pair<int, int32_t> answer;
  } cases[] = {
      {"d7 d8 s7", false, {2, schwimmenKnock}},
      {"d7 d8 s7", true, {2, schwimmenPass}},
      {"c10 d7 d8", false, {0, 3}},
  };
  for (const TCase& c : cases)
    for (int32_t strength : {1, 2, 3}) {
      position({"cA cK c8", "s9 s8 h9", "h7 h8 d9"}, c.middle, "", 1, TSchwimmenOptions{.positive = true});
      schwimmenArea().knocked = c.knocked;
      EXPECT_EQ(answerAt(strength), c.answer) << c.middle << " strength " << strength;
    }
}

TEST_F(SchwimmenAI, NormalTakesTheHighestValueAndTheBeginnerMostly) {
  const std::vector<std::string> hands = {"c7 s8 d9", "h7 h8 c9", "d7 d8 c8"};
  position(hands, "hA h10 sK", "", 1);
  EXPECT_EQ(answerAt(2), std::make_pair(0, int32_t(1)));
  EXPECT_EQ(schwimmenArea().seatPlans[1].middleIndex, 3) << "c7 for the king of spades: 18, the first of the ties";
  int same = 0, trials = 200;
  randomSeed(3);
  for (int t = 0; t < trials; t++) {
    position(hands, "hA h10 sK", "", 1);
    schwimmenArea().seatPlans[1] = TSchwimmenPlan{};
    auto a = answerAt(1);
    same += a == std::make_pair(0, int32_t(1)) && schwimmenArea().seatPlans[1].middleIndex == 3;
  }
  EXPECT_GT(same, trials / 4);
  EXPECT_LT(same, trials);
}

TEST_F(SchwimmenAI, AMoveRepeatedFromTwoOrThreeTurnsAgoBecomesAKnockOrAPass) {
  struct TCase {
    const char* hand;
    const char* middle;
    int history;  // 1, 2 or 3
    std::pair<int, int32_t> answer;
  } cases[] = {
      {"c7 s8 d9", "sA h10 sK", 2, {2, schwimmenPass}},
      {"c7 s8 d9", "sA h10 sK", 3, {2, schwimmenPass}},
      {"c7 s8 d9", "sA h10 sK", 1, {0, 1}},
      {"hA hK h8", "h9 s7 d7", 2, {2, schwimmenKnock}},
  };
  for (const TCase& c : cases) {
    position({c.hand, "c8 c10 cJ", "d8 dJ dQ"}, c.middle, "", 1);
    answerAt(2);
    const int32_t key = schwimmenArea().seatPlans[1].key;
    ASSERT_NE(key, 0) << c.hand;
    position({c.hand, "c8 c10 cJ", "d8 dJ dQ"}, c.middle, "", 1);
    TSchwimmenPlan& plan = schwimmenArea().seatPlans[1];
    plan = TSchwimmenPlan{};
    (c.history == 1 ? plan.history1 : c.history == 2 ? plan.history2 : plan.history3) = key;
    EXPECT_EQ(answerAt(2), c.answer) << c.hand << " history " << c.history;
  }
}

TEST_F(SchwimmenAI, ProfiWeighsWhatTheOthersCouldTake) {
  struct TCase {
    TSchwimmenCandidate c;
    bool positive;
    int32_t score;
  } cases[] = {
      {{200, 0, 0, 310}, true, 310},    {{200, 0, 0, 295}, true, 215},   {{200, 300, 0, 200}, true, 45},
      {{200, 295, 0, 200}, true, 155},  {{200, 285, 0, 200}, true, 185}, {{200, 270, 0, 200}, true, 200},
      {{200, 0, 305, 200}, true, 175},  {{200, 0, 300, 200}, true, 195}, {{200, 300, 310, 200}, false, 200},
      {{200, 310, 0, 310}, true, 45},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(schwimmenCandidateScore(c.c, 3, c.positive), c.score)
        << c.c.value << " " << c.c.nextBest << " " << c.c.othersBest << " " << c.c.selfBest;
    EXPECT_EQ(schwimmenCandidateScore(c.c, 2, c.positive), c.c.value);
  }
}

TEST_F(SchwimmenAI, ObservationKeepsTheCardsASeatTookAndWhatItCollects) {
  position({"c7 d9 c8", "h7 h8 s9", "d7 d8 s8"}, "sA hA dA", "", 1, TSchwimmenOptions{.swapAll = true});
  cg.gs.phase = 4;
  schwimmenAIObserve(3, 0, 2);
  EXPECT_EQ(handText(cg.gs.seatKnownCards[1]), "hA");
  EXPECT_EQ(schwimmenArea().seatPlans[1].collectedSuit, suitClubs);
  schwimmenAIObserve(2, 0, schwimmenSwapAll);
  EXPECT_EQ(handText(cg.gs.seatKnownCards[1]), "sA hA dA");
  put(1, "sA c8 d9");
  schwimmenAIObserve(0, 0, 1);
  EXPECT_EQ(handText(cg.gs.seatKnownCards[1]), "hA dA");
  EXPECT_EQ(schwimmenArea().seatPlans[1].collectedSuit, suitDiamonds) << "without the option the last card's suit";
  schwimmenArea().tripleRule = 1;
  put(1, "sA hA d9");
  schwimmenAIObserve(0, 0, 3);
  EXPECT_EQ(schwimmenArea().seatPlans[1].collectedRank, rankAce);
  EXPECT_EQ(schwimmenArea().seatPlans[1].collectedSuit, 0);
}

}  // namespace

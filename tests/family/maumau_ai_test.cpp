// Mau-Mau's computer player: the wished suit, the scores of its legal cards and the answer
// it gives to each kind of decision.
#include <gtest/gtest.h>

#include <cmath>

#include "games/family/maumau_ai.h"
#include "platform/random.h"
#include "tests/family/maumau_fixture.h"

namespace {

// The answer the player gives in the open decision: kind and value.
std::pair<int, int> aiAnswer() {
  maumauAIMove();
  return {cg.gs.getBlender.kind, cg.gs.getBlender.res_ii};
}

TEST(MaumauAI, WishesTheSuitHeldMostWithoutTheEights) {
  struct { const char* hand; int suit; } cases[] = {
      {"cK cQ sK", 1}, {"c8 d8 h8 sK", 2}, {"cK sK", 2}, {"cK sK hK dK", 4}, {"c8", 4}, {"hK dK h8 d8", 4},
  };
  for (auto c : cases) EXPECT_EQ(maumauBestWishSuit(handOf(c.hand)), c.suit) << c.hand;
}

TEST(MaumauAI, WishDecisionIsAnsweredWithThatSuit) {
  layPosition({"c8 sK sQ hK", "dK dQ dJ"}, "c9", "d9 d10", 1, maumauDefaultState());
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  ASSERT_EQ(cg.gs.bl.decisionKind, 33);
  EXPECT_EQ(aiAnswer(), std::make_pair(2, 2));
}

TEST(MaumauAI, FacingADrawTwoItPlaysItsOwnOn) {
  layPosition({"h7 cK cQ", "dK s7 c7 hQ"}, "h9", "d9 d10 dJ", 1, maumauDefaultState());
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  ASSERT_EQ(cg.gs.bl.decisionKind, 31);
  EXPECT_EQ(aiAnswer(), std::make_pair(0, 2)) << "the first draw-two in slot order";
}

TEST(MaumauAI, WithoutAnAnswerToThePenaltyItTakesIt) {
  layPosition({"h7 cK cQ", "dK sQ hQ"}, "h9", "d9 d10 dJ", 1, maumauDefaultState());
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  EXPECT_EQ(aiAnswer(), std::make_pair(2, 31));
}

// A lone legal card that would hand the turn to a seat about to finish scores 0: played
// when the decision shows no options, else the first option is taken.
TEST(MaumauAI, LoneCardVetoes) {
  struct {
    std::vector<std::string> hands;
    bool announce;
    std::pair<int, int> expected;
    float score;
  } cases[] = {
      // Reverse (nine) would give the turn back to seat 3, holding one card.
      {{"h9 cK cQ", "sJ sQ sK", "dJ"}, false, {0, 1}, 0.0f},
      // Skip (ace): the seat two on holds one card.
      {{"hA cK cQ", "sJ sQ sK", "dJ"}, false, {0, 1}, 0.0f},
      // The same skip with a plain seat two on: 100.
      {{"hA cK cQ", "sJ sQ sK", "dJ dQ"}, false, {0, 1}, 100.0f},
      // Two cards, announcement offered by a pro: it announces first.
      {{"h9 cK", "sJ sQ sK", "dJ"}, true, {2, 56}, 0.0f},
  };
  for (auto& c : cases) {
    layPosition(c.hands, "hJ", "d9 d10 dJ", 1, maumauDefaultState());
    cg.gs.seatProfiles[1].strength = 3;
    ASSERT_TRUE(runToDecision());
    maumauAIScore();
    ASSERT_EQ(maumauAI.legalCards.anz, 1);
    EXPECT_EQ(maumauAI.score[1], c.score) << c.hands[0];
    EXPECT_EQ(aiAnswer(), c.expected) << c.hands[0];
  }
}

TEST(MaumauAI, PlainCardsScoreByTheirFollowers) {
  // cK: two own followers (cQ, c9) of three others; dK: none.
  layPosition({"cK dK cQ c9", "sJ sQ sK"}, "hK", "d9 d10", 1, maumauDefaultState());
  ASSERT_TRUE(runToDecision());
  maumauAIScore();
  ASSERT_EQ(maumauAI.legalCards.anz, 2);
  EXPECT_GT(maumauAI.score[1], maumauAI.score[2]);
  EXPECT_EQ(aiAnswer(), std::make_pair(0, 1));
}

TEST(MaumauAI, AnEmptyPileCountsAsNoShare) {
  // Right after a refill the pile holds only its top card's copy: no card looked at there.
  layPosition({"cK dK cQ", "sJ sQ sK"}, "hK", "d9 d10", 1, maumauDefaultState());
  ASSERT_TRUE(runToDecision());
  sp[maumauPile].count = 0;
  maumauAIScore();
  for (int i = 1; i <= maumauAI.legalCards.anz; i++) EXPECT_TRUE(std::isfinite(maumauAI.score[i]));
}

TEST(MaumauAI, AnnouncesByStrength) {
  struct { int strength; int lo, hi; } cases[] = {{3, 200, 200}, {2, 165, 195}, {1, 110, 150}};
  for (auto c : cases) {
    randomSeed(99);
    int said = 0;
    for (int i = 0; i < 200; i++) {
      layPosition({"hK cK", "sJ sQ sK"}, "h9", "d9 d10", 1, maumauDefaultState());
      cg.gs.seatProfiles[1].strength = c.strength;
      ASSERT_TRUE(runToDecision());
      if (aiAnswer() == std::make_pair(2, 56)) said++;
    }
    EXPECT_GE(said, c.lo) << "strength " << c.strength;
    EXPECT_LE(said, c.hi) << "strength " << c.strength;
  }
}

}  // namespace

// Canasta's computer player on small tables: the draw, carrying out a planned move part by
// part, the meld phase of a seat that has melded, the discard choice, and the memory its
// observation keeps.
#include "core/game_areas.h"
#include "games/rummy/canasta_ai.h"
#include "games/rummy/canasta_step.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

class CanastaAITest : public CanastaTest {
 protected:
  void SetUp() override {
    CanastaTest::SetUp();
    canastaInitSortKeys();
    resetGameAreaQueries();
    cg.gs.phase = 4;
    screenMode = 1;
    for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 3;
    giveHand(11, "c7 c8 c9 h7 h8 h9");
  }
  void TearDown() override {
    screenMode = 0;
    CanastaTest::TearDown();
  }

  static void strength(int s) { cg.gs.seatProfiles[1].strength = s; }

  // The action the player gave for the open decision.
  static TGetBlender answer(int32_t decision) {
    cg.openDecisionDialog(decision);
    cg.gs.getBlender = TGetBlender{};
    canastaAIMove();
    return cg.gs.getBlender;
  }
};

TEST_F(CanastaAITest, DrawTakesThePileWhenItsStrengthAllowsIt) {
  struct Case {
    const char* what;
    int strength;
    bool melded;
    const char* pile;
    int stack;
  } cases[] = {
      {"Profi before its first meld, one card", 3, false, "sK", 11},
      {"Profi before its first meld, two cards", 3, false, "d7 sK", 13},
      {"Profi after its first meld, one card", 3, true, "sK", 13},
      {"Normal before its first meld, one card", 2, false, "sK", 13},
  };
  for (const Case& c : cases) {
    strength(c.strength);
    TCanastaArea& a = canastaArea();
    a.firstMeldMade[1] = c.melded;
    a.meldMinimum = c.melded ? 0 : 50;
    a.bestPoints = 60;
    giveHand(1, "cK hK d7 d8 h9");
    giveHand(13, c.pile);
    const TGetBlender g = answer(canastaDecisionDraw);
    EXPECT_EQ(g.kind, 3) << c.what;
    EXPECT_EQ(g.res_i, c.stack) << c.what;
  }
}

TEST_F(CanastaAITest, BeginnerDrawsFromTheStockAboutAFifthOfItsTurns) {
  strength(1);
  canastaArea().firstMeldMade[1] = 1;
  giveHand(1, "cK hK d7 d8 h9");
  giveHand(13, "d7 sK");
  randomFixSeed(5);
  randomSeed(5);
  int stock = 0;
  for (int i = 0; i < 200; i++) {
    clearHand(cg.gs.seatKnownCards[1]);  // each taken pile is noted
    stock += answer(canastaDecisionDraw).res_i == 11 ? 1 : 0;
  }
  randomReleaseSeed();
  EXPECT_GT(stock, 20);
  EXPECT_LT(stock, 60);
}

TEST_F(CanastaAITest, PlannedPartsAreLaidOffOrLaidDown) {
  TCanastaArea& a = canastaArea();
  a.firstMeldMade[1] = 1;
  const int32_t kings = layMeld(1, "cK sK dK");
  giveHand(1, "hK c7 h7 s7 d8 h9");
  canastaPutMeld(a.multizugPlan, handOf("hK"), kings, 0);
  canastaPutMeld(a.multizugPlan, handOf("c7 h7 s7"), kings, 0);
  a.aiPlannedThisTurn = 1;
  TGetBlender g = answer(canastaDecisionMeld);
  EXPECT_EQ(g.kind, 3) << "one card with a target: a click on the meld";
  EXPECT_EQ(g.res_i, 12);
  EXPECT_EQ(g.res_ii, k12.melds[kings].k[1].hi);
  EXPECT_EQ(handSlotsText(cg.gs.bl.selhand), "hK#1");
  g = answer(canastaDecisionMeld);
  EXPECT_EQ(g.kind, 2) << "three cards go down as a new meld";
  EXPECT_EQ(g.res_ii, canastaAnswerMeld);
  EXPECT_EQ(handSlotsText(cg.gs.bl.selhand), "c7#2 h7#3 s7#4");
  EXPECT_EQ(a.aiPlannedThisTurn, 0) << "the plan is carried out";
}

TEST_F(CanastaAITest, APlanWhosePartLeftTheHandIsDropped) {
  TCanastaArea& a = canastaArea();
  a.firstMeldMade[1] = 1;
  const int32_t kings = layMeld(1, "cK sK dK");
  giveHand(1, "hK c7 h7 s7 d8 h9");
  canastaPutMeld(a.multizugPlan, handOf("hQ"), kings, 0);
  a.aiPlannedThisTurn = 1;
  const TGetBlender g = answer(canastaDecisionMeld);
  EXPECT_EQ(a.aiPlannedThisTurn, 0);
  EXPECT_EQ(g.kind, 2);
  EXPECT_EQ(g.res_ii, canastaAnswerDone);
}

TEST_F(CanastaAITest, AMeldedNormalPlayerWaitsUnlessItHasACanasta) {
  strength(2);
  TCanastaArea& a = canastaArea();
  a.firstMeldMade[1] = 1;
  a.drawnFrom = 11;
  layMeld(1, "cA sA dA");
  giveHand(1, "cQ hQ sQ dQ cQ hQ sQ d7 h8");
  TGetBlender g = answer(canastaDecisionMeld);
  EXPECT_EQ(g.res_ii, canastaAnswerMeld);
  EXPECT_EQ(handText(cg.gs.bl.selhand), "cQ hQ sQ dQ cQ hQ sQ");

  giveHand(1, "cQ hQ sQ d7 h8 s9");
  int waits = 0;
  for (int seed = 1; seed <= 40; seed++) {
    randomFixSeed(seed);
    randomSeed(seed);
    a.aiPlannedThisTurn = 0;
    g = answer(canastaDecisionMeld);
    if (g.res_ii == canastaAnswerDone) waits++;
    else EXPECT_EQ(handText(cg.gs.bl.selhand), "cQ hQ sQ") << "an urgent move lays down what it can";
  }
  randomReleaseSeed();
  EXPECT_GE(waits, 30);
}

TEST_F(CanastaAITest, ProfiDiscardKeepsWhatTheNextSideCollects) {
  struct Case {
    const char* what;
    const char* hand;
    const char* pile;
    int position;
  } cases[] = {
      {"the next side melded kings", "hK hQ", "c7 d8", 2},
      {"a frozen pile cannot be taken with them", "hK hQ", "c7 x d8", 1},
      {"a black three goes first", "hQ c3", "c7 d8", 2},
      {"ties go to the first card", "hQ sJ", "c7 d8", 1},
  };
  layMeld(2, "cK sK dK");
  for (const Case& c : cases) {
    giveHand(1, c.hand);
    giveHand(13, c.pile);
    EXPECT_EQ(canastaAIChooseDiscard(), c.position) << c.what;
  }
}

TEST_F(CanastaAITest, MemoryOfTakenPilesDiscardsAndDraws) {
  const TGameState& g = cg.gs;
  giveHand(13, "c7 d8 h9 sJ cQ");
  canastaAIObserve(3, 13, 5);
  EXPECT_EQ(handText(g.seatKnownCards[1]), "c7 d8 h9 sJ cQ");
  giveHand(1, "c7 d8 h9 sJ cQ hA");
  canastaAIObserve(0, 0, 2);
  EXPECT_EQ(handText(g.seatKnownCards[1]), "c7 h9 sJ cQ");
  EXPECT_EQ(handText(g.seatDiscards[1]), "d8");

  giveHand(1, "c2 x hK hA");
  for (int p : {1, 2, 3}) canastaAIObserve(0, 0, p);
  EXPECT_EQ(handText(g.seatDiscards[1]), "d8 hK") << "wild cards never enter";
  layMeld(1, "cK sK dK");
  canastaAIObserve(0, 0, 4);
  EXPECT_EQ(handText(g.seatDiscards[1]), "d8 hA") << "the side collects kings now";

  giveHand(11, "d7 c3");
  canastaAIObserve(3, 11, 2);
  EXPECT_EQ(handUsed(g.seatDrawnCards[1]), 0) << "a black three is not noted";
  giveHand(11, "c3 d7");
  canastaArea().turnCounter = 9;
  canastaAIObserve(3, 11, 2);
  EXPECT_EQ(handSlotsText(g.seatDrawnCards[1]), "d7#9");

  cg.gs.phase = 3;
  canastaAIObserve(3, 13, 5);
  EXPECT_EQ(handUsed(g.seatKnownCards[1]), 4) << "outside the play phase nothing changes";
}

}  // namespace

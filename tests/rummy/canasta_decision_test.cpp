// Canasta's answers to the core's questions: when decision 82 offers "done", the pile and
// the turn's counters, and the open hands at the end of a hand.
#include "core/game_areas.h"
#include "games/rummy/canasta_registration.h"
#include "games/rummy/canasta_state.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

using CanastaDecisionTest = CanastaTest;

bool offersDone() {
  const TDecisionBlock& b = cg.gs.bl;
  for (int n = 1; n <= b.optionCount && n <= 8; n++)
    if (b.optionValues[n] == 37) return true;
  return false;
}

TEST_F(CanastaDecisionTest, DoneIsOfferedOnlyWhenTheTurnMayEnd) {
  struct Case {
    const char* what;
    const char* hand;
    bool canasta, pileCardPending, firstMeldMade, meldedThisTurn;
    int turnPoints, minimum;
    bool done;
    int drawnFrom = 11;
  } cases[] = {
      {"cards left", "c7 c8 c9", false, false, true, false, 0, 0, true},
      {"one card, no canasta", "c7", false, false, true, false, 0, 0, false},
      {"one card and a canasta", "c7", true, false, true, false, 0, 0, true},
      {"no card and a canasta", "", true, false, true, false, 0, 0, true},
      {"pile card to lay", "c7 c8 c9", false, true, true, false, 0, 0, false},
      {"first meld short", "c7 c8 c9", false, false, false, true, 40, 50, false},
      {"first meld reached", "c7 c8 c9", false, false, false, true, 50, 50, true},
      {"first meld not begun", "c7 c8 c9", false, false, false, false, 0, 50, true},
      {"first meld short, pile taken", "c7 c8 c9", false, false, false, true, 40, 50, false, 13},
      {"first meld reached, pile taken", "c7 c8 c9", false, false, false, true, 50, 50, true, 13},
      {"first meld made in an earlier turn", "c7 c8 c9", false, false, true, true, 10, 50, true},
  };
  for (const Case& c : cases) {
    k12.clear();
    sp[12].count = 0;
    if (c.canasta) layMeld(1, "cA hA sA dA cA hA sA");
    giveHand(1, c.hand);
    TCanastaArea& can = canastaArea();
    can.kartenzwang = c.pileCardPending ? card("hK") : noCard();
    can.firstMeldMade[1] = c.firstMeldMade;
    can.meldedThisTurn[1] = c.meldedThisTurn;
    can.turnPoints = c.turnPoints;
    can.meldMinimum = c.minimum;
    can.drawnFrom = c.drawnFrom;
    resetGameAreaQueries();
    cg.gs.bl = TDecisionBlock{};
    cg.buildDecisionDialog(82);
    EXPECT_EQ(offersDone(), c.done) << c.what;
  }
}

TEST_F(CanastaDecisionTest, TurnCountersAndSelection) {
  resetGameAreaQueries();
  canastaArea().hcount = 3;
  canastaArea().aiPlannedThisTurn = 1;
  EXPECT_EQ(gameAreas.canastaMovesThisTurn(), 3);
  EXPECT_TRUE(gameAreas.canastaFirstMeldPlanned());
  gameAreas.canastaSelection() = handOf("cK hK");
  EXPECT_EQ(handText(canastaArea().selhand), "cK hK");
}

TEST_F(CanastaDecisionTest, OtherHandsOpenOnceTheHandEnded) {
  struct Case {
    int seat, step, phase;
    bool open;
  } cases[] = {{2, 10, 4, true}, {1, 10, 4, false}, {2, 9, 4, false}, {2, 10, 1, false}, {2, 10, 3, false},
               {3, 10, 5, true}};
  for (const Case& c : cases) {
    cg.gs.step = c.step;
    cg.gs.phase = static_cast<uint8_t>(c.phase);
    EXPECT_EQ(canastaIsSeatHandOpen(c.seat), c.open) << c.seat << " " << c.step << " " << c.phase;
  }
}

}  // namespace

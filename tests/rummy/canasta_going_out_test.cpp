// Going out through the step: concealed when the seat laid nothing down in an earlier turn
// (red threes aside, the step's own lay-downs included), and the last cards of a turn: "done"
// with one card selected discards it at once, a hand melded empty ends the turn without a
// discard.
#include "tests/rummy/canasta_play_fixture.h"

namespace {

class CanastaGoingOutTest : public CanastaPlayFixture {
 protected:
  // A fresh table at seat 1's turn, its stock not empty.
  static void fresh() {
    resetTable(4);
    canastaArea() = TCanastaArea{};
    canastaArea().options = publishedOptions();
    canastaArea().turnCounter = 1;
    cg.gameId = gidCanasta;
    cg.gs.meldTableInUse = 1;
    cg.gs.phase = 4;
    cg.gs.akspieler = 1;
    canastaInitSortKeys();
    k12.clear();
    give(11, "c4 c5 c6 c8 c9 c10");
    give(2, "d4 d5 d6");
  }
  static void give(int32_t stack, const std::string& cards) {
    sp[stack].hand = handOf(cards);
    syncSlotsFromHand(sp[stack]);
    spLayout[stack].count = sp[stack].count;
    for (int i = 1; i <= sp[stack].count; i++) spLayout[stack].slots[i].card = sp[stack].slots[i].card;
  }
  // The cards of the last move land; the step stays still meanwhile.
  static void settle() {
    cg.gs.awaitingAction = 2;
    for (int f = 0; f < 500 && (pendingMoveCount > 0 || finishedMoves.count > 0); f++) headlessFrame();
    k12.rebuildFromSlots();
  }
  static void apply(const std::string& selection, int kind, int16_t a, int16_t b) {
    cg.gs.bl.selhand = handOf(selection);
    cg.gs.getBlender = TGetBlender{a, b, uint8_t(kind)};
    cg.gs.step = 3;
    canastaApplyMeldAnswer();
    settle();
  }
  static void runStep() {
    canastaGameStep(cg.gs);
    settle();
  }
  // The turn of `seat` starts after `previous` ended its own.
  static void startTurnOf(int32_t seat, int32_t previous) {
    cg.gs.akspieler = seat;
    canastaArea().lastMover = previous;
    cg.gs.step = 0;
    runStep();
  }
};

TEST_F(CanastaGoingOutTest, ConcealedOnlyWithoutALayDownInAnEarlierTurn) {
  struct Case {
    const char* what;
    const char* earlier;  // seat 1's lay-down in its earlier turn
    bool forced;          // as the forced three-card meld after taking a frozen pile
    bool concealed;
  } cases[] = {
      {"nothing laid", "", false, true},
      {"a red three", "h3#4", false, true},
      {"a meld", "c7#1 h7#2 d7#3", false, false},
      {"the forced meld", "c7#1 h7#2 d7#3", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fresh();
    give(1, "c7 h7 d7 h3 cJ");
    canastaArea().spielmit2zwang = c.forced ? handOf("d7").k[1] : noCard();
    if (*c.earlier) apply(c.earlier, 2, 0, canastaAnswerMeld);
    startTurnOf(2, 1);
    startTurnOf(1, 2);
    give(1, "cA hA sA dA cA hA sA cJ");
    apply("cA#1 hA#2 sA#3 dA#4 cA#5 hA#6 sA#7", 2, 0, canastaAnswerMeld);
    apply("cJ#1", 2, 0, canastaAnswerDone);
    ASSERT_EQ(cg.gs.step, 6);
    runStep();  // the discard
    runStep();  // the change of turn
    runStep();
    EXPECT_EQ(canastaArea().wentOutSeat, 1);
    EXPECT_EQ(canastaArea().wentOutConcealed, c.concealed ? 1 : 0);
    EXPECT_EQ(cg.gs.step, 9);
  }
}

TEST_F(CanastaGoingOutTest, TheLastCardsOfATurn) {
  struct Case {
    const char* hand;
    const char* meld;
    const char* doneWith;
    int stepAfterDone, stepAfterThat;  // 0: not run
  } cases[] = {
      {"cQ hQ dQ c7", "cQ#1 hQ#2 dQ#3", "c7#1", 6, 7},  // the one selected card is the discard
      {"cQ hQ dQ c7 c8", "cQ#1 hQ#2 dQ#3", "c7#1 c8#2", 2, 0},  // back to the panel
      {"cQ hQ dQ c7", "cQ#1 hQ#2 dQ#3", "", 5, 6},       // decision 80 asks for the discard
      {"cQ hQ dQ", "cQ#1 hQ#2 dQ#3", "", 5, 7},          // nothing left to discard
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " / " + c.doneWith);
    fresh();
    give(1, c.hand);
    apply(c.meld, 2, 0, canastaAnswerMeld);
    cg.gs.bl.decisionKind = 0;
    apply(c.doneWith, 2, 0, canastaAnswerDone);
    EXPECT_EQ(cg.gs.step, c.stepAfterDone);
    if (c.stepAfterThat != 0) {
      runStep();
      EXPECT_EQ(cg.gs.step, c.stepAfterThat);
      EXPECT_EQ(cg.gs.bl.decisionKind == canastaDecisionDiscard, c.stepAfterThat == 6);
    }
  }
}

}  // namespace

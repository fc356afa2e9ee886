// The frame handler: finished moves to the core, the game tick outside nested frames, the
// rationed hover pick and the raising and lowering of the hovered cards.
#include <gtest/gtest.h>

#include <vector>

#include "shell/shell_services.h"
#include "tests/shell/channel_fixture.h"

namespace {

class FrameHandlerTest : public ChannelTest {
 protected:
  // A pick happened when the sentinel in hoveredCard was replaced (the pick finds nothing
  // while the table is not drawn). The user is to act, so the table may pick.
  bool pickedAt(int32_t x, int32_t y) {
    cg.gs.akspieler = 1;
    inputState = 1;
    cg.gs.bl.cardsSelectable = 1;
    winNullSetCursor(x, y);
    hoveredCard = 77;
    hoverPick();
    return hoveredCard != 77;
  }
};

// [SECTION] finished moves

TEST_F(FrameHandlerTest, FinishedMovesGoToTheCoreNewestFirstAndNoneWhileAMoveIsPending) {
  finishedMoves.count = 2;
  finishedMoves.moves[1] = {1, 12, 3, 1, 2};
  finishedMoves.moves[2] = {2, 12, 5, 2, 2};
  std::vector<int32_t> seen;
  auto take = [&](const TFinishedMove& m) { seen.push_back(m.srcStack); };

  pendingMoveCount = 1;
  handOverFinishedMoves(take);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(finishedMoves.count, 2);

  pendingMoveCount = 0;
  handOverFinishedMoves(take);
  EXPECT_EQ(seen, (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(finishedMoves.count, 0);
}

TEST_F(FrameHandlerTest, TheFrameHandsTheFinishedMoveToTheCore) {
  deal(2, 3);
  cg.gs.pendingStack = 2;
  cg.gs.pendingSlot = 3;
  cg.gs.pendingMove = 3;
  finishedMoves.count = 1;
  finishedMoves.moves[1] = {2, 12, 3, 1, 2};
  screenMode = 1;
  Tglapp::main(true);
  EXPECT_EQ(cg.gs.pendingMove, 0);
  EXPECT_EQ(cg.gs.pendingStack, 0);
}

// [SECTION] game tick and animation

TEST_F(FrameHandlerTest, ANestedFrameAnimatesButRunsNoGameTick) {
  struct Case {
    const char* name;
    bool nested;
    uint8_t mode;
    bool ticks;
  };
  const Case cases[] = {
      {"main loop, game on", false, 1, true},
      {"nested, game on", true, 1, false},
      {"main loop, no game", false, 0, false},
  };
  playerCount = 3;
  for (const Case& c : cases) {
    screenMode = c.mode;
    deal(1, 2);
    sp[1].slots[1] = TCardSlot{};
    sp[1].slots[1].card.t = 1;
    setCardLift(sp[1].slots[1], 0, 1, 1);
    cg.gs.lastStepTick = getTickCount() - 50;
    cg.gs.msSinceStep = -7;
    Tglapp::main(c.nested);
    EXPECT_EQ(cg.gs.msSinceStep == 50, c.ticks) << c.name;
    EXPECT_GT(sp[1].slots[1].t, 0.0f) << c.name << ": the card animates";
  }
}

TEST_F(FrameHandlerTest, OnlyAFrameWithAGameOnCountsAndPicks) {
  screenMode = 0;
  Tglapp::main(false);
  EXPECT_EQ(cg.frameCount, 0);
  screenMode = 1;
  Tglapp::main(false);
  EXPECT_EQ(cg.frameCount, 1);
}

// [SECTION] hover pick

TEST_F(FrameHandlerTest, ThePickDivisorFollowsTheFrameRate) {
  const struct {
    float fps;
    int32_t d;
  } cases[] = {{120, 4}, {106, 4}, {105, 3}, {66, 3}, {65, 2}, {46, 2}, {45, 1}, {30, 1}};
  for (auto c : cases) EXPECT_EQ(pickDivisor(c.fps), c.d) << c.fps << " fps";
}

TEST_F(FrameHandlerTest, AboveFortyFramesEveryDthFramePicksEvenWithoutMovement) {
  screenMode = 1;
  vtlInfo.fps = 70;  // d = 3
  std::vector<bool> picks;
  for (int frame = 0; frame < 6; frame++) {
    cg.frameCount = frame;
    picks.push_back(pickedAt(100, 100));
  }
  EXPECT_EQ(picks, (std::vector<bool>{true, false, false, true, false, false}));
}

TEST_F(FrameHandlerTest, BelowFortyFramesANewPickExactlyWhenThePointerCellChanges) {
  screenMode = 1;
  vtlInfo.fps = 30;
  const struct {
    int32_t x, y;
    bool picks;
  } steps[] = {
      {10, 10, true},  {11, 11, false}, {12, 10, true},
      {128, 0, true},  {0, 2, true},  // both give the pointer code 64
      {1, 3, false},
  };
  for (auto s : steps) EXPECT_EQ(pickedAt(s.x, s.y), s.picks) << "(" << s.x << "," << s.y << ")";
  EXPECT_EQ(cg.pointerCode, 64);
  cg.lastPointerCode = 0;  // the core asks for a new pick after the user's step
  EXPECT_TRUE(pickedAt(1, 3));
}

TEST_F(FrameHandlerTest, NoHandCardIsHoveredWhileTheTableIsIdle) {
  screenMode = 2;
  EXPECT_TRUE(pickedAt(50, 50));
  EXPECT_EQ(hoveredCard, 0);
}

TEST_F(FrameHandlerTest, TheSeatKindOfSeatOneFollowsAutoPlayEveryFrame) {
  vtl.autoPlay = true;
  hoverPick();
  EXPECT_EQ(cg.seatRecords[1].kind, seatKindComputer);
  vtl.autoPlay = false;
  hoverPick();
  EXPECT_EQ(cg.seatRecords[1].kind, seatKindUser);
}

TEST_F(FrameHandlerTest, TheIPanelStockButtonSelectsTheStockOnlyWhenItHoldsCards) {
  screenMode = 1;
  vtl.keyboardNavigation = true;
  vtl.focusShown = true;  // the user steers with the keys
  vtl.focusDialog = dlgIPanel;
  vtl.focusElement = elActionButtons[49];
  EXPECT_TRUE(pickedAt(20, 20));
  EXPECT_EQ(pickedPile, 0) << "empty stock";
  deal(11, 7);
  EXPECT_TRUE(pickedAt(22, 20));
  EXPECT_EQ(pickedPile, 11);
  EXPECT_EQ(pickedPileIndex, 7);
  EXPECT_EQ(hoveredCard, 0);
}

// The decision places the keyboard focus on the first hand-card button by itself: that card
// counts only while the user steers with the keys or the pointer rests on its button.
TEST_F(FrameHandlerTest, TheFocusTheDecisionPlacesPicksNoCardUnderAnotherPointer) {
  screenMode = 1;
  deal(1, 3);
  vtl.keyboardNavigation = true;
  vtl.focusDialog = dlgIPanel;
  vtl.focusElement = elActionButtons[1];
  struct Row {
    bool focusShown;
    int32_t pointerElement;
    int32_t card;
  } rows[] = {{false, 0, 0}, {true, 0, 1}, {false, elActionButtons[2], 2}};
  for (const Row& r : rows) {
    vtl.focusShown = r.focusShown;
    vtl.pointerDialog = r.pointerElement != 0 ? dlgIPanel : 0;
    vtl.pointerElement = r.pointerElement;
    pickedAt(300 + 4 * r.card, 222);  // the table finds nothing here: its answer is the sentinel
    EXPECT_EQ(hoveredCard, r.card == 0 ? 77 : r.card) << "focus shown " << r.focusShown << ", pointer on " << r.pointerElement;
  }
  vtl.pointerDialog = vtl.pointerElement = 0;
  vtl.focusShown = false;
}

// [SECTION] checkupdownmoves

TEST_F(FrameHandlerTest, TheHoveredHandCardGoesUpAndTheOneLeftComesDown) {
  cg.gs.bl.cardsSelectable = 1;
  deal(1, 3);
  inputState = 1;
  hoveredCard = 2;
  checkupdownmoves(0);
  EXPECT_EQ(sp[1].slots[2].moving, 1);
  EXPECT_EQ(sp[1].slots[2].liftState, 0);
  EXPECT_EQ(prevHoveredCard, 2);
  hoveredCard = 3;
  checkupdownmoves(0);
  EXPECT_EQ(sp[1].slots[2].liftState, 1) << "lowered";
  EXPECT_EQ(sp[1].slots[3].liftState, 0) << "raised";
  EXPECT_EQ(sounds, (std::vector<TSoundSeen>{{soundCardRaised, 1, 2}, {soundCardRaised, 1, 3}}));

  inputState = 2;
  checkupdownmoves(0);
  EXPECT_EQ(sp[1].slots[3].liftState, 1) << "every lifted card comes down";
  EXPECT_EQ(hoveredCard, 0);
  EXPECT_EQ(prevHoveredCard, 0);
}

TEST_F(FrameHandlerTest, StaleSlotsBeyondTheStacksCountAreNeitherReadNorMoved) {
  cg.gs.bl.cardsSelectable = 1;
  cg.gs.bl.pileA = 12;
  deal(1, 2);
  deal(12, 2);
  // Left behind by cards that have gone: a lift still marked in slots past the count.
  for (TSpieler* s : {&sp[1], &sp[12]}) {
    s->slots[5].moving = 1;
    s->slots[5].animType = 1;
    s->slots[5].liftState = 2;
  }
  inputState = 1;
  prevHoveredCard = 5;
  hoveredCard = 1;
  prevPickedPileIndex = 5;
  pickedPileIndex = 0;
  checkupdownmoves(0);
  EXPECT_EQ(sp[1].slots[5].liftState, 2);
  EXPECT_EQ(sp[12].slots[5].liftState, 2);
  EXPECT_EQ(sp[1].slots[1].moving, 1) << "the present card is raised";

  sounds.clear();
  prevPickedPileIndex = 0;
  pickedPileIndex = 5;
  checkupdownmoves(0);
  EXPECT_EQ(sp[12].slots[5].liftState, 2);
  EXPECT_TRUE(sounds.empty());
}

}  // namespace

// Card animation: timing at any frame rate, start delay, end hold, paths, lift, glide,
// shuffle and the wobble phase.
#include <cmath>

#include "table/animation_internal.h"
#include "table/stack_ops.h"
#include "table/table_layout.h"
#include "tests/table/table_fixture.h"

namespace {

class AnimationTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setGame(gidSchwimmen, 3);
    buildTableLayout(true);
    fill(13, "c7 c8 c9");
  }
  // Frames until the move is reported in finishedMoves (-1 past the limit).
  static int framesUntilReported(int limit = 1000) {
    for (int frame = 1; frame <= limit; frame++) {
      animationStep();
      if (finishedMoves.count > 0) return frame;
    }
    return -1;
  }
};

TEST_F(AnimationTest, SpeedTenLastsOneSecondAtAnyFrameRate) {
  for (float fps : {30.0f, 60.0f, 144.0f}) {
    resetTable();
    setGame(gidSchwimmen, 3);
    buildTableLayout(true);
    fill(13, "c7");
    vtlInfo.fps = fps;
    ASSERT_TRUE(movecard(13, 1, 16, 1, 0, 2, movePileToPile, 0, 0, 0));
    int frames = runUntilIdle();
    EXPECT_EQ(frames, int(fps)) << "at " << fps << " frames per second";
    EXPECT_EQ(stackText(16), "c7");
  }
}

TEST_F(AnimationTest, WithoutMotionBitsTheCardWaitsAtItsStartForTheFirstFifteenPercent) {
  ASSERT_TRUE(movecard(13, 3, 16, 1, 0, 2, movePileToPile, 0, 0, 0));
  TCardPose start = sp[13].slots[3].pose;
  // 10 frames at 60 fps: progress 1/6 at the end, so the first 9 frames show the start.
  for (int frame = 1; frame <= 9; frame++) {
    animationStep();
    const TCardFlight& f = sp[13].slots[3].flight;
    EXPECT_FLOAT_EQ(f.x, start.x) << "frame " << frame;
    EXPECT_FLOAT_EQ(f.z, start.z) << "frame " << frame;
  }
  for (int frame = 10; frame <= 30; frame++) animationStep();
  EXPECT_NE(sp[13].slots[3].flight.x, start.x);
}

TEST_F(AnimationTest, EndHoldKeepsTheCardAtItsTargetBeforeItIsReported) {
  vtlInfo.fps = 30;
  ASSERT_TRUE(movecard(13, 3, 16, 1, 0, 2, movePileToPile, 0, 0, 0.5f));
  int reported = framesUntilReported();
  // One second of flight, half a second of hold.
  EXPECT_GE(reported, 45);
  EXPECT_LE(reported, 46);
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(stackText(16), "c9");
}

TEST_F(AnimationTest, StartDelayHoldsTheProgressAtZero) {
  ASSERT_TRUE(movecard(13, 3, 16, 1, 0, 2, movePileToPile, 0.5f, 0, 0));
  for (int frame = 1; frame <= 29; frame++) {
    animationStep();
    EXPECT_EQ(sp[13].slots[3].t, 0.0f) << "frame " << frame;
    EXPECT_EQ(sp[13].slots[3].started, 0) << "frame " << frame;
  }
  int rest = runUntilIdle();
  EXPECT_GE(rest, 60);
  EXPECT_LE(rest, 62);
}

TEST_F(AnimationTest, ArcMoveEndsBackAtItsStartTurnedToTheTarget) {
  sp[13].slots[3].pose = TCardPose{10, 20, 30, 0, 0, 0};
  sp[16].slots[1].pose = TCardPose{500, 600, 700, 90, 45, 30};
  spLayout[13].slots[3].pose = TCardPose{1, 2, 3, 11, 22, 33};
  ASSERT_TRUE(movecard(13, 3, 16, 1, 0, 2, moveArc, 0, 0, 0));
  // The last frame shows the card back near its start, turned almost to the target; then
  // it lands.
  for (int frame = 1; frame <= 60; frame++) animationStep();
  const TCardFlight& f = sp[13].slots[3].flight;
  EXPECT_NEAR(f.x, 10, 40);
  EXPECT_NEAR(f.rotX, 90, 5);
  EXPECT_EQ(pendingMoveCount, 0);
  const TCardPose& p = sp[13].slots[3].pose;
  EXPECT_FLOAT_EQ(p.rotX, 11);
  EXPECT_FLOAT_EQ(p.rotY, 22);
  EXPECT_FLOAT_EQ(p.rotZ, 33);
  EXPECT_FLOAT_EQ(p.x, 10);  // the place stays, only the angles are taken
  EXPECT_EQ(sp[16].count, 0);
}

TEST_F(AnimationTest, WobblePhaseIsResetPast360) {
  vtlInfo.fps = 1;  // 30 degrees per frame
  wobblePhase = 355;
  animationStep();
  EXPECT_EQ(wobblePhase, 0);
  animationStep();
  EXPECT_FLOAT_EQ(wobblePhase, 30);
}

TEST_F(AnimationTest, LiftRisesRocksAndFalls) {
  fill(1, "c7 c8");
  setCardLift(sp[1].slots[1], 0, 1, 1);
  for (int frame = 1; frame <= 7; frame++) animationStep();
  EXPECT_EQ(sp[1].slots[1].liftState, 0);
  animationStep();  // 8 frames at 8 per second of 60: raised
  EXPECT_EQ(sp[1].slots[1].liftState, 2);
  EXPECT_FLOAT_EQ(sp[1].slots[1].flight.y, -40);
  setCardLift(sp[1].slots[1], 1, 1, 1);
  EXPECT_EQ(sp[1].slots[1].liftState, 1);
  int frames = 0;
  while (sp[1].slots[1].moving && frames < 100) {
    animationStep();
    frames++;
  }
  EXPECT_EQ(frames, 8);
  EXPECT_FLOAT_EQ(sp[1].slots[1].flight.y, 0);
  EXPECT_EQ(pendingMoveCount, 0);
}

TEST_F(AnimationTest, GlideEndsAtItsTargetAndBecomesTheRestPose) {
  TCardPose target{100, 200, 300, 10, 20, 30};
  TCardPose start = sp[2].restPose;
  moveStackTo(target, 2);
  for (int frame = 1; frame <= 30; frame++) animationStep();
  EXPECT_NEAR(sp[2].pose.x, (start.x + target.x) / 2, 0.5);
  for (int frame = 1; frame <= 40; frame++) animationStep();
  EXPECT_EQ(sp[2].gliding, 0);
  EXPECT_NEAR(sp[2].restPose.x, 100, 0.01);
  EXPECT_NEAR(sp[2].pose.rotZ, 30, 0.01);
  EXPECT_NEAR(spLayout[2].restPose.z, 300, 0.01);
  TCardPose pos{};
  vtl_getplayerpos(-2, 0, pos);
  EXPECT_NEAR(pos.y, 200, 0.01);
}

TEST_F(AnimationTest, ShuffleEffectEndsInPlaceAndCompletesItsMoves) {
  for (int i = 1; i <= 3; i++) ASSERT_TRUE(movecard(13, i, 13, i, 0, 5, moveStraight, 0, 0, 0));
  animationStep();
  for (int frame = 2; frame <= 30; frame++) animationStep();
  EXPECT_NE(sp[13].slots[1].flight.x, 0);  // split apart half way
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(finishedMoves.count, 3);
  EXPECT_EQ(stackText(13), "c7 c8 c9");
  int landings = 0;
  for (const TSoundHeard& s : sounds) landings += s.code == soundCardLands;
  EXPECT_EQ(landings, 3);
}

TEST_F(AnimationTest, MoveIntoTheStockLiesFaceDownOnIt) {
  fill(11, "d7");
  ASSERT_TRUE(movecard(13, 3, 11, 2, 1, 2, moveCollect, 0, 0, 0));
  EXPECT_FLOAT_EQ(sp[11].slots[2].pose.z, 4);
  EXPECT_FLOAT_EQ(sp[11].slots[2].pose.rotX, 180);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(11), "d7 c9");
  EXPECT_EQ(sp[13].count, 2);
}

TEST_F(AnimationTest, MovesIntoWonPilesRunAtFourFifthsOfTheSpeed) {
  ASSERT_TRUE(movecard(13, 3, 7, 1, 0, 2, moveCollect, 0, 0, 0));
  EXPECT_FLOAT_EQ(sp[13].slots[3].speed, 8);
  EXPECT_EQ(runUntilIdle(), 75);
}

}  // namespace

namespace {

// Hearts' passing and take-back curves: at the end of the move the card is exactly at its
// target pose, whichever way it came.
TEST_F(AnimationTest, HeartsPassingCurvesEndExactlyAtTheTarget) {
  setGame(gidHearts, 4);
  cg.gs.subState = 0;
  struct Case {
    const char* name;
    int32_t src;
  } cases[] = {{"passing from a seat", 2}, {"taking back from pile 7", 7}, {"taking back from pile 10", 10}};
  const TCardPose start{10, 20, 30, 5, 6, 7};
  const TCardPose target{-300, 450, 80, 170, 25, 300};
  for (const Case& c : cases) {
    TCardSlot slot{};
    slot.moving = 1;
    slot.animType = 2;
    slot.motion = 0x2020;
    slot.srcStack = c.src;
    slot.srcIndex = 1;
    slot.dstStack = -1;
    slot.dstIndex = 1;
    TMoveFrame f{};
    f.r0.pose = start;
    f.r1.pose = target;
    f.s = 1;
    f.kind = moveDeal;
    computeMovePath(slot, f);
    const TCardFlight& p = slot.flight;
    const float got[] = {p.x, p.y, p.z, p.rotX, p.rotY, p.rotZ};
    const float want[] = {target.x, target.y, target.z, target.rotX, target.rotY, target.rotZ};
    for (int i = 0; i < 6; i++)
      EXPECT_NEAR(got[i], want[i], 0.01) << c.name << ": value " << i << " expected " << want[i] << ", got " << got[i];
  }
}

}  // namespace

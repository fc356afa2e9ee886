// Slot operations: the rank position, reading slots and stack poses, shifting pose parts.
#include "table/stack_ops.h"
#include "tests/support/alerts.h"
#include "tests/table/table_fixture.h"

namespace {

class StackOpsTest : public TableTest {};

TCardSlot slotOf(const std::string& c) {
  TCardSlot s{};
  s.card = card(c);
  return s;
}

TEST_F(StackOpsTest, SortintoFindsThePlaceAboveTheFirstLowerRank) {
  struct Case {
    const char* pile;
    const char* card;
    int want;
  } cases[] = {
      {"", "cJ", 1},          // empty pile
      {"hA hK", "c9", 1},     // every rank at least the new one's
      {"c7 c9 cQ", "hJ", 3},  // ranks 1, 3, 5 and a new 4
      {"c7 c9 cQ", "dA", 4},
      {"c7 c9 cQ", "d9", 2},  // only the rank counts, and equal is not lower
  };
  for (const Case& c : cases) {
    fill(5, c.pile);
    EXPECT_EQ(sortinto(5, slotOf(c.card)), c.want) << c.card << " into [" << c.pile << "]";
  }
}

TEST_F(StackOpsTest, GetCardRecordWithoutAnIndexOnlyClearsTheMoveFields) {
  TCardSlot out{};
  out.pose.x = 7;
  out.moving = 1;
  out.motion = 5;
  out.variation = 0.5f;
  getCardRecord(3, 0, 0, out);
  EXPECT_FLOAT_EQ(out.pose.x, 7);
  EXPECT_EQ(out.moving, 0);
  EXPECT_EQ(out.motion, 0);
  EXPECT_EQ(out.variation, 0);
  spLayout[3].slots[2].pose.y = 42;
  getCardRecord(-3, 2, 1, out);
  EXPECT_FLOAT_EQ(out.pose.y, 42);
}

TEST_F(StackOpsTest, PlayerPosReadsTheLayoutCopyAndRefusesBadNumbers) {
  spLayout[3].restPose.x = 12;
  sp[3].restPose.x = 99;
  TCardPose p{};
  vtl_getplayerpos(-3, 0, p);
  EXPECT_FLOAT_EQ(p.x, 12);
  for (int bad : {0, 21, -21}) {
    AlertCollector alerts;
    TCardPose keep{1, 2, 3, 4, 5, 6};
    vtl_getplayerpos(bad, 1, keep);
    ASSERT_EQ(alerts.count(), 1u) << bad;
    EXPECT_EQ(alerts.texts()[0], "vtl_getplayerpos:illegal playerid");
    EXPECT_FLOAT_EQ(keep.x, 1);
  }
  sp[3].gliding = 1;
  sp[3].pose.x = 55;
  vtl_getplayerpos(3, 0, p);
  EXPECT_FLOAT_EQ(p.x, 55);
}

TEST_F(StackOpsTest, MoveSlotPoseShiftsPosesAndKeepsCards) {
  fill(4, "c7 c8 c9 cJ cQ");
  for (int i = 1; i <= 5; i++) sp[4].slots[i].pose.x = float(i);
  moveSlotPose(4, 2, 5);
  EXPECT_EQ(stackText(4), "c7 c8 c9 cJ cQ");
  float want[] = {1, 5, 2, 3, 4};
  for (int i = 1; i <= 5; i++) EXPECT_FLOAT_EQ(sp[4].slots[i].pose.x, want[i - 1]) << "slot " << i;
  moveSlotPose(4, 5, 2);
  for (int i = 1; i <= 5; i++) EXPECT_FLOAT_EQ(sp[4].slots[i].pose.x, float(i)) << "slot " << i;
  fill(1, "c7 c8");
  sp[1].slots[1].pose.x = 1;
  moveSlotPose(1, 2, 1);  // never for the user's hand
  EXPECT_FLOAT_EQ(sp[1].slots[1].pose.x, 1);
}

TEST_F(StackOpsTest, CopyCardPoseCopiesThePosePartOnly) {
  TCardSlot a = slotOf("hA"), b = slotOf("c7");
  a.pose.z = 3;
  a.poseFlag = 1;
  a.poseExtra[1] = 2;
  a.tag = 99;
  copyCardPose(a, b);
  EXPECT_FLOAT_EQ(b.pose.z, 3);
  EXPECT_EQ(b.poseFlag, 1);
  EXPECT_FLOAT_EQ(b.poseExtra[1], 2);
  EXPECT_EQ(b.tag, 0);
  EXPECT_EQ(cardText(b.card), "c7");
}

}  // namespace

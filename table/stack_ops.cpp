// Reading slots and stack poses, copying and shifting pose parts, the rank position in a pile.
#include "table/stack_ops.h"

#include <cstring>
#include <string>
#include <utility>

#include "core/cg.h"
#include "table/table_game_hooks.h"
#include "table/table_messages.h"

TPlacementBlock placementOf(const TCardSlot& slot) {
  TPlacementBlock b;
  b.pose = slot.pose;
  b.poseFlag = slot.poseFlag;
  std::memcpy(b.poseExtra, slot.poseExtra, sizeof b.poseExtra);
  b.tag = slot.tag;
  b.meldNo = slot.meldNo;
  b.meldPos = slot.meldPos;
  return b;
}

void setPlacement(TCardSlot& slot, const TPlacementBlock& b) {
  slot.pose = b.pose;
  slot.poseFlag = b.poseFlag;
  std::memcpy(slot.poseExtra, b.poseExtra, sizeof b.poseExtra);
  slot.tag = b.tag;
  slot.meldNo = b.meldNo;
  slot.meldPos = b.meldPos;
}

TSpieler& stackOf(int32_t n) { return n < 0 ? spLayout[-n] : sp[n]; }

void getCardRecord(int32_t stack, int32_t index, int32_t asTarget, TCardSlot& out) {
  if (!validStackNo(stack) || !validSlotNo(index)) {
    out.moving = 0;
    out.option = 0;
    out.moveMark = 0;
    out.motion = 0;
    out.variation = 0;
    return;
  }
  out = stackOf(stack).slots[index];
  if (cg.gs.meldTableInUse && absStack(stack) == 12) {
    int32_t meldNo = out.meldNo;
    int32_t meldPos = out.meldPos;
    meldTableCardTarget(meldNo, meldPos, index, asTarget, out);
    out.card = meldNo >= 1 && meldPos >= 1 ? meldTableCard(meldNo, meldPos) : noCard();
  }
}

void vtl_getplayerpos(int32_t stack, int32_t index, TCardPose& out) {
  if (!validStackNo(stack)) {
    tableError("vtl_getplayerpos:illegal playerid");
    return;
  }
  if (cg.gs.meldTableInUse && absStack(stack) == 12) {
    int32_t meldNo = validSlotNo(index) ? sp[12].slots[index].meldNo : 0;
    out = meldTableCardPose(meldNo, 0, 0);
    return;
  }
  const TSpieler& s = stackOf(stack);
  out = s.gliding ? s.pose : s.restPose;
}

void copyCardPose(const TCardSlot& from, TCardSlot& to) {
  to.pose = from.pose;
  to.poseFlag = from.poseFlag;
  std::memcpy(to.poseExtra, from.poseExtra, sizeof to.poseExtra);
}

void swapSlotPoses(int32_t stack, int32_t a, int32_t b) {
  if (stack < 1 || stack > stackCount || !validSlotNo(a) || !validSlotNo(b)) return;
  TCardSlot& sa = sp[stack].slots[a];
  TCardSlot& sb = sp[stack].slots[b];
  TCardSlot keep = sa;
  copyCardPose(sb, sa);
  copyCardPose(keep, sb);
}

void moveSlotPose(int32_t stack, int32_t to, int32_t from) {
  if (stack == 1) return;
  if (stack < 1 || stack > stackCount || !validSlotNo(to) || !validSlotNo(from)) return;
  for (int32_t i = from; i > to; i--) swapSlotPoses(stack, i, i - 1);
  for (int32_t i = from; i < to; i++) swapSlotPoses(stack, i, i + 1);
}

int32_t sortinto(int32_t stack, const TCardSlot& card) {
  if (stack < 1 || stack > stackCount) return 1;
  const TSpieler& s = sp[stack];
  for (int32_t i = stackUsed(s); i >= 1; i--)
    if (s.slots[i].card.t < card.card.t) return i + 1;
  return 1;
}

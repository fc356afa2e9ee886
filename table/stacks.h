// The card table's twenty stacks: hands, piles, the trick, won tricks, the meld area.
// sp[1..20] are the stacks, spLayout[1..20] their layout copies.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// A pose in table units (the renderer divides by 502) and degrees.
struct TCardPose {
  float x, y, z;
  float rotX, rotY, rotZ;
};

// The pose shown while a slot animates.
struct TCardFlight {
  float x, y, z;
  float o1;      // offset along the card's own height
  float o2;      // offset along the y axis of the stack's frame
  float rotX, rotY, rotZ;
  uint8_t flag;
  float display2;
  float wobble;
  float display1;
};

struct TCardSlot {
  TCard card;             // rank 0 marks an empty slot
  TCardPose pose;         // the card's resting pose
  uint8_t poseFlag;       // display flag kept with the pose
  float poseExtra[8];     // kept with the pose; the first two are display values
  int32_t tag;            // origin tag written while dealing: stack * 50 + slot number
  int32_t meldNo;         // meld the card lies in (stack 12 of Canasta and Rommé)
  int32_t meldPos;        // position of the card within that meld
  uint8_t moving;         // 1 while the slot animates
  uint8_t animType;       // 1 lift, 2 and 3 move, 5 in-place shuffle, 6 move to own layout place
  float t;                // animation progress 0..1
  float speed;            // progress per frame step
  uint8_t liftState;      // 0 rising, 1 falling, 2 raised and wobbling, 3 taken by a move
  TCardFlight flight;
  int32_t dstStack;       // negative: the target's layout copy
  int32_t dstIndex;
  int32_t srcStack;
  int32_t srcIndex;
  int32_t motion;         // sum of motion flags
  float variation;        // 0..1, shapes the motion
  int32_t queueIndex;     // entry in the pending-move queue
  float startDelay;       // progress units before the card starts
  float endHold;          // progress units the card rests at its target
  int32_t moveMark;       // 0 plain, 1 curved from another seat, 4 taken back from the melds
  uint8_t reported;       // the finished-move entry was written
  uint8_t started;        // the start delay has passed
  int32_t option;         // option value the move was queued with
};

constexpr int slotCapacity = 166;

struct TSpieler {
  LArray<TCardSlot, 1, slotCapacity> slots;  // slot 1: bottom of a pile, first card of a hand
  int32_t count;          // slots 1..count are in use
  int32_t stackNo;        // 1..20
  TCardPose restPose;     // where the stack rests
  TCardPose pose;         // where it is now (differs while gliding)
  THand hand;             // the cards of slots 1..count, each with its slot number
  uint8_t gliding;        // 1 while the whole stack glides
  float glideT;           // glide progress 0..1
  TCardPose glideTarget;
  float glideSpeed;       // glide progress per frame step
};

// The number of slots in use, kept within 0..166 so a damaged count is never read past.
inline int stackUsed(const TSpieler& s) {
  return s.count < 0 ? 0 : s.count > slotCapacity ? slotCapacity : s.count;
}

constexpr int stackCount = 20;

// sp[n] are the stacks; operations that take a stack number address spLayout[n] as -n.
extern LArray<TSpieler, 1, stackCount> sp;
extern LArray<TSpieler, 1, stackCount> spLayout;

// The number of piles after pile 10 (6: piles 11..16); set by the table layout.
extern int32_t pileCount;

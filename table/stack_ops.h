// Small operations on the stacks' card slots: reading a slot or a stack pose (with the meld
// table's places on pile 12), copying and shifting the pose parts of slots, and the rank
// position of a card in a pile.
#pragma once

#include <cstdint>

#include "table/stacks.h"

// A slot's placement block: its pose part (pose, poseFlag, poseExtra) with the origin tag
// and the meld location. The move code copies it from slot to slot as one.
struct TPlacementBlock {
  TCardPose pose;
  uint8_t poseFlag;
  float poseExtra[8];
  int32_t tag;
  int32_t meldNo;
  int32_t meldPos;
};

TPlacementBlock placementOf(const TCardSlot& slot);
void setPlacement(TCardSlot& slot, const TPlacementBlock& block);

// The stack of a signed number: sp[n] for 1..20, spLayout[-n] for -20..-1. The number must
// be valid (validStackNo).
TSpieler& stackOf(int32_t n);
inline bool validStackNo(int32_t n) { return n != 0 && n >= -stackCount && n <= stackCount; }
inline bool validSlotNo(int32_t i) { return i >= 1 && i <= slotCapacity; }
inline int32_t absStack(int32_t n) { return n < 0 ? -n : n; }

// A copy of slot `index` of the stack (negative: the layout copy) into `out`. An index
// outside 1..166 (or a stack outside the arrays) copies nothing: `out` only gets moving,
// option, moveMark, motion and variation set to 0. While the meld table is in use, pile 12's
// slots take their placement block and card from the meld table (asTarget 1 for the target
// of a move, 0 for its start).
void getCardRecord(int32_t stack, int32_t index, int32_t asTarget, TCardSlot& out);

// The pose of a stack: `pose` while it glides, else `restPose` (negative numbers: the layout
// copy). A number outside -20..20 or 0 shows "vtl_getplayerpos:illegal playerid" and leaves
// `out` as it was. Pile 12 with the meld table in use: the place of the meld of slot index.
void vtl_getplayerpos(int32_t stack, int32_t index, TCardPose& out);

// Copies the pose part (pose, poseFlag, poseExtra) of one slot into another.
void copyCardPose(const TCardSlot& from, TCardSlot& to);
// Exchanges the pose parts of slots a and b of sp[stack]; the cards stay.
void swapSlotPoses(int32_t stack, int32_t a, int32_t b);
// Moves the pose part of slot `from` to slot `to` by swaps of neighbours, so the pose parts
// between shift by one place. Nothing for stack 1.
void moveSlotPose(int32_t stack, int32_t to, int32_t from);
// The slot at which the card of `card` belongs in sp[stack] so that ranks rise towards the
// top: scanning down from the top card, the number just above the first card of a lower
// rank; 1 when there is none. Only the rank byte counts. Changes nothing.
int32_t sortinto(int32_t stack, const TCardSlot& card);

// Shared by the animation's files: the start and target records of a move and the parts of
// a move's frame.
#pragma once

#include "table/stacks.h"

struct TMoveFrame {
  TCardSlot r0;  // the card's own slot as the move started it
  TCardSlot r1;  // the target slot (the layout copy for a move within a stack)
  float s;       // effective progress
  uint8_t kind;  // the queued move kind
};

// The start and target records and the effective progress of a moving slot.
TMoveFrame moveFrameOf(const TCardSlot& slot);
// The card's flight pose at the frame's progress.
void computeMovePath(TCardSlot& slot, const TMoveFrame& f);
// What the landing reads of a move: its kind and the card as its own slot holds it.
struct TMoveLanding {
  uint8_t kind;
  TCard card;
  int32_t meldNo;
  int32_t meldPos;
};
inline TMoveLanding landingOf(const TMoveFrame& f) { return TMoveLanding{f.kind, f.r0.card, f.r0.meldNo, f.r0.meldPos}; }
// Writes the card into its target, completes the queued move and tells the game.
void landCard(TCardSlot& slot, const TMoveLanding& m);

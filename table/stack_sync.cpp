// Slot and hand synchronisation of the card table's stacks.
#include "table/stack_sync.h"

void syncHandFromSlots(TSpieler& stack) {
  int n = stackUsed(stack);
  stack.hand.anz = static_cast<int16_t>(n);
  stack.hand.extras.owner = static_cast<uint8_t>(stack.stackNo);
  for (int i = 1; i <= n; i++) {
    stack.hand.k[i] = stack.slots[i].card;
    stack.hand.k[i].hi = static_cast<int16_t>(i);
  }
}

void syncSlotsFromHand(TSpieler& stack) {
  int n = handUsed(stack.hand);
  stack.count = n;
  for (int i = 1; i <= n; i++) stack.slots[i].card = stack.hand.k[i];
}

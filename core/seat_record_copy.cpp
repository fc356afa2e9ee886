// Copies between the card table's stacks and the seat records of the game state object.
#include "core/seat_record.h"

#include "table/stacks.h"

void seatRecordToTCG(TSeatRecord& record, const TSpieler& stack) {
  int n = stackUsed(stack);
  for (int i = 1; i <= n; i++) record.cards[i - 1] = stack.slots[i].card;
  record.count = n;
  record.number = stack.stackNo;
}

bool seatRecordFromTCG(const TSeatRecord& record, TSpieler& stack) {
  if (record.count < 0 || record.count > slotCapacity) return false;
  for (int i = 1; i <= record.count; i++) stack.slots[i].card = record.cards[i - 1];
  stack.count = record.count;
  stack.stackNo = record.number;
  return true;
}

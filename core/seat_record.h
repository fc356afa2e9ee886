// TSeatRecord: the compact copy of one card-table stack kept in the game state object.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// Seat kinds.
enum : uint8_t { seatKindUser = 0, seatKindComputer = 1, seatKindNetwork = 2 };

// 676 bytes in the game image: 166 cards of 4 bytes, count, number, kind, 3 bytes padding.
struct TSeatRecord {
  LArray<TCard, 0, 165> cards;  // the stack's cards in slot order; only the first `count` are valid
  int32_t count;                // 0..166; written by the copy routines
  int32_t number;               // the stack number the cards belong to
  uint8_t kind;                 // 0 local user, 1 computer, 2 person at another machine; set by
                                // the game start, network glue and shell, never by the copies
};

constexpr int seatRecordImageSize = 676;

struct TSpieler;

// The stack's count cards (rank, suit and slot number of each slot's card), its count and
// its number into the record. The seat kind stays.
void seatRecordToTCG(TSeatRecord& record, const TSpieler& stack);
// The record's cards into the stack's first slots (only the card of each slot; display and
// animation state stay), and the stack's count and number. A count outside 0..166 copies
// nothing and answers false.
bool seatRecordFromTCG(const TSeatRecord& record, TSpieler& stack);

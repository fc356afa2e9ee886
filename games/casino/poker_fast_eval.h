// Table-driven poker evaluation for the game, the win probability and the tools. Cards
// are codes 0..51 (rank index 0 = 2 .. 12 = ace, times four, plus suit index 0..3). A hand
// of five to seven cards is summed card by card into a TPokerFastHand; its strength is one
// of 7,462 class numbers, higher is better, equal is a tie. Each class carries the same
// category, decisive values and kickers as the pattern-search rating.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/casino/poker_eval.h"

constexpr int pokerFastClassCount = 7462;
constexpr int pokerFastRowBits = 14;
constexpr int pokerFastSlotBits = 17;

// A class's rating in poker values, as TPokerHandEval has it.
struct TPokerFastClass {
  uint8_t category;
  int8_t decisive1, decisive2;
  int8_t kicker1, kicker2, kicker3, kicker4;
};

struct TPokerFastTables {
  uint32_t rankKey[52];   // 5^rank: the sum counts each rank in one base-5 digit
  uint32_t suitStep[52];  // 1 << 4 * suit: the sum counts each suit in one nibble
  uint64_t cardBit[52];   // bit 16 * suit + rank
  uint32_t displace[1 << pokerFastRowBits];
  uint16_t slots[1 << pokerFastSlotBits];  // class by the hashed rank key, flushes aside
  uint16_t flush[1 << 13];                 // class by a suit's rank mask of 5 or more cards
  TPokerFastClass classes[pokerFastClassCount + 1];
};

// Built once, on first use.
const TPokerFastTables& pokerFastTables();

constexpr uint32_t pokerFastRowMul = 0x9E3779B1u;
constexpr uint32_t pokerFastSlotMul = 0x85EBCA77u;

struct TPokerFastHand {
  uint32_t key;
  uint32_t suits;
  uint64_t bits;
};

inline void pokerFastAdd(TPokerFastHand& h, const TPokerFastTables& t, int code) {
  h.key += t.rankKey[code];
  h.suits += t.suitStep[code];
  h.bits |= t.cardBit[code];
}

inline uint32_t pokerFastSlot(const TPokerFastTables& t, uint32_t key) {
  uint32_t row = (key * pokerFastRowMul) >> (32 - pokerFastRowBits);
  return (((key * pokerFastSlotMul) >> (32 - pokerFastSlotBits)) ^ t.displace[row]) & ((1u << pokerFastSlotBits) - 1);
}

// The class of a hand of five to seven cards.
inline int pokerFastRate(const TPokerFastTables& t, const TPokerFastHand& h) {
  uint32_t five = (h.suits + 0x3333u) & 0x8888u;  // a suit nibble of 5 or more
  if (five) {
    int suit = five & 0x8u ? 0 : five & 0x80u ? 1 : five & 0x800u ? 2 : 3;
    return t.flush[(h.bits >> (16 * suit)) & 0x1FFF];
  }
  return t.slots[pokerFastSlot(t, h.key)];
}

int pokerFastRate7(const int codes[7]);
int pokerFastRateCodes(const int* codes, int count);

// Card code of a card of the shared type (0..51), -1 for anything else.
int pokerFastCode(const TCard& card);
TCard pokerFastCard(int code);

// The class as a rating (bestFive left empty).
TPokerHandEval pokerFastEval(int cls);

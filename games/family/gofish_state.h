// Go Fish's area of the game state: options, the question under way and the book being laid.
// Lies in `gs` at Go Fish's place among the areas.
#pragma once

#include <cstdint>

#include "core/cards.h"

struct TGoFishArea {
  int32_t fishSeatOrder;    // 1: seat numbers ascend in playing order; 1 at every new list
  int32_t gameLimit;        // games in the list; 99999 none
  int32_t pointsLimit;      // points ending the list; 0 none
  int32_t dealCount;        // cards dealt to each seat
  uint8_t pairsVariant;     // books of two instead of four
  uint8_t drawFromSpread;   // stored only: no rule uses it
  int32_t bookSize;         // 4, or 2 with pairsVariant
  uint8_t endWhenEmpty;     // a seat without cards at its turn ends the game
  int32_t emptyHandRefill;  // cards an empty hand draws: 0, 1 or dealCount
  THand askSelection;       // the user's lifted cards when a seat button was pressed
  int32_t askedSeat;        // 0: not chosen yet
  int32_t askedRank;        // 0: not chosen yet
  int32_t asker;
  int32_t bookRank;         // 0 none
  THand bookCards;          // the book's cards with their slot numbers in the seat's stack
  // How the seat to act last got cards: 1 drew from the stock, 2 received cards or laid a book.
  int32_t lastGain;
};

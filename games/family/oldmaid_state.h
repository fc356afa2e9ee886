// Old Maid's area of the game state: options, the pair being laid down and the flow flags.
// Lies in `gs` at Old Maid's place among the areas.
#pragma once

#include <cstdint>

#include "core/cards.h"

struct TOldMaidArea {
  int32_t maidSeatOrder;    // 1: seat numbers ascend in playing order; 1 at every new list
  int32_t gameLimit;        // games in the list; 99999 none
  int32_t pointsLimit;      // points lost that end the list; 0 none
  uint8_t colourPairs;      // a pair must be two black or two red cards
  int32_t maidCard;         // 1 the queen of spades is the old maid, 2 a joker
  uint8_t drawFromAny;      // a card may be drawn from any seat, not only the neighbour
  THand pairCards;          // the pair being laid down, with slot numbers in the seat's stack
  int32_t pairRank;         // its rank; 0 none
  int32_t deckSize;         // 49 or 53
  uint8_t openingDiscards;  // every seat is still laying down the pairs it was dealt
  int32_t drawAgain;        // 1: the seat laid down a pair after drawing and still holds cards
  int32_t markedSeat;       // the seat whose turn marker is shown
};

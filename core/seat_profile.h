// TSeatProfile: a seat's computer profile in the game state, the strength first, then the
// Skat computer player's parameters read from "\data\oldsk\ch.txt".
#pragma once

#include <cstdint>

// 40 bytes in the game image.
struct TSeatProfile {
  int32_t strength;  // 1 "Anfänger", 2 "Normal", 3 "Profi"; seat 1 always gets 3
  int32_t unused1;
  int32_t unused2;
  int32_t reizen;    // bidding strength
  int32_t reizenr;   // bidding strength while "Ramsch, wenn keiner reizt" is in force
  int32_t wahrs;
  int32_t wahr0;
  int32_t kont;      // Kontra and Re answers
  int32_t wafe;
  int32_t krafe;
};

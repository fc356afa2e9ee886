// War's area of the game state: options, the comparison of the current round, the wars won
// in the game and which pot cards lie face up. Lies in `gs` at War's place among the areas.
#pragma once

#include <cstdint>

#include "platform/records.h"

constexpr int warPotSlots = 60;

struct TWarArea {
  int32_t warSeatOrder;   // 1: seat numbers ascend in playing order; 1 at every new list
  int32_t gameLimit;      // games in the list; 99999 none
  int32_t pointsLimit;    // points ending the list; 0 none
  uint8_t jokerWars;      // two jokers in the deck; a joker on top of a pot starts a war
  int32_t warsToWin;      // 3, 6 or 9 wars win a game; 0: until a seat runs out of cards
  int32_t roundWinner;    // the seat whose face-up card wins the current comparison
  LArray<int32_t, 1, 20> warsWon;  // wars won per seat in this game: the game's points
  int32_t potCardsMoved;  // cards the last collection moved onto the winner's won pile
  LArray<LArray<uint8_t, 1, warPotSlots>, 1, 20> potFaceUp;  // [seat][pot slot]
  // The seat whose turn the acknowledgement of a war interrupts, and the seat whose hand the
  // refill shuffles; the core rewrites its own saved seat for seats that do not see the panel.
  int32_t savedSeat;
};

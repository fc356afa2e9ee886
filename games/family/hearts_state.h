// Hearts' area of the game state: the record the rules, the game step and the computer
// players share, saved with a game at the area's place in the block.
#pragma once

#include <cstdint>

#include "core/cards.h"

// Stacks of a Hearts table.
constexpr int32_t heartsSeats = 4;
constexpr int32_t heartsPileOffset = 6;  // seat + 6: its taken tricks, also its passed cards
constexpr int32_t heartsStockStack = 11;
constexpr int32_t heartsTrickStack = 12;
constexpr int32_t heartsNoRoundLimit = 99999;

// Written by heartsNewGame (shooters, flags, counters), the game step (everything else) and
// the options (limits and the Sonne rule, only at a new list).
struct THeartsState {
  int32_t heartsSeating;   // 1 at every new list: next seat = seat + 1, passes go to seat - offset
  int32_t passOffset;      // this deal's pass: -1 left, 1 right, 2 across; kept in a deal without
  THand passSelection;     // the three cards the passing seat chose (slot numbers in hi)
  THand legalCards;        // legal cards of the seat to act, built when it is asked
  THand actingHand;        // the hand of the seat to act, taken when it is asked to play
  THand trick;             // the current trick in playing order; hi holds the seat that played
  THand playedCards;       // every card played this deal, in order
  int32_t trickPosition;   // 1..4: position of the next card within the trick
  int32_t lastTrickWinner; // seat that took the last trick
  int32_t tricksDone;      // tricks completed this deal, 0..13
  int32_t roundLimit;      // games of the list; 99999 none
  int32_t pointsLimit;     // total that ends the list; 0 none
  uint8_t sonneRule;       // "Die Sonne abschießen" is on
  uint8_t heartsBroken;    // a heart has been played this deal
  int32_t sunShooter;      // seat that took all 52 cards this deal (Sonne rule only), 0 none
  int32_t moonShooter;     // seat that took all 26 penalty points this deal, 0 none
};

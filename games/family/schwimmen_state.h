// Schwimmen's area of the game state: options, the turn counters of the play and the
// computer seats' plans. Lies in `gs` at Schwimmen's place among the areas.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// A computer seat's plan for its turn and the keys of its last moves; lives for the list.
struct TSchwimmenPlan {
  int32_t handIndex;      // hand card to give, 1..3; 0 all three; -1 none
  int32_t middleIndex;    // middle card to take, 1..3
  TCard handCard;         // the card to give
  TCard middleCard;       // the card to take
  int32_t kind;           // 0 no swap (knock or pass), 1 one card, 2 all three
  int32_t key;            // code of the planned move, for the repetition check
  int32_t score;          // the chosen candidate's score
  int32_t collectedSuit;  // suit the seat is taken to collect, 0 none
  int32_t collectedRank;  // rank the seat is taken to collect, 0 none
  int32_t history1;       // key of the seat's last planned move
  int32_t history2;       // the one before
  int32_t history3;       // the one before that
};
static_assert(sizeof(TSchwimmenPlan) == 48);

struct TSchwimmenArea {
  int32_t firstDealerOption;  // 1 a random seat 2..n; k + 1 seat k
  uint8_t tripleRule;         // three of a kind counts 30.5, three aces 31
  uint8_t swapAllAllowed;     // a seat may swap all three cards with the middle
  uint8_t scorePositive;      // the best hands score +1; else the worst score -1
  int32_t gameLimit;          // games in the list; 99999 none
  int32_t pointsLimit;        // points that end the list; 0 none
  int32_t knockTurns;         // turns begun since the knock
  int32_t passCount;          // passes in a row since the last swap
  uint8_t knocked;            // a seat has knocked in this game
  int32_t lastLaidSlot;       // middle slot the last single card was laid into; 0 none
  LArray<TSchwimmenPlan, 0, 6> seatPlans;  // index 0 stays empty
};

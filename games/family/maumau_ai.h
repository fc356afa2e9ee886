// Mau-Mau's computer player: scores each legal card of the seat to act and answers the open
// decision with one action. It sees every card on the table.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// The scratch record, rebuilt at every move (lists 1-based).
struct TMaumauAIState {
  THand handCards;                   // all cards of the seat to act
  THand legalCards;                  // those it may play now
  LArray<int32_t, 1, 166> legalSlot;  // hand slot of each legal card
  LArray<float, 1, 166> score;        // the value of playing it
  LArray<int32_t, 1, 4> suitCount;    // legal cards per suit
  LArray<int32_t, 31, 35> roleCount;  // legal cards per role
  int32_t nextCards;                 // cards of the seat that plays next
  int32_t prevCards;                 // cards of the seat that played before
};

extern TMaumauAIState maumauAI;

// Fills maumauAI for the seat to act and scores its legal cards.
void maumauAIScore();
// Answers the open decision of the seat to act with one TCG::submitAction.
void maumauAIMove();
// The suit the hand holds most of, wish cards not counted; the higher suit on a tie.
int32_t maumauBestWishSuit(const THand& hand);

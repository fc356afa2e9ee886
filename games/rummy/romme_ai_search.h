// Rommé's and Gin Rummy's move search: every sequence of new melds and lay-offs a hand allows
// on the meld table, written step by step into a buffer of 200 moves; the choice of the move
// to carry out; and the remainder a hand reaches by melding after a discard.
#pragma once

#include <cstdint>

#include "core/cards.h"

struct TRommeMoveStep {
  uint8_t kind;      // 0 a new meld, 1 a lay-off
  uint8_t spare;
  THand cards;       // hi = hand position
  int32_t target;    // lay-off: the meld-table slot next to which the card goes
  int32_t value;
};

struct TRommeMove {
  TRommeMoveStep steps[9];
  int32_t next;        // steps after the first, 0..8
  int32_t totalValue;
  int32_t totalCards;
};

constexpr int32_t rommeMoveCapacity = 200;

extern TRommeMove Zugbuffer[rommeMoveCapacity + 1];  // 1..zugbufferCount
extern int32_t zugbufferCount;
extern int32_t rommeUrgency;

bool rommeAIMoveBufferHasRoom();
void rommeAIPushMove(const TRommeMoveStep& step, int32_t parent);
void rommeAIStartRecursiveCalc(const THand& hand, int32_t limit);
void rommeAIOneLevelSearch(const THand& hand);
// Where the card fits the meld: 1 front, 2 end, 3 in place of a Joker, 0 not.
int32_t rommeAIFitsMeld(const THand& meld, const TCard& card);
THand rommeAIBestMeldWithCard(const THand& meld, const TCard& card);
int32_t rommeAIGainWithCard(const THand& meld, const TCard& card);
bool rommeAIMayLayOffOnOther(int32_t meld, const TCard& card);
TRommeMove rommeAIChooseMove(int32_t urgency);
int32_t rommeAIFirstStepJokers(const TRommeMove& move);
void rommeAIReturnJoker(TRommeMove& move);
// The least valuable remainder after discarding hand position pos (0 none), into afterDiscard.
void rommeAIDiscard(int32_t pos);

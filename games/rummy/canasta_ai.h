// Canasta's computer player: one action per call for the seat to act (draw, one meld or
// lay-off, discard), carrying out planned moves part by part; and its memory of what every
// seat did in the current hand.
#pragma once

#include <cstdint>

#include "core/cards.h"

void canastaAIMove();
// Plans the first meld of a seat that took the pile and has not reached its minimum.
void canastaAIPlanFirstMeld();
// The hand position of the card the seat to act discards.
int32_t canastaAIChooseDiscard();

// The memory (canasta_ai_memory.cpp): the observation of every accepted action.
void canastaAIObserve(int kind, int32_t a, int32_t b);
void canastaAINoteKnownCard(int32_t stack, int32_t slot);
void canastaAIForgetKnownCard(int32_t stack, int32_t slot);
void canastaAINoteDiscard(int32_t stack, int32_t slot);

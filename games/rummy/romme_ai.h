// Rommé's and Gin Rummy's computer player: one answer to the open decision per call, the
// discard choice with the share of unseen cards, the memory of known cards and the comments.
#pragma once

#include <cstdint>

#include "core/cards.h"

void rommeAIMove();
TCard rommeAIChooseDiscard(const THand& cards);
double rommeAIUnseenCardShare(int32_t suit, int32_t rank, int32_t notSuit, bool jokerInPair, int32_t seat,
                              int32_t notSuit2);
void rommeAIObserve(int kind, int32_t a, int32_t b);
void rommeAINoteCardTaken(int32_t stack, int32_t slot);
void rommeAINoteCardGone(int32_t seat, int32_t position);
void rommeSound(int32_t kind);

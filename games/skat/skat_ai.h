// The Skat computer player: answers every decision the Skat game asks of a computer seat
// (bids, the Skat, pressing, the game, announcements, Kontra and Re, the Schieben round) and
// chooses its cards. It answers through TCG::submitAction, as a click of the user would.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "table/stacks.h"

// The core's AIMove callback for Skat: runs skatAIBuiltIn.
void skatAIMove();
// Answers the open decision of the seat to act; does nothing when it has no answer (the core
// asks again on a later tick).
void skatAIBuiltIn();
// The yes/no answer of the seat to act to Kontra, Re, Sup and Hirsch. The flag has no effect.
bool skatAIStrengthAnswer(TSpieler& stack, uint8_t flag);
// Two lines in the trace log at start-up.
void logSkatAIInit();

// The two cards to put away, the first to be pressed first (pair count 2). The flag has no
// effect.
void skatAIChooseDiscard(TSpieler& stack, uint8_t flag, THand& pair);

// The card the seat of the stack plays: cardsToPlay 2 leads, 1 second card, 0 third card.
// With record set the void tables learn from the choice. Always a legal card of the hand
// while the hand holds one.
TCard skatAIChooseCard(TSpieler& stack, int32_t cardsToPlay, uint8_t record);

// Where the answers go: TCG::submitAction(kind, 0, b) unless a test or a bench puts its own
// receiver here (nullptr: the core).
using TSkatAISubmit = void (*)(int kind, int32_t b);
extern TSkatAISubmit skatAISubmitHook;

// Canasta's step machine: phase 0 starts a hand, 1 deals and lays out the red threes of the
// deal, 3 turns up the first pile card, 4 runs the turns. In phase 4 `step` says what the
// tick does:
//   0 start of a turn (or the end of the hand)   1 draw        2 after the draw: decision 82
//   3 apply the answer                           4 after a lay-down
//   5 decision 80 (discard)                      6 discard     7 change of turn
//   9 the hands are shown                        10 the result goes to the core
#pragma once

#include <cstdint>

#include "core/cards.h"

struct TGameState;

enum : int32_t {
  canastaDecisionDiscard = 80,
  canastaDecisionDraw = 81,
  canastaDecisionMeld = 82,
};
// The answers of decision 82.
enum : int16_t {
  canastaAnswerMeld = 82,
  canastaAnswerTakeBack = 83,
  canastaAnswerDone = 37,
};

void canastaGameStep(TGameState& gs);
// The check of every action before the step sees it; a refused action changes nothing.
bool canastaCheckAction(int kind, int32_t a, int32_t b);

// Seat 1's selection into `selhand`, the panel's buttons, and the selection submitted.
void canastaUpdateHumanControls();
// Seat 1's raised cards, in hand order, each with its hand position in the hi word.
void canastaSelectedCards(THand& out);
// A computer seat's reaction to an event of the game.
void canastaSound(int32_t event, int32_t seat, int32_t value);
// The first-meld consistency check at every change of turn.
void canastaCheckFirstMelds();

// Applying the answer to decision 82 (canasta_answer.cpp).
void canastaApplyMeldAnswer();
// The step's own lay-down after the draw: a red three, or the forced three-card meld.
void canastaAutoLayDown(bool redThree, int32_t redThreePos);

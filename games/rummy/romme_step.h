// Rommé's and Gin Rummy's step machine: phase 0 starts a hand, 1 deals, 3 turns up the first
// card (and reshuffles an empty stock), 4 runs the turns. In phase 4 `step` says what the tick
// does:
//   0 decision 78 (draw)            1 the draw               2 the meld decision (79, 71, 125)
//   3 apply its answer              4, 20 melds from slots   5 decision 80 (discard)
//   6 discard                       7 change of turn         9 Gin: the knocker's discard
//   10 the result goes to the core
#pragma once

#include <cstdint>

#include "core/cards.h"

struct TGameState;

enum : int32_t {
  rommeDecisionKnock = 71,
  rommeDecisionDraw = 78,
  rommeDecisionMeld = 79,
  rommeDecisionDiscard = 80,
  rommeDecisionLayOut = 125,
};
enum : int16_t {
  rommeAnswerKnock = 71,
  rommeAnswerMeld = 79,
  rommeAnswerDone = 0,
  rommeAnswerRestart = 83,
  ginAnswerTakeUpCard = 78,
  ginAnswerTakeUpCard2 = 77,
  ginAnswerPass = 43,
};

// Answers the check refused since the program started (the self-play counts them).
extern int32_t rommeRefusedAnswers;

void rommeGameStep(TGameState& gs);
// The check of every action before the step sees it; a refused action changes nothing.
bool rommeCheckAction(int kind, int32_t a, int32_t b);
int32_t rommeNextSeat(int32_t seat);
int32_t rommePrevSeat(int32_t seat);
void rommeStepToNextSeat();
void rommeStepToPrevSeat();
void rommeRestartMelds();
void rommeMarkPlayable();
void rommeRefreshTable();
bool rommeIsSeatHandOpen(int32_t seat);
// Gin Rummy: the stock is down to two cards after a discard, or the hand is already no game.
bool ginNoGameReached();
// The first up card may still be taken or passed.
bool ginUpCardPhase();

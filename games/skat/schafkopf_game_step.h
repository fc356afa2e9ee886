// Schafkopf's step machine: one tick of the game (dealing, the bidding phases, the eight
// tricks with the early end of Bettel and Tout, the hand-over to the scoring) and the
// computer seats' remarks on tricks and on Kontra and Re.
#pragma once

#include <cstdint>

struct TGameState;

// The phases of the step machine (the head's phase byte).
enum : uint8_t {
  skfPhaseStart = 0,
  skfPhaseDeal = 1,
  skfPhaseAsking = 3,
  skfPhaseTricks = 4,
  skfPhaseOver = 5,
  skfPhaseDeclaring = 7,
  skfPhaseDoubling = 8,
};

// Steps of the trick play (phase 4).
enum : int32_t {
  skfStepAskCard = 1,
  skfStepPlayCard = 2,
  skfStepCardArrived = 3,
  skfStepTrickEnd = 4,
  skfStepNextTrick = 5,
  skfStepGameOver = 77,
  skfStepTrickFull = 555,
};

// Remark types of schafkopfPlayTrickComment.
enum : int32_t {
  skfRemarkWinner = 1,     // the winner on his trick
  skfRemarkOpponent = 2,   // an opponent of the winner on the trick
  skfRemarkToSoloist = 5,  // Kontra or Re said to the soloist
  skfRemarkToAll = 6,      // Kontra or Re said by the soloist to all
};

// One tick; the core calls it when no move, bubble, voice or decision is pending. The table
// display is refreshed after every call.
void schafkopfGameStep(TGameState& gs);

// A computer seat's remark (never seat 1): types 1 and 2 by the trick's points, 5 and 6 the
// doubling remarks (points unused).
void schafkopfPlayTrickComment(int32_t type, int32_t seat, int32_t points);

// Mau-Mau's flow: the new game, the game step the core calls once per tick, and resuming a
// loaded game.
#pragma once

#include <cstdint>

struct TGameState;

// Phases of the step.
enum : uint8_t { maumauPhaseStart = 0, maumauPhaseDeal = 1, maumauPhaseTurn = 3, maumauPhasePlay = 4 };
// Steps of the play phase besides 0..2.
enum : int32_t { maumauStepMissedMau = 98, maumauStepOver = 99 };

void maumauNewGame(bool newList);
void maumauGameStep(TGameState& gs);
void maumauResume(int phase);
// The marks of the table panel (penalty marks, suit, direction); not drawn yet.
void maumauShowMarks();

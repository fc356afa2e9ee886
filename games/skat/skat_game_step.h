// Skat's game step: the step machine the core calls once per tick while nothing is pending,
// and the operations around the deal and the start of the declarer's game.
#pragma once

#include <cstdint>

struct TGameState;

// One step of the machine over phase, step and subStep of the game state (the core's
// GameStep callback). Never blocks: a question is asked and the step returns.
void skatGameStep(TGameState& gs);

// After the deal: the rule tables, every seat's and the stock's hand copy, the Skat as dealt
// and the dealt hands the game judges Spitzen on.
void skatPrepareHands();
// Copies seats 1..3 onto stacks 4..6; with clearBids each seat's bid goes back to 0.
void skatSavePlayers(bool clearBids);
// The declarer (the seat to act) is known: the Skat and declaring phase opens.
void skatStartGamePlay();

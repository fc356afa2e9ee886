// Canasta's turn history: every card the seat to act lays down in its turn, so that the turn's
// lay-downs can be taken back into the hand; and the step's short trace of automatic moves.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

// Records card `position` of meld n as laid down this turn.
void canastaAddHistory(int32_t meld, int32_t position);
// A wild card laid off on meld n moves the meld's earlier cards one place on.
void canastaShiftHistory(int32_t meld, int32_t fromEntry);
// Takes back the lay-downs of the current turn of the seat to act.
void caresethistory();

// Removes the stack-12 slots marked in `leaving` (indices 1..count of stack 12) and renumbers
// the melds of k12 and stack 12's slots so that both describe the same melds.
void canastaRemoveMeldSlots(const bool* leaving);

// Adds a trace line for the seat to act and the cards of `selhand`.
void canastaLogStep(const std::string& msg);
// Trace line n (1 the newest .. 5).
const std::string& canastaTraceLine(int32_t n);
void canastaClearTrace();

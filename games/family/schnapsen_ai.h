// The computer seat of Schnapsen: the search started, continued a slice per call and turned
// into a move, and the pre-computation of the answer to the card the user points at.
#pragma once

#include <cstdint>

// Starts, continues or completes the search; submits the move once it is complete.
void schnapsenAIMove();
// The frame handler's call: a slice while a pre-computation is pending and unfinished.
void schnapsenFrameSearch();
// Idle: the next call starts a new search.
void schnapsenResetSearch();
bool schnapsenSearchFinished();
bool schnapsenPrecomputePending();
// Seat 2 while a pre-computation is pending, else the seat to act.
int32_t schnapsenAISeat();
// Asks the search for the computer's answer to the card in `slot` of `seat`.
void schnapsenPrecomputeAnswer(int32_t slot, int32_t seat);
// A fixed node budget for each slice instead of the frame rate's; 0 goes back to the frame rate.
void setSearchSliceBudget(int32_t nodes);

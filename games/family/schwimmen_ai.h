// Schwimmen's computer seats: plain procedures over the seats' plans in Schwimmen's area.
// A turn is planned in three stages: a 31 within reach, else every swap weighed with a
// look-ahead at what the other seats could then take from the middle, else knock or pass.
// The seat's strength only changes how two candidate swaps compare.
#pragma once

#include <cstdint>

#include "games/family/schwimmen_state.h"

// The seat to act answers the open decision with one action (none for other kinds).
void schwimmenAIMove();
// Every accepted action of any seat: the cards a seat was seen to take, and what it collects.
void schwimmenAIObserve(int kind, int32_t a, int32_t b);

// The plan's steps, on the seat to act and the stacks as they lie.
void schwimmenFind31(TSchwimmenPlan& plan);
void schwimmenAiEvaluate(TSchwimmenPlan& plan);
bool suitFreeOfOthers(int32_t suit);
bool rankFreeOfOthers(int32_t rank);
bool playerStillHasTurn(int32_t seat);
bool schwimmenKnocked();

// One candidate swap's figures, in tenths.
struct TSchwimmenCandidate {
  int32_t value;       // the own hand after the move
  int32_t nextBest;    // the best the next seat could reach from the new middle
  int32_t othersBest;  // the best any later seat but the next could reach
  int32_t selfBest;    // the best this seat could reach on its next turn
};
// The candidate's score at a strength (1 "Anfänger", 2 "Normal", 3 "Profi").
int32_t schwimmenCandidateScore(const TSchwimmenCandidate& c, int32_t strength, bool positive);
// a is better than b at the strength; ties keep b.
bool schwimmenBetterPlan(const TSchwimmenCandidate& a, const TSchwimmenCandidate& b, int32_t strength,
                         bool positive);

// The process-wide random generator: card draws, shuffles and random opponents use it.
// Re-seeded from the clock when a game starts; tests seed it to repeat a deal. The card
// table has a generator of its own (below), so how cards are shown never moves the draws of
// the game and its players.
#pragma once

#include <cstdint>

// A uniform real in [0, 1).
double randomReal();

// A uniform integer in 0..n-1; 0 when n <= 0.
int32_t randomBelow(int32_t n);

// Seeds the generator from the clock.
void randomize();

// Seeds the generator with a fixed value: the same seed gives the same draws.
void randomSeed(uint64_t seed);

// Makes every later randomize() deterministic: the n-th call seeds with seed + n. Programs
// driven from outside (the window tests) fix their deals this way.
void randomFixSeed(uint64_t seed);
// Back to clock seeds.
void randomReleaseSeed();

// The card table's generator: the cards' layout, poses and paths draw from it. randomize(),
// randomSeed() and a fixed seed set it too, from a value of its own.
double tableRandomReal();
int32_t tableRandomBelow(int32_t n);

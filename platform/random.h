// The process-wide random generator: card draws, shuffles and random opponents use it.
// Re-seeded from the clock when a game starts; tests seed it to repeat a deal.
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

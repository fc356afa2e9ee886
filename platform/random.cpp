// SplitMix64: small, fast, and the same sequence on every machine for a given seed.
#include "platform/random.h"

#include <chrono>

namespace {
uint64_t state = 0x853c49e6748fea9bULL;
uint64_t tableState = 0x2545f4914f6cdd1dULL;
constexpr uint64_t tableSalt = 0x6a09e667f3bcc909ULL;  // keeps the two sequences apart
bool seedFixed = false;
uint64_t fixedSeed = 0;  // the seed of the next randomize() while seedFixed

uint64_t next64(uint64_t& s) {
  uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

double realOf(uint64_t& s) { return static_cast<double>(next64(s) >> 11) * 0x1.0p-53; }

int32_t belowOf(uint64_t& s, int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>((next64(s) >> 32) * static_cast<uint64_t>(n) >> 32);
}

void seedBoth(uint64_t seed) {
  state = seed;
  tableState = seed ^ tableSalt;
}
}  // namespace

double randomReal() { return realOf(state); }
int32_t randomBelow(int32_t n) { return belowOf(state, n); }
double tableRandomReal() { return realOf(tableState); }
int32_t tableRandomBelow(int32_t n) { return belowOf(tableState, n); }

void randomize() {
  if (seedFixed) {
    seedBoth(fixedSeed++);
    return;
  }
  seedBoth(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
           static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void randomSeed(uint64_t seed) { seedBoth(seed); }

void randomFixSeed(uint64_t seed) {
  seedFixed = true;
  fixedSeed = seed;
}

void randomReleaseSeed() { seedFixed = false; }

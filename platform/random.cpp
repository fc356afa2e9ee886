// SplitMix64: small, fast, and the same sequence on every machine for a given seed.
#include "platform/random.h"

#include <chrono>

namespace {
uint64_t state = 0x853c49e6748fea9bULL;
bool seedFixed = false;
uint64_t fixedSeed = 0;  // the seed of the next randomize() while seedFixed

uint64_t next64() {
  uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}
}  // namespace

double randomReal() { return static_cast<double>(next64() >> 11) * 0x1.0p-53; }

int32_t randomBelow(int32_t n) {
  if (n <= 0) return 0;
  return static_cast<int32_t>((next64() >> 32) * static_cast<uint64_t>(n) >> 32);
}

void randomize() {
  if (seedFixed) {
    state = fixedSeed++;
    return;
  }
  state = static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
          static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

void randomSeed(uint64_t seed) { state = seed; }

void randomFixSeed(uint64_t seed) {
  seedFixed = true;
  fixedSeed = seed;
}

void randomReleaseSeed() { seedFixed = false; }

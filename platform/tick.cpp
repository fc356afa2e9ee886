// Steady-clock tick with a fake clock for tests.
#include "platform/tick.h"

#include <chrono>

namespace {
bool fake = false;
uint32_t fakeNow = 0;
}

uint32_t getTickCount() {
  if (fake) return fakeNow;
  using namespace std::chrono;
  auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

void useFakeTick(uint32_t start) {
  fake = true;
  fakeNow = start;
}

void advanceFakeTick(uint32_t ms) { fakeNow += ms; }

void useRealTick() { fake = false; }

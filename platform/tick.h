// The millisecond tick: a steady clock as a 32-bit value that wraps after about 49.7 days.
// Elapsed times are differences of ticks (tickDiff), so the wrap does no harm.
#pragma once

#include <cstdint>

uint32_t getTickCount();

// Milliseconds from `earlier` to `later`, correct across one wrap of the tick.
inline uint32_t tickDiff(uint32_t later, uint32_t earlier) { return later - earlier; }

// The null backend for tests and benchmarks: a fake clock that moves only when told.
void useFakeTick(uint32_t start);
void advanceFakeTick(uint32_t ms);
void useRealTick();

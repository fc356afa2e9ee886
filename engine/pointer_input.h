// The pointer's way into the dialogs (TVTLApplication.processPointer). Element behaviour
// (hover, press, drag, activation) comes with the engine's input handling; until then no
// element takes the pointer, so every press counts as a click on the table.
#pragma once

#include <cstdint>

// Pointer actions; a wheel turn passes its delta (a multiple of 120) with the wheel flag.
constexpr int32_t kPointerRelease = 0;
constexpr int32_t kPointerPoll = 1;
constexpr int32_t kPointerPress = 2;

// Remembers (x, y) as the last processed position. True when an element took the pointer.
bool processPointer(int32_t x, int32_t y, int32_t action, bool dragEnabled, bool unmoved, bool wheel);

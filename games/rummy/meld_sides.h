// Sides of the meld games that other subsystems ask: partners, seat stepping and Canasta's
// marker flag.
#pragma once

#include <cstdint>

// 1 while Canasta's partner announcement is shown.
inline uint8_t canastaMarkerFlag = 0;

// Whether seats a and b play on one side: in Canasta with teams, the same team number;
// otherwise a seat is only its own partner.
bool samePartnership(int32_t a, int32_t b);
// The following and the preceding seat, wrapping within 1..playerCount; -1 is the seat to act.
int32_t nextSeat(int32_t seat);
int32_t prevSeat(int32_t seat);

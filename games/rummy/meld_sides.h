// Sides of the meld games that other subsystems ask: partners and Canasta's marker flag.
#pragma once

#include <cstdint>

// 1 while Canasta's partner announcement is shown.
inline uint8_t canastaMarkerFlag = 0;

// Whether seats a and b play on one side. Canasta's teams do not exist yet, so a seat is
// only its own partner.
inline bool samePartnership(int32_t a, int32_t b) { return a == b; }

// Sides of the meld games that other subsystems ask: partners, seat stepping, Canasta's
// marker flag and the meld table's lay-off builders for the games' tables of calls.
#pragma once

#include <cstdint>

struct THand;

// 1 while Canasta's partner announcement is shown.
inline uint8_t canastaMarkerFlag = 0;

// Whether seats a and b play on one side: in Canasta with teams, the same team number;
// otherwise a seat is only its own partner.
bool samePartnership(int32_t a, int32_t b);
// The following and the preceding seat, wrapping within 1..playerCount; -1 is the seat to act.
int32_t nextSeat(int32_t seat);
int32_t prevSeat(int32_t seat);

// Meld n of k12 with the cards laid off (clickPos: the clicked place, 0 when only asked),
// empty when they cannot all be placed: Rommé's and Canasta's builders.
void rommeFormLayOff(const THand& cards, int32_t meldNo, int32_t clickPos, THand& out);
void canastaFormLayOff(const THand& cards, int32_t meldNo, int32_t clickPos, THand& out);

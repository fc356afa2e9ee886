// Skat's game types and card points: the core's Skat sort and point count take them, and the
// Skat game keeps its records in them.
#pragma once

#include <cstdint>

#include "platform/records.h"

// Game types (int32 wherever stored): 1..4 suit games (trump suit = type), 10 Null,
// 11 Grand, 12 Ramsch; 100 when all passed; 0 no game (overbid or "Kein Spiel").
enum : int32_t {
  skatTypeNone = 0,
  skatTypeClubs = 1,
  skatTypeSpades = 2,
  skatTypeHearts = 3,
  skatTypeDiamonds = 4,
  skatTypeNull = 10,
  skatTypeGrand = 11,
  skatTypeRamsch = 12,
  skatTypeAllPassed = 100,
};

// Points of the cards by rank 1..15 (7, 8, 9: 0; jack 2; queen 3; king 4; ten 10; ace 11).
extern const LArray<int32_t, 1, 15> skatCardPoints;

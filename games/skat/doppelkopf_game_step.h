// Doppelkopf's step machine: the start of a game, the deal of twelve cards per seat, the
// phases before the first card (doppelkopf_vorbehalt.h), the twelve tricks with their
// specials and the scoring once every hand is empty.
#pragma once

#include <cstdint>

struct TGameState;

// Phases before the ones of doppelkopf_vorbehalt.h.
enum : uint8_t { doppelkopfPhaseStart = 0, doppelkopfPhaseDeal = 1 };

constexpr int doppelkopfTrickStack = 12;
constexpr int doppelkopfWonPileOffset = 6;  // seat s's won tricks lie on stack s + 6

// One tick; the core calls it while nothing is awaited or moving. The table display is
// refreshed after every call.
void doppelkopfGameStep(TGameState& gs);

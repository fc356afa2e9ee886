// Skat's records that other subsystems read: the bid record, the current trick, the card
// points. The game itself keeps them in its area of the game state.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// Game types: 1..4 suit games (trump suit = type), 10 Null, 11 Grand, 12 Ramsch;
// 100 when all passed; any other value means no trumps.
enum : int32_t {
  skatTypeNull = 10,
  skatTypeGrand = 11,
  skatTypeRamsch = 12,
  skatTypeAllPassed = 100,
};

struct TSkatBidRecord {
  int32_t declarer;     // seat of the declarer (Ramsch: the loser)
  int32_t unused1;
  int32_t unused2;
  int32_t gameType;     // read by the shared trump test
  int32_t leadSeat;     // seat leading the current trick
  int32_t cardsToPlay;  // 2 when a trick starts, lowered by one per card played
};

// Points of the cards by rank 1..15 (7, 8, 9: 0; jack 2; queen 3; king 4; ten 10; ace 11).
extern const LArray<int32_t, 1, 15> skatCardPoints;

// The bid record in use; points into Skat's area of the game state once a game runs.
extern TSkatBidRecord* skatBid;

// The current trick in playing order.
extern THand trickCards;

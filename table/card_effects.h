// The per-game steps drawCard takes at fixed places: Blackjack's hand tilt before the card is
// scaled, the meld table's places at the start of each iteration, the poker and meld
// highlights after the card's transform, and the labels on cards after its mesh. Steps of
// games not built yet ask table/table_game_hooks.h and so change nothing until those games
// exist; Skat takes none of them.
#pragma once

#include <cstdint>

#include "table/stacks.h"

// [SECTION] Blackjack's hand tilt

struct TCardTilt {
  float y = 0, z = 0, rotX = 0, bend = 0;  // added to the pose and to the bend b
};
// The offsets for seat `seat`'s card at slot j with factor f (already scaled by the table
// scale s); hidden: a face-down card on its way.
TCardTilt blackjackTiltOffsets(int32_t seat, int32_t j, float f, float s, bool hidden, bool is17und4);

struct TBlackjackTilt {
  TCardTilt offsets;
  bool onFlight = false;  // held back and added to the flight pose of the moving card
};
// The whole tilt step of slot (stack, index); no tilt outside Blackjack.
TBlackjackTilt blackjackHandTilt(int32_t stack, int32_t index);

// [SECTION] the meld table and the highlights

// Stack 12 while the meld table is in use: the slot takes its place from its meld.
void takeMeldTablePlace(int32_t stack, int32_t index);
// Poker's best hand and the meld highlight after the card's transform: sets the highlight
// flag and strength (cleared in every other game) and lifts and rocks the card.
void applyCardHighlight(int32_t stack, int32_t index, bool& highlight, float& strength);

// [SECTION] labels

// The numbers written on cards (Go Fish books, Canasta's stock and meld owners, Schnapsen's
// and Jass's trick points, Blackjack's hand value); pass 0, after the card's mesh.
void drawCardLabels(int32_t stack, int32_t index, bool backSide);

// Canasta's move search: whole moves for one seat, as move lists that the computer player
// carries out part by part. Every search works on copies: it changes no hand and no meld.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/rummy/canasta_moves.h"

// The move that goes out (every card but at most one, the discard), or an empty list.
void fertigzug(int32_t seat, const THand& hand, const TCard& pileCard, bool needsFirstMeld, TCanastaMoveList& out);
// The smallest first meld that reaches the side's minimum, or an empty list.
void minzug2(int32_t seat, const THand& hand, const TCard& pileCard, TCanastaMoveList& out);
// The move that lays down the most points and keeps the seat able to go on, or an empty list.
void canastaFindMaxPointsMove(int32_t seat, const THand& hand, const TCard& pileCard, TCanastaMoveList& out,
                              bool withPile);
// The most-points move of the seat as if it took the discard pile's top card.
void canastaBestMoveForPlayer(int32_t seat, TCanastaMoveList& out);

// Whether carrying out the list completes a canasta of the seat's side.
bool canastaMoveMakesCanasta(int32_t seat, const TCanastaMoveList& list);
// Meld n of the table with the cards the list lays off on it.
void canastaMeldAfterList(const TCanastaMoveList& list, int32_t n, THand& out);

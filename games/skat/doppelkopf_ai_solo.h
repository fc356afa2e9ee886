// Doppelkopf computer player: rating a hand for every solo, the solo it would play, how far
// it would announce, and its answers to the questions before and during play built on that.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/skat/trick_ai_options.h"

// Rates the hand of `seat` (1..4): the hand features and announceLimit under the normal
// game's order, then every solo the options allow under its own order; rewrites the seat's
// record in doppelkopfAISeats. Runs only before a solo is fixed: it sets each solo type in
// turn and leaves the normal game's order.
void doppelkopfAIChooseGame(int32_t seat);

// The ratings below read the trump order of the game type set now and add the random noise
// of the strength of the seat to act (Profi none), clamped to 0..100.
int32_t doppelkopfAIRateTrumps(const THand& hand);
// The plain suits for `seat`; leads: the seat leads the first trick, so its Asses count by
// their chance of standing.
int32_t doppelkopfAIRateSideSuits(const THand& hand, int32_t seat, bool leads);
// The thresholds of one evaluation: side rating v, trump rating w, total C.
struct TDoppelkopfAIMinimums {
  int32_t side;
  int32_t trump;
  int32_t total;
};
// 0..4: how far the ratings reach past the thresholds; Fleischlos (7) by its side rating.
int32_t doppelkopfAIRateSoloClass(const TDoppelkopfAIMinimums& m, int32_t type, int32_t trumpRating,
                                  int32_t sideRating);
// The chance that a card `seat` leads now stands: no other seat ruffs it and nobody holds
// a higher card of its class. Read from the hands before the first card, when nothing is
// known of the other seats but their number of cards.
float doppelkopfAIOpeningLeadChance(int32_t seat, const TCard& card);

// The answer of the seat to act to decision `kind`: 66, 84, 88, 89, and 47 while it offers
// an announcement. Always a value among the open decision's options; trickAINoOption for
// 47 when the seat plays its card instead, for any other kind, when nothing is offered or
// no seat is to act. Decision 66 first evaluates the hand.
int32_t doppelkopfAIAnswer(int32_t kind);

// Schafkopf computer player: rating a hand for every contract, the contract it would
// declare, and its answers to the bidding's questions built on that rating.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/skat/trick_ai_options.h"

// The thresholds of one evaluation: side rating v, trump rating w, total C.
struct TSchafkopfAIMinimums {
  int32_t side;
  int32_t trump;
  int32_t total;
};

// The thresholds for `seat`: a Profi seat at or before the dealer asks for less while
// nobody wants to play yet and "Ramsch, wenn keiner spielen will" is on.
TSchafkopfAIMinimums schafkopfAIMinimumsFor(int32_t seat);

// Rates the hand of `seat` (1..4) for every contract the options allow, each under its own
// trump order, and rewrites reRating, contractRating and aiContract of the seat's record.
// Runs only while no contract is applied: it applies each in turn and leaves type 0 applied.
void schafkopfAIChooseContract(int32_t seat);

// The ratings below read the trump order of the contract applied now; the trump and side
// ratings add the random noise of the strength of the seat to act (Profi none).
// 0..100 for the trumps held, raised up to 1.6 times for long trumps (may exceed 100).
int32_t schafkopfAIRateTrumps(const THand& hand);
// 0..100 for the plain suits; calledSuit 1..4 rates that suit as the called one (0 none),
// zeroCalled counts it as worthless.
int32_t schafkopfAIRateSideSuits(const THand& hand, int32_t calledSuit, bool zeroCalled);
// 0..4: how much the ratings exceed the thresholds for that contract type; 0 for Bettel,
// Ramsch and anything else outside types 1..6 and 8.
int32_t schafkopfAIRateContractClass(const TSchafkopfAIMinimums& m, int32_t type, int32_t trumpRating,
                                     int32_t sideRating);
// 100 minus penalties for low cards the other three hands could duck under (Bettel order).
int32_t schafkopfAIRateBettelSafety(const THand& hand, int32_t seat);
// 1 when the hand holds enough unbeatable cards in every class to declare Tout.
int32_t schafkopfAICanPlayTout(const THand& hand, int32_t seat);

// The answer of the seat to act to decision `kind` (93, 97, 92, 91, 94, 44 or 63), always a
// value among the open decision's options; trickAINoOption for any other kind, when nothing
// is offered or no seat is to act. Decision 93 first evaluates the hand.
int32_t schafkopfAIAnswer(int32_t kind);

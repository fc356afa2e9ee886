// Jass's computer player: the mode choice (or a push to the partner), the Weis it always
// declares and shows, and its cards: a search for the card that wins the list when its team
// can reach the target, otherwise rules about partner and opponents. It reads the other
// seats' real hands. Seat 3, the user's partner, always plays as "Profi".
#pragma once

#include <cstdint>

#include "core/cards.h"

// One decision for the seat to act, submitted through TCG::submitAction.
void jassAIMove();
// The suit (1..4) the seat would choose, or -1 to push (only when deciding and allowed).
int32_t jassChooseTrump(int32_t seat, bool deciding, bool pushAllowed = true);
// The slot of the card that reaches the target this trick, 0 for none.
int32_t jassFindWinningCard();
// The card the play rules choose, as a slot of the seat to act (0: none).
int32_t jassChooseCardSlot();
void jassChooseCard();

// Helpers, also read by the tests.
int32_t jassFindPartner();               // of the seat to act
bool jassIsOwnTeam(int32_t seat);        // the seat to act or its partner
int32_t jassCountSuitInStack(int32_t seat, int32_t suit);
bool jassTrickHasThree();
bool jassPartnerWinning();
int32_t jassTrickPoints();
bool nextCanWinTrick(int32_t seat);
TCard jassBestWinningCard();          // legal, wins, fewest points, non-trumps first
TCard spieleWertlosePassendeKarte();  // legal, fewest points, non-trumps first
// The best own-team gain of the rest of the trick after the card just appended by `seat`.
int32_t jassSearch(int32_t seat);

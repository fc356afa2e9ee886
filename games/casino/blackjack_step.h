// Blackjack's game as a machine the core steps: a new game or match, then per tick one step
// of the phases 0 start, 2 start money (first game of a match), 10 bets, 1 shuffle and deal,
// 4 play, showdown and settlement. Phase 4's sub-states: 4 the seat to act is due, 3 its
// answer is awaited or has arrived, 0 a doubled hand takes its card, 8 the next seat is due,
// 6 settle the seat to act (with step 99: the dealer's cards, then the end of the round).
// Steps of phase 4: 1.. the turns, 10 the dealer reveals, 11 its value is said, 20.. one per
// reveal or evaluation of a player, 77 while the shoe is put back, 99 the end.
#pragma once

#include <cstdint>

struct TGameState;

// The next game of a match, or with newList a new match. Always true.
bool blackjackNewGame(bool newList);
void blackjackGameStep(TGameState& gs);
// Turns the seat to act's face-down cards from its last hidden one on; false when none.
bool blackjackRevealCards();
// The in-game panels; from step 20 on the decision panel is closed.
void blackjackShowPanels();
// The fields the core's ranking reads through chipGames, from Blackjack's area.
void blackjackSyncChipGames();
// The seats' poker records into Blackjack's and back (the chip animation and the speech
// work on the poker records).
void blackjackSeatsFromPoker();
void blackjackSeatsToPoker();

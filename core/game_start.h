// Helpers of starting a game that other modules call directly: the seat-icon layout and
// the 52-card deck of War, Go Fish, Old Maid and Hearts.
#pragma once

#include "core/cards.h"

// The suit and round icons of the table panel back to their places (Schafkopf and
// Doppelkopf have their own), also as layout values; all dialogs are laid out again.
void layoutSeats();
// Empties the list, then suits 1..4, each in the ranks 2, 3, ..., 10, jack, queen, king, ace.
void fillDeck52(THand64& deck);
// A computer opponent for seat i of a new list: distinct voices where the voice loop finds
// them, and a first name no earlier seat's name begins with when 21 candidates suffice.
void chooseOpponent(int seat);

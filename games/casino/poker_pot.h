// The end of a poker hand: the winners of the main pot and of each side pot, the division
// of the pot in chip units, and the winners text.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

using TSeatSet = bool[7];  // [1..6]

// The seat's two cards followed by the board.
THand64 seatSevenCards(int32_t seat);
// Among the seats of the set that are in the hand, the best hands become winners; every
// seat's best cards are noted.
void markPotWinners(const TSeatSet& set);
void pokerMarkWinners();
// Divides the pot among the winners round by round: each round's pot goes evenly to its
// winners, the leftover units to its last winner in seat order; money no competing seat can
// win goes back to its payers (refund).
void pokerDividePot(bool showdown);
// "Pot geht an: ..." with the side pots and the seats that drop out.
std::string pokerPotWinnersText();

// The Skat deck: 32 cards, ranks 7 to Ace in the four suits.
#pragma once

constexpr int skatStockStack = 11;
constexpr int skatDeckSize = 32;

// Fills the stock (stack 11) with the 32 Skat cards in random order; only each slot's
// rank and suit are written, the rest of the slot stays.
void skatBuildDeck();

// Schwimmen's rules: card and hand values, the seats' order, the deck, the options' numbers
// and the card table's hooks. Stacks: seats 1..n (three cards each), 11 the stock, 12 the
// middle, 15 the pile beside the table while the middle is replaced, 16 the holding pile
// while a seat swaps all three cards.
#pragma once

#include <cstdint>
#include <string>

#include "games/family/schwimmen_state.h"

constexpr int32_t schwimmenNoLimit = 99999;
constexpr int32_t schwimmenTop = 310;     // "31": the game ends at once
constexpr int32_t schwimmenTriple = 305;  // three of a kind under the option, "30,5"

TSchwimmenArea& schwimmenArea();
int32_t schwimmenSeats();

// 7 -> 7, 8 -> 8, 9 -> 9, jack, queen, king and ten -> 10, ace -> 11.
int32_t schwimmenValue(int32_t rank);
// The best sum of one suit in tenths, with three of a kind under the option; 0 for no cards.
int32_t handValueOfCards(const THand& hand);
int32_t schwimmenCardsValue(const TCard* cards, int32_t n, bool tripleRule);
int32_t handValueWithRule(const THand& hand, bool tripleRule);
// The same on a stack's slots.
int32_t schwimmenHandValue(int32_t stack);
// The value as shown: whole points, "30,5" for three of a kind.
std::string formatHandValue(int32_t value);
// The seat after and before `seat` (-1: the seat to act), wrapping within 1..n.
int32_t nextSchwimmenSeat(int32_t seat);
int32_t prevSchwimmenSeat(int32_t seat);
// cardValues: (5 - suit) * 100 + rank for the ranks 7 to ace.
void schwimmenInitSortKeys();
// The 32 cards into the stock, shuffled.
void schwimmenBuildDeck();
// The integer before the last blank when the text begins with a digit, else 99999.
int32_t schwimmenParseLimit(const std::string& text);
// The dealer row as the options' refresh leaves it: a row naming a seat not in play moves
// (down with stepDown, else up) until it names one; below 1 or above 6 it is "Zufall" (1).
int32_t schwimmenDealerRow(int32_t row, int32_t players, bool stepDown);

// [SECTION] the card table's hooks
bool schwimmenIsSeatHandOpen(int32_t seat);
void schwimmenNoteLaidSlot(int32_t slot);

// Card order tables, value comparisons and sorts, the Skat sort, shuffling and random
// draws, and the few operations that put a card into a stack or find one there.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"
#include "table/stacks.h"

using TCardValueTable = LArray<LArray<int32_t, 1, 14>, 1, 4>;

// Order values [suit][rank], higher beats lower. Each game fills what it needs when its
// game or contract starts; nothing here resets them.
extern TCardValueTable cardValues;   // trick strength, trump order, display order
extern TCardValueTable cardValues0;  // a second order of Rommé, Jass, Hearts and Go Fish

// Rank weights of the Skat sort, written by setSkatSortWeights (Skat weights at start).
extern LArray<double, 1, 15> skatSortWeights;

int32_t prlwert(const TCard& c);
bool mehrwertn(const TCard& a, const TCard& b);
bool mehrwertn0(const TCard& a, const TCard& b);
bool mehrwert(const TCardSlot& a, const TCardSlot& b);

// Bubble sorts over positions start..start+n-1 (n = 0: the whole list). Not ascending:
// highest first, equal values keep their order. Ascending: equal neighbours are exchanged
// at every comparison, so their final order follows from the n sweeps.
void sortHandByValue(THand& h, int start, int n, bool ascending);
void sortHandByValueN0(THand& h, int start, int n, bool ascending);
void sortCards64ByValue(THand64& h, int start, int n, bool ascending);
void sortSlotsByValue(TSpieler& s, int start, int n, bool ascending);
void sortSlotsByValueN0(TSpieler& s, int start, int n, bool ascending);

// The Skat sort for a contract type (1..4 suit games, 10 Null, 11 Grand, 12 Ramsch).
void sortHand(THand& h, int32_t type);
void setSkatSortWeights(int32_t type);

int sortedInsertPos(const TSpieler& s, const TCard& c);
TCard drawRandomCard(THand& h);
void shuffleHand(THand& h);
void shuffleStack(TSpieler& s);
void addCardToSpieler(TSpieler& s, const TCardSlot& src, bool atFront);
int findCardInSpieler(const TCardSlot& slot, const TSpieler& s);
void getLastPlayedCard(TCardSlot& out);

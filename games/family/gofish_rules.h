// Go Fish's rules: the seat order, books, the end tests, the sort keys and the card table's
// hooks. Stacks: seats 1..n, 11 the stock, 12 the centre pile the cards handed over pass
// through, seat + 14 each seat's book pile.
#pragma once

#include <cstdint>
#include <string>

#include "games/family/gofish_state.h"
#include "table/stacks.h"

constexpr int32_t goFishNoLimit = 99999;

TGoFishArea& goFishArea();

int32_t goFishSeats();
// The seat k places after (FromCurrent) or before (Back) the seat to act, in 1..n.
int32_t goFishSeatFromCurrent(int32_t k);
int32_t goFishSeatBack(int32_t k);
int32_t goFishCardCount(int32_t seat);
// The first rank of the seat to act's hand held bookSize times: its first bookSize cards go
// into bookCards (with slot numbers); the rank, 0 none.
int32_t goFishFindBooks();
// Books on a seat's pile (k below 14: seat k's pile k + 14, else the pile k).
int32_t goFishBookCount(int32_t k);
bool goFishOthersHaveNoCards();
bool goFishAllHandsEmpty();
// The stock and all hands are empty.
bool goFishIsOver();
int32_t goFishParseLimit(const std::string& text);
// cardValues and cardValues0: (30 - rank position) * 4 + suit weight.
void goFishInitSortKeys();
// Six hands of nine would need 54 cards: eight then; outside 5..9 the default 7.
int32_t goFishFitDealCount(int32_t dealCount, int32_t seats);

// [SECTION] the card table's hooks
void goFishTableLayout();
// Each seat's pile (seat + 14) beside its seat, turned toward the stock, its slots with the
// stock's display data; the stock stays where it is. Old Maid lays its discard piles so too.
void goFishLayoutSeatPiles();

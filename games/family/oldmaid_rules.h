// Old Maid's rules: the seat order, the pairs a hand lays down, the loser, the sort keys and
// the card table's hooks. Stacks: seats 1..n, 11 the stock while dealing, 12 the centre pile
// a pair passes through, seat + 14 each seat's discard pile.
#pragma once

#include <cstdint>
#include <string>

#include "games/family/oldmaid_state.h"
#include "table/stacks.h"

constexpr int32_t oldMaidNoLimit = 99999;

TOldMaidArea& oldMaidArea();

// Cards dealt to a seat: deckSize div n, one more for the seats up to deckSize mod n.
int32_t oldMaidDealCount(int32_t seat);
// The seat k places after (FromCurrent) or before (Back) the seat to act, in 1..n.
int32_t oldMaidSeatFromCurrent(int32_t k);
int32_t oldMaidSeatBack(int32_t k);
// The first seat before the seat to act that holds cards: the one a card is drawn from.
int32_t oldMaidNextSeatWithCards();
// The first pair of the seat to act's hand into pairCards (with slot numbers): its rank, 0 none.
int32_t oldMaidFindPairs();
// The seat holding the only card left, else 0.
int32_t oldMaidLoser();
// No seat but the seat to act holds cards.
bool oldMaidOthersHaveNoCards();
int32_t oldMaidCardCount(int32_t seat);
// The integer before the last blank when the text begins with a digit, else 99999.
int32_t oldMaidParseLimit(const std::string& text);
// cardValues: (5 - suit) * 100 + rank.
void oldMaidInitSortKeys();

// [SECTION] the card table's hooks
bool oldMaidIsSeatHandOpen(int32_t seat);
void oldMaidTableLayout();
void oldMaidPlaceSeat(TSpieler& stack);
void oldMaidScatterTrickCard();

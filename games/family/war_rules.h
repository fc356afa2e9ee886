// War's rules: rank values, the seat order, the comparison of the pots, wars and their
// points, the end test and the refill of a hand from its won pile. Stacks: seats 1 and 2 the
// hands, seat + 6 the won piles, seat + 14 the pots, 11 the stock while dealing.
#pragma once

#include <cstdint>
#include <string>

#include "games/family/war_state.h"
#include "table/stacks.h"

constexpr int32_t warSeats = 2;
constexpr int32_t warNoLimit = 99999;

TWarArea& warArea();

// The deck: 54 cards with jokerWars, else 52.
int32_t warDeckSize();
// Cards dealt to a seat: an equal share, the remainder to the lowest seats.
int32_t warDealCount(int32_t seat);
// The seat k places after (FromCurrent) or before (Back) the seat to act, in 1..n.
int32_t warSeatFromCurrent(int32_t k);
int32_t warSeatBack(int32_t k);
// The integer before the last blank when the text begins with a digit, else 99999.
int32_t warParseLimit(const std::string& text);
// cardValues by rank alone: 2..6 give 9..13, 7..ace 14..21, the joker 22.
void warRankValueTable();

// Counts of a seat's hand, won pile and pot.
int32_t warHandCount(int32_t seat);
int32_t warWonCount(int32_t seat);
int32_t warPotCount(int32_t seat);
// The seat holds no card in hand and won pile.
bool warSeatIsOut(int32_t seat);

// Pot stacks a and b show the same rank on top (with jokerWars also a joker on either).
bool warSameRank(int32_t potA, int32_t potB);
// The higher top card; on equal ranks the seat with more cards in hand, else the lower seat.
int32_t warRoundWinner();
// The pots tie (or show a joker) and every tied seat still holds cards.
bool warIsWar();
// 0 while the game goes on; a seat that reached warsToWin, or minus a seat without cards.
int32_t warFindWinner();
// The wars a collection of m cards scores for its winner: 0 for a plain round.
int32_t warPointsForCollection(int32_t movedCards);

// Whether the seat's hand holds `need` cards and is ready: refills it from the won pile, then
// shows three shuffle steps, one per call; true once nothing is left to do.
bool warCollectCards(int32_t seat, int32_t need);

// [SECTION] the card table's hooks
bool warIsCardFaceUp(int32_t stack, int32_t slot);
void warPlaceSeat(TSpieler& stack);
bool warTableLayout(int32_t potStack, int32_t newSlot);
void warPanelText(int32_t seat, std::string& text);

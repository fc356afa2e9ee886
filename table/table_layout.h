// The table layout: where every stack rests and where each card lies inside its stack, for
// every game, seat count and view (normal, from above, from the side). Writes the stacks'
// restPose and the slots' pose blocks (pose, poseFlag, the first two poseExtra values);
// moves fly cards to these places, the drawing draws them there.
#pragma once

#include <cstdint>

#include "table/stacks.h"

// Lays out every stack for cg.gameId, playerCount and the view. `fresh` (a new game) empties
// piles 11..16 first; a resume, a load or a view change keeps the cards where they are.
void buildTableLayout(bool fresh);
// Lays out one seat record (of sp, spLayout or a copy) by its stackNo: its restPose and the
// poses of its cards 1..count for a fan of n cards. `open`: where a hand is laid open.
void placeSeat(TSpieler& stack, bool open, float n);
// The pose block of card i of a fan of n cards of the seat record `stack`.
void placeHandCard(TSpieler& stack, int32_t i, float n);
// The place of seat s on a table of up to six places: 2 left, 3 far left, 4 far centre,
// 5 far right, 6 right.
int32_t seatSlot(int32_t s);
// The window is wider than 4:3 (aspect above 1.3433333).
bool isWideScreen();
// The last step of the layout: the Canasta seats seen from above and the tutorial tables.
void adjustSeatsForView(bool fresh);
// Per-game corrections of a stack's restPose by its stackNo.
void applyGameSeatOffsets(TSpieler& stack);
// Height of the n-th card of the stock.
float pileCardHeight(int32_t n);
// The scale at which the table backdrop is drawn.
float tableScaleFactor(bool request);
// Resting poses of cards start..start+n-1 of a seat in Blackjack and War: kind 1 a row,
// 2 a fan face down, 3 face up; mode 6 (a move into the layout copy) the layout variant.
void setCardTargetPositions(int32_t stack, int32_t start, int32_t n, int32_t kind, int32_t mode);

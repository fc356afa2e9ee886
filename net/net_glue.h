// Between the table transport and a running game: lost seats taken over by the computer,
// the kick and end notices, seat counts, and the check that a received selection names
// cards the acting seat holds.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

class TNetz;

// Seats 1..seatCount of the table with a state below 3 (a human or a computer sits there).
int32_t countTakenSeats(const TNetz& transport);
int32_t countTakenSeats();
// Local seats 1..playerCount that isSeatPlayable accepts; both flag values count the same.
int32_t countPlayableSeats(bool onlyActive);
// The seat's player is lost: the computer plays it from now on. Nothing for the own seat.
bool replaceSeatByComputer(int32_t netSeat);
// This machine lost its table: every other human seat is played by the computer.
void markRemoteSeatsLost();
void refreshGameScreenIfShown();
// A kick for this machine; shown once until the next lobby connection.
bool showKickedMessage(bool closeGame);
// "f_netzwerkspiel", or "f_internetspiel" in an internet game.
void getNetGameTitle(std::string& text);
void showNetEndMessage(const std::string& text, bool closeGame);
// The value-sorted order every machine gives a hand before a move names its cards by
// position: cards of equal value in suit and rank order, so the slots' own order never
// matters.
void sortHandForWire(THand& hand);
// The positions a move names, in the acting seat's sorted hand: kind 0 from the own hand
// (a 0) its index b, kind 1 every selected card's slot. False when a card is not found.
bool moveToWirePositions(int32_t kind, int32_t a, int32_t& b, THand& selection);
// Every card of a received selection lies at its slot in the acting seat's stack.
bool selectionHeldBySeat(const THand& selection, int32_t localSeat);

// Poker betting: stepping round the seats, what the seat asked may answer, taking its
// answer, the end of a betting round and the table's aggression index.
#pragma once

#include <cstdint>
#include <string>

// Decision codes of the betting question.
enum : int32_t { pokerCheck = 42, pokerFold = 43, pokerCall = 99, pokerRaise = 100, pokerAllIn = 101 };

// Steps count seats from the seat to act in the playing direction (previous: the other way).
int32_t pokerNextSeat(int32_t count, bool inHandOnly, bool strict);
int32_t pokerPreviousSeat(int32_t count, bool inHandOnly, bool strict);

// The limits and the seat's canCall, canRaise, canAllIn before it is asked.
void pokerPrepareSeat(int32_t seat);
// What the seat still owes to stay in.
int32_t pokerAmountToCall(int32_t seat);
// Whether the open question offers the answer: fold always, check only when nothing is
// owed, call when something is owed and canCall, raise with canRaise, all-in with canAllIn.
bool pokerAnswerOffered(int32_t seat, int32_t code);
// Takes the seat's answer; an answer not offered is refused with a trace line and the
// question stays open. Money moves at once and never more than the seat holds.
bool pokerTakeAnswer(int32_t seat, int32_t code, int32_t value);
bool pokerBettingRoundOver();
// Panel texts of the answers: 0 bet/raise, 1 and 2 call/check, 3 fold, 4 all-in, 5.. the
// seats' action texts.
std::string pokerActionText(int32_t code);
void pokerUpdateAggression();

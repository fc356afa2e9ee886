// The poker computer player: the situation of the seat to act as a case record, its decision
// (pre-flop rules; after the flop the nearest stored case, pushed by the hand's strength, or
// the post-flop rules), a common tail that keeps the answer sensible, and the move itself.
#pragma once

#include <cstdint>
#include <string>

#include "games/casino/poker_cases.h"

// kind: 0 bet or raise, 1 check or call, 3 fold, 4 all-in; unit of amount: 1 blinds, 3 money.
struct TPokerDecision {
  uint8_t kind = 3;
  uint8_t unit = 1;
  int32_t amount = 0;
};
enum : uint8_t { pdRaise = 0, pdCall = 1, pdFold = 3, pdAllIn = 4 };
enum : uint8_t { pdBlinds = 1, pdMoney = 3 };

// What a decision reads of the seat and the table.
struct TPokerSeatView {
  int32_t seat, money, stake, betLevel, toCall, pot, blind, minRaise, maxRaise, minRaiseBlinds;
  int32_t raisesInHand, street, inHand, playable, startMoney;
  bool splitLimit, someoneAllIn;
  bool canPay(int32_t extra) const { return toCall + extra <= money; }
};
TPokerSeatView pokerSeatView(int32_t seat);

// 1 "Anfänger", 2 "Normal", 3 "Profi": the network seat's in a network game, else the seat
// profile's; seat 1 always 3.
int32_t seatAIStrength(int32_t seat);
// A bluffing bonus from the table's aggression index and the seats still playing.
int32_t pokerBluffAllowance();
// Table queries of the decisions: other seats in the hand that raised (seat 0: every seat),
// seats in the hand all-in, every other seat in the hand all-in, seats that can play.
int32_t pokerOtherSeatsThatRaised(int32_t seat);
int32_t pokerAllInSeats();
bool pokerAllOtherSeatsDone(int32_t seat);
int32_t pokerPlayableSeats();

// Calmness 0..100 (a quiet table is high) at the seat's place x (percent of the round), and
// the win probability blended by it.
double pokerCalmness(const TPokerSeatView& v, double x);
double pokerBlendedChance(double calm, double pA, double pB);

// Fills bytes 0..16 of the record (the decision is left) and notes the seat's call value and
// win chance in its seat record.
void pokerSituationFeatures(int32_t seat, TPokerCase& r);
void pokerAIDecision(int32_t seat, TPokerDecision& d);
// Seats whose decisions after the flop ask the case memory; the others go by the rules, as
// with an empty memory. The memory's own tool and the bench's comparison clear them.
extern bool pokerSeatAsksMemory[7];
// Decides for the seat to act and submits the move as the panel's answer.
void pokerAIMove();

// One line per decision for the developer; only the latest lines are kept, since the text
// is shown whole after the frame-rate label.
extern std::string decisionTrace;
void pokerAppendDecisionTrace(const std::string& line);

// The chance that a seat's hand wins at the showdown against a number of players (the seat
// included). Before the flop it comes from the preflop table; from the flop on it is counted
// exactly: every way the board can still complete, and for each board every holding one
// opponent can have. x, the share of holdings that beat the seat (ties count as won), gives
// (1 - x)^n against n opponents. The per-board results are kept for the last situation, so
// the two variants and other player counts cost no second count.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/cards.h"

// The hand's final category, and how often one opponent beats it, per board completion.
struct TPokerBoardOdds {
  std::vector<uint8_t> category;  // 1..10
  std::vector<float> beaten;      // share of one opponent's holdings that beat the seat
  std::vector<float> weight;      // 1, or a pro's weighting of the cards to come
  double totalWeight = 0;
};

// Cards as codes of the fast evaluator (0..51). Board of 3 to 5 cards.
void pokerCountBoards(const int hole[2], const int* board, int boardCount, const float* rankWeight,
                      TPokerBoardOdds& out);

// One target category: the chance that the final best hand is of it given that no higher
// category is made (make), and the chance that it then wins against `opponents` (win).
struct TPokerMakeWin {
  double make = 0, win = 0;
};
TPokerMakeWin enumerateHandOdds(const TPokerBoardOdds& odds, int32_t opponents, uint8_t category);

// The chance that at least k of the K good cards are among C drawn from N.
double atLeastFromDraw(int32_t good, int32_t unseen, int32_t toCome, int32_t needed);

// Variant A: the seat against `players` players. With trace set, the chain's lines are
// appended to pokerWinTrace.
float pokerWinProbability(int32_t seat, int32_t players, bool trace);
extern std::string pokerWinTrace;

// Variant B: two player counts at once; keeps the screen alive through the frame hook.
struct TPokerWinPair {
  float a = 0, b = 0;
};
void pokerWinProbabilityB(int32_t seat, int32_t playersA, int32_t playersB, TPokerWinPair& out);

// What variant B needs of the window: its frame rate, one frame step, and the note that
// frames ran during a computation. Unset (headless), or with no frame rate yet, no frames run.
struct TPokerFrameHook {
  double (*framesPerSecond)() = nullptr;
  void (*frameStep)() = nullptr;
  void (*framesRan)() = nullptr;
};
void pokerSetFrameHook(const TPokerFrameHook& hook);

// A pro's rank factor of a card rank (0 = 2 .. 12 = ace) in a betting round (0 flop, 1 turn,
// 2 river); the match counter's unless set otherwise. Set to none: pros weigh nothing, with
// a trace line.
using TPokerRankFactors = float (*)(int32_t round, int32_t rankIndex);
void pokerSetRankFactors(TPokerRankFactors source);

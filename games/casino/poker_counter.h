// The score keeper of a series of poker matches played in the fast simulation mode, and the
// table of rank factors by betting round that the win chances of strong seats use.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

class TPokerCounter {
 public:
  int32_t maxMatches = 20;
  int32_t rounds = 0;   // hands counted in the series
  int32_t matches = 0;  // matches begun in the series
  LArray<int32_t, 0, 6> points{};  // by seat 1..6; entry 0 belongs to no seat
  int32_t seatCount = 0;           // seats when the current match began
  float rankFactors[3][13]{};      // after the flop, the turn, the river; ranks 2..ace

  // The rank factors are set from the start, so a pro's chance never finds them empty.
  TPokerCounter() { setRankFactors(); }
  // A fresh series at match 1, round 1, with the rank factors set.
  void reset();
  void setRankFactors();
  void nextMatch();
  void nextRound() { rounds++; }
  bool isFinished() const { return matches >= maxMatches; }
  void addPoints(int32_t seat, int32_t value);
  // "N Matches, M Runden" and a line of points per seat.
  std::string resultText() const;
  void showResult() const;
};

extern TPokerCounter pokerCounter;

// The counter's rank factor of a betting round (0 flop, 1 turn, 2 river) and a rank (0 = 2 ..
// 12 = ace), the source of a pro's weighting in the win probability.
float pokerCounterRankFactor(int32_t round, int32_t rankIndex);

// The end of a match in the fast simulation mode drives the series: the next match is
// counted until the series is finished, which shows its result and starts a fresh one.
void pokerCounterMatchEnded();

// The poker match counter (see poker_counter.h).
#include "games/casino/poker_counter.h"

#include <algorithm>

#include "engine/message_box.h"
#include "engine/stopwatch.h"
#include "shell/shell_globals.h"

TPokerCounter pokerCounter;

void TPokerCounter::setRankFactors() {
  static constexpr float factors[3][13] = {
      {0.62f, 0.72f, 0.77f, 0.82f, 0.87f, 0.92f, 1.03f, 1.08f, 1.13f, 1.18f, 1.23f, 1.28f, 1.38f},
      {0.58f, 0.66f, 0.73f, 0.76f, 0.89f, 0.93f, 0.99f, 1.08f, 1.16f, 1.23f, 1.26f, 1.32f, 1.41f},
      {0.50f, 0.61f, 0.72f, 0.77f, 0.85f, 0.89f, 0.99f, 1.11f, 1.21f, 1.25f, 1.29f, 1.36f, 1.49f}};
  std::copy(&factors[0][0], &factors[0][0] + 3 * 13, &rankFactors[0][0]);
}

void TPokerCounter::reset() {
  maxMatches = 20;
  rounds = 0;
  matches = 0;
  for (int s = 1; s <= std::clamp(int(playerCount), 0, 6); s++) points[s] = 0;
  nextMatch();
  nextRound();
  startStopwatch(10);
  setRankFactors();
}

float pokerCounterRankFactor(int32_t round, int32_t rankIndex) {
  return pokerCounter.rankFactors[std::clamp(round, 0, 2)][std::clamp(rankIndex, 0, 12)];
}

void TPokerCounter::nextMatch() {
  seatCount = playerCount;
  matches++;
}

void TPokerCounter::addPoints(int32_t seat, int32_t value) {
  if (seat >= 0 && seat <= 6) points[seat] += value;
}

std::string TPokerCounter::resultText() const {
  std::string text = std::to_string(matches) + " Matches, " + std::to_string(rounds) + " Runden";
  for (int n = 1; n <= std::clamp(int(playerCount), 0, 6); n++)
    text += "\n\rSpieler " + std::to_string(n) + ": " + std::to_string(points[n]) + " Punkte";
  return text;
}

void TPokerCounter::showResult() const { showMessage(resultText(), "Spielergebnis", kBoxOk, "!Weiter"); }

void pokerCounterMatchEnded() {
  if (!pokerCounter.isFinished()) {
    pokerCounter.nextMatch();
    return;
  }
  pokerCounter.showResult();
  pokerCounter.reset();
}

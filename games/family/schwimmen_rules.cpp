// Schwimmen's rules and the card table's hooks.
//
// [SECTION] values
// [SECTION] seats, deck and options
// [SECTION] the card table's hooks
#include "games/family/schwimmen_rules.h"

#include <algorithm>
#include <cmath>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/war_rules.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

TSchwimmenArea& schwimmenArea() { return gameArea<TSchwimmenArea>(cg.gs.schwimmen); }

int32_t schwimmenSeats() { return std::clamp(playerCount, 2, 6); }

// [SECTION] values

int32_t schwimmenValue(int32_t rank) {
  switch (rank) {
    case rank7: return 7;
    case rank8: return 8;
    case rank9: return 9;
    case rankJack: case rankQueen: case rankKing: case rankTen: return 10;
    case rankAce: return 11;
    default: return 0;
  }
}

int32_t schwimmenCardsValue(const TCard* cards, int32_t n, bool tripleRule) {
  LArray<int32_t, 0, 4> suitSum{};
  LArray<int32_t, 0, 8> rankCount{};
  for (int32_t i = 0; i < n; i++) {
    const TCard& c = cards[i];
    if (c.f >= 1 && c.f <= 4) suitSum[c.f] += schwimmenValue(c.t);
    if (c.t >= 1 && c.t <= 8) rankCount[c.t] += 1;
  }
  int32_t best = 0;
  for (int f = 1; f <= 4; f++) best = std::max(best, suitSum[f] * 10);
  if (tripleRule)
    for (int r = 1; r <= 8; r++) {
      if (rankCount[r] != 3) continue;
      best = std::max(best, schwimmenTriple);
      if (r == rankAce) best = schwimmenTop;
    }
  return best;
}

int32_t handValueWithRule(const THand& hand, bool tripleRule) {
  return schwimmenCardsValue(&hand.k[1], std::max<int32_t>(handUsed(hand), 0), tripleRule);
}

int32_t handValueOfCards(const THand& hand) { return handValueWithRule(hand, schwimmenArea().tripleRule != 0); }

int32_t schwimmenHandValue(int32_t stack) {
  if (stack < 1 || stack > stackCount) return 0;
  syncHandFromSlots(sp[stack]);
  return handValueOfCards(sp[stack].hand);
}

std::string formatHandValue(int32_t value) {
  if (value == schwimmenTriple) return "30,5";
  return std::to_string(int32_t(std::lround(value / 10.0)));
}

// [SECTION] seats, deck and options

namespace {
int32_t wrapSeat(int32_t s) {
  const int32_t n = schwimmenSeats();
  return ((s - 1) % n + n) % n + 1;
}
}  // namespace

int32_t nextSchwimmenSeat(int32_t seat) { return wrapSeat((seat == -1 ? cg.gs.akspieler : seat) + 1); }
int32_t prevSchwimmenSeat(int32_t seat) { return wrapSeat((seat == -1 ? cg.gs.akspieler : seat) - 1); }

void schwimmenInitSortKeys() {
  for (int f = 1; f <= 4; f++)
    for (int t = 1; t <= 8; t++) cardValues[f][t] = (5 - f) * 100 + t;
}

void schwimmenBuildDeck() {
  TSpieler& stock = sp[11];
  THand deck{};
  for (int t = rank7; t <= rankAce; t++)
    for (int f = suitClubs; f <= suitDiamonds; f++) handaddk(deck, makeCard(t, f));
  stock.hand = deck;
  syncSlotsFromHand(stock);
  shuffleStack(stock);
}

int32_t schwimmenParseLimit(const std::string& text) { return warParseLimit(text); }

int32_t schwimmenDealerRow(int32_t row, int32_t players, bool stepDown) {
  // Rows: 1 "Zufall", k + 1 seat k (7 rows). Stepping up past the last row wraps to "Zufall".
  for (int guard = 0; guard < 8 && row > 1 && row > players + 1; guard++) row += stepDown ? -1 : 1;
  return row < 1 || row > 7 || row > players + 1 ? 1 : row;
}

// [SECTION] the card table's hooks

bool schwimmenIsSeatHandOpen(int32_t seat) { return seat != 1 && cg.gs.phase == 4 && cg.gs.step == 31; }

void schwimmenNoteLaidSlot(int32_t slot) { schwimmenArea().lastLaidSlot = slot; }

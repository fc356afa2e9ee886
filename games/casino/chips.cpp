// The chip games' services the core calls, as far as they exist without the chip games.
#include "games/casino/chips.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/engine_services.h"
#include "games/casino/poker_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/table_layout.h"

TChipSnapshot chipSnapshot{};
TChipGamesArea chipGames{};

bool isChipGame() { return cg.gameId == gidPoker || cg.gameId == gidBlackjack; }

void countChipStacks(TChipSnapshot& snapshot) {
  // Queued money is not yet in any chip: planned first, it counts where it is going.
  chipAnimation.planEverything();
  int32_t counts[17][chipTypeCount] = {};
  for (int s = 1; s <= 16; s++)
    for (int t = 0; t <= 6; t++) counts[s][t] += chipStacks[s].rows[t].count - chipStacks[s].rows[t].leaving;
  for (int i = 0; i < chipAnimation.moveCount(); i++) {
    const TChipMove& m = chipAnimation.move(i);
    counts[m.toStack][m.type]++;
  }
  snapshot = TChipSnapshot{};
  for (int s = 1; s <= 16; s++)
    for (int t = 0; t <= 6; t++) snapshot.stacks[s].chips[t] = int16_t(std::clamp(counts[s][t], 0, 32767));
}

void rebuildChipStacks() {
  chipAnimation.reset();
  for (int s = 1; s <= 16; s++) {
    resetChipStack(s, true);
    for (int t = 0; t <= 6; t++) addChipsToStack(s, t, chipSnapshot.stacks[s].chips[t]);
  }
}

void pokerAfterLoad() {
  playerCount = cg.seatCount;
  buildTableLayout(false);
  rebuildChipStacks();
}

bool humanEliminated() {
  if (cg.gameId != gidPoker) return false;
  return pokerArea().seats[1].state != 1 || (engineFastMode() && envParam.gameSpeed == 6);
}

float pokerSpeedFactor() {
  const int32_t speed = pokerArea().speedWhenOut;
  return speed == 3 ? 2.8f : speed == 2 ? 1.7f : 1.0f;
}

LArray<TChipStack, 1, 16> chipStacks{};

int32_t chipValue(int type) {
  static const int32_t values[chipTypeCount] = {1, 4, 20, 40, 200, 0, 0};
  return type >= 0 && type < chipTypeCount ? values[type] : 0;
}

int chipTypeOfValue(int32_t value) {
  switch (value) {
    case 1: return 0;
    case 4: return 1;
    case 20: return 2;
    case 40: return 3;
    case 200: return 4;
    case -111: return 6;
    default: return 5;
  }
}

int32_t chipStackValue(int32_t stack) {
  if (stack < 1 || stack > 16) return 0;
  int32_t sum = 0;
  for (int t = 0; t <= 4; t++) sum += chipStacks[stack].rows[t].count * chipValue(t);
  return sum;
}

namespace {

// The bank's supply at a new match, rows 0..4, by game, seat count and start money.
void fillBank(int32_t pc) {
  int32_t n[5];
  if (cg.gameId == gidBlackjack) {
    const int32_t bj[5] = {67 + 14 * pc, 47 + 7 * pc, 65 + 6 * pc, 44 + 6 * pc, 33 + 5 * pc};
    std::copy(bj, bj + 5, n);
  } else {
    const int32_t start = pokerArea().startMoney;
    if (start == 100) {
      const int32_t b = 5;
      const int32_t r[5] = {(3 * pc + 4) * b + 7, (3 * pc + 4) * b + 6, pc * b / 2 + 14, pc * b / 3 + 10, b / 2 + 3};
      std::copy(r, r + 5, n);
    } else if (start == 200) {
      const int32_t b = 6;
      const int32_t r[5] = {(2 * pc + 6) * b + 4, (2 * pc + 5) * b + 3, 2 * b * pc + 15, pc * b / 3 + 5, b / 2 + 3};
      std::copy(r, r + 5, n);
    } else if (start == 400) {
      const int32_t b = 13;
      const int32_t r[5] = {(4 * pc + 6) * b + 8, (4 * pc + 5) * b + 6, 4 * b * pc + 30, 2 * pc * b + 10, b + 6};
      std::copy(r, r + 5, n);
    } else if (start == 800) {
      const int32_t b = 26;
      const int32_t r[5] = {(7 * pc + 6) * b + 16, (7 * pc + 5) * b + 12, 7 * b * pc + 60, 2 * pc * b + 20, b + 12};
      std::copy(r, r + 5, n);
    } else {
      const int32_t b = start / 50;
      const int32_t r[5] = {2 * pc * (b + 2) + 3, int32_t(std::nearbyint(1.4 * pc)) * (b + 3) + 14, (b + 3) * pc + 32,
                            pc * b + 14, b / 2 + 3};
      std::copy(r, r + 5, n);
    }
    // The dealer and the two blind markers wait in the bank.
    addChipsToStack(7, 6, 3);
  }
  for (int t = 0; t <= 4; t++) addChipsToStack(7, t, n[t]);
}

}  // namespace

void resetChipStack(int32_t stack, bool keepEmpty) {
  if (stack < 1 || stack > 16) return;
  chipStacks[stack] = TChipStack{};
  if (stack == 7 && !keepEmpty) fillBank(std::max(1, int(playerCount)));
}

bool addChipsToStack(int32_t stack, int type, int32_t n) {
  if (stack < 1 || stack > 16 || type < 0 || type >= chipTypeCount || n < 0) return false;
  TChipRow& row = chipStacks[stack].rows[type];
  if (row.count + n >= 320) {
    trace("chips: row full, " + std::to_string(n) + " chips refused on stack " + std::to_string(stack));
    return false;
  }
  row.count += n;
  return true;
}

namespace {
// An amount as chips, largest first.
void addAmountAsChips(int32_t stack, int32_t amount) {
  for (int t = 4; t >= 0; t--) {
    chipStacks[stack].rows[t].count += amount / chipValue(t);
    amount %= chipValue(t);
  }
}
}  // namespace

int32_t chipTransferNow(int32_t from, int32_t to, int32_t amount) {
  if (from < 1 || from > 16 || to < 1 || to > 16 || amount <= 0) return 0;
  const bool bank = from == 7;
  const int32_t held = chipStackValue(from);
  if (!bank && amount > held) {
    trace("chips: " + std::to_string(amount) + " asked of stack " + std::to_string(from) + " holding " +
          std::to_string(held) + "; moving what it holds");
    amount = held;
  }
  if (!bank) {
    chipStacks[from] = TChipStack{};
    addAmountAsChips(from, held - amount);
  }
  addAmountAsChips(to, amount);
  return amount;
}

int32_t stackTypeValue(int32_t stack, int type) {
  if (stack < 1 || stack > 16) return 0;
  if (type == 5) {
    int32_t sum = 0;
    for (int t = 0; t <= 4; t++) sum += stackTypeValue(stack, t) * chipValue(t);
    return sum;
  }
  if (type < 0 || type > 4) return 0;
  const TChipRow& row = chipStacks[stack].rows[type];
  return row.count - row.leaving - chipAnimation.queuedSingles(stack, chipValue(type));
}

bool otherChipTypesPresent(int32_t stack, int type) {
  for (int t = 0; t <= 4; t++)
    if (t != type && stackTypeValue(stack, t) > 0) return true;
  return false;
}

bool potCanPayShares() {
  int32_t work[chipTypeCount];
  for (int t = 0; t < chipTypeCount; t++) work[t] = chipStacks[8].rows[t].count;
  const TPokerArea& a = pokerArea();
  // Largest chips first and in seat order, as the pay-out plans them; money going back to
  // whoever paid it comes after the winners.
  auto pays = [&](int32_t amount) {
    int32_t left = amount;
    for (int t = 4; t >= 0;) {
      if (chipValue(t) <= left && work[t] > 0) {
        work[t]--;
        left -= chipValue(t);
      } else {
        t--;
      }
    }
    return left == 0;
  };
  for (int s = 1; s <= std::min(6, int(playerCount)); s++) {
    const TChipSeat& seat = a.seats[s];
    if (seat.state == 1 && seat.winner && seat.won > 0 && !pays(seat.won)) return false;
    if (a.refund[s] > 0 && !pays(a.refund[s])) return false;
  }
  return true;
}

int32_t lowestSeatSkill() {
  int32_t lowest = 3;
  for (int s = 2; s <= std::min(6, int(playerCount)); s++) lowest = std::min(lowest, cg.gs.seatProfiles[s].strength);
  return lowest;
}

bool centMoneyMode() { return pokerArea().chipSet == 1; }

void setSeatSpeech(int32_t seat, const std::string& text) {
  if (seat < 1 || seat > 6) return;
  TChipSeat& s = pokerArea().seats[seat];
  s.speech = text.substr(0, 150);
  s.speechTimer = 0;
}

std::string formatMoney(int32_t amount) {
  const bool negative = amount < 0;
  const int64_t m = negative ? -int64_t(amount) : amount;
  std::string text;
  if (pokerArea().chipSet == 3) {
    text = "$" + std::string(1, char(26)) + std::to_string(m * 25);
  } else if (centMoneyMode()) {
    const int64_t c = 2 * m, e = c / 100, r = c % 100;
    if (e == 0)
      text = std::to_string(r);
    else
      text = std::to_string(e) + "," + (r < 10 ? "0" : "") + std::to_string(r);
    text += e > 0 ? " €" : " ct";
  } else {
    text = std::to_string(m * 25) + " €";
  }
  return negative ? "- " + text : text;
}

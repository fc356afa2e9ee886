// The chip games' services the core calls, as far as they exist without the chip games.
#include "games/casino/chips.h"

#include <algorithm>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/engine_services.h"
#include "games/casino/poker_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/table_layout.h"

TChipSnapshot chipSnapshot{};
TChipAnimationHandler chipAnimation;
TChipGamesArea chipGames{};

bool isChipGame() { return cg.gameId == gidPoker || cg.gameId == gidBlackjack; }

void countChipStacks(TChipSnapshot& snapshot) {
  snapshot = TChipSnapshot{};
  for (int s = 1; s <= 16; s++)
    for (int t = 0; t <= 6; t++) snapshot.stacks[s].chips[t] = int16_t(std::clamp(chipStacks[s].rows[t].count, 0, 32767));
}

void rebuildChipStacks() {
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

int32_t chipStackValue(int32_t stack) {
  if (stack < 1 || stack > 16) return 0;
  int32_t sum = 0;
  for (int t = 0; t <= 4; t++) sum += chipStacks[stack].rows[t].count * chipValue(t);
  return sum;
}

void resetChipStack(int32_t stack, bool keepEmpty) {
  if (stack < 1 || stack > 16) return;
  chipStacks[stack] = TChipStack{};
  // The bank never runs out: it starts with a supply of every chip type.
  if (stack == 7 && !keepEmpty)
    for (int t = 0; t <= 4; t++) chipStacks[7].rows[t].count = 100;
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

bool potCanPayShares() {
  int32_t work[chipTypeCount];
  for (int t = 0; t < chipTypeCount; t++) work[t] = chipStacks[8].rows[t].count;
  const TPokerArea& a = pokerArea();
  for (int s = 1; s <= std::min(6, int(playerCount)); s++) {
    const TChipSeat& seat = a.seats[s];
    if (seat.state != 1 || !seat.winner) continue;
    int32_t left = seat.won;
    for (int t = 4; t >= 0;) {
      if (chipValue(t) <= left && work[t] > 0) {
        work[t]--;
        left -= chipValue(t);
      } else {
        t--;
      }
    }
    if (left != 0) return false;
  }
  return true;
}

int32_t lowestSeatSkill() {
  int32_t lowest = 3;
  for (int s = 2; s <= std::min(6, int(playerCount)); s++) lowest = std::min(lowest, cg.gs.seatProfiles[s].strength);
  return lowest;
}

bool blackjackIsSeatInGame(int32_t seat) { return seat >= 1 && seat <= playerCount && seat != chipGames.houseSeat; }

bool blackjackPlayerReachedLimit() { return false; }


void blackjackPlaceBrokeSeats(int, int) {}

bool centMoneyMode() { return pokerArea().chipSet == 1; }

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

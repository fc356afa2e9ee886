// The chip games' services the core calls, as far as they exist without the chip games.
#include "games/casino/chips.h"

#include <algorithm>

#include "core/cg.h"
#include "games/casino/poker_state.h"
#include "table/table_layout.h"
#include "shell/shell_globals.h"

TChipSnapshot chipSnapshot{};
TChipAnimationHandler chipAnimation;
TChipGamesArea chipGames{};

bool isChipGame() { return cg.gameId == gidPoker || cg.gameId == gidBlackjack; }

void countChipStacks(TChipSnapshot& snapshot) { snapshot = TChipSnapshot{}; }

void rebuildChipStacks() {}

void pokerAfterLoad() {
  playerCount = cg.seatCount;
  buildTableLayout(false);
  rebuildChipStacks();
}

bool humanEliminated() { return false; }

float pokerSpeedFactor() { return 1.0f; }

int32_t chipStackValue(int32_t) { return 0; }

int32_t lowestSeatSkill() {
  int32_t lowest = 3;
  for (int s = 2; s <= std::min(6, int(playerCount)); s++) lowest = std::min(lowest, cg.gs.seatProfiles[s].strength);
  return lowest;
}

bool blackjackIsSeatInGame(int32_t seat) { return seat >= 1 && seat <= playerCount && seat != chipGames.houseSeat; }

bool blackjackPlayerReachedLimit() { return false; }

void pokerPlaceBrokeSeats(int, int) {}

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

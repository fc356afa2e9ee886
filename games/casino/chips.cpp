// The chip games' services the core calls, as far as they exist without the chip games.
#include "games/casino/chips.h"

#include <algorithm>

#include "core/cg.h"
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

// Seats, blinds, broke seats and the end of a poker match.
#include "games/casino/poker_lists.h"

#include <algorithm>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "core/highscores.h"
#include "games/casino/chips.h"
#include "games/casino/poker_counter.h"
#include "games/casino/poker_state.h"
#include "shell/shell_globals.h"

namespace {
bool seatInRange(int32_t seat) { return seat >= 1 && seat <= std::min(6, int(playerCount)); }
constexpr int32_t maxGamesInValue = 499;
}  // namespace

bool seatInGame(int32_t seat) { return seatInRange(seat) && pokerArea().seats[seat].state == 1; }
bool seatOccupied(int32_t seat) { return seatInRange(seat) && pokerArea().seats[seat].state != 0; }

int32_t seatsInGame() {
  int32_t n = 0;
  for (int s = 1; s <= playerCount; s++) n += seatInGame(s);
  return n;
}

int32_t occupiedSeats() {
  int32_t n = 0;
  for (int s = 1; s <= playerCount; s++) n += seatOccupied(s);
  return n;
}

int32_t currentBlind() {
  const TPokerArea& a = pokerArea();
  const int32_t played = cg.gs.gamesPlayed;
  if (a.blindEvery <= 0 || played % a.blindEvery != 0) return a.blind;
  bool canPayTwice = false;
  for (int s = 1; s <= playerCount; s++) canPayTwice = canPayTwice || (seatInGame(s) && chipStackValue(s) >= 2 * a.blind);
  if (!canPayTwice) return a.blind;
  const int32_t half = a.startMoney / 2;
  return a.blind >= half ? a.blind + half : 2 * a.blind;
}

int32_t seatsAbleToPayBlind() {
  int32_t n = occupiedSeats();
  const int32_t blind = currentBlind();
  for (int s = 2; s <= playerCount; s++)
    if (seatOccupied(s) && chipStackValue(s) < blind) n--;
  return n;
}

void pokerPlaceBrokeSeats(int keep, int) {
  TPokerArea& a = pokerArea();
  int32_t broke = 0;
  for (int s = 1; s <= playerCount; s++) broke += seatOccupied(s) && chipStackValue(s) < a.blind;
  const int32_t place = occupiedSeats() + 1 - broke;
  for (int s = 1; s <= playerCount; s++) {
    if (!seatOccupied(s) || chipStackValue(s) >= a.blind) continue;
    a.seats[s].place = place;
    if (!keep) {
      a.seats[s].outAfterHands = cg.gs.gamesPlayed;
      a.seats[s].state = 0;
    }
  }
}

int32_t pokerHighscoreValue(int32_t place, int32_t lowestSkill, int32_t gamesPlayed) {
  const int32_t games = std::clamp(gamesPlayed, 0, maxGamesInValue);
  int32_t value = place == 0 ? 60000 : (7 - place) * 10000;
  value += 1000 * lowestSkill;
  return place >= 2 ? value + 500 + games : value + 500 - games;
}

std::string pokerHighscoreValueText(int32_t value) {
  if (value <= 0) return "-";
  const int32_t place = 7 - value / 10000;
  const int32_t n = value / 10000 == 6 ? 500 - value % 500 : value % 500;
  static const char* const names[4] = {"", "Anfänger", "Normal", "Profi"};
  const int32_t skill = (value % 10000) / 1000;
  const std::string name = skill >= 1 && skill <= 3 ? names[skill] : "";
  return std::to_string(place) + ". Platz nach " + std::to_string(n) + (n == 1 ? " Spiel (" : " Spielen (") + name + ")";
}

bool pokerIsListOver() {
  TPokerArea& a = pokerArea();
  a.blind = currentBlind();
  a.smallBet = a.blind;
  a.bigBet = a.splitLimit ? 2 * a.blind : a.blind;
  const bool result = chipStackValue(1) < a.blind && !engineFastMode();
  int32_t able = 0;
  for (int s = 1; s <= playerCount; s++) able += seatOccupied(s) && chipStackValue(s) >= a.blind;
  if (able > 1) return result;
  if (engineFastMode()) pokerPlaceBrokeSeats(0, 0);
  for (int s = 1; s <= playerCount; s++) {
    const int32_t place = a.seats[s].place;
    pokerCounter.addPoints(s, place <= 1 ? 4 : place == 2 ? 2 : place == 3 ? 1 : 0);
  }
  if (engineFastMode()) pokerCounterMatchEnded();
  return true;
}

std::string pokerListText() {
  int32_t best = 0;
  for (int s = 1; s <= playerCount; s++) best = s == 1 ? cg.gs.listTotals[s] : std::max(best, cg.gs.listTotals[s]);
  return std::to_string(cg.gs.gamesPlayed) + " von unbegrenzt Runden gespielt, " + std::to_string(best) +
         " von unbegrenzt max. Punkten erreicht";
}

int pokerVariantTable() {
  const TPokerArea& a = pokerArea();
  return a.splitLimit ? 3 : a.potLimit ? 2 : 1;
}

std::string pokerEnterHighscore() {
  if (playerCount != 6) return {};
  const int32_t value = cg.gs.matchScore[1];
  const int place = insertHighscore(cg.highscores, gidPoker, pokerVariantTable(), value, cg.userName.substr(0, 100), false);
  if (place == 0) return {};
  cg.saveHighscores();
  return "Sie haben den " + std::to_string(place) + ". Platz in der Highscoreliste erreicht.";
}

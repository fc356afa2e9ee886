// The game list ring in the game state: rows by game number mod 201.
#include "core/game_list.h"

#include <algorithm>
#include <charconv>

#include "core/cg.h"
#include "platform/alert.h"

namespace {

bool columnInRange(int column, const char* routine) {
  if (column >= 0 && column <= 6) return true;
  showAlert(std::string("ACHTUNG! ") + routine + ": Fehler bei Bereichsüberprüfung");
  return false;
}

// The decimal integer of a cell text; 0 for a text that is no number.
int32_t cellNumber(std::string_view text) {
  int32_t v = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (first != last && *first == '+') first++;
  auto [end, ec] = std::from_chars(first, last, v);
  return ec == std::errc() && end == last ? v : 0;
}

}  // namespace

int gameListRow(int number) { return ((number % gameListRows) + gameListRows) % gameListRows; }

int setGameListCell(std::string_view text, int number, int column) {
  if (!columnInRange(column, "setGameListCell")) return 1;
  int row = gameListRow(number);
  if (column == 0)
    cg.gs.gameListTexts[row] = text;
  else
    cg.gs.gameListValues[column][row] = cellNumber(text);
  return 1;
}

int32_t gameListValue(int number, int column) {
  if (!columnInRange(column, "gameListValue")) return 0;
  return cg.gs.gameListValues[column][gameListRow(number)];
}

std::string gameListRowText(int number) { return cg.gs.gameListTexts[gameListRow(number)].str(); }

std::string gameListCellText(int number, int column) {
  return column == -1 ? std::to_string(number) : gameListRowText(number);
}

int32_t chipGameStanding(int place, int lowestSkill, int gamesPlayed) {
  // From 500 games on the count would spill into the strength digit.
  gamesPlayed = std::clamp(gamesPlayed, 0, 499);
  int32_t score = place == 0 ? 60000 : (7 - place) * 10000;
  score += 1000 * lowestSkill;
  return place >= 2 ? score + 500 + gamesPlayed : score + 500 - gamesPlayed;
}

// Display texts of seats, points and places, and the match end of a finished list.
//
// [SECTION] places and points
// [SECTION] seat names
// [SECTION] match end
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_callbacks.h"
#include "core/round_end.h"
#include "shell/shell_globals.h"

// [SECTION] places and points

std::string placeText(int place) {
  switch (place) {
    case 1: return coreLookupText("f_1st");
    case 2: return coreLookupText("f_2nd");
    case 3: return coreLookupText("f_3rd");
    default: return std::to_string(place) + coreLookupText("f_xth");
  }
}

std::string TCG::pointsText(int32_t value, bool showZero, bool plusSign) const {
  std::string digits = std::to_string(value);
  if (gameId == gidRomme && rommeIsGinVariant())
    return plusSign && value > 0 ? "+" + digits : digits;
  if (gameId == gidSchnapsen || gameId == gidWar) return digits;
  if (gameId == gidPoker || gameId == gidBlackjack) {
    if (value == 0) return {};
    std::string money = gameFormatMoney(value);
    return value > 0 ? "+ " + money : money;
  }
  if (value == 0) return showZero ? digits : std::string();
  return value > 0 ? "+" + digits : digits;
}

// [SECTION] seat names

namespace {

// The width limit of a seat name in text units times 11.5.
int seatNameLimit(TGameId game, bool shorten, int wideMode, bool narrow) {
  if (wideMode > 0) return 195;
  if (narrow) return 85;
  double base = game == gidPoker ? 120 : game == gidBlackjack ? 85 : 125;
  if (shorten && base > 88) base = 88;
  return static_cast<int>(std::nearbyint(base * 1.22));
}

// Cuts the name character by character, ending it in ".", until it fits. Stops at a single
// character so that a measure that never fits cannot hold the program.
void shortenToFit(std::string& text, int limit) {
  bool cut = false;
  while (text.size() > 1 && limit < 11.5 * coreTextWidth(text)) {
    if (text.back() == '.') text.pop_back();
    if (!text.empty()) text.pop_back();
    text += '.';
    cut = true;
  }
  if (!cut) return;
  if (text.size() >= 2 && text[text.size() - 2] == ' ') text.erase(text.size() - 2, 1);
  if (text.back() != '.') text += '.';
}

}  // namespace

std::string TCG::seatNameFit(int seat, bool shorten, int wideMode, bool narrow,
                             std::string_view override) const {
  std::string text = coreLookupText("f_dialog_spieler") + std::to_string(seat);
  if (seat >= 1 && seat <= 6) text = isNetGame() ? gs.netSeatName[seat].str() : seatNames[seat].str();
  if (!override.empty()) text = override;
  if (shorten) shortenToFit(text, seatNameLimit(gameId, shorten, wideMode, narrow));
  return text;
}

std::string TCG::seatName(int seat) const { return seatNameFit(seat, true, 160); }

// [SECTION] match end

namespace {

constexpr const char* cr = "\r";

// Rommé (without the Gin variant) and Canasta end by list totals, the others by standings.
bool matchEndByTotals(TGameId game) {
  return (game == gidRomme && !rommeIsGinVariant()) || game == gidCanasta;
}

// The start value of the search for the best seat: nothing but a strictly better value
// replaces it, so the lowest-numbered of equal seats wins.
int64_t matchEndStartValue(TGameId game) {
  if (game == gidHearts) return 99999999;
  if (game == gidRomme && !rommeIsGinVariant() && !rommeHighscoreFlag()) return -999999999;
  return -1;
}

}  // namespace

std::string TCG::matchEndText() const {
  int seats = std::clamp(playerCount, 0, 6);
  bool byTotals = matchEndByTotals(gameId);
  bool lowest = gameId == gidHearts;
  auto value = [&](int s) -> int64_t { return byTotals ? gs.listTotals[s] : gs.matchScore[s]; };

  int64_t best = matchEndStartValue(gameId);
  int bestSeat = 1;
  for (int s = 1; s <= seats; s++)
    if (lowest ? value(s) < best : value(s) > best) {
      best = value(s);
      bestSeat = s;
    }
  std::vector<int> winners{bestSeat};
  for (int s = 1; s <= seats; s++)
    if (s != bestSeat && value(s) == best) winners.push_back(s);

  std::string text = seatName(winners.front());
  if (winners.size() == 1) {
    text += coreLookupText("f_dialog_gewinnt");
  } else {
    for (size_t k = 1; k + 1 < winners.size(); k++) text += ", " + seatName(winners[k]);
    text += coreLookupText("f_dialog_und") + seatName(winners.back()) +
            coreLookupText("f_dialog_gewinnen");
  }

  std::string bestText = pointsText(static_cast<int32_t>(best), true);
  if (byTotals) {
    text += coreLookupText("f_dialog_spielpunkte", bestText) + ".";
    text += std::string(cr) + cr + coreLookupText("f_dialog_punktestände");
    for (int s = 1; s <= seats; s++)
      text += cr + seatName(s) + ": " + pointsText(gs.listTotals[s], true) +
              coreLookupText("f_dialog_punkte");
    return text;
  }
  if (const TGameCallbacks* t = registeredGameCallbacks(gameId); t && t->matchEndText) return t->matchEndText(text);
  // Schnapsen (Bummerl), Jass (team totals), poker and Blackjack (money and level) add lines
  // from their own areas once those exist; until then their text is the winner sentence.
  if (gameId == gidSchnapsen || gameId == gidJass || gameId == gidPoker ||
      gameId == gidBlackjack)
    return text;
  text += coreLookupText(lowest ? "f_dialog_spielgewinn2" : "f_dialog_spielgewinn", bestText) + ".";
  text += std::string(cr) + cr + coreLookupText("f_dialog_gewinnverlust") + ": ";
  for (int s = 1; s <= seats; s++)
    text += cr + seatName(s) + ": " + pointsText(gs.matchScore[s], true) +
            coreLookupText("f_dialog_punkte");
  return text;
}

void TCG::showMatchEnd() const {
  closeTablePanelsAtEnd();
  coreShowMessage(matchEndText(), coreLookupText("f_dialog_spielergebnis"), 0,
                  "!" + coreLookupText("f_dialog_weiter"), -78, false);
}

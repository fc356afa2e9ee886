// Mau-Mau's options and results: reading the options, the result of a game (the winner
// collects everyone's penalty points, or each seat loses its own), when a list ends, its
// summary line, the result box and the highscore entry.
//
// [SECTION] options
// [SECTION] result of a game
// [SECTION] list callbacks
#include "games/family/maumau_results.h"

#include <algorithm>
#include <cctype>

#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/engine_services.h"
#include "games/family/maumau_state.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] options

namespace {

constexpr int32_t noLimit = 99999;

// Rank codes of the role lists' entries 1..13; the eight (13) is never offered as a card.
constexpr int32_t optionRanks[14] = {0,     rankAce,  rank2,    rank3,     rank4,    rank5, rank6,
                                     rank7, rank9,    rankTen,  rankJack,  rankQueen, rankKing, rank8};

}  // namespace

int32_t maumauRankFromOption(int32_t entry) { return entry >= 1 && entry <= 13 ? optionRanks[entry] : 0; }

int32_t maumauOptionNumber(const std::string& text) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return noLimit;
  size_t end = text.find(' ');
  if (end == std::string::npos) return noLimit;
  return std::stoi(text.substr(0, std::min<size_t>(end, 9)));
}

void maumauReadOptions() {
  // The options dialog's game elements come with the shell; until then the record keeps
  // what was put into it.
  static bool told = false;
  if (!told) logNotAvailable("maumauReadOptions: Mau-Mau's option elements");
  told = true;
  maumauArea().roleRank[maumauWish] = rank8;
  maumauArea().deckCopies = std::clamp(maumauArea().deckCopies, 1, 2);
  maumauArea().startCards = std::clamp(maumauArea().startCards, 3, 7);
  maumauArea().dealerOption = std::clamp(maumauArea().dealerOption, 1, 7);
}

// [SECTION] result of a game

namespace {

bool blockedGame() { return cg.gs.subStep >= std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats); }

int32_t handPoints(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  return maumauPenaltyPoints(sp[seat].hand);
}

bool pointsLimitSet() { return maumauArea().pointsLimit > 0 && maumauArea().pointsLimit != noLimit; }
bool roundLimitSet() { return maumauArea().roundLimit != noLimit; }

// A seat's list total as the limits read it: negated under negative scoring.
int32_t limitTotal(int32_t seat) {
  return maumauArea().positiveScoring ? cg.gs.listTotals[seat] : -cg.gs.listTotals[seat];
}

int32_t highestLimitTotal() {
  int32_t best = limitTotal(1);
  for (int32_t s = 2; s <= std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats); s++) best = std::max(best, limitTotal(s));
  return best;
}

}  // namespace

TGameResult maumauBuildResult() {
  TGameResult r;
  r.kind = resultFinished;
  r.mainSeat = cg.gs.akspieler;
  int32_t n = std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats);
  if (blockedGame()) {
    r.mainSeat = 0;
    r.text = coreLookupText("f_crazyeights_nowingame");
    return r;
  }
  r.won = 1;
  int32_t sum = 0;
  for (int32_t s = 1; s <= n; s++) {
    int32_t p = handPoints(s);
    sum += p;
    if (!maumauArea().positiveScoring) r.values[s] = -p;
  }
  if (maumauArea().positiveScoring) r.values[r.mainSeat] = sum;
  r.text = cg.seatName(r.mainSeat) + coreLookupText("f_dialog_gewinntspiel");
  return r;
}

void maumauRoundResult() { cg.endRound(maumauBuildResult()); }

// [SECTION] list callbacks

bool maumauIsListOver() {
  if (cg.gs.gamesPlayed >= maumauArea().roundLimit) return true;
  return pointsLimitSet() && highestLimitTotal() >= maumauArea().pointsLimit;
}

std::string maumauListText() {
  const int32_t played = cg.gs.gamesPlayed;
  if (pointsLimitSet() && !roundLimitSet())
    return coreLookupText("f_dialog_spiellistepunkte", std::to_string(highestLimitTotal()),
                          std::to_string(maumauArea().pointsLimit));
  if (roundLimitSet())
    return coreLookupText("f_dialog_spiellisterunden1", std::to_string(played), std::to_string(maumauArea().roundLimit));
  return std::to_string(played) + coreLookupText(played == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
}

std::string maumauResultText(const TGameResult& r) {
  if (r.kind != resultFinished || r.mainSeat < 1) return coreLookupText("f_crazyeights_nowingame");
  std::string t = cg.seatName(r.mainSeat) + coreLookupText("f_dialog_gewinntspiel") + "\r\r" +
                  coreLookupText("f_dialog_abrechnung") + ": ";
  for (int32_t s = 1; s <= std::clamp<int32_t>(cg.seatCount, 1, maumauMaxSeats); s++) {
    if (maumauArea().positiveScoring && r.values[s] < 1) continue;
    t += "\r" + cg.seatName(s) + ": " + cg.pointsText(r.values[s], true) + coreLookupText("f_dialog_punkte");
  }
  return t;
}

std::string maumauEnterHighscore() {
  int table = cg.gs.gamesPlayed <= 10 ? 1 : 2;
  return cg.enterHighscoreValue(gidMauMau, table, cg.gs.matchScore[1], cg.seatNames[1].view().substr(0, 100), false);
}

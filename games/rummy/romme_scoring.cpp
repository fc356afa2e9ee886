#include "games/rummy/romme_scoring.h"

#include <algorithm>

#include "core/cg.h"
#include "core/game_list.h"
#include "engine/texts.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "shell/shell_globals.h"

namespace {

constexpr int32_t noLimit = 99999;

const TRommeOptions& opts() { return rommeArea().options; }
int32_t seats() { return std::clamp<int32_t>(playerCount, 1, 6); }
std::string num(int32_t v) { return std::to_string(v); }
std::string signedText(int32_t v) { return (v > 0 ? "+" : "") + num(v); }
bool pointLimitSet() { return opts().pointLimit > 0 && opts().pointLimit != noLimit; }
bool negativeScoring() { return !rommeIsGin() && !opts().positiveScoring; }

void settleGin(TGameResult& r) {
  const TRommeArea& a = rommeArea();
  int32_t h[3] = {0, rommeSeatHandValue(1), rommeSeatHandValue(2)};
  int32_t w = 1;
  if (h[2] < h[1] || (h[2] == h[1] && 2 != a.knocker)) w = 2;
  const bool knockerGin = h[a.knocker == 1 ? 1 : 2] == 0 && a.knocker >= 1 && a.knocker <= 2;
  // A knocker who goes gin is never undercut.
  if (knockerGin) w = a.knocker;
  const int32_t other = w % 2 + 1;
  int32_t value = h[other] - h[w];
  std::string detail = lookupText("f_ginrummy_difference") + ": " + signedText(value);
  if (w != a.knocker) {
    detail += ", " + lookupText("f_ginrummy_undercutbonus") + ": " + signedText(25);
    value += 25;
  } else if (h[w] == 0) {
    detail += ", " + lookupText("f_ginrummy_ginbonus") + ": " + signedText(25);
    value += 25;
  }
  r.mainSeat = w;
  r.values[w] = value;
  r.values[other] = 0;
  r.text = detail;
  r.longText = cg.seatName(w) + lookupText("f_dialog_gewinnt") + " " + lookupText("f_dialog_underhält") + " " +
               num(value) + lookupText(value == 1 ? "f_dialog_punkt" : "f_dialog_punkte") + " (" + detail + ").\r";
  for (int32_t s = 1; s <= 2; s++)
    r.longText += "\r" + cg.seatName(s) + " " + lookupText("f_ginrummy_restpunkte") + ": " + num(h[s]);
  r.extra1 = 0;
}

}  // namespace

TGameResult rommeSettle() {
  const TRommeArea& a = rommeArea();
  TGameResult r;
  r.kind = resultFinished;
  r.won = 0;
  if (rommeIsGin()) {
    if (a.knocked) {
      settleGin(r);
    } else {
      r.mainSeat = 1;
      r.text = r.longText = lookupText("f_ginrummy_nogame") + ".";
    }
    return r;
  }
  const int32_t m = a.turnStartCount < 13 ? 1 : 2;
  r.extra1 = m == 2 ? 1 : 0;
  if (opts().positiveScoring) {
    int32_t best = 0;
    r.mainSeat = 1;
    for (int32_t s = 1; s <= seats(); s++) {
      r.values[s] = m * rommeMeldsPoints(s);
      if (r.values[s] > best) best = r.values[s], r.mainSeat = s;
    }
  } else {
    r.mainSeat = rommePrevSeat(-1);
    for (int32_t s = 1; s <= seats(); s++) r.values[s] = -m * rommeSeatHandValue(s);
  }
  r.text = cg.seatName(r.mainSeat) + (m == 1 ? lookupText("f_dialog_gewinnt") + "." : lookupText("f_romme_gewinnthand"));
  r.longText = r.text + "\r";
  for (int32_t s = 1; s <= seats(); s++) r.longText += "\r" + cg.seatName(s) + ": " + signedText(r.values[s]);
  return r;
}

void rommeHandResult() { cg.endRound(rommeSettle()); }

bool rommeIsListOver() {
  if (cg.gs.gamesPlayed >= opts().listLength) return true;
  if (!pointLimitSet()) return false;
  for (int32_t s = 1; s <= seats(); s++) {
    const int32_t t = negativeScoring() ? -cg.gs.listTotals[s] : cg.gs.listTotals[s];
    if (t >= opts().pointLimit) return true;
  }
  return false;
}

std::string rommeListText() {
  int32_t leader = 0;
  for (int32_t s = 1; s <= seats(); s++)
    leader = std::max(leader, negativeScoring() ? -cg.gs.listTotals[s] : cg.gs.listTotals[s]);
  if (opts().listLength == noLimit && pointLimitSet())
    return lookupText("f_dialog_spiellistepunkte", num(leader), num(opts().pointLimit));
  if (opts().listLength == noLimit)
    return num(cg.gs.gamesPlayed) +
           lookupText(cg.gs.gamesPlayed == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  return lookupText("f_dialog_spiellisterunden1", num(cg.gs.gamesPlayed), num(opts().listLength));
}

std::string rommeResultText(const TGameResult& result) { return result.longText; }

std::string rommeEnterHighscore() {
  const bool gin = rommeIsGin();
  if (!gin && !opts().positiveScoring) return "";
  const int32_t score = gin ? cg.gs.matchScore[1] : cg.gs.listTotals[1];
  if (score <= 0) return "";
  int32_t table = cg.gs.gamesPlayed <= 10 ? 1 : 2;
  if (gin) {
    const int32_t strength = cg.gs.seatProfiles[2].strength;
    table = strength == 2 || strength == 3 ? strength : 1;
  }
  std::string user = cg.seatName(1);
  if (user.size() > 100) user.resize(100);
  return cg.enterHighscoreValue(gin ? gidGinRummy : gidRomme, table, score, user, false);
}

int32_t ginBonusPoints(int32_t seat, int32_t kind) {
  if (seat < 1 || seat > 2) return 0;
  const int32_t other = seat % 2 + 1;
  const int32_t total = cg.gs.listTotals[seat], otherTotal = cg.gs.listTotals[other];
  if (cg.gs.gamesPlayed <= 0) return kind == 0 ? total : 0;
  switch (kind) {
    case 0: return total;
    case 1: {
      int32_t boxes = 0;
      for (int32_t g = std::max(1, cg.gs.gamesPlayed - gameListRows + 1); g <= cg.gs.gamesPlayed; g++)
        if (gameListValue(g, seat) > 0) boxes++;
      return 25 * boxes;
    }
    case 2:
      if (pointLimitSet()) return total >= opts().pointLimit ? 100 : 0;
      return total >= otherTotal ? 100 : 0;
    case 3: return otherTotal == 0 ? 100 : 0;
    default: return 0;
  }
}

std::string ginBonusText(int32_t kind) {
  if (!cg.gs.listOver) return "";
  switch (kind) {
    case 0: return " " + lookupText("f_ginrummy_inclbonus");
    case 1: return lookupText("f_ginrummy_boxbonus");
    case 2: return lookupText("f_ginrummy_gamebonus");
    case 3: return lookupText("f_ginrummy_shutoutbonus");
    default: return "";
  }
}

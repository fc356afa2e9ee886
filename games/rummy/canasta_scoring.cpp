#include "games/rummy/canasta_scoring.h"

#include <algorithm>

#include "core/cg.h"
#include "engine/texts.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_table.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

const TCanastaOptions& opts() { return canastaArea().options; }

std::string num(int32_t v) { return std::to_string(v); }

constexpr int32_t noLimit = 99999;

bool pointLimitSet() { return opts().pointLimit > 0 && opts().pointLimit != noLimit; }

int32_t seatHandPoints(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  return canastaHandCardPoints(sp[seat].hand);
}

}  // namespace

void canastaScoreText(int32_t seat, int32_t& score, std::string& text) {
  const int32_t out = canastaGoingOutBonus(seat);
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  const bool negative = opts().negativeWithoutCanasta && !canastaTeamHasCanasta(seat);
  int32_t melded = 0;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    melded += (negative ? -1 : 1) * canastaMeldPoints(meld, 1);
  }
  int32_t redThrees = 0, bonus = 0;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    int32_t r = canastaMeldPoints(meld, 2);
    redThrees += !opts().redThreesAlwaysPositive && melded == 0 ? -r : r;
    bonus += canastaMeldPoints(meld, 3);
  }
  int32_t hand = 0;
  if (canastaPartnershipMode()) {
    for (int32_t s = 1; s <= std::min(playerCount, 6); s++)
      if (canastaSide(s) == canastaSide(seat)) hand += seatHandPoints(s);
  } else if (seat >= 1 && seat <= 6) {
    hand = seatHandPoints(seat);
  }
  score = melded - hand + redThrees + bonus + out;
  text = num(score) + " " + lookupText("f_canasta_punkte") + " (" + lookupText("f_canasta_hand") + " -" + num(hand);
  auto part = [&text](int32_t value, const char* key) {
    if (value != 0) text += ", " + lookupText(key) + " " + num(value);
  };
  part(melded, "f_canasta_ausgelegt");
  part(bonus, "f_canasta_canasta");
  part(redThrees, "f_canasta_dreier");
  part(out, canastaArea().wentOutConcealed ? "f_canasta_handausmachen" : "f_canasta_fertigmachen");
  text += ")";
}

std::string canastaResultLongText() {
  std::string text, line;
  int32_t score = 0;
  const int32_t seats = std::clamp(playerCount, 0, 6);
  if (!canastaPartnershipMode()) {
    for (int32_t s = 1; s <= seats; s++) {
      canastaScoreText(s, score, line);
      text += "\r" + cg.seatName(s) + ": " + line;
    }
  } else {
    for (int32_t t = 1; t <= seats / 2; t++) {
      std::string names;
      int32_t joined = 0;
      for (int32_t s = 1; s <= seats; s++) {
        if (canastaArea().team[s] != t) continue;
        names += (joined == 1 ? " " + lookupText("f_resultmessage_und") + " " : joined > 1 ? " " : "") + cg.seatName(s);
        joined++;
      }
      canastaScoreText(t, score, line);
      text += "\r" + lookupText("f_canasta_team") + " " + num(t) + " (" + names + "): \r" + line + "\r";
    }
  }
  if (!text.empty() && text.front() == '\r') text.erase(0, 1);
  if (!text.empty() && text.back() == '\r') text.pop_back();
  return text;
}

void canastaResultMessage() {
  TGameResult r;
  r.kind = resultFinished;
  r.mainSeat = 1;
  std::string line;
  for (int32_t s = 1; s <= std::clamp(playerCount, 0, 6); s++) canastaScoreText(s, r.values[s], line);
  r.longText = canastaResultLongText();
  cg.endRound(r);
}

void canastaResultText(const TGameResult& result, std::string& out) { out = result.longText; }

void canastaListText(std::string& out) {
  const std::string unlimited = lookupText("f_dialog_spielliste_unbegrenzt");
  if (opts().listLength == noLimit && pointLimitSet()) {
    int32_t highest = 0;
    for (int32_t s = 1; s <= std::clamp(playerCount, 0, 6); s++) highest = std::max(highest, cg.gs.listTotals[s]);
    out = lookupText("f_dialog_spiellistepunkte", num(highest), num(opts().pointLimit));
  } else if (opts().listLength != 0) {
    const std::string length = opts().listLength == noLimit ? unlimited : num(opts().listLength);
    out = lookupText("f_dialog_spiellisterunden1", num(cg.gs.gamesPlayed), length);
  } else {
    out = num(cg.gs.gamesPlayed) +
          lookupText(cg.gs.gamesPlayed == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  }
}

bool canastaIsListOver() {
  if (cg.gs.gamesPlayed >= opts().listLength) return true;
  if (!pointLimitSet()) return false;
  for (int32_t s = 1; s <= std::clamp(playerCount, 0, 6); s++)
    if (cg.gs.listTotals[s] >= opts().pointLimit) return true;
  return false;
}

int32_t canastaHighscoreTable() {
  if (cg.gs.gamesPlayed > 15) return 3;
  return canastaPartnershipMode() ? 1 : 2;
}

void canastaEnterHighscore(std::string& out) {
  out.clear();
  if (cg.gs.listTotals[1] <= 0) return;
  std::string user = cg.seatName(1);
  if (user.size() > 100) user.resize(100);
  out = cg.enterHighscoreValue(gidCanasta, canastaHighscoreTable(), cg.gs.listTotals[1], user, false);
}

int32_t canastaRound() {
  return playerCount > 0 ? (canastaArea().turnCounter - 3) / playerCount + 1 : 1;
}

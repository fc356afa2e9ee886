// Jass's end of a deal and its list. A deal books each team's points of that deal into seats
// 1 and 3 (team 1) and 2 and 4 (team 2); the list ends after its deals or when a team
// reaches the target. No Match bonus and no mode factors.
//
// [SECTION] end of a deal
// [SECTION] the list and its texts
// [SECTION] score sheet and match end
// [SECTION] highscore
// [SECTION] options
#include "games/family/jass_results.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/cg.h"
#include "core/game_list.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/family/jass_game.h"
#include "games/family/jass_rules.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] end of a deal

namespace {

std::string teamNames(int32_t seat) { return cg.seatName(seat) + " und " + cg.seatName(jassPartner(seat)); }

// "Stöck, Weis und Stich": the winners' notes of the last trick.
std::string notesText(int32_t team) {
  const TJassState& a = jassArea();
  const int32_t n = std::clamp(a.noteCount[team], 0, 3);
  std::string text;
  for (int32_t i = 1; i <= n; i++) {
    if (i > 1) text += i == n ? " und " : ", ";
    text += a.notes[team][i].str();
  }
  return text;
}

std::string dealLine(int32_t seat) {
  const TJassState& a = jassArea();
  const bool lastTrick = a.lastTrickSeat == seat || a.lastTrickSeat == jassPartner(seat);
  return teamNames(seat) + " erhalten " + std::to_string(jassTeamPoints(seat)) + " Punkte" +
         (lastTrick ? " (5 Punkte für den letzten Stich)." : ".");
}

}  // namespace

std::string jassResultMessage() {
  const TJassState& a = jassArea();
  if (!jassTargetReached()) return dealLine(1) + "\r" + dealLine(2);
  const int32_t winner = jassTeamScore(2) < jassTeamScore(1) ? 1 : 2;
  const std::string notes = notesText(winner);
  return teamNames(winner) + " erreichen " + (notes.empty() ? "" : "(mit Punkten aus " + notes + ") ") + "zuerst " +
         std::to_string(a.pointsLimit) + " Punkte und gewinnen die Partie.";
}

void jassFinishRound() {
  const TJassState& a = jassArea();
  for (int32_t s = 1; s <= jassSeats; s++) syncSlotsFromHand(sp[s]);
  TGameResult r;
  r.kind = resultFinished;
  const int32_t team1 = jassTeamPoints(1), team2 = jassTeamPoints(2);
  r.values[1] = r.values[3] = team1;
  r.values[2] = r.values[4] = team2;
  r.mainSeat = team2 > team1 ? 2 : 1;
  r.won = 1;
  const std::string mode = jassModeName(a.mode);
  r.text = mode.empty() ? std::string() : mode + " gespielt";
  r.longText = jassResultMessage();
  if (dlgIPanel != 0 && elTableInfoText != 0) setElementVisible(dlgIPanel, elTableInfoText, 0);
  cg.endRound(r);
}

// [SECTION] the list and its texts

bool jassIsListOver() {
  const TJassState& a = jassArea();
  if (cg.gs.gamesPlayed >= a.roundLimit) return true;
  if (a.pointsLimit <= 0) return false;
  for (int32_t s = 1; s <= jassSeats; s++)
    if (cg.gs.listTotals[s] >= a.pointsLimit) return true;
  return false;
}

void jassListText(int32_t, std::string& text) {
  const TJassState& a = jassArea();
  int32_t highest = 0;
  for (int32_t s = 1; s <= jassSeats; s++) highest = std::max(highest, cg.gs.listTotals[s]);
  const int32_t played = cg.gs.gamesPlayed;
  text = std::to_string(played) + (played == 1 ? " Runde gespielt, " : " Runden gespielt, ") + std::to_string(highest) +
         " von " + (a.pointsLimit > 0 ? std::to_string(a.pointsLimit) : std::string("unbegrenzt")) +
         " Punkten erreicht";
}

void jassResultText(const TGameResult& result, std::string& text) { text = result.longText; }

// [SECTION] score sheet and match end

namespace {

TJassSheet lastSheet;

void addCells(int32_t list, const std::vector<std::string>& cells, int32_t columns) {
  for (int32_t i = 0; i < columns; i++) addItem(list, i < int32_t(cells.size()) ? cells[size_t(i)] : "", 0);
}

void showSheet(const TJassSheet& sheet) {
  if (dlgGameList == 0 || elGameList1 == 0 || elGameList2 == 0) return;
  setCurrentDialog(dlgGameList);
  const int32_t columns1 = playerCount + 2, columns2 = playerCount + 3;
  clearItems(dlgGameList, elGameList1, true);
  clearItems(dlgGameList, elGameList2, true);
  addCells(elGameList1, {"", sheet.header1, sheet.header2}, columns1);
  for (const auto& row : sheet.rows) addCells(elGameList1, {"", row[0], row[1], row[2]}, columns1);
  addCells(elGameList2, {"!Gesamtpunkte", sheet.total1, sheet.total2}, columns2);
  setElementText(dlgGameList, elGameListContinue, sheet.button, 0);
}

}  // namespace

void jassScoreSheet(bool listEnded) {
  TGameState& gs = cg.gs;
  gs.matchScore = gs.listTotals;
  TJassSheet sheet;
  sheet.header1 = "!^" + cg.seatName(1) + "+" + cg.seatName(3);
  sheet.header2 = "!^" + cg.seatName(2) + "+" + cg.seatName(4);
  const int32_t first = std::max(1, gs.gamesPlayed - 199);
  for (int32_t g = first; g <= gs.gamesPlayed; g++)
    sheet.rows.push_back({"!" + cg.pointsText(gameListValue(g, 1), true), "!" + cg.pointsText(gameListValue(g, 2), true),
                          "!" + gameListRowText(g)});
  sheet.total1 = "!" + cg.pointsText(gs.listTotals[1], true);
  sheet.total2 = "!" + cg.pointsText(gs.listTotals[2], true);
  sheet.button = listEnded ? "Ende" : "Weiter";
  lastSheet = sheet;
  showSheet(sheet);
}

const TJassSheet& jassLastScoreSheet() { return lastSheet; }

std::string jassMatchEndText(const std::string& winnerSentence) {
  const TGameState& gs = cg.gs;
  const TJassState& a = jassArea();
  const int32_t limit = a.pointsLimit;
  const bool reached = limit > 0 && (gs.listTotals[1] >= limit || gs.listTotals[2] >= limit);
  std::string text;
  if (reached) {
    // As at the deal's end: team 2 wins a tie.
    const int32_t w = gs.listTotals[2] < gs.listTotals[1] ? 1 : 2;
    text = cg.seatName(w) + lookupText("f_dialog_und") + cg.seatName(w + 2) + " haben zuerst " + std::to_string(limit) +
           " Punkte erreicht und gewinnen die Partie.";
  } else {
    // Ended by its deals: the winners' sentence, as in the other games.
    text = winnerSentence + ".";
  }
  text += "\r\rGesamtpunkte: ";
  for (int32_t j = 1; j <= 2; j++)
    text += "\r" + cg.seatName(j) + lookupText("f_dialog_und") + cg.seatName(j + 2) + ": " +
            std::to_string(gs.matchScore[j]) + lookupText("f_dialog_punkte");
  return text;
}

// [SECTION] highscore

void jassEnterHighscore(std::string& text) {
  text.clear();
  const TGameState& gs = cg.gs;
  const int32_t margin = std::max(0, gs.listTotals[1] - gs.listTotals[2]);
  if (margin <= 0) return;
  const int32_t strength = gs.seatProfiles[2].strength;
  const int32_t table = strength == 2 || strength == 3 ? strength : 1;
  const std::string name = (cg.seatName(1) + " (Endstand " + std::to_string(gs.listTotals[1]) + " : " +
                            std::to_string(gs.listTotals[2]) + " Punkte)").substr(0, 100);
  text = cg.enterHighscoreValue(gidJass, table, margin, name, false);
}

// [SECTION] options

int32_t jassParseLimitItem(const std::string& item) {
  if (item.empty() || !std::isdigit(static_cast<unsigned char>(item[0]))) return jassNoRoundLimit;
  const size_t blank = item.rfind(' ');
  return std::atoi(item.substr(0, blank).c_str());
}

void jassReadOptions() {
  playerCount = jassSeats;
  cg.seatCount = jassSeats;
  TJassState& a = jassArea();
  a.firstDealer = 0;
  if (a.countingOrder < 1 || a.countingOrder > 3) a.countingOrder = 1;
  // The options dialog comes with the shell; until then the area keeps the options given.
  logNotAvailable("Jass options dialog");
}

bool jassCountingOrderEnabled() { return jassArea().weisOn || jassArea().stoeckOn; }

void jassOptionsChanged(int32_t) {
  jassReadOptions();
  // The dialog's label, selector and arrows follow jassCountingOrderEnabled once it exists.
}

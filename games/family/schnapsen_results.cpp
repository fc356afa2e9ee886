// Schnapsen's end of a game: the settlement becomes the game list's row (each seat's points
// left of the running Bummerl), the result box's text, the list end by Bummerl won, the
// highscore of Bummerl won against lost and the rows of the score sheet.
//
// [SECTION] end of a game
// [SECTION] list and highscore
// [SECTION] score sheet
#include "games/family/schnapsen_results.h"

#include <algorithm>

#include "core/cg.h"
#include "core/game_list.h"
#include "games/family/schnapsen_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] end of a game

TGameResult schnapsenBuildResult() {
  LArray<int32_t, 1, 2> won;
  for (int s = 1; s <= 2; s++) {
    syncHandFromSlots(sp[schnapsenWonPile1 + s - 1]);
    won[s] = schnapsenHandPoints(sp[schnapsenWonPile1 + s - 1].hand);
  }
  schnapsenCheck66(won);
  TSchnapsenOutcome o = schnapsenSettle(std::clamp<int32_t>(cg.gs.akspieler, 1, 2), cg.gs.listTotals,
                                        cg.seatName(1), cg.seatName(2));
  TGameResult r;
  r.kind = resultFinished;
  r.mainSeat = o.winner;
  r.won = 1;
  r.values[1] = o.remaining[1];
  r.values[2] = o.remaining[2];
  r.text = o.pointsText;
  std::string plain = cg.seatName(o.winner) + " erhält " + std::to_string(o.gamePoints) +
                      (o.gamePoints == 1 ? " Punkt." : " Punkte.");
  r.longText = plain + "\n\r\n\r" + o.reason;
  if (!o.secondLine.empty()) r.longText += "\n\r" + o.secondLine;
  return r;
}

void schnapsenFinishRound() { cg.endRound(schnapsenBuildResult()); }

// [SECTION] list and highscore

bool schnapsenListOver(const TGameResult& r) { return schnapsenIsListOver(r.mainSeat); }

std::string schnapsenResultText(const TGameResult& r) { return r.longText; }

std::string schnapsenEnterHighscore() {
  const TSchnapsenState& a = schnapsenArea();
  int32_t strength = cg.gs.seatProfiles[2].strength;
  int table = strength == 2 || strength == 3 ? strength : 1;
  int game = a.variant ? gidSechsundsechzig : gidSchnapsen;
  std::string name = cg.seatName(1) + " (Endstand " + std::to_string(a.bummerlWon[1]) + " : " +
                     std::to_string(a.bummerlWon[2]) + " Bummerl)";
  return cg.enterHighscoreValue(game, table, schnapsenHighscoreScore(), name.substr(0, 100), false);
}

// [SECTION] score sheet

TSchnapsenSheet schnapsenScoreSheet(bool listOver) {
  const TSchnapsenState& a = schnapsenArea();
  TSchnapsenSheet sheet;
  auto value = [](int32_t v) { return "!" + cg.pointsText(v, true); };
  const std::string perBummerl = value(a.pointsPerBummerl);
  sheet.games.push_back({"!", "!^" + cg.seatName(1), "!^" + cg.seatName(2), "!", "!"});
  int32_t rows = std::min(cg.gs.gamesPlayed, 200);
  for (int n = 1; n <= rows; n++) {
    // A row after a won Bummerl (a seat counted down to 0) starts the next one.
    bool newBummerl = n > 1 && (gameListValue(n - 1, 1) == 0 || gameListValue(n - 1, 2) == 0);
    if (newBummerl) sheet.games.push_back({"!     " + std::string(121, '-'), "!", "!", "!", "!"});
    if (n == 1 || newBummerl) sheet.games.push_back({"!", perBummerl, perBummerl, "!", "!"});
    sheet.games.push_back({"!", value(gameListValue(n, 1)), value(gameListValue(n, 2)), "!", "!" + gameListRowText(n)});
  }
  sheet.totals.push_back({"!", "!^" + cg.seatName(1), "!^" + cg.seatName(2)});
  sheet.totals.push_back({"!Bummerl", value(a.bummerlWon[1]), value(a.bummerlWon[2])});
  sheet.continueCaption = listOver ? "Ende" : "Weiter";
  cg.gs.matchScore[1] = a.bummerlWon[1];
  cg.gs.matchScore[2] = a.bummerlWon[2];
  return sheet;
}

// The end of a game: TCG::endRound records the result in the game list, updates the list
// totals and the standings and asks the game whether its list is over.
//
// [SECTION] recording
// [SECTION] standings
// [SECTION] endRound
#include <algorithm>
#include <limits>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/game_list.h"
#include "shell/shell_globals.h"

namespace {

// Seats of the running game, kept within 1..6.
int seatsInList() { return std::clamp(playerCount, 0, 6); }

int32_t saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// [SECTION] recording

// A new row n: each seat's value (through the cell text, as the list stores it), added to
// the seat's total; then the row text.
void recordRow(TCG& c, const TGameResult& result) {
  int n = ++c.gs.gamesPlayed;
  for (int i = 1; i <= seatsInList(); i++) {
    setGameListCell(std::to_string(result.values[i]), n, i);
    c.gs.listTotals[i] = saturate(int64_t(c.gs.listTotals[i]) + gameListValue(n, i));
  }
  setGameListCell(result.text, n, 0);
}

// [SECTION] standings

// Each seat's lead over every other seat, summed.
void standingsBySumOfLeads(TGameState& gs, int seats) {
  for (int i = 1; i <= seats; i++) {
    int64_t sum = 0;
    for (int j = 1; j <= seats; j++)
      if (j != i) sum += int64_t(gs.listTotals[i]) - gs.listTotals[j];
    gs.matchScore[i] = saturate(sum);
  }
}

// Each seat's largest lead over another seat, at least 0.
void standingsByBestLead(TGameState& gs, int seats) {
  for (int i = 1; i <= seats; i++) {
    int64_t best = 0;
    for (int j = 1; j <= seats; j++)
      if (j != i) best = std::max(best, int64_t(gs.listTotals[i]) - gs.listTotals[j]);
    gs.matchScore[i] = saturate(best);
  }
}

bool standingsAreTotals(TGameId game) {
  return game == gidHearts || game == gidWar || game == gidGoFish;
}

void updateStandings(TCG& c) {
  int seats = seatsInList();
  switch (c.gameId) {
    case gidPoker:
    case gidBlackjack:
      // From each seat's final place (chipGameStanding), once the chip games' areas exist.
      break;
    case gidMauMau:
      if (maumauWinnerCollects())
        c.gs.matchScore = c.gs.listTotals;
      else
        standingsByBestLead(c.gs, seats);
      break;
    default:
      // Hearts, War and Go Fish take their totals after the game's answer (endRound).
      if (!standingsAreTotals(c.gameId)) standingsBySumOfLeads(c.gs, seats);
  }
}

// Shows what the game's end needs shown: the game-list dialog with the new row, the result
// box, and in a network game the message panel and the step to the next game. The dialogs
// do not exist yet; until then the end of a game shows nothing and the list waits here.
void showRoundEnd(const TGameResult& result, const std::string& resultText,
                  const std::string& summary) {
  (void)result;
  (void)resultText;
  (void)summary;
}

}  // namespace

// [SECTION] endRound

void TCG::endRound(const TGameResult& given) {
  TGameResult result = given;  // the caller keeps its record
  gs.phase = 5;
  if (result.kind == resultFinished) {
    recordRow(*this, result);
    updateStandings(*this);
  }
  std::string resultText = gameResultText(result);
  gs.listOver = gameIsListOver(result) ? 1 : 0;
  std::string summary = gameListText(result);
  if (standingsAreTotals(gameId)) gs.matchScore = gs.listTotals;
  showRoundEnd(result, resultText, summary);
}

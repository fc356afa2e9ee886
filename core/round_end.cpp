// The end of a game: TCG::endRound records the result in the game list, updates the list
// totals and the standings, asks the game whether its list is over, fills the game-list
// dialog and shows the result; the user's press of the dialog's continue button goes on.
//
// [SECTION] recording
// [SECTION] standings
// [SECTION] the game-list dialog
// [SECTION] the end step
// [SECTION] endRound
#include "core/round_end.h"

#include <algorithm>
#include <limits>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/engine_switches.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/game_list.h"
#include "core/game_list_dialog.h"
#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_services.h"
#include "engine/message_box.h"
#include "engine/modal_wait.h"
#include "games/casino/chips.h"
#include "net/net_transport.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "sound/sound_events.h"
#include "sound/sound_services.h"

namespace {

// Seats of the running game, kept within 1..6.
int seatsInList() { return std::clamp(playerCount, 0, 6); }

int32_t saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

bool isChipGame(TGameId g) { return g == gidPoker || g == gidBlackjack; }

// [SECTION] recording

// A new row n: each seat's value (through the cell text, as the list stores it), added to
// the seat's total; then the row text.
void recordRow(TCG& c, const TGameResult& result) {
  int n = ++c.gs.gamesPlayed;
  for (int i = 1; i <= seatsInList(); i++) {
    setGameListCell(std::to_string(result.values[i]), n, i);
    int64_t base = gameRowValuesAreTotals() ? 0 : c.gs.listTotals[i];
    c.gs.listTotals[i] = saturate(base + gameListValue(n, i));
  }
  setGameListCell(result.text, n, 0);
}

// The applause of a game won by the user (not in Old Maid and Blackjack; in Skat only a won
// game of type 0 or 14).
void applaud(const TCG& c, const TGameResult& result) {
  if (result.mainSeat != 1 || c.gameId == gidOldMaid || c.gameId == gidBlackjack) return;
  if (c.gameId == gidSkat && !gameAreas.skatApplauds()) return;
  soundContainer.playEvent(17, 0, 0);
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

// Poker and Blackjack: from each seat's final place; a seat that survives longer, and a
// winner that wins sooner, scores higher.
void chipGameStandings(TCG& c, int seats) {
  if (c.gameId == gidPoker) pokerPlaceBrokeSeats(1, 0);
  else blackjackPlaceBrokeSeats(1, 0);
  // The count of seats still able to pay is stored by the chip games once they exist.
  for (int i = 1; i <= seats; i++)
    c.gs.matchScore[i] = chipGameStanding(c.gameId == gidPoker ? gameAreas.pokerSeatPlace(i) : chipGames.seats[i].place,
                                          lowestSeatSkill(), c.gs.gamesPlayed);
}

void updateStandings(TCG& c) {
  int seats = seatsInList();
  switch (c.gameId) {
    case gidPoker:
    case gidBlackjack:
      chipGameStandings(c, seats);
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

// [SECTION] the game-list dialog

void fillGameListAtEnd(const TCG& c, const TGameResult& result, const std::string& summary) {
  bool over = c.gs.listOver != 0;
  if (isChipGame(c.gameId) && !engineFastMode()) {
    fillRankingTable(&result);
    setGameListContinueCaption(over);
    return;
  }
  if (c.gameId == gidSchnapsen) {
    layoutResultDialog();  // Schnapsen's score sheet fills the lists once it exists
  } else if (c.gameId == gidJass) {
    if (dlgGameList != 0) setElementText(dlgGameList, elGameListCaption, summary, 0);
    layoutResultDialog();
    if (const TGameCallbacks* t = registeredGameCallbacks(c.gameId); t && t->scoreSheet) t->scoreSheet(over);
  } else {
    if (!engineFastMode()) {
      layoutResultDialog();
      fillStandardTables(true);
    }
    scrollGameListToEnd();
  }
  setGameListContinueCaption(over);
  if (c.gameId != gidSchnapsen && c.gameId != gidJass) setGameListSummary(summary);
}

// [SECTION] the end step

bool endStepRuns(const TCG& c) {
  bool goesOn = !c.gs.listOver;
  if (goesOn && engineFastMode()) return false;
  if (engineNoThrottle()) return false;
  return !(isChipGame(c.gameId) && engineFastMode());
}

// A result replayed after loading: the next game of the list starts at once.
void continueAfterReplay(TCG& c) {
  // The continue button is pressed through the engine, as the user would press it.
  if (dlgGameList != 0) activateElement(dlgGameList, elGameListContinue);
  // The poker counter's round is counted here once poker exists.
  if (dlgGameList != 0) hideDialog(dlgGameList);
  c.setMenuButtonCaption(1);
  c.startGame(c.gameId, 1);
}

// In a network game the result goes to the message panel; a skipped result presses the
// panel's continue element for the user.
void netResultEnd(TCG& c, const std::string& resultText) {
  netTransport.ownSyncValue = 3;
  netTransport.sendSync(false);
  if (netTransport.ownSeatOut) {
    if (dlgMessage != 0) sendEngineEvent(dlgMessage, 3);
    return;
  }
  if (dlgMessage != 0) {
    setElementText(dlgMessage, 3, coreLookupText("f_weiter2"), 0);
    fillTextDialog(dlgMessage, 2, resultText, false);
    if (dlgChatPanel != 0 && dialogOf(dlgChatPanel).open) setKeyDialog(dlgChatPanel);
  }
  if (isSeatLostInGame(1) || netTransport.gameEnded) netTransport.ownSeatOut = true;
  if (!hasHumanNetSeat()) return;
  c.showStandings();
  if (!c.gs.listOver) runModal();  // nested frames while the message panel stays open
  screenMode = 1;
  if (!c.gs.listOver) c.startGame(c.gameId, 1);
}

void showResultBox(const TCG& c, const std::string& resultText) {
  if (c.gameId == gidBlackjack) return;
  int layout = c.gameId == gidRomme || c.gameId == gidCanasta ? -77 : -78;
  coreShowMessage(resultText, coreLookupText("f_dialog_spielergebnis"), c.gameId == gidPoker ? 1 : 0,
                  "!" + coreLookupText("f_dialog_weiter"), layout, false);
  engineSkipPresentOnce();
}

void finishedGameEnd(TCG& c, const std::string& resultText) {
  closeTablePanelsAtEnd();
  bool goesOn = !c.gs.listOver;
  if (goesOn && isNetGame() && !netTransport.clockRunning) netTransport.startTurnClock(0);
  if (isNetActive()) netResultEnd(c, resultText);
  else showResultBox(c, resultText);
  if (isNetActive()) netTransport.sendSync(false);
  if (goesOn && isNetActive() && c.gs.phase != 0) {
    netTransport.clockRunning = false;
    netTransport.startTurnClock(0);
    c.showStandings();
  }
  if (!isNetGame() && screenMode != 0 && dlgGameList != 0) {
    openDialog(dlgGameList);
    // The tutorial goes on without waiting: its continue button is pressed through the engine.
    if (c.gs.tutorialMode) activateElement(dlgGameList, elGameListContinue);
  }
}

}  // namespace

void closeTablePanelsAtEnd() {
  for (int32_t d : {dlgHelpPanel, dlgTutorialPanel})
    if (d != 0) setDialogOpen(d, 0);
  if (dlgMenuBar != 0) setElementVisible(dlgMenuBar, elMenuButton, 0);
  TGameId g = cg.gameId;
  if (g != gidSkat && g != gidDoppelkopf && g != gidSchafkopf && g != gidJass) hideTurnMarkers();
}

// [SECTION] endRound

void TCG::endRound(const TGameResult& given) {
  TGameResult result = given;  // the caller keeps its record
  applaud(*this, result);
  gs.phase = 5;
  if (result.kind == resultFinished) {
    recordRow(*this, result);
    updateStandings(*this);
  }
  std::string resultText;
  if (!engineFastMode()) {
    prepareGameListDialog();
    resultText = gameResultText(result);
  }
  gs.listOver = gameIsListOver(result) ? 1 : 0;
  std::string summary = gameListText(result);
  if (standingsAreTotals(gameId)) gs.matchScore = gs.listTotals;
  fillGameListAtEnd(*this, result, summary);
  if (!endStepRuns(*this)) return;
  if (result.kind == resultReplayed) continueAfterReplay(*this);
  else finishedGameEnd(*this, resultText);
}

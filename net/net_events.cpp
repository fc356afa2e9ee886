// The game side of the transport's events, and the start of play.
// [SECTION] start of play
// [SECTION] events
// [SECTION] continue reactions
// [SECTION] hooks
#include "net/net_events.h"

#include <algorithm>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/message_box.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "net/net_glue.h"
#include "net/net_rules.h"
#include "net/net_sync.h"
#include "net/net_transport.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"

// [SECTION] start of play

void fillEmptySeatsWithComputers() {
  TNetz& t = netTransport;
  // The table's own player count; a table whose seats say otherwise does not start. The
  // seat mapping of the rules (the first dealer) needs it first.
  int32_t count = t.rules.players > 0 ? t.rules.players : 8;
  count = std::clamp(count, 1, 6);
  cg.seatCount = count;
  playerCount = count;
  applyTableRulesToGame();
  int32_t computers = 0;
  for (int i = 1; i <= count; i++) {
    TNetSeat& seat = t.seats[i];
    const int32_t local = netSeatToLocal(i);
    if (seat.state == 1 || seat.state == 2) {
      cg.seatRecords[local].kind = i == t.ownSeat ? seatKindUser : seatKindNetwork;
    } else if (seat.state == 0) {
      seat.name = "Computer " + std::to_string(++computers);
      seat.strength = std::clamp(waitingRoom.seatStrength[i], 1, 3);
      cg.seatRecords[local].kind = seatKindComputer;
      cg.gs.seatProfiles[local].strength = seat.strength;
    } else if (seat.state == 3 || seat.state == 5) {
      cg.seatRecords[local].kind = seatKindComputer;
    } else if (seat.state == 4) {
      cg.gs.seatProfiles[local].strength = 2;  // a lost seat plays "Normal"
    }
  }
  for (int i = 1; i <= count; i++) cg.gs.netSeatName[netSeatToLocal(i)] = std::string(t.seats[i].name.view()).substr(0, 100);
  envParam.playDirection = 1;
  if (cg.gameId == gidCanasta) canastaArea().options.cardsPerHand = canastaCardsToDeal();
}

namespace {
// The seats the table names agree with its player count: the taken ones all lie within it.
bool seatsAgree() {
  const TNetz& t = netTransport;
  const int32_t n = t.rules.players;
  if (n < 1 || n > 6) return false;
  for (int s = 1; s <= 8; s++) {
    const bool taken = t.seats[s].state < 3 || t.seats[s].state == 4;
    if (s > n && taken) return false;
  }
  return true;
}
}  // namespace

bool startNetworkGame() {
  TNetz& t = netTransport;
  t.countdownRunning = false;
  if (!seatsAgree()) {
    t.log("Start verweigert: die Plätze passen nicht zur Spielerzahl");
    showMessage("Die Plätze des Tisches passen nicht zur Spielerzahl; das Spiel startet nicht.", "");
    return false;
  }
  cg.gs.gamesPlayed = 0;
  fillEmptySeatsWithComputers();
  t.resultShown = false;
  t.ownSeatOut = false;
  t.ownSyncValue = 0;
  t.syncDone = 0;
  t.clearEvents();
  resetSeatSyncFlags();
  screenMode = 1;
  t.sendGameStart(0);
  cg.startGame(TGameId(cg.gameId), 0);
  return false;
}

// [SECTION] events

namespace {
void takeClockQueue() {
  TNetz& t = netTransport;
  if (!t.hasEvents() || cg.gs.akspieler == 1 || cg.gs.awaitingAction != 2) return;
  int32_t seat = 0, tenths = 0;
  t.popEvent(seat, tenths);
  if (seat == cg.gs.akspieler) t.startTurnClock(tenths * 100);
  else t.pushEvent(seat, tenths);
}

void endGameBySocketError() {
  TNetz& t = netTransport;
  if (screenMode == 0) return;
  t.gameEnded = true;
  markRemoteSeatsLost();
  showMessageById(32);
  if (isNetGame()) t.resultShown = true;
  logNotAvailable("game list with f_ende");
}
}  // namespace

void handleNetEvent(int32_t code, const std::string& text) {
  TNetz& t = netTransport;
  switch (code) {
    case 3:
      t.isHost = t.isClient = false;
      if (!t.isRelayMode()) t.phase = 0;
      break;
    case 4: startNetworkGame(); break;
    case 5:
      if (text == "1") t.countdownRunning = false;
      else t.startStartCountdown(0, std::atoi(text.c_str()));
      break;
    case 7:
      screenMode = 0;
      t.isHost = t.isClient = false;
      t.phase = 0;
      logNotAvailable("table lost: main menu");
      break;
    case 11: takeReceivedStock(t.pileSeat != 0 ? t.pileSeat : leadingSeat(), text); break;
    case 14: endGameBySocketError(); break;
    case 25: takeClockQueue(); break;
    case 6:
    case 12:
    case 13:
    case 27: break;
    default: logNotAvailable("waiting room event " + std::to_string(code)); break;
  }
}

// [SECTION] continue reactions

void netResultContinue() {
  TNetz& t = netTransport;
  if (!isNetGame()) return;
  if (isSeatLostInGame(1)) t.ownSeatOut = true;
  t.ownSyncValue = 4;
  t.sendSync(false);
  if (!t.ownSeatOut) {
    t.clockRunning = false;
    t.startTurnClock(0);
  }
}

void netGameListContinue() {
  TNetz& t = netTransport;
  if (!isNetGame()) return;
  updateSeatSyncStatus();
  t.clockRunning = false;
  buildStateChecksum(t.ownChecksum);
  if (t.seats.inRange(t.ownSeat)) t.seats[t.ownSeat].checksum = t.ownChecksum.substr(0, 32);
  t.ownSyncValue = 1;
}

// [SECTION] hooks

void installNetGameHooks(TNetz& t) {
  // The host hands a client's move to the game only at that seat's turn.
  t.hooks.seatToAct = [] {
    const int32_t local = cg.gs.akspieler;
    return local >= 1 && local <= playerCount ? localSeatToNet(local) : 0;
  };
  t.hooks.event = [](int code, const std::string& text) { handleNetEvent(code, text); };
  t.hooks.applyReceivedSync = [](const TNetMessage& r) { applyReceivedSync(r); };
  t.hooks.resetSeatSyncFlags = [] { resetSeatSyncFlags(); };
  t.hooks.startNetworkGame = [] { startNetworkGame(); };
  t.hooks.isForcedOptionValue = [](int32_t n) { return isForcedOptionValue(n); };
  t.hooks.gameTag = [] {
    std::string tag;
    getGameIdText(tag);
    return tag;
  };
  t.hooks.buildRulesString = [] {
    std::string text;
    buildRulesString(text);
    return text;
  };
  t.hooks.applyRulesString = [](const std::string& text, int sender) { applyRulesString(text, sender); };
}

// The transport's time-driven side: the tick with the start countdown, the clock warnings and
// the watchdogs, and the takeover of the table by a substitute host when the host is lost.
// A host that vanishes without closing its connections is noticed by its clients' silence
// watchdog, and the host keeps idle clients hearing from it with REFRESH.
// [SECTION] the tick
// [SECTION] watchdogs
// [SECTION] losing the host
// [SECTION] the reconnect wait
// [SECTION] status texts
#include <algorithm>

#include "engine/engine_services.h"
#include "net/net_transport.h"
#include "platform/tick.h"

// [SECTION] the tick

void TNetz::tick() {
  ++tickNumber_;
  if (phase == 1) tickCountdown();
  if (clockRunning && !resultShown && hooks.gameOnScreen() && clockAuto)
    event(26, std::to_string(nextTurnClockWarning(true)));
  clientSeatCount = 0;
  for (int s = 1; s <= seatCount && s <= 8; ++s)
    if (seats[s].state == 1) ++clientSeatCount;
  event(25);
  if (clockRunning || hooks.continuePressed()) event(27);
  ageSeatMessages(0);
  tickReconnect();
  const uint32_t now = getTickCount();
  const int64_t left = int64_t(reconnectTimeout) - int64_t(tickDiff(now, reconnectStart));
  if (reconnectPending && reconnectKind == 1) setStatusText("Warten.. " + std::to_string(left) + ")");
  else if (reconnectPending && reconnectKind == 2) setStatusText("Verbinden.. " + std::to_string(left) + ")");
  else setStatusText("x");
  if (phase >= 1) tickWatchdogs();
}

void TNetz::tickCountdown() {
  // The tick runs every third frame: every 5th tick is every 15th frame, every 20th the 60th.
  if (tickNumber_ % 5 == 0) {
    const bool leads = isGameMaster(*this);
    if (leads && countdownRunning && !hooks.isForcedOptionValue(hooks.countTakenSeats())) hooks.pressWaitingRoomAbort();
    int32_t seconds = -1;
    if (countdownRunning) {
      const int64_t elapsed = tickDiff(getTickCount(), countdownStart);
      seconds = static_cast<int32_t>(std::max<int64_t>(0, (countdownDuration + 1000 - elapsed) / 1000));
      if (leads && elapsed >= countdownDuration + 500) {
        for (auto& s : seats)
          if (s.state == 1) s.lastTick = getTickCount();
        hooks.startNetworkGame();
        countdownRunning = false;
      } else if (!leads && elapsed >= countdownDuration + 3500) {
        countdownRunning = false;
      }
    }
    hooks.showStartCountdown(seconds);
  }
  if (tickNumber_ % 20 == 0) event(2);
}

bool TNetz::startStartCountdown(int32_t kind, int32_t durationMs) {
  if (countdownRunning) return false;
  countdownRunning = true;
  countdownKind = kind;
  countdownStart = getTickCount();
  countdownDuration = durationMs;
  return true;
}

// [SECTION] watchdogs

void TNetz::tickWatchdogs() {
  const uint32_t now = getTickCount();
  if (isClient && client_ && client_->conn->isConnected()) {
    if (seats.inRange(ownSeat) && !joinPending_ && tickDiff(now, seats[ownSeat].lastTick) >= settings.refreshAfterMs)
      sendRefreshRequest();
    // A host gone without closing its connection says nothing any more: it counts as lost.
    if (tickDiff(now, client_->lastHeard) >= settings.clientSilenceMs) {
      log("Verbindung zum Host verloren, seit " + std::to_string(tickDiff(now, client_->lastHeard) / 1000) +
          " sec. keine Nachricht.");
      client_->conn->close();
      onClientDisconnect();
      return;
    }
  }
  if (client_ && client_->conn->writeStalledMs() >= settings.writeStallMs) {
    trace("Verbindung zum Host geschlossen: Schreibpuffer läuft nicht ab");
    client_->conn->close();
    onClientDisconnect();
    return;
  }
  if (!isHost) return;
  for (int s = 1; s <= 8; ++s) {
    TNetSeat& seat = seats[s];
    if (seat.state != 1 || !seat.socket) continue;
    if (phase == 2 && tickDiff(now, seat.lastTick) >= settings.clientSilenceMs) {
      log("Verbindung mit " + seat.name.str() + " GEKICKT, seit " +
          std::to_string(tickDiff(now, seat.lastTick) / 1000) + " sec. keine Nachricht.");
      dropLink(seat.socket);
      continue;
    }
    // The client's silence watchdog needs to hear from an idle host.
    if (tickDiff(now, seat.socket->lastSent) >= settings.refreshAfterMs) {
      TNetMessage r;
      initNetMessage(r);
      r.kind = REFRESH;
      r.subKind = 1;
      r.text = "REFRESHMSG";
      r.marker = 2;
      r.routing = routeOne;
      writeTo(seat.socket, r);
    }
  }
  std::vector<TNetLinkPtr> stalled;
  for (auto& l : links_)
    if (l->conn->writeStalledMs() >= settings.writeStallMs) stalled.push_back(l);
  for (auto& l : stalled) {
    trace("Verbindung geschlossen: Schreibpuffer läuft nicht ab (Platz " + std::to_string(l->seat) + ")");
    dropLink(l);
  }
}

// [SECTION] losing the host

void TNetz::onClientDisconnect() {
  if (client_) client_->conn->close();
  client_.reset();
  joinPending_ = false;
  if (retrying_) {
    isClient = false;  // the tick tries the substitute again
    return;
  }
  countdownRunning = false;
  if (!connectedOnce) phase = 0;
  if (!isRelayMode() && (phase == 1 || phase == 2)) {
    takeOverTable();
    return;
  }
  event(3);
  if (!closingByUser) {
    if (phase > 0) {
      showNetError(1);
      hooks.markRemoteSeatsLost();
      if (phase == 2) event(7);
    } else {
      showNetError(102);
    }
  }
  closingByUser = false;
  log("c_disconnect.");
  isClient = false;
}

void TNetz::takeOverTable() {
  log("c_disconnect:try reconnect to ersatz.");
  const int32_t hostSeat = getHostSeat();
  if (phase == 2 && hostSeat) hooks.replaceSeatByComputer(hostSeat);
  // In the waiting room the old host's seat is open again, as any seat that left it.
  if (phase == 1 && hostSeat) seats[hostSeat].state = 3;
  checkSeatOrder();
  if (!seats.inRange(ownSeat) || !seats[ownSeat].substitute) {
    startReconnectWait(2, int32_t(settings.reconnectWaitMs));
    return;
  }
  isClient = false;
  seats[ownSeat].substitute = 0;
  hooks.resetSeatSyncFlags();
  markSeatsLost();
  if (!createHost(ownSeat, true)) {
    // Nobody could reach this table: the others end with error 6 too.
    log("create ERSATZHOST fehlgeschlagen");
    showNetError(6);
    leaveTable();
    return;
  }
  log("create ERSATZHOST erfolgreich");
  if (phase == 1) hooks.drawWaitingRoom();
  startReconnectWait(1, int32_t(settings.substituteWaitMs));
}

void TNetz::leaveTable() {
  retrying_ = false;
  reconnectPending = false;
  reconnectKind = 0;
  if (isHost) closeHost();
  if (isClient || client_) closeClient();
  isHost = isClient = false;
  phase = 0;
  queueClear(resendCache);
}

void TNetz::markSeatsLost() {
  for (int s = 1; s <= seatCount && s <= 8; ++s)
    if (seats[s].state == 1) {
      seats[s].state = 4;
      seats[s].substitute = 0;
    }
}

// [SECTION] the reconnect wait

bool TNetz::startReconnectWait(int32_t kind, int32_t timeoutMs) {
  queueClear(resendCache);
  if (reconnectPending) return false;
  reconnectPending = true;
  reconnectKind = kind;
  reconnectStart = getTickCount();
  reconnectTimeout = timeoutMs;
  hooks.resetSeatSyncFlags();
  return true;
}

bool TNetz::allSeatsBack() const {
  if (!reconnectPending || reconnectKind != 1) return false;
  int clients = 0, lost = 0;
  for (int s = 1; s <= seatCount && s <= 8; ++s) {
    clients += seats[s].state == 1;
    lost += seats[s].state == 4;
  }
  return phase == 2 ? lost == 1 : clients == clientSeatCount;
}

void TNetz::tickReconnect() {
  const uint32_t now = getTickCount();
  if (retrying_) {
    if (tickDiff(now, retryFirst_) >= settings.substituteWaitMs) {
      log("client to ERSATZ connecten fehlgeschlagen");
      showNetError(6);
      leaveTable();
    } else if (!isClient && tickDiff(now, retryLast_) >= settings.reconnectRetryMs) {
      reconnectToSubstitute();
    }
    return;
  }
  if (!reconnectPending) return;
  if (reconnectKind == 1 && allSeatsBack())
    reconnectTimeout = std::min(reconnectTimeout, phase == 1 ? 1000 : 2000);
  if (tickDiff(now, reconnectStart) >= uint32_t(std::max(0, reconnectTimeout))) finishReconnect(reconnectKind);
}

bool TNetz::finishReconnect(int32_t kind) {
  reconnectPending = false;
  reconnectKind = 0;
  if (kind == 2) {
    isClient = false;
    const int32_t sub = [&] {
      std::string n;
      getSubstituteInfo(true, n);
      return std::stoi(n);
    }();
    getSubstituteInfo(false, retryAddress_);
    if (!seats.inRange(sub) || retryAddress_.empty()) {
      // Nobody to reconnect to: the table is gone for this machine.
      log("client to ERSATZ connecten fehlgeschlagen");
      showNetError(6);
      leaveTable();
      return false;
    }
    retrying_ = true;
    retryFirst_ = getTickCount();
    if (seats.inRange(sub)) {
      seats[sub].state = 2;
      seats[sub].substitute = 0;
    }
    checkSeatOrder();
    reconnectToSubstitute();
    return false;
  }
  if (kind == 1) {
    // Records of the wait go first, in order; then the seats nobody came back to.
    resendCached(resendCache);
    if (phase == 2)
      for (int s = 1; s <= seatCount && s <= 8; ++s)
        if (seats[s].state == 4) {
          sendDisconnect(s);
          hooks.replaceSeatByComputer(s);
        }
    checkSeatOrder();
  }
  return false;
}

void TNetz::reconnectToSubstitute() {
  retryLast_ = getTickCount();
  if (connectAsClient(settings.tcpPort, retryAddress_, true)) log("client to ERSATZ connecten erfolgreich");
  else log("client to ERSATZ connecten fehlgeschlagen");
}

// [SECTION] status texts

void TNetz::setStatusText(const std::string& text) {
  statusText = text;
  hooks.setFpsSuffix(statusText + "\r\r" + panelText + "\r\r");
}

void TNetz::buildDebugStatus() {
  std::string t = "[";
  t += isHost ? "Host" : "Client";
  if (seats.inRange(ownSeat) && seats[ownSeat].substitute) t += "(E)";
  t += " ." + std::to_string(ownSeat) + "] syncs:" + std::to_string(syncDone) + "\r\r";
  static const char* const kStateNames[] = {"computer", "client", "host", "", "disconnect", ""};
  for (int s = 1; s <= seatCount && s <= 8; ++s) {
    t += "\r." + std::to_string(s) + "(" + std::to_string(netSeatToLocal(s)) + ") ";
    if (seats[s].state <= 5) t += kStateNames[seats[s].state];
    if (seats[s].substitute) t += " (E)";
  }
  if (isRelayMode()) {
    t += isGameMaster(*this) ? "\rCHEF!\r" : "\rnochef.\r";
  } else if (isHost) {
    t = "CHECKER:\rcachecount: 0\r";
  } else {
    t = std::string("CHECKER:\r") + (checker.isWaiting() ? "ERRRRRRRRRROR!!\r" : "NO-Error\r") +
        (checker.isErrorTimeout() ? "error2...........!!\r" : "..\r");
  }
  panelText = t;
}

// The table transport's receiving side: connection events, the record reader per connection,
// the checks of what a peer may send, the host's relay and the dispatch by kind.
// A peer must not crash this machine, play another seat or stall the table: every record is
// checked before it is used, and a connection whose stream is out of step is closed.
// [SECTION] connections at the host
// [SECTION] the client's connection
// [SECTION] reading and checks
// [SECTION] relay and dispatch
// [SECTION] joining
#include "engine/engine_services.h"
#include "net/net_glue.h"
#include "net/net_transport.h"
#include "platform/tick.h"

// [SECTION] connections at the host

void TNetz::onHostClientConnect(const NetConnectionPtr& conn) {
  auto link = std::make_shared<TNetLink>();
  link->conn = conn;
  links_.push_back(link);
  std::weak_ptr<bool> alive = alive_;
  std::weak_ptr<TNetLink> weak = link;
  conn->onRead = [this, alive, weak] {
    if (auto l = weak.lock(); l && !alive.expired()) onHostRead(l);
  };
  // A reset, a failure and an orderly close end the seat alike.
  conn->onClose = [this, alive, weak] {
    if (auto l = weak.lock(); l && !alive.expired()) onHostClientDisconnect(l);
  };
  conn->onError = [this, alive, weak](int code) {
    if (code != kNetErrAborted && !alive.expired()) event(14);
    if (auto l = weak.lock(); l && !alive.expired()) onHostClientDisconnect(l);
  };
  log("h_c_connect.");
  sendRulesTo(link);
}

void TNetz::onHostClientDisconnect(const TNetLinkPtr& link) {
  std::erase(links_, link);
  const int32_t s = link->seat;
  link->seat = 0;
  link->moves.clear();
  if (seats.inRange(s) && seats[s].socket == link) {
    seats[s].socket.reset();
    if (phase == 1) {
      seats[s].state = 3;
      seats[s].name = "";
      seats[s].substitute = 0;
      sendGameInfo();
    } else if (phase == 2) {
      sendDisconnect(s);
      hooks.replaceSeatByComputer(s);
      seats[s].substitute = 0;
      checkSeatOrder();
    }
  }
  log("h_c_disconnect.");
  event(2);
}

void TNetz::dropLink(const TNetLinkPtr& link) {
  link->conn->close();
  onHostClientDisconnect(link);
}

// [SECTION] the client's connection

void TNetz::onClientConnect() {
  connectedOnce = true;
  if (client_) client_->lastHeard = getTickCount();
  closingByUser = false;
  log("c_connect.");
  if (!sendJoinRequest(ownSeat, phase == 2)) showNetError(101);
}

void TNetz::onClientError(int code) {
  if (retrying_) {
    // The substitute is not listening yet: the tick tries again.
    client_.reset();
    isClient = false;
    return;
  }
  if (phase == 1) event(3);
  if (isClient) closeClient();
  if (code == kNetErrRefused) showNetError(101);
  event(14);
}

void TNetz::onClientRead() {
  if (!client_) return;
  TNetLinkPtr link = client_;
  TNetMessage r;
  if (receive(r, *link) != 1) return;
  log("c_read " + describeMessage(r));
  if (r.magic < 12342 || r.magic > kMagic || r.endMagic != kEndMagic) {
    // The stream is out of step for good: the host connection counts as failed, no takeover.
    trace("Fehlerhafte Msg empfangen: " + describeMessage(r));
    client_->conn->close();
    onClientError(kNetErrOther);
    return;
  }
  if (r.magic != kMagic) {
    if (r.magic == 12344) hooks.showNotice(describeMessage(r));
    else hooks.showNotice(std::string(r.text.view()) + " " + std::string(r.sender.view()));
  }
  if (!acceptReceived(r)) return;
  dispatchMessage(r, link);
}

// [SECTION] reading and checks

int TNetz::receive(TNetMessage& record, TNetLink& link) {
  const int n = readMessageRecord(link.buffer, link.fill, *link.conn, record);
  link.lastHeard = getTickCount();
  if (isHost && seats.inRange(link.seat)) seats[link.seat].lastTick = getTickCount();
  return n > 0 ? 1 : n;
}

bool TNetz::acceptReceived(const TNetMessage& r) {
  const std::string why = messageMalformed(r);
  if (why.empty()) return true;
  trace("Msg verworfen (" + why + "): " + describeMessage(r));
  return false;
}

namespace {
// What a client may send the host, by kind and sub-kind.
bool clientMaySend(const TNetMessage& r) {
  switch (r.kind) {
    case JOINREQ:
    case CHATMSG:
    case CGINPUT:
    case REFRESH: return true;
    case INFOPUSH: return r.subKind == _PLAYERINFO || r.subKind == _TL || r.subKind == _BLOCKMSG;
    case SYNCHRONIZE: return r.subKind == _STATE;
    default: return false;
  }
}

// The seat a client's record speaks for, 0 when it names none.
int32_t seatSpokenFor(const TNetMessage& r) {
  if (r.kind == INFOPUSH && r.subKind == _PLAYERINFO) return r.seatBytes[0];
  if (r.kind == SYNCHRONIZE) return r.valueA;
  if (r.kind == CHATMSG && r.subKind >= 2) return r.seatBytes[0];
  return 0;
}
}  // namespace

bool TNetz::acceptAtHost(const TNetMessage& r, const TNetLink& link) {
  std::string why;
  if (r.magic != kMagic) why = "Hinweis an den Host";
  else if (!clientMaySend(r)) why = "nicht vom Client";
  else if (link.seat == 0 && r.kind != JOINREQ) why = "ohne Platz";
  else if (link.seat != 0 && r.kind == JOINREQ) why = "zweiter Platz";
  else if (int32_t s = seatSpokenFor(r); s != 0 && s != link.seat) why = "fremder Platz";
  if (why.empty()) return acceptReceived(r);
  trace("Msg verworfen (" + why + "): " + describeMessage(r));
  return false;
}

void TNetz::onHostRead(const TNetLinkPtr& link) {
  TNetMessage r;
  if (receive(r, *link) != 1) return;
  log("h_c_read " + describeMessage(r));
  if (r.magic < 12342 || r.magic > kMagic || r.endMagic != kEndMagic) {
    // Every later record would be read shifted: the connection is closed as a closed one.
    trace("Fehlerhafte Msg empfangen: " + describeMessage(r));
    dropLink(link);
    return;
  }
  if (!acceptAtHost(r, *link)) return;
  if (r.kind == CGINPUT) {
    // Kept for its seat's turn; one connection cannot crowd out the others' moves.
    if (link->moves.size() >= size_t(kQueueCapacity)) {
      trace("Verbindung geschlossen: zu viele Züge (Platz " + std::to_string(link->seat) + ")");
      dropLink(link);
      return;
    }
    link->moves.push_back(r);
    ageSeatMessages(10);
    return;
  }
  dispatchMessage(r, link);
}

// [SECTION] relay and dispatch

void TNetz::relayAtHost(TNetMessage& r, const TNetLinkPtr& link) {
  if (r.kind == SYNCHRONIZE || (r.kind == INFOPUSH && r.subKind == _TL)) {
    r.routing = routeOthers;
    send(r, link);
  } else if (r.kind == CHATMSG || r.kind == INFOPUSH) {
    r.routing = routeAll;
    send(r, link);
  }
}

void TNetz::dispatchMessage(TNetMessage& r, const TNetLinkPtr& link) {
  if (isHost && r.routing == routeToHost) relayAtHost(r, link);
  if (r.routing != routeDirect) handleCommon(r, link);
  if (isHost && r.kind == JOINREQ) grantSeat(r, link);
  if (isClient) handleAtClient(r);
}

void TNetz::handleCommon(TNetMessage& r, const TNetLinkPtr& link) {
  const int32_t s0 = r.seatBytes[0];
  switch (r.kind) {
    case INFOPUSH:
      switch (r.subKind) {
        case _BLOCKMSG: logNotAvailable("showMessageById 29"); break;
        case _CHECKSUM: seats[s0].checksum = r.text.view().substr(0, 32); break;
        case _KICK:
          if (isClient && r.valueA == ownSeat) {
            const std::string text(r.text.view());
            if (this != &netTransport) {
              logNotAvailable("kick notice of a second transport");
            } else if (text == "%You have been kicked from the server.") {
              showKickedMessage(r.seatFlags[0] != 0);
              break;
            } else {
              showNetEndMessage(text, r.seatFlags[0] != 0);
            }
            showNetError(7);
          }
          break;
        case _TL:
          pushEvent(s0, r.valueA);
          event(27);
          break;
        case _PLAYERINFO:
          seats[s0].name = stripNameTag(std::string(r.text.view())).substr(0, 20);
          seats[s0].ready = r.seatFlags[0];
          seats[s0].address = r.sender.view().substr(0, 20);
          event(2);
          break;
        case _STAPEL:
          pileSeat = r.seatFlags[0];
          event(11, std::string(r.text.view()));
          break;
        default: break;
      }
      break;
    case SYNCHRONIZE:
      if (r.subKind == _STATE) hooks.applyReceivedSync(r);
      break;
    case CGINPUT:
      ageSeatMessages(10);
      if (!isHost) queuePush(moveQueue, r, link);
      break;
    case CHATMSG:
      if (r.subKind <= 1) {
        std::string line = std::string(r.sender.view().substr(0, 20)) + ": " + std::string(r.text.view());
        hooks.addChatLine(line.substr(0, 204));
      } else {
        addSeatMessage(std::string(r.text.view()), s0);
      }
      break;
    default: break;
  }
}

void TNetz::handleAtClient(const TNetMessage& r) {
  if (r.kind == STATUSPUSH && r.subKind == _DISCONECT) {
    hooks.replaceSeatByComputer(r.valueA);
    seats[r.valueA].substitute = 0;
    checkSeatOrder();
  } else if (r.kind == STATUSPUSH && r.subKind == _GAMESTART) {
    if (r.valueA == 0) {
      event(4);
      phase = 2;
    } else {
      event(5, std::to_string(r.valueA));
    }
  } else if (r.kind == INFOPUSH && r.subKind == _SPIELINFO) {
    hooks.applyRulesString(std::string(r.text.view()), r.seatBytes[1]);
  } else if (r.kind == JOINRESP) {
    joinAnswered(r);
  }
}

// [SECTION] joining

void TNetz::grantSeat(const TNetMessage& request, const TNetLinkPtr& link) {
  const bool rejoin = request.seatFlags[0] != 0;
  const bool running = phase == 2 && !isReconnecting();
  const int32_t seat = running ? 0 : assignSeat(request.seatBytes[0], rejoin);
  TNetMessage a;
  initNetMessage(a);
  a.kind = JOINRESP;
  a.routing = routeOne;
  a.marker = 4;
  if (seat) {
    a.subKind = 1;
    setSeatByte(a, 0, seat);
    a.text = "Teilnahme erfolgreich, Spielernr.:" + std::to_string(seat);
    a.sender = hooks.gameTag();
    TNetSeat& st = seats[seat];
    st.name = stripNameTag(std::string(request.text.view())).substr(0, 20);
    st.socket = link;
    link->seat = seat;
    st.lastTick = getTickCount();
    st.substitute = 1;
    for (int s = 1; s <= 8; ++s)
      if (s != seat && seats[s].state == 1 && seats[s].substitute) st.substitute = 0;
  } else if (running) {
    a.subKind = 3;
    a.text = "Teilnahme nicht möglich. Spiel läuft schon.";
  } else if (rejoin) {
    a.subKind = 4;
    a.text = "Verbindung verloren.";
  } else {
    a.subKind = 2;
    a.text = "Teilnahme nicht möglich. Kein Spielerplatz frei.";
  }
  send(a, link);
  if (!seat) return;
  sendGameInfo();
  sendPlayerInfo(true, seat);
  if (phase == 2) logNotAvailable("refreshGameScreenIfShown");
}

void TNetz::joinAnswered(const TNetMessage& r) {
  if (r.subKind == 1 && r.sender.view() == hooks.gameTag()) {
    ownSeat = r.seatBytes[0];
    seats[ownSeat].name = stripNameTag(std::string(ownName.view())).substr(0, 20);
    joinPending_ = false;
    retrying_ = false;
    event(1);
    resendCached(resendCache);
    return;
  }
  const int code = r.subKind == 4 ? 5 : r.subKind == 3 ? 4 : r.subKind == 2 ? 2 : 3;
  retrying_ = false;
  showNetError(code);
  closeClient();
}

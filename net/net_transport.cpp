// The table transport's roles, senders, queues and seat questions. Receiving and
// dispatching are in net_receive.cpp.
// [SECTION] creation and hooks
// [SECTION] roles
// [SECTION] sending
// [SECTION] queues
// [SECTION] seats
// [SECTION] reporting
// [SECTION] the core's helpers
#include "net/net_transport.h"

#include <algorithm>
#include <cstdio>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "net/net_discovery.h"
#include "net/net_lobby.h"
#include "net/net_events.h"
#include "net/net_glue.h"
#include "net/net_sync.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"

TNetz netTransport;

// [SECTION] creation and hooks

namespace {
TNetHooks standInHooks() {
  TNetHooks h;
  h.event = [](int, const std::string&) { logNotAvailable("handleNetEvent"); };
  h.showNetError = [](int code) { logNotAvailable("TNetz.showNetError " + std::to_string(code)); };
  h.gameTag = [] {
    logNotAvailable("getGameIdText");
    return std::string();
  };
  h.buildRulesString = [] {
    logNotAvailable("buildRulesString");
    return std::string();
  };
  h.applyRulesString = [](const std::string&, int) { logNotAvailable("applyRulesString"); };
  h.addChatLine = [](const std::string&) { logNotAvailable("addChatLine"); };
  h.seatToAct = [] {
    logNotAvailable("seat to act");
    return 0;
  };
  h.applyReceivedSync = [](const TNetMessage&) { logNotAvailable("applyReceivedSync"); };
  h.turnClockSetting = [] { return cg.netTimeLimit; };
  h.seatToActLocal = [] { return int32_t(cg.gs.akspieler); };
  h.gamePhase = [] { return int32_t(cg.gs.phase); };
  h.showNotice = [](const std::string& text) { trace("Hinweis: " + text); };
  h.protocol = [](const std::string&) {};
  h.isPrivateLobby = [] { return lobbyClient != nullptr && lobbyClient->isPrivateLobby(); };
  // Relay mode needs an internet game whose lobby server is a relay.
  h.isRelayMode = [] { return cg.lobbyGame != 0 && lobbyClient != nullptr && lobbyClient->isRelayServer(); };
  h.gameOnScreen = [] { return screenMode != 0; };
  h.continuePressed = [] { return false; };
  h.countTakenSeats = [] { return ::countTakenSeats(); };  // the constructor binds it
  h.isForcedOptionValue = [](int32_t) {
    logNotAvailable("isForcedOptionValue");
    return false;
  };
  h.pressWaitingRoomAbort = [] { logNotAvailable("waiting room Abbruch"); };
  h.startNetworkGame = [] { logNotAvailable("startNetworkGame"); };
  h.showStartCountdown = [](int32_t) { logNotAvailable("showStartCountdown"); };
  h.drawWaitingRoom = [] { logNotAvailable("drawWaitingRoom"); };
  h.resetSeatSyncFlags = [] { logNotAvailable("resetSeatSyncFlags"); };
  h.setFpsSuffix = [](const std::string& text) { setFpsSuffix(text); };
  return h;
}
}  // namespace

TNetz::TNetz(const NetSettings& s)
    : settings(s), hooks(standInHooks()), discovery(std::make_unique<TNetDiscovery>(*this)), messageAgeMark(getTickCount()) {
  // The program's transport hands lost seats to the game; the tests' other transports
  // only keep their seat states.
  hooks.replaceSeatByComputer = [this](int seat) {
    if (this == &netTransport) {
      ::replaceSeatByComputer(seat);
      return;
    }
    if (seats.inRange(seat) && seats[seat].state <= 2) seats[seat].state = 4;
  };
  hooks.countTakenSeats = [this] { return ::countTakenSeats(*this); };
  if (this == &netTransport) installNetGameHooks(*this);
  hooks.markRemoteSeatsLost = [this] {
    if (this == &netTransport) {
      ::markRemoteSeatsLost();
      return;
    }
    for (int s = 1; s <= 8; ++s)
      if (s != ownSeat && (seats[s].state == 1 || seats[s].state == 2)) seats[s].state = 4;
  };
}

TNetz::~TNetz() {
  *alive_ = false;
  if (listener_) listener_->close();
  for (auto& l : links_) l->conn->close();
  if (client_) client_->conn->close();
}

// [SECTION] roles

void TNetz::resetTimers() {
  const uint32_t now = getTickCount();
  for (auto& s : seats) s.lastTick = now;
  for (auto& l : links_) l->fill = 0;
  gameEnded = false;
  ownReady = false;
}

void TNetz::openAllSeats() {
  for (auto& s : seats) {
    s.state = 3;
    s.messageCount = 0;
  }
  seatCount = 8;
}

bool TNetz::createHost(int32_t seat, bool keepCache) {
  if (isHost) return false;
  discovery->startDiscovery(true, true);  // a table without discovery can still be joined by address
  resetTimers();
  isHost = true;
  isClient = false;
  // A substitute keeps the moves it received and has not played yet.
  if (!keepCache) queueClear(moveQueue);
  if (!keepCache) queueClear(resendCache);
  listener_ = netListen(settings.localAddress, settings.tcpPort);
  if (!listener_) {
    discovery->stopDiscovery();
    isHost = false;
    return false;
  }
  std::weak_ptr<bool> alive = alive_;
  listener_->onAccept = [this, alive](NetConnectionPtr c) {
    if (!alive.expired()) onHostClientConnect(c);
  };
  log("h_create.");
  if (!keepCache) phase = 1;
  ownSeat = seat;
  if (seats.inRange(seat)) {
    seats[seat].name = stripNameTag(std::string(ownName.view())).substr(0, 20);
    seats[seat].state = 2;
    seats[seat].substitute = 0;
  }
  return true;
}

bool TNetz::connectAsClient(uint16_t port, const std::string& host, bool keepCache) {
  if (isClient) {
    if (!keepCache) phase = 1;
    return false;
  }
  resetTimers();
  connectedOnce = false;
  isHost = false;
  isClient = true;
  if (!keepCache) queueClear(moveQueue);
  if (!keepCache) queueClear(resendCache);
  auto conn = netConnect(host.empty() ? "localhost" : host, port == 0 ? 1234 : port, settings.localAddress);
  if (!conn) {
    isClient = false;
    return false;
  }
  client_ = std::make_shared<TNetLink>();
  client_->conn = conn;
  client_->lastHeard = getTickCount();
  joinPending_ = true;
  std::weak_ptr<bool> alive = alive_;
  conn->onConnect = [this, alive] {
    if (!alive.expired()) onClientConnect();
  };
  conn->onRead = [this, alive] {
    if (!alive.expired()) onClientRead();
  };
  conn->onError = [this, alive](int code) {
    if (!alive.expired()) onClientError(code);
  };
  conn->onClose = [this, alive] {
    if (!alive.expired()) onClientDisconnect();
  };
  log("c_create.");
  if (!keepCache) phase = 1;
  return true;
}

void TNetz::closeHost() {
  phase = 0;
  discovery->stopDiscovery();
  if (listener_) listener_->close();
  listener_.reset();
  for (auto& l : links_) l->conn->close();
  links_.clear();
  for (auto& s : seats) s.socket.reset();
  isHost = false;
  event(3);
}

void TNetz::closeClient() {
  phase = 0;
  if (client_) client_->conn->close();
  client_.reset();
  isClient = false;
  joinPending_ = false;
  event(3);
}

// [SECTION] sending

void TNetz::initNetMessage(TNetMessage& record) const {
  initMessageRecord(record);
  if (seats.inRange(ownSeat)) record.sender = "<" + std::string(seats[ownSeat].name.view()) + ">";
}

bool TNetz::writeTo(const TNetLinkPtr& link, const TNetMessage& record) {
  if (!link) return false;
  link->lastSent = getTickCount();
  return sendMessageRecord(record, *link->conn);
}

bool TNetz::send(TNetMessage& record, const TNetLinkPtr& link) {
  if ((!isHost && !isClient && !retrying_) || gameEnded) return false;
  if (record.routing == routeDirect && link) return writeTo(link, record);
  const bool joinRecord = record.kind == JOINREQ || record.kind == JOINRESP;
  // Until the grant, and during a reconnect wait, records wait in order in the cache.
  const bool waiting = isReconnecting() && (reconnectKind == 1 || reconnectKind == 2);
  if (!joinRecord && (waiting || (isClient && joinPending_))) {
    queuePush(resendCache, record, link);
    log("cache_msg " + describeMessage(record));
    return true;
  }
  if (isHost) {
    if (record.routing >= routeOne) return writeTo(link, record);
    // Every seat gets every record: one closed connection does not cut the rest off.
    bool ok = true;
    for (int s = 1; s <= 8; ++s) {
      const TNetSeat& seat = seats[s];
      if (seat.state != 1 || !seat.socket) continue;
      if (record.routing == routeOthers && link && seat.socket == link) continue;
      log("send_msg " + describeMessage(record));
      ok = writeTo(seat.socket, record) && ok;
    }
    return ok;
  }
  const bool ok = writeTo(client_, record);
  if (seats.inRange(ownSeat)) seats[ownSeat].lastTick = getTickCount();
  return ok;
}

namespace {
uint8_t ownRouting(const TNetz& t, uint8_t atHost) { return t.isHost ? atHost : uint8_t(routeToHost); }
}  // namespace

bool TNetz::sendJoinRequest(int32_t wantedSeat, bool rejoin) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = JOINREQ;
  r.routing = routeToHost;
  // The private key goes to lobby servers only: in relay mode the relay reads it here.
  r.text = isRelayMode() ? std::string(ownName.view()) : untaggedOwnName();
  r.sender = hooks.gameTag();
  setSeatByte(r, 0, seats.inRange(wantedSeat) ? wantedSeat : 0);
  setSeatByte(r, 3, textTables.textColumn == 2 ? 2 : 1);  // the language column of the text tables
  r.seatFlags[0] = rejoin ? 1 : 0;
  return send(r, nullptr);
}

bool TNetz::sendSync(bool allSynchronised) {
  if (isReconnecting() || !seats.inRange(ownSeat)) return false;
  TNetMessage r;
  initNetMessage(r);
  r.kind = SYNCHRONIZE;
  r.subKind = _STATE;
  for (int s = 1; s <= 8; ++s) r.seatBytes[s] = 9;
  if (!setSeatByte(r, ownSeat, ownSyncValue)) return false;
  r.seatFlags[ownSeat] = allSynchronised ? 1 : 0;
  r.valueA = ownSeat;
  r.valueB = clockOverrunSeconds();
  r.text = ownChecksum;
  r.routing = ownRouting(*this, routeAll);
  return send(r, nullptr);
}

bool TNetz::sendTimeLeft(int32_t netSeat, int32_t tenths) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _TL;
  setSeatByte(r, 0, netSeat);
  r.valueA = tenths;
  r.routing = ownRouting(*this, routeAll);
  return send(r, nullptr);
}

bool TNetz::sendDisconnect(int32_t netSeat) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = STATUSPUSH;
  r.subKind = _DISCONECT;
  r.valueA = netSeat;
  r.routing = routeAll;
  return send(r, nullptr);
}

bool TNetz::sendMove(int kind, int32_t a, int32_t b, const THand* selection) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = CGINPUT;
  r.subKind = static_cast<uint8_t>(toWireAction(kind));
  r.valueA = a;
  r.valueB = b;
  // A selection travels as its card text; one that does not fit the record is not sent
  // cut, which would replay other cards elsewhere.
  if (kind == 1) {
    const THand& hand = selection ? *selection : cg.gs.bl.selhand;
    const std::string cards = encodeHandText(hand);
    if (cards.size() > kTextCapacity) {
      trace("Auswahl zu gross für den Zug: " + std::to_string(handUsed(hand)) + " Karten");
      return false;
    }
    r.text = cards;
  }
  r.routing = ownRouting(*this, routeOthers);
  return send(r, nullptr);
}

bool TNetz::sendPile(int32_t stack) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _STAPEL;
  r.valueA = stack;
  r.seatFlags[0] = uint8_t(ownSeat);  // the dealer's seat; older peers send 0
  std::string text;
  encodeSeatPile(stack, text);
  r.text = text;
  r.routing = ownRouting(*this, routeOthers);
  return send(r, nullptr);
}

bool TNetz::sendKick(int32_t netSeat) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _KICK;
  r.valueA = netSeat;
  r.marker = 4;
  r.routing = routeOne;
  return send(r, linkOfSeat(netSeat));
}

bool TNetz::sendRefreshRequest() {
  TNetMessage r;
  initNetMessage(r);
  r.kind = REFRESH;
  r.subKind = 1;
  r.text = "REFRESHMSG";
  r.marker = 2;
  r.routing = routeToHost;
  const bool ok = send(r, nullptr);
  if (seats.inRange(ownSeat)) seats[ownSeat].lastTick = getTickCount();
  return ok;
}

bool TNetz::sendBlock() {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _BLOCKMSG;
  r.text = "BLOCKMSG";
  r.routing = ownRouting(*this, routeAll);
  return send(r, nullptr);
}

bool TNetz::sendGameStart(int32_t value) {
  if (value == 0) phase = 2;
  TNetMessage r;
  initNetMessage(r);
  r.kind = STATUSPUSH;
  r.subKind = _GAMESTART;
  r.valueA = value;
  r.routing = routeAll;
  return send(r, nullptr);
}

bool TNetz::sendChat(const std::string& text) {
  if (!text.empty() && text[0] == '/') {
    if (text != "/1") return false;
    if (isClient) {
      // As a network failure would: the connection goes and the lost host is handled.
      client_->conn->close();
      onClientDisconnect();
    } else if (isHost) {
      if (listener_) listener_->close();
      listener_.reset();
      for (auto l : std::vector<TNetLinkPtr>(links_)) dropLink(l);
    }
    return false;
  }
  TNetMessage r;
  initNetMessage(r);
  r.kind = CHATMSG;
  r.subKind = static_cast<uint8_t>(phase);
  r.marker = 5;
  r.routing = ownRouting(*this, routeAll);
  r.sender = untaggedOwnName();
  r.text = text;
  setSeatByte(r, 0, phase >= 2 ? ownSeat : 0);
  if (isHost) {
    if (phase >= 2) addSeatMessage(text, ownSeat);
    else hooks.addChatLine(std::string(r.sender.view()) + ": " + text);
  }
  return send(r, nullptr);
}

bool TNetz::sendRulesTo(const TNetLinkPtr& link) {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _UNIINFO;
  r.routing = routeDirect;
  r.marker = 4;
  setSeatByte(r, 0, phase);
  for (int s = 1; s <= seatCount && s <= 8; ++s)
    if (seats[s].state == 3) ++r.valueA;
  r.text = hooks.buildRulesString();
  if (seats.inRange(ownSeat)) r.sender = seats[ownSeat].name.view();
  return send(r, link);
}

bool TNetz::sendGameInfo() {
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _SPIELINFO;
  r.routing = routeAll;
  r.marker = 4;
  setSeatByte(r, 1, ownSeat);
  r.text = hooks.buildRulesString();
  return send(r, nullptr);
}

bool TNetz::sendPlayerInfo(bool toNewcomer, int32_t newcomerSeat) {
  if (!seats.inRange(ownSeat)) return false;
  TNetSeat& own = seats[ownSeat];
  own.state = isHost ? 2 : 1;
  if (isHost) own.substitute = 0;
  own.name = stripNameTag(std::string(ownName.view())).substr(0, 20);
  TNetMessage r;
  initNetMessage(r);
  r.kind = INFOPUSH;
  r.subKind = _PLAYERINFO;
  if (!toNewcomer) {
    setSeatByte(r, 0, ownSeat);
    r.seatFlags[0] = ownReady ? 1 : 0;
    r.text = untaggedOwnName();
    if (isHost && listener_) r.sender = listener_->localAddress();
    if (isClient && client_) r.sender = client_->conn->localAddress();
    r.marker = isHost ? 4 : 5;
    r.routing = ownRouting(*this, routeAll);
    return send(r, nullptr);
  }
  if (!isHost) return false;
  TNetLinkPtr to = linkOfSeat(newcomerSeat);
  r.marker = 4;
  r.routing = routeOne;
  bool ok = true;
  for (int s = 1; s <= std::min(8, seatCount); ++s) {
    if (s == newcomerSeat || (seats[s].state != 1 && seats[s].state != 2)) continue;
    setSeatByte(r, 0, s);
    r.seatFlags[0] = seats[s].ready;
    r.text = seats[s].name.view();
    r.sender = seats[s].address.view();
    ok = send(r, to) && ok;
  }
  return ok;
}

// [SECTION] queues

void TNetz::queuePush(TNetMessageQueue& q, const TNetMessage& record, const TNetLinkPtr& link) {
  if (q.items.size() >= size_t(kQueueCapacity)) {
    showNetError(10);
    return;
  }
  q.items.emplace_back(record, link);
}

bool TNetz::queuePop(TNetMessageQueue& q, TNetMessage& record) {
  initNetMessage(record);
  if (q.items.empty()) return false;
  record = q.items.front().first;
  q.items.pop_front();
  return true;
}

TNetLinkPtr TNetz::linkOfSeat(int32_t seat) const {
  return seats.inRange(seat) ? seats[seat].socket : nullptr;
}

bool TNetz::hasInput() const {
  // At a new host the moves received as a client come first.
  if (!isHost || queueHasItems(moveQueue)) return queueHasItems(moveQueue);
  TNetLinkPtr l = linkOfSeat(hooks.seatToAct());
  return l && !l->moves.empty();
}

bool TNetz::popInputRecord(TNetMessage& record) {
  if (!isHost || queueHasItems(moveQueue)) return queuePop(moveQueue, record);
  TNetLinkPtr l = linkOfSeat(hooks.seatToAct());
  if (!l || l->moves.empty()) return false;
  record = l->moves.front();
  l->moves.pop_front();
  // Taken at its seat's turn, the move goes to the others now, so nobody answers a move
  // the host has not taken.
  TNetMessage relay = record;
  relay.routing = routeOthers;
  send(relay, l);
  return true;
}

bool TNetz::popInput(TNetMove& move) {
  TNetMessage r;
  if (!popInputRecord(r)) return false;
  move = TNetMove{r.subKind, r.valueA, r.valueB, std::string(r.text.view())};
  return true;
}

void TNetz::clearInputQueue() {
  queueClear(moveQueue);
  for (auto& l : links_) l->moves.clear();
}

void TNetz::resendCached(TNetMessageQueue& q) {
  auto items = std::move(q.items);
  q.items.clear();
  for (auto& [record, link] : items) {
    if (isClient) writeTo(client_, record);
    else send(record, link);
  }
}

void TNetz::pushEvent(int32_t localSeat, int32_t tenths) {
  if (clockQueue.size() < 10) clockQueue.emplace_back(localSeat, tenths);
}

bool TNetz::popEvent(int32_t& localSeat, int32_t& tenths) {
  if (clockQueue.empty()) return false;
  std::tie(localSeat, tenths) = clockQueue.front();
  clockQueue.pop_front();
  return true;
}

// [SECTION] seats

int32_t TNetz::assignSeat(int32_t wanted, bool rejoin) {
  if (phase == 2 && !isReconnecting()) return 0;
  int32_t taken = 0;
  if (seats.inRange(wanted)) {
    const uint8_t st = seats[wanted].state;
    if (st == 3 || (st == 4 && rejoin)) taken = wanted;
  }
  if (!taken && !rejoin)
    for (int s = 1; s <= seatCount && s <= 8 && !taken; ++s)
      if (seats[s].state == 3) taken = s;
  if (taken) seats[taken].state = 1;
  return taken;
}

bool TNetz::checkSeatOrder() {
  for (auto& s : seats)
    if (s.state == 1 && s.substitute) return false;
  for (auto& s : seats)
    if (s.state == 1) {
      s.substitute = 1;
      return true;
    }
  return false;
}

void TNetz::getSubstituteInfo(bool asNumber, std::string& text) const {
  for (int s = 1; s <= 8; ++s)
    if (seats[s].state == 1 && seats[s].substitute) {
      text = asNumber ? std::to_string(s) : std::string(seats[s].address.view());
      return;
    }
  text = asNumber ? "0" : "";
}

int32_t TNetz::getHostSeat() const {
  for (int s = 1; s <= 8; ++s)
    if (seats[s].state == 2) return s;
  return 0;
}

bool TNetz::isSeatLost(int32_t seat, bool notSeat1, bool silent) const {
  if (!isHost && !isClient && !gameEnded) return false;
  if (seat > 8) return true;
  if (seat < 1 || (notSeat1 && seat == 1)) return false;
  const int32_t net = localSeatToNet(seat);
  if (!seats.inRange(net) || seats[net].state != 4) return false;
  return !silent || tickDiff(getTickCount(), seats[net].lastTick) > 5000;
}

bool TNetz::allSeatsReady() const {
  for (int s = 1; s <= seatCount && s <= 8; ++s)
    if ((seats[s].state == 1 || seats[s].state == 2) && !seats[s].ready) return false;
  return true;
}

std::string TNetz::stripNameTag(const std::string& name) const {
  const size_t open = name.find('<');
  if (open == std::string::npos || !hooks.isPrivateLobby()) return name;
  const size_t close = name.find('>');
  if (close != std::string::npos && close == open + 11) return name.substr(0, open) + name.substr(close + 1);
  const size_t colon = name.find(':');
  if (colon != std::string::npos && colon > open) return name.substr(0, open) + name.substr(colon);
  return name;
}

// [SECTION] reporting

std::string TNetz::untaggedOwnName() const {
  const std::string name(ownName.view());
  const size_t open = name.find('<');
  return open == std::string::npos || !hooks.isPrivateLobby() ? name : name.substr(0, open);
}

void TNetz::showNetError(int code) {
  trace("Netzwerkfehler " + std::to_string(code));
  hooks.showNetError(code);
}

void TNetz::log(const std::string& text) {
  buildDebugStatus();
  hooks.protocol(text);
}

// [SECTION] the core's helpers

bool isGameMaster(const TNetz& t) {
  if (t.isHost) return true;
  if (!t.isClient) return true;
  if (!t.isRelayMode()) return false;
  // In relay mode the lowest client seat leads; the search stops at the own seat.
  for (int s = 1; s <= 7 && s != t.ownSeat; ++s)
    if (t.seats[s].state == 1) return false;
  return true;
}

int toWireAction(int kind) { return kind >= 0 && kind <= 6 ? kind + 1 : 0; }

int fromWireAction(int32_t wire) { return wire >= 1 && wire <= 7 ? wire - 1 : 7; }

std::string encodeHandText(const THand& hand) {
  const int n = handUsed(hand);
  char count[4];
  std::snprintf(count, sizeof count, "%03d", n);
  std::string text(count);
  for (int i = 1; i <= n; i++) {
    const TCard& c = hand.k[i];
    text += static_cast<char>(c.f * 15 + c.t);
    text += static_cast<char>(c.hi & 0xff);
  }
  return text;
}

bool decodeHandText(const std::string& text, THand& hand) {
  if (text.size() < 3 || !std::all_of(text.begin(), text.begin() + 3, [](char ch) { return ch >= '0' && ch <= '9'; })) {
    trace("Kartentext verworfen: keine Anzahl");
    return false;
  }
  const int n = std::stoi(text.substr(0, 3));
  if (n > handCapacity || text.size() < size_t(3 + 2 * n)) {
    trace("Kartentext verworfen: " + std::to_string(n) + " Karten in " + std::to_string(text.size()) + " Zeichen");
    return false;
  }
  THand cards = hand;
  for (int i = 1; i <= n; i++) {
    const int code = static_cast<uint8_t>(text[2 * i + 1]);
    const int suit = code / 15, rank = code % 15;
    if (suit < 1 || suit > 4 || rank < 1) {
      trace("Kartentext verworfen: Kartencode " + std::to_string(code));
      return false;
    }
    cards.k[i] = TCard{int8_t(rank), int8_t(suit), int16_t(static_cast<uint8_t>(text[2 * i + 2]))};
  }
  cards.anz = int16_t(n);
  hand = cards;
  return true;
}

bool isSeatPlayable(int32_t seat) {
  return seat >= 1 && seat <= playerCount && !(isNetGame() && netTransport.isSeatLost(seat, false, false));
}

namespace {
// Network and local seats differ by the own seat, wrapped into 1..playerCount.
int32_t wrapSeat(int32_t seat) {
  if (seat < 1) seat += playerCount;
  if (seat > playerCount) seat -= playerCount;
  return seat;
}
}  // namespace

int32_t netSeatToLocal(int32_t seat) {
  return isNetActive() ? wrapSeat(seat - netTransport.ownSeat + 1) : seat;
}

int32_t localSeatToNet(int32_t seat) {
  return isNetActive() ? wrapSeat(seat + netTransport.ownSeat - 1) : seat;
}

bool hasHumanNetSeat() {
  if (!isNetGame()) return false;
  for (int s = 1; s <= 8; ++s)
    if (s != netTransport.ownSeat && (netTransport.seats[s].state == 1 || netTransport.seats[s].state == 2)) return true;
  return false;
}

bool isNetActive() { return isNetGame() || netTransport.gameEnded; }

void openChatInput() { logNotAvailable("openChatInput"); }

// The transport over real loopback sockets: a host and clients in one process, each machine
// on its own 127.0.0.x, each case on its own port.
#include <gtest/gtest.h>

#include "core/cg.h"
#include "platform/tick.h"
#include "tests/net/net_machine.h"

TEST(NetSockets, HostAndTwoClientsExchangeChatAndMovesInOrder) {
  const uint16_t port = 42611;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert"), b("127.0.0.3", port, "Carl");
  h.host();
  a.join();
  b.join();
  EXPECT_EQ(a.t->ownSeat, 2);
  EXPECT_EQ(b.t->ownSeat, 3);
  EXPECT_EQ(h.t->seats[2].substitute, 1);
  EXPECT_EQ(h.t->seats[3].substitute, 0);
  EXPECT_EQ(h.t->seats[2].socket->conn->peerAddress(), "127.0.0.2");

  a.t->sendChat("Hallo");
  ASSERT_TRUE(pumpUntil([&] { return h.chat.size() == 1; }));
  h.t->sendChat("Servus");
  ASSERT_TRUE(pumpUntil([&] { return a.chat.size() == 2 && b.chat.size() == 2; }));
  const std::vector<std::string> seen{"Bert: Hallo", "Anna: Servus"};
  EXPECT_EQ(a.chat, seen);  // a client sees its own line when the host relays it back
  EXPECT_EQ(b.chat, seen);
  EXPECT_EQ(h.chat, seen);

  // Seat 2 moves three times; the host takes them at seat 2's turn and only then relays.
  for (int m = 1; m <= 3; ++m) a.t->sendMove(0, m, 0);
  pumpFor(50);
  h.toAct = 3;
  EXPECT_TRUE(h.takeMoves().empty());  // not seat 2's turn yet
  EXPECT_TRUE(b.takeMoves().empty());
  h.toAct = 2;
  EXPECT_EQ(h.takeMoves(), (std::vector<int32_t>{1, 2, 3}));
  h.t->sendMove(0, 4, 0);
  ASSERT_TRUE(pumpUntil([&] { return b.t->queueHasItems(b.t->moveQueue) && b.t->moveQueue.items.size() == 4; }));
  pumpUntil([&] { return a.t->moveQueue.items.size() == 1; }, 500);
  EXPECT_EQ(b.takeMoves(), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(a.takeMoves(), (std::vector<int32_t>{4}));  // its own moves do not come back
}

TEST(NetSockets, RecordSentByteByByteArrivesWhole) {
  const uint16_t port = 42612;
  Machine h("127.0.0.1", port, "Anna");
  h.host();
  auto raw = netConnect("127.0.0.1", port, "127.0.0.4");
  ASSERT_TRUE(raw);
  ASSERT_TRUE(pumpUntil([&] { return raw->isConnected(); }));
  const auto bytes = wireOf(joinRequest());
  for (uint8_t byte : bytes) {
    raw->write(&byte, 1);
    pumpFor(1);
  }
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].state == 1; }));
  EXPECT_EQ(h.t->seats[2].name.str(), "Fremder");
  // The newcomer hears _UNIINFO first, then its JOINRESP.
  ASSERT_TRUE(pumpUntil([&] { return raw->available() >= 2 * size_t(kNetMessageSize); }));
  uint8_t buf[400];
  int32_t fill = 0;
  TNetMessage r;
  ASSERT_EQ(readMessageRecord(buf, fill, *raw, r), 1);
  EXPECT_EQ(r.subKind, _UNIINFO);
  ASSERT_EQ(readMessageRecord(buf, fill, *raw, r), 1);
  EXPECT_EQ(r.kind, JOINRESP);
  EXPECT_EQ(r.seatBytes[0], 2);
  EXPECT_EQ(r.text.str(), "Teilnahme erfolgreich, Spielernr.:2");
  raw->close();
}

TEST(NetSockets, HostileClientLeavesTheHostServingTheOthers) {
  const uint16_t port = 42613;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.host();
  a.join();
  h.t->sendGameStart(0);
  ASSERT_TRUE(pumpUntil([&] { return a.t->phase == 2; }));
  h.t->reconnectKind = 1;  // a wait lets a newcomer take a seat during the game
  h.t->seats[3].state = 4;
  TraceLines traces;
  auto raw = netConnect("127.0.0.1", port, "127.0.0.5");
  ASSERT_TRUE(pumpUntil([&] { return raw->isConnected(); }));
  auto sendRaw = [&](TNetMessage r) {
    const auto b = wireOf(r);
    raw->write(b.data(), b.size());
  };
  // Seatless: only JOINREQ is taken.
  TNetMessage chat;
  initMessageRecord(chat);
  chat.kind = CHATMSG;
  chat.routing = routeToHost;
  chat.text = "ohne Platz";
  sendRaw(chat);
  TNetMessage rejoin = joinRequest();
  rejoin.seatBytes[0] = 3;
  rejoin.seatFlags[0] = 1;
  sendRaw(rejoin);
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[3].state == 1; }));
  h.t->reconnectKind = 0;
  a.t->seats[3].state = 1;  // as the rules string would tell it

  struct Hostile {
    uint8_t kind, subKind;
    int32_t valueA;
    int8_t seat0;
  } hostile[] = {
      {JOINREQ, 0, 0, 2},                 // a second seat for one connection
      {INFOPUSH, _KICK, 1, 0},            // sending the host away
      {INFOPUSH, _SPIELINFO, 0, 0},       // rewriting the rules
      {INFOPUSH, _STAPEL, 2, 0},          // rewriting cards
      {INFOPUSH, _PLAYERINFO, 0, 2},      // speaking for seat 2
      {SYNCHRONIZE, _STATE, 2, 0},        // a sync of seat 2
      {CHATMSG, 2, 0, 2},                 // game chat of seat 2
      {STATUSPUSH, _DISCONECT, 2, 0},     // announcing seat 2 gone
      {JOINRESP, 1, 0, 2},
      {INFOPUSH, _TL, 9999, 3},           // malformed time
      {12, 0, 0, 0},                      // malformed kind
  };
  for (const Hostile& x : hostile) {
    TNetMessage r;
    initMessageRecord(r);
    r.kind = x.kind;
    r.subKind = x.subKind;
    r.valueA = x.valueA;
    r.seatBytes[0] = x.seat0;
    r.routing = routeToHost;
    sendRaw(r);
  }
  TNetMessage notice = chat;  // a server's notice is no client's to send
  notice.magic = 12343;
  sendRaw(notice);
  // Moves out of turn: seat 3 is not to act.
  for (int m = 1; m <= 5; ++m) {
    TNetMessage r;
    initMessageRecord(r);
    r.kind = CGINPUT;
    r.subKind = 1;
    r.valueA = 100 + m;
    r.routing = routeToHost;
    sendRaw(r);
  }
  h.toAct = 2;
  pumpUntil([&] { return traces.count("Msg verworfen") >= 13; });
  EXPECT_EQ(traces.count("Msg verworfen"), 13) << "one trace line per refused record";
  // Garbage: the stream is out of step, the connection is closed as a closed one.
  std::vector<uint8_t> garbage(kNetMessageSize, 0x5A);
  raw->write(garbage.data(), garbage.size());
  ASSERT_TRUE(pumpUntil([&] { return traces.count("Fehlerhafte Msg empfangen: ") == 1; }));
  EXPECT_TRUE(h.takeMoves().empty()) << "nothing replayed for another seat";
  EXPECT_TRUE(a.t->moveQueue.items.empty());
  EXPECT_EQ(h.t->seats[1].state, 2);
  EXPECT_EQ(h.t->seats[2].state, 1);
  EXPECT_TRUE(h.t->isHost);
  EXPECT_TRUE(h.errors.empty());
  EXPECT_TRUE(a.errors.empty());
  EXPECT_EQ(h.t->seats[3].state, 4) << "the closed connection's seat is played by the computer";
  ASSERT_TRUE(pumpUntil([&] { return a.t->seats[3].state == 4; })) << "and announced";

  // The host still serves seat 2.
  a.t->sendMove(0, 7, 0);
  ASSERT_TRUE(pumpUntil([&] { return h.t->hasInput(); }));
  EXPECT_EQ(h.takeMoves(), std::vector<int32_t>{7});
  raw->close();
}

TEST(NetSockets, SeatlessNewcomersAssembleInTheirOwnBuffers) {
  const uint16_t port = 42614;
  Machine h("127.0.0.1", port, "Anna");
  h.host();
  auto x = netConnect("127.0.0.1", port, "127.0.0.6");
  auto y = netConnect("127.0.0.1", port, "127.0.0.7");
  ASSERT_TRUE(pumpUntil([&] { return x->isConnected() && y->isConnected(); }));
  const auto bytes = wireOf(joinRequest());
  // Interleaved halves: one shared buffer would mix them into two broken records.
  x->write(bytes.data(), 100);
  pumpFor(20);
  y->write(bytes.data(), 100);
  pumpFor(20);
  x->write(bytes.data() + 100, bytes.size() - 100);
  pumpFor(20);
  y->write(bytes.data() + 100, bytes.size() - 100);
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].state == 1 && h.t->seats[3].state == 1; }));
  x->close();
  y->close();
}

TEST(NetSockets, ClientThatStopsReadingIsClosedWhileTheOtherGetsEveryRecord) {
  const uint16_t port = 42615;
  useFakeTick(0xFFFFFFFFu - 1000);  // the stall is measured across the tick's wrap
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.host();
  a.join();
  auto raw = netConnect("127.0.0.1", port, "127.0.0.8");
  ASSERT_TRUE(pumpUntil([&] { return raw->isConnected(); }));
  const auto req = wireOf(joinRequest());
  raw->write(req.data(), req.size());
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[3].state == 1; }));
  raw->onRead = [] {};  // reads nothing: its buffers fill up
  h.t->sendGameStart(0);
  ASSERT_TRUE(pumpUntil([&] { return a.t->phase == 2; }));
  // Turn-clock announcements to everybody until the silent reader's queue is long: its
  // system buffers are full by then.
  size_t sent = 0;
  for (; sent < 200000 && h.t->seats[3].socket && h.t->seats[3].socket->conn->queuedBytes() < 2000000; ++sent) {
    h.t->sendTimeLeft(1, 100);
    if (sent % 200 == 0) {
      netPoll();
      a.t->clearEvents();
    }
  }
  ASSERT_GT(h.t->seats[3].socket->conn->queuedBytes(), 0u);
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].socket->conn->queuedBytes() == 0; }, 10000));
  advanceFakeTick(h.t->settings.writeStallMs);
  h.t->tick();
  EXPECT_LT(getTickCount(), 10000u);
  EXPECT_EQ(h.t->seats[3].state, 4);
  EXPECT_EQ(h.t->seats[2].state, 1);
  // Client a gets every record: count the _TL events (27) it raised.
  ASSERT_TRUE(pumpUntil([&] {
    return std::count(a.events.begin(), a.events.end(), 27) == static_cast<long>(sent);
  }, 10000));
  raw->close();
  useFakeTick(1000);
}

TEST(NetSockets, JoinRefusalsEndTheClientWithTheirErrors) {
  struct Case {
    const char* what;
    uint16_t port;
    const char* hostTag;
    const char* seats;  // the host's seats 1..8
    int32_t phase;
    int error;
  } cases[] = {
      {"a table of another game", 42631, "canas", "23333333", 1, 3},
      {"no seat free", 42632, "skata", "21155555", 1, 2},
      {"game already running", 42633, "skata", "23333333", 2, 4},
  };
  for (const Case& c : cases) {
    Machine h("127.0.0.1", c.port, "Anna"), a("127.0.0.2", c.port, "Bert");
    h.host();
    h.t->hooks.gameTag = [&] { return std::string(c.hostTag); };
    for (int s = 1; s <= 8; ++s) h.t->seats[s].state = static_cast<uint8_t>(c.seats[s - 1] - '0');
    h.t->phase = c.phase;
    ASSERT_TRUE(a.t->connectAsClient(c.port, "127.0.0.1", false));
    ASSERT_TRUE(pumpUntil([&] { return !a.errors.empty(); })) << c.what;
    EXPECT_EQ(a.errors, std::vector<int>{c.error}) << c.what;
    EXPECT_FALSE(a.t->isClient) << c.what;
    EXPECT_EQ(a.t->ownSeat, 0) << c.what;
  }
}

TEST(NetSockets, RecordsBeforeTheGrantFollowItInOrder) {
  const uint16_t port = 42634;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.host();
  ASSERT_TRUE(a.t->connectAsClient(port, "127.0.0.1", false));
  a.t->sendChat("eins");  // the connection is not even up yet
  a.t->sendChat("zwei");
  ASSERT_TRUE(pumpUntil([&] { return h.chat.size() == 2; }));
  EXPECT_EQ(h.chat, (std::vector<std::string>{"Bert: eins", "Bert: zwei"}));
  EXPECT_EQ(a.t->ownSeat, 2);
}

TEST(NetSockets, HostClosingItsConnectionsFreesTheSeats) {
  const uint16_t port = 42635;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.mirrorSeats();
  a.mirrorSeats();
  h.host();
  a.join();
  EXPECT_FALSE(h.t->sendChat("/1"));
  EXPECT_EQ(h.t->seats[2].state, 3) << "a closed connection in the waiting room opens its seat";
  EXPECT_TRUE(h.t->hostLinks().empty());
  // The host is gone for the client, the table is not: its substitute takes it over.
  ASSERT_TRUE(pumpUntil([&] { return a.t->isHost; }));
  EXPECT_FALSE(a.t->isClient);
  EXPECT_TRUE(a.errors.empty());
}

TEST(NetSockets, ClientShowsServerNoticesAndLeavesAStreamOutOfStep) {
  const uint16_t port = 42636;
  auto l = netListen("127.0.0.1", port);
  ASSERT_TRUE(l);
  NetConnectionPtr host;
  l->onAccept = [&](NetConnectionPtr c) { host = c; };
  Machine a("127.0.0.2", port, "Bert");
  std::vector<std::string> notices;
  a.t->hooks.showNotice = [&](const std::string& t) { notices.push_back(t); };
  ASSERT_TRUE(a.t->connectAsClient(port, "127.0.0.1", false));
  ASSERT_TRUE(pumpUntil([&] { return host && host->available() >= size_t(kNetMessageSize); }));
  uint8_t buf[400];
  int32_t fill = 0;
  TNetMessage req;
  ASSERT_EQ(readMessageRecord(buf, fill, *host, req), 1);
  EXPECT_EQ(req.kind, JOINREQ);
  EXPECT_EQ(req.routing, routeToHost);
  EXPECT_EQ(req.text.str(), "Bert");
  EXPECT_EQ(req.sender.str(), "skata");
  EXPECT_EQ(req.seatBytes[0], 0) << "any seat";
  EXPECT_EQ(req.seatBytes[3], 1) << "the language column";
  EXPECT_EQ(req.seatFlags[0], 0) << "no rejoin in the waiting room";
  auto sendRecord = [&](TNetMessage r) {
    const auto b = wireOf(r);
    host->write(b.data(), b.size());
  };
  TNetMessage grant;
  initMessageRecord(grant);
  grant.kind = JOINRESP;
  grant.subKind = 1;
  grant.routing = routeOne;
  grant.seatBytes[0] = 4;
  grant.sender = "skata";
  sendRecord(grant);
  ASSERT_TRUE(pumpUntil([&] { return a.t->ownSeat == 4; }));

  TNetMessage notice;
  initMessageRecord(notice);
  notice.magic = 12343;
  notice.kind = CHATMSG;
  notice.routing = routeAll;
  notice.text = "Wartung um 22 Uhr";
  notice.sender = "Server";
  sendRecord(notice);
  ASSERT_TRUE(pumpUntil([&] { return a.chat.size() == 1; }));
  EXPECT_EQ(notices, std::vector<std::string>{"Wartung um 22 Uhr Server"});
  EXPECT_EQ(a.chat[0], "Server: Wartung um 22 Uhr") << "then handled by its kind";

  TraceLines traces;
  TNetMessage shifted = notice;
  shifted.magic = 4711;
  sendRecord(shifted);
  ASSERT_TRUE(pumpUntil([&] { return !a.t->isClient; }));
  EXPECT_EQ(traces.count("Fehlerhafte Msg empfangen: "), 1);
  EXPECT_EQ(a.chat.size(), 1u) << "not dispatched";
  EXPECT_TRUE(a.errors.empty()) << "a connection error, no takeover";
  EXPECT_EQ(a.events.back(), 14);
}

TEST(NetSockets, MoveQueueOverflowClosesOnlyThatConnection) {
  const uint16_t port = 42637;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.host();
  a.join();
  h.toAct = 1;  // the host's own turn: nobody else's moves are taken
  for (int m = 1; m <= kQueueCapacity; ++m) a.t->sendMove(0, m, 0);
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].socket && h.t->seats[2].socket->moves.size() == size_t(kQueueCapacity); }));
  TraceLines traces;
  a.t->sendMove(0, 41, 0);
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].state == 3; }));
  EXPECT_EQ(traces.count("Verbindung geschlossen: zu viele Züge"), 1);
  EXPECT_TRUE(h.errors.empty()) << "no error box at the host";
}

TEST(NetSockets, BytesAloneRenewASeatsLastTick) {
  const uint16_t port = 42638;
  Machine h("127.0.0.1", port, "Anna");
  h.host();
  auto raw = netConnect("127.0.0.1", port, "127.0.0.11");
  ASSERT_TRUE(raw);
  ASSERT_TRUE(pumpUntil([&] { return raw->isConnected(); }));
  const auto req = wireOf(joinRequest());
  raw->write(req.data(), req.size());
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].state == 1; }));
  advanceFakeTick(20000);
  const uint32_t now = getTickCount();
  EXPECT_NE(h.t->seats[2].lastTick, now);
  raw->write(req.data(), 10);  // the start of a record, nothing whole
  ASSERT_TRUE(pumpUntil([&] { return h.t->seats[2].lastTick == now; }));
  raw->close();
}

TEST(NetSockets, SelectionMovesCarryTheirCards) {
  const uint16_t port = 42616;
  Machine h("127.0.0.1", port, "Anna"), a("127.0.0.2", port, "Bert");
  h.host();
  a.join();
  THand& sel = cg.gs.bl.selhand;
  const THand before = sel;
  sel.anz = 2;
  sel.k[1] = TCard{3, 2, 5};
  sel.k[2] = TCard{8, 4, 9};
  ASSERT_TRUE(a.t->sendMove(1, 0, 0));
  sel.anz = 91;  // one card more than a record's text holds
  EXPECT_FALSE(a.t->sendMove(1, 0, 0)) << "a cut selection would replay other cards";
  sel = before;
  h.toAct = 2;
  TNetMove m;
  ASSERT_TRUE(pumpUntil([&] { return h.t->popInput(m); }));
  EXPECT_EQ(fromWireAction(m.wireAction), 1);
  THand got{};
  ASSERT_TRUE(decodeHandText(m.cardText, got));
  ASSERT_EQ(got.anz, 2);
  EXPECT_TRUE(cardsIdentical(got.k[2], TCard{8, 4, 9}));
  pumpFor(50);
  EXPECT_FALSE(h.t->popInput(m)) << "the refused selection never left";
}

TEST(NetSockets, PrivateKeyTagStaysOffTableRecords) {
  for (const bool relay : {false, true}) {
    const uint16_t port = relay ? 42641 : 42640;
    auto l = netListen("127.0.0.1", port);
    ASSERT_TRUE(l);
    NetConnectionPtr host;
    l->onAccept = [&](NetConnectionPtr c) { host = c; };
    Machine a("127.0.0.2", port, "Bert<geheim    >");
    a.t->hooks.isPrivateLobby = [] { return true; };
    a.t->hooks.isRelayMode = [relay] { return relay; };
    ASSERT_TRUE(a.t->connectAsClient(port, "127.0.0.1", false));
    ASSERT_TRUE(pumpUntil([&] { return host && host->available() >= size_t(kNetMessageSize); }));
    uint8_t buf[400];
    int32_t fill = 0;
    TNetMessage req;
    ASSERT_EQ(readMessageRecord(buf, fill, *host, req), 1);
    EXPECT_EQ(req.text.str(), relay ? "Bert<geheim    >" : "Bert") << "only a relay sees the key";
  }
  // Chat and player records carry the same name as the join request.
  const std::pair<const char*, const char*> names[] = {
      {"Bert<geheim    >", "Bert"}, {"Bert<geheim", "Bert"}, {"Bert", "Bert"}};
  for (auto& [own, sent] : names) {
    TNetz t;
    t.ownName = own;
    t.hooks.isPrivateLobby = [] { return true; };
    EXPECT_EQ(t.untaggedOwnName(), sent) << own;
  }
}

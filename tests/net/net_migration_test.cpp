// Watchdogs and host migration over real loopback sockets, with the fake tick standing in
// for the Part's long silences.
#include <gtest/gtest.h>

#include "platform/tick.h"
#include "tests/net/net_machine.h"

namespace {

// Host on 127.0.0.1 and clients on .2 and .3 that mirror its seats, the game running.
struct Table {
  explicit Table(uint16_t port)
      : h(std::make_unique<Machine>("127.0.0.1", port, "Anna")), a("127.0.0.2", port, "Bert"), b("127.0.0.3", port, "Carl") {
    useFakeTick(5000);
    for (Machine* m : {h.get(), &a, &b}) m->mirrorSeats();
    h->host();
    a.join();
    b.join();
    a.t->sendPlayerInfo(false, 0);
    b.t->sendPlayerInfo(false, 0);
    EXPECT_TRUE(pumpUntil([&] {
      return b.t->seats[2].address.str() == "127.0.0.2" && a.t->seats[2].substitute == 1 && b.t->seats[2].substitute == 1;
    }));
  }
  void startGame() {
    h->t->sendGameStart(0);
    ASSERT_TRUE(pumpUntil([&] { return a.t->phase == 2 && b.t->phase == 2; }));
  }
  std::unique_ptr<Machine> h;
  Machine a, b;
};

size_t countKind(NetConnection& c, uint8_t* buf, int32_t& fill, uint8_t kind) {
  size_t n = 0;
  TNetMessage r;
  while (c.available() > 0)
    if (readMessageRecord(buf, fill, c, r) == 1 && r.kind == kind) ++n;
  return n;
}

}  // namespace

TEST(NetMigration, SilentClientIsDroppedAndAnnouncedWhileARefreshingOneStays) {
  Table t(42641);
  t.startGame();
  for (int step = 1; step <= 6; ++step) {
    advanceFakeTick(5000);
    t.b.t->tick();  // b sends REFRESH after 5 s without sending; a says nothing
    ASSERT_TRUE(pumpUntil([&] { return t.h->t->seats[3].lastTick == getTickCount(); })) << step;
    t.h->t->tick();
    EXPECT_EQ(t.h->t->seats[2].state, step < 6 ? 1 : 4) << "after " << step * 5 << " s";
  }
  EXPECT_TRUE(t.h->logged("Verbindung mit Bert GEKICKT, seit 30 sec. keine Nachricht."));
  EXPECT_EQ(t.h->t->seats[3].state, 1);
  ASSERT_TRUE(pumpUntil([&] { return t.b.t->seats[2].state == 4; })) << "announced with _DISCONECT";
  EXPECT_EQ(t.b.t->seats[3].substitute, 1) << "the next client seat becomes the substitute";
}

TEST(NetMigration, ClientRefreshesEveryFiveSecondsAndCountsASilentHostLost) {
  const uint16_t port = 42642;
  useFakeTick(5000);
  auto l = netListen("127.0.0.1", port);
  ASSERT_TRUE(l);
  NetConnectionPtr host;
  l->onAccept = [&](NetConnectionPtr c) { host = c; };
  Machine a("127.0.0.2", port, "Bert");
  ASSERT_TRUE(a.t->connectAsClient(port, "127.0.0.1", false));
  ASSERT_TRUE(pumpUntil([&] { return host && host->available() >= size_t(kNetMessageSize); }));
  uint8_t buf[400];
  int32_t fill = 0;
  EXPECT_EQ(countKind(*host, buf, fill, JOINREQ), 1u);
  TNetMessage grant;
  initMessageRecord(grant);
  grant.kind = JOINRESP;
  grant.subKind = 1;
  grant.routing = routeOne;
  grant.seatBytes[0] = 2;
  grant.sender = "skata";
  const auto bytes = wireOf(grant);
  host->write(bytes.data(), bytes.size());
  ASSERT_TRUE(pumpUntil([&] { return a.t->ownSeat == 2; }));
  a.t->seats[2].lastTick = getTickCount();
  struct Step {
    uint32_t advance;
    size_t refreshes;  // REFRESH records the host has read so far
  } steps[] = {{4999, 0}, {1, 1}, {4999, 1}, {1, 2}, {5000, 3}};
  size_t seen = 0;
  for (const Step& s : steps) {
    advanceFakeTick(s.advance);
    a.t->tick();
    pumpFor(30);
    seen += countKind(*host, buf, fill, REFRESH);
    EXPECT_EQ(seen, s.refreshes) << "after +" << s.advance;
  }
  EXPECT_TRUE(a.t->isClient);
  advanceFakeTick(30000 - 15000);  // 30 s since the host's last bytes
  a.t->tick();
  EXPECT_TRUE(a.logged("c_disconnect:try reconnect to ersatz."));
  // No substitute is known here: the table is gone with error 6.
  advanceFakeTick(3000);
  a.t->tick();
  EXPECT_EQ(a.errors, std::vector<int>{6});
  EXPECT_FALSE(a.t->isClient);
}

TEST(NetMigration, HostIdleTowardsAClientSendsItRefresh) {
  Table t(42643);
  auto& link = t.h->t->seats[2].socket;
  ASSERT_TRUE(link);
  t.h->t->tick();
  const uint32_t before = link->lastSent;
  advanceFakeTick(5000);
  t.h->t->tick();
  EXPECT_EQ(link->lastSent, getTickCount());
  EXPECT_NE(link->lastSent, before);
  ASSERT_TRUE(pumpUntil([&] { return t.a.t->hostLink()->lastHeard == getTickCount(); }));
  EXPECT_TRUE(t.a.t->isClient) << "REFRESH is ignored by its receiver";
}

TEST(NetMigration, HostLostDuringAGameSubstituteHostsAndTheOtherRejoins) {
  Table t(42644);
  t.startGame();
  t.h.reset();  // the host's machine is gone
  ASSERT_TRUE(pumpUntil([&] { return t.a.t->isHost && t.b.t->getReconnectKind() == 2; }));
  EXPECT_TRUE(t.a.logged("create ERSATZHOST erfolgreich"));
  EXPECT_EQ(t.a.t->getReconnectKind(), 1);
  EXPECT_EQ(t.a.t->seats[1].state, 4) << "the old host's seat is played by the computer";
  EXPECT_EQ(t.a.t->seats[3].state, 4) << "lost until it comes back";
  // Records of the wait: cached on both sides, sent in order after it.
  t.a.t->sendMove(0, 5, 0);
  t.b.t->sendChat("eins");
  t.b.t->sendChat("zwei");
  t.b.t->sendMove(0, 7, 0);
  advanceFakeTick(2999);
  t.b.t->tick();
  EXPECT_EQ(t.b.t->getReconnectKind(), 2);
  advanceFakeTick(1);
  t.b.t->tick();
  ASSERT_TRUE(pumpUntil([&] { return t.b.t->ownSeat == 3 && t.a.t->seats[3].state == 1 && t.a.t->seats[3].messageCount == 2; }));
  EXPECT_EQ(t.a.t->seats[3].messageLines[1].str(), "zwei");
  EXPECT_EQ(t.a.t->seats[3].messageLines[2].str(), "eins");
  EXPECT_EQ(t.b.t->seats[2].state, 2) << "the substitute's seat is the host's now";
  EXPECT_EQ(t.b.t->seats[1].state, 4);
  t.a.toAct = 3;
  EXPECT_EQ(t.a.takeMoves(), std::vector<int32_t>{7});
  // Every seat is back: the wait, cut to 2 s from its start, ends at the next tick.
  t.a.t->tick();
  EXPECT_EQ(t.a.t->getReconnectKind(), 0);
  t.a.t->sendMove(0, 6, 0);
  ASSERT_TRUE(pumpUntil([&] { return t.b.t->moveQueue.items.size() == 2; }));
  EXPECT_EQ(t.b.takeMoves(), (std::vector<int32_t>{5, 6}));
  EXPECT_TRUE(t.a.errors.empty());
  EXPECT_TRUE(t.b.errors.empty());
}

TEST(NetMigration, HostLostInTheWaitingRoomSubstituteWaitsOneSecond) {
  Table t(42645);
  t.h.reset();
  ASSERT_TRUE(pumpUntil([&] { return t.a.t->isHost; }));
  EXPECT_EQ(t.a.t->phase, 1);
  EXPECT_EQ(t.a.t->seats[1].state, 3) << "the old host's seat is open again";
  t.a.t->tick();
  EXPECT_EQ(t.a.t->statusText, "Warten.. 1000)");
  advanceFakeTick(999);
  t.a.t->tick();
  EXPECT_EQ(t.a.t->getReconnectKind(), 1);
  advanceFakeTick(1);
  t.a.t->tick();
  EXPECT_EQ(t.a.t->getReconnectKind(), 0);
  EXPECT_EQ(t.a.t->statusText, "x");
}

TEST(NetMigration, SubstituteThatCannotListenLeavesAndTheOthersGiveUpAfterTwelveSeconds) {
  const uint16_t port = 42646;
  Table t(port);
  t.startGame();
  auto blocker = netListen("127.0.0.2", port);  // the substitute's port is taken
  ASSERT_TRUE(blocker);
  int attempts = 0;
  blocker->onAccept = [&](NetConnectionPtr c) {
    ++attempts;
    c->close();
  };
  t.h.reset();
  ASSERT_TRUE(pumpUntil([&] { return !t.a.errors.empty() && t.b.t->getReconnectKind() == 2; }));
  EXPECT_EQ(t.a.errors, std::vector<int>{6});
  EXPECT_TRUE(t.a.logged("create ERSATZHOST fehlgeschlagen"));
  EXPECT_FALSE(t.a.t->isHost || t.a.t->isClient);
  uint32_t waited = 0;
  while (t.b.errors.empty() && waited < 20000) {
    advanceFakeTick(250);
    waited += 250;
    t.b.t->tick();
    pumpFor(3);
  }
  EXPECT_EQ(t.b.errors, std::vector<int>{6});
  EXPECT_GE(waited, 3000u + 12000u);
  EXPECT_LE(waited, 3000u + 12250u);
  EXPECT_GE(attempts, 10) << "a refused or closed connect is tried again each second";
  EXPECT_LE(attempts, 13);
  EXPECT_FALSE(t.b.t->isClient);
}

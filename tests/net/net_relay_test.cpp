// Lobby requests through a relay host, against our fake relay on loopback.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "net/net_relay.h"
#include "tests/net/net_machine.h"
#include "tools/nettable/fake_relay.h"

namespace {

// Polls the relay (and the sockets) on this thread until done() or the time is up.
template <class F>
bool serveUntil(FakeRelay& relay, F done, int ms = 5000) {
  return pumpUntil([&] {
    relay.pump();
    return done();
  }, ms);
}

// One request on a worker thread while this thread serves; the request slot's outcome.
void requestWhileServing(FakeRelay& relay, TPseudoNMHttp& http, const std::string& url) {
  std::thread worker([&] { http.get(url, "Bert", "skata"); });
  serveUntil(relay, [&] { return http.finished(); }, 10000);
  worker.join();
}

}  // namespace

TEST(NetRelay, ParseLobbyUrl) {
  struct Case {
    const char* url;
    bool hostOnly;
    bool ok;
    uint8_t command;
    const char* text;
    int8_t local;
  } cases[] = {
      {"relay.example?ACTION=get_gamelist&PARAM1=7&LOCAL=1", false, true, 3, "7", 1},
      {"relay.example?ACTION=get_gamelist&PARAM1=7&LOCAL=1", true, true, 3, "relay.example", 1},
      {"h?action=GET_STATE2&local=12", false, true, 12, "", 0},
      {"h?action=ADDSERVER&local=a", false, true, 11, "", 0},
      {"h?action=JUMP&param1=x", false, true, 0, "x", 0},
      {"h?Action=reboot", false, true, 9, "", 0},
      {"h", false, true, 0, "", 0},
      {"h?a=1&b=2&c=3&d=4&e=5&f=6", false, true, 0, "", 0},
      {"h?a=1&b=2&c=3&d=4&e=5&f=6&g=7", false, false, 0, "", 0},
  };
  for (const Case& c : cases) {
    TNetMessage r;
    EXPECT_EQ(parseLobbyUrl(c.url, c.hostOnly, r), c.ok) << c.url;
    if (!c.ok) continue;
    EXPECT_EQ(r.subKind, c.command) << c.url;
    EXPECT_EQ(r.text.str(), c.text) << c.url;
    EXPECT_EQ(r.seatBytes[3], c.local) << c.url;
    EXPECT_EQ(r.magic, kMagic);
    EXPECT_EQ(r.routing, routeInitial);
  }
}

TEST(NetRelay, TakeToken) {
  struct Case {
    const char* source;
    const char* token;
    const char* rest;
  } cases[] = {{"a=b", "a", "b"}, {"=b", "", "b"}, {"ab", "ab", ""}, {"a=", "a", ""}, {"a=b=c", "a", "b=c"}};
  for (const Case& c : cases) {
    std::string source = c.source, token;
    takeToken('=', source, token);
    EXPECT_EQ(token, c.token) << c.source;
    EXPECT_EQ(source, c.rest) << c.source;
  }
}

TEST(NetRelay, AnswersWholeInPiecesAndBroken) {
  struct Case {
    const char* what;
    uint16_t port;
    size_t pieces;
    bool withEnd;
    bool badMagic;
    std::vector<std::string> entries;
    const char* reply;
    bool done, failed;
  } cases[] = {
      {"three entries and END 1", 42651, 0, true, false, {"first", "second", "third"}, "1|first#second#third", true, false},
      {"in 100-byte pieces", 42652, 100, true, false, {"first", "second", "third"}, "1|first#second#third", true, false},
      {"a long entry continues in the sender field", 42653, 0, true, false, {std::string(184, 'x') + "tail"},
       "", true, false},
      {"no entries", 42654, 0, true, false, {}, "1|", true, false},
      {"no END: the time-out", 42655, 0, false, false, {"first"}, "", false, false},
      {"a bad magic value", 42656, 0, true, true, {"first"}, "", false, true},
  };
  for (const Case& c : cases) {
    FakeRelayReply reply{c.entries, 1, c.withEnd, c.badMagic, c.pieces};
    FakeRelay relay("127.0.0.1", c.port, reply);
    ASSERT_TRUE(relay.listening()) << c.what;
    TPseudoNMHttp http;
    http.port = c.port;
    http.timeoutMs = 400;  // 7,050 in the program
    http.bindAddress = "127.0.0.2";
    requestWhileServing(relay, http, "127.0.0.1?ACTION=get_gamelist&PARAM1=7&LOCAL=1");
    ASSERT_TRUE(http.finished()) << c.what;
    EXPECT_EQ(http.done(), c.done) << c.what;
    EXPECT_EQ(http.failed(), c.failed) << c.what;
    if (c.port == 42653) EXPECT_EQ(http.reply(), "1|" + std::string(184, 'x') + "tail") << c.what;
    else EXPECT_EQ(http.reply(), c.reply) << c.what;
    ASSERT_EQ(relay.requests.size(), 1u) << c.what;
    const TNetMessage& r = relay.requests[0];
    EXPECT_EQ(r.kind, RELAYREQUEST);
    EXPECT_EQ(r.subKind, 3);
    EXPECT_EQ(r.text.str(), "skata7");
    EXPECT_EQ(r.sender.str(), "Bert");
    EXPECT_EQ(r.seatBytes[3], 1);
  }
  EXPECT_EQ(TPseudoNMHttp().timeoutMs, 7050u);
}

TEST(NetRelay, ARefusedConnectionFails) {
  TPseudoNMHttp http;
  http.port = 42657;  // nobody listens
  http.get("127.0.0.1?ACTION=get_iP", "Bert", "skata");
  ASSERT_TRUE(http.finished());
  EXPECT_FALSE(http.done());
  EXPECT_TRUE(http.failed());
  http.get("h?a=1&b=2&c=3&d=4&e=5&f=6&g=7", "Bert", "skata");
  EXPECT_TRUE(http.failed()) << "more than six pairs";
}

TEST(NetRelay, ThreeExchangesOnThreeThreadsWhileTheMainThreadPolls) {
  FakeRelay relay("127.0.0.1", 42658, FakeRelayReply{{"first", "second", "third"}, 2, true, false, 100});
  ASSERT_TRUE(relay.listening());
  TPseudoNMHttp slots[3];
  std::vector<std::thread> workers;
  for (int i = 0; i < 3; ++i) {
    slots[i].port = 42658;
    slots[i].bindAddress = "127.0.0." + std::to_string(2 + i);
    workers.emplace_back([&, i] { slots[i].get("127.0.0.1?ACTION=get_roomlist&PARAM1=" + std::to_string(i), "Bert", "skata"); });
  }
  // The main thread reads the outcome only after each slot published it.
  EXPECT_TRUE(serveUntil(relay, [&] { return slots[0].finished() && slots[1].finished() && slots[2].finished(); }));
  for (auto& w : workers) w.join();
  for (auto& s : slots) {
    EXPECT_TRUE(s.done());
    EXPECT_EQ(s.reply(), "2|first#second#third");
  }
  EXPECT_EQ(relay.requests.size(), 3u);
}

TEST(NetRelay, TwoMachinesThroughTheHubLowestSeatLeadsAndTheHubsEndEndsTheTable) {
  const uint16_t port = 42659;
  auto hub = std::make_unique<FakeRelayHub>("127.0.0.1", port);
  ASSERT_TRUE(hub->listening());
  Machine a("127.0.0.2", port, "Bert"), b("127.0.0.3", port, "Carl");
  for (Machine* m : {&a, &b}) {
    m->mirrorSeats();
    m->t->hooks.isRelayMode = [] { return true; };
  }
  a.join();
  b.join();
  EXPECT_EQ(a.t->ownSeat, 1) << "seats in connection order";
  EXPECT_EQ(b.t->ownSeat, 2);
  ASSERT_TRUE(pumpUntil([&] { return b.t->seats[1].state == 1 && a.t->seats[2].state == 1; }));
  EXPECT_TRUE(isGameMaster(*a.t));
  EXPECT_FALSE(isGameMaster(*b.t));
  hub->transport().sendGameStart(0);
  ASSERT_TRUE(pumpUntil([&] { return a.t->phase == 2 && b.t->phase == 2; }));
  // The leading client's moves reach the other through the hub.
  a.t->sendMove(0, 3, 0);
  ASSERT_TRUE(pumpUntil([&] {
    hub->pump();
    return b.t->hasInput();
  }));
  EXPECT_EQ(b.takeMoves(), std::vector<int32_t>{3});
  hub.reset();
  ASSERT_TRUE(pumpUntil([&] { return !a.t->isClient && !b.t->isClient; }));
  for (Machine* m : {&a, &b}) {
    EXPECT_EQ(m->errors, std::vector<int>{1});
    EXPECT_EQ(m->count(m->events, 7), 1);
    EXPECT_FALSE(m->t->isHost) << "no takeover in relay mode";
  }
}

// LAN discovery on 127.255.255.255 and the TCP scan, each machine on its own 127.0.0.x.
#include <gtest/gtest.h>

#include <map>

#include "net/net_discovery.h"
#include "tests/net/net_machine.h"

namespace {

const std::string kRules = "11111111" "320221120520520520520520" "Abendrunde";

// A machine that searches: queries go to port, answers come back to port + 1.
struct Searcher : Machine {
  Searcher(const std::string& address, uint16_t port, const char* tag = "skata") : Machine(address, port, "Suse") {
    t->settings.udpAnswerPort = static_cast<uint16_t>(port + 1);
    t->settings.broadcastTargets = {"127.255.255.255"};
    t->hooks.gameTag = [tag] { return std::string(tag); };
    TNetDiscovery& d = *t->discovery;
    d.pumpOnce = [this] {
      netPoll();
      if (onPump) onPump();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    d.pumpFrames = [&d] {
      for (int i = 0; i < 5; ++i) d.pumpOnce();
    };
    d.formatRulesDescription = [](const std::string& rules) { return "Tisch " + rules.substr(32); };
  }
  std::vector<std::string> descriptions, addresses;
  std::function<void()> onPump;
};

std::vector<uint8_t> packet(uint8_t first, const std::string& bytes) {
  std::vector<uint8_t> p(bytes.size() + 1, first);
  std::copy(bytes.begin(), bytes.end(), p.begin() + 1);
  return p;
}

}  // namespace

TEST(NetDiscovery, HostAnswersItsGameTagOnly) {
  struct Case {
    const char* tag;
    size_t lines;
  } cases[] = {{"skata", 1}, {"canas", 0}};
  uint16_t port = 42661;
  for (const Case& c : cases) {
    Machine h("127.0.0.5", port, "Anna");
    h.mirrorSeats();
    h.host();
    Searcher s("127.0.0.6", port, c.tag);
    s.t->discovery->searchLanTables(s.descriptions, s.addresses, "", 600);
    ASSERT_EQ(s.descriptions.size(), c.lines) << c.tag;
    if (c.lines) {
      EXPECT_EQ(s.descriptions[0], "Tisch Tisch");
      EXPECT_EQ(s.addresses[0], "127.0.0.5") << "the host's own address";
    }
    EXPECT_FALSE(s.t->discovery->isRunning()) << "the search stops its listener";
    port += 2;
  }
}

TEST(NetDiscovery, PacketsThatAreNoTableChangeNothing) {
  const uint16_t port = 42665;
  Searcher s("127.0.0.6", port);
  auto raw = netOpenUdp("127.0.0.7", 0);
  ASSERT_TRUE(raw);
  const std::vector<std::vector<uint8_t>> packets = {
      {},                                          // empty
      packet(10, std::string(10, '1')),            // byte 0 neither 5 nor 21 or more
      packet(40, kRules.substr(0, 10)),            // shorter than announced
      packet(5, "skata"),                          // a query at a machine without a table
      packet(25, std::string(25, 'x')),            // not a rules string
      packet(40, kRules.substr(0, 40)),            // one table
  };
  bool sent = false;
  s.onPump = [&] {
    if (!sent)
      for (auto& p : packets) raw->sendTo("127.0.0.1", port + 1, p);
    sent = true;
  };
  s.t->discovery->searchLanTables(s.descriptions, s.addresses, "", 400);
  EXPECT_EQ(s.descriptions, std::vector<std::string>{"Tisch " + kRules.substr(32, 8)});
  EXPECT_EQ(s.addresses, std::vector<std::string>{"127.0.0.7"});
  EXPECT_FALSE(s.t->discovery->discoveryFailed);
}

TEST(NetDiscovery, NoSixtyFifthLine) {
  const uint16_t port = 42667;
  Searcher s("127.0.0.6", port);
  auto raw = netOpenUdp("127.0.0.8", 0);
  ASSERT_TRUE(raw);
  int sent = 0;
  s.onPump = [&] {
    for (; sent < 65; ++sent) raw->sendTo("127.0.0.1", port + 1, packet(uint8_t(kRules.size()), kRules));
  };
  s.t->discovery->searchLanTables(s.descriptions, s.addresses, "", 1000);
  EXPECT_EQ(s.descriptions.size(), 64u);
}

TEST(NetDiscovery, ScanListsWaitingRoomTablesOnly) {
  const uint16_t port = 42668;
  Machine waiting("127.0.0.21", port, "Anna"), playing("127.0.0.22", port, "Otto");
  for (Machine* m : {&waiting, &playing}) {
    m->mirrorSeats();
    m->host();
  }
  playing.t->phase = 2;
  // A host whose _UNIINFO arrives in three pieces.
  auto slow = netListen("127.0.0.23", port);
  ASSERT_TRUE(slow);
  std::vector<NetConnectionPtr> probes;
  slow->onAccept = [&](NetConnectionPtr c) { probes.push_back(c); };
  TNetMessage info;
  initMessageRecord(info);
  info.kind = INFOPUSH;
  info.subKind = _UNIINFO;
  info.seatBytes[0] = 1;
  info.text = kRules;
  const auto bytes = wireOf(info);
  Searcher s("127.0.0.30", port);
  int pumps = 0;
  std::map<NetConnection*, size_t> sentTo;
  s.onPump = [&] {
    if (++pumps % 20 != 0) return;  // a piece of 100 bytes every 20 pumps
    for (auto& c : probes) {
      size_t& sent = sentTo[c.get()];
      if (!c->isOpen() || sent >= bytes.size()) continue;
      const size_t n = std::min<size_t>(100, bytes.size() - sent);
      c->write(bytes.data() + sent, n);
      sent += n;
    }
  };
  const std::vector<std::string> candidates = {"127.0.0.21", "127.0.0.22", "127.0.0.23", "", "127.0.0.24"};
  EXPECT_TRUE(s.t->discovery->scanLanGames(s.descriptions, s.addresses, candidates, 3000));
  EXPECT_EQ(s.addresses, (std::vector<std::string>{"127.0.0.21", "127.0.0.23"}));
  EXPECT_EQ(s.descriptions, (std::vector<std::string>{"Tisch Tisch", "Tisch Abendrunde"}));
}

TEST(NetDiscovery, ScanOfTwentyStopsAtTheNinthOnceATableIsKnown) {
  const uint16_t port = 42669;
  std::vector<std::string> candidates;
  std::vector<std::unique_ptr<NetListener>> silent;
  std::vector<int> accepted(20, 0);
  Machine host("127.0.0.42", port, "Anna");
  host.mirrorSeats();
  for (int i = 0; i < 20; ++i) {
    const std::string address = "127.0.0." + std::to_string(41 + i);
    candidates.push_back(address);
    if (i == 1) {
      host.host();
      continue;
    }
    silent.push_back(netListen(address, port));
    ASSERT_TRUE(silent.back()) << address;
    silent.back()->onAccept = [&accepted, i](NetConnectionPtr c) {
      ++accepted[size_t(i)];
      c->close();  // no table here
    };
  }
  Searcher s("127.0.0.30", port);
  EXPECT_TRUE(s.t->discovery->scanLanGames(s.descriptions, s.addresses, candidates, 3000));
  EXPECT_EQ(s.addresses, std::vector<std::string>{"127.0.0.42"});
  for (int i = 0; i < 20; ++i) {
    if (i == 1) continue;
    if (i < 8) EXPECT_GE(accepted[size_t(i)], 1) << "candidate " << i + 1 << " is asked";
    else EXPECT_EQ(accepted[size_t(i)], 0) << "candidate " << i + 1 << " is not";
  }
}

TEST(NetDiscovery, NeighbourAddressesNearestFirst) {
  struct Case {
    const char* own;
    std::vector<std::string> first;  // the first four added
    std::vector<std::string> last;   // the last two
    size_t added;
  } cases[] = {
      {"192.168.1.10", {"192.168.1.9", "192.168.1.11", "192.168.1.8", "192.168.1.12"}, {"192.168.1.233", "192.168.1.42"}, 64},
      {"10.0.0.250", {"10.0.0.249", "10.0.0.251", "10.0.0.248", "10.0.0.252"}, {"10.0.0.218", "10.0.0.27"}, 64},
      {"nodots", {}, {}, 0},
  };
  for (const Case& c : cases) {
    NetSettings settings;
    settings.localAddress = c.own;
    TNetz t(settings);
    std::vector<std::string> list{"kept"};
    t.discovery->addNeighbourAddresses(list);
    EXPECT_EQ(t.discovery->scanCounter, 1);
    ASSERT_EQ(list.size(), c.added + 1) << c.own;
    EXPECT_EQ(list[0], "kept");
    if (!c.added) continue;
    EXPECT_EQ(std::vector<std::string>(list.begin() + 1, list.begin() + 5), c.first) << c.own;
    EXPECT_EQ(std::vector<std::string>(list.end() - 2, list.end()), c.last) << c.own;
  }
  NetSettings settings;
  settings.localAddress = "10.0.0.250";
  TNetz t(settings);
  std::vector<std::string> list{"10.0.0.1"};
  t.discovery->addNeighbourAddresses(list);
  EXPECT_EQ(std::count(list.begin(), list.end(), "10.0.0.1"), 1) << "n + 6 wraps to 1, already listed";
  EXPECT_EQ(list.size(), 64u);
}

TEST(NetDiscovery, NamesToIPs) {
  NetSettings settings;
  settings.localAddress = "127.0.0.3";
  TNetz t(settings);
  std::vector<std::string> list{"\\\\localhost", "127.0.0.3", "", "10.1.1.1", "localhost", "no-such-host.invalid"};
  t.discovery->namesToIPs(list);
  EXPECT_EQ(list, (std::vector<std::string>{"127.0.0.1", "10.1.1.1", "127.0.0.1", "no-such-host.invalid"}));
}

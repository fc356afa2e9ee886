// Whole machines as processes: nettable hosts and joins a count game, and the host's machine
// is killed or stopped under it. Each process on its own 127.0.0.x; the Part's times unless
// a case shortens the silence.
#include <gtest/gtest.h>

#include <memory>

#include "tests/net/nettable_process.h"

namespace {

std::vector<int> oneToN(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

// A host on .1 and three clients on .2 .. .4 of a base, in a count game of 4 seats.
struct CountTable {
  CountTable(const std::string& base, uint16_t port, int count, std::vector<std::string> extra = {}) {
    auto args = [&](const char* cmd, int host) {
      std::vector<std::string> a = {cmd, "--addr", base + std::to_string(host), "--port", std::to_string(port),
                                    "--host", base + "1", "--count", std::to_string(count), "--seats", "4",
                                    "--pace-ms", "40", "--exit-after", "60"};
      a.insert(a.end(), extra.begin(), extra.end());
      return a;
    };
    host = std::make_unique<Proc>(args("host", 1));
    EXPECT_TRUE(waitFor([&] { return host->saw("ready"); }, 5000));
    for (int i = 0; i < 3; ++i) {
      clients.push_back(std::make_unique<Proc>(args("join", 2 + i)));
      EXPECT_TRUE(waitFor([&] { return clients.back()->saw("event 1"); }, 5000)) << "client " << i;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // names and addresses reach everyone
    host->send("start");
  }
  std::unique_ptr<Proc> host;
  std::vector<std::unique_ptr<Proc>> clients;
};

}  // namespace

TEST(NetProcesses, HostKilledSubstituteHostsAndTheCountGoesOn) {
  struct Case {
    const char* what;
    const char* base;
    uint16_t port;
    bool killClientToo;
  } cases[] = {
      {"every client rejoins", "127.0.1.", 42675, false},
      {"a client killed too is played by the computer", "127.0.2.", 42676, true},
  };
  for (const Case& c : cases) {
    const int count = 60;
    CountTable t(c.base, c.port, count);
    ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count 12 "); }, 10000)) << c.what;
    t.host->signal(SIGKILL);
    if (c.killClientToo) t.clients[2]->signal(SIGKILL);
    const auto killed = Clock::now();
    const size_t alive = c.killClientToo ? 2 : 3;
    ASSERT_TRUE(waitFor([&] {
      for (size_t i = 0; i < alive; ++i)
        if (!t.clients[i]->saw("count done")) return false;
      return true;
    }, 30000)) << c.what;
    EXPECT_TRUE(t.clients[0]->saw("proto create ERSATZHOST erfolgreich")) << c.what;
    for (size_t i = 0; i < alive; ++i) EXPECT_EQ(t.clients[i]->counts(), oneToN(count)) << c.what << " client " << i;
    // The substitute waits 12 s for a client that does not come back, else only until all are.
    if (c.killClientToo) EXPECT_GE(Clock::now() - killed, std::chrono::seconds(12)) << c.what;
    else EXPECT_LT(Clock::now() - killed, std::chrono::seconds(10)) << c.what;
  }
}

TEST(NetProcesses, StoppedHostIsCountedLostAfterTheSilence) {
  const int count = 40;
  CountTable t("127.0.3.", 42677, count, {"--silence-ms", "1500", "--refresh-ms", "300"});
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count 8 "); }, 10000));
  t.host->signal(SIGSTOP);
  const auto stopped = Clock::now();
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("proto create ERSATZHOST erfolgreich"); }, 10000));
  EXPECT_GE(Clock::now() - stopped, std::chrono::milliseconds(1400));
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count done") && t.clients[1]->saw("count done") && t.clients[2]->saw("count done"); }, 20000));
  for (auto& p : t.clients) EXPECT_EQ(p->counts(), oneToN(count));
  t.host->signal(SIGKILL);
}

// Table records through the transport on loopback: records a second from one client through
// the host to two others, and the round trip of a chat line the host relays to its sender
// (median and 99th percentile).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "net/net_transport.h"
#include "platform/tick.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Machine {
  Machine(const char* address, uint16_t port) {
    NetSettings s;
    s.localAddress = address;
    s.tcpPort = port;
    s.udpPort = port;
    s.udpAnswerPort = port;
    t = std::make_unique<TNetz>(s);
    t->ownName = address;
    t->hooks.event = [this](int code, const std::string&) { timeNotices += code == 27; };
    t->hooks.showNetError = [](int code) { std::printf("error %d\n", code); };
    t->hooks.gameTag = [] { return std::string("skata"); };
    t->hooks.buildRulesString = [] { return std::string("rules"); };
    t->hooks.applyRulesString = [](const std::string&, int) {};
    t->hooks.addChatLine = [this](const std::string&) { ++chatLines; };
    t->hooks.applyReceivedSync = [](const TNetMessage&) {};
    t->hooks.setFpsSuffix = [](const std::string&) {};
  }
  std::unique_ptr<TNetz> t;
  long timeNotices = 0;
  long chatLines = 0;
};

template <class F>
bool pollUntil(F done, double seconds) {
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (Clock::now() < end) {
    netPoll();
    if (done()) return true;
  }
  return done();
}

}  // namespace

int main() {
  useRealTick();
  const uint16_t port = 42690;
  Machine h("127.0.0.1", port), a("127.0.0.2", port), b("127.0.0.3", port), c("127.0.0.4", port);
  h.t->openAllSeats();
  if (!h.t->createHost(1, false)) {
    std::printf("cannot listen on %d\n", port);
    return 1;
  }
  for (Machine* m : {&a, &b, &c}) {
    m->t->connectAsClient(port, "127.0.0.1", false);
    if (!pollUntil([&] { return m->t->ownSeat != 0; }, 5)) {
      std::printf("no seat\n");
      return 1;
    }
  }
  // Throughput: turn-clock announcements from a, relayed by the host to b and c.
  const long count = 200000;
  const auto start = Clock::now();
  long sent = 0;
  while (b.timeNotices < count || c.timeNotices < count) {
    for (int i = 0; i < 64 && sent < count; ++i, ++sent) a.t->sendTimeLeft(2, 100);
    netPoll();
    b.t->clearEvents();
    c.t->clearEvents();
    if (Clock::now() - start > std::chrono::seconds(60)) break;
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("records per second, client through host to two others: %.0f\n", double(count) / seconds);

  // Round trip: a chat line of a, relayed by the host back to a.
  std::vector<double> micros;
  for (int i = 0; i < 2000; ++i) {
    const long before = a.chatLines;
    const auto t0 = Clock::now();
    a.t->sendChat("x");
    if (!pollUntil([&] { return a.chatLines > before; }, 2)) break;
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
  }
  std::sort(micros.begin(), micros.end());
  if (micros.empty()) return 1;
  std::printf("chat round trip median: %.1f us\n", micros[micros.size() / 2]);
  std::printf("chat round trip 99th percentile: %.1f us\n", micros[micros.size() * 99 / 100]);
  return 0;
}

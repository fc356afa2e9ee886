// Simulated machines for the transport's socket tests: a TNetz with recording hooks on its own
// 127.0.0.x, polling helpers with bounded waits, raw records and collected trace lines.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine_services.h"
#include "net/net_transport.h"

inline namespace net_machine {

// Polls the sockets until done() or the time is up; true when done.
template <class F>
bool pumpUntil(F done, int ms = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    netPoll();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return done();
}

inline void pumpFor(int ms) {
  pumpUntil([] { return false; }, ms);
}

// One simulated machine: a transport with recording hooks.
struct Machine {
  Machine(const std::string& address, uint16_t port, const char* name) {
    NetSettings s;
    s.localAddress = address;
    s.tcpPort = port;
    s.udpPort = port;  // discovery runs while hosting: never on the program's ports
    s.udpAnswerPort = port;
    t = std::make_unique<TNetz>(s);
    t->ownName = name;
    t->hooks.event = [this](int code, const std::string&) { events.push_back(code); };
    t->hooks.showNetError = [this](int code) { errors.push_back(code); };
    t->hooks.gameTag = [] { return std::string("skata"); };
    t->hooks.buildRulesString = [] { return std::string("rules"); };
    t->hooks.applyRulesString = [](const std::string&, int) {};
    t->hooks.addChatLine = [this](const std::string& line) { chat.push_back(line); };
    t->hooks.seatToAct = [this] { return toAct; };
    t->hooks.applyReceivedSync = [](const TNetMessage&) {};
    t->hooks.protocol = [this](const std::string& line) { protocol.push_back(line); };
    t->hooks.setFpsSuffix = [](const std::string&) {};
    t->hooks.resetSeatSyncFlags = [] {};
    t->hooks.drawWaitingRoom = [] {};
  }
  int count(const std::vector<int>& list, int value) const { return int(std::count(list.begin(), list.end(), value)); }
  bool logged(const std::string& start) const {
    for (auto& l : protocol)
      if (l.rfind(start, 0) == 0) return true;
    return false;
  }
  // Clients mirror the host's seat table through the seat digits of the rules string.
  void mirrorSeats() {
    t->hooks.buildRulesString = [this] { return "11111111" + buildSeatDigits(*t) + "Tisch"; };
    t->hooks.applyRulesString = [this](const std::string& rules, int) { applySeatDigits(*t, rules); };
  }
  void host() {
    t->openAllSeats();
    ASSERT_TRUE(t->createHost(1, false));
  }
  void join() {
    ASSERT_TRUE(t->connectAsClient(t->settings.tcpPort, "127.0.0.1", false));
    ASSERT_TRUE(pumpUntil([&] { return t->ownSeat != 0; })) << t->ownName.str() << " got no seat";
  }
  // The moves this machine's core would take now, as their first values.
  std::vector<int32_t> takeMoves() {
    std::vector<int32_t> out;
    TNetMove m;
    while (t->popInput(m)) out.push_back(m.a);
    return out;
  }

  std::unique_ptr<TNetz> t;
  std::vector<int> events, errors;
  std::vector<std::string> protocol;
  std::vector<std::string> chat;
  int32_t toAct = 0;
};

inline std::vector<uint8_t> wireOf(const TNetMessage& r) {
  std::vector<uint8_t> b(kNetMessageSize);
  EXPECT_TRUE(encodeMessage(r, b.data()));
  return b;
}

inline TNetMessage joinRequest() {
  TNetMessage r;
  initMessageRecord(r);
  r.kind = JOINREQ;
  r.routing = routeToHost;
  r.text = "Fremder";
  r.sender = "skata";
  return r;
}

// Collects trace lines while it lives.
struct TraceLines {
  TraceLines() {
    setTraceListener([this](std::string_view t) { lines.emplace_back(t); });
  }
  ~TraceLines() { setTraceListener({}); }
  int count(const std::string& start) const {
    int n = 0;
    for (auto& l : lines) n += l.rfind(start, 0) == 0;
    return n;
  }
  std::vector<std::string> lines;
};

}  // namespace net_machine

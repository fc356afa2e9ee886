// nettable: one machine of a network table on the command line, for trying the transport
// by hand and for the process tests.
//   nettable host   --addr A --port P [--name N] [--seats N] [--count N]
//   nettable join   --addr A --port P --host H [--name N] [--count N]
//   nettable search --addr A --udp P --answer Q [--bcast B] [--tag T] [--wait-ms MS]
//   nettable probe  --addr A --port P --host H
//   nettable relay  --addr A --port P [--entries a,b,c] [--pieces N] [--no-end] [--bad-magic]
//   nettable host|join --game skat|canasta [--machines N] [--options DIGITS] [--seed S]
//     plays the game with the core (seat 1 by the computer) and prints "digest <game> <hex>"
//     and "values ..." after each game, "list done" at the end.
// Common: --exit-after S (always ends by itself), --silence-ms MS, --refresh-ms MS, --pace-ms MS,
// --relay-mode.
// Commands on stdin: "chat <text>", "move <n>", "start", "kick <seat>", "/1", "quit".
// It prints events, errors, protocol lines and the numbers of the count game, one per line.
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

#include "net/net_discovery.h"
#include "net/net_transport.h"
#include "platform/tick.h"
#include "tools/nettable/fake_relay.h"
#include "tools/nettable/nettable_count.h"
#include "tools/nettable/nettable_game.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  std::string command;
  std::map<std::string, std::string> values;
  std::string get(const std::string& k, const std::string& fallback = "") const {
    auto it = values.find(k);
    return it == values.end() ? fallback : it->second;
  }
  int num(const std::string& k, int fallback) const { return std::stoi(get(k, std::to_string(fallback))); }
  bool has(const std::string& k) const { return values.count(k) != 0; }
};

Options parse(int argc, char** argv) {
  Options o;
  if (argc > 1) o.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    std::string k = argv[i];
    if (k.rfind("--", 0) != 0) continue;
    k = k.substr(2);
    if (i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0) o.values[k] = argv[++i];
    else o.values[k] = "1";
  }
  return o;
}

void say(const std::string& line) {
  std::cout << line << std::endl;
}

// One line from stdin when one is ready; false when none.
bool readCommand(std::string& line) {
  static std::string pending;
  pollfd p{0, POLLIN, 0};
  while (poll(&p, 1, 0) > 0 && (p.revents & (POLLIN | POLLHUP))) {
    char c;
    if (read(0, &c, 1) != 1) break;
    if (c == '\n') {
      line = pending;
      pending.clear();
      return true;
    }
    pending += c;
  }
  return false;
}

NetSettings settingsOf(const Options& o) {
  NetSettings s;
  s.localAddress = o.get("addr", "127.0.0.1");
  s.tcpPort = static_cast<uint16_t>(o.num("port", 1234));
  s.udpPort = static_cast<uint16_t>(o.num("udp", s.tcpPort));
  s.udpAnswerPort = static_cast<uint16_t>(o.num("answer", s.udpPort + 1));
  if (o.has("bcast")) s.broadcastTargets = {o.get("bcast")};
  if (o.has("silence-ms")) s.clientSilenceMs = static_cast<uint32_t>(o.num("silence-ms", 30000));
  if (o.has("refresh-ms")) s.refreshAfterMs = static_cast<uint32_t>(o.num("refresh-ms", 5000));
  return s;
}

void printHooks(TNetz& t, const Options& o) {
  t.ownName = o.get("name", o.command == "host" ? "Gastgeber" : "Gast");
  t.hooks.event = [](int code, const std::string& text) { say("event " + std::to_string(code) + (text.empty() ? "" : " " + text)); };
  t.hooks.showNetError = [](int code) { say("error " + std::to_string(code)); };
  t.hooks.protocol = [](const std::string& line) { say("proto " + line); };
  t.hooks.addChatLine = [](const std::string& line) { say("chat " + line); };
  t.hooks.showNotice = [](const std::string& text) { say("notice " + text); };
  t.hooks.gameTag = [tag = o.get("tag", "skata")] { return tag; };
  t.hooks.buildRulesString = [&t] { return "13311111" + buildSeatDigits(t) + "nettable"; };
  t.hooks.applyRulesString = [&t](const std::string& rules, int) { applySeatDigits(t, rules); };
  t.hooks.applyReceivedSync = [](const TNetMessage&) {};
  t.hooks.setFpsSuffix = [](const std::string&) {};
  t.hooks.resetSeatSyncFlags = [] {};
  t.hooks.drawWaitingRoom = [] { say("waiting room"); };
  t.hooks.showStartCountdown = [](int32_t) {};
  t.hooks.isRelayMode = [relay = o.has("relay-mode")] { return relay; };
  t.discovery->formatRulesDescription = [](const std::string& rules) { return rules.substr(32) + " (" + rules.substr(0, 8) + ")"; };
  t.discovery->pumpOnce = [] {
    netPoll();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
}

void handleCommand(TNetz& t, CountGame& game, const std::string& line) {
  std::istringstream in(line);
  std::string word, rest;
  in >> word;
  std::getline(in, rest);
  if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
  if (word == "chat") t.sendChat(rest);
  else if (word == "/1") t.sendChat("/1");
  else if (word == "move") t.sendMove(0, std::stoi(rest), 0);
  else if (word == "start") game.start();
  else if (word == "kick") t.sendKick(std::stoi(rest));
}

// Runs a table machine until quit, the count's end or the time limit.
// Hosts with seats beyond `closedFrom` closed, or joins; says "ready" or why not.
bool openTable(TNetz& t, const Options& o, int closedFrom) {
  if (o.command == "host") {
    t.openAllSeats();
    for (int s = closedFrom; s <= 8; ++s) t.seats[s].state = 5;
    if (!t.createHost(1, false)) {
      say("error listen");
      return false;
    }
  } else if (!t.connectAsClient(t.settings.tcpPort, o.get("host", "127.0.0.1"), false)) {
    say("error connect");
    return false;
  }
  say("ready");
  return true;
}

int runTable(const Options& o) {
  TNetz t(settingsOf(o));
  printHooks(t, o);
  CountGame game(t, o.num("count", 0), static_cast<uint32_t>(o.num("pace-ms", 100)));
  // A seat granted: its name and address go to the table, as the waiting room sends them.
  bool granted = false;
  t.hooks.event = [&granted](int code, const std::string& text) {
    say("event " + std::to_string(code) + (text.empty() ? "" : " " + text));
    granted = granted || code == 1;
  };
  if (!openTable(t, o, o.num("seats", 8) + 1)) return 1;
  const auto end = Clock::now() + std::chrono::seconds(o.num("exit-after", 60));
  auto lastTick = Clock::now();
  bool hadTable = false;
  while (Clock::now() < end) {
    netPoll();
    std::string line;
    if (readCommand(line)) {
      if (line == "quit") break;
      handleCommand(t, game, line);
    }
    if (Clock::now() - lastTick >= std::chrono::milliseconds(15)) {
      lastTick = Clock::now();
      if (t.isHost || t.isClient) t.tick();
    }
    if (granted) t.sendPlayerInfo(false, 0);
    granted = false;
    game.step();
    hadTable = hadTable || t.isHost || t.isClient;
    if (game.finished()) {
      say("count done");
      break;
    }
    if (hadTable && !t.isHost && !t.isClient && t.getReconnectKind() == 0 && !t.isReconnecting()) {
      say("left the table");
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  // Let the last records leave.
  const auto drain = Clock::now() + std::chrono::milliseconds(300);
  while (Clock::now() < drain) {
    netPoll();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

// A machine of a table that plays a real game on the program's transport.
int runGameTable(const Options& o) {
  TNetz& t = netTransport;
  t.settings = settingsOf(o);
  t.ownName = o.get("name", o.command == "host" ? "Gastgeber" : "Gast");
  t.hooks.showNetError = [](int code) { say("error " + std::to_string(code)); };
  t.hooks.protocol = [](const std::string& line) { say("proto " + line); };
  t.hooks.addChatLine = [](const std::string& line) { say("chat " + line); };
  t.hooks.showNotice = [](const std::string& text) { say("notice " + text); };
  t.hooks.setFpsSuffix = [](const std::string&) {};
  t.hooks.drawWaitingRoom = [] {};
  t.hooks.showStartCountdown = [](int32_t) {};
  TableGameSettings g;
  g.game = o.get("game", "skat");
  g.machines = o.num("machines", 1);
  g.options = o.get("options", "");
  g.seed = static_cast<uint64_t>(std::stoull(o.get("seed", "1")));
  setUpTableGame(g, say);
  t.hooks.isRelayMode = [relay = o.has("relay-mode")] { return relay; };
  if (!openTable(t, o, 9)) return 1;
  const auto end = Clock::now() + std::chrono::seconds(o.num("exit-after", 120));
  bool informed = false;
  while (Clock::now() < end) {
    std::string line;
    if (readCommand(line) && line == "quit") break;
    if (!informed && t.ownSeat != 0 && t.isClient) {
      t.sendPlayerInfo(false, 0);
      informed = true;
    }
    if (tableGameReady()) startTableGame();
    tableGameFrame();
    if (tableGameOver()) {
      say(t.gameEnded ? "game ended" : "list done");
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(300));
  }
  // Let the last records leave and the others finish their barrier.
  const auto drain = Clock::now() + std::chrono::milliseconds(o.num("linger-ms", 1500));
  while (Clock::now() < drain) {
    netPoll();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

int runSearch(const Options& o) {
  TNetz t(settingsOf(o));
  printHooks(t, o);
  t.discovery->pumpFrames = [] {
    for (int i = 0; i < 5; ++i) {
      netPoll();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  };
  std::vector<std::string> descriptions, addresses;
  t.discovery->searchLanTables(descriptions, addresses, o.get("host"), static_cast<uint32_t>(o.num("wait-ms", 3000)));
  for (size_t i = 0; i < descriptions.size(); ++i) say("table " + addresses[i] + " " + descriptions[i]);
  say("found " + std::to_string(descriptions.size()));
  return 0;
}

int runProbe(const Options& o) {
  TNetz t(settingsOf(o));
  printHooks(t, o);
  tSimpleConnector c(*t.discovery, t.settings.localAddress);
  std::string description;
  c.probe(o.get("host", "127.0.0.1"), t.settings.tcpPort, description, static_cast<uint32_t>(o.num("wait-ms", 3000)));
  say(description.empty() ? "no table" : "table " + description);
  return 0;
}

int runRelay(const Options& o) {
  const std::string addr = o.get("addr", "127.0.0.1");
  const uint16_t port = static_cast<uint16_t>(o.num("port", 1234));
  FakeRelayReply reply;
  std::string list = o.get("entries", "first,second,third"), entry;
  std::istringstream in(list);
  while (std::getline(in, entry, ',')) reply.entries.push_back(entry);
  reply.pieceSize = static_cast<size_t>(o.num("pieces", 0));
  reply.withEnd = !o.has("no-end");
  reply.badMagic = o.has("bad-magic");
  FakeRelay relay(addr, static_cast<uint16_t>(port + 1), reply);
  FakeRelayHub hub(addr, port);
  if (!relay.listening() || !hub.listening()) {
    say("error listen");
    return 1;
  }
  hub.transport().hooks.protocol = [](const std::string& line) { say("proto " + line); };
  say("ready");
  const auto end = Clock::now() + std::chrono::seconds(o.num("exit-after", 60));
  size_t requests = 0;
  while (Clock::now() < end) {
    netPoll();
    relay.pump();
    hub.pump();
    for (; requests < relay.requests.size(); ++requests) say("request " + describeMessage(relay.requests[requests]));
    std::string line;
    if (readCommand(line)) {
      if (line == "quit") break;
      if (line == "start") hub.transport().sendGameStart(0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = parse(argc, argv);
  useRealTick();
  if ((o.command == "host" || o.command == "join") && o.has("game")) return runGameTable(o);
  if (o.command == "host" || o.command == "join") return runTable(o);
  if (o.command == "search") return runSearch(o);
  if (o.command == "probe") return runProbe(o);
  if (o.command == "relay") return runRelay(o);
  std::cerr << "nettable host|join|search|probe|relay [options]\n";
  return 2;
}

// LAN discovery over UDP and the TCP scan. A packet from the network is never trusted: one
// that is short, empty or not a rules string is ignored and changes nothing.
// [SECTION] the listener
// [SECTION] packets
// [SECTION] the UDP search
// [SECTION] the TCP scan
// [SECTION] candidate addresses
#include "net/net_discovery.h"

#include <algorithm>
#include <cctype>
#include <chrono>

#include "engine/engine_services.h"
#include "engine/frame_loop.h"
#include "net/net_transport.h"

namespace {
using Clock = std::chrono::steady_clock;

uint32_t msSince(Clock::time_point start) {
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}
}  // namespace

TNetDiscovery::TNetDiscovery(TNetz& transport) : t_(transport) {
  pumpOnce = [] {
    frameStep(true);
    processMessages();
  };
  pumpFrames = [this] {
    for (int i = 0; i < 5; ++i) pumpOnce();
  };
  formatRulesDescription = [](const std::string& rules) {
    logNotAvailable("formatRulesDescription");
    return rules;
  };
}

TNetDiscovery::~TNetDiscovery() { stopDiscovery(); }

// [SECTION] the listener

bool TNetDiscovery::startDiscovery(bool activate, bool fixedPort) {
  if (listener_) return false;
  const NetSettings& s = t_.settings;
  const uint16_t port = fixedPort || t_.isHost ? s.udpPort : s.udpAnswerPort;
  // Broadcasts reach only sockets bound to any address.
  listener_ = netOpenUdp("0.0.0.0", port);
  if (!listener_) return false;
  if (!s.localAddress.empty()) answerer_ = netOpenUdp(s.localAddress, 0);
  port_ = port;
  if (!activate) return true;
  listener_->onPacket = [this](const std::string& from, uint16_t fromPort, const std::vector<uint8_t>& data) {
    onDiscoveryPacket(data, from, fromPort);
  };
  listener_->onError = [this](int code) { onDiscoveryError(code); };
  return true;
}

void TNetDiscovery::stopDiscovery() {
  if (listener_) listener_->close();
  if (answerer_) answerer_->close();
  listener_.reset();
  answerer_.reset();
  port_ = 0;
}

void TNetDiscovery::onDiscoveryError(int code) {
  trace("Suche im Netz fehlgeschlagen (" + std::to_string(code) + ")");
  discoveryFailed = true;
}

void TNetDiscovery::sendDiscoveryQuery(const std::string& host) {
  if (discoveryFailed || !listener_ || port_ == 0) return;
  const std::string tag = t_.hooks.gameTag();
  std::vector<uint8_t> query{5};
  query.insert(query.end(), tag.begin(), tag.end());
  query.resize(6, ' ');
  const uint16_t to = t_.isHost ? t_.settings.udpAnswerPort : t_.settings.udpPort;
  if (!host.empty()) {
    listener_->sendTo(lookupHost(host), to, query);
    return;
  }
  const std::vector<std::string> targets =
      t_.settings.broadcastTargets.empty() ? broadcastAddresses() : t_.settings.broadcastTargets;
  for (const std::string& b : targets) listener_->sendTo(b, to, query);
}

// [SECTION] packets

void TNetDiscovery::onDiscoveryPacket(const std::vector<uint8_t>& data, const std::string& from, uint16_t fromPort) {
  if (data.empty() || (data[0] != 5 && data[0] < 21)) return;
  const size_t n = data[0];
  if (data.size() < n + 1) return;  // shorter than announced: dropped, discovery stays on
  const std::string payload(data.begin() + 1, data.begin() + 1 + static_cast<std::ptrdiff_t>(n));
  if (payload == t_.hooks.gameTag()) {
    if (!(t_.isHost || t_.isClient) || !isGameMaster(t_)) return;
    const std::string rules = t_.hooks.buildRulesString().substr(0, 255);
    std::vector<uint8_t> answer{static_cast<uint8_t>(rules.size())};
    answer.insert(answer.end(), rules.begin(), rules.end());
    (answerer_ ? answerer_ : listener_)->sendTo(from, fromPort, answer);
    return;
  }
  if (!descriptions_ || !addresses_ || descriptions_->size() >= kMaxEntries) return;
  if (!isRulesString(payload)) return;
  descriptions_->push_back(formatRulesDescription(payload));
  addresses_->push_back(from);
}

// [SECTION] the UDP search

void TNetDiscovery::searchLanTables(std::vector<std::string>& descriptions, std::vector<std::string>& addresses,
                                    const std::string& host, uint32_t timeoutMs) {
  if (t_.isHost || t_.isClient) return;
  startDiscovery(true, false);
  descriptions.clear();
  addresses.clear();
  descriptions_ = &descriptions;
  addresses_ = &addresses;
  searchRunning = true;
  const auto start = Clock::now();
  sendDiscoveryQuery(host);
  for (;;) {
    pumpFrames();
    const uint32_t elapsed = msSince(start);
    if (elapsed > timeoutMs || (elapsed > timeoutMs / 2 && !descriptions.empty())) break;
  }
  searchRunning = false;
  descriptions_ = addresses_ = nullptr;
  stopDiscovery();
}

// [SECTION] the TCP scan

bool TNetDiscovery::pingCandidate(const std::string& host) const {
  return pingHost(host, t_.settings.tcpPort, scanCounter % 2 == 0 ? 100 : 50);
}

bool TNetDiscovery::scanLanGames(std::vector<std::string>& descriptions, std::vector<std::string>& addresses,
                                 const std::vector<std::string>& candidates, uint32_t timeoutMs) {
  tSimpleConnector connector(*this, t_.settings.localAddress);
  descriptions.clear();
  addresses.clear();
  pumpFrames();
  const std::string ownName = ipToHostName(ownIP());
  searchRunning = true;
  const auto start = Clock::now();
  for (size_t i = 0; i < candidates.size(); ++i) {
    const uint32_t elapsed = msSince(start);
    if (!searchRunning || elapsed > 3 * timeoutMs) break;
    if (!descriptions.empty() && (i >= 8 || elapsed > timeoutMs)) break;
    pumpFrames();
    const std::string& c = candidates[i];
    if (c.empty() || c == ownName || !pingCandidate(c)) {
      pumpFrames();
      continue;
    }
    pumpFrames();
    const bool address = std::isdigit(static_cast<unsigned char>(c[0])) != 0;
    const uint32_t probeMs = address ? (scanCounter % 2 == 0 ? 3000 : 1000) : timeoutMs;
    std::string description;
    connector.probe(c, t_.settings.tcpPort, description, probeMs);
    if (!description.empty()) {
      descriptions.push_back(description);
      addresses.push_back(c);
    }
  }
  searchRunning = false;
  return true;
}

void tSimpleConnector::probe(const std::string& host, uint16_t port, std::string& description, uint32_t timeoutMs) {
  probeDone = probeFailed = false;
  description.clear();
  text.clear();
  fill_ = 0;
  const auto start = Clock::now();
  conn_ = netConnect(host, port, bindAddress_);
  if (!conn_) return;
  conn_->onRead = [this] { onRead(); };
  conn_->onClose = [this] { probeFailed = true; };
  conn_->onError = [this](int) { probeFailed = true; };
  while (!probeDone && !probeFailed && msSince(start) <= timeoutMs) discovery_.pumpOnce();
  if (probeDone) description = text;
  conn_->close();
  conn_.reset();
}

void tSimpleConnector::onRead() {
  if (probeDone || probeFailed) return;
  TNetMessage r;
  // The record is assembled over as many reads as its 244 bytes take.
  if (readMessageRecord(buffer_, fill_, *conn_, r) <= 0) return;
  if (r.magic == kMagic && r.kind == INFOPUSH && r.subKind == _UNIINFO && r.seatBytes[0] == 1) {
    text = discovery_.formatRulesDescription(std::string(r.text.view()));
    probeDone = true;
  } else {
    probeFailed = true;
  }
}

// [SECTION] candidate addresses

std::string TNetDiscovery::ownIP() const {
  return t_.settings.localAddress.empty() ? localIP() : t_.settings.localAddress;
}

void TNetDiscovery::namesToIPs(std::vector<std::string>& list) const {
  for (std::string& e : list) {
    if (e.empty() || std::isdigit(static_cast<unsigned char>(e[0]))) continue;
    std::string name = e.rfind("\\\\", 0) == 0 ? e.substr(2) : e;
    if (std::string ip = lookupHost(name); !ip.empty()) e = ip;
    else e = name;
  }
  const std::string own = ownIP();
  std::erase_if(list, [&](const std::string& e) { return e.empty() || e == own; });
}

void TNetDiscovery::addNeighbourAddresses(std::vector<std::string>& list) {
  ++scanCounter;
  const std::string own = ownIP();
  const size_t dot = own.rfind('.');
  if (dot == std::string::npos || dot == 0) return;
  const std::string prefix = own.substr(0, dot + 1);
  const int n = std::atoi(own.c_str() + dot + 1);
  const auto at = static_cast<std::ptrdiff_t>(list.size());
  auto wrap = [](int v) { return v <= 0 ? v + 255 : v > 255 ? v - 255 : v; };
  for (int j = 32; j >= 1; --j)
    for (int v : {n + j, n - j}) {
      const std::string a = prefix + std::to_string(wrap(v));
      if (a != own && std::find(list.begin(), list.end(), a) == list.end()) list.insert(list.begin() + at, a);
    }
}

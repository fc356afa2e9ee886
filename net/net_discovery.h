// LAN discovery: a host answers UDP queries for its game tag with its rules string; a
// searcher broadcasts the query and lists the answers. Where UDP failed, a TCP scan probes
// the machines around this one for a waiting-room table. Each transport has its own.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/net.h"

class TNetz;

class TNetDiscovery {
 public:
  static constexpr size_t kMaxEntries = 64;

  explicit TNetDiscovery(TNetz& transport);
  ~TNetDiscovery();

  bool discoveryFailed = false;  // the listener failed: searches scan by TCP for the rest of the run
  bool searchRunning = false;    // cleared by the join dialog to cancel a scan
  int32_t scanCounter = 0;       // built neighbour lists; its parity picks the probe times
  // Five engine frame steps with message processing; tests poll the sockets instead.
  std::function<void()> pumpFrames;
  // One engine frame step and the messages, inside a probe's wait.
  std::function<void()> pumpOnce;
  // The list line of a table's rules string.
  std::function<std::string(const std::string& rules)> formatRulesDescription;

  bool startDiscovery(bool activate, bool fixedPort);
  void stopDiscovery();
  bool isRunning() const { return listener_ != nullptr; }
  void sendDiscoveryQuery(const std::string& host);
  void onDiscoveryPacket(const std::vector<uint8_t>& data, const std::string& from, uint16_t fromPort);
  void onDiscoveryError(int code);
  void searchLanTables(std::vector<std::string>& descriptions, std::vector<std::string>& addresses,
                       const std::string& host, uint32_t timeoutMs);
  bool scanLanGames(std::vector<std::string>& descriptions, std::vector<std::string>& addresses,
                    const std::vector<std::string>& candidates, uint32_t timeoutMs);
  // This machine's address: the transport's bind address, else the default route's.
  std::string ownIP() const;
  void namesToIPs(std::vector<std::string>& list) const;
  void addNeighbourAddresses(std::vector<std::string>& list);
  bool pingCandidate(const std::string& host) const;

 private:
  TNetz& t_;
  std::unique_ptr<NetUdp> listener_;
  std::unique_ptr<NetUdp> answerer_;  // answers leave from this machine's own address
  uint16_t port_ = 0;
  std::vector<std::string>* descriptions_ = nullptr;  // the result lists of a search
  std::vector<std::string>* addresses_ = nullptr;
};

// The TCP probe of one machine: the first record must be a waiting room's _UNIINFO.
class tSimpleConnector {
 public:
  explicit tSimpleConnector(TNetDiscovery& discovery, std::string bindAddress)
      : discovery_(discovery), bindAddress_(std::move(bindAddress)) {}
  bool probeDone = false;
  bool probeFailed = false;
  std::string text;  // the probed table's line
  void probe(const std::string& host, uint16_t port, std::string& description, uint32_t timeoutMs);

 private:
  void onRead();
  TNetDiscovery& discovery_;
  std::string bindAddress_;
  NetConnectionPtr conn_;
  uint8_t buffer_[400] = {};
  int32_t fill_ = 0;
};

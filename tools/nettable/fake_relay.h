// Our stand-in for a lobby's relay server, for nettable and the tests: canned answers to
// relay requests, and a hub that seats relay-mode clients in connection order and relays
// their records as a table host does. Polled from the main thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "net/net_transport.h"

// What the relay answers to every request.
struct FakeRelayReply {
  std::vector<std::string> entries;
  int resultCode = 1;
  bool withEnd = true;    // false: the answer never closes
  bool badMagic = false;  // the closing record's magic value is wrong
  size_t pieceSize = 0;   // bytes written per pump; 0: everything at once
};

class FakeRelay {
 public:
  FakeRelay(const std::string& address, uint16_t port, FakeRelayReply reply);
  bool listening() const { return listener_ != nullptr; }
  // Writes the next piece of every answer under way.
  void pump();
  std::vector<TNetMessage> requests;  // every request record read

 private:
  struct Peer {
    NetConnectionPtr conn;
    uint8_t buffer[400] = {};
    int32_t fill = 0;
    std::vector<uint8_t> out;
    size_t sent = 0;
  };
  void onRead(Peer& peer);
  std::vector<uint8_t> answer() const;
  FakeRelayReply reply_;
  std::unique_ptr<NetListener> listener_;
  std::vector<std::shared_ptr<Peer>> peers_;
};

// The hub of relay-mode tables: a host without a seat of its own that takes every client's
// move at once and relays it.
class FakeRelayHub {
 public:
  FakeRelayHub(const std::string& address, uint16_t port);
  bool listening() const { return hub_.isHost; }
  void pump();
  TNetz& transport() { return hub_; }

 private:
  TNetz hub_;
  int32_t toAct_ = 0;
};

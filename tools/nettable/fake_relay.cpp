// The fake relay's canned answers and its hub.
#include "tools/nettable/fake_relay.h"

#include <algorithm>

FakeRelay::FakeRelay(const std::string& address, uint16_t port, FakeRelayReply reply)
    : reply_(std::move(reply)), listener_(netListen(address, port)) {
  if (!listener_) return;
  listener_->onAccept = [this](NetConnectionPtr c) {
    auto peer = std::make_shared<Peer>();
    peer->conn = c;
    std::weak_ptr<Peer> weak = peer;
    c->onRead = [this, weak] {
      if (auto p = weak.lock()) onRead(*p);
    };
    peers_.push_back(peer);
  };
}

void FakeRelay::onRead(Peer& peer) {
  TNetMessage r;
  if (readMessageRecord(peer.buffer, peer.fill, *peer.conn, r) <= 0) return;
  requests.push_back(r);
  const std::vector<uint8_t> a = answer();
  peer.out.insert(peer.out.end(), a.begin(), a.end());
  if (reply_.pieceSize == 0) pump();
}

std::vector<uint8_t> FakeRelay::answer() const {
  std::vector<uint8_t> out;
  auto add = [&](const TNetMessage& r) {
    std::vector<uint8_t> b(kNetMessageSize);
    encodeMessage(r, b.data());
    out.insert(out.end(), b.begin(), b.end());
  };
  for (const std::string& e : reply_.entries) {
    TNetMessage r;
    initMessageRecord(r);
    r.kind = RELAYREQUEST;
    r.text = e.substr(0, kTextCapacity);
    if (e.size() > size_t(kTextCapacity)) {  // the rest of a long entry rides in the sender field
      r.sender = e.substr(kTextCapacity, kSenderCapacity);
      r.valueA = 65;
    }
    add(r);
  }
  if (reply_.withEnd) {
    TNetMessage end;
    initMessageRecord(end);
    end.kind = RELAYREQUEST;
    end.subKind = static_cast<uint8_t>(reply_.resultCode);
    end.text = "END";
    if (reply_.badMagic) end.magic = 4711;
    add(end);
  }
  return out;
}

void FakeRelay::pump() {
  for (auto& p : peers_) {
    if (p->sent >= p->out.size() || !p->conn->isOpen()) continue;
    const size_t n = reply_.pieceSize == 0 ? p->out.size() - p->sent : std::min(reply_.pieceSize, p->out.size() - p->sent);
    p->conn->write(p->out.data() + p->sent, n);
    p->sent += n;
  }
}


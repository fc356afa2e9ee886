// The fake relay's hub for relay-mode tables.
#include "net/net_discovery.h"
#include "tools/nettable/fake_relay.h"

namespace {
NetSettings hubSettings(const std::string& address, uint16_t port) {
  NetSettings s;
  s.localAddress = address;
  s.tcpPort = port;
  s.udpPort = port;
  s.udpAnswerPort = port;
  return s;
}
}  // namespace

FakeRelayHub::FakeRelayHub(const std::string& address, uint16_t port) : hub_(hubSettings(address, port)) {
  hub_.hooks.event = [](int, const std::string&) {};
  hub_.hooks.showNetError = [](int) {};
  hub_.hooks.gameTag = [] { return std::string("skata"); };
  hub_.hooks.buildRulesString = [this] { return "11111111" + buildSeatDigits(hub_) + "Relais"; };
  hub_.hooks.applyRulesString = [](const std::string&, int) {};
  hub_.hooks.addChatLine = [](const std::string&) {};
  hub_.hooks.seatToAct = [this] { return toAct_; };
  hub_.hooks.applyReceivedSync = [](const TNetMessage&) {};
  hub_.hooks.setFpsSuffix = [](const std::string&) {};
  hub_.hooks.resetSeatSyncFlags = [] {};
  hub_.openAllSeats();
  hub_.createHost(0, false);  // seats are granted in connection order, from seat 1
  hub_.discovery->stopDiscovery();
}

void FakeRelayHub::pump() {
  // Every seat's moves are relayed as they come: the hub plays no seat.
  TNetMessage r;
  for (toAct_ = 1; toAct_ <= 8; ++toAct_)
    while (hub_.popInputRecord(r)) {
    }
  toAct_ = 0;
}

// The socket layer on loopback: UDP packets and broadcast, the connect probe, look-ups.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/net.h"

namespace {
template <class F>
bool pollUntil(F done, int ms = 2000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    netPoll();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return done();
}
}  // namespace

TEST(NetPlatform, UdpPacketsAndLoopbackBroadcast) {
  // Address reuse: two listeners bind one port; a broadcast reaches both, a unicast one.
  std::unique_ptr<NetUdp> listeners[] = {netOpenUdp("0.0.0.0", 42621), netOpenUdp("0.0.0.0", 42621)};
  auto sender = netOpenUdp("127.0.0.9", 0);
  ASSERT_TRUE(listeners[0] && listeners[1] && sender);
  std::vector<std::string> got[2];
  std::string from;
  for (int i = 0; i < 2; ++i)
    listeners[i]->onPacket = [&, i](const std::string& f, uint16_t, const std::vector<uint8_t>& d) {
      from = f;
      got[i].emplace_back(d.begin(), d.end());
    };
  for (const char* target : {"127.0.0.1", "127.255.255.255"}) {
    const std::string p = target[4] == '2' ? "bcast" : "skata";
    ASSERT_TRUE(sender->sendTo(target, 42621, std::vector<uint8_t>(p.begin(), p.end()))) << target;
  }
  ASSERT_TRUE(pollUntil([&] { return got[0].size() + got[1].size() == 3; }));
  for (auto& g : got) EXPECT_EQ(std::count(g.begin(), g.end(), "bcast"), 1);
  EXPECT_EQ(std::count(got[0].begin(), got[0].end(), "skata") + std::count(got[1].begin(), got[1].end(), "skata"), 1);
  EXPECT_EQ(from, "127.0.0.9");
  EXPECT_FALSE(sender->sendTo("not an address", 42621, {1}));
}

TEST(NetPlatform, ConnectProbe) {
  auto l = netListen("127.0.0.1", 42622);
  ASSERT_TRUE(l);
  EXPECT_TRUE(pingHost("127.0.0.1", 42622, 100));
  EXPECT_FALSE(pingHost("127.0.0.1", 42623, 100));
  EXPECT_FALSE(netListen("127.0.0.1", 42622)) << "the port is taken";
}

TEST(NetPlatform, ConnectionAddressesAndRefusal) {
  auto l = netListen("127.0.0.1", 42624);
  ASSERT_TRUE(l);
  NetConnectionPtr accepted;
  l->onAccept = [&](NetConnectionPtr c) { accepted = c; };
  auto c = netConnect("127.0.0.1", 42624, "127.0.0.10");
  ASSERT_TRUE(c);
  ASSERT_TRUE(pollUntil([&] { return c->isConnected() && accepted; }));
  EXPECT_EQ(c->localAddress(), "127.0.0.10");
  EXPECT_EQ(accepted->peerAddress(), "127.0.0.10");
  EXPECT_EQ(l->localAddress(), "127.0.0.1");
  bool closed = false;
  accepted->onClose = [&] { closed = true; };
  c->close();
  EXPECT_TRUE(pollUntil([&] { return closed; }));

  int error = 0;
  auto refused = netConnect("127.0.0.1", 42625, "");
  ASSERT_TRUE(refused);
  refused->onError = [&](int code) { error = code; };
  EXPECT_TRUE(pollUntil([&] { return error != 0; }));
  EXPECT_EQ(error, kNetErrRefused);
}

TEST(NetPlatform, LookUps) {
  EXPECT_EQ(lookupHost("localhost"), "127.0.0.1");
  EXPECT_EQ(lookupHost("127.0.0.3"), "127.0.0.3");
  const std::string ip = localIP();
  EXPECT_NE(ip, "127.0.1.1");
  EXPECT_FALSE(lookupHost(ip).empty()) << ip;
  EXPECT_TRUE(enumerateNeighbourhood().empty());
}

// Sockets: event-driven non-blocking TCP, UDP with broadcast and the network look-ups, polled
// from the main thread's message processing (netPoll), no thread of their own. Nothing
// outside platform/ sees the socket library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// [SECTION] settings
// What tests change per simulated machine; the program keeps the defaults.
struct NetSettings {
  uint16_t tcpPort = 1234;        // the table's listening port
  uint16_t udpPort = 1234;        // discovery: the listener's port
  uint16_t udpAnswerPort = 1235;  // discovery: where searchers listen for answers
  std::string localAddress;       // bind address of every socket; empty: any (0.0.0.0)
  std::vector<std::string> broadcastTargets;  // discovery targets; empty: each up interface's
  uint32_t writeStallMs = 5000;   // a write queue not drained this long closes its connection
  uint32_t refreshAfterMs = 5000;       // a client silent this long sends REFRESH
  uint32_t clientSilenceMs = 30000;     // a client (or host) heard from this long ago is lost
  uint32_t substituteWaitMs = 12000;    // the new host's wait for the others
  uint32_t reconnectWaitMs = 3000;      // a client's wait before it reconnects
  uint32_t reconnectRetryMs = 1000;     // between two connect attempts to a new host
  uint32_t pingConnectMs = 100;   // pingHost: the connect's time-out
  uint32_t pingReadMs = 50;       // a probe's read time-out after the connect
};

// [SECTION] byte streams
// A connection's bytes as the record reader and writer see them: reads take buffered bytes,
// writes are queued and never block.
class NetStream {
 public:
  virtual ~NetStream() = default;
  virtual size_t available() const = 0;
  virtual size_t read(uint8_t* dst, size_t max) = 0;
  // Queues the bytes; false when the stream is closed.
  virtual bool write(const uint8_t* src, size_t n) = 0;
};

// [SECTION] TCP
// Winsock-style error codes the handlers receive, so callers keep the system's numbers.
inline constexpr int kNetErrRefused = 10061;
inline constexpr int kNetErrAborted = 10053;
inline constexpr int kNetErrOther = 10050;

class NetConnection : public NetStream {
 public:
  // Raised from netPoll only. onRead is raised again at once while the handler takes bytes
  // and some remain; onClose when the peer closed or reset; onError when a connect failed or
  // the socket failed otherwise. A connection closed by close() raises nothing more.
  std::function<void()> onConnect;
  std::function<void()> onRead;
  std::function<void()> onClose;
  std::function<void(int code)> onError;

  virtual bool isOpen() const = 0;
  virtual bool isConnected() const = 0;
  // Bytes queued for sending and not yet taken by the system.
  virtual size_t queuedBytes() const = 0;
  // Milliseconds since the write queue last moved while it held bytes; 0 when empty.
  virtual uint32_t writeStalledMs() const = 0;
  virtual std::string localAddress() const = 0;
  virtual std::string peerAddress() const = 0;
  virtual void close() = 0;
};
using NetConnectionPtr = std::shared_ptr<NetConnection>;

// Starts a non-blocking connect from bindAddress (empty: any) to host:port ("localhost" and
// dotted addresses; names are looked up at once). Null when the socket cannot be made.
NetConnectionPtr netConnect(const std::string& host, uint16_t port, const std::string& bindAddress);

class NetListener {
 public:
  virtual ~NetListener() = default;
  // Raised from netPoll for each accepted connection, already reading.
  std::function<void(NetConnectionPtr)> onAccept;
  virtual std::string localAddress() const = 0;
  virtual void close() = 0;
};
// Null when the address cannot be bound (the port is taken) or listened on.
std::unique_ptr<NetListener> netListen(const std::string& bindAddress, uint16_t port);

// [SECTION] UDP
class NetUdp {
 public:
  virtual ~NetUdp() = default;
  // Raised from netPoll per packet, with the sender's dotted address and port.
  std::function<void(const std::string& from, uint16_t port, const std::vector<uint8_t>& data)> onPacket;
  // Raised once when receiving fails for good.
  std::function<void(int code)> onError;
  virtual bool sendTo(const std::string& address, uint16_t port, const std::vector<uint8_t>& data) = 0;
  virtual void close() = 0;
};
// Address reuse and broadcast on; port 0 binds any free port. Null when it cannot bind.
std::unique_ptr<NetUdp> netOpenUdp(const std::string& bindAddress, uint16_t port);

// [SECTION] polling and look-ups
// Runs every socket handler that is ready, never waits. Called by each message processing.
void netPoll();

// The IPv4 address of the interface of the default route; "127.0.0.1" when there is none.
// (The host name's own look-up answers 127.0.1.1 on Debian, which nobody else can reach.)
std::string localIP();
// Dotted IPv4 of a host name or address; empty when it cannot be looked up.
std::string lookupHost(const std::string& name);
// The broadcast address of each up IPv4 interface other than loopback.
std::vector<std::string> broadcastAddresses();
// Whether a TCP connect to host:port succeeds within timeoutMs; blocks at most that long.
bool pingHost(const std::string& host, uint16_t port, uint32_t timeoutMs);
// The network neighbourhood: Linux has none to enumerate.
std::vector<std::string> enumerateNeighbourhood();

// [SECTION] blocking exchanges
// One TCP exchange run wholly on the calling thread, on an I/O context of its own, so any
// thread may run one while the main thread polls its sockets. Connects from bindAddress
// (empty: any) to host:port, writes request once connected, then hands the bytes received to
// onRead (a stream of those not yet taken) until onRead answers non-zero. Answers onRead's
// value (1 done, -1 failed); -1 also when the socket fails; 0 when the peer closed or
// timeoutMs passed first.
int netExchange(const std::string& host, uint16_t port, const std::string& bindAddress,
                const std::vector<uint8_t>& request, uint32_t timeoutMs,
                const std::function<int(NetStream&)>& onRead);
// The host name of a dotted address by reverse look-up; empty when unknown.
std::string ipToHostName(const std::string& address);

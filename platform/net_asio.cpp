// The sockets on standalone Asio: one I/O context of the main thread, polled by netPoll.
// [SECTION] context and errors
// [SECTION] TCP connection
// [SECTION] listener
// [SECTION] UDP
#include <asio.hpp>

#include "platform/net.h"
#include "platform/tick.h"

namespace {

// [SECTION] context and errors

// Never destroyed: sockets of program-wide objects close after every static has gone.
asio::io_context& ioc() {
  static asio::io_context* context = new asio::io_context;
  return *context;
}

using asio::ip::tcp;
using asio::ip::udp;

// A peer that closed, reset or aborted counts as a closed connection; the rest as errors.
bool isPeerClose(const std::error_code& ec) {
  return ec == asio::error::eof || ec == asio::error::connection_reset ||
         ec == asio::error::connection_aborted || ec == asio::error::broken_pipe;
}

int winsockCode(const std::error_code& ec) {
  if (ec == asio::error::connection_refused) return kNetErrRefused;
  if (ec == asio::error::connection_aborted) return kNetErrAborted;
  return kNetErrOther;
}

asio::ip::address bindAddressOf(const std::string& text) {
  std::error_code ec;
  asio::ip::address a = asio::ip::make_address(text.empty() ? "0.0.0.0" : text, ec);
  return ec ? asio::ip::address(asio::ip::address_v4::any()) : a;
}

std::string dotted(const asio::ip::address& a) { return a.is_v4() ? a.to_v4().to_string() : a.to_string(); }

// [SECTION] TCP connection

class AsioConnection : public NetConnection, public std::enable_shared_from_this<AsioConnection> {
 public:
  explicit AsioConnection(tcp::socket s) : sock_(std::move(s)) {}

  void connect(const tcp::endpoint& to) {
    auto self = shared_from_this();
    sock_.async_connect(to, [self](const std::error_code& ec) {
      if (!self->open_) return;
      if (ec) {
        self->fail(ec);
        return;
      }
      self->connected_ = true;
      if (self->onConnect) self->onConnect();
      if (!self->open_) return;
      if (self->queuedBytes() > 0 && !self->writing_) self->startWrite();
      self->startRead();
    });
  }

  void accepted() {
    connected_ = true;
    if (queuedBytes() > 0) startWrite();  // written by the accept handler
    startRead();
  }

  size_t available() const override { return in_.size() - inPos_; }

  size_t read(uint8_t* dst, size_t max) override {
    size_t n = std::min(max, available());
    std::copy_n(in_.begin() + static_cast<std::ptrdiff_t>(inPos_), n, dst);
    inPos_ += n;
    if (inPos_ == in_.size()) {
      in_.clear();
      inPos_ = 0;
    }
    if (readPaused_ && open_ && available() < kReadAhead) {
      readPaused_ = false;
      startRead();
    }
    return n;
  }

  bool write(const uint8_t* src, size_t n) override {
    if (!open_) return false;
    if (queuedBytes() == 0) lastMove_ = getTickCount();
    pending_.insert(pending_.end(), src, src + n);
    if (connected_ && !writing_) startWrite();
    return true;
  }

  bool isOpen() const override { return open_; }
  bool isConnected() const override { return open_ && connected_; }
  size_t queuedBytes() const override { return pending_.size() + (inflight_.size() - inflightPos_); }
  uint32_t writeStalledMs() const override { return queuedBytes() == 0 ? 0 : tickDiff(getTickCount(), lastMove_); }

  std::string localAddress() const override {
    std::error_code ec;
    auto ep = sock_.local_endpoint(ec);
    return ec ? std::string() : dotted(ep.address());
  }
  std::string peerAddress() const override {
    std::error_code ec;
    auto ep = sock_.remote_endpoint(ec);
    return ec ? std::string() : dotted(ep.address());
  }

  void close() override {
    if (!open_) return;
    open_ = false;
    std::error_code ignored;
    sock_.shutdown(tcp::socket::shutdown_both, ignored);
    sock_.close(ignored);
  }

 private:
  void fail(const std::error_code& ec) {
    close();
    if (isPeerClose(ec)) {
      if (onClose) onClose();
    } else if (onError) {
      onError(winsockCode(ec));
    }
  }

  void startRead() {
    auto self = shared_from_this();
    sock_.async_read_some(asio::buffer(chunk_), [self](const std::error_code& ec, size_t n) {
      if (!self->open_) return;
      if (ec) {
        self->fail(ec);
        return;
      }
      if (self->inPos_ > 0) {  // drop what was read before appending
        self->in_.erase(self->in_.begin(), self->in_.begin() + static_cast<std::ptrdiff_t>(self->inPos_));
        self->inPos_ = 0;
      }
      self->in_.insert(self->in_.end(), self->chunk_.begin(), self->chunk_.begin() + static_cast<std::ptrdiff_t>(n));
      self->deliver();
      // A reader that takes nothing stops the reading, so its peer's writes back up.
      if (self->open_ && self->available() >= kReadAhead) self->readPaused_ = true;
      else if (self->open_) self->startRead();
    });
  }

  // The handler takes what it can; bytes left raise the event again, as long as it takes some.
  void deliver() {
    while (open_ && onRead && available() > 0) {
      size_t before = available();
      onRead();
      if (available() == before) break;
    }
  }

  void startWrite() {
    if (inflightPos_ == inflight_.size()) {
      inflight_.swap(pending_);
      pending_.clear();
      inflightPos_ = 0;
      if (inflight_.empty()) return;
    }
    writing_ = true;
    auto self = shared_from_this();
    sock_.async_write_some(asio::buffer(inflight_.data() + inflightPos_, inflight_.size() - inflightPos_),
                           [self](const std::error_code& ec, size_t n) {
                             self->writing_ = false;
                             if (!self->open_) return;
                             if (ec) {
                               self->fail(ec);
                               return;
                             }
                             self->inflightPos_ += n;
                             self->lastMove_ = getTickCount();
                             if (self->queuedBytes() > 0) self->startWrite();
                           });
  }

  tcp::socket sock_;
  bool open_ = true;
  bool connected_ = false;
  bool writing_ = false;
  bool readPaused_ = false;
  static constexpr size_t kReadAhead = 64 * 1024;  // unread bytes held at most (plus one chunk)
  std::array<uint8_t, 4096> chunk_{};
  std::vector<uint8_t> in_;  // received, not yet read
  size_t inPos_ = 0;
  std::vector<uint8_t> pending_;   // queued behind the write in flight
  std::vector<uint8_t> inflight_;  // being written
  size_t inflightPos_ = 0;
  uint32_t lastMove_ = 0;
};

// [SECTION] listener

class AsioListener : public NetListener {
 public:
  struct State {
    explicit State(tcp::acceptor a) : acceptor(std::move(a)) {}
    tcp::acceptor acceptor;
    NetListener* owner = nullptr;  // cleared when the listener goes, so late completions stop
  };

  explicit AsioListener(std::shared_ptr<State> s) : state_(std::move(s)) {
    state_->owner = this;
    accept(state_);
  }
  ~AsioListener() override { close(); }

  std::string localAddress() const override {
    std::error_code ec;
    auto ep = state_->acceptor.local_endpoint(ec);
    return ec ? std::string() : dotted(ep.address());
  }

  void close() override {
    state_->owner = nullptr;
    std::error_code ignored;
    state_->acceptor.close(ignored);
  }

 private:
  static void accept(std::shared_ptr<State> s) {
    s->acceptor.async_accept([s](const std::error_code& ec, tcp::socket sock) {
      if (!s->owner) return;
      if (!ec) {
        auto c = std::make_shared<AsioConnection>(std::move(sock));
        if (s->owner->onAccept) s->owner->onAccept(c);
        if (c->isOpen()) c->accepted();
      }
      if (s->owner && s->acceptor.is_open()) accept(s);
    });
  }

  std::shared_ptr<State> state_;
};

// [SECTION] UDP

class AsioUdp : public NetUdp {
 public:
  struct State {
    explicit State(udp::socket s) : sock(std::move(s)) {}
    udp::socket sock;
    NetUdp* owner = nullptr;
    std::array<uint8_t, 2048> buf{};
    udp::endpoint from;
  };

  explicit AsioUdp(std::shared_ptr<State> s) : state_(std::move(s)) {
    state_->owner = this;
    receive(state_);
  }
  ~AsioUdp() override { close(); }

  bool sendTo(const std::string& address, uint16_t port, const std::vector<uint8_t>& data) override {
    std::error_code ec;
    auto a = asio::ip::make_address(address, ec);
    if (ec || !state_->sock.is_open()) return false;
    state_->sock.send_to(asio::buffer(data), udp::endpoint(a, port), 0, ec);
    return !ec;
  }

  void close() override {
    state_->owner = nullptr;
    std::error_code ignored;
    state_->sock.close(ignored);
  }

 private:
  static void receive(std::shared_ptr<State> s) {
    s->sock.async_receive_from(asio::buffer(s->buf), s->from, [s](const std::error_code& ec, size_t n) {
      if (!s->owner) return;
      if (ec && ec != asio::error::message_size) {
        if (s->owner->onError) s->owner->onError(winsockCode(ec));
        return;
      }
      if (s->owner->onPacket) {
        std::vector<uint8_t> data(s->buf.begin(), s->buf.begin() + static_cast<std::ptrdiff_t>(n));
        s->owner->onPacket(dotted(s->from.address()), s->from.port(), data);
      }
      if (s->owner && s->sock.is_open()) receive(s);
    });
  }

  std::shared_ptr<State> state_;
};

}  // namespace

NetConnectionPtr netConnect(const std::string& host, uint16_t port, const std::string& bindAddress) {
  std::string address = lookupHost(host.empty() ? "localhost" : host);
  std::error_code ec;
  auto to = asio::ip::make_address(address, ec);
  if (ec) return nullptr;
  tcp::socket sock(ioc());
  sock.open(tcp::v4(), ec);
  if (ec) return nullptr;
  sock.set_option(tcp::no_delay(true), ec);
  if (!bindAddress.empty()) {
    sock.bind(tcp::endpoint(bindAddressOf(bindAddress), 0), ec);
    if (ec) return nullptr;
  }
  auto c = std::make_shared<AsioConnection>(std::move(sock));
  c->connect(tcp::endpoint(to, port));
  return c;
}

std::unique_ptr<NetListener> netListen(const std::string& bindAddress, uint16_t port) {
  std::error_code ec;
  tcp::acceptor a(ioc());
  tcp::endpoint ep(bindAddressOf(bindAddress), port);
  a.open(ep.protocol(), ec);
  if (!ec) a.set_option(tcp::acceptor::reuse_address(true), ec);
  if (!ec) a.bind(ep, ec);
  if (!ec) a.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) return nullptr;
  return std::make_unique<AsioListener>(std::make_shared<AsioListener::State>(std::move(a)));
}

std::unique_ptr<NetUdp> netOpenUdp(const std::string& bindAddress, uint16_t port) {
  std::error_code ec;
  udp::socket s(ioc());
  udp::endpoint ep(bindAddressOf(bindAddress), port);
  s.open(ep.protocol(), ec);
  if (!ec) s.set_option(udp::socket::reuse_address(true), ec);
  if (!ec) s.set_option(asio::socket_base::broadcast(true), ec);
  if (!ec) s.bind(ep, ec);
  if (ec) return nullptr;
  return std::make_unique<AsioUdp>(std::make_shared<AsioUdp::State>(std::move(s)));
}

void netPoll() {
  // A handler may show a box whose nested frames poll again; those run nothing twice.
  static bool polling = false;
  if (polling) return;
  polling = true;
  ioc().poll();
  ioc().restart();
  polling = false;
}

std::string lookupHost(const std::string& name) {
  const std::string n = name.empty() || name == "localhost" ? "127.0.0.1" : name;
  std::error_code ec;
  auto a = asio::ip::make_address_v4(n, ec);
  if (!ec) return a.to_string();
  tcp::resolver r(ioc());
  auto results = r.resolve(tcp::v4(), n, "", ec);
  if (ec || results.empty()) return "";
  return dotted(results.begin()->endpoint().address());
}

bool pingHost(const std::string& host, uint16_t port, uint32_t timeoutMs) {
  // Its own context, so the probe's wait runs no handler of the table's sockets.
  std::error_code ec;
  auto to = asio::ip::make_address(lookupHost(host), ec);
  if (ec) return false;
  asio::io_context local;
  tcp::socket sock(local);
  bool done = false, ok = false;
  sock.async_connect(tcp::endpoint(to, port), [&](const std::error_code& e) {
    done = true;
    ok = !e;
  });
  local.run_for(std::chrono::milliseconds(timeoutMs));
  if (!done) sock.close(ec);
  return ok;
}

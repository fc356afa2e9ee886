// A blocking request and answer over TCP on the calling thread's own Asio context.
#include <asio.hpp>

#include "platform/net.h"

namespace {

using asio::ip::tcp;

// The received bytes not yet taken by the reader.
class Received : public NetStream {
 public:
  size_t available() const override { return bytes_.size() - pos_; }
  size_t read(uint8_t* dst, size_t max) override {
    const size_t n = std::min(max, available());
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(pos_), n, dst);
    pos_ += n;
    return n;
  }
  bool write(const uint8_t*, size_t) override { return false; }
  void append(const uint8_t* src, size_t n) {
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(pos_));
    pos_ = 0;
    bytes_.insert(bytes_.end(), src, src + n);
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t pos_ = 0;
};

}  // namespace

int netExchange(const std::string& host, uint16_t port, const std::string& bindAddress,
                const std::vector<uint8_t>& request, uint32_t timeoutMs,
                const std::function<int(NetStream&)>& onRead) {
  asio::io_context context;
  std::error_code ec;
  const std::string name = host.empty() || host == "localhost" ? "127.0.0.1" : host;
  asio::ip::address to = asio::ip::make_address(name, ec);
  if (ec) {
    tcp::resolver resolver(context);
    auto found = resolver.resolve(tcp::v4(), name, "", ec);
    if (ec || found.empty()) return -1;
    to = found.begin()->endpoint().address();
  }
  tcp::socket sock(context);
  sock.open(tcp::v4(), ec);
  if (!ec && !bindAddress.empty()) sock.bind(tcp::endpoint(asio::ip::make_address(bindAddress, ec), 0), ec);
  if (ec) return -1;
  int outcome = 0;
  bool finished = false;
  Received received;
  std::array<uint8_t, 4096> chunk{};
  std::function<void()> readMore = [&] {
    sock.async_read_some(asio::buffer(chunk), [&](const std::error_code& e, size_t n) {
      if (finished) return;
      if (e) {
        finished = true;
        outcome = e == asio::error::eof ? 0 : -1;
        return;
      }
      received.append(chunk.data(), n);
      if (int r = onRead(received); r != 0) {
        finished = true;
        outcome = r;
        return;
      }
      readMore();
    });
  };
  sock.async_connect(tcp::endpoint(to, port), [&](const std::error_code& e) {
    if (finished) return;
    if (e) {
      finished = true;
      outcome = -1;
      return;
    }
    asio::async_write(sock, asio::buffer(request), [&](const std::error_code& w, size_t) {
      if (w && !finished) {
        finished = true;
        outcome = -1;
      }
    });
    readMore();
  });
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!finished && std::chrono::steady_clock::now() < end) context.run_one_until(end);
  const int result = finished ? outcome : 0;
  finished = true;  // what the close cancels changes nothing
  sock.close(ec);
  return result;
}

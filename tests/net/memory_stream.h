// A byte stream in memory for the record reader and writer: what a socket would deliver is
// fed in pieces, what is written is collected.
#pragma once

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/net.h"

class MemoryStream : public NetStream {
 public:
  void feed(const uint8_t* data, size_t n) { in_.insert(in_.end(), data, data + n); }
  void feed(const std::vector<uint8_t>& data) { feed(data.data(), data.size()); }
  size_t available() const override { return in_.size(); }
  size_t read(uint8_t* dst, size_t max) override {
    size_t n = std::min(max, in_.size());
    std::copy_n(in_.begin(), n, dst);
    in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n));
    return n;
  }
  bool write(const uint8_t* src, size_t n) override {
    if (closed) return false;
    written.insert(written.end(), src, src + n);
    return true;
  }

  std::vector<uint8_t> written;
  bool closed = false;

 private:
  std::deque<uint8_t> in_;
};

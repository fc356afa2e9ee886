#pragma once

#include <cstdint>

// FNV-1a over 64-bit words: small and the same on every machine, so runs on different
// machines, or before and after a change, compare by one number.
struct TWordDigest {
  uint64_t value = 0xcbf29ce484222325ULL;

  void add(int64_t v) {
    for (int i = 0; i < 8; i++) {
      value ^= static_cast<uint64_t>(v >> (8 * i)) & 0xFF;
      value *= 0x100000001b3ULL;
    }
  }
};

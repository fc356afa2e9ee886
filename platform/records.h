// Fixed-capacity building blocks of the program's records: arrays with a declared lower
// bound (so sp[1]..sp[20] reads as the system numbers it) and length-prefixed short strings.
#pragma once

#include <cassert>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// array[Lo..Hi] of T. Plain data: copying the record copies the array.
template <class T, int Lo, int Hi>
struct LArray {
  static_assert(Hi >= Lo);
  static constexpr int low = Lo;
  static constexpr int high = Hi;
  static constexpr int size = Hi - Lo + 1;

  T v[size];

  T& operator[](int i) {
    assert(i >= Lo && i <= Hi);
    return v[i - Lo];
  }
  const T& operator[](int i) const {
    assert(i >= Lo && i <= Hi);
    return v[i - Lo];
  }
  static constexpr bool inRange(int i) { return i >= Lo && i <= Hi; }
  T* begin() { return v; }
  T* end() { return v + size; }
  const T* begin() const { return v; }
  const T* end() const { return v + size; }
};

// string[N]: one length byte and N characters (Windows-1252 bytes), as stored in files.
template <int N>
struct ShortString {
  static_assert(N >= 1 && N <= 255);
  static constexpr int capacity = N;

  uint8_t len;
  char s[N];

  // Longer texts are cut to the capacity, as an assignment to string[N] does.
  void assign(std::string_view text) {
    len = static_cast<uint8_t>(text.size() < size_t(N) ? text.size() : size_t(N));
    if (len > 0) std::memcpy(s, text.data(), len);  // an empty view may carry no pointer at all
  }
  ShortString& operator=(std::string_view text) {
    assign(text);
    return *this;
  }
  std::string str() const { return std::string(s, len < N ? len : N); }
  std::string_view view() const { return std::string_view(s, len < N ? len : N); }
  bool empty() const { return len == 0; }
};

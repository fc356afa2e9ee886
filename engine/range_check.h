// Range checks of the engine's record fields and its rounding: a value that does not fit its
// field raises ERangeError; round() is to the nearest integer, halves to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

#include "platform/errors.h"

inline int16_t toInt16(int64_t v, const char* where) {
  if (v < INT16_MIN || v > INT16_MAX) throw ERangeError(std::string(where) + ": value " + std::to_string(v) + " does not fit int16");
  return static_cast<int16_t>(v);
}

inline int8_t toInt8(int64_t v, const char* where) {
  if (v < INT8_MIN || v > INT8_MAX) throw ERangeError(std::string(where) + ": value " + std::to_string(v) + " does not fit int8");
  return static_cast<int8_t>(v);
}

inline int32_t roundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

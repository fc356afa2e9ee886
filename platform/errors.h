// The run-time error classes the system's routines raise to their callers: a value outside
// its declared range, a failed file operation, a text that is not a number.
#pragma once

#include <stdexcept>
#include <string>

// A range check failed: an index outside its array, a value that does not fit its field.
class ERangeError : public std::runtime_error {
 public:
  explicit ERangeError(const std::string& what) : std::runtime_error(what) {}
};

// A file could not be opened, read or written.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const std::string& what) : std::runtime_error(what) {}
};

// A text field is not a valid number.
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const std::string& what) : std::runtime_error(what) {}
};

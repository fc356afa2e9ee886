// The run-time error classes the system's routines raise to their callers: a value outside
// its declared range, a failed file operation, a text that is not a number.
#pragma once

#include <stdexcept>
#include <string>

// Called as each error below is made, before it is thrown: the error log puts its call-stack
// capture here, so a report can tell where an earlier, caught error came from. Empty until
// the error log is initialised.
using TRunErrorHook = void (*)();
inline TRunErrorHook runErrorHook = nullptr;

// A range check failed: an index outside its array, a value that does not fit its field.
class ERangeError : public std::runtime_error {
 public:
  explicit ERangeError(const std::string& what) : std::runtime_error(what) {
    if (runErrorHook) runErrorHook();
  }
};

// A file could not be opened, read or written.
class EInOutError : public std::runtime_error {
 public:
  explicit EInOutError(const std::string& what) : std::runtime_error(what) {
    if (runErrorHook) runErrorHook();
  }
};

// A text field is not a valid number.
class EConvertError : public std::runtime_error {
 public:
  explicit EConvertError(const std::string& what) : std::runtime_error(what) {
    if (runErrorHook) runErrorHook();
  }
};

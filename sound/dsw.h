// DSW: the base class of the sound library's objects and its base exception.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

// Every library object knows its class name; failures name it in their message.
class TDSWObject {
 public:
  explicit TDSWObject(const char* className) : className_(className) {}
  virtual ~TDSWObject() = default;
  TDSWObject(const TDSWObject&) = delete;
  TDSWObject& operator=(const TDSWObject&) = delete;
  const std::string& className() const { return className_; }

 private:
  std::string className_;
};

// EDSWError.CreateWithCode (context, code, detail): message context + ":" + CR + detail.
class EDSWError : public std::runtime_error {
 public:
  EDSWError(const std::string& context, int32_t code, const std::string& detail)
      : std::runtime_error(context + ":\r" + detail), code_(code) {}
  int32_t code() const { return code_; }

 private:
  int32_t code_;
};

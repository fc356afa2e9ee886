// The record a table's rules string is parsed into.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

struct tUniRegelStruktur {
  int32_t timeLimit = 0;        // option 2's value index
  int32_t players = 0;          // the number in option 1's value text
  int32_t target = 0;           // the number in option 3's value text
  LArray<int32_t, 1, 8> options{};
  int32_t reserved1 = 0;        // no reader exists
  int32_t reserved2 = 0;
  int32_t computerSeats = 0;
  int32_t humanSeats = 0;
  int32_t openSeats = 0;
  std::string text;             // no reader exists
  std::string tableName;
};

// nettable's count game: the seats play the numbers 1, 2, 3 … in seat order as moves; the
// machine that leads the table plays the computer seats and the lost ones. Each machine
// prints every number it sees, so a test can check each came once and in order.
#pragma once

#include <chrono>
#include <cstdint>

#include "net/net_transport.h"

class CountGame {
 public:
  CountGame(TNetz& transport, int32_t count, uint32_t paceMs);
  // At the host: open seats become computer seats and the game starts.
  void start();
  // Takes the numbers received and plays the next one when it is this machine's.
  void step();
  bool finished() const { return count_ > 0 && next_ > count_; }

 private:
  int32_t seatOf(int32_t number) const { return players_ == 0 ? 0 : (number - 1) % players_ + 1; }
  void seen(int32_t number, int32_t seat);
  TNetz& t_;
  int32_t count_;
  std::chrono::milliseconds pace_;
  int32_t next_ = 1;
  int32_t players_ = 0;
  std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

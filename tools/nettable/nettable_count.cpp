// The count game of nettable.
#include "tools/nettable/nettable_count.h"

#include <iostream>

CountGame::CountGame(TNetz& transport, int32_t count, uint32_t paceMs)
    : t_(transport), count_(count), pace_(paceMs) {
  t_.hooks.seatToAct = [this] { return seatOf(next_); };
}

void CountGame::start() {
  if (!t_.isHost) return;
  for (auto& s : t_.seats)
    if (s.state == 3) s.state = 0;
  t_.sendGameInfo();
  t_.sendGameStart(0);
}

void CountGame::seen(int32_t number, int32_t seat) {
  if (number != next_) {
    std::cout << "count wrong " << number << " expected " << next_ << std::endl;
    return;
  }
  std::cout << "count " << number << " seat " << seat << std::endl;
  ++next_;
  last_ = std::chrono::steady_clock::now();
}

void CountGame::step() {
  if (count_ <= 0 || t_.phase != 2) return;
  if (players_ == 0)
    for (const TNetSeat& s : t_.seats) players_ += s.state != 3 && s.state != 5;
  TNetMove m;
  while (!finished() && t_.popInput(m)) seen(m.a, seatOf(next_));
  if (finished() || t_.isReconnecting() || (!t_.isHost && !t_.isClient)) return;
  if (std::chrono::steady_clock::now() - last_ < pace_) return;
  const int32_t seat = seatOf(next_);
  const uint8_t state = t_.seats[seat].state;
  const bool leadsFor = isGameMaster(t_) && (state == 0 || state == 4);
  if (seat != t_.ownSeat && !leadsFor) return;
  t_.sendMove(0, next_, 0);
  seen(next_, seat);
}

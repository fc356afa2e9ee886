// The chat lines shown at the seats during a game: the newest on top, each with a life that
// time lowers to 30 at most and received moves lower further, until a move removes it.
#include "net/net_transport.h"

#include <cmath>

#include "platform/tick.h"

namespace {
// Rounded to the nearest whole number, halves to the even one.
int32_t roundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }
}  // namespace

void TNetz::addSeatMessage(const std::string& text, int32_t netSeat) {
  if (!seats.inRange(netSeat)) return;
  if (messageShowState[netSeat] != 1 && messageShowState[netSeat] != 2) messageShowState[netSeat] = 0;
  TNetSeat& s = seats[netSeat];
  for (int i = 6; i >= 2; --i) {
    s.messageLines[i] = s.messageLines[i - 1];
    s.messageLife[i] = s.messageLife[i - 1];
  }
  s.messageCount = std::min(5, s.messageCount + 1);
  s.messageLines[1] = text;
  s.messageLife[1] = 100;
}

void TNetz::ageSeatMessages(int32_t moves) {
  const int32_t x = roundEven(moves * 1.5);
  const uint32_t now = getTickCount();
  const uint32_t elapsed = tickDiff(now, messageAgeMark);
  const int32_t e = roundEven(elapsed / 1000.0);
  if (elapsed >= 1000) messageAgeMark = now;
  for (int n = 1; n <= seatCount && n <= 8; ++n) {
    TNetSeat& s = seats[n];
    int i = 1;
    while (i <= s.messageCount) {
      int32_t life = s.messageLife[i];
      if (life - e >= 30) life -= e;
      else if (life > 30) life = 30;  // time alone never takes a line below 30
      life -= x;
      if (moves > 0 && life < 0) {
        // The lines behind move up; the one now at i is aged next.
        for (int k = i; k < 6; ++k) {
          s.messageLines[k] = s.messageLines[k + 1];
          s.messageLife[k] = s.messageLife[k + 1];
        }
        s.messageLife[6] = 0;
        --s.messageCount;
        continue;
      }
      s.messageLife[i] = life;
      ++i;
    }
  }
}

void TNetz::getSeatMessages(int32_t netSeat, std::string& text) const {
  text.clear();
  if (!seats.inRange(netSeat)) return;
  const TNetSeat& s = seats[netSeat];
  for (int i = 1; i <= s.messageCount && i <= 6; ++i) {
    if (i > 1) text += "\r\x05\r";
    text += s.messageLines[i].str();
  }
}

// The seat part of the rules string (positions 9..32): per seat a kind, a computer strength
// and a substitute-host digit. Clients mirror the host's seat table through it, which the
// takeover of a lost host needs.
#include "net/net_transport.h"

namespace {
// Kind digit by seat state 0..5, and back.
constexpr char kKindOfState[] = {'1', '2', '3', '4', '6', '5'};
constexpr uint8_t kStateOfKind[] = {0, 0, 1, 2, 3, 5, 4};  // index: kind digit 1..6
constexpr size_t kFirst = 8;                               // position 9, 0-based
}  // namespace

std::string buildSeatDigits(const TNetz& t) {
  std::string out;
  for (int s = 1; s <= 8; ++s) {
    const TNetSeat& seat = t.seats[s];
    out += seat.state <= 5 ? kKindOfState[seat.state] : '5';
    out += char('0' + (seat.strength >= 0 && seat.strength <= 3 ? seat.strength : 0));
    out += seat.substitute ? '1' : '0';
  }
  return out;
}

bool applySeatDigits(TNetz& t, const std::string& rules) {
  if (!isRulesString(rules)) return false;
  // A leading machine that is not the host (relay mode) keeps its own seat choices.
  const bool takesAll = !isGameMaster(t) || t.isHost;
  for (int s = 1; s <= 8; ++s) {
    const size_t p = kFirst + 3 * size_t(s - 1);
    TNetSeat& seat = t.seats[s];
    const uint8_t state = kStateOfKind[rules[p] - '0'];
    if (seat.state == 1 || state == 1 || takesAll) seat.state = state;
    if (takesAll) seat.strength = rules[p + 1] - '0';
    seat.substitute = rules[p + 2] == '1' ? 1 : 0;
  }
  t.seatCount = 8;
  return true;
}

bool isRulesString(const std::string& text) {
  if (text.size() < kFirst + 24) return false;
  for (size_t i = 0; i < kFirst + 24; ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  for (int s = 1; s <= 8; ++s) {
    const char kind = text[kFirst + 3 * size_t(s - 1)];
    if (kind < '1' || kind > '6') return false;
  }
  return true;
}

// Card notation for tests.
#include "tests/support/cards.h"

#include <sstream>
#include <stdexcept>

namespace {
const char* rankCodes[] = {"", "7", "8", "9", "J", "Q", "K", "10", "A", "2", "3", "4", "5", "6", "x"};
const char suitCodes[] = {'?', 'c', 's', 'h', 'd'};

template <class List>
std::string listText(const List& h, bool slots) {
  std::string out;
  for (int i = 1; i <= h.anz; i++) {
    if (i > 1) out += ' ';
    out += cardText(h.k[i]);
    if (slots) out += "#" + std::to_string(h.k[i].hi);
  }
  return out;
}
}  // namespace

TCard card(const std::string& text) {
  std::string t = text;
  int16_t slot = 0;
  if (auto hash = t.find('#'); hash != std::string::npos) {
    slot = static_cast<int16_t>(std::stoi(t.substr(hash + 1)));
    t = t.substr(0, hash);
  }
  if (t == "x") return TCard{rankJoker, suitClubs, slot};
  int suit = 0;
  for (int s = 1; s <= 4; s++)
    if (!t.empty() && t[0] == suitCodes[s]) suit = s;
  for (int r = 1; r <= 13; r++)
    if (suit && t.substr(1) == rankCodes[r]) return TCard{int8_t(r), int8_t(suit), slot};
  throw std::invalid_argument("bad card: " + text);
}

THand handOf(const std::string& text) {
  THand h{};
  std::istringstream in(text);
  std::string w;
  while (in >> w) h.k[++h.anz] = card(w);
  return h;
}

THand64 hand64Of(const std::string& text) {
  THand64 h{};
  std::istringstream in(text);
  std::string w;
  while (in >> w) h.k[++h.anz] = card(w);
  return h;
}

std::string cardText(const TCard& c) {
  if (c.t == rankJoker) return "x";
  if (c.t < 1 || c.t > 13 || c.f < 1 || c.f > 4)
    return "(" + std::to_string(c.t) + "," + std::to_string(c.f) + ")";
  return std::string(1, suitCodes[c.f]) + rankCodes[c.t];
}

std::string handText(const THand& h) { return listText(h, false); }
std::string handText(const THand64& h) { return listText(h, false); }
std::string handSlotsText(const THand& h) { return listText(h, true); }

THand fullHand() {
  THand h{};
  for (int i = 1; i <= handCapacity; i++) h.k[i] = makeCard(rank7, suitClubs);
  h.anz = handCapacity;
  return h;
}

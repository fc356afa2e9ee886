// Doppelkopf's area in use, the default options and the item-text numbers of the options.
#include "games/skat/doppelkopf_state.h"

#include <cctype>

#include "core/cg.h"

namespace {
TDoppelkopfArea moduleArea{};
}  // namespace

TDoppelkopfArea* doppelkopfArea = &moduleArea;

void doppelkopfAttachArea(TDoppelkopfArea& area) { doppelkopfArea = &area; }

TDoppelkopfArea& doppelkopfGameArea() { return gameArea<TDoppelkopfArea>(cg.gs.doppelkopf); }

// A list of 20 games with every special and announcement, the dealer by chance.
const TDoppelkopfOptions doppelkopfDefaultOptions = [] {
  TDoppelkopfOptions o{};
  o.gameLimit = 20;
  o.pointLimit = 0;
  o.dealerChoice = 1;
  o.fuchsFangen = o.doppelkopf = o.karlchen = 1;
  o.soloLead = doppelkopfLeadNormal;
  o.bubenDamenSolo = 0;
  o.secondDulle = 0;
  for (uint8_t& a : o.announcements) a = 1;
  return o;
}();

int32_t doppelkopfParseLeadingNumber(const std::string& text) {
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return doppelkopfNoGameLimit;
  std::string head = text.substr(0, text.rfind(' '));
  int32_t n = 0;
  for (char c : head) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return doppelkopfNoGameLimit;
    if (n > 99999999) return doppelkopfNoGameLimit;
    n = n * 10 + (c - '0');
  }
  return n;
}

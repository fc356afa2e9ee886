// The debug panel's texts of the Schafkopf and Doppelkopf computer players.
#include "games/skat/skat_family_ai_debug.h"

#include <array>

std::string aiDebugText;

namespace {

std::array<std::string, debugLabelCount + 1> labels;

char entryOf(int32_t party) {
  switch (party) {
    case partyUndecided: return ' ';
    case partyRe: return 'R';
    case partyKontra: return 'K';
    default: return 'f';
  }
}

}  // namespace

const std::string& debugLabelText(int32_t label) {
  static const std::string none;
  return label >= 1 && label <= debugLabelCount ? labels[size_t(label)] : none;
}

void setDebugLabelText(int32_t label, const std::string& text) {
  if (label >= 1 && label <= debugLabelCount) labels[size_t(label)] = text;
}

std::string partyViewDebugLine(const TPartyView& view, int32_t viewer) {
  std::string line;
  for (int32_t s = 1; s <= 4; s++) {
    const char e = entryOf(view.party[s]);
    if (s == viewer) line += std::string("[") + e + "]";
    else line += e;
  }
  return line;
}

void showPartyViewsDebug(const TPartyViews& views) {
  for (int32_t v = 1; v <= 4; v++) setDebugLabelText(v, partyViewDebugLine(views[v], v));
}

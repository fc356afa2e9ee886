// Picking an offered answer for the Schafkopf and Doppelkopf computer players.
#include "games/skat/trick_ai_options.h"

#include <algorithm>

#include "core/cg.h"

namespace {

int32_t offeredCount() {
  const TDecisionBlock& bl = cg.gs.bl;
  return bl.showOptions ? std::clamp(bl.optionCount, 0, decisionOptionCapacity) : 0;
}

}  // namespace

bool trickAIOffered(int32_t value) {
  for (int32_t i = 1; i <= offeredCount(); i++)
    if (cg.gs.bl.optionValues[i] == value) return true;
  return false;
}

int32_t trickAIPickOffered(int32_t wanted, int32_t cautious, const std::function<int32_t(int32_t)>& rank) {
  if (wanted != trickAINoOption && trickAIOffered(wanted)) return wanted;
  if (cautious != trickAINoOption && trickAIOffered(cautious)) return cautious;
  int32_t best = trickAINoOption;
  int32_t bestRank = 0;
  for (int32_t i = 1; i <= offeredCount(); i++) {
    const int32_t value = cg.gs.bl.optionValues[i];
    const int32_t r = rank ? rank(value) : 0;
    if (best == trickAINoOption || r > bestRank) best = value, bestRank = r;
  }
  return best;
}

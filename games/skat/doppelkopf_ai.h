// The Doppelkopf computer player: its view of the deal, the probability questions it asks,
// the card choice, the hook that watches every card played and the turn the core calls.
// The design is shared with Schafkopf's player (skat_family_ai.h).
#pragma once

#include <cstdint>

#include "games/skat/skat_family_ai.h"

extern TDealView doppelkopfAIView;
// The player over Doppelkopf's rules and area.
TFamilyAI& doppelkopfAI();

inline void doppelkopfAIBuildView(int32_t seat) { doppelkopfAI().buildView(seat); }
inline int32_t doppelkopfAISuitClass(const TCard& c) { return doppelkopfAI().suitClass(c); }
inline float doppelkopfAIProbHolds(int32_t seat, const TCardPattern& p, int mode) {
  return doppelkopfAI().probHolds(seat, p, mode);
}
inline float doppelkopfAIProbHoldsHigherCard(int32_t seat, const TCard& c) { return doppelkopfAI().probHigherCard(seat, c); }
inline float doppelkopfAIProbHoldsLowerCard(int32_t seat, const TCard& c) { return doppelkopfAI().probLowerCard(seat, c); }
inline float doppelkopfAIProbIsVoid(int32_t seat, int32_t cls) { return doppelkopfAI().probIsVoid(seat, cls); }
inline float doppelkopfAIProbHoldsSuit(int32_t seat, int32_t cls) { return doppelkopfAI().probHoldsSuit(seat, cls); }
inline float doppelkopfAIProbHoldsSameTrump(int32_t seat, const TCard& c, int32_t cls, bool strict) {
  return doppelkopfAI().probSameTrump(seat, c, cls, strict);
}
inline bool doppelkopfAINoReKnown() { return doppelkopfAI().noReKnown(); }
inline float doppelkopfAIAceTrickChance(const TCard& c) { return doppelkopfAI().aceTrickChance(c); }
inline void doppelkopfAITrickWinChances(TCandidateRatings& r) { doppelkopfAI().trickWinChances(r); }
inline int32_t doppelkopfAIEvaluateCandidates(const TCandidateRatings& r) { return doppelkopfAI().evaluateCandidates(r); }
// The view must be built for the seat to act.
inline TCard doppelkopfAIChooseCard() { return doppelkopfAI().chooseCard(); }

void doppelkopfAIObserve(int kind, int32_t a, int32_t b);
void doppelkopfAIMove();

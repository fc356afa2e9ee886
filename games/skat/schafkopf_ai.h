// The Schafkopf computer player: its view of the deal, the probability questions it asks,
// the card choice, the hook that watches every card played and the turn the core calls.
// The design is shared with Doppelkopf's player (skat_family_ai.h).
#pragma once

#include <cstdint>

#include "games/skat/skat_family_ai.h"

extern TDealView schafkopfAIView;
// The player over Schafkopf's rules and area.
TFamilyAI& schafkopfAI();

inline void schafkopfAIBuildView(int32_t seat) { schafkopfAI().buildView(seat); }
inline int32_t schafkopfAISuitClass(const TCard& c) { return schafkopfAI().suitClass(c); }
inline bool schafkopfAICardMatchesPattern(const TCard& c, const TCardPattern& p) { return schafkopfAI().matches(c, p); }
inline int32_t schafkopfAICountPatternCards(const THand& h, const TCardPattern& p) {
  return schafkopfAI().countPattern(h, p);
}
inline float schafkopfAIProbHolds(int32_t seat, const TCardPattern& p, int mode) {
  return schafkopfAI().probHolds(seat, p, mode);
}
inline float schafkopfAIProbHoldsHigherCard(int32_t seat, const TCard& c) { return schafkopfAI().probHigherCard(seat, c); }
inline float schafkopfAIProbHoldsLowerCard(int32_t seat, const TCard& c) { return schafkopfAI().probLowerCard(seat, c); }
inline float schafkopfAIProbIsVoid(int32_t seat, int32_t cls) { return schafkopfAI().probIsVoid(seat, cls); }
inline float schafkopfAIProbHoldsSuit(int32_t seat, int32_t cls) { return schafkopfAI().probHoldsSuit(seat, cls); }
inline float schafkopfAIAceTrickChance(const TCard& c) { return schafkopfAI().aceTrickChance(c); }
inline void schafkopfAITrickWinChances(TCandidateRatings& r) { schafkopfAI().trickWinChances(r); }
inline int32_t schafkopfAIEvaluateCandidates(const TCandidateRatings& r) { return schafkopfAI().evaluateCandidates(r); }
// The view must be built for the seat to act.
inline TCard schafkopfAIChooseCard() { return schafkopfAI().chooseCard(); }

// Every accepted action of every seat, before the game step applies it.
void schafkopfAIObserve(int kind, int32_t a, int32_t b);
// The computer seat to act answers its open question or plays a card.
void schafkopfAIMove();

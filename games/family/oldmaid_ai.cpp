// Old Maid's computer player (see oldmaid_ai.h).
#include "games/family/oldmaid_ai.h"

#include "core/auto_decide.h"

TOldMaidAI::TOldMaidAI() : TAbstractCardAIImpl("Old Maid KI", gidOldMaid) {}

void TOldMaidAI::cleanup() { log("done"); }

// Nothing is remembered: a drawn card is a blind pick.
void TOldMaidAI::karte_bewegt(int32_t, int32_t, TCard) {}

void TOldMaidAI::play() { autoDecide(false); }

std::unique_ptr<TAbstractCardAIImpl> createOldMaidAI() { return std::make_unique<TOldMaidAI>(); }

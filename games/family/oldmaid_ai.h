// Old Maid's computer player: every choice goes to the core's random decision.
#pragma once

#include <memory>

#include "core/card_ai.h"

class TOldMaidAI : public TAbstractCardAIImpl {
 public:
  TOldMaidAI();
  void cleanup() override;
  void karte_bewegt(int32_t fromStack, int32_t toStack, TCard card) override;
  void play() override;
};

std::unique_ptr<TAbstractCardAIImpl> createOldMaidAI();

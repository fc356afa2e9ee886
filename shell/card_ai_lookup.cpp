// The main window's look-up of card-AI objects by game id.
#include "shell/card_ai_lookup.h"

TAbstractCardAIImpl* getCardAIByType(TGameId id) {
  for (auto& object : aiRegistry)
    if (object->isGame(id)) return object.get();
  return nullptr;
}

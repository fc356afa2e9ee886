// Tglapp.getCardAIByType: the main window's look-up of the card-AI object of a game.
#pragma once

#include "core/card_ai.h"

// The first object of aiRegistry that serves the game, or nullptr. No side effects.
TAbstractCardAIImpl* getCardAIByType(TGameId id);

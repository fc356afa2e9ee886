// Blackjack's record over its bytes of the game state.
#include "games/casino/blackjack_state.h"

#include "core/cg.h"

TBlackjackState& blackjackArea() { return gameArea<TBlackjackState>(cg.gs.blackjack); }

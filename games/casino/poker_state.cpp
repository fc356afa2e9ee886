// Poker's record over its bytes of the game state.
#include "games/casino/poker_state.h"

#include "core/cg.h"

TPokerArea& pokerArea() { return gameArea<TPokerArea>(cg.gs.poker); }

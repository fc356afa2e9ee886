// Hand-written rules of the poker computer player: before the flop always, after the flop
// when the case memory has no answer. Both turn win probabilities into a level 0..6 (0 fold
// or check, 1 check or call, 2..5 raises of growing size, 6 all-in) and the level into a
// decision the seat can pay.
#pragma once

#include <cstdint>

#include "games/casino/poker_ai.h"

// The first rung of the ladder that applies; with caps the pre-flop limits on the smallest
// raise hold (a rung whose cap fails is skipped).
TPokerDecision pokerLevelDecision(int32_t level, const TPokerSeatView& v, bool caps);
void pokerRuleDecisionB(int32_t seat, TPokerDecision& d);
void pokerRuleDecision(int32_t seat, TPokerDecision& d);

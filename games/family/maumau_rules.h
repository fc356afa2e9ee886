// Mau-Mau's card rules: which card may follow the top card, the missed announcement, the
// playable cards of the seat to act, and the refill of the stock from the discard pile.
#pragma once

#include <cstdint>

#include "core/cards.h"

// The card on top of the discard pile (the copy the table keeps of the card last put there).
TCard maumauTopCard();
// The card may follow `top`. useSaved takes the decision's kind and card flag from the copy
// saved when it was shown (the table asks so while cards land) and skips the wish check.
bool maumauIsLegalFollow(const TCard& card, const TCard& top, bool useSaved);
bool maumauIsLegalCard(const TCard& card);
// The seat to act holds its last card without having announced it (under the announcement rule).
bool maumauMauMissing();
// The legal cards of the seat to act into `out` (slot numbers in the high word); their count.
int32_t maumauPlayableCards(THand& out);
// Cards of a stack.
int32_t maumauCardsOf(int32_t stack);
// Makes sure the stock can give n cards, turning the discard pile (all but its top card)
// into a new shuffled stock when it cannot. True when the step may go on; false while the
// cards move or shuffle (the step calls again). Ready at once without the reshuffle rule, or
// when the discard pile holds nothing but its top card.
bool maumauRefillStock(int32_t n);

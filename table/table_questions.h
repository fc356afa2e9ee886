// The table's questions to the games: is a seat's hand shown open, may a card be played or
// follow the led card, are all cards free to choose, are unplayable cards shaded. Each is
// answered by the current game's hook (fixed answers for the others), then made safe while
// the shadow pass draws or while the core expects no card. Also the table-side questions:
// where a hand is laid open, the top card of a stack, the closed piles, Mau-Mau's suit.
// None of them changes any state.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "table/stacks.h"

bool isSeatHandOpen(int32_t seat);
bool isLegalCard(const TCard& card);
// A third argument some callers pass is not needed: the led card is enough.
bool isLegalFollow(const TCard& card, const TCard& ledCard);
bool allCardsSelectable();
bool shadesUnplayableCards(int32_t stack);
// Where the seat's hand goes when it is laid open; the caller passes the seat's restPose.
TCardPose getOpenHandPos(const TCardPose& restPose, int32_t seat);
// Card `index` is the topmost card of the stack that is not moving away, or it is card 1.
bool isTopVisibleCard(int32_t stack, int32_t index);
// The stack is drawn as a closed pile: the stock, and the won-trick piles of the trick games.
bool isStockOrTrickPile(int32_t stack);
// Mau-Mau's suit to follow: the last card put on the trick pile, or the wished suit.
int32_t topCardSuit();
// Canasta seen from the side.
bool isCanastaSideView();

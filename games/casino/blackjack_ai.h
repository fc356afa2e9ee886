// Blackjack's computer players: a card memory of the shoe with a running count, bet styles
// drawn anew for every shoe, doubling by a small table, drawing by strength (beginner a coin
// flip, normal a stand threshold by the dealer's up card, pro the share of unseen cards that
// would bust the hand), comments and reactions. The memory is module state, not saved: a
// loaded game starts it again for its shoe.
#pragma once

#include <cstdint>
#include <vector>

#include "core/cards.h"

enum TBlackjackBetStyle : int32_t { bjBetStrictly = 0, bjBetRandomly = 1, bjBetIncreasingly = 2 };

struct TBlackjackCardMemory {
  int32_t runningCount = 0;            // sum of the count values of the observed cards
  int32_t betStyle[13] = {};           // per seat 1..12
  int32_t zeroBets[13] = {};           // bets of 0 a seat may still make
  int32_t shoeSize = 0;                // cards in the shoe when the memory started
  std::vector<TCard> seenCards;        // every observed card, repeats included
};
extern TBlackjackCardMemory blackjackCardMemory;

// A new memory for a shoe of `size` cards: count 0, every seat's style and allowance drawn.
void blackjackAIInitDeck(int32_t size);
// A card the table saw land (kind: see TGameCallbacks::observeCard).
void blackjackAIObserveCard(int32_t kind, bool faceUp, const TCard& card);
// The computer seat to act answers the open bet or play question.
void blackjackAIMove();
// The seat to act comments on its evaluated hand (not the dealer, not seat 1).
void bjAiReactToResult();

int32_t blackjackAICountValue(const TCard& card);
int32_t blackjackAIBet();
bool blackjackAIDouble();
bool blackjackAIWantsCard();
bool blackjackAIDrawBeginner();
bool blackjackAIDrawNormal();
bool blackjackAIShouldDraw();

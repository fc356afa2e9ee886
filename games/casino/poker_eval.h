// Poker hand evaluation by pattern search over cards of the shared card type: the category
// of up to seven cards, the values that decide within a category, the best five cards, the
// comparison of two ratings and the hand's display name. This is the reference rating; the
// game, the win probability and the tools rate through the table-driven evaluator
// (poker_fast_eval.h), which gives the same ratings.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

// Hand categories; a higher ordinal is a better hand.
enum : uint8_t {
  pkNone = 0, pkHighCard = 1, pkPair = 2, pkTwoPairs = 3, pkThreeOfAKind = 4, pkStraight = 5,
  pkFlush = 6, pkFullHouse = 7, pkFourOfAKind = 8, pkStraightFlush = 9, pkRoyalFlush = 10,
};

// The shape a category asks for.
struct TPokerPattern {
  uint8_t category;
  int32_t cardCount;
  bool twoGroups;
  int32_t firstGroup;
  int32_t secondGroup;
  bool consecutive;
  bool sameRank;
  bool sameSuit;
  bool aceFirst;
};

// The rating of a hand. Values are poker values (2 = 9 .. ace = 21).
struct TPokerHandEval {
  uint8_t category;
  THand64 bestFive;  // filled only when asked for
  int32_t ordinal;
  int32_t decisive1;
  int32_t decisive2;
  int32_t kicker1, kicker2, kicker3, kicker4, kicker5;
};

int32_t categoryOrdinal(uint8_t category);
uint8_t categoryFromOrdinal(int32_t ordinal);
TPokerPattern handCategoryPattern(uint8_t category);

// cardValues := the poker values in all four suits.
void pokerInitCardTable();
int32_t pokerCardValue(const TCard& card);
TCard pokerValueToCard(int32_t value);
int32_t nextLowerRank(int32_t rank);
int32_t nthDistinctRank(const THand64& cards, int32_t n);

// Searches the pattern in the value-sorted cards; on success `matched` holds the matched
// cards and `left` the cards left over, both highest first.
bool handMatchesPattern(const THand64& sorted, const TPokerPattern& pattern, THand64& matched,
                        THand64& left);

TPokerHandEval evaluatePokerHand(THand64 cards, bool wantFive);
// 1: a is better, 2: b is better, 0: a tie. Suits never decide.
int32_t compareHandEvaluations(const TPokerHandEval& a, const TPokerHandEval& b);
int32_t comparePokerHands(const THand64& a, const THand64& b);

// The display name by the options germanTerms and nameForm.
std::string pokerHandName(const TPokerHandEval& rating);
std::string pokerHandNameIn(const TPokerHandEval& rating, bool german, int32_t nameForm);

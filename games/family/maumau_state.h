// Mau-Mau's records and its small rules: the state record, the special-card roles, the seat
// order, the sort values, the penalty points and the deck.
//
// [SECTION] stacks and roles
// [SECTION] the Mau-Mau state
// [SECTION] roles, seats, values
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// [SECTION] stacks and roles

constexpr int32_t maumauStock = 11;      // face down
constexpr int32_t maumauPile = 12;       // the discard pile
constexpr int32_t maumauAside = 13;      // holds the pile's top card while the pile is reshuffled
constexpr int32_t maumauMaxSeats = 6;

enum : int32_t {
  maumauDrawTwo = 31,    // the next seat draws 2 per stacked card
  maumauSkip = 32,       // the next seat sits out
  maumauWish = 33,       // the player wishes a suit; always the eight
  maumauReverse = 34,    // the direction of play turns
  maumauPlayAgain = 35,  // the player may play again
};

// Option values of the decisions besides the kinds themselves.
enum : int32_t { maumauOptContinue = 37, maumauOptPass = 43, maumauOptSayLast = 56 };

// [SECTION] the Mau-Mau state

// The game's area: what a saved game keeps. The options part is written by
// maumauReadOptions at a list's start (the tests fill it directly); the rest by the game step.
struct TMaumauState {
  TCard effectCard;        // the top card whose effect still hits the seat to act; cleared once built
  int32_t wishedSuit;      // 1..4 wished with the wish card on top, 0 none
  int32_t turnDirection;   // 1 or 2; a reverse card swaps it; 1 at each new game
  int32_t penaltyCount;    // stacked penalty cards of the pending draw-two or skip, >= 0
  int32_t savedPenalty;    // > 0: penalty count + 1 kept while a missed announcement is punished;
                           // < 0: -(decision kind) to show again after an announcement; 0 none
  int32_t penaltyKind;     // 31 or 32: the role of the last penalty decision
  LArray<int32_t, 31, 35> roleRank;  // rank carrying each role; 0 or -1 no card
  int32_t deckCopies;      // 1 or 2 times the 32 cards seven to ace (plus the 20 low cards once)
  int32_t dealerOption;    // 1 random, 2..7 seat 1..6
  int32_t startCards;      // 3..7 cards per seat
  uint8_t positiveScoring;    // the winner collects everyone's points
  int32_t roundLimit;      // games in the list; 99999 none
  int32_t pointsLimit;     // points ending the list; 0 or 99999 none
  uint8_t wishOnWish;         // a wish card may follow a wish card
  uint8_t stackDrawTwo;       // draw-twos add up (4, 6 ... cards)
  uint8_t stackSkip;          // skips add up (several seats sit out)
  uint8_t sortByRank;         // the user's hand by rank, else by suit
  uint8_t reshuffle;          // the pile becomes the new stock when the stock runs out
  uint8_t announceRule;       // a seat that does not announce its last card draws 2
  LArray<uint8_t, 1, 6> saidMau;  // the seat announced its last card
  int32_t moveCounter;     // turns finished in this game
};

// The running game's state: Mau-Mau's area of the game state, saved with it.
TMaumauState& maumauArea();

// The options a new record starts with: one deck, random dealer, 5 cards, positive scoring,
// seven draw-two, ace skip, nine reverse, no play-again card, no limits.
TMaumauState maumauDefaultState();

// [SECTION] roles, seats, values

// The highest role 31..35 carried by the rank; the eight is always the wish card. 0 none.
int32_t maumauCardRole(int32_t rank);
// The seat n places after (before) the seat to act in the order of play.
int32_t maumauSeatAfter(int32_t n);
int32_t maumauSeatBefore(int32_t n);
void maumauAdvanceSeat();
void maumauAdvanceSeatBack();
// The sort values into cardValues, by rank or by suit.
void maumauInitSortKeys();
// The display order of a card: (5 - suit) * 100 + key by suit, key * 100 + (5 - suit) by rank.
int32_t maumauSortValue(const TCard& c, bool byRank);
// Re-sorts the user's hand when the mode changes.
void maumauSetSortMode(bool byRank);
// The penalty points of a hand.
int32_t maumauPenaltyPoints(const THand& h);
// The stock emptied and refilled with the deck, shuffled.
void maumauBuildDeck();
// Cards of the deck for a number of copies: 32 per copy and the 20 low cards once.
inline int32_t maumauDeckSize(int32_t copies) { return 32 * copies + 20; }

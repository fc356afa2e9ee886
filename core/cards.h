// Cards and card lists: TCard, TShortCard, THand, THand64, THand25 and their operations.
// Lists are fixed-capacity records without heap memory, 1-based, copied by value and
// stored whole in other records and saved games.
//
// [SECTION] types
// [SECTION] adding and building
// [SECTION] deleting and removing
// [SECTION] searching and counting
// [SECTION] filters and selections
// [SECTION] conversions and slot numbers
// [SECTION] trump tests
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

// [SECTION] types

// Rank codes: 1 = 7, 2 = 8, 3 = 9, 4 jack, 5 queen, 6 king, 7 ten, 8 ace, 9..13 = 2..6,
// 14 joker. Suit codes: 1 clubs, 2 spades, 3 hearts, 4 diamonds. Rank or suit 0: no card.
enum : int8_t {
  rank7 = 1, rank8 = 2, rank9 = 3, rankJack = 4, rankQueen = 5, rankKing = 6,
  rankTen = 7, rankAce = 8, rank2 = 9, rank3 = 10, rank4 = 11, rank5 = 12, rank6 = 13,
  rankJoker = 14,
};
enum : int8_t { suitClubs = 1, suitSpades = 2, suitHearts = 3, suitDiamonds = 4 };

// Suit argument that means "the trumps of the current game".
constexpr int suitTrumps = 6;

// One card. Equal: rank and suit agree. Identical: the slot number agrees too.
struct TCard {
  int8_t t;   // rank
  int8_t f;   // suit
  int16_t hi; // slot number: the card's 1-based position in the stack it came from
};
static_assert(sizeof(TCard) == 4);

// The two-byte form: rank, then suit.
struct TShortCard {
  int8_t t;
  int8_t f;
};
static_assert(sizeof(TShortCard) == 2);

constexpr int handCapacity = 166;
constexpr int hand64Capacity = 64;
constexpr int hand25Capacity = 25;

// Per-list data of the games. The core knows the owner byte and the markers block.
struct THandExtras {
  uint8_t owner;        // the seat owning the list (a meld's owner in the meld table)
  uint8_t data[103];    // laid out by the games that use it
  uint8_t markers[24];  // zeroed by clearHand outside Canasta
};
static_assert(sizeof(THandExtras) == 128);

struct THand {
  LArray<TCard, 1, handCapacity> k;  // positions 1..anz are valid, the rest is stale
  int16_t anz;                       // 0..166
  THandExtras extras;
};
static_assert(sizeof(THand) == 794);

struct THand64 {
  LArray<TCard, 1, hand64Capacity> k;
  int16_t anz;    // 0..64
  uint8_t owner;
};

struct THand25 {
  LArray<TShortCard, 1, hand25Capacity> k;
  int8_t anz;     // 0..25
  uint8_t owner;
};
static_assert(sizeof(THand25) == 52);

inline TCard makeCard(int rank, int suit) {
  return TCard{static_cast<int8_t>(rank), static_cast<int8_t>(suit), 0};
}
inline TCard noCard() { return TCard{0, 0, 0}; }
inline bool isNoCard(const TCard& c) { return c.t == 0 || c.f == 0; }
inline bool cardsEqual(const TCard& a, const TCard& b) { return a.t == b.t && a.f == b.f; }
inline bool cardsIdentical(const TCard& a, const TCard& b) {
  return a.t == b.t && a.f == b.f && a.hi == b.hi;
}
bool isValidCard(const TCard& c);
void swapCards(TCard& a, TCard& b);
TCard widenWord(TShortCard c);
inline TShortCard shortCard(const TCard& c) { return TShortCard{c.t, c.f}; }

// [SECTION] adding and building
// Adding beyond the capacity shows "ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung"
// and stores nothing; the list keeps its cards.

void handaddk(THand& h, const TCard& c);
void handaddk(THand& h, TShortCard c);
void handaddk(THand64& h, const TCard& c);
void handaddk(THand64& h, TShortCard c);
void handaddk(THand25& h, const TCard& c);
void handaddk(THand25& h, TShortCard c);

void setHandToCard(const TCard& c, THand& h);
// p in 1..anz + 1; anything else is refused with an alert.
void insertCardAt(THand& h, const TCard& c, int p);
// Append every source card; at the first card that does not fit: the alert, then stop.
void appendHand(THand& dst, const THand& src);
void addHand64Cards(THand64& dst, const THand64& src);
void appendHand64(THand64& dst, const THand64& src);

// [SECTION] deleting and removing
// A position outside 1..anz is refused with an alert and gives noCard().

TCard deleteCardAt(THand& h, int p);
TCard deleteCardAt64(THand64& h, int p);
TShortCard deleteCardAt25(THand25& h, int p);
void removeFirstCard(THand& h, const TCard& c);
void removeFirstCard64(THand64& h, const TCard& c);
void removeFirstCard25(THand25& h, TShortCard c);
void removeCard(THand& h, const TCard& c);
void removeRank(THand& h, int rank);
void removeAllOfHand(THand& h, const THand& other);
void removeHandCards(THand& h, const THand& other);
void clearHand(THand& h);
void clearHandFull(THand& h);
void clearHand64(THand64& h);
void clearHand64Count(THand64& h);
void clearHand25(THand25& h);

// [SECTION] searching and counting

int indexOfCard(const THand& h, const TCard& c);
int indexOfCard64(const THand64& h, const TCard& c);
int indexOfCardExact(const THand& h, const TCard& c, const TCard& slotOf);
int lastIndexOfCard(const THand& h, const TCard& c);
int lastRankPosition(const THand& h, int rank);
bool hasCard(const THand& h, const TCard& c);
bool hasCard64(const THand64& h, const TCard& c);
bool hasCardExact(const THand& h, const TCard& c);
bool hasRank(const THand& h, int rank);
bool hasRank64(const THand64& h, int rank);
int countCard(const THand& h, const TCard& c);
inline int countCardInHand(const THand& h, const TCard& c) { return countCard(h, c); }
int countRank(const THand& h, int rank);
int countRank64(const THand64& h, int rank);
inline int countRank64b(const THand64& h, int rank) { return countRank64(h, rank); }
int countSuit(const THand& h, int suit);
int countSuitNoTrump(const THand& h, int suit);
int countSuit64(const THand64& h, int suit);
inline int countSuit64b(const THand64& h, int suit) { return countSuit64(h, suit); }
int skatHandPoints(const THand& h);

// [SECTION] filters and selections

void keepSuit(THand& h, int suit);
void keepSuit64(THand64& h, int suit);
void removeSuit(THand& h, int suit);
void filterSuitCopy(const THand& h, int suit, THand& out);
void selectRank(const THand& h, int rank, THand& out);
void takeRank(THand& h, int rank, THand& out);
THand splitBySuitOrTrump(const THand& h, int mode, const std::string& suitText, bool takeSelected);
THand legalCardsForTrick(const THand& hand);

// The current trick as the trick games (Skat, Doppelkopf, Schafkopf) keep it: by seat (seat
// s's card at place s) and in playing order.
extern THand trickBySeat;
extern THand trickCards;

// [SECTION] conversions and slot numbers
// A source larger than the target's capacity: the cards that fit, then the alert.

void handToHand64(const THand& src, THand64& dst);
void hand64ToHand(const THand64& src, THand& dst);
void handToHand25(const THand& src, THand25& dst);
void hand25ToHand(const THand25& src, THand& dst);
void renumberHand(THand& h);
void xassignfromto(const THand& src, THand& dst);

// [SECTION] trump tests

// The current game's trump test, from its table of calls; no trumps in a game without one.
bool isTrump(const TCard& c);
// The same, with `dflt` for a game without a trump test.
bool isTrumpDispatch(const TCard& c, bool dflt);

// The number of valid positions of a list: anz kept within 0..capacity, so that a damaged
// count never makes an operation read past the list.
inline int handUsed(const THand& h) { return h.anz < 0 ? 0 : h.anz > handCapacity ? handCapacity : h.anz; }
inline int handUsed(const THand64& h) { return h.anz < 0 ? 0 : h.anz > hand64Capacity ? hand64Capacity : h.anz; }
inline int handUsed(const THand25& h) { return h.anz < 0 ? 0 : h.anz > hand25Capacity ? hand25Capacity : h.anz; }

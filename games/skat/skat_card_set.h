// Compact card sets for the inner loops of the Skat computer player and the card rules: a
// card of the Skat deck (rank 1..8, suit 1..4) is one bit of a 32-bit set, and the current
// game's trumps, plain suits and "which cards beat this card" are sets too. The card lists
// stay the records the rest of the program reads; a decision converts its lists once and then
// counts with set operations instead of comparing card by card.
#pragma once

#include <bit>
#include <cstdint>

#include "core/cards.h"
#include "games/skat/skat_rules.h"

using TSkatCardSet = uint32_t;

inline bool skatIsDeckCard(const TCard& c) { return c.t >= 1 && c.t <= 8 && c.f >= 1 && c.f <= 4; }
// The card's bit: (suit - 1) x 8 + rank - 1. Only for a deck card.
inline int skatCardBit(const TCard& c) { return (c.f - 1) * 8 + (c.t - 1); }
inline TSkatCardSet skatCardMask(const TCard& c) { return TSkatCardSet{1} << skatCardBit(c); }
inline int skatSetSize(TSkatCardSet s) { return std::popcount(s); }

// The set of a list's cards. False when the list is no set of deck cards (a card outside the
// deck, or a card held twice): the caller then keeps to the list, which counts such cards.
bool skatCardSetOf(const THand& h, TSkatCardSet& out);

// The current game's sets, as skatIsTrump and skatCardBeats answer under the bid record's game
// type and the rank order in force.
struct TSkatGameMasks {
  TSkatCardSet trumps;
  TSkatCardSet beatenBy[32];  // by card bit: the cards x with skatCardBeats(x, card)
};

// The sets of the current game, built at their first use and kept; nullptr while another
// game than Skat is played (the shared trump test answers then).
const TSkatGameMasks* skatGameMasks();

// How many cards of `of` beat each card of `mine`, summed (the same count as comparing every
// pair with skatCardBeats).
inline int32_t skatBeatCount(const TSkatGameMasks& m, TSkatCardSet mine, TSkatCardSet of) {
  int32_t n = 0;
  for (TSkatCardSet s = mine; s != 0; s &= s - 1) n += skatSetSize(m.beatenBy[std::countr_zero(s)] & of);
  return n;
}

// skatIsTrump answered from the game's sets m (from skatGameMasks, may be nullptr).
inline bool skatIsTrumpBy(const TSkatGameMasks* m, const TCard& c) {
  return m && skatIsDeckCard(c) ? (m->trumps & skatCardMask(c)) != 0 : skatIsTrump(c);
}

// skatCardBeats answered from the game's sets m (may be nullptr): loops fetch the sets once.
inline bool skatBeatsBy(const TSkatGameMasks* m, const TCard& x, const TCard& y) {
  if (m && skatIsDeckCard(x) && skatIsDeckCard(y)) return (m->beatenBy[skatCardBit(y)] & skatCardMask(x)) != 0;
  return skatCardBeats(x, y);
}

// The plain cards of a suit 1..4, or the trumps (suitTrumps), of the game's sets m.
inline TSkatCardSet skatClassSet(const TSkatGameMasks& m, int suitClass) {
  if (suitClass == suitTrumps) return m.trumps;
  if (suitClass < suitClubs || suitClass > suitDiamonds) return 0;
  return (TSkatCardSet{0xFF} << ((suitClass - 1) * 8)) & ~m.trumps;
}

// Every card of a suit 1..4 as printed, trumps of the suit included.
inline TSkatCardSet skatSuitSet(int suit) {
  return suit >= suitClubs && suit <= suitDiamonds ? TSkatCardSet{0xFF} << ((suit - 1) * 8) : 0;
}

// The card none of the set's others beats: within one suit class every two cards compare,
// so it is the card skatStrongestCard finds in the class's list, whatever its order.
// -1 for an empty set.
inline int skatStrongestBit(const TSkatGameMasks& m, TSkatCardSet s) {
  for (TSkatCardSet r = s; r != 0; r &= r - 1) {
    int b = std::countr_zero(r);
    if ((m.beatenBy[b] & s) == 0) return b;
  }
  return -1;
}

inline TCard skatCardOfBit(int b) { return makeCard(b % 8 + 1, b / 8 + 1); }

// A list as a set, with each card's record (its slot number too) by bit. ok is false when the
// list is no set of deck cards or no game's sets are in force: the caller keeps to the list.
struct TSkatListSet {
  const TSkatGameMasks* masks = nullptr;
  TSkatCardSet set = 0;
  bool ok = false;
  TCard byBit[32];

  explicit TSkatListSet(const THand& h) : masks(skatGameMasks()) {
    if (!masks) return;
    int n = handUsed(h);
    for (int i = 1; i <= n; i++) {
      const TCard& c = h.k[i];
      if (!skatIsDeckCard(c)) return;
      TSkatCardSet bit = skatCardMask(c);
      if (set & bit) return;
      set |= bit;
      byBit[skatCardBit(c)] = c;
    }
    ok = true;
  }
  // The class's strongest card (noCard() when none) and the class's count.
  TCard strongestOfClass(int suitClass, int32_t& count) const {
    TSkatCardSet s = set & skatClassSet(*masks, suitClass);
    count = skatSetSize(s);
    int b = skatStrongestBit(*masks, s);
    return b < 0 ? noCard() : byBit[b];
  }
};

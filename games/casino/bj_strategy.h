// Blackjack's basic strategy under the house rules, computed exactly for an infinite deck:
// no split, insurance or surrender; the dealer does not peek, so a dealer's natural, shown
// after the players, takes doubled stakes whole; the dealer draws below 17 and, with the
// option, on a two-card ace-six; doubling on two cards only; a natural wins 1.5 x the stake
// (the game pays 3 x (stake div 2), which the edge ignores). The benches and tools compare
// decisions against it; nothing in the game reads it.
#pragma once

#include <array>
#include <cstdint>

enum TBjAction : int32_t { bjStand = 0, bjHit = 1, bjDouble = 2 };

// Expected result per initial bet of each choice with two cards in hand, and the best.
struct TBjCell {
  double stand = 0, hit = 0, dbl = 0;
  TBjAction best = bjStand;
};

// One dealer rule. Rows by hand value 4..21 (index = value), hard and soft apart; columns by
// the dealer's up card 2..11 (11 the ace; index = points). Only two-card hands are filled:
// hard 4..20 and soft 12..20 (soft 12 is two aces). `hardLater` and `softLater` hold hands of
// three cards or more (hard 4..21, soft 12..21): stand or hit, dbl unused.
struct TBjStrategyTable {
  bool hitSoft17 = false;
  std::array<std::array<TBjCell, 12>, 22> hard{}, soft{}, hardLater{}, softLater{};
  double edge = 0;  // expected result per initial bet over every deal, playing the best choice
};

// Built once per rule on first use; never changes after.
const TBjStrategyTable& bjStrategyTable(bool hitSoft17);

// The best choice for a hand of the given value (soft: an ace counts 11) against the dealer's
// up card in points (2..10, 11 for an ace). With twoCards false (three cards or more, or no
// money to double) the better of stand and hit. A value outside the rows answers stand from 12
// on and hit below; an up card outside 2..11 answers stand.
TBjAction bjBasicStrategyAction(int32_t total, bool soft, int32_t dealerUp, bool hitSoft17,
                                bool twoCards = true);

// The dealer's final hand from an up card, per rule: 17..21 (index = value), bust (22) and
// natural (23); the hole card is drawn after the players, independent of them.
using TBjDealerOutcome = std::array<double, 24>;
TBjDealerOutcome bjDealerOutcome(int32_t dealerUp, bool hitSoft17);

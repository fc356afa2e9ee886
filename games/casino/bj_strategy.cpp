// Blackjack's basic strategy: exact expectations for an infinite deck, by recursion over the
// hand's hard sum (aces as 1) and whether it holds an ace. Every card is drawn with its
// rank's share of a deck, independent of the cards already out.
//
// [SECTION] dealer
// [SECTION] player
// [SECTION] table and edge
#include "games/casino/bj_strategy.h"

#include <algorithm>

namespace {

constexpr int32_t bjBust = 22, bjNatural = 23;

// Share of a deck per card value 1 (ace) .. 10 (ten and the pictures).
double cardShare(int32_t value) { return value == 10 ? 4.0 / 13.0 : 1.0 / 13.0; }

// The best count not above 21 when there is one, else the hard sum.
int32_t handValue(int32_t hard, bool ace) { return ace && hard + 10 <= 21 ? hard + 10 : hard; }

// [SECTION] dealer

void dealerDraw(int32_t hard, bool ace, int32_t cards, bool hitSoft17, double share,
                TBjDealerOutcome& out) {
  const int32_t value = handValue(hard, ace);
  if (cards == 2 && value == 21) {
    out[bjNatural] += share;
    return;
  }
  if (value > 21) {
    out[bjBust] += share;
    return;
  }
  // Only a two-card 17 with an ace counted 11 is ace-six; a longer soft 17 stands.
  const bool softSeventeen = cards == 2 && value == 17 && hard == 7 && ace;
  if (value >= 17 && !(hitSoft17 && softSeventeen)) {
    out[value] += share;
    return;
  }
  for (int32_t c = 1; c <= 10; ++c)
    dealerDraw(hard + c, ace || c == 1, cards + 1, hitSoft17, share * cardShare(c), out);
}

// [SECTION] player

// A standing hand that is not a natural: the dealer's natural beats every 21.
double standResult(int32_t value, const TBjDealerOutcome& dealer) {
  if (value > 21) return -1.0;
  double result = dealer[bjBust] - dealer[bjNatural];
  for (int32_t d = 17; d <= 21; ++d) {
    if (d < value) result += dealer[d];
    else if (d > value) result -= dealer[d];
  }
  return result;
}

// Per up card: the best of stand and hit for a hand of three cards or more, by hard sum
// (up to 31, a bust) and ace.
struct TLaterHands {
  const TBjDealerOutcome* dealer = nullptr;
  std::array<std::array<double, 2>, 32> best{};
  std::array<std::array<bool, 2>, 32> known{};

  double hitResult(int32_t hard, bool ace) {
    double result = 0;
    for (int32_t c = 1; c <= 10; ++c) result += cardShare(c) * value(hard + c, ace || c == 1);
    return result;
  }
  double value(int32_t hard, bool ace) {
    if (hard > 21) return -1.0;
    if (!known[hard][ace]) {
      best[hard][ace] = std::max(standResult(handValue(hard, ace), *dealer), hitResult(hard, ace));
      known[hard][ace] = true;
    }
    return best[hard][ace];
  }
};

// One card more, then standing; the stake is doubled.
double doubleResult(int32_t hard, bool ace, const TBjDealerOutcome& dealer) {
  double result = 0;
  for (int32_t c = 1; c <= 10; ++c)
    result += cardShare(c) * standResult(handValue(hard + c, ace || c == 1), dealer);
  return 2.0 * result;
}

TBjAction bestOf(const TBjCell& cell, bool mayDouble) {
  TBjAction action = cell.hit > cell.stand ? bjHit : bjStand;
  if (mayDouble && cell.dbl > std::max(cell.stand, cell.hit)) action = bjDouble;
  return action;
}

// [SECTION] table and edge

TBjStrategyTable buildTable(bool hitSoft17) {
  TBjStrategyTable table;
  table.hitSoft17 = hitSoft17;
  for (int32_t up = 2; up <= 11; ++up) {
    const TBjDealerOutcome dealer = bjDealerOutcome(up, hitSoft17);
    TLaterHands later;
    later.dealer = &dealer;
    for (int32_t hard = 2; hard <= 21; ++hard)
      for (bool ace : {false, true}) {
        const int32_t value = handValue(hard, ace);
        if (value < 4 || (ace && value == hard)) continue;  // soft rows need the ace as 11
        TBjCell cell;
        cell.stand = standResult(value, dealer);
        cell.hit = later.hitResult(hard, ace);
        cell.best = bestOf(cell, false);
        (ace ? table.softLater : table.hardLater)[value][up] = cell;
        // Two cards: hard 4..20 and soft 12..20; soft 21 is a natural.
        if (value == 21) continue;
        cell.dbl = doubleResult(hard, ace, dealer);
        cell.best = bestOf(cell, true);
        (ace ? table.soft : table.hard)[value][up] = cell;
      }
  }
  // Every deal: two player cards and the up card; the hole card is in the dealer's outcome.
  double edge = 0;
  for (int32_t up = 1; up <= 10; ++up) {
    const int32_t upPoints = up == 1 ? 11 : up;
    const double naturalLoss = bjDealerOutcome(upPoints, hitSoft17)[bjNatural];
    for (int32_t a = 1; a <= 10; ++a)
      for (int32_t b = 1; b <= 10; ++b) {
        const double share = cardShare(up) * cardShare(a) * cardShare(b);
        const bool ace = a == 1 || b == 1;
        const int32_t value = handValue(a + b, ace);
        double result;
        if (value == 21) {
          result = 1.5 * (1.0 - naturalLoss);  // two naturals push
        } else {
          const TBjCell& cell = (ace && value != a + b ? table.soft : table.hard)[value][upPoints];
          result = std::max({cell.stand, cell.hit, cell.dbl});
        }
        edge += share * result;
      }
  }
  table.edge = edge;
  return table;
}

}  // namespace

TBjDealerOutcome bjDealerOutcome(int32_t dealerUp, bool hitSoft17) {
  TBjDealerOutcome out{};
  const int32_t up = dealerUp == 11 ? 1 : dealerUp;
  for (int32_t c = 1; c <= 10; ++c) dealerDraw(up + c, up == 1 || c == 1, 2, hitSoft17, cardShare(c), out);
  return out;
}

const TBjStrategyTable& bjStrategyTable(bool hitSoft17) {
  static const TBjStrategyTable standing = buildTable(false), drawing = buildTable(true);
  return hitSoft17 ? drawing : standing;
}

TBjAction bjBasicStrategyAction(int32_t total, bool soft, int32_t dealerUp, bool hitSoft17,
                                bool twoCards) {
  if (dealerUp < 2 || dealerUp > 11) return bjStand;
  if (total < (soft ? 12 : 4) || total > 21) return total >= 12 ? bjStand : bjHit;
  const TBjStrategyTable& table = bjStrategyTable(hitSoft17);
  if (twoCards && total < 21) return (soft ? table.soft : table.hard)[total][dealerUp].best;
  return (soft ? table.softLater : table.hardLater)[total][dealerUp].best;
}

// Building the tables of the fast evaluator: every rank multiset of five to seven cards and
// every flush mask is rated by counting, the 7,462 distinct ratings numbered in order, and
// the rank multisets placed into a hash table by displacement, so a lookup never probes.
#include "games/casino/poker_fast_eval.h"

#include <algorithm>
#include <array>
#include <bit>
#include <memory>
#include <vector>

#include "platform/alert.h"

namespace {

constexpr int ace = 12;

// A rating as one comparable number: category, then up to five rank indexes, highest
// deciding first. Straights carry only their top rank (3 for the five-high).
uint32_t packRating(int category, std::initializer_list<int> ranks) {
  uint32_t v = uint32_t(category) << 20;
  int shift = 16;
  for (int r : ranks) {
    v |= uint32_t(r + 1) << shift;
    shift -= 4;
  }
  return v;
}

// Top rank of a straight within a 13-bit rank mask, -1 when none.
int straightTop(uint32_t mask) {
  for (int top = ace; top >= 4; top--) {
    uint32_t run = 0x1Fu << (top - 4);
    if ((mask & run) == run) return top;
  }
  uint32_t wheel = 0x100Fu;  // 5, 4, 3, 2 and the ace
  return (mask & wheel) == wheel ? 3 : -1;
}

// The n highest set ranks of a mask, highest first.
std::vector<int> topRanks(uint32_t mask, int n) {
  std::vector<int> out;
  for (int r = ace; r >= 0 && int(out.size()) < n; r--)
    if (mask & (1u << r)) out.push_back(r);
  return out;
}

uint32_t rateFlushMask(uint32_t mask) {
  int top = straightTop(mask);
  if (top == ace) return packRating(pkRoyalFlush, {top});
  if (top >= 0) return packRating(pkStraightFlush, {top});
  auto r = topRanks(mask, 5);
  return packRating(pkFlush, {r[0], r[1], r[2], r[3], r[4]});
}

uint32_t rateCounts(const std::array<int, 13>& count) {
  uint32_t present = 0, pairs = 0, trips = 0, quads = 0;
  for (int r = 0; r < 13; r++) {
    if (count[r] >= 1) present |= 1u << r;
    if (count[r] >= 2) pairs |= 1u << r;
    if (count[r] >= 3) trips |= 1u << r;
    if (count[r] >= 4) quads |= 1u << r;
  }
  auto highest = [](uint32_t m) { return 31 - std::countl_zero(m); };
  if (quads) {
    int q = highest(quads);
    return packRating(pkFourOfAKind, {q, highest(present & ~(1u << q))});
  }
  if (trips) {
    int t = highest(trips);
    uint32_t rest = pairs & ~(1u << t);
    if (rest) return packRating(pkFullHouse, {t, highest(rest)});
  }
  if (int top = straightTop(present); top >= 0) return packRating(pkStraight, {top});
  if (trips) {
    int t = highest(trips);
    auto k = topRanks(present & ~(1u << t), 2);
    return packRating(pkThreeOfAKind, {t, k[0], k[1]});
  }
  if (std::popcount(pairs) >= 2) {
    auto p = topRanks(pairs, 2);
    auto k = topRanks(present & ~(1u << p[0]) & ~(1u << p[1]), 1);
    return packRating(pkTwoPairs, {p[0], p[1], k[0]});
  }
  if (pairs) {
    int p = highest(pairs);
    auto k = topRanks(present & ~(1u << p), 3);
    return packRating(pkPair, {p, k[0], k[1], k[2]});
  }
  auto k = topRanks(present, 5);
  return packRating(pkHighCard, {k[0], k[1], k[2], k[3], k[4]});
}

// The packed rating in the pattern search's terms (poker value = rank index + 9).
TPokerFastClass classOf(uint32_t packed) {
  TPokerFastClass c{};
  c.category = uint8_t(packed >> 20);
  int r[5];
  for (int i = 0; i < 5; i++) r[i] = int((packed >> (16 - 4 * i)) & 0xF) - 1 + 9;
  auto set = [&](int d1, int d2, int k1, int k2, int k3, int k4) {
    c.decisive1 = int8_t(d1); c.decisive2 = int8_t(d2);
    c.kicker1 = int8_t(k1); c.kicker2 = int8_t(k2); c.kicker3 = int8_t(k3); c.kicker4 = int8_t(k4);
  };
  switch (c.category) {
    case pkStraight: case pkStraightFlush: case pkRoyalFlush:
      // The five-high straight is matched 5-4-3-2-A: the ace first after re-sorting.
      if (r[0] == 12) set(21, 12, 10, 9, 21, 0);
      else set(r[0], r[0] - 1, r[0] - 2, r[0] - 3, r[0] - 4, 0);
      break;
    case pkFlush: set(r[0], r[1], r[2], r[3], r[4], 0); break;
    case pkFullHouse: set(r[0], r[1], 0, 0, 0, 0); break;
    case pkFourOfAKind: set(r[0], 0, r[1], 0, 0, 0); break;
    case pkThreeOfAKind: set(r[0], 0, r[1], r[2], 0, 0); break;
    case pkTwoPairs: set(r[0], r[1], r[2], 0, 0, 0); break;
    case pkPair: set(r[0], 0, r[1], r[2], r[3], 0); break;
    default: set(r[0], 0, r[1], r[2], r[3], r[4]); break;
  }
  return c;
}

struct RankSet {
  uint32_t key;
  uint32_t packed;
};

// Every multiset of 5 to 7 ranks with at most four of each rank.
void collectRankSets(std::vector<RankSet>& out, std::array<int, 13>& count, int rank, int cards, uint32_t key) {
  if (rank == 13) {
    if (cards >= 5) out.push_back({key, rateCounts(count)});
    return;
  }
  uint32_t step = 1;
  for (int i = 0; i < rank; i++) step *= 5;
  for (int n = 0; n <= 4 && cards + n <= 7; n++) {
    count[rank] = n;
    collectRankSets(out, count, rank + 1, cards + n, key + step * n);
  }
  count[rank] = 0;
}

bool placeRows(TPokerFastTables& t, const std::vector<RankSet>& sets, std::vector<uint16_t>& classOfSet) {
  constexpr uint32_t rows = 1u << pokerFastRowBits, slots = 1u << pokerFastSlotBits;
  std::vector<std::vector<uint32_t>> byRow(rows);
  for (uint32_t i = 0; i < sets.size(); i++) byRow[(sets[i].key * pokerFastRowMul) >> (32 - pokerFastRowBits)].push_back(i);
  std::vector<uint32_t> order(rows);
  for (uint32_t r = 0; r < rows; r++) order[r] = r;
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return byRow[a].size() > byRow[b].size(); });
  std::vector<uint8_t> used(slots, 0);
  for (uint32_t row : order) {
    const auto& members = byRow[row];
    if (members.empty()) break;
    bool placed = false;
    for (uint32_t d = 0; d < slots && !placed; d++) {
      bool fits = true;
      for (size_t m = 0; m < members.size() && fits; m++) {
        uint32_t s = ((sets[members[m]].key * pokerFastSlotMul) >> (32 - pokerFastSlotBits)) ^ d;
        if (used[s]) fits = false;
        for (size_t n = 0; n < m && fits; n++)
          fits = s != (((sets[members[n]].key * pokerFastSlotMul) >> (32 - pokerFastSlotBits)) ^ d);
      }
      if (!fits) continue;
      for (uint32_t i : members) {
        uint32_t s = ((sets[i].key * pokerFastSlotMul) >> (32 - pokerFastSlotBits)) ^ d;
        used[s] = 1;
        t.slots[s] = classOfSet[i];
      }
      t.displace[row] = d;
      placed = true;
    }
    if (!placed) return false;
  }
  return true;
}

std::unique_ptr<TPokerFastTables> buildTables() {
  auto t = std::make_unique<TPokerFastTables>();
  for (int code = 0; code < 52; code++) {
    int r = code / 4, s = code % 4;
    uint32_t key = 1;
    for (int i = 0; i < r; i++) key *= 5;
    t->rankKey[code] = key;
    t->suitStep[code] = 1u << (4 * s);
    t->cardBit[code] = uint64_t(1) << (16 * s + r);
  }
  std::vector<RankSet> sets;
  std::array<int, 13> count{};
  collectRankSets(sets, count, 0, 0, 0);
  std::vector<uint32_t> ratings;
  for (const RankSet& s : sets) ratings.push_back(s.packed);
  std::vector<uint32_t> flushRating(1 << 13, 0);
  for (uint32_t m = 0; m < (1u << 13); m++)
    if (std::popcount(m) >= 5) ratings.push_back(flushRating[m] = rateFlushMask(m));
  std::sort(ratings.begin(), ratings.end());
  ratings.erase(std::unique(ratings.begin(), ratings.end()), ratings.end());
  auto classNumber = [&](uint32_t packed) {
    return uint16_t(std::lower_bound(ratings.begin(), ratings.end(), packed) - ratings.begin() + 1);
  };
  for (size_t i = 0; i < ratings.size() && i < size_t(pokerFastClassCount); i++) t->classes[i + 1] = classOf(ratings[i]);
  if (ratings.size() != size_t(pokerFastClassCount)) showAlert("ATTENTION! poker tables: wrong number of classes");
  for (uint32_t m = 0; m < (1u << 13); m++)
    if (flushRating[m]) t->flush[m] = classNumber(flushRating[m]);
  std::vector<uint16_t> classOfSet(sets.size());
  for (size_t i = 0; i < sets.size(); i++) classOfSet[i] = classNumber(sets[i].packed);
  if (!placeRows(*t, sets, classOfSet)) showAlert("ATTENTION! poker tables: hash placement failed");
  return t;
}

}  // namespace

const TPokerFastTables& pokerFastTables() {
  static const std::unique_ptr<TPokerFastTables> tables = buildTables();
  return *tables;
}

int pokerFastRateCodes(const int* codes, int count) {
  const TPokerFastTables& t = pokerFastTables();
  TPokerFastHand h{};
  for (int i = 0; i < count; i++) pokerFastAdd(h, t, codes[i]);
  return pokerFastRate(t, h);
}

int pokerFastRate7(const int codes[7]) { return pokerFastRateCodes(codes, 7); }

int pokerFastCode(const TCard& card) {
  // Rank codes 1..8 are 7, 8, 9, jack, queen, king, ten, ace; 9..13 are 2..6.
  static const int index[14] = {-1, 5, 6, 7, 9, 10, 11, 8, 12, 0, 1, 2, 3, 4};
  if (card.t < 1 || card.t > 13 || card.f < 1 || card.f > 4) return -1;
  return index[card.t] * 4 + (card.f - 1);
}

TCard pokerFastCard(int code) {
  static const int rank[13] = {rank2, rank3, rank4, rank5, rank6, rank7, rank8, rank9, rankTen, rankJack, rankQueen, rankKing, rankAce};
  if (code < 0 || code > 51) return noCard();
  return makeCard(rank[code / 4], code % 4 + 1);
}

TPokerHandEval pokerFastEval(int cls) {
  TPokerHandEval e{};
  if (cls < 1 || cls > pokerFastClassCount) return e;
  const TPokerFastClass& c = pokerFastTables().classes[cls];
  e.category = c.category;
  e.ordinal = categoryOrdinal(c.category);
  e.decisive1 = c.decisive1;
  e.decisive2 = c.decisive2;
  e.kicker1 = c.kicker1;
  e.kicker2 = c.kicker2;
  e.kicker3 = c.kicker3;
  e.kicker4 = c.kicker4;
  return e;
}

// Alpha-beta over the cards of each trick, with a table of the positions at the start of a
// trick (the cards still out and who leads decide everything that follows) and cards of equal
// points with nothing left between them tried once.
#include "tools/skat_double_dummy.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int tableBits = 20;
constexpr int rankPoints[8] = {0, 0, 0, 2, 3, 4, 10, 11};  // 7, 8, 9, Jack, Queen, King, Ten, Ace
constexpr int plainPower[8] = {0, 1, 2, -1, 3, 4, 5, 6};     // the Jack is never a plain card
constexpr int trumps = 4;

int points(int c) { return rankPoints[c % 8]; }

}  // namespace

DDSolver::DDSolver() : table_(size_t(1) << tableBits) {}

bool DDSolver::same(int a, int b) const {
  if (group_[a] != group_[b] || points(a) != points(b)) return false;
  uint32_t out = hand_[0] | hand_[1] | hand_[2];
  for (int i = std::min(placeInGroup_[a], placeInGroup_[b]) + 1; i < std::max(placeInGroup_[a], placeInGroup_[b]); i++) {
    int x = byPower_[group_[a]][i];
    if ((out >> x) & 1) return false;
    for (int played : played_)
      if (played == x) return false;
  }
  return true;
}

int DDSolver::card(int k, int leader, int alpha, int beta, int trickPoints) {
  int seat = (leader + k) % 3;
  bool maximise = seat == declarer_;
  uint32_t legal = hand_[seat];
  if (k > 0 && (legal & groupMask_[group_[played_[0]]])) legal &= groupMask_[group_[played_[0]]];
  int best = maximise ? -1 : 1000;
  static constexpr int groupOrder[5] = {trumps, 0, 1, 2, 3};
  for (int g : groupOrder) {
    if (!(legal & groupMask_[g])) continue;
    int previous = -1;
    for (int i = 0; i < groupSize_[g]; i++) {
      int c = byPower_[g][i];
      if (!((legal >> c) & 1)) continue;
      if (previous >= 0 && same(previous, c)) continue;
      previous = c;
      hand_[seat] &= ~(1u << c);
      played_[k] = c;
      int v;
      if (k < 2) {
        v = card(k + 1, leader, alpha, beta, trickPoints + points(c));
      } else {
        int w = 0;
        for (int j = 1; j < 3; j++) {
          bool trumpsIt = group_[played_[j]] == trumps && group_[played_[w]] != trumps;
          bool higher = group_[played_[j]] == group_[played_[w]] && power_[played_[j]] > power_[played_[w]];
          if (trumpsIt || higher) w = j;
        }
        int winner = (leader + w) % 3;
        int gain = winner == declarer_ ? trickPoints + points(c) : 0;
        std::array<int, 3> keep = played_;
        played_ = {-1, -1, -1};
        v = gain + trick(winner, alpha - gain, beta - gain);
        played_ = keep;
      }
      played_[k] = -1;
      hand_[seat] |= 1u << c;
      if (maximise) {
        best = std::max(best, v);
        alpha = std::max(alpha, best);
      } else {
        best = std::min(best, v);
        beta = std::min(beta, best);
      }
      if (alpha >= beta) return best;
    }
  }
  return best;
}

int DDSolver::trick(int leader, int alpha, int beta) {
  uint32_t out = hand_[0] | hand_[1] | hand_[2];
  if (!out) return 0;
  int left = 0;
  for (uint32_t m = out; m; m &= m - 1) left += points(std::countr_zero(m));
  if (alpha >= left) return left;
  if (beta <= 0) return 0;
  uint64_t key = uint64_t(out) | uint64_t(leader) << 32;
  Entry& e = table_[(key * 0x9E3779B97F4A7C15ULL) >> (64 - tableBits)];
  int lo = 0, hi = left;
  if (e.generation == generation_ && e.key == key) {
    lo = e.lo;
    hi = e.hi;
    if (lo >= beta) return lo;
    if (hi <= alpha) return hi;
  }
  int a = std::max(alpha, lo), b = std::min(beta, hi);
  int v = card(0, leader, a, b, 0);
  if (v <= a) hi = std::min(hi, v);
  else if (v >= b) lo = std::max(lo, v);
  else lo = hi = v;
  Entry& slot = table_[(key * 0x9E3779B97F4A7C15ULL) >> (64 - tableBits)];
  if (slot.generation != generation_ || slot.key != key) slot = {key, generation_, 0, int8_t(left)};
  slot.lo = int8_t(std::max<int>(slot.lo, lo));
  slot.hi = int8_t(std::min<int>(slot.hi, hi));
  return v;
}

bool DDSolver::reaches(const DDDeal& deal, int need) {
  if (need <= 0) return true;
  hand_ = deal.hands;
  declarer_ = deal.declarer;
  groupMask_ = {};
  groupSize_ = {};
  for (int c = 0; c < 32; c++) {
    int suit = c / 8 + 1, rank = c % 8 + 1;
    if (rank == 4) {
      group_[c] = trumps;
      power_[c] = 20 + (4 - suit);
    } else if (suit == deal.trumpSuit) {
      group_[c] = trumps;
      power_[c] = 10 + plainPower[rank - 1];
    } else {
      group_[c] = suit - 1;
      power_[c] = plainPower[rank - 1];
    }
    groupMask_[group_[c]] |= 1u << c;
  }
  for (int g = 0; g < 5; g++) {
    for (uint32_t m = groupMask_[g]; m; m &= m - 1) byPower_[g][groupSize_[g]++] = std::countr_zero(m);
    std::sort(byPower_[g].begin(), byPower_[g].begin() + groupSize_[g],
              [&](int x, int y) { return power_[x] > power_[y]; });
    for (int i = 0; i < groupSize_[g]; i++) placeInGroup_[byPower_[g][i]] = i;
  }
  played_ = {-1, -1, -1};
  generation_++;
  return trick(0, need - 1, need) >= need;
}

// An exact search of a Skat game's ten tricks with all cards open: how many card points the
// declarer takes when both sides play best. Small and self-contained (no game state is read
// or written), so several searches can run on threads of their own.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Card index 0..31: (suit - 1) x 8 + (rank - 1), suit 1 clubs .. 4 diamonds, rank 1 = 7 ..
// 4 = Jack .. 7 = Ten, 8 = Ace, as in TCard.
inline int ddCardIndex(int rank, int suit) { return (suit - 1) * 8 + (rank - 1); }

struct DDDeal {
  std::array<uint32_t, 3> hands{};  // seat 0 leads the first trick
  int declarer = 0;                 // 0..2
  int trumpSuit = 0;                // 1..4 a suit game, 0 Grand
};

class DDSolver {
 public:
  DDSolver();
  // True when the declarer's tricks reach need card points against best defence.
  bool reaches(const DDDeal& deal, int need);

 private:
  struct Entry {
    uint64_t key = 0;
    uint32_t generation = 0;
    int8_t lo = 0, hi = 0;
  };
  int trick(int leader, int alpha, int beta);
  int card(int k, int leader, int alpha, int beta, int points);
  bool same(int a, int b) const;

  std::array<uint32_t, 3> hand_{};
  int declarer_ = 0;
  std::array<int, 32> group_{};    // 0..3 a plain suit, 4 the trumps
  std::array<int, 32> power_{};    // higher wins within the trumps or the suit led
  std::array<uint32_t, 5> groupMask_{};
  std::array<std::array<int, 11>, 5> byPower_{};  // each group's cards, strongest first
  std::array<int, 5> groupSize_{};
  std::array<int, 32> placeInGroup_{};
  std::array<int, 3> played_{};
  std::vector<Entry> table_;
  uint32_t generation_ = 0;
};

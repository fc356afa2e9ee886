// The preflop table: building it by Monte Carlo, reading it, and looking a hand up.
#include "games/casino/poker_preflop.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "games/casino/poker_fast_eval.h"
#include "platform/paths.h"

namespace {

// A small generator of the tool's own (splitmix64), so that the table never moves the
// program's draws and repeats on every machine.
struct TDealRandom {
  uint64_t state;
  uint64_t next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in 0..n-1 (n at most 52; the bias of a 64-bit multiply-shift is nil here).
  int below(int n) { return int((next() >> 32) * uint64_t(n) >> 32); }
};

constexpr int handCount = 169;  // 13 pairs, 78 suited, 78 unsuited

// Starting hand number h as two rank indexes (r1 >= r2) and suitedness.
void handOf(int h, int& r1, int& r2, bool& suited) {
  if (h < 13) {
    r1 = r2 = h;
    suited = false;
    return;
  }
  int k = (h - 13) % 78;
  suited = h - 13 >= 78;
  for (r1 = 1; k >= r1; r1++) k -= r1;
  r2 = k;
}

}  // namespace

int32_t preflopRankIndex(int32_t rank) {
  static const int32_t index[14] = {0, 6, 7, 8, 10, 11, 12, 9, 13, 1, 2, 3, 4, 5};
  return rank >= 1 && rank <= 13 ? index[rank] : 0;
}

int32_t preflopOffset(int32_t r1, int32_t r2, int32_t suited, int32_t players) {
  return 156 * r1 + 12 * r2 + 6 * suited + (players - 2);
}

std::array<double, 6> preflopHandShares(int32_t r1, int32_t r2, bool suited, int64_t deals, uint64_t seed) {
  const TPokerFastTables& t = pokerFastTables();
  const int hole[2] = {r1 * 4, r2 * 4 + (suited ? 0 : 1)};
  int deck[50];
  int n = 0;
  for (int c = 0; c < 52; c++)
    if (c != hole[0] && c != hole[1]) deck[n++] = c;
  TDealRandom rng{seed * 0x100000001B3ull + uint64_t(r1 * 32 + r2 * 2 + suited)};
  int64_t wins[7] = {};
  for (int64_t d = 0; d < deals; d++) {
    // Partial shuffle: the first 17 places of the deck are the board and six hands.
    for (int i = 0; i < 17; i++) std::swap(deck[i], deck[i + rng.below(50 - i)]);
    TPokerFastHand board{};
    for (int i = 0; i < 5; i++) pokerFastAdd(board, t, deck[i]);
    TPokerFastHand own = board;
    pokerFastAdd(own, t, hole[0]);
    pokerFastAdd(own, t, hole[1]);
    const int mine = pokerFastRate(t, own);
    int firstBeating = 6;
    for (int o = 0; o < 6; o++) {
      TPokerFastHand h = board;
      pokerFastAdd(h, t, deck[5 + 2 * o]);
      pokerFastAdd(h, t, deck[6 + 2 * o]);
      if (pokerFastRate(t, h) > mine) {
        firstBeating = o;
        break;
      }
    }
    wins[firstBeating]++;  // won against opponents 0 .. firstBeating - 1
  }
  std::array<double, 6> shares{};
  int64_t won = deals;
  for (int k = 1; k <= 6; k++) {
    won -= wins[k - 1];
    shares[k - 1] = deals > 0 ? double(won) / double(deals) : 0;
  }
  return shares;
}

void buildPreflopTable(TPreflopTable& table, int64_t deals, uint64_t seed, int threads) {
  std::atomic<int> nextHand{0};
  auto work = [&] {
    for (int h; (h = nextHand++) < handCount;) {
      int r1, r2;
      bool suited;
      handOf(h, r1, r2, suited);
      const std::array<double, 6> shares = preflopHandShares(r1, r2, suited, deals, seed);
      for (int p = 2; p <= 7; p++) {
        const auto byte = uint8_t(std::nearbyint(255.0 * shares[p - 2]));
        for (int s = 0; s <= 1; s++) {
          if (s != int(suited) && !(r1 == r2 && s == 1)) continue;
          table[preflopOffset(r1, r2, s, p)] = byte;
          table[preflopOffset(r2, r1, s, p)] = byte;
        }
      }
    }
  };
  threads = std::clamp(threads, 1, 64);
  std::vector<std::thread> pool;
  for (int i = 1; i < threads; i++) pool.emplace_back(work);
  work();
  for (std::thread& th : pool) th.join();
}

namespace {
bool tableRead = false;
}

TPreflopTable& preflopTable() {
  static TPreflopTable table{};
  return table;
}

void pokerEnsurePreflopTable() {
  if (!tableRead) loadPreflopTable(programFolder());
}

bool loadPreflopTable(const std::string& folder) {
  tableRead = true;
  const std::string path = folder + toLocalPath("\\data\\pfp.txt");
  std::ifstream f(path, std::ios::binary);
  std::vector<char> bytes;
  if (f) bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  if (bytes.size() == size_t(preflopTableSize)) {
    std::copy(bytes.begin(), bytes.end(), preflopTable().begin());
    return true;
  }
  logErrorLine("poker: " + path + " is missing or not " + std::to_string(preflopTableSize) +
               " bytes; the preflop table is built now from fewer deals");
  const int threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
  buildPreflopTable(preflopTable(), preflopStartupDeals, preflopToolSeed, threads);
  return false;
}

float preflopWinChance(const TCard& card1, const TCard& card2, int32_t players) {
  const int32_t r1 = preflopRankIndex(card1.t) - 1, r2 = preflopRankIndex(card2.t) - 1;
  if (r1 < 0 || r2 < 0 || players < 2 || players > 7) {
    trace("poker: preflop chance asked for ranks " + std::to_string(card1.t) + "/" + std::to_string(card2.t) +
          " and " + std::to_string(players) + " players; answered 0");
    return 0;
  }
  return preflopTable()[preflopOffset(r1, r2, card1.f == card2.f ? 1 : 0, players)] / 255.0f;
}

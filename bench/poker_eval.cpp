// Poker evaluation speed on one core: the table-driven evaluator over a fixed seeded set of
// 10^7 random seven-card hands and over all 133,784,560 seven-card hands, and the pattern
// search's rate beside it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "core/cg.h"
#include "games/casino/poker_eval.h"
#include "games/casino/poker_fast_eval.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::vector<uint8_t> randomHands(size_t count) {
  std::mt19937 gen(20261211);
  std::vector<uint8_t> codes(count * 7);
  std::vector<uint8_t> deck(52);
  for (size_t h = 0; h < count; h++) {
    std::iota(deck.begin(), deck.end(), 0);
    for (int i = 0; i < 7; i++) {
      std::uniform_int_distribution<int> pick(i, 51);
      std::swap(deck[i], deck[pick(gen)]);
      codes[h * 7 + i] = deck[i];
    }
  }
  return codes;
}

long enumerateAll(const TPokerFastTables& t, long& checksum) {
  long n = 0;
  TPokerFastHand h[8] = {};
  for (int a = 0; a < 52; a++) {
    h[1] = h[0]; pokerFastAdd(h[1], t, a);
    for (int b = a + 1; b < 52; b++) {
      h[2] = h[1]; pokerFastAdd(h[2], t, b);
      for (int c = b + 1; c < 52; c++) {
        h[3] = h[2]; pokerFastAdd(h[3], t, c);
        for (int d = c + 1; d < 52; d++) {
          h[4] = h[3]; pokerFastAdd(h[4], t, d);
          for (int e = d + 1; e < 52; e++) {
            h[5] = h[4]; pokerFastAdd(h[5], t, e);
            for (int f = e + 1; f < 52; f++) {
              h[6] = h[5]; pokerFastAdd(h[6], t, f);
              for (int g = f + 1; g < 52; g++) {
                h[7] = h[6]; pokerFastAdd(h[7], t, g);
                checksum += pokerFastRate(t, h[7]);
                n++;
              }
            }
          }
        }
      }
    }
  }
  return n;
}

}  // namespace

int main() {
  auto start = std::chrono::steady_clock::now();
  const TPokerFastTables& t = pokerFastTables();
  std::printf("tables built in %.3f s\n", secondsSince(start));

  const size_t count = 10000000;
  std::vector<uint8_t> codes = randomHands(count);
  long checksum = 0;
  start = std::chrono::steady_clock::now();
  for (size_t i = 0; i < count; i++) {
    const uint8_t* c = &codes[i * 7];
    TPokerFastHand h{};
    for (int k = 0; k < 7; k++) pokerFastAdd(h, t, c[k]);
    checksum += pokerFastRate(t, h);
  }
  double s = secondsSince(start);
  std::printf("random hands: %zu in %.3f s, %.1f million per second (checksum %ld)\n", count, s, count / s / 1e6, checksum);

  checksum = 0;
  start = std::chrono::steady_clock::now();
  long all = enumerateAll(t, checksum);
  s = secondsSince(start);
  std::printf("all hands: %ld in %.3f s, %.1f million per second (checksum %ld)\n", all, s, all / s / 1e6, checksum);

  cg.gameId = gidPoker;
  pokerInitCardTable();
  const size_t slow = 200000;
  THand64 hand{};
  hand.anz = 7;
  long categories = 0;
  start = std::chrono::steady_clock::now();
  for (size_t i = 0; i < slow; i++) {
    for (int k = 0; k < 7; k++) hand.k[k + 1] = pokerFastCard(codes[i * 7 + k]);
    categories += evaluatePokerHand(hand, false).category;
  }
  s = secondsSince(start);
  std::printf("pattern search: %zu in %.3f s, %.2f million per second (checksum %ld)\n", slow, s, slow / s / 1e6, categories);
  return 0;
}

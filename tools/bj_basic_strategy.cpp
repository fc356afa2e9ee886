// Prints Blackjack's basic strategy for both dealer rules (standing or drawing on ace-six):
// the best choice per two-card hand, hard 5..20 and soft 13..20, against the dealer's up card
// 2..ace (S stand, H hit, D double), and the expected result per initial bet.
//   bj_basic_strategy [--values]   (--values adds each cell's three expectations)
#include <cstdio>
#include <cstring>
#include <string>

#include "games/casino/bj_strategy.h"

namespace {

const char actionLetter[] = {'S', 'H', 'D'};

void printRows(const char* kind, const std::array<std::array<TBjCell, 12>, 22>& rows, int32_t from,
               int32_t to, bool values) {
  for (int32_t total = from; total <= to; ++total) {
    std::printf("%s %2d  ", kind, total);
    for (int32_t up = 2; up <= 11; ++up) std::printf(" %c", actionLetter[rows[total][up].best]);
    std::printf("\n");
    if (!values) continue;
    for (int32_t up = 2; up <= 11; ++up) {
      const TBjCell& cell = rows[total][up];
      std::printf("         vs %-2s stand %+.4f  hit %+.4f  double %+.4f\n",
                  up == 11 ? "A" : std::to_string(up).c_str(), cell.stand, cell.hit, cell.dbl);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool values = argc > 1 && std::strcmp(argv[1], "--values") == 0;
  for (bool hitSoft17 : {false, true}) {
    const TBjStrategyTable& table = bjStrategyTable(hitSoft17);
    std::printf("Dealer %s on ace-six\n", hitSoft17 ? "draws" : "stands");
    std::printf("          2 3 4 5 6 7 8 9 T A\n");
    printRows("hard", table.hard, 5, 20, values);
    printRows("soft", table.soft, 13, 20, values);
    std::printf("edge per initial bet: %+.3f %%\n\n", 100.0 * table.edge);
  }
  return 0;
}

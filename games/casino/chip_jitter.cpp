// The fixed jitter of piles (see chip_jitter.h).
#include "games/casino/chip_jitter.h"

#include <cmath>

double hashJitter(int32_t a, int32_t b, int32_t c) {
  // nearbyint rounds halves to even under the default rounding mode.
  int64_t sum = int64_t(std::nearbyint(2000.0 * std::sin(a / 10.0))) + 41237LL * a + 23157LL * b + 5171LL * c +
                int64_t(std::nearbyint(4000.0 * std::sin(b / 10.0)));
  return double(sum % 77) / 77.0;
}

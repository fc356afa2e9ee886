// The fixed jitter of chips in a pile and of War's loose won piles: the same arguments give
// the same offset on every machine, so a pile never shimmers between frames.
#pragma once

#include <cstdint>

// ((round(2000 sin(a / 10)) + 41237 a + 23157 b + 5171 c + round(4000 sin(b / 10))) mod 77) / 77,
// halves rounded to even and the remainder signed as the sum: a value in (-1, 1).
double hashJitter(int32_t a, int32_t b, int32_t c);

// How the Schafkopf and Doppelkopf computer players pick an answer among the options of the
// open decision: always by value, and only a value the decision offers.
#pragma once

#include <climits>
#include <cstdint>
#include <functional>

// No option answer: the seat plays a card instead, or the kind is not one it answers.
// Outside 16 bits, so no option value can be mistaken for it.
constexpr int32_t trickAINoOption = INT32_MIN;

// The open decision shows options and one of them has this value.
bool trickAIOffered(int32_t value);
// `wanted` when offered; else `cautious` when offered; else the offered value that `rank`
// rates highest (the first of equals; the first option without `rank`); trickAINoOption
// when the decision offers nothing.
int32_t trickAIPickOffered(int32_t wanted, int32_t cautious, const std::function<int32_t(int32_t)>& rank = {});

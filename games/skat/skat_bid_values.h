// The bid values of the bidding: every value a game can be worth, ascending and distinct,
// kept in the Skat area (skatBidList, skatBidCount, skatBidIndex).
#pragma once

#include <cstdint>

// Builds the list for a Grand base (24, or 20 with "Grand zählt nur 20"): the suit bases
// times 2..18, the four Null values and the Grand base times 1..11, sorted, each value once;
// positions beyond the count are 0. Sets skatBidCount, skatBidIndex := 0 and the Grand entry
// of skatBaseValue.
void skatBuildBidValues(int32_t grandBase);

// The first position of the list whose value exceeds the value; skatBidCount + 1 when no
// value does (nothing higher can be bid).
int32_t skatBidIndexAbove(int32_t value);

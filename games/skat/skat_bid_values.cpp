// Building the bid list.
#include "games/skat/skat_bid_values.h"

#include <algorithm>
#include <vector>

#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"

namespace {

constexpr int32_t suitBases[] = {9, 10, 11, 12};
constexpr int32_t suitMultiplierLow = 2;
constexpr int32_t suitMultiplierHigh = 18;  // Spitzen 11, game, Hand and all five levels
constexpr int32_t nullValues[] = {23, 35, 46, 59};
// A Grand reaches 11 times its base: mit 4, game, Hand, Schneider, announced, Schwarz,
// announced, ouvert.
constexpr int32_t grandMultiplierHigh = 11;

std::vector<int32_t> allGameValues(int32_t grandBase) {
  std::vector<int32_t> v;
  for (int32_t b : suitBases)
    for (int32_t m = suitMultiplierLow; m <= suitMultiplierHigh; m++) v.push_back(b * m);
  for (int32_t n : nullValues) v.push_back(n);
  for (int32_t m = 1; m <= grandMultiplierHigh; m++) v.push_back(grandBase * m);
  return v;
}

}  // namespace

void skatBuildBidValues(int32_t grandBase) {
  std::vector<int32_t> v = allGameValues(grandBase);
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  if (v.size() > size_t(skatBidListCapacity)) v.resize(skatBidListCapacity);

  TSkatArea& a = *skatArea;
  for (int i = 1; i <= skatBidListCapacity; i++)
    a.skatBidList[i] = i <= int(v.size()) ? v[i - 1] : 0;
  a.skatBidCount = static_cast<int32_t>(v.size());
  a.skatBidIndex = 0;
  skatBaseValue[skatTypeGrand] = grandBase;
}

int32_t skatBidIndexAbove(int32_t value) {
  const TSkatArea& a = *skatArea;
  int32_t i = 1;
  while (i <= a.skatBidCount && a.skatBidList[i] <= value) i++;
  return i;
}

// A duel's figures: the mean of the per-deal leads and its z-score (the mean over its
// standard error, the sample deviation taken over n - 1).
#pragma once

#include <cmath>
#include <vector>

struct TLeadStats {
  double mean = 0, z = 0;
};

inline TLeadStats leadStats(const std::vector<double>& leads) {
  TLeadStats r;
  if (leads.empty()) return r;
  const double n = double(leads.size());
  double var = 0;
  for (double v : leads) r.mean += v;
  r.mean /= n;
  for (double v : leads) var += (v - r.mean) * (v - r.mean);
  const double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
  r.z = sd > 0 ? r.mean / (sd / std::sqrt(n)) : 0;
  return r;
}

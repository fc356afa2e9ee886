// Derives the Skat computer player's rule tables ("buben.txt", "karten.txt", "kartenf.txt")
// from the outcomes of games: for random deals, each seat as declarer and each game its hand
// with the Skat could declare (a suit game with at least four trumps, Grand with at least two
// Jacks), the declarer presses two cards and the ten tricks are searched exactly with all
// cards open. The table weights are then fitted (logistic regression) so that the hand
// rating's strength predicts those wins along a curve through the marks 103 (bid 18) and 118
// (bid the game's value), then rounded and put in order. Finally the real rating is run with
// the fitted tables on fresh deals and compared with the tables given by --old. The shipped
// tables come from the defaults: skat_rule_calibration --old <old tables> --out data/oldsk
// --source games/skat/skat_rule_builtin.cpp (about 10 minutes on four threads).
//
// Usage: skat_rule_calibration [--deals N] [--check-deals N] [--seed S] [--threads N]
//                              [--old DIR] [--outcomes FILE] [--win-at-18 P] [--win-at-full P]
//                              [--out DIR] [--source FILE]
// With --out the three files are written into DIR (the repository's data/oldsk); with
// --source the program's built-in copy of the same rules (games/skat/skat_rule_builtin.cpp).
// At most four threads search (the machine is shared). --outcomes keeps the searched outcomes
// of the fitting deals in FILE and reads them from there when it fits the run.
//
// [SECTION] deals, pressing and the searched outcomes
// [SECTION] the linear model of the rating
// [SECTION] fitting
// [SECTION] the tables' text
// [SECTION] checking with the real rating
// [SECTION] writing the tables
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/cg.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rule_tables.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_registration.h"
#include "games/skat/skat_state.h"
#include "tools/skat_double_dummy.h"

// [SECTION] deals, pressing and the searched outcomes

namespace {

struct Deal {
  std::array<THand, 3> hands;  // seat 0 leads the first trick
  THand skat;
};

Deal dealCards(std::mt19937& rng) {
  std::vector<TCard> deck;
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 8; r++) deck.push_back(makeCard(r, s));
  std::shuffle(deck.begin(), deck.end(), rng);
  Deal d{};
  for (int i = 0; i < 30; i++) handaddk(d.hands[i / 10], deck[i]);
  handaddk(d.skat, deck[30]);
  handaddk(d.skat, deck[31]);
  return d;
}

bool holds(const THand& h, int rank, int suit) { return hasCard(h, makeCard(rank, suit)); }
int jacks(const THand& h) { return countRank(h, rankJack); }

constexpr int gameGrand = 0;  // trumpSuit 0: the Jacks alone are trumps

bool trumpIn(const TCard& c, int trumpSuit) { return c.t == rankJack || c.f == trumpSuit; }

int trumpCount(const THand& h, int trumpSuit) {
  int n = 0;
  for (int i = 1; i <= handUsed(h); i++) n += trumpIn(h.k[i], trumpSuit);
  return n;
}

constexpr int rankPoints[9] = {0, 0, 0, 0, 2, 3, 4, 10, 11};

// The two cards pressed from the twelve: plain cards but Aces, chosen for the points they
// save and the suits they leave empty; the lowest trumps only when nothing else is left.
std::array<int, 2> pressedPair(const THand& full, int trumpSuit) {
  std::vector<int> pool;
  for (int i = 1; i <= handUsed(full); i++)
    if (!trumpIn(full.k[i], trumpSuit) && full.k[i].t != rankAce) pool.push_back(i);
  if (pool.size() < 2) {
    pool.clear();
    for (int i = 1; i <= handUsed(full); i++)
      if (full.k[i].t != rankJack) pool.push_back(i);
  }
  std::array<int, 5> inSuit{};
  for (int i = 1; i <= handUsed(full); i++)
    if (!trumpIn(full.k[i], trumpSuit)) inSuit[full.k[i].f]++;
  std::array<int, 2> best{1, 2};
  int bestScore = -1000;
  for (size_t a = 0; a < pool.size(); a++)
    for (size_t b = a + 1; b < pool.size(); b++) {
      const TCard& x = full.k[pool[a]];
      const TCard& y = full.k[pool[b]];
      std::array<int, 5> left = inSuit;
      if (!trumpIn(x, trumpSuit)) left[x.f]--;
      if (!trumpIn(y, trumpSuit)) left[y.f]--;
      int emptied = 0;
      for (int s = 1; s <= 4; s++) emptied += inSuit[s] > 0 && left[s] == 0;
      int score = rankPoints[x.t] + rankPoints[y.t] + 12 * emptied - 20 * (trumpIn(x, trumpSuit) + trumpIn(y, trumpSuit));
      if (score > bestScore) {
        bestScore = score;
        best = {pool[a], pool[b]};
      }
    }
  return best;
}

uint32_t maskOf(const THand& h) {
  uint32_t m = 0;
  for (int i = 1; i <= handUsed(h); i++) m |= 1u << ddCardIndex(h.k[i].t, h.k[i].f);
  return m;
}

// One game to search: the seat declares, presses and needs 61 with the pressed points.
struct Job {
  DDDeal deal;
  int need = 61;
  bool won = false;
};

Job makeJob(const Deal& d, int seat, int trumpSuit) {
  Job j;
  THand full = concatHands(d.hands[seat], d.skat);
  std::array<int, 2> pair = pressedPair(full, trumpSuit);
  uint32_t m = maskOf(full);
  for (int i : pair) {
    m &= ~(1u << ddCardIndex(full.k[i].t, full.k[i].f));
    j.need -= rankPoints[full.k[i].t];
  }
  for (int s = 0; s < 3; s++) j.deal.hands[s] = s == seat ? m : maskOf(d.hands[s]);
  j.deal.declarer = seat;
  j.deal.trumpSuit = trumpSuit;
  return j;
}

// The outcomes of a run kept in a file, so the fit can be tried again without searching;
// a file of another length is ignored.
bool readOutcomes(const std::string& path, std::vector<Job>& jobs) {
  std::ifstream in(path, std::ios::binary);
  std::string bits((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (path.empty() || bits.size() != jobs.size()) return false;
  for (size_t i = 0; i < jobs.size(); i++) jobs[i].won = bits[i] == '1';
  return true;
}

void writeOutcomes(const std::string& path, const std::vector<Job>& jobs) {
  if (path.empty()) return;
  std::ofstream out(path, std::ios::binary);
  for (const Job& j : jobs) out << (j.won ? '1' : '0');
}

void solveAll(std::vector<Job>& jobs, int threads) {
  std::atomic<size_t> next{0};
  std::atomic<size_t> done{0};
  auto work = [&] {
    DDSolver solver;
    for (size_t i; (i = next++) < jobs.size();) {
      jobs[i].won = solver.reaches(jobs[i].deal, jobs[i].need);
      if (++done % 20000 == 0) std::fprintf(stderr, "  %zu of %zu games searched\n", size_t(done), jobs.size());
    }
  };
  std::vector<std::thread> pool;
  for (int t = 0; t < threads; t++) pool.emplace_back(work);
  for (std::thread& t : pool) t.join();
}

}  // namespace

// [SECTION] the linear model of the rating
// The strength is linear in the table weights (rounding aside):
//   S = 0.6 x (6 x jackValue + 2 x cardValue + cardPoints) + 2.4 x gameValue
//   jackValue = sum of the Jack weights held / 2 (buben.txt, hand with Skat)
//   cardValue = Ace weight x Aces + Ten weight x Tens (karten.txt, hand with Skat)
//   gameValue = kartenf.txt value of the ten cards + the rating's fixed terms (suit game), or
//               0.66 x jackValue + 0.22 x cardValue + the fixed terms (Grand)

namespace {

// Parameters: 0..3 the Jacks (buben), 4 Ace, 5 Ten (karten), 6..12 trump A,10,K,Q,9,8,7,
// 13..16 the Jacks as trumps, 17 each Ace, 18 each Ten (kartenf).
constexpr int paramCount = 19;
constexpr int trumpRanks[7] = {rankAce, rankTen, rankKing, rankQueen, rank9, rank8, rank7};
using Row = std::array<double, paramCount>;

// One searched game: the strength is offset + x . weights; won is the search's outcome.
struct Sample {
  Row x{};
  double offset = 0;
  size_t job = 0;
};

// Fixed terms of the rating for a hand: suit games and Grand with empty tables.
struct FixedTerms {
  std::array<int, 5> suit{};
  int grand = 0;
};

FixedTerms fixedTerms(const THand& hand, const THand& full, const THand& o1, const THand& o2) {
  FixedTerms f;
  for (int t = 1; t <= 4; t++) f.suit[t] = skatRateSuitGame(hand, t, o1, o2);
  f.grand = skatRateGrand(hand, full, 0, 0, o1, o2);
  return f;
}

void addJackAndCardTerms(Row& x, const THand& full, double jackFactor, double cardFactor) {
  for (int j = 0; j < 4; j++) x[j] += jackFactor * holds(full, rankJack, j + 1);
  x[4] += cardFactor * countRank(full, rankAce);
  x[5] += cardFactor * countRank(full, rankTen);
}

Sample suitSample(const THand& hand, const THand& full, int t, const FixedTerms& f) {
  Sample s;
  addJackAndCardTerms(s.x, full, 1.8, 1.2);
  for (int i = 0; i < 7; i++) s.x[6 + i] = 2.4 * holds(hand, trumpRanks[i], t);
  for (int j = 0; j < 4; j++) s.x[13 + j] = 2.4 * holds(hand, rankJack, j + 1);
  s.x[17] = 2.4 * countRank(hand, rankAce);
  s.x[18] = 2.4 * countRank(hand, rankTen);
  s.offset = 0.6 * skatPoints(full) + 2.4 * f.suit[t];
  return s;
}

Sample grandSample(const THand& full, const FixedTerms& f) {
  Sample s;
  addJackAndCardTerms(s.x, full, 1.8 + 2.4 * 0.33, 1.2 + 2.4 * 0.22);
  s.offset = 0.6 * skatPoints(full) + 2.4 * f.grand;
  return s;
}

}  // namespace

// [SECTION] fitting
// The chance to win rises with the strength along a logistic curve pinned at the two marks:
// at 103 the declarer wins winAtBid18 of its searched games, at 118 winAtBidFull. Only the
// weights are free; they are fitted by Newton steps on the likelihood, with a small ridge
// towards the prior. The search with open cards lets the defence play perfectly, which the
// computer defenders do not: the searched chances at the marks are set below those a game
// needs at the table (--win-at-18, --win-at-full).

namespace {

double winAtBid18 = 0.25;
double winAtBidFull = 0.5;

double logit(double p) { return std::log(p / (1 - p)); }
double slope() { return (logit(winAtBidFull) - logit(winAtBid18)) / (skatStrengthBidFull - skatStrengthBid18); }
double winChance(double strength) {
  return 1 / (1 + std::exp(-(logit(winAtBid18) + slope() * (strength - skatStrengthBid18))));
}

// Solves m w = rhs in place by Gaussian elimination with partial pivoting.
Row solve(std::array<Row, paramCount> m, Row rhs) {
  for (int c = 0; c < paramCount; c++) {
    int pivot = c;
    for (int r = c + 1; r < paramCount; r++)
      if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
    std::swap(m[c], m[pivot]);
    std::swap(rhs[c], rhs[pivot]);
    for (int r = 0; r < paramCount; r++) {
      if (r == c || m[c][c] == 0) continue;
      double k = m[r][c] / m[c][c];
      for (int k2 = c; k2 < paramCount; k2++) m[r][k2] -= k * m[c][k2];
      rhs[r] -= k * rhs[c];
    }
  }
  Row w{};
  for (int i = 0; i < paramCount; i++) w[i] = rhs[i] / m[i][i];
  return w;
}

double strengthOf(const Sample& s, const Row& w) {
  double v = s.offset;
  for (int i = 0; i < paramCount; i++) v += s.x[i] * w[i];
  return v;
}

Row fit(const std::vector<Sample>& samples, const std::vector<Job>& jobs, const Row& prior, double ridge) {
  Row w = prior;
  double k = slope();
  for (int step = 0; step < 25; step++) {
    std::array<Row, paramCount> h{};
    Row g{};
    double loss = 0;
    for (const Sample& s : samples) {
      double p = winChance(strengthOf(s, w));
      double y = jobs[s.job].won ? 1 : 0;
      loss -= y ? std::log(p) : std::log(1 - p);
      for (int i = 0; i < paramCount; i++) {
        if (s.x[i] == 0) continue;
        g[i] += (y - p) * k * s.x[i];
        for (int j = 0; j < paramCount; j++) h[i][j] += p * (1 - p) * k * k * s.x[i] * s.x[j];
      }
    }
    for (int i = 0; i < paramCount; i++) {
      g[i] -= ridge * (w[i] - prior[i]);
      h[i][i] += ridge;
    }
    Row d = solve(h, g);
    double size = 0;
    for (int i = 0; i < paramCount; i++) {
      w[i] += d[i];
      size = std::max(size, std::fabs(d[i]));
    }
    std::fprintf(stderr, "  Newton step %d: loss per game %.4f, largest change %.3f\n", step + 1, loss / samples.size(), size);
    if (size < 1e-3) break;
  }
  return w;
}

}  // namespace

// [SECTION] the tables' text

namespace {

struct Weights {
  std::array<int, 4> jack{};        // buben.txt: Kreuz, Pik, Herz, Karo
  int ace = 0, ten = 0;             // karten.txt
  std::array<int, 7> trumpRank{};   // kartenf.txt: trump A, 10, K, Q, 9, 8, 7
  std::array<int, 4> trumpJack{};   // kartenf.txt: the Jacks
  int sideAce = 0, sideTen = 0;     // kartenf.txt: each Ace, each Ten of the ten cards
};

int clip(double v) { return std::clamp(static_cast<int>(std::lround(v)), -128, 127); }

Weights rounded(const Row& w) {
  Weights r;
  for (int j = 0; j < 4; j++) r.jack[j] = clip(w[j]);
  r.ace = clip(w[4]);
  r.ten = clip(w[5]);
  for (int i = 0; i < 7; i++) r.trumpRank[i] = clip(w[6 + i]);
  for (int j = 0; j < 4; j++) r.trumpJack[j] = clip(w[13 + j]);
  r.sideAce = clip(w[17]);
  r.sideTen = clip(w[18]);
  return r;
}

std::string rule(int rank, int suit, int value, const char* note) {
  return "#1(" + std::to_string(rank) + "," + std::to_string(suit) + ")" + std::to_string(value) + "#  " + note + "\n";
}

std::string jackRules(const Weights& w) {
  static const char* names[] = {"Kreuz-Bube", "Pik-Bube", "Herz-Bube", "Karo-Bube"};
  std::string out;
  for (int j = 0; j < 4; j++) out += rule(rankJack, j + 1, w.jack[j], names[j]);
  return out;
}

std::string cardRules(const Weights& w) {
  static const char* suits[] = {"Kreuz", "Pik", "Herz", "Karo"};
  std::string out;
  for (int s = 0; s < 4; s++) out += rule(rankAce, s + 1, w.ace, (std::string(suits[s]) + "-As").c_str());
  for (int s = 0; s < 4; s++) out += rule(rankTen, s + 1, w.ten, (std::string(suits[s]) + "-Zehn").c_str());
  return out;
}

std::string suitGameRules(const Weights& w) {
  static const char* ranks[] = {"Trumpf-As", "Trumpf-Zehn", "Trumpf-König", "Trumpf-Dame",
                                "Trumpf-Neun", "Trumpf-Acht", "Trumpf-Sieben"};
  static const char* jackNames[] = {"Kreuz-Bube", "Pik-Bube", "Herz-Bube", "Karo-Bube"};
  std::string out;
  for (int i = 0; i < 7; i++) out += rule(trumpRanks[i], skatRuleTrumpSuit, w.trumpRank[i], ranks[i]);
  for (int j = 0; j < 4; j++) out += rule(rankJack, j + 1, w.trumpJack[j], jackNames[j]);
  static const char* suits[] = {"Kreuz", "Pik", "Herz", "Karo"};
  for (int s = 0; s < 4; s++) out += rule(rankAce, s + 1, w.sideAce, (std::string(suits[s]) + "-As, auch als Trumpf").c_str());
  for (int s = 0; s < 4; s++) out += rule(rankTen, s + 1, w.sideTen, (std::string(suits[s]) + "-Zehn, auch als Trumpf").c_str());
  return out;
}

TSkatRuleTable parsed(const std::string& text, const char* what) {
  TSkatRuleTable t{};
  std::string error;
  if (!skatParseRuleTable(text, t, error)) {
    std::fprintf(stderr, "%s: %s\n", what, error.c_str());
    std::exit(1);
  }
  return t;
}

void install(int slot, const std::string& rules) { skatRuleTables[slot] = parsed("|data|" + rules, "table"); }


using Vec = std::array<int, paramCount>;

Vec toVec(const Weights& w) {
  Vec v{};
  for (int j = 0; j < 4; j++) v[j] = w.jack[j];
  v[4] = w.ace;
  v[5] = w.ten;
  for (int i = 0; i < 7; i++) v[6 + i] = w.trumpRank[i];
  for (int j = 0; j < 4; j++) v[13 + j] = w.trumpJack[j];
  v[17] = w.sideAce;
  v[18] = w.sideTen;
  return v;
}

Weights fromVec(const Vec& v) {
  Weights w;
  for (int j = 0; j < 4; j++) w.jack[j] = v[j];
  w.ace = v[4];
  w.ten = v[5];
  for (int i = 0; i < 7; i++) w.trumpRank[i] = v[6 + i];
  for (int j = 0; j < 4; j++) w.trumpJack[j] = v[13 + j];
  w.sideAce = v[17];
  w.sideTen = v[18];
  return w;
}

bool nonIncreasing(const Vec& v, int from, int n) {
  for (int i = from; i + 1 < from + n; i++)
    if (v[i] < v[i + 1]) return false;
  return true;
}

bool feasible(const Vec& v) {
  for (int x : v)
    if (x < 0 || x > 127) return false;
  int trumpAce = v[6] + v[17], trumpTen = v[7] + v[18];
  return nonIncreasing(v, 0, 4) && v[4] >= v[5] && nonIncreasing(v, 8, 5) && trumpAce >= trumpTen &&
         trumpTen >= v[8] && nonIncreasing(v, 13, 4) && v[16] >= trumpAce && v[17] >= v[18];
}

// Orders that keep the tables readable: no card weighs less than nothing, a higher card never
// less than a lower one (the trump Ace and Ten with their weight as side cards); a weight out
// of order is lowered to the one above it.
Vec projected(Vec v) {
  for (int& x : v) x = std::clamp(x, 0, 127);
  for (int i = 1; i < 4; i++) v[i] = std::min(v[i], v[i - 1]);
  v[3] = std::max(v[3], 0);
  for (int i = 0; i < 4; i++) v[i] = std::max(v[i], v[3]);
  v[4] = std::max(v[4], 0);
  v[5] = std::min(v[5], v[4]);
  v[18] = std::min(v[18], v[17]);
  v[7] = std::min(v[7], v[6] + v[17] - v[18]);
  v[8] = std::min(v[8], v[7] + v[18]);
  for (int i = 9; i <= 12; i++) v[i] = std::min(v[i], v[i - 1]);
  for (int i = 14; i <= 16; i++) v[i] = std::min(v[i], v[i - 1]);
  v[16] = std::max(v[16], v[6] + v[17]);
  for (int i = 15; i >= 13; i--) v[i] = std::max(v[i], v[i + 1]);
  return v;
}

// The same orders kept by raising the weights above a raised one.
Vec raised(Vec v) {
  for (int i = 11; i >= 8; i--) v[i] = std::max(v[i], v[i + 1]);
  v[7] = std::max(v[7], v[8] - v[18]);
  v[6] = std::max(v[6], v[7] + v[18] - v[17]);
  v[17] = std::max(v[17], v[18]);
  v[4] = std::max(v[4], v[5]);
  for (int i = 2; i >= 0; i--) v[i] = std::max(v[i], v[i + 1]);
  v[16] = std::max(v[16], v[6] + v[17]);
  for (int i = 15; i >= 13; i--) v[i] = std::max(v[i], v[i + 1]);
  return v;
}

// The fitted weights rounded and put in order lose some of the fit: single steps on each
// weight that lower the loss of the curve and keep the orders are taken until none does.
double lossOf(const Vec& v, const std::vector<Sample>& samples, const std::vector<Job>& jobs) {
  Row w{};
  for (int i = 0; i < paramCount; i++) w[i] = v[i];
  double loss = 0;
  for (const Sample& s : samples) {
    double p = winChance(strengthOf(s, w));
    loss -= std::log(jobs[s.job].won ? p : 1 - p);
  }
  return loss / samples.size();
}

Vec orderedFit(const Row& raw, const std::vector<Sample>& samples, const std::vector<Job>& jobs) {
  Vec v = projected(toVec(rounded(raw)));
  double best = lossOf(v, samples, jobs);
  for (int round = 0; round < 200; round++) {
    bool improved = false;
    for (int i = 0; i < paramCount; i++)
      for (int step : {1, -1}) {
        Vec t = v;
        t[i] += step;
        // a step may need its neighbours in the order to follow: try the plain step, then pulled along
        for (Vec c : {t, projected(t), raised(t)}) {
          if (!feasible(c)) continue;
          double l = lossOf(c, samples, jobs);
          if (l < best - 1e-9) {
            best = l;
            v = c;
            improved = true;
            break;
          }
        }
      }
    if (!improved) break;
  }
  std::fprintf(stderr, "  in order: loss per game %.4f\n", best);
  return v;
}

void installWeights(const Weights& w) {
  install(skatSlotJacks, jackRules(w));
  install(skatSlotCards, cardRules(w));
  install(skatSlotSuitGame, suitGameRules(w));
}

}  // namespace

// [SECTION] checking with the real rating
// Fresh deals are rated with a set of tables; each hand's rated game (a suit game or Grand)
// is searched as above. Per bid class: the share of hands and how often the rated game wins.

namespace {

using TableSet = std::array<TSkatRuleTable, 3>;

TableSet installedSet() { return {skatRuleTables[1], skatRuleTables[2], skatRuleTables[3]}; }

void installSet(const TableSet& set) {
  for (int slot = 1; slot <= 3; slot++) skatRuleTables[slot] = set[slot - 1];
}

struct Rated {
  size_t deal = 0;
  int seat = 0, trumpSuit = -1;  // -1: Null, not searched
  int bidClass = 0;
  int strength = 0;
};

int ratingClass(int strength) {
  return strength < skatStrengthBid18 ? 0 : strength < skatStrengthBidFull ? 1 : 2;
}

std::vector<Rated> rateAll(const std::vector<Deal>& deals) {
  std::vector<Rated> out;
  TSkatProfileFields neutral{0, 0, 0, 0, 0, 0, 0};
  for (size_t d = 0; d < deals.size(); d++)
    for (int s = 0; s < 3; s++) {
      const Deal& deal = deals[d];
      TSkatSeatRating r = skatRateHand(deal.hands[s], deal.skat, deal.hands[(s + 1) % 3], deal.hands[(s + 2) % 3], neutral);
      Rated x;
      x.deal = d;
      x.seat = s;
      x.strength = r.strength;
      x.bidClass = ratingClass(r.strength);
      if (r.bestGame >= 1 && r.bestGame <= 4) x.trumpSuit = r.bestGame;
      else if (r.bestGame == skatTypeGrand) x.trumpSuit = gameGrand;
      out.push_back(x);
    }
  return out;
}

struct Check {
  std::array<int, 3> hands{}, searched{}, won{};
  int total = 0, grand = 0, bidding = 0;
  double loss = 0;
  int lossCount = 0;
};

using JobKey = std::array<size_t, 3>;  // deal, seat, trump suit

Check tally(const std::vector<Rated>& rated, const std::map<JobKey, bool>& outcome) {
  Check c;
  for (const Rated& x : rated) {
    c.total++;
    c.hands[x.bidClass]++;
    if (x.bidClass > 0) {
      c.bidding++;
      c.grand += x.trumpSuit == gameGrand;
    }
    if (x.trumpSuit < 0) continue;
    bool won = outcome.at({x.deal, size_t(x.seat), size_t(x.trumpSuit)});
    c.searched[x.bidClass]++;
    c.won[x.bidClass] += won;
    double p = winChance(x.strength);
    c.loss -= std::log(won ? p : 1 - p);
    c.lossCount++;
  }
  return c;
}

std::string checkText(const char* name, const Check& c) {
  static const char* classes[] = {"passen", "18", "Spielwert"};
  std::string out = std::string("  ") + name + ":\n";
  for (int i = 0; i < 3; i++) {
    char line[160];
    std::snprintf(line, sizeof line, "    %-9s %5.1f%% der Blätter, das bewertete Spiel gewinnt %5.1f%%\n", classes[i],
                  100.0 * c.hands[i] / std::max(c.total, 1), 100.0 * c.won[i] / std::max(c.searched[i], 1));
    out += line;
  }
  char tail[200];
  std::snprintf(tail, sizeof tail, "    Grand unter den reizenden Blättern %.1f%%, Logloss der Gewinnkurve %.3f\n",
                100.0 * c.grand / std::max(c.bidding, 1), c.loss / std::max(c.lossCount, 1));
  return out + tail;
}

// Rates the deals with each set, searches every rated game once and describes the sets.
std::string checkSets(const std::vector<std::pair<const char*, TableSet>>& sets, const std::vector<Deal>& deals,
                      int threads) {
  std::vector<std::vector<Rated>> rated;
  std::map<JobKey, bool> outcome;
  std::vector<Job> jobs;
  std::vector<JobKey> keys;
  for (const auto& [name, set] : sets) {
    installSet(set);
    rated.push_back(rateAll(deals));
    for (const Rated& x : rated.back()) {
      JobKey k{x.deal, size_t(x.seat), size_t(x.trumpSuit)};
      if (x.trumpSuit < 0 || outcome.count(k)) continue;
      outcome[k] = false;
      jobs.push_back(makeJob(deals[x.deal], x.seat, x.trumpSuit));
      keys.push_back(k);
    }
  }
  solveAll(jobs, threads);
  for (size_t i = 0; i < jobs.size(); i++) outcome[keys[i]] = jobs[i].won;
  std::string out;
  for (size_t i = 0; i < sets.size(); i++) out += checkText(sets[i].first, tally(rated[i], outcome));
  return out;
}

}  // namespace

// [SECTION] writing the tables

namespace {

// The files are 8-bit text: the header's umlauts are written as Latin-1.
std::string latin1(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); i++) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
      out += static_cast<char>((static_cast<unsigned char>(utf8[++i]) & 0x3F) | (c == 0xC3 ? 0xC0 : 0x80));
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string header(const char* what, int deals, unsigned seed, size_t games, const std::string& check) {
  char curve[200];
  std::snprintf(curve, sizeof curve, "%.0f %% bei Spielstärke %d und %.0f %% bei %d", 100 * winAtBid18,
                int(skatStrengthBid18), 100 * winAtBidFull, int(skatStrengthBidFull));
  return latin1(std::string(what) +
         "\nDie Zahlen sind aus Spielergebnissen berechnet: das Werkzeug tools/skat_rule_calibration.cpp\n"
         "gibt " + std::to_string(deals) + " Zufallsblätter (Startwert " + std::to_string(seed) + "). Für jeden Platz als\n"
         "Alleinspieler und jedes Spiel, das sein Blatt mit dem Skat ansagen könnte (Farbspiel mit\n"
         "mindestens vier Trümpfen, Grand mit mindestens zwei Buben), drückt er zwei Karten und die\n"
         "zehn Stiche werden mit offenen Karten genau durchsucht (" + std::to_string(games) + " Spiele): gewinnt er?\n"
         "Die Gewichte aller drei Tafeln sind so angepasst (logistische Regression), dass die\n"
         "Spielstärke der Blattbewertung die Gewinnchance vorhersagt: " + curve + "\n"
         "(mit offenen Karten, also gegen eine fehlerlose Gegenpartei).\n"
         "Keine Karte wiegt weniger als nichts, eine höhere nie weniger als eine niedrigere.\n"
         "Prüfung mit der echten Bewertung auf neuen Blättern (bewertetes Spiel ebenso durchsucht):\n" +
         check + "Eine Regel: #1(Rang,Farbe)Wert#  Rang 1=7 .. 4=Bube .. 7=Zehn 8=As;\n"
                 "Farbe 1 Kreuz, 2 Pik, 3 Herz, 4 Karo, 0 jede, 5 die Trumpffarbe.\n|data|\n");
}
void writeFile(const std::string& dir, const std::string& name, const std::string& text) {
  std::ofstream out(dir + "/" + name, std::ios::binary);
  out << text;
  if (!out) {
    std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), name.c_str());
    std::exit(1);
  }
}

// The built-in tables: the same rules, compiled into the program for a missing file.
std::string builtInSource(const Weights& w) {
  auto literal = [](const std::string& rules) {
    std::string compact;
    for (size_t p = rules.find('#'); p != std::string::npos;) {
      size_t end = rules.find('#', p + 1);
      compact += rules.substr(p, end - p + 1);
      p = rules.find('#', end + 1);
    }
    return "\"eingebaut |data|" + compact + "\"";
  };
  return "// The rule tables built into the program: the same rules as the shipped files in\n"
         "// \"\\data\\oldsk\\\", used when a file is missing or malformed. Written by\n"
         "// tools/skat_rule_calibration together with the files.\n"
         "#include \"games/skat/skat_rule_tables.h\"\n\nnamespace {\n\n"
         "constexpr std::string_view builtInJacks =\n    " + literal(jackRules(w)) + ";\n"
         "constexpr std::string_view builtInCards =\n    " + literal(cardRules(w)) + ";\n"
         "constexpr std::string_view builtInSuitGame =\n    " + literal(suitGameRules(w)) + ";\n\n"
         "}  // namespace\n\n"
         "std::string_view skatBuiltInRuleText(std::string_view name) {\n"
         "  if (name == \"buben.txt\") return builtInJacks;\n"
         "  if (name == \"karten.txt\") return builtInCards;\n"
         "  if (name == \"kartenf.txt\") return builtInSuitGame;\n"
         "  return \"eingebaut |data|\";\n}\n";
}

}  // namespace

namespace {

TableSet readSet(const std::string& dir) {
  TableSet set;
  const char* names[] = {"buben.txt", "karten.txt", "kartenf.txt"};
  for (int i = 0; i < 3; i++) {
    std::ifstream in(dir + "/" + names[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "cannot read %s/%s\n", dir.c_str(), names[i]);
      std::exit(1);
    }
    set[i] = parsed(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), names[i]);
  }
  return set;
}

}  // namespace

int main(int argc, char** argv) {
  int deals = 3500;
  int checkDeals = 1500;
  int threads = 4;
  unsigned seed = 20240601;
  std::string outDir, sourceFile, oldDir, cacheFile;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--deals") deals = std::atoi(argv[i + 1]);
    else if (a == "--check-deals") checkDeals = std::atoi(argv[i + 1]);
    else if (a == "--threads") threads = std::clamp(std::atoi(argv[i + 1]), 1, 4);
    else if (a == "--seed") seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    else if (a == "--out") outDir = argv[i + 1];
    else if (a == "--source") sourceFile = argv[i + 1];
    else if (a == "--old") oldDir = argv[i + 1];
    else if (a == "--outcomes") cacheFile = argv[i + 1];
    else if (a == "--win-at-18") winAtBid18 = std::atof(argv[i + 1]);
    else if (a == "--win-at-full") winAtBidFull = std::atof(argv[i + 1]);
  }
  registerSkatGame();
  cg.gameId = gidSkat;
  skatInitTables();
  for (int slot = 1; slot <= 3; slot++) install(slot, "");
  std::mt19937 rng(seed);
  std::vector<Sample> samples;
  std::vector<Job> jobs;
  for (int d = 0; d < deals; d++) {
    Deal deal = dealCards(rng);
    for (int s = 0; s < 3; s++) {
      const THand& hand = deal.hands[s];
      const THand& o1 = deal.hands[(s + 1) % 3];
      const THand& o2 = deal.hands[(s + 2) % 3];
      THand full = concatHands(hand, deal.skat);
      FixedTerms f = fixedTerms(hand, full, o1, o2);
      for (int t = 1; t <= 4; t++) {
        if (trumpCount(full, t) < 4) continue;
        samples.push_back(suitSample(hand, full, t, f));
        samples.back().job = jobs.size();
        jobs.push_back(makeJob(deal, s, t));
      }
      if (jacks(full) < 2) continue;
      samples.push_back(grandSample(full, f));
      samples.back().job = jobs.size();
      jobs.push_back(makeJob(deal, s, gameGrand));
    }
  }
  if (!readOutcomes(cacheFile, jobs)) {
    std::fprintf(stderr, "searching %zu games on %d threads\n", jobs.size(), threads);
    solveAll(jobs, threads);
    writeOutcomes(cacheFile, jobs);
  }
  Row prior = {8, 8, 8, 8, 3, 2, 5, 4, 3, 3, 2, 2, 2, 5, 5, 5, 5, 3, 1};
  Row raw = fit(samples, jobs, prior, 1.0);
  std::fprintf(stderr, "fitted:");
  for (double x : raw) std::fprintf(stderr, " %.2f", x);
  std::fprintf(stderr, "\n");
  Weights w = fromVec(orderedFit(raw, samples, jobs));
  installWeights(w);
  std::vector<std::pair<const char*, TableSet>> sets{{"diese Tafeln", installedSet()}};
  if (!oldDir.empty()) sets.push_back({"die vorigen Tafeln", readSet(oldDir)});
  std::vector<Deal> fresh;
  for (int d = 0; d < checkDeals; d++) fresh.push_back(dealCards(rng));
  std::string check = checkSets(sets, fresh, threads);
  installWeights(w);
  std::printf("%s", check.c_str());
  std::printf("buben:\n%skarten:\n%skartenf:\n%s", jackRules(w).c_str(), cardRules(w).c_str(),
              suitGameRules(w).c_str());
  if (!outDir.empty()) {
    writeFile(outDir, "buben.txt", header("buben.txt: Werte der Buben (Blatt mit Skat; die Bewertung halbiert die Summe).", deals, seed, jobs.size(), check) + jackRules(w));
    writeFile(outDir, "karten.txt", header("karten.txt: Werte einzelner Karten in jedem Spiel (Blatt mit Skat).", deals, seed, jobs.size(), check) + cardRules(w));
    writeFile(outDir, "kartenf.txt", header("kartenf.txt: Werte der Karten im Farbspiel, Farbe 5 ist die Trumpffarbe (zehn Karten).", deals, seed, jobs.size(), check) + latin1(suitGameRules(w)));
  }
  if (!sourceFile.empty()) {
    std::ofstream out(sourceFile, std::ios::binary);
    out << builtInSource(w);
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", sourceFile.c_str());
      return 1;
    }
  }
  return 0;
}

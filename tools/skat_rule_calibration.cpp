// Derives the Skat computer player's rule tables ("buben.txt", "karten.txt", "kartenf.txt")
// from random deals: the weights are fitted so that the hand rating's strength marks (103 bid
// 18, 118 bid the game's value, Grand from a value of 14) fall where a plain rule of thumb
// built on Jacks, trumps, Aces and Tens puts a passable and a sound game. Then the real rating
// is run with the fitted tables on fresh deals and its bidding compared with the rule.
//
// Usage: skat_rule_calibration [--deals N] [--seed S] [--search-deals N] [--rounds N]
//                              [--out DIR] [--source FILE]
// With --out the three files are written into DIR (the repository's data/oldsk); with
// --source the program's built-in copy of the same rules (games/skat/skat_rule_builtin.cpp).
//
// [SECTION] deals and the rule of thumb
// [SECTION] the linear model of the rating
// [SECTION] fitting
// [SECTION] checking with the real rating
// [SECTION] writing the tables
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/cg.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rule_tables.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"

// [SECTION] deals and the rule of thumb

namespace {

struct Deal {
  std::array<THand, 3> hands;
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

// The rule of thumb, counted on the hand with the Skat (the two weakest cards are pressed
// afterwards): for a suit game the trumps (Jacks included), the Aces of the other suits and
// the Tens guarded by their Ace; one less without two of the top trumps (Jacks, trump Ace).
// 7 is a game worth its 18, 8 a sound game.
int suitCount(const THand& full, int t) {
  int q = jacks(full);
  for (int i = 1; i <= handUsed(full); i++)
    if (full.k[i].f == t && full.k[i].t != rankJack) q++;
  for (int s = 1; s <= 4; s++) {
    if (s == t) continue;
    bool ace = holds(full, rankAce, s);
    q += ace + (ace && holds(full, rankTen, s));
  }
  if (jacks(full) + holds(full, rankAce, t) < 2) q--;
  return q;
}

// For Grand: twice the Jacks, the Aces and the guarded Tens; one less without the club Jack.
// 8 is a sound Grand (two Jacks with three Aces, three Jacks with two).
int grandCount(const THand& full) {
  int q = 2 * jacks(full);
  for (int s = 1; s <= 4; s++) {
    bool ace = holds(full, rankAce, s);
    q += ace + (ace && holds(full, rankTen, s));
  }
  if (!holds(full, rankJack, suitClubs)) q--;
  return q;
}

constexpr int suitPlayable = 7;
constexpr int suitSound = 8;
constexpr int grandSound = 8;

// The strength the rule asks for: 103 at a count of 7, 118 at 8, 15 per step.
double suitTarget(int q) { return 103 + 15.0 * (q - suitPlayable); }
double grandStrengthTarget(int q) { return 118 + 15.0 * (q - grandSound); }
// Grand's own value: 14 at a sound count, 4 per step.
double grandValueTarget(int q) { return 14 + 4.0 * (q - grandSound); }

// 0 pass, 1 bid 18, 2 bid the game's value.
int ruleClass(const THand& full) {
  int best = 0;
  for (int t = 1; t <= 4; t++) best = std::max(best, suitCount(full, t));
  if (grandCount(full) >= grandSound || best >= suitSound) return 2;
  return best >= suitPlayable ? 1 : 0;
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

struct Sample {
  Row x{};
  double y = 0;
  double weight = 1;
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
  s.y = suitTarget(suitCount(full, t)) - 0.6 * skatPoints(full) - 2.4 * f.suit[t];
  return s;
}

Sample grandStrengthSample(const THand& full, const FixedTerms& f) {
  Sample s;
  addJackAndCardTerms(s.x, full, 1.8 + 2.4 * 0.33, 1.2 + 2.4 * 0.22);
  s.y = grandStrengthTarget(grandCount(full)) - 0.6 * skatPoints(full) - 2.4 * f.grand;
  return s;
}

Sample grandValueSample(const THand& full, const FixedTerms& f) {
  Sample s;
  addJackAndCardTerms(s.x, full, 0.33, 0.22);
  s.y = grandValueTarget(grandCount(full)) - f.grand;
  s.weight = 4;  // the Grand mark of 14 is narrow: its rows count more
  return s;
}

}  // namespace

// [SECTION] fitting

namespace {

// Weighted least squares with a small ridge towards the prior, by Gaussian elimination.
Row fit(const std::vector<Sample>& samples, const Row& prior, double ridge) {
  std::array<std::array<double, paramCount + 1>, paramCount> m{};
  for (const Sample& s : samples)
    for (int i = 0; i < paramCount; i++) {
      for (int j = 0; j < paramCount; j++) m[i][j] += s.weight * s.x[i] * s.x[j];
      m[i][paramCount] += s.weight * s.x[i] * s.y;
    }
  for (int i = 0; i < paramCount; i++) {
    m[i][i] += ridge;
    m[i][paramCount] += ridge * prior[i];
  }
  for (int c = 0; c < paramCount; c++) {
    int pivot = c;
    for (int r = c + 1; r < paramCount; r++)
      if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
    std::swap(m[c], m[pivot]);
    for (int r = 0; r < paramCount; r++) {
      if (r == c || m[c][c] == 0) continue;
      double k = m[r][c] / m[c][c];
      for (int k2 = c; k2 <= paramCount; k2++) m[r][k2] -= k * m[c][k2];
    }
  }
  Row w{};
  for (int i = 0; i < paramCount; i++) w[i] = m[i][paramCount] / m[i][i];
  return w;
}

}  // namespace

// [SECTION] checking with the real rating

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

void install(int slot, const std::string& rules) {
  TSkatRuleTable t{};
  std::string error;
  if (!skatParseRuleTable("|data|" + rules, t, error)) {
    std::fprintf(stderr, "table %d: %s\n", slot, error.c_str());
    std::exit(1);
  }
  skatRuleTables[slot] = t;
}

struct Check {
  std::array<std::array<int, 3>, 3> confusion{};  // [rule class][rating class]
  int hands = 0, grand = 0, null = 0, ruleGrand = 0;
  double sumAbs = 0;
};

int ratingClass(const TSkatSeatRating& r) {
  return r.strength < skatStrengthBid18 ? 0 : r.strength < skatStrengthBidFull ? 1 : 2;
}

Check checkRating(int deals, std::mt19937& rng) {
  Check c;
  TSkatProfileFields neutral{0, 0, 0, 0, 0, 0, 0};
  for (int d = 0; d < deals; d++) {
    Deal deal = dealCards(rng);
    for (int s = 0; s < 3; s++) {
      const THand& hand = deal.hands[s];
      TSkatSeatRating r = skatRateHand(hand, deal.skat, deal.hands[(s + 1) % 3], deal.hands[(s + 2) % 3], neutral);
      THand full = concatHands(hand, deal.skat);
      int rc = ruleClass(full);
      c.confusion[rc][ratingClass(r)]++;
      c.hands++;
      if (r.bestGame == skatTypeGrand && r.strength >= skatStrengthBid18) c.grand++;
      if (grandCount(full) >= grandSound) c.ruleGrand++;
      if (r.nullKind > 0 || (r.bestGame == skatTypeNull)) c.null++;
      int best = 0;
      for (int t = 1; t <= 4; t++) best = std::max(best, suitCount(full, t));
      double target = grandCount(full) >= grandSound ? grandStrengthTarget(grandCount(full)) : suitTarget(best);
      c.sumAbs += std::fabs(r.strength - target);
    }
  }
  return c;
}

std::string checkText(const Check& c) {
  static const char* names[] = {"passen", "18", "Spielwert"};
  std::string out = "Faustregel (Zeilen) gegen Bewertung (Spalten): passen, 18, Spielwert\n";
  int agree = 0;
  for (int i = 0; i < 3; i++) {
    char line[160];
    std::snprintf(line, sizeof line, "  %-9s %6.1f%% %6.1f%% %6.1f%%\n", names[i], 100.0 * c.confusion[i][0] / c.hands,
                  100.0 * c.confusion[i][1] / c.hands, 100.0 * c.confusion[i][2] / c.hands);
    out += line;
    agree += c.confusion[i][i];
  }
  char tail[260];
  std::snprintf(tail, sizeof tail,
                "  gleiche Einstufung: %.1f%% der Blätter; mittlere Abweichung der Spielstärke: %.1f;\n"
                "  Grand gewählt: %.1f%% (nach der Regel %.1f%%), Null möglich: %.1f%%\n",
                100.0 * agree / c.hands, c.sumAbs / c.hands, 100.0 * c.grand / c.hands,
                100.0 * c.ruleGrand / c.hands, 100.0 * c.null / c.hands);
  return out + tail;
}

}  // namespace


// [SECTION] searching with the real rating
// The linear model leaves out the rating's rounding and its steps (the trump duel, the
// lengths of the other hands): the rounded fit is improved by single steps on each weight,
// kept when the real rating agrees better with the rule, within orders that keep the tables
// readable (no card weighs less than nothing, higher cards never less than lower ones).

namespace {

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
  return nonIncreasing(v, 0, 4) && v[3] >= 0 && v[4] >= 0 && v[4] >= v[5] && nonIncreasing(v, 8, 5) &&
         trumpAce >= trumpTen && trumpTen >= v[8] && nonIncreasing(v, 13, 4) && v[16] >= trumpAce &&
         v[17] >= v[18];
}

// Keeps the orders of feasible() by lowering a weight to the one above it where needed.
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

void installWeights(const Weights& w) {
  install(skatSlotJacks, jackRules(w));
  install(skatSlotCards, cardRules(w));
  install(skatSlotSuitGame, suitGameRules(w));
}

// How well the real rating follows the rule: the share of hands in the same bid class, the
// share of bidding hands whose choice of Grand or a suit game agrees with the rule, less a
// little for the mean distance of the strength from the rule's.
double score(const Vec& v, const std::vector<Deal>& deals) {
  installWeights(fromVec(v));
  int hands = 0, agree = 0, bidding = 0, sameGame = 0;
  double sumAbs = 0;
  TSkatProfileFields neutral{0, 0, 0, 0, 0, 0, 0};
  for (const Deal& deal : deals)
    for (int s = 0; s < 3; s++) {
      const THand& hand = deal.hands[s];
      TSkatSeatRating r = skatRateHand(hand, deal.skat, deal.hands[(s + 1) % 3], deal.hands[(s + 2) % 3], neutral);
      THand full = concatHands(hand, deal.skat);
      int rc = ruleClass(full);
      hands++;
      agree += rc == ratingClass(r);
      bool ruleGrand = grandCount(full) >= grandSound;
      if (rc > 0 && r.bestGame != skatTypeNull) {
        bidding++;
        sameGame += ruleGrand == (r.bestGame == skatTypeGrand);
      }
      int best = 0;
      for (int t = 1; t <= 4; t++) best = std::max(best, suitCount(full, t));
      double target = ruleGrand ? grandStrengthTarget(grandCount(full)) : suitTarget(best);
      sumAbs += std::fabs(r.strength - target);
    }
  return 100.0 * agree / hands + 50.0 * sameGame / std::max(bidding, 1) - 0.05 * sumAbs / hands;
}

Vec search(Vec v, const std::vector<Deal>& deals, int rounds) {
  v = projected(v);
  double best = score(v, deals);
  for (int round = 0; round < rounds; round++) {
    bool improved = false;
    for (int i = 0; i < paramCount; i++)
      for (int step : {1, -1, 3, -3}) {
        Vec t = v;
        t[i] += step;
        if (!feasible(t)) continue;
        double sc = score(t, deals);
        if (sc > best + 1e-9) {
          best = sc;
          v = t;
          improved = true;
        }
      }
    std::fprintf(stderr, "round %d: %.2f\n", round + 1, best);
    if (!improved) break;
  }
  return v;
}

}  // namespace

// [SECTION] writing the tables

namespace {

std::string header(const char* what, int deals, unsigned seed, const std::string& check) {
  return std::string(what) +
         "\nDie Zahlen sind berechnet, nicht geschätzt: das Werkzeug tools/skat_rule_calibration.cpp\n"
         "gibt " + std::to_string(deals) + " Zufallsblätter (Startwert " + std::to_string(seed) +
         ") und passt die Gewichte aller drei Tafeln zugleich an,\n"
         "erst mit kleinsten Quadraten, dann Schritt für Schritt mit der echten Blattbewertung,\n"
         "so dass deren Spielstärke die Marken 103 (18 reizen) und 118 (bis zum Spielwert reizen)\n"
         "und der Grandwert die Marke 14 dort erreicht, wo eine einfache Faustregel ein Spiel\n"
         "spielbar und sicher nennt. Farbspiel: die Trümpfe mit den Buben, dazu die Asse und die\n"
         "von ihrem As gedeckten Zehnen der anderen Farben (7 spielbar, 8 sicher; ohne zwei der\n"
         "obersten Trümpfe einer weniger). Grand: zweimal die Buben, dazu Asse und gedeckte Zehnen\n"
         "(8 sicher; ohne Kreuz-Buben einer weniger). Keine Karte wiegt weniger als nichts, eine\n"
         "höhere nie weniger als eine niedrigere.\n"
         "Prüfung mit der echten Bewertung auf neuen Blättern, Anteile aller Blätter:\n" +
         check + "Eine Regel: #1(Rang,Farbe)Wert#  Rang 1=7 .. 4=Bube .. 7=Zehn 8=As;\n"
                 "Farbe 1 Kreuz, 2 Pik, 3 Herz, 4 Karo, 0 jede, 5 die Trumpffarbe.\n|data|\n";
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

int main(int argc, char** argv) {
  int deals = 20000;
  int searchDealCount = 3000;
  int searchRounds = 12;
  unsigned seed = 20240601;
  std::string outDir;
  std::string sourceFile;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string a = argv[i];
    if (a == "--deals") deals = std::atoi(argv[i + 1]);
    else if (a == "--seed") seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    else if (a == "--out") outDir = argv[i + 1];
    else if (a == "--source") sourceFile = argv[i + 1];
    else if (a == "--search-deals") searchDealCount = std::atoi(argv[i + 1]);
    else if (a == "--rounds") searchRounds = std::atoi(argv[i + 1]);
  }
  cg.gameId = gidSkat;
  skatInitTables();
  for (int slot = 1; slot <= 3; slot++) install(slot, "");
  std::mt19937 rng(seed);
  std::vector<Sample> samples;
  for (int d = 0; d < deals; d++) {
    Deal deal = dealCards(rng);
    for (int s = 0; s < 3; s++) {
      const THand& hand = deal.hands[s];
      const THand& o1 = deal.hands[(s + 1) % 3];
      const THand& o2 = deal.hands[(s + 2) % 3];
      THand full = concatHands(hand, deal.skat);
      FixedTerms f = fixedTerms(hand, full, o1, o2);
      int bestSuit = 1;
      for (int t = 2; t <= 4; t++)
        if (suitCount(full, t) > suitCount(full, bestSuit)) bestSuit = t;
      if (grandCount(full) >= grandSound) samples.push_back(grandStrengthSample(full, f));
      else samples.push_back(suitSample(hand, full, bestSuit, f));
      if (jacks(full) >= 2) samples.push_back(grandValueSample(full, f));
    }
  }
  Row prior = {8, 8, 8, 8, 3, 2, 5, 4, 3, 3, 2, 2, 2, 5, 5, 5, 5, 3, 1};
  Weights w = rounded(fit(samples, prior, 0.02 * deals));
  std::vector<Deal> searchDeals;
  for (int d = 0; d < searchDealCount; d++) searchDeals.push_back(dealCards(rng));
  w = fromVec(search(toVec(w), searchDeals, searchRounds));
  installWeights(w);
  std::string check = checkText(checkRating(deals / 2, rng));
  std::printf("%s", check.c_str());
  std::printf("buben:\n%skarten:\n%skartenf:\n%s", jackRules(w).c_str(), cardRules(w).c_str(),
              suitGameRules(w).c_str());
  if (!outDir.empty()) {
    writeFile(outDir, "buben.txt", header("buben.txt: Werte der Buben (Blatt mit Skat; die Bewertung halbiert die Summe).", deals, seed, check) + jackRules(w));
    writeFile(outDir, "karten.txt", header("karten.txt: Werte einzelner Karten in jedem Spiel (Blatt mit Skat).", deals, seed, check) + cardRules(w));
    writeFile(outDir, "kartenf.txt", header("kartenf.txt: Werte der Karten im Farbspiel, Farbe 5 ist die Trumpffarbe (zehn Karten).", deals, seed, check) + suitGameRules(w));
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

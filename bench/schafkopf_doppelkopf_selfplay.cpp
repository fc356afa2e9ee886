// Schafkopf and Doppelkopf self-play: four computer seats headless through the core's tick,
// the game steps and the table's moves, with the game on the table (screen mode 1) so that
// the observation hooks run. Prints games per second; how often each contract or solo (and
// Hochzeit, silent wedding, Ramsch, Kein Spiel) was played and won; the announcement and
// Kontra/Re levels reached; the list scores; answers refused, cards replaced, alerts, stalls
// and games whose values do not sum to zero; the slowest frame in ms (it holds at most one
// computer move with the observation of its card), by the clock and by the thread's own
// processor time, which a busy machine inflates less. --duel plays each deal four times, one
// stronger seat against three "Anfänger", moving one place each time ("Profi", then
// "Normal"), and prints its mean per game and the z-score.
//
//   schafkopf_doppelkopf_selfplay --game schafkopf|doppelkopf [--games N] [--seed S]
//                                 [--strengths a,b,c,d] [--all-rules] [--duel]
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/doppelkopf_registration.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/schafkopf_registration.h"
#include "games/skat/schafkopf_state.h"
#include "games/skat/skat_options.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TArgs {
  bool doppelkopf = false, allRules = false, duel = false;
  int games = 1000;
  uint64_t seed = 1;
  int strengths[5] = {0, 3, 3, 3, 3};
};

struct TFigures {
  int games = 0, stalls = 0, alerts = 0, refused = 0, replaced = 0, notZero = 0;
  std::map<std::string, std::pair<int, int>> played;  // what: played, won (-1: no lone side)
  std::map<std::string, int> levels;
  int64_t totals[5] = {0, 0, 0, 0, 0};
  double slowestMs = 0, slowestCpuMs = 0;
};

TFigures fig;

double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

TArgs parse(int argc, char** argv) {
  TArgs a;
  for (int i = 1; i < argc; i++) {
    std::string k = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (k == "--game") a.doppelkopf = next() == "doppelkopf";
    else if (k == "--games") a.games = std::atoi(next().c_str());
    else if (k == "--seed") a.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (k == "--all-rules") a.allRules = true;
    else if (k == "--duel") a.duel = true;
    else if (k == "--strengths") {
      std::string v = next();
      size_t p = 0;
      for (int s = 1; s <= 4; s++) {
        size_t q = v.find(',', p);
        a.strengths[s] = std::clamp(std::atoi(v.substr(p, q - p).c_str()), 1, 3);
        if (q == std::string::npos) break;
        p = q + 1;
      }
    }
  }
  return a;
}

void options(const TArgs& a) {
  if (a.doppelkopf) {
    TDoppelkopfOptions o = doppelkopfDefaultOptions;
    o.gameLimit = doppelkopfNoGameLimit;
    o.pointLimit = 0;
    if (a.allRules) {
      o.fuchsFangen = o.doppelkopf = o.karlchen = o.bubenDamenSolo = o.secondDulle = 1;
      for (int i = 1; i <= 5; i++) o.announcements[i] = 1;
    }
    doppelkopfGameArea() = TDoppelkopfArea{};
    doppelkopfGameArea().options = o;
    return;
  }
  TSchafkopfOptions o = schafkopfDefaultOptions;
  o.gameLimit = schafkopfNoGameLimit;
  o.pointLimit = 0;
  if (a.allRules) o.tout = o.farbgeier = o.farbwenz = o.bettel = o.sie = o.kontra = o.re = o.ramsch = o.laufende = o.ownAce = 1;
  schafkopfGameArea() = TSchafkopfArea{};
  schafkopfGameArea().options = o;
}

const char* schafkopfContractName(int type) {
  static const char* names[] = {"Kein Spiel", "Sie", "Solo", "Wenz", "Geier", "Farbwenz", "Farbgeier", "Bettel", "Rufspiel", "Ramsch"};
  return type >= 0 && type <= 9 ? names[type] : "?";
}

const char* doppelkopfGameName(int type) {
  static const char* names[] = {"Normalspiel", "Kreuz-Solo", "Pik-Solo", "Herz-Solo", "Karo-Solo",
                                "Buben-Solo", "Damen-Solo", "Fleischlos", "Buben-Damen-Solo"};
  return type >= 0 && type <= 8 ? names[type] : "?";
}

// `won`: the lone player or declarer won; -1 for a game without one (its won count stays -1).
void count(const std::string& what, int won) {
  auto& e = fig.played[what];
  if (e.first == 0 && won < 0) e.second = -1;
  e.first++;
  if (won > 0 && e.second >= 0) e.second++;
}

// What the finished game was, and whether its lone player or declarer side won.
void tally(const TArgs& a, const int32_t values[5]) {
  if (a.doppelkopf) {
    const TDoppelkopfArea& d = doppelkopfGameArea();
    const int32_t soloist = d.doppelkopfSoloist;
    std::string what = doppelkopfGameName(d.doppelkopfSoloType);
    if (d.hochzeitSeat != 0) what = d.hochzeitPartner != 0 ? "Hochzeit mit Partner" : "Hochzeit allein";
    else if (soloist != 0 && d.doppelkopfSoloType == doppelkopfKaroSolo && !d.seats[soloist].soloWish) what = "stille Hochzeit";
    const int32_t seat = soloist != 0 ? soloist : d.hochzeitSeat;
    count(what, seat == 0 ? -1 : values[seat] > 0);
    fig.levels["Re " + std::to_string(d.seats[0].doppelkopfReLevel)]++;
    fig.levels["Kontra " + std::to_string(d.seats[0].doppelkopfKontraLevel)]++;
    return;
  }
  const TSchafkopfArea& s = schafkopfGameArea();
  std::string what = schafkopfContractName(s.contract.type);
  if (s.contract.tout) what += " Tout";
  const int32_t seat = s.declarerSeat;
  const bool lone = s.contract.type != skfRamsch && s.contract.type != skfNone && seat >= 1 && seat <= 4;
  count(what, lone ? values[seat] > 0 : -1);
  fig.levels[s.kontraLevel == 2 ? "Re" : s.kontraLevel == 1 ? "Kontra" : "ohne Kontra"]++;
}

// One game from a fresh list with the deal drawn from `seed`: each seat's value, or false
// when it stalled.
bool playOne(const TArgs& a, const int strength[5], uint64_t seed, int32_t values[5]) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = 4;
  options(a);
  randomFixSeed(seed);
  randomSeed(seed);
  screenMode = 1;
  cg.startGame(a.doppelkopf ? gidDoppelkopf : gidSchafkopf, 0);
  for (int s = 1; s <= 4; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.seatProfiles[s].strength = strength[s];
  }
  for (int f = 0; f < 40000 && cg.gs.phase != 5; f++) {
    const auto t0 = std::chrono::steady_clock::now();
    const double c0 = threadCpuMs();
    headlessFrame();
    fig.slowestCpuMs = std::max(fig.slowestCpuMs, threadCpuMs() - c0);
    fig.slowestMs = std::max(fig.slowestMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    advanceFakeTick(50);
  }
  randomReleaseSeed();
  if (cg.gs.phase != 5) {
    fig.stalls++;
    return false;
  }
  fig.games++;
  int64_t sum = 0;
  for (int s = 1; s <= 4; s++) {
    values[s] = cg.gs.listTotals[s];
    fig.totals[s] += values[s];
    sum += values[s];
  }
  fig.notZero += sum != 0;
  tally(a, values);
  return true;
}

void printMeanAndZ(const char* who, const std::vector<double>& v) {
  if (v.empty()) return;
  double n = double(v.size()), mean = 0, var = 0;
  for (double x : v) mean += x;
  mean /= n;
  for (double x : v) var += (x - mean) * (x - mean);
  const double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
  std::printf("%s mean per game %.2f\n%s z-score %.2f\n", who, mean, who, sd > 0 ? mean / (sd / std::sqrt(n)) : 0.0);
}

void duel(const TArgs& a) {
  for (int strong : {3, 2}) {
    std::vector<double> means;
    for (int g = 0; g < a.games; g++) {
      const uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
      double sum = 0;
      bool ok = true;
      for (int seat = 1; seat <= 4 && ok; seat++) {
        int st[5] = {0, 1, 1, 1, 1};
        st[seat] = strong;
        int32_t values[5] = {};
        ok = playOne(a, st, seed, values);
        sum += values[seat];
      }
      if (ok) means.push_back(sum / 4);
    }
    printMeanAndZ(strong == 3 ? "Profi" : "Normal", means);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const TArgs a = parse(argc, argv);
  useFakeTick(1000);
  if (a.doppelkopf) registerDoppelkopfGame();
  else registerSchafkopfGame();
  setAlertSink([](const std::string&) { fig.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos || t.find("nicht angeboten") != std::string_view::npos) fig.refused++;
    if (t.find("nicht spielbar") != std::string_view::npos || t.find("ersetzt") != std::string_view::npos) fig.replaced++;
    if (t.find("ACHTUNG") != std::string_view::npos) fig.alerts++;
  });
  auto start = std::chrono::steady_clock::now();
  if (a.duel) {
    duel(a);
  } else {
    for (int g = 0; g < a.games; g++) {
      int32_t values[5] = {};
      playOne(a, a.strengths, a.seed * 1000003ULL + uint64_t(g), values);
    }
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("games %d\ngames per second %.1f\n", fig.games, fig.games / std::max(secs, 1e-9));
  for (const auto& [what, n] : fig.played) {
    if (n.second < 0) std::printf("played %s %d\n", what.c_str(), n.first);
    else std::printf("played %s %d won %d\n", what.c_str(), n.first, n.second);
  }
  for (const auto& [what, n] : fig.levels) std::printf("level %s %d\n", what.c_str(), n);
  std::printf("list scores");
  for (int s = 1; s <= 4; s++) std::printf(" %lld", static_cast<long long>(fig.totals[s]));
  std::printf("\nrefused answers %d\ncards replaced %d\nalerts %d\nstalls %d\nvalues not summing to zero %d\n"
              "slowest frame ms %.2f\nslowest frame cpu ms %.2f\n",
              fig.refused, fig.replaced, fig.alerts, fig.stalls, fig.notZero, fig.slowestMs, fig.slowestCpuMs);
  return fig.stalls + fig.alerts + fig.refused + fig.replaced + fig.notZero > 0 ? 1 : 0;
}

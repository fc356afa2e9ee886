// Self-play of Hearts and Jass for the family bench: four computer seats through the core's
// tick, the steps and the table's moves, headless. Prints games per second, Hearts' moons,
// suns and points or Jass's modes, pushes, Weis, Stöck and target ends, then answers refused,
// cards replaced, alerts, stalls and the slowest frame in ms (a frame holds at most one
// decision). --duel replays each deal with the strengths rotated and prints the stronger
// side's mean per deal and its z-score.
//
//   family_selfplay --game hearts|jass [--games N] [--seed S] [--strengths a,b,c,d] [--duel]
#include "bench/family_selfplay_tricks.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/hearts_registration.h"
#include "games/family/hearts_rules.h"
#include "games/family/hearts_state.h"
#include "games/family/jass_registration.h"
#include "games/family/jass_rules.h"
#include "games/family/jass_state.h"
#include "games/skat/skat_options.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TTrickArgs {
  std::string game;
  int games = 1000;
  uint64_t seed = 1;
  int strengths[5] = {0, 3, 3, 3, 3};
  bool duel = false;
};

struct TTrickFigures {
  int games = 0, stalls = 0, alerts = 0, refused = 0, replaced = 0;
  int moons = 0, suns = 0, pushes = 0, weis = 0, stoeck = 0, targetEnds = 0;
  std::map<int32_t, int> modes;
  double slowestMs = 0;
  int64_t points[5] = {0, 0, 0, 0, 0};
};

TTrickFigures tf;

TTrickArgs parseTricks(int argc, char** argv) {
  TTrickArgs a;
  for (int i = 1; i < argc; i++) {
    std::string k = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (k == "--game") a.game = next();
    else if (k == "--games") a.games = std::atoi(next().c_str());
    else if (k == "--seed") a.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (k == "--duel") a.duel = true;
    else if (k == "--strengths") {
      std::string v = next();
      int s = 1;
      for (size_t p = 0; s <= 4 && p <= v.size(); s++) {
        size_t q = v.find(',', p);
        a.strengths[s] = std::clamp(std::atoi(v.substr(p, q - p).c_str()), 1, 3);
        if (q == std::string::npos) break;
        p = q + 1;
      }
    }
  }
  return a;
}

// The options a new list reads from the area: every Jass rule on (a target when `target`);
// Hearts with the Sonne rule. No round limit.
void listOptions(TGameId game, bool target) {
  if (game == gidHearts) {
    THeartsState& h = heartsArea();
    h.heartsSeating = 1;
    h.roundLimit = heartsNoRoundLimit;
    h.sonneRule = 1;
    return;
  }
  TJassState& j = jassArea();
  j.weisOn = j.stoeckOn = j.obenabeAllowed = j.undenufeAllowed = j.slalomAllowed = 1;
  j.countingOrder = 1;
  j.roundLimit = jassNoRoundLimit;
  j.pointsLimit = target ? 1000 : 0;
}

// One game from a fresh list with the deal drawn from `seed`; false when it stalled. The
// strengths go in after NewGame, which forces seat 1 to "Profi".
bool playOne(TGameId game, const int strength[5], uint64_t seed, bool target = false) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = 4;
  listOptions(game, target);
  randomFixSeed(seed);
  randomSeed(seed);
  cg.startGame(game, 0);
  for (int s = 1; s <= 4; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.seatProfiles[s].strength = strength[s];
  }
  for (int f = 0; f < 60000 && cg.gs.phase != 5; f++) {
    auto t0 = std::chrono::steady_clock::now();
    const int32_t kind = cg.gs.awaitingAction == 2 ? cg.gs.bl.decisionKind : 0;
    headlessFrame();
    tf.slowestMs = std::max(tf.slowestMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    if (kind == 110 && cg.gs.awaitingAction != 2 && cg.gs.getBlender.res_ii == jassPushAnswer) tf.pushes++;
    advanceFakeTick(50);
  }
  randomReleaseSeed();
  if (cg.gs.phase != 5) {
    tf.stalls++;
    return false;
  }
  tf.games++;
  if (game == gidHearts) {
    const THeartsState& h = heartsArea();
    tf.moons += h.moonShooter != 0;
    tf.suns += h.sunShooter != 0;
  } else {
    const TJassState& j = jassArea();
    tf.modes[j.mode]++;
    tf.targetEnds += j.lastTrickSeat == 0;
    for (int s = 1; s <= 4; s++) {
      tf.weis += j.weisPoints[s] > 0;
      tf.stoeck += j.stoeckPoints[s] / 20;
    }
  }
  for (int s = 1; s <= 4; s++) tf.points[s] += cg.gs.listTotals[s];
  return true;
}

void printMeanAndZ(const char* what, const std::vector<double>& v) {
  if (v.empty()) return;
  double n = double(v.size()), mean = 0, var = 0;
  for (double x : v) mean += x;
  mean /= n;
  for (double x : v) var += (x - mean) * (x - mean);
  double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
  std::printf("%s mean per deal %.2f\n%s z-score %.2f\n", what, mean, what, sd > 0 ? mean / (sd / std::sqrt(n)) : 0.0);
}

// Hearts: one stronger seat against three "Anfänger", moving one place each time; its lead is
// the others' mean points minus its own (fewer points are better).
void heartsDuel(const TTrickArgs& a) {
  for (int strong : {3, 2}) {
    std::vector<double> leads;
    for (int g = 0; g < a.games; g++) {
      const uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
      double lead = 0;
      bool ok = true;
      for (int seat = 1; seat <= 4 && ok; seat++) {
        int st[5] = {0, 1, 1, 1, 1};
        st[seat] = strong;
        ok = playOne(gidHearts, st, seed);
        double others = 0;
        for (int s = 1; s <= 4; s++) others += s == seat ? 0 : cg.gs.listTotals[s];
        lead += others / 3 - cg.gs.listTotals[seat];
      }
      if (ok) leads.push_back(lead / 4);
    }
    printMeanAndZ(strong == 3 ? "Profi" : "Normal", leads);
  }
}

// Jass: seat 3 is always "Profi"; the stronger team is "Profi" against "Anfänger", the teams
// swapped on the same deal, with a target so that the target search runs.
void jassDuel(const TTrickArgs& a) {
  std::vector<double> leads;
  for (int g = 0; g < a.games; g++) {
    const uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
    const int first[5] = {0, 3, 1, 3, 1}, second[5] = {0, 1, 3, 3, 3};
    if (!playOne(gidJass, first, seed, true)) continue;
    const double lead1 = cg.gs.listTotals[1] - cg.gs.listTotals[2];
    if (!playOne(gidJass, second, seed, true)) continue;
    leads.push_back((lead1 + cg.gs.listTotals[2] - cg.gs.listTotals[1]) / 2);
  }
  printMeanAndZ("stronger team", leads);
}

}  // namespace

int runTrickGameSelfPlay(int argc, char** argv) {
  const TTrickArgs a = parseTricks(argc, argv);
  const bool hearts = a.game == "hearts";
  useFakeTick(1000);
  if (hearts) registerHeartsGame();
  else registerJassGame();
  setAlertSink([](const std::string&) { tf.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) tf.refused++;
    if (t.find("ersetzt") != std::string_view::npos || t.find("nicht erlaubt") != std::string_view::npos) tf.replaced++;
  });
  auto start = std::chrono::steady_clock::now();
  if (a.duel) {
    if (hearts) heartsDuel(a);
    else jassDuel(a);
  } else {
    for (int g = 0; g < a.games; g++) playOne(hearts ? gidHearts : gidJass, a.strengths, a.seed * 1000003ULL + uint64_t(g));
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("games %d\ngames per second %.1f\n", tf.games, tf.games / std::max(secs, 1e-9));
  if (hearts) {
    std::printf("moons %d\nsuns %d\npoints", tf.moons, tf.suns);
    for (int s = 1; s <= 4; s++) std::printf(" %lld", static_cast<long long>(tf.points[s]));
    std::printf("\n");
  } else {
    std::printf("modes");
    for (auto [mode, n] : tf.modes) std::printf(" %d:%d", mode, n);
    std::printf("\npushes %d\nweis %d\nstoeck %d\ntarget ends %d\n", tf.pushes, tf.weis, tf.stoeck, tf.targetEnds);
  }
  std::printf("refused answers %d\ncards replaced %d\nalerts %d\nstalls %d\nslowest frame ms %.2f\n", tf.refused,
              tf.replaced, tf.alerts, tf.stalls, tf.slowestMs);
  return tf.stalls > 0 || tf.alerts > 0 || tf.refused > 0 || tf.replaced > 0 ? 1 : 0;
}

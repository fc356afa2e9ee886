// Self-play of Schwimmen, Go Fish, Old Maid and War for family_selfplay: computer seats play
// one-game lists headless through the core's tick in screen mode 1; the options change from
// deal to deal. Prints games per second, the list scores, answers refused, alerts, stalled
// games, the longest game in frames and the slowest decision (frame) in ms. With --duel each
// deal is replayed with the strengths rotated over the seats (Go Fish's seat 1 always plays
// "Normal" and is left out of the tally); each strength's mean score per game and its z-score
// against the other seats are printed.
//
//   family_selfplay --game schwimmen|gofish|oldmaid|war [--games N] [--seed S] [--seats K]
//                   [--strengths K] [--duel]
#include "bench/family_draw_games.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/gofish_ai.h"
#include "games/family/gofish_registration.h"
#include "games/family/gofish_rules.h"
#include "games/family/oldmaid_registration.h"
#include "games/family/oldmaid_rules.h"
#include "games/family/schwimmen_registration.h"
#include "games/family/schwimmen_rules.h"
#include "games/family/war_registration.h"
#include "games/family/war_rules.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/card_ai_lookup.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TArgs {
  std::string game;
  int games = 1000, seats = 4, strengths = 0;  // strengths 0: mixed
  uint64_t seed = 1;
  bool duel = false;
};

struct TFigures {
  int games = 0, stalled = 0, alerts = 0, refused = 0, longest = 0;
  double slowestMs = 0;
  int64_t totals[7] = {};
};

TFigures figures;

TGameId idOf(const std::string& game) {
  if (game == "schwimmen") return gidSchwimmen;
  if (game == "gofish") return gidGoFish;
  if (game == "oldmaid") return gidOldMaid;
  return gidWar;
}

// The options of deal g, filled into the game's area before the list starts.
void setOptions(TGameId id, int g) {
  switch (id) {
    case gidSchwimmen: {
      TSchwimmenArea& a = schwimmenArea();
      a.firstDealerOption = 1 + g % 3;
      a.tripleRule = g % 2;
      a.swapAllAllowed = (g / 2) % 2;
      a.scorePositive = (g / 4) % 2;
      a.gameLimit = 1;
      a.pointsLimit = 0;
      return;
    }
    case gidGoFish: {
      TGoFishArea& a = goFishArea();
      a.gameLimit = 1;
      a.pointsLimit = 0;
      a.dealCount = 5 + g % 3;
      a.pairsVariant = (g / 3) % 2;
      a.bookSize = a.pairsVariant ? 2 : 4;
      a.endWhenEmpty = (g / 6) % 2;
      a.emptyHandRefill = (g / 12) % 2;
      return;
    }
    case gidOldMaid: {
      TOldMaidArea& a = oldMaidArea();
      a.gameLimit = 1;
      a.pointsLimit = 0;
      a.colourPairs = g % 2;
      a.maidCard = 1 + (g / 2) % 2;
      a.drawFromAny = (g / 4) % 2;
      return;
    }
    default: {
      TWarArea& a = warArea();
      a.gameLimit = 1;
      a.pointsLimit = 0;
      a.jokerWars = g % 2;
      a.warsToWin = (g % 4) * 3;
      return;
    }
  }
}

// One one-game list; strength per seat (index 1..6). The booked values, empty when stalled.
std::vector<int32_t> playOne(TGameId id, int seats, int g, uint64_t seed, const std::vector<int>& strength) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = seats;
  setHeadlessDisplay(1 + g % 2);
  setOptions(id, g);
  // The game start reseeds the generator: fixed, a deal replayed in a duel is the same deal.
  randomFixSeed(seed);
  randomSeed(seed);
  screenMode = 1;
  cg.startGame(id, 0);
  for (int s = 1; s <= 6; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.seatProfiles[s].strength = strength[size_t(s)];
  }
  // Go Fish made its players from the options' strengths as the game started.
  if (auto* ai = dynamic_cast<TGoFishAI*>(getCardAIByType(gidGoFish)); ai && id == gidGoFish) ai->createPlayers();
  int frames = 0;
  const int limit = 600000;
  for (; frames < limit && cg.gs.phase != 5; frames++) {
    auto t0 = std::chrono::steady_clock::now();
    headlessFrame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    figures.slowestMs = std::max(figures.slowestMs, ms);
    advanceFakeTick(50);
    if (id == gidWar && cg.gs.gameCounter > 10000) break;  // past 10,000 rounds: stalled
  }
  figures.longest = std::max(figures.longest, frames);
  if (cg.gs.phase != 5) {
    figures.stalled++;
    return {};
  }
  figures.games++;
  std::vector<int32_t> booked(7, 0);
  for (int s = 1; s <= seats; s++) {
    booked[size_t(s)] = cg.gs.listTotals[s];
    figures.totals[s] += cg.gs.listTotals[s];
  }
  return booked;
}

void printDuel(const std::vector<std::vector<double>>& leads) {
  for (int st = 1; st <= 3; st++) {
    const std::vector<double>& v = leads[size_t(st)];
    if (v.empty()) continue;
    double n = double(v.size()), mean = 0, var = 0;
    for (double x : v) mean += x;
    mean /= n;
    for (double x : v) var += (x - mean) * (x - mean);
    double sd = n > 1 ? std::sqrt(var / (n - 1)) : 0;
    std::printf("strength %d: mean lead %.3f, z-score %.2f\n", st, mean, sd > 0 ? mean / (sd / std::sqrt(n)) : 0.0);
  }
}

}  // namespace

int runDrawGamesSelfPlay(int argc, char** argv) {
  TArgs a;
  for (int i = 1; i < argc; i++) {
    std::string k = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (k == "--game") a.game = next();
    else if (k == "--games") a.games = std::atoi(next().c_str());
    else if (k == "--seed") a.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (k == "--seats") a.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (k == "--strengths") a.strengths = std::clamp(std::atoi(next().c_str()), 1, 3);
    else if (k == "--duel") a.duel = true;
  }
  const TGameId id = idOf(a.game);
  const int seats = id == gidWar ? 2 : a.seats;
  registerSchwimmenGame();
  registerGoFishGame();
  registerOldMaidGame();
  registerWarGame();
  useFakeTick(1000);
  setAlertSink([](const std::string&) { figures.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) figures.refused++;
  });
  // Go Fish's seat 1 always plays "Normal": the strengths rotate over the other seats.
  const int firstRotated = id == gidGoFish ? 2 : 1;
  std::vector<std::vector<double>> leads(4);
  auto start = std::chrono::steady_clock::now();
  for (int g = 0; g < a.games; g++) {
    const uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
    if (a.duel) {
      // Each strength's score per deal, less the mean of the other seats, over the rotations.
      std::vector<double> lead(4, 0.0);
      std::vector<int> count(4, 0);
      for (int r = 0; r < 3; r++) {
        std::vector<int> strength(7, 2);
        for (int s = firstRotated; s <= seats; s++) strength[size_t(s)] = (s - 1 + r) % 3 + 1;
        auto booked = playOne(id, seats, g, seed, strength);
        if (booked.empty()) continue;
        double all = 0;
        for (int s = 1; s <= seats; s++) all += booked[size_t(s)];
        for (int s = firstRotated; s <= seats; s++) {
          lead[size_t(strength[size_t(s)])] += booked[size_t(s)] - (all - booked[size_t(s)]) / (seats - 1);
          count[size_t(strength[size_t(s)])]++;
        }
      }
      for (int st = 1; st <= 3; st++)
        if (count[size_t(st)] > 0) leads[size_t(st)].push_back(lead[size_t(st)] / count[size_t(st)]);
      continue;
    }
    std::vector<int> strength(7, 2);
    for (int s = 1; s <= 6; s++) strength[size_t(s)] = a.strengths > 0 ? a.strengths : (s + g) % 3 + 1;
    playOne(id, seats, g, seed, strength);
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("game %s, %d games, %d seats, seed %llu\n", a.game.c_str(), figures.games, seats,
              static_cast<unsigned long long>(a.seed));
  std::printf("games per second: %.1f\n", secs > 0 ? figures.games / secs : 0.0);
  std::printf("list scores:");
  for (int s = 1; s <= seats; s++) std::printf(" %lld", static_cast<long long>(figures.totals[s]));
  std::printf("\nanswers refused: %d\nalerts: %d\nstalled games: %d\n", figures.refused, figures.alerts,
              figures.stalled);
  std::printf("longest game: %d frames\nslowest decision: %.2f ms\n", figures.longest, figures.slowestMs);
  printDuel(leads);
  return figures.alerts == 0 && figures.stalled == 0 && figures.refused == 0 ? 0 : 1;
}

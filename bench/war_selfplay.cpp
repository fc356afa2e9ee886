// Self-play bench of War: computer seats play lists headless through the core's
// tick in screen mode 1 and the bench prints games per second, the list scores, answers
// refused, alerts, stalled games, the longest game (in frames) and the slowest decision.
//
// Usage: war_selfplay --game war [--games N] [--seed S] [--seats K]
// A War game past 10,000 rounds counts as stalled; so does any game past its frame limit.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/war_registration.h"
#include "games/family/war_rules.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TOptions {
  std::string game = "war";
  int games = 1000;
  uint64_t seed = 1;
  int seats = 2;  // War is always played by two seats; --seats is read for the other games
};

struct TFigures {
  int games = 0, stalled = 0, alerts = 0, refused = 0, longest = 0;
  double slowestMs = 0;
  int64_t totals[7] = {};
};

void resetTable(int seats) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = seats;
  cg.seatCount = seats;
}

// One list of a game per deal seed; each game is one list of one game.
void playOne(const TOptions& o, int g, TFigures& f) {
  const int seats = 2;
  resetTable(seats);
  randomFixSeed(o.seed * 1000003ULL + uint64_t(g));
  randomSeed(o.seed * 1000003ULL + uint64_t(g));
  warArea().gameLimit = 1;
  warArea().jokerWars = g % 2;
  warArea().warsToWin = (g % 4) * 3;
  screenMode = 1;
  cg.startGame(gidWar, 0);
  for (int s = 1; s <= seats; s++) cg.seatRecords[s].kind = seatKindComputer;
  int frames = 0;
  const int limit = 600000;
  for (; frames < limit && cg.gs.phase != 5; frames++) {
    auto t0 = std::chrono::steady_clock::now();
    headlessFrame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    f.slowestMs = std::max(f.slowestMs, ms);
    advanceFakeTick(50);
    if (cg.gs.gameCounter > 10000) break;  // past 10,000 rounds: stalled
  }
  f.longest = std::max(f.longest, frames);
  if (cg.gs.phase != 5) {
    f.stalled++;
    return;
  }
  f.games++;
  for (int s = 1; s <= seats; s++) f.totals[s] += cg.gs.listTotals[s];
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (a == "--game") o.game = next();
    else if (a == "--games") o.games = std::atoi(next().c_str());
    else if (a == "--seed") o.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (a == "--seats") o.seats = std::atoi(next().c_str());
    else if (a == "--strengths") next();  // War and Old Maid have no strengths
  }
  if (o.game != "war") {
    std::printf("not available: %s (built: war)\n", o.game.c_str());
    return 2;
  }
  registerWarGame();
  TFigures f;
  setAlertSink([&](const std::string&) { f.alerts++; });
  setTraceListener([&](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) f.refused++;
  });
  useFakeTick(1000);
  auto start = std::chrono::steady_clock::now();
  for (int g = 0; g < o.games; g++) playOne(o, g, f);
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("game %s, %d games, seed %llu\n", o.game.c_str(), o.games, static_cast<unsigned long long>(o.seed));
  std::printf("games per second: %.1f\n", s > 0 ? f.games / s : 0.0);
  std::printf("list scores:");
  for (int i = 1; i <= 6; i++) std::printf(" %lld", static_cast<long long>(f.totals[i]));
  std::printf("\nanswers refused: %d\nalerts: %d\nstalled games: %d\n", f.refused, f.alerts, f.stalled);
  std::printf("longest game: %d frames\nslowest decision: %.2f ms\n", f.longest, f.slowestMs);
  return f.alerts == 0 && f.stalled == 0 && f.refused == 0 ? 0 : 1;
}

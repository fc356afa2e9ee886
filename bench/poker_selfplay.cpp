// Self-play bench of Texas Hold'em: every seat answers at random among the options its
// question offers, with a legal amount for a raise, through the core's tick headless. It
// prints hands per second, matches, refused answers, alerts, stalls, money checks that
// failed and the slowest frame.
//
// Usage: poker_selfplay [--hands N] [--games N] [--seed S] [--seats K] [--variant nl|pl|sl]
// Until the computer player exists the bench answers for every seat itself.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_registration.h"
#include "games/casino/poker_state.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TOptions {
  int hands = 10000;
  uint64_t seed = 1;
  int seats = 6;
  std::string variant = "nl";
};

struct TFigures {
  int hands = 0, matches = 0, stalled = 0, alerts = 0, refused = 0, moneyFaults = 0;
  double slowestMs = 0;
};

void startMatch(const TOptions& o) {
  resetHeadlessSkat(1 + int(randomBelow(2)), skatDefaultOptions);
  tableLandsAtOnce = true;
  pokerArea() = TPokerArea{};
  TPokerArea& a = pokerArea();
  a.potLimit = o.variant == "pl";
  a.splitLimit = o.variant == "sl";
  a.startMoney = 200;
  a.startBlind = 2;
  a.blindEvery = 10;
  a.chipSet = 2;
  playerCount = o.seats;
  cg.seatCount = o.seats;
  screenMode = 1;
  cg.startGame(gidPoker, 0);
  for (int s = 1; s <= o.seats; s++) cg.seatRecords[s].kind = seatKindComputer;
}

void answer() {
  if (cg.gs.awaitingAction != 2 || cg.gs.bl.decisionKind != 98) return;
  const int32_t seat = cg.gs.akspieler;
  int32_t offered[5], n = 0;
  for (int32_t code : {pokerCheck, pokerFold, pokerCall, pokerRaise, pokerAllIn})
    if (pokerAnswerOffered(seat, code)) offered[n++] = code;
  const int32_t code = offered[randomBelow(n)];
  int32_t amount = 0;
  if (code == pokerRaise) {
    const TPokerArea& a = pokerArea();
    const int32_t room = chipStackValue(seat) - pokerAmountToCall(seat);
    const int32_t top = std::max(a.minRaise, std::min(a.maxRaise, std::min(room, 4 * a.minRaise)));
    amount = a.minRaise + randomBelow(top - a.minRaise + 1);
  }
  cg.submitAction(2, amount, code);
}

bool moneyHolds(int32_t total) {
  if (chipAnimation.moveCount() > 0 || chipAnimation.transferCount() > 0) return true;
  if (cg.gs.phase == 2 || (cg.gs.phase == 0 && cg.gs.gamesPlayed == 0)) return true;
  int32_t sum = chipStackValue(8);
  for (int s = 1; s <= playerCount; s++) {
    if (chipStackValue(s) < 0) return false;
    sum += chipStackValue(s);
  }
  return sum == total && (cg.gs.phase == 5 || chipStackValue(8) == pokerArea().pot);
}

// One hand to its end; false when it stalls.
bool playHand(TFigures& f) {
  const int32_t total = playerCount * pokerArea().startMoney;
  bool faulty = false;
  for (int frame = 0; frame < 50000; frame++) {
    if (cg.gs.phase == 5) {
      f.moneyFaults += faulty;
      return true;
    }
    answer();
    auto t0 = std::chrono::steady_clock::now();
    headlessFrame();
    f.slowestMs = std::max(f.slowestMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    advanceFakeTick(50);
    faulty = faulty || !moneyHolds(total);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (a == "--hands" || a == "--games") o.hands = std::atoi(next().c_str());
    else if (a == "--seed") o.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (a == "--seats") o.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (a == "--variant") o.variant = next();
  }
  if (o.variant != "nl" && o.variant != "pl" && o.variant != "sl") {
    std::printf("unknown variant %s (nl, pl, sl)\n", o.variant.c_str());
    return 2;
  }
  registerPokerGame();
  TFigures f;
  setAlertSink([&](const std::string& t) {
    if (f.alerts++ < 5) std::fprintf(stderr, "alert: %s\n", t.c_str());
  });
  setTraceListener([&](std::string_view t) {
    if (t.find("ACHTUNG") != std::string_view::npos || t.find("ATTENTION") != std::string_view::npos) {
      if (f.alerts++ < 5) std::fprintf(stderr, "alert: %.*s\n", int(t.size()), t.data());
    }
    if (t.find("was not offered") != std::string_view::npos) f.refused++;
  });
  useFakeTick(1000);
  randomFixSeed(o.seed);
  randomSeed(o.seed);
  auto start = std::chrono::steady_clock::now();
  while (f.hands < o.hands) {
    startMatch(o);
    f.matches++;
    for (;;) {
      if (!playHand(f)) {
        if (f.stalled++ < 3)
          std::fprintf(stderr, "stalled: phase %d step %d round %d seat %d awaiting %d moves %d transfers %d\n",
                       cg.gs.phase, cg.gs.step, cg.gs.subState, cg.gs.akspieler, cg.gs.awaitingAction,
                       chipAnimation.moveCount(), chipAnimation.transferCount());
        break;
      }
      f.hands++;
      if (cg.gs.listOver || f.hands >= o.hands) break;
      screenMode = 1;
      cg.startGame(gidPoker, 1);
      for (int s = 1; s <= o.seats; s++) cg.seatRecords[s].kind = seatKindComputer;
    }
  }
  randomReleaseSeed();
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("poker %s, %d seats, %d hands, seed %llu\n", o.variant.c_str(), o.seats, f.hands,
              static_cast<unsigned long long>(o.seed));
  std::printf("hands per second: %.1f\nmatches: %d\n", s > 0 ? f.hands / s : 0.0, f.matches);
  std::printf("answers refused: %d\nalerts: %d\nstalled hands: %d\nmoney checks failed: %d\n", f.refused, f.alerts,
              f.stalled, f.moneyFaults);
  std::printf("slowest frame: %.2f ms\n", f.slowestMs);
  return f.alerts == 0 && f.stalled == 0 && f.refused == 0 && f.moneyFaults == 0 ? 0 : 1;
}

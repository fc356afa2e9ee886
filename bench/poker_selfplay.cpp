// Self-play bench of Texas Hold'em through the core's tick, headless.
//
// Plain: every seat answers at random among the options its question offers, with a legal
// amount for a raise; prints hands per second, matches, refused answers, alerts, stalls,
// money checks that failed and the slowest frame.
// --duel: the computer player itself. Each deal is played once per rotation of the seats'
// strengths over seats 2..K (seat 1 always plays as "Profi" and is left out of the tally),
// every time from equal stacks; prints each strength's money won per hand and the z value of
// "Profi" against "Anfänger" over the deals. --duel memory: "Normal" seats, half of them
// asking the shipped case memory after the flop and half going by the rules alone.
//
// Usage: poker_selfplay [--hands N] [--games N] [--seed S] [--seats K] [--variant nl|pl|sl]
//                       [--duel [memory]] [--brain FILE]
// --brain reads that memory file instead of the program's (make_brain --learned writes one).
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_cases.h"
#include "games/casino/poker_registration.h"
#include "games/casino/poker_state.h"
#include "platform/alert.h"
#include "platform/paths.h"
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
  std::string duel;   // "", "strength" or "memory"
  std::string brain;  // another memory file for the memory duel
};

struct TFigures {
  int hands = 0, matches = 0, stalled = 0, alerts = 0, refused = 0, moneyFaults = 0;
  double slowestMs = 0;     // wall time: what a player would wait
  double slowestCpuMs = 0;  // this thread's processor time, free of other programs' load
  std::string slowestWhere;  // the frame of most processor time: hand, frame, step, board
  int frames = 0, framesOver5Ms = 0;
};

double threadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// One frame through the core, timed; the slowest frame keeps where it happened.
void timedFrame(TFigures& f, int frame) {
  const int32_t stepBefore = cg.gs.step, seatBefore = cg.gs.akspieler;
  const bool asked = cg.gs.awaitingAction == 2;
  const double cpu0 = threadCpuMs();
  auto t0 = std::chrono::steady_clock::now();
  headlessFrame();
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  const double cpuMs = threadCpuMs() - cpu0;
  f.frames++;
  f.framesOver5Ms += ms > 5;
  f.slowestMs = std::max(f.slowestMs, ms);
  if (cpuMs <= f.slowestCpuMs) return;
  f.slowestCpuMs = cpuMs;
  char where[160];
  std::snprintf(where, sizeof where, "hand %d, frame %d, step %d to %d, seat %d%s, board %d cards", f.hands + 1,
                frame, stepBefore, cg.gs.step, seatBefore, asked ? " (asked)" : "", sp[12].count);
  f.slowestWhere = where;
}

void printFrames(const TFigures& f) {
  std::printf("slowest frame: %.2f ms; of processor time %.2f ms (%s)\nframes over 5 ms: %d of %d\n", f.slowestMs,
              f.slowestCpuMs, f.slowestWhere.c_str(), f.framesOver5Ms, f.frames);
}

// Per side of a duel: money won over all its seats' hands, and the hands played.
struct TSide {
  double won = 0;
  int64_t hands = 0;
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
    timedFrame(f, frame);
    advanceFakeTick(50);
    faulty = faulty || !moneyHolds(total);
  }
  return false;
}

// One hand of a duel from equal stacks with the given seat roles (1 Anfänger, 2 Normal, 3
// Profi; in the memory duel 1 rules, 3 memory); each seat's result. False when it stalls.
bool duelHand(const TOptions& o, uint64_t dealSeed, const int roles[7], int32_t result[7], TFigures& f) {
  randomSeed(dealSeed);
  startMatch(o);
  for (int s = 2; s <= o.seats; s++) {
    cg.gs.seatProfiles[s].strength = o.duel == "memory" ? 2 : roles[s];
    pokerSeatAsksMemory[s] = o.duel == "memory" && roles[s] == 3;
  }
  const int32_t total = playerCount * pokerArea().startMoney;
  bool faulty = false;
  for (int frame = 0; frame < 50000; frame++) {
    if (cg.gs.phase == 5) {
      const TPokerArea& a = pokerArea();
      for (int s = 1; s <= o.seats; s++) {
        const TChipSeat& seat = a.seats[s];
        result[s] = (seat.state == 1 && seat.winner ? seat.won : 0) + a.refund[s] - seat.stake;
      }
      f.moneyFaults += faulty;
      return true;
    }
    timedFrame(f, frame);
    advanceFakeTick(50);
    faulty = faulty || !moneyHolds(total);
  }
  return false;
}

int runDuel(const TOptions& o, TFigures& f) {
  const int m = o.seats - 1;  // seats 2..K take turns at every role
  int base[7] = {};
  for (int i = 0; i < m; i++) base[i] = m % 2 == 1 && i == m - 1 ? 2 : i % 2 == 0 ? 3 : 1;
  TSide side[4];
  double sum = 0, sumSq = 0;
  auto start = std::chrono::steady_clock::now();
  for (int deal = 0; deal < o.hands; deal++) {
    double diff = 0;  // this deal's (strong - weak) money per hand, over the rotations
    for (int r = 0; r < m; r++) {
      int roles[7] = {};
      for (int i = 0; i < m; i++) roles[2 + i] = base[(i + r) % m];
      int32_t result[7] = {};
      if (!duelHand(o, o.seed * 1000003ull + uint64_t(deal), roles, result, f)) {
        f.stalled++;
        continue;
      }
      f.hands++;
      int strong = 0, weak = 0;
      double strongWon = 0, weakWon = 0;
      for (int s = 2; s <= o.seats; s++) {
        side[roles[s]].won += result[s];
        side[roles[s]].hands++;
        if (roles[s] == 3) strong++, strongWon += result[s];
        if (roles[s] == 1) weak++, weakWon += result[s];
      }
      if (strong > 0 && weak > 0) diff += strongWon / strong - weakWon / weak;
    }
    diff /= m;
    sum += diff;
    sumSq += diff * diff;
  }
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const int n = o.hands;
  const double mean = n > 0 ? sum / n : 0;
  const double var = n > 1 ? (sumSq - n * mean * mean) / (n - 1) : 0;
  const double z = var > 0 ? mean / std::sqrt(var / n) : 0;
  const bool memory = o.duel == "memory";
  std::printf("poker %s duel (%s), %d seats, %d deals x %d rotations, seed %llu\n", o.variant.c_str(),
              memory ? "shipped memory against the rules alone" : "strengths", o.seats, n, m,
              static_cast<unsigned long long>(o.seed));
  if (memory) std::printf("cases in the memory: %d\n", clusterer().caseCount);
  const char* names[4] = {"", memory ? "rules alone" : "Anfänger", memory ? "rules alone (fifth seat)" : "Normal",
                          memory ? "memory" : "Profi"};
  for (int k : {3, 2, 1})
    if (side[k].hands > 0)
      std::printf("%s: %.3f per hand over %lld seat-hands\n", names[k], side[k].won / side[k].hands,
                  static_cast<long long>(side[k].hands));
  std::printf("%s - %s per hand: %.3f, z = %.2f\n", names[3], names[1], mean, z);
  std::printf("hands per second: %.1f\nalerts: %d\nstalled hands: %d\nmoney checks failed: %d\n", secs > 0 ? f.hands / secs : 0.0,
              f.alerts, f.stalled, f.moneyFaults);
  printFrames(f);
  return f.alerts == 0 && f.stalled == 0 && f.moneyFaults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  bool explicitHands = false;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (a == "--hands" || a == "--games") {
      o.hands = std::atoi(next().c_str());
      explicitHands = true;
    }
    else if (a == "--seed") o.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (a == "--seats") o.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (a == "--variant") o.variant = next();
    else if (a == "--brain") o.brain = next();
    else if (a == "--duel") o.duel = i + 1 < argc && std::string(argv[i + 1]) == "memory" ? next() : "strength";
  }
  if (o.variant != "nl" && o.variant != "pl" && o.variant != "sl") {
    std::printf("unknown variant %s (nl, pl, sl)\n", o.variant.c_str());
    return 2;
  }
  registerPokerGame();
  // The preflop table and the case memory come from the program's data built beside it.
  setProgramFolder(POKER_APP_DIR);
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
  if (!o.brain.empty() && !clusterer().loadFromFile(o.brain)) {
    std::printf("cannot read the memory %s\n", o.brain.c_str());
    return 2;
  }
  if (!o.duel.empty()) {
    if (o.hands == 10000 && !explicitHands) o.hands = 2000;
    const int rc = runDuel(o, f);
    randomReleaseSeed();
    return rc;
  }
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
  printFrames(f);
  return f.alerts == 0 && f.stalled == 0 && f.refused == 0 && f.moneyFaults == 0 ? 0 : 1;
}

// Self-play bench of Rommé and Gin Rummy: computer seats play hands headless through the
// core's tick in screen mode 1; the bench prints hands per second, the list scores, Rommé
// hands, knocks, gins, undercuts and no-games, answers refused, consistency lines, stalled
// hands and the slowest decision. With --duel each deal is played again with the strengths
// rotated over the seats, and the points per strength are printed. --digest prints one checksum
// over the table after every step and the list scores: two runs with the same seed that play
// the same cards print the same checksum. --repeat K plays every deal K times and takes each
// decision's least processor time, so that other programs on the machine do not count.
//
// Usage: romme_selfplay [--game romme|gin] [--gin] [--games N] [--seed S] [--seats K] [--duel] [--digest]
//                       [--repeat K]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/seat_record.h"
#include "core/word_digest.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_registration.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

// The processor time of this thread: unlike the clock it does not count time the machine gave
// to other programs.
double cpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct TOptions {
  bool gin = false;
  int games = 1000;
  uint64_t seed = 1;
  int seats = 4;
  bool duel = false;
  bool digest = false;
  int repeat = 1;
};

struct TDigest : TWordDigest {
  void addStack(int32_t stack) {
    add(stackUsed(sp[stack]));
    for (int32_t i = 1; i <= stackUsed(sp[stack]); i++) add(sp[stack].slots[i].card.t * 16 + sp[stack].slots[i].card.f);
  }
};

struct TFigures {
  int hands = 0, stalled = 0, messages = 0, refused = 0, rommeHands = 0, knocks = 0, gins = 0, undercuts = 0,
      noGames = 0;
  double slowestMs = 0, slowestCpuMs = 0;
  int64_t totals[7] = {};
  int64_t byStrength[4] = {};
  TDigest digest;
};

TRommeOptions optionsFor(const TOptions& o, int g) {
  TRommeOptions r{};
  r.firstDealer = 1;
  r.nextDealer = 5;
  r.listLength = 1;
  r.packs = o.seats >= 4 ? 2 : 1;
  r.jokerValue = 20;
  r.firstMeldMinimum = (g % 3) * 15;
  r.aroundTheCorner = g % 2;
  r.duplicateCards = (g / 2) % 2;
  r.layOffOnOthers = 1;
  r.layOffOnKnockerHand = 1;
  r.layOffOnGinHand = g % 2;
  r.oklahomaGin = (g / 3) % 2;
  return r;
}

// Plays deal g; pass 0 counts the figures, every pass keeps each frame's least processor time
// in frameCpu. False when the hand stalled.
bool playOne(const TOptions& o, int g, int rotation, TFigures& f, int pass, std::vector<double>& frameCpu) {
  const int seats = o.gin ? 2 : std::clamp(o.seats, 2, 6);
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = seats;
  k12 = Tk12Container{};
  // A new game reseeds from the clock unless the seed is fixed: fixed, the run repeats.
  randomFixSeed(o.seed * 1000003ULL + uint64_t(g));
  randomSeed(o.seed * 1000003ULL + uint64_t(g));
  rommeArea() = TRommeArea{};
  rommeArea().options = optionsFor(o, g);
  rommeArea().ginRummy = o.gin ? 1 : 0;
  screenMode = 1;
  cg.startGame(gidRomme, 0);
  int strengthOf[7] = {};
  for (int s = 1; s <= seats; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    strengthOf[s] = o.duel ? (s - 1 + rotation) % 3 + 1 : 3;
    cg.gs.seatProfiles[s].strength = strengthOf[s];
  }
  int frames = 0, lastStep = -1;
  for (; frames < 400000 && cg.gs.phase != 5; frames++) {
    auto t0 = std::chrono::steady_clock::now();
    const double c0 = cpuMs();
    headlessFrame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    f.slowestMs = std::max(f.slowestMs, ms);
    const double cpu = cpuMs() - c0;
    if (pass == 0) frameCpu.push_back(cpu);
    else if (frames < int(frameCpu.size())) frameCpu[frames] = std::min(frameCpu[frames], cpu);
    advanceFakeTick(50);
    if (pass > 0) continue;
    if (o.digest && cg.gs.gameCounter != lastStep) {
      lastStep = cg.gs.gameCounter;
      f.digest.add(cg.gs.phase * 1000 + cg.gs.step);
      f.digest.add(cg.gs.akspieler);
      for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12, 13})
        if (s > 6 || s <= seats) f.digest.addStack(s);
    }
  }
  if (pass > 0) return true;
  if (cg.gs.phase != 5) {
    f.stalled++;
    std::printf("stalled: deal %d, phase %d, step %d, seat %d, awaiting %d, stock %d, pile %d\n", g,
                int(cg.gs.phase), cg.gs.step, cg.gs.akspieler, int(cg.gs.awaitingAction), stackUsed(sp[11]),
                stackUsed(sp[13]));
    return false;
  }
  f.hands++;
  const TRommeArea& a = rommeArea();
  if (!o.gin && a.turnStartCount >= 13) f.rommeHands++;
  if (o.gin) {
    if (a.knocked) f.knocks++;
    if (a.knocked && stackUsed(sp[a.knocker]) == 0) f.gins++;
    if (a.knocked && cg.gs.listTotals[a.knocker] == 0 && cg.gs.listTotals[a.knocker % 2 + 1] > 0) f.undercuts++;
    if (!a.knocked) f.noGames++;
  }
  for (int s = 1; s <= seats; s++) {
    f.digest.add(cg.gs.listTotals[s]);
    f.totals[s] += cg.gs.listTotals[s];
    f.byStrength[strengthOf[s]] += cg.gs.listTotals[s];
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (a == "--game") o.gin = next() == "gin";
    else if (a == "--gin") o.gin = true;
    else if (a == "--games") o.games = std::atoi(next().c_str());
    else if (a == "--seed") o.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (a == "--seats") o.seats = std::atoi(next().c_str());
    else if (a == "--duel") o.duel = true;
    else if (a == "--digest") o.digest = true;
    else if (a == "--repeat") o.repeat = std::max(1, std::atoi(next().c_str()));
  }
  registerRommeGame();
  TFigures f;
  setAlertSink([&](const std::string&) { f.messages++; });
  setTraceListener([&](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) f.refused++;
    for (const char* bad : {"Rummy Error", "Fehler", "ki-Fehler", "plays too much", "outofrange", "no valid cards"})
      if (t.find(bad) != std::string_view::npos) f.messages++;
  });
  useFakeTick(1000);
  auto start = std::chrono::steady_clock::now();
  for (int g = 0; g < o.games; g++)
    for (int r = 0; r < (o.duel ? 3 : 1); r++) {
      std::vector<double> frameCpu;
      for (int pass = 0; pass < o.repeat && playOne(o, g, r, f, pass, frameCpu); pass++) {
      }
      for (double ms : frameCpu) f.slowestCpuMs = std::max(f.slowestCpuMs, ms);
    }
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("game %s, %d deals, seed %llu\n", o.gin ? "gin" : "romme", o.games,
              static_cast<unsigned long long>(o.seed));
  std::printf("hands per second: %.1f\n", s > 0 ? f.hands * o.repeat / s : 0.0);
  std::printf("list scores:");
  for (int i = 1; i <= 6; i++) std::printf(" %lld", static_cast<long long>(f.totals[i]));
  std::printf("\nromme hands: %d\nknocks: %d\ngins: %d\nundercuts: %d\nno games: %d\n", f.rommeHands, f.knocks, f.gins,
              f.undercuts, f.noGames);
  if (o.duel)
    std::printf("points by strength: Anfaenger %lld, Normal %lld, Profi %lld\n", static_cast<long long>(f.byStrength[1]),
                static_cast<long long>(f.byStrength[2]), static_cast<long long>(f.byStrength[3]));
  std::printf("answers refused: %d\nconsistency messages: %d\nstalled hands: %d\n", f.refused, f.messages, f.stalled);
  std::printf("slowest decision: %.2f ms (processor %.2f ms)\n", f.slowestMs, f.slowestCpuMs);
  if (o.digest) std::printf("digest: %016llx\n", static_cast<unsigned long long>(f.digest.value));
  return f.messages == 0 && f.stalled == 0 && f.refused == 0 ? 0 : 1;
}

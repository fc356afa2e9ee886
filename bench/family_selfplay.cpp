// Self-play of the family games through the core's tick, headless. Mau-Mau: every seat the
// computer, or (--vs-random) seat 1 the computer against random legal answers, or (--duel)
// "Profi" against "Anfänger" on two seats with the announcement rule, each deal played with
// the seats swapped. Prints games per second, refused answers, alerts, stalls and the
// slowest frame in ms; the duel also the mean lead of "Profi" per game and its z-score.
// Schnapsen and Sechsundsechzig: seat 2 searches at --strengths (seat 1 random answers; with
// --vs-random also the computer's mean lead in game points and its z-score), or with --duel
// "Profi" against "Anfänger", each deal with the seats swapped; also the search's nodes per
// second, its time per move and the slowest frame's search time, in wall and processor time.
//
//   family_selfplay --game maumau [--games N] [--seed S] [--seats K] [--duel] [--vs-random]
//   family_selfplay --game schnapsen|sechsundsechzig [--games N] [--seed S] [--strengths K]
//                   [--fps F] [--duel] [--vs-random]
// Hearts and Jass: see family_selfplay_tricks.cpp.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "bench/family_draw_games.h"
#include "bench/family_selfplay_tricks.h"
#include "bench/lead_stats.h"
#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/engine_services.h"
#include "engine/frame_rate.h"
#include "games/family/maumau_registration.h"
#include "games/family/maumau_results.h"
#include "games/family/maumau_rules.h"
#include "games/family/maumau_state.h"
#include "games/family/schnapsen_ai.h"
#include "games/family/schnapsen_game.h"
#include "games/family/schnapsen_registration.h"
#include "games/family/schnapsen_rules.h"
#include "games/family/schnapsen_search.h"
#include "games/skat/skat_options.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

struct TArgs {
  std::string game = "maumau";
  int games = 1000, seats = 4, strengths = 3;
  float fps = 60;
  uint64_t seed = 1;
  bool duel = false, vsRandom = false;
};

struct TFigures {
  int games = 0, stalls = 0, alerts = 0, refused = 0;
  double slowestMs = 0;
  double searchMs = 0, slowestSearchFrameMs = 0;  // Schnapsen: frames of a computer seat
  double slowestSearchFrameCpuMs = 0;              // the same in the thread's processor time
  int64_t nodes = 0;
  int searchMoves = 0;
  std::vector<double> leads;  // duel: "Profi"'s points minus "Anfänger"'s per deal
};

TFigures figures;

// The thread's processor time: on a loaded machine a frame's wall time also holds the time
// other processes ran.
double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

void randomAnswer() {
  std::vector<std::pair<int, int32_t>> out;
  const TDecisionBlock& b = cg.gs.bl;
  if (b.showOptions)
    for (int i = 1; i <= b.optionCount; i++) out.push_back({2, b.optionValues[i]});
  int32_t seat = cg.gs.akspieler;
  for (int i = 1; i <= stackUsed(sp[seat]); i++)
    if (maumauIsLegalCard(sp[seat].slots[i].card)) out.push_back({0, i});
  if (b.pilesSelectable && stackUsed(sp[maumauStock]) > 0 && out.size() <= size_t(b.optionCount)) out.push_back({3, 0});
  if (out.empty()) return;
  auto [kind, v] = out[randomBelow(int32_t(out.size()))];
  cg.submitAction(kind, 0, v);
}

// One game from a fresh list; strengths by seat (0: random answers). The booked values.
std::vector<int32_t> playGame(int seats, const TMaumauState& rules, const std::vector<int>& strength, uint64_t seed) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = seats;
  maumauArea() = rules;
  // Fixed, so the seed repeats the run and a duel's replay is the same deal.
  randomFixSeed(seed);
  randomSeed(seed);
  cg.startGame(gidMauMau, 0);
  for (int s = 1; s <= 6; s++) {
    bool computer = s <= seats && strength[s] > 0;
    cg.seatRecords[s].kind = computer ? seatKindComputer : seatKindUser;
    cg.gs.seatProfiles[s].strength = std::max(1, strength[s]);
  }
  int idle = 0;
  while (cg.gs.phase != 5 && idle < 400) {
    idle++;
    if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3) {
      idle = 0;
      if (cg.seatRecords[cg.gs.akspieler].kind == seatKindUser) randomAnswer();
    }
    auto t0 = std::chrono::steady_clock::now();
    headlessFrame();
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    figures.slowestMs = std::max(figures.slowestMs, ms);
    advanceFakeTick(50);
  }
  if (cg.gs.phase != 5) {
    figures.stalls++;
    return {};
  }
  figures.games++;
  std::vector<int32_t> booked(7, 0);
  for (int s = 1; s <= seats; s++) booked[s] = cg.gs.listTotals[s];
  return booked;
}

// One Schnapsen game from a fresh list; strengths by seat (0: random offered answers). The
// game points each seat won.
std::vector<int32_t> playSchnapsen(bool variant, const std::vector<int>& strength, uint64_t seed) {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  playerCount = cg.seatCount = 2;
  TSchnapsenState& o = schnapsenArea();
  o.closingAllowed = o.exchangeAllowed = 1;
  o.bummerlLimit = 1;
  o.pointsPerBummerl = 7;
  // The game start reseeds the generator: fixed, the seed repeats the run and a duel's
  // second game is the same deal.
  randomFixSeed(seed);
  randomSeed(seed);
  gameAreas.setVariantFlag(gidSechsundsechzig, variant);
  schnapsenResetSearch();
  cg.startGame(gidSchnapsen, 0);
  for (int s = 1; s <= 2; s++) {
    cg.seatRecords[s].kind = strength[s] > 0 ? seatKindComputer : seatKindUser;
    cg.gs.seatProfiles[s].strength = std::max(1, strength[s]);
  }
  int idle = 0;
  while (cg.gs.phase != 5 && idle < 5000) {
    idle++;
    const bool computer = cg.seatRecords[cg.gs.akspieler].kind == seatKindComputer;
    if (cg.gs.awaitingAction == 2 && cg.gs.subState == 3) {
      idle = computer ? idle : 0;
      if (!computer) {
        std::vector<std::pair<int, int32_t>> out;
        const TDecisionBlock& b = cg.gs.bl;
        if (b.showOptions)
          for (int i = 1; i <= b.optionCount; i++) out.push_back({2, b.optionValues[i]});
        for (int i = 1; i <= stackUsed(sp[cg.gs.akspieler]); i++)
          if (schnapsenIsLegalCard(sp[cg.gs.akspieler].slots[i].card)) out.push_back({0, i});
        auto [kind, v] = out[randomBelow(int32_t(out.size()))];
        cg.submitAction(kind, 0, v);
      }
    }
    // A search frame is one that starts, continues or ends a search, or takes its move.
    const int32_t stateBefore = baumBuilder.state;
    auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = threadCpuMs();
    headlessFrame();
    const double cpuMs = threadCpuMs() - cpu0;
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    figures.slowestMs = std::max(figures.slowestMs, ms);
    if (stateBefore != 0 || baumBuilder.state != 0) {
      idle = 0;
      figures.searchMs += ms;
      figures.slowestSearchFrameMs = std::max(figures.slowestSearchFrameMs, ms);
      figures.slowestSearchFrameCpuMs = std::max(figures.slowestSearchFrameCpuMs, cpuMs);
    }
    if (stateBefore != 3 && baumBuilder.state == 3) figures.nodes += baumBuilder.processed, figures.searchMoves++;
    advanceFakeTick(20);
  }
  if (cg.gs.phase != 5) {
    figures.stalls++;
    return {};
  }
  figures.games++;
  return {0, 7 - cg.gs.listTotals[1], 7 - cg.gs.listTotals[2]};
}

TArgs parse(int argc, char** argv) {
  TArgs a;
  for (int i = 1; i < argc; i++) {
    std::string k = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (k == "--game") a.game = next();
    else if (k == "--games") a.games = std::atoi(next().c_str());
    else if (k == "--seed") a.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (k == "--seats") a.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (k == "--duel") a.duel = true;
    else if (k == "--vs-random") a.vsRandom = true;
    else if (k == "--strengths") a.strengths = std::clamp(std::atoi(next().c_str()), 1, 3);
    else if (k == "--fps") a.fps = float(std::atof(next().c_str()));
  }
  return a;
}

void printFigures(double secs) {
  std::printf("games %d\ngames per second %.1f\nrefused answers %d\nalerts %d\nstalls %d\nslowest frame ms %.2f\n",
              figures.games, figures.games / std::max(secs, 1e-9), figures.refused, figures.alerts, figures.stalls,
              figures.slowestMs);
}

void printLeads() {
  if (figures.leads.empty()) return;
  const TLeadStats lead = leadStats(figures.leads);
  std::printf("mean lead %.2f\nz-score %.2f\n", lead.mean, lead.z);
}

int runSchnapsen(const TArgs& a) {
  useFakeTick(1000);
  registerSchnapsenGame();
  vtlInfo.fps = a.fps;
  setAlertSink([](const std::string&) { figures.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) figures.refused++;
  });
  const bool variant = a.game == "sechsundsechzig";
  auto start = std::chrono::steady_clock::now();
  for (int g = 0; g < a.games; g++) {
    uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
    if (a.duel) {
      auto first = playSchnapsen(variant, {0, 3, 1}, seed);
      auto second = playSchnapsen(variant, {0, 1, 3}, seed);
      if (!first.empty() && !second.empty()) figures.leads.push_back(double(first[1] - first[2] + second[2] - second[1]) / 2);
      continue;
    }
    auto won = playSchnapsen(variant, {0, 0, a.strengths}, seed);
    if (a.vsRandom && !won.empty()) figures.leads.push_back(double(won[2] - won[1]));
  }
  randomReleaseSeed();
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  printFigures(secs);
  std::printf("nodes per second %.0f\nsearch ms per move %.1f\nslowest search frame ms %.2f\n"
              "slowest search frame processor ms %.2f\n",
              figures.nodes / std::max(figures.searchMs / 1000, 1e-9), figures.searchMs / std::max(1, figures.searchMoves),
              figures.slowestSearchFrameMs, figures.slowestSearchFrameCpuMs);
  printLeads();
  return figures.stalls > 0 || figures.alerts > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  TArgs a = parse(argc, argv);
  if (a.game == "schnapsen" || a.game == "sechsundsechzig") return runSchnapsen(a);
  if (a.game == "schwimmen" || a.game == "gofish" || a.game == "oldmaid" || a.game == "war")
    return runDrawGamesSelfPlay(argc, argv);
  if (a.game == "hearts" || a.game == "jass") return runTrickGameSelfPlay(argc, argv);
  if (a.game != "maumau") {
    logNotAvailable("family_selfplay --game " + a.game);
    std::printf("%s: not available\n", a.game.c_str());
    return 2;
  }
  useFakeTick(1000);
  registerMaumauGame();
  setAlertSink([](const std::string&) { figures.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) figures.refused++;
  });
  TMaumauState rules = maumauDefaultState();
  auto start = std::chrono::steady_clock::now();
  for (int g = 0; g < a.games; g++) {
    uint64_t seed = a.seed * 1000003ULL + uint64_t(g);
    if (a.duel) {
      rules.announceRule = true;
      auto first = playGame(2, rules, {0, 3, 1}, seed);
      auto second = playGame(2, rules, {0, 1, 3}, seed);
      if (!first.empty() && !second.empty()) figures.leads.push_back(double(first[1] - first[2] + second[2] - second[1]) / 2);
      continue;
    }
    std::vector<int> strength(7, 3);
    if (a.vsRandom)
      for (int s = 2; s <= 6; s++) strength[s] = 0;
    auto booked = playGame(a.seats, rules, strength, seed);
    if (a.vsRandom && !booked.empty()) {
      double others = 0;
      for (int s = 2; s <= a.seats; s++) others += booked[s];
      figures.leads.push_back(booked[1] - others / (a.seats - 1));
    }
  }
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  printFigures(secs);
  printLeads();
  return figures.stalls > 0 || figures.alerts > 0 ? 1 : 0;
}

// Canasta self-play: every seat is a computer seat, the strengths rotating over the seats from
// hand to hand, played headless through the core's tick. After every frame each card of the
// deck lies in one place and k12 and stack 12's slots describe the same melds; after every
// hand the list has booked what each seat scored. Prints hands per second, the list scores,
// canastas and goings out, refused answers, consistency messages, stalled hands, faults of
// the checks and the slowest frame in ms, in wall and processor time. With --duel each deal is played twice by four seats
// in teams, "Profi" against "Anfänger" and then with the teams swapped, and the mean lead of
// "Profi" per deal and its z-score are printed.
//
//   canasta_selfplay [--games N] [--seed S] [--seats K] [--teams] [--duel]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/lead_stats.h"
#include "core/cg.h"
#include "core/seat_record.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "games/rummy/canasta_registration.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_scoring.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_table.h"
#include "platform/alert.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "tests/support/headless_skat.h"

namespace {

struct TArgs {
  int games = 1000, seats = 4;
  uint64_t seed = 1;
  bool teams = false, duel = false;
};

struct TFigures {
  int hands = 0, stalls = 0, alerts = 0, messages = 0, refused = 0, faults = 0, canastas = 0, goingsOut = 0;
  int misbooked = 0;
  double slowestMs = 0, slowestCpuMs = 0;
  int64_t totals[7] = {};
  std::vector<double> dealLeads;  // "Profi"'s lead over both plays of each deal
  int64_t dealLead = 0;
  std::string firstFault;
};

TFigures figures;

// The thread's processor time: on a loaded machine a frame's wall time also holds the time
// other processes ran.
double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1000 + double(t.tv_nsec) / 1e6;
}

TCanastaOptions options(const TArgs& a) {
  TCanastaOptions o{};
  o.firstDealer = 1;
  o.nextDealer = 5;
  o.listLength = 4;
  o.packs = a.seats >= 4 ? 3 : 2;
  o.teams = a.teams ? 1 : 0;
  o.goingOutBonus = 100;
  o.concealedBonus = 200;
  o.mixedCanastaBonus = 300;
  o.naturalCanastaBonus = 500;
  o.wildCanastaBonus = 1000;
  o.redThreeBonus = 100;
  o.fourRedThreesBonus = 800;
  o.jokerValue = 50;
  o.drawCount = 1;
  return o;
}

// Each rank and suit lies as often as the packs hold it, in the seats, the stock, the pile
// and the meld table together.
std::string misplaced() {
  std::map<std::pair<int, int>, int> seen;
  int total = 0;
  for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
    if (s <= 6 && s > playerCount) continue;
    for (int i = 1; i <= stackUsed(sp[s]); i++) seen[{sp[s].slots[i].card.t, sp[s].slots[i].card.f}]++, total++;
  }
  const int packs = canastaArea().options.packs;
  for (const auto& [c, n] : seen) {
    const bool real = c.first >= 1 && c.first <= 14 && c.second >= 1 && c.second <= 4 && !(c.first == 14 && c.second >= 3);
    if (!real || n != packs) return "card " + std::to_string(c.first) + "," + std::to_string(c.second) + " x" + std::to_string(n);
  }
  return total == 54 * packs ? "" : "deck of " + std::to_string(total);
}

std::string meldMismatch() {
  int32_t cards = 0;
  for (int32_t n = 1; n <= 60; n++) {
    if (!k12.inUse(n)) continue;
    for (int32_t p = 1; p <= handUsed(k12.melds[n]); p++) {
      const int32_t s = k12.melds[n].k[p].hi;
      if (s < 1 || s > sp[12].count || sp[12].slots[s].meldNo != n || sp[12].slots[s].meldPos != p)
        return "meld " + std::to_string(n) + " position " + std::to_string(p);
      cards++;
    }
  }
  return cards == sp[12].count ? "" : "stack 12 holds cards outside the melds";
}

void fault(const std::string& what) {
  if (figures.faults++ == 0) figures.firstFault = what;
}

// Strengths rotate over the seats from hand to hand; in a duel (duelSide 1 or 2) that side's
// seats are "Profi" and the others "Anfänger".
void setSeats(int seats, int hand, int duelSide) {
  for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = s <= seats ? seatKindComputer : seatKindUser;
  for (int s = 1; s <= 6; s++)
    cg.gs.seatProfiles[s].strength = duelSide == 0 ? 1 + (s + hand) % 3 : canastaSide(s) == duelSide ? 3 : 1;
}

// One hand of the running list; false when it stalled.
bool playHand(int seats, int hand, int duelSide = 0) {
  setSeats(seats, hand, duelSide);
  int32_t before[7] = {};
  for (int s = 1; s <= seats; s++) before[s] = cg.gs.listTotals[s];
  bool checked = false;
  for (int f = 0; f < 200000 && cg.gs.phase != 5; f++) {
    auto t0 = std::chrono::steady_clock::now();
    const double cpu0 = threadCpuMs();
    headlessFrame();
    figures.slowestCpuMs = std::max(figures.slowestCpuMs, threadCpuMs() - cpu0);
    figures.slowestMs = std::max(figures.slowestMs,
                                 std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    advanceFakeTick(50);
    if (cg.gs.phase == 4 && pendingMoveCount == 0 && cg.gs.pendingMove == 0) {
      std::string bad = misplaced();
      if (bad.empty()) bad = meldMismatch();
      if (!bad.empty() && !checked) fault(bad), checked = true;
    }
  }
  if (cg.gs.phase != 5) {
    figures.stalls++;
    const TGameState& g = cg.gs;
    std::printf("stalled: hand %d, side %d, phase %d, step %d, seat %d, decision %d, awaiting %d, stock %d, pile %d\n",
                hand, duelSide, g.phase, g.step, g.akspieler, g.bl.decisionKind, g.awaitingAction,
                stackUsed(sp[11]), stackUsed(sp[13]));
    return false;
  }
  figures.hands++;
  if (canastaArea().wentOutSeat != 0) figures.goingsOut++;
  for (int32_t n = 1; n <= 60; n++)
    if (k12.inUse(n) && canastaMeldIsCanasta(n)) figures.canastas++;
  for (int s = 1; s <= seats; s++) {
    int32_t score = 0;
    std::string text;
    canastaScoreText(s, score, text);
    if (cg.gs.listTotals[s] - before[s] != score) figures.misbooked++;
    figures.totals[s] += score;
    // Seats 1 and 2 stand for their teams.
    if (duelSide != 0 && s <= 2) figures.dealLead += canastaSide(s) == duelSide ? score : -score;
  }
  return true;
}

TArgs parse(int argc, char** argv) {
  TArgs a;
  for (int i = 1; i < argc; i++) {
    std::string k = argv[i];
    auto next = [&] { return i + 1 < argc ? std::string(argv[++i]) : std::string(); };
    if (k == "--games") a.games = std::atoi(next().c_str());
    else if (k == "--seed") a.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (k == "--seats") a.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (k == "--teams") a.teams = true;
    else if (k == "--duel") a.duel = true, a.teams = true, a.seats = 4;
  }
  if (a.teams && a.seats != 4 && a.seats != 6) a.teams = false;
  return a;
}

}  // namespace

int main(int argc, char** argv) {
  const TArgs a = parse(argc, argv);
  setProgramFolder(SKAT_SOURCE_DIR);
  resetTextTables();
  loadFragments();
  // Logs go to a folder of the run's own, not into the sources.
  char folder[] = "/tmp/canasta_selfplay_XXXXXX";
  if (mkdtemp(folder) == nullptr) return 2;
  setProgramFolder(folder);
  setErrorLogFile(std::string(folder) + "/errors.txt");
  registerCanastaGame();
  setAlertSink([](const std::string&) { figures.alerts++; });
  setTraceListener([](std::string_view t) {
    if (t.find("abgelehnt") != std::string_view::npos) figures.refused++;
    for (const char* bad : {"ACHTUNG", "ATTENTION", "Logikfehler", "Error in", "Fehler"})
      if (t.find(bad) != std::string_view::npos) {
        figures.messages++;
        break;
      }
  });
  useFakeTick(1000);
  // Every game start reseeds the generator: fixing the seed makes the run repeatable.
  randomFixSeed(a.seed);
  randomSeed(a.seed);
  auto start = std::chrono::steady_clock::now();
  bool newList = true, dealEnded = true;
  auto freshList = [&] {
    resetHeadlessSkat(1, skatDefaultOptions);
    tableLandsAtOnce = true;
    playerCount = cg.seatCount = a.seats;
    k12 = Tk12Container{};
    canastaArea() = TCanastaArea{};
    canastaArea().options = options(a);
    screenMode = 1;
  };
  for (int deal = 0; a.duel && deal < a.games; deal++)
    for (int side : {1, 2}) {
      // The same deal for both: a new list from the same seed.
      if (side == 1) figures.dealLead = 0, dealEnded = true;
      freshList();
      randomFixSeed(a.seed * 1000003ULL + uint64_t(deal));
      randomSeed(a.seed * 1000003ULL + uint64_t(deal));
      cg.startGame(gidCanasta, 0);
      // A deal counts once both plays of it ended.
      dealEnded = playHand(a.seats, deal, side) && dealEnded;
      if (side == 2 && dealEnded) figures.dealLeads.push_back(double(figures.dealLead));
    }
  for (int hand = 0; !a.duel && hand < a.games; hand++) {
    if (newList) freshList();
    screenMode = 1;
    cg.startGame(gidCanasta, newList ? 0 : 1);
    newList = !playHand(a.seats, hand) || cg.gs.listOver;
  }
  randomReleaseSeed();
  std::filesystem::remove_all(folder);
  const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("canasta, %d seats%s, %d hands, seed %llu\n", a.seats, a.teams ? " in teams" : "", a.games,
              static_cast<unsigned long long>(a.seed));
  std::printf("hands per second: %.1f\nlist scores:", secs > 0 ? figures.hands / secs : 0.0);
  for (int s = 1; s <= a.seats; s++) std::printf(" %lld", static_cast<long long>(figures.totals[s]));
  std::printf("\ncanastas: %d\ngoings out: %d\nanswers refused: %d\nconsistency messages: %d\nalerts: %d\n",
              figures.canastas, figures.goingsOut, figures.refused, figures.messages, figures.alerts);
  std::printf("stalled hands: %d\nmisbooked scores: %d\ntable faults: %d %s\nslowest frame: %.2f ms\n"
              "slowest frame in processor time: %.2f ms\n",
              figures.stalls, figures.misbooked, figures.faults, figures.firstFault.c_str(), figures.slowestMs,
              figures.slowestCpuMs);
  if (a.duel) {
    const TLeadStats lead = leadStats(figures.dealLeads);
    std::printf("duels: %zu\nmean lead of Profi per deal: %.1f\nz-score: %.2f\n", figures.dealLeads.size(), lead.mean,
                lead.z);
  }
  const bool clean = figures.stalls == 0 && figures.refused == 0 && figures.messages == 0 && figures.alerts == 0 &&
                     figures.faults == 0 && figures.misbooked == 0;
  return clean ? 0 : 1;
}

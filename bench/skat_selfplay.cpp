// Skat self-play bench: three computer seats play Skat lists headless through the core's tick,
// the real game step and the table's moves, and the bench prints games per second, the list
// scores, how often each bid and game type was played, the declarers' win rate, the slowest
// single decision, and what went wrong (cards or answers refused, alerts, stalled games).
// With --duel the same deals are played twice with the seats' strengths swapped, "Profi"
// against "Anfänger". With --duel --tables DIR the seats keep their strengths and the rule
// tables are swapped instead: the shipped ones against those in DIR, each seat rating its
// hands with its own set right after the deal.
//
// Usage: skat_selfplay [--games N] [--seed S] [--duel] [--tables DIR] [--strengths P1,P2,P3]
//                      [--all-rules] [--digest] [--sound]
// --all-rules plays with Rum, Spitze, Kontra up to Hirsch, Bock and Ramsch rounds with the
// Schieben round, Jungfrau and Grand Hand, so every question of the game reaches the seats.
// --digest prints one checksum over every deal, answer, pressed and played card and booked
// value of the run: a change that keeps it plays the same games.
// --sound plays a few games (10 unless --games) with voices and effects on SDL's dummy audio
// driver and the voices made at build time, and prints the slowest tick: the frame never
// waits for audio.
//
// [SECTION] the table without a screen
// [SECTION] each seat's rule tables
// [SECTION] one run of N games
// [SECTION] printing
// [SECTION] a run with sound
// [SECTION] main
#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_callbacks.h"
#include "engine/engine_options.h"
#include "engine/error_log.h"
#include "engine/frame_rate.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rule_tables.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/alert.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "sound/sound_events.h"
#include "sound/voice_catalogue.h"
#include "table/animation.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "tests/skat/skat_selfplay.h"
#include "tests/support/headless_skat.h"

namespace fs = std::filesystem;

// [SECTION] the table without a screen

namespace {

constexpr int frameLimitPerGame = 40000;  // far above a game's frames: a game that needs more stalls

std::string programDir;
int alertCount = 0;

// What the computer player spent on its answers, and the answers the game did not take.
double slowestDecisionMs = 0;
double decisionMsTotal = 0;
double decisionCpuMsTotal = 0;  // the same in the main thread's own processor time
long decisions = 0;
long decisionsLeftOpen = 0;

// Processor time the calling thread has had, in milliseconds: what a frame did, without the
// time the system gave to other programs meanwhile.
double threadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Times the calling thread gave up the processor to wait (a lock, the disk, a sleep).
long threadWaits() {
  rusage r{};
  getrusage(RUSAGE_THREAD, &r);
  return r.ru_nvcsw;
}

// Set before each game of a duel of tables: the seats are rated again with their own tables
// before the first decision.
bool rateDue = false;
void rateWithSeatTables();

void timedAIMove() {
  if (rateDue) {
    rateDue = false;
    rateWithSeatTables();
  }
  auto start = std::chrono::steady_clock::now();
  const double cpuStart = threadCpuMs();
  skatAIMove();
  decisionCpuMsTotal += threadCpuMs() - cpuStart;
  double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  slowestDecisionMs = std::max(slowestDecisionMs, ms);
  decisionMsTotal += ms;
  decisions++;
  if (cg.gs.awaitingAction == 2) decisionsLeftOpen++;
}

TGameCallbacks benchCallbacks;

// A program folder of its own: the shipped profiles and rule tables, the trace and error logs.
void makeProgramFolder() {
  char pattern[] = "/tmp/skat_selfplay_XXXXXX";
  if (!mkdtemp(pattern)) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  programDir = pattern;
  fs::create_directories(programDir + "/data/oldsk");
  for (const auto& e : fs::directory_iterator(std::string(SKAT_SOURCE_DIR) + "/data/oldsk"))
    fs::copy_file(e.path(), programDir + "/data/oldsk/" + e.path().filename().string());
  setProgramFolder(programDir);
  setErrorLogFile(programDir + "/errors.txt");
}

bool allRules = false;

TSkatOptions listOptions() { return skatSelfPlayOptions(allRules); }

void resetTableAndCore() { skatSelfPlayReset(listOptions()); }

int countInFile(const std::string& path, const std::string& what) {
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  int n = 0;
  for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) n++;
  return n;
}

}  // namespace

// [SECTION] each seat's rule tables

namespace {

using TableSet = std::array<TSkatRuleTable, 3>;  // buben.txt, karten.txt, kartenf.txt

std::array<TableSet, 2> tableSets;  // 0 the shipped tables, 1 those of --tables
std::array<int, 4> seatTableSet{};  // per seat 1..3: which set it rates with
bool tablesDuel = false;

TableSet readTableSet(const std::string& dir) {
  TableSet set;
  const char* names[] = {"buben.txt", "karten.txt", "kartenf.txt"};
  for (int i = 0; i < 3; i++) {
    std::ifstream in(dir + "/" + names[i], std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error = "missing";
    if (!in || !skatParseRuleTable(text, set[i], error)) {
      std::fprintf(stderr, "%s/%s: %s\n", dir.c_str(), names[i], error.c_str());
      std::exit(2);
    }
  }
  return set;
}

// The same order and effects as the deal's own rating (seat 3 first), each seat with its set.
void rateWithSeatTables() {
  for (int s = 3; s >= 1; s--) {
    for (int slot = 1; slot <= 3; slot++) skatRuleTables[slot] = tableSets[seatTableSet[s]][slot - 1];
    skatAIEvaluateHand(sp[s]);
  }
}

}  // namespace

// [SECTION] one run of N games

namespace {

struct RunResult {
  std::vector<std::array<int64_t, 4>> values;  // per game: the value booked for seats 1..3
  std::array<int64_t, 4> totals{};
  std::map<int32_t, int> bids;       // bid reached by the declarer
  std::map<int32_t, int> types;      // game type at the end
  int declarerGames = 0;
  int declarerWins = 0;
  int handGames = 0;
  int stalled = 0;
  double seconds = 0;
};

RunResult playRun(int games, uint64_t seed, const std::array<int, 4>& strength) {
  resetTableAndCore();
  RunResult r;
  auto start = std::chrono::steady_clock::now();
  bool newList = true;
  for (int g = 0; g < games; g++) {
    std::array<int64_t, 4> v{};
    rateDue = tablesDuel;
    if (!skatSelfPlayGame(g, seed, strength, newList, listOptions(), frameLimitPerGame, v)) {
      r.stalled++;
      std::fprintf(stderr, "game %d stalled in phase %d step %d\n", g, int(cg.gs.phase), cg.gs.step);
      newList = true;
      resetTableAndCore();
      r.values.push_back({0, 0, 0, 0});
      continue;
    }
    for (int s = 1; s <= 3; s++) r.totals[s] += v[s];
    r.values.push_back(v);
    const TSkatGameRecord& game = skatGameArea().game;
    int32_t type = game.gameType;
    r.types[type]++;
    bool declared = (type >= 1 && type <= 4) || type == skatTypeNull || type == skatTypeGrand ||
                    (type == skatTypeNone && game.declarer >= 1 && game.bidReached > 0);
    if (declared) {
      r.declarerGames++;
      r.declarerWins += game.won ? 1 : 0;
      r.bids[game.bidReached]++;
      r.handGames += game.handGame ? 1 : 0;
    }
    newList = cg.gs.listOver != 0;
  }
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return r;
}

}  // namespace

// [SECTION] printing

namespace {

const char* typeName(int32_t t) {
  switch (t) {
    case 1: return "Kreuz";
    case 2: return "Pik";
    case 3: return "Herz";
    case 4: return "Karo";
    case skatTypeNull: return "Null";
    case skatTypeGrand: return "Grand";
    case skatTypeRamsch: return "Ramsch";
    case skatTypeAllPassed: return "eingepasst";
    case skatTypeNone: return "kein Spiel/ueberreizt";
    default: return "?";
  }
}

void printRun(const RunResult& r, int games) {
  std::printf("games: %d in %.2f s, %.1f games/s\n", games, r.seconds, games / std::max(r.seconds, 1e-9));
  std::printf("list scores: seat 1 %lld, seat 2 %lld, seat 3 %lld\n", static_cast<long long>(r.totals[1]),
              static_cast<long long>(r.totals[2]), static_cast<long long>(r.totals[3]));
  std::printf("game types:");
  for (auto& [t, n] : r.types) std::printf(" %s %d (%.1f%%)", typeName(t), n, 100.0 * n / games);
  std::printf("\nbids reached:");
  for (auto& [b, n] : r.bids) std::printf(" %d:%d", b, n);
  std::printf("\ndeclarer games: %d, won %d (%.1f%%), Hand %d\n", r.declarerGames, r.declarerWins,
              r.declarerGames ? 100.0 * r.declarerWins / r.declarerGames : 0.0, r.handGames);
  std::printf("stalled games: %d\n", r.stalled);
}

void printHealth() {
  std::string trace = programDir + "/proto3.txt";
  std::printf("decisions: %ld, mean %.3f ms, slowest %.3f ms\n", decisions,
              decisions ? decisionMsTotal / decisions : 0.0, slowestDecisionMs);
  std::printf("answers not taken: %ld\n", decisionsLeftOpen);
  std::printf("illegal cards replaced: %d\n", countInFile(trace, "FALSCHE KARTE"));
  std::printf("leads with an empty model: %d, presses by the fallback: %d\n", countInFile(trace, "UBEKANZ"),
              countInFile(trace, "ersatzweise"));
  std::printf("alerts: %d\n", alertCount);
}

// The seats of one side in one run (side[s] names the side of seat s): the sum they booked.
int64_t scoreOf(const RunResult& r, const std::array<int, 4>& side, int which, int game) {
  int64_t sum = 0;
  for (int s = 1; s <= 3; s++)
    if (side[s] == which) sum += r.values[game][s];
  return sum;
}

// Side 0 against side 1 over the deals of run a and the same deals of run b, the sides swapped.
void printDuel(const RunResult& a, const RunResult& b, const std::array<int, 4>& sideA, const std::array<int, 4>& sideB,
               int games, const char* first, const char* second, const char* swapped) {
  double sum = 0, sumSq = 0;
  int64_t one = 0, other = 0;
  for (int g = 0; g < games; g++) {
    int64_t p = scoreOf(a, sideA, 0, g) + scoreOf(b, sideB, 0, g);
    int64_t n = scoreOf(a, sideA, 1, g) + scoreOf(b, sideB, 1, g);
    one += p;
    other += n;
    sum += double(p - n);
    sumSq += double(p - n) * double(p - n);
  }
  double mean = sum / games;
  double sd = std::sqrt(std::max(0.0, sumSq / games - mean * mean));
  double z = sd > 0 ? mean / (sd / std::sqrt(double(games))) : 0;
  std::printf("duel over %d deals played twice, %s swapped:\n", games, swapped);
  std::printf("  %s seats %lld, %s seats %lld, difference per deal %.1f (z = %.1f)\n", first,
              static_cast<long long>(one), second, static_cast<long long>(other), mean, z);
  std::printf("  %s\n", one > other && z >= 3 ? (std::string(first) + " scores clearly more").c_str() : "no clear difference");
}

std::array<int, 4> parseStrengths(const char* text) {
  std::array<int, 4> s{0, 3, 2, 1};
  if (std::sscanf(text, "%d,%d,%d", &s[1], &s[2], &s[3]) != 3) {
    std::fprintf(stderr, "--strengths wants three numbers 1..3, as 3,2,1\n");
    std::exit(2);
  }
  for (int i = 1; i <= 3; i++) s[i] = std::clamp(s[i], 1, 3);
  return s;
}

}  // namespace

// [SECTION] a run with sound

namespace {

int soundRun(int games, uint64_t seed) {
  const std::string voices = std::string(SKAT_APP_DIR) + "/data/sound";
  if (!fs::exists(voices + "/2/Ja.wav")) {
    std::fprintf(stderr, "no voices in %s (espeak-ng missing?)\n", voices.c_str());
    return 1;
  }
  fs::create_directory_symlink(voices, programDir + "/data/sound");
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  sndSetBackend(SoundBackend::sdl);
  soundContainer.create();
  if (soundContainer.noDevice) {
    std::fprintf(stderr, "no audio device\n");
    return 1;
  }
  scReader.create();
  appopt.speechLevel = appopt.effectsLevel = 1;
  appopt.musicLevel = 6;
  soundContainer.applyVolumes(false);
  int spoken = 0, ended = 0;
  double slowestTickMs = 0, slowestClockMs = 0;
  long waitingTicks = 0;
  setVoiceStartListener([&](const std::string&, int32_t) { spoken++; });
  resetTableAndCore();
  for (int g = 0; g < games; g++) {
    randomSeed(seed * 1000003ULL + static_cast<uint64_t>(g));
    soundRandomSeed(seed + static_cast<uint64_t>(g));
    screenMode = 1;
    skatGameArea().options = listOptions();
    cg.startGame(gidSkat, 0);
    for (int s = 1; s <= 3; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.seatVoice[s] = 2 * s;
      cg.gs.seatProfiles[s].strength = 2;
      skatLoadSeatProfile(s, 2);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (cg.gs.phase != 5 && std::chrono::steady_clock::now() < deadline) {
      const auto start = std::chrono::steady_clock::now();
      const double thinking = decisionMsTotal, thinkingCpu = decisionCpuMsTotal, cpuStart = threadCpuMs();
      const long waits = threadWaits();
      headlessFrame();
      // The computer's own decision is the player's time, not the frame's wait for audio. The
      // clock also counts what other programs of a busy machine ran meanwhile: the frame's
      // work is its own processor time, and a frame that waited gave the processor up.
      const double cpu = threadCpuMs() - cpuStart - (decisionCpuMsTotal - thinkingCpu);
      const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      slowestTickMs = std::max(slowestTickMs, cpu);
      slowestClockMs = std::max(slowestClockMs, ms - (decisionMsTotal - thinking));
      if (threadWaits() != waits) waitingTicks++;
      advanceFakeTick(skatSelfPlayMsPerFrame);
      // The game waits for the voice in real time; the frames need not spin meanwhile.
      if (cg.gs.voicePlaying != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (cg.gs.phase == 5) ended++;
    else std::fprintf(stderr, "game %d stalled in phase %d step %d\n", g, int(cg.gs.phase), cg.gs.step);
  }
  setVoiceStartListener({});
  soundContainer.destroy();
  sndSetBackend(SoundBackend::null);
  std::printf("games with sound: %d of %d ended, voice samples started: %d\n", ended, games, spoken);
  std::printf("slowest tick (without the computer's decisions): %.3f ms of its own work, %.3f ms by the clock; "
              "ticks that waited: %ld\n",
              slowestTickMs, slowestClockMs, waitingTicks);
  return ended == games ? 0 : 1;
}

}  // namespace

// [SECTION] main

int main(int argc, char** argv) {
  int games = -1;
  uint64_t seed = 1;
  bool duel = false;
  bool digest = false;
  bool sound = false;
  std::string tablesDir;
  std::array<int, 4> strengths{0, 3, 2, 1};
  for (int i = 1; i < argc; i++) {
    std::string a = argv[i];
    if (a == "--games" && i + 1 < argc) games = std::atoi(argv[++i]);
    else if (a == "--seed" && i + 1 < argc) seed = std::strtoull(argv[++i], nullptr, 10);
    else if (a == "--duel") duel = true;
    else if (a == "--tables" && i + 1 < argc) tablesDir = argv[++i];
    else if (a == "--strengths" && i + 1 < argc) strengths = parseStrengths(argv[++i]);
    else if (a == "--all-rules") allRules = true;
    else if (a == "--digest") digest = true;
    else if (a == "--sound") sound = true;
    else {
      std::fprintf(stderr, "usage: skat_selfplay [--games N] [--seed S] [--duel] [--tables DIR] [--strengths P1,P2,P3] "
                           "[--all-rules] [--digest] [--sound]\n");
      return 2;
    }
  }
  if (games < 0 && !sound) games = duel ? 2000 : 1000;
  if (!tablesDir.empty() && !duel) {
    std::fprintf(stderr, "--tables is for --duel\n");
    return 2;
  }
  makeProgramFolder();
  setAlertSink([](const std::string& text) {
    alertCount++;
    if (alertCount <= 5) std::fprintf(stderr, "alert: %s\n", text.c_str());
  });
  useFakeTick(1);
  // Boxes no one sees answer "no button" without a trace line each.
  TCoreMessageRoutes silentBoxes;
  silentBoxes.showMessage = [](const std::string&, const std::string&, int, const std::string&, int, bool) { return 0; };
  silentBoxes.showMessageById = [](int, std::string_view, std::string_view, std::string_view, std::string_view) {
    return 0;
  };
  setCoreMessageRoutes(silentBoxes);
  benchCallbacks = skatGameCallbacks;
  benchCallbacks.aiMove = timedAIMove;
  skatAISubmitHook = skatSelfPlaySubmit;
  registerGameCallbacks(gidSkat, &benchCallbacks);
  if (sound) {
    const int failed = soundRun(games < 0 ? 10 : games, seed);
    registerGameCallbacks(gidSkat, nullptr);
    fs::remove_all(programDir);
    return failed;
  }
  int failures = 0;
  if (!duel) {
    RunResult r = playRun(games, seed, strengths);
    std::printf("seats' strengths: %d, %d, %d (1 Anfaenger, 2 Normal, 3 Profi)\n", strengths[1], strengths[2], strengths[3]);
    printRun(r, games);
    failures = r.stalled;
  } else if (!tablesDir.empty()) {
    tableSets = {readTableSet(programDir + "/data/oldsk"), readTableSet(tablesDir)};
    tablesDuel = true;
    std::array<int, 4> sa{0, 0, 1, 1}, sb{0, 1, 0, 0};
    seatTableSet = sa;
    RunResult a = playRun(games, seed, strengths);
    std::printf("run A, seat 1 with the shipped tables, strengths %d, %d, %d:\n", strengths[1], strengths[2], strengths[3]);
    printRun(a, games);
    seatTableSet = sb;
    RunResult b = playRun(games, seed, strengths);
    std::printf("run B, seats 2 and 3 with the shipped tables:\n");
    printRun(b, games);
    printDuel(a, b, sa, sb, games, "shipped tables", "tables of --tables", "tables");
    failures = a.stalled + b.stalled;
  } else {
    std::array<int, 4> sa{0, 3, 1, 1}, sb{0, 1, 3, 3};
    RunResult a = playRun(games, seed, sa);
    std::printf("run A, strengths 3, 1, 1:\n");
    printRun(a, games);
    RunResult b = playRun(games, seed, sb);
    std::printf("run B, strengths 1, 3, 3:\n");
    printRun(b, games);
    std::array<int, 4> sideA{0, 0, 1, 1}, sideB{0, 1, 0, 0};  // side 0: the Profi seats
    printDuel(a, b, sideA, sideB, games, "Profi", "Anfaenger", "strengths");
    failures = a.stalled + b.stalled;
  }
  printHealth();
  if (digest) std::printf("digest: %016llx\n", static_cast<unsigned long long>(skatSelfPlayDigest.value));
  registerGameCallbacks(gidSkat, nullptr);
  failures += alertCount + countInFile(programDir + "/proto3.txt", "FALSCHE KARTE");
  fs::remove_all(programDir);
  return failures == 0 && decisionsLeftOpen == 0 ? 0 : 1;
}

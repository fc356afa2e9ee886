// Writes poker's case memory "brain.txt" into the given data folder.
//
// The learning: six computer seats play seeded matches headless, deciding after the flop by
// the rules (the memory is not asked), while the memory learns every winner's decisions
// until it holds its 9,999 cases; the same seed gives the same bytes. Such a memory lost the
// bench's duel against the rules alone clearly (poker_selfplay --duel memory, 2,000 deals:
// z about -12), so the shipped memory is one case whose decision hands every question to
// the rules; --learned writes the learned memory instead, for the duel.
// The preflop table "pfp.txt" must be in the folder already.
//   make_brain <data folder> [--learned] [--seed S] [--cases N]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/cg.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_cases.h"
#include "games/casino/poker_preflop.h"
#include "games/casino/poker_registration.h"
#include "games/casino/poker_state.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "tests/support/headless_skat.h"

namespace {

constexpr int seats = 6;

void startMatch() {
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  pokerArea() = TPokerArea{};
  TPokerArea& a = pokerArea();
  a.startMoney = 200;
  a.startBlind = 2;
  a.blindEvery = 10;
  a.chipSet = 2;
  playerCount = seats;
  cg.seatCount = seats;
  screenMode = 1;
  cg.startGame(gidPoker, 0);
}

void seatsToComputer() {
  for (int s = 1; s <= seats; s++) {
    cg.seatRecords[s].kind = seatKindComputer;
    cg.gs.seatProfiles[s].strength = 2;
  }
}

// One hand to its end; false when it stalls.
bool playHand() {
  for (int frame = 0; frame < 50000; frame++) {
    if (cg.gs.phase == 5) return true;
    headlessFrame();
    advanceFakeTick(50);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_brain <data folder> [--seed S] [--cases N]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  uint64_t seed = 105;
  int32_t wanted = pokerCaseLimit;
  bool learned = false;
  for (int i = 2; i < argc; i++) {
    const std::string opt = argv[i];
    if (opt == "--learned") learned = true;
    else if (opt == "--seed" && i + 1 < argc) seed = std::strtoull(argv[++i], nullptr, 10);
    else if (opt == "--cases" && i + 1 < argc) wanted = std::clamp(std::atoi(argv[++i]), 1, pokerCaseLimit);
  }
  if (!loadPreflopTable(folder.parent_path().string())) {
    std::fprintf(stderr, "make_brain: no preflop table in %s\n", folder.c_str());
    return 1;
  }
  const std::string target = (folder / "brain.txt").string();
  std::filesystem::create_directories(folder);
  if (!learned) {
    tClusterer rules;
    rules.cases[0] = TPokerCase{};
    rules.cases[0].decision = pokerUseRules;
    rules.caseCount = 1;
    if (!rules.saveToFile(target)) {
      std::fprintf(stderr, "make_brain: cannot write %s\n", target.c_str());
      return 1;
    }
    std::printf("make_brain: one case that leaves every decision to the rules, into %s\n", target.c_str());
    return 0;
  }
  // The program folder is an empty one, so that no memory of an earlier build is read.
  const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "make_brain_folder";
  std::filesystem::create_directories(scratch);
  setProgramFolder(scratch.string());
  registerPokerGame();
  tClusterer& memory = clusterer();
  memory.clearMemory();
  memory.learning = true;
  memory.mode = 1;
  std::fill(std::begin(pokerSeatAsksMemory), std::end(pokerSeatAsksMemory), false);
  useFakeTick(1000);
  randomFixSeed(seed);
  randomSeed(seed);
  int hands = 0, stalls = 0, idle = 0;
  // The learning stops adding once a hand's samples would pass the limit: a long run of
  // hands that add nothing ends it just below.
  while (memory.caseCount < wanted && idle < 200 && hands < 200000) {
    startMatch();
    seatsToComputer();
    for (;;) {
      const int32_t before = memory.caseCount;
      if (!playHand()) {
        stalls++;
        break;
      }
      hands++;
      idle = memory.caseCount == before ? idle + 1 : 0;
      if (cg.gs.listOver || memory.caseCount >= wanted || idle >= 200) break;
      screenMode = 1;
      cg.startGame(gidPoker, 1);
      seatsToComputer();
    }
  }
  randomReleaseSeed();
  memory.caseCount = std::min(memory.caseCount, wanted);
  if (!memory.saveToFile(target)) {
    std::fprintf(stderr, "make_brain: cannot write %s\n", target.c_str());
    return 1;
  }
  std::filesystem::remove_all(scratch);
  std::printf("make_brain: %d cases from %d hands (%d stalled) into %s\n", memory.caseCount, hands, stalls,
              target.c_str());
  return stalls == 0 ? 0 : 1;
}

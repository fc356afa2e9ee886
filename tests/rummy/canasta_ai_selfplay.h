// Canasta played by computer seats through the core's tick, for the self-play tests: a list
// under given options, checked after every frame (every card in one place, k12 in step with
// stack 12) and after every hand (the list booked what each seat scored), with the trace
// watched for refused answers and consistency messages.
#pragma once

#include <string>
#include <vector>

#include "core/seat_record.h"
#include "engine/engine_services.h"
#include "platform/tick.h"
#include "tests/rummy/canasta_play_fixture.h"

struct TComputerRun {
  int hands = 0;
  bool stalled = false;
  std::string fault;
};

// Refused answers and consistency lines of the trace while it lives.
struct TComputerTraceWatch {
  std::vector<std::string> lines;
  TComputerTraceWatch() {
    setTraceListener([this](std::string_view line) {
      const std::string l(line);
      for (const char* bad : {"ACHTUNG", "ATTENTION", "Logikfehler", "Error in", "Fehler", "abgelehnt"})
        if (l.find(bad) != std::string::npos) {
          lines.push_back(l);
          break;
        }
    });
  }
  ~TComputerTraceWatch() { setTraceListener({}); }
};

inline void computerSeats(int32_t seats, int32_t hand) {
  for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = s <= seats ? seatKindComputer : seatKindUser;
  for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 1 + (s + hand) % 3;
}

// Plays the running hand to its end; false when it stalled.
inline bool playComputerHand(TComputerRun& run, int frameLimit = 100000) {
  for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
    if (!run.fault.empty() || cg.gs.phase != 4 || pendingMoveCount != 0 || cg.gs.pendingMove != 0) continue;
    run.fault = CanastaPlayFixture::misplacedCards();
    if (run.fault.empty()) run.fault = CanastaPlayFixture::meldTableMismatch();
  }
  return cg.gs.phase == 5;
}

// A list of up to `hands` hands with computer seats at rotating strengths.
inline TComputerRun playComputerList(const TCanastaOptions& options, int32_t seats, int hands) {
  TComputerRun run;
  CanastaPlayFixture::resetTable(seats);
  canastaArea() = TCanastaArea{};
  canastaArea().options = options;
  CanastaPlayFixture::startGame(true);
  for (;;) {
    computerSeats(seats, run.hands);
    std::vector<int32_t> before(7);
    for (int32_t s = 1; s <= seats; s++) before[s] = cg.gs.listTotals[s];
    if (!playComputerHand(run)) {
      run.stalled = true;
      return run;
    }
    run.hands++;
    for (int32_t s = 1; s <= seats; s++) {
      int32_t score = 0;
      std::string text;
      canastaScoreText(s, score, text);
      if (cg.gs.listTotals[s] - before[s] != score) run.fault = "seat " + std::to_string(s) + " booked wrongly";
    }
    if (cg.gs.listOver || run.hands >= hands) return run;
    CanastaPlayFixture::startGame(false);
  }
}

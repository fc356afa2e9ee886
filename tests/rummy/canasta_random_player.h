// Canasta's random player: every seat gets one of the answers its decision offers, and now and
// then one it does not offer, which must be refused without effect; lists played with it and
// checked after every frame (every card in one place, k12 in step with stack 12), and the
// trace lines that must not come.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "engine/engine_services.h"
#include "platform/tick.h"
#include "tests/rummy/canasta_play_fixture.h"

namespace canasta_random_play {

constexpr int frameLimit = 60000;

inline int takeBacks = 0;  // take-backs of a turn that had laid cards down

inline int32_t seat() { return cg.gs.akspieler; }

inline THand handWithPositions(int32_t s) {
  syncHandFromSlots(sp[s]);
  THand h = sp[s].hand;
  for (int32_t i = 1; i <= handUsed(h); i++) h.k[i].hi = static_cast<int16_t>(i);
  return h;
}

inline bool submitWith(const THand& sel, int kind, int32_t a, int32_t b) {
  THand cards = sel;
  cg.submitAction(1, 0, 0, &cards);
  cg.submitAction(kind, a, b);
  return cg.gs.awaitingAction == 0;
}

// Candidate melds of the hand: the naturals of a rank, three or more (or just three of them,
// when all would leave too few cards), or two with one of its wild cards; the first that the
// rules allow, from rank `first` on, goes down. `must` names a card the meld has to hold. A
// turn whose first meld is short again after a take-back may need other cards than last time.
inline bool tryMeld(const TCard& must, int32_t first = 1) {
  const THand h = handWithPositions(seat());
  for (int32_t step = 0; step < 13; step++) {
    const int32_t rank = (first - 1 + step) % 13 + 1;
    if (must.t != 0 && must.t != rank) continue;
    THand naturals{}, wild{};
    for (int32_t i = 1; i <= handUsed(h); i++) {
      if (h.k[i].t == rank) handaddk(naturals, h.k[i]);
      if (canastaIsWildCard(h.k[i])) handaddk(wild, h.k[i]);
    }
    THand sel = naturals;
    if (handUsed(sel) == 2 && handUsed(wild) > 0) handaddk(sel, wild.k[1 + randomBelow(handUsed(wild))]);
    if (handUsed(sel) >= 3 && canastaCanMeld(sel) && submitWith(sel, 2, 0, canastaAnswerMeld)) return true;
    if (handUsed(naturals) <= 3) continue;
    THand three{};
    for (int32_t i = 1; i <= handUsed(naturals); i++)
      if (must.t != 0 && cardsEqual(naturals.k[i], must) && handUsed(three) == 0) handaddk(three, naturals.k[i]);
    for (int32_t i = 1; i <= handUsed(naturals) && handUsed(three) < 3; i++)
      if (handUsed(three) == 0 || three.k[1].hi != naturals.k[i].hi) handaddk(three, naturals.k[i]);
    if (canastaCanMeld(three) && submitWith(three, 2, 0, canastaAnswerMeld)) return true;
  }
  return false;
}

// A card of the hand, the first that fits from a random position on, laid off on a meld of the
// seat's side.
inline bool tryLayOff(const TCard& must) {
  const THand h = handWithPositions(seat());
  const int32_t n0 = handUsed(h), start = n0 > 0 ? randomBelow(n0) : 0;
  for (int32_t step = 0; step < n0; step++) {
    const TCard& c = h.k[(start + step) % n0 + 1];
    if (must.t != 0 && !cardsEqual(c, must)) continue;
    THand one{};
    handaddk(one, c);
    for (int32_t n = 1; n <= 60; n++) {
      if (!k12.inUse(n) || !canastaCanLayOffOn(one, n)) continue;
      return submitWith(one, 3, 12, k12.melds[n].k[k12.melds[n].anz].hi);
    }
  }
  return false;
}

inline bool offered(int16_t value) {
  for (int32_t i = 1; i <= cg.gs.bl.optionCount; i++)
    if (cg.gs.bl.optionValues[i] == value) return true;
  return false;
}

inline void answerMeld() {
  const TCard due = canastaArea().kartenzwang;
  if (due.t != 0 && (tryMeld(due) || tryLayOff(due))) return;
  const int r = randomBelow(10);
  if (r < 3 && tryMeld(noCard(), 1 + randomBelow(13))) return;
  if (r < 5 && tryLayOff(noCard())) return;
  if (offered(canastaAnswerDone)) {
    THand sel{};
    const THand h = handWithPositions(seat());
    // Now and then the one selected card is the discard.
    if (randomBelow(3) == 0 && handUsed(h) > 0) handaddk(sel, h.k[1 + randomBelow(handUsed(h))]);
    submitWith(sel, 2, 0, canastaAnswerDone);
    return;
  }
  if (canastaArea().hcount > 0) takeBacks++;
  submitWith(THand{}, 2, 0, canastaAnswerTakeBack);
}

inline void answer() {
  switch (cg.gs.bl.decisionKind) {
    case canastaDecisionDraw:
      if (cg.gs.bl.pileB == 13 && (randomBelow(2) == 0 || stackUsed(sp[11]) == 0)) cg.submitAction(3, 13, 0);
      else cg.submitAction(3, 11, 0);
      return;
    case canastaDecisionMeld: answerMeld(); return;
    case canastaDecisionDiscard: cg.submitAction(0, 0, 1 + randomBelow(std::max(1, canastaHandCount(seat())))); return;
    default: return;
  }
}

// An answer the decision does not offer changes nothing.
inline void tryIllegalAnswer(int& refused) {
  const int32_t kind = cg.gs.bl.decisionKind, step = cg.gs.step, count = stackUsed(sp[seat()]);
  THand wrong{};
  switch (kind) {
    case canastaDecisionDraw:
      if (cg.gs.bl.pileB == 13) return;
      cg.submitAction(3, 13, 0);
      break;
    case canastaDecisionMeld:
      handaddk(wrong, TCard{rankKing, 1, static_cast<int16_t>(count + 1)});
      if (randomBelow(2) == 0) submitWith(wrong, 2, 0, canastaAnswerMeld);
      else submitWith(wrong, 3, 12, stackUsed(sp[12]) + 1);
      break;
    case canastaDecisionDiscard: cg.submitAction(0, 0, count + 1); break;
    default: return;
  }
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.step, step);
  EXPECT_EQ(stackUsed(sp[seat()]), count);
  refused++;
}

struct TRun {
  int games = 0;
  bool stalled = false;
  std::string fault;
};

inline void checkTable(TRun& run) {
  if (!run.fault.empty() || cg.gs.phase != 4 || pendingMoveCount != 0 || cg.gs.pendingMove != 0) return;
  run.fault = CanastaPlayFixture::misplacedCards();
  if (run.fault.empty()) run.fault = CanastaPlayFixture::meldTableMismatch();
}

inline bool playGame(TRun& run, int& refused) {
  for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
    if (cg.gs.awaitingAction == 2 && pendingMoveCount == 0) {
      if (randomBelow(25) == 0) tryIllegalAnswer(refused);
      answer();
    }
    headlessFrame();
    advanceFakeTick(50);
    checkTable(run);
  }
  return cg.gs.phase == 5;
}

inline TRun playList(const TCanastaOptions& options, int32_t seats, int& refused) {
  TRun run;
  CanastaPlayFixture::resetTable(seats);
  canastaArea() = TCanastaArea{};
  canastaArea().options = options;
  CanastaPlayFixture::startGame(true);
  for (;;) {
    std::vector<int32_t> before(7);
    for (int32_t s = 1; s <= seats; s++) before[s] = cg.gs.listTotals[s];
    if (!playGame(run, refused)) {
      run.stalled = true;
      return run;
    }
    run.games++;
    for (int32_t s = 1; s <= seats; s++) {
      int32_t score = 0;
      std::string text;
      canastaScoreText(s, score, text);
      EXPECT_EQ(cg.gs.listTotals[s] - before[s], score) << "seat " << s;
    }
    if (cg.gs.listOver || run.games >= 10) return run;
    CanastaPlayFixture::startGame(false);
  }
}

// The consistency lines of the trace, and how often the step's own moves and the pile came.
struct TTraceWatch {
  std::vector<std::string> faults;
  std::map<std::string, int> seen;
  TTraceWatch() {
    setTraceListener([this](std::string_view line) {
      const std::string l(line);
      for (const char* bad : {"ACHTUNG", "ATTENTION", "Error in", "Fehler", "ohne Karte", "nicht gelegt", "nicht ausgef"})
        if (l.find(bad) != std::string::npos) faults.push_back(l);
      for (const char* note : {"3er-stapel wegen mit2zwang", "ROT3er-stapel", "abgelehnt", "caresethistory"})
        if (l.find(note) != std::string::npos) seen[note]++;
    });
  }
  ~TTraceWatch() { setTraceListener({}); }
};

}  // namespace canasta_random_play

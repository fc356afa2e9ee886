// Canasta played by a random player that gives every seat one of the answers its decision
// offers, and now and then one it does not offer, which must be refused without effect:
// lists with 2, 3, 4 (with and without teams) and 6 seats under varied options end with no
// alert, no stall, every card in one place after every frame, k12 in step with stack 12,
// and the list booking what each game scored. A game saved in the middle of a turn and
// loaded into a fresh program plays on to the same end.
#include <cstring>
#include <map>
#include <vector>

#include "core/card_order.h"
#include "engine/engine_services.h"
#include "platform/tick.h"
#include "tests/rummy/canasta_play_fixture.h"

namespace {

using CanastaSelfPlay = CanastaPlayFixture;

constexpr int frameLimit = 60000;

int takeBacks = 0;  // take-backs of a turn that had laid cards down

int32_t seat() { return cg.gs.akspieler; }

THand handWithPositions(int32_t s) {
  syncHandFromSlots(sp[s]);
  THand h = sp[s].hand;
  for (int32_t i = 1; i <= handUsed(h); i++) h.k[i].hi = static_cast<int16_t>(i);
  return h;
}

bool submitWith(const THand& sel, int kind, int32_t a, int32_t b) {
  THand cards = sel;
  cg.submitAction(1, 0, 0, &cards);
  cg.submitAction(kind, a, b);
  return cg.gs.awaitingAction == 0;
}

// Candidate melds of the hand: the naturals of a rank, three or more, or two with a wild card;
// the first that the rules allow goes down. `must` names a card the meld has to hold.
bool tryMeld(const TCard& must) {
  const THand h = handWithPositions(seat());
  for (int32_t rank = 1; rank <= 13; rank++) {
    if (must.t != 0 && must.t != rank) continue;
    THand naturals{}, wild{};
    for (int32_t i = 1; i <= handUsed(h); i++) {
      if (h.k[i].t == rank) handaddk(naturals, h.k[i]);
      if (canastaIsWildCard(h.k[i]) && handUsed(wild) == 0) handaddk(wild, h.k[i]);
    }
    THand sel = naturals;
    if (handUsed(sel) == 2 && handUsed(wild) == 1) handaddk(sel, wild.k[1]);
    if (handUsed(sel) >= 3 && canastaCanMeld(sel) && submitWith(sel, 2, 0, canastaAnswerMeld)) return true;
  }
  return false;
}

// A card of the hand laid off on a meld of the seat's side.
bool tryLayOff(const TCard& must) {
  const THand h = handWithPositions(seat());
  for (int32_t i = 1; i <= handUsed(h); i++) {
    if (must.t != 0 && !cardsEqual(h.k[i], must)) continue;
    THand one{};
    handaddk(one, h.k[i]);
    for (int32_t n = 1; n <= 60; n++) {
      if (!k12.inUse(n) || !canastaCanLayOffOn(one, n)) continue;
      return submitWith(one, 3, 12, k12.melds[n].k[k12.melds[n].anz].hi);
    }
  }
  return false;
}

bool offered(int16_t value) {
  for (int32_t i = 1; i <= cg.gs.bl.optionCount; i++)
    if (cg.gs.bl.optionValues[i] == value) return true;
  return false;
}

void answerMeld() {
  const TCard due = canastaArea().kartenzwang;
  if (due.t != 0 && (tryMeld(due) || tryLayOff(due))) return;
  const int r = randomBelow(10);
  if (r < 3 && tryMeld(noCard())) return;
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

void answer() {
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
void tryIllegalAnswer(int& refused) {
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

void checkTable(TRun& run) {
  if (!run.fault.empty() || cg.gs.phase != 4 || pendingMoveCount != 0 || cg.gs.pendingMove != 0) return;
  run.fault = CanastaPlayFixture::misplacedCards();
  if (run.fault.empty()) run.fault = CanastaPlayFixture::meldTableMismatch();
}

bool playGame(TRun& run, int& refused) {
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

TRun playList(const TCanastaOptions& options, int32_t seats, int& refused) {
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

TEST_F(CanastaSelfPlay, ListsOfEverySeatCountEndWithEveryCardInPlace) {
  TTraceWatch watch;
  struct TCase {
    int32_t seats;
    bool teams;
    int32_t packs, drawCount;
    bool frozen, wild;
  };
  const TCase cases[] = {{2, false, 2, 2, false, false}, {3, false, 2, 1, true, false}, {4, false, 2, 1, false, true},
                         {4, true, 2, 2, false, false},  {4, true, 3, 1, true, true},   {6, true, 3, 1, false, false},
                         {6, false, 3, 2, false, true}};
  int refused = 0;
  for (const TCase& c : cases)
    for (int seed = 1; seed <= 16; seed++) {
      randomFixSeed(uint64_t(seed * 31 + c.seats));
      randomSeed(uint64_t(seed * 31 + c.seats));
      TCanastaOptions o = publishedOptions();
      o.teams = c.teams ? 1 : 0;
      o.packs = c.packs;
      o.drawCount = c.drawCount;
      o.pileAlwaysFrozen = c.frozen ? 1 : 0;
      o.wildCanastas = c.wild ? 1 : 0;
      o.listLength = 2;
      const TRun run = playList(o, c.seats, refused);
      ASSERT_FALSE(run.stalled) << c.seats << " seats, seed " << seed;
      EXPECT_EQ(run.fault, "") << c.seats << " seats, seed " << seed;
      EXPECT_EQ(run.games, 2);
    }
  randomReleaseSeed();
  EXPECT_GT(refused, 0);
  EXPECT_EQ(watch.faults, std::vector<std::string>{});
  EXPECT_GT(watch.seen["ROT3er-stapel"], 0);
  EXPECT_GT(watch.seen["abgelehnt"], 0);
  EXPECT_GT(watch.seen["3er-stapel wegen mit2zwang"], 0);
  EXPECT_GT(takeBacks, 0);
}

}  // namespace

namespace {

struct TOutcome {
  std::vector<int32_t> totals;
  std::string hands, melds;
};

TOutcome finishHand() {
  randomSeed(4242);
  TRun run;
  int refused = 0;
  EXPECT_TRUE(playGame(run, refused));
  EXPECT_EQ(run.fault, "");
  TOutcome o;
  for (int32_t s = 1; s <= 4; s++) {
    o.totals.push_back(cg.gs.listTotals[s]);
    o.hands += CanastaPlayFixture::misplacedCards().empty() ? "" : "misplaced ";
  }
  o.melds = std::to_string(k12.ownMeldCount) + "/" + std::to_string(k12.otherMeldCount) + " " +
            std::to_string(canastaArea().wentOutSeat) + " " + std::to_string(stackUsed(sp[11]));
  return o;
}

TEST_F(CanastaSelfPlay, AGameSavedInTheMiddleOfATurnPlaysOnToTheSameEnd) {
  for (const bool afterTakeBack : {false, true}) {
    randomFixSeed(9);
    randomSeed(9);
    resetTable(4);
    canastaArea() = TCanastaArea{};
    TCanastaOptions o = publishedOptions();
    o.teams = 1;
    canastaArea().options = o;
    startGame(true);
    // A seat that laid cards down this turn and is asked again; with afterTakeBack, it has
    // just taken them back.
    bool tookBack = false;
    auto midTurn = [&] {
      const bool asked = cg.gs.awaitingAction == 2 && pendingMoveCount == 0 && cg.gs.bl.decisionKind == 82;
      return asked && (afterTakeBack ? tookBack : canastaArea().hcount > 0);
    };
    int refused = 0;
    for (int f = 0; f < frameLimit && !midTurn() && cg.gs.phase != 5; f++) {
      if (cg.gs.awaitingAction == 2 && pendingMoveCount == 0) {
        if (afterTakeBack && cg.gs.bl.decisionKind == 82 && canastaArea().hcount > 0) {
          submitWith(THand{}, 2, 0, canastaAnswerTakeBack);
          tookBack = true;
        } else {
          answer();
        }
      }
      headlessFrame();
      advanceFakeTick(50);
    }
    ASSERT_TRUE(midTurn()) << refused;
    const int32_t handBefore = canastaHandCount(seat());
    const std::string base = folder + "/save/canasta";
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    const TOutcome reference = finishHand();

    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    k12 = Tk12Container{};
    cardValues = TCardValueTable{};
    cg.gameId = gidCanasta;  // the shell names the game whose file it loads
    ASSERT_TRUE(cg.loadGame(base));
    cg.resumeGame();
    screenMode = 1;
    for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
    EXPECT_EQ(cg.gs.awaitingAction, 2);
    EXPECT_EQ(canastaHandCount(seat()), handBefore);
    EXPECT_EQ(CanastaPlayFixture::meldTableMismatch(), "");
    const TOutcome loaded = finishHand();
    EXPECT_EQ(loaded.totals, reference.totals) << "after take-back " << afterTakeBack;
    EXPECT_EQ(loaded.melds, reference.melds);
    EXPECT_EQ(loaded.hands, "");
  }
  randomReleaseSeed();
}

}  // namespace

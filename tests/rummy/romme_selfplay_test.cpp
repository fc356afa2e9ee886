// Rommé and Gin Rummy played headless through the core's tick, every seat answered by the
// computer player and now and then by an answer that must be refused without effect: lists
// with 2 to 6 seats under varied options, and Gin Rummy lists, end with no consistency line,
// no stall, every card in one place after every frame and k12 in step with stack 12.
#include <cstring>
#include <map>
#include <vector>

#include "core/card_order.h"
#include "engine/engine_services.h"
#include "games/rummy/romme_ai.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "platform/tick.h"
#include "tests/rummy/canasta_play_fixture.h"

namespace {

using RommeSelfPlay = CanastaPlayFixture;

constexpr int frameLimit = 60000;

int32_t seat() { return cg.gs.akspieler; }

std::string misplaced() {
  std::map<std::pair<int, int>, int> seen;
  int total = 0;
  for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12, 13}) {
    if (s <= 6 && s > playerCount) continue;
    for (int i = 1; i <= stackUsed(sp[s]); i++) {
      seen[{sp[s].slots[i].card.t, sp[s].slots[i].card.f}]++;
      total++;
    }
  }
  const bool gin = rommeIsGin();
  const int packs = rommeArea().options.packs;
  std::string out;
  for (const auto& [card, n] : seen) {
    const bool real = card.first >= 1 && card.first <= (gin ? 13 : 14) && card.second >= 1 && card.second <= 4 &&
                      !(card.first == 14 && card.second == 4);
    if (!real || n != packs) {
      out += cardText(makeCard(card.first, card.second)) + " x" + std::to_string(n) + " in";
      for (int32_t s : {1, 2, 3, 4, 5, 6, 11, 12, 13})
        for (int i = 1; i <= stackUsed(sp[s]) && (s > 6 || s <= playerCount); i++)
          if (sp[s].slots[i].card.t == card.first && sp[s].slots[i].card.f == card.second)
            out += " " + std::to_string(s) + "." + std::to_string(i);
      out += " ";
    }
  }
  if (total != (gin ? 52 : 55) * packs) out += "total " + std::to_string(total);
  return out;
}

// An answer the open decision does not allow changes nothing.
void tryIllegalAnswer(int& refused) {
  const int32_t step = cg.gs.step, count = stackUsed(sp[seat()]);
  if (cg.gs.phase != 4) return;
  const int r = randomBelow(3);
  if (step == 1) cg.submitAction(2, 0, 71);
  else if (step == 6 || step == 9) cg.submitAction(0, 0, count + 1);
  else if (step == 3 && r == 0) cg.submitAction(3, 12, stackUsed(sp[12]) + 1);
  else if (step == 3 && !rommeIsGin()) cg.submitAction(0, 0, 1);
  else return;
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
  run.fault = misplaced();
  if (run.fault.empty()) run.fault = CanastaPlayFixture::meldTableMismatch();
  if (!run.fault.empty())
    run.fault += " (step " + std::to_string(cg.gs.step) + ", answer " + std::to_string(cg.gs.getBlender.kind) + " " +
                 std::to_string(cg.gs.getBlender.res_i) + " " + std::to_string(cg.gs.getBlender.res_ii) + ")";
}

bool playGame(TRun& run, int& refused) {
  for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
    if (cg.gs.awaitingAction == 2 && pendingMoveCount == 0) {
      if (randomBelow(25) == 0) tryIllegalAnswer(refused);
      if (cg.gs.awaitingAction == 2) rommeAIMove();
    }
    headlessFrame();
    advanceFakeTick(50);
    checkTable(run);
  }
  return cg.gs.phase == 5;
}

TRun playList(const TRommeOptions& options, bool gin, int32_t seats, int& refused) {
  TRun run;
  CanastaPlayFixture::resetTable(seats);
  rommeArea() = TRommeArea{};
  rommeArea().options = options;
  rommeArea().ginRummy = gin ? 1 : 0;
  screenMode = 1;
  cg.startGame(gidRomme, 0);
  for (;;) {
    for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
    if (!playGame(run, refused)) {
      run.stalled = true;
      return run;
    }
    run.games++;
    if (cg.gs.listOver || run.games >= 4) return run;
    screenMode = 1;
    cg.startGame(gidRomme, 1);
  }
}

struct TTraceWatch {
  std::vector<std::string> faults;
  int refusals = 0;
  TTraceWatch() {
    setTraceListener([this](std::string_view line) {
      const std::string l(line);
      for (const char* bad : {"Rummy Error", "Fehler", "ki-Fehler", "plays too much", "outofrange", "no valid cards",
                              "ERROR", "ACHTUNG"})
        if (l.find(bad) != std::string::npos) faults.push_back(l);
      if (l.find("abgelehnt") != std::string::npos) refusals++;
    });
  }
  ~TTraceWatch() { setTraceListener({}); }
};

TRommeOptions houseOptions() {
  TRommeOptions o{};
  o.firstDealer = 1;
  o.nextDealer = 5;
  o.listLength = 2;
  o.packs = 2;
  o.jokerValue = 20;
  o.firstMeldMinimum = 30;
  o.layOffOnOthers = 1;
  o.layOffOnKnockerHand = 1;
  o.layOffOnGinHand = 1;
  return o;
}

TEST_F(RommeSelfPlay, ListsOfEverySeatCountEndWithEveryCardInPlace) {
  TTraceWatch watch;
  struct TCase {
    int32_t seats;
    bool gin, corner, duplicates, positive;
    int32_t minimum;
  };
  const TCase cases[] = {{2, false, false, false, false, 0}, {3, false, true, false, true, 40},
                         {4, false, false, true, false, 30}, {6, false, true, true, true, 0},
                         {2, true, false, false, false, 0}};
  int refused = 0;
  for (const TCase& c : cases)
    for (int seed = 1; seed <= 3; seed++) {
      randomFixSeed(uint64_t(seed * 17 + c.seats));
      randomSeed(uint64_t(seed * 17 + c.seats));
      TRommeOptions o = houseOptions();
      o.aroundTheCorner = c.corner;
      o.duplicateCards = c.duplicates;
      o.positiveScoring = c.positive;
      o.firstMeldMinimum = c.minimum;
      o.packs = c.gin ? 1 : c.seats >= 4 ? 2 : 1;
      const TRun run = playList(o, c.gin, c.seats, refused);
      ASSERT_FALSE(run.stalled) << c.seats << " seats, gin " << c.gin << ", seed " << seed << ": phase "
                                << int(cg.gs.phase) << ", step " << cg.gs.step << ", awaiting "
                                << int(cg.gs.awaitingAction) << ", moves " << pendingMoveCount << ", seat " << seat()
                                << ", gameId " << int(cg.gameId) << ", screen " << int(screenMode);
      EXPECT_EQ(run.fault, "") << c.seats << " seats, gin " << c.gin << ", seed " << seed;
      EXPECT_EQ(run.games, 2);
    }
  randomReleaseSeed();
  EXPECT_GT(refused, 0);
  EXPECT_EQ(watch.faults, std::vector<std::string>{});
}

}  // namespace

namespace {

struct TOutcome {
  std::vector<int32_t> totals;
  std::string state;
};

TOutcome finishHand() {
  randomSeed(4242);
  TRun run;
  int refused = 0;
  EXPECT_TRUE(playGame(run, refused));
  EXPECT_EQ(run.fault, "");
  TOutcome o;
  for (int32_t s = 1; s <= playerCount; s++) o.totals.push_back(cg.gs.listTotals[s]);
  o.state = std::to_string(k12.ownMeldCount) + "/" + std::to_string(k12.otherMeldCount) + " " +
            std::to_string(stackUsed(sp[11])) + " " + std::to_string(stackUsed(sp[13]));
  return o;
}

TEST_F(RommeSelfPlay, AHandSavedInTheMiddleOfATurnPlaysOnToTheSameEnd) {
  for (const bool gin : {false, true}) {
    randomFixSeed(11);
    randomSeed(11);
    resetTable(gin ? 2 : 3);
    rommeArea() = TRommeArea{};
    TRommeOptions o = houseOptions();
    o.firstMeldMinimum = 0;
    rommeArea().options = o;
    rommeArea().ginRummy = gin ? 1 : 0;
    screenMode = 1;
    cg.startGame(gidRomme, 0);
    for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
    // Rommé: a seat asked again after a meld, the card taken from the pile still in hand.
    // Gin Rummy: a seat asked while the hands are laid out after a knock.
    auto midTurn = [&] {
      if (cg.gs.awaitingAction != 2 || pendingMoveCount != 0 || cg.gs.step != 3) return false;
      if (gin) return rommeArea().layOffStage != 0;
      return rommeArea().takenDiscard.t != 0 && rommeArea().turnStartCount > stackUsed(sp[seat()]);
    };
    int refused = 0;
    TRun run;
    for (int f = 0; f < frameLimit && !midTurn() && cg.gs.phase != 5; f++) {
      if (cg.gs.awaitingAction == 2 && pendingMoveCount == 0) rommeAIMove();
      headlessFrame();
      advanceFakeTick(50);
    }
    ASSERT_TRUE(midTurn()) << "gin " << gin << ", phase " << int(cg.gs.phase);
    const int32_t handBefore = stackUsed(sp[seat()]);
    const std::string base = folder + "/save/romme";
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    const TOutcome reference = finishHand();

    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    k12 = Tk12Container{};
    rommeArea() = TRommeArea{};
    cardValues = cardValues0 = TCardValueTable{};
    cg.gameId = gidRomme;
    ASSERT_TRUE(cg.loadGame(base));
    cg.resumeGame();
    screenMode = 1;
    for (int s = 1; s <= 8; s++) cg.seatRecords[s].kind = seatKindUser;
    EXPECT_EQ(cg.gs.awaitingAction, 2);
    EXPECT_EQ(stackUsed(sp[seat()]), handBefore);
    EXPECT_EQ(rommeIsGin(), gin);
    EXPECT_EQ(CanastaPlayFixture::meldTableMismatch(), "");
    const TOutcome loaded = finishHand();
    EXPECT_EQ(loaded.totals, reference.totals) << "gin " << gin;
    EXPECT_EQ(loaded.state, reference.state) << "gin " << gin;
    (void)refused;
    (void)run;
  }
  randomReleaseSeed();
}

}  // namespace

namespace {

// Oklahoma Gin: the knock limit is the value of the first up card (an Ace allows 1); without
// it the limit stays 10.
TEST_F(RommeSelfPlay, OklahomaGinTakesTheKnockLimitFromTheUpCard) {
  for (const bool oklahoma : {true, false})
    for (const uint64_t seed : {3u, 11u, 29u}) {
      randomFixSeed(seed);
      randomSeed(seed);
      CanastaPlayFixture::resetTable(2);
      rommeArea() = TRommeArea{};
      rommeArea().options = houseOptions();
      rommeArea().options.oklahomaGin = oklahoma ? 1 : 0;
      rommeArea().ginRummy = 1;
      screenMode = 1;
      cg.startGame(gidRomme, 0);
      for (int f = 0; f < frameLimit && cg.gs.phase != 4; f++) {
        headlessFrame();
        advanceFakeTick(50);
      }
      ASSERT_EQ(cg.gs.phase, 4);
      ASSERT_EQ(stackUsed(sp[13]), 1);
      const TCard up = sp[13].slots[1].card;
      EXPECT_EQ(rommeArea().knockLimit, oklahoma ? rommeCardValue(up) : 10) << cardText(up);
      randomReleaseSeed();
    }
}

}  // namespace

namespace {

// Two computer seats of Gin Rummy once passed the same cards to and fro through the discard
// pile for ever: each took a card and threw it back. Every hand of these deals ends.
TEST_F(RommeSelfPlay, GinHandsBetweenComputerSeatsEnd) {
  TTraceWatch watch;
  for (const uint64_t seed : {1u, 3u, 6u, 12u, 22u, 36u}) {
    randomFixSeed(seed);
    randomSeed(seed);
    CanastaPlayFixture::resetTable(2);
    rommeArea() = TRommeArea{};
    rommeArea().options = houseOptions();
    rommeArea().options.packs = 1;
    rommeArea().options.listLength = 1;
    rommeArea().ginRummy = 1;
    screenMode = 1;
    cg.startGame(gidRomme, 0);
    for (int s = 1; s <= 2; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = 3;
    }
    int f = 0;
    for (; f < frameLimit && cg.gs.phase != 5; f++) {
      headlessFrame();
      advanceFakeTick(50);
    }
    EXPECT_EQ(cg.gs.phase, 5) << "seed " << seed << ": step " << cg.gs.step << ", stock " << stackUsed(sp[11])
                              << ", pile " << stackUsed(sp[13]);
  }
  randomReleaseSeed();
  EXPECT_EQ(watch.faults, std::vector<std::string>{});
}

}  // namespace

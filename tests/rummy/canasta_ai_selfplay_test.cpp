// Canasta with computer seats at the three strengths: short seeded lists for 2, 3, 4 (with
// and without teams) and 6 seats, and a game saved while a computer seat carries out a
// planned move, which plays on after loading to the same end.
#include <cstring>

#include "core/card_order.h"
#include "tests/rummy/canasta_ai_selfplay.h"

namespace {

using CanastaComputerPlay = CanastaPlayFixture;

TEST_F(CanastaComputerPlay, ComputerSeatsPlayListsWithoutARefusedAnswer) {
  TComputerTraceWatch watch;
  struct TCase {
    int32_t seats;
    bool teams;
    int32_t packs, drawCount;
  } cases[] = {{2, false, 2, 1}, {3, false, 2, 2}, {4, false, 2, 1}, {4, true, 3, 1}, {6, true, 3, 2}};
  for (const TCase& c : cases) {
    randomFixSeed(uint64_t(70 + c.seats));
    randomSeed(uint64_t(70 + c.seats));
    TCanastaOptions o = publishedOptions();
    o.teams = c.teams ? 1 : 0;
    o.packs = c.packs;
    o.drawCount = c.drawCount;
    const TComputerRun run = playComputerList(o, c.seats, 2);
    EXPECT_FALSE(run.stalled) << c.seats << " seats";
    EXPECT_EQ(run.fault, "") << c.seats << " seats";
    EXPECT_EQ(run.hands, 2) << c.seats << " seats";
  }
  randomReleaseSeed();
  EXPECT_EQ(watch.lines, std::vector<std::string>{});
}

struct TOutcome {
  std::vector<int32_t> totals;
  std::string melds;
};

TOutcome finishComputerHand() {
  randomSeed(4242);
  TComputerRun run;
  EXPECT_TRUE(playComputerHand(run));
  EXPECT_EQ(run.fault, "");
  TOutcome o;
  for (int32_t s = 1; s <= 4; s++) o.totals.push_back(cg.gs.listTotals[s]);
  o.melds = std::to_string(k12.ownMeldCount) + "/" + std::to_string(k12.otherMeldCount) + " " +
            std::to_string(canastaArea().wentOutSeat) + " " + std::to_string(stackUsed(sp[11]));
  return o;
}

TEST_F(CanastaComputerPlay, AGameSavedInTheMiddleOfAPlannedMovePlaysOnToTheSameEnd) {
  randomFixSeed(11);
  randomSeed(11);
  resetTable(4);
  canastaArea() = TCanastaArea{};
  TCanastaOptions o = publishedOptions();
  o.teams = 1;
  canastaArea().options = o;
  bool found = false;
  for (int hand = 0; hand < 6 && !found; hand++) {
    startGame(hand == 0);
    computerSeats(4, hand);
    const TCanastaArea& a = canastaArea();
    for (int f = 0; f < 100000 && cg.gs.phase != 5 && !found; f++) {
      headlessFrame();
      advanceFakeTick(50);
      found = a.aiPlannedThisTurn && a.multizugPart > 0 && cg.gs.awaitingAction == 2 && pendingMoveCount == 0 &&
              cg.gs.bl.decisionKind == canastaDecisionMeld;
    }
  }
  ASSERT_TRUE(found);
  const TCanastaMoveList plan = canastaArea().multizugPlan;
  const int32_t part = canastaArea().multizugPart;
  const std::string base = folder + "/save/canasta";
  ASSERT_FALSE(cg.saveGame(base, "Test", true));
  const TOutcome reference = finishComputerHand();

  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  k12 = Tk12Container{};
  cardValues = TCardValueTable{};
  cg.gameId = gidCanasta;
  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
  EXPECT_EQ(canastaArea().aiPlannedThisTurn, 1);
  EXPECT_EQ(canastaArea().multizugPart, part);
  EXPECT_EQ(canastaArea().multizugPlan.count, plan.count);
  for (int s = 1; s <= 4; s++) cg.seatRecords[s].kind = seatKindComputer;
  const TOutcome loaded = finishComputerHand();
  EXPECT_EQ(loaded.totals, reference.totals);
  EXPECT_EQ(loaded.melds, reference.melds);
  randomReleaseSeed();
}

}  // namespace

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
#include "tests/rummy/canasta_random_player.h"

namespace {

using namespace canasta_random_play;
using CanastaSelfPlay = CanastaPlayFixture;

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

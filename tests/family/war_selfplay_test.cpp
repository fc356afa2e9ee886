// War played by two computer seats through the core's tick and autoDecide, every option: no
// alert, no stall, every card in exactly one stack after every frame, every list ends, the
// list books the wars won, and answers outside the decision are refused without effect. A
// game saved inside a war and loaded into a fresh program plays on to the same end.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/family/war_fixture.h"

namespace {

using WarSelfPlay = WarFixture;

constexpr int frameLimit = 400000;

// Now and then an answer the decision does not offer; it must change nothing.
void tryIllegalAnswer(int& refused) {
  if (cg.gs.awaitingAction != 2 || randomBelow(20) != 0) return;
  const uint8_t state = cg.gs.subState;
  const int32_t seat = cg.gs.akspieler, pot1 = warPotCount(1), pot2 = warPotCount(2);
  const int32_t other = seat == 1 ? 2 : 1;
  switch (randomBelow(3)) {
    case 0: cg.submitAction(2, 0, 555); break;
    case 1: cg.submitAction(3, other, 1); break;
    default: cg.submitAction(3, seat, warHandCount(seat) + 1); break;
  }
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.subState, state);
  EXPECT_EQ(warPotCount(1), pot1);
  EXPECT_EQ(warPotCount(2), pot2);
  refused++;
}

struct TListRun {
  int games = 0;
  bool stalled = false;
  std::string misplaced;
};

// One list to its end; every game's wars are checked against what the list booked.
TListRun playList(int32_t gameLimit, bool jokers, int32_t warsToWin, int& refused) {
  TListRun run;
  WarFixture::newList(gameLimit, 0, jokers, warsToWin);
  for (;;) {
    int32_t before1 = cg.gs.listTotals[1], before2 = cg.gs.listTotals[2];
    int f = 0;
    for (; f < frameLimit && cg.gs.phase != 5; f++) {
      tryIllegalAnswer(refused);
      headlessFrame();
      advanceFakeTick(50);
      if (cg.gs.phase == 4 && run.misplaced.empty()) run.misplaced = WarFixture::misplacedCards(warDeckSize());
    }
    if (cg.gs.phase != 5) {
      run.stalled = true;
      return run;
    }
    run.games++;
    EXPECT_EQ(cg.gs.listTotals[1] - before1, warArea().warsWon[1]);
    EXPECT_EQ(cg.gs.listTotals[2] - before2, warArea().warsWon[2]);
    EXPECT_NE(warFindWinner(), 0) << "a game ends only at its end";
    if (cg.gs.listOver) return run;
    WarFixture::startGame(false);
  }
}

TEST_F(WarSelfPlay, ListsOfEveryOptionEndWithEveryCardInPlace) {
  int refused = 0, games = 0;
  for (int seed = 1; seed <= 250; seed++) {
    randomSeed(uint64_t(seed));
    resetTable();
    setHeadlessDisplay(seed % 2 + 1);
    const bool jokers = seed % 3 == 0;
    const int32_t warsToWin = (seed % 4) * 3;
    TListRun run = playList(2, jokers, warsToWin, refused);
    ASSERT_FALSE(run.stalled) << "seed " << seed;
    EXPECT_EQ(run.misplaced, "") << "seed " << seed;
    EXPECT_EQ(run.games, 2) << "seed " << seed;
    games += run.games;
  }
  EXPECT_GT(refused, 0);
  EXPECT_EQ(games, 500);
}

TEST_F(WarSelfPlay, AListWithAPointsLimitEndsWhenASeatReachesIt) {
  int refused = 0;
  randomSeed(77);
  warArea().pointsLimit = 4;
  WarFixture::newList(99999, 4, false, 3);
  int games = 0;
  while (cg.gs.phase != 5 || !cg.gs.listOver) {
    ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }, frameLimit));
    games++;
    if (!cg.gs.listOver) WarFixture::startGame(false);
    ASSERT_LT(games, 20);
  }
  EXPECT_TRUE(cg.gs.listTotals[1] >= 4 || cg.gs.listTotals[2] >= 4);
  (void)refused;
}

struct TOutcome {
  int32_t wars1, wars2, total1, total2;
  std::string won1, won2, hand1, hand2;
};

TOutcome finishGame() {
  randomSeed(4242);
  playToGameEnd(frameLimit);
  EXPECT_EQ(cg.gs.phase, 5);
  return {warArea().warsWon[1], warArea().warsWon[2], cg.gs.listTotals[1], cg.gs.listTotals[2],
          WarFixture::cardsOf(7), WarFixture::cardsOf(8), WarFixture::cardsOf(1), WarFixture::cardsOf(2)};
}

TEST_F(WarSelfPlay, AGameSavedInsideAWarPlaysOnAfterLoading) {
  randomSeed(5);
  newList(99999, 0, true, 0);
  auto insideAWar = [] {
    return cg.gs.awaitingAction == 2 && pendingMoveCount == 0 && cg.gs.bl.decisionKind == 124 &&
           warPotCount(1) > 1 && cg.gs.subState == 3;
  };
  for (int f = 0; f < frameLimit && !insideAWar(); f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
  ASSERT_TRUE(insideAWar());
  const std::string base = folder + "/save/war";
  ASSERT_FALSE(cg.saveGame(base, "Test", true));
  TOutcome reference = finishGame();

  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  cardValues = TCardValueTable{};
  cg.gameId = gidWar;  // the shell names the game whose file it loads
  createCardAIs();
  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  TOutcome loaded = finishGame();
  EXPECT_EQ(loaded.wars1, reference.wars1);
  EXPECT_EQ(loaded.wars2, reference.wars2);
  EXPECT_EQ(loaded.total1, reference.total1);
  EXPECT_EQ(loaded.total2, reference.total2);
  EXPECT_EQ(loaded.won1, reference.won1);
  EXPECT_EQ(loaded.won2, reference.won2);
  EXPECT_EQ(loaded.hand1, reference.hand1);
  EXPECT_EQ(loaded.hand2, reference.hand2);
}

}  // namespace

// Go Fish played by computer seats through the core's tick, 2 to 6 seats, every option: no
// alert, no stall, every card in exactly one stack after every frame, every list ends, the
// list books the books, and answers outside the decision are refused without effect. A game
// saved between seat and rank, or before a draw, plays on alike after loading, the players'
// memory coming back from the state file.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/family/gofish_fixture.h"
#include "tests/support/alerts.h"

namespace {

using GoFishSelfPlay = GoFishFixture;

constexpr int frameLimit = 200000;

void tryIllegalAnswer(int& refused) {
  if (cg.gs.awaitingAction != 2 || randomBelow(10) != 0) return;
  const int32_t seat = cg.gs.akspieler;
  const uint8_t state = cg.gs.subState;
  const int32_t asked = goFishArea().askedSeat;
  switch (randomBelow(3)) {
    case 0: cg.submitAction(2, 0, seat); break;  // never offered: itself
    case 1: cg.submitAction(0, 0, goFishCardCount(seat) + 1); break;
    default: cg.submitAction(2, 0, 555); break;
  }
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.subState, state);
  EXPECT_EQ(goFishArea().askedSeat, asked);
  refused++;
}

struct TListRun {
  int games = 0;
  bool stalled = false;
  std::string misplaced;
};

TListRun playList(const TGoFishOptions& o, int& refused) {
  TListRun run;
  GoFishFixture::newList(o);
  for (;;) {
    LArray<int32_t, 1, 6> before = cg.gs.listTotals;
    for (int f = 0; f < frameLimit && cg.gs.phase != 5; f++) {
      tryIllegalAnswer(refused);
      headlessFrame();
      advanceFakeTick(50);
      if (cg.gs.phase == 4 && run.misplaced.empty()) run.misplaced = GoFishFixture::misplacedCards();
    }
    if (cg.gs.phase != 5) {
      run.stalled = true;
      return run;
    }
    run.games++;
    for (int s = 1; s <= o.seats; s++)
      EXPECT_EQ(cg.gs.listTotals[s] - before[s], goFishBookCount(s)) << "seat " << s;
    if (cg.gs.listOver) return run;
    GoFishFixture::startGame(false);
  }
}

TEST_F(GoFishSelfPlay, ListsOfEveryOptionEndWithEveryCardInPlace) {
  AlertCollector alerts;
  int refused = 0, games = 0;
  static const int32_t refills[] = {0, 1, -1, 0};
  for (int seed = 1; seed <= 100; seed++) {
    randomSeed(uint64_t(seed));
    setHeadlessDisplay(seed % 2 + 1);
    TGoFishOptions o{.seats = 2 + seed % 5, .gameLimit = 2, .dealCount = 5 + seed % 5, .pairs = seed % 3 == 0,
                     .endWhenEmpty = seed % 4 == 3};
    o.emptyHandRefill = refills[seed % 4] < 0 ? goFishFitDealCount(o.dealCount, o.seats) : refills[seed % 4];
    for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 1 + (seed + s) % 3;
    TListRun run = playList(o, refused);
    ASSERT_FALSE(run.stalled) << "seed " << seed;
    EXPECT_EQ(run.misplaced, "") << "seed " << seed;
    EXPECT_EQ(run.games, 2) << "seed " << seed;
    games += run.games;
  }
  EXPECT_EQ(alerts.count(), 0u);
  EXPECT_GT(refused, 0);
  EXPECT_EQ(games, 200);
}

struct TOutcome {
  std::vector<int32_t> totals;
  std::vector<std::string> piles;
};

TOutcome finishGame(int32_t seats) {
  randomSeed(4242);
  playToGameEnd(frameLimit);
  EXPECT_EQ(cg.gs.phase, 5);
  TOutcome o;
  for (int s = 1; s <= seats; s++) {
    o.totals.push_back(cg.gs.listTotals[s]);
    o.piles.push_back(GoFishFixture::cardsOf(s + 14));
  }
  return o;
}

TEST_F(GoFishSelfPlay, AGameSavedWhileADecisionIsAwaitedPlaysOnAfterLoading) {
  struct TCase {
    const char* name;
    bool seatChosen;  // else before a draw
  } cases[] = {{"between seat and rank", true}, {"before a draw", false}};
  for (const TCase& c : cases) {
    randomSeed(9);
    for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 2;
    newList(TGoFishOptions{.seats = 4});
    auto waiting = [&] {
      bool asked = cg.gs.awaitingAction == 2 && pendingMoveCount == 0;
      return asked && (c.seatChosen ? cg.gs.bl.decisionKind == 118 && goFishArea().askedSeat != 0
                                    : cg.gs.bl.decisionKind == 121 && stackUsed(sp[11]) > 20);
    };
    for (int f = 0; f < frameLimit && !waiting(); f++) {
      headlessFrame();
      advanceFakeTick(50);
    }
    ASSERT_TRUE(waiting()) << c.name;
    TFishMemory memory = ai()->memory;
    const std::string base = folder + "/save/gofish";
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    TOutcome reference = finishGame(4);

    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    cardValues = TCardValueTable{};
    freeCardAIs();
    cg.gameId = gidGoFish;
    playerCount = 4;
    createCardAIs();
    ASSERT_TRUE(cg.loadGame(base));
    cg.resumeGame();
    screenMode = 1;
    EXPECT_EQ(cg.gs.awaitingAction, 2) << c.name;
    for (int s = 1; s <= 4; s++)
      for (int r = 1; r <= 13; r++) ASSERT_EQ(ai()->memory[s][r], memory[s][r]) << c.name;
    TOutcome loaded = finishGame(4);
    EXPECT_EQ(loaded.totals, reference.totals) << c.name;
    EXPECT_EQ(loaded.piles, reference.piles) << c.name;
  }
}

}  // namespace

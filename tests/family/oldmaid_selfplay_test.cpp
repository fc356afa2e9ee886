// Old Maid played by computer seats through the core's tick, 2 to 6 seats, every option: no
// alert, no stall, every card in exactly one stack after every frame, every list ends, the
// list books each game's points, and answers outside the decision are refused without effect.
// A game saved while a decision is awaited and loaded into a fresh program plays on alike.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/family/oldmaid_fixture.h"
#include "tests/support/alerts.h"

namespace {

using OldMaidSelfPlay = OldMaidFixture;

constexpr int frameLimit = 200000;

// Now and then an answer the decision does not take; it must change nothing.
void tryIllegalAnswer(int& refused) {
  if (cg.gs.awaitingAction != 2 || randomBelow(10) != 0) return;
  const int32_t seat = cg.gs.akspieler;
  const int32_t cards = oldMaidCardCount(seat);
  const uint8_t state = cg.gs.subState;
  switch (randomBelow(3)) {
    case 0: cg.submitAction(2, 0, 555); break;
    case 1: cg.submitAction(0, seat, 1); break;
    default: cg.submitAction(0, 0, 99); break;
  }
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.subState, state);
  EXPECT_EQ(oldMaidCardCount(seat), cards);
  refused++;
}

struct TListRun {
  int games = 0;
  bool stalled = false;
  std::string misplaced;
};

TListRun playList(const TOldMaidOptions& o, int& refused) {
  TListRun run;
  OldMaidFixture::newList(o);
  for (;;) {
    LArray<int32_t, 1, 6> before = cg.gs.listTotals;
    int f = 0;
    for (; f < frameLimit && cg.gs.phase != 5; f++) {
      tryIllegalAnswer(refused);
      headlessFrame();
      advanceFakeTick(50);
      if (cg.gs.phase == 4 && run.misplaced.empty()) run.misplaced = OldMaidFixture::misplacedCards();
    }
    if (cg.gs.phase != 5) {
      run.stalled = true;
      return run;
    }
    run.games++;
    int32_t lost = 0;
    for (int s = 1; s <= o.seats; s++) {
      int32_t booked = cg.gs.listTotals[s] - before[s];
      EXPECT_EQ(booked, -oldMaidCardCount(s)) << "seat " << s;
      lost += booked;
    }
    EXPECT_EQ(lost, -1) << "exactly one seat keeps the old maid";
    if (cg.gs.listOver) return run;
    OldMaidFixture::startGame(false);
  }
}

TEST_F(OldMaidSelfPlay, ListsOfEveryOptionEndWithEveryCardInPlace) {
  AlertCollector alerts;
  int refused = 0, games = 0;
  for (int seed = 1; seed <= 100; seed++) {
    randomSeed(uint64_t(seed));
    setHeadlessDisplay(seed % 2 + 1);
    TOldMaidOptions o{.seats = 2 + seed % 5, .gameLimit = 3, .pointsLimit = 0, .colourPairs = seed % 3 == 0,
                      .maidCard = 1 + seed % 2, .drawFromAny = seed % 4 >= 2};
    TListRun run = playList(o, refused);
    ASSERT_FALSE(run.stalled) << "seed " << seed;
    EXPECT_EQ(run.misplaced, "") << "seed " << seed;
    EXPECT_EQ(run.games, 3) << "seed " << seed;
    games += run.games;
  }
  EXPECT_EQ(alerts.count(), 0u);
  EXPECT_GT(refused, 0);
  EXPECT_EQ(games, 300);
}

TEST_F(OldMaidSelfPlay, APointsLimitEndsTheListWhenASeatHasLostThatMany) {
  int refused = 0;
  randomSeed(77);
  TListRun run = playList(TOldMaidOptions{.seats = 2, .gameLimit = 99999, .pointsLimit = 3}, refused);
  ASSERT_FALSE(run.stalled);
  EXPECT_TRUE(cg.gs.listTotals[1] == -3 || cg.gs.listTotals[2] == -3);
  EXPECT_EQ(run.games, -cg.gs.listTotals[1] - cg.gs.listTotals[2]);
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
    o.piles.push_back(OldMaidFixture::cardsOf(s + 14) + "|" + OldMaidFixture::cardsOf(s));
  }
  return o;
}

void loadIntoFreshProgram(const std::string& base) {
  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  cardValues = TCardValueTable{};
  cg.gameId = gidOldMaid;  // the shell names the game whose file it loads
  createCardAIs();
  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
}

TEST_F(OldMaidSelfPlay, AGameSavedWhileADecisionIsAwaitedPlaysOnAfterLoading) {
  struct TCase {
    const char* name;
    bool opening;
  } cases[] = {{"opening", true}, {"drawing", false}};
  for (const TCase& c : cases) {
    randomSeed(5);
    newList(TOldMaidOptions{.seats = 4, .colourPairs = true, .maidCard = 2, .drawFromAny = true});
    auto waiting = [&] {
      bool asked = cg.gs.awaitingAction == 2 && pendingMoveCount == 0;
      return asked && (c.opening ? cg.gs.bl.decisionKind == 123 && oldMaidArea().openingDiscards
                                 : cg.gs.bl.decisionKind == 121);
    };
    for (int f = 0; f < frameLimit && !waiting(); f++) {
      headlessFrame();
      advanceFakeTick(50);
    }
    ASSERT_TRUE(waiting()) << c.name;
    const std::string base = folder + "/save/oldmaid_" + c.name;
    ASSERT_FALSE(cg.saveGame(base, "Test", true));
    TOutcome reference = finishGame(4);
    loadIntoFreshProgram(base);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << c.name;
    EXPECT_EQ(cardValues[suitClubs][rankAce], 400 + rankAce) << "the sort keys come back";
    TOutcome loaded = finishGame(4);
    EXPECT_EQ(loaded.totals, reference.totals) << c.name;
    EXPECT_EQ(loaded.piles, reference.piles) << c.name;
  }
}

}  // namespace

// Schwimmen played through the core's tick, 2 to 6 seats, every option: seat 1 gives random
// answers (now and then one the decision does not take, which must change nothing), the
// others are computer seats at mixed strengths. No alert, no stall, every card in exactly one
// stack after every frame, every list ends. A game saved while a middle card is awaited and
// loaded into a fresh program plays on alike.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/family/schwimmen_fixture.h"
#include "tests/support/alerts.h"

namespace {

using SchwimmenSelfPlay = SchwimmenFixture;

constexpr int frameLimit = 20000;

// Seat 1's answer: a random offered option or card, now and then one that must be refused.
void userAnswer(int& refused) {
  if (cg.gs.awaitingAction != 2 || cg.gs.akspieler != 1 || pendingMoveCount != 0) return;
  const TDecisionBlock& bl = cg.gs.bl;
  if (randomBelow(8) == 0) {
    const int32_t step = cg.gs.step, middle = stackUsed(sp[12]);
    const std::string hand = SchwimmenFixture::cardsOf(1);
    switch (randomBelow(3)) {
      case 0: cg.submitAction(2, 0, 555); break;
      case 1: cg.submitAction(0, 0, 9); break;
      default: cg.submitAction(3, 0, 7); break;
    }
    EXPECT_EQ(cg.gs.awaitingAction, 2);
    EXPECT_EQ(cg.gs.step, step);
    EXPECT_EQ(stackUsed(sp[12]), middle);
    EXPECT_EQ(SchwimmenFixture::cardsOf(1), hand);
    refused++;
    return;
  }
  std::vector<std::pair<int, int32_t>> out;
  if (bl.decisionKind == schwimmenDecisionTake) {
    for (int i = 1; i <= stackUsed(sp[12]); i++) out.push_back({3, i});
  } else {
    for (int i = 1; i <= bl.optionCount; i++)
      if (!(bl.optionValues[i] == schwimmenKnock && schwimmenArea().knocked)) out.push_back({2, bl.optionValues[i]});
    if (bl.decisionKind != schwimmenDecisionDealer)
      for (int i = 1; i <= stackUsed(sp[1]); i++) out.push_back({0, i});
  }
  auto [kind, v] = out[size_t(randomBelow(int32_t(out.size())))];
  cg.submitAction(kind, 0, v);
}

struct TListRun {
  int games = 0;
  bool stalled = false;
  std::string misplaced;
};

TListRun playList(const TSchwimmenOptions& o, int& refused) {
  TListRun run;
  SchwimmenFixture::newList(o, true);
  for (;;) {
    for (int s = 2; s <= 6; s++) cg.gs.seatProfiles[s].strength = 1 + (s + run.games) % 3;
    int f = 0;
    for (; f < frameLimit && cg.gs.phase != 5; f++) {
      userAnswer(refused);
      headlessFrame();
      advanceFakeTick(50);
      if (cg.gs.phase >= 3 && run.misplaced.empty() && pendingMoveCount == 0)
        run.misplaced = SchwimmenFixture::misplacedCards();
    }
    if (cg.gs.phase != 5) {
      run.stalled = true;
      return run;
    }
    run.games++;
    if (cg.gs.listOver) return run;
    SchwimmenFixture::startGame(false, true);
  }
}

TEST_F(SchwimmenSelfPlay, ListsOfEveryOptionEndWithEveryCardInPlace) {
  AlertCollector alerts;
  int refused = 0, games = 0;
  for (int seed = 1; seed <= 600; seed++) {
    randomSeed(uint64_t(seed));
    setHeadlessDisplay(seed % 2 + 1);
    TSchwimmenOptions o{.seats = 2 + seed % 5, .dealer = 1 + seed % 3, .tripleRule = seed % 3 == 0,
                        .swapAll = seed % 4 >= 2, .positive = seed % 5 >= 2, .gameLimit = 3, .pointsLimit = 0};
    TListRun run = playList(o, refused);
    ASSERT_FALSE(run.stalled) << "seed " << seed;
    EXPECT_EQ(run.misplaced, "") << "seed " << seed;
    EXPECT_EQ(run.games, 3) << "seed " << seed;
    games += run.games;
  }
  EXPECT_EQ(alerts.count(), 0u);
  EXPECT_GT(refused, 0);
  EXPECT_EQ(games, 1800);
}

TEST_F(SchwimmenSelfPlay, APointsLimitEndsTheListInEitherScoring) {
  for (bool positive : {true, false}) {
    int refused = 0;
    randomSeed(positive ? 31 : 32);
    TListRun run = playList(TSchwimmenOptions{.seats = 3, .positive = positive, .pointsLimit = 3}, refused);
    ASSERT_FALSE(run.stalled);
    int32_t best = 0;
    for (int s = 1; s <= 3; s++) best = std::max(best, positive ? cg.gs.listTotals[s] : -cg.gs.listTotals[s]);
    EXPECT_EQ(best, 3) << positive;
  }
}

struct TOutcome {
  std::vector<int32_t> totals;
  std::vector<std::string> hands;
};

TOutcome finishGame(int32_t seats) {
  randomSeed(4242);
  playToGameEnd(frameLimit);
  EXPECT_EQ(cg.gs.phase, 5);
  TOutcome o;
  for (int s = 1; s <= seats; s++) {
    o.totals.push_back(cg.gs.listTotals[s]);
    o.hands.push_back(SchwimmenFixture::cardsOf(s));
  }
  o.hands.push_back(SchwimmenFixture::cardsOf(12));
  return o;
}

void loadIntoFreshProgram(const std::string& base) {
  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  cardValues = TCardValueTable{};
  cg.gameId = gidSchwimmen;  // the shell names the game whose file it loads
  createCardAIs();
  ASSERT_TRUE(cg.loadGame(base));
  cg.resumeGame();
  screenMode = 1;
}

TEST_F(SchwimmenSelfPlay, AGameSavedBeforeAMiddleCardIsTakenPlaysOnAfterLoading) {
  randomSeed(5);
  newList(TSchwimmenOptions{.seats = 4, .tripleRule = true, .swapAll = true, .positive = true});
  for (int s = 2; s <= 4; s++) cg.gs.seatProfiles[s].strength = s - 1;
  auto waiting = [] { return asked(schwimmenDecisionTake) && cg.gs.akspieler != 1; };
  // Seat 1 plays by the computer here too; the save waits for a computer seat's middle card.
  for (int f = 0; f < frameLimit && !waiting(); f++) {
    if (cg.gs.phase == 5) startGame(false);
    headlessFrame();
    advanceFakeTick(1);
  }
  ASSERT_TRUE(waiting());
  const TSchwimmenPlan plan = schwimmenArea().seatPlans[cg.gs.akspieler];
  const int32_t seat = cg.gs.akspieler, step = cg.gs.step;
  const std::string base = folder + "/save/schwimmen_take";
  ASSERT_FALSE(cg.saveGame(base, "Test", true));
  TOutcome reference = finishGame(4);
  loadIntoFreshProgram(base);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.akspieler, seat);
  EXPECT_EQ(cg.gs.step, step);
  EXPECT_EQ(cardValues[suitClubs][rankAce], 400 + rankAce) << "the sort keys come back";
  EXPECT_EQ(std::memcmp(&schwimmenArea().seatPlans[cg.gs.akspieler], &plan, sizeof plan), 0) << "the plan comes back";
  TOutcome loaded = finishGame(4);
  EXPECT_EQ(loaded.totals, reference.totals);
  EXPECT_EQ(loaded.hands, reference.hands);
}

}  // namespace

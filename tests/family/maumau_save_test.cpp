// Mau-Mau's area travels with the saved game: a game saved while a penalty is pending,
// loaded into a fresh program with the random generator in the same state, plays on to the
// same result.
#include <gtest/gtest.h>

#include <cstring>

#include "core/card_ai.h"
#include "core/card_order.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/family/maumau_fixture.h"
#include "tests/family/war_fixture.h"

namespace {

using MaumauSave = FamilyTableFixture;

struct TOutcome {
  int32_t total1, total2, total3, winner;
  std::string hand1, hand2, hand3;
};

TOutcome finishGame() {
  randomSeed(9191);
  for (int f = 0; f < 200000 && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
  EXPECT_EQ(cg.gs.phase, 5);
  return {cg.gs.listTotals[1], cg.gs.listTotals[2], cg.gs.listTotals[3], cg.gs.akspieler,
          stackText(1), stackText(2), stackText(3)};
}

TEST_F(MaumauSave, AGameSavedWhileAPenaltyIsPendingPlaysOnAfterLoading) {
  randomSeed(31);
  TMaumauState s = maumauDefaultState();
  s.stackDrawTwo = s.stackSkip = s.announceRule = 1;
  resetHeadlessMaumau(3, s);
  cg.startGame(gidMauMau, 0);
  for (int seat = 1; seat <= 8; seat++) cg.seatRecords[seat].kind = seatKindComputer;
  auto penaltyOpen = [] {
    return cg.gs.awaitingAction == 2 && cg.gs.subState == 3 && pendingMoveCount == 0 && maumauArea().penaltyCount > 0;
  };
  for (int f = 0; f < 200000 && !penaltyOpen() && cg.gs.phase != 5; f++) {
    headlessFrame();
    advanceFakeTick(50);
  }
  ASSERT_TRUE(penaltyOpen());
  const TMaumauState saved = maumauArea();
  const std::string base = folder + "/save/maumau";
  ASSERT_FALSE(cg.saveGame(base, "Test", true));
  TOutcome reference = finishGame();

  static const TCG* blank = new TCG();
  cg = *blank;
  std::memset(static_cast<void*>(&sp), 0, sizeof sp);
  std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
  for (int st = 1; st <= stackCount; st++) sp[st].stackNo = spLayout[st].stackNo = st;
  cardValues = TCardValueTable{};
  cg.gameId = gidMauMau;
  createCardAIs();
  ASSERT_TRUE(cg.loadGame(base));
  const TMaumauState& back = maumauArea();
  EXPECT_EQ(back.penaltyCount, saved.penaltyCount);
  EXPECT_EQ(back.penaltyKind, saved.penaltyKind);
  EXPECT_EQ(back.turnDirection, saved.turnDirection);
  EXPECT_EQ(back.wishedSuit, saved.wishedSuit);
  EXPECT_TRUE(cardsEqual(back.effectCard, saved.effectCard));
  EXPECT_EQ(back.stackDrawTwo, 1);
  EXPECT_EQ(back.moveCounter, saved.moveCounter);
  cg.resumeGame();
  screenMode = 1;
  TOutcome loaded = finishGame();
  EXPECT_EQ(loaded.total1, reference.total1);
  EXPECT_EQ(loaded.total2, reference.total2);
  EXPECT_EQ(loaded.total3, reference.total3);
  EXPECT_EQ(loaded.winner, reference.winner);
  EXPECT_EQ(loaded.hand1, reference.hand1);
  EXPECT_EQ(loaded.hand2, reference.hand2);
  EXPECT_EQ(loaded.hand3, reference.hand3);
}

}  // namespace

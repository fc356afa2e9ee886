// Poker's answers to the core: money text, highscore table, the betting panel's options,
// the area in the saved image and the chip snapshot.
#include <gtest/gtest.h>

#include <memory>

#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/game_state_image.h"
#include "games/casino/poker_betting.h"
#include "tests/casino/poker_table_fixture.h"

using PokerRegistration = PokerTableFixture;

TEST_F(PokerRegistration, MoneyTextAndHighscoreTableAnswerForPoker) {
  pokerArea().chipSet = 2;
  EXPECT_EQ(gameFormatMoney(4), "100 €");
  cg.gameId = gidSkat;
  EXPECT_EQ(gameFormatMoney(4), "4");
  struct Case {
    bool potLimit, splitLimit;
    int table;
  };
  for (const Case& c : {Case{false, false, 1}, Case{true, false, 2}, Case{false, true, 3}}) {
    pokerArea().potLimit = c.potLimit;
    pokerArea().splitLimit = c.splitLimit;
    EXPECT_EQ(pokerHighscoreTable(), c.table);
    EXPECT_EQ(gameAreas.pokerPotLimit(), c.potLimit);
    EXPECT_EQ(gameAreas.pokerSplitLimit(), c.splitLimit);
  }
}

TEST_F(PokerRegistration, PanelOptionsFollowTheSeatsAnswers) {
  TPokerArea& a = pokerArea();
  a.betLevel = 10;
  a.minRaise = 10;
  a.seats[2].stake = 0;
  setMoney(2, 5);
  pokerPrepareSeat(2);
  EXPECT_FALSE(gameAreas.pokerOptionEnabled(2, 2));
  EXPECT_FALSE(gameAreas.pokerOptionEnabled(2, 3));
  EXPECT_TRUE(gameAreas.pokerOptionEnabled(2, 4));
  EXPECT_TRUE(gameAreas.pokerOptionEnabled(2, 1));
  EXPECT_EQ(gameAreas.pokerAmountToCall(2), 10);
  // The core's "poker state 7" is the fold action, not a seat state.
  a.seats[3].state = 2;
  EXPECT_FALSE(gameAreas.pokerSeatOut(3));
  a.seats[3].action = 7;
  EXPECT_TRUE(gameAreas.pokerSeatOut(3));
}

TEST_F(PokerRegistration, AreaTravelsWithTheSavedImage) {
  TPokerArea& a = pokerArea();
  a.startMoney = 200;
  a.splitLimit = 1;
  a.street = 5;
  a.seats[4].speech = "Ich erhöhe";
  a.seats[4].stake = 37;
  a.seats[4].bestCards[7] = 1;
  a.seats[6].winChance = 0.5f;
  a.pot = 123;
  a.wobble = 12.5f;
  a.aggressionHistory[30] = 100;
  a.refund[2] = 9;
  const std::vector<uint8_t> image = gameStateImage(cg.gs);
  auto back = std::make_unique<TGameState>();
  ByteReader r(image);
  ASSERT_TRUE(gameStateFromImage(r, *back));
  EXPECT_EQ(gameStateImage(*back), image);
  const TPokerArea& b = gameArea<TPokerArea>(back->poker);
  EXPECT_EQ(b.startMoney, 200);
  EXPECT_EQ(b.splitLimit, 1);
  EXPECT_EQ(b.street, 5);
  EXPECT_EQ(b.seats[4].speech.str(), "Ich erhöhe");
  EXPECT_EQ(b.seats[4].stake, 37);
  EXPECT_EQ(b.seats[4].bestCards[7], 1);
  EXPECT_EQ(b.seats[6].winChance, 0.5f);
  EXPECT_EQ(b.pot, 123);
  EXPECT_EQ(b.wobble, 12.5f);
  EXPECT_EQ(b.aggressionHistory[30], 100);
  EXPECT_EQ(b.refund[2], 9);
}

TEST_F(PokerRegistration, ChipSnapshotRebuildsTheStacks) {
  static_assert(sizeof(TChipSnapshot) == chipSnapshotSize);
  setMoney(1, 233);
  setMoney(8, 41);
  addChipsToStack(3, 6, 2);
  TChipSnapshot snap{};
  countChipStacks(snap);
  for (int s = 1; s <= 16; s++) resetChipStack(s, true);
  chipSnapshot = snap;
  rebuildChipStacks();
  EXPECT_EQ(chipStackValue(1), 233);
  EXPECT_EQ(chipStackValue(8), 41);
  EXPECT_EQ(chipStacks[3].rows[6].count, 2);
  EXPECT_EQ(chipStacks[7].rows[0].count, snap.stacks[7].chips[0]);
}

// Chip stacks as counts: values, the pot's exact payouts, transfers and the money text.
#include <gtest/gtest.h>

#include "tests/casino/poker_table_fixture.h"

using ChipStacks = PokerTableFixture;

TEST_F(ChipStacks, PotPaysWinnersExactlyOrNot) {
  struct Case {
    const char* name;
    int32_t chips[5];  // pot chips of types 0..4
    int32_t won[2];    // seats 1 and 2; 0 not a winner
    bool canPay;
  };
  const Case cases[] = {
      {"one 200-chip, 20 to pay", {0, 0, 0, 0, 1}, {20, 0}, false},
      {"five 4-chips, 20 to pay", {0, 5, 0, 0, 0}, {20, 0}, true},
      {"two winners of 20, one 20-chip and five 4-chips", {0, 5, 1, 0, 0}, {20, 20}, true},
      {"two winners of 20, one 20-chip", {0, 0, 1, 0, 0}, {20, 20}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetChipStack(8, true);
    for (int t = 0; t <= 4; t++) addChipsToStack(8, t, c.chips[t]);
    for (int s = 1; s <= 2; s++) {
      pokerArea().seats[s].winner = c.won[s - 1] > 0;
      pokerArea().seats[s].won = c.won[s - 1];
    }
    EXPECT_EQ(potCanPayShares(), c.canPay);
  }
}

TEST_F(ChipStacks, ValuesAndTransfersNeverMoveMoreThanHeld) {
  resetChipStack(1, true);
  EXPECT_EQ(chipStackValue(1), 0);
  addChipsToStack(1, 4, 1);
  addChipsToStack(1, 0, 3);
  EXPECT_EQ(chipStackValue(1), 203);
  resetChipStack(8, true);
  EXPECT_EQ(chipTransferNow(1, 8, 17), 17);
  EXPECT_EQ(chipStackValue(1), 186);
  EXPECT_EQ(chipStackValue(8), 17);
  EXPECT_EQ(chipTransferNow(1, 8, 500), 186);
  EXPECT_EQ(chipStackValue(1), 0);
  EXPECT_EQ(chipStackValue(8), 203);
  EXPECT_FALSE(addChipsToStack(8, 0, 320));
  EXPECT_EQ(chipStackValue(8), 203);
}

TEST_F(ChipStacks, MoneyText) {
  struct Case {
    int chipSet;
    int32_t amount;
    const char* text;
  };
  const Case cases[] = {
      {2, 4, "100 €"}, {1, 3, "6 ct"}, {1, 50, "1,00 €"}, {1, 53, "1,06 €"}, {3, 8, "$\x1a" "200"},
      {2, -2, "- 50 €"}, {1, 0, "0 ct"}, {2, 0, "0 €"}, {1, -1, "- 2 ct"},
  };
  for (const Case& c : cases) {
    pokerArea().chipSet = c.chipSet;
    EXPECT_EQ(formatMoney(c.amount), c.text) << c.chipSet << " " << c.amount;
  }
}

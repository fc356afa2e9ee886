// Slot and hand synchronisation of the stacks, and the Skat deck on the stock.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/card_order.h"
#include "games/skat/skat_deck.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

namespace {

void putCards(TSpieler& s, const std::string& text) {
  THand h = handOf(text);
  for (int i = 1; i <= h.anz; i++) s.slots[i].card = h.k[i];
  s.count = h.anz;
}

std::string slotText(const TSpieler& s) {
  THand h{};
  for (int i = 1; i <= s.count; i++) h.k[++h.anz] = s.slots[i].card;
  return handText(h);
}

class StackSyncTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stack = TSpieler{};
    stack.stackNo = 2;
  }
  TSpieler stack{};
};

TEST_F(StackSyncTest, HandFromSlotsNumbersTheCardsAfterAMove) {
  putCards(stack, "cJ sA h10 d7 cK");
  // The third card leaves and the slots close up.
  for (int i = 3; i < 5; i++) stack.slots[i] = stack.slots[i + 1];
  stack.count = 4;
  stack.hand.anz = 9;
  syncHandFromSlots(stack);
  EXPECT_EQ(handSlotsText(stack.hand), "cJ#1 sA#2 d7#3 cK#4");
  EXPECT_EQ(handOwner(stack), 2);
}

TEST_F(StackSyncTest, SlotsFromHandKeepEachSlotsDisplayState) {
  putCards(stack, "d7 cJ sA");
  for (int i = 1; i <= 3; i++) stack.slots[i].pose.x = float(i * 10);
  syncHandFromSlots(stack);
  sortHand(stack.hand, 11);
  syncSlotsFromHand(stack);
  EXPECT_EQ(slotText(stack), "cJ sA d7");
  EXPECT_EQ(stack.slots[1].card.hi, 2) << "a card keeps the slot number of the hand copy";
  EXPECT_EQ(stack.slots[3].card.hi, 1);
  for (int i = 1; i <= 3; i++) EXPECT_EQ(stack.slots[i].pose.x, float(i * 10)) << "slot " << i;
}

TEST_F(StackSyncTest, EmptyAndDamagedCounts) {
  putCards(stack, "cJ sA");
  stack.count = 0;
  syncHandFromSlots(stack);
  EXPECT_EQ(stack.hand.anz, 0);

  stack.count = 5;
  stack.hand.anz = 0;
  syncSlotsFromHand(stack);
  EXPECT_EQ(stack.count, 0);

  stack.count = 500;
  syncHandFromSlots(stack);
  EXPECT_EQ(stack.hand.anz, 166) << "a damaged count is never read past the slots";
  stack.hand.anz = -3;
  syncSlotsFromHand(stack);
  EXPECT_EQ(stack.count, 0);
}

TEST(SkatDeckTest, StockHoldsEachCardOnceInRandomOrder) {
  TSpieler& stock = sp[skatStockStack];
  stock = TSpieler{};
  stock.stackNo = skatStockStack;
  stock.slots[1].pose.y = 7.5f;
  randomSeed(99);
  skatBuildDeck();

  ASSERT_EQ(stock.count, 32);
  std::set<int> seen;
  int inBuildOrder = 0;
  for (int i = 1; i <= 32; i++) {
    const TCard& c = stock.slots[i].card;
    ASSERT_TRUE(c.t >= 1 && c.t <= 8 && c.f >= 1 && c.f <= 4) << "slot " << i << ": " << cardText(c);
    seen.insert(c.t * 10 + c.f);
    if (c.t == (i - 1) / 4 + 1 && c.f == (i - 1) % 4 + 1) inBuildOrder++;
  }
  EXPECT_EQ(seen.size(), 32u) << "every rank 1..8 in every suit once";
  EXPECT_LT(inBuildOrder, 32) << "the deck is shuffled";
  EXPECT_EQ(stock.slots[1].pose.y, 7.5f) << "only rank and suit are written";
  EXPECT_EQ(stock.hand.anz, 32);
  for (int i = 1; i <= 32; i++) EXPECT_TRUE(cardsEqual(stock.hand.k[i], stock.slots[i].card));
}

TEST(SkatDeckTest, SameSeedSameDeck) {
  TSpieler& stock = sp[skatStockStack];
  randomSeed(5);
  skatBuildDeck();
  std::string first = slotText(stock);
  randomSeed(5);
  skatBuildDeck();
  EXPECT_EQ(slotText(stock), first);
}

}  // namespace

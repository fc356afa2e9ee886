// Blackjack tables set up by hand: seats, options written into the area, hands laid into
// the card stacks and money into the chip stacks.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "core/cg.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/chips.h"
#include "games/casino/poker_state.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

class BlackjackTable : public ::testing::Test {
 protected:
  void SetUp() override { setTable(4, false); }
  void TearDown() override {
    blackjackArea() = TBlackjackState{};
    pokerArea() = TPokerArea{};
    for (int s = 1; s <= 16; s++) resetChipStack(s, true);
    for (int i = 1; i <= stackCount; i++) sp[i].count = 0;
  }

  // A table of n seats, the dealer in the middle, every seat in the game.
  static void setTable(int32_t n, bool variant17und4) {
    cg.gameId = gidBlackjack;
    playerCount = cg.seatCount = n;
    blackjackArea() = TBlackjackState{};
    pokerArea() = TPokerArea{};
    TBlackjackState& a = blackjackArea();
    a.variant17und4 = variant17und4;
    a.dealerSeat = n / 2 + 1;
    a.minBet = 2;
    a.maxBet = 80;
    a.doubleAllowed = 1;
    a.playerCardOpen = 1;
    a.deckCount = 1;
    for (int s = 1; s <= 6; s++) a.seats[s].state = pokerArea().seats[s].state = s <= n ? 1 : 0;
    for (int i = 1; i <= stackCount; i++) sp[i].count = 0;
    for (int s = 1; s <= 16; s++) resetChipStack(s, true);
  }
  // Rank codes in hand order; the suits go round.
  static void hand(int32_t seat, std::initializer_list<int> ranks) {
    int j = 0;
    for (int r : ranks) {
      j++;
      sp[seat].slots[j].card = makeCard(r, (j - 1) % 4 + 1);
    }
    sp[seat].count = j;
  }
  static void money(int32_t stack, int32_t amount) {
    resetChipStack(stack, true);
    chipTransferNow(bjBankStack, stack, amount);
  }
};

// A poker table without a window: seats with money, stakes and cards, the board, and the
// chip stacks as counts.
#pragma once

#include <sstream>
#include <string>

#include "games/casino/chips.h"
#include "games/casino/poker_state.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"
#include "tests/casino/poker_fixture.h"

class PokerTableFixture : public PokerEvalFixture {
 public:
  void SetUp() override {
    PokerEvalFixture::SetUp();
    cg.gs = TGameState{};
    chipAnimation.reset();
    for (int s = 1; s <= 16; s++) resetChipStack(s, false);
    for (int s = 1; s <= stackCount; s++) sp[s].count = 0;
    seats(6);
  }
  static void seats(int n) {
    playerCount = n;
    cg.seatCount = n;
    for (int s = 1; s <= 6; s++) pokerArea().seats[s].state = s <= n ? 1 : 0;
  }
  static void setCards(int stack, const std::string& text) {
    THand64 h = hand64Of(text);
    sp[stack].count = h.anz;
    for (int i = 1; i <= h.anz; i++) sp[stack].slots[i].card = h.k[i];
  }
  // Ticks until the queued chips have landed and the spoken texts have had their time.
  static void settleChips() {
    for (int i = 0; i < 10000 && !chipAnimation.isIdle(); i++) {
    }
  }
  static void setMoney(int stack, int32_t amount) {
    resetChipStack(stack, true);
    chipTransferNow(7, stack, amount);
  }
};

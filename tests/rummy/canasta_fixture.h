// Fixture of the meld-table and Canasta tests: a blank cg and table, Canasta with four seats
// and the published bonus values, and helpers that give a seat its hand, lay a meld onto the
// meld-table stack and fill the discard pile.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/cg.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

class CanastaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const TCG* blank = new TCG();
    cg = *blank;
    std::memset(static_cast<void*>(&sp), 0, sizeof sp);
    std::memset(static_cast<void*>(&spLayout), 0, sizeof spLayout);
    for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
    envParam = TEnvParam{};
    envParam.cardSize = 3;
    k12 = Tk12Container{};
    cg.gameId = gidCanasta;
    cg.gs.tableScale = 1;
    seats(4);
    TCanastaOptions& o = canastaArea().options;
    o.packs = 2;
    o.jokerValue = 50;
    o.goingOutBonus = 100;
    o.concealedBonus = 200;
    o.redThreeBonus = 100;
    o.fourRedThreesBonus = 800;
    o.mixedCanastaBonus = 300;
    o.naturalCanastaBonus = 500;
    o.wildCanastaBonus = 1000;
    o.listLength = 99999;
    cg.gs.akspieler = 1;
  }
  void TearDown() override { playerCount = 0; }

  static void seats(int n) { cg.seatCount = playerCount = n; }

  // Teams as the new game seats them: partners opposite.
  static void teams() {
    canastaArea().options.teams = 1;
    for (int s = 1; s <= 6; s++) canastaArea().team[s] = playerCount == 6 ? (s - 1) % 3 + 1 : (s - 1) % 2 + 1;
  }

  static void giveHand(int stack, const std::string& cards) {
    sp[stack].hand = handOf(cards);
    syncSlotsFromHand(sp[stack]);
  }

  // Lays the cards onto the meld-table stack as a new meld of the seat; its number.
  static int32_t layMeld(int seat, const std::string& cards) {
    THand h = handOf(cards);
    int32_t saved = cg.gs.akspieler;
    cg.gs.akspieler = seat;
    int32_t n = k12.addMeld(seat, handUsed(h));
    cg.gs.akspieler = saved;
    for (int i = 1; i <= handUsed(h); i++) {
      int32_t s = ++sp[12].count;
      sp[12].slots[s].card = h.k[i];
      sp[12].slots[s].meldNo = n;
      sp[12].slots[s].meldPos = i;
      k12.melds[n].k[i].hi = static_cast<int16_t>(s);
    }
    return n;
  }

  static std::string meldText(int32_t n) {
    THand m{};
    k12.getMeld(n, m);
    return handText(m);
  }
};

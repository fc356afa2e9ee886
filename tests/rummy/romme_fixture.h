// Fixture of the Rommé and Gin Rummy tests: a blank cg and table, Rommé with four seats and
// the house options, and helpers that give a seat its hand, lift the user's cards and lay a
// meld onto the meld-table stack.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/cg.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

class RommeTest : public ::testing::Test {
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
    cg.gameId = gidRomme;
    cg.gs.tableScale = 1;
    seats(4);
    TRommeOptions& o = rommeArea().options;
    o.packs = 2;
    o.jokerValue = 20;
    o.cardsDealt = 13;
    o.listLength = 99999;
    o.layOffOnOthers = 1;
    cg.gs.akspieler = 1;
    rommeInitSortKeys();
  }
  void TearDown() override { playerCount = 0; }

  static void seats(int n) { cg.seatCount = playerCount = n; }

  static void gin() {
    rommeArea().ginRummy = 1;
    rommeArea().options.cardsDealt = 10;
    rommeArea().options.layOffOnKnockerHand = 1;
    seats(2);
    rommeInitSortKeys();
  }

  static void giveHand(int stack, const std::string& cards) {
    sp[stack].hand = handOf(cards);
    syncSlotsFromHand(sp[stack]);
    syncHandFromSlots(sp[stack]);
  }

  // Lifts the user's hand cards at the given positions, as a click selects them.
  static void lift(std::initializer_list<int> positions) {
    for (int p : positions) {
      TCardSlot& s = sp[1].slots[p];
      s.moving = 1;
      s.animType = 1;
      s.liftState = 2;
    }
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
};

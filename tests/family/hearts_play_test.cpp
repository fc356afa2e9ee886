// Hearts played headless through the core's tick: computer seats of every strength, with a
// random answerer that now and then gives an answer that must be refused.
#include <gtest/gtest.h>

#include <set>

#include "core/card_ai.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "tests/family/hearts_fixture.h"

namespace {

struct TPlayStats {
  int games = 0, moons = 0, suns = 0, refused = 0, badAccepted = 0, goodRefused = 0;
};

bool passAsked() { return cg.gs.bl.decisionKind >= 114 && cg.gs.bl.decisionKind <= 116; }

// A random answer for the seat to act; every fifth is one the game must refuse.
void randomAnswer(TPlayStats& st) {
  int32_t seat = cg.gs.akspieler;
  int n = stackUsed(sp[seat]);
  bool bad = randomBelow(5) == 0;
  if (passAsked()) {
    THand sel{};
    std::set<int> slots;
    while (int(slots.size()) < (bad ? 2 : 3) && int(slots.size()) < n) slots.insert(1 + randomBelow(n));
    for (int s : slots) {
      TCard c = sp[seat].slots[s].card;
      c.hi = int16_t(s);
      handaddk(sel, c);
    }
    cg.submitAction(1, 0, 0, &sel);
    cg.submitAction(bad && randomBelow(2) ? 0 : 2, 0, bad && randomBelow(2) ? 1 : 116);
  } else {
    const THand& legal = heartsArea().legalCards;
    int32_t slot = legal.k[1 + randomBelow(handUsed(legal))].hi;
    if (bad) {
      slot = n + 1;
      for (int k = 1; k <= n; k++)
        if (!hasCard(legal, sp[seat].slots[k].card)) slot = k;
    }
    cg.submitAction(bad && randomBelow(4) == 0 ? 2 : 0, 0, bad && randomBelow(4) == 0 ? 0 : slot);
  }
  bool refused = cg.gs.awaitingAction == 2;
  st.refused += refused;
  if (bad && !refused) st.badAccepted++;
  if (!bad && refused) st.goodRefused++;
}

// Every card of the deck lies in exactly one of Hearts' stacks: hands 1..4, taken tricks
// 7..10, stock 11, trick 12 (the table keeps a copy of the last card played on 14).
void expectEveryCardOnce() {
  std::multiset<int> seen;
  for (int s : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12})
    for (int k = 1; k <= stackUsed(sp[s]); k++)
      if (!isNoCard(sp[s].slots[k].card)) seen.insert(sp[s].slots[k].card.t * 8 + sp[s].slots[k].card.f);
  ASSERT_EQ(seen.size(), 52u);
  ASSERT_EQ(std::set<int>(seen.begin(), seen.end()).size(), 52u);
}

}  // namespace

class HeartsPlay : public HeartsTable {
 protected:
  // One game; false when it stalled.
  bool playGame(bool newList, int strength, bool randomSeats, TPlayStats& st) {
    screenMode = 1;
    cg.startGame(gidHearts, newList ? 0 : 1);
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = s == 1 ? 3 : strength;
    }
    int before[5] = {0, cg.gs.listTotals[1], cg.gs.listTotals[2], cg.gs.listTotals[3], cg.gs.listTotals[4]};
    for (int f = 0; f < 20000 && cg.gs.phase != 5; f++) {
      if (cg.gs.awaitingAction == 2 && randomSeats && randomBelow(2) == 0) randomAnswer(st);
      headlessFrame();
      advanceFakeTick(50);
      if (pendingMoveCount <= 0 && finishedMoves.count == 0 && cg.gs.pendingMove == 0 && cg.gs.phase >= 1) expectEveryCardOnce();
    }
    if (cg.gs.phase != 5) return false;
    const THeartsState& a = heartsArea();
    EXPECT_EQ(handUsed(a.playedCards), 52);
    int sum = 0;
    for (int s = 1; s <= 4; s++) sum += cg.gs.listTotals[s] - before[s];
    EXPECT_EQ(sum, a.sunShooter ? 156 : a.moonShooter ? 78 : 26);
    st.games++;
    st.moons += a.moonShooter != 0;
    st.suns += a.sunShooter != 0;
    return true;
  }
};

TEST_F(HeartsPlay, ListsOfComputerAndRandomSeatsEndCleanly) {
  struct Variant {
    bool sonne;
    int dealMode;
    int direction;
    int strength;
  } variants[] = {{false, 1, 1, 1}, {true, 2, 1, 2}, {true, 1, 2, 3}, {false, 2, 2, 2}};
  TPlayStats st;
  randomSeed(2024);
  for (const Variant& v : variants) {
    setHeadlessDisplay(v.dealMode);
    setTopIndex(dlgDisplay, elSeatOrderList, v.direction);
    bool newList = true;
    for (int g = 0; g < 60; g++) {
      if (newList) {
        heartsArea().sonneRule = v.sonne;
        heartsSetLimits("6 Runden", "100 Punkte", g % 2 == 0);
      }
      ASSERT_TRUE(playGame(newList, v.strength, g % 3 != 0, st)) << "stalled in game " << g;
      newList = cg.gs.listOver != 0 || heartsIsListOver();
    }
  }
  EXPECT_EQ(st.games, 240);
  EXPECT_GT(st.refused, 0);
  EXPECT_EQ(st.badAccepted, 0);
  EXPECT_EQ(st.goodRefused, 0);
}

TEST_F(HeartsPlay, RefusedAnswersChangeNothing) {
  setHeadlessDisplay(1);
  heartsArea().roundLimit = heartsNoRoundLimit;
  screenMode = 1;
  cg.startGame(gidHearts, 0);
  for (int f = 0; f < 200 && cg.gs.awaitingAction != 2; f++) headlessFrame(), advanceFakeTick(1);
  ASSERT_EQ(cg.gs.bl.decisionKind, 114) << "seat 1 passes left in the first game";
  THand before = sp[1].hand;
  cg.submitAction(0, 0, 1);      // a card while passing
  cg.submitAction(2, 0, 116);    // a pass of nothing
  THand two = before;
  two.anz = 2;
  cg.submitAction(1, 0, 0, &two);
  cg.submitAction(2, 0, 116);    // two cards
  cg.submitAction(2, 0, 37);     // an answer not offered
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.subState, heartsAsked);
  EXPECT_EQ(heartsCodes(sp[1].hand), heartsCodes(before));
}

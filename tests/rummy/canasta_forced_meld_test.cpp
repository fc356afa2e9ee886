// The forced three-card meld after a frozen pile was taken with a natural pair: its cards are
// those of the turn's best move, and the best move then names only cards still in the hand,
// what is left of its meld laid off on the forced meld.
#include <vector>

#include "core/card_order.h"
#include "games/rummy/canasta_search.h"
#include "tests/rummy/canasta_ai_selfplay.h"

namespace {

class CanastaForcedMeldTest : public CanastaPlayFixture {
 protected:
  void SetUp() override {
    CanastaPlayFixture::SetUp();
    canastaArea() = TCanastaArea{};
    canastaArea().options = publishedOptions();
    cg.gameId = gidCanasta;
    cg.gs.meldTableInUse = 1;
    cg.gs.phase = 4;
    cg.gs.akspieler = 1;
    cg.gs.bl.pilesSelectable = 1;  // as decision 82 opens
    canastaInitSortKeys();
    k12.clear();
  }
  static void hand(const std::string& cards) {
    sp[1].hand = handOf(cards);
    syncSlotsFromHand(sp[1]);
    spLayout[1].count = sp[1].count;
    for (int i = 1; i <= sp[1].count; i++) spLayout[1].slots[i].card = sp[1].slots[i].card;
  }
  // The step's automatic lay-down, applied and played to its end.
  static void layForced() {
    canastaAutoLayDown(false, 0);
    cg.gs.step = 3;
    canastaApplyMeldAnswer();
    cg.gs.awaitingAction = 2;
    for (int f = 0; f < 500 && (pendingMoveCount > 0 || finishedMoves.count > 0); f++) headlessFrame();
    k12.rebuildFromSlots();
  }
  static std::vector<std::string> hintParts() {
    std::vector<std::string> out;
    const TCanastaMoveList& h = canastaArea().hintMove;
    for (int e = 1; e <= h.count; e++)
      out.push_back(handText(h.entries[e].cards) + ">" + std::to_string(h.entries[e].target));
    return out;
  }
};

TEST_F(CanastaForcedMeldTest, TheForcedMeldFollowsTheBestMoveWhichKeepsTheRest) {
  TComputerTraceWatch watch;
  hand("sK c5 dK d5 hK x cK c2 h7");
  TCanastaArea& a = canastaArea();
  a.spielmit2zwang = handOf("dK").k[1];
  canastaPutMeld(a.hintMove, handOf("cK hK sK dK c2"), 0, 0);
  canastaPutMeld(a.hintMove, handOf("c5 d5 x"), 0, 0);
  canastaUpdateMeldListPoints(a.hintMove);
  layForced();
  ASSERT_EQ(k12.ownMeldCount, 1);
  THand meld{};
  k12.getMeld(1, meld);
  sortHandByValue(meld, 1, 0, true);
  for (int i = 1; i <= meld.anz; i++) meld.k[i].hi = 0;
  EXPECT_EQ(handText(meld), "cK hK dK") << "the best move's kings, not the hand's first";
  EXPECT_EQ(a.spielmit2zwang.t, 0);
  EXPECT_EQ(hintParts(), (std::vector<std::string>{"c5 d5 x>0", "sK>1", "c2>1"}));
  EXPECT_EQ(a.hintMove.totalPoints, 5 + 5 + 50 + 10 + 20);
  THand rest{};
  syncHandFromSlots(sp[1]);
  rest = sp[1].hand;
  for (int e = 1; e <= a.hintMove.count; e++)
    for (int i = 1; i <= handUsed(a.hintMove.entries[e].cards); i++) {
      const int p = indexOfCard(rest, a.hintMove.entries[e].cards.k[i]);
      ASSERT_GE(p, 1) << "the best move names a card no longer in the hand";
      deleteCardAt(rest, p);
    }
  EXPECT_EQ(handText(rest), "h7");
  EXPECT_EQ(watch.lines, std::vector<std::string>{});
}

TEST_F(CanastaForcedMeldTest, WithoutABestMoveTheHandsKingsGoOntoTheSidesMeld) {
  TComputerTraceWatch watch;
  const THand kings = handOf("cK hK sK");
  k12.addMeld(1, 3);
  for (int i = 1; i <= 3; i++) {
    sp[12].slots[i].card = kings.k[i];
    sp[12].slots[i].meldNo = 1;
    sp[12].slots[i].meldPos = i;
    k12.melds[1].k[i].hi = int16_t(i);
  }
  sp[12].count = 3;
  hand("c5 dK hK d7 sK h7");
  canastaArea().spielmit2zwang = handOf("dK").k[1];
  layForced();
  THand meld{};
  k12.getMeld(1, meld);
  EXPECT_EQ(meld.anz, 6);
  syncHandFromSlots(sp[1]);
  EXPECT_EQ(handUsed(sp[1].hand), 3);
  EXPECT_EQ(watch.lines, std::vector<std::string>{});
}

}  // namespace

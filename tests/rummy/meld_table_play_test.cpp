// The meld table with the card table's moves: a new meld and lay-offs played to their end
// land in k12, and stack 12's slots and the meld lists describe the same melds.
#include "core/game_state.h"
#include "games/rummy/meld_table.h"
#include "table/move_executor.h"
#include "table/table_layout.h"
#include "tests/support/alerts.h"
#include "tests/table/table_fixture.h"

namespace {

class MeldTablePlayTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setGame(gidCanasta, 2);
    buildTableLayout(true);
    k12 = Tk12Container{};
    k12.clear();
    cg.gs.meldTableInUse = 1;
    cg.gs.akspieler = 1;
  }
  void TearDown() override {
    k12 = Tk12Container{};
    TableTest::TearDown();
  }
  static std::string meldText(int32_t n) {
    THand m{};
    k12.getMeld(n, m);
    for (int i = 1; i <= m.anz; i++) m.k[i].hi = 0;
    return handText(m);
  }
  // Every slot of stack 12 names the place that the meld lists give it.
  static void expectSlotsMatchMelds() {
    int32_t cards = 0;
    for (int32_t n = 1; n <= 60; n++) {
      if (!k12.inUse(n)) continue;
      for (int32_t p = 1; p <= k12.melds[n].anz; p++) {
        int32_t s = k12.melds[n].k[p].hi;
        ASSERT_GE(s, 1);
        EXPECT_EQ(sp[12].slots[s].meldNo, n) << "slot " << s;
        EXPECT_EQ(sp[12].slots[s].meldPos, p) << "slot " << s;
        cards++;
      }
    }
    EXPECT_EQ(cards, sp[12].count);
  }
  static void play(int32_t src, int32_t dstIndex, const char* selection, uint8_t type) {
    cg.gs.bl.selhand = handOf(selection);
    amove(src, 0, 12, dstIndex, 0, type);
    ASSERT_GT(runUntilIdle(), 0);
    k12.rebuildFromSlots();
  }
};

TEST_F(MeldTablePlayTest, MeldsAndLayOffsLandInTheMeldTable) {
  fill(1, "cK hK dK c7 sK c2 x");
  play(1, 0, "cK#1 hK#2 dK#3", 3);
  EXPECT_EQ(k12.ownMeldCount, 1);
  EXPECT_EQ(meldText(1), "cK hK dK");
  expectSlotsMatchMelds();
  EXPECT_EQ(stackText(1), "c7 sK c2 x");
  play(1, 2, "sK#2", 4);
  EXPECT_EQ(meldText(1), "cK hK dK sK");
  expectSlotsMatchMelds();
  EXPECT_EQ(k12.layOffPending, 0);
  play(1, 1, "c2#2 x#3", 4);
  EXPECT_EQ(meldText(1), "x c2 cK hK dK sK");
  expectSlotsMatchMelds();
  EXPECT_EQ(stackText(1), "c7");
}

TEST_F(MeldTablePlayTest, AnOpponentsMeldGoesToTheOtherSide) {
  fill(2, "c8 h8 d8 c9");
  cg.gs.akspieler = 2;
  play(2, 0, "c8#1 h8#2 d8#3", 3);
  EXPECT_EQ(k12.otherMeldCount, 1);
  EXPECT_EQ(k12.melds[21].owner, 2);
  EXPECT_EQ(meldText(21), "c8 h8 d8");
  expectSlotsMatchMelds();
}

TEST_F(MeldTablePlayTest, ALayOffThatFormsNoMeldIsRefused) {
  fill(1, "cK hK dK c7 sQ");
  play(1, 0, "cK#1 hK#2 dK#3", 3);
  AlertCollector alerts;
  cg.gs.bl.selhand = handOf("sQ#2");
  amove(1, 0, 12, 1, 0, 4);
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0], "ERROR at amtAnlegen(1->12.1): ismeldung(newh)=false");
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(meldText(1), "cK hK dK");
}

}  // namespace

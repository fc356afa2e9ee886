// Taking back a turn's lay-downs: the cards come back into the hand, sorted, the turn's
// points drop by theirs, the melds they formed disappear from k12 and stack 12 alike, and a
// pile card that had to be laid is due again. Red threes laid in the turn, the forced
// three-card meld and an automatic lay-off of several cards stay down.
#include "games/rummy/canasta_history.h"
#include "tests/rummy/canasta_play_fixture.h"

namespace {

class CanastaTakeBackTest : public CanastaPlayFixture {
 protected:
  void SetUp() override {
    CanastaPlayFixture::SetUp();
    fresh();
  }
  static void fresh() {
    canastaArea() = TCanastaArea{};
    canastaArea().options = publishedOptions();
    cg.gameId = gidCanasta;
    cg.gs.meldTableInUse = 1;
    cg.gs.phase = 4;
    cg.gs.akspieler = 1;
    canastaInitSortKeys();
    k12.clear();
  }
  static void hand(const std::string& cards) {
    sp[1].hand = handOf(cards);
    syncSlotsFromHand(sp[1]);
    spLayout[1].count = sp[1].count;
    for (int i = 1; i <= sp[1].count; i++) spLayout[1].slots[i].card = sp[1].slots[i].card;
  }
  // The answer as the step applies it, its cards played to their end.
  static void apply(const std::string& selection, int kind, int16_t a, int16_t b) {
    cg.gs.bl.selhand = handOf(selection);
    cg.gs.getBlender = TGetBlender{a, b, uint8_t(kind)};
    cg.gs.step = 3;
    canastaApplyMeldAnswer();
    cg.gs.awaitingAction = 2;  // the step stays still while the cards land
    for (int f = 0; f < 500 && (pendingMoveCount > 0 || finishedMoves.count > 0); f++) headlessFrame();
    k12.rebuildFromSlots();
  }
  static std::string meldCards(int32_t n) {
    THand m{};
    k12.getMeld(n, m);
    for (int i = 1; i <= m.anz; i++) m.k[i].hi = 0;
    return handText(m);
  }
};

TEST_F(CanastaTakeBackTest, AMeldAndALayOffComeBackSortedWithTheirPoints) {
  hand("c7 cK hK dK c2 s9");
  apply("cK#2 hK#3 dK#4", 2, 0, canastaAnswerMeld);
  ASSERT_EQ(meldCards(1), "cK hK dK");
  EXPECT_EQ(canastaArea().turnPoints, 30);
  apply("c2#2", 3, 12, int16_t(sp[12].count));
  ASSERT_EQ(meldCards(1), "c2 cK hK dK");
  EXPECT_EQ(canastaArea().turnPoints, 50);
  EXPECT_EQ(canastaArea().hcount, 4);
  apply("", 2, 0, canastaAnswerTakeBack);
  EXPECT_EQ(canastaArea().turnPoints, 0);
  EXPECT_EQ(canastaArea().hcount, 0);
  EXPECT_EQ(k12.ownMeldCount, 0);
  EXPECT_EQ(sp[12].count, 0);
  EXPECT_EQ(cg.gs.step, 2);
  syncHandFromSlots(sp[1]);
  EXPECT_EQ(handText(sp[1].hand), "c2 c7 s9 cK hK dK");
  EXPECT_EQ(meldTableMismatch(), "");
}

TEST_F(CanastaTakeBackTest, ALayOffOnAnEarlierMeldTakesBackOnlyTheLaidCard) {
  hand("c7 hQ s9");
  const THand earlier = handOf("cQ dQ sQ");
  k12.addMeld(1, 3);
  for (int i = 1; i <= 3; i++) {
    sp[12].slots[i].card = earlier.k[i];
    sp[12].slots[i].meldNo = 1;
    sp[12].slots[i].meldPos = i;
    k12.melds[1].k[i].hi = int16_t(i);
  }
  sp[12].count = 3;
  apply("hQ#2", 3, 12, 3);
  ASSERT_EQ(meldCards(1), "cQ dQ sQ hQ");
  apply("", 2, 0, canastaAnswerTakeBack);
  EXPECT_EQ(meldCards(1), "cQ dQ sQ");
  EXPECT_EQ(meldTableMismatch(), "");
  syncHandFromSlots(sp[1]);
  EXPECT_EQ(handUsed(sp[1].hand), 3);
  EXPECT_EQ(canastaArea().turnPoints, 0);
}

TEST_F(CanastaTakeBackTest, APileCardThatHadToGoDownIsDueAgain) {
  hand("c9 h9 d9 s5 c4");
  canastaArea().kartenzwang = canastaArea().kartenzwangSaved = handOf("d9").k[1];
  apply("c9#1 h9#2 d9#3", 2, 0, canastaAnswerMeld);
  EXPECT_EQ(canastaArea().kartenzwang.t, 0);
  apply("", 2, 0, canastaAnswerTakeBack);
  EXPECT_TRUE(cardsEqual(canastaArea().kartenzwang, handOf("d9").k[1]));
  EXPECT_EQ(canastaArea().turnPoints, 0);
}

TEST_F(CanastaTakeBackTest, RedThreesStayDownAfterATakeBack) {
  hand("h3 cK hK dK s5");
  apply("h3#1", 2, 0, canastaAnswerMeld);
  EXPECT_EQ(canastaArea().hcount, 0) << "red threes are not recorded";
  apply("cK#1 hK#2 dK#3", 2, 0, canastaAnswerMeld);
  apply("", 2, 0, canastaAnswerTakeBack);
  EXPECT_EQ(k12.ownMeldCount, 1);
  EXPECT_EQ(meldCards(1), "h3");
  EXPECT_EQ(meldTableMismatch(), "");
}

TEST_F(CanastaTakeBackTest, TheStepsOwnLayDownsStayDown) {
  struct Case {
    const char* what;
    const char* earlier;  // a meld of the side before the turn
    int kind;             // how the step lays the nines: a new meld or a lay-off
  } cases[] = {
      {"the forced meld", "", 2},
      {"an automatic lay-off", "s9 c9 h9", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetTable(4);
    fresh();
    hand("c9 h9 d9 cK hK dK s5");
    const THand earlier = handOf(c.earlier);
    if (handUsed(earlier) > 0) {
      k12.addMeld(1, handUsed(earlier));
      for (int i = 1; i <= handUsed(earlier); i++) {
        sp[12].slots[i].card = earlier.k[i];
        sp[12].slots[i].meldNo = 1;
        sp[12].slots[i].meldPos = i;
        k12.melds[1].k[i].hi = int16_t(i);
      }
      sp[12].count = handUsed(earlier);
      canastaArea().autolegen = 1;
    } else {
      canastaArea().spielmit2zwang = handOf("d9").k[1];
    }
    apply("c9#1 h9#2 d9#3", c.kind, c.kind == 3 ? 12 : 0, c.kind == 3 ? int16_t(sp[12].count) : canastaAnswerMeld);
    EXPECT_EQ(canastaArea().hcount, 0);
    apply("cK#1 hK#2 dK#3", 2, 0, canastaAnswerMeld);
    apply("", 2, 0, canastaAnswerTakeBack);
    EXPECT_EQ(k12.ownMeldCount, 1);
    EXPECT_EQ(handUsed(k12.melds[1]), handUsed(earlier) + 3);
    EXPECT_EQ(meldTableMismatch(), "");
    syncHandFromSlots(sp[1]);
    EXPECT_EQ(handText(sp[1].hand), "s5 cK hK dK");
  }
}

}  // namespace

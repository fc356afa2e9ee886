// The move executor: routes of each move type, the note for the core, refused lay-offs.
#include "core/card_order.h"
#include "table/move_executor.h"
#include "table/table_layout.h"
#include "tests/support/alerts.h"
#include "tests/table/table_fixture.h"

namespace {

class ExecutorTest : public TableTest {
 protected:
  void start(TGameId game, int seats) {
    setGame(game, seats);
    buildTableLayout(true);
  }
  // The queued moves as "src.slot>dst.slot/kind" in queue order.
  static std::string queueText() {
    std::string t;
    for (int q = 1; q <= pendingMoveCount; q++) {
      const TPendingMove& m = pendingMoves[q];
      if (!t.empty()) t += " ";
      t += std::to_string(m.srcStack) + "." + std::to_string(m.srcIndex) + ">" +
           std::to_string(m.dstStack) + "." + std::to_string(m.dstIndex) + "/" +
           std::to_string(m.kind);
    }
    return t;
  }
  static void expectNote(int stack, int slot) {
    EXPECT_EQ(cg.gs.pendingMove, 3);
    EXPECT_EQ(cg.gs.pendingStack, stack);
    EXPECT_EQ(cg.gs.pendingSlot, slot);
  }
};

TEST_F(ExecutorTest, OneCardFromPileSixteenGoesThroughGethandAndClosesTheGap) {
  start(gidSchwimmen, 3);
  fill(16, "c7 c8 c9");
  fill(2, "hA");
  amove(16, 2, 2, 0, 1, 0);
  EXPECT_EQ(queueText(), "16.2>-2.1/3 2.1>-2.2/1 16.3>16.2/1");
  expectNote(16, 2);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(2), "c8 hA");
  // The card above the gap moved down into it: nothing of the pile is lost.
  EXPECT_EQ(stackText(16), "c7 c9");
}

TEST_F(ExecutorTest, TwoCardsFromPileSixteenAreDealtIntoTheLayoutCopy) {
  start(gidSchwimmen, 3);
  fill(16, "c7 c8 c9");
  amove(16, 3, 2, 5, 2, 0);
  EXPECT_EQ(queueText(), "16.3>-2.5/3 16.2>-2.4/3");
  expectNote(16, 3);
}

TEST_F(ExecutorTest, OneCardFromPileFifteenIsNotTheStockCase) {
  start(gidSchwimmen, 3);
  fill(15, "d7 d8");
  fill(11, "s7 s8");
  amove(15, 2, 1, 0, 1, 0);
  EXPECT_EQ(pendingMoves[1].srcStack, 15);
  EXPECT_EQ(pendingMoves[1].dstStack, -1);
  EXPECT_EQ(sp[11].slots[2].moving, 0);
}

TEST_F(ExecutorTest, OneCardFromASeatOntoPileSixteenIsPlayedOntoTwelve) {
  start(gidSchwimmen, 3);
  fill(1, "c7 c8");
  amove(1, 2, 16, 0, 1, 0);
  EXPECT_EQ(pendingMoves[1].dstStack, 12);
  EXPECT_EQ(pendingMoves[1].kind, movePlay);
  expectNote(1, 2);
}

TEST_F(ExecutorTest, TypeFiveOnlyUpToSeatNineTypeSevenAnywhere) {
  start(gidSchwimmen, 3);
  fill(13, "c7 c8");
  amove(13, 2, 10, 0, 1, 5);
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(cg.gs.pendingMove, 0);
  amove(13, 2, 3, 0, 1, 5);
  EXPECT_EQ(queueText(), "13.2>-3.1/3");
  expectNote(13, 2);
}

TEST_F(ExecutorTest, UnknownTypesAndUnknownRoutesDoNothing) {
  start(gidSchwimmen, 3);
  fill(1, "c7");
  amove(1, 1, 2, 1, 1, 8);
  amove(1, 1, 2, 1, 1, 0);  // seat to seat: no route
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(cg.gs.pendingMove, 0);
}

TEST_F(ExecutorTest, HeartsPassedCardsAreWrittenIntoTheirTargetsAtOnce) {
  start(gidHearts, 4);
  fill(1, "c7 c8 c9 cJ");
  cg.gs.akspieler = 1;
  cg.gs.bl.selhand = handOf("c8#2 cJ#4");
  amove(1, 0, 8, 0, 0, 3);
  EXPECT_EQ(cardText(sp[8].slots[1].card), "c8");
  EXPECT_EQ(cardText(sp[8].slots[2].card), "cJ");
  EXPECT_EQ(sp[8].count, 0);  // the count follows only as the cards land
  EXPECT_EQ(queueText(), "1.2>8.1/2 1.4>8.2/2 1.1>-1.1/1 1.3>-1.2/1");
}

TEST_F(ExecutorTest, RommeMeldCardsLeaveApartAndTheHandClosesUpAfterThem) {
  start(gidRomme, 2);
  fill(1, "c7 c8 c9 hA");
  cg.gs.akspieler = 1;
  cg.gs.bl.selhand = handOf("c7#1 c8#2 c9#3");
  amove(1, 0, 12, 0, 0, 3);
  EXPECT_EQ(queueText(), "1.1>12.1/2 1.2>12.2/2 1.3>12.3/2 1.4>-1.1/1");
  EXPECT_FLOAT_EQ(sp[1].slots[1].startDelay, 0);
  EXPECT_FLOAT_EQ(sp[1].slots[2].startDelay, 0.15f);
  EXPECT_FLOAT_EQ(sp[1].slots[3].startDelay, 0.3f);
  EXPECT_FLOAT_EQ(sp[1].slots[4].startDelay, 0.45f);
  EXPECT_EQ(spLayout[1].count, 1);
  expectNote(1, 4);
}

TEST_F(ExecutorTest, LayingOffIntoAMeldThatIsNotValidIsRefused) {
  start(gidRomme, 2);
  fill(1, "c7 hA");
  fill(12, "s7 s8 s9");
  for (int i = 1; i <= 3; i++) sp[12].slots[i].meldNo = 1, sp[12].slots[i].meldPos = i;
  cg.gs.akspieler = 1;
  cg.gs.bl.selhand = handOf("c7#1");
  AlertCollector alerts;
  amove(1, 0, 12, 2, 0, 4);
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0], "ERROR at amtAnlegen(1->12.2): isset(newh)=false");
  EXPECT_EQ(pendingMoveCount, 0);
  EXPECT_EQ(cg.gs.pendingMove, 0);
  EXPECT_EQ(stackText(1), "c7 hA");
  EXPECT_EQ(sp[12].slots[4].meldNo, 0);
}

TEST_F(ExecutorTest, CountingOntoAPileLeavesTenthsApart) {
  start(gidSchwimmen, 3);
  fill(12, "c7 c8 c9");
  amove(12, 3, 15, 1, 3, 6);
  EXPECT_EQ(queueText(), "12.3>15.1/16 12.2>15.2/16 12.1>15.3/16");
  EXPECT_FLOAT_EQ(sp[12].slots[1].startDelay, 0.2f);
  expectNote(12, 1);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(sp[15].count, 3);
  EXPECT_EQ(sp[12].count, 0);
}

TEST_F(ExecutorTest, ANoteNeverNamesAMoveThatIsNotQueued) {
  start(gidSchwimmen, 3);
  fill(13, "c7 c8 c9");
  AlertCollector alerts;
  // Three cards from slot 2 upwards: slot 4 does not exist and is refused.
  amove(13, 2, 1, 1, 3, 0);
  EXPECT_EQ(alerts.count(), 1u);
  EXPECT_EQ(pendingMoveCount, 2);
  expectNote(13, 3);
}

TEST_F(ExecutorTest, TypeOnePlaysOntoTheTrick) {
  start(gidDoppelkopf, 4);
  fill(2, "c7 c8 c9");
  amove(2, 3, 12, 0, 1, 1);
  EXPECT_EQ(queueText(), "2.3>12.1/2 2.1>-2.1/1 2.2>-2.2/1");
  expectNote(2, 3);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(12), "c9");
  EXPECT_EQ(stackText(2), "c7 c8");
}

TEST_F(ExecutorTest, TypeTwoPutsOneCardAtItsSortedPlaceInTheMiddle) {
  start(gidSchwimmen, 3);
  for (int f = 1; f <= 4; f++)
    for (int r = 1; r <= 14; r++) cardValues[f][r] = r;
  fill(12, "hA hK h9");
  fill(1, "c7 hQ");
  amove(1, 2, 12, 0, 1, 2);
  // The nine moves up one place, the queen goes where it was.
  EXPECT_EQ(queueText(), "12.3>12.4/1 1.2>12.3/2 1.1>-1.1/1");
  expectNote(1, 2);
  EXPECT_GT(runUntilIdle(), 0);
  EXPECT_EQ(stackText(12), "hA hK hQ h9");
  EXPECT_EQ(stackText(1), "c7");
}

TEST_F(ExecutorTest, TypeTwoRelaysABlockWithinItsStack) {
  start(gidSchwimmen, 3);
  fill(12, "c7 c8 c9");
  amove(12, 3, 12, 3, 3, 2);
  EXPECT_EQ(queueText(), "12.3>12.3/1 12.2>12.2/1 12.1>12.1/1");
  // The rule names slot 3 + 3 - 1, where no card moves; the last move of the pile stands in.
  expectNote(12, 1);
}

}  // namespace

namespace {

// Every route that re-lays cards within a pile, run until all cards landed: no card may be
// lost above the pile's count or replaced by an empty slot, and no move may be refused.
TEST_F(ExecutorTest, CardsReLaidWithinAPileAreAllKept) {
  struct Case {
    const char* name;
    TGameId game;
    int seats, pile;
    int srcIndex, dst, dstIndex, count, type;
    const char* pileAfter;
    const char* seatAfter;  // seat dst after the move ("" when dst is the pile)
  } cases[] = {
      {"one card from a seat's pile", gidSchwimmen, 3, 15, 2, 1, 0, 1, 0, "d7 d9", "d8"},
      {"one card from a won pile below 11", gidHearts, 4, 8, 2, 1, 0, 1, 0, "d7 d9", "d8"},
      {"one card from pile 16", gidSchwimmen, 3, 16, 2, 2, 0, 1, 0, "d7 d9", "d8"},
      // the block is first sorted highest first
      {"a block re-laid within pile 12", gidSchwimmen, 3, 12, 3, 12, 3, 3, 2, "d9 d8 d7", ""},
      {"a block re-laid within pile 16", gidSchwimmen, 3, 16, 3, 16, 3, 3, 2, "d9 d8 d7", ""},
  };
  for (int f = 1; f <= 4; f++)
    for (int r = 1; r <= 14; r++) cardValues[f][r] = r;
  for (const Case& c : cases) {
    resetTable();
    start(c.game, c.seats);
    fill(c.pile, "d7 d8 d9");
    AlertCollector alerts;
    amove(c.pile, c.srcIndex, c.dst, c.dstIndex, c.count, c.type);
    EXPECT_GT(runUntilIdle(), 0) << c.name;
    EXPECT_EQ(stackText(c.pile), c.pileAfter) << c.name;
    if (c.dst != c.pile) {
      EXPECT_EQ(stackText(c.dst), c.seatAfter) << c.name;
    }
    EXPECT_EQ(alerts.count(), 0u) << c.name << ": " << (alerts.count() ? alerts.texts()[0] : "");
  }
}

}  // namespace
namespace {

// Cards moved from one pile to another, run until they landed: the source pile keeps the
// cards that stayed, the target holds the moved ones on top.
TEST_F(ExecutorTest, CardsLeavingAPileLeaveTheRestInIt) {
  struct Case {
    const char* name;
    int src, srcIndex, dst, dstIndex, count;
    const char* srcAfter;
    const char* dstAfter;
  } cases[] = {
      {"laid back from the discard pile onto the stock", 13, 3, 11, 2, 1, "c7 c8", "s7 c9"},
      {"two laid back from pile 12 onto the stock", 12, 3, 11, 3, 2, "c7", "s7 c8 c9"},
      {"pile to pile", 16, 3, 12, 2, 1, "c7 c8", "s7 c9"},
      {"drawn from the stock onto pile 12", 11, 3, 12, 2, 2, "c7", "s7 c9 c8"},
  };
  for (const Case& c : cases) {
    resetTable();
    start(gidSchwimmen, 3);
    fill(c.src, "c7 c8 c9");
    fill(c.dst, "s7");
    amove(c.src, c.srcIndex, c.dst, c.dstIndex, c.count, 0);
    EXPECT_GT(runUntilIdle(), 0) << c.name;
    EXPECT_EQ(stackText(c.src), c.srcAfter) << c.name;
    EXPECT_EQ(stackText(c.dst), c.dstAfter) << c.name;
  }
}

}  // namespace

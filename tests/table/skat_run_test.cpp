// A headless Skat hand through the move queue: the deck dealt to three seats, ten tricks
// played and collected, every card landing once in its target.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/card_order.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "table/deal_moves.h"
#include "table/stack_sync.h"
#include "table/table_layout.h"
#include "tests/table/table_fixture.h"

namespace {

class SkatRunTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    setGame(gidSkat, 3);
    skatInitTables();
    skatInitSortKeys();
    skatBid->gameType = skatTypeGrand;
    skatSetRankOrder(skatTypeGrand);
    trickCards.anz = 0;
    buildTableLayout(true);
    skatBuildDeck();
  }
  void TearDown() override {
    trickCards.anz = 0;
    skatBid->gameType = 0;
    TableTest::TearDown();
  }

  // Frames as the frame handler runs them: finished moves are taken, newest first and only
  // once nothing is moving, then the animation steps. Every report is kept (no move here is
  // noted for the core, so the core would pass them by).
  void runFrames() {
    for (int frame = 0; frame < 2000; frame++) {
      handOver();
      if (pendingMoveCount == 0 && finishedMoves.count == 0) return;
      animationStep();
    }
    FAIL() << "the moves never finished";
  }
  void handOver() {
    while (finishedMoves.count > 0 && pendingMoveCount <= 0) {
      const TFinishedMove m = finishedMoves.moves[finishedMoves.count];
      reports.push_back(m);
      finishedMoves.count--;
    }
  }

  static std::set<std::string> cardsOf(int stack) {
    std::set<std::string> out;
    for (int i = 1; i <= sp[stack].count; i++) out.insert(cardText(sp[stack].slots[i].card));
    return out;
  }

  std::vector<TFinishedMove> reports;
};

TEST_F(SkatRunTest, DealAndTenTricksThroughTheMoveQueue) {
  // The deal: 3, 4 and 3 cards to each seat; the Skat stays on the stock.
  for (int packet : {3, 4, 3})
    for (int seat = 1; seat <= 3; seat++) {
      gethand(seat, packet, 0, 0, 11, 0);
      runFrames();
    }
  std::set<std::string> all;
  for (int s = 1; s <= 3; s++) {
    ASSERT_EQ(sp[s].count, 10) << "seat " << s;
    for (const std::string& c : cardsOf(s)) all.insert(c);
  }
  ASSERT_EQ(sp[11].count, 2);
  for (const std::string& c : cardsOf(11)) all.insert(c);
  EXPECT_EQ(all.size(), 32u);
  // Each dealt card landed once: one report per stock slot taken.
  std::map<int, int> dealtFrom;
  for (const TFinishedMove& m : reports) {
    if (m.srcStack != 11) {
      EXPECT_EQ(m.kind, moveRelayout);  // a seat's earlier cards make room
      EXPECT_EQ(m.srcStack, m.dstStack);
      continue;
    }
    EXPECT_EQ(m.kind, moveDeal);
    dealtFrom[m.srcIndex]++;
  }
  EXPECT_EQ(dealtFrom.size(), 30u);
  for (auto [slot, n] : dealtFrom) EXPECT_EQ(n, 1) << "stock slot " << slot;
  // The user's hand is sorted by the game's card value, highest first.
  for (int i = 1; i < 10; i++)
    EXPECT_FALSE(mehrwertn(sp[1].slots[i + 1].card, sp[1].slots[i].card)) << "slot " << i;

  int leader = 1;
  for (int trick = 1; trick <= 10; trick++) {
    THand bySeat{};
    bySeat.anz = 3;
    for (int k = 0; k < 3; k++) {
      int seat = (leader - 1 + k) % 3 + 1;
      syncHandFromSlots(sp[seat]);
      THand legal = legalCardsForTrick(sp[seat].hand);
      TCard chosen = legal.k[1];
      int before = sp[seat].count;
      reports.clear();
      int slot = playCardToTrick(seat, chosen.hi, 12, 0);
      ASSERT_GE(slot, 1) << "trick " << trick << " seat " << seat;
      runFrames();
      // The card lies once on the trick, as its top card, and left the hand.
      ASSERT_EQ(sp[12].count, k + 1);
      EXPECT_TRUE(cardsEqual(sp[12].slots[k + 1].card, chosen)) << "trick " << trick;
      EXPECT_EQ(sp[seat].count, before - 1);
      EXPECT_EQ(cardsOf(seat).count(cardText(chosen)), 0u);
      int plays = 0;
      for (const TFinishedMove& m : reports) plays += m.kind == movePlay;
      EXPECT_EQ(plays, 1) << "trick " << trick << " seat " << seat;
      handaddk(trickCards, chosen);
      bySeat.k[seat] = chosen;
    }
    int winner = skatTrickWinner(bySeat, leader);
    int won = 6 + winner;
    int had = sp[won].count;
    for (int i = 1; i <= 3; i++) ASSERT_TRUE(movecard(12, i, won, had + i, 1, 2, moveCollect, 0, 0, 0));
    runFrames();
    EXPECT_EQ(sp[12].count, 0);
    EXPECT_EQ(sp[won].count, had + 3);
    trickCards.anz = 0;
    leader = winner;
  }
  std::set<std::string> end;
  for (int s = 1; s <= 3; s++) EXPECT_EQ(sp[s].count, 0) << "seat " << s;
  for (int k : {7, 8, 9, 11})
    for (const std::string& c : cardsOf(k)) end.insert(c);
  EXPECT_EQ(sp[7].count + sp[8].count + sp[9].count, 30);
  EXPECT_EQ(end, all);
  EXPECT_EQ(pendingMoveCount, 0);
}

}  // namespace

// Mau-Mau's card rules: roles, sort values, penalty points, the deck, seat order and legal
// follows, each a table of cases.
#include <gtest/gtest.h>

#include "core/card_order.h"
#include "games/family/maumau_results.h"
#include "tests/family/maumau_fixture.h"

namespace {

TEST(MaumauRoles, RankCarriesTheHighestRoleAndTheEightAlwaysWishes) {
  TMaumauState s = maumauDefaultState();
  s.roleRank[maumauDrawTwo] = rank7;
  s.roleRank[maumauSkip] = rankAce;
  s.roleRank[maumauWish] = rankKing;  // whatever the list shows, the eight wishes
  s.roleRank[maumauReverse] = rank9;
  s.roleRank[maumauPlayAgain] = rank7;  // shared with draw-two: the higher role wins
  maumauArea() = s;
  struct { int rank, role; } cases[] = {
      {rank7, 35}, {rankAce, 32}, {rank8, 33}, {rankKing, 0}, {rank9, 34}, {rankTen, 0}, {rank2, 0}, {0, 0}};
  for (auto c : cases) EXPECT_EQ(maumauCardRole(c.rank), c.role) << "rank " << c.rank;
}

TEST(MaumauSortValues, ByRankAndBySuitWithLowRanksBelowTheSeven) {
  struct { const char* card; int bySuit, byRank; } cases[] = {
      {"c7", 431, 3104}, {"d8", 132, 3201}, {"h10", 237, 3702}, {"sJ", 344, 4403},
      {"cA", 448, 4804}, {"c2", 426, 2604}, {"d6", 130, 3001},
  };
  for (auto c : cases) {
    EXPECT_EQ(maumauSortValue(card(c.card), false), c.bySuit) << c.card;
    EXPECT_EQ(maumauSortValue(card(c.card), true), c.byRank) << c.card;
  }
  // Two to six keep their rank order below the seven in both modes.
  for (bool byRank : {false, true})
    for (const char* pair : {"c2 c3", "c3 c4", "c4 c5", "c5 c6", "c6 c7"}) {
      THand h = handOf(pair);
      EXPECT_LT(maumauSortValue(h.k[1], byRank), maumauSortValue(h.k[2], byRank)) << pair;
    }
}

TEST(MaumauSortValues, SortModeReordersTheUserHandOnlyWhenItChanges) {
  resetHeadlessMaumau(2, maumauDefaultState());
  putCards(1, "c7 dA c8 d7");
  maumauArea().sortByRank = false;
  maumauInitSortKeys();
  maumauSetSortMode(false);
  EXPECT_EQ(stackText(1), "c7 dA c8 d7");  // unchanged mode: nothing moves
  maumauSetSortMode(true);
  EXPECT_EQ(stackText(1), "dA c8 c7 d7");
  maumauSetSortMode(false);
  EXPECT_EQ(stackText(1), "c8 c7 dA d7");
}

TEST(MaumauPenaltyPoints, EveryRankHasItsValue) {
  struct { const char* hand; int points; } cases[] = {
      {"", 0}, {"c8", 50}, {"c10 sJ hQ dK", 40}, {"c9", 9}, {"c7", 7}, {"c6 c5 c4 c3 c2", 20}, {"cA", 1},
      {"c8 d8 hA", 101},
  };
  for (auto c : cases) EXPECT_EQ(maumauPenaltyPoints(handOf(c.hand)), c.points) << c.hand;
}

TEST(MaumauDeck, OneOrTwoCopiesAndTheLowCardsOnce) {
  for (int copies : {1, 2}) {
    TMaumauState s = maumauDefaultState();
    s.deckCopies = copies;
    resetHeadlessMaumau(4, s);
    maumauBuildDeck();
    syncHandFromSlots(sp[maumauStock]);
    const THand& h = sp[maumauStock].hand;
    ASSERT_EQ(h.anz, copies == 1 ? 52 : 84);
    for (int r = 1; r <= 13; r++)
      for (int f = 1; f <= 4; f++)
        EXPECT_EQ(countCard(h, makeCard(r, f)), r <= rankAce ? copies : 1) << "rank " << r << " suit " << f;
  }
}

TEST(MaumauSeats, SeatsAfterAndBeforeFollowTheDirection) {
  resetHeadlessMaumau(4, maumauDefaultState());
  struct { int toAct, direction, n, after, before; } cases[] = {
      {1, 1, 1, 2, 4}, {4, 1, 1, 1, 3}, {4, 1, 3, 3, 1}, {1, 2, 1, 4, 2}, {2, 2, 2, 4, 4}, {3, 1, 4, 3, 3},
  };
  for (auto c : cases) {
    cg.gs.akspieler = c.toAct;
    maumauArea().turnDirection = c.direction;
    EXPECT_EQ(maumauSeatAfter(c.n), c.after) << c.toAct << "/" << c.direction << "/" << c.n;
    EXPECT_EQ(maumauSeatBefore(c.n), c.before) << c.toAct << "/" << c.direction << "/" << c.n;
  }
}

// Legal follows as the table judges them while a normal turn is open.
TEST(MaumauLegality, FollowsByRankSuitAndWish) {
  struct {
    const char* top;
    int wished;
    bool wishOnWish;
    const char* card;
    bool legal;
  } cases[] = {
      {"h9", 0, false, "hK", true},   {"h9", 0, false, "c9", true},  {"h9", 0, false, "cK", false},
      {"h9", 0, false, "s8", true},   // the eight goes on anything but an eight
      {"h8", 2, false, "sK", true},   {"h8", 2, false, "hK", false}, // only the wished suit
      {"h8", 2, false, "c8", false},  {"h8", 2, true, "c8", true},   // wish on wish
      {"h8", 2, false, "s8", false},  // a wish card of the wished suit is still a wish card
      {"h8", 2, false, "h8", false},  // same rank alone does not follow a wish card
      {"h8", 0, false, "hK", false},  // nothing while the suit is not wished yet
  };
  for (auto c : cases) {
    TMaumauState s = maumauDefaultState();
    s.wishOnWish = c.wishOnWish;
    layPosition({c.card, "c7"}, c.top, "dK", 1, s);
    maumauArea().wishedSuit = c.wished;
    cg.gs.bl.cardsSelectable = 1;
    cg.gs.bl.showOptions = 0;
    cg.gs.bl.decisionKind = 37;
    EXPECT_EQ(maumauIsLegalCard(card(c.card)), c.legal) << c.card << " on " << c.top << " wished " << c.wished;
  }
}

TEST(MaumauLegality, PenaltyDecisionsAllowOnlyTheirOwnRole) {
  struct { int kind; const char* card; bool legal; } cases[] = {
      {31, "h7", true}, {31, "hK", false}, {32, "hA", true}, {32, "h7", false}, {37, "hK", true},
  };
  for (auto c : cases) {
    layPosition({c.card, "c7"}, "h9", "dK", 1, maumauDefaultState());
    cg.gs.bl.cardsSelectable = 1;
    cg.gs.bl.showOptions = c.kind != 37;
    cg.gs.bl.decisionKind = c.kind;
    EXPECT_EQ(maumauIsLegalCard(card(c.card)), c.legal) << c.kind << " " << c.card;
    cg.gs.bl.cardsSelectable = 0;
    EXPECT_FALSE(maumauIsLegalCard(card(c.card))) << "no card while cards are not allowed";
  }
}

TEST(MaumauLegality, NothingIsLegalWhileTheLastCardIsUnannounced) {
  TMaumauState s = maumauDefaultState();
  s.announceRule = true;
  layPosition({"hK", "c7"}, "h9", "dK", 1, s);
  cg.gs.bl.cardsSelectable = 1;
  EXPECT_FALSE(maumauIsLegalCard(card("hK")));
  maumauArea().saidMau[1] = true;
  EXPECT_TRUE(maumauIsLegalCard(card("hK")));
}

TEST(MaumauOptions, RankOfEachRoleListEntry) {
  int expected[] = {0, rankAce, rank2, rank3, rank4, rank5, rank6, rank7, rank9, rankTen, rankJack, rankQueen, rankKing, rank8, 0};
  for (int entry = 0; entry <= 14; entry++) EXPECT_EQ(maumauRankFromOption(entry), expected[entry]) << entry;
}

TEST(MaumauOptions, NumberOfAListEntry) {
  struct { const char* text; int number; } cases[] = {
      {"1 Runde", 1}, {"100 Runden", 100}, {"1500 Punkte", 1500}, {"Keine Grenze", 99999}, {"", 99999}, {"12", 99999},
  };
  for (auto c : cases) EXPECT_EQ(maumauOptionNumber(c.text), c.number) << c.text;
}

}  // namespace

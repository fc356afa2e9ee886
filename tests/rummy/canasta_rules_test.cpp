// Canasta's rules: valid melds and their ranks, canastas and bonuses, card and meld points,
// the first-meld minimum, the deal, laying down with the going-out rule and the pile rules.
#include "tests/rummy/canasta_fixture.h"

#include "core/card_order.h"
#include "games/rummy/canasta_state.h"

namespace {

using CanastaRulesTest = CanastaTest;

TEST_F(CanastaRulesTest, MeldValidityAndRank) {
  struct Case {
    const char* cards;
    int rankWithout, rankWith;  // canastaMeldRank without and with wild canastas; 0 invalid
  } cases[] = {
      {"cK hK c2 h2", rankKing, 0},          // half wild
      {"cK hK sK c2 h2", rankKing, rankKing},
      {"cK hK sK c2 h2 d2", rankKing, 0},
      {"c2 h2 x", 0, rankJoker},             // wild cards alone
      {"c2 h2 x d2 s2 h2 x", 0, rankJoker},
      {"c2 x", 0, 0},
      {"cK c2 h2", 0, 0},                    // one natural card
      {"cK hK sK dK c2 h2 d2 x", 0, 0},      // four wild cards
      {"cK hK", 0, 0},
      {"cK hK dQ", 0, 0},
      {"c2 cK hK", rankKing, rankKing},
      {"c3 s3 c3", rank3, rank3},            // black threes
      {"c3 s3", 0, 0},
      {"c3 s3 h3", 0, 0},
      {"c3 s3 c2", 0, 0},
      {"h3", rank3, rank3},                  // red threes
      {"h3 d3 h3 d3", rank3, rank3},
      {"h3 c3 d3", rank3, rank3},
      {"h3 d3 c2", 0, 0},
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    THand h = handOf(c.cards);
    canastaArea().options.wildCanastas = 0;
    EXPECT_EQ(canastaIsValidMeld(h), c.rankWithout != 0) << c.cards;
    EXPECT_EQ(canastaMeldRank(h), c.rankWithout) << c.cards;
    canastaArea().options.wildCanastas = 1;
    EXPECT_EQ(canastaIsValidMeld(h), c.rankWith != 0) << c.cards << " wild canastas";
    EXPECT_EQ(canastaMeldRank(h), c.rankWith) << c.cards << " wild canastas";
  }
  EXPECT_EQ(canastaMeldNaturalRank(handOf("c2 x hQ cK")), rankQueen);
  EXPECT_EQ(canastaMeldNaturalRank(handOf("c2 x")), 0);
}

TEST_F(CanastaRulesTest, CanastasAndTheirBonuses) {
  canastaArea().options.wildCanastas = 1;
  struct Case {
    const char* cards;
    bool canasta;
    int bonus;
  } cases[] = {
      {"cK hK sK dK cK hK sK", true, 500},
      {"cK hK sK dK cK hK c2", true, 300},
      {"x cK hK sK dK cK hK sK", true, 300},
      {"c2 h2 x d2 s2 h2 x", true, 1000},
      {"cK hK sK dK cK hK", false, 0},
      {"cK hK sK dK cK c2 h2", true, 300},
  };
  for (const Case& c : cases) {
    THand h = handOf(c.cards);
    EXPECT_EQ(canastaIsCanasta(h), c.canasta) << c.cards;
    EXPECT_EQ(canastaMeldPoints(h, 3), c.bonus) << c.cards;
  }
  layMeld(1, "cK hK sK dK cK hK sK");
  layMeld(1, "cQ hQ sQ");
  EXPECT_TRUE(canastaMeldIsCanasta(1));
  EXPECT_FALSE(canastaMeldIsCanasta(2));
}

TEST_F(CanastaRulesTest, CardAndMeldPoints) {
  struct Case {
    const char* cards;
    int all, cardPart, redThrees, hand;  // parts 0, 1 and 2; the cards left in a hand
  } cases[] = {
      {"x", 50, 50, 0, 50},
      {"c2 cA", 40, 40, 0, 40},
      {"cK cQ cJ c10 c9 c8", 60, 60, 0, 60},
      {"c7 c6 c5 c4 c3", 25, 25, 0, 25},
      {"h3", 100, 0, 100, 0},
      {"h3 d3 h3", 300, 0, 300, 0},
      {"h3 d3 h3 d3", 800, 0, 800, 0},
      {"h3 d3 h3 d3 h3", 800, 0, 800, 0},
      {"h3 cK", 100, 0, 100, 10},  // a hand led by a red three still counts its king
      {"cK hK sK dK cK hK sK", 570, 70, 0, 70},
      {"", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    THand h = handOf(c.cards);
    EXPECT_EQ(canastaMeldPoints(h, 0), c.all) << c.cards;
    EXPECT_EQ(canastaMeldPoints(h, 1), c.cardPart) << c.cards;
    EXPECT_EQ(canastaHandPoints(h), c.cardPart) << c.cards;
    EXPECT_EQ(canastaMeldPoints(h, 2), c.redThrees) << c.cards;
    EXPECT_EQ(canastaHandCardPoints(h), c.hand) << c.cards;
  }
  canastaArea().options.jokerValue = 30;
  EXPECT_EQ(canastaCardPoints(card("x")), 30);
  EXPECT_EQ(canastaCardPoints(card("d3")), 0);
  EXPECT_EQ(canastaCardPoints(card("s3")), 5);
}

TEST_F(CanastaRulesTest, FirstMeldMinimumAtEachEdge) {
  struct Case {
    int total, minimum;
  } cases[] = {{-1, 15}, {-500, 15}, {0, 50}, {1499, 50}, {1500, 90}, {2999, 90}, {3000, 120}, {9000, 120}};
  for (const Case& c : cases) EXPECT_EQ(canastaMinimumForTotal(c.total), c.minimum) << c.total;
}

TEST_F(CanastaRulesTest, CardsDealt) {
  struct Case {
    int seats, packs, dealt;
    bool tutorial;
    int cards;
  } cases[] = {
      {2, 1, 0, false, 15}, {2, 2, 0, false, 15}, {2, 3, 0, false, 15}, {3, 2, 0, false, 13},
      {3, 1, 0, false, 13}, {4, 1, 0, false, 13}, {4, 2, 0, false, 11}, {4, 3, 0, false, 13},
      {5, 2, 0, false, 11}, {6, 2, 0, false, 11}, {6, 3, 0, false, 13}, {4, 2, 0, true, 13},
      {2, 2, 0, true, 13},  {4, 2, 9, false, 9},  {2, 2, 16, true, 16},
  };
  for (const Case& c : cases) {
    seats(c.seats);
    canastaArea().options.packs = c.packs;
    canastaArea().options.cardsDealt = c.dealt;
    cg.gs.tutorialMode = c.tutorial;
    EXPECT_EQ(canastaCardsToDeal(), c.cards) << c.seats << " seats, " << c.packs << " packs";
  }
}

TEST_F(CanastaRulesTest, SortKeysOrderTwosFirstAndJokersLast) {
  canastaInitSortKeys();
  const char* order[] = {"c2", "s2", "c3", "d3", "c4", "c5", "c6", "c7", "c8",
                         "c9", "c10", "cJ", "cQ", "cK", "cA", "dA", "x"};
  int last = 0;
  for (const char* c : order) {
    TCard k = card(c);
    EXPECT_GT(cardValues[k.f][k.t], last) << c;
    last = cardValues[k.f][k.t];
  }
}

TEST_F(CanastaRulesTest, LayingDownKeepsCardsUnlessTheSideOwnsACanasta) {
  struct Case {
    int seat;
    const char* hand;
    const char* meld;
    bool sideCanasta;
    bool ok;
  } cases[] = {
      {1, "cK hK dK c7 c8", "cK hK dK", false, true},
      {1, "cK hK dK c7", "cK hK dK", false, false},  // one card left to discard: going out
      {2, "cK hK dK c7", "cK hK dK", false, false},
      {1, "cK hK dK c7", "cK hK dK", true, true},
      {1, "cK hK dK", "cK hK dK", true, true},
      {1, "cK hK dK sK cK hK dK", "cK hK dK sK cK hK dK", false, true},  // the meld is a canasta
      {1, "c3 s3 c3", "c3 s3 c3", true, true},                            // black threes empty the hand
      {1, "c3 s3 c3", "c3 s3 c3", false, false},
      {1, "c3 s3 c3 c7 c8", "c3 s3 c3", true, false},
      {1, "h3 d3", "h3 d3", false, true},  // red threes are replaced at once
      {1, "cK hK c8 c9", "cK hK", true, false},
  };
  for (const Case& c : cases) {
    k12.clear();
    sp[12].count = 0;
    int side = c.seat == 1 ? 1 : 2;
    if (c.sideCanasta) layMeld(side, "cA hA sA dA cA hA sA");
    cg.gs.akspieler = c.seat;
    giveHand(c.seat, c.hand);
    EXPECT_EQ(canastaCanMeld(handOf(c.meld)), c.ok) << c.seat << ": " << c.hand << " / " << c.meld;
  }
}

TEST_F(CanastaRulesTest, ASideMeldsEachRankOnce) {
  teams();
  layMeld(3, "cK hK dK");
  layMeld(1, "c3 s3 c3");
  giveHand(1, "cK hK sK c7 c8 s3 c3 s3 h8 d8 s8");
  EXPECT_FALSE(canastaCanMeld(handOf("cK hK sK")));
  EXPECT_TRUE(canastaCanMeld(handOf("h8 d8 s8")));
  EXPECT_TRUE(canastaTeamHasRankMeldB(1, rank3));
  EXPECT_FALSE(canastaTeamHasRankMeld(1, rank3));
  EXPECT_EQ(canastaFindTeamRankMeld(3, rankKing), 1);
  EXPECT_EQ(canastaFindTeamRankMeld(2, rankKing), 0);
  // A side without a free meld place opens no meld.
  while (k12.ownMeldCount < ownMeldCapacity) k12.addMeld(1, 0);
  EXPECT_FALSE(canastaCanMeld(handOf("h8 d8 s8")));
}

TEST_F(CanastaRulesTest, LayingOffFollowsTheGoingOutRule) {
  layMeld(1, "cK hK dK");
  struct Case {
    const char* hand;
    const char* cards;
    bool ok;
  } cases[] = {
      {"sK c7 c8", "sK", true},
      {"sK c7", "sK", false},
      {"sK hK dK cK c7", "sK hK dK cK", true},  // completes a canasta
      {"sQ c7 c8", "sQ", false},
  };
  for (const Case& c : cases) {
    giveHand(1, c.hand);
    EXPECT_EQ(canastaCanLayOffOn(handOf(c.cards), 1), c.ok) << c.hand;
  }
}

TEST_F(CanastaRulesTest, TeamCanastaFlagFollowsTheSidesMelds) {
  teams();
  EXPECT_FALSE(canastaTeamHasCanasta(3));
  layMeld(3, "cA hA sA dA cA hA sA");
  EXPECT_TRUE(canastaTeamHasCanasta(1));
  EXPECT_EQ(canastaArea().teamCanasta[1], 1);
  EXPECT_FALSE(canastaUpdateTeamCanastaFlag(2));
}

TEST_F(CanastaRulesTest, GoingOutBonus) {
  TCanastaArea& can = canastaArea();
  struct Case {
    bool teams;
    int wentOut;
    bool concealed;
    int seat, bonus;
  } cases[] = {
      {false, 0, false, 1, 0},  {false, 2, false, 2, 100}, {false, 2, true, 2, 200},
      {false, 2, false, 4, 0},  {true, 2, false, 4, 100},  {true, 2, true, 4, 200},
      {true, 2, false, 1, 0},
  };
  for (const Case& c : cases) {
    can.options.teams = 0;
    if (c.teams) teams();
    can.wentOutSeat = c.wentOut;
    can.wentOutConcealed = c.concealed;
    EXPECT_EQ(canastaGoingOutBonus(c.seat), c.bonus) << c.wentOut << " " << c.seat;
  }
  can.options.goingOutBonus = 150;
  can.wentOutConcealed = 0;
  EXPECT_EQ(canastaGoingOutBonus(2), 150);
}

TEST_F(CanastaRulesTest, TakingThePile) {
  TCanastaArea& can = canastaArea();
  struct Case {
    const char* pile;
    const char* hand;
    bool needsFirst, alwaysFrozen;
    int best, bestWithPile, minimum;
    bool ok;
    int kind;
  } cases[] = {
      {"c7 hK", "cK dK c8 c9", false, false, 0, 0, 0, true, 3},
      {"c7 hK", "cK c2 c8 c9", false, false, 0, 0, 0, true, 3},   // one natural and a wild card
      {"c7 hK", "cK c8 c9 c10", false, false, 0, 0, 0, false, 0},
      {"c7 h2", "c2 d2 c8 c9", false, false, 0, 0, 0, false, 0},  // wild top card
      {"c7 x", "c8 c9", false, false, 0, 0, 0, false, 0},
      {"c7 c3", "c3 s3 c8 c9", false, false, 0, 0, 0, false, 0},  // black three on top
      {"hK", "cK", false, false, 0, 0, 0, false, 0},              // one card each
      {"", "cK dK c8", false, false, 0, 0, 0, false, 0},
      {"c2 hK", "cK dK c8 c9", false, false, 0, -1, 0, false, 0},  // frozen, no natural pair
      {"c2 hK", "cK dK c8 c9", false, false, 0, 30, 50, false, 0},
      {"c2 hK", "cK dK c8 c9", false, false, 0, 60, 50, true, 1},
      {"c2 hK", "cK dK", false, false, 0, 60, 50, false, 0},      // the forced meld leaves one card
      {"c7 hK", "cK dK c8 c9", false, true, 0, 60, 50, true, 1},  // always frozen
      {"c7 hK", "cK dK c8 c9", true, false, 40, 0, 50, false, 0},
      {"c7 hK", "cK dK c8 c9", true, false, 50, 0, 50, true, 2},
  };
  for (const Case& c : cases) {
    giveHand(13, c.pile);
    giveHand(1, c.hand);
    can.firstMeldMade[1] = c.needsFirst ? 0 : 1;
    can.options.pileAlwaysFrozen = c.alwaysFrozen;
    can.bestPoints = c.best;
    can.bestPointsWithPile = c.bestWithPile;
    can.meldMinimum = c.minimum;
    can.pileTakeKind = 9;
    EXPECT_EQ(canastaCanTakePile(), c.ok) << c.pile << " / " << c.hand;
    EXPECT_EQ(can.pileTakeKind, c.kind) << c.pile << " / " << c.hand;
    if (c.ok) {
      EXPECT_EQ(cardText(can.pileTopCard), cardText(card("hK")));
    }
  }
}

TEST_F(CanastaRulesTest, UsingThePileCardKeepsEnoughCards) {
  giveHand(13, "hK");
  giveHand(1, "cK dK c8 c9");
  EXPECT_TRUE(canastaMayTakePileWith(1, card("hK"), 0));
  giveHand(1, "cK dK");
  EXPECT_FALSE(canastaMayTakePileWith(1, card("hK"), 0));
  layMeld(1, "cA hA sA dA cA hA sA");
  EXPECT_TRUE(canastaMayTakePileWith(1, card("hK"), 0));
  EXPECT_FALSE(canastaMayTakePileWith(1, noCard(), 0));
  // A card that fits a meld of the side.
  k12.clear();
  sp[12].count = 0;
  layMeld(1, "cK hK sK");
  giveHand(1, "c5 c6");
  EXPECT_TRUE(canastaMayTakePileWith(1, card("hK"), 1));
  giveHand(1, "c5");
  EXPECT_FALSE(canastaMayTakePileWith(1, card("hK"), 0));
}

}  // namespace

// The table's questions to the games and its own questions.
#include "table/table_layout.h"
#include "table/table_questions.h"
#include "tests/table/table_fixture.h"

namespace {

class QuestionsTest : public TableTest {};

TEST_F(QuestionsTest, GamesWithoutLegalityRulesAcceptEveryCardOnlyWhileOneIsExpected) {
  TCard c = card("hA"), led = card("c7");
  for (TGameId g : {gidBlackjack, gidWar, gidCanasta, gidPoker, gidOldMaid}) {
    cg.gameId = g;
    cg.gs.bl.cardsSelectable = 1;
    EXPECT_TRUE(isLegalCard(c)) << "game " << int(g);
    EXPECT_TRUE(isLegalFollow(c, led)) << "game " << int(g);
    cg.gs.bl.cardsSelectable = 0;
    EXPECT_FALSE(isLegalCard(c)) << "game " << int(g);
    EXPECT_FALSE(isLegalFollow(c, led)) << "game " << int(g);
    EXPECT_TRUE(allCardsSelectable()) << "game " << int(g);
  }
}

TEST_F(QuestionsTest, HandsAreClosedInTheShadowPass) {
  cg.gameId = gidPoker;
  drawPass = 2;
  EXPECT_FALSE(isSeatHandOpen(2));
}

TEST_F(QuestionsTest, TopVisibleCardSkipsCardsFlyingAway) {
  fill(12, "c7 c8 c9");
  sp[12].slots[3].moving = 1;
  struct Case {
    int index;
    bool top;
  } cases[] = {{1, true}, {2, true}, {3, false}, {4, false}};
  for (const Case& c : cases) EXPECT_EQ(isTopVisibleCard(12, c.index), c.top) << "card " << c.index;
  sp[12].slots[3].moving = 0;
  EXPECT_FALSE(isTopVisibleCard(12, 2));
  EXPECT_TRUE(isTopVisibleCard(12, 3));
}

TEST_F(QuestionsTest, ClosedPiles) {
  struct Case {
    TGameId game;
    int stack;
    bool closed;
  } cases[] = {{gidSkat, 11, true},   {gidSkat, 7, false},      {gidHearts, 7, true},
               {gidDoppelkopf, 10, true}, {gidJass, 12, false}, {gidSchafkopf, 9, true}};
  for (const Case& c : cases) {
    cg.gameId = c.game;
    EXPECT_EQ(isStockOrTrickPile(c.stack), c.closed) << "game " << int(c.game) << " stack " << c.stack;
  }
}

TEST_F(QuestionsTest, TopCardSuitIsTheSuitOfTheCopyOnFourteen) {
  cg.gameId = gidMauMau;
  fill(14, "s9");
  EXPECT_EQ(topCardSuit(), suitSpades);
}

TEST_F(QuestionsTest, ShadingFollowsTheSetting) {
  cg.gameId = gidSkat;
  envParam.shadeMode = 1;
  EXPECT_FALSE(shadesUnplayableCards(1));
  envParam.shadeMode = 4;
  EXPECT_TRUE(shadesUnplayableCards(1));
  cg.gameId = gidRomme;
  envParam.shadeMode = 1;
  cg.gs.step = 6;
  EXPECT_TRUE(shadesUnplayableCards(1));
  EXPECT_FALSE(shadesUnplayableCards(2));
}

TEST_F(QuestionsTest, SkatOpenHandPlaces) {
  setGame(gidSkat, 3);
  TCardPose rest{100, 125, -1000, 7, 200, 0};
  TCardPose p2 = getOpenHandPos(rest, 2);
  EXPECT_FLOAT_EQ(p2.x, -60);
  EXPECT_FLOAT_EQ(p2.z, -900);
  EXPECT_FLOAT_EQ(p2.rotY, 200);
  TCardPose p3 = getOpenHandPos(rest, 3);
  EXPECT_FLOAT_EQ(p3.x, 0);
  EXPECT_FLOAT_EQ(p3.z, -1100);
  EXPECT_FLOAT_EQ(p3.rotY, 20);
  envParam.perspective = 1;
  TCardPose above = getOpenHandPos(rest, 3);
  EXPECT_FLOAT_EQ(above.x, 100);
  EXPECT_FLOAT_EQ(above.rotY, 200);
}

TEST_F(QuestionsTest, OpenHandOfOtherGamesLeavesTheSeatAlone) {
  setGame(gidSchwimmen, 3);
  fill(2, "c7 c8 c9");
  buildTableLayout(false);
  TCardPose rest = sp[2].restPose;
  TCardSlot slot = sp[2].slots[2];
  TCardPose open = getOpenHandPos(rest, 2);
  EXPECT_FLOAT_EQ(sp[2].restPose.x, rest.x);
  EXPECT_FLOAT_EQ(sp[2].slots[2].pose.x, slot.pose.x);
  // Laid open: moved 0.13 along the arc, then 120 to the left, turned by half.
  TSpieler copy = sp[2];
  placeSeat(copy, true, 3);
  EXPECT_FLOAT_EQ(open.x, copy.restPose.x - 120);
  EXPECT_FLOAT_EQ(open.rotY, (copy.restPose.rotY - 180) * 0.5f);
}

}  // namespace

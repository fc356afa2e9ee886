// Mau-Mau's play step driven through submitted answers: penalties and their stacking,
// wishes, reverse, play-again, the announcement, drawing, passing and refills.
#include <gtest/gtest.h>

#include "tests/family/maumau_fixture.h"

namespace {

TMaumauState rules(bool stackDraw = false, bool stackSkip = false, bool announce = false) {
  TMaumauState s = maumauDefaultState();
  s.stackDrawTwo = stackDraw;
  s.stackSkip = stackSkip;
  s.announceRule = announce;
  return s;
}

constexpr const char* plentyStock = "d9 d10 dJ dQ dK dA s9 s10 sJ sQ sK c10 cJ cQ cK";

TEST(MaumauFlow, DrawTwoStacksOnlyWithItsOption) {
  struct { bool stack; int stacked; int drawn; } cases[] = {
      {false, 1, 2}, {true, 1, 2}, {false, 2, 2}, {true, 2, 4}, {false, 3, 2}, {true, 3, 6},
  };
  for (auto c : cases) {
    std::vector<std::string> hands{"h7 cK cQ", "s7 dQ dJ", "c7 hQ hJ", "hK sQ sJ"};
    // Seats after the last stacked card hold no seven.
    for (int s = c.stacked; s < 3; s++) hands[s] = "hA hQ hJ";
    layPosition(hands, "h9", plentyStock, 1, rules(c.stack));
    ASSERT_TRUE(runToDecision());
    for (int s = 1; s <= c.stacked; s++) {
      ASSERT_EQ(cg.gs.akspieler, s);
      answer(0, 1);
    }
    int victim = c.stacked + 1;
    ASSERT_EQ(cg.gs.akspieler, victim);
    EXPECT_EQ(cg.gs.bl.decisionKind, 31);
    EXPECT_EQ(optionValues(), "31");
    EXPECT_EQ(2 * maumauArea().penaltyCount, c.drawn) << "stack " << c.stack << " stacked " << c.stacked;
    answer(2, 31);
    EXPECT_EQ(stackUsed(sp[victim]), 3 + c.drawn);
    EXPECT_EQ(cg.gs.akspieler, victim) << "the seat plays on after drawing";
    EXPECT_EQ(cg.gs.bl.decisionKind, 37);
    EXPECT_EQ(maumauArea().penaltyCount, 0);
  }
}

TEST(MaumauFlow, SkipsStackOnlyWithTheirOption) {
  struct { bool stack; std::vector<int> sitOut; int nextToPlay; } cases[] = {
      {false, {3}, 4},
      {true, {3, 4}, 1},
  };
  for (auto c : cases) {
    layPosition({"hA cK cQ", "sA dQ dJ", "hK hQ hJ", "cJ sQ sJ"}, "h9", plentyStock, 1, rules(false, c.stack));
    ASSERT_TRUE(runToDecision());
    answer(0, 1);
    ASSERT_EQ(cg.gs.bl.decisionKind, 32);
    answer(0, 1);  // seat 2 answers the skip with a skip
    for (int seat : c.sitOut) {
      ASSERT_EQ(cg.gs.akspieler, seat);
      ASSERT_EQ(cg.gs.bl.decisionKind, 32);
      answer(2, 32);
      EXPECT_GE(maumauArea().penaltyCount, 0);
    }
    EXPECT_EQ(cg.gs.akspieler, c.nextToPlay);
    EXPECT_EQ(cg.gs.bl.decisionKind, 37);
  }
}

TEST(MaumauFlow, WishAndWishOnWish) {
  for (bool wishOnWish : {false, true}) {
    TMaumauState s = rules();
    s.wishOnWish = wishOnWish;
    layPosition({"c8 cK cQ", "hK sK d8"}, "c9", plentyStock, 1, s);
    ASSERT_TRUE(runToDecision());
    answer(0, 1);
    ASSERT_EQ(cg.gs.akspieler, 1) << "the player of the eight wishes";
    ASSERT_EQ(cg.gs.bl.decisionKind, 33);
    EXPECT_EQ(optionValues(), "1 2 3 4");
    EXPECT_FALSE(cg.gs.bl.cardsSelectable);
    answer(2, 2);
    EXPECT_EQ(maumauArea().wishedSuit, 2);
    ASSERT_EQ(cg.gs.akspieler, 2);
    THand playable;
    maumauPlayableCards(playable);
    EXPECT_EQ(handText(playable), wishOnWish ? "sK d8" : "sK");
  }
}

TEST(MaumauFlow, ReverseTurnsTheOrderAlsoWithTwoSeats) {
  struct { int seats; int next; } cases[] = {{2, 2}, {3, 3}, {4, 4}};
  for (auto c : cases) {
    std::vector<std::string> hands(c.seats, "cK cQ cJ");
    hands[0] = "h9 cK cQ";
    layPosition(hands, "hK", plentyStock, 1, rules());
    ASSERT_TRUE(runToDecision());
    answer(0, 1);
    EXPECT_EQ(maumauArea().turnDirection, 2);
    EXPECT_EQ(cg.gs.akspieler, c.next) << c.seats << " seats";
  }
}

TEST(MaumauFlow, PlayAgainOffersContinueOrAnotherCard) {
  TMaumauState s = rules();
  s.roleRank[maumauPlayAgain] = rankQueen;
  layPosition({"hQ hK cJ", "sJ sK dJ"}, "h9", plentyStock, 1, s);
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  ASSERT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(cg.gs.bl.decisionKind, 37);
  EXPECT_EQ(optionValues(), "37");
  EXPECT_TRUE(cg.gs.bl.cardsSelectable);
  answer(0, 1);  // hK on the queen
  EXPECT_EQ(cg.gs.akspieler, 2);
}

TEST(MaumauFlow, AnnouncedLastCardIsShownTheSameDecisionAgain) {
  layPosition({"hK c9", "sJ sK dJ"}, "h9", plentyStock, 1, rules(false, false, true));
  ASSERT_TRUE(runToDecision());
  EXPECT_EQ(optionValues(), "56");
  answer(2, 56);
  EXPECT_TRUE(maumauArea().saidMau[1]);
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(cg.gs.bl.decisionKind, 37);
  EXPECT_EQ(optionValues(), "");
  answer(0, 1);
  EXPECT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(stackUsed(sp[1]), 1);
}

TEST(MaumauFlow, AnnouncedSeatFacingDrawTwoCountsItOnce) {
  TMaumauState s = rules(true, false, true);
  layPosition({"h7 cK cQ", "s7 dJ"}, "h9", plentyStock, 1, s);
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  ASSERT_EQ(cg.gs.bl.decisionKind, 31);
  EXPECT_EQ(optionValues(), "31 56");
  EXPECT_EQ(maumauArea().penaltyCount, 1);
  answer(2, 56);
  EXPECT_EQ(cg.gs.bl.decisionKind, 31);
  EXPECT_EQ(optionValues(), "31");
  EXPECT_EQ(maumauArea().penaltyCount, 1) << "not raised a second time";
}

// A missed announcement: the seat draws 2 and loses the rest of its turn; what its card did
// still happens.
TEST(MaumauFlow, MissedAnnouncementIsPunished) {
  struct {
    const char* hand;
    int nextSeat;
    int nextKind;
  } cases[] = {
      {"hK c9", 2, 37},  // plain card
      {"h7 c9", 2, 31},  // the draw-two still hits the next seat
      {"hA c9", 2, 32},  // the skip too
      {"c8 d9", 1, 33},  // the eight still lets it wish first
  };
  for (auto c : cases) {
    layPosition({c.hand, "sJ sK dJ", "cJ cQ cK"}, "h9", plentyStock, 1, rules(false, false, true));
    ASSERT_TRUE(runToDecision());
    answer(0, 1);
    ASSERT_EQ(cg.gs.akspieler, 1) << c.hand;
    ASSERT_EQ(cg.gs.bl.decisionKind, 31) << c.hand;
    EXPECT_EQ(optionValues(), "31");
    EXPECT_FALSE(maumauIsLegalCard(sp[1].slots[1].card)) << "no card before the penalty";
    answer(2, 31);
    EXPECT_EQ(stackUsed(sp[1]), 3) << c.hand;
    EXPECT_EQ(cg.gs.akspieler, c.nextSeat) << c.hand;
    EXPECT_EQ(cg.gs.bl.decisionKind, c.nextKind) << c.hand;
    if (c.nextKind == 31) {
      EXPECT_EQ(maumauArea().penaltyCount, 1);
    }
  }
}

TEST(MaumauFlow, LastCardHolderDrawingPenaltyLosesTurnOnlyUnderTheRule) {
  for (bool rule : {false, true}) {
    layPosition({"h7 cK cQ", "dJ", "cJ cQ cK"}, "h9", plentyStock, 1, rules(false, false, rule));
    maumauArea().saidMau[2] = true;
    ASSERT_TRUE(runToDecision());
    answer(0, 1);
    ASSERT_EQ(cg.gs.akspieler, 2);
    answer(2, 31);
    EXPECT_EQ(stackUsed(sp[2]), 3);
    EXPECT_EQ(cg.gs.akspieler, rule ? 3 : 2) << "rule " << rule;
  }
}

TEST(MaumauFlow, DrawingUntilPlayableThenPassingOnAnEmptyStock) {
  TMaumauState s = rules();
  s.reshuffle = false;
  layPosition({"cK cQ", "sQ sK dQ"}, "h9", "hJ d10", 1, s);
  ASSERT_TRUE(runToDecision());
  EXPECT_TRUE(cg.gs.bl.pilesSelectable);
  answer(3, 0);  // d10: not playable
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(cg.gs.step, 2);
  EXPECT_EQ(cg.gs.bl.decisionKind, 37);
  answer(3, 0);  // hJ: playable
  THand playable;
  EXPECT_EQ(maumauPlayableCards(playable), 1);
  EXPECT_FALSE(cg.gs.bl.pilesSelectable) << "the stock is empty";
  answer(0, playable.k[1].hi);
  ASSERT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(cg.gs.bl.decisionKind, 43);
  EXPECT_EQ(optionValues(), "43");
}

TEST(MaumauFlow, AllSeatsPassingBlocksTheGame) {
  TMaumauState s = rules();
  s.reshuffle = false;
  layPosition({"c9 cQ", "s9 sQ"}, "hK", "", 1, s);
  ASSERT_TRUE(runToDecision());
  answer(2, 43);
  answer(2, 43);
  ASSERT_EQ(cg.gs.phase, 5);
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
  EXPECT_EQ(cg.gs.listTotals[1], 0);
  EXPECT_EQ(cg.gs.listTotals[2], 0);
}

TEST(MaumauFlow, RefillKeepsTheTopCardAndUsesWhatIsThere) {
  // Stock empty, three cards on the pile: the two below the top become the stock.
  layPosition({"d7 dJ sQ", "cJ cQ cK"}, "c9 c10 hK", "", 1, rules());
  ASSERT_TRUE(runToDecision());
  EXPECT_EQ(stackUsed(sp[maumauStock]), 2);
  EXPECT_EQ(stackText(maumauPile), "hK");
  EXPECT_EQ(cardsOnTable(), 9);
  EXPECT_TRUE(cg.gs.bl.pilesSelectable);
}

TEST(MaumauFlow, PenaltyLargerThanAllCardsDrawsWhatIsThere) {
  // Two stacked draw-twos ask for 4; only 2 cards can be had.
  layPosition({"h7 cK cQ", "s7 dQ dJ", "hQ hJ sJ"}, "h9", "", 1, rules(true));
  ASSERT_TRUE(runToDecision());
  answer(0, 1);
  answer(0, 1);
  ASSERT_EQ(cg.gs.akspieler, 3);
  ASSERT_EQ(maumauArea().penaltyCount, 2);
  answer(2, 31);
  EXPECT_EQ(stackUsed(sp[3]), 5);
  EXPECT_EQ(cg.gs.bl.decisionKind, 37);
  EXPECT_EQ(cardsOnTable(), 10);
}

TEST(MaumauFlow, PenaltyWithNoCardLeftPassesTheMissedAnnouncerOn) {
  TMaumauState s = rules(false, false, true);
  s.reshuffle = false;
  layPosition({"h7 c9", "sJ sK dJ", "cJ cQ cK"}, "h9", "", 1, s);
  ASSERT_TRUE(runToDecision());
  answer(0, 1);  // draw-two as second-to-last card, not announced
  ASSERT_EQ(cg.gs.bl.decisionKind, 31);
  answer(2, 31);  // nothing to draw
  EXPECT_EQ(stackUsed(sp[1]), 1);
  EXPECT_EQ(cg.gs.akspieler, 2) << "the turn passes as a drawn penalty would";
  EXPECT_EQ(cg.gs.bl.decisionKind, 31) << "the saved draw-two hits the next seat";
}

TEST(MaumauFlow, AnswersNotOfferedAreRefused) {
  layPosition({"hK cQ", "sJ sK dJ"}, "h9", plentyStock, 1, rules());
  ASSERT_TRUE(runToDecision());
  struct { int kind; int b; } refused[] = {{0, 2}, {0, 9}, {2, 31}, {2, 37}, {4, 0}};
  for (auto r : refused) {
    cg.submitAction(r.kind, 0, r.b);
    ASSERT_TRUE(runToDecision());
    EXPECT_EQ(cg.gs.akspieler, 1) << r.kind << "/" << r.b;
    EXPECT_EQ(stackUsed(sp[1]), 2) << r.kind << "/" << r.b;
  }
  answer(0, 1);
  EXPECT_EQ(cg.gs.akspieler, 2);
}

}  // namespace

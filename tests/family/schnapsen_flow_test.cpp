// Schnapsen's flow through the core's tick: the deal in both styles and variants, the
// options offered as the game goes, marriages and the 66 check before a card leaves the
// hand, closing, the trump exchange, drawing and the last stock card, refused answers and
// the list totals after a game.
#include <gtest/gtest.h>

#include "core/game_areas.h"
#include "games/family/schnapsen_results.h"
#include "table/table_game_hooks.h"
#include "tests/family/schnapsen_fixture.h"

namespace {

using SchnapsenFlow = SchnapsenFixture;

TEST_F(SchnapsenFlow, BothDealStylesAndVariantsGiveHandsStockAndTrump) {
  struct { int32_t style; bool variant; int hand, stock; } cases[] = {
      {1, false, 5, 9}, {2, false, 5, 9}, {1, true, 6, 11}, {2, true, 6, 11}};
  for (auto c : cases) {
    randomSeed(7);
    resetTable();
    setHeadlessDisplay(c.style);
    options(c.variant);
    startGame(true, 0, c.variant);
    ASSERT_TRUE(toDecision()) << "style " << c.style;
    EXPECT_EQ(cg.gs.phase, schnapsenPhasePlay);
    EXPECT_EQ(stackUsed(sp[1]), c.hand);
    EXPECT_EQ(stackUsed(sp[2]), c.hand);
    EXPECT_EQ(stackUsed(sp[schnapsenStock]), c.stock);
    ASSERT_EQ(stackUsed(sp[schnapsenTrumpPile]), 1);
    EXPECT_EQ(schnapsenArea().trumpSuit, sp[schnapsenTrumpPile].slots[1].card.f);
    EXPECT_EQ(cg.gs.akspieler, cg.gs.dealer == 1 ? 2 : 1) << "the seat after the dealer leads";
    EXPECT_EQ(cg.gs.listTotals[1], 7);
    EXPECT_EQ(misplaced(), "");
  }
}

TEST_F(SchnapsenFlow, OptionsFollowTheGameState) {
  struct { const char* hand; bool closing, exchange, strict; int32_t toAct; const char* options; int32_t key; } cases[] = {
      {"hJ cA sK", true, true, false, 1, "104 105", 108},
      {"hJ cA sK", false, true, false, 1, "105", 106},
      {"hQ cA sK", true, true, false, 1, "104", 107},
      {"hQ cA sK", false, false, false, 1, "", 103},
      {"hJ cA sK", true, true, true, 1, "", 103},  // the stock used up: nothing to close or take
  };
  for (auto c : cases) {
    resetTable();
    options(false, c.closing, c.exchange);
    position(c.hand, "dJ dQ dK", "sJ cJ c10", "h10", suitHearts, c.toAct);
    schnapsenArea().strictRules = c.strict;
    ASSERT_TRUE(toDecision());
    EXPECT_EQ(optionValues(), c.options) << c.hand;
    EXPECT_EQ(cg.gs.bl.decisionKind, c.key) << c.hand;
  }
  // An answering seat gets no options.
  resetTable();
  options(false);
  position("hJ cA sK", "dJ dQ", "sJ cJ c10", "h10", suitHearts, 1, "", "", "dK");
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(optionValues(), "");
}

TEST_F(SchnapsenFlow, LeadingTheTrumpQueenAt26ReachesSixtySixAndKeepsTheCard) {
  options(false);
  position("hQ hK cA", "sJ sQ sK", "dJ dQ dK", "h10", suitHearts, 1, "cQ sA c10 cJ");  // 26 card points
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(1, "hQ"));
  ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }, 200));
  EXPECT_EQ(schnapsenArea().marriagePoints[1], 40);
  EXPECT_NE(slotOf(1, "hQ"), 0) << "the queen stays in the hand";
  EXPECT_EQ(stackUsed(sp[schnapsenTrick]), 0);
  EXPECT_EQ(cg.gs.listTotals[1], 7 - 3) << "three game points against a seat without a card point";
}

TEST_F(SchnapsenFlow, SeatTwoShowsItsMarriageBeforePlaying) {
  options(false);
  position("sJ sQ sK", "cQ cK hA", "dJ dQ dK", "h10", suitHearts, 2, "", "sA");
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(2, "cK"));
  ASSERT_TRUE(runUntil([] { return schnapsenArea().marriagePoints[2] != 0; }, 5));
  EXPECT_EQ(schnapsenArea().marriagePoints[2], 20);
  // The table shows both cards of seat 2's closed hand; the won pile's label adds the 20 to
  // the ace's 11.
  EXPECT_TRUE(gameShownHandCard(2, slotOf(2, "cK")));
  EXPECT_TRUE(gameShownHandCard(2, slotOf(2, "cQ")));
  EXPECT_FALSE(gameShownHandCard(2, slotOf(2, "hA")));
  EXPECT_FALSE(gameShownHandCard(1, slotOf(1, "sQ")));
  std::string label;
  EXPECT_TRUE(gamePileLabel(8, label));
  EXPECT_EQ(label, "31");
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(FamilyTableFixture::cardsOf(schnapsenTrick), "cK");
}

TEST_F(SchnapsenFlow, TheTableLiftsAMarriagePartnerWithItsCard) {
  options(false);
  position("hQ cA hK", "sJ sQ sK", "dJ dQ dK", "h10", suitHearts, 1, "cQ sA");
  ASSERT_TRUE(toDecision());
  struct { int32_t seatToAct; const char* card; bool marriage; } cases[] = {
      {1, "hQ", true}, {1, "hK", true}, {1, "cA", false}, {2, "hQ", false}};
  for (auto c : cases) {
    cg.gs.akspieler = c.seatToAct;
    schnapsenArea().marriagePartner = 0;
    EXPECT_EQ(gameAnnounceMarriage(2, slotOf(1, c.card)), c.marriage) << c.card;
    EXPECT_FALSE(gameMarriageBusy());
    if (!c.marriage) continue;
    const int32_t partner = schnapsenArea().marriagePartner;
    EXPECT_EQ(partner, slotOf(1, std::string(c.card) == "hQ" ? "hK" : "hQ")) << c.card;
    EXPECT_TRUE(sp[1].slots[partner].moving && sp[1].slots[partner].animType == 1) << "the partner is lifted";
  }
  std::string label;
  EXPECT_TRUE(gamePileLabel(7, label));
  EXPECT_EQ(label, "14");
  schnapsenArea().marriagePoints[2] = 40;
  EXPECT_TRUE(gamePileLabel(8, label));
  EXPECT_EQ(label, "(40)") << "marriages only, in brackets, before a card point is won";
  EXPECT_FALSE(gamePileLabel(11, label)) << "the stock has no label";
}

TEST_F(SchnapsenFlow, ClosingWithOneStockCardLeftStopsTheDrawing) {
  options(false);
  position("hJ cA sK", "dJ dQ sQ", "c10", "h10", suitHearts, 1, "cJ", "cQ cK");  // 11 cards
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(optionValues(), "104 105");
  cg.submitAction(2, 0, schnapsenOptClose);
  ASSERT_TRUE(toDecision());
  const TSchnapsenState& a = schnapsenArea();
  EXPECT_TRUE(a.closed && a.strictRules);
  EXPECT_EQ(a.closer, 1);
  EXPECT_EQ(a.pointsAtClosing[1], 2);
  EXPECT_EQ(a.pointsAtClosing[2], 7);
  EXPECT_EQ(stackUsed(sp[schnapsenTrumpPile]), 0);
  EXPECT_EQ(stackUsed(sp[schnapsenStock]), 2) << "the trump card lies on the closed stock";
  EXPECT_EQ(optionValues(), "");
  cg.submitAction(0, 0, slotOf(1, "cA"));
  ASSERT_TRUE(toDecision());
  // Seat 2 must follow suit or trump: it holds neither clubs nor hearts, so any card is legal.
  cg.submitAction(0, 0, slotOf(2, "dJ"));
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(stackUsed(sp[1]), 2) << "no card is drawn from a closed stock";
  EXPECT_EQ(stackUsed(sp[2]), 2);
  EXPECT_EQ(misplaced(11), "");
}

TEST_F(SchnapsenFlow, TheLastStockCardGoesToTheWinnerAndTheTrumpCardToTheOther) {
  options(false);
  position("hJ cA sK", "dJ dQ sQ", "c10", "h10", suitHearts, 1, "cJ", "cQ cK");  // 11 cards
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(1, "cA"));
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(2, "dJ"));
  ASSERT_TRUE(toDecision());
  EXPECT_NE(slotOf(1, "c10"), 0);
  EXPECT_NE(slotOf(2, "h10"), 0);
  EXPECT_TRUE(schnapsenArea().strictRules);
  EXPECT_EQ(optionValues(), "") << "nothing to close or exchange once the stock is used up";
  EXPECT_EQ(misplaced(11), "");
}

TEST_F(SchnapsenFlow, ExchangingPutsTheTrumpJackUnderTheStockAndAsksAgain) {
  options(false);
  position("hJ cA sK", "dJ dQ sQ", "c10 cK", "h10", suitHearts, 1);
  ASSERT_TRUE(toDecision());
  cg.submitAction(2, 0, schnapsenOptExchange);
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(FamilyTableFixture::cardsOf(schnapsenTrumpPile), "hJ");
  EXPECT_NE(slotOf(1, "h10"), 0);
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(optionValues(), "104");
  EXPECT_EQ(misplaced(9), "");
}

TEST_F(SchnapsenFlow, AnswersNotOfferedAreRefusedAndTheDecisionStaysOpen) {
  options(false, false, true);
  position("hJ cA sK", "dJ dQ sQ", "", "", suitHearts, 2, "c10 cK cQ", "sJ sA s10 dK dA", "cJ");
  schnapsenArea().strictRules = 1;
  struct { int kind; int32_t b; } refused[] = {{2, schnapsenOptClose}, {2, 555}, {0, 9}, {3, 1}};
  ASSERT_TRUE(toDecision());
  for (auto r : refused) {
    cg.submitAction(r.kind, 0, r.b);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << r.kind << "/" << r.b;
    headlessFrame();
    EXPECT_EQ(cg.gs.subState, schnapsenAsked);
  }
  // Strict: seat 2 holds no club, so it must trump; hearts it has none either: any card.
  position("hJ cA sK", "dJ hQ sQ", "", "", suitHearts, 2, "c10 cK cQ", "sJ sA s10 dK dA", "cJ");
  schnapsenArea().strictRules = 1;
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(2, "dJ"));
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "a trump must be played";
  cg.submitAction(0, 0, slotOf(2, "hQ"));
  EXPECT_EQ(cg.gs.awaitingAction, 0);
}

TEST_F(SchnapsenFlow, TheListTotalsAreTheRowsPointsLeft) {
  options(false);
  position("hQ hK cA", "sJ sQ sK", "dJ dQ dK", "h10", suitHearts, 1, "cQ sA c10 cJ", "dA");
  cg.gs.listTotals[1] = 3;
  cg.gs.listTotals[2] = 5;
  ASSERT_TRUE(toDecision());
  cg.submitAction(0, 0, slotOf(1, "hQ"));
  ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }, 200));
  EXPECT_EQ(cg.gs.listTotals[1], 1) << "3 less 2: the loser has 11 card points";
  EXPECT_EQ(cg.gs.listTotals[2], 5);
}

}  // namespace

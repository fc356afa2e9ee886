// Go Fish's rules and flow: books of four and two, asking again, the draw that passes the turn,
// each empty-hand choice, "Go Fish" with an empty stock, the end of a game, the check of
// answers.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "tests/family/gofish_fixture.h"

namespace {

using GoFishFlow = GoFishFixture;

bool asked(int32_t kind) { return cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind == kind; }
bool askedAny() { return cg.gs.awaitingAction == 2; }

TEST_F(GoFishFlow, BooksOfFourOrTwoInHandOrder) {
  struct TCase {
    std::string hand;
    bool pairs;
    int32_t rank;
    std::string book;
  } cases[] = {
      {"c7 s7 h8 h7 d7", false, rank7, "c7#1 s7#2 h7#4 d7#5"},
      {"c7 s7 h7 s8", false, 0, ""},
      {"c8 c7 s7 h7", true, rank7, "c7#2 s7#3"},  // three of a rank: two form the book
      {"c8 c7 d9", true, 0, ""},
  };
  for (const TCase& c : cases) {
    position({c.hand, "cA"}, "", 2, 1, TGoFishOptions{.seats = 2, .pairs = c.pairs});
    EXPECT_EQ(goFishFindBooks(), c.rank) << c.hand;
    EXPECT_EQ(handSlotsText(goFishArea().bookCards), c.book) << c.hand;
  }
}

// Six hands of nine would need 54 cards: a stored nine is read as eight for six seats.
TEST_F(GoFishFlow, NineCardsForSixSeatsDealEight) {
  struct TCase {
    int32_t seats, stored, dealt;
  } cases[] = {{6, 9, 8}, {5, 9, 9}, {6, 8, 8}, {2, 5, 5}, {3, 0, 7}};
  for (const TCase& c : cases) {
    randomSeed(uint64_t(c.seats));
    newList(TGoFishOptions{.seats = c.seats, .dealCount = c.stored});
    ASSERT_TRUE(runUntil([] { return cg.gs.phase == 4 && cg.gs.pendingMove == 0; }));
    EXPECT_EQ(goFishArea().dealCount, c.dealt) << c.seats << " seats, " << c.stored << " stored";
    EXPECT_EQ(goFishCardCount(1) + stackUsed(sp[15]), c.dealt);
    EXPECT_EQ(misplacedCards(), "");
  }
}

class GoFishUserFlow : public GoFishFixture {
 protected:
  // Seat 1 is the user: the test answers its decisions.
  static void userPosition(const std::vector<std::string>& hands, const std::string& stock,
                           const TGoFishOptions& o = {}) {
    position(hands, stock, 2, 1, o);
    cg.seatRecords[1].kind = seatKindUser;
  }
  static void ask(int32_t seat, int32_t handIndex) {
    ASSERT_TRUE(runUntil([] { return asked(118) && cg.gs.akspieler == 1; }));
    cg.submitAction(2, 0, seat);
    ASSERT_TRUE(runUntil([] { return asked(118); }));
    cg.submitAction(0, 0, handIndex);
  }
};

TEST_F(GoFishUserFlow, ASeatThatReceivesCardsAsksAgain) {
  userPosition({"c7 s8", "h7 d7 d9", "cK"}, "cA dA");
  ask(2, 1);
  ASSERT_TRUE(runUntil([] { return askedAny() && cg.gs.akspieler == 1 && goFishCardCount(1) == 4; }));
  EXPECT_EQ(cg.gs.bl.decisionKind, 118);
  EXPECT_EQ(cardsOf(2), "d9");
}

TEST_F(GoFishUserFlow, SeatAndRankInEitherOrder) {
  userPosition({"c7 s8", "h7 d9", "cK"}, "cA dA");
  ASSERT_TRUE(runUntil([] { return asked(118) && cg.gs.akspieler == 1; }));
  cg.submitAction(0, 0, 1);  // the card first
  ASSERT_TRUE(runUntil([] { return asked(118); }));
  EXPECT_EQ(goFishArea().askedRank, rank7);
  cg.submitAction(2, 0, 2);
  ASSERT_TRUE(runUntil([] { return askedAny() && goFishCardCount(1) == 3; }));
  EXPECT_EQ(cardsOf(2), "d9");
}

TEST_F(GoFishUserFlow, ADrawPassesTheTurnEvenOfTheAskedRank) {
  userPosition({"c7 s8", "d9", "cK"}, "cA h7");
  ask(2, 1);
  ASSERT_TRUE(runUntil([] { return asked(121) && cg.gs.akspieler == 1; }));
  cg.submitAction(2, 0, 121);
  ASSERT_TRUE(runUntil([] { return askedAny() && cg.gs.akspieler != 1; }));
  EXPECT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(goFishCardCount(1), 3);
}

TEST_F(GoFishUserFlow, ADrawThatCompletesABookAsksAgain) {
  userPosition({"c7 s7 h7 s8", "d9", "cK"}, "cA d7");
  ask(2, 1);
  ASSERT_TRUE(runUntil([] { return asked(121); }));
  cg.submitAction(2, 0, 121);
  ASSERT_TRUE(runUntil([] { return asked(118) && stackUsed(sp[15]) == 4; }));
  EXPECT_EQ(cg.gs.akspieler, 1);
  EXPECT_EQ(goFishBookCount(1), 1);
}

// Without a card in the stock the acknowledged "Go Fish" ends the turn.
TEST_F(GoFishUserFlow, GoFishWithAnEmptyStockEndsTheTurn) {
  userPosition({"c7 s8", "d9", "cK"}, "");
  ask(2, 1);
  ASSERT_TRUE(runUntil([] { return askedAny() && cg.gs.akspieler == 1 && cg.gs.bl.decisionKind != 118; }));
  EXPECT_EQ(cg.gs.bl.decisionKind, 124) << "the user's seat reads \"Weiter\"";
  cg.submitAction(2, 0, 121);
  ASSERT_TRUE(runUntil([] { return askedAny() && cg.gs.akspieler != 1; }));
  EXPECT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(goFishCardCount(1), 2);
}

TEST_F(GoFishFlow, EachEmptyHandChoice) {
  struct TCase {
    const char* name;
    TGoFishOptions o;
    std::vector<std::string> hands;
    std::string stock;
    bool over;
    int32_t seatAfter, cardsOfSeat1;
  } cases[] = {
      {"game ends", {.endWhenEmpty = true}, {"", "c7", "c8"}, "cA", true, 1, 0},
      {"skipped", {.emptyHandRefill = 0}, {"", "c7", "c8"}, "cA", false, 2, 0},
      {"all empty", {.emptyHandRefill = 0}, {"", "", ""}, "cA", true, 1, 0},
      {"one card", {.emptyHandRefill = 1}, {"", "c7", "c8"}, "cA dA", false, 2, 1},
      {"a new hand", {.dealCount = 5, .emptyHandRefill = 5}, {"", "c7", "c8"}, "cA dA sA hA c9 c10", false, 1, 5},
      {"stock empty", {.emptyHandRefill = 1}, {"", "c7", "c8"}, "", false, 2, 0},
  };
  for (const TCase& c : cases) {
    position(c.hands, c.stock, 2, 1, c.o);
    ASSERT_TRUE(runUntil([] { return askedAny() || cg.gs.phase == 5; })) << c.name;
    EXPECT_EQ(cg.gs.phase == 5, c.over) << c.name;
    if (!c.over) {
      EXPECT_EQ(cg.gs.akspieler, c.seatAfter) << c.name;
    }
    EXPECT_EQ(goFishCardCount(1), c.cardsOfSeat1) << c.name;
  }
}

TEST_F(GoFishFlow, TheMostBooksMakeTheMainSeat) {
  position({"", "", ""}, "", 2, 1);
  put(15, "c7 s7 h7 d7 c8 s8 h8 d8 c9 s9 h9 d9");
  put(16, "cJ sJ hJ dJ cQ sQ hQ dQ cK sK hK dK c10 s10 h10 d10 cA sA hA dA");
  put(17, "c2 s2 h2 d2 c3 s3 h3 d3 c4 s4 h4 d4 c5 s5 h5 d5 c6 s6 h6 d6");
  ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }));
  EXPECT_EQ(cg.gs.listTotals[1], 3);
  EXPECT_EQ(cg.gs.listTotals[2], 5);
  EXPECT_EQ(cg.gs.listTotals[3], 5);
  EXPECT_EQ(cg.gs.matchScore[2], 5);
}

TEST_F(GoFishFlow, AnswersOutsideTheDecisionAreRefusedAndStayOpen) {
  struct TCase {
    int kind;
    int32_t a, b;
    bool taken;
  } cases[] = {
      {2, 0, 2, true}, {2, 0, 3, true}, {0, 0, 2, true},
      {2, 0, 1, false},  // itself
      {2, 0, 4, false},  // a seat without cards
      {2, 0, 0, false},  {2, 0, 9, false}, {0, 0, 3, false}, {0, 0, 0, false}, {3, 11, 1, false},
  };
  for (const TCase& c : cases) {
    position({"c7 s8", "h7 d9", "cK", ""}, "cA", 2, 1);
    cg.seatRecords[1].kind = seatKindUser;
    ASSERT_TRUE(runUntil([] { return asked(118); }));
    cg.submitAction(c.kind, c.a, c.b);
    const std::string at = std::to_string(c.kind) + "," + std::to_string(c.b);
    EXPECT_EQ(cg.gs.awaitingAction == 2, !c.taken) << at;
    if (!c.taken) {
      EXPECT_EQ(goFishArea().askedSeat + goFishArea().askedRank, 0) << at;
    }
  }
}

}  // namespace

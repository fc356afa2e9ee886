// War's game flow from built positions: the opening after the deal, plain rounds and wars,
// short wars, the reveal and its acknowledgement, the refill with its shuffle steps, the end
// of a game and of a list, the check of answers.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "tests/family/war_fixture.h"

namespace {

using WarFlow = WarFixture;

bool asked(int32_t kind) { return cg.gs.awaitingAction == 2 && cg.gs.bl.decisionKind == kind; }

TEST_F(WarFlow, SeatOneOpensAfterTheDealWhoeverDealt) {
  for (bool jokers : {false, true})
    for (int32_t dealMode : {1, 2}) {
      resetTable();
      setHeadlessDisplay(dealMode);
      for (int seed = 1; seed <= 4; seed++) {
        randomSeed(seed);
        newList(99999, 0, jokers, 3);
        ASSERT_TRUE(runUntil([] { return asked(124); }));
        EXPECT_EQ(cg.gs.akspieler, 1) << "dealer " << cg.gs.dealer;
        EXPECT_EQ(warHandCount(1), jokers ? 27 : 26);
        EXPECT_EQ(warHandCount(2), jokers ? 27 : 26);
        EXPECT_EQ(misplacedCards(jokers ? 54 : 52), "");
      }
    }
}

TEST_F(WarFlow, PlainRoundGoesToTheHigherCardWithoutAcknowledgement) {
  position("c7 cK", "d7 d3", "", "", 4, 1);
  ASSERT_TRUE(runUntil([] { return cg.gs.subState == 6 && cg.gs.pendingMove == 0; }));
  EXPECT_EQ(cardsOf(7), "cK d3");
  EXPECT_EQ(warArea().warsWon[1], 0);
  ASSERT_TRUE(runUntil([] { return asked(124); }));
  EXPECT_EQ(cg.gs.akspieler, 1) << "seat 2 turned up last, so seat 1 opens";
}

TEST_F(WarFlow, SingleWarNeedsTheButtonScoresOneAndSeatTwoOpensNext) {
  // Top cards last. Both turn up a nine; seat 2 (more cards) lays first and turns up first.
  position("c2 cA c3 c4 c5 h9", "d7 d8 dK d3 d4 d5 s9", "", "", 4, 1);
  ASSERT_TRUE(runUntil([] { return cg.gs.subState == 5; }));
  EXPECT_EQ(cg.gs.akspieler, 2) << "the seat that turned up last lays first";
  ASSERT_TRUE(runUntil([] { return asked(37); }));
  EXPECT_EQ(cg.gs.akspieler, 1) << "the user acknowledges the war";
  EXPECT_EQ(cardsOf(15), "h9 c5 c4 c3 cA");
  EXPECT_EQ(cardsOf(16), "s9 d5 d4 d3 dK");
  EXPECT_EQ(cardsOf(7), "") << "nothing is collected before the button";
  cg.submitAction(2, 0, 37);
  ASSERT_TRUE(runUntil([] { return asked(124); }));
  EXPECT_EQ(cardsOf(7), "h9 c5 c4 c3 cA s9 d5 d4 d3 dK") << "seat 1's pot first, bottom first";
  EXPECT_EQ(warArea().warsWon[1], 1);
  EXPECT_EQ(warArea().warsWon[2], 0);
  EXPECT_EQ(cg.gs.akspieler, 2) << "seat 1 turned up last, so seat 2 opens";
}

// Wars in a chain: each tie of the turned-up cards starts another war.
TEST_F(WarFlow, ChainedWarsScoreByTheirLength) {
  struct Case {
    const char* name;
    const char* hand1;
    const char* hand2;
    int32_t points;
  };
  const Case cases[] = {
      {"double war", "c7 c8 cA c2 c3 c4 h5 c5 c6 cQ h9", "d7 d8 dK d2 d3 d4 s5 d5 d6 dQ s9", 2},
      {"triple war", "c7 cA c2 c3 c4 h5 c5 c6 cQ h6 c9 c10 cJ h9",
       "d7 dK d2 d3 d4 s5 d5 d6 dQ s6 d9 d10 dJ s9", 3},
  };
  for (const Case& c : cases) {
    position(c.hand1, c.hand2, "", "", 4, 1);
    ASSERT_TRUE(runUntil([] { return asked(37); })) << c.name;
    cg.submitAction(2, 0, 37);
    ASSERT_TRUE(runUntil([] { return cg.gs.subState == 8 || asked(124); })) << c.name;
    EXPECT_EQ(warArea().warsWon[1], c.points) << c.name;
    EXPECT_EQ(warArea().potCardsMoved, 8 * c.points + 2) << c.name;
  }
}

TEST_F(WarFlow, ShortWarLaysAllButOneAndItsLastCardStaysFaceUp) {
  // Seat 1 holds three cards at the war: two go face down, the last is turned up.
  position("c2 cA c3 h9", "d7 d8 dK d3 d4 d5 s9", "", "", 4, 1);
  ASSERT_TRUE(runUntil([] { return asked(37); }));
  EXPECT_EQ(cardsOf(15), "h9 c3 cA c2");
  EXPECT_FALSE(warIsCardFaceUp(15, 2));
  EXPECT_FALSE(warIsCardFaceUp(15, 3));
  cg.gs.subState = 3;  // away from the reveal
  warTableLayout(0, 0);
  EXPECT_TRUE(warIsCardFaceUp(15, 4)) << "the seat has no cards left: its last card stays up";
  EXPECT_FALSE(warIsCardFaceUp(16, 4));
  EXPECT_TRUE(warIsCardFaceUp(16, 5));
}

TEST_F(WarFlow, TieWithASeatWithoutCardsIsNoWar) {
  position("c2 c3", "h9", "", "", 4, 1);
  put(1, "c2 c3 d9");
  // Seat 2 turns up its last card: a tie, but seat 2 holds nothing more, so seat 1 takes both.
  ASSERT_TRUE(runUntil([] { return cg.gs.subState == 6 && cg.gs.step == 99; }));
  EXPECT_EQ(cardsOf(7), "d9 h9");
  EXPECT_EQ(warArea().warsWon[1], 0);
}

// A seat whose last card lies in a tied pot passes its turn; the other seat still turns up.
TEST_F(WarFlow, SeatWithoutCardsPassesAndTheOtherStillTurnsUp) {
  position("", "d2 d5 dK", "h9", "s3", 4, 1);
  ASSERT_TRUE(runUntil([] { return cg.gs.subState == 6 || cg.gs.subState == 7 || asked(37); }));
  EXPECT_EQ(cardsOf(16), "s3 dK") << "seat 2 turned up its card";
}

TEST_F(WarFlow, RefillTakesTheWonPileAndThreeShuffleSteps) {
  position("", "d7", "", "", 4, 1);
  put(7, "c2 c3 c4 c5 c6 c7 c8");
  cg.gs.phase = 5;  // the step stands still; the test calls the refill itself
  std::vector<float> values;
  int calls = 0;
  // Called as the step machine calls it: only while no card moves.
  for (int f = 0; f < 20; f++) {
    if (cg.gs.pendingMove == 0) {
      if (warCollectCards(1, 1)) break;
      calls++;
      if (sp[1].slots[1].moving && sp[1].slots[1].animType == 5) values.push_back(sp[1].slots[1].variation);
    }
    headlessFrame();
  }
  EXPECT_EQ(calls, 4) << "the move and three shuffle steps";
  ASSERT_EQ(values.size(), 3u);
  for (int i = 0; i < 2; i++) {
    EXPECT_GE(values[i], -0.1f);
    EXPECT_LT(values[i], 0.1f);
  }
  EXPECT_GE(values[2], 1.47f);
  EXPECT_LT(values[2], 1.67f);
  EXPECT_EQ(warHandCount(1), 7);
  EXPECT_EQ(warWonCount(1), 0);
  EXPECT_EQ(misplacedCards(8), "");
}

TEST_F(WarFlow, AnswersOutsideTheDecisionAreRefused) {
  position("c7 cK", "d7 d3", "", "", 4, 1);
  ASSERT_TRUE(runUntil([] { return asked(124); }));
  cg.seatRecords[1].kind = seatKindUser;
  struct Case {
    const char* name;
    int kind;
    int32_t a, b;
  } cases[] = {
      {"an option not offered", 2, 0, 37},
      {"the other seat's pile", 3, 2, 1},
      {"a slot beyond the pile", 3, 1, 5},
      {"a card of the other seat's hand", 0, 2, 1},
      {"a card beyond the hand", 0, 0, 3},
  };
  for (const Case& c : cases) {
    cg.gs.bl.cardsSelectable = 1;  // a permission left over from elsewhere changes nothing
    cg.submitAction(c.kind, c.a, c.b);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << c.name;
    EXPECT_EQ(cg.gs.subState, 3) << c.name;
    headlessFrame();
    EXPECT_EQ(warPotCount(1), 0) << c.name;
  }
  cg.submitAction(3, 1, 2);
  ASSERT_TRUE(runUntil([] { return warPotCount(1) == 1; }, 10)) << "the seat's own pile is taken";
}

TEST_F(WarFlow, TheGameGoesToTheSeatWithMoreWarsAndTheListBooksThem) {
  position("c7", "cK", "", "", 4, 1);
  warArea().warsWon[1] = 2;
  warArea().warsWon[2] = 1;
  warArea().gameLimit = 1;
  warArea().pointsLimit = 0;
  warArea().warsToWin = 0;
  // Seat 1 loses its last card, but the game is won by wars.
  ASSERT_TRUE(runUntil([] { return cg.gs.phase == 5; }));
  EXPECT_EQ(cg.gs.listTotals[1], 2);
  EXPECT_EQ(cg.gs.listTotals[2], 1);
  EXPECT_EQ(cg.gs.gamesPlayed, 1);
  EXPECT_TRUE(cg.gs.listOver);
}

TEST_F(WarFlow, ListEndsByGamesOrByPoints) {
  struct Case {
    const char* name;
    int32_t gameLimit, pointsLimit, played, total1, total2;
    bool over;
  };
  const Case cases[] = {
      {"game limit reached", 3, 0, 3, 0, 0, true},
      {"game limit not yet", 3, 0, 2, 9, 9, false},
      {"points limit reached", 99999, 10, 2, 3, 10, true},
      {"points limit not yet", 99999, 10, 5, 9, 4, false},
      {"no limit", 99999, 99999, 50, 80, 4, false},
  };
  for (const Case& c : cases) {
    warArea().gameLimit = c.gameLimit;
    warArea().pointsLimit = c.pointsLimit;
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[1] = c.total1;
    cg.gs.listTotals[2] = c.total2;
    EXPECT_EQ(warIsListOver(), c.over) << c.name;
  }
}

TEST_F(WarFlow, ListAndResultTexts) {
  cg.gameId = gidWar;
  cg.seatNames[1] = "Anna";
  cg.seatNames[2] = "Bert";
  cg.gs.gamesPlayed = 2;
  cg.gs.listTotals[1] = 4;
  cg.gs.listTotals[2] = 7;
  std::string text;
  warArea().gameLimit = 5;
  warListText(text);
  EXPECT_EQ(text, "Spiel 2 von 5");
  warArea().gameLimit = 99999;
  warArea().pointsLimit = 20;
  warListText(text);
  EXPECT_EQ(text, "Höchster Stand 7 von 20 Punkten");
  warArea().pointsLimit = 0;
  warListText(text);
  EXPECT_EQ(text, "2 Spiele gespielt");
  TGameResult r;
  r.mainSeat = 2;
  r.values[1] = 1;
  r.values[2] = 3;
  warResultText(r, text);
  EXPECT_NE(text.find(".\r\rAbrechnung: \rAnna: 1 Wars\rBert: 3 Wars"), std::string::npos) << text;
}

}  // namespace

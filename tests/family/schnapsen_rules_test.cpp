// Schnapsen's and Sechsundsechzig's rules: tricks, legal answers, marriages, the 66 check,
// the options of a leading seat and the settlement of a game, as tables of cases.
#include <gtest/gtest.h>

#include "games/family/schnapsen_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "tests/support/cards.h"

namespace {

TSchnapsenState fresh(int32_t trump, bool variant = false) {
  TSchnapsenState s{};
  s.trumpSuit = trump;
  s.variant = variant;
  s.bummerlLimit = 3;
  s.pointsPerBummerl = 7;
  s.closingAllowed = s.exchangeAllowed = 1;
  return s;
}

TEST(SchnapsenCards, DeckAndPoints) {
  for (bool variant : {false, true}) {
    schnapsenArea() = fresh(suitHearts, variant);
    sp[schnapsenStock] = TSpieler{};
    schnapsenBuildDeck();
    syncHandFromSlots(sp[schnapsenStock]);
    const THand& h = sp[schnapsenStock].hand;
    ASSERT_EQ(h.anz, variant ? 24 : 20);
    EXPECT_EQ(schnapsenHandPoints(h), 120) << "the deck holds 120 card points";
    EXPECT_EQ(countRank(h, rank9), variant ? 4 : 0);
  }
}

TEST(SchnapsenTricks, WinnerOfATrick) {
  schnapsenArea() = fresh(suitHearts);
  struct { const char* led; const char* answer; int winner; } cases[] = {
      {"cK", "cA", 2}, {"cA", "cK", 1}, {"c10", "cA", 2}, {"cA", "hJ", 2}, {"hJ", "cA", 1},
      {"hJ", "hQ", 2}, {"cJ", "sA", 1}, {"hA", "h10", 1},
  };
  for (auto c : cases)
    EXPECT_EQ(schnapsenTrickWinner(card(c.led), card(c.answer), 2), c.winner) << c.led << " " << c.answer;
}

TEST(SchnapsenTricks, LegalAnswersLooseAndStrict) {
  schnapsenArea() = fresh(suitHearts);
  struct { const char* hand; const char* led; const char* card; bool strictLegal; } cases[] = {
      {"cA cJ hJ sK", "cK", "cA", true},   // must beat
      {"cA cJ hJ sK", "cK", "cJ", false},  // a lower card of the suit when one beats
      {"cA cJ hJ sK", "cK", "hJ", false},
      {"cJ hJ sK", "cK", "cJ", true},      // cannot beat: follow
      {"cJ hJ sK", "cK", "sK", false},
      {"hJ sK", "cK", "hJ", true},         // cannot follow: trump
      {"hJ sK", "cK", "sK", false},
      {"sK dQ", "cK", "dQ", true},         // neither: anything
      {"hA hJ", "hK", "hJ", false},        // trump led: beat in trumps
      {"sK dQ", "", "dQ", true},           // a lead is always legal
  };
  for (auto c : cases) {
    THand hand = handOf(c.hand);
    TCard led = *c.led ? card(c.led) : noCard();
    EXPECT_TRUE(schnapsenAnswerIsLegal(card(c.card), led, hand, false)) << c.hand << " " << c.card;
    EXPECT_EQ(schnapsenAnswerIsLegal(card(c.card), led, hand, true), c.strictLegal) << c.hand << " " << c.card;
  }
}

TEST(SchnapsenMarriages, PartnerByCardAndSuit) {
  schnapsenArea() = fresh(suitHearts);
  struct { const char* hand; int slot; int suit; int partner; } cases[] = {
      {"hQ cA hK", 1, 0, 3}, {"hQ cA hK", 3, 0, 1}, {"hQ cA hK", 1, suitHearts, 3}, {"hQ cA hK", 1, suitClubs, 0},
      {"hQ cK", 1, 0, 0},    {"cA hK", 1, 0, 0},   {"hQ hK", 3, 0, 0},
  };
  for (auto c : cases)
    EXPECT_EQ(schnapsenMarriagePartner(handOf(c.hand), c.slot, c.suit), c.partner) << c.hand << " " << c.slot;
  EXPECT_EQ(schnapsenMarriageValue(card("hQ")), 40);
  EXPECT_EQ(schnapsenMarriageValue(card("cQ")), 20);
}

TEST(SchnapsenPoints, MarriagesCountOnceACardPointIsWon) {
  struct { int won1, marriage1, won2, total1; bool reached; } cases[] = {
      {26, 40, 0, 66, true},  // 26 + the 40: at once
      {25, 40, 0, 65, false},
      {0, 40, 0, 0, false},   // a won trick of two nines holds no card point
      {1, 20, 10, 21, false},
      {66, 0, 54, 66, true},
  };
  for (auto c : cases) {
    schnapsenArea() = fresh(suitHearts);
    schnapsenArea().marriagePoints[1] = c.marriage1;
    LArray<int32_t, 1, 2> won{};
    won[1] = c.won1;
    won[2] = c.won2;
    EXPECT_EQ(schnapsenCheck66(won), c.reached) << c.won1 << "+" << c.marriage1;
    EXPECT_EQ(schnapsenArea().totalPoints[1], c.total1);
  }
}

TEST(SchnapsenOptions, OfferedOnlyToALeaderBeforeTheStrictRules) {
  struct { bool close, exchange, strict, leads; const char* hand; int n; int first; } cases[] = {
      {true, true, false, true, "hJ cA", 2, 104},  {true, true, false, true, "cJ cA", 1, 104},
      {false, true, false, true, "hJ cA", 1, 105}, {false, false, false, true, "hJ", 0, 0},
      {true, true, true, true, "hJ cA", 0, 0},     // stock used up or closed: nothing
      {true, true, false, false, "hJ cA", 0, 0},   // answering
  };
  for (auto c : cases) {
    schnapsenArea() = fresh(suitHearts);
    schnapsenArea().closingAllowed = c.close;
    schnapsenArea().exchangeAllowed = c.exchange;
    schnapsenArea().strictRules = c.strict;
    LArray<int16_t, 1, 2> out{};
    ASSERT_EQ(schnapsenLeadOptions(handOf(c.hand), c.leads, out), c.n) << c.hand;
    if (c.n > 0) {
      EXPECT_EQ(out[1], c.first);
    }
  }
  schnapsenArea() = fresh(suitHearts, true);
  EXPECT_EQ(schnapsenTrumpExchangeCard(handOf("hJ h9")), 2) << "the nine in Sechsundsechzig";
}

// The settlement in every branch: closed (closer won or lost), last trick in both variants,
// 66 reached in play.
TEST(SchnapsenSettlement, WinnerAndGamePoints) {
  struct {
    const char* name;
    bool variant;
    int closer, lastTrick, toAct;
    int total1, total2, atClosing1, atClosing2;
    int winner, points;
    const char* second;
  } cases[] = {
      {"closer made 66", false, 1, 0, 1, 66, 40, 30, 40, 1, 1, ""},
      {"closer made 66, loser under 33 then", false, 1, 0, 1, 66, 40, 30, 20, 1, 2, "B hatte beim Sperren des Talons weniger als 33 Augen."},
      {"closer made 66, loser 0 then", false, 1, 0, 1, 70, 12, 30, 0, 1, 3, "B hatte beim Sperren des Talons 0 Augen."},
      {"closer 65 loses", false, 1, 0, 1, 65, 20, 30, 10, 2, 2, ""},
      {"closer loses, opponent had 0", false, 1, 0, 1, 65, 20, 30, 0, 2, 3, "B hatte beim Sperren des Talons 0 Augen."},
      {"last trick Schnapsen", false, 0, 2, 2, 60, 60, 0, 0, 2, 1, ""},
      {"last trick Sechsundsechzig", true, 0, 1, 1, 60, 60, 0, 0, 1, 1, ""},
      {"66 reached, loser 20", false, 0, 0, 1, 70, 20, 0, 0, 1, 2, "B hat weniger als 33 Augen."},
      {"66 reached, loser 0", false, 0, 0, 2, 0, 66, 0, 0, 2, 3, "A hat 0 Augen."},
      {"tie goes to seat 2", false, 0, 0, 1, 66, 66, 0, 0, 2, 1, ""},
  };
  for (auto c : cases) {
    schnapsenArea() = fresh(suitHearts, c.variant);
    schnapsenArea().closed = c.closer != 0;
    schnapsenArea().closer = c.closer;
    schnapsenArea().lastTrickSeat = c.lastTrick;
    schnapsenArea().totalPoints[1] = c.total1;
    schnapsenArea().totalPoints[2] = c.total2;
    schnapsenArea().pointsAtClosing[1] = c.atClosing1;
    schnapsenArea().pointsAtClosing[2] = c.atClosing2;
    LArray<int32_t, 1, 6> totals{};
    totals[1] = totals[2] = 7;
    TSchnapsenOutcome o = schnapsenSettle(c.toAct, totals, "A", "B");
    EXPECT_EQ(o.winner, c.winner) << c.name;
    EXPECT_EQ(o.gamePoints, c.points) << c.name;
    EXPECT_EQ(o.secondLine, c.second) << c.name;
    EXPECT_EQ(o.remaining[c.winner], 7 - c.points) << c.name;
    EXPECT_EQ(o.remaining[3 - c.winner], 7) << c.name;
  }
}

TEST(SchnapsenSettlement, BummerlCountdownAndListEnd) {
  schnapsenArea() = fresh(suitHearts);
  schnapsenArea().bummerlLimit = 2;
  schnapsenArea().totalPoints[1] = 70;
  schnapsenArea().totalPoints[2] = 0;
  LArray<int32_t, 1, 6> totals{};
  totals[1] = 2;
  totals[2] = 5;
  TSchnapsenOutcome o = schnapsenSettle(1, totals, "A", "B");
  EXPECT_EQ(o.gamePoints, 3);
  EXPECT_TRUE(o.bummerl);
  EXPECT_EQ(o.remaining[1], 0);
  EXPECT_EQ(o.remaining[2], 5);
  EXPECT_EQ(o.pointsText, "A erhält 3 Punkte und erhält ein Bummerl.");
  EXPECT_EQ(schnapsenArea().bummerlWon[1], 1);
  EXPECT_FALSE(schnapsenIsListOver(1));
  schnapsenSettle(1, totals, "A", "B");
  EXPECT_TRUE(schnapsenIsListOver(1));
  schnapsenArea().bummerlLimit = schnapsenNoBummerlLimit;
  schnapsenArea().bummerlWon[1] = 199;
  EXPECT_FALSE(schnapsenIsListOver(1));
  EXPECT_EQ(schnapsenHighscoreScore(), 199);
}

TEST(SchnapsenOptions, NumberOfAnItem) {
  struct { const char* text; int number; } cases[] = {
      {"1 Bummerl", 1}, {"100 Bummerl", 100}, {"7 Punkte", 7}, {"Keine Grenze", 99999}, {"11", 99999},
  };
  for (auto c : cases) EXPECT_EQ(schnapsenOptionNumber(c.text), c.number) << c.text;
}

}  // namespace

// Old Maid's rules: deals, pairs with and without the colour rule, the seat a card is drawn
// from, the loser, the end of a list and its text, and the check of answers.
#include <gtest/gtest.h>

#include "core/core_messages.h"
#include "tests/family/oldmaid_fixture.h"

namespace {

using OldMaidRules = OldMaidFixture;

TEST_F(OldMaidRules, DealCountsShareTheDeckWithTheRestToTheLowSeats) {
  struct TCase {
    int32_t deck, seats;
    std::vector<int32_t> counts;
  } cases[] = {
      {49, 3, {17, 16, 16}}, {53, 4, {14, 13, 13, 13}}, {49, 2, {25, 24}}, {53, 6, {9, 9, 9, 9, 9, 8}},
  };
  for (const TCase& c : cases) {
    playerCount = c.seats;
    oldMaidArea().deckSize = c.deck;
    for (int32_t s = 1; s <= c.seats; s++)
      EXPECT_EQ(oldMaidDealCount(s), c.counts[s - 1]) << c.deck << " cards, seat " << s;
  }
}

TEST_F(OldMaidRules, PairsFollowHandOrderAndTheColourRule) {
  struct TCase {
    std::string hand;
    bool colour;
    int32_t rank;
    std::string pair;
  } cases[] = {
      {"c7 h8 h7", false, rank7, "c7#1 h7#3"},
      {"c7 h7", true, 0, ""},                  // one black and one red seven
      {"c7 h7 s7", true, rank7, "c7#1 s7#3"},  // two black ones
      {"c7 h7 d7", true, rank7, "h7#2 d7#3"},  // else two red ones
      {"h7 c8 d8 s7", true, 0, ""},
      {"sQ x cK", false, 0, ""},               // the old maid never pairs
      {"x cK sK", false, rankKing, "cK#2 sK#3"},
      {"c9 d9 c10 s10", false, rank9, "c9#1 d9#2"},
  };
  for (const TCase& c : cases) {
    position({c.hand, "cA"}, 4, 1, TOldMaidOptions{.seats = 2, .colourPairs = c.colour});
    EXPECT_EQ(oldMaidFindPairs(), c.rank) << c.hand;
    EXPECT_EQ(handSlotsText(oldMaidArea().pairCards), c.pair) << c.hand;
  }
}

TEST_F(OldMaidRules, TheCardComesFromTheFirstSeatBackThatHoldsCards) {
  struct TCase {
    std::vector<std::string> hands;
    int32_t seat, from;
  } cases[] = {
      {{"c7", "c8", "c9", "c10"}, 1, 4},
      {{"c7", "c8", "c9", ""}, 1, 3},
      {{"c7", "c8", "c9", "c10"}, 3, 2},
      {{"c7", "", "", "c10"}, 4, 1},
      {{"c7", "", "", ""}, 1, 0},
  };
  for (const TCase& c : cases) {
    position(c.hands, 2, c.seat);
    EXPECT_EQ(oldMaidNextSeatWithCards(), c.from) << "seat " << c.seat;
  }
}

TEST_F(OldMaidRules, TheLoserHoldsTheOnlyCardLeft) {
  position({"", "sQ", ""}, 4, 1);
  EXPECT_EQ(oldMaidLoser(), 2);
  position({"c7", "sQ", ""}, 4, 1);
  EXPECT_EQ(oldMaidLoser(), 0);
}

// Totals only fall: a points limit counts the points a seat has lost.
TEST_F(OldMaidRules, ListEndsOnGamesOrOnPointsLost) {
  struct TCase {
    int32_t gameLimit, pointsLimit, played;
    std::vector<int32_t> totals;
    bool over;
    std::string text;
  } cases[] = {
      {3, 0, 2, {0, -1, -1}, false, "f_dialog_spiellisterunden1"},
      {3, 0, 3, {0, -2, -1}, true, "f_dialog_spiellisterunden1"},
      {99999, 10, 12, {-3, -9, 0}, false, "f_dialog_spiellistepunkte"},
      {99999, 10, 14, {-3, -10, -1}, true, "f_dialog_spiellistepunkte"},
      {99999, 0, 40, {-13, -14, -13}, false, ""},
  };
  for (const TCase& c : cases) {
    position({"c7", "c8", "c9"}, 4, 1, TOldMaidOptions{.gameLimit = c.gameLimit, .pointsLimit = c.pointsLimit});
    cg.gs.gamesPlayed = c.played;
    for (int s = 1; s <= 3; s++) cg.gs.listTotals[s] = c.totals[s - 1];
    EXPECT_EQ(oldMaidIsListOver(), c.over) << c.gameLimit << "/" << c.pointsLimit << " after " << c.played;
    std::string text;
    oldMaidListText(text);
    if (c.text == "f_dialog_spiellistepunkte") {
      int32_t most = -std::min({c.totals[0], c.totals[1], c.totals[2]});
      EXPECT_EQ(text, coreLookupText(c.text, std::to_string(most), std::to_string(c.pointsLimit)));
    } else if (!c.text.empty()) {
      EXPECT_EQ(text, coreLookupText(c.text, std::to_string(c.played), std::to_string(c.gameLimit)));
    } else {
      EXPECT_EQ(text, "40" + coreLookupText("f_dialog_spielegespielt"));
    }
  }
}

TEST_F(OldMaidRules, AnswersOutsideTheDecisionAreRefusedAndStayOpen) {
  struct TCase {
    bool any;
    int kind;
    int32_t a, b;
    bool taken;
  } cases[] = {
      {false, 0, 3, 1, true},   {false, 0, 3, 2, true},  {false, 0, 3, 3, false},
      {false, 0, 2, 1, false},  // not the neighbour
      {false, 0, 1, 1, false},  {false, 0, 3, 0, false}, {false, 2, 0, 123, false},
      {true, 0, 2, 3, true},    {true, 0, 2, 4, false},  {true, 0, 1, 1, false},
      {true, 0, 4, 1, false},   {true, 0, 0, 1, false},  {true, 0, 3, 2, true},
  };
  for (const TCase& c : cases) {
    position({"c7 h7", "c8 h8 d9", "c9 s10"}, 2, 1, TOldMaidOptions{.drawFromAny = c.any});
    cg.seatRecords[1].kind = seatKindUser;
    ASSERT_TRUE(runUntil([] { return cg.gs.awaitingAction == 2; }));
    ASSERT_EQ(cg.gs.bl.decisionKind, c.any ? 121 : 122);
    cg.submitAction(c.kind, c.a, c.b);
    const std::string at = std::to_string(c.kind) + "," + std::to_string(c.a) + "," + std::to_string(c.b);
    EXPECT_EQ(cg.gs.awaitingAction == 2, !c.taken) << at;
    EXPECT_EQ(cg.gs.subState, 3) << at;
    if (!c.taken) {
      EXPECT_EQ(oldMaidCardCount(1), 2) << at;
    }
  }
}

}  // namespace

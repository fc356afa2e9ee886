// Canasta's scoring: a side's score with each part worked out by hand, red threes without
// melds, team hands, the texts, the list end and the highscore tables.
#include "games/rummy/canasta_scoring.h"

#include "engine/texts.h"
#include "games/rummy/canasta_state.h"
#include "platform/paths.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

class CanastaScoringTest : public CanastaTest {
 protected:
  static int32_t score(int32_t seat) {
    int32_t s = 0;
    std::string text;
    canastaScoreText(seat, s, text);
    return s;
  }
};

TEST_F(CanastaScoringTest, ASidesScorePartByPart) {
  seats(2);
  layMeld(1, "cK hK sK dK cK hK c2");  // 80 points, a mixed canasta: 300
  layMeld(1, "h3 d3");                  // two red threes: 200
  layMeld(2, "c8 h8 d8");               // 30
  giveHand(1, "c7 x");                  // 55 in hand
  giveHand(2, "d3 cA");                 // a red three and an ace left: 20
  canastaArea().wentOutSeat = 2;
  EXPECT_EQ(score(1), 80 + 300 + 200 - 55);
  EXPECT_EQ(score(2), 30 - 20 + 100);
  canastaArea().wentOutConcealed = 1;
  EXPECT_EQ(score(2), 30 - 20 + 200);
}

TEST_F(CanastaScoringTest, RedThreesAndMissingCanastas) {
  seats(2);
  struct Case {
    const char* melds[2];
    bool negative, alwaysPositive;
    int score;
  } cases[] = {
      {{"h3", ""}, false, false, -100},
      {{"h3", ""}, false, true, 100},
      {{"h3 d3 h3 d3", ""}, false, false, -800},
      {{"h3 d3 h3 d3", ""}, false, true, 800},
      {{"c8 h8 d8", "h3"}, false, false, 130},
      {{"c8 h8 d8", "h3"}, true, false, 70},  // the melded cards count negative, the threes still positive
      {{"cK hK sK dK cK hK sK", "h3"}, true, false, 670},
  };
  for (const Case& c : cases) {
    k12.clear();
    sp[12].count = 0;
    for (const char* m : c.melds)
      if (*m) layMeld(1, m);
    canastaArea().options.negativeWithoutCanasta = c.negative;
    canastaArea().options.redThreesAlwaysPositive = c.alwaysPositive;
    EXPECT_EQ(score(1), c.score) << c.melds[0] << " / " << c.melds[1];
  }
}

TEST_F(CanastaScoringTest, PartnersShareTheirHandsAndTheirScore) {
  teams();
  layMeld(3, "cQ hQ sQ");  // 30
  layMeld(2, "c9 h9 d9");
  giveHand(1, "c7");
  giveHand(3, "x");
  giveHand(2, "cA");
  giveHand(4, "c4 c5");
  canastaArea().wentOutSeat = 4;
  EXPECT_EQ(score(1), 30 - 55);
  EXPECT_EQ(score(3), score(1));
  EXPECT_EQ(score(2), 30 - 30 + 100);
  EXPECT_EQ(score(4), score(2));
}

class CanastaTextsTest : public CanastaScoringTest {
 protected:
  void SetUp() override {
    CanastaScoringTest::SetUp();
    savedFolder_ = programFolder();
    setProgramFolder(SKAT_SOURCE_DIR);
    resetTextTables();
    loadFragments();
  }
  void TearDown() override {
    resetTextTables();
    setProgramFolder(savedFolder_);
    CanastaScoringTest::TearDown();
  }
  std::string savedFolder_;
};

TEST_F(CanastaTextsTest, ScoreTextNamesEachPartThatCounts) {
  seats(2);
  layMeld(1, "cK hK sK dK cK hK c2");
  layMeld(1, "h3 d3");
  giveHand(1, "c7 x");
  int32_t s = 0;
  std::string text;
  canastaScoreText(1, s, text);
  EXPECT_EQ(text, "525 Punkte (Hand -55, ausgelegt 80, Canasta 300, rote Dreier 200)");
  canastaArea().wentOutSeat = 2;
  canastaArea().options.goingOutBonus = 150;
  canastaScoreText(2, s, text);
  EXPECT_EQ(text, "150 Punkte (Hand -0, fertiggemacht 150)");
}

TEST_F(CanastaTextsTest, ListText) {
  TCanastaOptions& o = canastaArea().options;
  cg.gs.gamesPlayed = 3;
  cg.gs.listTotals[2] = 2400;
  struct Case {
    int length, limit;
    const char* text;
  } cases[] = {
      {99999, 5000, "Höchster Stand 2400 von 5000 Punkten"},
      {10, 5000, "Spiel 3 von 10"},
      {99999, 0, "Spiel 3 von unbegrenzt"},
      {0, 0, "3 Spiele gespielt"},
  };
  for (const Case& c : cases) {
    o.listLength = c.length;
    o.pointLimit = c.limit;
    std::string out;
    canastaListText(out);
    EXPECT_EQ(out, c.text) << c.length << " " << c.limit;
  }
}

TEST_F(CanastaScoringTest, ListEndsByGamesOrPoints) {
  TCanastaOptions& o = canastaArea().options;
  struct Case {
    int length, limit, played, total;
    bool over;
  } cases[] = {
      {10, 0, 9, 0, false},        {10, 0, 10, 0, true},          {99999, 5000, 40, 4999, false},
      {99999, 5000, 40, 5000, true}, {99999, 99999, 40, 200000, false}, {99999, 0, 1000, 90000, false},
  };
  for (const Case& c : cases) {
    o.listLength = c.length;
    o.pointLimit = c.limit;
    cg.gs.gamesPlayed = c.played;
    cg.gs.listTotals[3] = c.total;
    EXPECT_EQ(canastaIsListOver(), c.over) << c.length << " " << c.limit << " " << c.played << " " << c.total;
  }
}

TEST_F(CanastaScoringTest, HighscoreTableByTeamsAndListLength) {
  struct Case {
    bool teams;
    int played, table;
  } cases[] = {{true, 15, 1}, {false, 15, 2}, {true, 16, 3}, {false, 40, 3}};
  for (const Case& c : cases) {
    canastaArea().options.teams = c.teams;
    cg.gs.gamesPlayed = c.played;
    EXPECT_EQ(canastaHighscoreTable(), c.table) << c.teams << " " << c.played;
  }
  cg.gs.listTotals[1] = 0;
  std::string text = "x";
  canastaEnterHighscore(text);
  EXPECT_EQ(text, "");
}

TEST_F(CanastaScoringTest, RoundCountsPassesOfTurns) {
  struct Case {
    int seats, turns, round;
  } cases[] = {{4, 3, 1}, {4, 6, 1}, {4, 7, 2}, {2, 5, 2}};
  for (const Case& c : cases) {
    seats(c.seats);
    canastaArea().turnCounter = c.turns;
    EXPECT_EQ(canastaRound(), c.round);
  }
}

}  // namespace

// Schwimmen's flow from built positions and fresh lists: "Knack", the last turns after a
// knock, the middle replaced after every seat passed, the dealer, the dealing order, ties,
// the list's end, the highscore tables and the check of answers.
#include <gtest/gtest.h>

#include <set>

#include "core/core_messages.h"
#include "platform/random.h"
#include "tests/family/schwimmen_fixture.h"

namespace {

using SchwimmenFlow = SchwimmenFixture;

// The 32 cards less the ones written, bottom first.
std::string restOfDeck(const std::string& used) {
  std::set<std::string> taken;
  THand u = handOf(used);
  for (int i = 1; i <= handUsed(u); i++) taken.insert(cardText(u.k[i]));
  std::string out;
  for (const char* f : {"c", "s", "h", "d"})
    for (const char* r : {"7", "8", "9", "J", "Q", "K", "10", "A"}) {
      std::string c = std::string(f) + r;
      if (!taken.count(c)) out += (out.empty() ? "" : " ") + c;
    }
  return out;
}

void allUsers() {
  for (int s = 1; s <= 6; s++) cg.seatRecords[s].kind = seatKindUser;
}

// Seats asked for their turn, in order, while each answer comes from `answer`, until the game ends.
template <class Answer>
std::vector<int32_t> playTurns(Answer answer, int limit = 40) {
  std::vector<int32_t> seats;
  for (int t = 0; t < limit; t++) {
    if (!SchwimmenFixture::untilTurn() || cg.gs.phase == 5) break;
    seats.push_back(cg.gs.akspieler);
    answer();
  }
  return seats;
}

void pass() { cg.submitAction(2, 0, schwimmenPass); }

TEST_F(SchwimmenFlow, KnackEndsTheGameBeforeAnyMove) {
  struct TCase {
    std::vector<std::string> hands;
    int32_t says;
  } cases[] = {
      {{"c7 c8 c9", "hA h10 hK", "s7 s8 s9"}, 2},
      {{"hA h10 hK", "c7 c8 c9", "sA s10 sQ"}, 3},
  };
  for (const TCase& c : cases) {
    std::string used = c.hands[0] + " " + c.hands[1] + " " + c.hands[2] + " d7 d8 d9";
    position(c.hands, "d7 d8 d9", restOfDeck(used), 1);
    bool turnAsked = false;
    ASSERT_TRUE(runUntil([&] {
      turnAsked = turnAsked || cg.gs.awaitingAction == 2;
      return cg.gs.phase == 5;
    }));
    EXPECT_FALSE(turnAsked);
    EXPECT_EQ(cg.gs.akspieler, c.says) << "the later seat with 31 says \"Knack\"";
  }
}

TEST_F(SchwimmenFlow, AfterAKnockEveryOtherSeatMovesOnceMore) {
  const std::string used = "c7 c8 c9 s7 s8 s9 h7 h8 h9 d7 d8 d9";
  position({"c7 c8 c9", "s7 s8 s9", "h7 h8 h9"}, "d7 d8 d9", restOfDeck(used), 2);
  ASSERT_TRUE(untilTurn());
  cg.submitAction(2, 0, schwimmenKnock);
  std::vector<int32_t> order = playTurns([] {
    cg.submitAction(2, 0, schwimmenKnock);  // a second knock is refused and changes nothing
    EXPECT_EQ(cg.gs.awaitingAction, 2);
    cg.submitAction(0, 0, 1);
    ASSERT_TRUE(runUntil([] { return asked(schwimmenDecisionTake); }));
    cg.submitAction(3, 0, 1);
  });
  EXPECT_EQ(order, (std::vector<int32_t>{3, 1}));
  EXPECT_EQ(cg.gs.phase, 5);
  EXPECT_EQ(misplacedCards(), "");
}

TEST_F(SchwimmenFlow, EverySeatPassingReplacesTheMiddleAndKeepsTheStock) {
  for (int32_t choice : {schwimmenNewCards, schwimmenKeep}) {
    for (int32_t seats : {2, 4}) {
      randomSeed(11);
      newList(TSchwimmenOptions{.seats = seats, .dealer = 2});
      allUsers();
      ASSERT_TRUE(runUntil([] { return asked(schwimmenDecisionDealer); }));
      EXPECT_EQ(cg.gs.akspieler, 1) << "\"Spieler 1\" deals";
      cg.submitAction(2, 0, choice);
      ASSERT_TRUE(untilTurn());
      const std::string middle = cardsOf(12), stockTop = cardsOf(11);
      EXPECT_EQ(stackUsed(sp[11]), 32 - 3 * seats - 3);
      for (int s = 0; s < seats; s++) {
        ASSERT_TRUE(untilTurn());
        pass();
      }
      ASSERT_TRUE(untilTurn());
      EXPECT_NE(cardsOf(12), middle) << "choice " << choice << " seats " << seats;
      EXPECT_EQ(stackUsed(sp[11]), 32 - 3 * seats - 3) << "choice " << choice << " seats " << seats;
      EXPECT_EQ(stackUsed(sp[15]), 0);
      EXPECT_EQ(misplacedCards(), "");
      EXPECT_EQ(cg.gs.akspieler, 2) << "the seat whose pass completed the round plays next";
      (void)stockTop;
    }
  }
}

TEST_F(SchwimmenFlow, AfterAKnockPassingNeverReplacesTheMiddle) {
  const std::string used = "c7 c8 c9 s7 s8 s9 h7 h8 h9 d7 d8 d9";
  position({"c7 c8 c9", "s7 s8 s9", "h7 h8 h9"}, "d7 d8 d9", restOfDeck(used), 1);
  std::vector<int32_t> order = playTurns([] {
    if (cg.gs.akspieler == 3) cg.submitAction(2, 0, schwimmenKnock);
    else pass();
  });
  EXPECT_EQ(order, (std::vector<int32_t>{1, 2, 3, 1, 2}));
  EXPECT_EQ(cardsOf(12), "d7 d8 d9");
  EXPECT_EQ(stackUsed(sp[11]), 20);
}

TEST_F(SchwimmenFlow, TiesScoreEverySeatWithTheValue) {
  struct TCase {
    std::vector<std::string> hands;
    bool positive;
    std::vector<int32_t> values;
    std::string sentence;
  } cases[] = {
      {{"c7 c8 c9", "hA h10 hK", "s7 s8 s9"}, false, {-1, 0, -1}, "{1} und {3} verlieren mit 24 Augen."},
      {{"c7 c8 c9", "hA h10 hK", "s7 s8 s9"}, true, {0, 1, 0}, "{2} gewinnt mit 31 Augen."},
      {{"c7 c8 c9", "s7 s8 s9", "h7 h8 h9", "dA d10 d9"}, false, {-1, -1, -1, 0},
       "{1}, {2} und {3} verlieren mit 24 Augen."},
      {{"cA c8 c9", "sA s8 s9", "h7 h8 h9"}, true, {1, 1, 0}, "{1} und {2} gewinnen mit 28 Augen."},
  };
  for (const TCase& c : cases) {
    position(c.hands, "", "", 1, TSchwimmenOptions{.seats = int32_t(c.hands.size()), .positive = c.positive});
    TGameResult r;
    schwimmenBuildResult(r);
    std::string sentence = c.sentence;
    for (int s = 1; s <= 4; s++) {
      const std::string mark = "{" + std::to_string(s) + "}";
      for (size_t p; (p = sentence.find(mark)) != std::string::npos;) sentence.replace(p, 3, cg.seatName(s));
    }
    if (c.sentence.find("gewinnt") != std::string::npos)
      sentence.replace(sentence.find(" gewinnt mit "), 13, " " + coreLookupText("f_dialog_gewinntmit"));
    EXPECT_EQ(r.longText, sentence);
    for (size_t s = 0; s < c.values.size(); s++) EXPECT_EQ(r.values[int(s + 1)], c.values[s]) << c.sentence;
  }
}

TEST_F(SchwimmenFlow, ListsEndByGamesOrByPointsOfTheScoringsSign) {
  struct TCase {
    bool positive;
    int32_t gameLimit, pointsLimit, played;
    std::vector<int32_t> totals;
    bool over;
    std::string text;
  } cases[] = {
      {true, 99999, 3, 4, {3, 1, 0}, true, "4 von unbegrenzt Runden gespielt, 3 von 3 max. Punkten erreicht"},
      {true, 99999, 3, 4, {2, -3, 0}, false, "4 von unbegrenzt Runden gespielt, 2 von 3 max. Punkten erreicht"},
      {false, 99999, 3, 5, {-3, -1, 0}, true, "5 von unbegrenzt Runden gespielt, 3 von 3 max. Punkten erreicht"},
      {false, 99999, 3, 5, {-2, 0, 0}, false, "5 von unbegrenzt Runden gespielt, 2 von 3 max. Punkten erreicht"},
      {false, 6, 0, 6, {0, 0, 0}, true, "6 von 6 Runden gespielt, 0 von unbegrenzt max. Punkten erreicht"},
      {true, 6, 0, 5, {-1, -2, -2}, false, "5 von 6 Runden gespielt, 0 von unbegrenzt max. Punkten erreicht"},
  };
  for (const TCase& c : cases) {
    position({"", "", ""}, "", "", 1,
             TSchwimmenOptions{.positive = c.positive, .gameLimit = c.gameLimit, .pointsLimit = c.pointsLimit});
    cg.gs.gamesPlayed = c.played;
    for (int s = 1; s <= 3; s++) cg.gs.listTotals[s] = c.totals[size_t(s - 1)];
    EXPECT_EQ(schwimmenIsListOver(), c.over) << c.text;
    std::string text;
    schwimmenListText(text);
    EXPECT_EQ(text, c.text);
  }
}

TEST_F(SchwimmenFlow, HighscoresGoToTheTableOfTheListsLength) {
  struct TCase {
    int32_t played, score, table;
  } cases[] = {{10, 1000, 1}, {11, 1000, 2}, {4, 0, 0}};
  for (const TCase& c : cases) {
    resetAllHighscores(cg.highscores);
    cg.gameId = gidSchwimmen;
    cg.gs.gamesPlayed = c.played;
    cg.gs.matchScore[1] = c.score;
    std::string text;
    schwimmenEnterHighscore(text);
    EXPECT_EQ(text.empty(), c.table == 0) << c.played;
    for (int t = 1; t <= 2; t++)
      EXPECT_EQ(cg.highscores[gidSchwimmen][t][1].points == 1000, t == c.table) << c.played << " table " << t;
  }
}

TEST_F(SchwimmenFlow, ARandomFirstDealerIsNeverSeatOne) {
  for (int seed = 1; seed <= 40; seed++) {
    randomSeed(uint64_t(seed));
    newList(TSchwimmenOptions{.seats = 2 + seed % 5, .dealer = 1});
    EXPECT_NE(cg.gs.dealer, 1) << "seed " << seed;
  }
  newList(TSchwimmenOptions{.seats = 3, .dealer = 4});
  EXPECT_EQ(cg.gs.dealer, 3);
  startGame(false);
  EXPECT_EQ(cg.gs.dealer, 1) << "the next game's deal passes on";
}

TEST_F(SchwimmenFlow, CounterClockwiseDealingStartsBelowTheDealerAndPlayStillPassesUp) {
  resetTable(4);
  setHeadlessDisplay(2);
  setTopIndex(dlgDisplay, elSeatOrderList, 2);
  setOptions(TSchwimmenOptions{.seats = 4, .dealer = 3});
  startGame(true);
  allUsers();
  EXPECT_EQ(cg.gs.dealer, 2) << "row 3 names seat 2";
  std::vector<int32_t> dealtTo;
  ASSERT_TRUE(runUntil([&] {
    if (cg.gs.phase == 1 && cg.gs.step > int32_t(dealtTo.size())) dealtTo.push_back(cg.gs.akspieler);
    return asked(schwimmenDecisionDealer);
  }));
  EXPECT_EQ(dealtTo, (std::vector<int32_t>{1, 4, 3, 2}));
  cg.submitAction(2, 0, schwimmenKeep);
  ASSERT_TRUE(untilTurn());
  EXPECT_EQ(cg.gs.akspieler, 3);
}

TEST_F(SchwimmenFlow, AnswersOutsideTheDecisionAreRefused) {
  const std::string used = "c7 c8 c9 s7 s8 s9 h7 h8 h9 d7 d8 d9";
  position({"c7 c8 c9", "s7 s8 s9", "h7 h8 h9"}, "d7 d8 d9", restOfDeck(used), 1);
  ASSERT_TRUE(untilTurn());
  struct TBad {
    int kind;
    int32_t b;
  } turnBad[] = {{0, 0}, {0, 4}, {2, 77}, {2, 555}, {3, 1}};
  for (const TBad& bad : turnBad) {
    cg.submitAction(bad.kind, 0, bad.b);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << bad.kind << " " << bad.b;
    EXPECT_EQ(cg.gs.step, 1);
  }
  cg.submitAction(0, 0, 2);
  ASSERT_TRUE(runUntil([] { return asked(schwimmenDecisionTake); }));
  for (const TBad& bad : {TBad{3, 0}, TBad{3, 5}, TBad{0, 1}, TBad{2, 72}}) {
    cg.submitAction(bad.kind, 0, bad.b);
    EXPECT_EQ(cg.gs.awaitingAction, 2) << bad.kind << " " << bad.b;
  }
  EXPECT_EQ(stackUsed(sp[12]), 4);
  cg.submitAction(3, 0, 4);
  ASSERT_TRUE(untilTurn());
  EXPECT_EQ(cg.gs.akspieler, 2);
  EXPECT_EQ(stackUsed(sp[1]), 3);
  EXPECT_EQ(misplacedCards(), "");
}

}  // namespace

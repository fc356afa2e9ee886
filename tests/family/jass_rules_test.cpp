// Jass's rules: orders and points of every mode, follow rules, the trick winner, the Weis
// kinds, names and tie keys, Stöck, and the bookings in each counting order.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "table/table_game_hooks.h"
#include "tests/family/jass_fixture.h"

namespace {

using JassRules = JassTable;

std::string sortedCodes(const std::string& codes) {
  std::istringstream in(codes);
  std::vector<std::string> v;
  for (std::string c; in >> c;) v.push_back(c);
  std::sort(v.begin(), v.end());
  std::string out;
  for (const std::string& c : v) out += (out.empty() ? "" : " ") + c;
  return out;
}

int32_t value(const char* code) { return cardValues[jassCard(code).f][jassCard(code).t]; }

TEST_F(JassRules, EveryModeDealsOneHundredFiftyTwoCardPoints) {
  for (int32_t mode : {1, 2, 3, 4, 15, 16, 18, 19}) {
    setMode(mode);
    jassBuildDeck();
    syncHandFromSlots(sp[jassStockStack]);
    EXPECT_EQ(handUsed(sp[jassStockStack].hand), 36) << "mode " << mode;
    EXPECT_EQ(jassSetPoints(sp[jassStockStack].hand), 152) << "mode " << mode;
  }
}

TEST_F(JassRules, CardPointsByMode) {
  struct Case {
    int32_t mode;
    const char* card;
    int32_t points;
  } cases[] = {
      {3, "9h", 14}, {3, "Jh", 20}, {3, "9c", 0},  {3, "Jc", 2},  {3, "Ah", 11}, {15, "8c", 8},
      {15, "9c", 0}, {15, "Ac", 11}, {16, "6c", 11}, {16, "8d", 8}, {16, "Ad", 0}, {18, "6s", 0},
      {19, "6s", 11}, {19, "As", 0}, {18, "8s", 8},
  };
  for (const Case& c : cases) {
    setMode(c.mode);
    EXPECT_EQ(jassCardPoints(jassCard(c.card)), c.points) << c.card << " in mode " << c.mode;
  }
}

TEST_F(JassRules, OrdersOfTrumpsPlainSuitsAndTheLowModes) {
  setMode(3);
  EXPECT_EQ(value("Jh"), 3060);
  EXPECT_EQ(value("9h"), 2040);
  EXPECT_EQ(value("Ah"), 1090);
  EXPECT_EQ(value("6h"), 1010);
  EXPECT_EQ(value("Ac"), 390);
  EXPECT_EQ(value("6d"), 10);
  setMode(16);
  EXPECT_EQ(value("6c"), 390);
  EXPECT_EQ(value("Ac"), 310);
  // Slalom Obenabe: high in the first trick, low in the second; Slalom Undenufe the reverse.
  struct Case {
    int32_t mode, tricksDone;
    bool aceHigh;
  } slaloms[] = {{18, 0, true}, {18, 1, false}, {18, 2, true}, {19, 0, false}, {19, 1, true}};
  for (const Case& c : slaloms) {
    jassArea().tricksDone = c.tricksDone;
    setMode(c.mode);
    EXPECT_EQ(value("As") > value("6s"), c.aceHigh) << "mode " << c.mode << " trick " << c.tricksDone;
  }
}

TEST_F(JassRules, FollowRules) {
  struct Case {
    const char* name;
    int32_t mode;
    THand trick;  // led by seat 2
    THand hand;   // seat 1's
    const char* legal;
  } cases[] = {
      {"lone trump jack need not follow trumps", 3, jassCards({"7h"}), jassCards({"Jh", "Ac", "6d"}), "6d Ac Jh"},
      {"trump lead with trumps", 3, jassCards({"7h"}), jassCards({"Jh", "8h", "Ac"}), "8h Jh"},
      {"plain lead: the suit or a trump", 3, jassCards({"Kc"}), jassCards({"7c", "8h", "6d"}), "7c 8h"},
      {"void in the lead: anything", 3, jassCards({"Kc"}), jassCards({"8h", "6d"}), "6d 8h"},
      {"no under-trumping while something else is legal", 3, jassCards({"Kc", "9h"}),
       jassCards({"6h", "Jh", "6d"}), "6d Jh"},
      {"under-trumping when nothing else is legal", 3, jassCards({"Kc", "9h"}), jassCards({"6h", "7h"}), "6h 7h"},
      {"no trump in Obenabe: the suit", 15, jassCards({"Kc"}), jassCards({"6c", "Ah"}), "6c"},
      {"leading: the whole hand", 3, THand{}, jassCards({"6c", "Ah"}), "6c Ah"},
  };
  for (const Case& c : cases) {
    setMode(c.mode);
    setHand(1, c.hand);
    setTrick(2, c.trick);
    EXPECT_EQ(sortedCodes(legalFor(1)), sortedCodes(c.legal)) << c.name;
  }
}

TEST_F(JassRules, TrickWinner) {
  struct Case {
    int32_t mode;
    THand trick;  // led by seat 1; seats 4, 3, 2 follow
    int32_t winner;
  } cases[] = {
      {3, jassCards({"Kc", "Ac", "Ad", "6c"}), 4},  // the higher card of the led suit
      {3, jassCards({"Kc", "6h", "Ac", "7c"}), 4},  // a trump beats the suit
      {3, jassCards({"6h", "Jh", "9h", "Ah"}), 4},  // the trump jack beats the nine
      {15, jassCards({"7c", "Ad", "8c", "6c"}), 3}, // an off-suit ace does not count
      {16, jassCards({"7c", "Ad", "8c", "6c"}), 2}, // low wins, the off-suit card does not count
  };
  for (const Case& c : cases) {
    setMode(c.mode);
    setTrick(1, c.trick);
    EXPECT_EQ(jassTrickWinningCard().hi, c.winner) << jassCodes(c.trick) << " in mode " << c.mode;
  }
}

TEST_F(JassRules, WeisKinds) {
  struct Case {
    const char* name;
    int32_t mode;
    THand dealt;
    int32_t weisClass;
    const char* cards;
  } cases[] = {
      {"four jacks", 3, jassCards({"Jc", "Js", "Jh", "Jd", "6c", "8s", "Th", "Kd", "7c"}), 200, "Jc Jd Jh Js"},
      {"four nines", 3, jassCards({"9c", "9s", "9h", "9d", "6c", "8s", "Th", "Kd", "Jc"}), 150, "9c 9d 9h 9s"},
      {"a four-card run as 50", 1, jassCards({"6c", "7c", "8c", "9c", "Ks", "Ah", "Td", "7d", "6h"}), 50, "6c 7c 8c 9c"},
      {"the same run as 20", 1, jassCards({"6c", "7c", "8c", "9c", "Ks", "Ah", "Td", "7d", "6h"}), 20, "7c 8c 9c"},
      {"no 100 from four cards", 1, jassCards({"6c", "7c", "8c", "9c", "Ks", "Ah", "Td", "7d", "6h"}), 100, ""},
      {"a five-card run", 2, jassCards({"Tc", "Jc", "Qc", "Kc", "Ac", "6s", "6h", "7d", "8d"}), 100,
       "Ac Jc Kc Qc Tc"},
      {"four queens before a run", 2, jassCards({"Qc", "Qs", "Qh", "Qd", "6h", "7h", "8h", "9h", "Th"}), 100,
       "Qc Qd Qh Qs"},
      {"four aces in Obenabe", 15, jassCards({"Ac", "As", "Ah", "Ad", "6c", "8s", "Th", "Kd", "7c"}), 100,
       "Ac Ad Ah As"},
      {"four aces are nothing in Undenufe", 16, jassCards({"Ac", "As", "Ah", "Ad", "6c", "8s", "Th", "Kd", "7c"}),
       100, ""},
      {"four sixes in Undenufe", 16, jassCards({"6c", "6s", "6h", "6d", "Ac", "8s", "Th", "Kd", "9c"}), 100,
       "6c 6d 6h 6s"},
      {"nothing", 1, jassCards({"6c", "8c", "Tc", "Qc", "As", "7h", "9h", "Jd", "Kd"}), 20, ""},
  };
  for (const Case& c : cases) {
    setMode(c.mode);
    EXPECT_EQ(sortedCodes(weisOf(1, c.dealt, c.weisClass)), sortedCodes(c.cards)) << c.name;
  }
}

TEST_F(JassRules, LongerAndHigherRunsWin) {
  setMode(4);
  // Two three-card runs: the one whose top card is higher in the mode's order (suits count
  // too); a four-card run beats both.
  EXPECT_EQ(sortedCodes(weisOf(1, jassCards({"6h", "7h", "8h", "Qs", "Ks", "As", "7c", "9d", "Jd"}), 20)),
            "As Ks Qs");
  EXPECT_EQ(sortedCodes(weisOf(1, jassCards({"6d", "7d", "8d", "Qs", "Ks", "As", "7c", "9h", "Jh"}), 20)),
            "6d 7d 8d")
      << "a trump run is higher";
  EXPECT_EQ(sortedCodes(weisOf(1, jassCards({"6c", "7c", "8c", "9c", "Ks", "As", "Qs", "9d", "Jd"}), 20)),
            "7c 8c 9c");
}

TEST_F(JassRules, WeisNamesAndTieKeys) {
  setMode(3);
  std::string text;
  jassWeisName(jassCards({"6c", "7c", "8c"}), 1, 1, text);
  EXPECT_EQ(text, "Dreiblatt");
  jassWeisName(jassCards({"Jc", "Js", "Jh", "Jd"}), 5, 1, text);
  EXPECT_EQ(text, "Vier Buben");
  jassWeisName(jassCards({"Qc", "Qs", "Qh", "Qd"}), 5, 1, text);
  EXPECT_EQ(text, "Vier Damen");
  // A list no Weis can have reads no name beyond the names.
  jassWeisName(jassCards({"6c"}), 1, 1, text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(jassWeisTieKey(jassCards({"6c", "7c", "8c", "9c"}), 1, 1), 4);
  EXPECT_GT(jassWeisTieKey(jassCards({"Qs", "Ks", "As"}), 2, 1), jassWeisTieKey(jassCards({"Qh", "Kh", "Jh"}), 2, 1))
      << "the top rank counts, read in a plain suit";
  EXPECT_EQ(jassWeisTieKey(jassCards({"6h", "7h", "8h"}), 3, 1), 1);
  EXPECT_EQ(jassWeisTieKey(jassCards({"6c", "7c", "8c"}), 3, 1), 0);
  // Announcement order from the trump chooser in playing order (seat - 1).
  jassArea().trumpChooser = 2;
  for (int s : {1, 3, 4}) jassArea().weisCards[s] = jassCards({"6c", "7c", "8c"});
  EXPECT_EQ(jassWeisTieKey(jassArea().weisCards[1], 4, 1), 8);
  EXPECT_EQ(jassWeisTieKey(jassArea().weisCards[4], 4, 4), 7);
  EXPECT_EQ(jassWeisTieKey(jassArea().weisCards[3], 4, 3), 6);
  EXPECT_EQ(jassWeisTieKey(jassCards({"6c", "7c", "8c"}), 4, 2), 9);
}

TEST_F(JassRules, WeisOptionsOfferOnlyClassesNotBelowTheBest) {
  setMode(1);
  jassArea().weisOn = 1;
  cg.gs.akspieler = 1;
  jassArea().dealtHands[1] = jassCards({"Tc", "Jc", "Qc", "Kc", "Ac", "6s", "6h", "7d", "8d"});
  jassCollectWeisOptions();
  ASSERT_EQ(jassArea().weisOptionCount, 3);
  EXPECT_EQ(jassArea().weisOptionValues[1], 100);
  EXPECT_EQ(jassArea().weisOptionTexts[1].str(), "!100");
  jassArea().bestWeis = 50;
  jassCollectWeisOptions();
  EXPECT_EQ(jassArea().weisOptionCount, 2);
  jassArea().weisOn = 0;
  jassCollectWeisOptions();
  EXPECT_EQ(jassArea().weisOptionCount, 0);
}

TEST_F(JassRules, StoeckInEitherOrderAndOff) {
  struct Case {
    bool on;
    const char* first;
    const char* second;
    int32_t pending;
  } cases[] = {{true, "Qd", "Kd", 20}, {true, "Kd", "Qd", 20}, {false, "Qd", "Kd", 0}, {true, "Qd", "Ks", 0}};
  for (const Case& c : cases) {
    jassArea() = TJassState{};
    jassArea().stoeckOn = c.on;
    setMode(16);  // any mode, no trump condition
    setHand(2, jassCards({c.first, c.second, "6c"}));
    jassCheckStoeck(2, jassCard(c.first));
    setHand(2, jassCards({c.second, "6c"}));
    jassCheckStoeck(2, jassCard(c.second));
    EXPECT_EQ(jassArea().pendingStoeck[2], c.pending) << c.first << " then " << c.second;
  }
}

TEST_F(JassRules, TheCountingOrderDecidesWhoReachesTheTargetFirst) {
  struct Case {
    int32_t order;
    int32_t stoeck2;  // team 2's booked Stöck when the target stopped the bookings
    int32_t trick1;   // team 1's booked trick points
  } cases[] = {{1, 20, 0}, {2, 20, 0}, {3, 0, 31}};
  for (const Case& c : cases) {
    jassArea() = TJassState{};
    setMode(3);
    jassArea().countingOrder = c.order;
    jassArea().pointsLimit = 1000;
    cg.gs.listTotals[1] = cg.gs.listTotals[3] = 980;
    cg.gs.listTotals[2] = cg.gs.listTotals[4] = 985;
    jassArea().pendingStoeck[2] = 20;  // team 2 reaches 1005 with it
    setTrick(1, jassCards({"Jh", "Ac", "6d", "7s"}));  // 20 + 11 + 0 + 0 to seat 1: 1011
    jassArea().trickWinner = 1;
    EXPECT_TRUE(jassBookInCountingOrder()) << "order " << c.order;
    EXPECT_EQ(jassArea().stoeckPoints[2], c.stoeck2) << "order " << c.order;
    EXPECT_EQ(jassArea().trickPoints[1], c.trick1) << "order " << c.order;
  }
}

TEST_F(JassRules, ScoresJoinPartners) {
  jassArea().trickPoints[1] = 40;
  jassArea().weisPoints[3] = 50;
  jassArea().stoeckPoints[2] = 20;
  jassArea().lastTrickBonus[4] = 5;
  cg.gs.listTotals[1] = 100;
  EXPECT_EQ(jassTeamPoints(1), 90);
  EXPECT_EQ(jassTeamPoints(3), 90);
  EXPECT_EQ(jassTeamPoints(2), 25);
  EXPECT_EQ(jassTeamScore(1), 190);
}

}  // namespace

namespace {

TEST_F(JassRules, TheTableLandsTheStoredPlayCard) {
  TCard card = jassCard("6c");
  jassArea().playedCard = noCard();
  EXPECT_FALSE(gameStoredPlayCard(card)) << "no card is being played";
  jassArea().playedCard = jassCard("Ah");
  EXPECT_TRUE(gameStoredPlayCard(card));
  EXPECT_TRUE(cardsEqual(card, jassCard("Ah")));
}

}  // namespace

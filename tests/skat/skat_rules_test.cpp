// Skat's rules: card comparisons in every game type, trick winners, Spitzen, the game
// multiplier, the strongest card, points, the game-type tests and the seat arithmetic.
#include <gtest/gtest.h>

#include "engine/texts.h"
#include "platform/paths.h"

#include <string>
#include <vector>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/skat_card_set.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "tests/support/alerts.h"
#include "tests/support/cards.h"

namespace {

// A Skat game of a given type: the bid record and the rank order follow it.
class SkatRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = *skatArea;
    cg.gameId = gidSkat;
    skatInitTables();
  }
  void TearDown() override {
    *skatArea = saved;
    skatSetRankOrder(skatTypeGrand);
    cg.gameId = gidNone;
  }
  static void play(int32_t type) {
    skatBid->gameType = type;
    skatGame->gameType = type;
    skatSetRankOrder(type);
  }
  TSkatArea saved{};
};

std::string typeName(int32_t type) {
  switch (type) {
    case skatTypeClubs: return "Kreuz";
    case skatTypeSpades: return "Pik";
    case skatTypeHearts: return "Herz";
    case skatTypeDiamonds: return "Karo";
    case skatTypeNull: return "Null";
    case skatTypeGrand: return "Grand";
    case skatTypeRamsch: return "Ramsch";
    default: return std::to_string(type);
  }
}

struct BeatsCase {
  int32_t type;
  const char* x;
  const char* y;
  bool beats;    // skatCardBeats(x, y): the computer player's order
  bool inTrick;  // skatCardBeatsInTrick(x, y): x played after y takes the trick
};

const BeatsCase beatsCases[] = {
    // Grand: only Jacks are trumps, Kreuz Jack highest; plain suits by A 10 K Q 9 8 7.
    {skatTypeGrand, "cJ", "dJ", true, true},
    {skatTypeGrand, "dJ", "cJ", false, false},
    {skatTypeGrand, "sJ", "hJ", true, true},
    {skatTypeGrand, "dJ", "sA", true, true},
    {skatTypeGrand, "sA", "cJ", false, false},
    {skatTypeGrand, "sA", "s10", true, true},
    {skatTypeGrand, "s10", "sK", true, true},
    {skatTypeGrand, "sQ", "s9", true, true},
    {skatTypeGrand, "s7", "s8", false, false},
    {skatTypeGrand, "sA", "hA", false, false},
    {skatTypeGrand, "h7", "sA", false, false},
    // Herz: Jacks, then A 10 K Q 9 8 7 of hearts; other suits only within themselves.
    {skatTypeHearts, "h7", "cA", true, true},
    {skatTypeHearts, "cA", "h7", false, false},
    {skatTypeHearts, "cA", "cK", true, true},
    {skatTypeHearts, "cK", "cA", false, false},
    {skatTypeHearts, "dA", "c7", false, false},
    {skatTypeHearts, "hA", "dJ", false, false},
    {skatTypeHearts, "dJ", "hA", true, true},
    {skatTypeHearts, "h10", "hK", true, true},
    {skatTypeHearts, "hQ", "h9", true, true},
    {skatTypeHearts, "cJ", "sJ", true, true},
    // Kreuz: the clubs are trumps below the Jacks.
    {skatTypeClubs, "c7", "hA", true, true},
    {skatTypeClubs, "cA", "hJ", false, false},
    {skatTypeClubs, "hA", "c7", false, false},
    // Null: no trumps, 7 8 9 10 J Q K A in the trick; the computer player's order favours
    // the lower card (Ace 1 .. 7 8, the Jack between Queen and 10).
    {skatTypeNull, "sJ", "s10", false, true},
    {skatTypeNull, "s10", "sJ", true, false},
    {skatTypeNull, "s10", "s9", false, true},
    {skatTypeNull, "s7", "sA", true, false},
    {skatTypeNull, "sA", "s7", false, true},
    {skatTypeNull, "sQ", "sJ", false, true},
    {skatTypeNull, "cJ", "dJ", false, false},
    {skatTypeNull, "sA", "hK", false, false},
    // Ramsch: Jacks are trumps; the computer player's order puts the Karo Jack above the
    // Kreuz Jack and the 7 above the Ace, the trick still goes to the Kreuz Jack and the Ace.
    {skatTypeRamsch, "dJ", "cJ", true, false},
    {skatTypeRamsch, "cJ", "dJ", false, true},
    {skatTypeRamsch, "s7", "sA", true, false},
    {skatTypeRamsch, "sA", "s7", false, true},
    {skatTypeRamsch, "s10", "sK", false, true},
    {skatTypeRamsch, "cJ", "sA", true, true},
    {skatTypeRamsch, "sA", "dJ", false, false},
};

TEST_F(SkatRulesTest, CardBeatsInEveryGameType) {
  for (const BeatsCase& c : beatsCases) {
    play(c.type);
    TCard x = card(c.x), y = card(c.y);
    EXPECT_EQ(skatCardBeats(x, y), c.beats)
        << typeName(c.type) << ": skatCardBeats(" << c.x << ", " << c.y << ") expected " << c.beats;
    EXPECT_EQ(skatCardBeatsInTrick(x, y), c.inTrick)
        << typeName(c.type) << ": skatCardBeatsInTrick(" << c.x << ", " << c.y << ") expected "
        << c.inTrick;
  }
}

// The card sets against the comparison formula itself (skatCardBeats2, which Ramsch's Jacks
// alone tell apart), also with a game type set without its rank order.
TEST_F(SkatRulesTest, CardSetsAnswerAsTheComparisons) {
  struct Case {
    int32_t type;
    int32_t orderOf;
  };
  const Case cases[] = {
      {skatTypeClubs, skatTypeClubs},   {skatTypeSpades, skatTypeSpades}, {skatTypeHearts, skatTypeHearts},
      {skatTypeDiamonds, skatTypeDiamonds}, {skatTypeNull, skatTypeNull}, {skatTypeGrand, skatTypeGrand},
      {skatTypeRamsch, skatTypeRamsch}, {skatTypeGrand, skatTypeNull},   {skatTypeNull, skatTypeGrand},
      {skatTypeHearts, skatTypeRamsch}, {0, skatTypeGrand},
  };
  for (const Case& c : cases) {
    skatBid->gameType = c.type;
    skatSetRankOrder(c.orderOf);
    const TSkatGameMasks* m = skatGameMasks();
    ASSERT_NE(m, nullptr);
    for (int xb = 0; xb < 32; xb++) {
      TCard x = makeCard(xb % 8 + 1, xb / 8 + 1);
      EXPECT_EQ((m->trumps & skatCardMask(x)) != 0, skatIsTrump(x)) << typeName(c.type) << " " << cardText(x);
      for (int yb = 0; yb < 32; yb++) {
        TCard y = makeCard(yb % 8 + 1, yb / 8 + 1);
        bool jacks = c.type == skatTypeRamsch && x.t == rankJack && y.t == rankJack;
        bool expected = jacks ? x.f > y.f : skatCardBeats2(x, y);
        EXPECT_EQ(skatCardBeats(x, y), expected)
            << typeName(c.type) << " in the order of " << typeName(c.orderOf) << ": " << cardText(x) << " over "
            << cardText(y);
      }
    }
  }
}

TEST_F(SkatRulesTest, CardSetsHoldOnlyDistinctDeckCards) {
  TSkatCardSet set = 0;
  EXPECT_TRUE(skatCardSetOf(handOf("sA hK cJ"), set));
  EXPECT_EQ(set, skatCardMask(card("sA")) | skatCardMask(card("hK")) | skatCardMask(card("cJ")));
  THand twice = handOf("sA hK sA");
  THand foreign = handOf("sA");
  handaddk(foreign, TCard{rank2, suitHearts, 0});
  EXPECT_FALSE(skatCardSetOf(twice, set));
  EXPECT_FALSE(skatCardSetOf(foreign, set));

  play(skatTypeGrand);
  THand mine = handOf("cJ sA s10 h7"), of = handOf("dJ sK hJ h8 cA");
  int32_t pairs = 0;
  for (int i = 1; i <= mine.anz; i++)
    for (int j = 1; j <= of.anz; j++) pairs += skatCardBeats(of.k[j], mine.k[i]);
  TSkatCardSet a = 0, b = 0;
  ASSERT_TRUE(skatCardSetOf(mine, a) && skatCardSetOf(of, b));
  EXPECT_EQ(skatBeatCount(*skatGameMasks(), a, b), pairs);
  EXPECT_EQ(pairs, 7) << "dJ and hJ each over sA, s10 and h7, not over cJ; h8 over h7";

  cg.gameId = gidNone;
  EXPECT_EQ(skatGameMasks(), nullptr) << "another game's trump test answers then";
}

TEST_F(SkatRulesTest, SecondComparisonKeepsTheJackOrderInRamsch) {
  struct Case {
    int32_t type;
    const char* x;
    const char* y;
    bool beats2;
  } cases[] = {
      {skatTypeRamsch, "cJ", "dJ", true},  {skatTypeRamsch, "dJ", "cJ", false},
      {skatTypeRamsch, "s7", "sA", true},  {skatTypeGrand, "cJ", "dJ", true},
      {skatTypeHearts, "h7", "cA", true},  {skatTypeNull, "cJ", "dJ", false},
  };
  for (const Case& c : cases) {
    play(c.type);
    EXPECT_EQ(skatCardBeats2(card(c.x), card(c.y)), c.beats2)
        << typeName(c.type) << ": skatCardBeats2(" << c.x << ", " << c.y << ")";
  }
}

struct TrickCase {
  int32_t type;
  const char* bySeat;  // the cards of seats 1, 2, 3
  int32_t leader;
  int32_t winner;
};

const TrickCase trickCases[] = {
    {skatTypeHearts, "cK cA h7", 1, 3},  // a trump takes the led Kreuz
    {skatTypeHearts, "sA cK cA", 2, 3},  // only a higher Kreuz beats the led Kreuz
    {skatTypeHearts, "sA cK c7", 2, 2},  // off-suit cards never win
    {skatTypeHearts, "dJ hA cJ", 2, 3},  // Jacks over the trump Ace; Kreuz Jack highest
    {skatTypeGrand, "s10 dJ sA", 3, 2},
    {skatTypeGrand, "cJ sJ hJ", 2, 1},
    {skatTypeGrand, "dA d10 d7", 3, 1},
    {skatTypeClubs, "hA h10 hK", 1, 1},
    {skatTypeClubs, "hA c7 hK", 1, 2},
    {skatTypeSpades, "s7 sA hJ", 1, 3},   // the Herz Jack is a Pik trump
    {skatTypeSpades, "cA sK c10", 3, 2},  // a trump on a led Kreuz
    {skatTypeDiamonds, "d10 dA d7", 1, 2},
    {skatTypeDiamonds, "hK h10 dJ", 2, 3},
    {skatTypeNull, "s9 s10 sJ", 1, 3},  // the Jack is above the 10 in Null
    {skatTypeNull, "s7 hA s8", 1, 3},
    {skatTypeNull, "sK dJ sA", 3, 3},   // seat 3 leads the Ace: nothing beats it
    {skatTypeRamsch, "sA s7 cJ", 1, 3},
    {skatTypeRamsch, "dJ cJ sJ", 1, 2},
    {skatTypeRamsch, "sA s7 s10", 2, 1},
};

TEST_F(SkatRulesTest, TrickWinners) {
  for (const TrickCase& c : trickCases) {
    play(c.type);
    THand trick = handOf(c.bySeat);
    int32_t w = skatTrickWinner(trick, c.leader);
    EXPECT_EQ(w, c.winner) << typeName(c.type) << " trick " << c.bySeat << " led by seat "
                           << c.leader << ": expected seat " << c.winner << ", got " << w;
  }
}

TEST_F(SkatRulesTest, TrickWinnerWithABadLeaderAlertsAndStartsAtSeatOne) {
  play(skatTypeGrand);
  AlertCollector alerts;
  EXPECT_EQ(skatTrickWinner(handOf("sA s10 s7"), 0), 1);
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0].rfind("ACHTUNG! skatTrickWinner", 0), 0u) << alerts.texts()[0];
}

struct SpitzenCase {
  const char* hand;
  int32_t type;
  int32_t count;
  int32_t mit;
};

const SpitzenCase spitzenCases[] = {
    {"cJ sJ hJ dJ hA h10 hK s7 s8 s9", skatTypeHearts, 7, 1},  // no Queen: mit 7
    {"cJ sJ hJ dJ hA h10 hK s7 s8 s9", skatTypeGrand, 4, 1},
    {"h10 hK cA cK sA s10 d7 d8 d9 dQ", skatTypeHearts, 5, 0},  // no Jack, no trump Ace
    {"h10 hK cA cK sA s10 d7 d8 d9 dQ", skatTypeGrand, 4, 0},
    {"cA c10 cK cQ c9 c8 c7 sA s10 sK", skatTypeHearts, 11, 0},
    {"cJ sJ hJ dJ dA d10 dK dQ d9 d8 d7 sA", skatTypeDiamonds, 11, 1},
    {"cJ hJ dJ sA", skatTypeGrand, 1, 1},
    {"cJ sJ dJ sA", skatTypeSpades, 2, 1},  // the run stops at the missing Herz Jack
    {"sJ hJ dJ sA", skatTypeSpades, 1, 0},
    {"hJ dJ", skatTypeGrand, 2, 0},
    {"cJ sJ", skatTypeNull, 2, 1},
    {"cJ sJ hJ dJ sA s10", skatTypeRamsch, 4, 1},
};

TEST_F(SkatRulesTest, SpitzenWithAndWithoutJacks) {
  for (const SpitzenCase& c : spitzenCases) {
    int32_t mit = -1;
    int32_t n = skatCountSpitzen(handOf(c.hand), c.type, mit);
    EXPECT_EQ(n, c.count) << typeName(c.type) << " " << c.hand << ": expected " << c.count
                          << " Spitzen, got " << n;
    EXPECT_EQ(mit, c.mit) << typeName(c.type) << " " << c.hand;
  }
}

TEST_F(SkatRulesTest, GameMultiplierFromSpitzenHandAndLevel) {
  struct Case {
    uint8_t hand;
    uint8_t level;
    int32_t multiplier;
  } cases[] = {
      {0, skatLevelNormal, 3},    {1, skatLevelNormal, 4},
      {0, skatLevelSchneider, 4}, {1, skatLevelSchneiderAnnounced, 6},
      {0, skatLevelSchwarz, 5},   {1, skatLevelSchwarz, 6},  // Hand Schwarz: Schneider and Schwarz only
      {1, skatLevelSchwarzAnnounced, 8}, {1, skatLevelOffen, 9},
  };
  THand mit2 = handOf("cJ sJ dA d10 dK hA h10 hK sA s10 c7 c8");
  play(skatTypeGrand);
  for (const Case& c : cases) {
    skatGame->handGame = c.hand;
    skatGame->level = c.level;
    int32_t m = skatGameMultiplier(mit2);
    EXPECT_EQ(m, c.multiplier) << "mit 2, Hand " << int(c.hand) << ", level " << int(c.level)
                               << ": expected " << c.multiplier << ", got " << m;
  }
}

TEST_F(SkatRulesTest, HighestGrandIsElevenTimesItsBase) {
  play(skatTypeGrand);
  skatGame->handGame = 1;
  skatGame->level = skatLevelOffen;
  EXPECT_EQ(skatGameMultiplier(handOf("cJ sJ hJ dJ sA s10 hA h10 dA d10 cA c10")), 11);
}

TEST_F(SkatRulesTest, StrongestCardFollowsTheComputerPlayersOrder) {
  struct Case {
    int32_t type;
    const char* hand;
    const char* strongest;
  } cases[] = {
      {skatTypeGrand, "sA dJ cJ h10", "cJ"},
      {skatTypeHearts, "cA h7 sA", "h7"},
      {skatTypeHearts, "cA sA", "cA"},  // no card beats the first of two suits
      {skatTypeNull, "sA s7 s10", "s7"},
      {skatTypeRamsch, "cJ dJ sA", "dJ"},
      {skatTypeGrand, "d8", "d8"},
  };
  for (const Case& c : cases) {
    play(c.type);
    EXPECT_EQ(cardText(skatStrongestCard(handOf(c.hand))), c.strongest)
        << typeName(c.type) << " " << c.hand;
  }
}

TEST_F(SkatRulesTest, ABadCardIsReportedAndTheComparisonGoesOn) {
  play(skatTypeGrand);
  AlertCollector alerts;
  TCard joker = card("x");
  EXPECT_TRUE(skatCardBeats(card("cJ"), joker));
  EXPECT_FALSE(skatCardBeats2(joker, card("cJ")));
  ASSERT_EQ(alerts.count(), 2u);
  EXPECT_EQ(alerts.texts()[0], "ConstructError, Caller: winsu.uk1\n\rValues t: 14 f: 1");
  EXPECT_EQ(alerts.texts()[1], "ConstructError, Caller: winsu2.uk2\n\rValues t: 14 f: 1");
}

TEST_F(SkatRulesTest, PointsAndPartyPointsInRamsch) {
  EXPECT_EQ(skatPoints(handOf("")), 0);
  EXPECT_EQ(skatPoints(handOf("cJ sQ hK d10 cA c7 c8 c9")), 2 + 3 + 4 + 10 + 11);

  THand deck{};
  for (int r = 1; r <= 8; r++)
    for (int s = 1; s <= 4; s++) handaddk(deck, makeCard(r, s));
  EXPECT_EQ(skatPoints(deck), 120);

  play(skatTypeRamsch);
  wonCards[1] = handOf("sA s10");
  wonCards[2] = handOf("hK");
  pressedSkat = handOf("dA dQ");
  skatSeatToAct() = 1;
  skatArea->options.skatToLoser = 0;  // the Skat goes to the winner of the last trick
  EXPECT_EQ(skatPartyPoints(1), 21 + 14);
  EXPECT_EQ(skatPartyPoints(2), 4);
  skatArea->options.skatToLoser = 1;
  EXPECT_EQ(skatPartyPoints(1), 21);
  skatSeatToAct() = 0;
}

TEST_F(SkatRulesTest, MergedHandsShowTheSkatOnlyToThoseWhoDoNotKnowIt) {
  THand a = handOf("cJ sA"), b = handOf("h7");
  pressedSkat = handOf("d7 d8");
  skatGame->declarer = 2;
  struct Case {
    int32_t seat;
    uint8_t hand;
    uint8_t rum;
    const char* merged;
  } cases[] = {
      {2, 0, 0, "cJ sA h7"},        // the declarer pressed the Skat himself
      {1, 0, 0, "cJ sA h7 d7 d8"},
      {2, 1, 0, "cJ sA h7 d7 d8"},  // a Hand declarer never saw it
      {1, 0, 1, "cJ sA h7"},        // in a Rum game the Skat lay open
  };
  for (const Case& c : cases) {
    skatGame->handGame = c.hand;
    skatGame->rumGame = c.rum;
    THand out{};
    skatMergeTrickHands(c.seat, a, b, out);
    EXPECT_EQ(handText(out), c.merged) << "seat " << c.seat << " hand " << int(c.hand) << " rum "
                                       << int(c.rum);
  }
  EXPECT_EQ(handText(concatHands(a, a)), "cJ sA cJ sA");
}

TEST_F(SkatRulesTest, GameTypeTests) {
  struct Case {
    int32_t type;
    uint8_t ramschGame;
    bool nullOrRamsch;
    bool negative;
  } cases[] = {
      {skatTypeClubs, 0, false, true},    {skatTypeDiamonds, 0, false, true},
      {skatTypeGrand, 0, false, true},    {skatTypeNull, 0, true, false},
      {skatTypeRamsch, 1, true, false},   {skatTypeAllPassed, 0, false, false},
      {skatTypeNone, 0, false, false},    {skatTypeGrand, 1, false, false},
  };
  for (const Case& c : cases) {
    skatBid->gameType = c.type;
    skatGame->ramschGame = c.ramschGame;
    EXPECT_EQ(skatIsNullOrRamsch(), c.nullOrRamsch) << typeName(c.type);
    EXPECT_EQ(skatIsNegativeGameType(), c.negative)
        << typeName(c.type) << " Ramsch game " << int(c.ramschGame);
  }
}

TEST_F(SkatRulesTest, SeatArithmetic) {
  const int32_t next[] = {0, 2, 3, 1};
  const int32_t prev[] = {0, 3, 1, 2};
  for (int s = 1; s <= 3; s++) {
    EXPECT_EQ(skatNextPlayer(s), next[s]) << "next of " << s;
    EXPECT_EQ(skatPrevPlayer(s), prev[s]) << "previous of " << s;
  }
  struct Case {
    int32_t dealer, forehand, middlehand;
  } tables[] = {{3, 1, 2}, {1, 2, 3}, {2, 3, 1}};
  for (const Case& c : tables) {
    skatArea->skatDealerSeat = c.dealer;
    EXPECT_EQ(skatDealer(), c.dealer);
    EXPECT_EQ(skatForehand(), c.forehand) << "dealer " << c.dealer;
    EXPECT_EQ(skatMiddlehand(), c.middlehand) << "dealer " << c.dealer;
  }

  skatSeatToAct() = 3;
  EXPECT_EQ(skatNextPlayer(-1), 1);
  EXPECT_EQ(skatPrevPlayer(-1), 2);
  skatStepToNextPlayer();
  EXPECT_EQ(skatSeatToAct(), 1);
  skatStepToPrevPlayer();
  skatStepToPrevPlayer();
  EXPECT_EQ(skatSeatToAct(), 2);
  skatSeatToAct() = 0;
}

TEST_F(SkatRulesTest, RankOrdersAndSortKeys) {
  struct Case {
    int32_t type;
    std::vector<int32_t> order;  // ranks 7, 8, 9, J, Q, K, 10, A
  } cases[] = {
      {skatTypeHearts, {1, 2, 3, 4, 5, 6, 7, 8}},
      {skatTypeGrand, {1, 2, 3, 4, 5, 6, 7, 8}},
      {skatTypeNull, {8, 7, 6, 4, 3, 2, 5, 1}},
      {skatTypeAllPassed, {8, 7, 6, 4, 3, 2, 5, 1}},
      {skatTypeRamsch, {8, 7, 6, 5, 4, 3, 2, 1}},
  };
  for (const Case& c : cases) {
    skatSetRankOrder(c.type);
    for (int r = 1; r <= 8; r++)
      EXPECT_EQ(skatRankOrder[r], c.order[r - 1]) << typeName(c.type) << " rank " << r;
  }
  skatSetRankOrder(skatTypeNull);
  EXPECT_EQ(skatSortWeights[rankTen], 3.5) << "the sort weights follow the rank order";

  skatInitSortKeys();
  EXPECT_EQ(prlwert(card("cJ")), 1004);
  EXPECT_EQ(prlwert(card("dJ")), 1001);
  EXPECT_EQ(prlwert(card("cA")), 408);
  EXPECT_EQ(prlwert(card("d7")), 101);
  EXPECT_TRUE(mehrwertn(card("dJ"), card("cA")));
  EXPECT_TRUE(mehrwertn(card("s7"), card("hA")));
}

TEST_F(SkatRulesTest, InitTablesRestoresTheBaseValuesAndTexts) {
  // The shipped text tables give the names.
  std::string savedFolder = programFolder();
  setProgramFolder(SKAT_SOURCE_DIR);
  setLanguage("deutsch", 1);
  loadFragments();
  setProgramFolder(savedFolder);
  skatBaseValue[skatTypeGrand] = 20;
  skatInitTables();
  resetTextTables();
  const int32_t expected[] = {12, 11, 10, 9};
  for (int t = 1; t <= 4; t++) EXPECT_EQ(skatBaseValue[t], expected[t - 1]);
  EXPECT_EQ(skatBaseValue[skatTypeNull], 23);
  EXPECT_EQ(skatBaseValue[skatTypeGrand], 24);
  EXPECT_EQ(skatBaseValue[skatTypeRamsch], 0);
  EXPECT_EQ(kontraNames[1], "Kontra");
  EXPECT_EQ(kontraNames[4], "Hirsch");
  EXPECT_EQ(skatLevelNames[0], "Normal");
  EXPECT_EQ(skatLevelNames[4], "Schwarz angesagt");
  for (int i = 1; i <= 4; i++) EXPECT_FALSE(kontraNames[i].empty());
  for (int i = 0; i <= 5; i++) EXPECT_FALSE(skatLevelNames[i].empty());
}

}  // namespace

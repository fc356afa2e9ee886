// Skat's settlement: worked examples of the International Skat Order (Spitzen, Hand,
// Schneider and Schwarz, announcements, overbid games), Null, Kein Spiel, all passed,
// Bock, Kontra, Spitze and Rum, Ramsch with Jungfrau, Durchmarsch and pushing, the four
// scoring modes and the result texts.
#include <string>

#include "core/cg.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_bock_ramsch.h"
#include "tests/skat/skat_fixture.h"
#include "tests/support/cards.h"

namespace {

// The 32 cards of the deck.
THand deck() {
  THand h{};
  for (int r = rank7; r <= rankAce; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++) handaddk(h, makeCard(r, s));
  return h;
}

// Splits the deck into cards worth exactly `points` and the rest.
bool splitByPoints(int points, THand& mine, THand& rest) {
  const int values[] = {11, 10, 4, 3, 2};
  const int ranks[] = {rankAce, rankTen, rankKing, rankQueen, rankJack};
  int n[5];
  for (n[0] = 0; n[0] <= 4; n[0]++)
    for (n[1] = 0; n[1] <= 4; n[1]++)
      for (n[2] = 0; n[2] <= 4; n[2]++)
        for (n[3] = 0; n[3] <= 4; n[3]++)
          for (n[4] = 0; n[4] <= 4; n[4]++) {
            int sum = 0;
            for (int i = 0; i < 5; i++) sum += n[i] * values[i];
            if (sum != points) continue;
            mine = THand{};
            rest = deck();
            for (int i = 0; i < 5; i++)
              for (int s = 1; s <= n[i]; s++) {
                handaddk(mine, makeCard(ranks[i], s));
                removeFirstCard(rest, makeCard(ranks[i], s));
              }
            return true;
          }
  return false;
}

enum Schwarz { noSchwarz, defendersNoTrick, declarerNoTrick };

struct GameCase {
  const char* what;
  int32_t type;
  const char* dealt;  // the declarer's Spitzen-relevant cards, hand and Skat together
  bool hand;
  uint8_t level;      // as announced (0 when none)
  int32_t bid;
  int32_t points;     // the declarer's card points, Skat included
  Schwarz schwarz;
  int32_t value;      // expected game value (negative when lost)
};

constexpr int32_t declarer = 2;

class SkatSettlementTest : public SkatFixture {
 protected:
  // A declared game of seat 2 after the last trick.
  void setUpGame(int32_t type, const char* dealt, bool hand, uint8_t level, int32_t bid, int32_t points,
                 Schwarz schwarz) {
    TSkatGameRecord& g = *skatGame;
    g.declarer = skatBid->declarer = declarer;
    g.gameType = skatBid->gameType = type;
    g.handGame = hand ? 1 : 0;
    g.level = level;
    g.seatBid[declarer] = bid;
    g.bidReached = bid;
    dealtHands[declarer] = handOf(dealt);
    clearHand(dealtSkat);
    ASSERT_TRUE(splitByPoints(points, declarerTricks, defenderTricks)) << points;
    for (int s = 1; s <= 3; s++) g.noTrickYet[s] = 0;
    if (schwarz == defendersNoTrick) g.noTrickYet[1] = g.noTrickYet[3] = 1;
    if (schwarz == declarerNoTrick) g.noTrickYet[declarer] = 1;
    if (schwarz == defendersNoTrick) {
      appendHand(declarerTricks, defenderTricks);
      clearHand(defenderTricks);
    }
  }
  TGameResult settle() {
    TGameResult r;
    r.mainSeat = declarer;
    skatSettlementText(r);
    return r;
  }
};

// Spitzen: "cJ sJ" is mit 2; "cJ" mit 1; "hJ" ohne 2; nothing ohne 4 (Grand).
const GameCase isko[] = {
    {"Grand mit 2 Hand Schneider: 24 x 5", skatTypeGrand, "cJ sJ", true, 0, 18, 95, noSchwarz, 120},
    {"Kreuz mit 1, Spiel 2", skatTypeClubs, "cJ", false, 0, 18, 70, noSchwarz, 24},
    {"Pik mit 1 lost at 59: 22 doubled", skatTypeSpades, "cJ", false, 0, 18, 59, noSchwarz, -44},
    {"60:60 is lost", skatTypeSpades, "cJ", false, 0, 18, 60, noSchwarz, -44},
    {"61 wins", skatTypeSpades, "cJ", false, 0, 18, 61, noSchwarz, 22},
    {"Herz ohne 2 Schneider", skatTypeHearts, "hJ", false, 0, 18, 90, noSchwarz, 40},
    {"Herz ohne 2 Schwarz", skatTypeHearts, "hJ", false, 0, 18, 120, defendersNoTrick, 50},
    {"Herz mit 1 Hand Schwarz unannounced: 1+1+1+2", skatTypeHearts, "cJ", true, 0, 18, 120, defendersNoTrick, 50},
    {"Declarer Schneider: Pik mit 1 loses 3 x 11 twice", skatTypeSpades, "cJ", false, 0, 18, 30, noSchwarz, -66},
    {"Declarer Schwarz: Pik mit 1 loses 4 x 11 twice", skatTypeSpades, "cJ", false, 0, 18, 0, declarerNoTrick, -88},
    {"Schneider announced and made", skatTypeHearts, "cJ", true, 2, 18, 95, noSchwarz, 50},
    {"Schneider announced, missed: lost with it", skatTypeHearts, "cJ", true, 2, 18, 80, noSchwarz, -100},
    {"Schneider announced, declarer Schneider: not counted twice", skatTypeHearts, "cJ", true, 2, 18, 20, noSchwarz,
     -100},
    {"Schneider announced, Schwarz made: 2+1+1+1+1+1", skatTypeClubs, "hJ", true, 2, 18, 120, defendersNoTrick, 84},
    {"Grand Hand mit 2 Schwarz announced: 24 x 8", skatTypeGrand, "cJ sJ", true, 4, 18, 120, defendersNoTrick, 192},
    {"Schwarz announced, defenders took a trick", skatTypeGrand, "cJ sJ", true, 4, 18, 110, noSchwarz, -384},
    {"Grand ouvert mit 4: 24 x 11", skatTypeGrand, "cJ sJ hJ dJ", true, 5, 18, 120, defendersNoTrick, 264},
    {"Kreuz ouvert mit 2: 12 x 9", skatTypeClubs, "cJ sJ", true, 5, 18, 120, defendersNoTrick, 108},
    {"Grand ohne 4", skatTypeGrand, "h7", false, 0, 18, 70, noSchwarz, 120},
    {"Karo ohne 1 bid 24: overbid, 27 doubled", skatTypeDiamonds, "sJ", false, 0, 24, 70, noSchwarz, -54},
    {"Karo ohne 1 bid 36 Schneider: 27 < 36, overbid at 36", skatTypeDiamonds, "sJ", false, 0, 36, 95, noSchwarz,
     -72},
    {"Karo ohne 1 bid 36 Schwarz reaches the bid", skatTypeDiamonds, "sJ", false, 0, 36, 120, defendersNoTrick, 36},
    {"Karo ohne 1 bid 27, declarer Schneider reaches it: lost, not overbid", skatTypeDiamonds, "sJ", false, 0, 27,
     20, noSchwarz, -54},
    {"Null", skatTypeNull, "", false, 0, 23, 0, noSchwarz, 23},
    {"Null Hand", skatTypeNull, "", true, 0, 18, 0, noSchwarz, 35},
    {"Null ouvert", skatTypeNull, "", false, 5, 18, 0, noSchwarz, 46},
    {"Null ouvert Hand", skatTypeNull, "", true, 5, 18, 0, noSchwarz, 59},
    {"Null bid 24: overbid at 46", skatTypeNull, "", false, 0, 24, 0, noSchwarz, -92},
};

TEST_F(SkatSettlementTest, WorkedExamplesOfTheSkatOrder) {
  for (const GameCase& c : isko) {
    SetUp();
    setUpGame(c.type, c.dealt, c.hand, c.level, c.bid, c.points, c.schwarz);
    TGameResult r = settle();
    EXPECT_EQ(skatGame->gameValue, c.value) << c.what << ": expected " << c.value << ", got " << skatGame->gameValue
                                            << " (" << r.text << ")";
    EXPECT_EQ(r.values[declarer], c.value) << c.what << ": booked value";
    EXPECT_EQ(r.won, c.value > 0 ? 1 : 0) << c.what;
    EXPECT_EQ(r.values[1] + r.values[3], 0) << c.what << ": defenders book nothing in the standard scoring";
  }
}

TEST_F(SkatSettlementTest, NullLostAfterTheDeclarersTrick) {
  setUpGame(skatTypeNull, "", true, 0, 18, 10, noSchwarz);
  nullTrickTaken = 1;
  settle();
  EXPECT_EQ(skatGame->gameValue, -70);
}

TEST_F(SkatSettlementTest, TitleOfAGrandHandSchneider) {
  setUpGame(skatTypeGrand, "cJ sJ", true, 0, 18, 95, noSchwarz);
  TGameResult r = settle();
  EXPECT_EQ(r.text, "Mit 2 Spiel 3 Hand 4 - Schneider 5 mal Grand ergibt 120");
  EXPECT_EQ(r.longText, "Bert gewinnt mit 95 Augen.\r\rMit 2 Spiel 3 Hand 4 - Schneider 5 mal Grand ergibt 120.");
}

TEST_F(SkatSettlementTest, OverbidGameTitleAndKeptType) {
  setUpGame(skatTypeDiamonds, "sJ", false, 0, 24, 70, noSchwarz);
  TGameResult r = settle();
  EXPECT_EQ(skatGame->gameType, skatTypeNone);
  EXPECT_EQ(skatGame->overbidGameType, skatTypeDiamonds);
  EXPECT_EQ(r.text, "Gereizt bis 24 verloren, zählt doppelt: 54");
  EXPECT_EQ(r.longText, "Bert hat sich überreizt.\r\rGereizt bis 24 verloren, zählt doppelt: 54.");
}

TEST_F(SkatSettlementTest, GrandBaseTwentyAndNoGame) {
  options().grand20 = 1;
  setUpGame(skatTypeGrand, "cJ sJ", true, 4, 18, 120, defendersNoTrick);
  settle();
  EXPECT_EQ(skatGame->gameValue, 160);
  EXPECT_EQ(skatBaseValue[skatTypeGrand], 20);

  SetUp();
  setUpGame(skatTypeNone, "", false, 0, 20, 0, noSchwarz);  // "Kein Spiel" at 20
  TGameResult r = settle();
  EXPECT_EQ(skatGame->gameValue, -40);
  EXPECT_EQ(r.values[declarer], -40);
}

TEST_F(SkatSettlementTest, BockKontraSpitzeAndRumDoubleOrRaise) {
  struct Case {
    const char* what;
    bool bock;
    int32_t kontra;
    bool spitze, rum;
    int32_t points;
    int32_t value;
  } cases[] = {
      {"Bock", true, 0, false, false, 70, 48},
      {"Kontra", false, 1, false, false, 70, 48},
      {"Kontra Re Sup Hirsch", false, 4, false, false, 70, 384},
      {"Bock and Kontra lost", true, 1, false, false, 50, -192},
      {"Spitze", false, 0, true, false, 70, 36},
      {"Rum", false, 0, false, true, 70, 36},
  };
  for (const Case& c : cases) {
    SetUp();
    options().bockRamsch = 1;
    options().kontra = 1;
    skatArea->specialGameMarker = c.bock ? "B" : "";
    setUpGame(skatTypeClubs, "cJ", false, 0, 18, c.points, noSchwarz);
    skatGame->kontraLevel = c.kontra;
    skatGame->spitzeAnnounced = c.spitze;
    skatGame->rumGame = c.rum;
    settle();
    EXPECT_EQ(skatGame->gameValue, c.value) << c.what << ": expected " << c.value << ", got " << skatGame->gameValue;
    EXPECT_EQ(skatGame->bockGame, c.bock ? 1 : 0) << c.what;
  }
}

TEST_F(SkatSettlementTest, NullHandWithKontraAndRe) {
  options().kontra = 1;
  setUpGame(skatTypeNull, "", true, 0, 18, 0, noSchwarz);
  skatGame->kontraLevel = 2;
  settle();
  EXPECT_EQ(skatGame->gameValue, 140);
  SetUp();
  options().kontra = 1;
  setUpGame(skatTypeNull, "", true, 0, 18, 10, noSchwarz);
  skatGame->kontraLevel = 2;
  nullTrickTaken = 1;
  settle();
  EXPECT_EQ(skatGame->gameValue, -280);
}

TEST_F(SkatSettlementTest, OverbidGameIsNotDoubledByBockOrKontra) {
  options().bockRamsch = 1;
  options().kontra = 1;
  skatArea->specialGameMarker = "B";
  setUpGame(skatTypeDiamonds, "sJ", false, 0, 24, 70, noSchwarz);
  skatGame->kontraLevel = 2;
  settle();
  EXPECT_EQ(skatGame->gameValue, -54);
}

TEST_F(SkatSettlementTest, FailedSpitzeLosesAtTheNormalLevel) {
  setUpGame(skatTypeClubs, "cJ", false, 0, 18, 95, noSchwarz);
  skatGame->spitzeAnnounced = 1;
  skatGame->spitzeWrong = 1;
  settle();
  EXPECT_EQ(skatGame->won, 0);
  EXPECT_EQ(skatGame->gameValue, -72);  // mit 1, game 2, Spitze 3: 36 lost
}

TEST_F(SkatSettlementTest, AllPassedBooksNothing) {
  skatGame->gameType = skatBid->gameType = skatTypeAllPassed;
  TGameResult r = settle();
  EXPECT_EQ(skatGame->gameValue, 0);
  EXPECT_EQ(r.mainSeat, 1);
  for (int s = 1; s <= 3; s++) EXPECT_EQ(r.values[s], 0);
  EXPECT_EQ(r.text, "Eingepasst");
  EXPECT_EQ(r.longText, "Das Spiel wurde eingepasst.");
}

TEST_F(SkatSettlementTest, MinimumGameValueReachingTheBid) {
  struct Case {
    int32_t type, bid, expected;
  } cases[] = {{skatTypeDiamonds, 24, 27}, {skatTypeClubs, 24, 24}, {skatTypeGrand, 25, 48},
               {skatTypeNull, 24, 46},     {skatTypeHearts, 180, 180}, {skatTypeHearts, 181, 190},
               {skatTypeDiamonds, 163, 171}, {skatTypeDiamonds, 180, 180}, {skatTypeGrand, 264, 264},
               {skatTypeDiamonds, 264, 270}};
  for (const Case& c : cases) {
    skatGame->overbidGameType = c.type;
    EXPECT_EQ(skatMinGameValueAtLeast(c.bid), c.expected) << "type " << c.type << " bid " << c.bid;
  }
}

// [SECTION] scoring modes

TEST_F(SkatSettlementTest, ScoringModes) {
  struct Case {
    int32_t mode, value, declarerGets, defenderGets;
  } cases[] = {
      {skatScoringStandard, 48, 48, 0},     {skatScoringStandard, -120, -120, 0},
      {skatScoringTournament, 48, 98, 0},   {skatScoringTournament, -72, -122, 40},
      {skatScoringMinusOnly, -120, -120, 0}, {skatScoringMinusOnly, 48, 0, -48},
      {skatScoringPlusOnly, -120, 0, 120},  {skatScoringPlusOnly, 48, 48, 0},
  };
  for (const Case& c : cases) {
    LArray<int32_t, 1, 6> v{};
    skatSeatValues(c.mode, declarer, c.value, v);
    EXPECT_EQ(v[declarer], c.declarerGets) << "mode " << c.mode << " value " << c.value;
    EXPECT_EQ(v[1], c.defenderGets) << "mode " << c.mode << " value " << c.value;
    EXPECT_EQ(v[3], c.defenderGets) << "mode " << c.mode << " value " << c.value;
    EXPECT_EQ(v[4] + v[5] + v[6], 0);
  }
}

TEST_F(SkatSettlementTest, ScoringModeAppliesToTheBookedValues) {
  options().scoring = skatScoringTournament;
  setUpGame(skatTypeSpades, "cJ", false, 0, 18, 50, noSchwarz);
  TGameResult r = settle();
  EXPECT_EQ(r.values[declarer], -44 - 50);
  EXPECT_EQ(r.values[1], 40);
  EXPECT_EQ(r.values[3], 40);
}

// [SECTION] Ramsch

class SkatRamschTest : public SkatFixture {
 protected:
  // Each seat's won cards ("*": the rest of the deck) and the Skat; a seat without cards
  // took no trick.
  void setUpRamsch(const char* s1, const char* s2, const char* s3, const char* skat) {
    TSkatGameRecord& g = *skatGame;
    g.gameType = skatBid->gameType = skatTypeRamsch;
    g.ramschGame = 1;
    pressedSkat = handOf(skat);
    THand rest = deck();
    removeAllOfHand(rest, pressedSkat);
    const char* won[] = {nullptr, s1, s2, s3};
    for (int s = 1; s <= 3; s++)
      if (std::string(won[s]) != "*") removeAllOfHand(rest, handOf(won[s]));
    for (int s = 1; s <= 3; s++) {
      wonCards[s] = std::string(won[s]) == "*" ? rest : handOf(won[s]);
      g.noTrickYet[s] = handUsed(wonCards[s]) == 0 ? 1 : 0;
    }
  }
  TGameResult settle() {
    TGameResult r;
    skatSettlementText(r);
    return r;
  }
};

// Cards worth 50, 70, 40, 60, 20, 45, 30 points.
const char* p50 = "h10 d10 sK hK dK cQ sQ hQ dQ sJ hJ dJ";
const char* p70 = "cA sA hA dA c10 s10 cK cJ";
const char* p40 = "c10 s10 h10 d10";
const char* p60 = "cA sA hA dA cK sK hK cJ sJ";
const char* p20 = "dK cQ sQ hQ dQ hJ dJ";
const char* p45a = "cA sA c10 s10 cQ";
const char* p45b = "hA dA h10 d10 sQ";
const char* p30 = "cK sK hK dK hQ dQ cJ sJ hJ dJ";

TEST_F(SkatRamschTest, LoserWithJungfrauDoublings) {
  struct Case {
    const char* what;
    const char *s1, *s2, *s3;
    bool jungfrau3;
    int32_t push;
    int32_t loser, value;
  } cases[] = {
      {"seat 3 Jungfrau", p50, p70, "", false, 0, 2, -140},
      {"seat 3 announced Jungfrau", p50, p70, "", true, 0, 2, -280},
      {"pushed twice, then Jungfrau", p50, p70, "", false, 2, 2, -560},
      {"no Jungfrau", p40, p60, p20, false, 0, 2, -60},
      {"equal points: the first seat loses", p45a, p30, p45b, false, 0, 1, -45},
  };
  for (const Case& c : cases) {
    SetUp();
    options().skatToLoser = 0;  // the Skat goes to the winner of the last trick
    setUpRamsch(c.s1, c.s2, c.s3, "c7 s7");
    skatGame->jungfrauAnnounced[3] = c.jungfrau3;
    skatGame->pushCount = c.push;
    cg.gs.akspieler = 2;
    TGameResult r = settle();
    EXPECT_EQ(r.mainSeat, c.loser) << c.what;
    EXPECT_EQ(r.values[c.loser], c.value) << c.what << ": expected " << c.value << ", got " << r.values[c.loser]
                                          << " (" << r.text << ")";
    EXPECT_EQ(r.won, 0) << c.what;
  }
}

TEST_F(SkatRamschTest, SkatPointsGoToTheLoser) {
  options().skatToLoser = 1;
  setUpRamsch("d10 sK hK dK sQ hQ cJ", "sA hA dA c10 h10 cK cQ", "*", "cA s10");  // the Skat holds 21
  TGameResult r = settle();
  EXPECT_EQ(r.mainSeat, 2);
  EXPECT_EQ(r.values[2], -81);
  EXPECT_EQ(r.longText, "Bert verliert den Ramsch mit 81 Augen.\r(Anna: 30, Bert: 60, Carl: 9, Skat 21)\r\rRamsch 81. ");
  EXPECT_EQ(r.text, "Ramsch 81");
}

TEST_F(SkatRamschTest, SkatGoesToTheLastTrick) {
  options().skatToLoser = 0;
  setUpRamsch("d10 sK hK dK sQ hQ cJ", "sA hA dA c10 h10 cK cQ", "*", "cA s10");
  cg.gs.akspieler = 1;  // seat 1 took the last trick: 30 + 21 beats nobody's 60
  TGameResult r = settle();
  EXPECT_EQ(r.mainSeat, 2);
  EXPECT_EQ(r.values[2], -60);
  cg.gs.akspieler = 3;  // 9 + 21
  r = settle();
  EXPECT_EQ(r.values[2], -60);
}

TEST_F(SkatRamschTest, DurchmarschWinsTheFullValue) {
  options().durchmarsch = 1;
  options().skatToLoser = 1;
  setUpRamsch("", "*", "", "cA s10");
  TGameResult r = settle();
  EXPECT_EQ(r.mainSeat, 2);
  EXPECT_EQ(r.values[2], 120);
  EXPECT_EQ(skatGame->won, 1);
  EXPECT_EQ(r.text, "Durchmarsch 120");
}

TEST_F(SkatRamschTest, AllPointsWithoutEveryTrickIsNoDurchmarsch) {
  options().durchmarsch = 1;
  options().skatToLoser = 1;
  setUpRamsch("", "*", "", "cA s10");
  skatGame->noTrickYet[3] = 0;  // seat 3 took a trick without points
  TGameResult r = settle();
  EXPECT_EQ(skatGame->won, 0);
  EXPECT_EQ(r.values[2], -240);  // seat 1 is Jungfrau
}

TEST_F(SkatRamschTest, BrokenJungfrauLosesTheFullValue) {
  setUpRamsch("c10", "*", "s10 h10 d10", "c7 s7");
  skatGame->jungfrauAnnounced[3] = 1;
  skatGame->jungfrauLoser = 3;
  cg.gs.akspieler = 3;
  TGameResult r = settle();
  EXPECT_EQ(r.mainSeat, 3);
  EXPECT_EQ(r.values[3], -240);
  EXPECT_EQ(r.values[2], 0);
}

TEST_F(SkatRamschTest, ScoringModeDoesNotApply) {
  options().scoring = skatScoringPlusOnly;
  setUpRamsch(p40, p60, p20, "c7 s7");
  TGameResult r = settle();
  EXPECT_EQ(r.values[2], -60);
  EXPECT_EQ(r.values[1] + r.values[3], 0);
}

}  // namespace

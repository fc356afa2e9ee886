// Bock and Ramsch rounds: each trigger with its switch, the count options, the queue and the
// marker each new game takes from it, and the lines the settlement shows.
#include <string>

#include "games/skat/skat_settlement.h"
#include "games/skat/skat_bock_ramsch.h"
#include "games/skat/skat_services.h"
#include "tests/skat/skat_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatSpecialRoundsTest : public SkatFixture {
 protected:
  void SetUp() override {
    SkatFixture::SetUp();
    TSkatOptions& o = options();
    o.bockRamsch = 1;
    o.bockRounds = skatRoundsOneRound;
    o.ramschRounds = skatRoundsNone;
    for (uint8_t TSkatOptions::*sw : switches) o.*sw = 0;
    o.listLength = 36;
    cg.gs.gamesPlayed = 5;
    TSkatGameRecord& g = *skatGame;
    g.declarer = skatBid->declarer = 2;
    g.gameType = skatBid->gameType = skatTypeClubs;
    g.won = 1;
    g.gameValue = 48;
    g.declarerPoints = 70;
  }
  static constexpr uint8_t TSkatOptions::*switches[] = {
      &TSkatOptions::bockAllPassed, &TSkatOptions::bockKontraLost, &TSkatOptions::bockGrandHandWon,
      &TSkatOptions::bockGrandHandLost, &TSkatOptions::bockSixtyAll, &TSkatOptions::bockOver100,
      &TSkatOptions::bockSchneider, &TSkatOptions::bockListEnd};
  std::string fire() {
    std::string out;
    skatSpecialRoundTriggers(out);
    return out;
  }
};

struct TriggerCase {
  const char* what;
  uint8_t TSkatOptions::*sw;
  void (*game)();
  bool fires;
};

void allPassed() { skatGame->gameType = skatBid->gameType = skatTypeAllPassed; }
void kontraLost() { skatGame->kontraLevel = 1, skatGame->won = 0; }
void kontraWon() { skatGame->kontraLevel = 2; }
void kontraLostInRamsch() {
  kontraLost();
  skatGame->ramschGame = 1;
  skatGame->gameType = skatBid->gameType = skatTypeRamsch;
}
void grandHandWon() {
  skatGame->gameType = skatBid->gameType = skatTypeGrand;
  skatGame->handGame = 1;
}
void grandHandLost() {
  grandHandWon();
  skatGame->won = 0;
}
void grandWithSkat() { skatGame->gameType = skatBid->gameType = skatTypeGrand; }
void over100() { skatGame->gameValue = 120; }
void under100Lost() { skatGame->gameValue = -100; }
void over100Lost() { skatGame->gameValue = -144; }
void sixtyAll() { skatGame->declarerPoints = 60, skatGame->won = 0; }
void sixtyAllNull() {
  sixtyAll();
  skatGame->gameType = skatBid->gameType = skatTypeNull;
}
void schneider() { skatGame->declarerPoints = 30, skatGame->won = 0; }
void nothing() {}

const TriggerCase triggerCases[] = {
    {"all passed", &TSkatOptions::bockAllPassed, allPassed, true},
    {"a played game is not all passed", &TSkatOptions::bockAllPassed, nothing, false},
    {"Kontra lost", &TSkatOptions::bockKontraLost, kontraLost, true},
    {"Kontra won by the declarer", &TSkatOptions::bockKontraLost, kontraWon, false},
    {"no Kontra in Ramsch", &TSkatOptions::bockKontraLost, kontraLostInRamsch, false},
    {"Grand Hand won", &TSkatOptions::bockGrandHandWon, grandHandWon, true},
    {"Grand Hand lost does not fire 'won'", &TSkatOptions::bockGrandHandWon, grandHandLost, false},
    {"Grand Hand lost", &TSkatOptions::bockGrandHandLost, grandHandLost, true},
    {"Grand with the Skat", &TSkatOptions::bockGrandHandWon, grandWithSkat, false},
    {"over 100", &TSkatOptions::bockOver100, over100, true},
    {"exactly -100", &TSkatOptions::bockOver100, under100Lost, false},
    {"below -100", &TSkatOptions::bockOver100, over100Lost, true},
    {"60:60 in a suit game", &TSkatOptions::bockSixtyAll, sixtyAll, true},
    {"60:60 cannot happen in Null", &TSkatOptions::bockSixtyAll, sixtyAllNull, false},
    {"declarer Schneider", &TSkatOptions::bockSchneider, schneider, true},
    {"declarer with 70", &TSkatOptions::bockSchneider, nothing, false},
};

TEST_F(SkatSpecialRoundsTest, EachTriggerFiresOnlyWithItsSwitchAndItsOutcome) {
  for (const TriggerCase& c : triggerCases) {
    SetUp();
    c.game();
    EXPECT_EQ(fire(), "") << c.what << ": fired with its switch off";
    EXPECT_EQ(pendingSpecialGames.str(), "") << c.what;
    options().*c.sw = 1;
    std::string text = fire();
    EXPECT_EQ(!text.empty(), c.fires) << c.what << ": " << text;
    EXPECT_EQ(pendingSpecialGames.str(), c.fires ? "BBB" : "") << c.what;
  }
}

TEST_F(SkatSpecialRoundsTest, LostGrandHandFiresOnlyTheLostTriggerWithBothSwitchesOn) {
  options().bockGrandHandWon = 1;
  options().bockGrandHandLost = 1;
  grandHandLost();
  std::string text = fire();
  EXPECT_EQ(pendingSpecialGames.str(), "BBB") << text;
  EXPECT_EQ(text.find(skatLookupText("f_skat_grandhandwin")), std::string::npos) << text;
  EXPECT_NE(text.find(skatLookupText("f_skat_grandhandlose")), std::string::npos) << text;
}

TEST_F(SkatSpecialRoundsTest, NothingWithoutBockRamsch) {
  options().bockRamsch = 0;
  options().bockAllPassed = 1;
  allPassed();
  EXPECT_EQ(fire(), "");
  EXPECT_EQ(pendingSpecialGames.str(), "");
}

TEST_F(SkatSpecialRoundsTest, CountOptionsQueueBockThenRamsch) {
  struct Case {
    int32_t bock, ramsch;
    const char* queue;
  } cases[] = {
      {skatRoundsNone, skatRoundsNone, ""},
      {skatRoundsOneGame, skatRoundsNone, "B"},
      {skatRoundsOneRound, skatRoundsOneRound, "BBBRRR"},
      {skatRoundsTwoRounds, skatRoundsOneGame, "BBBBBBR"},
      {skatRoundsNone, skatRoundsThreeRounds, "RRRRRRRRR"},
  };
  for (const Case& c : cases) {
    SetUp();
    options().bockRounds = c.bock;
    options().ramschRounds = c.ramsch;
    options().bockAllPassed = 1;
    allPassed();
    fire();
    EXPECT_EQ(pendingSpecialGames.str(), c.queue) << "Bock " << c.bock << ", Ramsch " << c.ramsch;
    EXPECT_EQ(skatSpecialGamesPerTrigger(), int32_t(std::string(c.queue).size()));
  }
}

TEST_F(SkatSpecialRoundsTest, TriggerLines) {
  options().bockAllPassed = 1;
  options().ramschRounds = skatRoundsOneGame;
  allPassed();
  EXPECT_EQ(fire(), "\rDas Spiel wurde eingepasst: neue Bockspiele. \rDas Spiel wurde eingepasst: ein Ramschspiel. ");
}

// "Keine" queues no game, yet the line announcing the trigger's games is written.
TEST_F(SkatSpecialRoundsTest, CountOptionKeineStillWritesTheLine) {
  struct Case {
    int32_t bock, ramsch;
    const char* text;
    const char* queue;
  } cases[] = {
      {skatRoundsNone, skatRoundsOneGame,
       "\rDas Spiel wurde eingepasst: neue Bockspiele. \rDas Spiel wurde eingepasst: ein Ramschspiel. ", "R"},
      {skatRoundsOneGame, skatRoundsNone,
       "\rDas Spiel wurde eingepasst: ein Bockspiel. \rDas Spiel wurde eingepasst: neue Ramschspiele. ", "B"},
      {skatRoundsNone, skatRoundsNone,
       "\rDas Spiel wurde eingepasst: neue Bockspiele. \rDas Spiel wurde eingepasst: neue Ramschspiele. ", ""},
  };
  for (const Case& c : cases) {
    SetUp();
    options().bockRounds = c.bock;
    options().ramschRounds = c.ramsch;
    options().bockAllPassed = 1;
    allPassed();
    EXPECT_EQ(fire(), c.text) << "Bock " << c.bock << ", Ramsch " << c.ramsch;
    EXPECT_EQ(pendingSpecialGames.str(), c.queue);
  }
}

TEST_F(SkatSpecialRoundsTest, SeveralTriggersAddUp) {
  options().bockGrandHandWon = 1;
  options().bockOver100 = 1;
  options().bockRounds = skatRoundsOneGame;
  grandHandWon();
  over100();
  fire();
  EXPECT_EQ(pendingSpecialGames.str(), "BB");
}

TEST_F(SkatSpecialRoundsTest, ListEndFiresWhenTheSpecialGamesFillTheRest) {
  options().bockListEnd = 1;
  options().bockRounds = skatRoundsOneGame;
  options().ramschRounds = skatRoundsOneGame;
  options().listLength = 10;
  for (int played = 6; played <= 9; played++) {
    pendingSpecialGames = "";
    cg.gs.gamesPlayed = played;
    std::string text = fire();
    bool expected = played == 8;  // 10 - 8 = 2 = one Bock and one Ramsch game
    EXPECT_EQ(!text.empty(), expected) << "after " << played << " games: " << text;
    EXPECT_EQ(pendingSpecialGames.str(), expected ? "BR" : "") << "after " << played << " games";
    if (expected) {
      EXPECT_NE(text.find("noch 2 Spiele"), std::string::npos) << text;
    }
  }
}

TEST_F(SkatSpecialRoundsTest, EachNewGameTakesTheFirstMarker) {
  pendingSpecialGames = "BBR";
  const char* expected[] = {"B", "B", "R", "", ""};
  for (const char* marker : expected) {
    skatTakeSpecialGameMarker();
    EXPECT_EQ(skatArea->specialGameMarker.str(), marker);
  }
  EXPECT_EQ(pendingSpecialGames.str(), "");
}

TEST_F(SkatSpecialRoundsTest, SettlementCollectsTheTriggersOnceAndShowsThem) {
  options().bockAllPassed = 1;
  allPassed();
  TGameResult r;
  skatSettlementText(r);
  EXPECT_EQ(pendingSpecialGames.str(), "BBB");
  EXPECT_EQ(r.longText,
            "Das Spiel wurde eingepasst.\r\rDas Spiel wurde eingepasst: neue Bockspiele. "
            "\rDas Spiel wurde eingepasst: neue Ramschspiele. ");
}

TEST_F(SkatSpecialRoundsTest, BockGameDoublesOnlyWithBockRamschOn) {
  skatArea->specialGameMarker = "B";
  dealtHands[2] = handOf("cJ");
  skatGame->seatBid[2] = 18;
  declarerTricks = handOf("cA sA hA dA c10 s10 h10");  // 74
  defenderTricks = handOf("d10 cK sK hK dK cQ sQ hQ dQ cJ sJ hJ dJ");
  TGameResult r;
  skatSettlementText(r);
  EXPECT_EQ(skatGame->gameValue, 48);
  EXPECT_EQ(skatGame->bockGame, 1);
  SetUp();
  options().bockRamsch = 0;
  skatArea->specialGameMarker = "B";
  dealtHands[2] = handOf("cJ");
  skatGame->seatBid[2] = 18;
  declarerTricks = handOf("cA sA hA dA c10 s10 h10");
  skatSettlementText(r);
  EXPECT_EQ(skatGame->gameValue, 24);
  EXPECT_EQ(skatGame->bockGame, 0);
}

}  // namespace

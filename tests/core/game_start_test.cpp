// Starting a game: variants, seats, opponents, the 52-card deck; the card-AI registry.
#include <gtest/gtest.h>

#include <set>

#include "core/card_ai.h"
#include "core/card_names.h"
#include "core/game_start.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/casino/chips.h"
#include "shell/card_ai_lookup.h"
#include "shell/shell_globals.h"
#include "tests/core/driver_fixture.h"
#include "tests/support/cards.h"

namespace {

class GameStartTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    const char* names[] = {"Anna", "Berta", "Clara", "Doris", "Eva", "Frida"};
    for (int i = 0; i < 30; i++) firstNameTable[i] = names[i % 6] + std::to_string(i);
    const char* men[] = {"Adam", "Bernd", "Carl", "Dirk", "Emil", "Fritz"};
    for (int i = 30; i < 60; i++) firstNameTable[i] = men[i % 6] + std::to_string(i);
  }
  void TearDown() override {
    for (auto& n : firstNameTable) n = "";
    DriverTest::TearDown();
  }
};

TEST_F(GameStartTest, VariantsRunAsTheirBaseGame) {
  struct Case { TGameId started, runs; };
  const Case cases[] = {{gidSechsundsechzig, gidSchnapsen}, {gidSiebzehnUndVier, gidBlackjack}, {gidGinRummy, gidRomme}};
  for (const Case& c : cases) {
    resetGameAreaQueries();
    fillGameNames();
    playerCount = 2;
    cg.startGame(c.started, 0);
    EXPECT_EQ(cg.gameId, c.runs) << int(c.started);
    EXPECT_TRUE(gameAreas.variantFlag(c.started)) << int(c.started);
    EXPECT_EQ(gameCodes[c.runs], gameCodes[c.started]);
    EXPECT_EQ(gameKeys[c.runs], gameKeys[c.started]);
  }
  resetGameNames();
  EXPECT_EQ(gameCodes[gidSchnapsen], "snp");
}

// A game of four seats (War is always played by two).
TEST_F(GameStartTest, ANewListDrawsOpponentsAContinuedListKeepsThem) {
  playerCount = 4;
  cg.startGame(gidGoFish, 0);
  EXPECT_EQ(cg.seatCount, 4);
  EXPECT_EQ(cg.gs.optionsGameId, gidGoFish);
  std::set<std::string> firstWords;
  std::set<int> voices;
  for (int s = 1; s <= 4; s++) {
    std::string name = cg.gs.playerRecords[s].name.str();
    EXPECT_EQ(cg.seatNames[s].str(), name) << s;
    firstWords.insert(name.substr(0, name.find(' ')));
    voices.insert(cg.seatVoice[s]);
    EXPECT_GE(cg.seatVoice[s], 1);
    EXPECT_LE(cg.seatVoice[s], 6);
  }
  EXPECT_EQ(firstWords.size(), 4u) << "no two seats share a first name";
  EXPECT_EQ(voices.size(), 4u) << "every seat speaks with its own voice";
  std::string seat3 = cg.gs.playerRecords[3].name.str();
  cg.gs.listTotals[2] = 17;
  cg.gs.gamesPlayed = 5;
  cg.startGame(gidGoFish, 1);
  EXPECT_EQ(cg.gs.playerRecords[3].name.str(), seat3);
  EXPECT_EQ(cg.gs.listTotals[2], 17);
  EXPECT_EQ(cg.gs.gamesPlayed, 5);
}

TEST_F(GameStartTest, StartValuesOfTheListTotals) {
  playerCount = 3;
  cg.gs.listTotals[1] = 9;
  cg.startGame(gidPoker, 0);
  for (int s = 1; s <= 3; s++) EXPECT_EQ(cg.gs.listTotals[s], 150) << s;
  cg.startGame(gidHearts, 0);
  EXPECT_EQ(cg.gs.listTotals[1], 0);
}

TEST_F(GameStartTest, TheUsersVoiceFollowsTheGenderChoice) {
  playerCount = 2;
  setTopIndex(dlgGameOptions[gidWar], elGenderList[gidWar], 1);
  cg.startGame(gidWar, 0);
  EXPECT_EQ(femaleFlag, 1);
  EXPECT_EQ(cg.seatVoice[1], 2);
  setTopIndex(dlgGameOptions[gidWar], elGenderList[gidWar], 2);
  cg.startGame(gidWar, 0);
  EXPECT_EQ(femaleFlag, 0);
  EXPECT_EQ(cg.seatVoice[1], 5);
}

TEST_F(GameStartTest, BlackjackNamesItsDealer) {
  chipGames.houseSeat = 3;
  playerCount = 3;
  cg.gameId = gidBlackjack;
  chooseOpponent(3);
  EXPECT_EQ(cg.gs.playerRecords[3].name.str(), "{f_blackjack_dealer}");
  chipGames.houseSeat = 0;
}

TEST_F(GameStartTest, APreparedGameIsCleared) {
  cg.seatCount = 3;
  cg.gs.bl.decisionKind = 44;
  cg.gs.lastComment = 5;
  cg.gs.commentCount = 2;
  cg.gs.pendingMove = 3;
  sp[1].count = 5;
  sp[4].gliding = 1;
  setTopIndex(dlgGameOptions[gidSkat], elDifficultyList[gidSkat], 1);
  setElementText(dlgGameOptions[gidSkat], elPlayerNameEdit[gidSkat], "Paula", 0);
  cg.gs.optionsGameId = gidSkat;
  cg.gameId = gidSkat;
  cg.prepareNewGame();
  EXPECT_EQ(playerCount, 3);
  EXPECT_EQ(cg.gs.bl.decisionKind, 0);
  EXPECT_EQ(cg.gs.lastComment, 0);
  EXPECT_EQ(cg.gs.commentCount, 0);
  EXPECT_EQ(cg.gs.pendingMove, 0);
  EXPECT_EQ(sp[1].count, 0);
  EXPECT_EQ(sp[4].gliding, 0);
  EXPECT_EQ(sp[17].stackNo, 17);
  EXPECT_EQ(cg.gs.playerRecords[1].name.str(), "Paula");
  EXPECT_EQ(cg.gs.seatProfiles[1].strength, 3) << "the user always counts as Profi";
  EXPECT_EQ(cg.gs.seatProfiles[2].strength, 1);
  EXPECT_TRUE(dialogOf(dlgIPanel).open);
}

TEST_F(GameStartTest, Deck52) {
  THand64 deck;
  fillDeck52(deck);
  ASSERT_EQ(deck.anz, 52);
  EXPECT_EQ(cardText(widenWord(shortCard(deck.k[1]))), "c2");
  EXPECT_EQ(cardText(widenWord(shortCard(deck.k[52]))), "dA");
  cg.setupDeck52();
  EXPECT_EQ(sp[11].count, 52);
  std::set<int> distinct;
  for (int i = 1; i <= 52; i++) distinct.insert(sp[11].slots[i].card.t * 10 + sp[11].slots[i].card.f);
  EXPECT_EQ(distinct.size(), 52u);
}

struct TCountingAI : TAbstractCardAIImpl {
  explicit TCountingAI(TGameId id) : TAbstractCardAIImpl("Test", id) { seatsSeen = playerCount; }
  void cleanup() override { cleaned++; }
  int32_t seatsSeen;
  static inline int cleaned = 0;
};

TEST_F(GameStartTest, CardAIRegistryHoldsOneObjectPerGame) {
  TCardAIFactories saved = cardAIFactories;
  cardAIFactories.hearts = [] { return std::unique_ptr<TAbstractCardAIImpl>(new TCountingAI(gidHearts)); };
  cardAIFactories.goFish = [] { return std::unique_ptr<TAbstractCardAIImpl>(new TCountingAI(gidGoFish)); };
  playerCount = 3;
  cg.gameId = gidGoFish;
  createCardAIs();
  createCardAIs();
  ASSERT_EQ(aiRegistry.size(), 1u) << "a second Go Fish game talks to the same object";
  EXPECT_EQ(static_cast<TCountingAI*>(aiRegistry[0].get())->seatsSeen, 6) << "made for six seats";
  EXPECT_EQ(playerCount, 3) << "playerCount is given back";
  cg.gameId = gidHearts;
  createCardAIs();
  EXPECT_EQ(aiRegistry.size(), 2u);
  EXPECT_EQ(getCardAIByType(gidHearts)->GameId, gidHearts);
  cg.gameId = gidSkat;
  createCardAIs();
  EXPECT_EQ(aiRegistry.size(), 2u) << "other games make no object";
  TCountingAI::cleaned = 0;
  freeCardAIs();
  EXPECT_EQ(TCountingAI::cleaned, 2);
  EXPECT_TRUE(aiRegistry.empty());
  EXPECT_EQ(getCardAIByType(gidHearts), nullptr);
  cardAIFactories = saved;
}

}  // namespace

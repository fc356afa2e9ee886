// Card names, the Blackjack shoe, random opponents and the poker wheel order.
#include <gtest/gtest.h>

#include "core/card_names.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "table/stacks.h"
#include "tests/support/alerts.h"
#include "tests/support/cards.h"

namespace {

class CardNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // What the shell writes when it builds its dialogs, in short.
    for (int style = 1; style <= 5; style++) {
      const char* digits[] = {"", "7", "8", "9", "", "", "", "10", ""};
      for (int r : {1, 2, 3, 7}) rankNameTable[style][r] = digits[r];
      for (int r = 9; r <= 13; r++) rankNameTable[style][r] = std::to_string(r - 7);
    }
    rankNameTable[1][rankQueen] = "Dame";
    rankNameTable[2][rankQueen] = "Ober";
    rankNameTable[1][rankAce] = "As";
    suitNameTable[2][suitHearts] = "Herz";
    suitNameTable[1][suitSpades] = "Pik";
    envParam.cardStyle = 1;
  }
  void TearDown() override {
    envParam.cardStyle = 1;
    cg.gameId = gidNone;
  }
};

TEST_F(CardNamesTest, NamesFollowTheFaceStyle) {
  envParam.cardStyle = 2;
  EXPECT_EQ(cardName(card("hQ")), "Herz Ober");
  EXPECT_EQ(deckRankName(rankQueen), "Ober");
  envParam.cardStyle = 1;
  EXPECT_EQ(cardName(card("sA")), "Pik As");
  EXPECT_EQ(cardSymbolText(card("s10")), "\x99 10");  // character 153
  EXPECT_EQ(cardSymbolText(card("sQ")), "\x99 D");
  envParam.cardStyle = 2;
  EXPECT_EQ(cardSymbolText(card("s10")), "\x9D 10");  // character 157
  EXPECT_EQ(cardShortCode(card("hA")), "A\x9A");
  EXPECT_EQ(cardShortCodeW(TShortCard{rankTen, suitClubs}), "1\x98");
  envParam.cardStyle = 9;
  EXPECT_EQ(cardName(card("hQ")), "") << "a style outside the tables names nothing";
}

TEST_F(CardNamesTest, ShoesAreFilledDeckByDeck) {
  sp[11] = TSpieler{};
  EXPECT_EQ(fillShoe32(2), 64);
  const char* start[] = {"c7", "s7", "h7", "d7", "c8"};
  for (int i = 0; i < 5; i++) EXPECT_EQ(cardText(sp[11].slots[i + 1].card), start[i]) << i;
  EXPECT_EQ(cardText(sp[11].slots[32].card), "dA");
  EXPECT_EQ(cardText(sp[11].slots[33].card), "c7") << "deck 2 begins";
  for (int i = 1; i <= 64; i++) EXPECT_LE(sp[11].slots[i].card.t, rankAce);

  EXPECT_EQ(fillShoe52(3), 156);
  EXPECT_EQ(cardText(sp[11].slots[52].card), "d6");
  AlertCollector alerts;
  EXPECT_EQ(fillShoe52(4), 156) << "a fourth deck does not fit the stack";
  EXPECT_EQ(alerts.count(), 1u);

  sp[11].count = 156;
  randomSeed(3);
  shuffleShoe();
  EXPECT_EQ(sp[11].count, 156);
  EXPECT_NE(cardText(sp[11].slots[1].card) + cardText(sp[11].slots[2].card), "c7s7");
}

TEST_F(CardNamesTest, RandomOpponentsMatchNameGenderAndVoice) {
  for (int i = 0; i <= 60; i++) firstNameTable[i] = i < 30 ? "F" + std::to_string(i) : "M" + std::to_string(i);
  randomSeed(11);
  int female = 0;
  for (int i = 0; i < 400; i++) {
    TPlayerRecord rec{};
    randomOpponent(rec);
    std::string name = rec.name.str();
    if (rec.female) {
      female++;
      EXPECT_EQ(name[0], 'F');
      EXPECT_GE(rec.voice, 1);
      EXPECT_LE(rec.voice, 3);
    } else {
      EXPECT_EQ(name[0], 'M');
      EXPECT_GE(rec.voice, 4);
      EXPECT_LE(rec.voice, 6);
      EXPECT_NE(name, "M60");
    }
  }
  EXPECT_GT(female, 150);
  EXPECT_LT(female, 250);
}

TEST_F(CardNamesTest, PokerWheelOrder) {
  cg.gameId = gidPoker;
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"sA c5 h4 d3 c2", "c5 h4 d3 c2 sA"},
      {"sA cK c5 h4 d3 c2", "cK c5 h4 d3 c2 sA"},
      {"sA hA c5 h4 d3 c2", "c5 h4 d3 c2 sA hA"},
      {"sA cK cQ cJ c10", "sA cK cQ cJ c10"},
      {"sA c5 h4 d3", "sA c5 h4 d3"},
      {"", ""},
  };
  for (const Case& c : cases) {
    THand64 h = hand64Of(c.in);
    pokerWheelOrder(h);
    EXPECT_EQ(handText(h), c.out) << c.in;
  }
  cg.gameId = gidSkat;
  THand64 h = hand64Of("sA c5 h4 d3 c2");
  pokerWheelOrder(h);
  EXPECT_EQ(handText(h), "sA c5 h4 d3 c2") << "only in poker";
}

TEST(CardHelpers, BetDecisionKinds) {
  for (int k : {0, 97, 99, 105, 107}) EXPECT_FALSE(isBetDecisionKind(k)) << k;
  EXPECT_TRUE(isBetDecisionKind(98));
  EXPECT_TRUE(isBetDecisionKind(106));
}

}  // namespace

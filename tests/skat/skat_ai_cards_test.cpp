// The computer player's card helpers under each kind of game, their answers on empty lists,
// and the neighbours of a card in the order.
#include <gtest/gtest.h>

#include "games/skat/skat_ai_cards.h"
#include "tests/skat/skat_ai_fixture.h"
#include "tests/support/cards.h"

namespace {

class SkatAICards : public SkatAIFixture {};

TEST_F(SkatAICards, FollowCardsAndLedSuitCards) {
  setGame(skatTypeHearts, 1);
  setSeat(2, "cA c7 sK dJ");
  setTrick(1, "h7");
  EXPECT_EQ(handText(skatAISeatFollowCards(2)), "dJ") << "a Jack follows a trump";
  setSeat(3, "cA c7 sK");
  EXPECT_EQ(handText(skatAISeatFollowCards(3)), "cA c7 sK") << "no trump: the whole hand";
  EXPECT_EQ(handText(skatAISeatLedSuitCards(3)), "") << "no trump: nothing of the led suit";
  EXPECT_EQ(handText(skatAIFollowCards(2, handOf("h9 cJ s8"))), "h9 cJ") << "Jacks follow a trump";
  setTrick(1, "c10");
  EXPECT_EQ(handText(skatAISeatFollowCards(2)), "cA c7");
  setTrick(1, "");
  EXPECT_EQ(handText(skatAISeatLedSuitCards(2)), "cA c7 sK dJ") << "nothing led: the whole hand";
}

TEST_F(SkatAICards, PickingOneCardUnderEachGame) {
  struct Case {
    int32_t type;
    const char* hand;
    const char* weakest;
    const char* strongest;
    const char* mostPoints;
    const char* lowestRank;
  } cases[] = {
      {skatTypeNull, "h7 h9 hA", "hA", "h7", "hA", "h7"},
      {skatTypeClubs, "sA h7", "sA", "sA", "sA", "h7"},
      {skatTypeGrand, "hK h10 hA", "hK", "hA", "hA", "hK"},
      {skatTypeGrand, "c10 h10", "c10", "c10", "c10", "c10"},
      {skatTypeHearts, "h7 cJ s9", "s9", "cJ", "cJ", "h7"},
      {skatTypeRamsch, "s7 sA dJ", "sA", "dJ", "sA", "s7"},
  };
  for (const Case& c : cases) {
    setGame(c.type, 1);
    THand h = handOf(c.hand);
    EXPECT_EQ(cardText(skatWeakestCard(h)), c.weakest) << "weakest, type " << c.type << ": " << c.hand;
    EXPECT_EQ(cardText(skatStrongestCard(h)), c.strongest) << "strongest, type " << c.type << ": " << c.hand;
    EXPECT_EQ(cardText(skatHighestPointCard(h)), c.mostPoints) << "most points: " << c.hand;
    EXPECT_EQ(cardText(skatLowestRankCard(h)), c.lowestRank) << "lowest rank: " << c.hand;
  }
}

TEST_F(SkatAICards, EmptyListsGiveNoCard) {
  THand none{};
  EXPECT_TRUE(isNoCard(skatWeakestCard(none)));
  EXPECT_TRUE(isNoCard(skatHighestPointCard(none)));
  EXPECT_TRUE(isNoCard(skatLowestRankCard(none)));
  EXPECT_TRUE(isNoCard(skatLowestBeatingCard(none, card("hA"))));
  EXPECT_TRUE(isNoCard(skatStrongestCard(none)));
  THand h = handOf("h7 cA");
  EXPECT_EQ(handText(skatWinningCards(h, noCard())), "") << "no card: nothing beats it";
  EXPECT_EQ(handText(skatLosingCards(h, noCard())), "h7 cA") << "no card: everything loses";
  EXPECT_EQ(handText(skatLosingCardsB(h, noCard())), "");
}

TEST_F(SkatAICards, BeatingAndLosing) {
  setGame(skatTypeHearts, 1);
  THand h = handOf("h7 sA s7 cJ hA");
  EXPECT_EQ(handText(skatWinningCards(h, card("s10"))), "h7 sA cJ hA");
  EXPECT_EQ(handText(skatLosingCards(h, card("s10"))), "s7");
  EXPECT_EQ(handText(skatLosingCardsB(h, card("hK"))), "h7 sA s7");
  EXPECT_EQ(cardText(skatLowestBeatingCard(h, card("s10"))), "h7") << "the cheapest trump beats";
  EXPECT_EQ(cardText(skatLowestBeatingCard(handOf("s7 s8"), card("s10"))), "s7") << "none beats";
  setGame(skatTypeNull, 1);
  EXPECT_EQ(cardText(skatLowestBeatingCard(handOf("hA h8 hK"), card("h10"))), "h8")
      << "Null: the card that stays under the 10";
  EXPECT_EQ(cardText(skatLowestBeatingCard(handOf("hK hA"), card("h10"))), "hA")
      << "Null: none stays under, the highest card";
  EXPECT_EQ(skatCountRanksBelow(handOf("h8 hK hA"), rankQueen, true), 2) << "King and Ace order below the Queen";
}

TEST_F(SkatAICards, NeighboursInTheOrder) {
  struct Case {
    int32_t type;
    const char* from;
    const char* higher;
    const char* lower;
  } cases[] = {
      {skatTypeGrand, "sA", "sA", "s10"},   {skatTypeGrand, "s9", "sQ", "s7"},
      {skatTypeClubs, "cA", "dJ", "c10"},   {skatTypeClubs, "dJ", "hJ", "cA"},
      {skatTypeGrand, "dJ", "hJ", "dJ"},    {skatTypeGrand, "cJ", "cJ", "sJ"},
      {skatTypeClubs, "cQ", "cK", "c9"},    {skatTypeClubs, "c7", "c8", "c7"},
      {skatTypeNull, "h9", "hJ", "h7"},
  };
  for (const Case& c : cases) {
    setGame(c.type, 1);
    EXPECT_EQ(cardText(skatNextHigherCard(card(c.from))), c.higher) << "above " << c.from << ", type " << c.type;
    EXPECT_EQ(cardText(skatNextLowerCard(card(c.from))), c.lower) << "below " << c.from << ", type " << c.type;
  }
  EXPECT_EQ(skatNextHigherCard(card("s9#5")).hi, 5) << "the slot number stays";
}

TEST_F(SkatAICards, ProfileChanceAndOtherParty) {
  seatProfile[2].fields.wahrs = 100;
  seatProfile[3].fields.wahrs = 0;
  for (int i = 0; i < 200; i++) {
    ASSERT_TRUE(skatAIProfileChance(2));
    ASSERT_FALSE(skatAIProfileChance(3));
  }
  setGame(skatTypeGrand, 1);
  setSeat(1, "cA");
  setSeat(2, "hA");
  setSeat(3, "sA");
  EXPECT_TRUE(skatOtherPartyHolds(2, card("cA"))) << "a defender looks at the declarer";
  EXPECT_FALSE(skatOtherPartyHolds(2, card("sA"))) << "not at its partner";
  EXPECT_TRUE(skatOtherPartyHolds(1, card("sA"))) << "the declarer looks at both";
  EXPECT_FALSE(skatOtherPartyHolds(1, card("cA")));
}

TEST_F(SkatAICards, RoundingHalvesToEven) {
  EXPECT_EQ(skatRound(2.5), 2);
  EXPECT_EQ(skatRound(3.5), 4);
  EXPECT_EQ(skatRound(-2.5), -2);
  EXPECT_EQ(skatRound(2.6), 3);
}

}  // namespace

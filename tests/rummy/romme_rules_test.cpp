// Rommé's and Gin Rummy's rules: card values, runs and sets, the first-meld minimum, the
// arrangement of the user's selection, the discard rule, the lay-off builder and permission.
#include "tests/rummy/romme_fixture.h"

namespace {

using RommeRulesTest = RommeTest;

TEST_F(RommeRulesTest, CardValues) {
  struct Case {
    const char* card;
    int romme, gin;
  } cases[] = {{"cA", 15, 1}, {"c2", 5, 2}, {"h6", 5, 6}, {"d9", 5, 9}, {"s10", 10, 10}, {"cK", 10, 10}};
  for (const Case& c : cases) EXPECT_EQ(rommeCardValue(card(c.card)), c.romme) << c.card;
  EXPECT_EQ(rommeCardValue(card("x")), 20);
  EXPECT_EQ(rommeHandValue(handOf("cA c2 x")), 40);
  EXPECT_EQ(rommeDeadwood(handOf("cA c2 sK")), 15);
  EXPECT_EQ(rommeDeadwood(handOf("cA c2 sK"), true), 30);
  gin();
  for (const Case& c : cases) EXPECT_EQ(rommeCardValue(card(c.card)), c.gin) << c.card;
}

TEST_F(RommeRulesTest, DistancesInRunOrder) {
  EXPECT_EQ(getdif(card("c5"), card("c6"), false), 1);
  EXPECT_EQ(getdif(card("c5"), card("c7"), false), 2);
  EXPECT_EQ(getdif(card("cA"), card("c2"), true), 1);
  EXPECT_EQ(getdif(card("cA"), card("c3"), true), 2);
  EXPECT_NE(getdif(card("cA"), card("c2"), false), 1);
  EXPECT_NE(getdif(card("cK"), card("c2"), false), 2);
  rommeArea().options.aroundTheCorner = 1;
  EXPECT_EQ(getdif(card("cA"), card("c2"), false), 1);
  EXPECT_EQ(getdif(card("cK"), card("c2"), false), 2);
  EXPECT_EQ(getdif(TCard{}, card("c2"), false), 0);
}

TEST_F(RommeRulesTest, Runs) {
  struct Case {
    const char* cards;
    bool plain, corner, gin;  // a run in Rommé, with around the corner, in Gin Rummy
  } cases[] = {
      {"cA c2 c3", true, true, true},
      {"cQ cK cA", true, true, false},
      {"cK cA c2", false, true, false},
      {"cK x c2", false, true, false},
      {"x c2 c3", false, false, false},
      {"x c5 c6", true, true, true},
      {"c5 x c7", true, true, true},
      {"c5 c6 x", true, true, true},
      {"cQ cK cA x", false, true, false},
      {"c5 c7 c8", false, false, false},
      {"c9 c10 cJ cQ", true, true, true},
  };
  for (const Case& c : cases) {
    THand h = handOf(c.cards);
    rommeArea().options.aroundTheCorner = 0;
    EXPECT_EQ(rommeIsRun(h), c.plain) << c.cards;
    rommeArea().options.aroundTheCorner = 1;
    EXPECT_EQ(rommeIsRun(h), c.corner) << c.cards << " around the corner";
  }
  rommeArea().options.aroundTheCorner = 0;
  gin();
  for (const Case& c : cases) EXPECT_EQ(rommeIsRun(handOf(c.cards)), c.gin) << c.cards << " gin";
}

TEST_F(RommeRulesTest, MeldsWithSetsJokersAndDuplicates) {
  layMeld(1, "hK sK dK");  // no first-meld minimum in the way
  struct Case {
    const char* cards;
    bool plain, duplicates;
  } cases[] = {
      {"c7 s7 h7", true, true},
      {"c7 s7 h7 d7", true, true},
      {"c7 s7 h7 d7 c7", false, true},  // five of a rank
      {"c7 c7 h7", false, true},        // two identical cards
      {"c7 s7 x", true, true},
      {"c7 x x", false, false},         // two Jokers
      {"c7 s7", false, false},
      {"c5 c6 c7", true, true},
      {"c5 c6 h7", false, false},
  };
  for (const Case& c : cases) {
    rommeArea().options.duplicateCards = 0;
    EXPECT_EQ(rommeIsValidMeld(handOf(c.cards), 0, false, false), c.plain) << c.cards;
    rommeArea().options.duplicateCards = 1;
    EXPECT_EQ(rommeIsValidMeld(handOf(c.cards), 0, false, false), c.duplicates) << c.cards << " duplicates";
  }
}

TEST_F(RommeRulesTest, FirstMeldMinimumHoldsEachFirstMeldAlone) {
  rommeArea().options.firstMeldMinimum = 40;
  const THand worth35 = handOf("c9 c10 cJ cQ");
  EXPECT_EQ(rommeHandValue(worth35), 35);
  EXPECT_FALSE(rommeIsValidMeld(worth35, 0, false, false));
  EXPECT_TRUE(rommeIsValidMeld(worth35, 0, false, true));
  rommeArea().options.firstMeldMinimum = 0;
  EXPECT_FALSE(rommeIsValidMeld(handOf("hK sK dK cK"), 0, true, false));  // a lay-off before the first meld
  rommeArea().options.firstMeldMinimum = 40;
  layMeld(1, "hA sA dA");
  EXPECT_TRUE(rommeIsValidMeld(worth35, 0, false, false));
  EXPECT_TRUE(rommeIsValidMeld(handOf("hK sK dK cK"), 0, true, false));
  gin();
  EXPECT_TRUE(rommeIsValidMeld(handOf("d2 d3 d4"), 2, false, false));
}

TEST_F(RommeRulesTest, SelectionArrangedInMeldOrder) {
  struct Case {
    const char* hand;
    std::initializer_list<int> lifted;
    bool corner;
    const char* arranged;
  } cases[] = {
      {"c7 c5 c6 h2", {1, 2, 3}, false, "c5 c6 c7"},
      {"c3 cA c2", {1, 2, 3}, false, "cA c2 c3"},
      {"c5 x c7", {1, 2, 3}, false, "c5 x c7"},
      {"x c5 c6", {1, 2, 3}, false, "c5 c6 x"},
      {"c3 cK cA c2 cQ", {1, 2, 3, 4, 5}, true, "cQ cK cA c2 c3"},
      {"c3 cK cA x", {1, 2, 3, 4}, true, "cK cA x c3"},
      {"sK x hK", {1, 2, 3}, false, "hK sK x"},
  };
  for (const Case& c : cases) {
    SetUp();
    rommeArea().options.aroundTheCorner = c.corner ? 1 : 0;
    giveHand(1, c.hand);
    lift(c.lifted);
    EXPECT_EQ(handText(rommeArrangeMeld()), c.arranged) << c.hand;
  }
}

TEST_F(RommeRulesTest, TakenPileCardIsNeverTheLastCard) {
  giveHand(1, "c5 c6 c7 hK");
  THand hand = sp[1].hand;
  rommeArea().takenDiscard = TCard{rankKing, suitHearts, 4};
  EXPECT_FALSE(rommeDiscardRuleOk(hand, handOf("c5#1 c6#2 c7#3")));
  rommeArea().takenDiscard = TCard{rankKing, suitHearts, 9};  // its slot went stale: still the one card
  EXPECT_FALSE(rommeDiscardRuleOk(hand, handOf("c5#1 c6#2 c7#3")));
  giveHand(1, "c5 c6 c7 hK hK");
  rommeArea().takenDiscard = TCard{rankKing, suitHearts, 4};  // an equal card in another slot stays
  EXPECT_TRUE(rommeDiscardRuleOk(sp[1].hand, handOf("c5#1 c6#2 c7#3 hK#4")));
  rommeArea().takenDiscard = TCard{rankKing, suitHearts, 5};
  EXPECT_FALSE(rommeDiscardRuleOk(sp[1].hand, handOf("c5#1 c6#2 c7#3 hK#4")));
  // A stale slot: which copy stays is not known, and a lone copy could not be discarded.
  rommeArea().takenDiscard = TCard{rankKing, suitHearts, 9};
  EXPECT_FALSE(rommeDiscardRuleOk(sp[1].hand, handOf("c5#1 c6#2 c7#3 hK#4")));
  rommeArea().takenDiscard = TCard{};
  EXPECT_TRUE(rommeDiscardRuleOk(hand, handOf("c5#1 c6#2 c7#3")));
  EXPECT_FALSE(rommeDiscardRuleOk(hand, hand));  // Rommé keeps a card to discard
  gin();
  EXPECT_TRUE(rommeDiscardRuleOk(hand, hand));
}

TEST_F(RommeRulesTest, LayOffBuilder) {
  layMeld(1, "hA sA dA");
  struct Case {
    const char* meld;
    const char* cards;
    int clickPos;
    const char* formed;  // "" refused
  } cases[] = {
      {"c5 x c7", "c6", 0, "c5 c6 c7"},        // the card takes the Joker's place
      {"c5 c6 c7", "x", 3, "c5 c6 c7 x"},      // a lone Joker at the clicked end
      {"c5 c6 c7", "x", 1, "x c5 c6 c7"},
      {"c5 c6 c7", "x x", 3, ""},              // two Jokers
      {"c5 c6 c7", "c8 c4", 0, "c4 c5 c6 c7 c8"},
      {"c5 c6 c7", "c9 x", 0, "c5 c6 c7 x c9"},
      {"cK hK sK", "dK", 0, "cK hK sK dK"},
      {"cK hK sK dK", "x", 0, ""},             // a full set takes no Joker
      {"cK hK sK", "c7", 0, ""},
  };
  for (const Case& c : cases) {
    int32_t n = layMeld(1, c.meld);
    THand out{};
    k12.legenanhand(handOf(c.cards), n, c.clickPos, out);
    EXPECT_EQ(handText(out), c.formed) << c.meld << " + " << c.cards;
  }
  THand out{};
  k12.legenanhand(handOf("c6"), layMeld(1, "c5 x c7"), 0, out);
  EXPECT_EQ(out.k[2].hi, 444);
}

TEST_F(RommeRulesTest, LayOffPermission) {
  int32_t other = layMeld(2, "c5 c6 c7");
  giveHand(1, "c8 hQ d2");
  EXPECT_FALSE(k12.canLayOff(handOf("c8"), other));  // no meld of its own yet
  int32_t own = layMeld(1, "hA sA dA");
  EXPECT_TRUE(k12.canLayOff(handOf("c8"), other));
  rommeArea().options.layOffOnOthers = 0;
  EXPECT_FALSE(k12.canLayOff(handOf("c8"), other));
  EXPECT_TRUE(k12.canLayOff(handOf("cA"), own));
  EXPECT_TRUE(k12.canLayOff(handOf("h9"), layMeld(1, "h8 x h10")));  // takes the Joker's place
  EXPECT_FALSE(rommeMayLayOffOnOthers());
  gin();
  EXPECT_TRUE(rommeMayLayOffOnOthers());
  rommeArea().knockerDone = 1;
  rommeArea().options.layOffOnGinHand = 0;
  giveHand(2, "");
  EXPECT_FALSE(rommeMayLayOffOnOthers());  // seat 2 knocked and went gin
  giveHand(2, "c2");
  EXPECT_TRUE(rommeMayLayOffOnOthers());
}

}  // namespace

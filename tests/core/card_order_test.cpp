// Card order tables, value sorts, the Skat sort, random draws, shuffling and stack slots.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/card_order.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"
#include "platform/random.h"
#include "tests/support/alerts.h"
#include "tests/support/cards.h"

namespace {

// Order values by rank only (ace high), the same in every suit; ranks 4 and 5 (jack,
// queen) share one value so that sorts meet equal cards.
void fillRankValues() {
  for (int f = 1; f <= 4; f++)
    for (int t = 1; t <= 14; t++) {
      cardValues[f][t] = t == rankQueen ? rankJack : t;
      cardValues0[f][t] = 20 - t;
    }
}

class CardOrderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fillRankValues();
    cg.gameId = gidSkat;
    setSkatSortWeights(skatTypeGrand);
  }
  void TearDown() override { cg.gameId = gidNone; }
};

TEST_F(CardOrderTest, ValueSortDescendingKeepsEqualCardsInOrder) {
  THand h = handOf("c7 hQ#1 sA cJ#2 d9");
  sortHandByValue(h, 0, 0, false);
  EXPECT_EQ(handSlotsText(h), "sA#0 hQ#1 cJ#2 d9#0 c7#0");
  h = handOf("c7 hQ#1 sA cJ#2 d9");
  sortHandByValueN0(h, 0, 0, false);  // the second table is reversed
  EXPECT_EQ(handText(h), "c7 d9 cJ hQ sA");
  THand64 h64 = hand64Of("c7 sA d9");
  sortCards64ByValue(h64, 0, 0, false);
  EXPECT_EQ(handText(h64), "sA d9 c7");
}

TEST_F(CardOrderTest, AscendingSortExchangesEqualNeighboursAtEveryComparison) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      // three equal cards: each sweep rotates them by one place, three sweeps restore them
      {"hQ#1 cJ#2 sQ#3", "hQ#1 cJ#2 sQ#3"},
      // after the 7, the two equal cards swap at every sweep: an odd number of sweeps
      {"c7#1 hQ#2 cJ#3", "c7#1 cJ#3 hQ#2"},
      {"sA#1 c7#2 d9#3", "c7#2 d9#3 sA#1"},
  };
  for (const Case& c : cases) {
    THand h = handOf(c.in);
    sortHandByValue(h, 0, 0, true);
    EXPECT_EQ(handSlotsText(h), c.out) << c.in;
  }
}

TEST_F(CardOrderTest, PartialSortTouchesOnlyItsRange) {
  THand h = handOf("c7 c8 sA hK d9");
  sortHandByValue(h, 2, 3, false);
  EXPECT_EQ(handText(h), "c7 sA hK c8 d9");
}

TEST_F(CardOrderTest, SkatSortOfEveryGameType) {
  const char* hand = "d7 cA hJ s10 cJ hK d10 sJ sQ c9 dA h8";
  const char* plain = "cJ sJ hJ cA c9 s10 sQ hK h8 dA d10 d7";
  struct Case {
    int type;
    const char* sorted;
  } cases[] = {
      {1, plain},
      {2, "cJ sJ hJ s10 sQ cA c9 hK h8 dA d10 d7"},
      {3, "cJ sJ hJ hK h8 cA c9 s10 sQ dA d10 d7"},
      {4, "cJ sJ hJ dA d10 d7 cA c9 s10 sQ hK h8"},
      {11, plain},
      {12, plain},
      {0, plain},
      {10, "cA cJ c9 sQ sJ s10 hK hJ h8 dA d10 d7"},
  };
  for (const Case& c : cases) {
    THand h = handOf(hand);
    sortHand(h, c.type);
    EXPECT_EQ(handText(h), c.sorted) << "type " << c.type;
  }
}

TEST_F(CardOrderTest, SkatSortPutsTheJackBeforeTheTrumpSuit) {
  THand h = handOf("cA dK dJ d7");
  sortHand(h, 4);
  EXPECT_EQ(handText(h), "dJ dK d7 cA");
}

TEST_F(CardOrderTest, SortWeightsLeftBehind) {
  setSkatSortWeights(skatTypeNull);
  EXPECT_EQ(skatSortWeights[rankTen], 3.5);
  EXPECT_EQ(skatSortWeights[rankJack], 4.0);
  setSkatSortWeights(1);
  EXPECT_EQ(skatSortWeights[rankJack], 9.0);
  EXPECT_EQ(skatSortWeights[rankTen], 7.0);
  EXPECT_EQ(skatSortWeights[rank2], 0.0);

  THand h = handOf("hJ h10");
  setSkatSortWeights(skatTypeNull);
  sortHand(h, skatTypeNull);
  EXPECT_EQ(skatSortWeights[rankJack], 9.0) << "Null restores the Skat weights";
  EXPECT_EQ(skatSortWeights[rankTen], 7.0);
}

TEST_F(CardOrderTest, DrawFromEmptyAndOneCardLists) {
  THand empty{};
  TCard c = drawRandomCard(empty);
  EXPECT_EQ(c.t, 0);
  EXPECT_EQ(c.f, 0);
  for (int i = 0; i < 20; i++) {
    THand one = handOf("sA#5");
    TCard d = drawRandomCard(one);
    EXPECT_EQ(cardText(d), "sA");
    EXPECT_EQ(d.hi, 5);
    EXPECT_EQ(one.anz, 0);
  }
}

TEST_F(CardOrderTest, DrawWeightsTheLastPositionByNineTenths) {
  randomSeed(99);
  std::map<int, int> hits;
  const int draws = 98000;
  for (int i = 0; i < draws; i++) {
    THand h = handOf("c7#1 c8#2 c9#3 cJ#4 cQ#5");
    hits[drawRandomCard(h).hi]++;
  }
  ASSERT_EQ(hits.size(), 5u);
  EXPECT_EQ(hits.begin()->first, 1) << "position 0 is never drawn";
  // weights 1, 1, 1, 1, 0.9 of 4.9
  for (int p = 1; p <= 4; p++) EXPECT_NEAR(hits[p], draws / 4.9, 700) << "position " << p;
  EXPECT_NEAR(hits[5], draws * 0.9 / 4.9, 700);
}

TEST_F(CardOrderTest, ShuffleKeepsTheCardsAndRepeatsWithTheSeed) {
  THand deck{};
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 8; r++) handaddk(deck, TCard{int8_t(r), int8_t(s), int16_t(deck.anz + 1)});
  deck.extras.owner = 4;
  randomSeed(5);
  THand a = deck;
  shuffleHand(a);
  randomSeed(5);
  THand b = deck;
  shuffleHand(b);
  EXPECT_EQ(handSlotsText(a), handSlotsText(b));
  EXPECT_NE(handText(a), handText(deck));
  EXPECT_EQ(a.extras.owner, 4);

  auto sortedSlots = [](const THand& h) {
    std::vector<std::string> v;
    for (int i = 1; i <= h.anz; i++) v.push_back(cardText(h.k[i]) + "#" + std::to_string(h.k[i].hi));
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(sortedSlots(a), sortedSlots(deck));
}

TEST_F(CardOrderTest, ShuffleDrawsAsDrawingTheCardsOneByOne) {
  for (const char* cards : {"sA#1", "c7#1 c8#2 c9#3 cJ#4 cQ#5", "hA#3 dK#1 s7#9 cJ#2 h8#4 d9#6 sQ#5"}) {
    randomSeed(17);
    THand shuffled = handOf(cards);
    shuffleHand(shuffled);
    randomSeed(17);
    THand source = handOf(cards);
    THand drawn{};
    while (source.anz > 0) handaddk(drawn, drawRandomCard(source));
    EXPECT_EQ(handSlotsText(shuffled), handSlotsText(drawn)) << cards;
  }
}

TEST_F(CardOrderTest, ShuffleStackMovesOnlyTheCards) {
  TSpieler& s = sp[11];
  s = TSpieler{};
  THand cards = handOf("c7 c8 c9 cJ cQ cK c10 cA");
  for (int i = 1; i <= cards.anz; i++) {
    s.slots[i].card = cards.k[i];
    s.slots[i].tag = 1000 + i;
  }
  s.count = cards.anz;
  shuffleStack(s);
  EXPECT_EQ(s.count, 8);
  for (int i = 1; i <= 8; i++) {
    EXPECT_EQ(s.slots[i].tag, 1000 + i) << "the slot keeps its other fields";
    int from = s.slots[i].card.hi;
    ASSERT_GE(from, 1);
    EXPECT_TRUE(cardsEqual(s.slots[i].card, cards.k[from])) << "slot number is the slot it came from";
  }
}

TEST_F(CardOrderTest, SlotSortsMoveRankSuitAndTag) {
  TSpieler s{};
  THand cards = handOf("c7 sA d9");
  for (int i = 1; i <= 3; i++) {
    s.slots[i].card = cards.k[i];
    s.slots[i].card.hi = static_cast<int16_t>(i);
    s.slots[i].tag = i * 10;
  }
  s.count = 3;
  sortSlotsByValue(s, 0, 0, false);
  EXPECT_EQ(cardText(s.slots[1].card), "sA");
  EXPECT_EQ(s.slots[1].tag, 20);
  EXPECT_EQ(s.slots[1].card.hi, 1) << "the slot number stays with the slot";
  // the last three cards of a two-card stack: the pair at position 0 is skipped
  s.count = 2;
  sortSlotsByValue(s, s.count - 2, 3, true);
  EXPECT_EQ(cardText(s.slots[1].card), "d9");
  EXPECT_EQ(cardText(s.slots[2].card), "sA");
  sortSlotsByValueN0(s, 0, 0, false);
  EXPECT_EQ(cardText(s.slots[1].card), "d9");
}

TEST_F(CardOrderTest, StackSlotOperations) {
  TSpieler s{};
  EXPECT_EQ(sortedInsertPos(s, card("sA")), 1);
  EXPECT_EQ(findCardInSpieler(TCardSlot{}, s), 0);

  TCardSlot src{};
  for (const char* c : {"sA", "hK", "c7"}) {
    src.card = card(c);
    src.tag = src.card.t;
    addCardToSpieler(s, src, false);
  }
  EXPECT_EQ(s.count, 3);
  EXPECT_EQ(sortedInsertPos(s, card("hQ")), 3);
  EXPECT_EQ(sortedInsertPos(s, card("d8")), 3);
  EXPECT_EQ(sortedInsertPos(s, card("d7")), 4) << "beats none: behind the last";

  src.card = card("d9");
  src.tag = 99;
  addCardToSpieler(s, src, true);
  EXPECT_EQ(cardText(s.slots[1].card), "d9");
  EXPECT_EQ(cardText(s.slots[2].card), "sA");
  EXPECT_EQ(s.slots[2].tag, rankAce);

  TCardSlot last = s.slots[4];
  EXPECT_EQ(findCardInSpieler(last, s), 4);
  TCardSlot absent{};
  absent.card = card("hA");
  EXPECT_EQ(findCardInSpieler(absent, s), 4);
  TCardSlot otherTag = s.slots[2];
  otherTag.tag = 5;
  EXPECT_EQ(findCardInSpieler(otherTag, s), 4) << "the tag must agree";
  EXPECT_EQ(findCardInSpieler(s.slots[2], s), 2);

  sp[14].slots[1].card = card("hK");
  TCardSlot played{};
  getLastPlayedCard(played);
  EXPECT_EQ(cardText(played.card), "hK");
}

TEST_F(CardOrderTest, AddingToAFullStackIsRefused) {
  AlertCollector alerts;
  TSpieler s{};
  s.count = 166;
  TCardSlot src{};
  src.card = card("sA");
  addCardToSpieler(s, src, true);
  EXPECT_EQ(s.count, 166);
  EXPECT_EQ(alerts.count(), 1u);
}

TEST_F(CardOrderTest, RangeAlertsOfTheValueLookups) {
  AlertCollector alerts;
  EXPECT_EQ(prlwert(makeCard(1, 5)), 0);
  EXPECT_EQ(prlwert(card("sA")), cardValues[suitSpades][rankAce]);
  EXPECT_FALSE(mehrwertn(makeCard(0, 1), card("sA")));
  EXPECT_FALSE(mehrwertn0(card("sA"), makeCard(1, 0)));
  TCardSlot a{}, b{};
  b.card = card("sA");
  EXPECT_FALSE(mehrwert(a, b));
  ASSERT_EQ(alerts.count(), 4u);
  EXPECT_EQ(alerts.texts()[0],
            "ACHTUNG! gtool.prlwert: Bereichsfehler beim Lesen des Prioritätswerts von f,t: 5,1");
  EXPECT_EQ(alerts.texts()[1], "ATTENTION! gtool.mehrwertn: range error while comparing card values");
  EXPECT_EQ(alerts.texts()[2], "ATTENTION! gtool.mehrwertn0: range error while comparing card values");
  EXPECT_EQ(alerts.texts()[3], "ATTENTION! gtool.mehrwert: range error while comparing card values");
}

}  // namespace

// Card lists: adding, removing, searching, counting, filters, conversions, trump test.
#include <gtest/gtest.h>

#include <cstring>

#include "core/cards.h"
#include "core/cg.h"
#include "games/skat/skat_state.h"
#include "tests/support/alerts.h"
#include "tests/support/cards.h"

namespace {

const char* capacityText = "ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung";

// A Skat game of the given contract type with an empty trick.
class CardsTest : public ::testing::Test {
 protected:
  void SetUp() override { play(gidSkat, 0); }
  void TearDown() override { play(gidNone, 0); }
  void play(TGameId game, int type) {
    cg.gameId = game;
    skatBid->gameType = type;
    trickCards.anz = 0;
  }
};

TEST_F(CardsTest, FullListsRefuseAnotherCardWithTheAlert) {
  AlertCollector alerts;
  THand h = fullHand();
  handaddk(h, card("sA"));
  EXPECT_EQ(h.anz, 166);
  EXPECT_EQ(cardText(h.k[166]), "c7");

  THand64 h64{};
  for (int i = 0; i < 64; i++) handaddk(h64, card("h9"));
  handaddk(h64, card("sA"));
  EXPECT_EQ(h64.anz, 64);
  EXPECT_EQ(cardText(h64.k[64]), "h9");

  THand25 h25{};
  for (int i = 0; i < 25; i++) handaddk(h25, TShortCard{rankKing, suitHearts});
  handaddk(h25, card("sA"));
  EXPECT_EQ(h25.anz, 25);
  EXPECT_EQ(h25.k[25].t, rankKing);

  ASSERT_EQ(alerts.count(), 3u);
  for (const std::string& t : alerts.texts()) EXPECT_EQ(t, capacityText);
}

TEST_F(CardsTest, AppendsAndConversionsStopAtTheCapacity) {
  AlertCollector alerts;
  THand big = fullHand();

  THand self = handOf("sA hK");
  appendHand(self, self);
  EXPECT_EQ(handText(self), "sA hK sA hK") << "a list appended to itself doubles once";

  THand h = handOf("sA hK");
  appendHand(h, big);
  EXPECT_EQ(h.anz, 166);
  EXPECT_EQ(alerts.count(), 1u) << "one alert, then the append stops";

  THand64 h64{};
  handToHand64(big, h64);
  EXPECT_EQ(h64.anz, 64);
  THand25 h25{};
  handToHand25(big, h25);
  EXPECT_EQ(h25.anz, 25);

  THand64 a = hand64Of("sA sK sQ");
  THand64 full{};
  for (int i = 0; i < 63; i++) handaddk(full, card("d7"));
  appendHand64(full, a);
  EXPECT_EQ(full.anz, 64);
  EXPECT_EQ(cardText(full.k[64]), "sA");
  EXPECT_EQ(alerts.count(), 4u);
  for (const std::string& t : alerts.texts()) EXPECT_EQ(t, capacityText);
}

TEST_F(CardsTest, PositionsOutsideTheListAreRefused) {
  AlertCollector alerts;
  THand h = handOf("sA hK");
  h.k[3] = card("c7");  // stale card beyond anz: never read
  for (int p : {0, -1, 3, 200}) {
    TCard c = deleteCardAt(h, p);
    EXPECT_TRUE(isNoCard(c)) << "position " << p;
  }
  THand64 h64 = hand64Of("sA");
  EXPECT_TRUE(isNoCard(deleteCardAt64(h64, 2)));
  THand25 h25{};
  EXPECT_EQ(deleteCardAt25(h25, 1).t, 0);
  insertCardAt(h, card("d7"), 4);
  insertCardAt(h, card("d7"), 0);
  EXPECT_EQ(handText(h), "sA hK");
  EXPECT_EQ(h64.anz, 1);
  EXPECT_EQ(alerts.count(), 8u);
  EXPECT_EQ(alerts.texts()[0], "ACHTUNG! deleteCardAt: Fehler bei Bereichsüberprüfung");
}

TEST_F(CardsTest, DeleteAndInsert) {
  THand h = handOf("sA hK d7");
  EXPECT_EQ(cardText(deleteCardAt(h, 3)), "d7");
  EXPECT_EQ(handText(h), "sA hK");
  EXPECT_EQ(cardText(deleteCardAt(h, 1)), "sA");
  EXPECT_EQ(handText(h), "hK");

  h = handOf("sA hK");
  insertCardAt(h, card("c7"), 3);
  EXPECT_EQ(handText(h), "sA hK c7");
  insertCardAt(h, card("d8"), 1);
  EXPECT_EQ(handText(h), "d8 sA hK c7");
  insertCardAt(h, card("h9"), 3);
  EXPECT_EQ(handText(h), "d8 sA h9 hK c7");
}

TEST_F(CardsTest, InsertIntoAFullListLosesNothing) {
  AlertCollector alerts;
  THand h = fullHand();
  h.k[166] = card("hA");
  insertCardAt(h, card("sA"), 1);
  EXPECT_EQ(h.anz, 166);
  EXPECT_EQ(cardText(h.k[1]), "c7");
  EXPECT_EQ(cardText(h.k[166]), "hA");
  EXPECT_EQ(alerts.count(), 1u);
}

TEST_F(CardsTest, RemovingEqualCards) {
  THand two = handOf("hK#1 sA hK#2 d7");
  THand h = two;
  removeCard(h, card("hK"));
  EXPECT_EQ(handText(h), "sA d7");
  h = two;
  removeFirstCard(h, card("hK"));
  EXPECT_EQ(handSlotsText(h), "sA#0 hK#2 d7#0");
  h = two;
  removeFirstCard(h, card("c8"));
  EXPECT_EQ(handText(h), handText(two));
  h = two;
  removeRank(h, rankKing);
  EXPECT_EQ(handText(h), "sA d7");

  h = handOf("hK hK sA hK");
  removeHandCards(h, handOf("hK sA"));
  EXPECT_EQ(handText(h), "hK hK");
  h = handOf("hK hK sA hK d7");
  removeAllOfHand(h, handOf("hK sA"));
  EXPECT_EQ(handText(h), "d7");
}

TEST_F(CardsTest, SearchPrefersIdenticalThenLater) {
  THand h = handOf("hK#1 sA#2 hK#3");
  EXPECT_EQ(indexOfCard(h, card("hK#1")), 1);  // identical
  EXPECT_EQ(indexOfCard(h, card("hK#9")), 3);  // none identical: the later equal one
  EXPECT_EQ(indexOfCard(h, card("c7")), 0);
  EXPECT_EQ(lastIndexOfCard(h, card("hK#1")), 3);
  EXPECT_EQ(lastRankPosition(h, rankKing), 3);
  EXPECT_EQ(lastRankPosition(h, rankQueen), 0);
  // The exact search prefers an equal card carrying the second card's slot number.
  EXPECT_EQ(indexOfCardExact(h, card("hK#3"), card("c7#1")), 1);
  EXPECT_EQ(indexOfCardExact(h, card("hK#1"), card("c7#8")), 1);

  EXPECT_TRUE(hasCard(h, card("hK#7")));
  EXPECT_FALSE(hasCardExact(h, card("hK#7")));
  EXPECT_TRUE(hasCardExact(h, card("hK#3")));
  EXPECT_EQ(countCard(h, card("hK")), 2);
  EXPECT_EQ(countRank(h, rankAce), 1);
  EXPECT_TRUE(hasRank(h, rankAce));
  EXPECT_FALSE(hasRank(h, rank7));

  THand64 h64 = hand64Of("hK#1 sA#2 hK#3");
  EXPECT_EQ(indexOfCard64(h64, card("hK#1")), 1);
  EXPECT_EQ(indexOfCard64(h64, card("hK#5")), 3);
  EXPECT_TRUE(hasCard64(h64, card("sA")));
  EXPECT_EQ(countRank64(h64, rankKing), 2);

  THand empty{};
  EXPECT_EQ(indexOfCard(empty, card("hK")), 0);
  EXPECT_FALSE(hasCard(empty, card("hK")));
  EXPECT_EQ(countSuit(empty, suitTrumps), 0);
}

TEST_F(CardsTest, SuitFiltersFollowTheTrumps) {
  THand hand = handOf("sJ cJ sA s7 hK d10");
  struct Case {
    TGameId game;
    int type;
    int suit;
    const char* kept;
  } cases[] = {
      {gidSkat, 2, suitTrumps, "sJ cJ sA s7"},
      {gidSkat, 2, suitSpades, ""},  // in a spades game every spade is a trump
      {gidSkat, 11, suitSpades, "sA s7"},
      {gidSkat, 11, suitTrumps, "sJ cJ"},
      {gidSkat, 10, suitSpades, "sJ sA s7"},
      {gidSkat, 10, suitTrumps, ""},
      {gidSchnapsen, 2, suitSpades, "sJ cJ sA s7 hK d10"},
      {gidHearts, 2, suitSpades, "sJ sA s7"},
      {gidPoker, 2, suitTrumps, ""},
  };
  for (const Case& c : cases) {
    play(c.game, c.type);
    THand h = hand;
    keepSuit(h, c.suit);
    EXPECT_EQ(handText(h), c.kept) << "game " << int(c.game) << " type " << c.type << " suit " << c.suit;
  }
  play(gidSkat, 2);
  THand h = hand;
  removeSuit(h, suitTrumps);
  EXPECT_EQ(handText(h), "hK d10");
  play(gidSkat, 11);
  h = hand;
  removeSuit(h, suitSpades);
  EXPECT_EQ(handText(h), "sJ cJ hK d10");
  THand out{};
  filterSuitCopy(hand, suitTrumps, out);
  EXPECT_EQ(handText(out), "sJ cJ");
  THand empty{};
  keepSuit(empty, suitTrumps);
  EXPECT_EQ(empty.anz, 0);
  THand64 h64 = hand64Of("sJ cJ sA s7 hK d10");
  keepSuit64(h64, suitSpades);
  EXPECT_EQ(handText(h64), "sA s7");
}

TEST_F(CardsTest, SuitCountsWithAndWithoutTrumps) {
  play(gidSkat, 1);  // clubs game
  THand h = handOf("cJ sJ cA c7 sK");
  EXPECT_EQ(countSuit(h, suitClubs), 3);         // the jack of clubs counts as a club
  EXPECT_EQ(countSuitNoTrump(h, suitClubs), 0);  // clubs are trumps here
  EXPECT_EQ(countSuit(h, suitSpades), 2);
  EXPECT_EQ(countSuitNoTrump(h, suitSpades), 1);
  EXPECT_EQ(countSuit(h, suitTrumps), 4);
  EXPECT_EQ(countSuitNoTrump(h, suitTrumps), 4);
  THand64 h64 = hand64Of("cJ sJ cA c7 sK");
  EXPECT_EQ(countSuit64(h64, suitSpades), 1);
  play(gidPoker, 1);
  EXPECT_EQ(countSuit64(h64, suitClubs), 3);
  EXPECT_EQ(skatHandPoints(handOf("cJ sA h10 dK cQ d7")), 2 + 11 + 10 + 4 + 3);
}

TEST_F(CardsTest, LegalCardsForTheTrick) {
  play(gidSkat, 11);  // Grand: only jacks are trumps
  THand hand = handOf("hJ sA s7 hK");
  EXPECT_EQ(handText(legalCardsForTrick(hand)), "hJ sA s7 hK") << "empty trick";
  trickCards = handOf("cJ");
  EXPECT_EQ(handText(legalCardsForTrick(hand)), "hJ");
  trickCards = handOf("s10");
  EXPECT_EQ(handText(legalCardsForTrick(hand)), "sA s7");
  trickCards = handOf("d10");
  EXPECT_EQ(handText(legalCardsForTrick(hand)), "hJ sA s7 hK") << "void: the whole hand";
  trickCards = handOf("cJ");
  EXPECT_EQ(handText(legalCardsForTrick(handOf("sA hK"))), "sA hK");
}

TEST_F(CardsTest, RankSelectionsAndSplits) {
  THand h = handOf("hK sA cK d7");
  THand out = handOf("c9");
  selectRank(h, rankKing, out);
  EXPECT_EQ(handText(out), "hK cK");
  takeRank(h, rankKing, out);
  EXPECT_EQ(handText(out), "hK cK");
  EXPECT_EQ(handText(h), "sA d7");

  play(gidSkat, 3);  // hearts game
  THand hand = handOf("cJ hA sA h7 d9");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 2, "", false)), "sA d9");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 2, "", true)), "cJ hA h7");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 0, "3", true)), "hA h7");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 0, "1", false)), "hA sA h7 d9");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 0, "xx", true)), "");
  EXPECT_EQ(handText(splitBySuitOrTrump(hand, 5, "3", false)), "cJ hA sA h7 d9");
}

TEST_F(CardsTest, ConversionsCarryCountOwnerAndSlots) {
  THand h = handOf("cJ#4 hA#9 d7#2");
  h.extras.owner = 3;
  THand25 h25{};
  handToHand25(h, h25);
  EXPECT_EQ(h25.anz, 3);
  EXPECT_EQ(h25.owner, 3);
  THand back{};
  hand25ToHand(h25, back);
  EXPECT_EQ(handSlotsText(back), "cJ#1 hA#2 d7#3");
  EXPECT_EQ(back.extras.owner, 3);

  THand64 h64{};
  handToHand64(h, h64);
  EXPECT_EQ(h64.owner, 3);
  hand64ToHand(h64, back);
  EXPECT_EQ(handSlotsText(back), "cJ#4 hA#9 d7#2") << "whole cards copied";

  renumberHand(back);
  EXPECT_EQ(handSlotsText(back), "cJ#1 hA#2 d7#3");
}

TEST_F(CardsTest, XassignGivesSourcePositions) {
  THand src = handOf("hK#1 sA#2 hK#3 d7#4");
  THand dst = handOf("hK hK d7");
  xassignfromto(src, dst);
  EXPECT_EQ(handSlotsText(dst), "hK#3 hK#1 d7#4");

  AlertCollector alerts;
  dst = handOf("sA c8#77 d7");
  xassignfromto(src, dst);
  EXPECT_EQ(handSlotsText(dst), "sA#2 c8#77 d7#4");
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0], "ACHTUNG! xassignfromto: hdst.k nicht in hsrc.k enthalten");
}

TEST_F(CardsTest, ClearingLists) {
  THand h = handOf("hK sA");
  std::memset(h.extras.markers, 7, sizeof h.extras.markers);
  h.extras.owner = 2;
  clearHand(h);
  EXPECT_EQ(h.anz, 0);
  EXPECT_EQ(h.extras.markers[0], 0);
  EXPECT_EQ(h.extras.owner, 2);
  EXPECT_EQ(h.k[1].t, rankKing) << "stale cards stay";

  play(gidCanasta, 0);
  h = handOf("hK");
  std::memset(h.extras.markers, 7, sizeof h.extras.markers);
  clearHand(h);
  EXPECT_EQ(h.extras.markers[23], 7) << "Canasta keeps its markers";

  h = handOf("hK sA");
  clearHandFull(h);
  EXPECT_EQ(h.k[1].t, 0);
  EXPECT_EQ(h.k[2].f, 0);
  setHandToCard(card("d9"), h);
  EXPECT_EQ(handText(h), "d9");
}

TEST(Card, ValidityEqualityAndForms) {
  struct Case {
    int rank, suit;
    bool valid;
  } cases[] = {{1, 1, true}, {15, 4, true}, {16, 1, false}, {0, 1, false},
               {8, 0, false}, {8, 5, false}, {14, 3, true}};
  for (const Case& c : cases)
    EXPECT_EQ(isValidCard(makeCard(c.rank, c.suit)), c.valid) << c.rank << "," << c.suit;

  TCard a = card("hK#1"), b = card("hK#2");
  EXPECT_TRUE(cardsEqual(a, b));
  EXPECT_FALSE(cardsIdentical(a, b));
  swapCards(a, b);
  EXPECT_EQ(a.hi, 2);
  TCard w = widenWord(TShortCard{rankAce, suitSpades});
  EXPECT_EQ(w.t, rankAce);
  EXPECT_EQ(w.hi, 0);
}

}  // namespace

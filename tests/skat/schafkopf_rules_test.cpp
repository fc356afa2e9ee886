// Schafkopf's rules: the deck, the trump order and plain-suit order of every contract,
// trick winners, legal cards with the called-Ace rules, card points, names and bidding
// ranks, callable suits, the highest bid and the seat arithmetic. In the card texts c is
// Eichel, s Grün, h Herz, d Schellen; J the Unter and Q the Ober.
#include <set>

#include "core/card_order.h"
#include "platform/random.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

using SchafkopfRulesTest = SchafkopfFixture;

// The cards of a suit that are no trumps, highest first.
std::string plainSuitOrder(int suit) {
  THand h{};
  for (int r = rank7; r <= rankAce; r++)
    if (!schafkopfIsTrump(makeCard(r, suit))) handaddk(h, makeCard(r, suit));
  sortHandByValue(h, 1, 0, false);
  return handText(h);
}

TEST_F(SchafkopfRulesTest, DeckHoldsEachCardOnceInRandomOrder) {
  randomSeed(7);
  schafkopfBuildDeck();
  const THand& stock = sp[schafkopfStockStack].hand;
  ASSERT_EQ(stock.anz, 32);
  std::set<int> seen;
  for (int i = 1; i <= 32; i++) {
    EXPECT_TRUE(stock.k[i].t >= rank7 && stock.k[i].t <= rankAce) << cardText(stock.k[i]);
    seen.insert(stock.k[i].t * 10 + stock.k[i].f);
  }
  EXPECT_EQ(seen.size(), 32u);
  EXPECT_NE(handText(stock), handText(fullDeck())) << "the deck is shuffled";
}

TEST_F(SchafkopfRulesTest, TrumpOrderPerContract) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    const char* trumps;  // highest first
  } cases[] = {
      {"no contract", skfNone, 0, "cQ sQ hQ dQ cJ sJ hJ dJ hA h10 hK h9 h8 h7"},
      {"Rufspiel Eichel", skfRufspiel, 1, "cQ sQ hQ dQ cJ sJ hJ dJ hA h10 hK h9 h8 h7"},
      {"Rufspiel Grün", skfRufspiel, 2, "cQ sQ hQ dQ cJ sJ hJ dJ hA h10 hK h9 h8 h7"},
      {"Rufspiel Schellen", skfRufspiel, 4, "cQ sQ hQ dQ cJ sJ hJ dJ hA h10 hK h9 h8 h7"},
      {"Ramsch", skfRamsch, 0, "cQ sQ hQ dQ cJ sJ hJ dJ hA h10 hK h9 h8 h7"},
      {"Solo Eichel", skfSolo, 1, "cQ sQ hQ dQ cJ sJ hJ dJ cA c10 cK c9 c8 c7"},
      {"Solo Schellen", skfSolo, 4, "cQ sQ hQ dQ cJ sJ hJ dJ dA d10 dK d9 d8 d7"},
      {"Wenz", skfWenz, 0, "cJ sJ hJ dJ"},
      {"Geier", skfGeier, 0, "cQ sQ hQ dQ"},
      {"Farbwenz Schellen", skfFarbwenz, 4, "cJ sJ hJ dJ dA d10 dK dQ d9 d8 d7"},
      {"Farbgeier Grün", skfFarbgeier, 2, "cQ sQ hQ dQ sA s10 sK sJ s9 s8 s7"},
      {"Sie", skfSie, 0, "cQ sQ hQ dQ cJ sJ hJ dJ"},
      {"Bettel", skfBettel, 0, ""},
  };
  for (const Case& c : cases) {
    order(c.type, c.suit);
    EXPECT_EQ(handText(schafkopfArea->trumpList), c.trumps) << c.what;
    // Every card its own value, the trumps from 32 down.
    std::set<int32_t> values;
    for (int s = 1; s <= 4; s++)
      for (int r = rank7; r <= rankAce; r++) values.insert(cardValues[s][r]);
    EXPECT_EQ(values.size(), 32u) << c.what;
    EXPECT_EQ(*values.begin(), 1) << c.what;
    const THand& t = schafkopfArea->trumpList;
    for (int i = 1; i <= t.anz; i++) EXPECT_EQ(prlwert(t.k[i]), 33 - i) << c.what << " " << cardText(t.k[i]);
  }
}

TEST_F(SchafkopfRulesTest, PlainSuitOrderPerContract) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    int plainSuit;
    const char* order;
  } cases[] = {
      {"Rufspiel", skfRufspiel, 2, 2, "sA s10 sK s9 s8 s7"},
      {"Wenz", skfWenz, 0, 1, "cA c10 cK cQ c9 c8 c7"},
      {"Wenz, Herz is plain", skfWenz, 0, 3, "hA h10 hK hQ h9 h8 h7"},
      {"Geier", skfGeier, 0, 4, "dA d10 dK dJ d9 d8 d7"},
      {"Farbwenz Eichel", skfFarbwenz, 1, 2, "sA s10 sK sQ s9 s8 s7"},
      {"Farbgeier Herz", skfFarbgeier, 3, 1, "cA c10 cK cJ c9 c8 c7"},
      {"Sie, Herz is plain", skfSie, 0, 3, "hA h10 hK h9 h8 h7"},
      {"Bettel", skfBettel, 0, 3, "hA hK hQ hJ h10 h9 h8 h7"},
  };
  for (const Case& c : cases) {
    order(c.type, c.suit);
    EXPECT_EQ(plainSuitOrder(c.plainSuit), c.order) << c.what;
  }
}

TEST_F(SchafkopfRulesTest, RufspielGruenValuesRunFrom32To19) {
  order(skfRufspiel, 2);
  EXPECT_EQ(prlwert(card("cQ")), 32);
  EXPECT_EQ(prlwert(card("h7")), 19);
  EXPECT_EQ(schafkopfArea->trumpList.anz, 14);
}

TEST_F(SchafkopfRulesTest, TrickWinnerPerContract) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    int leader;
    const char* trick;  // in playing order
    int winner;
    const char* card;
  } cases[] = {
      {"Rufspiel Eichel: called Ace holds", skfRufspiel, 1, 2, "cA c7 c9 cK", 2, "cA"},
      {"Rufspiel Grün: called Ace holds", skfRufspiel, 2, 3, "s7 sA s9 s10", 4, "sA"},
      {"Rufspiel Schellen: called Ace holds", skfRufspiel, 4, 4, "d8 d9 dA dK", 2, "dA"},
      {"Rufspiel: Herz is trump", skfRufspiel, 1, 1, "cA h7 c10 c9", 2, "h7"},
      {"Rufspiel: off suit never wins", skfRufspiel, 2, 1, "s7 dA cA s8", 4, "s8"},
      {"Rufspiel: higher Ober", skfRufspiel, 2, 1, "hJ dQ sQ cJ", 3, "sQ"},
      {"Farbsolo Schellen: trump takes Herz", skfSolo, 4, 1, "hA d7 h10 hK", 2, "d7"},
      {"Farbsolo Eichel: Herz is plain", skfSolo, 1, 1, "h7 hA c7 h10", 3, "c7"},
      {"Wenz: Ober is plain", skfWenz, 0, 1, "cQ cA dJ c10", 3, "dJ"},
      {"Wenz: first card keeps", skfWenz, 0, 2, "s7 cA dA hA", 2, "s7"},
      {"Geier: Unter is plain", skfGeier, 0, 1, "hJ hA hK dQ", 4, "dQ"},
      {"Geier: plain Unter below King", skfGeier, 0, 1, "hJ hK h7 h8", 2, "hK"},
      {"Farbwenz Eichel", skfFarbwenz, 1, 3, "sA sQ c7 dJ", 2, "dJ"},
      {"Farbgeier Herz", skfFarbgeier, 3, 1, "cJ cK d7 s7", 2, "cK"},
      {"Sie: Herz is plain", skfSie, 0, 1, "hA h10 dJ hK", 3, "dJ"},
      {"Bettel: Unter above the Ten", skfBettel, 0, 1, "h10 hJ hQ h9", 3, "hQ"},
      {"Bettel: Ober is no trump", skfBettel, 0, 4, "c7 cQ c8 sA", 1, "cQ"},
      {"Ramsch: Unter over Herz Ace", skfRamsch, 0, 1, "hA dJ h10 c7", 2, "dJ"},
  };
  for (const Case& c : cases) {
    order(c.type, c.suit);
    THand trick = handOf(c.trick);
    trick.k[1].hi = static_cast<int16_t>(c.leader);
    EXPECT_EQ(schafkopfTrickWinner(trick), c.winner) << c.what;
    EXPECT_EQ(cardText(schafkopfTrickWinningCard(trick)), c.card) << c.what;
  }
}

TEST_F(SchafkopfRulesTest, LegalCardsWithTheCalledAce) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    const char* hand;
    const char* led;  // "" when the seat leads
    const char* legal;
  } cases[] = {
      {"holder of the Ace and two more leads", skfRufspiel, 2, "sA s10 s7 cQ hK dA d9 c8", "",
       "cQ hK c8 sA dA d9"},
      {"holder with four leads anything", skfRufspiel, 2, "sA s10 s9 s7 cQ hK dA c8", "",
       "cQ hK c8 sA s10 s9 s7 dA"},
      {"Ober and Unter of the suit are no suit cards", skfRufspiel, 2, "sA sQ sJ s7 hK dA d9 c8", "",
       "sQ sJ hK c8 sA dA d9"},
      {"called suit led: the Ace alone", skfRufspiel, 2, "sA s10 s7 cQ hK dA d9 c8", "s9", "sA"},
      {"called suit led, no Ace: any of the suit", skfRufspiel, 2, "s10 s7 cQ hK dA d9 c8 c7", "s9",
       "s10 s7"},
      {"other suit led: the holder follows freely", skfRufspiel, 2, "sA s10 s7 cQ hK dA d9 c8", "d7",
       "dA d9"},
      {"void: the called Ace may be discarded", skfRufspiel, 2, "sA s10 s7 cQ hK c10 c9 c8", "d7",
       "cQ hK c10 c9 c8 sA s10 s7"},
      {"trump led: Herz, Ober and Unter", skfRufspiel, 1, "cA hK dJ sQ s7 d9 c8 c7", "h7", "sQ dJ hK"},
      {"trump led in Wenz: only Unter", skfWenz, 0, "cA hK dJ sQ s7 d9 c8 c7", "hJ", "dJ"},
      {"Wenz: the Ober follows its suit", skfWenz, 0, "cA cQ cJ s7 d9 d8 h7 h8", "c7", "cA cQ"},
      {"Geier: the Unter follows its suit", skfGeier, 0, "hJ hQ s7 d9 d8 c7 c8 cA", "h7", "hJ"},
      {"Farbsolo Eichel: Eichel led is trump", skfSolo, 1, "cA hK dJ sQ s7 d9 h8 h7", "c7",
       "sQ dJ cA"},
      {"Bettel: Ober follows its suit", skfBettel, 0, "cQ cJ hQ s7 d9 d8 h7 h8", "c7", "cQ cJ"},
  };
  for (const Case& c : cases) {
    SetUp();
    order(c.type, c.suit);
    cg.gs.akspieler = 2;
    setStack(2, c.hand);
    if (*c.led) handaddk(trickCards, card(c.led));
    THand legal{};
    schafkopfLegalCards(legal);
    EXPECT_EQ(handText(legal), c.legal) << c.what;
    for (int i = 1; i <= legal.anz; i++)
      EXPECT_TRUE(cardsEqual(sp[2].slots[legal.k[i].hi].card, legal.k[i])) << c.what << ": slot of " << cardText(legal.k[i]);
  }
}

TEST_F(SchafkopfRulesTest, TableAsksLegalityOnlyInTrickPlay) {
  order(skfRufspiel, 1);
  schafkopfArea->legalCards = handOf("cA h7");
  struct Case {
    uint8_t phase;
    bool legal;
  } cases[] = {{3, false}, {7, false}, {4, true}};
  for (const Case& c : cases) {
    cg.gs.phase = c.phase;
    EXPECT_EQ(schafkopfIsLegalCard(card("cA")), c.legal) << int(c.phase);
    EXPECT_EQ(schafkopfIsLegalFollow(card("h7"), card("cQ")), c.legal) << int(c.phase);
  }
  cg.gs.phase = 4;
  EXPECT_FALSE(schafkopfIsLegalCard(card("c10")));
  EXPECT_FALSE(schafkopfIsLegalFollow(card("c7"), card("cQ")));
}

TEST_F(SchafkopfRulesTest, CardPoints) {
  struct Case {
    const char* card;
    int points;
  } cases[] = {{"c7", 0}, {"s8", 0}, {"h9", 0}, {"dJ", 2}, {"cQ", 3}, {"sK", 4}, {"h10", 10}, {"dA", 11}};
  for (const Case& c : cases) EXPECT_EQ(schafkopfCardPoints(card(c.card)), c.points) << c.card;
  EXPECT_EQ(schafkopfPointsOfCards(fullDeck()), 120);
}

TEST_F(SchafkopfRulesTest, ContractNamesAndRanks) {
  struct Case {
    TContractRecord c;
    const char* name;
    int rank;
  } cases[] = {
      {{skfNone, 0, 0}, "-Fehler", 0},          {{skfRamsch, 0, 0}, "Ramsch", 0},
      {{skfRufspiel, 2, 0}, "Grün-Rufspiel", 1}, {{skfRufspiel, 1, 1}, "Eichel-Rufspiel-Tout", 1},
      {{skfBettel, 0, 0}, "Bettel", 2},         {{skfBettel, 0, 1}, "Bettel-Tout", 2},
      {{skfFarbgeier, 3, 0}, "Herz-Geier", 3},  {{skfFarbwenz, 4, 0}, "Schellen-Wenz", 4},
      {{skfGeier, 0, 0}, "Geier", 5},           {{skfWenz, 0, 0}, "Wenz", 6},
      {{skfSolo, 1, 0}, "Eichel-Solo", 7},      {{skfFarbgeier, 3, 1}, "Herz-Geier-Tout", 8},
      {{skfFarbwenz, 4, 1}, "Schellen-Wenz-Tout", 9}, {{skfGeier, 0, 1}, "Geier-Tout", 10},
      {{skfWenz, 0, 1}, "Wenz-Tout", 11},       {{skfSolo, 1, 1}, "Eichel-Solo-Tout", 12},
      {{skfSie, 0, 0}, "Sie", 13},              {{skfSie, 0, 1}, "Sie-Tout", 13},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(schafkopfContractName(c.c), c.name);
    EXPECT_EQ(schafkopfContractRank(c.c), c.rank) << c.name;
  }
  EXPECT_EQ(schafkopfContractTypeName(skfSolo, false), "Farbsolo");
  EXPECT_EQ(schafkopfContractTypeName(skfFarbwenz, false), "Farbwenz");
  EXPECT_EQ(schafkopfContractTypeName(10, true), "Fehler");
}

// A Rufspiel is offered only when some suit may be called, so the suit question always has
// an answer.
TEST_F(SchafkopfRulesTest, CallableSuits) {
  struct Case {
    const char* what;
    const char* hand;
    uint8_t ownAce;
    const char* callable;  // suit letters
  } cases[] = {
      {"plain cards of three suits", "c7 s8 d9 hA cQ sQ hQ dQ", 0, "csd"},
      {"Herz is never called", "hA h10 hK h9 h8 cQ sQ c7", 0, "c"},
      {"own Aces off", "cA c7 sA s7 dA d7 h7 cQ", 0, ""},
      {"own Aces allowed", "cA c7 sA s7 dA d7 h7 cQ", 1, "csd"},
      {"the Ace alone is a plain card", "cA sQ sJ hA h7 dQ dJ cJ", 1, "c"},
      {"Ober and Unter are no suit cards", "cQ cJ sQ sJ dQ dJ hA h7", 1, ""},
      {"two Aces and no plain third suit", "cA c7 sA s8 dQ dJ hA hK", 0, ""},
  };
  for (const Case& c : cases) {
    schafkopfArea->options.ownAce = c.ownAce;
    THand h = handOf(c.hand);
    std::string got;
    for (int s = 1; s <= 4; s++)
      if (schafkopfCanCallSuit(h, s)) got += "csxd"[s - 1];
    EXPECT_EQ(got, c.callable) << c.what;
    EXPECT_EQ(schafkopfRufspielPossible(h), *c.callable != 0) << c.what;
  }
}

TEST_F(SchafkopfRulesTest, HighestBidDependsOnTheOptionsAndTheSieHand) {
  struct Case {
    const char* what;
    uint8_t sie, tout;
    bool sieHand;
    TContractRecord offer;
    bool highest;
  } cases[] = {
      {"Solo without Tout or Sie", 0, 0, false, {skfSolo, 1, 0}, true},
      {"Wenz without Tout or Sie", 0, 0, false, {skfWenz, 0, 0}, false},
      {"Solo with Tout", 0, 1, false, {skfSolo, 1, 0}, false},
      {"Solo-Tout, Sie on but nobody holds it", 1, 1, false, {skfSolo, 1, 1}, true},
      {"Solo-Tout, a seat holds Sie", 1, 1, true, {skfSolo, 1, 1}, false},
      {"Sie", 1, 1, true, {skfSie, 0, 0}, true},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->options.sie = c.sie;
    schafkopfArea->options.tout = c.tout;
    deal({"", "", c.sieHand ? "cQ sQ hQ dQ cJ sJ hJ dJ" : ""});
    schafkopfArea->highestOffer = c.offer;
    EXPECT_EQ(schafkopfIsHighestBid(), c.highest) << c.what;
  }
}

TEST_F(SchafkopfRulesTest, SeatArithmeticWraps) {
  cg.gs.akspieler = 3;
  struct Case {
    int32_t seat, n, after, before;
  } cases[] = {{1, 1, 2, 4}, {4, 1, 1, 3}, {2, 5, 3, 1}, {-1, 1, 4, 2}, {3, 0, 3, 3}, {1, 12, 1, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(schafkopfSeatAfter(c.seat, c.n), c.after) << c.seat << "+" << c.n;
    EXPECT_EQ(schafkopfSeatBefore(c.seat, c.n), c.before) << c.seat << "-" << c.n;
  }
  schafkopfStepToNextSeat();
  EXPECT_EQ(cg.gs.akspieler, 4);
  schafkopfStepToNextSeat();
  EXPECT_EQ(cg.gs.akspieler, 1);
  schafkopfStepToPreviousSeat();
  EXPECT_EQ(cg.gs.akspieler, 4);
}

}  // namespace

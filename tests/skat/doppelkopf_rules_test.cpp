// Doppelkopf's rules: the deck, the trump order of every game type, which card wins a
// trick (with and without the second-Dulle option), the legal cards, card points and the
// solo names.
#include <string>

#include "core/card_order.h"
#include "games/skat/doppelkopf_rules.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

class DoppelkopfRulesTest : public DoppelkopfFixture {};

TEST_F(DoppelkopfRulesTest, DeckHoldsEveryCardTwiceAndTwoHundredFortyPoints) {
  doppelkopfBuildDeck();
  const TSpieler& stock = sp[doppelkopfStockStack];
  ASSERT_EQ(stock.count, 48);
  THand cards{};
  for (int i = 1; i <= stock.count; i++) handaddk(cards, stock.slots[i].card);
  for (int r = rank9; r <= rankAce; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++)
      EXPECT_EQ(countCard(cards, makeCard(r, s)), 2) << cardText(makeCard(r, s));
  EXPECT_EQ(doppelkopfPointsOfCards(cards), 240);
}

TEST_F(DoppelkopfRulesTest, CardPoints) {
  const struct { const char* card; int points; } cases[] = {
      {"c9", 0}, {"sJ", 2}, {"hQ", 3}, {"dK", 4}, {"h10", 10}, {"cA", 11},
  };
  for (const auto& c : cases) EXPECT_EQ(doppelkopfCardPoints(card(c.card)), c.points) << c.card;
}

// Every card kind from the highest order value 24 down to 1; the trumps before the "|".
struct OrderCase {
  int32_t type;
  const char* order;
};

const OrderCase orderCases[] = {
    {doppelkopfNormalGame, "h10 cQ sQ hQ dQ cJ sJ hJ dJ dA d10 dK d9 | cA c10 cK c9 sA s10 sK s9 hA hK h9"},
    {doppelkopfKaroSolo, "h10 cQ sQ hQ dQ cJ sJ hJ dJ dA d10 dK d9 | cA c10 cK c9 sA s10 sK s9 hA hK h9"},
    {doppelkopfKreuzSolo, "h10 cQ sQ hQ dQ cJ sJ hJ dJ cA c10 cK c9 | sA s10 sK s9 hA hK h9 dA d10 dK d9"},
    {doppelkopfPikSolo, "h10 cQ sQ hQ dQ cJ sJ hJ dJ sA s10 sK s9 | cA c10 cK c9 hA hK h9 dA d10 dK d9"},
    {doppelkopfHerzSolo, "h10 cQ sQ hQ dQ cJ sJ hJ dJ hA hK h9 | cA c10 cK c9 sA s10 sK s9 dA d10 dK d9"},
    {doppelkopfBubenSolo,
     "cJ sJ hJ dJ | cA c10 cK cQ c9 sA s10 sK sQ s9 hA h10 hK hQ h9 dA d10 dK dQ d9"},
    {doppelkopfDamenSolo,
     "cQ sQ hQ dQ | cA c10 cK cJ c9 sA s10 sK sJ s9 hA h10 hK hJ h9 dA d10 dK dJ d9"},
    {doppelkopfFleischlos,
     "| cA c10 cK cQ cJ c9 sA s10 sK sQ sJ s9 hA h10 hK hQ hJ h9 dA d10 dK dQ dJ d9"},
    {doppelkopfBubenDamenSolo,
     "cQ sQ hQ dQ cJ sJ hJ dJ | cA c10 cK c9 sA s10 sK s9 hA h10 hK h9 dA d10 dK d9"},
};

TEST_F(DoppelkopfRulesTest, TrumpOrderOfEveryGameType) {
  for (const OrderCase& c : orderCases) {
    setType(c.type);
    const std::string order = c.order;
    const size_t bar = order.find('|');
    const THand trumps = handOf(order.substr(0, bar));
    const THand all = handOf(order.substr(0, bar) + order.substr(bar + 1));
    ASSERT_EQ(all.anz, 24) << c.type;
    for (int i = 1; i <= all.anz; i++) {
      EXPECT_EQ(prlwert(all.k[i]), 25 - i) << "type " << c.type << " card " << cardText(all.k[i]);
      EXPECT_EQ(doppelkopfIsTrump(all.k[i]), i <= trumps.anz) << "type " << c.type << " card " << cardText(all.k[i]);
    }
    EXPECT_EQ(doppelkopfArea->trumps.anz, 2 * trumps.anz) << "both copies are trumps, type " << c.type;
  }
}

struct TrickCase {
  const char* what;
  int32_t type;
  bool secondDulle;
  int leader;
  const char* cards;  // in playing order
  int winner;
};

const TrickCase trickCases[] = {
    {"two Dullen: the first wins", doppelkopfNormalGame, false, 1, "h10 hA h10 hK", 1},
    {"two Dullen, option on: the second wins", doppelkopfNormalGame, true, 1, "h10 hA h10 hK", 3},
    {"option on, three cards after the second Dulle", doppelkopfNormalGame, true, 2, "h10 h10 cQ dQ", 3},
    {"equal side cards: the first wins", doppelkopfNormalGame, false, 1, "cA c10 cA cK", 1},
    {"Karo Neun trumps a side Ace", doppelkopfNormalGame, false, 1, "cA c10 d9 cA", 3},
    {"a card of another suit never wins", doppelkopfNormalGame, false, 1, "s9 cA hA s10", 4},
    {"the winner counts on from the leader", doppelkopfNormalGame, false, 3, "cK cA c9 c10", 4},
    {"the winner wraps round", doppelkopfNormalGame, false, 4, "dJ dQ cQ d9", 2},
    {"Kreuz solo: Kreuz Neun beats Karo Ass", doppelkopfKreuzSolo, false, 1, "dA c9 d10 dK", 2},
    {"Karo solo is the normal game", doppelkopfKaroSolo, false, 1, "hA d9 hK h9", 2},
    {"Herz solo: the Dulle above the Herz Ass", doppelkopfHerzSolo, false, 1, "hA h10 hK h9", 2},
    {"Buben solo: Damen are side cards below the König", doppelkopfBubenSolo, false, 1, "cQ cK c9 hQ", 2},
    {"Buben solo: a Bube trumps", doppelkopfBubenSolo, false, 1, "cA dJ c10 sJ", 4},
    {"Buben solo: Herz Zehn is a side card", doppelkopfBubenSolo, true, 1, "hA h10 h10 hK", 1},
    {"Damen solo: the Bube is a side card", doppelkopfDamenSolo, false, 1, "cJ cK dQ c9", 3},
    {"Fleischlos: no trumps", doppelkopfFleischlos, false, 1, "h9 cA dQ hJ", 4},
    {"Fleischlos: two Herz Zehn, option on, first wins", doppelkopfFleischlos, true, 1, "h10 h10 hK h9", 1},
    {"Buben-Damen: Kreuz Dame above Kreuz Bube", doppelkopfBubenDamenSolo, false, 1, "cJ cQ sA h10", 2},
};

TEST_F(DoppelkopfRulesTest, TrickWinnerOfEveryGameType) {
  for (const TrickCase& c : trickCases) {
    area.options.secondDulle = c.secondDulle ? 1 : 0;
    setType(c.type);
    EXPECT_EQ(doppelkopfTrickWinner(handOf(c.cards), c.leader), c.winner) << c.what;
  }
}

TEST_F(DoppelkopfRulesTest, WinningCardIgnoresTheSecondDulleOption) {
  area.options.secondDulle = 1;
  THand trick = handOf("h10#1 h10#2 cQ dQ");
  EXPECT_EQ(doppelkopfTrickWinningCard(trick).hi, 1);
  EXPECT_EQ(doppelkopfTrickWinner(trick, 1), 2);
}

struct LegalCase {
  const char* what;
  int32_t type;
  const char* hand;
  const char* led;  // "" leads
  const char* legal;  // highest first
};

const LegalCase legalCases[] = {
    {"leading: every card", doppelkopfNormalGame, "c9 h10 cA", "", "h10 cA c9"},
    {"trump led asks for a trump", doppelkopfNormalGame, "cA h10 hA d9", "dQ", "h10 d9"},
    {"Herz led: the Dulle is no Herz", doppelkopfNormalGame, "h10 hK cA", "hA", "hK"},
    {"Herz led without a plain Herz: every card", doppelkopfNormalGame, "h10 cA", "hA", "h10 cA"},
    {"Kreuz led: the Kreuz Dame is a trump", doppelkopfNormalGame, "cQ cK sA", "cA", "cK"},
    {"Buben solo: Damen follow their suit", doppelkopfBubenSolo, "cJ cQ dA", "cA", "cQ"},
    {"Fleischlos: the Herz Zehn follows Herz", doppelkopfFleischlos, "h10 cQ", "h9", "h10"},
    {"Kreuz solo: a Kreuz lead is a trump lead", doppelkopfKreuzSolo, "dQ dA c9", "cA", "dQ c9"},
};

TEST_F(DoppelkopfRulesTest, LegalCards) {
  for (const LegalCase& c : legalCases) {
    setType(c.type);
    const THand legal = doppelkopfLegalCardsOf(handOf(c.hand), *c.led ? card(c.led) : noCard());
    EXPECT_EQ(handText(legal), c.legal) << c.what;
  }
}

TEST_F(DoppelkopfRulesTest, LegalCardsKeepTheirPlaceInTheHandAndAskTheCurrentTrick) {
  setHand(2, "c9 hA cA h10");
  cg.gs.akspieler = 2;
  setTrick(1, "hK");
  THand legal;
  doppelkopfLegalCards(legal);
  EXPECT_EQ(handSlotsText(legal), "hA#2");
  area.legalCards = legal;
  EXPECT_TRUE(doppelkopfIsLegalCard(card("hA")));
  EXPECT_FALSE(doppelkopfIsLegalCard(card("cA")));
  EXPECT_TRUE(doppelkopfIsLegalFollow(card("hA"), card("hK")));
  cg.gs.phase = 3;  // outside trick play the table may pick nothing
  EXPECT_FALSE(doppelkopfIsLegalCard(card("hA")));
  EXPECT_FALSE(doppelkopfIsLegalFollow(card("hA"), card("hK")));
}

TEST_F(DoppelkopfRulesTest, SoloNames) {
  const struct { int style; int32_t type; bool shortForm; const char* prefix; const char* name; } cases[] = {
      {1, doppelkopfNormalGame, false, "", ""},
      {1, doppelkopfKreuzSolo, false, "Kreuz", "Kreuzsolo"},
      {1, doppelkopfKaroSolo, false, "Karo", "Karosolo"},
      {1, doppelkopfBubenSolo, false, "Buben", "Bubensolo"},
      {1, doppelkopfDamenSolo, false, "Damen", "Damensolo"},
      {1, doppelkopfFleischlos, false, "", "Fleischloses Solo"},
      {1, doppelkopfBubenDamenSolo, false, "Buben-Damen", "Buben-Damensolo"},
      {1, doppelkopfBubenDamenSolo, true, "Bu.-Damen", "Buben-Damensolo"},
      {2, doppelkopfBubenSolo, false, "Unter", "Untersolo"},
      {2, doppelkopfBubenDamenSolo, false, "Unter-Ober", "Unter-Obersolo"},
      {2, doppelkopfBubenDamenSolo, true, "Un.-Ober", "Unter-Obersolo"},
      {2, doppelkopfHerzSolo, false, "Rot", "Rotsolo"},
      {1, doppelkopfSoloPending, false, "", ""},
  };
  rankNameTable[2][rankJack] = "Unter";
  rankNameTable[2][rankQueen] = "Ober";
  suitNameTable[2][suitHearts] = "Rot";
  for (const auto& c : cases) {
    envParam.cardStyle = c.style;
    EXPECT_EQ(doppelkopfSoloPrefix(c.type, c.shortForm), c.prefix) << c.type << " style " << c.style;
    EXPECT_EQ(doppelkopfSoloName(c.type), c.name) << c.type << " style " << c.style;
  }
}

TEST_F(DoppelkopfRulesTest, SeatArithmeticWraps) {
  cg.gs.akspieler = 4;
  EXPECT_EQ(doppelkopfSeatAfter(-1, 1), 1);
  EXPECT_EQ(doppelkopfSeatAfter(2, 7), 1);
  EXPECT_EQ(doppelkopfSeatBefore(1, 1), 4);
  EXPECT_EQ(doppelkopfSeatBefore(2, 6), 4);
  doppelkopfStepToPreviousSeat();
  EXPECT_EQ(cg.gs.akspieler, 3);
}

}  // namespace

// The meld table k12: sides and owners, its operations, the Canasta lay-off builder and
// permission, a prepared lay-off completed, and the saved image.
#include "core/game_state.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

using MeldTableTest = CanastaTest;

TEST_F(MeldTableTest, ClearedTableHasNoMelds) {
  layMeld(1, "cK hK dK");
  layMeld(2, "c8 h8 d8");
  k12.clear();
  EXPECT_EQ(k12.lastMeldIndex(1), 0);
  EXPECT_EQ(k12.lastMeldIndex(2), 20);
  EXPECT_EQ(sp[12].slots[1].meldNo, 0);
  EXPECT_EQ(sp[12].slots[1].meldPos, 0);
}

TEST_F(MeldTableTest, GetMeldOfNoNumberIsEmpty) {
  layMeld(1, "cK hK dK");
  for (int32_t n : {0, -1, -60}) {
    THand out = handOf("c7");
    k12.getMeld(n, out);
    EXPECT_EQ(out.anz, 0) << n;
  }
  THand m{};
  k12.getMeld(1, m);
  EXPECT_EQ(handSlotsText(m), "cK#1 hK#2 dK#3");
  EXPECT_EQ(m.extras.owner, 1);
}

TEST_F(MeldTableTest, SidesAndOwnersFollowThePartnerships) {
  teams();  // seats 1 and 3 against 2 and 4
  EXPECT_EQ(layMeld(1, "cK hK dK"), 1);
  EXPECT_EQ(layMeld(3, "c8 h8 d8"), 2);
  EXPECT_EQ(layMeld(2, "cQ hQ dQ"), 21);
  EXPECT_EQ(layMeld(4, "cA hA dA"), 22);
  EXPECT_EQ(layMeld(2, "c9 h9 d9"), 23);
  struct Case {
    int seat;
    const char* seatMelds;
    const char* teamMelds;
  } cases[] = {{1, "1 2", "1 2"}, {3, "1 2", "1 2"}, {2, "21 23", "21 22 23"}, {4, "22", "21 22 23"}};
  auto numbers = [](const THand& list) {
    std::string s;
    for (int i = 1; i <= list.anz; i++) s += (i > 1 ? " " : "") + std::to_string(list.k[i].hi);
    return s;
  };
  for (const Case& c : cases) {
    THand list{};
    k12.meldsOfSeat(c.seat, list);
    EXPECT_EQ(numbers(list), c.seatMelds) << c.seat;
    k12.meldsOfTeam(c.seat, list);
    EXPECT_EQ(numbers(list), c.teamMelds) << c.seat;
  }
  EXPECT_EQ(k12.melds[22].owner, 4);
  THand cards{};
  k12.collectSeatMeldCards(2, cards);
  EXPECT_EQ(handText(cards), "cQ hQ dQ c9 h9 d9");
}

TEST_F(MeldTableTest, WithoutTeamsEverySeatIsItsOwnSide) {
  EXPECT_EQ(layMeld(1, "cK hK dK"), 1);
  EXPECT_EQ(layMeld(3, "c8 h8 d8"), 21);
  EXPECT_FALSE(samePartnership(1, 3));
  EXPECT_TRUE(samePartnership(3, 3));
}

TEST_F(MeldTableTest, FullSidesOpenNoFurtherMeld) {
  seats(6);
  for (int i = 1; i <= 20; i++) EXPECT_EQ(k12.addMeld(1, 3), i);
  EXPECT_EQ(k12.addMeld(1, 3), 0);
  EXPECT_EQ(k12.ownMeldCount, 20);
  cg.gs.akspieler = 4;
  for (int i = 1; i <= 40; i++) EXPECT_EQ(k12.addMeld(4, 3), 20 + i);
  EXPECT_EQ(k12.addMeld(4, 3), 0);
  EXPECT_EQ(k12.otherMeldCount, 40);
}

TEST_F(MeldTableTest, RemovingTheLastCardOfAMeldClosesTheGap) {
  const char* melds[] = {"c7 h7 d7", "c8 h8 d8", "c9 h9 d9", "cJ hJ dJ", "cQ hQ dQ"};
  for (const char* m : melds) layMeld(1, m);
  layMeld(2, "cA hA dA");
  k12.removeFromMeld(3, 3);
  k12.removeFromMeld(3, 2);
  EXPECT_EQ(k12.ownMeldCount, 5);
  k12.removeFromMeld(3, 1);
  EXPECT_EQ(k12.ownMeldCount, 4);
  EXPECT_EQ(meldText(3), "cJ hJ dJ");
  EXPECT_EQ(meldText(4), "cQ hQ dQ");
  EXPECT_EQ(k12.otherMeldCount, 1);
  EXPECT_EQ(meldText(21), "cA hA dA");
}

TEST_F(MeldTableTest, SlotsAndMeldListsDescribeTheSameMelds) {
  layMeld(1, "cK hK dK");
  layMeld(2, "c8 h8 d8 s8");
  Tk12Container lists = k12;
  for (int n : {1, 21}) k12.melds[n].anz = 0;
  k12.rebuildFromSlots();
  for (int n : {1, 21})
    for (int p = 1; p <= lists.melds[n].anz; p++) EXPECT_EQ(k12.melds[n].k[p].hi, lists.melds[n].k[p].hi);
  EXPECT_EQ(k12.melds[21].anz, 4);
  // A slot naming no meld, or a place beyond the model, is skipped.
  sp[12].slots[8] = sp[12].slots[7];
  sp[12].count = 8;
  sp[12].slots[8].meldNo = 61;
  k12.rebuildFromSlots();
  EXPECT_EQ(k12.melds[21].anz, 4);
  for (int i = 1; i <= 7; i++) sp[12].slots[i].meldNo = sp[12].slots[i].meldPos = 0;
  k12.writeSlotLocations();
  EXPECT_EQ(sp[12].slots[5].meldNo, 21);
  EXPECT_EQ(sp[12].slots[5].meldPos, 2);
}

TEST_F(MeldTableTest, CanastaLayOffPutsWildCardsInFront) {
  int32_t n = layMeld(1, "cK hK dK");
  struct Case {
    const char* cards;
    const char* formed;
  } cases[] = {
      {"c2 x sK", "x c2 cK hK dK sK"},
      {"sK", "cK hK dK sK"},
      {"c2 h2", "h2 c2 cK hK dK"},
      {"c2 h2 d2 s2", ""},  // four wild cards
      {"sQ", ""},
      {"", "cK hK dK"},
  };
  for (const Case& c : cases) {
    THand out = handOf("c7");
    k12.calegenanhand(handOf(c.cards), n, 0, out);
    EXPECT_EQ(handText(out), c.formed) << c.cards;
  }
  THand out = handOf("c7");
  k12.calegenanhand(handOf("sK"), 0, 0, out);
  EXPECT_EQ(out.anz, 0);
}

TEST_F(MeldTableTest, LayOffOnlyOnTheOwnSidesMelds) {
  teams();
  layMeld(1, "cK hK dK");
  layMeld(2, "c8 h8 d8");
  struct Case {
    int seat, meld;
    const char* cards;
    bool ok;
  } cases[] = {{1, 1, "sK", true},  {3, 1, "sK", true},   {2, 1, "sK", false}, {2, 21, "s8", true},
               {1, 21, "s8", false}, {1, 1, "", false},   {1, 1, "s8", false}, {1, 2, "sK", false}};
  for (const Case& c : cases) {
    cg.gs.akspieler = c.seat;
    EXPECT_EQ(k12.canLayOff(handOf(c.cards), c.meld), c.ok) << c.seat << " " << c.meld << " " << c.cards;
  }
  cg.gameId = gidRomme;
  cg.gs.akspieler = 1;
  EXPECT_FALSE(k12.canLayOff(handOf("sK"), 1));
}

TEST_F(MeldTableTest, PreparedLayOffEndsInTheMeldsSlots) {
  int32_t n = layMeld(1, "cK hK dK");
  THand laid = handOf("c2#1 sK#5");  // hi: the place in the formed meld
  THand formed{};
  k12.calegenanhand(handOf("c2 sK"), n, 0, formed);
  THand sel = handOf("c2#4 sK#7");  // hi: the hand slots
  k12.prepareLayOff(sel, laid, formed, n, 1, 7, false, 5);
  EXPECT_EQ(k12.layOffPending, 1);
  EXPECT_EQ(handSlotsText(k12.meldBefore), "cK#2 hK#3 dK#4");
  EXPECT_EQ(k12.laidOffHandSlots.k[2].hi, 7);
  EXPECT_TRUE(k12.isSelected(5));
  EXPECT_FALSE(k12.isSelected(2));
  // The two cards landed in slots 4 and 5.
  sp[12].slots[4].card = card("c2");
  sp[12].slots[5].card = card("sK");
  sp[12].count = 5;
  k12.placeSelection();
  EXPECT_EQ(k12.layOffPending, 0);
  k12.rebuildFromSlots();
  EXPECT_EQ(meldText(n), "c2 cK hK dK sK");
  EXPECT_EQ(sp[12].slots[1].meldPos, 2);
  EXPECT_EQ(sp[12].slots[5].meldPos, 5);
}

TEST_F(MeldTableTest, SavedImageBringsTheTableBack) {
  layMeld(1, "cK hK dK");
  layMeld(2, "c8 h8 d8");
  k12.layOffPending = 1;
  k12.layOffProgress = 0.375f;
  k12.targetMeld = 21;
  k12.exchangeCard = card("x");
  k12.pendingCards = handOf("s8#4");
  TMeldTableImage image{};
  meldTableToImage(k12, image);
  Tk12Container back{};
  meldTableFromImage(image, back);
  EXPECT_EQ(back.ownMeldCount, 1);
  EXPECT_EQ(back.otherMeldCount, 1);
  EXPECT_EQ(back.layOffProgress, 0.375f);
  EXPECT_EQ(back.targetMeld, 21);
  EXPECT_EQ(cardText(back.exchangeCard), "x");
  EXPECT_EQ(handSlotsText(back.pendingCards), "s8#4");
  EXPECT_EQ(back.melds[21].owner, 2);
  // Counts beyond a side's places from a damaged file stay within them.
  image.counts[1] = 99;
  image.counts[2] = -5;
  meldTableFromImage(image, back);
  EXPECT_EQ(back.ownMeldCount, 20);
  EXPECT_EQ(back.otherMeldCount, 0);
}

TEST_F(MeldTableTest, SeatsStepRoundTheTable) {
  struct Case {
    int players, seat, next, prev;
  } cases[] = {{4, 1, 2, 4}, {4, 4, 1, 3}, {2, 2, 1, 1}, {6, 6, 1, 5}, {3, 2, 3, 1}};
  for (const Case& c : cases) {
    seats(c.players);
    EXPECT_EQ(nextSeat(c.seat), c.next);
    EXPECT_EQ(prevSeat(c.seat), c.prev);
  }
  seats(4);
  cg.gs.akspieler = 3;
  EXPECT_EQ(nextSeat(-1), 4);
  EXPECT_EQ(prevSeat(-1), 2);
}

}  // namespace

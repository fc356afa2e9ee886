// Canasta's move search: going out, the smallest first meld, the most-points move and the
// helpers the searches share, on small hands.
#include "games/rummy/canasta_search.h"

#include "tests/rummy/canasta_fixture.h"

namespace {

class CanastaSearchTest : public CanastaTest {
 protected:
  void SetUp() override {
    CanastaTest::SetUp();
    canastaInitSortKeys();
    for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 2;
    canastaArea().firstMeldMade[1] = 1;
  }

  static std::string listText(const TCanastaMoveList& list) {
    std::string out;
    for (int32_t e = 1; e <= list.count; e++) {
      if (!out.empty()) out += " | ";
      out += handText(list.entries[e].cards);
      if (list.entries[e].target > 0) out += " >" + std::to_string(list.entries[e].target);
    }
    return out;
  }
};

TEST_F(CanastaSearchTest, GoingOutUsesEveryCardButTheDiscard) {
  struct Case {
    const char* what;
    const char* hand;
    bool canasta;
    const char* list;
  } cases[] = {
      {"one card left is the discard", "cK hK sK d7", true, "cK hK sK"},
      {"two cards left", "cK hK sK d7 h8", true, ""},
      {"a seven-card meld of the largest rank", "cK hK sK dK cK hK sK d7", false, "cK hK sK dK cK hK sK"},
      {"wild cards fill the canasta", "cK hK sK dK cK x c2 d7", false, "cK hK sK dK cK x c2"},
      {"no canasta to be had", "cK hK sK dK cK d7 d7", false, ""},
      {"black threes only when they empty the hand", "cQ hQ sQ c3 s3 c3 d7", true, ""},
  };
  for (const Case& c : cases) {
    k12.clear();
    sp[12].count = 0;
    if (c.canasta) layMeld(1, "cA hA sA dA cA hA sA");
    giveHand(1, c.hand);
    TCanastaMoveList list{};
    fertigzug(1, sp[1].hand, noCard(), false, list);
    EXPECT_EQ(listText(list), c.list) << c.what;
  }
}

TEST_F(CanastaSearchTest, GoingOutMustPlaceTheDueCardAndReachTheMinimum) {
  layMeld(1, "cA hA sA dA cA hA sA");
  giveHand(1, "cK hK sK d7");
  TCanastaMoveList list{};
  fertigzug(1, sp[1].hand, card("d7"), false, list);
  EXPECT_EQ(list.count, 0) << "the pile card would be the discard";
  fertigzug(1, sp[1].hand, card("sK"), false, list);
  EXPECT_EQ(list.count, 1);
  canastaArea().meldMinimum = 50;
  fertigzug(1, sp[1].hand, card("sK"), false, list);
  EXPECT_EQ(list.count, 0) << "30 points do not reach 50";
}

TEST_F(CanastaSearchTest, SmallestFirstMeldTakesTheHighestGroupFirst) {
  TCanastaArea& a = canastaArea();
  a.firstMeldMade[1] = 0;
  a.meldMinimum = 50;
  a.drawnFrom = 13;
  giveHand(1, "cA hA sA cK hK sK c7 d8 h9 sJ");
  TCanastaMoveList list{};
  minzug2(1, sp[1].hand, noCard(), list);
  EXPECT_EQ(listText(list), "cA hA sA");
  EXPECT_EQ(list.totalPoints, 60);

  // Using every card, or leaving one without a canasta, is no first meld; the turn's best
  // move is the fallback.
  for (const char* hand : {"cA hA sA", "cA hA sA d7"}) {
    giveHand(1, hand);
    a.hintMove = TCanastaMoveList{};
    minzug2(1, sp[1].hand, noCard(), list);
    EXPECT_EQ(list.count, 0) << hand;
  }
  giveHand(1, "cA hA sA d7");
  canastaPutMeld(a.hintMove, handOf("cA hA sA d7"), 0, 0);
  minzug2(1, sp[1].hand, noCard(), list);
  EXPECT_EQ(list.count, 0) << "the best move must stand too";
}

TEST_F(CanastaSearchTest, FirstMeldWithThePileCardExtendsItWhilePointsAreMissing) {
  TCanastaArea& a = canastaArea();
  a.firstMeldMade[1] = 0;
  a.meldMinimum = 50;
  a.drawnFrom = 13;
  giveHand(1, "cQ hQ sQ x d7 h8 s9");
  TCanastaMoveList list{};
  minzug2(1, sp[1].hand, card("hQ"), list);
  EXPECT_EQ(listText(list), "hQ cQ sQ x");
  EXPECT_EQ(list.totalPoints, 80);
}

TEST_F(CanastaSearchTest, MostPointsMove) {
  struct Case {
    const char* what;
    const char* hand;
    const char* pile;
    bool canasta;
    const char* list;
  } cases[] = {
      {"black threes stay in the hand", "c3 s3 c3 hK sK dK d7 h8", "", false, "hK sK dK"},
      {"black threes that empty the hand", "c3 s3 c3 hK sK dK", "", true, "hK sK dK | c3 s3 c3"},
      {"a pair gets the Joker first", "cA hA c2 x d7 h8 s9 cJ", "", false, "cA hA x c2"},
      {"a 2 on the pile imposes nothing", "cK hK sK d7 h8 c2", "c2", false, "cK hK sK c2"},
      {"a Joker on the pile imposes nothing", "cK hK sK d7 h8 x", "x", false, "cK hK sK x"},
      {"an unused pile card spoils the move", "cK hK sK d7 h8 h9", "h9", false, ""},
      {"the pile card with a pair and a wild card", "c9 s9 x cK hK sK d7 h8", "s9", false, "cK hK sK | x c9 s9"},
  };
  for (const Case& c : cases) {
    k12.clear();
    sp[12].count = 0;
    if (c.canasta) layMeld(1, "cA hA sA dA cA hA sA");
    TCanastaMoveList list{};
    const TCard pile = *c.pile ? card(c.pile) : noCard();
    canastaFindMaxPointsMove(1, handOf(c.hand), pile, list, false);
    EXPECT_EQ(listText(list), c.list) << c.what;
  }
}

TEST_F(CanastaSearchTest, MostPointsMoveKeepsTwoCardsWithoutACanasta) {
  TCanastaMoveList list{};
  canastaFindMaxPointsMove(1, handOf("cK hK sK dK cQ hQ sQ d7"), noCard(), list, false);
  EXPECT_EQ(listText(list), "cK hK sK | cQ hQ sQ") << "a king goes back to keep two cards";
  layMeld(1, "cJ hJ sJ");
  canastaFindMaxPointsMove(1, handOf("cK hK sK dK sJ d8"), noCard(), list, false);
  EXPECT_EQ(listText(list), "cK hK sK dK") << "the jack stays: laying it off would leave one card";
}

TEST_F(CanastaSearchTest, GroupsAreOrderedByTheirFirstCardsPoints) {
  TCanastaMeldGroups split{}, groups{};
  canastaSplitIntoMelds(handOf("cK hK sK c7 d7 cA hA"), split);
  canastaCollectMeldCandidates(split, groups);
  ASSERT_EQ(groups.count, 3);
  EXPECT_EQ(handText(groups.groups[1]), "cA hA");
  EXPECT_EQ(handText(groups.groups[2]), "cK hK sK");
  EXPECT_EQ(handText(groups.groups[3]), "c7 d7");
}

TEST_F(CanastaSearchTest, MeldPicksAndWildLayOffOrder) {
  THand out{};
  canastaPickMeldCards(handOf("cK c2 x hK sK"), rankKing, 2, out);
  EXPECT_EQ(handText(out), "sK cK hK");
  canastaPickMeldCards(handOf("cK c2 x"), rankKing, -1, out);
  EXPECT_EQ(handText(out), "cK c2 x");
  canastaPickMeldCardsB(handOf("c2 cK x hK x d2 c2 sK"), rankKing, out);
  EXPECT_EQ(handText(out), "cK hK sK x x c2 d2");

  TCanastaMoveList list{};
  canastaPutMeld(list, handOf("x"), 3, 0);
  canastaPutMeld(list, handOf("hK"), 3, 0);
  canastaPutMeld(list, handOf("sK"), 3, 0);
  canastaOrderWildLayOffs(list);
  EXPECT_EQ(handText(list.entries[1].cards), "sK");
  EXPECT_EQ(handText(list.entries[3].cards), "x");
}

}  // namespace

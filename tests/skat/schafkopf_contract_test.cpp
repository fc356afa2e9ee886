// Applying a Schafkopf contract: the declarer, the Laufende of each contract (its trumps
// only, the partner's cards with the declarer's), the user's hand sorted in the new order.
#include "core/card_order.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

using SchafkopfContractTest = SchafkopfFixture;

TEST_F(SchafkopfContractTest, LaufendeCountOnlyTheContractsTrumps) {
  struct Case {
    const char* what;
    TContractRecord contract;
    std::vector<std::string> hands;  // named cards per seat, the rest dealt from the sevens up
    int32_t laufende;                // of the declarer, seat 1
  } cases[] = {
      {"Solo up to the opponent's Ober", {skfSolo, 1, 0}, {"cQ sQ hQ", "dQ"}, 3},
      {"Wenz: plain Aces and Tens are no Laufende", {skfWenz, 0, 0}, {"cJ sJ hJ dJ cA c10 sA s10"}, 4},
      {"Wenz up to the opponent's Unter", {skfWenz, 0, 0}, {"cJ sJ", "hJ"}, 2},
      {"Geier: no run past the Ober", {skfGeier, 0, 0}, {"cQ sQ hQ dQ cA c10 cK"}, 4},
      {"Farbwenz with every trump", {skfFarbwenz, 4, 0}, {"cJ sJ hJ dJ dA d10 dK dQ"}, 8},
      {"Sie", {skfSie, 0, 0}, {"cQ sQ hQ dQ cJ sJ hJ dJ"}, 8},
      {"Bettel has no trumps", {skfBettel, 0, 0}, {"cQ sQ hQ dQ cJ sJ hJ dJ"}, 0},
      {"Rufspiel with the partner's Ober", {skfRufspiel, 1, 0}, {"cQ sQ", "dQ", "cA hQ"}, 3},
      {"Rufspiel: the top Ober elsewhere", {skfRufspiel, 1, 0}, {"sQ hQ", "cQ", "cA dQ"}, 0},
      {"own Ace called: counted once", {skfRufspiel, 1, 0}, {"cQ sQ cA c7", "hQ"}, 2},
  };
  for (const Case& c : cases) {
    SetUp();
    deal(c.hands);
    apply(c.contract.type, c.contract.suit, c.contract.tout, 1);
    EXPECT_EQ(schafkopfArea->seats[1].laufende, c.laufende) << c.what;
    EXPECT_EQ(schafkopfArea->declarerSeat, 1) << c.what;
    EXPECT_EQ(schafkopfArea->soloistSeat, 1) << c.what;
  }
}

TEST_F(SchafkopfContractTest, CalledAceHolderAndTheSortedUserHand) {
  deal({"c7 s9 hA cQ dJ d10 sK c8", "", "cA"});
  apply(skfRufspiel, 1, 0, 2);
  EXPECT_EQ(schafkopfCalledAceHolder(), 3);
  EXPECT_EQ(schafkopfArea->declarerSeat, 2);
  EXPECT_EQ(handText(sp[1].hand), "cQ dJ hA c8 c7 sK s9 d10");
  for (int i = 1; i <= 8; i++) EXPECT_TRUE(cardsEqual(sp[1].slots[i].card, sp[1].hand.k[i])) << i;
}

TEST_F(SchafkopfContractTest, KontraReText) {
  const char* texts[] = {"", "Kontra", "Re"};
  for (int level = 0; level <= 2; level++) {
    schafkopfArea->kontraLevel = level;
    EXPECT_EQ(schafkopfKontraReText(), texts[level]);
  }
}

}  // namespace

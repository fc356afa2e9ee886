// What the table shows of a Schafkopf game: the name plates chosen per seat from the phase,
// the bidding and the user's party view, and the contract icons.
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_table.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

class SchafkopfTableTest : public SchafkopfFixture {};

TEST_F(SchafkopfTableTest, PlatesAndIcons) {
  enum { N = skfPlateNone, P = skfPlatePlain, W = skfPlateWantsToPlay, RE = skfPlateRe, K = skfPlateKontra };
  struct Case {
    const char* what;
    uint8_t phase;
    TContractRecord contract;  // applied (phase 4, 8) or the highest offer (phase 3, 7)
    int32_t highestBidder, firstWish, secondWish, wishes;
    std::vector<int32_t> answered;  // seats that answered the asking
    std::vector<int32_t> userView;  // the user's view of seats 1..4
    std::vector<uint8_t> plates;
    int32_t suitIcon;
    uint8_t ramschIcon;
  } cases[] = {
      {"asking: one seat wants to play, one passed", 3, {}, 0, 2, 0, 1, {1, 2}, {9, 9, 9, 9}, {N, W, P, P}, 0, 0},
      {"asking: the second wish", 3, {}, 0, 2, 4, 2, {1, 2, 4}, {9, 9, 9, 9}, {N, N, P, W}, 0, 0},
      {"declaring (seat 1 to act): the highest bidder's Wenz", 7, {skfWenz, 0, 0}, 2, 2, 4, 2, {1, 2, 3, 4}, {9, 9, 9, 9},
       {P, skfPlateWenz, N, W}, 0, 0},
      {"tricks of a Rufspiel: the user's view", 4, {skfRufspiel, 2, 0}, 1, 0, 0, 0, {}, {10, 11, 10, 11},
       {RE, K, RE, K}, 2, 0},
      {"tricks of a Farbgeier", 4, {skfFarbgeier, 1, 0}, 3, 0, 0, 0, {}, {11, 11, 10, 11},
       {N, N, skfPlateGeier, N}, 0, 0},
      {"tricks of a Farbsolo: no picture", 4, {skfSolo, 1, 0}, 3, 0, 0, 0, {}, {11, 11, 10, 11}, {N, N, N, N}, 0, 0},
      {"tricks of a Ramsch", 4, {skfRamsch, 0, 0}, 3, 0, 0, 0, {}, {0, 0, 0, 0}, {N, N, N, N}, 0, 1},
  };
  for (const Case& c : cases) {
    SetUp();
    cg.gs.phase = c.phase;
    cg.gs.akspieler = 1;
    TSchafkopfArea& a = *schafkopfArea;
    (c.phase == 4 ? a.contract : a.highestOffer) = c.contract;
    a.highestBidder = c.highestBidder;
    a.firstPlayWish = c.firstWish;
    a.secondPlayWish = c.secondWish;
    a.playWishCount = c.wishes;
    for (int32_t s : c.answered) a.seats[s].answered = 1;
    for (int s = 1; s <= 4; s++) a.partyViews[1].party[s] = c.userView[size_t(s - 1)];
    schafkopfRefreshPlayers();
    for (int s = 1; s <= 4; s++)
      EXPECT_EQ(schafkopfTableMarks.plates[s], c.plates[size_t(s - 1)]) << c.what << ", seat " << s;
    EXPECT_EQ(schafkopfTableMarks.suitIcon, c.suitIcon) << c.what;
    EXPECT_EQ(schafkopfTableMarks.ramschIcon, c.ramschIcon) << c.what;
  }
}

TEST_F(SchafkopfTableTest, KontraAndReIcons) {
  for (int32_t level : {0, 1, 2}) {
    schafkopfArea->kontraLevel = level;
    schafkopfRefreshPlayers();
    EXPECT_EQ(schafkopfTableMarks.kontraIcon, level >= 1) << level;
    EXPECT_EQ(schafkopfTableMarks.reIcon, level >= 2) << level;
  }
}

}  // namespace

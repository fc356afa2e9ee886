// The Skat option record at a new list, "Standardregeln", the international-rules mark and
// the computer seats' profiles taken into the game state.
#include "games/skat/skat_options_io.h"
#include "games/skat/skat_profile.h"
#include "tests/skat/skat_fixture.h"

namespace {

using SkatOptionsTest = SkatFixture;

TEST_F(SkatOptionsTest, ListLengthIsKeptWithinTwoHundred) {
  struct Case {
    int32_t typed, expected;
  } cases[] = {{500, 200}, {200, 200}, {0, 0}, {-3, 0}, {3, 3}, {72, 72}};
  for (const Case& c : cases) {
    options().ownLength = 1;
    options().listLength = c.typed;
    skatReadOptions();
    EXPECT_EQ(options().listLength, c.expected) << "typed " << c.typed;
  }
}

TEST_F(SkatOptionsTest, GrandBaseFollowsGrandTwenty) {
  options().grand20 = 1;
  skatReadOptions();
  EXPECT_EQ(options().grandBase, 20);
  options().grand20 = 0;
  skatReadOptions();
  EXPECT_EQ(options().grandBase, 24);
}

TEST_F(SkatOptionsTest, StandardRulesAndTheInternationalMark) {
  TSkatOptions& o = options();
  o.rum = o.spitze = o.grand20 = o.kontra = o.bockRamsch = 1;
  o.scoring = 3;
  o.listLength = 72;
  o.firstDealer = 2;
  o.money = 1;
  o.kontraLevels[3] = 1;
  skatOptionsChanged();
  EXPECT_EQ(o.internationalRules, 0);
  skatApplyStandardRules();
  EXPECT_EQ(o.rum + o.spitze + o.grand20 + o.kontra + o.bockRamsch, 0);
  EXPECT_EQ(o.scoring, 1);
  EXPECT_EQ(o.grandBase, 24);
  EXPECT_EQ(o.internationalRules, 1);
  // What "Standardregeln" leaves alone.
  EXPECT_EQ(o.listLength, 72);
  EXPECT_EQ(o.firstDealer, 2);
  EXPECT_EQ(o.money, 1);
  EXPECT_EQ(o.kontraLevels[3], 1);
  o.spitze = 1;
  skatOptionsChanged();
  EXPECT_EQ(o.internationalRules, 0);
}

TEST_F(SkatOptionsTest, SeatsGetTheProfilesOfTheirStrengths) {
  for (int s = 1; s <= 3; s++) cg.gs.seatProfiles[s] = TSeatProfile{};
  cg.gs.seatProfiles[2].strength = 1;
  cg.gs.seatProfiles[3].strength = 3;
  skatReadOptions();
  EXPECT_EQ(cg.gs.seatProfiles[2].reizen, 45);  // "Anfänger" of the shipped ch.txt
  EXPECT_EQ(cg.gs.seatProfiles[3].reizen, 60);  // "Profi"
  EXPECT_EQ(cg.gs.seatProfiles[3].krafe, 20);
  EXPECT_EQ(cg.gs.seatProfiles[1].strength, 2);  // none chosen: "Normal"
  EXPECT_EQ(seatProfile[3].fields.wahrs, 30);
}

}  // namespace

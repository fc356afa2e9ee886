// Canasta's area is saved with the game at its place and read back whole.
#include <memory>

#include "core/game_state_image.h"
#include "games/rummy/canasta_state.h"
#include "platform/byte_io.h"
#include "tests/rummy/canasta_fixture.h"

namespace {

using CanastaAreaImageTest = CanastaTest;

TEST_F(CanastaAreaImageTest, AreaComesBackFromTheImage) {
  TCanastaArea& a = canastaArea();
  a.options.teams = 1;
  a.options.pointLimit = 5000;
  a.options.pileAlwaysFrozen = 1;
  a.team[6] = 3;
  a.firstMeldMade[2] = 1;
  a.wentOutSeat = 4;
  a.pileTopCard = card("hK#9");
  a.bestPointsWithPile = -1;
  a.selhand = handOf("cK#1 x#4");
  a.history[166] = card("d3");
  a.hcount = 2;
  a.spielmit2zwang = card("sQ");
  a.turnCounter = 77;
  canastaPutMeld(a.multizugPlan, handOf("cK hK sK"), 0, 0);
  canastaPutMeld(a.multizugPlan, handOf("x"), 3, 0);
  a.multizugPart = 1;
  a.multizugKind = 2;
  a.aiPlannedThisTurn = 1;
  canastaPutMeld(a.hintMove, handOf("cA hA x"), 0, 0);
  const std::vector<uint8_t> image = gameStateImage(cg.gs);
  auto back = std::make_unique<TGameState>();
  ByteReader r(image);
  ASSERT_TRUE(gameStateFromImage(r, *back));
  EXPECT_EQ(r.pos(), image.size());
  EXPECT_EQ(gameStateImage(*back), image);
  const TCanastaArea& b = gameArea<TCanastaArea>(back->can);
  EXPECT_EQ(b.options.teams, 1);
  EXPECT_EQ(b.options.pointLimit, 5000);
  EXPECT_EQ(b.options.pileAlwaysFrozen, 1);
  EXPECT_EQ(b.team[6], 3);
  EXPECT_EQ(b.firstMeldMade[2], 1);
  EXPECT_EQ(b.wentOutSeat, 4);
  EXPECT_EQ(handSlotsText(b.selhand), "cK#1 x#4");
  EXPECT_EQ(cardText(b.history[166]), "d3");
  EXPECT_EQ(b.pileTopCard.hi, 9);
  EXPECT_EQ(b.bestPointsWithPile, -1);
  EXPECT_EQ(cardText(b.spielmit2zwang), "sQ");
  EXPECT_EQ(b.turnCounter, 77);
  ASSERT_EQ(b.multizugPlan.count, 2);
  EXPECT_EQ(handText(b.multizugPlan.entries[1].cards), "cK hK sK");
  EXPECT_EQ(b.multizugPlan.entries[2].target, 3);
  EXPECT_EQ(b.multizugPlan.totalPoints, 0);
  EXPECT_EQ(b.multizugPart, 1);
  EXPECT_EQ(b.multizugKind, 2);
  EXPECT_EQ(b.aiPlannedThisTurn, 1);
  EXPECT_EQ(handText(b.hintMove.entries[1].cards), "cA hA x");
}

}  // namespace

// Byte images of the game state object: record sizes, the offsets a saved game relies on,
// round trips.
#include <gtest/gtest.h>

#include <cstring>

#include "core/game_state_image.h"
#include "tests/core/core_state_fixture.h"
#include "tests/support/cards.h"

namespace {

using ImageTest = CoreStateTest;

int32_t i32At(const std::vector<uint8_t>& b, size_t at) {
  return int32_t(uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
                 uint32_t(b[at + 3]) << 24);
}

template <class T, class F>
size_t imageSize(T& record, F io) {
  ByteWriter w;
  TRecordIo rio(w);
  io(rio, record);
  return w.size();
}

TEST_F(ImageTest, RecordSizesInTheImage) {
  TSeatRecord seat{};
  TDecisionBlock block{};
  THand hand{};
  THand64 hand64{};
  EXPECT_EQ(imageSize(seat, seatRecordIo), 676u);
  EXPECT_EQ(imageSize(block, decisionBlockIo), 1564u);
  EXPECT_EQ(imageSize(hand, handIo), 794u);
  EXPECT_EQ(imageSize(hand64, hand64Io), 260u);
  EXPECT_EQ(cgHeadImage(cg).size(), size_t(cgHeadImageSize));
  EXPECT_EQ(gameStateImage(cg.gs).size() % 4, 0u);
}

TEST_F(ImageTest, HeadFieldsSitAtTheirOffsets) {
  cg.gameId = gidCanasta;
  cg.seatRecords[1].cards[0] = card("sA#7");
  cg.seatRecords[1].count = 11;
  cg.seatRecords[1].number = 1;
  cg.seatRecords[20].kind = seatKindNetwork;
  cg.headReserved[cgReservedInputState] = 1;
  cg.seatCount = 4;
  cg.frameCount = 123456;
  cg.pointerCode = -2;
  cg.lastPointerCode = 77;
  std::vector<uint8_t> b = cgHeadImage(cg);

  EXPECT_EQ(b[0], gidCanasta);
  size_t seat1 = cgImageSeatRecords + 676;
  EXPECT_EQ(b[seat1], rankAce);
  EXPECT_EQ(b[seat1 + 1], suitSpades);
  EXPECT_EQ(b[seat1 + 2], 7);
  EXPECT_EQ(i32At(b, seat1 + 664), 11);
  EXPECT_EQ(i32At(b, seat1 + 668), 1);
  EXPECT_EQ(b[cgImageSeatRecords + 20 * 676 + 672], seatKindNetwork);
  EXPECT_EQ(cgImageReserved, cgImageSeatRecords + 21 * 676);
  EXPECT_EQ(b[17764], 1);
  EXPECT_EQ(i32At(b, cgImageSeatCount), 4);
  EXPECT_EQ(i32At(b, 17772), 123456);
  EXPECT_EQ(i32At(b, 17776), -2);
  EXPECT_EQ(i32At(b, 17780), 77);
}

// Offsets of gs as a saved game holds it: the block starts at 17,784.
TEST_F(ImageTest, GameStateHeadSitsAtItsOffsets) {
  cg.gs.listOver = 1;
  cg.gs.tableScale = 0.8f;
  cg.gs.meldTableInUse = 1;
  cg.gs.gamesPlayed = 202;
  cg.gs.gameListValues[0][0] = 5;
  cg.gs.gameListValues[1][0] = -48;
  cg.gs.gameListValues[6][200] = 99;
  cg.gs.gameListTexts[0] = "Kreuz gewonnen";
  cg.gs.gameListTexts[200] = "letzte";
  std::vector<uint8_t> head = cgHeadImage(cg);
  std::vector<uint8_t> b = gameStateImage(cg.gs);
  b.insert(b.begin(), head.begin(), head.end());

  struct Case { size_t at; bool isByte; int32_t want; const char* what; };
  const Case cases[] = {
      {17784, true, 1, "listOver"},
      {17792, true, 1, "meldTableInUse"},
      {17796, false, 202, "gamesPlayed"},
      {17804, false, 5, "gameListValues[0][0]"},
      {17804 + 201 * 4, false, -48, "gameListValues[1][0]"},
      {17804 + (6 * 201 + 200) * 4, false, 99, "gameListValues[6][200]"},
      {23432, true, 14, "length byte of gameListTexts[0]"},
      {23432 + 200 * 201, true, 6, "length byte of gameListTexts[200]"},
  };
  for (const Case& c : cases) {
    int32_t got = c.isByte ? b[c.at] : i32At(b, c.at);
    EXPECT_EQ(got, c.want) << c.what << " at " << c.at << ": expected " << c.want << ", got " << got;
  }
  float scale;
  uint32_t bits = uint32_t(i32At(b, 17788));
  std::memcpy(&scale, &bits, 4);
  EXPECT_EQ(scale, 0.8f) << "tableScale at 17788";
  EXPECT_EQ(std::string(b.begin() + 23433, b.begin() + 23433 + 14), "Kreuz gewonnen");
}

TEST_F(ImageTest, GameStateRoundTrip) {
  cg.gs.gamesPlayed = 3;
  cg.gs.listTotals[2] = -48;
  cg.gs.matchScore[3] = 144;
  cg.gs.phase = 5;
  cg.gs.step = 99;
  cg.gs.lastStepTick = 0xFFFFFFF0u;  // just before the tick wraps
  cg.gs.akspieler = 3;
  cg.gs.getBlender = {-32768, 32767, 2};
  cg.gs.bubbleState[10] = 3;
  cg.gs.bubbles[10] = {0xFFFFFF00u, 5040, 12, 34};
  cg.gs.pendingStack = 12;
  cg.gs.bl.pilesSelectable = 1;
  cg.gs.bl.pileA = 11;
  cg.gs.bl.selhand = handOf("cJ sJ hA");
  cg.gs.bl.optionTexts[8] = "!Passen";
  cg.gs.bl.optionValues[8] = 43;
  cg.gs.bl.decisionKind = 110;
  cg.gs.savedBl.optionCount = 8;
  cg.gs.netSeatName[6] = "Gast";
  cg.gs.meldTableImage.melds[60] = hand64Of("d7 d8 d9");
  cg.gs.meldTableImage.lists[4] = handOf("x");
  cg.gs.savedBlSeat = 2;
  cg.gs.optionsGameId = gidSkat;
  cg.gs.seatProfiles[6].krafe = 17;
  cg.gs.seatDrawnCards[6] = handOf("c10 s10");
  cg.gs.warCollectDelay = -3;
  cg.gs.playerRecords[6].name = "Zoë";
  cg.gs.playerRecords[6].voice = 2;

  std::vector<uint8_t> image = gameStateImage(cg.gs);
  auto back = std::make_unique<TGameState>();
  ByteReader r(image);
  ASSERT_TRUE(gameStateFromImage(r, *back));
  EXPECT_EQ(r.pos(), image.size());
  EXPECT_EQ(gameStateImage(*back), image) << "the read record writes the same image";
  EXPECT_EQ(back->lastStepTick, 0xFFFFFFF0u);
  EXPECT_EQ(back->getBlender.res_i, -32768);
  EXPECT_EQ(handText(back->bl.selhand), "cJ sJ hA");
  EXPECT_EQ(back->bl.optionTexts[8].str(), "!Passen");
  EXPECT_EQ(handText(back->meldTableImage.melds[60]), "d7 d8 d9");
  EXPECT_EQ(back->playerRecords[6].name.str(), "Zoë");
}

TEST_F(ImageTest, ShortImageIsReportedAndReadsNoFurther) {
  std::vector<uint8_t> image = gameStateImage(cg.gs);
  image.resize(image.size() - 1);
  auto back = std::make_unique<TGameState>();
  ByteReader r(image);
  EXPECT_FALSE(gameStateFromImage(r, *back));

  std::vector<uint8_t> head = cgHeadImage(cg);
  head.resize(100);
  auto c = std::make_unique<TCG>();
  ByteReader rh(head);
  EXPECT_FALSE(cgHeadFromImage(rh, *c));
}

TEST_F(ImageTest, HeadRoundTripKeepsTheReservedBlock) {
  cg.gameId = gidHearts;
  cg.seatRecords[13].count = 166;
  cg.seatRecords[13].cards[165] = card("hQ#166");
  cg.headReserved[0] = 0xAB;
  cg.headReserved[cgReservedInputState] = 1;
  cg.lastPointerCode = -1;
  std::vector<uint8_t> image = cgHeadImage(cg);
  auto back = std::make_unique<TCG>();
  ByteReader r(image);
  ASSERT_TRUE(cgHeadFromImage(r, *back));
  EXPECT_EQ(back->gameId, gidHearts);
  EXPECT_EQ(back->seatRecords[13].count, 166);
  EXPECT_EQ(cardText(back->seatRecords[13].cards[165]), "hQ");
  EXPECT_EQ(back->seatRecords[13].cards[165].hi, 166);
  EXPECT_EQ(back->headReserved[0], 0xAB);
  EXPECT_EQ(back->headReserved[cgReservedInputState], 1);
  EXPECT_EQ(back->lastPointerCode, -1);
}

}  // namespace
